#include "entry/units.h"

#include <QtTest>

#include <cmath>

using namespace Zyntra;

// The table holds each unit at its defining value, and a value converted to
// any unit of its kind and back comes home.
class TestUnits : public QObject {
    Q_OBJECT
private slots:
    void tableKeepsTheDefinitions_data();
    void tableKeepsTheDefinitions();
    void roundTripsBetweenEveryPair();
    void everyChoiceReadsBackByItsIds();
};

namespace {

// Within a few units in the last place of a double.
bool close(double a, double b)
{
    return std::fabs(a - b) <= 4 * std::numeric_limits<double>::epsilon() * std::fabs(b);
}

} // namespace

void TestUnits::tableKeepsTheDefinitions_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<double>("amount");
    const auto row = [](const char *from, const char *to, double amount) {
        QTest::addRow("1 %s = %s", from, to) << QString::fromUtf8(from) << QString::fromUtf8(to) << amount;
    };
    row("cm", "mm", 10);
    row("km", "m", 1000);
    row("in", "mm", 25.4);
    row("ft", "m", 0.3048);
    row("yd", "m", 0.9144);
    row("mi", "m", 1609.344);
    row("ft", "in", 12);
    row("yd", "ft", 3);
    row("mi", "yd", 1760);
    row("ha", "m²", 10'000);
    row("km²", "ha", 100);
    row("acre", "m²", 4046.8564224);
    row("acre", "ft²", 43'560);
    row("mi²", "acre", 640);
    row("L", "cm³", 1000);
    row("mL", "cm³", 1);
    row("m³", "L", 1000);
    row("ft³", "in³", 1728);
    row("mi³", "yd³", 1760.0 * 1760 * 1760);
    row("km³", "L", 1e12);
    row("US gal", "in³", 231);
    row("US gal", "L", 3.785411784);
    row("imp gal", "L", 4.54609);
}

void TestUnits::tableKeepsTheDefinitions()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(double, amount);
    const Unit *a = findUnit(from);
    const Unit *b = findUnit(to);
    QVERIFY(a && b);
    QCOMPARE(a->kind, b->kind);
    const double factor = conversionFactor(*a, *b);
    QVERIFY2(close(factor, amount), qPrintable(QString::fromLatin1("%1").arg(factor, 0, 'g', 17)));
}

void TestUnits::roundTripsBetweenEveryPair()
{
    for (const QuantityKind kind : {QuantityKind::Length, QuantityKind::Area, QuantityKind::Volume})
        for (const Unit *a : unitsOf(kind))
            for (const Unit *b : unitsOf(kind)) {
                const double there = 62.8 * conversionFactor(*a, *b);
                QVERIFY2(close(there * conversionFactor(*b, *a), 62.8),
                         qPrintable(QString::fromUtf8(a->symbol) + u' ' + b->symbol));
            }
    const Unit &cm = *findUnit(u"cm");
    QCOMPARE(conversionFactor(cm, cm), 1.0);
}

void TestUnits::everyChoiceReadsBackByItsIds()
{
    QSet<QString> ids;
    for (const Unit &unit : unitTable())
        ids.insert(QString::fromLatin1(unit.id));
    QCOMPARE(ids.size(), qsizetype(unitTable().size()));
    // Each kind's units, and none ("No Units", "Same as Lengths").
    const auto offered = [](QuantityKind kind) {
        std::vector<const Unit *> units = unitsOf(kind);
        units.push_back(nullptr);
        return units;
    };
    for (const Unit *length : offered(QuantityKind::Length))
        for (const Unit *area : offered(QuantityKind::Area))
            for (const Unit *volume : offered(QuantityKind::Volume)) {
                const UnitChoice choice = UnitChoice{}
                                              .with(QuantityKind::Length, length)
                                              .with(QuantityKind::Area, area)
                                              .with(QuantityKind::Volume, volume);
                QVERIFY(unitsFromIds(unitsIds(choice)) == choice);
                // The caption names the units shown, whether chosen or the length's own.
                QCOMPARE(unitsCaption(unitsFromCaption(unitsCaption(choice))), unitsCaption(choice));
            }
}

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
