#include "frmgeometry.h"

#include "controls/answerlabel.h"
#include "controls/figuretext.h"
#include "controls/globalsubs.h"
#include "controls/picture.h"
#include "controls/systemcolours.h"
#include "controls/valuefield.h"
#include "rttriangle.h"
#include "rttrianglesheet.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace Zyntra {

namespace {

// One row per quantity, in value-list order: its "Given Values:" row and
// the place on the drawing where its value is written.
struct ValueRow {
    const char *caption;
    const char *name; // what a screen reader says, and the warning names
    int top;
    const char *letter; // the hidden result label's design caption
    Twips answer;
};

constexpr std::array<ValueRow, RtValue::Count> ValueRows{{
    {"a=", "Side a", 480, "a", {720, 2280, 855, 495}},
    {"b=", "Side b", 840, "b", {2880, 4200, 855, 495}},
    {"c=", "Hypotenuse c", 1200, "c", {3840, 1800, 855, 495}},
    {"A=", "Angle A", 1800, "A", {5160, 3480, 855, 375}},
    {"B=", "Angle B", 2160, "B", {2160, 2040, 855, 495}},
}};

struct SideCaption {
    const char *text;
    Twips at;
};

constexpr std::array<SideCaption, 3> SideCaptions{{
    {"a=", {720, 2040, 855, 495}},
    {"c=", {3840, 1560, 1215, 375}},
    {"b=", {2880, 3960, 1215, 375}},
}};

// A blue that stays readable on the black drawing.
const QColor AnswerBlue(0x33, 0x99, 0xFF);

QFont withSize(QFont font, qreal points, bool bold)
{
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Written straight onto the drawing, top-aligned as designed so that a
// caption and the value under it do not cover each other.
void styleOnDrawing(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, AnswerBlue);
    label->setPalette(palette);
    label->setFont(withSize(label->font(), 9.75, true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

// An answer shows on the drawing once written; a long value widens its
// label rather than losing digits.
void fitOnDrawing(AnswerLabel *label, Twips design)
{
    label->resize(std::max(design.toPixels().width(), label->sizeHint().width()), label->height());
    label->show();
}

// A locked field greys out in the colour of the theme in force.
void setFieldState(ValueField *field, bool enabled)
{
    field->setEnabled(enabled);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, enabled ? SystemColour::windowBackground() : SystemColour::inactiveBorder());
    field->setPalette(palette);
}

constexpr FigureDrawing Drawing[]{
    {"imgRightTriangle", ":/pictures/imgRightTriangle.svg",
     "Right triangle: right angle C=90 at the lower left, angle A at the lower right, angle B at the top; "
     "side a upright, side b along the bottom, hypotenuse c slanted"},
};

// Legs shorter than the hypotenuse, acute angles; any two of the five.
constexpr OptionQuantities Quantities[]{
    {{length("a", RtValue::c), length("b", RtValue::c), length("c"), angle("A", 90), angle("B", 90)},
     {length("a"), length("b"), length("c"), angle("A"), angle("B")}},
};
const FigureEntry Figure{
    .id = "right-triangle",
    .menu = FigureMenu::Plane,
    .index = 1,
    .caption = "Triangle (Right)",
    .modeVariable = nullptr,
    .mode = 0,
    .load = []() -> FigureWindow * { return new frmGeometry; },
    .calculate = calculateRtTriangle,
    .answers = RtValue::Count,
    .twoOrThree = 0,
    .drawings = Drawing,
    .sheet = rightTriangleSheet,
    .quantities = Quantities,
    .givenFields = 2,
};

} // namespace

frmGeometry::frmGeometry()
    : FigureWindow(FormCode::Geometry, QStringLiteral("frmGeometry"), {0, 0, 8175, 8055})
{
    QGroupBox *all =
        addFrame(form(), QStringLiteral("fraRtTriangle"), {0, 0, 8175, 8055}, QStringLiteral("Right triangle"));

    addTitle(all, QStringLiteral("lblTitle"), {120, 120, 7455, 495}, QStringLiteral("Rt. Triangle Formulas"));

    addDrawing(all, {240, 600, 7395, 4125}, Drawing[0]);

    for (int i = 0; i < int(SideCaptions.size()); ++i) {
        const SideCaption &side = SideCaptions[size_t(i)];
        styleOnDrawing(
            addLabel(all, arrayName(QStringLiteral("lblanswer"), 5 + i), side.at, QString::fromLatin1(side.text)));
    }

    QGroupBox *given =
        addFrame(all, QStringLiteral("fraRightTriangle"), {240, 5160, 2655, 2775}, QStringLiteral("Values"));
    given->setTitle(figureText(u"Given Values:"));
    given->setFont(withSize(given->font(), 9.75, true));
    const QFont plain = withSize(form()->font(), 8.25, false);

    for (int i = 0; i < RtValue::Count; ++i) {
        const ValueRow &quantity = ValueRows[size_t(i)];
        QLabel *caption = addLabel(given, arrayName(QStringLiteral("lblResult"), i), {120, quantity.top, 255, 255},
                                   QString::fromLatin1(quantity.caption));
        caption->setFont(plain);
        ValueField *field = addField(given, arrayName(QStringLiteral("txtInput"), i), {360, quantity.top, 1455, 285},
                                     caption, QString::fromLatin1(quantity.name));
        field->setFont(plain);
        field->setKeyPressHandler([this, i](qint16 &keyAscii) { txtInput_KeyPress(i, keyAscii); });
        connect(field, &QLineEdit::textChanged, this, [this, i] { txtInput_Change(i); });
        m_inputs[size_t(i)] = field;

        AnswerLabel *answer =
            addAnswer(all, arrayName(QStringLiteral("lblanswer"), i), quantity.answer,
                      QString::fromLatin1(quantity.name), AnswerLook::Plain, QString::fromLatin1(quantity.letter));
        styleOnDrawing(answer);
        answer->hide();
        m_answers[size_t(i)] = answer;
    }

    const CommandButtons buttons = addCommandButtons(all, {6000, 5280, 1575, 495}, {6000, 6000, 1575, 495},
                                                     &frmGeometry::cmdCalculate_Click, &frmGeometry::cmdClear_Click);
    for (QPushButton *button : {buttons.calculate, buttons.clear})
        button->setFont(withSize(button->font(), 9.75, true));

    Form_Load();
}

void frmGeometry::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        for (ValueField *field : m_inputs)
            setFieldState(field, field->isEnabled());
    FigureWindow::changeEvent(event);
}

void frmGeometry::Form_Load()
{
    intCurrentForm = FormCode::Geometry;
}

// Once two fields hold text the empty ones are locked, so that no
// calculation ever sees more than two given values.
void frmGeometry::txtInput_Change([[maybe_unused]] int index)
{
    const auto filled = std::ranges::count_if(m_inputs, [](ValueField *field) { return !field->text().isEmpty(); });
    for (ValueField *field : m_inputs) {
        if (filled < 2)
            setFieldState(field, true);
        else if (field->text().isEmpty())
            setFieldState(field, false);
    }
}

void frmGeometry::txtInput_KeyPress([[maybe_unused]] int index, qint16 &keyAscii)
{
    filterKeyCode(keyAscii);
}

void frmGeometry::cmdCalculate_Click()
{
    RtTriangle();
}

void frmGeometry::RtTriangle()
{
    calculate(m_inputs, [this](const QStringList &given) {
        const Outcome outcome = calculateRtTriangle(given, 0);
        if (!showOutcome(outcome, m_answers, m_inputs))
            return false;
        for (const auto &[index, text] : outcome.answers)
            if (index >= 0 && index < RtValue::Count)
                fitOnDrawing(m_answers[size_t(index)], ValueRows[size_t(index)].answer);
        return true;
    });
}

void frmGeometry::cmdClear_Click()
{
    for (int i = 0; i < RtValue::Count; ++i) {
        m_inputs[size_t(i)]->clear();
        m_answers[size_t(i)]->clear();
        setFieldState(m_inputs[size_t(i)], true);
    }
}

FigureEntries rightTriangleFigures()
{
    return {&Figure};
}

} // namespace Zyntra
