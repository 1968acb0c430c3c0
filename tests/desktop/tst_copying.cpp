#include "everywindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>

using namespace Zyntra;

namespace {

QWidget *focused()
{
    return QApplication::focusWidget();
}

} // namespace

class TestCopying : public QObject, private WindowView<FigureWindow> {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { closeProgram(); }

    void answerCopiesWithTheKeyboard_data() { answers(); }
    void answerCopiesWithTheKeyboard();
    void answerCopiesAfterAMouseDrag_data() { answers(); }
    void answerCopiesAfterAMouseDrag();

private:
    void answers();
    QLabel *calculated();
};

void TestCopying::init()
{
    startActiveProgram();
    QApplication::clipboard()->clear();
}

void TestCopying::answers()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expected");
    QTest::newRow("rectangle area") << "mnuGeometryItem(2)" << QStringList{"3", "4"} << "lblAnswer(2)"
                                    << "12.00";
    QTest::newRow("cube") << "mnu3dGeometryItem(1)" << QStringList{"2"} << "lblAnswer(1)"
                          << "8.00";
    QTest::newRow("circle area") << "mnuGeometryItem(0)" << QStringList{"5"} << "lblAnswer(3)"
                                 << "78.54";
    QTest::newRow("ellipse perimeter") << "mnuGeometryItem(11)" << QStringList{"10", "5"} << "lblAnswer(0)"
                                       << "10.00";
    QTest::newRow("sphere volume") << "mnu3dGeometryItem(0)" << QStringList{"2.5"} << "lblVolume"
                                   << "65.45";
    QTest::newRow("dodecagon") << "mnuGeometryItem(9)" << QStringList{"2"} << "lblAnswer(9)"
                               << "44.784";
    QTest::newRow("triangle hypotenuse") << "mnuGeometryItem(1)" << QStringList{"3", "4"} << "lblanswer(2)"
                                         << "5.0";
    QTest::newRow("triangle angle B") << "mnuGeometryItem(1)" << QStringList{"3", "4"} << "lblanswer(4)"
                                      << "53.11";
}

// Types the row's values field by field and presses Enter; the answer is then shown.
QLabel *TestCopying::calculated()
{
    QFETCH(QString, menuItem);
    QFETCH(QStringList, keys);
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    if (!open(menuItem))
        return nullptr;
    if (qobject_cast<QRadioButton *>(focused()))
        QTest::keyClick(focused(), Qt::Key_Tab);
    for (const QString &text : keys) {
        QTest::keyClicks(focused(), text);
        QTest::keyClick(focused(), &text == &keys.last() ? Qt::Key_Return : Qt::Key_Tab);
    }
    QLabel *label = m_window->findChild<QLabel *>(answer);
    return label && label->text() == expected ? label : nullptr;
}

void TestCopying::answerCopiesWithTheKeyboard()
{
    QFETCH(QString, expected);
    QLabel *answer = calculated();
    QVERIFY(answer);
    for (int i = 0; i < 40 && focused() != answer; ++i)
        QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused(), answer);
    // With nothing selected, Ctrl+C takes the whole value.
    QTest::keyClick(answer, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), expected);
    QApplication::clipboard()->clear();
    QTest::keyClick(answer, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(answer->selectedText(), expected);
    QTest::keyClick(answer, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), expected);
    QCOMPARE(answer->text(), expected);

    // Shift and the arrows take part of it.
    QTest::keyClick(answer, Qt::Key_Home);
    QTest::keyClick(answer, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(answer, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(answer, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), expected.left(2));
    QCOMPARE(answer->text(), expected);
}

void TestCopying::answerCopiesAfterAMouseDrag()
{
    QFETCH(QString, expected);
    QLabel *answer = calculated();
    QVERIFY(answer);
    // Where the text line is: the values written on the triangle's drawing hang from the top.
    const int middle = answer->alignment() & Qt::AlignTop ? answer->fontMetrics().height() / 2 : answer->height() / 2;
    QTest::mousePress(answer, Qt::LeftButton, {}, QPoint(0, middle));
    QTest::mouseMove(answer, QPoint(answer->width() / 2, middle));
    QTest::mouseMove(answer, QPoint(answer->width() - 1, middle));
    QTest::mouseRelease(answer, Qt::LeftButton, {}, QPoint(answer->width() - 1, middle));
    QCOMPARE(answer->selectedText(), expected);
    QCOMPARE(focused(), answer);
    QTest::keyClick(answer, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), expected);
    QCOMPARE(answer->text(), expected);
    QVERIFY(answer->isVisible());

    // A double-click on the digits after the full stop takes the whole value too.
    QTest::mouseClick(answer, Qt::LeftButton, {}, QPoint(0, middle));
    QTest::mouseDClick(answer, Qt::LeftButton, {}, QPoint(answer->width() - 1, middle));
    QCOMPARE(answer->selectedText(), expected);
}

QTEST_MAIN(TestCopying)
#include "tst_copying.moc"
