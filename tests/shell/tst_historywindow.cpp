#include "windowview.h"

#include "controls/answerlabel.h"
#include "controls/solveeditor.h"
#include "controls/valuefield.h"
#include "entry/numericentry.h"
#include "entry/term.h"
#include "history/historystore.h"
#include "shell/historywindow.h"
#include "shell/usersettings.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

using namespace Zyntra;

class TestHistoryWindow : public QObject, private WindowView<FigureWindow> {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void reopenGivesTheRecordedAnswers_data();
    void reopenGivesTheRecordedAnswers();
    void rowsAreFilteredDeletedCopiedAndExported();
    void exportWritesTheRowsShownUnlessSomeAreChosen();
    void onlyCalculateAndSolveRecordAndTheChoiceStays();
    void pastedCommaValueReopensUnderAnyDesktop();
    void nothingIsRecordedWithKeepHistoryOff();
    void exactFormsAreKeptFoundAndReopened_data();
    void exactFormsAreKeptFoundAndReopened();
    void savedCompositeIsFoundReopenedExportedAndDeleted();

private:
    // Opens the figure, clicks the option and types each text into the field of its index.
    QStringList calculate(const QString &menuItem, int option, const QStringList &texts);
    HistoryWindow *openHistory();
    // Two rectangles, 4 by 3 and 5 by 3, then a sphere; the history window open.
    HistoryWindow *historyOfThree();
    QTableView *table() const { return m_program->main()->historyWindow()->findChild<QTableView *>("tblHistory"); }
    QList<int> chosenRows() const;
    // Clicks Export and saves: the file's lines, and the dialog's title in `title`.
    QStringList exportLines(QString *title = nullptr);
};

namespace {

QStringList answersOf(const FigureWindow *window)
{
    QStringList texts;
    if (const auto values = window ? window->values() : std::nullopt)
        for (const FigureValue &answer : values->answers)
            texts << answer.letter + u'=' + answer.text;
    return texts;
}

} // namespace

void TestHistoryWindow::init()
{
    startActiveProgram();
    HistoryStore &store = m_program->main()->history();
    QVERIFY(store.clear());
    QList<qint64> composites;
    for (const CompositeRecord &composite : store.composites())
        composites << composite.id;
    QVERIFY(store.removeComposites(composites));
}

void TestHistoryWindow::cleanup()
{
    // A reopened calculation keeps its choices; the next test starts from the described ones.
    for (const char *item : {"mnuKeepHistory", "mnuExactConstants", "mnuExactForm"})
        if (m_program->menuItem(item)->isChecked() != (item == std::string_view("mnuKeepHistory")))
            m_program->choose(item);
    m_program->choose("mnuPrecisionAsDescribed");
    m_program->choose("mnuLengthUnit(none)");
    closeProgram();
}

QStringList TestHistoryWindow::calculate(const QString &menuItem, int option, const QStringList &texts)
{
    open(menuItem);
    for (QRadioButton *button : m_window->findChildren<QRadioButton *>())
        if (button->isVisible() && button->objectName().endsWith(QStringLiteral("(%1)").arg(option)))
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    for (ValueField *field : m_window->findChildren<ValueField *>()) {
        const QString name = field->objectName();
        const int index = name.contains(u'(') ? name.section(u'(', 1).chopped(1).toInt() : 0;
        if (field->isVisible() && !texts.value(index).isEmpty())
            QTest::keyClicks(field, texts.value(index));
    }
    WindowView::calculate();
    return answersOf(m_window);
}

HistoryWindow *TestHistoryWindow::historyOfThree()
{
    calculate("mnuGeometryItem(2)", 0, {"4", "3"});
    calculate("mnuGeometryItem(2)", 0, {"5", "3"});
    calculate("mnu3dGeometryItem(0)", 0, {"10"});
    return openHistory();
}

QList<int> TestHistoryWindow::chosenRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : table()->selectionModel()->selectedRows())
        rows << index.row();
    return rows;
}

