#pragma once

#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <utility>
#include <variant>
#include <vector>

namespace Zyntra {

class Sheet;

// Draws one figure from its values onto a sheet; a figure's catalogue entry
// names its builder.
using SheetBuilder = void (*)(Sheet &);

// A value the drawing is made from, under the letter its figure declares
// ("a", "θ", "AC"), and its text as the window shows it ("4.0", ".318"),
// which the labels repeat.
struct SheetValue {
    SheetValue(QString letter, double value, QString text = {})
        : letter(std::move(letter))
        , value(value)
        , text(std::move(text))
    {}
    QString letter;
    double value;
    QString text;
};
using SheetValues = QList<SheetValue>;

// What the last CALCULATE of a figure window saw and answered: each letter
// once, an answer's value before a given one's.
struct SheetInput {
    SheetBuilder builder = nullptr;
    qint16 option = 0; // the option in force, as the window's intGiven
    SheetValues values;
    QString lengthUnit = {}; // " cm" after each length written on the drawing; empty without units
    // Lengths in inches written as a tape reads them, to this fraction of an
    // inch ("5′ 3 ½″"); 0 for decimals.
    int tapeDenominator = 0;
    // The even step of a table the figure makes beneath its drawing, in the
    // figure's lengths; 0 for ten steps of its height.
    double tableStep = 0;
    QString tableStepCaption = {}; // as the user chose it: "every 5 cm"
};

// Every point below is in the figure's own units with y pointing up, and
// every angle is in degrees, counter-clockwise from the x axis. Lengths in
// pixels belong to the painter, which keeps them constant on the sheet.

enum class SheetLine {
    Solid,  // a visible edge
    Hidden, // an edge behind the solid, dotted
    Guide,  // an axis, a height or a radius to measure along, thin dash-dot
};

struct SheetOutline {
    QPainterPath path;
    SheetLine line = SheetLine::Solid;
    bool hatched = false;
};

// Which side of the line from `from` to `to` a dimension stands on. For an
// outline running counter-clockwise, Right is outside.
enum class SheetSide { On, Left, Right };

// A length written on its dimension line. Off the line, the dimension line
// stands `reach` figure units beyond the measured points, just clear of the
// outline, with extension lines back to them; On the line, its label
// interrupts the line at `labelAt` of its length.
struct SheetDimension {
    QPointF from;
    QPointF to;
    SheetSide side = SheetSide::Right;
    double reach = 0;
    double labelAt = 0.5;
    QString label;
};

// An angle marked by an arc at its vertex, or by a small square when right.
struct SheetAngle {
    QPointF vertex;
    double start = 0;
    double span = 90;
    bool right = false;
    QString label;
};

// Text at a point, pushed off it along `away` (a direction; none centres it there).
struct SheetText {
    QPointF at;
    QPointF away;
    QString text;
};

// Text about the whole sheet, written in its top left corner.
struct SheetNote {
    QString text;
};

using SheetShape = std::variant<SheetOutline, SheetDimension, SheetAngle, SheetText, SheetNote>;

// A table beneath the drawing (a tank's dip chart), which the sheet shows,
// copies, saves and prints with the rest, and saves alone as CSV.
struct SheetTable {
    QString caption;
    QStringList columns;
    QList<QStringList> rows;

    bool isEmpty() const { return rows.isEmpty(); }
    // One line a row, the columns' names first; a cell with a comma or a
    // quote is quoted.
    QString csv() const;
};

struct SheetFigure {
    std::vector<SheetShape> shapes;
    bool toScale = false;
    QString description; // one sentence for a screen reader
    QStringList missing; // the letters the builder asked for and the input lacked
    SheetTable table = {};
};

// The figure of the input drawn to scale from its values; where they cannot
// make it to scale (a missing, zero, negative or non-finite length, an angle
// the figure cannot have, lengths more than 50 times apart, or a ring too
// thin to see), the figure's usual shape, its longer lengths still drawn
// longer, with the same labels and a "not to scale" note. Never fails.
SheetFigure drawSheetFigure(const SheetInput &input);

} // namespace Zyntra
