#include "everywindow.h"

#include "controls/answerlabel.h"
#include "controls/solveeditor.h"
#include "controls/valuefield.h"
#include "entry/measurement.h"
#include "entry/term.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>
#include <QToolTip>

using namespace Zyntra;

// How an answer came about reaches the user by mouse, keyboard and screen
// reader, copies with the answer or with the whole calculation, and
// follows the constants the user chose.
class TestWorking : public QObject, private WindowView<FigureWindow> {
    Q_OBJECT
private slots:
    void init() { startActiveProgram(); }
    void cleanup()
    {
        closeProgram();
        setExactConstants(false);
        setExactForms(false);
        setAnswerPrecision(Precision::asDescribed());
        setTapeDenominator(DefaultTapeDenominator);
        QFile::remove(storeName());
    }

    void workingReachesTheUserEveryWay_data();
    void workingReachesTheUserEveryWay();
    void exactConstantsAreTheUsersChoice();
    void precisionAndConstantsRedoTheShownCalculation_data();
    void precisionAndConstantsRedoTheShownCalculation();
    void answersSolveBackwardsThroughKeys_data();
    void answersSolveBackwardsThroughKeys();
    void solvingNamesAnotherFieldThatIsNoNumber();
    void unitsAreTheUsersChoice();
    void feetAndInchesThroughTheKeys();
    void exactFormsAreDrawnAfterTheDecimal();

private:
    static QString storeName()
    {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, "Zyntra", "Zyntra").fileName();
    }
    // Types the values field by field from the first, then presses Enter.
    void calculateWith(const QStringList &values)
    {
        for (const QString &text : values) {
            QTest::keyClicks(QApplication::focusWidget(), text);
            QTest::keyClick(QApplication::focusWidget(), &text == &values.last() ? Qt::Key_Return : Qt::Key_Tab);
        }
    }
    QMenu *answerMenuOf(AnswerLabel *answer, const QString &choose);
};

void TestWorking::workingReachesTheUserEveryWay_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("working");
    QTest::newRow("rectangle area") << "mnuGeometryItem(2)" << QStringList{"3", "4"} << "lblAnswer(2)"
                                    << "Area = b × a = 4 × 3 = 12.00";
    QTest::newRow("trapezoid area") << "mnuGeometryItem(4)" << QStringList{"10", "6", "4"} << "lblAnswer(3)"
                                    << "Area = (b + a) × h ÷ 2 = (6 + 10) × 4 ÷ 2 = 64 ÷ 2 = 32.00";
    QTest::newRow("right cylinder volume") << "mnu3dGeometryItem(3)" << QStringList{"2", "5"} << "lblAnswer(2)"

                                           << "Volume = r² × π × h = 2² × 3.14 × 5 = 12.56 × 5 = 62.80";
    QTest::newRow("sphere surface") << "mnu3dGeometryItem(0)" << QStringList{"10"} << "lblArea"
                                    << "Surface area = d × C = 20 × 62.8318530717958 = 1256.64";
    QTest::newRow("triangle angle B") << "mnuGeometryItem(1)" << QStringList{"3", "4"} << "lblanswer(4)"
                                      << "Angle B = 90° − A = 90° − 36.8885985932456° = 53.11° (solved from a and b)";
    QTest::newRow("hexagon") << "mnuGeometryItem(9)" << QStringList{"10"} << "lblAnswer(3)"
                             << "Area of Hexagon = a² × (6/(4·tan(π/6))) = 10² × 2.5981 = 100 × 2.5981 = 259.81";
}

QMenu *TestWorking::answerMenuOf(AnswerLabel *answer, const QString &choose)
{
    QMenu *seen = nullptr;
    QStringList items;
    QTimer::singleShot(0, this, [&] {
        seen = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!seen)
            return;
        for (QAction *action : seen->actions())
            if (!action->isSeparator())
                items << action->text();
        // "Show In/L" chooses from a submenu.
        const QStringList path = choose.split(u'/');
        for (QAction *action : seen->actions())
            if (action->text() == path.first() && action->isEnabled())
                for (QAction *item : path.size() == 1 ? QList{action} : action->menu()->actions())
                    if (item->text() == path.last())
                        item->trigger();
        seen->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2), answer->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(answer, &event);
    if (items
        != QStringList{"Copy", "Copy with working", "Show working", "Solve From This Answer…", "Add to Composite",
                       "Cut Out of Composite", "Show In", "Copy calculation"})
        return nullptr;
    return seen;
}

