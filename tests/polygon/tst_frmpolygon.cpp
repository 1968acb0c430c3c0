#include "shell/windowview.h"

#include "controls/picture.h"
#include "polygon/frmpolygon.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSvgRenderer>

using namespace Zyntra;

class TestFrmPolygon : public QObject, private WindowView<frmPolygon> {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensWithItsDesignState();
    void tableHasItsCaptions();
    void calculateFillsTheTenAreas_data();
    void calculateFillsTheTenAreas();
    void editingKeysReachTheField();
    void badSideWarnsAndLeavesEveryCell_data();
    void badSideWarnsAndLeavesEveryCell();
    void millionCharacterPasteWarnsAndWritesNothing();
    void everyWayInRefusesATooLongPasteWhole_data();
    void everyWayInRefusesATooLongPasteWhole();
    void clearEmptiesCellsAndFieldButKeepsHeader();
    void buttonsDoNotMoveTheFocus();
    void controlsHaveNamesAScreenReaderSpeaks();

private:
    QLineEdit *side() const { return control<QLineEdit>(QStringLiteral("txtGivenValue")); }
    QLabel *cell(int i) const { return control<QLabel>(QStringLiteral("lblAnswer"), i); }
    QStringList cells() const
    {
        QStringList texts;
        for (int i = 0; i < 10; ++i)
            texts << cell(i)->text();
        return texts;
    }
    void typeSide(const QString &keys)
    {
        side()->setFocus();
        QTest::keyClicks(side(), keys);
    }
    enum Way { CtrlV, ShiftInsert, ContextMenu, Drop, MiddleClick };
    // Pastes into the side field, at its end for the ways that point; false
    // only for an ignored drop, whose source then keeps its text.
    bool pasteBy(int way, const QString &text);
};

void TestFrmPolygon::init()
{
    startProgram();
    QVERIFY(open(QStringLiteral("mnuGeometryItem(9)")));
}

void TestFrmPolygon::cleanup()
{
    closeProgram();
}

void TestFrmPolygon::opensWithItsDesignState()
{
    QCOMPARE(intCurrentForm, FormCode::Polygon);
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("lblHeading"))->text(),
             QStringLiteral("Polygon Calculations"));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("lblHeading"))->font().pointSizeF(), 13.5);
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("lblGivenValue"))->text(), QStringLiteral("a ="));
    QVERIFY(side()->text().isEmpty());
    QCOMPARE(cells(), QStringList(10));
    QCOMPARE(button("cmdCalculate")->text(), QStringLiteral("CALCULATE"));
    QCOMPARE(button("cmdClear")->text(), QStringLiteral("CLEAR"));
    QCOMPARE(side()->geometry(), QRect(8, 40, 89, 19));
    QCOMPARE(m_window->findChild<QGroupBox *>(QStringLiteral("fraSphereResults"))->geometry(),
             QRect(24, 240, 297, 217));
    auto *picture = m_window->findChild<Picture *>(QStringLiteral("Picture1"));
    QVERIFY(picture && picture->renderer()->isValid());
    QCOMPARE(picture->geometry(), QRect(184, 32, 265, 193));
    QCOMPARE(cell(3)->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(cell(3)->palette().color(QPalette::Window), QColor(Qt::black));
}

void TestFrmPolygon::tableHasItsCaptions()
{
    QStringList names;
    QStringList sides;
    for (int row = 0; row < 10; ++row) {
        names << m_window->findChild<QLabel *>(arrayName(QStringLiteral("lblResult"), 2 + 2 * row))->text();
        sides << m_window->findChild<QLabel *>(arrayName(QStringLiteral("lblResult"), 3 + 2 * row))->text();
    }
    QCOMPARE(names, (QStringList{"Eq. Triangle", "Square", "Pentagon", "Hexagon", "Heptagon", "Octagon", "Nonagon",
                                 "Decagon", "Undecagon", "Dodecagon"}));
    QCOMPARE(sides, (QStringList{"3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("lblResult(0)"))->text(), QStringLiteral("Polygon"));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("lblResult(1)"))->text(), QStringLiteral("No. of Sides"));
    QCOMPARE(cell(10)->text(), QStringLiteral("Area"));
}

void TestFrmPolygon::calculateFillsTheTenAreas_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("a = 2") << "2" << QStringList{"1.732",  "4.00",   "6.882",  "10.392", "14.536",
                                                 "19.314", "24.727", "30.777", "37.462", "44.784"};
    QTest::newRow("a = 0") << "0" << QStringList(10, QStringLiteral(".00"));
    QTest::newRow("letters and signs are dropped while typing")
        << "-a1 ,e"
        << QStringList{".433", "1.00", "1.721", "2.598", "3.634", "4.828", "6.182", "7.694", "9.366", "11.196"};
}

void TestFrmPolygon::calculateFillsTheTenAreas()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, expected);
    typeSide(keys);
    calculate();
    QCOMPARE(cells(), expected);
    calculate();
    QCOMPARE(cells(), expected);
    QVERIFY(!m_window->warning());
}

