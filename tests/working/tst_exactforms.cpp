// Every exact form an answer shows is the figure's exact value: worked out
// to 50 digits it is the answer under the exact constants. The forms a
// teacher would write come out of the figures' own calculations.
#include "entry/exact.h"
#include "entry/term.h"
#include "fuzz/figuretable.h"
#include "working/typedvalues.h"

#include <QRandomGenerator>
#include <QTest>

#include <charconv>
#include <cmath>

using namespace Zyntra;

class TestExactForms : public QObject {
    Q_OBJECT
private slots:
    void formsAreTheExactAnswers_data();
    void formsAreTheExactAnswers();
    void formsWorkedByHand_data();
    void formsWorkedByHand();
    void digitsShownAreRight_data();
    void digitsShownAreRight();
};

namespace {

// Exact forms and constants for one test, put back even when it fails.
struct Chosen {
    Chosen(bool forms, bool constants)
    {
        setExactForms(forms);
        setExactConstants(constants);
    }
    ~Chosen()
    {
        setExactForms(false);
        setExactConstants(false);
    }
};

double digitsValue(const QString &decimal)
{
    const QByteArray text = decimal.toLatin1();
    double value = std::nan("");
    std::from_chars(text.constData(), text.constData() + text.size(), value);
    return value;
}

// A figure by its caption and the index of one of its answers by its
// letter; no figure where either is not declared.
std::pair<const FigureEntry *, int> declaredAnswer(const QString &figure, int option, const QString &letter)
{
    const auto entry =
        std::ranges::find(Figures, figure, [](const FigureEntry *f) { return QString::fromLatin1(f->caption); });
    if (entry == Figures.end())
        return {nullptr, -1};
    const auto &answers = (*entry)->quantities[size_t(option)].answers;
    const auto declared = std::ranges::find_if(
        answers, [&](const Quantity &q) { return q.letter && QString::fromUtf8(q.letter) == letter; });
    if (declared == answers.end())
        return {nullptr, -1};
    return {*entry, int(declared - answers.begin())};
}

} // namespace

void TestExactForms::formsAreTheExactAnswers_data()
{
    QTest::addColumn<int>("figure");
    for (int figure = 0; figure < int(Figures.size()); ++figure)
        QTest::addRow("%s", Figures[size_t(figure)]->caption) << figure;
}

void TestExactForms::formsAreTheExactAnswers()
{
    QFETCH(int, figure);
    const FigureEntry &tested = *Figures[size_t(figure)];
    QRandomGenerator random(quint32(figure) + 1);
    int answers = 0;
    int forms = 0;
    for (int option = 0; option < tested.options(); ++option) {
        for (int run = 0; run < 100; ++run) {
            const QStringList fields = randomFields(random, tested, option, 2);
            const QString input = fields.join(QStringLiteral(", "));
            const Outcome shown = [&] {
                const Chosen chosen(true, false);
                return tested.calculate(fields, qint16(option));
            }();
            // In a precision of the user's own, which rounds no value on the way.
            const Outcome exact = [&] {
                const Chosen chosen(false, true);
                setAnswerPrecision(Precision::significant(15));
                const Outcome outcome = tested.calculate(fields, qint16(option));
                setAnswerPrecision(Precision::asDescribed());
                return outcome;
            }();
            QVERIFY2(shown.kind == Outcome::Kind::Answers && exact.kind == Outcome::Kind::Answers, qPrintable(input));
            for (const auto &[index, working] : shown.workings) {
                const QString line = input + QStringLiteral(": ") + workingText(QString::number(index), working, {});
                QVERIFY2(working.exactSought || working.formula.isEmpty(), qPrintable(line));
                ++answers;
                if (working.exact.isEmpty())
                    continue;
                ++forms;
                QVERIFY2(working.exactValue && !working.exactSpoken.isEmpty(), qPrintable(line));
                const double value = digitsValue(working.exactValue->decimal(50));
                const double expected = exact.values.at(index);
                QVERIFY2(std::fabs(value - expected) <= 1e-12 * std::fabs(expected), qPrintable(line));
            }
        }
    }
    QVERIFY(answers > 0);
    qInfo("%s: %d of %d answers (%.0f%%) have an exact form", tested.caption, forms, answers, 100.0 * forms / answers);
}