void TestWorking::workingReachesTheUserEveryWay()
{
    QFETCH(QString, menuItem);
    QFETCH(QStringList, values);
    QFETCH(QString, answer);
    QFETCH(QString, working);
    QVERIFY(open(menuItem));
    calculateWith(values);
    auto *label = control<AnswerLabel>(answer);
    QVERIFY(label);
    // Mouse: the tooltip. Screen reader: the description.
    QCOMPARE(label->toolTip(), working);
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(label);
    QCOMPARE(node->text(QAccessible::Description), working);
    // Keyboard: Shift+F1 on the focused answer.
    label->setFocus(Qt::TabFocusReason);
    QTest::keyClick(label, Qt::Key_F1, Qt::ShiftModifier);
    QTRY_COMPARE(QToolTip::text(), working);
    QToolTip::hideText();
    // The context menu offers the working to copy.
    QVERIFY(answerMenuOf(label, QStringLiteral("Copy with working")));
    QCOMPARE(QApplication::clipboard()->text(), working);
    QVERIFY(answerMenuOf(label, QStringLiteral("Copy calculation")));
    const QString calculation = QApplication::clipboard()->text();
    QApplication::clipboard()->clear();
    // Ctrl+Shift+C anywhere in the window copies the whole calculation.
    activateProgram(); // the closed menu took the activation with it
    m_window->findChildren<QLineEdit *>().constFirst()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::clipboard()->text(), calculation);
    const QStringList lines = calculation.split(u'\n');
    QCOMPARE(lines.first(), m_window->figureName());
    QVERIFY2(!lines.filter(working).isEmpty(), qPrintable(calculation));
    QVERIFY2(lines.filter(QStringLiteral(" = ") + values.first()).size() >= 1, qPrintable(calculation));

    // A failed CALCULATE leaves the working with the answer; CLEAR takes both.
    QTest::keyClicks(m_window->findChildren<QLineEdit *>().constFirst(), QStringLiteral(".."));
    calculate();
    QCOMPARE(label->toolTip(), working);
    QTest::mouseClick(button("cmdClear"), Qt::LeftButton);
    QVERIFY(label->toolTip().isEmpty());
    QCOMPARE(node->text(QAccessible::Description), label->quantity());
}

void TestWorking::exactConstantsAreTheUsersChoice()
{
    const QString store = storeName();
    QFile::remove(store);
    closeProgram();
    startActiveProgram();
    QAction *exact = m_program->menuItem(QStringLiteral("mnuExactConstants"));
    QVERIFY(exact && exact->isCheckable() && !exact->isChecked());
    QVERIFY(open(QStringLiteral("mnuGeometryItem(6)"))); // annulus: (r2 + r1) × π × (r2 − r1)
    calculateWith({"1", "2"});
    auto *area = control<AnswerLabel>(QStringLiteral("lblAnswer(2)"));
    QCOMPARE(area->text(), QStringLiteral("9.42"));
    exact->trigger();
    QCOMPARE(area->text(), QStringLiteral("9.425"));
    QVERIFY2(area->workingText().contains(QStringLiteral("3.14159265358979 ")), qPrintable(area->workingText()));

    // Remembered for the next run.
    closeProgram();
    startProgram();
    QVERIFY(m_program->menuItem(QStringLiteral("mnuExactConstants"))->isChecked());
    QVERIFY(exactConstants());

    // A damaged store gives the described constants, quietly.
    closeProgram();
    setExactConstants(false);
    QFile damaged(store);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("[calculation\nexactConstants=\xff\xfe maybe\n\0\0");
    damaged.close();
    startProgram();
    QVERIFY(!m_program->menuItem(QStringLiteral("mnuExactConstants"))->isChecked());
    QVERIFY(!exactConstants());
    // A store that cannot be written still lets the user choose for this run.
    QFile::remove(store);
    QVERIFY(QDir().mkpath(store)); // a folder where the file should be
    m_program->menuItem(QStringLiteral("mnuExactConstants"))->trigger();
    QVERIFY(exactConstants());
    QVERIFY(QDir(store).removeRecursively());
}

