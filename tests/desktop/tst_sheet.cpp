#include "everywindow.h"

#include "controls/answerlabel.h"
#include "entry/term.h"
#include "shell/sheetwindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

using namespace Zyntra;

// The calculation sheet follows the open figure through its calculations,
// draws it, and keeps it as text, PDF, SVG or PNG.
class TestSheet : public QObject, private WindowView<FigureWindow> {
    Q_OBJECT
private slots:
    void init() { startActiveProgram(); }
    void cleanup() { closeProgram(); }

    void sheetFollowsEveryFigure_data();
    void sheetFollowsEveryFigure();
    void sheetKeepsTheCalculation();
    void showWorkingOpensTheSheet();
    void rowsFollowTheirWorking_data();
    void rowsFollowTheirWorking();
    void exactColumnShowsEachForm_data();
    void exactColumnShowsEachForm();

private:
    SheetWindow *sheet() const { return m_program->main()->sheetWindow(); }
    // 2 in as many empty fields as the figure takes, and 1 where it takes a
    // value below another's.
    void typeTwoInEveryField()
    {
        const auto &given = m_window->figure()->quantities[size_t(m_window->snapshot().optionIndex)].given;
        const int takes = m_window->figure()->givenFields;
        int left = takes > 0 ? takes : int(m_window->findChildren<QLineEdit *>().size());
        for (QLineEdit *field : m_window->findChildren<QLineEdit *>()) {
            const qsizetype open = field->objectName().indexOf(u'(');
            const int index = open < 0 ? 0 : field->objectName().mid(open + 1).chopped(1).toInt();
            const bool below = index < int(given.size()) && given[size_t(index)].below >= 0;
            if (left > 0 && field->isVisible() && field->isEnabled() && field->text().isEmpty()) {
                QTest::keyClicks(field, below ? QStringLiteral("1") : QStringLiteral("2"));
                --left;
            }
        }
    }
};

void TestSheet::sheetFollowsEveryFigure_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QStringList>("titles"); // as opened, then after a click on each option shown
    // The figures whose options name them; every other sheet is titled by its menu command.
    const QHash<QString, QStringList> named{
        {QStringLiteral("mnuGeometryItem(10)"),
         {"Sector of Circle", "Sector of Circle", "Segment of Circle", "Hollow Circle Sector"}},
        {QStringLiteral("mnu3dGeometryItem(1)"), {"Cube", "Cube", "Parallelopiped"}},
        {QStringLiteral("mnu3dGeometryItem(3)"), {"Right Cylinder", "Right Cylinder", "Frustum of Right Cylinder"}},
        {QStringLiteral("mnu3dGeometryItem(12)"),
         {"Horizontal Cylinder Tank", "Horizontal Cylinder Tank", "Vertical Cylinder Tank", "Horizontal Capsule Tank",
          "Spherical Tank", "Rectangular Tank", "Horizontal Elliptical Tank"}},
    };
    QTest::addColumn<QStringList>("rowOrder");
    for (const QString &item : everyFigureCommand())
        QTest::newRow(qPrintable(item)) << item << named.value(item)
                                        << (item == QLatin1String("mnuGeometryItem(1)")
                                                ? QStringList{"Side a", "Side b", "Hypotenuse c", "Angle A", "Angle B"}
                                                : QStringList());
}

