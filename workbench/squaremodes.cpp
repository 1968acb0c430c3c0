#include "squaremodes.h"

#include "controls/globalsubs.h"
#include "frmsquare.h"
#include "planefigures.h"
#include "roundsolids.h"
#include "roundsolidsheets.h"
#include "sheet/sheetbuilder.h"
#include "solidfigures.h"
#include "sphericalcap.h"
#include "workbenchsheets.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <string>

namespace Zyntra {

// clang-format off
const Layout DesignLayout{
    .heading = "Rectangle Calculations",
    .options = {shown("a/b"), shown("a/Area"), shown("b/Area")},
    .fields = {field("a=", "Width a", Shown::Yes), field("b =", "Height b", Shown::Yes),
               field("b =", "Value b", Shown::No), field("f =", "Value f", Shown::No),
               field("g =", "Value g", Shown::No)},
    .rows = {shown("a"), shown("b"), shown("Area"), shown("Perimeter"), shown("Diagonal"), hide, hide, hide},
};
// clang-format on

namespace {

// A figure the workbench shows under the given intSquareMode: an answer
// label for each of its result rows, every one "#.00#".
constexpr FigureEntry workbenchFigure(const char *id, FigureMenu menu, qint16 index, const char *caption, qint16 mode,
                                      FigureCalculation calculate, std::span<const OptionQuantities> quantities,
                                      std::span<const FigureDrawing> drawings, SheetBuilder sheet,
                                      std::span<const Inverse> inverses = {})
{
    return {
        .id = id,
        .menu = menu,
        .index = index,
        .caption = caption,
        .modeVariable = &intSquareMode,
        .mode = mode,
        .load = []() -> FigureWindow * { return new frmSquare; },
        .calculate = calculate,
        .answers = ResultRows,
        .twoOrThree = ResultRows,
        .drawings = drawings,
        .sheet = sheet,
        .quantities = quantities,
        .inverses = inverses,
    };
}

// What each figure takes and answers, option by option, by field and by row.
// clang-format off
constexpr std::array<Quantity, MostAnswers> RectangleAnswers{length("a"), length("b"), area("Area"),
                                                             length("Perimeter"), length("Diagonal")};
constexpr OptionQuantities Rectangle[]{
    {{length("a"), length("b")}, RectangleAnswers},
    {{length("a"), area("Area")}, RectangleAnswers},
    {{length("b"), area("Area")}, RectangleAnswers},
};
constexpr OptionQuantities Parallelogram[]{
    {{length("a"), length("b"), angle("θ")},
     {length("a"), length("b"), angle("θ"), area("Area"), length("Perimeter")}},
    {{length("a"), length("h")}, {length("a"), length("h"), area("Area")}},
};
constexpr OptionQuantities Trapezoid[]{
    {{length("a"), length("b"), length("h")}, {length("a"), length("b"), length("h"), area("Area")}},
};
constexpr OptionQuantities Quadrilateral[]{
    {{length("d1"), length("d2"), angle("θ")}, {length("d1"), length("d2"), angle("θ"), area("Area")}},
};
constexpr OptionQuantities Annulus[]{
    {{length("r1", 1), length("r2")}, {length("r1"), length("r2"), area("Area")}},
    {{length("f", 1), length("d")}, {length("f"), length("d"), area("Area")}},
};
constexpr OptionQuantities Trapezium[]{
    {{length("h"), length("k"), length("e"), length("g"), length("f")},
     {Quantity{}, length("Perimeter"), area("Area")}},
};
constexpr OptionQuantities EqTriangle[]{
    {{length("a")}, {length("a"), length("h"), area("Area")}},
};
constexpr OptionQuantities Cube[]{
    {{length("a")}, {length("a"), volume("Volume"), area("Surface Area")}, "Cube"},
    {{length("a"), length("b"), length("c")},
     {length("a"), length("b"), length("c"), volume("Volume"), area("Surface Area")}, "Parallelopiped"},
};
constexpr OptionQuantities Prism[]{
    {{length("a"), length("c"), length("h")}, {volume("Volume"), area("Surface Area")}},
};
constexpr OptionQuantities RightCyl[]{
    {{length("r"), length("h")}, {length("r"), length("h"), volume("Volume"), area("Surface Area")},
     "Right Cylinder"},
    {{length("r"), length("h"), length("k")},
     {length("r"), length("h"), length("k"), volume("Volume"), area("Surface Area")}, "Frustum of Right Cylinder"},
};
constexpr OptionQuantities RightCone[]{
    {{length("r"), length("h")},
     {length("r"), length("h"), length("k"), volume("Volume"), area("Surface Area")}},
};
constexpr OptionQuantities RightPyramid[]{
    {{area("A"), length("P"), length("h"), length("k")}, {volume("Volume"), area("Surface Area")}},
};
constexpr OptionQuantities CircularRing[]{
    {{length("r", 1), length("R")}, {length("r"), length("R"), volume("Volume"), area("Surface Area")}},
};
// clang-format on

// Given values worked back from an answer by formula, in the very steps and
// constants of the forward calculation, so that CALCULATE gives the answer back.
Term roughPi()
{
    return Term::constant(Constants::RoughPi);
}
constexpr Inverse RectangleInverses[]{
    {0, "Area", "a", [](const InverseValues &v) { return v.target / v["b"]; }},
    {0, "Area", "b", [](const InverseValues &v) { return v.target / v["a"]; }},
};
constexpr Inverse ParallelogramInverses[]{
    {1, "Area", "a", [](const InverseValues &v) { return v.target / v["h"]; }},
    {1, "Area", "h", [](const InverseValues &v) { return v.target / v["a"]; }},
};
constexpr Inverse TrapezoidInverses[]{
    {0, "Area", "h", [](const InverseValues &v) { return v.target * 2 / (v["b"] + v["a"]); }},
};
constexpr Inverse EqTriangleInverses[]{
    {0, "Area", "a",
     [](const InverseValues &v) { return sqrt(v.target / Term::constant(Constants::QuarterRootThree)); }},
};
constexpr Inverse CubeInverses[]{
    {1, "Volume", "a", [](const InverseValues &v) { return v.target / (v["b"] * v["c"]); }},
};
constexpr Inverse RightCylInverses[]{
    {0, "Volume", "h", [](const InverseValues &v) { return v.target / (power(v["r"], 2) * roughPi()); }},
    {0, "Volume", "r", [](const InverseValues &v) { return sqrt(v.target / (roughPi() * v["h"])); }},
};
constexpr Inverse RightConeInverses[]{
    {0, "Volume", "h", [](const InverseValues &v) { return v.target * 3 / (power(v["r"], 2) * roughPi()); }},
    {0, "Volume", "r", [](const InverseValues &v) { return sqrt(v.target * 3 / (roughPi() * v["h"])); }},
};

// What each figure looks like in the window.
constexpr FigureDrawing RectangleDrawing[]{
    {"picSquare", ":/pictures/picSquare.svg", "Rectangle with width a and height b"},
};
constexpr FigureDrawing ParallelogramDrawing[]{
    {"picParallel", ":/pictures/picParallel.svg",
     "Parallelogram with base a, slanted side b, height h and the angle theta between them"},
};
constexpr FigureDrawing TrapezoidDrawing[]{
    {"picTrapezoid", ":/pictures/picTrapezoid.svg", "Trapezoid with parallel sides a and b and height h"},
};
constexpr FigureDrawing QuadrilateralDrawing[]{
    {"picQuad", ":/pictures/picQuad.svg", "Quadrilateral with diagonals d1 and d2 crossing at the angle theta"},
};
constexpr FigureDrawing AnnulusDrawing[]{
    {"picAnnulus", ":/pictures/picAnnulus.svg",
     "Annulus with inner radius r1, outer radius r2, inner diameter f and outer diameter d"},
};
constexpr FigureDrawing TrapeziumDrawing[]{
    {"picTrapezium", ":/pictures/picTrapezium.svg",
     "Trapezium on a base divided into e, g and f, its upper corners at the heights h and k"},
};
constexpr FigureDrawing EqTriangleDrawing[]{
    {"picEqTriangle", ":/pictures/picEqTriangle.svg", "Equilateral triangle with side a and height h"},
};
constexpr FigureDrawing CubeDrawing[]{
    {"picCube", ":/pictures/picCube.svg", "Box with its edges a, b and c"},
};
constexpr FigureDrawing PrismDrawing[]{
    {"picPrism", ":/pictures/picPrism.svg",
     "Right prism on a right-angled triangle with legs a and c, hypotenuse b and length h"},
};
constexpr FigureDrawing RightCylDrawing[]{
    {"picRightCyl", ":/pictures/picRightCyl.svg", "Right cylinder with its radius r and height h"},
    {"picFrustum", ":/pictures/picFrustum.svg",
     "Frustum of a right cylinder with its radius r, long side h and short side k"},
};
constexpr FigureDrawing RightConeDrawing[]{
    {"picRightCone", ":/pictures/picRightCone.svg", "Right cone with its height h, base radius r and slant side k"},
};
constexpr FigureDrawing RightPyramidDrawing[]{
    {"picPyramid", ":/pictures/picPyramid.svg",
     "Right pyramid on a five-sided base A with its height h and slant height k"},
};
constexpr FigureDrawing CircularRingDrawing[]{
    {"picCircularRing", ":/pictures/picCircularRing.svg",
     "Circular ring seen from above, cut open, with its section radius r, ring radius R and section width 2r"},
};

// Modes with one way of giving the figure: its option alone.
constexpr std::array<Slot, 3> onlyOption(const char *caption)
{
    return {named(caption), hide, hide};
}

} // namespace

namespace {

// clang-format off
const SquareMode Modes[]{
    {
        .figure = workbenchFigure("rectangle", FigureMenu::Plane, 2, "Rectangle", 0,
                                  calculateRectangle, Rectangle, RectangleDrawing, rectangleSheet, RectangleInverses),
        .routine = &frmSquare::CalculateRectangle,
        .layout = {.heading = "Rectangle Calculations", .picture = "picSquare"},
        .optionLayouts = {
            Layout{.fields = {field("a = ", "Width a"), field("b =", "Height b")}},
            Layout{.fields = {field("a = ", "Width a"), field("Area =", "Area")}},
            Layout{.fields = {field("b = ", "Height b"), field("Area =", "Area")}},
        },
    },
    {
        .figure = workbenchFigure("parallelogram", FigureMenu::Plane, 3, "Parallelogram", 1,
                                  calculateParallelogram, Parallelogram, ParallelogramDrawing, parallelogramSheet, ParallelogramInverses),
        .routine = &frmSquare::CalculateParallel,
        .layout = {
            .heading = "Parallelogram Calculations",
            .picture = "picParallel",
            .options = {named("a/b/Theta"), named("a/h"), hide},
            .fields = {field("a = ", "Base a"), field("b = ", "Side b"), field("Theta = ", "Angle Theta", Shown::Yes)},
            .rows = {named("a"), named("b"), named("Theta"), named("Area"), named("Perimeter")},
        },
        .optionLayouts = {
            Layout{
                .fields = {field("a = ", "Base a"), field("b = ", "Side b"),
                           field("Theta = ", "Angle Theta", Shown::Yes)},
                .rows = {named("a"), named("b"), named("Theta"), shown("Area"), shown("Perimeter")},
            },
            Layout{
                .fields = {field("a = ", "Base a"), field("h = ", "Height h"), hide},
                .rows = {named("a"), named("h"), named("Area"), hide, hide},
            },
            std::nullopt,
        },
    },
    {
        .figure = workbenchFigure("trapezoid", FigureMenu::Plane, 4, "Trapezoid", 2,
                                  calculateTrapezoid, Trapezoid, TrapezoidDrawing, trapezoidSheet, TrapezoidInverses),
        .routine = &frmSquare::CalculateTrap,
        .layout = {
            .heading = "Trapezoid Calculations",
            .picture = "picTrapezoid",
            .options = onlyOption("a/b/h"),
            .fields = {field("a = ", "Side a"), field("b = ", "Side b"), field("h = ", "Height h", Shown::Yes)},
            .rows = {named("a"), named("b"), named("h"), named("Area"), hide},
        },
        .optionLayouts = {},
    },
    {
        .figure = workbenchFigure("quadrilateral", FigureMenu::Plane, 5, "Quadrilateral", 3,
                                  calculateQuadrilateral, Quadrilateral, QuadrilateralDrawing, quadrilateralSheet),
        .routine = &frmSquare::CalculateQuad,
        .layout = {
            .heading = "Quadrilateral Calculations",
            .picture = "picQuad",
            .options = onlyOption("d1/d2/Theta"),
            .fields = {field("d1 = ", "Diagonal d1"), field("d2 = ", "Diagonal d2"),
                       field("Theta = ", "Angle Theta", Shown::Yes)},
            .rows = {named("d1"), named("d2"), named("Theta"), named("Area"), hide},
        },
        .optionLayouts = {},
    },
    {
        .figure = workbenchFigure("annulus", FigureMenu::Plane, 6, "Annulus", 4,
                                  calculateAnnulus, Annulus, AnnulusDrawing, annulusSheet),
        .routine = &frmSquare::CalculateAnnulus,
        .layout = {
            .heading = "Annulus Calculations",
            .picture = "picAnnulus",
            .options = {named("r1/r2"), named("f/d"), hide},
            .fields = {field("r1 = ", "Inner radius r1"), field("r2 = ", "Outer radius r2"), hide},
            .rows = {named("r1"), named("r2"), named("Area"), hide, hide},
        },
        .optionLayouts = {
            Layout{
                .fields = {field("r1 = ", "Inner radius r1"), field("r2 = ", "Outer radius r2")},
                .rows = {named("r1"), named("r2"), named("Area")},
            },
            Layout{
                .fields = {field("f = ", "Inner diameter f"), field("d = ", "Outer diameter d")},
                .rows = {named("f"), named("d"), named("Area")},
            },
            std::nullopt,
        },
    },
    {
        .figure = workbenchFigure("trapezium", FigureMenu::Plane, 7, "Trapezium", 5,
                                  calculateTrapezium, Trapezium, TrapeziumDrawing, trapeziumSheet),
        .routine = &frmSquare::CalculateTrapezium,
        .layout = {
            .heading = "Trapezium Calculations",
            .picture = "picTrapezium",
            .options = onlyOption("h/k/e/g/f"),
            .fields = {field("h = ", "Height h", Shown::Yes), field("k = ", "Height k", Shown::Yes),
                       field("e = ", "Base part e", Shown::Yes), field("g = ", "Base part g", Shown::Yes),
                       field("f = ", "Base part f", Shown::Yes)},
            .rows = {hide, shown("Perimeter"), shown("Area"), hide, hide},
        },
        .optionLayouts = {},
    },
    {
        .figure = workbenchFigure("equilateral-triangle", FigureMenu::Plane, 8, "Triangle (Equilateral)", 6,
                                  calculateEqTriangle, EqTriangle, EqTriangleDrawing, eqTriangleSheet, EqTriangleInverses),
        .routine = &frmSquare::CalculateEqTriangle,
        .layout = {
            .heading = "Equilateral Triangle Calculations",
            .picture = "picEqTriangle",
            .options = onlyOption("a"),
            .fields = {field("a = ", "Side a"), hide, hide},
            .rows = {named("a"), named("h"), named("Area"), hide, hide},
        },
        .optionLayouts = {},
    },
    {
        .figure = workbenchFigure("cube", FigureMenu::Solid, 1, "Cube", 7,
                                  calculateCube, Cube, CubeDrawing, cubeSheet, CubeInverses),
        .routine = &frmSquare::CalculateCube,
        .layout = {
            .heading = "Cube/Parallelopiped Calculations",
            .picture = "picCube",
            .options = {named("Cube"), named("Parallelopiped"), hide},
            .fields = {field("a =", "Edge a"), field("b =", "Edge b", Shown::No), field("c =", "Edge c", Shown::No)},
            .rows = {named("a"), named("Volume"), named("Surface Area"), hide, hide},
        },
        .optionLayouts = {
            Layout{
                .fields = {keep, hide, hide},
                .rows = {named("a"), named("Volume"), named("Surface Area"), hide, hide},
            },
            Layout{
                .fields = {keep, show, show},
                .rows = {named("a"), named("b"), named("c"), shown("Volume"), shown("Surface Area")},
            },
            std::nullopt,
        },
    },
    {
        .figure = workbenchFigure("right-prism", FigureMenu::Solid, 2, "Right Prism", 8,
                                  calculatePrism, Prism, PrismDrawing, prismSheet),
        .routine = &frmSquare::CalculatePrism,
        .layout = {
            .heading = "Right Prism Calculations",
            .picture = "picPrism",
            .options = onlyOption("a/c/h"),
            .fields = {field("a =", "Leg a"), field("c =", "Leg c", Shown::Yes), field("h =", "Length h", Shown::Yes),
                       hide},
            .rows = {named("Volume"), named("Surface Area"), hide, hide, hide},
        },
        .optionLayouts = {},
    },
    {
        .figure = workbenchFigure("right-cylinder", FigureMenu::Solid, 3, "Right Cylinder", 9,
                                  calculateRightCyl, RightCyl, RightCylDrawing, rightCylinderSheet, RightCylInverses),
        .routine = &frmSquare::CalculateRightCyl,
        .layout = {
            .heading = "Right Cylinder Calculations",
            .picture = "picRightCyl",
            .options = {named("Right Cylinder"), named("Frustum of Right Cylinder"), hide},
            .fields = {field("r =", "Radius r"), field("h =", "Height h", Shown::Yes), hide, hide},
            .rows = {named("r"), named("h"), named("Volume"), named("Surface Area"), hide},
        },
        .optionLayouts = {
            Layout{
                .picture = "picRightCyl",
                .fields = {keep, keep, hide},
                .rows = {keep, keep, named("Volume"), named("Surface Area"), hide},
            },
            Layout{
                .picture = "picFrustum",
                .fields = {keep, keep, field("k =", "Short side k", Shown::Yes)},
                .rows = {keep, keep, named("k"), named("Volume"), shown("Surface Area")},
            },
            std::nullopt,
        },
    },
    {
        .figure = workbenchFigure("right-cone", FigureMenu::Solid, 4, "Right Cone", 10,
                                  calculateRightCone, RightCone, RightConeDrawing, rightConeSheet, RightConeInverses),
        .routine = &frmSquare::CalculateRightCone,
        .layout = {
            .heading = "Right Cone Calculations",
            .picture = "picRightCone",
            .options = onlyOption("r/h"),
            .fields = {field("r =", "Radius r"), field("h =", "Height h", Shown::Yes), hide, hide},
            .rows = {named("r"), named("h"), shown("k"), shown("Volume"), shown("Surface Area")},
        },
        .optionLayouts = {},
    },
    {
        .figure = workbenchFigure("right-pyramid", FigureMenu::Solid, 5, "Right Pyramid", 11,
                                  calculateRightPyramid, RightPyramid, RightPyramidDrawing, rightPyramidSheet),
        .routine = &frmSquare::CalculateRightPyramid,
        .layout = {
            .heading = "Right Pyramid Calculations",
            .picture = "picPyramid",
            .options = onlyOption("A/h/k"),
            .fields = {field("A(Area of base) =", "Base area A"), field("P (Perimeter of base) =", "Base perimeter P"),
                       field("h =", "Height h", Shown::Yes), field("k =", "Slant height k", Shown::Yes)},
            .rows = {named("Volume"), named("Surface Area"), hide, hide, hide},
        },
        .optionLayouts = {},
    },
    {
        .figure = workbenchFigure("circular-ring", FigureMenu::Solid, 6, "Circular Ring", 12,
                                  calculateCircularRing, CircularRing, CircularRingDrawing, circularRingSheet),
        .routine = &frmSquare::CalculateCircularRing,
        .layout = {
            .heading = "Circular Ring Calculations",
            .picture = "picCircularRing",
            .options = onlyOption("r/R"),
            .fields = {field("r =", "Section radius r"), field("R =", "Ring radius R"), hide, hide},
            .rows = {named("r"), named("R"), named("Volume"), named("Surface Area"), hide},
        },
        .optionLayouts = {},
    },
};
// clang-format on

// A figure after the separator of its submenu.
constexpr FigureEntry afterSeparator(FigureEntry figure)
{
    figure.section = MenuSection::More;
    return figure;
}

} // namespace

// The figures after the separators, each declared once in the namespace of
// its letters (beside its calculation, which names its values by them, as
// its sheet and its inverses do, so that a misspelt one does not compile):
// its menu item, calculation, drawing, sheet and the ways of giving it,
// each value with its kind and each field with its captions.
// clang-format off
namespace Rhombus {
constexpr std::array<Quantity, ResultRows> Answers{length(a), angle(theta), length(p), length(q), area(Area),
                                                   length(Perimeter), length(h)};
LaterFigure figure()
{
    return {
        .id = "rhombus", .menu = FigureMenu::Plane, .index = 13, .caption = QT_TRANSLATE_NOOP("Figures", "Rhombus"),
        .heading = QT_TRANSLATE_NOOP("Figures", "Rhombus Calculations"),
        .calculate = calculateRhombus,
        .drawings = {{"picRhombus", ":/pictures/picRhombus.svg",
                      QT_TRANSLATE_NOOP("Figures", "Rhombus with side a, the angle theta between two sides, diagonals p and q and height h")}},
        .sheet = rhombusSheet,
        .ways = {
            {"a/θ", {{{length(a), "a = ", Spoken::a}, {angle(theta), "θ = ", Spoken::theta}}}, Answers},
            {"p/q", {{{length(p), "p = ", Spoken::p}, {length(q), "q = ", Spoken::q}}}, Answers},
        },
    };
}
} // namespace Rhombus

namespace Kite {
LaterFigure figure()
{
    return {
        .id = "kite", .menu = FigureMenu::Plane, .index = 14, .caption = QT_TRANSLATE_NOOP("Figures", "Kite"),
        .heading = QT_TRANSLATE_NOOP("Figures", "Kite Calculations"),
        .calculate = calculateKite,
        .drawings = {{"picKite", ":/pictures/picKite.svg",
                      QT_TRANSLATE_NOOP("Figures", "Kite with two sides a and two sides b, the angle theta between a and b, its axis p from the "
                      "corner between the sides a to the corner between the sides b, and the diagonal q across it")}},
        .sheet = kiteSheet,
        .ways = {
            {"p/q", {{{length(p), "p = ", Spoken::p}, {length(q), "q = ", Spoken::q}}},
             {length(p), length(q), area(Area)}},
            {"a/b/θ", {{{length(a), "a = ", Spoken::a}, {length(b), "b = ", Spoken::b}, {angle(theta), "θ = ", Spoken::theta}}},
             {length(a), length(b), angle(theta), length(p), length(q), area(Area), length(Perimeter)}},
        },
    };
}
} // namespace Kite

namespace ConeFrustum {
LaterFigure figure()
{
    return {
        .id = "cone-frustum", .menu = FigureMenu::Solid, .index = 7, .caption = QT_TRANSLATE_NOOP("Figures", "Frustum of Right Cone"),
        .heading = QT_TRANSLATE_NOOP("Figures", "Frustum of Right Cone Calculations"),
        .calculate = calculateConeFrustum,
        .drawings = {{"picConeFrustum", ":/pictures/picConeFrustum.svg",
                      QT_TRANSLATE_NOOP("Figures", "Frustum of a right cone with its base radius R, top radius r, height h and slant side k")}},
        .sheet = coneFrustumSheet,
        .ways = {
            {"R/r/h", {{{length(R), "R =", Spoken::R}, {length(r), "r =", Spoken::r}, {length(h), "h =", Spoken::h}}},
             {length(k), volume(Volume), area(LateralArea), area(SurfaceArea)}},
        },
    };
}
} // namespace ConeFrustum

namespace SphericalCap {
constexpr std::array<Quantity, ResultRows> Answers{length(R), length(a), length(h), volume(Volume),
                                                   area(CurvedSurface), area(TotalSurface)};
LaterFigure figure()
{
    return {
        .id = "spherical-cap", .menu = FigureMenu::Solid, .index = 8, .caption = QT_TRANSLATE_NOOP("Figures", "Spherical Cap"),
        .heading = QT_TRANSLATE_NOOP("Figures", "Spherical Cap Calculations"),
        .calculate = calculateSphericalCap,
        .drawings = {{"picSphericalCap", ":/pictures/picSphericalCap.svg",
                      QT_TRANSLATE_NOOP("Figures", "Spherical cap of height h cut from a sphere of radius R, its base a circle of radius a")}},
        .sheet = sphericalCapSheet,
        .ways = {
            {"R/h", {{{length(R), "R =", Spoken::R}, {length(h, 0, 2), "h =", Spoken::h}}}, Answers},
            {"a/h", {{{length(a), "a =", Spoken::a}, {length(h), "h =", Spoken::h}}}, Answers},
        },
    };
}
} // namespace SphericalCap

namespace HollowCylinder {
LaterFigure figure()
{
    return {
        .id = "hollow-cylinder", .menu = FigureMenu::Solid, .index = 9, .caption = QT_TRANSLATE_NOOP("Figures", "Hollow Cylinder"),
        .heading = QT_TRANSLATE_NOOP("Figures", "Hollow Cylinder Calculations"),
        .calculate = calculateHollowCylinder,
        .drawings = {{"picHollowCyl", ":/pictures/picHollowCyl.svg",
                      QT_TRANSLATE_NOOP("Figures", "Hollow cylinder lying on its side with its outer radius R, inner radius r and length h")}},
        .sheet = hollowCylinderSheet,
        .ways = {
            {"R/r/h", {{{length(R), "R =", Spoken::R}, {length(r, 0), "r =", Spoken::r}, {length(h), "h =", Spoken::h}}},
             {length(t), volume(Volume), area(OuterArea), area(InnerArea), area(SurfaceArea)}},
        },
    };
}
} // namespace HollowCylinder

namespace Ellipsoid {
LaterFigure figure()
{
    return {
        .id = "ellipsoid", .menu = FigureMenu::Solid, .index = 10, .caption = QT_TRANSLATE_NOOP("Figures", "Ellipsoid"),
        .heading = QT_TRANSLATE_NOOP("Figures", "Ellipsoid Calculations"),
        .calculate = calculateEllipsoid,
        .drawings = {{"picEllipsoid", ":/pictures/picEllipsoid.svg", QT_TRANSLATE_NOOP("Figures", "Ellipsoid with its semi-axes a, b and c")}},
        .sheet = ellipsoidSheet,
        .ways = {
            {"a/b/c", {{{length(a), "a =", Spoken::a}, {length(b), "b =", Spoken::b}, {length(c), "c =", Spoken::c}}},
             {length(a), length(b), length(c), volume(Volume), area(SurfaceArea)}},
        },
    };
}
} // namespace Ellipsoid

namespace Capsule {
LaterFigure figure()
{
    return {
        .id = "capsule", .menu = FigureMenu::Solid, .index = 11, .caption = QT_TRANSLATE_NOOP("Figures", "Capsule"),
        .heading = QT_TRANSLATE_NOOP("Figures", "Capsule Calculations"),
        .calculate = calculateCapsule,
        .drawings = {{"picCapsule", ":/pictures/picCapsule.svg",
                      QT_TRANSLATE_NOOP("Figures", "Capsule: a cylinder of radius r and length h with a half ball at each end, its whole length marked")}},
        .sheet = capsuleSheet,
        .ways = {
            {"r/h", {{{length(r), "r =", Spoken::r}, {length(h), "h =", Spoken::h}}},
             {length(r), length(h), volume(Volume), area(SurfaceArea), length(Length)}},
        },
    };
}
} // namespace Capsule
// clang-format on

namespace {

// In the order of their intSquareModes, after the described figures'.
const std::vector<LaterFigure> &laterFigures()
{
    static const std::vector<LaterFigure> figures{
        Rhombus::figure(),        Kite::figure(),      ConeFrustum::figure(), SphericalCap::figure(),
        HollowCylinder::figure(), Ellipsoid::figure(), Capsule::figure(),
    };
    return figures;
}

// What the workbench makes of a later figure's declaration: the layout it
// loads with (option 0's), one per option where it has several, and the
// quantities of each option.
struct LaterMode {
    std::vector<OptionQuantities> quantities;
};

Layout optionLayout(const GivenWay &way)
{
    Layout layout;
    for (size_t i = 0; i < layout.fields.size(); ++i) {
        const GivenField &given = way.given[i];
        layout.fields[i] = given.quantity.letter ? field(given.caption, given.spoken, Shown::Yes) : hide;
    }
    for (size_t i = 0; i < layout.rows.size(); ++i)
        layout.rows[i] = way.answers[i].letter ? shown(way.answers[i].letter) : hide;
    return layout;
}

SquareMode laterMode(const LaterFigure &declared, qint16 mode, LaterMode &made)
{
    for (const GivenWay &way : declared.ways) {
        OptionQuantities quantities{};
        quantities.figure = way.figure;
        std::ranges::transform(way.given, quantities.given.begin(), &GivenField::quantity);
        std::ranges::copy(way.answers, quantities.answers.begin());
        made.quantities.push_back(quantities);
    }
    SquareMode square{
        .figure = afterSeparator(workbenchFigure(declared.id, declared.menu, declared.index, declared.caption, mode,
                                                 declared.calculate, made.quantities, declared.drawings, declared.sheet,
                                                 declared.inverses)),
        .layout = optionLayout(declared.ways.front()),
        .optionLayouts = {},
    };
    square.layout.heading = declared.heading;
    square.layout.picture = declared.drawings.front().name;
    for (size_t i = 0; i < square.layout.options.size(); ++i)
        square.layout.options[i] = i < declared.ways.size() ? named(declared.ways[i].caption) : hide;
    if (declared.ways.size() > 1)
        for (size_t i = 0; i < declared.ways.size(); ++i)
            square.optionLayouts[i] = optionLayout(declared.ways[i]);
    return square;
}

} // namespace

std::span<const SquareMode> squareModes()
{
    static std::deque<LaterMode> made;
    static const std::vector<SquareMode> modes = [] {
        std::vector<SquareMode> all(std::begin(Modes), std::end(Modes));
        for (const LaterFigure &declared : laterFigures())
            all.push_back(laterMode(declared, qint16(all.size()), made.emplace_back()));
        return all;
    }();
    return modes;
}

const SquareMode *squareMode(qint16 mode)
{
    const auto found = std::ranges::find(squareModes(), mode, [](const SquareMode &m) { return m.figure.mode; });
    return found == squareModes().end() ? nullptr : &*found;
}

std::vector<const FigureDrawing *> workbenchDrawings()
{
    std::vector<const FigureDrawing *> drawings;
    for (const SquareMode &mode : squareModes())
        for (const FigureDrawing &drawing : mode.figure.drawings)
            drawings.push_back(&drawing);
    return drawings;
}

FigureEntries workbenchFigures()
{
    FigureEntries figures;
    for (const SquareMode &mode : squareModes())
        figures.push_back(&mode.figure);
    return figures;
}

} // namespace Zyntra
