// The catalogue declares each figure once; every declaration must hold for
// the window it opens, so that a slip fails here naming the figure.
#include "shellfixture.h"

#include "controls/answerlabel.h"
#include "controls/globalsubs.h"
#include "controls/valuefield.h"
#include "desktop/everywindow.h"
#include "entry/constantcheck.h"
#include "entry/numericentry.h"
#include "sheet/sheetbuilder.h"
#include "shell/catalogue.h"
#include "working/typedvalues.h"

#include <QPushButton>
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
    void declaredAnswersAreTheCalculations_data();
    void declaredAnswersAreTheCalculations();
    void declarationsHoldWhenCalculated_data();
    void declarationsHoldWhenCalculated();
    void everyConstantTakenIsWhatItsSymbolSays();
};

namespace {

// The indexes where a declaration names a quantity; with `always`, only
// those that every calculation answers.
template <size_t N>
QList<int> declared(const std::array<Quantity, N> &quantities, bool always = false)
{
    QList<int> indexes;
    for (size_t i = 0; i < N; ++i)
        if (quantities[i].letter && !(always && quantities[i].sometimes))
            indexes << int(i);
    return indexes;
}

// The answers a calculation gave are the declared ones: all that always
// come, and of the others only those these values bring.
bool answeredAsDeclared(const QList<int> &answered, const OptionQuantities &quantities)
{
    const QList<int> all = declared(quantities.answers);
    return std::ranges::all_of(answered, [&](int index) { return all.contains(index); })
           && std::ranges::all_of(declared(quantities.answers, true),
                                  [&](int index) { return answered.contains(index); });
}

// The power of a length a kind of value goes with: doubling the lengths
// doubles a length, makes an area four times and a volume eight times as
// large, and keeps an angle or a count.
int powerOfLength(QuantityKind kind)
{
    return kind == QuantityKind::Length ? 1 : kind == QuantityKind::Area ? 2 : kind == QuantityKind::Volume ? 3 : 0;
}

double answerOf(const Outcome &outcome, int index)
{
    const auto value = outcome.values.find(index);
    return outcome.kind == Outcome::Kind::Answers && value != outcome.values.end() ? value->second : std::nan("");
}

bool near(double a, double b, double relative, double absolute = 0)
{
    return std::fabs(a - b) <= relative * std::fabs(b) + absolute;
}

template <size_t N>
int indexOf(const std::array<Quantity, N> &quantities, const char *letter)
{
    for (size_t i = 0; i < N; ++i)
        if (quantities[i].letter && qstrcmp(quantities[i].letter, letter) == 0)
            return int(i);
    return -1;
}

QString rowsText(const QList<int> &rows)
{
    QStringList texts;
    for (int row : rows)
        texts << QString::number(row);
    return texts.join(u' ');
}

} // namespace

