// The catalogue declares each figure once; every declaration must hold for
// the window it opens, so that a slip fails here naming the figure.
#include "shellfixture.h"

#include "controls/answerlabel.h"
#include "controls/globalsubs.h"
#include "shell/catalogue.h"

#include <QRadioButton>
#include <QSet>
#include <QTest>

using namespace Zyntra;

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void menusCountTheirItemsFromZero();
    void everyFigureOpensAsDeclared_data();
    void everyFigureOpensAsDeclared();
};

void TestCatalogue::menusCountTheirItemsFromZero()
{
    QSet<QString> ids;
    QSet<std::pair<const qint16 *, qint16>> modes;
    for (const FigureMenu menu : {FigureMenu::Plane, FigureMenu::Solid}) {
        const FigureEntries items = figureMenu(menu);
        QVERIFY(!items.empty());
        for (qint16 index = 0; index < qint16(items.size()); ++index) {
            const FigureEntry &figure = *items[size_t(index)];
            QCOMPARE(figure.index, index);
            QVERIFY2(!ids.contains(QLatin1String(figure.id)), figure.id);
            ids << QLatin1String(figure.id);
            QCOMPARE(figureById(QLatin1String(figure.id)), &figure);
            if (figure.modeVariable) {
                QVERIFY2(!modes.contains({figure.modeVariable, figure.mode}), figure.id);
                modes << std::pair<const qint16 *, qint16>(figure.modeVariable, figure.mode);
            }
        }
    }
    QCOMPARE(ids.size(), qsizetype(figureCatalogue().size()));
}

void TestCatalogue::everyFigureOpensAsDeclared_data()
{
    QTest::addColumn<QString>("id");
    for (const FigureEntry *figure : figureCatalogue())
        QTest::newRow(figure->id) << QString::fromLatin1(figure->id);
}

void TestCatalogue::everyFigureOpensAsDeclared()
{
    QFETCH(QString, id);
    const FigureEntry &figure = *figureById(id);
    QVERIFY(figure.caption && figure.load && figure.calculate);
    QVERIFY(figure.options >= 1 && figure.answers >= 1);
    QVERIFY(figure.twoOrThree >= 0 && figure.twoOrThree <= figure.answers);
    QVERIFY(drawSheetFigure({figure.sheet, 0, {}, {}}).description != QLatin1String("No figure"));

    ShellFixture program;
    QCOMPARE(program.menuItem(menuItemName(figure))->text(), QString::fromLatin1(figure.caption));
    auto *window = program.open<FigureWindow>(menuItemName(figure));
    QVERIFY(window);
    QCOMPARE(window->formCode(), intCurrentForm);
    if (figure.modeVariable)
        QCOMPARE(*figure.modeVariable, figure.mode);
    qsizetype options = 0;
    for (const QRadioButton *option : window->findChildren<QRadioButton *>())
        options += option->isVisibleTo(window);
    QVERIFY2(options == figure.options || (figure.options == 1 && options <= 1), qPrintable(QString::number(options)));
    QCOMPARE(window->findChildren<AnswerLabel *>().size(), qsizetype(figure.answers));
    intCurrentForm = intSquareMode = intCircleMode = 0;
}

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
