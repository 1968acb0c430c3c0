#pragma once

#include "controls/figureentry.h"
#include "controls/figurewindow.h"

#include <array>

class QRadioButton;

namespace Zyntra {

// The sphere: one of radius, diameter, circumference, surface area or
// volume is given, and all five are shown.
class frmSphere : public FigureWindow {
    Q_OBJECT
public:
    frmSphere();

    void optGivensphere_Click(qint16 index);
    void txtGivenValue_KeyPress(qint16 &keyAscii);
    void cmdCalculate_Click();
    void cmdClear_Click();

    qint16 given() const { return intGiven; }

private:
    void Form_Load();

    qint16 intGiven = 0;
    QLabel *m_prompt;
    ValueField *m_given;
    std::array<QRadioButton *, 5> m_options{};
    std::array<AnswerLabel *, 5> m_answers{}; // radius, diameter, circumference, surface area, volume
};

// The figure this window hosts.
FigureEntries sphereFigures();

} // namespace Zyntra
