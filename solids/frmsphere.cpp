#include "frmsphere.h"

#include "controls/answerlabel.h"
#include "controls/figuretext.h"
#include "controls/globalsubs.h"
#include "controls/picture.h"
#include "controls/valuefield.h"
#include "spheresheet.h"
#include "spherevalues.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace Zyntra {

namespace {

struct GivenChoice {
    const char *option; // also the field's spoken name
    const char *prompt;
};

// Only "Volume =" goes without a blank after the equals sign.
constexpr std::array<GivenChoice, 5> GivenChoices{{
    {"Radius", "Radius = "},
    {"Diameter", "Diameter = "},
    {"Circumference", "Circumference = "},
    {"Surface area", "Surface area = "},
    {"Volume", "Volume ="},
}};

struct ResultRow {
    const char *captionName;
    const char *answerName;
    const char *caption;
};

constexpr std::array<ResultRow, 5> ResultRows{{
    {"Label1", "lblRadius", "Radius"},
    {"Label2", "lblDiameter", "Diameter"},
    {"Label3", "lblCircum", "Circumference"},
    {"Label4", "lblArea", "Surface area"},
    {"Label6", "lblVolume", "Volume"},
}};

constexpr FigureDrawing Drawing[]{
    {"Picture1", ":/pictures/sphere.svg", "Wire-frame sphere with its radius r and diameter d marked"},
};

constexpr std::array<Quantity, MostAnswers> Answers{length("r"), length("d"), length("C"), area("S"), volume("V")};
constexpr OptionQuantities Quantities[]{
    {{length("r")}, Answers}, {{length("d")}, Answers}, {{length("C")}, Answers},
    {{area("S")}, Answers},   {{volume("V")}, Answers},
};
const FigureEntry Figure{
    .id = "sphere",
    .menu = FigureMenu::Solid,
    .index = 0,
    .caption = "Sphere",
    .modeVariable = nullptr,
    .mode = 0,
    .load = []() -> FigureWindow * { return new frmSphere; },
    .calculate = calculateSphere,
    .answers = 5,
    .twoOrThree = 2,
    .drawings = Drawing,
    .sheet = sphereSheet,
    .quantities = Quantities,
};

} // namespace

frmSphere::frmSphere()
    : FigureWindow(FormCode::Sphere, QStringLiteral("frmSphere"), {0, 0, 6480, 5400})
{
    QWidget *window = form();
    // The one figure window without a heading.
    setAccessibleName(figureText(u"Sphere"));

    QGroupBox *givenFrame =
        addFrame(window, QStringLiteral("fraGivencircle"), {120, 120, 1935, 2175}, QStringLiteral("Given"));
    givenFrame->setTitle(figureText(u"Given:"));
    setBold(givenFrame);
    for (qint16 i = 0; i < qint16(GivenChoices.size()); ++i) {
        QRadioButton *option =
            addOption(givenFrame, arrayName(QStringLiteral("optGivensphere"), i), {120, 300 + 360 * i, 1695, 315},
                      QString::fromLatin1(GivenChoices[size_t(i)].option));
        // The frame's bold is for its title only.
        setBold(option, false);
        connect(option, &QRadioButton::clicked, this, [this, i] { optGivensphere_Click(i); });
        m_options[size_t(i)] = option;
    }
    m_options[0]->setChecked(true);

    QGroupBox *valueFrame =
        addFrame(window, QStringLiteral("fraGivenValue"), {120, 2340, 1935, 855}, QStringLiteral("Values"));
    m_prompt = addLabel(valueFrame, QStringLiteral("lblGivenValue"), {120, 150, 1695, 255}, QStringLiteral("Radius ="));
    m_given = addField(valueFrame, QStringLiteral("txtGivenValue"), {120, 420, 1695, 285}, m_prompt,
                       QString::fromLatin1(GivenChoices[0].option));
    m_given->setKeyPressHandler([this](qint16 &keyAscii) { txtGivenValue_KeyPress(keyAscii); });

    addDrawing(window, {2280, 120, 3960, 3165}, Drawing[0]);

    QGroupBox *results =
        addFrame(window, QStringLiteral("fraSphereResults"), {120, 3360, 3855, 1575}, QStringLiteral("Results"));
    for (size_t i = 0; i < ResultRows.size(); ++i) {
        const ResultRow &row = ResultRows[i];
        const int top = 240 + 240 * int(i);
        setBold(addLabel(results, QString::fromLatin1(row.captionName), {240, top, 1455, 255},
                         QString::fromLatin1(row.caption)));
        m_answers[i] = addAnswer(results, QString::fromLatin1(row.answerName), {1800, top, 1815, 255},
                                 QString::fromLatin1(row.caption));
    }

    const CommandButtons buttons = addCommandButtons(window, {4200, 3480, 1695, 615}, {4200, 4200, 1695, 615},
                                                     &frmSphere::cmdCalculate_Click, &frmSphere::cmdClear_Click);
    setBold(buttons.calculate);
    setBold(buttons.clear);

    Form_Load();
}

void frmSphere::Form_Load()
{
    intCurrentForm = FormCode::Sphere;
}

void frmSphere::optGivensphere_Click(qint16 index)
{
    if (index < 0 || index >= qint16(GivenChoices.size()))
        return;
    cmdClear_Click();
    const GivenChoice &choice = GivenChoices[size_t(index)];
    m_prompt->setText(figureText(QString::fromLatin1(choice.prompt)));
    m_given->setAccessibleName(figureText(QString::fromLatin1(choice.option)));
    intGiven = index;
}

void frmSphere::txtGivenValue_KeyPress(qint16 &keyAscii)
{
    filterKeyCode(keyAscii);
}

void frmSphere::cmdCalculate_Click()
{
    calculate({&m_given, 1}, [this, option = intGiven](const QStringList &texts) {
        return showOutcome(calculateSphere(texts, option), m_answers, {&m_given, 1});
    });
}

void frmSphere::cmdClear_Click()
{
    m_given->clear();
    for (AnswerLabel *answer : m_answers)
        answer->clear();
}

FigureEntries sphereFigures()
{
    return {&Figure};
}

} // namespace Zyntra
