#include "everywindow.h"

#include "controls/answerlabel.h"
#include "controls/picture.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace Zyntra;

namespace {

// Controls a user acts on or a drawing a user is told about: each must have a name.
bool mustBeNamed(const QAccessibleInterface *node)
{
    switch (node->role()) {
    case QAccessible::EditableText:
    case QAccessible::PushButton:
    case QAccessible::RadioButton:
    case QAccessible::CheckBox:
    case QAccessible::MenuItem:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::Graphic:
        return true;
    default:
        return qobject_cast<const Picture *>(node->object()) != nullptr;
    }
}

QString describeNode(const QAccessibleInterface *node)
{
    const QObject *object = node->object();
    return QStringLiteral("%1 (role %2)")
        .arg(object ? QString::fromLatin1(object->metaObject()->className()) + QLatin1Char(' ') + object->objectName()
                    : QStringLiteral("?"))
        .arg(int(node->role()));
}

// Walks what a screen reader can reach from `node`: shown controls, and
// the items of every menu whether it is open or not.
void walk(QAccessibleInterface *node, QStringList &problems, QStringList *seen = nullptr)
{
    if (!node || !node->isValid())
        return;
    const bool menu = qobject_cast<const QMenu *>(node->object()) != nullptr;
    const bool menuItem = node->role() == QAccessible::MenuItem;
    if (node->state().invisible && !menu && !menuItem)
        return;
    const QString name = node->text(QAccessible::Name);
    const QString objectName = node->object() ? node->object()->objectName() : QString();
    if (mustBeNamed(node) && name.trimmed().isEmpty())
        problems << QStringLiteral("no name: ") + describeNode(node);
    if (!objectName.isEmpty() && name == objectName)
        problems << QStringLiteral("named by its objectName: ") + describeNode(node);
    if (!objectName.isEmpty() && node->text(QAccessible::Description) == objectName)
        problems << QStringLiteral("described by its objectName: ") + describeNode(node);
    if (seen)
        *seen << name;
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), problems, seen);
}

QStringList problemsOf(QWidget *window, QStringList *seen = nullptr)
{
    QStringList problems;
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window);
    if (!root)
        return {QStringLiteral("no accessible interface")};
    walk(root, problems, seen);
    return problems;
}

// The shown labels a result is written into: the ones a user can select.
QList<QLabel *> answerLabels(QWidget *window)
{
    QList<QLabel *> answers;
    for (QLabel *label : window->findChildren<QLabel *>())
        if (label->isVisible() && qobject_cast<Zyntra::AnswerLabel *>(label))
            answers << label;
    return answers;
}

} // namespace

class TestAccessibility : public QObject, private WindowView<FigureWindow> {
    Q_OBJECT
private slots:
    void init() { startProgram(); }
    void cleanup() { closeProgram(); }

    void mainWindowAndEveryMenuItemHaveNames();
    void splashHasNames();
    void aboutHasNames();
    void historyHasNames();
    void everyLayoutOfEveryFigureWindowHasNames_data();
    void everyLayoutOfEveryFigureWindowHasNames();
    void fieldsAreNamedForWhatTheyHold_data();
    void fieldsAreNamedForWhatTheyHold();
    void answersAreDescribedByTheirRowCaption_data();
    void answersAreDescribedByTheirRowCaption();
    void anglesAreHeardInDegrees_data();
    void anglesAreHeardInDegrees();
    void warningHasNamesAndIsAnnounced();
    void figureWindowsAreNamedByTheirHeading_data();
    void figureWindowsAreNamedByTheirHeading();
};

void TestAccessibility::mainWindowAndEveryMenuItemHaveNames()
{
    QStringList seen;
    const QStringList problems = problemsOf(m_program->main(), &seen);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    for (const char *item :
         {"File", "Exit", "Geometry", "2D Objects", "Trapezoid", "3D Objects", "Circular Ring", "Help", "About"})
        QVERIFY2(seen.contains(QString::fromLatin1(item)), item);
}

void TestAccessibility::splashHasNames()
{
    frmSplash splash;
    splash.timer()->stop();
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QStringList seen;
    const QStringList problems = problemsOf(&splash, &seen);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QVERIFY(seen.contains(QStringLiteral("Zyntra v1.0")));
}

