#include "frmsquare.h"

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

namespace Zyntra {

namespace {

// The Results frame as designed holds five rows, one every RowTwips.
constexpr Twips ResultsFrame{120, 3960, 3555, 1575};
constexpr int RowTwips = 240;

} // namespace

frmSquare::frmSquare()
    : FigureWindow(FormCode::Square, QStringLiteral("frmSquare"), {0, 0, 7935, 5775})
{
    QWidget *window = form();
    lblTitle = addTitle(window, QStringLiteral("lblTitle"), {120, 120, 5895, 495}, QString());

    QGroupBox *options =
        addFrame(window, QStringLiteral("fraGivencircle"), {120, 600, 1695, 3255}, QStringLiteral("Given"));
    for (int i = 0; i < 3; ++i) {
        optGivenrect[size_t(i)] = addOption(options, arrayName(QStringLiteral("optGivenrect"), i),
                                            {120, 360 + 480 * i, 1455, 375}, QString());
        connect(optGivenrect[size_t(i)], &QRadioButton::clicked, this, [this, i] { optGivenrect_Click(i); });
    }
    optGivenrect[0]->setChecked(true);

    QGroupBox *values = addFrame(window, arrayName(QStringLiteral("fraGivenValue"), 0), {1800, 600, 1875, 3255},
                                 QStringLiteral("Values"));
    for (int i = 0; i < 5; ++i) {
        // Captions run past their field, and the frame stretches into the gap
        // before the drawing, so that the longest ("P (Perimeter of base) =")
        // stays whole at the size of every other caption.
        lblGivenValue[size_t(i)] =
            addLabel(values, arrayName(QStringLiteral("lblGivenValue"), i), {120, 120 + 600 * i, 1725, 255}, QString());
        txtGivenValue[size_t(i)] = addField(values, arrayName(QStringLiteral("txtGivenValue"), i),
                                            {120, 360 + 600 * i, 1335, 285}, lblGivenValue[size_t(i)], QString());
        txtGivenValue[size_t(i)]->setKeyPressHandler(
            [this, i](qint16 &keyAscii) { txtGivenValue_KeyPress(i, keyAscii); });
    }

    fraSphereResults = addFrame(window, QStringLiteral("fraSphereResults"), ResultsFrame, QStringLiteral("Results"));
    for (int i = 0; i < ResultRows; ++i) {
        lblResult[size_t(i)] = addLabel(fraSphereResults, arrayName(QStringLiteral("lblResult"), i),
                                        {240, 240 + RowTwips * i, 1215, 255}, QString());
        setBold(lblResult[size_t(i)]);
        lblAnswer[size_t(i)] = addAnswer(fraSphereResults, arrayName(QStringLiteral("lblAnswer"), i),
                                         {1440, 240 + RowTwips * i, 1575, 255}, QString());
    }

    const CommandButtons buttons = addCommandButtons(window, {6000, 4080, 1695, 615}, {6000, 4800, 1695, 615},
                                                     &frmSquare::cmdCalculate_Click, &frmSquare::cmdClear_Click);
    setBold(buttons.calculate);
    setBold(buttons.clear);

    for (const FigureDrawing *drawing : workbenchDrawings()) {
        Picture *picture = addDrawing(window, {3720, 720, 3975, 3135}, *drawing);
        picture->hide();
        pictures.push_back(picture);
    }

    applyLayout(DesignLayout);
    Form_Load();
}

void frmSquare::Form_Load()
{
    intCurrentForm = FormCode::Square;
    ScreenInitialized = 0;
    m_mode = squareMode(intSquareMode);
    callModeRoutine();
}

void frmSquare::callModeRoutine()
{
    if (m_mode && m_mode->routine)
        (this->*m_mode->routine)();
    else if (m_mode)
        runPhase();
}

void frmSquare::CalculateRectangle()
{
    runPhase();
}
void frmSquare::CalculateParallel()
{
    runPhase();
}
void frmSquare::CalculateTrap()
{
    runPhase();
}
void frmSquare::CalculateQuad()
{
    runPhase();
}
void frmSquare::CalculateAnnulus()
{
    runPhase();
}
void frmSquare::CalculateTrapezium()
{
    runPhase();
}
void frmSquare::CalculateEqTriangle()
{
    runPhase();
}
void frmSquare::CalculateCube()
{
    runPhase();
}
void frmSquare::CalculatePrism()
{
    runPhase();
}
void frmSquare::CalculateRightCyl()
{
    runPhase();
}
void frmSquare::CalculateRightCone()
{
    runPhase();
}
void frmSquare::CalculateRightPyramid()
{
    runPhase();
}
void frmSquare::CalculateCircularRing()
{
    runPhase();
}

void frmSquare::runPhase()
{
    if (ScreenInitialized == 0) {
        applyLayout(m_mode->layout);
        ScreenInitialized = -1;
        return;
    }
    calculate(txtGivenValue,
              [this, arithmetic = m_mode->figure.calculate, option = intGiven](const QStringList &given) {
                  return showOutcome(arithmetic(given, option), lblAnswer, txtGivenValue, [this] { ZeroAnswer(); });
              });
}

void frmSquare::applyLayout(const Layout &layout)
{
    if (layout.heading)
        lblTitle->setText(figureText(QString::fromLatin1(layout.heading)));
    if (layout.picture) {
        for (QWidget *picture : pictures)
            picture->setVisible(picture->objectName() == QLatin1String(layout.picture));
    }
    for (size_t i = 0; i < optGivenrect.size(); ++i)
        applyOption(optGivenrect[i], layout.options[i]);
    for (size_t i = 0; i < txtGivenValue.size(); ++i)
        applyField(lblGivenValue[i], txtGivenValue[i], layout.fields[i]);
    for (size_t i = 0; i < lblResult.size(); ++i)
        applyRow(lblResult[i], lblAnswer[i], layout.rows[i]);
    fitResults();
}

// The Results frame keeps its designed size while the five rows suffice,
// and grows by a row for each further one shown; the window grows with it,
// so that the last row is never cut off.
void frmSquare::fitResults()
{
    int rows = DesignedRows;
    for (int i = DesignedRows; i < ResultRows; ++i)
        if (!lblResult[size_t(i)]->isHidden())
            rows = i + 1;
    Twips frame = ResultsFrame;
    frame.height += RowTwips * (rows - DesignedRows);
    fraSphereResults->setGeometry(frame.toPixels());
    if (rows > DesignedRows)
        setMinimumHeight(std::max(minimumHeight(), zoomedPixels(frame.top + frame.height + 120)));
}

void frmSquare::cmdCalculate_Click()
{
    callModeRoutine();
}

void frmSquare::cmdClear_Click()
{
    for (ValueField *field : txtGivenValue)
        field->clear();
    for (AnswerLabel *answer : lblAnswer)
        answer->clear();
}

void frmSquare::ZeroAnswer()
{
    for (AnswerLabel *answer : lblAnswer)
        answer->setAnswer(QStringLiteral("0"));
}

void frmSquare::optGivenrect_Click(int index)
{
    cmdClear_Click();
    if (!m_mode || index < 0 || index >= int(optGivenrect.size()))
        return;
    const std::optional<Layout> &layout = m_mode->optionLayouts[size_t(index)];
    if (!layout)
        return;
    applyLayout(*layout);
    intGiven = qint16(index);
}

void frmSquare::txtGivenValue_KeyPress(int, qint16 &keyAscii)
{
    filterKeyCode(keyAscii);
}

} // namespace Zyntra