void TestCatalogue::menusCountTheirItemsFromZero()
{
    QSet<QString> ids;
    QSet<std::pair<const qint16 *, qint16>> modes;
    for (const FigureMenu menu : {FigureMenu::Plane, FigureMenu::Solid}) {
        const FigureEntries items = figureMenu(menu);
        QVERIFY(!items.empty());
        for (qint16 index = 0; index < qint16(items.size()); ++index) {
            const FigureEntry &figure = *items[size_t(index)];
            QVERIFY2(figure.index == index,
                     qPrintable(QStringLiteral("%1 takes the index %2, where the menu's item %3 "
                                               "stands; two figures share an index or one is missing")
                                    .arg(QLatin1String(figure.id))
                                    .arg(figure.index)
                                    .arg(index)));
            // One separator: the later figures never come between the first ones.
            QVERIFY2(index == 0 || figure.section >= items[size_t(index - 1)]->section, figure.id);
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
    QVERIFY(figure.options() >= 1 && figure.answers >= 1);
    QVERIFY(figure.twoOrThree >= 0 && figure.twoOrThree <= figure.answers);
    // The sheet asks each option for letters it declares, and for no other.
    QVERIFY(figure.sheet);
    for (qint16 option = 0; option < figure.options(); ++option) {
        const OptionQuantities &declared = figure.quantities[size_t(option)];
        SheetValues values;
        for (const std::span<const Quantity> list :
             {std::span<const Quantity>(declared.given), std::span<const Quantity>(declared.answers)})
            for (const Quantity &quantity : list)
                if (quantity.letter)
                    values << SheetValue{QString::fromUtf8(quantity.letter), 1};
        const QStringList missing = drawSheetFigure({figure.sheet, option, values}).missing;
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("%1 option %2 lacks %3").arg(id).arg(option).arg(missing.join(u' '))));
    }

    ShellFixture program;
    QCOMPARE(program.menuItem(menuItemName(figure))->text(), QString::fromLatin1(figure.caption));
    auto *window = program.open<FigureWindow>(menuItemName(figure));
    QVERIFY(window);
    QCOMPARE(window->formCode(), intCurrentForm);
    if (figure.modeVariable)
        QCOMPARE(*figure.modeVariable, figure.mode);
    QList<QRadioButton *> options;
    for (QRadioButton *option : byIndex<QRadioButton>(window))
        if (option->isVisibleTo(window))
            options << option;
    QVERIFY2(options.size() == figure.options() || (figure.options() == 1 && options.size() <= 1),
             qPrintable(QString::number(options.size())));
    QCOMPARE(window->findChildren<AnswerLabel *>().size(), qsizetype(figure.answers));
    // Each option shows the fields it declares, and only those.
    for (int option = 0; option < figure.options(); ++option) {
        if (option < options.size())
            clickOption(options[option]);
        QList<int> shown;
        const QList<ValueField *> fields = byIndex<ValueField>(window);
        for (int i = 0; i < fields.size(); ++i)
            if (fields[i]->isVisibleTo(window))
                shown << i;
        QCOMPARE(shown, declared(figure.quantities[size_t(option)].given));
        // Typed and calculated, the values travel under the declared letters.
        QRandomGenerator random{quint32(option)};
        const QStringList typed = randomFields(random, figure, option);
        for (qsizetype i = 0; i < typed.size(); ++i)
            QTest::keyClicks(fields[i], typed[i]);
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdCalculate")), Qt::LeftButton);
        const std::optional<FigureValues> values = window->values();
        QVERIFY(values);
        QCOMPARE(values->option, option);
        for (const FigureValue &given : values->given) {
            QCOMPARE(given.letter,
                     QString::fromUtf8(figure.quantities[size_t(option)].given[size_t(given.index)].letter));
            QCOMPARE(given.text, fields[given.index]->text());
        }
        QList<int> answered;
        for (const FigureValue &answer : values->answers) {
            answered << answer.index;
            QCOMPARE(formatResult(answer.value, figure.pattern(answer.index)), answer.text);
        }
        QVERIFY2(answeredAsDeclared(answered, figure.quantities[size_t(option)]), qPrintable(typed.join(u',')));
        // It shows a row for each answer it declares, and for no other:
        // a row left hidden or one shown undeclared fails here.
        QList<int> rows;
        const QList<AnswerLabel *> answers = byIndex<AnswerLabel>(window);
        for (int i = 0; i < answers.size(); ++i)
            if (answers[i]->isVisibleTo(window))
                rows << i;
        QVERIFY2(answeredAsDeclared(rows, figure.quantities[size_t(option)]),
                 qPrintable(QStringLiteral("option %1 shows the answers %2").arg(option).arg(rowsText(rows))));
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdClear")), Qt::LeftButton);
        QVERIFY(!window->values());
    }
    intCurrentForm = intSquareMode = intCircleMode = 0;
}

void TestCatalogue::declaredAnswersAreTheCalculations_data()
{
    everyFigureOpensAsDeclared_data();
}

// The answers declared are the very ones the calculation gives.
void TestCatalogue::declaredAnswersAreTheCalculations()
{
    QFETCH(QString, id);
    const FigureEntry &figure = *figureById(id);
    QRandomGenerator random(7);
    for (int option = 0; option < figure.options(); ++option) {
        const QStringList fields = randomFields(random, figure, option);
        const Outcome outcome = figure.calculate(fields, qint16(option));
        QList<int> answered;
        for (const auto &[index, text] : outcome.answers)
            answered << index;
        QVERIFY2(outcome.kind == Outcome::Kind::Answers, qPrintable(fields.join(u',')));
        QVERIFY2(answeredAsDeclared(answered, figure.quantities[size_t(option)]), qPrintable(fields.join(u',')));
    }
}

void TestCatalogue::declarationsHoldWhenCalculated_data()
{
    everyFigureOpensAsDeclared_data();
}

