#pragma once

#include "controls/figureentry.h"
#include "controls/figurewindow.h"

#include <array>

namespace Zyntra {

// Solves a right triangle from any two of its sides and acute angles and
// writes all five values onto its drawing.
class frmGeometry : public FigureWindow {
    Q_OBJECT
public:
    frmGeometry();

    void txtInput_Change(int index);
    void txtInput_KeyPress(int index, qint16 &keyAscii);
    void cmdCalculate_Click();
    void cmdClear_Click();

protected:
    // A change of theme recolours the fields, locked or not.
    void changeEvent(QEvent *event) override;

private:
    void Form_Load();
    void RtTriangle();

    std::array<ValueField *, 5> m_inputs{};
    std::array<AnswerLabel *, 5> m_answers{};
};

// The figure this window hosts.
FigureEntries rightTriangleFigures();

} // namespace Zyntra
