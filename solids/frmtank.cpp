#include "frmtank.h"

#include "controls/answerlabel.h"
#include "controls/figuretext.h"
#include "controls/globalsubs.h"
#include "controls/picture.h"
#include "controls/valuefield.h"
#include "tanksheet.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace Zyntra {

namespace {

// The answers' captions, by index; each is also the answer's letter.
constexpr std::array<const char *, TankAnswer::Count> AnswerCaptions{
    "Total Volume", "Filled Volume", "Empty Volume", "Filled (%)", "Depth (%)", "Liquid Surface", "Wetted Area",
};

constexpr Quantity share(const char *letter)
{
    return {.letter = letter, .kind = QuantityKind::Count};
}
constexpr std::array<Quantity, MostAnswers> Answers{
    volume(AnswerCaptions[0]), volume(AnswerCaptions[1]), volume(AnswerCaptions[2]), share(AnswerCaptions[3]),
    share(AnswerCaptions[4]),  area(AnswerCaptions[5]),   area(AnswerCaptions[6]),
};

// The depth lies within the height; the measures are lengths.
constexpr OptionQuantities quantities(int shape)
{
    const TankFields &tank = TankOptions[shape];
    OptionQuantities declared{{length(TankDepth.letter, tank.height)}, Answers, tank.figure};
    for (size_t i = 1; i < tank.fields.size(); ++i)
        if (tank.fields[i].letter)
            declared.given[i] = length(tank.fields[i].letter);
    return declared;
}
constexpr OptionQuantities Quantities[]{quantities(0), quantities(1), quantities(2),
                                        quantities(3), quantities(4), quantities(5)};
static_assert(std::size(Quantities) == TankShapes);

constexpr FigureDrawing Drawings[]{
    {"picTankHorizontalCylinder", ":/pictures/picTankHorizontalCylinder.svg",
     "Horizontal cylinder tank of diameter D and length L, liquid to the depth d from its lowest point"},
    {"picTankVerticalCylinder", ":/pictures/picTankVerticalCylinder.svg",
     "Upright cylinder tank of diameter D and height H, liquid to the depth d from its bottom"},
    {"picTankHorizontalCapsule", ":/pictures/picTankHorizontalCapsule.svg",
     "Horizontal capsule tank, a cylinder of diameter D and straight length L with round ends, liquid to the "
     "depth d from its lowest point"},
    {"picTankSphere", ":/pictures/picTankSphere.svg",
     "Spherical tank of diameter D, liquid to the depth d from its lowest point"},
    {"picTankRectangular", ":/pictures/picTankRectangular.svg",
     "Box tank of length l, width w and height H, liquid to the depth d from its bottom"},
    {"picTankHorizontalElliptical", ":/pictures/picTankHorizontalElliptical.svg",
     "Horizontal tank of elliptical section, width W and height H, length L, liquid to the depth d from its "
     "lowest point"},
};
static_assert(std::size(Drawings) == TankShapes);

const FigureEntry Figure{
    .id = "tank",
    .menu = FigureMenu::Solid,
    .index = 12,
    .caption = "Tank (Fill Level)",
    .modeVariable = nullptr,
    .mode = 0,
    .load = []() -> FigureWindow * { return new frmTank; },
    .calculate = calculateTank,
    .answers = TankAnswer::Count,
    .twoOrThree = TankAnswer::Count,
    .drawings = Drawings,
    .sheet = tankSheet,
    .quantities = Quantities,
    .section = MenuSection::More,
};

// The depth, field 0, comes first when working backwards (the mark for
// 1000 L), but is typed last, below the tank's measures.
constexpr int rowOf(int field)
{
    return field == 0 ? 3 : field - 1;
}

QString caption(const char *name)
{
    return figureText(QString::fromUtf8(name)) + QStringLiteral(" =");
}

} // namespace

