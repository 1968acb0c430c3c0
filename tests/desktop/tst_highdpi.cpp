#include "everywindow.h"

#include "controls/answerlabel.h"
#include "controls/picture.h"
#include "controls/valuefield.h"
#include "entry/units.h"

#include <QApplication>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTimer>

#include <functional>

using namespace Zyntra;

namespace {

constexpr char Mark[] = "LAYOUT ";

void forEveryWindow(const std::function<void(QWidget *, const QString &where)> &visit)
{
    ShellFixture program;
    for (const QString &item : everyFigureCommand())
        forEachLayout(program, item, visit);
    program.choose(QStringLiteral("mnuHelpItem(1)"));
    QWidget *about = program.main()->aboutWindow();
    if (QTest::qWaitForWindowExposed(about))
        visit(about, QStringLiteral("frmAbout"));
    frmSplash splash;
    splash.timer()->stop();
    splash.show();
    if (QTest::qWaitForWindowExposed(&splash))
        visit(&splash, QStringLiteral("frmSplash"));
}

// Where every named control of every window lies, in logical pixels.
QStringList layoutLines()
{
    QStringList lines;
    forEveryWindow([&lines](QWidget *window, const QString &where) {
        QList<QWidget *> widgets{window};
        widgets += window->findChildren<QWidget *>();
        for (const QWidget *widget : widgets) {
            // A figure window's own size follows the main window's outer frame, which the platform draws.
            if (widget == window && qobject_cast<const FigureWindow *>(window))
                continue;
            if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")))
                continue;
            const QRect at = widget == window ? QRect(QPoint(), window->size()) : widget->geometry();
            lines << QStringLiteral("%1 %2 %3,%4 %5x%6 %7")
                         .arg(where, widget->objectName())
                         .arg(at.x())
                         .arg(at.y())
                         .arg(at.width())
                         .arg(at.height())
                         .arg(widget->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"));
        }
    });
    return lines;
}

QImage render(QSvgRenderer *renderer, QSize logical, qreal scale)
{
    QImage image(logical * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.scale(scale, scale);
    renderer->render(&painter, QRectF(QPointF(), QSizeF(logical)));
    return image;
}

// The mean difference per colour channel between two images of one size.
double difference(const QImage &a, const QImage &b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < left.height(); ++y) {
        const auto *l = reinterpret_cast<const QRgb *>(left.constScanLine(y));
        const auto *r = reinterpret_cast<const QRgb *>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x)
            sum += std::abs(qRed(l[x]) - qRed(r[x])) + std::abs(qGreen(l[x]) - qGreen(r[x]))
                   + std::abs(qBlue(l[x]) - qBlue(r[x]));
    }
    return sum / (3.0 * left.width() * left.height());
}

} // namespace

class TestHighDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void layoutAtScaleOne();
    void layoutsKeepTheirLogicalGeometry();
    void grabsCarryTwiceThePixels();
    void drawingsAreRenderedAtTwiceTheirSize();
    void unitsShowWholeBesideEveryAnswer();
};

void TestHighDpi::initTestCase()
{
    QVERIFY(qApp->devicePixelRatio() == 1 || qApp->devicePixelRatio() == 2);
}

// Run alone at scale one by the test below, which reads what it prints.
void TestHighDpi::layoutAtScaleOne()
{
    if (qApp->devicePixelRatio() != 1)
        QSKIP("taken at scale one only");
    for (const QString &line : layoutLines())
        std::printf("%s%s\n", Mark, qPrintable(line));
}

void TestHighDpi::layoutsKeepTheirLogicalGeometry()
{
    if (qApp->devicePixelRatio() != 2)
        QSKIP("compared at scale two only");
    QProcess scaleOne;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1"));
    scaleOne.setProcessEnvironment(environment);
    scaleOne.start(QCoreApplication::applicationFilePath(), {QStringLiteral("layoutAtScaleOne")});
    QVERIFY(scaleOne.waitForFinished(120000));
    QCOMPARE(scaleOne.exitCode(), 0);
    QStringList expected;
    for (const QString &line : QString::fromUtf8(scaleOne.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String(Mark)))
            expected << line.mid(int(qstrlen(Mark)));
    QVERIFY(expected.size() > 500);
    const QStringList actual = layoutLines();
    for (qsizetype i = 0; i < std::min(actual.size(), expected.size()); ++i)
        QCOMPARE(actual[i], expected[i]);
    QCOMPARE(actual.size(), expected.size());
}

