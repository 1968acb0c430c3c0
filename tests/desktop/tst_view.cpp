#include "everywindow.h"

#include "composite/frmcomposite.h"
#include "controls/answerlabel.h"
#include "controls/figuretext.h"
#include "controls/valuefield.h"
#include "shell/frmsplash.h"

#include "controls/twips.h"
#include "controls/zoom.h"
#include "shell/captionsfit.h"
#include "shell/language.h"
#include "shell/usersettings.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QWheelEvent>

#include <cmath>
#include <set>
#include <vector>

using namespace Zyntra;

namespace {

// Every window a user can open: the figure windows, the About window, the
// calculation sheet, the history and the composite.
QStringList everyWindowItem()
{
    return everyFigureCommand() << QStringLiteral("mnuHelpItem(1)") << QStringLiteral("mnuCalculationSheet")
                                << QStringLiteral("mnuHistory") << QStringLiteral("mnuComposite");
}

// A composite of two parts, both cut out of nothing, so that the warning
// shows too: the circle's area, put in twice by its key.
void buildComposite(const ShellFixture &program)
{
    auto *figure = program.open<FigureWindow>(everyFigureCommand().first());
    auto *field = figure->findChild<QLineEdit *>();
    field->clear();
    QTest::keyClicks(field, QStringLiteral("2.5"));
    figure->findChild<QPushButton *>(QStringLiteral("cmdCalculate"))->click();
    auto *area = figure->findChild<QLabel *>(QStringLiteral("lblAnswer(3)"));
    area->setFocus();
    for (int part = 0; part < 2; ++part)
        QTest::keyClick(area, Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
}

QWidget *openWindow(const ShellFixture &program, const QString &item)
{
    if (item == QLatin1String("mnuComposite"))
        buildComposite(program);
    program.choose(item);
    MDIMain *main = program.main();
    QWidget *window = item == QLatin1String("mnuHelpItem(1)")        ? static_cast<QWidget *>(main->aboutWindow())
                      : item == QLatin1String("mnuCalculationSheet") ? main->sheetWindow()
                      : item == QLatin1String("mnuHistory")          ? static_cast<QWidget *>(main->historyWindow())
                      : item == QLatin1String("mnuComposite")        ? static_cast<QWidget *>(main->compositeWindow())
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
    void everyWindowSpeaksGerman_data();
    void everyWindowSpeaksGerman();
    void anOpenFigureFollowsTheLanguage_data();
    void anOpenFigureFollowsTheLanguage();
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
    UserSettings::setExactForms(false);
    UserSettings::setUnits({});
    setExactForms(false);
    setUnitChoice({});
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
// High Contrast, the red answers on their black ground included.
void TestView::everyTextIsReadableUnderEachTheme()
{
    QFETCH(QString, item);
    QFETCH(int, theme);
    QFETCH(double, least);
    ShellFixture program;
    QWidget *window = openWindow(program, item);
    QVERIFY(window);
    // CALCULATE on empty fields writes the zeros, so the answers are read too.
    if (auto *calculate = window->findChild<QPushButton *>(QStringLiteral("cmdCalculate")))
        QTest::mouseClick(calculate, Qt::LeftButton);
    // Chosen while the window is open, as a user does.
    program.choose(arrayName(QStringLiteral("mnuTheme"), theme));
    QApplication::processEvents();
    const QImage grabbed = window->grab().toImage();
    QStringList faint;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<QLabel *>(widget);
        const auto *field = qobject_cast<QLineEdit *>(widget);
        const auto *button = qobject_cast<QAbstractButton *>(widget);
        if (!widget->isVisible() || (!label && !field && !button) || (label && label->text().isEmpty()))
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
    // The width of each column of each table but the last, which takes the room left.
    const auto columns = [window] {
        QList<int> widths;
        for (const QTableView *table : window->findChildren<QTableView *>())
            for (int column = 0; column + 1 < table->horizontalHeader()->count(); ++column)
                widths << table->columnWidth(column);
        return widths;
    };
    const QList<int> columnsAtActualSize = columns();
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
        for (qsizetype column = 0; column < columnsAtActualSize.size(); ++column)
            if (columns().value(column) < std::floor(columnsAtActualSize[column] * zoom))
                wrong << QStringLiteral("column %1 narrower than its text").arg(column);
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
    // And back, with no drift.
    program.main()->zoomTo(MinZoom);
    QCOMPARE(columns(), columnsAtActualSize);
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
    const auto *menu = program.main()->menuBar()->findChild<QMenu *>();
    const double menuPoints = menu->font().pointSizeF();
    const int radioMark = window->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
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
    // So do the menus and the marks the style draws.
    QCOMPARE(menu->font().pointSizeF(), menuPoints * to);
    QCOMPARE(window->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth), int(std::lround(radioMark * to)));
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

// Every text of every room's German catalogue is translated and finished,
// and a text that two rooms' catalogues hold is said alike in both.
void TestView::germanCatalogueIsWhole()
{
    const QList<GermanMessage> messages = germanMessages();
    QVERIFY(!messages.isEmpty());
    QStringList unfinished;
    QHash<QString, QString> said;
    for (const GermanMessage &message : messages) {
        if (!message.finished || message.translation.isEmpty())
            unfinished << message.catalogue + QStringLiteral(": ") + message.source;
        else if (said.contains(message.source) && said[message.source] != message.translation)
            unfinished << QStringLiteral("%1 is said \"%2\" and \"%3\"")
                              .arg(message.source, said[message.source], message.translation);
        said.insert(message.source, message.translation);
    }
    QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join(QStringLiteral("; "))));
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
    // So do values that make no figure, the names in the reason too.
    auto *triangle = program.open<FigureWindow>(menuItemName(*figureById(QStringLiteral("right-triangle"))));
    QTest::keyClicks(triangle->findChild<QLineEdit *>(QStringLiteral("txtInput(0)")), QStringLiteral("5"));
    QTest::keyClicks(triangle->findChild<QLineEdit *>(QStringLiteral("txtInput(2)")), QStringLiteral("4"));
    triangle->findChild<QPushButton *>(QStringLiteral("cmdCalculate"))->click();
    QVERIFY(triangle->warning());
    QCOMPARE(triangle->warning()->text(), QStringLiteral("Seite a muss kürzer sein als die Hypotenuse c."));
    // Exact forms and tape readings are heard in German words, their numbers as they are.
    program.choose(QStringLiteral("mnuExactForm"));
    program.choose(QStringLiteral("mnuLengthUnit(ft and in)"));
    auto *circle = program.open<FigureWindow>(QStringLiteral("mnuGeometryItem(0)"));
    auto *radius = circle->findChild<QLineEdit *>();
    QTest::keyClicks(radius, QStringLiteral("2' 3 1/2\""));
    circle->findChild<QPushButton *>(QStringLiteral("cmdCalculate"))->click();
    const auto heard = [](QWidget *control, QAccessible::Text what) {
        return QAccessible::queryAccessibleInterface(control)->text(what);
    };
    QCOMPARE(heard(radius, QAccessible::Description), QStringLiteral("2 Fuß 3 und ein halb Zoll"));
    QCOMPARE(spokenValue(QStringLiteral("minus an eighth of an inch")), QStringLiteral("minus ein Achtel Zoll"));
    const QString diameter = heard(circle->findChild<QLabel *>(QStringLiteral("lblAnswer(1)")), QAccessible::Name);
    const QString area = heard(circle->findChild<QLabel *>(QStringLiteral("lblAnswer(3)")), QAccessible::Name);
    QVERIFY2(diameter.contains(QStringLiteral(" Fuß ")) && diameter.endsWith(QStringLiteral(" Zoll")),
             qPrintable(diameter));
    QVERIFY2(area.contains(QStringLiteral(" Pi")) && !area.contains(QStringLiteral(" pi")), qPrintable(area));
    QCOMPARE(UserSettings::language(), Language::German);
    program.choose(arrayName(QStringLiteral("mnuLanguage"), int(Language::English)));
    QApplication::processEvents();
    QCOMPARE(menuBar(), (QStringList{"&File", "&Geometry", "&View", "&Help"}));
    QCOMPARE(program.main()->aboutWindow()->windowTitle(), QStringLiteral("About Zyntra"));
    QCOMPARE(program.menuItem(QStringLiteral("mnuExactConstants"))->text(), QStringLiteral("Exact Constants"));
}

void TestView::everyWindowSpeaksGerman_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("whileOpen");
    for (const char *item : {"mnuHelpItem(1)", "mnuCalculationSheet", "mnuHistory", "mnuComposite"})
        for (const bool whileOpen : {false, true})
            QTest::addRow("%s%s", item, whileOpen ? " while open" : "") << QString::fromLatin1(item) << whileOpen;
}

