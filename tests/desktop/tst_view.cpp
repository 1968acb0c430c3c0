#include "everywindow.h"

#include "controls/twips.h"
#include "controls/zoom.h"
#include "shell/captionsfit.h"
#include "shell/language.h"
#include "shell/usersettings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QWheelEvent>
#include <QXmlStreamReader>

#include <cmath>
#include <set>
#include <vector>

using namespace Zyntra;

namespace {

// Every window a user can open: the figure windows, the About window, the
// calculation sheet and the history.
QStringList everyWindowItem()
{
    return everyFigureCommand() << QStringLiteral("mnuHelpItem(1)") << QStringLiteral("mnuCalculationSheet")
                                << QStringLiteral("mnuHistory");
}

QWidget *openWindow(const ShellFixture &program, const QString &item)
{
    program.choose(item);
    MDIMain *main = program.main();
    QWidget *window = item == QLatin1String("mnuHelpItem(1)")        ? static_cast<QWidget *>(main->aboutWindow())
                      : item == QLatin1String("mnuCalculationSheet") ? main->sheetWindow()
                      : item == QLatin1String("mnuHistory")          ? static_cast<QWidget *>(main->historyWindow())
                                                                     : program.figureWindows().value(0);
    QApplication::processEvents(); // a new palette or size arrives through the event loop
    return window && QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

double luminance(const QColor &colour)
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A widget's ground, as grabbed in its window: the pixel of middle
// lightness, which neither a few strokes of text nor a gradient mislead.
QColor groundOf(const QImage &grabbed, const QWidget *widget, const QWidget *window)
{
    const QRect box = QRect(widget->mapTo(window, QPoint()), widget->size()) & grabbed.rect();
    std::vector<std::pair<double, QRgb>> pixels;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            pixels.emplace_back(luminance(grabbed.pixelColor(x, y)), grabbed.pixel(x, y));
    if (pixels.empty())
        return {};
    std::ranges::nth_element(pixels, pixels.begin() + pixels.size() / 2);
    return QColor::fromRgb(pixels[pixels.size() / 2].second);
}

// Where each shown control lies in its window, and which pairs of siblings
// overlap or poke out of their parent.
struct Arrangement {
    std::set<std::pair<const QWidget *, const QWidget *>> overlaps;
    std::set<const QWidget *> pokingOut;
};

Arrangement arrangementOf(const QWidget *window)
{
    Arrangement found;
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisible() || widget->isWindow())
            continue;
        if (!widget->parentWidget()->rect().contains(widget->geometry()))
            found.pokingOut.insert(widget);
        for (const QWidget *sibling : widget->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (sibling != widget && sibling->isVisible() && !sibling->isWindow()
                && sibling->geometry().intersects(widget->geometry()))
                found.overlaps.insert(std::minmax(widget, sibling));
    }
    return found;
}

QString nameOf(const QWidget *widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

} // namespace

// The View menu: themes for every eye, zoom for every room, and the
// splash left out when the user would rather start at once.
class TestView : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void everyTextIsReadableUnderEachTheme_data();
    void everyTextIsReadableUnderEachTheme();
    void everyWindowFitsAtEveryZoom_data();
    void everyWindowFitsAtEveryZoom();
    void zoomFollowsItsKeys_data();
    void zoomFollowsItsKeys();
    void zoomKeysWorkInEveryWindow_data();
    void zoomKeysWorkInEveryWindow();
    void ctrlWheelZooms();
    void choicesAreKeptForTheNextRun();
    void germanCatalogueIsWhole();
    void menusSpeakTheChosenLanguage();
};

void TestView::cleanup()
{
    UserSettings::setLanguage(Language::FollowDesktop);
    setLanguage(Language::FollowDesktop);
    UserSettings::setTheme(Theme::FollowDesktop);
    UserSettings::setZoom(MinZoom);
    UserSettings::setShowSplash(true);
    setTheme(Theme::FollowDesktop);
    setZoom(MinZoom);
}

