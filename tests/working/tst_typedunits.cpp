// A value typed with a unit of its own is the same value: every figure,
// given random values each in a random unit of its kind, answers as it does
// given the same values in the program's unit.
#include "entry/measurement.h"
#include "entry/term.h"
#include "fuzz/figuretable.h"
#include "working/typedvalues.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace Zyntra;

class TestTypedUnits : public QObject {
    Q_OBJECT
private slots:
    void unitsOfTheirOwnGiveTheSameAnswers_data();
    void unitsOfTheirOwnGiveTheSameAnswers();
};

namespace {

// An amount in a unit as a user may write it: its symbol, spaced or not,
// its words, or feet and inches as a tape reads.
QString spelled(QRandomGenerator &random, double amount, const Unit &unit)
{
    const QString number = fullNumber(amount);
    const QString symbol = QString::fromUtf8(unit.symbol);
    switch (random.bounded(4)) {
    case 0:
        return number + symbol;
    case 1:
        return number + u' ' + QString::fromUtf8(unit.plural);
    case 2:
        if (symbol == u"in" && amount >= 12) {
            const double feet = std::floor(amount / 12);
            return fullNumber(feet) + QStringLiteral("' ") + fullNumber(amount - feet * 12) + u'"';
        }
        if (symbol == u"ft" || symbol == u"in")
            return number + (symbol == u"ft" ? u'\'' : u'"');
        break;
    }
    return number + u' ' + symbol;
}

} // namespace

void TestTypedUnits::unitsOfTheirOwnGiveTheSameAnswers_data()
{
    QTest::addColumn<int>("figure");
    for (int figure = 0; figure < int(Figures.size()); ++figure)
        QTest::addRow("%s", Figures[size_t(figure)]->caption) << figure;
}

void TestTypedUnits::unitsOfTheirOwnGiveTheSameAnswers()
{
    QFETCH(int, figure);
    const FigureEntry &tested = *Figures[size_t(figure)];
    QRandomGenerator random(quint32(figure) + 1);
    const std::vector<const Unit *> lengths = unitsOf(QuantityKind::Length);
    int converted = 0;
    for (int option = 0; option < tested.options(); ++option) {
        const auto &given = tested.quantities[size_t(option)].given;
        for (int run = 0; run < 40; ++run) {
            const UnitChoice choice =
                UnitChoice{}.with(QuantityKind::Length, lengths[random.bounded(quint32(lengths.size()))]);
            const QStringList fields = randomFields(random, tested, option);
            QStringList typed = fields;
            for (qsizetype i = 0; i < fields.size(); ++i) {
                const Unit *worked = choice.measured(given[size_t(i)].kind);
                std::vector<const Unit *> units = unitsOf(given[size_t(i)].kind);
                std::erase(units, tapeUnit()); // a way of showing inches, never typed by its name
                if (fields[i].isEmpty() || !worked)
                    continue;
                const Unit &unit = *units[random.bounded(quint32(units.size()))];
                typed[i] = spelled(random, fields[i].toDouble() * conversionFactor(*worked, unit), unit);
                ++converted;
            }
            const QString input = typed.join(QStringLiteral(", ")) + QStringLiteral(" in ") + unitsCaption(choice);
            const ProgramValues read = inProgramUnits(typed, given, choice);
            QVERIFY2(!read.failure, qPrintable(input + QStringLiteral(": ") + read.failure->text));
            const Outcome plain = tested.calculate(fields, qint16(option));
            const Outcome withUnits = tested.calculate(read.texts, qint16(option));
            QVERIFY2(plain.kind == withUnits.kind && plain.failure.field == withUnits.failure.field, qPrintable(input));
            QCOMPARE(withUnits.values.size(), plain.values.size());
            for (const auto &[index, value] : plain.values) {
                const double other = withUnits.values.at(index);
                QVERIFY2(std::fabs(other - value) <= 1e-12 * std::fabs(value),
                         qPrintable(input
                                    + QStringLiteral(": answer %1 is %2, not %3")
                                          .arg(index)
                                          .arg(fullNumber(other), fullNumber(value))));
            }
        }
    }
    QVERIFY(converted > 0);
}

QTEST_GUILESS_MAIN(TestTypedUnits)
#include "tst_typedunits.moc"
