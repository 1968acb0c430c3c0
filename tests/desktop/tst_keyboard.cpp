#include "everywindow.h"

#include "controls/answerlabel.h"
#include "controls/globalsubs.h"
#include "shell/catalogue.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

using namespace Zyntra;

namespace {

using KeyList = QList<int>;

QWidget *focused()
{
    return QApplication::focusWidget();
}

// Whether the desktop the test runs on writes decimals with a comma.
bool commaDesktop()
{
    return QLocale::system().decimalPoint() == QStringLiteral(",");
}

// Presses Tab from the focused control until the focus comes back, and
// gives the controls it stopped at.
QStringList tabStops()
{
    QWidget *start = focused();
    if (!start)
        return {QStringLiteral("nothing has the focus")};
    QStringList stops{start->objectName()};
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        if (focused() == start)
            return stops;
        stops << (focused() ? focused()->objectName() : QStringLiteral("nothing"));
    }
    return stops << QStringLiteral("the focus never came back");
}

QStringList named(const QString &array, int first, int last)
{
    QStringList names;
    for (int i = first; i <= last; ++i)
        names << arrayName(array, i);
    return names;
}

} // namespace

class TestKeyboard : public QObject, private WindowView<FigureWindow> {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { closeProgram(); }

    void menusOpenWithTheirMnemonics_data();
    void menusOpenWithTheirMnemonics();
    void arrowsAndReturnChooseAFigureCommand_data();
    void arrowsAndReturnChooseAFigureCommand();
    void tabFollowsTheReadingOrder_data();
    void tabFollowsTheReadingOrder();
    void tabReachesTheTriangleAnswersOnTheDrawing();
    void spacePressesTheFocusedButton_data();
    void spacePressesTheFocusedButton();
    void spaceChoosesTheFocusedOption_data();
    void spaceChoosesTheFocusedOption();
    void enterInAValueFieldCalculates_data();
    void enterInAValueFieldCalculates();
    void enterWithABadValueWarns();
    void mendedValueClosesTheWarning_data();
    void mendedValueClosesTheWarning();
    void answersAreTabStopsWhileTheyShowAValue_data();
    void answersAreTabStopsWhileTheyShowAValue();
    void keysThatTypeNoAcceptedCharacterChangeNothing_data() { addFigureRows(); }
    void keysThatTypeNoAcceptedCharacterChangeNothing();
    void keypadDecimalKeyTypesAFullStop_data();
    void keypadDecimalKeyTypesAFullStop();
    void commaIsReadAsTheDesktopWritesIt_data();
    void commaIsReadAsTheDesktopWritesIt();
};

void TestKeyboard::init()
{
    startActiveProgram();
}

void TestKeyboard::menusOpenWithTheirMnemonics_data()
{
    QTest::addColumn<int>("letter");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("firstItem");
    QTest::newRow("Alt+F") << int(Qt::Key_F) << "mnuFile"
                           << "Exit";
    QTest::newRow("Alt+G") << int(Qt::Key_G) << "mnuGeometry"
                           << "2D Objects";
    QTest::newRow("Alt+V") << int(Qt::Key_V) << "mnuView"
                           << "Theme";
    QTest::newRow("Alt+H") << int(Qt::Key_H) << "mnuHelp"
                           << "About";
}

void TestKeyboard::menusOpenWithTheirMnemonics()
{
    QFETCH(int, letter);
    QFETCH(QString, menu);
    QFETCH(QString, firstItem);
    QMenu *popup = m_program->main()->findChild<QMenu *>(menu);
    QVERIFY(popup);
    QVERIFY(!popup->isVisible());
    QTest::keyClick(m_program->main(), Qt::Key(letter), Qt::AltModifier);
    QVERIFY(popup->isVisible());
    QCOMPARE(QApplication::activePopupWidget(), popup);
    // Opened from the keyboard, the menu's first item is ready for the arrows.
    QVERIFY(popup->activeAction());
    QCOMPARE(popup->activeAction()->text().remove(QLatin1Char('&')), firstItem);
    QTest::keyClick(popup, Qt::Key_Escape);
    QVERIFY(!popup->isVisible());
}