QStringList TestHistoryWindow::exportLines(QString *title)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath("history.csv");
    QTimer::singleShot(0, [path, title] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (title)
            *title = dialog->windowTitle();
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QTest::mouseClick(m_program->main()->historyWindow()->findChild<QPushButton *>("cmdExport"), Qt::LeftButton);
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)
               : QStringList();
}

HistoryWindow *TestHistoryWindow::openHistory()
{
    activateProgram();
    QTest::keyClick(m_program->main(), Qt::Key_H, Qt::ControlModifier);
    HistoryWindow *history = m_program->main()->historyWindow();
    if (!history || !QTest::qWaitForWindowExposed(history))
        return nullptr;
    // The offscreen desktop may hand the activation back to the main window late.
    QTest::qWait(20);
    history->activateWindow();
    return QTest::qWaitForWindowActive(history) ? history : nullptr;
}

void TestHistoryWindow::reopenGivesTheRecordedAnswers_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("precision");
    QTest::newRow("Rectangle") << "mnuGeometryItem(2)" << 0 << QStringList{"4", "2.5"} << "";
    QTest::newRow("Right Triangle") << "mnuGeometryItem(1)" << 0 << QStringList{"3", "4"} << "";
    QTest::newRow("Sphere by its volume") << "mnu3dGeometryItem(0)" << 4 << QStringList{"100"} << "";
    QTest::newRow("Segment, 4 decimals") << "mnuGeometryItem(10)" << 1 << QStringList{"5", "60"}
                                         << "mnuPrecisionDecimals(4)";
    QTest::newRow("Cylinder, exact") << "mnu3dGeometryItem(3)" << 0 << QStringList{"2", "7"} << "mnuExactConstants";
    QTest::newRow("Cylinder, in cm") << "mnu3dGeometryItem(3)" << 0 << QStringList{"30", "50"} << "mnuLengthUnit(cm)";
    QTest::newRow("Shelf, in ft and in") << "mnuGeometryItem(2)" << 0 << QStringList{"2' 7 3/8\"", "11 1/4 in"}
                                         << "mnuLengthUnit(ft and in)";
}