void TestSheet::sheetFollowsEveryFigure()
{
    QFETCH(QString, menuItem);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, rowOrder); // where the screen's order is not the reading order
    QTest::keyClick(m_program->main(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(sheet() && sheet()->isVisible());
    QVERIFY(open(menuItem));
    const QString command = m_program->main()->findChild<QAction *>(menuItem)->text();
    auto *picture = sheet()->findChild<SheetPicture *>(QStringLiteral("picSheet"));
    QVERIFY(picture);
    QTRY_VERIFY(!picture->figure()); // a fresh figure: nothing to show yet
    const auto options = m_window->findChildren<QRadioButton *>();
    for (int round = 0; round <= int(options.size()); ++round) {
        if (round > 0) {
            if (!options[round - 1]->isVisible())
                continue;
            clickOption(options[round - 1]);
        }
        typeTwoInEveryField();
        calculate();
        QTRY_VERIFY2(picture->figure(), qPrintable(sheet()->sheetText()));
        auto *title = sheet()->findChild<QLabel *>(QStringLiteral("lblSheetTitle"));
        QTRY_COMPARE(title->text(), titles.value(round, command));
        QCOMPARE(QAccessible::queryAccessibleInterface(title)->role(), QAccessible::Heading);
        // A row for each quantity, each given value once, and no step
        // wider than the window.
        const CalculationSnapshot shot = m_window->snapshot();
        const auto showsEveryRow = [&] {
            const QString text = sheet()->sheetText();
            return text.count(QStringLiteral("\tgiven\t")) == shot.given.size()
                   && std::ranges::all_of(shot.answers, [&](const CalculationLine &answer) {
                          return text.contains(answer.caption + u'\t') && text.contains(u'\t' + answer.text);
                      });
        };
        QTRY_VERIFY2(showsEveryRow(), qPrintable(sheet()->sheetText()));
        auto *table = sheet()->findChild<QTextBrowser *>(QStringLiteral("txtSheetTable"));
        const QString heard = QAccessible::queryAccessibleInterface(table)->text(QAccessible::Description);
        QVERIFY2(heard.contains(shot.answers.last().text), qPrintable(heard));  // the table, to a screen reader
        QVERIFY(table->document()->idealWidth() <= table->viewport()->width()); // no step wider than the window
        qsizetype last = -1;
        for (const QString &caption : rowOrder) {
            const qsizetype at = sheet()->sheetText().indexOf(u'\n' + caption + u'\t');
            QVERIFY2(at > last, qPrintable(caption));
            last = at;
        }
        const QString described = QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Description);
        QVERIFY2(described.contains(QStringLiteral("to scale")), qPrintable(described));
    }
    QTest::mouseClick(button("cmdClear"), Qt::LeftButton);
    QTRY_VERIFY(!picture->figure());
    QVERIFY(sheet()->sheetText().isEmpty());
}

void TestSheet::sheetKeepsTheCalculation()
{
    QVERIFY(open(QStringLiteral("mnuGeometryItem(2)")));
    QTest::keyClicks(control<QLineEdit>(QStringLiteral("txtGivenValue(0)")), QStringLiteral("3"));
    QTest::keyClicks(control<QLineEdit>(QStringLiteral("txtGivenValue(1)")), QStringLiteral("8"));
    calculate();
    m_program->main()->mnuCalculationSheet_Click();
    QVERIFY(QTest::qWaitForWindowActive(sheet()));
    QApplication::clipboard()->clear();
    QApplication::setActiveWindow(sheet()); // offscreen leaves the activation with the main window
    QTest::keyClick(sheet(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), sheet()->sheetText());
    QVERIFY(!QApplication::clipboard()->image().isNull()); // the drawing, for a document

    QTemporaryDir folder;
    QString error;
    const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
    QVERIFY2(sheet()->saveTo(pdf, &error), qPrintable(error));
    QFile written(pdf);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.read(5) == "%PDF-");
    written.close();
    QVERIFY2(sheet()->saveTo(folder.filePath(QStringLiteral("sheet.svg")), &error), qPrintable(error));
    QVERIFY(QSvgRenderer(folder.filePath(QStringLiteral("sheet.svg"))).isValid());
    QVERIFY2(sheet()->saveTo(folder.filePath(QStringLiteral("sheet.PNG")), &error), qPrintable(error));
    const QImage png(folder.filePath(QStringLiteral("sheet.PNG")));
    QVERIFY(!png.isNull() && png.height() > png.width());
    QCOMPARE(png.pixelColor(0, 0), QColor(Qt::white)); // the margin too

    // A failed write says why and leaves what was there.
    const QString kept = folder.filePath(QStringLiteral("kept.txt"));
    QFile old(kept);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    QVERIFY(!sheet()->saveTo(kept, &error));
    QVERIFY(error.contains(QStringLiteral(".pdf")));
    QVERIFY(!sheet()->saveTo(folder.filePath(QStringLiteral("no such folder/sheet.pdf")), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "old");
    QVERIFY2(sheet()->saveTo(pdf, &error), qPrintable(error)); // an agreed replacement
}

void TestSheet::showWorkingOpensTheSheet()
{
    QVERIFY(open(QStringLiteral("mnuGeometryItem(9)")));
    typeTwoInEveryField();
    calculate();
    auto *answer = control<AnswerLabel>(QStringLiteral("lblAnswer(3)"));
    QTimer::singleShot(0, this, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        for (QAction *action : menu ? menu->actions() : QList<QAction *>())
            if (action->text() == QLatin1String("Show working"))
                action->trigger();
        if (menu)
            menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2), answer->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(answer, &event);
    QVERIFY(sheet() && sheet()->isVisible());
    const QString table = sheet()->sheetText();
    QVERIFY(table.contains(answer->working().formula + u'\t') && table.contains(u'\t' + answer->text()));
}

