#include "anytrianglesheet.h"

#include "sheet/sheetbuilder.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Zyntra {

namespace {

// A, B, C; a, b, c facing them.
struct Corners {
    QPointF A, B, C;
};

// Side c along the bottom from A at the lower left, C above it.
Corners corners(double a, double b, double c, QPointF at)
{
    const double x = (b * b + c * c - a * a) / (2 * c);
    return {at, at + QPointF(c, 0), at + QPointF(x, std::sqrt(std::max(0.0, b * b - x * x)))};
}

double direction(QPointF from, QPointF to)
{
    return degrees(std::atan2(to.y() - from.y(), to.x() - from.x()));
}

bool isTriangle(double a, double b, double c)
{
    return a < b + c && b < a + c && c < a + b;
}

// One triangle with its sides and angles labelled, the letters carrying `mark`.
void drawTriangle(Sheet &sheet, const Corners &at, const std::array<double, 6> &values, const QString &mark)
{
    sheet.outline(polygon({at.A, at.B, at.C}), SheetLine::Solid, true);
    const auto label = [&](const char *letter, int index, bool angle = false) {
        return sheet.label(QString::fromLatin1(letter) + mark, values[size_t(index)], angle);
    };
    // Each dimension just off its own side: the other triangle stands apart.
    sheet.dimension(at.B, at.C, SheetSide::Right, label("a", 0), 0.5, 0.0);
    sheet.dimension(at.C, at.A, SheetSide::Right, label("b", 1), 0.5, 0.0);
    sheet.dimension(at.A, at.B, SheetSide::Right, label("c", 2), 0.5, 0.0);
    const double atA = direction(at.A, at.C);
    const double atB = direction(at.B, at.C);
    sheet.angle(at.A, 0, atA, label("A", 3, true));
    sheet.angle(at.B, atB, 180 - atB, label("B", 4, true));
    sheet.angle(at.C, direction(at.C, at.A), atB - atA, label("C", 5, true));
}

} // namespace

// Where two triangles fit, the second stands to the right of the first, drawn
// to the same scale.
void anyTriangleSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral("Triangle"));
    std::array<double, 6> first{};
    std::array<double, 6> second{};
    const char *const letters[] = {"a", "b", "c", "A", "B", "C"};
    for (size_t i = 0; i < first.size(); ++i) {
        first[i] = sheet.value(QString::fromLatin1(letters[i]));
        second[i] = sheet.value(QString::fromLatin1(letters[i]) + QStringLiteral("′"));
    }
    const bool two = std::isfinite(second[0]) && isTriangle(second[0], second[1], second[2]);
    const bool valid = isTriangle(first[0], first[1], first[2]);
    std::array<double, 6> drawn{};
    if (two) {
        sheet.fits({first[0], first[1], first[2], second[0], second[1], second[2]}, valid);
        drawn = sheet.drawn<6>({first[0], first[1], first[2], second[0], second[1], second[2]}, {4, 5, 6, 4, 5, 6});
    } else {
        sheet.fits({first[0], first[1], first[2]}, valid);
        const auto three = sheet.drawn<3>({first[0], first[1], first[2]}, {4, 5, 6});
        std::copy(three.begin(), three.end(), drawn.begin());
    }
    const Corners one = corners(drawn[0], drawn[1], drawn[2], {0, 0});
    drawTriangle(sheet, one, first, {});
    if (two) {
        const double gap = 0.3 * *std::ranges::max_element(drawn);
        const double right = std::max(one.B.x(), one.C.x()) + gap;
        const Corners other = corners(drawn[3], drawn[4], drawn[5], {0, 0});
        drawTriangle(sheet, corners(drawn[3], drawn[4], drawn[5], {right - std::min(0.0, other.C.x()), 0}), second,
                     QStringLiteral("′"));
    }
}

} // namespace Zyntra