void TestKeyboard::arrowsAndReturnChooseAFigureCommand_data()
{
    QTest::addColumn<KeyList>("keys");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("squareMode");
    QTest::addColumn<int>("circleMode");
    const int down = Qt::Key_Down;
    const int right = Qt::Key_Right;
    QTest::newRow("2D Objects > Circle") << KeyList{right} << "frmCircle" << -1 << 0;
    QTest::newRow("2D Objects > Trapezoid") << KeyList{right, down, down, down, down} << "frmSquare" << 2 << -1;
    // Up from the first item wraps to the menu's last, whichever figure the catalogue ends it with.
    const FigureEntry &last = *figureMenu(FigureMenu::Plane).back();
    QTest::newRow(qPrintable(QStringLiteral("2D Objects > %1, going up").arg(QString::fromLatin1(last.caption))))
        << KeyList{right, Qt::Key_Up} << (last.modeVariable == &intCircleMode ? "frmCircle" : "frmSquare")
        << (last.modeVariable == &intSquareMode ? int(last.mode) : -1)
        << (last.modeVariable == &intCircleMode ? int(last.mode) : -1);
    QTest::newRow("3D Objects > Sphere") << KeyList{down, right} << "frmSphere" << -1 << -1;
    QTest::newRow("3D Objects > Circular Ring")
        << KeyList{down, right, down, down, down, down, down, down} << "frmSquare" << 12 << -1;
}

void TestKeyboard::arrowsAndReturnChooseAFigureCommand()
{
    QFETCH(KeyList, keys);
    QFETCH(QString, window);
    QFETCH(int, squareMode);
    QFETCH(int, circleMode);
    intSquareMode = -1;
    intCircleMode = -1;
    QTest::keyClick(m_program->main(), Qt::Key_G, Qt::AltModifier);
    for (int key : keys) {
        QWidget *popup = QApplication::activePopupWidget();
        QVERIFY(popup);
        QTest::keyClick(popup, Qt::Key(key));
    }
    QVERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    QVERIFY(!QApplication::activePopupWidget());
    const auto windows = m_program->figureWindows();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows.first()->objectName(), window);
    QCOMPARE(int(intSquareMode), squareMode);
    QCOMPARE(int(intCircleMode), circleMode);
}

void TestKeyboard::tabFollowsTheReadingOrder_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("stops");
    const QStringList buttons{"cmdCalculate", "cmdClear"};
    const QStringList field = named("txtGivenValue", 0, 0);
    // A fresh window starts in its first value field; its empty answers are no stops.
    QTest::newRow("rectangle") << "mnuGeometryItem(2)"
                               << "" << named("txtGivenValue", 0, 1) + buttons + QStringList{"optGivenrect(0)"};
    QTest::newRow("parallelogram a/h") << "mnuGeometryItem(3)"
                                       << "optGivenrect(1)"
                                       << QStringList{"optGivenrect(1)"} + named("txtGivenValue", 0, 1) + buttons;
    QTest::newRow("trapezium") << "mnuGeometryItem(7)"
                               << "" << named("txtGivenValue", 0, 4) + buttons + QStringList{"optGivenrect(0)"};
    QTest::newRow("right pyramid") << "mnu3dGeometryItem(5)"
                                   << "" << named("txtGivenValue", 0, 3) + buttons + QStringList{"optGivenrect(0)"};
    QTest::newRow("circle") << "mnuGeometryItem(0)"
                            << "" << field + buttons + QStringList{"optGivencircle(0)"};
    QTest::newRow("circle by area") << "mnuGeometryItem(0)"
                                    << "optGivencircle(3)" << QStringList{"optGivencircle(3)"} + field + buttons;
    QTest::newRow("hollow sector") << "mnuGeometryItem(10)"
                                   << "optGivencircle(2)"
                                   << QStringList{"optGivencircle(2)"} + named("txtGivenValue", 0, 2) + buttons;
    QTest::newRow("ellipse") << "mnuGeometryItem(11)"
                             << "" << named("txtGivenValue", 0, 1) + buttons + QStringList{"optGivencircle(0)"};
    QTest::newRow("sphere") << "mnu3dGeometryItem(0)"
                            << "" << QStringList{"txtGivenValue"} + buttons + QStringList{"optGivensphere(0)"};
    QTest::newRow("polygon") << "mnuGeometryItem(9)"
                             << "" << QStringList{"txtGivenValue"} + buttons;
    QTest::newRow("right triangle") << "mnuGeometryItem(1)"
                                    << "" << named("txtInput", 0, 4) + buttons;
}

