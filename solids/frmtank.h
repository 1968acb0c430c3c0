#pragma once

#include "controls/figureentry.h"
#include "controls/figurewindow.h"
#include "solids/tank.h"

#include <array>

namespace Zyntra {

// How much a tank holds at the depth a dipstick reads, for six shapes of
// tank: the option chooses the shape, the fields take its measures and the
// depth, and seven answers say what is in it and what is left.
class frmTank : public FigureWindow {
    Q_OBJECT
public:
    frmTank();

    void optTank_Click(qint16 index);
    void txtGivenValue_KeyPress(int index, qint16 &keyAscii);
    void cmdCalculate_Click();
    void cmdClear_Click();

    qint16 given() const { return intGiven; }

private:
    void Form_Load();

    qint16 intGiven = 0;
    std::array<QLabel *, 4> lblGivenValue{};
    std::array<ValueField *, 4> txtGivenValue{};
    std::array<AnswerLabel *, TankAnswer::Count> lblAnswer{};
    std::array<Picture *, TankShapes> pictures{};
};

// The figure this window hosts.
FigureEntries tankFigures();

} // namespace Zyntra
