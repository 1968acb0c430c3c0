#pragma once

#include "controls/figurewindow.h"
#include "squaremodes.h"

#include <array>
#include <vector>

namespace Zyntra {

// The figure workbench: one fixed set of controls that each of its modes
// (intSquareMode) re-captions, shows and hides.
class frmSquare : public FigureWindow {
    Q_OBJECT
public:
    frmSquare();

    void cmdCalculate_Click();
    void cmdClear_Click();
    void optGivenrect_Click(int index);
    void txtGivenValue_KeyPress(int index, qint16 &keyAscii);

    qint16 given() const { return intGiven; }
    qint16 screenInitialized() const { return ScreenInitialized; }

    // Each described figure's routine, named in its mode's row: it applies
    // the mode's layout on the first call after loading, and calculates on
    // every later one. A later figure runs the same phases without one.
    void CalculateRectangle();
    void CalculateParallel();
    void CalculateTrap();
    void CalculateQuad();
    void CalculateAnnulus();
    void CalculateTrapezium();
    void CalculateEqTriangle();
    void CalculateCube();
    void CalculatePrism();
    void CalculateRightCyl();
    void CalculateRightCone();
    void CalculateRightPyramid();
    void CalculateCircularRing();

private:
    void Form_Load();
    void callModeRoutine();
    void runPhase();

    void applyLayout(const Layout &layout);
    void fitResults();
    void ZeroAnswer();

    qint16 intGiven = 0;
    qint16 ScreenInitialized = 0;       // 0 before the layout phase, -1 after
    const SquareMode *m_mode = nullptr; // the figure of intSquareMode at load

    QLabel *lblTitle;
    std::array<QRadioButton *, 3> optGivenrect{};
    std::array<QLabel *, 5> lblGivenValue{};
    std::array<ValueField *, 5> txtGivenValue{};
    // Five rows as designed, and room below them for a mode that answers more.
    std::array<QLabel *, ResultRows> lblResult{};
    std::array<AnswerLabel *, ResultRows> lblAnswer{};
    QGroupBox *fraSphereResults = nullptr;
    std::vector<QWidget *> pictures; // one drawing shown at a time
};

} // namespace Zyntra