void TestKeyboard::tabFollowsTheReadingOrder()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, option);
    QFETCH(QStringList, stops);
    FigureWindow *window = open(menuItem);
    QVERIFY(window);
    if (!option.isEmpty()) {
        QRadioButton *chosen = control<QRadioButton>(option);
        QVERIFY(chosen);
        clickOption(chosen);
        QVERIFY(chosen->isChecked());
    }
    QCOMPARE(tabStops(), stops);
    // Shift+Tab goes back the same way.
    QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focused()->objectName(), stops.last());
}

void TestKeyboard::tabReachesTheTriangleAnswersOnTheDrawing()
{
    FigureWindow *window = open(QStringLiteral("mnuGeometryItem(1)"));
    QVERIFY(window);
    QCOMPARE(focused()->objectName(), QStringLiteral("txtInput(0)"));
    QTest::keyClicks(focused(), QStringLiteral("3"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClicks(focused(), QStringLiteral("4"));
    QTest::keyClick(focused(), Qt::Key_Return);
    QCOMPARE(control<QLabel>(QStringLiteral("lblanswer(2)"))->text(), QStringLiteral("5.0"));
    // The three empty fields are locked; the values on the drawing are read top to bottom.
    QCOMPARE(tabStops(), (QStringList{"txtInput(1)", "cmdCalculate", "cmdClear", "lblanswer(2)", "lblanswer(4)",
                                      "lblanswer(0)", "lblanswer(3)", "lblanswer(1)", "txtInput(0)"}));
}

void TestKeyboard::spacePressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expected");
    QTest::newRow("equilateral triangle") << "mnuGeometryItem(8)"
                                          << "2"
                                          << "lblAnswer(0)"
                                          << "2.00";
    QTest::newRow("circle") << "mnuGeometryItem(0)"
                            << "5"
                            << "lblAnswer(3)"
                            << "78.54";
    QTest::newRow("sphere") << "mnu3dGeometryItem(0)"
                            << "2.5"
                            << "lblVolume"
                            << "65.45";
    QTest::newRow("polygon") << "mnuGeometryItem(9)"
                             << "2"
                             << "lblAnswer(9)"
                             << "44.784";
}

void TestKeyboard::spacePressesTheFocusedButton()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, keys);
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    FigureWindow *window = open(menuItem);
    QVERIFY(window);
    QLineEdit *field = window->findChildren<QLineEdit *>().first();
    QTest::keyClicks(field, keys);
    QPushButton *calculate = control<QPushButton>(QStringLiteral("cmdCalculate"));
    while (focused() != calculate && focused())
        QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClick(calculate, Qt::Key_Space);
    QCOMPARE(control<QLabel>(answer)->text(), expected);

    QTest::keyClick(calculate, Qt::Key_Tab);
    QCOMPARE(focused()->objectName(), QStringLiteral("cmdClear"));
    QTest::keyClick(focused(), Qt::Key_Space);
    QCOMPARE(control<QLabel>(answer)->text(), QString());
    QCOMPARE(field->text(), QString());
}

void TestKeyboard::spaceChoosesTheFocusedOption_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("captionText");
    QTest::newRow("rectangle b/Area") << "mnuGeometryItem(2)"
                                      << "optGivenrect(2)"
                                      << "lblGivenValue(0)"
                                      << "b = ";
    QTest::newRow("circle diameter") << "mnuGeometryItem(0)"
                                     << "optGivencircle(1)"
                                     << "lblGivenValue(0)"
                                     << "Diameter = ";
    QTest::newRow("sphere volume") << "mnu3dGeometryItem(0)"
                                   << "optGivensphere(4)"
                                   << "lblGivenValue"
                                   << "Volume =";
}

void TestKeyboard::spaceChoosesTheFocusedOption()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, option);
    QFETCH(QString, caption);
    QFETCH(QString, captionText);
    FigureWindow *window = open(menuItem);
    QVERIFY(window);
    QLineEdit *field = window->findChildren<QLineEdit *>().first();
    QTest::keyClicks(field, QStringLiteral("7"));
    QRadioButton *chosen = control<QRadioButton>(option);
    chosen->setFocus(Qt::TabFocusReason);
    QVERIFY(!chosen->isChecked());
    QTest::keyClick(chosen, Qt::Key_Space);
    QVERIFY(chosen->isChecked());
    QCOMPARE(control<QLabel>(caption)->text(), captionText);
    QCOMPARE(field->text(), QString());
}