// Under Deutsch the windows beside the figures speak German too, with a
// calculation to show; the figure windows are checked with their captions.
// Chosen while a window is open, it says its texts again, with the same
// numbers, and English again brings back exactly the texts of before.
void TestView::everyWindowSpeaksGerman()
{
    QFETCH(QString, item);
    QFETCH(bool, whileOpen);
    ShellFixture program;
    const auto choose = [&program](Language language) {
        program.choose(arrayName(QStringLiteral("mnuLanguage"), int(language)));
        // The change is posted, and each layout it moves follows in a posting of its own.
        for (int posting = 0; posting < 3; ++posting)
            QApplication::processEvents();
    };
    if (!whileOpen)
        choose(Language::German);
    auto *figure = program.open<FigureWindow>(everyFigureCommand().first());
    QTest::keyClicks(figure->findChild<QLineEdit *>(), QStringLiteral("2.5"));
    figure->findChild<QPushButton *>(QStringLiteral("cmdCalculate"))->click();
    QWidget *window = openWindow(program, item);
    QVERIFY(window);
    auto *composite = qobject_cast<frmComposite *>(window);
    // The composite's solve row shows too.
    if (composite)
        QTest::keyClick(composite->findChild<QLabel *>(QStringLiteral("lblTotal")), Qt::Key_F2);
    const auto shown = [window] {
        QStringList texts;
        for (QWidget *control : window->findChildren<QWidget *>())
            if (control->window() == window)
                texts << (qobject_cast<QLabel *>(control) ? qobject_cast<QLabel *>(control)->text() : QString())
                      << control->accessibleName() << control->accessibleDescription();
        return texts;
    };
    const auto numbers = [](const QStringList &texts) {
        static const QRegularExpression Number(QStringLiteral("\\d+(?:[.,]\\d+)*"));
        QStringList found;
        for (const QRegularExpressionMatch &match : Number.globalMatch(texts.join(u'\n')))
            found << match.captured();
        return found;
    };
    const QStringList before = shown();
    if (whileOpen)
        choose(Language::German);
    QStringList english;
    // A length is refused among the composite's areas, naming both kinds.
    if (composite) {
        auto *length = program.figureWindows().value(0)->findChild<QLabel *>(QStringLiteral("lblAnswer(2)"));
        length->setFocus();
        QTest::keyClick(length, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(composite->message());
        english << englishIn(composite->message()->text(), QStringLiteral("refusal"));
        // Its sheet speaks German too.
        composite->findChild<QPushButton *>(QStringLiteral("cmdCompositeSheet"))->click();
        english << englishLeft(program.main()->sheetWindow());
    }
    // The maker's name and address are names, the same in every language.
    const QSet<QString> names =
        wordsOf(QString::fromLatin1(Maker::Name)) + wordsOf(QString::fromLatin1(Maker::WebAddress));
    english += englishLeft(window, names) + cutCaptions(window);
    // A row as it is shown, heard and explained.
    if (auto *table = window->findChild<QTableView *>()) {
        QVERIFY(table->model()->rowCount() > 0);
        for (int column = 0; column < table->model()->columnCount(); ++column) {
            const QString heading = table->model()->headerData(column, Qt::Horizontal).toString();
            english << englishIn(heading, QStringLiteral("heading"));
            if (table->columnWidth(column) < table->horizontalHeader()->sectionSizeHint(column))
                english << heading + QStringLiteral(" is cut");
            for (const int role :
                 {Qt::DisplayRole, Qt::AccessibleTextRole, Qt::AccessibleDescriptionRole, Qt::ToolTipRole})
                english << englishIn(table->model()->index(0, column).data(role).toString(), QStringLiteral("row"));
        }
    }
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral("; "))));
    if (whileOpen) {
        QCOMPARE(numbers(shown()), numbers(before));
        choose(Language::English);
        QCOMPARE(shown(), before);
    }
}

