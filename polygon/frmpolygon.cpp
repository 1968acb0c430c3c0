#include "frmpolygon.h"

#include "controls/answerlabel.h"
#include "controls/figuretext.h"
#include "controls/globalsubs.h"
#include "controls/picture.h"
#include "controls/systemcolours.h"
#include "controls/valuefield.h"
#include "polygonareas.h"
#include "polygonsheet.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace Zyntra {

namespace {

constexpr int ColumnLeft[] = {240, 1440, 2640};
constexpr int ColumnWidth[] = {1215, 1215, 1575};

Twips tableCell(int column, int row) // row -1 is the header
{
    return {ColumnLeft[column], row < 0 ? 240 : 600 + 240 * row, ColumnWidth[column], 255};
}

void styleTableCell(QLabel *cell, bool bordered)
{
    QFont font = cell->font();
    font.setBold(true);
    font.setPointSizeF(8.25);
    cell->setFont(font);
    cell->setAlignment(Qt::AlignCenter);
    if (bordered)
        cell->setFrameShape(QFrame::Box);
}

constexpr FigureDrawing Drawing[]{
    {"Picture1", ":/pictures/octagon.svg", "Regular octagon with its side marked a"},
};

constexpr OptionQuantities Quantities[]{
    {{length("a")},
     {area("A3"), area("A4"), area("A5"), area("A6"), area("A7"), area("A8"), area("A9"), area("A10"), area("A11"),
      area("A12")}},
};
const FigureEntry Figure{
    .id = "regular-polygon",
    .menu = FigureMenu::Plane,
    .index = 9,
    .caption = "Regular Polygon",
    .modeVariable = nullptr,
    .mode = 0,
    .load = []() -> FigureWindow * { return new frmPolygon; },
    .calculate = calculatePolygonAreas,
    .answers = int(RegularPolygons.size()),
    .twoOrThree = int(RegularPolygons.size()),
    .drawings = Drawing,
    .sheet = regularPolygonsSheet,
    .quantities = Quantities,
};

} // namespace

frmPolygon::frmPolygon()
    : FigureWindow(FormCode::Polygon, QStringLiteral("frmPolygon"), {0, 0, 8280, 7860})
{
    QWidget *window = form();
    addTitle(window, QStringLiteral("lblHeading"), {120, 120, 9615, 495}, QStringLiteral("Polygon Calculations"),
             Slant::Upright)
        // The frame below starts inside the heading's box: the text hangs from
        // the top so that its descenders stay clear of the frame.
        ->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QGroupBox *input = addFrame(window, QStringLiteral("Frame1"), {360, 480, 1695, 2895}, QStringLiteral("Values"));
    QLabel *caption = addLabel(input, QStringLiteral("lblGivenValue"), {120, 360, 1335, 255}, QStringLiteral("a ="));
    m_side = addField(input, QStringLiteral("txtGivenValue"), {120, 600, 1335, 285}, caption, QStringLiteral("Side a"));
    m_side->setKeyPressHandler([this](qint16 &keyAscii) { txtGivenValue_KeyPress(keyAscii); });

    addDrawing(window, {2760, 480, 3975, 2895}, Drawing[0]);

    QGroupBox *results =
        addFrame(window, QStringLiteral("fraSphereResults"), {360, 3600, 4455, 3255}, QStringLiteral("Results"));
    const auto addCaption = [&](int index, int column, int row, const QString &text) {
        styleTableCell(addLabel(results, arrayName(QStringLiteral("lblResult"), index), tableCell(column, row), text),
                       row >= 0);
    };
    addCaption(0, 0, -1, QStringLiteral("Polygon"));
    addCaption(1, 1, -1, QStringLiteral("No. of Sides"));
    styleTableCell(
        addLabel(results, arrayName(QStringLiteral("lblAnswer"), 10), tableCell(2, -1), QStringLiteral("Area")), false);
    for (int row = 0; row < int(RegularPolygons.size()); ++row) {
        const RegularPolygon &polygon = RegularPolygons[size_t(row)];
        addCaption(2 + 2 * row, 0, row, QString::fromLatin1(polygon.name));
        addCaption(3 + 2 * row, 1, row, QString::fromLatin1(polygon.sides));
        m_answers[size_t(row)] =
            addAnswer(results, arrayName(QStringLiteral("lblAnswer"), row), tableCell(2, row),
                      figureText(u"Area of %1").arg(figureText(QString::fromLatin1(polygon.name))));
        styleTableCell(m_answers[size_t(row)], true);
    }

    addCommandButtons(window, {5040, 3720, 1695, 615}, {5040, 4440, 1695, 615}, &frmPolygon::cmdCalculate_Click,
                      &frmPolygon::cmdClear_Click);

    Form_Load();
}

void frmPolygon::Form_Load()
{
    intCurrentForm = FormCode::Polygon;
}

void frmPolygon::txtGivenValue_KeyPress(qint16 &keyAscii)
{
    filterKeyCode(keyAscii);
}

void frmPolygon::cmdCalculate_Click()
{
    calculate({&m_side, 1}, [this](const QStringList &texts) {
        return showOutcome(calculatePolygonAreas(texts, 0), m_answers, {&m_side, 1});
    });
}

void frmPolygon::cmdClear_Click()
{
    for (int i = 0; i < 10; ++i)
        m_answers[size_t(i)]->clear();
    m_side->clear();
}

QStringList frmPolygon::answerLines() const
{
    QStringList lines{
        QStringList{figureText(u"Polygon"), figureText(u"No. of Sides"), figureText(u"Area")}.join(u'\t')};
    for (size_t row = 0; row < m_answers.size(); ++row) {
        if (m_answers[row]->text().isEmpty())
            continue;
        lines << QStringLiteral("%1\t%2\t%3\t%4")
                     .arg(figureText(QString::fromLatin1(RegularPolygons[row].name)),
                          QString::fromLatin1(RegularPolygons[row].sides),
                          m_answers[row]->text() + m_answers[row]->unitSuffix(), m_answers[row]->workingText());
    }
    return lines;
}

FigureEntries polygonFigures()
{
    return {&Figure};
}

} // namespace Zyntra