frmTank::frmTank()
    : FigureWindow(FormCode::Tank, QStringLiteral("frmTank"), {0, 0, 9000, 5880})
{
    QWidget *window = form();
    setHeading(addTitle(window, QStringLiteral("lblTitle"), {120, 120, 8760, 495},
                        QStringLiteral("Tank Fill Level Calculations")));

    QGroupBox *shapes = addFrame(window, QStringLiteral("fraTank"), {120, 720, 3255, 2535}, QStringLiteral("Tank"));
    shapes->setTitle(figureText(u"Tank:"));
    setBold(shapes);
    for (qint16 i = 0; i < TankShapes; ++i) {
        QRadioButton *option = addOption(shapes, arrayName(QStringLiteral("optTank"), i),
                                         {120, 300 + 360 * i, 3015, 315}, QString::fromLatin1(TankOptions[i].option));
        setBold(option, false);
        connect(option, &QRadioButton::clicked, this, [this, i] { optTank_Click(i); });
        if (i == 0)
            option->setChecked(true);
    }

    QGroupBox *given =
        addFrame(window, QStringLiteral("fraGivenValue"), {120, 3360, 3255, 1815}, QStringLiteral("Values"));
    given->setTitle(figureText(u"Given Values:"));
    setBold(given);
    // Made in the order they are typed.
    for (const int i : {1, 2, 3, 0}) {
        const int top = 300 + 360 * rowOf(i);
        lblGivenValue[size_t(i)] =
            addLabel(given, arrayName(QStringLiteral("lblGivenValue"), i), {120, top, 1695, 285}, QString());
        setBold(lblGivenValue[size_t(i)], false);
        txtGivenValue[size_t(i)] = addField(given, arrayName(QStringLiteral("txtGivenValue"), i),
                                            {1815, top, 1320, 285}, lblGivenValue[size_t(i)], QString());
        setBold(txtGivenValue[size_t(i)], false);
        txtGivenValue[size_t(i)]->setKeyPressHandler(
            [this, i](qint16 &keyAscii) { txtGivenValue_KeyPress(i, keyAscii); });
    }

    for (size_t i = 0; i < pictures.size(); ++i)
        pictures[i] = addDrawing(window, {3495, 720, 3480, 2535}, Drawings[i]);

    QGroupBox *results =
        addFrame(window, QStringLiteral("fraResults"), {3495, 3360, 5385, 2295}, QStringLiteral("Results"));
    results->setTitle(figureText(u"Results:"));
    setBold(results);
    for (int i = 0; i < TankAnswer::Count; ++i) {
        const int top = 300 + 270 * i;
        const QString name = QString::fromLatin1(AnswerCaptions[size_t(i)]);
        setBold(addLabel(results, arrayName(QStringLiteral("lblAnswerCaption"), i), {120, top, 1935, 255},
                         name + QStringLiteral(" =")));
        lblAnswer[size_t(i)] =
            addAnswer(results, arrayName(QStringLiteral("lblAnswer"), i), {2160, top, 3075, 255}, name);
    }

    const CommandButtons buttons = addCommandButtons(window, {7095, 720, 1785, 615}, {7095, 1440, 1785, 615},
                                                     &frmTank::cmdCalculate_Click, &frmTank::cmdClear_Click);
    setBold(buttons.calculate);
    setBold(buttons.clear);

    Form_Load();
}

void frmTank::Form_Load()
{
    intCurrentForm = FormCode::Tank;
    optTank_Click(0);
}

// Each tank shows its own measures, in the same places, and its own drawing.
void frmTank::optTank_Click(qint16 index)
{
    if (index < 0 || index >= TankShapes)
        return;
    cmdClear_Click();
    intGiven = index;
    const TankFields &tank = TankOptions[index];
    for (size_t i = 0; i < txtGivenValue.size(); ++i) {
        const TankMeasure &measure = tank.fields[i];
        lblGivenValue[i]->setVisible(measure.letter != nullptr);
        txtGivenValue[i]->setVisible(measure.letter != nullptr);
        if (!measure.letter)
            continue;
        lblGivenValue[i]->setText(caption(measure.name));
        txtGivenValue[i]->setAccessibleName(figureText(QString::fromUtf8(measure.name)));
    }
    for (size_t i = 0; i < pictures.size(); ++i)
        pictures[i]->setVisible(i == size_t(index));
}

void frmTank::txtGivenValue_KeyPress([[maybe_unused]] int index, qint16 &keyAscii)
{
    filterKeyCode(keyAscii);
}

void frmTank::cmdCalculate_Click()
{
    calculate(txtGivenValue, [this, option = intGiven](const QStringList &texts) {
        return showOutcome(calculateTank(texts, option), lblAnswer, txtGivenValue);
    });
}

void frmTank::cmdClear_Click()
{
    for (ValueField *field : txtGivenValue)
        field->clear();
    for (AnswerLabel *answer : lblAnswer)
        answer->clear();
}

FigureEntries tankFigures()
{
    return {&Figure};
}

} // namespace Zyntra