void TestAccessibility::aboutHasNames()
{
    m_program->choose(QStringLiteral("mnuHelpItem(1)"));
    frmAbout *about = m_program->main()->aboutWindow();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QStringList seen;
    const QStringList problems = problemsOf(about, &seen);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QVERIFY(seen.contains(QStringLiteral("OK")));
}

void TestAccessibility::historyHasNames()
{
    m_program->choose(QStringLiteral("mnuGeometryItem(9)"));
    QTest::keyClicks(m_program->figureWindows().first()->findChild<QLineEdit *>(), QStringLiteral("6"));
    QTest::mouseClick(m_program->figureWindows().first()->findChild<QPushButton *>("cmdCalculate"), Qt::LeftButton);
    m_program->choose(QStringLiteral("mnuHistory"));
    HistoryWindow *history = m_program->main()->historyWindow();
    QVERIFY(history);
    QVERIFY(QTest::qWaitForWindowExposed(history));
    QStringList seen;
    const QStringList problems = problemsOf(history, &seen);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    for (const char *name : {"Filter", "Past calculations", "Delete", "Export", "Clear History", "Regular Polygon"})
        QVERIFY2(seen.contains(QString::fromLatin1(name)), name);
}

void TestAccessibility::everyLayoutOfEveryFigureWindowHasNames_data()
{
    QTest::addColumn<QString>("menuItem");
    for (const QString &item : everyFigureCommand())
        QTest::newRow(qPrintable(item)) << item;
}

void TestAccessibility::everyLayoutOfEveryFigureWindowHasNames()
{
    QFETCH(QString, menuItem);
    QStringList problems;
    int layouts = 0;
    forEachLayout(*m_program, menuItem, [&](FigureWindow *window, const QString &where) {
        ++layouts;
        for (const QString &problem : problemsOf(window))
            problems << where + QStringLiteral(": ") + problem;
    });
    QVERIFY(layouts >= 1);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestAccessibility::fieldsAreNamedForWhatTheyHold_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("rectangle") << "mnuGeometryItem(2)"
                               << "" << QStringList{"Width a", "Height b"};
    QTest::newRow("rectangle a/Area") << "mnuGeometryItem(2)"
                                      << "optGivenrect(1)" << QStringList{"Width a", "Area"};
    QTest::newRow("trapezium") << "mnuGeometryItem(7)"
                               << ""
                               << QStringList{"Height h", "Height k", "Base part e", "Base part g", "Base part f"};
    QTest::newRow("circle diameter") << "mnuGeometryItem(0)"
                                     << "optGivencircle(1)" << QStringList{"Diameter D"};
    QTest::newRow("hollow sector") << "mnuGeometryItem(10)"
                                   << "optGivencircle(2)"
                                   << QStringList{"Outer radius r1", "Inner radius r2", "Angle θ in degrees"};
    QTest::newRow("ellipse") << "mnuGeometryItem(11)"
                             << "" << QStringList{"Semi-axis a", "Semi-axis b"};
    QTest::newRow("sphere volume") << "mnu3dGeometryItem(0)"
                                   << "optGivensphere(4)" << QStringList{"Volume"};
    QTest::newRow("right triangle") << "mnuGeometryItem(1)"
                                    << "" << QStringList{"Side a", "Side b", "Hypotenuse c", "Angle A", "Angle B"};
    QTest::newRow("polygon") << "mnuGeometryItem(9)"
                             << "" << QStringList{"Side a"};
}

void TestAccessibility::fieldsAreNamedForWhatTheyHold()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, option);
    QFETCH(QStringList, names);
    FigureWindow *window = m_program->open<FigureWindow>(menuItem);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (!option.isEmpty())
        clickOption(window->findChild<QRadioButton *>(option));
    QStringList spoken;
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        if (field->isVisible())
            spoken << QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name);
    QCOMPARE(spoken, names);
}