void TestFrmPolygon::editingKeysReachTheField()
{
    typeSide(QStringLiteral("1.2.3"));
    QCOMPARE(side()->text(), QStringLiteral("1.2.3"));
    QTest::keyClick(side(), Qt::Key_Backspace);
    QTest::keyClick(side(), Qt::Key_Home);
    QTest::keyClick(side(), Qt::Key_Delete);
    QCOMPARE(side()->text(), QStringLiteral(".2."));
    QTest::keyClick(side(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(side(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(side()->text(), QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(side(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(side()->text(), QStringLiteral("abc")); // pasted text is not filtered
    QTest::keyClick(side(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(side(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("abc"));
}

void TestFrmPolygon::badSideWarnsAndLeavesEveryCell_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("warning");
    QTest::newRow("1.2.3") << "1.2.3"
                           << "Side a: \"1.2.3\" is not a number.";
    QTest::newRow("empty") << ""
                           << "Side a is empty.";
    QTest::newRow("blanks") << "   "
                            << "is not a number";
    QTest::newRow("square overflows") << "1" + QString(200, u'0') << "too large";
}

void TestFrmPolygon::badSideWarnsAndLeavesEveryCell()
{
    QFETCH(QString, pasted);
    QFETCH(QString, warning);
    typeSide(QStringLiteral("2"));
    calculate();
    const QStringList before = cells();

    side()->selectAll();
    QGuiApplication::clipboard()->setText(pasted);
    if (pasted.isEmpty())
        QTest::keyClick(side(), Qt::Key_Backspace);
    else
        QTest::keyClick(side(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(side()->text(), pasted);
    calculate();

    QCOMPARE(cells(), before);
    QCOMPARE(side()->text(), pasted);
    QVERIFY(m_window->warning());
    QVERIFY(m_window->warning()->isVisible());
    QVERIFY2(m_window->warning()->text().contains(warning), qPrintable(m_window->warning()->text()));
    QVERIFY(!m_window->warning()->isModal());
    m_window->warning()->accept();
    QTRY_COMPARE(QApplication::focusWidget(), side());
}

void TestFrmPolygon::millionCharacterPasteWarnsAndWritesNothing()
{
    typeSide(QStringLiteral("3"));
    QTest::mouseClick(button("cmdCalculate"), Qt::LeftButton);
    const QStringList answers = cells();
    QGuiApplication::clipboard()->setText(QString(1'000'000, u'9') + QStringLiteral(".."));
    QTest::keyClick(side(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(side()->text(), QStringLiteral("3")); // refused whole
    QVERIFY(m_window->warning() && m_window->warning()->isVisible());
    QVERIFY(m_window->warning()->text().contains(QStringLiteral("1000002 characters long")));
    QVERIFY(m_window->warning()->text().size() < 200);
    QCOMPARE(cells(), answers);
    const QString longest(MaxValueLength, u'9');
    QGuiApplication::clipboard()->setText(longest);
    side()->selectAll();
    QTest::keyClick(side(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(side()->text(), longest);
}

bool TestFrmPolygon::pasteBy(int way, const QString &text)
{
    const QPoint end(side()->width() - 4, side()->height() / 2);
    QGuiApplication::clipboard()->setText(text, way == MiddleClick ? QClipboard::Selection : QClipboard::Clipboard);
    switch (way) {
    case CtrlV:
    case ShiftInsert:
        QTest::keyClick(side(), way == CtrlV ? Qt::Key_V : Qt::Key_Insert,
                        way == CtrlV ? Qt::ControlModifier : Qt::ShiftModifier);
        break;
    case ContextMenu: {
        QContextMenuEvent request(QContextMenuEvent::Mouse, end, side()->mapToGlobal(end));
        QApplication::sendEvent(side(), &request);
        std::unique_ptr<QMenu> menu(side()->findChild<QMenu *>());
        for (QAction *action : menu->actions())
            if (action->text().startsWith(QStringLiteral("&Paste")))
                QTest::mouseClick(menu.get(), Qt::LeftButton, {}, menu->actionGeometry(action).center());
        break;
    }
    case Drop: {
        QMimeData data;
        data.setText(text);
        QDragEnterEvent enter(end, Qt::MoveAction, &data, Qt::LeftButton, {}); // moves the cursor, as a drag does
        QApplication::sendEvent(side(), &enter);
        QDropEvent drop(end, Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(side(), &drop);
        return drop.isAccepted();
    }
    case MiddleClick:
        QTest::mouseClick(side(), Qt::MiddleButton, {}, end);
    }
    return true;
}

void TestFrmPolygon::everyWayInRefusesATooLongPasteWhole_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Ctrl+V") << int(CtrlV);
    QTest::newRow("Shift+Insert") << int(ShiftInsert);
    QTest::newRow("context menu") << int(ContextMenu);
    QTest::newRow("drop") << int(Drop);
    QTest::newRow("middle click") << int(MiddleClick);
}

void TestFrmPolygon::everyWayInRefusesATooLongPasteWhole()
{
    QFETCH(int, way);
    if (way == MiddleClick && !QGuiApplication::clipboard()->supportsSelection())
        QSKIP("this platform has no selection clipboard");
    typeSide(QStringLiteral("12"));
    QTest::keyClick(side(), Qt::Key_Left);
    QCOMPARE(pasteBy(way, QString(MaxValueLength - 1, u'5')), way != Drop); // one too many with "12"
    QCOMPARE(side()->text(), QStringLiteral("12"));
    QCOMPARE(side()->cursorPosition(), 1);
    QVERIFY(m_window->warning() && m_window->warning()->text().contains(QStringLiteral("9999 characters long")));
    QCOMPARE(QApplication::focusWidget(), side());
    QTest::keyClick(side(), Qt::Key_End);
    QVERIFY(pasteBy(way, QString(MaxValueLength - 2, u'5')));
    QCOMPARE(side()->text(), QStringLiteral("12") + QString(MaxValueLength - 2, u'5'));
}

void TestFrmPolygon::clearEmptiesCellsAndFieldButKeepsHeader()
{
    typeSide(QStringLiteral("3"));
    calculate();
    QCOMPARE(cell(1)->text(), QStringLiteral("9.00"));
    QTest::mouseClick(button("cmdClear"), Qt::LeftButton);
    QCOMPARE(cells(), QStringList(10));
    QVERIFY(side()->text().isEmpty());
    QCOMPARE(cell(10)->text(), QStringLiteral("Area"));
    typeSide(QStringLiteral("1"));
    calculate();
    QCOMPARE(cell(0)->text(), QStringLiteral(".433"));
}

void TestFrmPolygon::buttonsDoNotMoveTheFocus()
{
    typeSide(QStringLiteral("2"));
    calculate();
    QCOMPARE(QApplication::focusWidget(), side());
    QTest::mouseClick(button("cmdClear"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), side());
}

void TestFrmPolygon::controlsHaveNamesAScreenReaderSpeaks()
{
    QCOMPARE(side()->accessibleName(), QStringLiteral("Side a"));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("lblGivenValue"))->buddy(), side());
    QCOMPARE(cell(5)->accessibleDescription(), QStringLiteral("Area of Octagon"));
    QVERIFY(cell(5)->accessibleName().isEmpty()); // the shown text is what is read
    typeSide(QStringLiteral("2"));
    calculate();
    QCOMPARE(cell(5)->text(), QStringLiteral("19.314"));
}

QTEST_MAIN(TestFrmPolygon)
#include "tst_frmpolygon.moc"
