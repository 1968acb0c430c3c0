// The composite window as a user drives it: answers put in by their keys,
// rows changed in place, the total solved backwards, read by a screen reader.
#include "shell/windowview.h"

#include "composite/frmcomposite.h"
#include "controls/answerlabel.h"
#include "controls/valuefield.h"
#include "entry/numericentry.h"
#include "shell/sheetwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableWidget>
#include <QTimer>

#include <cmath>

using namespace Zyntra;

class TestFrmComposite : public QObject, private WindowView<FigureWindow> {
    Q_OBJECT
private slots:
    void init() { startActiveProgram(); }
    void cleanup();
    void answersBecomePartsByTheirKeys();
    void rowsChangeInPlace();
    void otherKindsAreRefusedAndCutOutsWarned();
    void totalIsSolvedBackwardsByF2();
    void sheetDrawsEachPartUnderItsSign();
    void saveIsNeverClaimedWhenItFailed();
    void totalFollowsTheMenusChoices();

private:
    // Opens the figure, types the values in order, calculates and puts the
    // answer in by its key: Ctrl+Shift+A adds it, Ctrl+Shift+X cuts it out.
    void addAnswer(const char *menuItem, const QStringList &texts, int answer, Qt::Key key = Qt::Key_A);
    frmComposite *composite() const { return m_program->main()->compositeWindow(); }
    QString total() const { return composite()->findChild<QLabel *>("lblTotal")->text(); }
    QTableWidget *parts() const { return composite()->findChild<QTableWidget *>("tblParts"); }
};

void TestFrmComposite::cleanup()
{
    // Kept for the next run: the next test starts from the described choices.
    if (m_program->menuItem("mnuExactConstants")->isChecked())
        m_program->choose("mnuExactConstants");
    m_program->choose("mnuPrecisionAsDescribed");
    closeProgram();
}

void TestFrmComposite::addAnswer(const char *menuItem, const QStringList &texts, int answer, Qt::Key key)
{
    activateProgram();
    QVERIFY(open(QString::fromLatin1(menuItem)));
    for (int i = 0; i < texts.size(); ++i)
        QTest::keyClicks(control<ValueField>("txtGivenValue", i), texts[i]);
    WindowView::calculate();
    AnswerLabel *label = control<AnswerLabel>("lblAnswer", answer);
    label->setFocus();
    QTest::keyClick(label, key, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(composite());
}

void TestFrmComposite::answersBecomePartsByTheirKeys()
{
    addAnswer("mnuGeometryItem(2)", {"5", "4"}, 2);
    addAnswer("mnuGeometryItem(0)", {"1"}, 3, Qt::Key_X);
    QCOMPARE(parts()->rowCount(), 2);
    QCOMPARE(parts()->item(1, frmComposite::Sign)->text(), QStringLiteral("−"));
    QCOMPARE(total(), QStringLiteral("Total = 16.858"));
    // A screen reader hears each row, and the total with its working.
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(parts());
    QVERIFY(table && table->tableInterface());
    const QString figure = table->tableInterface()->cellAt(0, frmComposite::Figure)->text(QAccessible::Name);
    QVERIFY2(figure.contains(QStringLiteral("Rectangle")) && figure.contains(QStringLiteral("a = 5")),
             qPrintable(figure));
    QCOMPARE(table->tableInterface()->cellAt(1, frmComposite::Sign)->text(QAccessible::Description).left(20),
             QStringLiteral("Part 2: cut out, cou"));
    QAccessibleInterface *label = QAccessible::queryAccessibleInterface(composite()->findChild<QLabel *>("lblTotal"));
    QCOMPARE(label->text(QAccessible::Description), QStringLiteral("Total = 20.00 − 3.14 = 16.858"));
    // Enter on a row opens its part again in its figure window.
    parts()->setFocus();
    parts()->setCurrentCell(0, frmComposite::Figure);
    QTest::keyClick(parts(), Qt::Key_Return);
    const auto windows = m_program->figureWindows();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows.first()->values()->find(u"a")->value, 5.0);
    // Changed there and put back by "Update Part".
    auto *a = windows.first()->findChild<ValueField *>("txtGivenValue(0)");
    a->selectAll();
    QTest::keyClicks(a, "6");
    QTest::keyClick(a, Qt::Key_Return);
    parts()->findChild<QAction *>("mnuUpdatePart")->trigger();
    QCOMPARE(total(), QStringLiteral("Total = 20.858"));
}

void TestFrmComposite::sheetDrawsEachPartUnderItsSign()
{
    addAnswer("mnuGeometryItem(2)", {"5", "4"}, 2);
    addAnswer("mnuGeometryItem(0)", {"1"}, 3, Qt::Key_X);
    QTest::mouseClick(composite()->findChild<QPushButton *>("cmdCompositeSheet"), Qt::LeftButton);
    SheetWindow *sheet = m_program->main()->sheetWindow();
    QVERIFY(sheet);
    const QString drawn = sheet->findChild<QWidget *>("picSheet")->accessibleDescription();
    QVERIFY2(drawn.startsWith(QStringLiteral("+ ")) && drawn.contains(QStringLiteral("; − ")), qPrintable(drawn));
    QCOMPARE(sheet->sheetText().split(u'\n').last(), QStringLiteral("Total\t\t20.00 − 3.14\t16.858"));
}

