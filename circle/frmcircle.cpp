#include "frmcircle.h"

#include "circlecalculations.h"
#include "circlesheets.h"
#include "controls/answerlabel.h"
#include "controls/figuretext.h"
#include "controls/globalsubs.h"
#include "controls/layoutslot.h"
#include "controls/picture.h"
#include "controls/valuefield.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <span>

namespace Zyntra {

// What a family member shows when it loads, or what an option changes.
struct CircleLayout {
    const char *title = nullptr;
    const char *picture = nullptr; // the one picture shown; none keeps them
    std::array<Slot, 4> options{};
    std::array<Slot, 3> fields{};
    std::array<Slot, 4> rows{}; // result caption and answer together
};

namespace {

const char *const Angle = "Angle θ in degrees";

// What each member looks like in the window.
constexpr FigureDrawing CircleDrawing[]{
    {"picCircle", ":/pictures/picCircle.svg", "Circle with its diameter D and its radius r marked"},
};
constexpr FigureDrawing SectionDrawings[]{
    {"picCircleSector", ":/pictures/picCircleSector.svg",
     "Sector ABC of a circle with centre B, angle θ at B and radius r"},
    {"picCircleSegment", ":/pictures/picCircleSegment.svg",
     "Segment ACDA of a circle cut off by the chord AC, with angle θ and radius r"},
    {"picHollowSec", ":/pictures/picHollowSec.svg",
     "Hollow sector ABCD with outer radius r1, inner radius r2 and angle θ"},
};
constexpr FigureDrawing EllipseDrawing[]{
    {"picEllipse", ":/pictures/picEllipse.svg", "Ellipse with its horizontal semi-axis a and vertical semi-axis b"},
};

// clang-format off
const std::array<CircleLayout, 4> CircleOptions{{
    {.fields = {field("Radius = ", "Radius r")}},
    {.fields = {field("Diameter = ", "Diameter D")}},
    {.fields = {field("Circumference = ", "Circumference")}},
    {.fields = {field("Area = ", "Area")}},
}};
// clang-format on

// clang-format off
const std::array<CircleLayout, 3> SectionOptions{{
    {.picture = "picCircleSector",
     .fields = {field("r =", "Radius r"), field("Degrees =", Angle), hide},
     .rows = {named("Radius"), named("Degrees"), named("Arc Length AC"), shown("Area ABCA")}},
    {.picture = "picCircleSegment",
     .fields = {field("r =", "Radius r"), field("Degrees =", Angle), hide},
     .rows = {named("Radius"), named("Degrees"), named("Area ACDA"), hide}},
    {.picture = "picHollowSec",
     .fields = {field("r1", "Outer radius r1"), field("r2", "Inner radius r2", Shown::Yes),
                field("Degrees", Angle, Shown::Yes)},
     .rows = {named("r1"), named("r2"), shown("Degrees"), shown("Area ABCDA")}},
}};
// clang-format on

struct FamilyMember {
    FigureEntry figure;
    CircleLayout load;
    std::span<const CircleLayout> options; // option k applies options[k]
};

// A member of the family, shown under the given intCircleMode: four answer
// rows, the first two "#.00#".
constexpr FigureEntry familyFigure(const char *id, qint16 index, const char *caption, qint16 mode,
                                   FigureCalculation calculate, std::span<const OptionQuantities> quantities,
                                   std::span<const FigureDrawing> drawings, SheetBuilder sheet,
                                   std::span<const Inverse> inverses = {})
{
    return {
        .id = id,
        .menu = FigureMenu::Plane,
        .index = index,
        .caption = caption,
        .modeVariable = &intCircleMode,
        .mode = mode,
        .load = []() -> FigureWindow * { return new frmCircle; },
        .calculate = calculate,
        .answers = 4,
        .twoOrThree = 2,
        .drawings = drawings,
        .sheet = sheet,
        .quantities = quantities,
        .inverses = inverses,
    };
}

// What each member takes and answers, option by option, by field and by row.
// clang-format off
constexpr std::array<Quantity, MostAnswers> CircleAnswers{length("r"), length("D"), length("C"), area("Area")};
constexpr OptionQuantities Circle[]{
    {{length("r")}, CircleAnswers},
    {{length("D")}, CircleAnswers},
    {{length("C")}, CircleAnswers},
    {{area("Area")}, CircleAnswers},
};
constexpr OptionQuantities Sections[]{
    {{length("r"), angle("θ", 360)}, {length("r"), angle("θ"), length("AC"), area("Area")}, "Sector of Circle"},
    {{length("r"), angle("θ", 360)}, {length("r"), angle("θ"), area("Area")}, "Segment of Circle"},
    {{length("r1"), length("r2", 0), angle("θ", 360)}, {length("r1"), length("r2"), angle("θ"), area("Area")},
     "Hollow Circle Sector"},
};
constexpr OptionQuantities Ellipse[]{
    {{length("a"), length("b")}, {length("a"), length("b"), area("Area"), length("Perimeter")}},
};
// clang-format on

// The circle's radius from what it answers, with the π of its calculation.
Term finePi()
{
    return Term::constant(Constants::FinePi);
}
constexpr Inverse CircleInverses[]{
    {CircleGiven::Radius, "Area", "r", [](const InverseValues &v) { return sqrt(v.target / finePi()); }},
    {CircleGiven::Radius, "C", "r", [](const InverseValues &v) { return v.target / finePi() / 2; }},
    {CircleGiven::Radius, "D", "r", [](const InverseValues &v) { return v.target / 2; }},
    {CircleGiven::Diameter, "Area", "D", [](const InverseValues &v) { return sqrt(v.target / finePi()) * 2; }},
    {CircleGiven::Diameter, "C", "D", [](const InverseValues &v) { return v.target / finePi(); }},
};

// clang-format off
const FamilyMember FamilyMembers[]{
    {familyFigure("circle", 0, "Circle", CircleMode::Circle, calculateCircle, Circle, CircleDrawing, circleSheet,
                  CircleInverses),
     {.picture = "picCircle"}, CircleOptions},
    {familyFigure("circle-sections", 10, "Circle Sections", CircleMode::Sections, calculateCircleSections, Sections, SectionDrawings,
                  circleSectionSheet),
     {.title = "Cirle Section Calculations",
      .picture = "picCircleSector",
      .options = {named("Sector of Circle"), named("Seg. of Circle"), named("Hollow Circle Sector"), hide},
      .fields = {keep, show, keep},
      .rows = {named("Radius"), named("Degrees"), named("Arc Length AC"), named("Area ABCA")}},
     SectionOptions},
    {familyFigure("ellipse", 11, "Ellipse", CircleMode::Ellipse, calculateEllipse, Ellipse, EllipseDrawing, ellipseSheet),
     {.picture = "picEllipse",
      .options = {named("a/b"), hide, hide, hide},
      .fields = {field("a =", "Semi-axis a"), field("b =", "Semi-axis b", Shown::Yes), keep},
      .rows = {named("a"), named("b"), named("Area"), shown("Perimeter")}},
     {}},
};
// clang-format on

const FamilyMember *familyMember(qint16 circleMode)
{
    const auto found =
        std::ranges::find(FamilyMembers, circleMode, [](const FamilyMember &m) { return m.figure.mode; });
    return found == std::end(FamilyMembers) ? nullptr : &*found;
}

} // namespace

FigureEntries circleFigures()
{
    FigureEntries figures;
    for (const FamilyMember &member : FamilyMembers)
        figures.push_back(&member.figure);
    return figures;
}

frmCircle::frmCircle()
    : FigureWindow(FormCode::Circle, QStringLiteral("frmCircle"), {0, 0, 8280, 5700})
{
    QWidget *window = form();
    lblTitle =
        addTitle(window, QStringLiteral("lblTitle"), {120, 120, 5895, 495}, QStringLiteral("Circle Calculations"));

    QGroupBox *options =
        addFrame(window, QStringLiteral("fraGivencircle"), {120, 600, 1695, 2895}, QStringLiteral("Given"));
    const QString optionCaptions[] = {QStringLiteral("Radius"), QStringLiteral("Diameter"),
                                      QStringLiteral("Circumference"), QStringLiteral("Area")};
    for (int i = 0; i < 4; ++i) {
        QRadioButton *option = addOption(options, arrayName(QStringLiteral("optGivencircle"), i),
                                         {120, 240 + 480 * i, 1455, 375}, optionCaptions[i]);
        // Every click counts, also on the option already chosen.
        connect(option, &QRadioButton::clicked, this, [this, i] { optGivencircle_Click(i); });
        optGivencircle[size_t(i)] = option;
    }
    optGivencircle[0]->setChecked(true);

    QGroupBox *given = addFrame(window, QStringLiteral("Frame1"), {1800, 600, 1695, 2895}, QStringLiteral("Values"));
    const QString fieldCaptions[] = {QStringLiteral("r ="), QStringLiteral("Degrees ="), QStringLiteral("r =")};
    const QString fieldNames[] = {QStringLiteral("Radius r"), QString::fromUtf8(Angle), QStringLiteral("Radius r")};
    for (int i = 0; i < 3; ++i) {
        QLabel *caption = addLabel(given, arrayName(QStringLiteral("lblGivenValue"), i),
                                   {120, 240 + 600 * i, 1335, 255}, fieldCaptions[i]);
        ValueField *field = addField(given, arrayName(QStringLiteral("txtGivenValue"), i),
                                     {120, 480 + 600 * i, 1335, 285}, caption, fieldNames[i]);
        field->setKeyPressHandler([this, i](qint16 &keyAscii) { txtGivenValue_KeyPress(i, keyAscii); });
        caption->setVisible(i == 0);
        field->setVisible(i == 0);
        lblGivenValue[size_t(i)] = caption;
        txtGivenValue[size_t(i)] = field;
    }

    for (const FamilyMember &member : FamilyMembers)
        for (const FigureDrawing &drawing : member.figure.drawings) {
            Picture *picture = addDrawing(window, {4080, 600, 3975, 2895}, drawing);
            picture->hide();
            pictures.push_back(picture);
        }

    QGroupBox *results =
        addFrame(window, QStringLiteral("fraCircleResults"), {120, 3720, 3375, 1575}, QStringLiteral("Results"));
    for (int i = 0; i < 4; ++i) {
        const int top = 360 + 240 * i;
        lblAnswerCaption[size_t(i)] = addLabel(results, arrayName(QStringLiteral("lblAnswerCaption"), i),
                                               {120, top, 1455, 255}, optionCaptions[i]);
        setBold(lblAnswerCaption[size_t(i)]);
        lblAnswer[size_t(i)] =
            addAnswer(results, arrayName(QStringLiteral("lblAnswer"), i), {1560, top, 1575, 255}, optionCaptions[i]);
    }

    const CommandButtons buttons = addCommandButtons(window, {6360, 3720, 1695, 615}, {6360, 4440, 1695, 615},
                                                     &frmCircle::cmdCalculate_Click, &frmCircle::cmdClear_Click);
    setBold(buttons.calculate);
    setBold(buttons.clear);

    Form_Load();
}

void frmCircle::Form_Load()
{
    intCurrentForm = FormCode::Circle;
    if (const FamilyMember *member = familyMember(intCircleMode))
        applyLayout(member->load);
}

void frmCircle::applyLayout(const CircleLayout &layout)
{
    if (layout.title)
        lblTitle->setText(figureText(QString::fromUtf8(layout.title)));
    if (layout.picture)
        for (Picture *picture : pictures)
            picture->setVisible(picture->objectName() == QLatin1String(layout.picture));
    for (size_t i = 0; i < optGivencircle.size(); ++i)
        applyOption(optGivencircle[i], layout.options[i]);
    for (size_t i = 0; i < txtGivenValue.size(); ++i)
        applyField(lblGivenValue[i], txtGivenValue[i], layout.fields[i]);
    for (size_t i = 0; i < lblAnswer.size(); ++i)
        applyRow(lblAnswerCaption[i], lblAnswer[i], layout.rows[i]);
}

void frmCircle::optGivencircle_Click(int index)
{
    cmdClear_Click();
    const FamilyMember *member = familyMember(intCircleMode);
    if (!member || index < 0 || size_t(index) >= member->options.size())
        return;
    intGiven = qint16(index);
    applyLayout(member->options[size_t(index)]);
}

void frmCircle::txtGivenValue_KeyPress(int index, qint16 &keyAscii)
{
    Q_UNUSED(index) // every field takes the same keys
    filterKeyCode(keyAscii);
}

void frmCircle::cmdCalculate_Click()
{
    calculate(txtGivenValue, [this, option = intGiven](const QStringList &given) {
        return showOutcome(calculateCircleFamily(given, intCircleMode, option, pi), lblAnswer, txtGivenValue,
                           [this] { ZeroAnswer(); });
    });
}

void frmCircle::ZeroAnswer()
{
    for (AnswerLabel *answer : lblAnswer)
        answer->setAnswer(QStringLiteral("0"));
}

void frmCircle::cmdClear_Click()
{
    for (AnswerLabel *answer : lblAnswer)
        answer->clear();
    for (ValueField *field : txtGivenValue)
        field->clear();
}

} // namespace Zyntra