// What each option declares holds for its calculation and its sheet: every
// answer scales as its kind when the given lengths are doubled, every
// inverse finds a given value the calculation gives the answer back from,
// and every length the sheet labels is drawn to the sheet's scale (half of
// it along the cabinet view's depth) where the values make a figure to scale.
void TestCatalogue::declarationsHoldWhenCalculated()
{
    QFETCH(QString, id);
    const FigureEntry &figure = *figureById(id);
    QRandomGenerator random(11);
    for (qint16 option = 0; option < figure.options(); ++option) {
        const OptionQuantities &declared = figure.quantities[size_t(option)];
        for (int round = 0; round < 24; ++round) {
            // The sheet draws true to π: its lengths are measured under the exact constants.
            const bool exact = round % 2;
            setExactConstants(exact);
            const QStringList fields = randomFields(random, figure, option);
            const Outcome outcome = figure.calculate(fields, option);
            const QString values = QStringLiteral("option %1, fields %2: ").arg(option).arg(fields.join(u','));
            QVERIFY2(outcome.kind == Outcome::Kind::Answers, qPrintable(values));

            QStringList doubled = fields;
            for (qsizetype i = 0; i < fields.size(); ++i)
                if (const std::optional<double> value = textToNumber(fields[i]))
                    doubled[i] = fullNumber(*value * (1 << powerOfLength(declared.given[size_t(i)].kind)));
            const Outcome twice = figure.calculate(doubled, option);
            for (const auto &[index, value] : outcome.values) {
                const Quantity &answer = declared.answers[size_t(index)];
                const double factor = 1 << powerOfLength(answer.kind);
                // Answers rounded to two decimals move by up to a cent.
                QVERIFY2(std::fabs(value) < 1 || near(answerOf(twice, index), value * factor, 1e-9, 0.01 * factor),
                         qPrintable(values
                                    + QStringLiteral("%1 is declared to grow %2 times with the lengths, "
                                                     "but grew from %3 to %4")
                                          .arg(QString::fromUtf8(answer.letter))
                                          .arg(factor)
                                          .arg(value)
                                          .arg(answerOf(twice, index))));
            }

            for (const Inverse &inverse : figure.inverses) {
                if (inverse.option != option)
                    continue;
                const int answer = indexOf(declared.answers, inverse.answer);
                const int field = indexOf(declared.given, inverse.given);
                const QString name = values + QStringLiteral("%1 from %2").arg(inverse.given, inverse.answer);
                QVERIFY2(answer >= 0 && field >= 0, qPrintable(name + QStringLiteral(": a letter not declared")));
                const double target = answerOf(outcome, answer);
                QStringList solved = fields;
                try {
                    const Term found = inverse.solve(InverseValues(
                        Term::given(QString::fromUtf8(inverse.answer), target), Fields(fields), declared));
                    solved[field] = fullNumber(found.value());
                } catch (const Failure &failure) {
                    QFAIL(qPrintable(name + QStringLiteral(": ") + describe(failure, {})));
                }
                QVERIFY2(near(answerOf(figure.calculate(solved, option), answer), target, 1e-9),
                         qPrintable(name + QStringLiteral(" gave ") + solved[field]));
            }

            const SheetValues drawn = sheetValues(declared, fields, outcome);
            const SheetFigure sheet = drawSheetFigure({figure.sheet, option, drawn});
            for (const SheetShape &shape : sheet.shapes) {
                const auto *dimension = std::get_if<SheetDimension>(&shape);
                if (!dimension)
                    continue;
                const QString letter = dimension->label.section(QStringLiteral(" = "), 0, 0);
                const auto value = std::ranges::find(drawn, letter, &SheetValue::letter);
                const QByteArray name = letter.toUtf8();
                const int answer = indexOf(declared.answers, name.constData());
                const int given = indexOf(declared.given, name.constData());
                // A length of the drawing's own (a prism's hypotenuse b) may go
                // undeclared; a declared value under a letter the option lacks is
                // a misspelt letter.
                QVERIFY2(answer >= 0 || given >= 0
                             || std::ranges::none_of(drawn,
                                                     [&](const SheetValue &other) {
                                                         return label(letter, other.value, {}) == dimension->label;
                                                     }),
                         qPrintable(values + dimension->label
                                    + QStringLiteral(" names a declared value by another letter")));
                const Quantity &quantity =
                    answer >= 0 ? declared.answers[size_t(answer)] : declared.given[size_t(std::max(given, 0))];
                if (!exact || !sheet.toScale || value == drawn.end() || quantity.kind != QuantityKind::Length)
                    continue;
                const QPointF along = dimension->to - dimension->from;
                const double scale = std::hypot(along.x(), along.y()) / value->value;
                QVERIFY2(
                    near(scale, 1, 1e-3) || near(scale, std::hypot(Cabinet.right, Cabinet.up), 1e-3),
                    qPrintable(values + dimension->label + QStringLiteral(" is drawn %1 times as long").arg(scale)));
            }
        }
    }
    setExactConstants(false);
}

// Whichever table a figure's constant is written in, its calculation takes
// it: every one taken is held to its symbol and its typed digits.
void TestCatalogue::everyConstantTakenIsWhatItsSymbolSays()
{
    for (const FigureEntry *figure : figureCatalogue())
        for (qint16 option = 0; option < figure->options(); ++option)
            for (const bool exact : {false, true}) {
                setExactConstants(exact);
                QRandomGenerator random{quint32(option)};
                figure->calculate(randomFields(random, *figure, option), option);
            }
    setExactConstants(false);
    const std::vector<Constant> taken = constantsTaken();
    QVERIFY(!taken.empty());
    for (const Constant &constant : taken)
        QVERIFY2(constantMismatch(constant).isEmpty(), qPrintable(constantMismatch(constant)));
}

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
