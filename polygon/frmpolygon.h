#pragma once

#include "controls/figureentry.h"
#include "controls/figurewindow.h"

#include <array>

namespace Zyntra {

// Areas of the regular polygons with 3 to 12 sides from one side.
class frmPolygon : public FigureWindow {
    Q_OBJECT
public:
    frmPolygon();

    void cmdCalculate_Click();
    void cmdClear_Click();
    void txtGivenValue_KeyPress(qint16 &keyAscii);

protected:
    // The table as rows: polygon, sides, area and its working.
    QStringList answerLines() const override;

private:
    void Form_Load();

    ValueField *m_side;
    std::array<AnswerLabel *, 10> m_answers{};
};

// The figure this window hosts.
FigureEntries polygonFigures();

} // namespace Zyntra