void TestFrmComposite::rowsChangeInPlace()
{
    addAnswer("mnuGeometryItem(2)", {"5", "4"}, 2);
    addAnswer("mnuGeometryItem(2)", {"3", "2"}, 2);
    QCOMPARE(total(), QStringLiteral("Total = 26.00"));
    composite()->activateWindow();
    parts()->setFocus();
    // Four piers: the count typed over in place.
    parts()->setCurrentCell(1, frmComposite::Count);
    QTest::keyClicks(parts(), "4");
    QTest::keyClick(parts()->focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(total(), QStringLiteral("Total = 44.00"));
    parts()->setCurrentCell(1, frmComposite::Sign);
    QTest::keyClicks(parts(), "-");
    QTest::keyClick(parts()->focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(total(), QStringLiteral("Total = -4.00"));
    QVERIFY(composite()->findChild<QLabel *>("lblCompositeWarning")->isVisible());
    parts()->setFocus();
    parts()->selectRow(0);
    QTest::keyClick(parts(), Qt::Key_Delete);
    QCOMPARE(parts()->rowCount(), 1);
    QCOMPARE(total(), QStringLiteral("Total = -24.00"));
}

void TestFrmComposite::otherKindsAreRefusedAndCutOutsWarned()
{
    addAnswer("mnuGeometryItem(2)", {"1", "1"}, 2);
    addAnswer("mnu3dGeometryItem(1)", {"2"}, 1);
    QCOMPARE(parts()->rowCount(), 1);
    QVERIFY(composite()->message());
    const QString refused = composite()->message()->text();
    QVERIFY2(refused.contains(QStringLiteral("volume")) && refused.contains(QStringLiteral("areas")),
             qPrintable(refused));
    QVERIFY(composite()->findChild<QLabel *>("lblCompositeWarning")->isHidden());
    addAnswer("mnuGeometryItem(0)", {"1"}, 3, Qt::Key_X);
    QCOMPARE(composite()->findChild<QLabel *>("lblCompositeWarning")->text(), negativeTotalWarning());
}

void TestFrmComposite::totalIsSolvedBackwardsByF2()
{
    addAnswer("mnuGeometryItem(2)", {"12", "10"}, 2);
    addAnswer("mnuGeometryItem(2)", {"4", "3"}, 2);
    composite()->activateWindow();
    auto *label = composite()->findChild<QLabel *>("lblTotal");
    label->setFocus();
    QTest::keyClick(label, Qt::Key_F2);
    auto *part = composite()->findChild<QComboBox *>("cboSolvePart");
    QVERIFY(part->isVisible());
    QTest::keyClick(part, Qt::Key_Down);
    QCOMPARE(part->currentIndex(), 1);
    auto *target = composite()->findChild<QLineEdit *>("txtSolveTarget");
    target->selectAll();
    // As the desktop writes a decimal.
    QTest::keyClicks(target, decimalComma() ? "172,5" : "172.5");
    QTest::keyClick(target, Qt::Key_Return);
    QVERIFY(!part->isVisible());
    QVERIFY2(std::abs(composite()->total().value - 172.5) <= 1e-12 * 172.5, qPrintable(total()));
    QCOMPARE(total(), QStringLiteral("Total = 172.50"));
    // The alcove's a was changed, its b kept.
    QCOMPARE(composite()->parts()[1].calculation.givens[1].value, 3.0);
}

// Kept, the composite is named and reopens with the same total (the store's
// half of the round trip); refused, the user is told and nothing claims it.
void TestFrmComposite::saveIsNeverClaimedWhenItFailed()
{
    QTest::keyClick(m_program->main(), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(composite() && composite()->isVisible());
    addAnswer("mnuGeometryItem(2)", {"5", "4"}, 2);
    addAnswer("mnuGeometryItem(2)", {"3", "2"}, 2);
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->setTextValue(QStringLiteral("L-shaped room"));
        dialog->accept();
    });
    QTest::mouseClick(composite()->findChild<QPushButton *>("cmdSaveComposite"), Qt::LeftButton);
    const QList<CompositeRecord> kept = m_program->main()->history().composites(QStringLiteral("L-shaped"));
    QCOMPARE(composite()->windowTitle() == QStringLiteral("Composite: L-shaped room"), !kept.isEmpty());
    QCOMPARE(!composite()->message(), !kept.isEmpty());
    if (kept.isEmpty())
        return;
    const double total = composite()->total().value;
    composite()->load({});
    m_program->main()->openComposite(kept.first());
    QCOMPARE(composite()->total().value, total);
}

void TestFrmComposite::totalFollowsTheMenusChoices()
{
    addAnswer("mnu3dGeometryItem(3)", {"2", "5"}, 2);
    QCOMPARE(total(), QStringLiteral("Total = 62.80"));
    m_program->choose("mnuExactConstants");
    QCOMPARE(total(), QStringLiteral("Total = 62.832"));
    QCOMPARE(composite()->parts().first().calculation.constants, constantsName(true));
    m_program->choose("mnuPrecisionDecimals(4)");
    QCOMPARE(total(), QStringLiteral("Total = 62.8319"));
    m_program->choose("mnuExactConstants");
    QCOMPARE(total(), QStringLiteral("Total = 62.8000"));
}

QTEST_MAIN(TestFrmComposite)
#include "tst_frmcomposite.moc"