void TestKeyboard::enterInAValueFieldCalculates_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("enter");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expected");
    const int ret = Qt::Key_Return;
    const int pad = Qt::Key_Enter;
    QTest::newRow("rectangle, Return") << "mnuGeometryItem(2)" << QStringList{"3", "4"} << ret << "lblAnswer(2)"
                                       << "12.00";
    QTest::newRow("rectangle, keypad Enter") << "mnuGeometryItem(2)" << QStringList{"3", "4"} << pad << "lblAnswer(4)"
                                             << "5.00";
    QTest::newRow("trapezoid") << "mnuGeometryItem(4)" << QStringList{"10", "6", "4"} << ret << "lblAnswer(3)"
                               << "32.00";
    QTest::newRow("circle, keypad Enter") << "mnuGeometryItem(0)" << QStringList{"5"} << pad << "lblAnswer(2)"
                                          << "31.42";
    QTest::newRow("sphere") << "mnu3dGeometryItem(0)" << QStringList{"2.5"} << ret << "lblArea"
                            << "78.54";
    QTest::newRow("polygon, keypad Enter") << "mnuGeometryItem(9)" << QStringList{"2"} << pad << "lblAnswer(1)"
                                           << "4.00";
    QTest::newRow("right triangle") << "mnuGeometryItem(1)" << QStringList{"3", "4"} << ret << "lblanswer(4)"
                                    << "53.11";
    QTest::newRow("any triangle, second triangle shown")
        << "mnuGeometryItem(12)" << QStringList{"3", "4", "", "36.87"} << ret << "lblanswer(15)"
        << "1.40";
}

// Enter reaches the field as before (it finishes the editing there) and
// then runs the calculation, from whichever field has the focus.
void TestKeyboard::enterInAValueFieldCalculates()
{
    QFETCH(QString, menuItem);
    QFETCH(QStringList, keys);
    QFETCH(int, enter);
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    FigureWindow *window = open(menuItem);
    QVERIFY(window);
    // From the option the window opens on, Tab goes to the first field.
    if (qobject_cast<QRadioButton *>(focused()))
        QTest::keyClick(focused(), Qt::Key_Tab);
    QLineEdit *field = nullptr;
    for (const QString &text : keys) {
        field = qobject_cast<QLineEdit *>(focused());
        QVERIFY2(field, "the focus is not in a value field");
        QTest::keyClicks(field, text);
        if (&text != &keys.last())
            QTest::keyClick(field, Qt::Key_Tab);
    }
    QLabel *shown = control<QLabel>(answer);
    QVERIFY(shown->text() != expected);
    QSignalSpy finished(field, &QLineEdit::editingFinished);
    QTest::keyClick(field, Qt::Key(enter), enter == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(shown->text(), expected);
    QVERIFY(shown->isVisible());
    QCOMPARE(focused(), field);
    QCOMPARE(field->text(), keys.last());
}

void TestKeyboard::enterWithABadValueWarns()
{
    FigureWindow *window = open(QStringLiteral("mnuGeometryItem(9)"));
    QVERIFY(window);
    QLineEdit *side = control<QLineEdit>(QStringLiteral("txtGivenValue"));
    QTest::keyClicks(side, QStringLiteral("1.2.3"));
    QTest::keyClick(side, Qt::Key_Return);
    QVERIFY(window->warning());
    QVERIFY(window->warning()->isVisible());
    QCOMPARE(side->text(), QStringLiteral("1.2.3"));
    QCOMPARE(control<QLabel>(QStringLiteral("lblAnswer(0)"))->text(), QString());
}

void TestKeyboard::mendedValueClosesTheWarning_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("mended"); // the field given a bad value, then a good one
    QTest::addColumn<QString>("given");  // another field the figure needs, or none
    QTest::newRow("circle") << "mnuGeometryItem(0)"
                            << "txtGivenValue(0)"
                            << "";
    QTest::newRow("right triangle") << "mnuGeometryItem(1)"
                                    << "txtInput(0)"
                                    << "txtInput(1)";
    QTest::newRow("rectangle") << "mnuGeometryItem(2)"
                               << "txtGivenValue(0)"
                               << "txtGivenValue(1)";
    QTest::newRow("regular polygon") << "mnuGeometryItem(9)"
                                     << "txtGivenValue"
                                     << "";
    QTest::newRow("sphere") << "mnu3dGeometryItem(0)"
                            << "txtGivenValue"
                            << "";
    QTest::newRow("cube") << "mnu3dGeometryItem(1)"
                          << "txtGivenValue(0)"
                          << "";
}