void TestView::anOpenFigureFollowsTheLanguage_data()
{
    addFigureRows();
}

// A figure window open while the language changes speaks the new one at
// once, its option, typed values and answers as they were, and nothing
// goes into the history for it.
void TestView::anOpenFigureFollowsTheLanguage()
{
    QFETCH(QString, id);
    const FigureEntry &figure = *figureById(id);
    ShellFixture program;
    auto *window = program.open<FigureWindow>(menuItemName(figure));
    QRandomGenerator random(3);
    calculateOption(window, figure, figure.options() - 1, random);
    const QList<ValueField *> fields = byIndex<ValueField>(window);
    // An edit after CALCULATE stays an edit: the answers shown are still those of before.
    const auto editable =
        std::ranges::find_if(fields, [](const ValueField *f) { return f->isEnabled() && f->isVisible(); });
    QVERIFY(editable != fields.end());
    QTest::keyClicks(*editable, QStringLiteral("1"));
    const auto shown = [&program] {
        QStringList texts;
        FigureWindow *open = program.figureWindows().value(0);
        for (const QLineEdit *field : byIndex<ValueField>(open))
            texts << field->text();
        for (const QLabel *answer : byIndex<AnswerLabel>(open))
            texts << answer->text();
        // The values the answers came from, as the sheet and the copy read them.
        for (const FigureValue &value : open->values().value_or(FigureValues{}).given)
            texts << value.text;
        return texts;
    };
    const QStringList before = shown();
    const qsizetype recorded = program.main()->history().ids().size();
    QVERIFY(recorded > 0);
    for (const Language language : {Language::German, Language::English}) {
        program.choose(arrayName(QStringLiteral("mnuLanguage"), int(language)));
        QCOMPARE(shown(), before);
        QCOMPARE(program.figureWindows().value(0)->findChild<QPushButton *>(QStringLiteral("cmdCalculate"))->text(),
                 language == Language::German ? QStringLiteral("BERECHNEN") : QStringLiteral("CALCULATE"));
    }
    QCOMPARE(program.main()->history().ids().size(), recorded);
}

QTEST_MAIN(TestView)
#include "tst_view.moc"
