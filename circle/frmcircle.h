#pragma once

#include "controls/figureentry.h"
#include "controls/figurewindow.h"

#include <array>
#include <vector>

namespace Zyntra {

struct CircleLayout;

// The circle family: circle, sector, segment and hollow sector of a
// circle, and ellipse. intCircleMode, written before the window loads,
// says which member it shows for the whole of its life.
class frmCircle : public FigureWindow {
    Q_OBJECT
public:
    frmCircle();

    void cmdCalculate_Click();
    void cmdClear_Click();
    void optGivencircle_Click(int index);
    void txtGivenValue_KeyPress(int index, qint16 &keyAscii);

private:
    void Form_Load();
    void applyLayout(const CircleLayout &layout);
    void ZeroAnswer();

    qint16 intGiven = 0;
    double pi = 0;

    QLabel *lblTitle = nullptr;
    std::array<QRadioButton *, 4> optGivencircle{};
    std::array<QLabel *, 3> lblGivenValue{};
    std::array<ValueField *, 3> txtGivenValue{};
    std::vector<Picture *> pictures; // one drawing shown at a time
    std::array<QLabel *, 4> lblAnswerCaption{};
    std::array<AnswerLabel *, 4> lblAnswer{};
};

// The circle family's figures, each under its own intCircleMode.
FigureEntries circleFigures();

} // namespace Zyntra