void TestView::everyTextIsReadableUnderEachTheme_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("theme");
    QTest::addColumn<double>("least");
    for (const auto &[theme, name, least] :
         {std::tuple(Theme::Light, "Light", 4.5), std::tuple(Theme::Dark, "Dark", 4.5),
          std::tuple(Theme::HighContrast, "High Contrast", 7.0)})
        for (const QString &item : everyWindowItem())
            QTest::addRow("%s %s", name, qPrintable(item)) << item << int(theme) << least;
}

// Each text against the ground it is grabbed on: 4.5:1 at least, 7:1 under
// High Contrast. The answer boxes keep their red on black (5.25:1).
void TestView::everyTextIsReadableUnderEachTheme()
{
    QFETCH(QString, item);
    QFETCH(int, theme);
    QFETCH(double, least);
    ShellFixture program;
    program.choose(arrayName(QStringLiteral("mnuTheme"), theme));
    QWidget *window = openWindow(program, item);
    QVERIFY(window);
    const QImage grabbed = window->grab().toImage();
    QStringList faint;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<QLabel *>(widget);
        const auto *field = qobject_cast<QLineEdit *>(widget);
        const auto *button = qobject_cast<QAbstractButton *>(widget);
        if (!widget->isVisible() || (!label && !field && !button) || (label && label->text().isEmpty())
            || (label && label->palette().color(QPalette::WindowText) == Qt::red))
            continue;
        const QPalette::ColorRole role = field ? QPalette::Text : widget->foregroundRole();
        const QColor text = widget->palette().color(widget->isEnabled() ? QPalette::Active : QPalette::Disabled, role);
        const double ratio = contrast(text, groundOf(grabbed, widget, window));
        if (ratio < least)
            faint << QStringLiteral("%1 %2:1").arg(nameOf(widget)).arg(ratio, 0, 'f', 2);
    }
    QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral("; "))));
}

void TestView::everyWindowFitsAtEveryZoom_data()
{
    QTest::addColumn<QString>("item");
    for (const QString &item : everyWindowItem())
        QTest::newRow(qPrintable(item)) << item;
}

// Step by step to three times the size: whatever stood apart and inside
// its frame at actual size still does, so does every caption, every
// row of a table holds its text, and the figure window stays whole.
void TestView::everyWindowFitsAtEveryZoom()
{
    QFETCH(QString, item);
    ShellFixture program;
    QWidget *window = openWindow(program, item);
    QVERIFY(window);
    const Arrangement designed = arrangementOf(window);
    const auto cutNames = [window](double shrinking) {
        QStringList names;
        for (const QString &cut : cutCaptions(window, shrinking))
            names << cut.section(u' ', 0, 0);
        return names;
    };
    const QStringList cutAtActualSize = cutNames(0);
    for (double zoom = MinZoom + ZoomStep; zoom <= MaxZoom; zoom += ZoomStep) {
        program.main()->zoomTo(zoom);
        QApplication::processEvents();
        const Arrangement zoomed = arrangementOf(window);
        // Hinted text does not grow quite in step with its box: a caption
        // may be drawn a twentieth smaller to stay whole.
        QStringList wrong;
        for (const QString &cut : cutNames(0.05))
            if (!cutAtActualSize.contains(cut))
                wrong << cut + QStringLiteral(" is cut");
        for (const auto &[a, b] : zoomed.overlaps)
            if (!designed.overlaps.contains({a, b}))
                wrong << nameOf(a) + QStringLiteral(" overlaps ") + nameOf(b);
        for (const QWidget *widget : zoomed.pokingOut)
            if (!designed.pokingOut.contains(widget))
                wrong << nameOf(widget) + QStringLiteral(" is cut by its frame");
        for (const QAbstractItemView *view : window->findChildren<QAbstractItemView *>())
            if (auto *table = qobject_cast<const QTableView *>(view);
                table && table->verticalHeader()->defaultSectionSize() < QFontMetrics(table->font()).height())
                wrong << nameOf(table) + QStringLiteral(" rows lower than their text");
        if (!window->isWindow() && !window->parentWidget()->rect().contains(window->geometry()))
            wrong << QStringLiteral("the figure window is cut by the main window");
        QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("at %1: ").arg(zoom) + wrong.join(QStringLiteral("; "))));
    }
    const auto *heading = window->findChild<QLabel *>(QStringLiteral("lblTitle"));
    if (heading && qobject_cast<FigureWindow *>(window))
        QCOMPARE(heading->font().pointSizeF(), 13.5 * MaxZoom);
}

