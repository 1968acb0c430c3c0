#include "controls/answerlabel.h"
#include "controls/captionlabel.h"
#include "controls/framebox.h"
#include "controls/systemcolours.h"
#include "controls/valuefield.h"

#include <QPainter>
#include <QtTest>

using namespace Zyntra;

// The controls that draw themselves: what a user sees of them, pixel by pixel.
class TestDrawnControls : public QObject {
    Q_OBJECT
private slots:
    void frameIsAnEtchedLineBrokenByItsTitle_data();
    void frameIsAnEtchedLineBrokenByItsTitle();
    void boxedCaptionHasTheStylesBorder_data();
    void boxedCaptionHasTheStylesBorder();
    void valueFieldShowsWhetherItHasTheKeyboard();
    void answerBecomesSelectableWhenReached_data();
    void answerBecomesSelectableWhenReached();
};

namespace {

// Renders a control over the window face, as it stands in a figure window.
QImage onFace(QWidget *control)
{
    QImage image(control->size(), QImage::Format_RGB32);
    image.fill(SystemColour::activeBorder());
    QPainter painter(&image);
    control->render(&painter, {}, {}, QWidget::DrawChildren);
    return image;
}

} // namespace

void TestDrawnControls::frameIsAnEtchedLineBrokenByItsTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("untitled") << QString();
    QTest::newRow("titled") << QStringLiteral("Given Values:");
}

void TestDrawnControls::frameIsAnEtchedLineBrokenByItsTitle()
{
    QFETCH(QString, title);
    FrameBox frame(title);
    frame.resize(200, 100);
    const QImage image = onFace(&frame);
    const int top = title.isEmpty() ? 0 : QFontMetrics(frame.font()).height() / 2;
    const QColor shadow = SystemColour::buttonShadow();
    const QColor light = SystemColour::buttonHighlight();

    QCOMPARE(image.pixelColor(150, top), shadow); // top
    QCOMPARE(image.pixelColor(150, top + 1), light);
    QCOMPARE(image.pixelColor(0, 60), shadow); // left
    QCOMPARE(image.pixelColor(1, 60), light);
    QCOMPARE(image.pixelColor(198, 60), shadow); // right
    QCOMPARE(image.pixelColor(199, 60), light);
    QCOMPARE(image.pixelColor(100, 98), shadow); // bottom
    QCOMPARE(image.pixelColor(100, 99), light);
    QCOMPARE(image.pixelColor(100, 50), SystemColour::activeBorder()); // inside stays the face

    // The title stands in a gap of the line, and is drawn.
    const int titleRight = 8 + QFontMetrics(frame.font()).horizontalAdvance(title) + 6;
    bool inked = false;
    for (int x = 8; x < titleRight; ++x) {
        if (!title.isEmpty())
            QVERIFY2(image.pixelColor(x, top) != shadow, qPrintable(QString::number(x)));
        for (int y = 0; y < QFontMetrics(frame.font()).height(); ++y)
            inked = inked || image.pixelColor(x, y).lightness() < 90;
    }
    QCOMPARE(inked, !title.isEmpty());
}

void TestDrawnControls::boxedCaptionHasTheStylesBorder_data()
{
    QTest::addColumn<QColor>("ink");
    QTest::addColumn<int>("lineWidth");
    QTest::newRow("black, one pixel") << QColor(Qt::black) << 1;
    QTest::newRow("red, two pixels") << QColor(Qt::red) << 2;
}

// A boxed caption's border is pixel for pixel the one a plain label gets
// from the style.
void TestDrawnControls::boxedCaptionHasTheStylesBorder()
{
    QFETCH(QColor, ink);
    QFETCH(int, lineWidth);
    CaptionLabel caption(QStringLiteral("Octagon"));
    QLabel reference(QStringLiteral("Octagon"));
    for (QLabel *label : {static_cast<QLabel *>(&caption), &reference}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, ink);
        label->setPalette(palette);
        label->setFrameShape(QFrame::Box);
        label->setLineWidth(lineWidth);
        label->setGeometry(0, 0, 81, 17);
    }
    const QImage drawn = onFace(&caption);
    const QImage expected = onFace(&reference);
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const bool border =
                x < lineWidth || y < lineWidth || x >= drawn.width() - lineWidth || y >= drawn.height() - lineWidth;
            if (border)
                QCOMPARE(drawn.pixelColor(x, y), expected.pixelColor(x, y));
        }
    QCOMPARE(drawn.pixelColor(0, 0), ink);
}

void TestDrawnControls::valueFieldShowsWhetherItHasTheKeyboard()
{
    QWidget window;
    auto *field = new ValueField(&window);
    auto *other = new ValueField(&window);
    field->setGeometry(10, 10, 97, 19);
    other->setGeometry(10, 40, 97, 19);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    other->setFocus();
    QImage image = onFace(field);
    QCOMPARE(image.pixelColor(0, 9), SystemColour::buttonShadow());
    QCOMPARE(image.pixelColor(96, 9), SystemColour::buttonHighlight());
    QCOMPARE(image.pixelColor(1, 9), SystemColour::buttonDarkShadow());
    QCOMPARE(image.pixelColor(40, 9), field->palette().color(QPalette::Base));

    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    image = onFace(field);
    const QColor highlight = field->palette().color(QPalette::Highlight);
    QCOMPARE(image.pixelColor(1, 9), highlight);
    QCOMPARE(image.pixelColor(95, 9), highlight);
    QCOMPARE(image.pixelColor(40, 1), highlight);
    QCOMPARE(image.pixelColor(40, 17), highlight);

    // Typed text stands clear of the border.
    QTest::keyClicks(field, QStringLiteral("8888"));
    image = onFace(field);
    for (int y = 2; y < 17; ++y)
        QVERIFY(image.pixelColor(2, y) == field->palette().color(QPalette::Base));
}

void TestDrawnControls::answerBecomesSelectableWhenReached_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("click") << QStringLiteral("click");
    QTest::newRow("Tab") << QStringLiteral("Tab");
}

void TestDrawnControls::answerBecomesSelectableWhenReached()
{
    QFETCH(QString, how);
    QWidget window;
    auto *field = new ValueField(&window);
    auto *answer = new AnswerLabel(QStringLiteral("12.5"), &window);
    field->setGeometry(10, 10, 97, 19);
    answer->setGeometry(10, 40, 97, 19);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(answer->focusPolicy(), Qt::StrongFocus); // Tab stops at it from the start
    QCOMPARE(answer->textInteractionFlags() & Qt::TextSelectableByMouse, Qt::TextInteractionFlags());
    answer->setAnswer(QStringLiteral("7.25"));
    QCOMPARE(answer->focusPolicy(), Qt::StrongFocus);

    if (how == QLatin1String("click")) {
        QTest::mouseClick(answer, Qt::LeftButton, {}, QPoint(5, 9));
    } else {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Tab);
    }
    QTRY_VERIFY(answer->hasFocus());
    QCOMPARE(answer->textInteractionFlags(), Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QTest::keyClick(answer, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(answer->selectedText(), QStringLiteral("7.25"));

    // Written again once selectable: the new text is what gets selected.
    answer->setAnswer(QStringLiteral("9.5"));
    QTest::keyClick(answer, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(answer->selectedText(), QStringLiteral("9.5"));
    QCOMPARE(answer->text(), QStringLiteral("9.5"));
}

QTEST_MAIN(TestDrawnControls)
#include "tst_drawncontrols.moc"
