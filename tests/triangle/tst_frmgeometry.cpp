#include "shell/windowview.h"

#include "controls/picture.h"
#include "controls/systemcolours.h"
#include "triangle/frmgeometry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSvgRenderer>

using namespace Zyntra;

class TestFrmGeometry : public QObject, private WindowView<frmGeometry> {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensWithItsDesignState();
    void calculateWritesAllFiveOntoTheDrawing_data();
    void calculateWritesAllFiveOntoTheDrawing();
    void twoFilledFieldsLockTheRest_data();
    void twoFilledFieldsLockTheRest();
    void keysThatTypeNoAcceptedCharacterChangeNothing_data();
    void keysThatTypeNoAcceptedCharacterChangeNothing();
    void clearEmptiesFieldsAndAnswers();
    void clearUnlocksLockedFields();
    void failedCalculateChangesNothingShown_data();
    void failedCalculateChangesNothingShown();
    void failureBeforeAnyResultKeepsTheLettersHidden();
    void controlsHaveNamesAScreenReaderSpeaks();

private:
    QLineEdit *input(int i) const { return control<QLineEdit>(QStringLiteral("txtInput"), i); }
    QLabel *answer(int i) const { return control<QLabel>(QStringLiteral("lblanswer"), i); }
    void type(int i, const QString &keys) const
    {
        input(i)->setFocus();
        QTest::keyClicks(input(i), keys);
    }
    QStringList answers() const
    {
        QStringList texts;
        for (int i = 0; i < 5; ++i)
            texts << answer(i)->text();
        return texts;
    }
    QList<bool> answersShown() const
    {
        QList<bool> shown;
        for (int i = 0; i < 5; ++i)
            shown << answer(i)->isVisible();
        return shown;
    }
    QList<bool> enabledFields() const
    {
        QList<bool> enabled;
        for (int i = 0; i < 5; ++i)
            enabled << input(i)->isEnabled();
        return enabled;
    }
    QColor background(int i) const { return input(i)->palette().color(QPalette::Base); }
};

void TestFrmGeometry::init()
{
    startProgram();
    QVERIFY(open(QStringLiteral("mnuGeometryItem(1)")));
}

void TestFrmGeometry::cleanup()
{
    closeProgram();
}

void TestFrmGeometry::opensWithItsDesignState()
{
    QCOMPARE(intCurrentForm, FormCode::Geometry);
    QCOMPARE(m_window->objectName(), QStringLiteral("frmGeometry"));
    auto *title = m_window->findChild<QLabel *>(QStringLiteral("lblTitle"));
    QCOMPARE(title->text(), QStringLiteral("Rt. Triangle Formulas"));
    QCOMPARE(title->font().pointSizeF(), 13.5);
    QVERIFY(title->font().italic());
    auto *given = m_window->findChild<QGroupBox *>(QStringLiteral("fraRightTriangle"));
    QCOMPARE(given->title(), QStringLiteral("Given Values:"));
    QVERIFY(given->font().bold());
    QCOMPARE(given->geometry(), QRect(16, 344, 177, 185));
    QCOMPARE(m_window->findChild<QGroupBox *>(QStringLiteral("fraRtTriangle"))->geometry(), QRect(0, 0, 545, 537));

    const QStringList captions{"a=", "b=", "c=", "A=", "B="};
    const int tops[] = {32, 56, 80, 120, 144};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(m_window->findChild<QLabel *>(arrayName(QStringLiteral("lblResult"), i))->text(), captions[i]);
        QVERIFY(input(i)->text().isEmpty());
        QCOMPARE(input(i)->geometry(), QRect(24, tops[i], 97, 19));
        QCOMPARE(background(i), QColor(Qt::white));
    }
    QCOMPARE(enabledFields(), QList<bool>(5, true));

    QCOMPARE(answers(), (QStringList{"a", "b", "c", "A", "B"}));
    QCOMPARE(answersShown(), QList<bool>(5, false));
    QCOMPARE(answer(3)->geometry(), QRect(344, 232, 57, 25));
    QCOMPARE(answer(5)->text(), QStringLiteral("a="));
    QCOMPARE(answer(6)->text(), QStringLiteral("c="));
    QCOMPARE(answer(7)->text(), QStringLiteral("b="));
    for (int i = 5; i < 8; ++i)
        QVERIFY(answer(i)->isVisible());
    for (int i = 0; i < 8; ++i) {
        const QColor ink = answer(i)->palette().color(QPalette::WindowText);
        QVERIFY2(ink.hue() >= 200 && ink.hue() <= 250, "blue"); // and light enough to read on black:
        QVERIFY(ink.lightness() > 120);
        QVERIFY(answer(i)->font().bold());
        QCOMPARE(answer(i)->font().pointSizeF(), 9.75);
        QVERIFY(!answer(i)->autoFillBackground()); // written onto the drawing
    }

    auto *picture = m_window->findChild<Picture *>(QStringLiteral("imgRightTriangle"));
    QVERIFY(picture && picture->renderer()->isValid());
    QCOMPARE(picture->geometry(), QRect(16, 40, 493, 275));
    QCOMPARE(picture->renderer()->viewBox(), QRect(0, 0, 493, 275));
    QCOMPARE(button("cmdCalculate")->text(), QStringLiteral("CALCULATE"));
    QCOMPARE(button("cmdCalculate")->geometry(), QRect(400, 352, 105, 33));
    QCOMPARE(button("cmdClear")->text(), QStringLiteral("CLEAR"));
    QCOMPARE(button("cmdClear")->geometry(), QRect(400, 400, 105, 33));
}