void TestView::zoomFollowsItsKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::newRow("Ctrl++") << int(Qt::Key_Plus) << 1.0 << 1.25;
    QTest::newRow("Ctrl+=") << int(Qt::Key_Equal) << 2.0 << 2.25;
    QTest::newRow("Ctrl+-") << int(Qt::Key_Minus) << 2.0 << 1.75;
    QTest::newRow("Ctrl+0") << int(Qt::Key_0) << 2.5 << 1.0;
    QTest::newRow("Ctrl++ at the top") << int(Qt::Key_Plus) << 3.0 << 3.0;
    QTest::newRow("Ctrl+- at actual size") << int(Qt::Key_Minus) << 1.0 << 1.0;
}

void TestView::zoomFollowsItsKeys()
{
    QFETCH(int, key);
    QFETCH(double, from);
    QFETCH(double, to);
    ShellFixture program;
    auto *window = program.open<FigureWindow>(everyFigureCommand().first());
    const QWidget *calculate = window->findChild<QPushButton *>(QStringLiteral("cmdCalculate"));
    const QRect actual = calculate->geometry();
    program.main()->zoomTo(from);
    program.main()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program.main()));
    QTest::keyClick(window->findChild<QLineEdit *>(), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(zoom(), to);
    QCOMPARE(UserSettings::zoom(), to);
    // The window scales as a whole, its controls with their places.
    const QRect expected = QRectF(QPointF(actual.topLeft()) * to, QSizeF(actual.size()) * to).toRect();
    QVERIFY2(
        (calculate->geometry().topLeft() - expected.topLeft()).manhattanLength() <= 2
            && std::abs(calculate->width() - expected.width()) <= 1,
        qPrintable(QStringLiteral("%1,%2 %3 wide").arg(calculate->x()).arg(calculate->y()).arg(calculate->width())));
}

void TestView::zoomKeysWorkInEveryWindow_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("sheet") << QStringLiteral("mnuCalculationSheet");
    QTest::newRow("history") << QStringLiteral("mnuHistory");
}