void TestAccessibility::answersAreDescribedByTheirRowCaption_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("descriptions");
    QTest::newRow("rectangle") << "mnuGeometryItem(2)"
                               << "" << QStringList{"a", "b", "Area", "Perimeter", "Diagonal"};
    QTest::newRow("parallelogram a/h") << "mnuGeometryItem(3)"
                                       << "optGivenrect(1)" << QStringList{"a", "h", "Area"};
    QTest::newRow("circle segment") << "mnuGeometryItem(10)"
                                    << "optGivencircle(1)" << QStringList{"Radius", "Degrees", "Area ACDA"};
    QTest::newRow("sphere") << "mnu3dGeometryItem(0)"
                            << "" << QStringList{"Radius", "Diameter", "Circumference", "Surface area", "Volume"};
    QTest::newRow("polygon") << "mnuGeometryItem(9)"
                             << "" << QStringList{"Area of Eq. Triangle", "Area of Square",   "Area of Pentagon",
                                                  "Area of Hexagon",      "Area of Heptagon", "Area of Octagon",
                                                  "Area of Nonagon",      "Area of Decagon",  "Area of Undecagon",
                                                  "Area of Dodecagon"};
}

// An answer label says its value as its name and its row as its description.
void TestAccessibility::answersAreDescribedByTheirRowCaption()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, option);
    QFETCH(QStringList, descriptions);
    FigureWindow *window = m_program->open<FigureWindow>(menuItem);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (!option.isEmpty())
        clickOption(window->findChild<QRadioButton *>(option));
    QPushButton *calculate = window->findChild<QPushButton *>(QStringLiteral("cmdCalculate"));
    QStringList described;
    QStringList names;
    for (QLabel *label : answerLabels(window)) {
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(label);
        described << node->text(QAccessible::Description);
        names << node->text(QAccessible::Name);
    }
    QCOMPARE(described, descriptions);
    // Before a CALCULATE an empty result is not a stop for a reader either.
    QVERIFY(names.join(QString()).isEmpty());
    for (QLabel *label : answerLabels(window))
        QVERIFY(QAccessible::queryAccessibleInterface(label)->state().invisible);

    QLineEdit *first = window->findChildren<QLineEdit *>().first();
    QTest::keyClicks(first, QStringLiteral("2"));
    QTest::mouseClick(calculate, Qt::LeftButton);
    // A reader moving to a result hears the quantity with the value, and
    // then its working.
    for (QLabel *label : answerLabels(window)) {
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(label);
        const QString quantity = descriptions.value(int(answerLabels(window).indexOf(label)));
        if (label->text().isEmpty())
            continue;
        QCOMPARE(node->text(QAccessible::Name), quantity + u' ' + label->text());
        QVERIFY2(node->text(QAccessible::Description).startsWith(quantity + QStringLiteral(" = ")),
                 qPrintable(node->text(QAccessible::Description)));
    }
}

void TestAccessibility::anglesAreHeardInDegrees_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QStringList>("typed"); // into the visible fields, in order
    QTest::newRow("parallelogram") << "mnuGeometryItem(3)" << QStringList{"3", "4", "30"};
    QTest::newRow("right triangle") << "mnuGeometryItem(1)" << QStringList{"3", "4"};
    QTest::newRow("circle sector") << "mnuGeometryItem(10)" << QStringList{"2", "1"};
    QTest::newRow("any triangle") << "mnuGeometryItem(12)" << QStringList{"3", "4", "5"};
    QTest::newRow("rhombus") << "mnuGeometryItem(13)" << QStringList{"2", "60"};
}

// "Angle A 36.87 degrees", "Degrees 1.00": never a bare number for an angle.
void TestAccessibility::anglesAreHeardInDegrees()
{
    QFETCH(QString, menuItem);
    QFETCH(QStringList, typed);
    FigureWindow *window = m_program->open<FigureWindow>(menuItem);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QList<QLineEdit *> fields;
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        if (field->isVisible() && field->isEnabled())
            fields << field;
    for (qsizetype i = 0; i < typed.size(); ++i)
        QTest::keyClicks(fields.value(i), typed[i]);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdCalculate")), Qt::LeftButton);
    int angles = 0;
    for (QLabel *label : answerLabels(window)) {
        if (static_cast<AnswerLabel *>(label)->kind() != QuantityKind::Angle || label->text().isEmpty())
            continue;
        ++angles;
        const QString heard = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        QVERIFY2(heard.contains(QLatin1String("degree"), Qt::CaseInsensitive), qPrintable(heard));
    }
    QVERIFY(angles > 0);
}

