#include "shell/windowview.h"

#include "controls/answerlabel.h"
#include "controls/picture.h"
#include "controls/solveeditor.h"
#include "controls/valuefield.h"
#include "entry/numericentry.h"
#include "entry/units.h"
#include "shell/mdimain.h"
#include "shell/sheetwindow.h"
#include "solids/frmtank.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cmath>

using namespace Zyntra;

// The tank window through the keyboard: measures and depth typed, Enter,
// the answers read; F2 on the filled volume finds the depth for it.
class TestFrmTank : public QObject, private WindowView<frmTank> {
    Q_OBJECT
private slots:
    void init()
    {
        startActiveProgram();
        QVERIFY(open(QStringLiteral("mnu3dGeometryItem(12)")));
    }
    void cleanup() { closeProgram(); }

    void typedDepthGivesTheSegmentAndF2FindsTheDepth();
    void depthAboveTheTopIsRefused();
    void dipChartGoesByTheStepChosenOnTheSheet();
    void eachTankShowsItsMeasuresAndDrawing_data();
    void eachTankShowsItsMeasuresAndDrawing();

private:
    ValueField *field(int index) const { return control<ValueField>(QStringLiteral("txtGivenValue"), index); }
    AnswerLabel *answer(int index) const { return control<AnswerLabel>(QStringLiteral("lblAnswer"), index); }
    // The measures in their fields, then the depth, then Enter.
    void enter(const QString &depth, const QStringList &measures) const
    {
        for (int i = 0; i < measures.size(); ++i)
            QTest::keyClicks(field(i + 1), measures[i]);
        QTest::keyClicks(field(0), depth);
        QTest::keyClick(field(0), Qt::Key_Return);
    }
};

// The horizontal cylinder 1.2 across and 2.5 long at a depth of 0.4.
void TestFrmTank::typedDepthGivesTheSegmentAndF2FindsTheDepth()
{
    enter(QStringLiteral(".4"), {QStringLiteral("1.2"), QStringLiteral("2.5")});
    QVERIFY(!m_window->warning());
    const double r = 0.6, d = 0.4;
    const double filled = 2.5 * (r * r * std::acos((r - d) / r) - (r - d) * std::sqrt(2 * r * d - d * d));
    QCOMPARE(answer(TankAnswer::Filled)->text(), formatResult(filled, Pattern::TwoOrThreeDecimals));
    QCOMPARE(answer(TankAnswer::DepthPercent)->text(), QStringLiteral("33.333"));
    QVERIFY2(answer(TankAnswer::Filled)->workingText().contains(QStringLiteral("θ = 2·acos((r − d) ÷ r)")),
             qPrintable(answer(TankAnswer::Filled)->workingText()));

    // Working backwards changes the depth first: the mark for half a cubic unit.
    answer(TankAnswer::Filled)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(answer(TankAnswer::Filled), Qt::Key_F2);
    QVERIFY(m_window->solver());
    QCOMPARE(m_window->solver()->field(), 0);
    QTest::keyClicks(m_window->solver()->target(), QStringLiteral(".5"));
    QTest::keyClick(m_window->solver()->target(), Qt::Key_Return);
    QTRY_VERIFY(!m_window->solver());
    QCOMPARE(answer(TankAnswer::Filled)->text(), QStringLiteral(".50"));
    const std::optional<double> depth = textToNumber(field(0)->text());
    QVERIFY2(depth && *depth > 0.2 && *depth < 0.6, qPrintable(field(0)->text()));
    QCOMPARE(field(1)->text(), QStringLiteral("1.2"));
}