void TestWorking::precisionAndConstantsRedoTheShownCalculation_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("precision");
    QTest::addColumn<QString>("described"); // as described, described constants
    QTest::addColumn<QString>("chosen");    // in the chosen precision
    QTest::addColumn<QString>("exact");     // the same with exact constants
    const auto row = [](const char *name, const char *menuItem, const QStringList &values, const char *answer,
                        const char *precision, const char *described, const char *chosen, const char *exact) {
        QTest::newRow(name) << QString::fromLatin1(menuItem) << values << QString::fromLatin1(answer)
                            << QString::fromLatin1(precision) << QString::fromLatin1(described)
                            << QString::fromLatin1(chosen) << QString::fromLatin1(exact);
    };
    row("annulus", "mnuGeometryItem(6)", {"1", "2"}, "lblAnswer(2)", "mnuPrecisionDecimals(4)", "9.42", "9.4200",
        "9.4248");
    // Rounded to two decimals on the way only as described.
    row("equilateral triangle", "mnuGeometryItem(8)", {"2.345"}, "lblAnswer(2)", "mnuPrecisionDecimals(4)", "2.38",
        "2.3811", "2.3811");
    row("circle", "mnuGeometryItem(0)", {"5"}, "lblAnswer(3)", "mnuPrecisionDecimals(10)", "78.54", "78.5398163397",
        "78.5398163397");
    row("sphere", "mnu3dGeometryItem(0)", {"0.1"}, "lblVolume", "mnuPrecisionSignificant(3)", ".0", "0.00419",
        "0.00419");
    row("right triangle", "mnuGeometryItem(1)", {"3", "4"}, "lblanswer(4)", "mnuPrecisionSignificant(6)", "53.11",
        "53.1114", "53.1301");
    row("polygon", "mnuGeometryItem(9)", {"10"}, "lblAnswer(3)", "mnuPrecisionDecimals(0)", "259.81", "260", "260");
}

