#pragma once

#include "sheetfigure.h"

#include <QColor>
#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QStringList>
#include <QTransform>

class QPainter;

namespace Zyntra {

// Where a figure lands when painted into an area, in the painter's coordinates.
struct SheetLayout {
    QTransform transform;         // figure units to painter coordinates, y turned down
    QList<QPainterPath> outlines; // each SheetOutline as painted, in the figure's order
    QList<QRectF> labels;         // the box of every label and note
    QStringList texts;            // and its text as written there
};

// The figure scaled uniformly to fill the area, leaving room for its labels, and centred.
SheetLayout layOutSheetFigure(const SheetFigure &figure, const QRectF &area);

// What a sheet is painted with: black on white on every page; the screen
// view takes the colours of the theme in force.
struct SheetPaper {
    QColor paper = Qt::white;
    QColor ink = Qt::black;
};

// Lines in ink on paper within the area: dotted hidden edges, hatched faces,
// dimension lines with arrowheads, angle arcs and their labels. Lengths are
// in the painter's logical pixels, so a high-resolution device stays sharp.
void paintSheetFigure(QPainter &painter, const SheetFigure &figure, const QRectF &area, const SheetPaper &colours = {});

} // namespace Zyntra