void TestKeyboard::mendedValueClosesTheWarning()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, mended);
    QFETCH(QString, given);
    FigureWindow *window = open(menuItem);
    QVERIFY(window);
    if (!given.isEmpty())
        QTest::keyClicks(control<QLineEdit>(given), QStringLiteral("3"));
    QLineEdit *field = control<QLineEdit>(mended);
    QPushButton *calculate = control<QPushButton>(QStringLiteral("cmdCalculate"));
    QTest::keyClicks(field, QStringLiteral("1..2"));
    QTest::mouseClick(calculate, Qt::LeftButton);
    const QPointer<QMessageBox> warning = window->warning();
    QVERIFY(warning && warning->isVisible());

    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("12"));
    QTest::mouseClick(calculate, Qt::LeftButton);
    QVERIFY(!window->warning());
    QTRY_VERIFY(!warning);
}

void TestKeyboard::answersAreTabStopsWhileTheyShowAValue_data()
{
    QTest::addColumn<QString>("menuItem");
    for (const QString &item : everyFigureCommand())
        QTest::newRow(qPrintable(item)) << item;
}

// In every window, round after round: an answer that shows a value is a Tab
// stop, an empty one is not, whether it has had the focus or not.
void TestKeyboard::answersAreTabStopsWhileTheyShowAValue()
{
    QFETCH(QString, menuItem);
    FigureWindow *window = open(menuItem);
    QVERIFY(window);
    const auto check = [&](const char *when) {
        QStringList expected;
        for (AnswerLabel *answer : window->findChildren<AnswerLabel *>())
            if (answer->isVisible() && !answer->text().isEmpty())
                expected << answer->objectName();
        const QStringList stops = tabStops();
        QStringList answerStops;
        for (const QString &stop : stops)
            if (expected.contains(stop) || stop.startsWith(QLatin1String("lbl")))
                answerStops << stop;
        std::ranges::sort(expected);
        std::ranges::sort(answerStops);
        QVERIFY2(answerStops == expected,
                 qPrintable(QStringLiteral("%1: %2 against %3")
                                .arg(QLatin1String(when), answerStops.join(u','), expected.join(u','))));
    };
    QPushButton *calculate = control<QPushButton>(QStringLiteral("cmdCalculate"));
    QPushButton *clear = control<QPushButton>(QStringLiteral("cmdClear"));
    check("fresh");
    for (int round = 0; round < 2; ++round) {
        for (QLineEdit *field : window->findChildren<QLineEdit *>())
            if (field->isVisible() && field->isEnabled() && field->text().isEmpty())
                QTest::keyClicks(field, QStringLiteral("2"));
        QTest::mouseClick(calculate, Qt::LeftButton);
        check("calculated");
        // An answer that has had the focus stays a stop.
        for (AnswerLabel *answer : window->findChildren<AnswerLabel *>())
            if (answer->isVisible() && !answer->text().isEmpty())
                QTest::mouseClick(answer, Qt::LeftButton);
        check("clicked");
        QTest::mouseClick(calculate, Qt::LeftButton);
        check("calculated again");
        QTest::mouseClick(clear, Qt::LeftButton);
        check("cleared");
    }
}

// In every value field of every layout of every figure, a key that types no
// character the field takes changes neither its text nor where the caret is,
// and the window stays open.
void TestKeyboard::keysThatTypeNoAcceptedCharacterChangeNothing()
{
    QFETCH(QString, id);
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers = {};
    };
    // On a comma desktop the comma is the decimal point; elsewhere it is dropped.
    QList<Key> refused{{Qt::Key_A},     {Qt::Key_E},     {Qt::Key_E, Qt::ShiftModifier},
                       {Qt::Key_Space}, {Qt::Key_Minus}, {Qt::Key_Plus, Qt::ShiftModifier},
                       {Qt::Key_Escape}};
    if (!commaDesktop())
        refused.append(Key{Qt::Key_Comma});
    forEachLayout(*m_program, menuItemName(*figureById(id)), [&refused](FigureWindow *window, const QString &where) {
        int tried = 0;
        for (ValueField *field : byIndex<ValueField>(window)) {
            if (!field->isVisible() || !field->isEnabled())
                continue;
            ++tried;
            field->clear();
            QTest::keyClicks(field, QStringLiteral("12"));
            QTest::keyClick(field, Qt::Key_Left);
            for (const Key &key : refused)
                QTest::keyClick(field, key.key, key.modifiers);
            const QString seen = where + QLatin1Char(' ') + field->objectName();
            QVERIFY2(field->text() == QLatin1String("12") && field->cursorPosition() == 1, qPrintable(seen));
            QVERIFY2(window->isVisible(), qPrintable(seen));
        }
        QVERIFY2(tried > 0, qPrintable(where));
    });
}