void TestFrmGeometry::calculateWritesAllFiveOntoTheDrawing_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<QString>("firstKeys");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("secondKeys");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("a 3, b 4") << 0 << "3" << 1 << "4" << QStringList{"3.0", "4.0", "5.0", "36.89", "53.11"};
    QTest::newRow("a 3, c 5") << 0 << "3" << 2 << "5" << QStringList{"3.0", "4.0", "5.0", "36.89", "53.11"};
    QTest::newRow("b 4, c 5") << 1 << "4" << 2 << "5" << QStringList{"3.0", "4.0", "5.0", "36.84", "53.16"};
    QTest::newRow("a 3, A 36.87") << 0 << "3" << 3 << "36.87" << QStringList{"3.0", "4.0", "5.0", "36.87", "53.13"};
    QTest::newRow("c 5, B 53.13") << 2 << "5" << 4 << "53.13" << QStringList{"3.0", "4.0", "5.0", "36.87", "53.13"};
    QTest::newRow("c 10, A 30") << 2 << "10" << 3 << "30" << QStringList{"5.0", "8.66", "10.0", "30.0", "60.0"};
    QTest::newRow("c 10, B 60") << 2 << "10" << 4 << "60" << QStringList{"5.0", "8.66", "10.0", "30.0", "60.0"};
    QTest::newRow("a 1, b 1") << 0 << "1" << 1 << "1" << QStringList{"1.0", "1.0", "1.41", "45.02", "44.98"};
    QTest::newRow("A 30, B 60") << 3 << "30" << 4 << "60" << QStringList(5, QStringLiteral(".0"));
    QTest::newRow("a 0 is not given") << 0 << "0" << 1 << "4" << QStringList(5, QStringLiteral(".0"));
    QTest::newRow("b typed before a") << 1 << "4" << 0 << "3" << QStringList{"3.0", "4.0", "5.0", "36.89", "53.11"};
    QTest::newRow("long values keep every digit")
        << 0 << "1234567.891" << 1 << "1000000"
        << QStringList{"1234567.89", "1000000.0", "1588759.86", "51.02", "38.98"};
}

void TestFrmGeometry::calculateWritesAllFiveOntoTheDrawing()
{
    QFETCH(int, first);
    QFETCH(QString, firstKeys);
    QFETCH(int, second);
    QFETCH(QString, secondKeys);
    QFETCH(QStringList, expected);
    type(first, firstKeys);
    type(second, secondKeys);
    calculate();
    QCOMPARE(answers(), expected);
    QCOMPARE(answersShown(), QList<bool>(5, true));
    for (int i = 0; i < 5; ++i)
        QVERIFY(answer(i)->contentsRect().width() >= answer(i)->fontMetrics().horizontalAdvance(answer(i)->text()));
    QCOMPARE(input(first)->text(), firstKeys);
    QCOMPARE(input(second)->text(), secondKeys);
    QVERIFY(!m_window->warning());
    calculate();
    QCOMPARE(answers(), expected);
}