void TestHistoryWindow::reopenGivesTheRecordedAnswers()
{
    QFETCH(QString, item);
    QFETCH(int, option);
    QFETCH(QStringList, texts);
    QFETCH(QString, precision);
    if (!precision.isEmpty())
        m_program->choose(precision);
    const QStringList answers = calculate(item, option, texts);
    QVERIFY(!answers.isEmpty());
    // The described choices, which record nothing, and another figure,
    // before the first calculation, now the oldest, comes back.
    if (!precision.isEmpty())
        m_program->choose(precision.startsWith("mnuExact")    ? precision
                          : precision.startsWith("mnuLength") ? "mnuLengthUnit(none)"
                                                              : "mnuPrecisionAsDescribed");
    calculate("mnuGeometryItem(9)", 0, {"6"});
    HistoryWindow *history = openHistory();
    QVERIFY(history);
    const int rows = table()->model()->rowCount();
    QCOMPARE(rows, 2);
    QTest::keyClick(history->findChild<QLineEdit *>("txtFilter"), Qt::Key_Tab);
    QTest::keyClick(table(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(table(), Qt::Key_Return);
    QCOMPARE(answersOf(m_program->figureWindows().value(0)), answers);
    // Each value as it was typed, its unit with it.
    const std::optional<FigureValues> values = m_program->figureWindows().value(0)->values();
    QVERIFY(values);
    QStringList reopened;
    for (const FigureValue &given : values->given)
        reopened << given.text;
    QCOMPARE(reopened, texts);
    if (!precision.isEmpty())
        QVERIFY(m_program->menuItem(precision)->isChecked());
    // The reopened calculation is the newest now.
    QCOMPARE(table()->model()->rowCount(), rows + 1);
}

void TestHistoryWindow::rowsAreFilteredDeletedCopiedAndExported()
{
    HistoryWindow *history = historyOfThree();
    QVERIFY(history);
    QCOMPARE(table()->model()->rowCount(), 3);

    auto *filter = history->findChild<QLineEdit *>("txtFilter");
    QTest::keyClicks(filter, "sphere");
    QCOMPARE(table()->model()->rowCount(), 1);
    filter->clear();
    // Every word narrows: the rectangle whose area is 15.
    QTest::keyClicks(filter, "rect 15");
    QCOMPARE(table()->model()->rowCount(), 1);
    filter->clear();

    QTest::keyClick(filter, Qt::Key_Tab);
    QTest::keyClick(table(), Qt::Key_Home, Qt::ControlModifier); // the sphere, newest
    QTest::keyClick(table(), Qt::Key_Space);                     // chosen
    QTest::keyClick(table(), Qt::Key_Delete);
    QCOMPARE(table()->model()->rowCount(), 2);
    QTest::keyClick(table(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text().count("Rectangle"), 2);

    const QStringList lines = exportLines();
    QCOMPARE(lines.size(), 3);
    const QStringList header = lines[0].split(u',');
    const QList<HistoryRecord> records = m_program->main()->history().records(m_program->main()->history().ids());
    for (int row = 0; row < 2; ++row) {
        const QStringList cells = lines[row + 1].split(u',');
        QCOMPARE(cells.size(), header.size());
        QCOMPARE(cells[header.indexOf("Figure id")], records[row].figureId);
        for (const auto &[kind, values] :
             {std::pair("Given", shown(records[row].givens)), {"Answer", records[row].answers}})
            for (int i = 0; i < values.size(); ++i)
                QCOMPARE(cells[header.indexOf(QStringLiteral("%1 %2 value").arg(kind).arg(i + 1))], values[i].text);
    }
    QCOMPARE(records[0].givens[0].value, 5.0); // as typed
}

void TestHistoryWindow::exportWritesTheRowsShownUnlessSomeAreChosen()
{
    HistoryWindow *history = historyOfThree();
    QVERIFY(history);
    QVERIFY(chosenRows().isEmpty()); // opening chooses nothing
    auto *filter = history->findChild<QLineEdit *>("txtFilter");
    QTest::keyClicks(filter, "rect");
    QVERIFY(chosenRows().isEmpty()); // nor does filtering
    QString title;
    QStringList lines = exportLines(&title);
    QCOMPARE(lines.size(), 1 + 2);
    QVERIFY2(title.contains("(2 rows)"), qPrintable(title));
    QTest::keyClick(filter, Qt::Key_Tab);
    QTest::keyClick(table(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(table(), Qt::Key_Space); // chooses the newest rectangle
    lines = exportLines(&title);
    QCOMPARE(lines.size(), 1 + 1);
    QVERIFY2(title.contains("(1 chosen row)"), qPrintable(title));
    QVERIFY(lines[1].contains("5"));
}

void TestHistoryWindow::onlyCalculateAndSolveRecordAndTheChoiceStays()
{
    calculate("mnuGeometryItem(2)", 0, {"4", "3"});
    calculate("mnuGeometryItem(2)", 0, {"5", "3"});
    QVERIFY(openHistory());
    const auto *model = qobject_cast<const HistoryModel *>(table()->model());
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, table()->visualRect(model->index(1, 0)).center());
    const qint64 chosen = model->idAt(1);
    QCOMPARE(chosenRows(), QList<int>{1});

    // Each redoes the open figure; none is a calculation of its own.
    for (const char *item :
         {"mnuPrecisionDecimals(4)", "mnuPrecisionSignificant(5)", "mnuExactConstants", "mnuLengthUnit(cm)",
          "mnuAreaUnit(ha)", "mnuVolumeUnit(L)", "mnuLengthUnit(none)", "mnuExactConstants", "mnuPrecisionAsDescribed"})
        m_program->choose(item);
    QCOMPARE(model->rowCount(), 2);

    // A solve is: the area worked back to 20 is the newest row, and the row chosen stays chosen.
    activateProgram();
    auto *area = control<AnswerLabel>("lblAnswer", 2);
    QTest::keyClick(area, Qt::Key_F2);
    QVERIFY(m_window->solver());
    QTest::keyClicks(m_window->solver()->target(), "20");
    QTest::keyClick(m_window->solver()->target(), Qt::Key_Return);
    QTRY_VERIFY(!m_window->solver());
    QCOMPARE(model->rowCount(), 3);
    QVERIFY(model->cells(0).join(u' ').contains("Area = 20"));
    QCOMPARE(chosenRows(), QList<int>{2});
    QCOMPARE(model->idAt(2), chosen);
}

void TestHistoryWindow::pastedCommaValueReopensUnderAnyDesktop()
{
    setDecimalComma(true); // a German desktop
    open("mnuGeometryItem(2)");
    QApplication::clipboard()->setText(" 2,5 ");
    QTest::keyClick(control<ValueField>("txtGivenValue", 0), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(control<ValueField>("txtGivenValue", 1), "4");
    WindowView::calculate();
    const QStringList answers = answersOf(m_window);
    QVERIFY(!answers.isEmpty());
    HistoryStore &store = m_program->main()->history();
    QCOMPARE(store.records(store.ids()).value(0).givens.value(0).value, 2.5);

    setDecimalComma(false); // the same history on an English one
    open("mnuGeometryItem(9)");
    HistoryWindow *history = openHistory();
    QVERIFY(history);
    QTest::keyClick(history->findChild<QLineEdit *>("txtFilter"), Qt::Key_Tab);
    QTest::keyClick(table(), Qt::Key_Return);
    QCOMPARE(answersOf(m_program->figureWindows().value(0)), answers);
    QVERIFY(exportLines().value(1).contains(",2.5,"));
}

void TestHistoryWindow::nothingIsRecordedWithKeepHistoryOff()
{
    calculate("mnuGeometryItem(2)", 0, {"4", "3"});
    m_program->choose("mnuKeepHistory");
    QVERIFY(!UserSettings::keepHistory());
    calculate("mnuGeometryItem(2)", 0, {"7", "3"});
    HistoryWindow *history = openHistory();
    QVERIFY(history);
    QCOMPARE(table()->model()->rowCount(), 1);
    // What was kept can still be cleared, after one confirmation.
    QTimer::singleShot(0, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
    });
    QTest::mouseClick(history->findChild<QPushButton *>("cmdClearHistory"), Qt::LeftButton);
    QCOMPARE(table()->model()->rowCount(), 0);
}

void TestHistoryWindow::exactFormsAreKeptFoundAndReopened_data()
{
    QTest::addColumn<QString>("filter");
    QTest::newRow("the form") << "25π";
    QTest::newRow("its words") << "PI";
    QTest::newRow("the value and the form's words") << "31.42 10 pi";
}

// Circle r = 5 with exact forms, then without: the forms are shown, found,
// exported and, on reopening, shown again.
void TestHistoryWindow::exactFormsAreKeptFoundAndReopened()
{
    QFETCH(QString, filter);
    m_program->choose("mnuExactForm");
    calculate("mnuGeometryItem(0)", 0, {"5"});
    m_program->choose("mnuExactForm");
    calculate("mnuGeometryItem(0)", 0, {"5"});
    HistoryWindow *history = openHistory();
    QVERIFY(history);
    QCOMPARE(table()->model()->rowCount(), 2); // the same calculation, shown otherwise
    // Typed as a keyboard types them, π too.
    for (const QChar key : filter)
        QTest::sendKeyEvent(QTest::Click, history->findChild<QLineEdit *>("txtFilter"), Qt::Key_unknown, QString(key),
                            {});
    QCOMPARE(table()->model()->rowCount(), 1);
    const auto *model = qobject_cast<const HistoryModel *>(table()->model());
    QVERIFY2(model->cell(0, HistoryModel::Answers).endsWith("Circumference = 31.42 (10π), Area = 78.54 (25π)"),
             qPrintable(model->cell(0, HistoryModel::Answers)));
    QAccessibleInterface *cell =
        QAccessible::queryAccessibleInterface(table())->tableInterface()->cellAt(0, HistoryModel::Answers);
    QVERIFY2(cell->text(QAccessible::Name).endsWith("Area = 78.54, 25 pi"), qPrintable(cell->text(QAccessible::Name)));

    const QStringList lines = exportLines();
    QCOMPARE(lines.size(), 2);
    const QStringList header = lines[0].split(u',');
    QCOMPARE(lines[1].split(u',').value(header.indexOf("Answer 4 exact")), "25π");

    QTest::keyClick(history->findChild<QLineEdit *>("txtFilter"), Qt::Key_Tab);
    QTest::keyClick(table(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(table(), Qt::Key_Return);
    QVERIFY(exactForms()); // turned on again, as they were shown
    const auto reopened = m_program->figureWindows().value(0)->values();
    QVERIFY(reopened && reopened->find(u"Area"));
    QCOMPARE(reopened->find(u"Area")->working.exact, "25π");
}

// An L-shaped room saved from two rectangles, the second counted twice.
void TestHistoryWindow::savedCompositeIsFoundReopenedExportedAndDeleted()
{
    calculate("mnuGeometryItem(2)", 0, {"5", "4"});
    calculate("mnuGeometryItem(2)", 0, {"3", "2"});
    HistoryStore &store = m_program->main()->history();
    QList<CompositePart> parts;
    for (const HistoryRecord &record : store.records(store.ids()))
        for (const HistoryValue &answer : record.answers)
            if (answer.caption == "Area")
                parts.prepend({record, answer.letter, answer.caption, 1, parts.isEmpty() ? 2 : 1});
    CompositeRecord saved;
    QVERIFY(store.saveComposite({0, {}, "L-shaped room", parts, "described", "As Described", {}, false}, &saved));
    HistoryWindow *history = openHistory();
    QVERIFY(history);
    QCOMPARE(table()->model()->rowCount(), 3);
    QList<CompositeRecord> reopened;
    connect(history, &HistoryWindow::compositeReopenRequested, [&](const CompositeRecord &c) { reopened << c; });

    auto *filter = history->findChild<QLineEdit *>("txtFilter");
    QTest::keyClicks(filter, "L-SHAPED");
    QCOMPARE(table()->model()->rowCount(), 1);
    QAccessibleTableInterface *cells = QAccessible::queryAccessibleInterface(table())->tableInterface();
    QCOMPARE(cells->cellAt(0, HistoryModel::Figure)->text(QAccessible::Name), "Composite: L-shaped room");
    QCOMPARE(cells->cellAt(0, HistoryModel::Answers)->text(QAccessible::Name), "Total = 20.00 + 2 × 6.00 = 32.00");
    QTest::keyClick(filter, Qt::Key_Tab);
    QTest::keyClick(table(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(table(), Qt::Key_Return);
    QCOMPARE(reopened, QList<CompositeRecord>{saved});
    // and the composite window shows it with the same total.
    const auto *shown = m_program->main()->findChild<QLabel *>(QStringLiteral("lblTotal"));
    QVERIFY(shown && shown->isVisible());
    QCOMPARE(shown->text(), "Total = 32.00");

    QTest::keyClick(table(), Qt::Key_Space); // chosen: Export writes its parts and the total
    QString title;
    const QStringList lines = exportLines(&title);
    QCOMPARE(title, "Export Composite (L-shaped room)");
    QCOMPARE(lines.size(), 1 + 2 + 1);
    const QStringList header = lines.first().split(u','), total = lines.last().split(u',');
    QCOMPARE(total.value(header.indexOf("Figure")) + total.value(header.indexOf("Contribution")), "Total32.00");
    QTest::mouseClick(history->findChild<QPushButton *>("cmdDelete"), Qt::LeftButton); // the row still chosen
    QVERIFY(store.composites().isEmpty());
    QCOMPARE(store.ids().size(), 2);
}

QTEST_MAIN(TestHistoryWindow)
#include "tst_historywindow.moc"