void TestKeyboard::keypadDecimalKeyTypesAFullStop_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected");
    const int keypad = Qt::KeypadModifier;
    QTest::newRow("keypad comma (German layout)") << int(Qt::Key_Comma) << "," << keypad << "2.5";
    QTest::newRow("keypad full stop") << int(Qt::Key_Period) << "." << keypad << "2.5";
    QTest::newRow("keypad decimal typing a comma") << int(Qt::Key_Period) << "," << keypad << "2.5";
    // Where the comma groups thousands it is dropped; where it is the decimal separator it is one.
    QTest::newRow("main keyboard comma") << int(Qt::Key_Comma) << "," << 0 << (commaDesktop() ? "2.5" : "25");
}

void TestKeyboard::keypadDecimalKeyTypesAFullStop()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);
    FigureWindow *window = open(QStringLiteral("mnuGeometryItem(9)"));
    QVERIFY(window);
    QLineEdit *side = control<QLineEdit>(QStringLiteral("txtGivenValue"));
    QCOMPARE(focused(), side);
    QTest::keyClick(side, Qt::Key_2, Qt::KeypadModifier);
    QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QApplication::sendEvent(side, &press);
    QTest::keyClick(side, Qt::Key_5, Qt::KeypadModifier);
    QCOMPARE(side->text(), expected);
    QTest::keyClick(side, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(control<QLabel>(QStringLiteral("lblAnswer(1)"))->text(),
             expected == QLatin1String("2.5") ? QStringLiteral("6.25") : QStringLiteral("625.00"));
}

void TestKeyboard::commaIsReadAsTheDesktopWritesIt_data()
{
    QTest::addColumn<QString>("way"); // typed, composed (an input method) or pasted
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("area"); // a × 4, or empty for a warning
    const bool comma = commaDesktop();
    QTest::newRow("typed 2,5") << "typed"
                               << "2,5" << (comma ? "10.00" : "100.00");
    QTest::newRow("composed 2,5") << "composed"
                                  << "2,5" << (comma ? "10.00" : "100.00");
    QTest::newRow("typed 1,000") << "typed"
                                 << "1,000" << (comma ? "4.00" : "4000.00");
    QTest::newRow("pasted 2,5") << "pasted"
                                << "2,5" << (comma ? "10.00" : "");
    for (const char *grouped : {"1.234,5", "1,234.5", "2,5,1"})
        QTest::newRow(grouped) << "pasted" << grouped << "";
}

// Rectangle's a from 3 to the text, b 4: the answers of the number the
// desktop means, or a warning that says what it reads and changes nothing.
void TestKeyboard::commaIsReadAsTheDesktopWritesIt()
{
    QFETCH(QString, way);
    QFETCH(QString, text);
    QFETCH(QString, area);
    QCOMPARE(decimalComma(), commaDesktop());
    FigureWindow *window = open(QStringLiteral("mnuGeometryItem(2)"));
    QVERIFY(window);
    QLineEdit *a = control<QLineEdit>(QStringLiteral("txtGivenValue(0)"));
    QTest::keyClicks(a, QStringLiteral("3"));
    QTest::keyClicks(control<QLineEdit>(QStringLiteral("txtGivenValue(1)")), QStringLiteral("4"));
    calculate();
    a->selectAll();
    QInputMethodEvent composed;
    composed.setCommitString(text);
    if (way == QLatin1String("pasted")) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(a, Qt::Key_V, Qt::ControlModifier);
    } else if (way == QLatin1String("composed")) {
        QApplication::sendEvent(a, &composed);
    } else {
        QTest::keyClicks(a, text);
    }
    calculate();
    // Keys type the full stop for the comma, or nothing; a paste is as pasted.
    QCOMPARE(a->text(), way == QLatin1String("pasted") ? text : QString(text).replace(u',', commaDesktop() ? "." : ""));
    QCOMPARE(control<QLabel>(QStringLiteral("lblAnswer(2)"))->text(), area.isEmpty() ? QStringLiteral("12.00") : area);
    QCOMPARE(window->warning() != nullptr, area.isEmpty());
    if (window->warning())
        QVERIFY(
            window->warning()->text().contains(commaDesktop() ? "one decimal comma or full stop" : "one full stop"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