void TestFrmTank::depthAboveTheTopIsRefused()
{
    enter(QStringLiteral("1"), {QStringLiteral("1.2"), QStringLiteral("2.5")});
    const QString shown = answer(TankAnswer::Filled)->text();
    field(0)->selectAll();
    QTest::keyClicks(field(0), QStringLiteral("1.5"));
    QTest::keyClick(field(0), Qt::Key_Return);
    QVERIFY(m_window->warning());
    QVERIFY2(m_window->warning()->text().contains(
                 QStringLiteral("Depth d must not be more than the tank's height, the diameter D.")),
             qPrintable(m_window->warning()->text()));
    QCOMPARE(answer(TankAnswer::Filled)->text(), shown);
    m_window->warning()->accept();
    QTRY_COMPARE(QApplication::focusWidget(), field(0));
}

// The tank 1.2 m across and 2.5 m long in litres: every 5 cm from empty to
// full, the row at 40 cm the window's answer, saved alone as CSV.
void TestFrmTank::dipChartGoesByTheStepChosenOnTheSheet()
{
    setUnitChoice({findUnit(u"m"), nullptr, findUnit(u"L")});
    enter(QStringLiteral(".4"), {QStringLiteral("1.2"), QStringLiteral("2.5")});
    QTest::keyClick(m_program->main(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    SheetWindow *sheet = m_program->main()->sheetWindow();
    QVERIFY(sheet);
    auto *steps = sheet->findChild<QComboBox *>(QStringLiteral("cboSheetStep"));
    QTRY_VERIFY(steps->isVisible());
    steps->setFocus();
    QTest::keyClick(steps, Qt::Key_Down);
    QTest::keyClick(steps, Qt::Key_Down);
    QCOMPARE(steps->currentText(), QStringLiteral("every 5 cm"));

    QTemporaryDir folder;
    QString error;
    QVERIFY2(sheet->saveTo(folder.filePath(QStringLiteral("chart.csv")), &error), qPrintable(error));
    QFile file(folder.filePath(QStringLiteral("chart.csv")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).trimmed().split(u'\n');
    QCOMPARE(lines.first(), QStringLiteral("Depth d (m),Filled Volume (L),Filled (%)"));
    QCOMPARE(lines.size(), 1 + 25);
    QCOMPARE(lines[1], QStringLiteral("0,.00,.00"));
    QCOMPARE(lines[9], QStringLiteral("0.4,") + answer(TankAnswer::Filled)->text() + u','
                           + answer(TankAnswer::FilledPercent)->text());
    QCOMPARE(lines.last(), QStringLiteral("1.2,") + answer(TankAnswer::Total)->text() + QStringLiteral(",100.00"));
    QVERIFY(sheet->sheetText().contains(QStringLiteral("Dip chart, every 5 cm")));
}

void TestFrmTank::eachTankShowsItsMeasuresAndDrawing_data()
{
    QTest::addColumn<int>("shape");
    for (int shape = 0; shape < TankShapes; ++shape)
        QTest::newRow(TankOptions[shape].option) << shape;
}

// A reader hears each field by its measure's name, and the drawing is the tank's.
void TestFrmTank::eachTankShowsItsMeasuresAndDrawing()
{
    QFETCH(int, shape);
    auto *option = control<QRadioButton>(QStringLiteral("optTank"), shape);
    option->setFocus();
    QTest::keyClick(option, Qt::Key_Space);
    QCOMPARE(int(m_window->given()), shape);
    const TankFields &tank = TankOptions[shape];
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(field(i)->isVisible(), tank.fields[size_t(i)].letter != nullptr);
        if (field(i)->isVisible())
            QCOMPARE(QAccessible::queryAccessibleInterface(field(i))->text(QAccessible::Name),
                     QString::fromUtf8(tank.fields[size_t(i)].name));
    }
    QStringList drawings;
    for (const Picture *picture : m_window->findChildren<Picture *>())
        if (picture->isVisible())
            drawings << picture->resource();
    QCOMPARE(drawings.size(), 1);
    QVERIFY(drawings.first().contains(QString::fromLatin1(tank.option).remove(u' ')));
}

QTEST_MAIN(TestFrmTank)
#include "tst_frmtank.moc"