void TestSheet::rowsFollowTheirWorking_data()
{
    QTest::addColumn<QStringList>("typed"); // a, b, c, A, B, C
    QTest::newRow("two sides and the angle between") << QStringList{"3", "4", "", "", "", "90"};
    QTest::newRow("two triangles") << QStringList{"3", "4", "", "36.87"};
    QTest::newRow("two angles and a side facing one") << QStringList{"3", "", "", "36.87", "53.13"};
    QTest::newRow("just reaching") << QStringList{"1", "", "0.5", "", "", "30"};
}

// Triangle (Any): the given values first, then each quantity after those its
// formula uses, and none worked from itself.
void TestSheet::rowsFollowTheirWorking()
{
    QFETCH(QStringList, typed);
    QVERIFY(open(QStringLiteral("mnuGeometryItem(12)")));
    for (qsizetype i = 0; i < typed.size(); ++i)
        QTest::keyClicks(control<QLineEdit>(QStringLiteral("txtInput"), int(i)), typed[i]);
    calculate();
    QTest::keyClick(m_program->main(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY(sheet() && sheet()->sheetText().contains(QStringLiteral("\tgiven\t")));
    const QStringList lines = sheet()->sheetText().split(u'\n');
    const qsizetype header = lines.indexOf(QStringLiteral("Quantity\tFormula\tWith the numbers\tValue"));
    QStringList quantities;
    for (qsizetype i = header + 1; i < lines.size(); ++i)
        quantities << lines[i].section(u'\t', 0, 0);
    for (qsizetype i = 0; i < quantities.size(); ++i) {
        const QString formula = lines[header + 1 + i].section(u'\t', 1, 1);
        for (const QString &used : formula.split(QRegularExpression(QStringLiteral("[^\\w′]+")))) {
            const qsizetype at = quantities.indexOf(used);
            QVERIFY2(at < 0 || at < i, qPrintable(quantities[i] + QStringLiteral(" = ") + formula));
        }
    }
}

void TestSheet::exactColumnShowsEachForm_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<QStringList>("units"); // menu items chosen first
    QTest::addColumn<QString>("radius");
    QTest::addColumn<QStringList>("rows"); // each row of the table's text as it ends
    QTest::newRow("off") << false << QStringList() << "5" << QStringList{"Value", "\t78.54"};
    QTest::newRow("r = 5") << true << QStringList() << "5"
                           << QStringList{"Value\tExact", "given\t\t5.00\t", "\t10.00\t10", "\t31.42\t10π",
                                          "\t78.54\t25π"};
    QTest::newRow("r = 2.5") << true << QStringList() << "2.5" << QStringList{"\t15.71\t5π", "\t19.63\t25π/4"};
    QTest::newRow("area in m², lengths in cm")
        << true << QStringList{"mnuLengthUnit(cm)", "mnuAreaUnit(m²)"} << "5" << QStringList{"\t25π cm²"};
}

// Circle: while exact forms are on, the table ends with each answer's form,
// in the window, its copy and the page that PDF, PNG and print draw.
void TestSheet::exactColumnShowsEachForm()
{
    QFETCH(bool, on);
    QFETCH(QStringList, units);
    QFETCH(QString, radius);
    QFETCH(QStringList, rows);
    setExactForms(on);
    for (const QString &item : units)
        m_program->choose(item);
    QVERIFY(open(QStringLiteral("mnuGeometryItem(0)")));
    QTest::keyClicks(control<QLineEdit>(QStringLiteral("txtGivenValue"), 0), radius);
    calculate();
    QTest::keyClick(m_program->main(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY(sheet() && !sheet()->sheetText().isEmpty());
    const QStringList lines = sheet()->sheetText().split(u'\n');
    auto *table = sheet()->findChild<QTextBrowser *>(QStringLiteral("txtSheetTable"));
    const QString page = table->document()->toPlainText();
    const QString heard = QAccessible::queryAccessibleInterface(table)->text(QAccessible::Description);
    setExactForms(false);
    m_program->choose(QStringLiteral("mnuLengthUnit(none)"));
    for (const QString &row : rows) {
        QVERIFY2(std::ranges::any_of(lines, [&](const QString &line) { return line.endsWith(row); }),
                 qPrintable(lines.join(u'\n')));
        const QString exact = row.section(u'\t', -1);
        QVERIFY2(!on || page.contains(exact), qPrintable(page));
    }
    QCOMPARE(page.contains(QStringLiteral("Exact")), on);
    QCOMPARE(heard.contains(QStringLiteral(" pi")), on);
}

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
