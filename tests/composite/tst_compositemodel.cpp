// A composite's total worked out without a window: worked cases, and the
// total as the signed sum of its parts for random composites.
#include "composite/compositemodel.h"
#include "entry/term.h"
#include "history/historystore.h"
#include "history/parsecsv.h"
#include "shell/catalogue.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Zyntra;

Q_DECLARE_METATYPE(QList<Zyntra::CompositePart>)
Q_DECLARE_METATYPE(Zyntra::UnitChoice)

class TestCompositeModel : public QObject {
    Q_OBJECT
private slots:
    void workedComposites_data();
    void workedComposites();
    void partOfAnotherKindIsRefused();
    void totalIsTheSignedSumOfItsParts();
    void solvedValueGivesTheTarget();
};

namespace {

const FigureLookup Catalogue = [](const QString &id) { return figureById(id); };

// A part as a figure window would hand it over: values given by letter.
CompositePart part(const char *figure, int option, const QList<std::pair<const char *, double>> &given,
                   const char *quantity, int sign = 1, int count = 1, bool exact = true, UnitChoice units = {})
{
    CompositePart made{.calculation = {},
                       .quantity = QString::fromUtf8(quantity),
                       .quantityCaption = QString::fromUtf8(quantity),
                       .sign = sign,
                       .count = count};
    made.calculation.figureId = QString::fromLatin1(figure);
    made.calculation.figureName = QString::fromLatin1(figure);
    made.calculation.optionIndex = option;
    made.calculation.constants = constantsName(exact);
    made.calculation.units = units;
    for (const auto &[letter, value] : given)
        made.calculation.givens << HistoryGiven{QString::fromUtf8(letter), QString::fromUtf8(letter), value};
    return made;
}

bool near(double a, double b)
{
    return std::abs(a - b) <= 1e-12 * std::max(std::abs(a), std::abs(b));
}

const UnitChoice Metres{unitById(u"m")};

} // namespace

void TestCompositeModel::workedComposites_data()
{
    QTest::addColumn<QList<CompositePart>>("parts");
    QTest::addColumn<QList<CompositePart>>("same"); // another composite of the same total, when not empty
    QTest::addColumn<double>("total");              // or NaN where `same` gives it
    QTest::addColumn<UnitChoice>("shownIn");
    QTest::addColumn<QString>("working");
    QTest::addColumn<QString>("exact");

    const auto rectangle = [](double a, double b, int sign = 1, int count = 1, UnitChoice units = {}) {
        return part("rectangle", 0, {{"a", a}, {"b", b}}, "Area", sign, count, false, units);
    };
    const auto circle = [](double r, int sign = 1) { return part("circle", 0, {{"r", r}}, "Area", sign); };
    const auto pier = [](int count) { return part("right-cylinder", 0, {{"r", 0.3}, {"h", 1.2}}, "Volume", 1, count); };
    const double nan = std::nan("");

    QTest::newRow("L-shaped room") << QList{rectangle(5, 4), rectangle(3, 2)} << QList<CompositePart>{} << 26.0
                                   << UnitChoice{} << "Total = 20.00 + 6.00 = 26.00" << QString();
    QTest::newRow("lawn less a pond") << QList{rectangle(5, 4), part("circle", 0, {{"r", 1}}, "Area", -1, 1, false)}
                                      << QList<CompositePart>{} << 20 - 3.14159265358979 << UnitChoice{}
                                      << "Total = 20.00 − 3.14 = 16.858" << QString();
    QTest::newRow("washer") << QList{circle(5), circle(2, -1)}
                            << QList{part("annulus", 0, {{"r1", 2}, {"r2", 5}}, "Area")} << nan << UnitChoice{}
                            << QString() << "21π";
    QTest::newRow("square less a quarter circle")
        << QList{part("rectangle", 0, {{"a", 2}, {"b", 2}}, "Area"),
                 part("circle-sections", 0, {{"r", 2}, {"θ", 90}}, "Area", -1)}
        << QList<CompositePart>{} << 4 - Constants::Pi << UnitChoice{} << QString() << "4 − π";
    QTest::newRow("four piers") << QList{pier(4)} << QList{pier(1), pier(1), pier(1), pier(1)} << nan << UnitChoice{}
                                << QString() << QString();
    QTest::newRow("m² shown in ft²") << QList{rectangle(5, 4, 1, 1, Metres)} << QList<CompositePart>{}
                                     << 20 / (0.3048 * 0.3048) << UnitChoice{unitById(u"ft")}
                                     << "Total = 215.278 = 215.278 ft²" << QString();
    QTest::newRow("cut-outs larger than the parts")
        << QList{rectangle(1, 1), rectangle(2, 1, -1)} << QList<CompositePart>{} << -1.0 << UnitChoice{}
        << "Total = 1.00 − 2.00 = -1.00" << QString();
}