void TestFrmGeometry::twoFilledFieldsLockTheRest_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("a and b") << 0 << 1;
    QTest::newRow("a and A") << 0 << 3;
    QTest::newRow("B and c") << 4 << 2;
    QTest::newRow("A and B") << 3 << 4;
}

void TestFrmGeometry::twoFilledFieldsLockTheRest()
{
    QFETCH(int, first);
    QFETCH(int, second);
    type(first, QStringLiteral("12"));
    QCOMPARE(enabledFields(), QList<bool>(5, true));

    type(second, QStringLiteral("3"));
    for (int i = 0; i < 5; ++i) {
        const bool filled = i == first || i == second;
        QCOMPARE(input(i)->isEnabled(), filled);
        QCOMPARE(background(i), filled ? QColor(Qt::white) : SystemColour::inactiveBorder());
    }
    const int third = first == 2 || second == 2 ? 1 : 2;
    QTest::keyClicks(input(third), QStringLiteral("9"));
    QVERIFY(input(third)->text().isEmpty());

    QTest::keyClick(input(first), Qt::Key_Backspace);
    QCOMPARE(input(first)->text(), QStringLiteral("1"));
    QVERIFY(!input(third)->isEnabled()); // still two fields hold text

    type(second, QString());
    QTest::keyClick(input(second), Qt::Key_Backspace);
    QVERIFY(input(second)->text().isEmpty());
    QCOMPARE(enabledFields(), QList<bool>(5, true));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(background(i), QColor(Qt::white));

    type(third, QStringLiteral("9"));
    QCOMPARE(input(third)->text(), QStringLiteral("9"));
    QVERIFY(!input(second)->isEnabled());
}

void TestFrmGeometry::keysThatTypeNoAcceptedCharacterChangeNothing_data()
{
    QTest::addColumn<int>("field");
    for (int i = 0; i < 5; ++i)
        QTest::newRow(qPrintable(arrayName(QStringLiteral("txtInput"), i))) << i;
}

void TestFrmGeometry::keysThatTypeNoAcceptedCharacterChangeNothing()
{
    QFETCH(int, field);
    type(field, QStringLiteral("1a -+,eE2"));
    QTest::keyClick(input(field), Qt::Key_Escape);
    QCOMPARE(input(field)->text(), QStringLiteral("12"));
    QCOMPARE(enabledFields(), QList<bool>(5, true));
}

void TestFrmGeometry::clearEmptiesFieldsAndAnswers()
{
    type(0, QStringLiteral("3"));
    type(1, QStringLiteral("4"));
    calculate();
    QCOMPARE(answer(2)->text(), QStringLiteral("5.0"));
    QTest::mouseClick(button("cmdClear"), Qt::LeftButton);
    QCOMPARE(answers(), QStringList(5));
    QCOMPARE(answersShown(), QList<bool>(5, true));
    QCOMPARE(answer(5)->text(), QStringLiteral("a="));
    QCOMPARE(answer(6)->text(), QStringLiteral("c="));
    QCOMPARE(answer(7)->text(), QStringLiteral("b="));
    for (int i = 0; i < 5; ++i) {
        QVERIFY(input(i)->text().isEmpty());
        QVERIFY(input(i)->isEnabled());
        QCOMPARE(background(i), SystemColour::windowBackground());
    }
    type(2, QStringLiteral("10"));
    type(3, QStringLiteral("30"));
    calculate();
    QCOMPARE(answers(), (QStringList{"5.0", "8.66", "10.0", "30.0", "60.0"}));
}

void TestFrmGeometry::clearUnlocksLockedFields()
{
    type(3, QStringLiteral("30"));
    type(4, QStringLiteral("60"));
    QCOMPARE(enabledFields(), (QList<bool>{false, false, false, true, true}));
    QTest::mouseClick(button("cmdClear"), Qt::LeftButton);
    QCOMPARE(enabledFields(), QList<bool>(5, true));
    QCOMPARE(answers(), QStringList(5));
    QCOMPARE(answersShown(), QList<bool>(5, false)); // no calculation has shown them yet
    type(0, QStringLiteral("3"));
    QCOMPARE(input(0)->text(), QStringLiteral("3"));
}

