#include "frmanytriangle.h"

#include "anytrianglesheet.h"
#include "controls/answerlabel.h"
#include "controls/figuretext.h"
#include "controls/globalsubs.h"
#include "controls/picture.h"
#include "controls/valuefield.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace Zyntra {

namespace {

// One row per quantity, in answer order: the caption of its field or result
// row, and what a screen reader calls it.
struct Row {
    const char *caption;
    const char *name;
};

constexpr std::array<Row, AnyValue::Count> Rows{{
    {"a=", "Side a"},
    {"b=", "Side b"},
    {"c=", "Side c"},
    {"A=", "Angle A"},
    {"B=", "Angle B"},
    {"C=", "Angle C"},
    {"Area=", "Area"},
    {"Perimeter=", "Perimeter"},
    {"h_a=", "Height h_a"},
    {"h_b=", "Height h_b"},
    {"h_c=", "Height h_c"},
    {"r=", "Inradius r"},
    {"R=", "Circumradius R"},
}};

constexpr int RowStep = 480;
constexpr std::array<int, 2> ColumnLeft{1200, 2580};

constexpr FigureDrawing Drawing[]{
    {"imgAnyTriangle", ":/pictures/imgAnyTriangle.svg",
     "Triangle with corners A at the lower left, B at the lower right and C at the top; side a faces A, side b "
     "faces B and side c, along the bottom, faces C; heights and circles are not drawn"},
};

// Any three of the six; the sides a triangle's angles allow. The second
// triangle's letters carry a prime.
constexpr OptionQuantities Quantities[]{
    {{side("a", AnyValue::A), side("b", AnyValue::B), side("c", AnyValue::C), angle("A"), angle("B"), angle("C")},
     {length("a"),
      length("b"),
      length("c"),
      angle("A"),
      angle("B"),
      angle("C"),
      area("Area"),
      length("Perimeter"),
      length("h_a"),
      length("h_b"),
      length("h_c"),
      length("r"),
      length("R"),
      sometimes(length("a′")),
      sometimes(length("b′")),
      sometimes(length("c′")),
      sometimes(angle("A′")),
      sometimes(angle("B′")),
      sometimes(angle("C′")),
      sometimes(area("Area′")),
      sometimes(length("Perimeter′")),
      sometimes(length("h_a′")),
      sometimes(length("h_b′")),
      sometimes(length("h_c′")),
      sometimes(length("r′")),
      sometimes(length("R′"))}},
};
const FigureEntry Figure{
    .id = "any-triangle",
    .menu = FigureMenu::Plane,
    .index = 12,
    .caption = "Triangle (Any)",
    .modeVariable = nullptr,
    .mode = 0,
    .load = []() -> FigureWindow * { return new frmAnyTriangle; },
    .calculate = calculateAnyTriangle,
    .answers = AnyValue::Answers,
    .twoOrThree = AnyValue::Answers,
    .drawings = Drawing,
    .sheet = anyTriangleSheet,
    .quantities = Quantities,
    .givenFields = 3,
    .section = MenuSection::More,
};

} // namespace

