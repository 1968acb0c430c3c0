#pragma once

#include "controls/figureentry.h"
#include "controls/figurewindow.h"
#include "triangle/anytriangle.h"

#include <array>

namespace Zyntra {

// Solves any triangle from three of its sides and angles and shows all six
// with its area, perimeter, heights and the radii of its two circles; where
// two triangles fit, the second in a column of its own.
class frmAnyTriangle : public FigureWindow {
    Q_OBJECT
public:
    frmAnyTriangle();

    void txtInput_KeyPress(int index, qint16 &keyAscii);
    void cmdCalculate_Click();
    void cmdClear_Click();

private:
    void Form_Load();
    void AnyTriangle();
    void showSecondTriangle(bool shown);

    std::array<ValueField *, AnyValue::FieldCount> m_inputs{};
    std::array<AnswerLabel *, AnyValue::Answers> m_answers{};
    std::array<QLabel *, 2> m_columns{};
};

// The figure this window hosts.
FigureEntries anyTriangleFigures();

} // namespace Zyntra