void TestFrmGeometry::failedCalculateChangesNothingShown_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("badFirst");
    QTest::addColumn<QString>("badSecond");
    QTest::addColumn<int>("named"); // the field the warning sends the user back to, or -1
    QTest::addColumn<QString>("warning");
    QTest::newRow("leg a longer than c") << 0 << 2 << "6"
                                         << "5" << 0 << "Side a must be shorter than the hypotenuse c.";
    QTest::newRow("leg a as long as c") << 0 << 2 << "5"
                                        << "5" << 0 << "Side a must be shorter than the hypotenuse c.";
    QTest::newRow("leg b longer than c") << 1 << 2 << "7"
                                         << "5" << 1 << "Side b must be shorter than the hypotenuse c.";
    QTest::newRow("leg b as long as c") << 1 << 2 << "5"
                                        << "5" << 1 << "Side b must be shorter than the hypotenuse c.";
    QTest::newRow("a 1.2.3") << 0 << 1 << "1.2.3"
                             << "4" << 0 << "Side a: \"1.2.3\" is not a number.";
    QTest::newRow("c lone full stop") << 2 << 3 << "."
                                      << "30" << 2 << "Hypotenuse c: \".\" is not a number.";
    QTest::newRow("B 90") << 0 << 4 << "3"
                          << "90" << 4 << "Angle B must be less than 90 degrees.";
    QTest::newRow("square too large") << 0 << 1 << "1" + QString(200, u'0') << "4" << -1 << "too large";
}

void TestFrmGeometry::failedCalculateChangesNothingShown()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, badFirst);
    QFETCH(QString, badSecond);
    QFETCH(int, named);
    QFETCH(QString, warning);

    type(first, QStringLiteral("3"));
    type(second, QStringLiteral("40"));
    calculate();
    QVERIFY(!m_window->warning());
    const QStringList before = answers();
    QCOMPARE(answersShown(), QList<bool>(5, true));

    input(first)->setFocus();
    input(first)->selectAll();
    QTest::keyClicks(input(first), badFirst);
    input(second)->setFocus();
    input(second)->selectAll();
    QTest::keyClicks(input(second), badSecond);
    const QList<bool> enabled = enabledFields();
    calculate();

    QCOMPARE(answers(), before);
    QCOMPARE(answersShown(), QList<bool>(5, true));
    QCOMPARE(input(first)->text(), badFirst);
    QCOMPARE(input(second)->text(), badSecond);
    QCOMPARE(enabledFields(), enabled);
    QVERIFY(m_window->warning());
    QVERIFY(m_window->warning()->isVisible());
    QVERIFY(!m_window->warning()->isModal());
    QVERIFY2(m_window->warning()->text().contains(warning), qPrintable(m_window->warning()->text()));
    if (named >= 0) {
        m_window->warning()->accept();
        QTRY_COMPARE(QApplication::focusWidget(), input(named));
    }
}

void TestFrmGeometry::failureBeforeAnyResultKeepsTheLettersHidden()
{
    type(0, QStringLiteral("6"));
    type(2, QStringLiteral("5"));
    calculate();
    QVERIFY(m_window->warning() && m_window->warning()->isVisible());
    QCOMPARE(answers(), (QStringList{"a", "b", "c", "A", "B"}));
    QCOMPARE(answersShown(), QList<bool>(5, false));
    m_window->warning()->accept();

    QTest::keyClick(input(0), Qt::Key_Backspace);
    type(0, QStringLiteral("3"));
    calculate();
    QCOMPARE(answers(), (QStringList{"3.0", "4.0", "5.0", "36.89", "53.11"}));
}

void TestFrmGeometry::controlsHaveNamesAScreenReaderSpeaks()
{
    const QStringList names{"Side a", "Side b", "Hypotenuse c", "Angle A", "Angle B"};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(input(i)->accessibleName(), names[i]);
        QCOMPARE(m_window->findChild<QLabel *>(arrayName(QStringLiteral("lblResult"), i))->buddy(), input(i));
        QCOMPARE(answer(i)->accessibleDescription(), names[i]);
        QVERIFY(answer(i)->accessibleName().isEmpty()); // the shown text is what is read
    }
    QVERIFY(!m_window->findChild<Picture *>(QStringLiteral("imgRightTriangle"))->accessibleName().isEmpty());
}

QTEST_MAIN(TestFrmGeometry)
#include "tst_frmgeometry.moc"