void TestAccessibility::warningHasNamesAndIsAnnounced()
{
    FigureWindow *window = m_program->open<FigureWindow>(QStringLiteral("mnuGeometryItem(9)"));
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QLineEdit *side = window->findChild<QLineEdit *>(QStringLiteral("txtGivenValue"));
    QPushButton *calculate = window->findChild<QPushButton *>(QStringLiteral("cmdCalculate"));
    QTest::keyClicks(side, QStringLiteral("1.2.3"));

    QTest::mouseClick(calculate, Qt::LeftButton);
    QMessageBox *warning = window->warning();
    QVERIFY(warning);
    QVERIFY(QTest::qWaitForWindowExposed(warning));

    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(warning);
    // An alert is read out by a screen reader as it appears.
    QCOMPARE(node->role(), QAccessible::AlertMessage);
    QCOMPARE(node->text(QAccessible::Name), QStringLiteral("Zyntra warning"));
    QCOMPARE(node->text(QAccessible::Description), warning->text());
    QVERIFY(warning->text().contains(QLatin1String("Side a")));

    // A second failure while the warning is open: the same window says the new text.
    side->clear();
    QTest::keyClicks(side, QStringLiteral("."));
    QTest::mouseClick(calculate, Qt::LeftButton);
    QCOMPARE(window->warning(), warning);
    QCOMPARE(node->text(QAccessible::Description), warning->text());
    QVERIFY(warning->isVisible());
    QStringList seen;
    const QStringList problems = problemsOf(warning, &seen);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QVERIFY(seen.contains(warning->text()));
    QVERIFY(seen.contains(QStringLiteral("OK")));
}

void TestAccessibility::figureWindowsAreNamedByTheirHeading_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("name");
    QTest::newRow("circle") << "mnuGeometryItem(0)"
                            << "Circle Calculations";
    QTest::newRow("right triangle") << "mnuGeometryItem(1)"
                                    << "Rt. Triangle Formulas";
    QTest::newRow("trapezoid") << "mnuGeometryItem(4)"
                               << "Trapezoid Calculations";
    QTest::newRow("polygon") << "mnuGeometryItem(9)"
                             << "Polygon Calculations";
    QTest::newRow("sector") << "mnuGeometryItem(10)"
                            << "Cirle Section Calculations";
    QTest::newRow("sphere") << "mnu3dGeometryItem(0)"
                            << "Sphere";
    QTest::newRow("right cone") << "mnu3dGeometryItem(4)"
                                << "Right Cone Calculations";
    QTest::newRow("any triangle") << "mnuGeometryItem(12)"
                                  << "Any Triangle Formulas";
}

// Moving into a figure window, a reader hears which figure it is, its
// heading as a heading, and the names of the groups inside it.
void TestAccessibility::figureWindowsAreNamedByTheirHeading()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, name);
    FigureWindow *window = m_program->open<FigureWindow>(menuItem);
    QVERIFY(window);
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(window);
    QCOMPARE(node->text(QAccessible::Name), name);
    QStringList headings;
    QStringList groups;
    std::function<void(QAccessibleInterface *)> visit = [&](QAccessibleInterface *at) {
        if (at->role() == QAccessible::Heading)
            headings << at->text(QAccessible::Name);
        if (at->role() == QAccessible::Grouping)
            groups << at->text(QAccessible::Name);
        for (int i = 0; i < at->childCount(); ++i)
            visit(at->child(i));
    };
    visit(node);
    QCOMPARE(headings, name == QLatin1String("Sphere") ? QStringList() : QStringList{name});
    const bool resultsOnDrawing = menuItem == QLatin1String("mnuGeometryItem(1)");
    QVERIFY2(groups.contains(QStringLiteral("Values"))
                 && (resultsOnDrawing || groups.contains(QStringLiteral("Results"))),
             qPrintable(groups.join(u',')));
    QVERIFY(!groups.contains(QString()));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