frmAnyTriangle::frmAnyTriangle()
    : FigureWindow(FormCode::AnyTriangle, QStringLiteral("frmAnyTriangle"), {0, 0, 9000, 8055})
{
    QGroupBox *all =
        addFrame(form(), QStringLiteral("fraAnyTriangle"), {0, 0, 9000, 8055}, QStringLiteral("Any triangle"));
    addTitle(all, QStringLiteral("lblTitle"), {120, 120, 8655, 495}, QStringLiteral("Any Triangle Formulas"));

    QGroupBox *given = addFrame(all, QStringLiteral("fraGiven"), {240, 600, 2295, 2655}, QStringLiteral("Values"));
    given->setTitle(figureText(u"Given Values:"));
    setBold(given);
    for (int i = 0; i < AnyValue::FieldCount; ++i) {
        const Row &row = Rows[size_t(i)];
        const int top = 360 + 360 * i;
        QLabel *caption = addLabel(given, arrayName(QStringLiteral("lblInput"), i), {120, top, 255, 285},
                                   QString::fromUtf8(row.caption));
        setBold(caption, false);
        ValueField *field = addField(given, arrayName(QStringLiteral("txtInput"), i), {400, top, 1695, 285}, caption,
                                     QString::fromUtf8(row.name));
        setBold(field, false);
        field->setKeyPressHandler([this, i](qint16 &keyAscii) { txtInput_KeyPress(i, keyAscii); });
        m_inputs[size_t(i)] = field;
    }
    QLabel *hint = addLabel(all, QStringLiteral("lblHint"), {2760, 1920, 1935, 1215},
                            QStringLiteral("Give any three values, at least one of them a side. Angles are in "
                                           "degrees."));
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    addDrawing(all, {240, 3480, 4455, 4335}, Drawing[0]);

    QGroupBox *results =
        addFrame(all, QStringLiteral("fraResults"), {4920, 600, 3960, 7215}, QStringLiteral("Results"));
    results->setTitle(figureText(u"Results:"));
    setBold(results);
    // Shown only where two triangles fit, so that the user sees at once that there is a choice.
    const char *const headings[] = {"First triangle", "Second triangle"};
    for (size_t column = 0; column < m_columns.size(); ++column) {
        m_columns[column] = addLabel(results, arrayName(QStringLiteral("lblColumn"), int(column)),
                                     {ColumnLeft[column], 300, 1275, 255}, QString::fromLatin1(headings[column]));
        m_columns[column]->setWordWrap(true);
    }
    for (int i = 0; i < AnyValue::Count; ++i) {
        const Row &row = Rows[size_t(i)];
        const int top = 600 + RowStep * i;
        setBold(addLabel(results, arrayName(QStringLiteral("lblResult"), i), {120, top, 1035, 285},
                         QString::fromUtf8(row.caption)),
                false);
        const QString name = QString::fromUtf8(row.name);
        m_answers[size_t(i)] =
            addAnswer(results, arrayName(QStringLiteral("lblanswer"), i), {ColumnLeft[0], top, 1275, 285}, name);
        m_answers[size_t(AnyValue::Second + i)] =
            addAnswer(results, arrayName(QStringLiteral("lblanswer"), AnyValue::Second + i),
                      {ColumnLeft[1], top, 1275, 285}, name + QStringLiteral(", second triangle"));
    }
    showSecondTriangle(false);

    addCommandButtons(all, {2760, 720, 1935, 495}, {2760, 1320, 1935, 495}, &frmAnyTriangle::cmdCalculate_Click,
                      &frmAnyTriangle::cmdClear_Click);

    Form_Load();
}

void frmAnyTriangle::Form_Load()
{
    intCurrentForm = FormCode::AnyTriangle;
}

void frmAnyTriangle::txtInput_KeyPress([[maybe_unused]] int index, qint16 &keyAscii)
{
    filterKeyCode(keyAscii);
}

void frmAnyTriangle::cmdCalculate_Click()
{
    AnyTriangle();
}

void frmAnyTriangle::AnyTriangle()
{
    calculate(m_inputs, [this](const QStringList &given) {
        const Outcome outcome = calculateAnyTriangle(given, 0);
        if (!showOutcome(outcome, m_answers, m_inputs))
            return false;
        showSecondTriangle(outcome.answers.contains(AnyValue::Second));
        return true;
    });
}

// The second column shows only while a second triangle fits; otherwise it
// holds nothing that could be read, copied or reached with Tab.
void frmAnyTriangle::showSecondTriangle(bool shown)
{
    for (int i = AnyValue::Second; i < AnyValue::Answers; ++i) {
        if (!shown)
            m_answers[size_t(i)]->clear();
        m_answers[size_t(i)]->setVisible(shown);
    }
    for (QLabel *heading : m_columns)
        heading->setVisible(shown);
}

void frmAnyTriangle::cmdClear_Click()
{
    for (ValueField *field : m_inputs)
        field->clear();
    for (AnswerLabel *answer : m_answers)
        answer->clear();
    showSecondTriangle(false);
}

FigureEntries anyTriangleFigures()
{
    return {&Figure};
}

} // namespace Zyntra