// The answers follow a change of precision or constants at once, from the
// values they came from, and the choice of precision is kept.
void TestWorking::precisionAndConstantsRedoTheShownCalculation()
{
    QFETCH(QString, menuItem);
    QFETCH(QStringList, values);
    QFETCH(QString, answer);
    QFETCH(QString, precision);
    QFETCH(QString, described);
    QFETCH(QString, chosen);
    QFETCH(QString, exact);
    QVERIFY(m_program->menuItem(QStringLiteral("mnuPrecisionAsDescribed"))->isChecked());
    QVERIFY(open(menuItem));
    calculateWith(values);
    auto *label = control<AnswerLabel>(answer);
    QVERIFY(label);
    QCOMPARE(label->text(), described);

    QSignalSpy changed(m_window, &FigureWindow::calculationChanged);
    QAction *item = m_program->menuItem(precision);
    QVERIFY(item && item->isCheckable());
    item->trigger();
    QCOMPARE(label->text(), chosen);
    QVERIFY2(label->workingText().contains(QStringLiteral(" = ") + chosen), qPrintable(label->workingText()));
    QVERIFY(changed.wait());
    QVERIFY(!m_program->menuItem(QStringLiteral("mnuPrecisionAsDescribed"))->isChecked());

    // An emptied field, never calculated, plays no part.
    auto *first = m_window->findChildren<QLineEdit *>().constFirst();
    first->setFocus();
    QTest::keyClick(first, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(first, Qt::Key_Backspace);
    QAction *exactItem = m_program->menuItem(QStringLiteral("mnuExactConstants"));
    exactItem->trigger();
    QCOMPARE(label->text(), exact);
    exactItem->trigger();
    QCOMPARE(label->text(), chosen);
    QVERIFY(!m_window->warning());
    QCOMPARE(m_window->snapshot().given.value(0).text, values.first()); // what the copy and the sheet give

    // Nothing to follow once CLEAR has emptied the answers.
    QTest::mouseClick(button("cmdClear"), Qt::LeftButton);
    m_program->menuItem(QStringLiteral("mnuPrecisionAsDescribed"))->trigger();
    QVERIFY(label->text().isEmpty());
    QVERIFY(!m_window->warning());
    item->trigger();

    // Kept for the next run; a damaged store gives the described precision.
    closeProgram();
    startProgram();
    QVERIFY(m_program->menuItem(precision)->isChecked());
    closeProgram();
    QSettings store(storeName(), QSettings::IniFormat);
    store.setValue(QStringLiteral("display/precision"), QStringLiteral("decimals 99"));
    store.sync();
    startProgram();
    QVERIFY(m_program->menuItem(QStringLiteral("mnuPrecisionAsDescribed"))->isChecked());
    QCOMPARE(answerPrecision(), Precision::asDescribed());
}

void TestWorking::answersSolveBackwardsThroughKeys_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("down"); // presses of the down arrow in the list of given values
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("solved"); // empty where the target is out of reach
    QTest::addColumn<QString>("working");
    QTest::addColumn<QStringList>("units"); // chosen from the Units menu first
    QTest::newRow("circle from its area")
        << "mnuGeometryItem(0)" << QStringList{"5"} << "lblAnswer(3)"
        << "50" << 0 << "txtGivenValue(0)"
        << "3.9894228040143287"
        << "r = √(Area ÷ π) = √(50 ÷ 3.14159265358979) = √15.9154943091895 = 3.9894228040143287 (solved so that Area = "
           "50)"
        << QStringList{};
    QTest::newRow("rectangle side from its area")
        << "mnuGeometryItem(2)" << QStringList{"4", "5"} << "lblAnswer(2)"
        << "30" << 0 << "txtGivenValue(0)"
        << "6"
        << "a = Area ÷ b = 30 ÷ 5 = 6 (solved so that Area = 30)" << QStringList{};
    // An inverse worked where answers show their exact forms gives the solved value's form too.
    QTest::newRow("rectangle side in exact form")
        << "mnuGeometryItem(2)" << QStringList{"4", "3"} << "lblAnswer(2)"
        << "10" << 0 << "txtGivenValue(0)"
        << "3.3333333333333335"
        << "a = Area ÷ b = 10 ÷ 3 = 3.3333333333333335 (solved so that Area = 10; exact: a = 10/3)"
        << QStringList{"mnuExactForm"};
    QTest::newRow("cylinder height from its volume")
        << "mnu3dGeometryItem(3)" << QStringList{"2", "5"} << "lblAnswer(2)"
        << "200" << 1 << "txtGivenValue(1)"
        << "15.92356687898089"
        << "h = Volume ÷ (r² × π) = 200 ÷ (2² × 3.14) = 200 ÷ 12.56 = 15.92356687898089 (solved so that Volume = 200)"
        << QStringList{};
    // 200 L is 200000 cm³; the height comes in the centimetres the radius was given in.
    QTest::newRow("tank height from litres")
        << "mnu3dGeometryItem(3)" << QStringList{"30", "50"} << "lblAnswer(2)"
        << "200" << 1 << "txtGivenValue(1)"
        << "70.77140835102618"
        << "h = Volume ÷ (r² × π) = 200000 ÷ (30² × 3.14) = 200000 ÷ 2826 = 70.77140835102618 (solved so that Volume = "
           "200 L)"
        << QStringList{"mnuLengthUnit(cm)", "mnuVolumeUnit(L)"};
    // Under "ft and in" the value comes in inches, and the note reads it as a tape does.
    QTest::newRow("rectangle side in feet and inches")
        << "mnuGeometryItem(2)" << QStringList{"12 ft", "10' 6\""} << "lblAnswer(2)"
        << "200" << 0 << "txtGivenValue(0)"
        << "228.57142857142858"
        << "a = Area ÷ b = 28800 ÷ 126 = 228.57142857142858 (solved so that Area = 200 ft²; a ≈ 19′ ⁹⁄₁₆″)"
        << QStringList{"mnuLengthUnit(ft and in)"};
    QTest::newRow("triangle side from the hypotenuse")
        << "mnuGeometryItem(1)" << QStringList{"3", "4"} << "lblanswer(2)"
        << "10" << 0 << "txtInput(0)"
        << "9.16515138991168"
        << "a = 9.16515138991168 (found so that c = 10)" << QStringList{};
    QTest::newRow("hexagon side from its area") << "mnuGeometryItem(9)" << QStringList{"10"} << "lblAnswer(3)"
                                                << "1000" << 0 << "txtGivenValue"
                                                << "19.61878322547211"
                                                << "a = 19.61878322547211 (found so that A6 = 1000)" << QStringList{};
    QTest::newRow("sphere radius from its volume")
        << "mnu3dGeometryItem(0)" << QStringList{"10"} << "lblVolume"
        << "1000" << 0 << "txtGivenValue"
        << "6.203500073503878"
        << "r = 6.203500073503878 (found so that V = 1000)" // d³ × 0.5236 = 1000
        << QStringList{};
    QTest::newRow("any triangle's area beyond its sides")
        << "mnuGeometryItem(12)" << QStringList{"3", "4", "5"} << "lblanswer(6)"
        << "12" << 0 << "txtInput(0)"
        << ""
        << "With b = 4 and c = 5, Area lies between 0 and 10; no a gives 12." << QStringList{};
    // B drops to nothing at a = 0, where the answers turn to zeros: no root there.
    QTest::newRow("right triangle's B by a") << "mnuGeometryItem(1)" << QStringList{"3", "4"} << "lblanswer(4)"
                                             << "30" << 0 << "txtInput(0)"
                                             << "6.919716880359164"
                                             << "a = 6.919716880359164 (found so that B = 30)" << QStringList{};
    QTest::newRow("right triangle's a by b")
        << "mnuGeometryItem(1)" << QStringList{"3", "4"} << "lblanswer(0)"
        << "2.5" << 1 << "txtInput(1)"
        << ""
        << "Side a does not change with b; choose another value to change." << QStringList{};
    // The lateral area dips to 8293 between R = 0 and R = 178.5.
    QTest::newRow("frustum's dip")
        << "mnu3dGeometryItem(7)" << QStringList{"1.785", "80", "16.5"} << "lblAnswer(2)"
        << "10000" << 0 << "txtGivenValue(0)"
        << "65.65322695385589"
        << "R = 65.65322695385589 (found so that Lateral Area = 10000; R = 89.0836327190601 gives it too)"
        << QStringList{};
    QTest::newRow("a height of nothing") << "mnuGeometryItem(8)" << QStringList{"2"} << "lblAnswer(1)"
                                         << "0" << 0 << "txtGivenValue(0)"
                                         << ""
                                         << "h is more than 0; no a gives 0." << QStringList{};
    QTest::newRow("rectangle diagonal out of reach")
        << "mnuGeometryItem(2)" << QStringList{"4", "5"} << "lblAnswer(4)"
        << "3" << 0 << "txtGivenValue(0)"
        << ""
        << "With b = 5, Diagonal is at least 5; no a gives 3." << QStringList{};
}

