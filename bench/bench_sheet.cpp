#include "circle/circlesheets.h"
#include "polygon/polygonsheet.h"
#include "sheet/sheetfigure.h"
#include "sheet/sheetpainter.h"
#include "solids/spheresheet.h"
#include "triangle/rttrianglesheet.h"
#include "workbench/workbenchsheets.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace Zyntra;

namespace {

struct SheetCase {
    const char *name;
    SheetInput input;
};

// A plane figure, the two round solids with hidden rims, a hatched ring
// sector and the ten polygons: the drawings with the most to compute.
const SheetCase SheetCases[] = {
    {"rectangle", {rectangleSheet, 0, {{"a", 3}, {"b", 8}, {"Diagonal", 8.544}}}},
    {"frustum", {rightCylinderSheet, 1, {{"r", 1}, {"h", 4}, {"k", 2}}}},
    {"cone", {rightConeSheet, 0, {{"r", 3}, {"h", 4}, {"k", 5}}}},
    {"hollow sector", {circleSectionSheet, 2, {{"r1", 10}, {"r2", 5}, {"θ", 90}}}},
    {"polygons", {regularPolygonsSheet, 0, {{"a", 2}}}},
};

} // namespace

// From the values of a CALCULATE to a finished 800 × 600 sheet.
static void drawAndPaintSheet(benchmark::State &state)
{
    const SheetCase &sheet = SheetCases[state.range(0)];
    QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const SheetFigure figure = drawSheetFigure(sheet.input);
        QPainter painter(&image);
        paintSheetFigure(painter, figure, image.rect());
    }
    state.SetLabel(sheet.name);
}
BENCHMARK(drawAndPaintSheet)->DenseRange(0, int(std::size(SheetCases)) - 1)->Unit(benchmark::kMillisecond);