void TestCompositeModel::workedComposites()
{
    QFETCH(QList<CompositePart>, parts);
    QFETCH(QList<CompositePart>, same);
    QFETCH(double, total);
    QFETCH(UnitChoice, shownIn);
    QFETCH(QString, working);
    QFETCH(QString, exact);

    const CompositeChoices choices{.units = shownIn, .precision = Precision::asDescribed(), .exactForms = true};
    const CompositeTotal worked = evaluateComposite(parts, Catalogue, choices);
    QVERIFY2(worked.failure.isEmpty(), qPrintable(worked.failure));
    if (!same.isEmpty())
        total = evaluateComposite(same, Catalogue, choices).value;
    QVERIFY2(near(worked.value, total), qPrintable(fullNumber(worked.value)));
    QCOMPARE(worked.negative(), total < 0);
    if (!working.isEmpty())
        QCOMPARE(worked.working.section(QStringLiteral(" (exact"), 0, 0), working);
    if (!exact.isEmpty())
        QCOMPARE(worked.exact, exact);

    // Its CSV writes the same digits: each part signed and counted, and the total.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("composite.csv"));
    CompositeRecord kept;
    kept.parts = parts;
    QVERIFY(!HistoryStore::exportCompositeCsv(kept, shownSums(parts, worked, choices), path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QStringList> rows = parseCsv(QString::fromUtf8(file.readAll()));
    QCOMPARE(rows.size(), parts.size() + 2);
    const QStringList &header = rows.first();
    double contributed = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QStringList &row = rows[i + 1];
        QCOMPARE(row.value(header.indexOf("Sign")) + row.value(header.indexOf("Count")),
                 (parts[i].sign < 0 ? "−" : "+") + integerText(parts[i].count));
        const QString contribution = row.value(header.indexOf("Contribution")).section(u' ', 0, 0);
        contributed += textToNumber(QString(contribution).replace(u'−', u'-')).value_or(std::nan(""));
    }
    QCOMPARE(rows.last().value(header.indexOf("Figure")), "Total");
    QCOMPARE(rows.last().last(), worked.text + worked.unit);
    // The contributions as shown add up to the total within their rounding.
    QVERIFY2(std::abs(contributed - worked.value) <= 0.01 * parts.size(), qPrintable(fullNumber(contributed)));
}

void TestCompositeModel::partOfAnotherKindIsRefused()
{
    const CompositeTotal worked = evaluateComposite(
        {part("rectangle", 0, {{"a", 5}, {"b", 4}}, "Area"), part("cube", 0, {{"a", 2}}, "Volume")}, Catalogue);
    QVERIFY(worked.failure.contains(QStringLiteral("volume")));
    QVERIFY(worked.failure.contains(QStringLiteral("areas")));
    QVERIFY(!refusal(QuantityKind::Length, QuantityKind::Angle).isEmpty());
}

// Random composites of random figures: the total is the signed, counted sum
// of what each figure's own calculation answers under exact constants. The
// store's half of the property (a composite kept and reopened totals the
// same) is the history's test of saveComposite.
void TestCompositeModel::totalIsTheSignedSumOfItsParts()
{
    QRandomGenerator random(32);
    const bool constants = exactConstants();
    setExactConstants(true);
    // Values as people type them: whole numbers, halves, two decimals.
    const auto typedValue = [&random](double most) {
        const double value = random.bounded(1, 2000) / 100.0;
        return QString::number(std::min(value, most * 0.9), 'f', random.bounded(3));
    };
    int composites = 0;
    for (int trial = 0; trial < 300; ++trial) {
        QList<CompositePart> parts;
        double expected = 0;
        for (int n = random.bounded(1, 5); parts.size() < n;) {
            const FigureEntry &figure = *figureCatalogue()[random.bounded(int(figureCatalogue().size()))];
            const int option = random.bounded(figure.options());
            const OptionQuantities &declared = figure.quantities[size_t(option)];
            const auto area = std::ranges::find(declared.answers, QuantityKind::Area, &Quantity::kind);
            if (area == declared.answers.end() || !area->letter)
                break;
            QStringList texts(MostFields);
            CompositePart made =
                part(figure.id, option, {}, area->letter, random.bounded(2) ? 1 : -1, random.bounded(1, 4));
            for (int i = 0; i < MostFields; ++i) {
                const Quantity &given = declared.given[size_t(i)];
                if (!given.letter)
                    continue;
                texts[i] = typedValue(given.kind == QuantityKind::Angle ? given.most : 1e9);
                made.calculation.givens << HistoryGiven{QString::fromUtf8(given.letter), QString(),
                                                        *textToNumber(texts[i])};
            }
            const Outcome outcome = figure.calculate(texts, qint16(option));
            const auto value = outcome.values.find(int(area - declared.answers.begin()));
            if (outcome.kind != Outcome::Kind::Answers || value == outcome.values.end())
                break;
            expected += made.sign * made.count * value->second;
            parts << made;
        }
        if (parts.isEmpty())
            continue;
        const CompositeTotal total = evaluateComposite(parts, Catalogue);
        QVERIFY2(total.failure.isEmpty(), qPrintable(total.failure));
        QVERIFY2(std::abs(total.value - expected) <= 1e-12 * std::max(1.0, std::abs(expected)),
                 qPrintable(fullNumber(total.value) + u' ' + fullNumber(expected)));
        ++composites;
    }
    setExactConstants(constants);
    QVERIFY(composites > 100);
}

void TestCompositeModel::solvedValueGivesTheTarget()
{
    // The alcove whose length makes the floor 170.
    QList<CompositePart> floor{part("rectangle", 0, {{"a", 12}, {"b", 10}}, "Area"),
                               part("rectangle", 0, {{"a", 4}, {"b", 3}}, "Area")};
    floor[1].calculation.answers << HistoryValue{"Area", "Area", "12.00"};
    const TotalSolution solved = solveTotal(floor, 1, QStringLiteral("a"), 170, Catalogue);
    QVERIFY2(solved.part, qPrintable(solved.failure));
    // The part keeps no answer of the value it had before.
    const QList<HistoryValue> answers{HistoryValue{"Area", "Area", "50.00"}};
    QCOMPARE(solved.part->calculation.answers, answers);
    QList<CompositePart> changed = floor;
    changed[1] = *solved.part;
    QVERIFY(near(evaluateComposite(changed, Catalogue).value, 170));
    // A circle cut out can never make the total exceed the slab.
    const TotalSolution unreachable =
        solveTotal({floor[0], part("circle", 0, {{"r", 1}}, "Area", -1)}, 1, QStringLiteral("r"), 130, Catalogue);
    QVERIFY(!unreachable.part);
    QVERIFY(unreachable.failure.contains(QStringLiteral("nothing was changed")));
}

QTEST_MAIN(TestCompositeModel)
#include "tst_compositemodel.moc"