void TestHighDpi::grabsCarryTwiceThePixels()
{
    if (qApp->devicePixelRatio() != 2)
        QSKIP("at scale two only");
    QStringList wrong;
    forEveryWindow([&wrong](QWidget *window, const QString &where) {
        const QPixmap grab = window->grab();
        if (grab.devicePixelRatio() != 2 || grab.size() != window->size() * 2)
            wrong << QStringLiteral("%1: %2x%3 at %4")
                         .arg(where)
                         .arg(grab.width())
                         .arg(grab.height())
                         .arg(grab.devicePixelRatio());
    });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

// Each drawing shown in a figure window is what its SVG gives when drawn
// at twice its size, and clearly finer than the same drawing made at its
// logical size and blown up.
void TestHighDpi::drawingsAreRenderedAtTwiceTheirSize()
{
    if (qApp->devicePixelRatio() != 2)
        QSKIP("at scale two only");
    QStringList wrong;
    int drawings = 0;
    ShellFixture program;
    for (const QString &item : everyFigureCommand()) {
        forEachLayout(program, item, [&](FigureWindow *window, const QString &where) {
            if (window->size() != figurePlacement(program.main()->frameGeometry().size()).size())
                wrong << where + QStringLiteral(": not placed by the main window's size");
            for (Picture *picture : window->findChildren<Picture *>()) {
                if (!picture->isVisible())
                    continue;
                ++drawings;
                const QImage shown = picture->grab().toImage();
                const QSize box = picture->size() * 2;
                const QImage sharp = render(picture->renderer(), picture->size(), 2);
                const QImage blownUp = render(picture->renderer(), picture->size(), 1).scaled(box);
                const double toSharp = difference(shown, sharp);
                const double toBlownUp = difference(shown, blownUp);
                if (shown.size() != box || toSharp > 0.05 || toBlownUp < 0.2)
                    wrong << QStringLiteral("%1 %2: %3 from the sharp drawing, %4 from the blown-up one")
                                 .arg(where, picture->objectName())
                                 .arg(toSharp)
                                 .arg(toBlownUp);
            }
        });
    }
    QVERIFY(drawings >= 19);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

// In every layout of every figure window, the unit after each answer, and
// its exact form, are drawn whole inside its label, and the label inside
// what holds it: here the longest symbols, yards, acres and imperial gallons.
void TestHighDpi::unitsShowWholeBesideEveryAnswer()
{
    ShellFixture program;
    for (const char *item : {"mnuLengthUnit(yd)", "mnuAreaUnit(acre)", "mnuVolumeUnit(imp gal)", "mnuExactForm"})
        program.choose(QString::fromLatin1(item));
    QStringList cut;
    int units = 0;
    int forms = 0;
    for (const QString &command : everyFigureCommand())
        forEachLayout(program, command, [&](FigureWindow *window, const QString &where) {
            for (ValueField *field : window->findChildren<ValueField *>())
                if (field->isVisible() && field->isEnabled())
                    QTest::keyClicks(field, QStringLiteral("20"));
            QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdCalculate")), Qt::LeftButton);
            for (AnswerLabel *answer : window->findChildren<AnswerLabel *>()) {
                if (!answer->isVisible() || answer->drawnAfter().isEmpty())
                    continue;
                ++units;
                forms += answer->drawnAfter().contains(QStringLiteral("  "));
                const QRect unit = answer->unitRect();
                const QRect inParent = unit.translated(answer->pos());
                if (unit.width() < QFontMetrics(answer->font()).horizontalAdvance(answer->drawnAfter().mid(1))
                    || !answer->rect().contains(unit) || !answer->parentWidget()->rect().contains(inParent))
                    cut << QStringLiteral("%1 %2: \"%3%4\"")
                               .arg(where, answer->objectName(), answer->text(), answer->drawnAfter());
            }
        });
    program.choose(QStringLiteral("mnuLengthUnit(none)"));
    program.choose(QStringLiteral("mnuExactForm"));
    qInfo("%d of %d answers show their exact forms", forms, units);
    QVERIFY(units > 100 && forms > 50);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