// F2 on an answer, the target typed, the given value chosen with the
// arrows, Enter; Ctrl+Z in the changed field brings back what it held, and
// Escape leaves everything as it was.
void TestWorking::answersSolveBackwardsThroughKeys()
{
    QFETCH(QString, menuItem);
    QFETCH(QStringList, values);
    QFETCH(QString, answer);
    QFETCH(QString, target);
    QFETCH(int, down);
    QFETCH(QString, field);
    QFETCH(QString, solved);
    QFETCH(QString, working);
    QFETCH(QStringList, units);
    for (const QString &unit : units)
        m_program->choose(unit);
    QVERIFY(open(menuItem));
    calculateWith(values);
    auto *label = control<AnswerLabel>(answer);
    auto *given = control<ValueField>(field);
    QVERIFY(label && given);
    const QString shown = label->text();
    const QString typed = given->text();

    label->setFocus(Qt::TabFocusReason);
    QTest::keyClick(label, Qt::Key_F2);
    auto *editor = m_window->findChild<ValueField *>(QStringLiteral("txtTarget"));
    QVERIFY(editor);
    QVERIFY(editor->hasFocus());
    QCOMPARE(editor->selectedText(), shown);
    QCOMPARE(QAccessible::queryAccessibleInterface(editor)->text(QAccessible::Name), "Target for " + label->quantity());
    QTest::keyClicks(editor, QStringLiteral("99"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QTRY_VERIFY(!m_window->solver());
    QCOMPARE(given->text(), typed);
    QCOMPARE(label->text(), shown);
    QCOMPARE(QApplication::focusWidget(), label); // so that F2 opens it again

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    QVERIFY(m_window->solver());
    editor = m_window->solver()->target();
    // A reader names the list by its label, whatever it holds.
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(m_window->solver()->solveFor());
    const auto labels = list->relations(QAccessible::Label);
    QVERIFY(!labels.isEmpty());
    QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("Change"));
    QTest::keyClicks(editor, target);
    if (down > 0) {
        QTest::keyClick(editor, Qt::Key_Tab);
        for (int i = 0; i < down; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cboSolveFor"));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!m_window->solver());
    if (solved.isEmpty()) {
        QVERIFY(m_window->warning());
        QCOMPARE(m_window->warning()->text(), working);
        QCOMPARE(given->text(), typed);
        QCOMPARE(label->text(), shown);
        QTest::keyClick(m_window->warning(), Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), label);
        return;
    }
    QCOMPARE(given->text(), solved);
    QVERIFY(given->hasFocus());
    QCOMPARE(textToNumber(label->text()), textToNumber(target));
    // The value found says how, in the copy, the sheet and the history too.
    const std::optional<FigureValues> now = m_window->values();
    QVERIFY(now);
    const auto found = std::ranges::find(now->given, solved, &FigureValue::text);
    QVERIFY(found != now->given.end());
    QCOMPARE(workingText(found->letter, found->working, solved), working);
    QCOMPARE(given->accessibleDescription(), found->working.note);
    QTest::keyClick(given, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(given->text(), typed);
    QVERIFY(given->accessibleDescription().isEmpty()); // no longer how it was found
}

// A value spoilt after CALCULATE is what stops the solve, not the target.
void TestWorking::solvingNamesAnotherFieldThatIsNoNumber()
{
    QVERIFY(open(QStringLiteral("mnuGeometryItem(2)")));
    calculateWith({"4", "5"});
    auto *b = control<ValueField>(QStringLiteral("txtGivenValue(1)"));
    QTest::keyClicks(b, QStringLiteral(".."));
    auto *area = control<AnswerLabel>(QStringLiteral("lblAnswer(2)"));
    area->setFocus(Qt::TabFocusReason);
    QTest::keyClick(area, Qt::Key_F2);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("30"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(m_window->warning());
    QCOMPARE(m_window->warning()->text(),
             describe(Failure{Failure::Cause::NotANumber, 1, "5..", 0}, b->accessibleName()));
    QCOMPARE(control<ValueField>(QStringLiteral("txtGivenValue(0)"))->text(), QStringLiteral("4"));
}

// Units from the menu and from an answer's context menu, heard by a screen
// reader, kept for the next run, and "No Units" exactly as without them.
void TestWorking::unitsAreTheUsersChoice()
{
    QVERIFY(open(QStringLiteral("mnu3dGeometryItem(3)")));
    calculateWith({"30", "50"});
    auto *volume = control<AnswerLabel>(QStringLiteral("lblAnswer"), 2);
    const QImage bare = m_window->grab().toImage();
    const auto volumes = m_program->main()->findChild<QMenu *>(QStringLiteral("mnuUnitsVolumes"))->menuAction();
    QVERIFY(!volumes->isEnabled()); // areas and volumes follow a length unit

    m_program->choose(QStringLiteral("mnuLengthUnit(cm)"));
    QVERIFY(volumes->isEnabled());
    QCOMPARE(volume->text(), QStringLiteral("141300.00"));
    QCOMPARE(QAccessible::queryAccessibleInterface(volume)->text(QAccessible::Name),
             QStringLiteral("Volume 141300.00 cubic centimetres"));
    QVERIFY(answerMenuOf(volume, QStringLiteral("Show In/L")));
    QVERIFY(m_program->menuItem(QStringLiteral("mnuVolumeUnit(L)"))->isChecked());
    QCOMPARE(volume->text(), QStringLiteral("141.30"));
    QCOMPARE(QAccessible::queryAccessibleInterface(volume)->text(QAccessible::Name),
             QStringLiteral("Volume 141.30 litres"));
    QCOMPARE(volume->workingText(),
             QStringLiteral("Volume = r² × π × h = 30² × 3.14 × 50 = 2826 × 50 = 141300 cm³ = 141.30 L"));
    QVERIFY(m_window->rect().contains(
        QRect(volume->mapTo(m_window, volume->unitRect().topLeft()), volume->unitRect().size())));
    volume->setFocus(Qt::TabFocusReason);
    QTest::keyClick(volume, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("141.30"));
    QVERIFY(answerMenuOf(volume, QStringLiteral("Copy calculation")));
    QVERIFY2(QApplication::clipboard()->text().contains(QStringLiteral("\nr = 30 cm\n")),
             qPrintable(QApplication::clipboard()->text()));

    // Kept for the next run; a store naming a unit of no such kind is "No Units".
    closeProgram();
    startActiveProgram();
    QVERIFY(m_program->menuItem(QStringLiteral("mnuVolumeUnit(L)"))->isChecked());
    QCOMPARE(unitChoice(),
             UnitChoice{}.with(QuantityKind::Length, findUnit(u"cm")).with(QuantityKind::Volume, findUnit(u"L")));
    QVERIFY(open(QStringLiteral("mnu3dGeometryItem(3)")));
    calculateWith({"30", "50"});
    m_program->choose(QStringLiteral("mnuLengthUnit(none)"));
    QCOMPARE(m_window->grab().toImage(), bare);
    QSettings(storeName(), QSettings::IniFormat).setValue(QStringLiteral("display/areaUnit"), QStringLiteral("L"));
    closeProgram();
    startActiveProgram();
    QCOMPARE(unitChoice(), UnitChoice{});
    QVERIFY(m_program->menuItem(QStringLiteral("mnuLengthUnit(none)"))->isChecked());
}

// A rectangle 12 ft by 10' 6" typed through the keys under "ft and in": its
// area in ft², its perimeter as a tape reads, each conversion shown once,
// the typed values heard in words, and a text that is no length refused
// with a warning naming its field, nothing changed. Under "No Units" the
// keys type no unit.
void TestWorking::feetAndInchesThroughTheKeys()
{
    QVERIFY(open(QStringLiteral("mnuGeometryItem(2)")));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12 ft"));
    QCOMPARE(qobject_cast<QLineEdit *>(QApplication::focusWidget())->text(), QStringLiteral("12"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    m_program->choose(QStringLiteral("mnuLengthUnit(ft and in)"));
    QVERIFY(m_program->menuItem(QStringLiteral("mnuPrecisionTape(16)"))->isChecked());
    calculateWith({QStringLiteral("12 ft"), QStringLiteral("10' 6\"")});
    auto *b = control<ValueField>(QStringLiteral("txtGivenValue"), 1);
    QCOMPARE(b->text(), QStringLiteral("10' 6\""));
    QCOMPARE(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Description),
             QStringLiteral("10 feet 6 inches"));
    auto *area = control<AnswerLabel>(QStringLiteral("lblAnswer"), 2);
    QCOMPARE(area->text() + area->unitSuffix(), QStringLiteral("126.00 ft²"));
    QCOMPARE(QAccessible::queryAccessibleInterface(area)->text(QAccessible::Name),
             QStringLiteral("Area 126.00 square feet"));
    auto *perimeter = control<AnswerLabel>(QStringLiteral("lblAnswer"), 3);
    QCOMPARE(perimeter->text() + perimeter->unitSuffix(), QStringLiteral("45′ 0″"));
    QVERIFY2(perimeter->workingText().endsWith(QStringLiteral(" = 540 in = 45′ 0″")),
             qPrintable(perimeter->workingText()));
    QCOMPARE(QAccessible::queryAccessibleInterface(perimeter)->text(QAccessible::Name),
             QStringLiteral("Perimeter 45 feet"));
    const QString copied = m_window->calculationText();
    QVERIFY2(copied.contains(QStringLiteral(" = 12 ft = 144 in\n"))
                 && copied.contains(QStringLiteral(" = 10' 6\" = 126 in\n")),
             qPrintable(copied));
    // The diagonal, √36612 in, to the nearest 1/16 in and then 1/64 in.
    auto *diagonal = control<AnswerLabel>(QStringLiteral("lblAnswer"), 4);
    QCOMPARE(diagonal->text(), QStringLiteral("15′ 11 ⁵⁄₁₆″"));
    m_program->choose(QStringLiteral("mnuPrecisionTape(64)"));
    QCOMPARE(diagonal->text(), QStringLiteral("15′ 11 ¹¹⁄₃₂″"));

    b->selectAll();
    QTest::keyClicks(b, QStringLiteral("5 ft²"));
    QTest::keyClick(b, Qt::Key_Return);
    QTRY_VERIFY(m_window->warning() && m_window->warning()->isVisible());
    QCOMPARE(m_window->warning()->text(), QStringLiteral("Height b: ft² measures an area; this value is a length."));
    QCOMPARE(area->text(), QStringLiteral("126.00"));
    m_window->warning()->close();
}

// Exact Form from the Geometry menu: the open annulus's answers gain their
// forms after the decimals, drawn, heard and in every working, while the
// label's text, and so Ctrl+C, stays the decimal; no calculation of its own.
void TestWorking::exactFormsAreDrawnAfterTheDecimal()
{
    QFile::remove(storeName());
    closeProgram();
    startActiveProgram();
    QAction *form = m_program->menuItem(QStringLiteral("mnuExactForm"));
    QVERIFY(form && form->isCheckable() && !form->isChecked());
    QVERIFY(open(QStringLiteral("mnuGeometryItem(6)"))); // annulus: (r2 + r1) × π × (r2 − r1)
    calculateWith({QStringLiteral("1"), QStringLiteral("2")});
    auto *area = control<AnswerLabel>(QStringLiteral("lblAnswer(2)"));
    QCOMPARE(area->text(), QStringLiteral("9.42"));
    QVERIFY(area->drawnAfter().isEmpty());
    QVERIFY(!area->workingText().contains(QStringLiteral("exact")));
    const QImage plain = area->grab().toImage();

    QSignalSpy calculated(m_window, &FigureWindow::calculated);
    form->trigger();
    QVERIFY(exactForms());
    QCOMPARE(area->text(), QStringLiteral("9.42"));
    QCOMPARE(area->drawnAfter(), QStringLiteral("  3π"));
    const QRect drawn = area->unitRect();
    QVERIFY(area->rect().contains(drawn)
            && drawn.width() >= area->fontMetrics().horizontalAdvance(QStringLiteral(" 3π")));
    QVERIFY(area->grab().toImage().copy(drawn) != plain.copy(drawn)); // inked where it is said to be
    // Worked with 3.14, the decimal is no value of 3π: never joined to it by "=".
    QVERIFY2(area->workingText().endsWith(QStringLiteral(" = 9.42 (exact: 3π)")), qPrintable(area->workingText()));
    QCOMPARE(QAccessible::queryAccessibleInterface(area)->text(QAccessible::Name), QStringLiteral("Area 9.42, 3 pi"));
    // A form that is the number shown stays in the working alone.
    auto *outer = control<AnswerLabel>(QStringLiteral("lblAnswer(1)"));
    QVERIFY2(outer->drawnAfter().isEmpty() && outer->workingText().endsWith(QStringLiteral("(given; exact: 2)")),
             qPrintable(outer->workingText()));
    area->setFocus(Qt::TabFocusReason);
    QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("9.42"));
    QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY2(QApplication::clipboard()->text().contains(QStringLiteral(" = 9.42 (exact: 3π)")),
             qPrintable(QApplication::clipboard()->text()));

    // Exact Constants: the decimal is the form's value, rounded once.
    m_program->menuItem(QStringLiteral("mnuExactConstants"))->trigger();
    QCOMPARE(area->text(), QStringLiteral("9.425"));
    QCOMPARE(area->drawnAfter(), QStringLiteral("  3π"));
    m_program->menuItem(QStringLiteral("mnuExactConstants"))->trigger();
    // A typed decimal is exact too.
    auto *inner = control<ValueField>(QStringLiteral("txtGivenValue(0)"));
    inner->setFocus();
    QTest::keyClick(inner, Qt::Key_A, Qt::ControlModifier);
    calculateWith({QStringLiteral("1.5")});
    QCOMPARE(area->drawnAfter(), QStringLiteral("  7π/4"));
    QCOMPARE(calculated.count(), 1); // the CALCULATE, never the menu's choices

    // Kept for the next run; off, nothing is drawn or said.
    closeProgram();
    startActiveProgram();
    QVERIFY(m_program->menuItem(QStringLiteral("mnuExactForm"))->isChecked());
    m_program->menuItem(QStringLiteral("mnuExactForm"))->trigger();
    QVERIFY(open(QStringLiteral("mnuGeometryItem(6)")));
    calculateWith({QStringLiteral("1"), QStringLiteral("2")});
    area = control<AnswerLabel>(QStringLiteral("lblAnswer(2)"));
    QVERIFY(area->drawnAfter().isEmpty());
    QCOMPARE(QAccessible::queryAccessibleInterface(area)->text(QAccessible::Name), QStringLiteral("Area 9.42"));
}

QTEST_MAIN(TestWorking)
#include "tst_working.moc"