void TestExactForms::formsWorkedByHand_data()
{
    QTest::addColumn<QString>("figure");
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("form");
    const auto row = [](const char *figure, int option, const QStringList &fields, const char *answer,
                        const char *form) {
        QTest::addRow("%s %s", figure, answer) << figure << option << fields << answer << form;
    };
    row("Circle", 0, {"5"}, "Area", "25π");
    row("Circle", 0, {"5"}, "C", "10π");
    row("Rectangle", 0, {"5", "5"}, "Diagonal", "5√2");
    row("Triangle (Equilateral)", 0, {"2"}, "Area", "√3");
    row("Sphere", 0, {"3"}, "S", "36π");
    row("Sphere", 0, {"3"}, "V", "36π");
    row("Right Cone", 0, {"3", "4"}, "k", "5");
    row("Right Cone", 0, {"3", "4"}, "Surface Area", "24π");
    row("Regular Polygon", 0, {"2"}, "A6", "6√3");
    row("Circle Sections", 0, {"6", "60"}, "Area", "6π");
    row("Rhombus", 0, {"4", "30"}, "Area", "8");
    row("Ellipse", 0, {"2", "1"}, "Area", "2π");
    // Its formula only comes near the perimeter.
    row("Ellipse", 0, {"2", "1"}, "Perimeter", "");
}

void TestExactForms::formsWorkedByHand()
{
    QFETCH(QString, figure);
    QFETCH(int, option);
    QFETCH(QStringList, fields);
    QFETCH(QString, answer);
    QFETCH(QString, form);
    const auto [entry, index] = declaredAnswer(figure, option, answer);
    QVERIFY(entry);
    const Chosen chosen(true, false);
    const Outcome outcome = entry->calculate(fields, qint16(option));
    const Working &working = outcome.workings.at(index);
    QCOMPARE(working.exact, form);
    const QString text = workingText(answer, working, outcome.answers.at(index));
    QVERIFY2(
        text.endsWith(form.isEmpty() ? QStringLiteral(" (no exact form)") : QStringLiteral(" (exact: %1)").arg(form)),
        qPrintable(text));
}

void TestExactForms::digitsShownAreRight_data()
{
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("decimals"); // 0: fifteen significant digits
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("shown");
    // A thin wall: R − r loses most digits of the doubles.
    QTest::newRow("thin wall") << "Hollow Cylinder" << QStringList{"1000.001", "1000", "1"} << 0 << "t"
                               << "0.00100000000000000";
    QTest::newRow("thin wall's volume") << "Hollow Cylinder" << QStringList{"1000.001", "1000", "1"} << 0 << "Volume"
                                        << "6.28000314000000";
    QTest::newRow("nine decimals") << "Hollow Cylinder" << QStringList{"152", "151.848", "757.74895"} << 9 << "Volume"
                                   << "109889.187252558";
    // Past 2^53 a double holds no unit; the typed value still does.
    QTest::newRow("past 2^53") << "Rectangle" << QStringList{"1234567890123456789", "1"} << 2 << "Area"
                               << "1234567890123456789.00";
}

// Whether or not exact forms are shown, the digits are the exact value's,
// rounded once.
void TestExactForms::digitsShownAreRight()
{
    QFETCH(QString, figure);
    QFETCH(QStringList, fields);
    QFETCH(int, decimals);
    QFETCH(QString, answer);
    QFETCH(QString, shown);
    const auto [entry, index] = declaredAnswer(figure, 0, answer);
    QVERIFY(entry);
    for (const bool forms : {false, true}) {
        const Chosen chosen(forms, false);
        setAnswerPrecision(decimals ? Precision::decimals(decimals) : Precision::significant(15));
        const Outcome outcome = entry->calculate(fields, 0);
        setAnswerPrecision(Precision::asDescribed());
        QCOMPARE(outcome.answers.at(index), shown);
    }
}

QTEST_GUILESS_MAIN(TestExactForms)
#include "tst_exactforms.moc"