void TestView::zoomKeysWorkInEveryWindow()
{
    QFETCH(QString, item);
    ShellFixture program;
    QWidget *window = openWindow(program, item);
    QVERIFY(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWidget *focused = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(focused, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(zoom(), 1.25);
    QTest::keyClick(focused, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(zoom(), 1.0);
}

void TestView::ctrlWheelZooms()
{
    ShellFixture program;
    auto *window = program.open<FigureWindow>(everyFigureCommand().first());
    QWidget *field = window->findChild<QLineEdit *>();
    const auto turn = [field](int notches, Qt::KeyboardModifiers modifiers) {
        QWheelEvent wheel(QPointF(2, 2), field->mapToGlobal(QPointF(2, 2)), {}, QPoint(0, notches * 120), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(field, &wheel);
    };
    turn(2, Qt::ControlModifier);
    QCOMPARE(zoom(), 1.5);
    turn(1, Qt::NoModifier);
    QCOMPARE(zoom(), 1.5);
    turn(-1, Qt::ControlModifier);
    QCOMPARE(zoom(), 1.25);
}

void TestView::choicesAreKeptForTheNextRun()
{
    {
        ShellFixture program;
        program.choose(arrayName(QStringLiteral("mnuTheme"), int(Theme::HighContrast)));
        program.choose(QStringLiteral("mnuZoomIn"));
        program.choose(QStringLiteral("mnuZoomIn"));
        program.menuItem(QStringLiteral("mnuShowSplash"))->toggle();
    }
    setTheme(Theme::FollowDesktop);
    setZoom(MinZoom);
    ShellFixture program;
    QCOMPARE(theme(), Theme::HighContrast);
    QVERIFY(program.menuItem(arrayName(QStringLiteral("mnuTheme"), int(Theme::HighContrast)))->isChecked());
    QCOMPARE(zoom(), 1.5);
    QVERIFY(!program.menuItem(QStringLiteral("mnuShowSplash"))->isChecked());
    QVERIFY(!UserSettings::showSplash());
    // At the smallest and largest zoom the way further is closed.
    QVERIFY(program.menuItem(QStringLiteral("mnuZoomOut"))->isEnabled());
    program.choose(QStringLiteral("mnuActualSize"));
    QVERIFY(!program.menuItem(QStringLiteral("mnuZoomOut"))->isEnabled());
}

// Every text of the German catalogue is translated and finished.
void TestView::germanCatalogueIsWhole()
{
    QFile file(QStringLiteral(ZYNTRA_GERMAN_CATALOGUE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    int translated = 0;
    QStringList unfinished;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            if (!finished || xml.readElementText().isEmpty())
                unfinished << source;
            else
                ++translated;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join(QStringLiteral("; "))));
    QVERIFY(translated > 0);
}

// German through View > Language, then English again exactly as before;
// the numbers stay as they are either way.
void TestView::menusSpeakTheChosenLanguage()
{
    ShellFixture program;
    const auto menuBar = [&program] {
        QStringList titles;
        for (QAction *action : program.main()->menuBar()->actions())
            titles << action->text();
        return titles;
    };
    const auto answer = [&program] {
        auto *window = program.open<FigureWindow>(QStringLiteral("mnuGeometryItem(0)"));
        QTest::keyClicks(window->findChild<QLineEdit *>(), QStringLiteral("2.5"));
        window->findChild<QPushButton *>(QStringLiteral("cmdCalculate"))->click();
        return window->findChild<QLabel *>(QStringLiteral("lblAnswer(3)"))->text();
    };
    const QString english = answer();
    program.choose(arrayName(QStringLiteral("mnuLanguage"), int(Language::German)));
    QApplication::processEvents();
    QCOMPARE(menuBar(), (QStringList{"&Datei", "&Geometrie", "&Ansicht", "&Hilfe"}));
    QCOMPARE(program.menuItem(QStringLiteral("mnuShowSplash"))->text(), QStringLiteral("Startbild beim Start zeigen"));
    program.choose(QStringLiteral("mnuHelpItem(1)"));
    QCOMPARE(program.main()->aboutWindow()->windowTitle(), QStringLiteral("Über Zyntra"));
    QCOMPARE(answer(), english);
    QCOMPARE(program.menuItem(QStringLiteral("mnuGeometryItem(0)"))->text(), QStringLiteral("Kreis"));
    // A failed calculation says why in German too, naming the field as it is spoken.
    auto *window = program.open<FigureWindow>(QStringLiteral("mnuGeometryItem(0)"));
    auto *field = window->findChild<QLineEdit *>();
    field->clear();
    QTest::keyClicks(field, QStringLiteral(".."));
    window->findChild<QPushButton *>(QStringLiteral("cmdCalculate"))->click();
    QVERIFY(window->warning());
    QVERIFY2(window->warning()->text().startsWith(field->accessibleName() + QStringLiteral(": „..“ ist keine Zahl. ")),
             qPrintable(window->warning()->text()));
    QCOMPARE(UserSettings::language(), Language::German);
    program.choose(arrayName(QStringLiteral("mnuLanguage"), int(Language::English)));
    QApplication::processEvents();
    QCOMPARE(menuBar(), (QStringList{"&File", "&Geometry", "&View", "&Help"}));
    QCOMPARE(program.main()->aboutWindow()->windowTitle(), QStringLiteral("About Zyntra"));
    QCOMPARE(program.menuItem(QStringLiteral("mnuExactConstants"))->text(), QStringLiteral("Exact Constants"));
}

QTEST_MAIN(TestView)
#include "tst_view.moc"
