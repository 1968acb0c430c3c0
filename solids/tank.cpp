#include "tank.h"

#include "ellipticintegrals.h"
#include "entry/term.h"

#include <cmath>

namespace Zyntra {

namespace {

// π in full: the segment's angle comes from atan, whose π is the true one,
// and the two must agree for a half-full tank to hold half.
Term pi()
{
    return Term::constant(Constants::AnglePi);
}

// Below this angle θ − sin θ would cancel more digits than the series
// leaves out (its next term is θ⁹ ÷ 362880).
constexpr double SeriesBelow = 0.05;

// The area of the segment of a circle of radius r whose chord spans θ at the centre.
Term segment(const Term &r, const Term &theta)
{
    if (theta.value() < SeriesBelow)
        return power(r, 2) * ((power(theta, 3) / 6 - power(theta, 5) / 120) + power(theta, 7) / 5040) / 2;
    return power(r, 2) * (theta - sin(theta)) / 2;
}

// A round cross-section of diameter D with the liquid at depth d. The
// smaller part is worked directly and the larger from it, so that neither
// goes negative nor loses its digits near empty or full.
struct RoundSection {
    Term r;
    Term circle;
    Term theta;  // spans the liquid's segment, or the empty one above it when more than half full
    bool fuller; // more than half full
    Term filled; // the liquid's part of the section
    Term empty;
    Term arc;   // the wetted part of the rim
    Term chord; // the width of the liquid's top
};

RoundSection roundSection(const Term &d, const Term &D)
{
    const Term r = (D / 2).named(QStringLiteral("r"));
    const Term rest = D - d;
    const bool fuller = d > rest;
    // θ = 2·acos((r − d) ÷ r), by the tangent of its quarter, which keeps
    // every digit however small the segment.
    const Term theta = (Term(4) * atan(sqrt(fuller ? rest / d : d / rest))).named(QStringLiteral("θ"));
    const Term part = segment(r, theta);
    const Term circle = pi() * power(r, 2);
    const Term chord = Term(2) * sqrt(d * rest);
    if (!fuller)
        return {r, circle, theta, false, part, circle - part, r * theta, chord};
    return {r, circle, theta, true, circle - part, part, r * (Term(2) * pi() - theta), chord};
}

// What the working says of θ.
QString thetaNote(const RoundSection &section, const char *diameter)
{
    const QString D = QString::fromLatin1(diameter);
    return section.fuller
               ? QStringLiteral("θ = 2·acos((d − r) ÷ r) = 4·atan(√((%1 − d) ÷ d)) = %2, the angle the empty "
                                "segment above the liquid spans")
                     .arg(D, workedNumber(section.theta.value()))
               : QStringLiteral("θ = 2·acos((r − d) ÷ r) = 4·atan(√(d ÷ (%1 − d))) = %2, the angle the liquid's "
                                "segment spans")
                     .arg(D, workedNumber(section.theta.value()));
}

// The rim of an ellipse with horizontal semi-axis a and vertical semi-axis b
// below the level k above its lowest point, on both sides, k at most b and
// rest = 2b − k: 2a·E(α | 1 − b²/a²) with cos α = (b − k) ÷ b, by Carlson's
// integrals.
double ellipseArc(double a, double b, double k, double rest)
{
    const double s = 2 * std::sqrt(k * rest) / (k + rest);
    const double c = (rest - k) / (k + rest);
    const double ratio = b / a;
    const double m = (1 - ratio) * (1 + ratio);
    const double q = c * c + ratio * ratio * s * s;
    return 2 * a * (s * carlsonRF(c * c, q, 1) - m / 3 * s * s * s * carlsonRD(c * c, q, 1));
}

// The cap of depth k of a ball of radius r.
Term cap(const Term &k, const Term &r)
{
    return pi() * power(k, 2) * (Term(3) * r - k) / 3;
}

struct Tank {
    Term height;
    Term total;
    Term filled;
    Term empty;
    Term surface;
    Term wetted;
    QString note = {};    // on every answer worked with θ
    QString wetNote = {}; // on the wetted area alone
};

Tank tank(const Fields &fields, TankShape shape)
{
    const TankFields &layout = TankOptions[size_t(shape)];
    Term measures[4];
    for (size_t i = 1; i < layout.fields.size(); ++i)
        if (layout.fields[i].letter)
            measures[i] = typedLength(fields, int(i), layout.fields[i].letter, layout.fields[i].name);
    const Term &height = measures[layout.height];
    const Term d = typedLength(fields, 0, TankDepth.letter, TankDepth.name, Zero::Allowed);
    if (d > height)
        notAFigure(0, QStringLiteral("Depth d must not be more than the tank's height, %1.")
                          .arg(QString::fromLatin1(layout.heightName)));
    const Term rest = height - d;

    switch (shape) {
    case TankShape::HorizontalCylinder: {
        const Term &D = measures[1], &L = measures[2];
        const RoundSection s = roundSection(d, D);
        return {
            D, s.circle * L, s.filled * L, s.empty * L, s.chord * L, s.arc * L + Term(2) * s.filled, thetaNote(s, "D")};
    }
    case TankShape::VerticalCylinder: {
        const Term &D = measures[1], &H = measures[2];
        const Term base = pi() * power(D / 2, 2);
        return {H, base * H, base * d, base * rest, base, base + pi() * D * d};
    }
    case TankShape::HorizontalCapsule: {
        const Term &D = measures[1], &L = measures[2];
        const RoundSection s = roundSection(d, D);
        // The two half balls at the ends make one ball, cut at the same level.
        const Term ball = Term(4) * pi() * power(s.r, 3) / 3;
        const Term smallCap = cap(s.fuller ? rest : d, s.r);
        const Term filledCap = s.fuller ? ball - smallCap : smallCap;
        const Term emptyCap = s.fuller ? smallCap : ball - smallCap;
        return {D,
                s.circle * L + ball,
                s.filled * L + filledCap,
                s.empty * L + emptyCap,
                s.chord * L + pi() * d * rest,
                s.arc * L + pi() * D * d,
                thetaNote(s, "D")};
    }
    case TankShape::Sphere: {
        const Term &D = measures[1];
        const Term r = (D / 2).named(QStringLiteral("r"));
        const Term ball = Term(4) * pi() * power(r, 3) / 3;
        const bool fuller = d > rest;
        const Term smallCap = cap(fuller ? rest : d, r);
        return {D,
                ball,
                fuller ? ball - smallCap : smallCap,
                fuller ? smallCap : ball - smallCap,
                pi() * d * rest,
                pi() * D * d};
    }
    case TankShape::Rectangular: {
        const Term &l = measures[1], &w = measures[2], &H = measures[3];
        const Term base = l * w;
        return {H, base * H, base * d, base * rest, base, base + Term(2) * (l + w) * d};
    }
    case TankShape::HorizontalElliptical: {
        const Term &W = measures[1], &H = measures[2], &L = measures[3];
        // The ellipse is the circle of diameter H drawn out to the width W.
        const RoundSection s = roundSection(d, H);
        const Term stretch = W / H;
        const double a = W.value() / 2, b = H.value() / 2;
        const double k = s.fuller ? rest.value() : d.value();
        const double arc = s.fuller ? 2 * ellipseArc(a, b, b, b) - ellipseArc(a, b, k, H.value() - k)
                                    : ellipseArc(a, b, k, H.value() - k);
        if (!std::isfinite(arc))
            throw Failure{Failure::Cause::TooLarge, -1, {}};
        const Term rim = Term(Num(arc)).named(QStringLiteral("s"));
        Tank tank{H,
                  pi() * W * H / 4 * L,
                  stretch * s.filled * L,
                  stretch * s.empty * L,
                  stretch * s.chord * L,
                  rim * L + Term(2) * (stretch * s.filled),
                  thetaNote(s, "H")};
        tank.wetNote = QStringLiteral("s = %1, the ellipse's rim below the liquid, by Carlson's symmetric elliptic "
                                      "integrals")
                           .arg(workedNumber(arc));
        return tank;
    }
    }
    throw Failure{Failure::Cause::NotAFigure, -1, QStringLiteral("No such tank.")};
}

} // namespace

Outcome calculateTank(const QStringList &fieldTexts, qint16 shape)
{
    return runCalculation([&] {
        if (shape < 0 || shape >= TankShapes)
            return Outcome{};
        const Fields fields(fieldTexts);
        const Tank t = tank(fields, TankShape(shape));
        const Term total = t.total.named(QStringLiteral("Total Volume"));
        const Term filled = t.filled.named(QStringLiteral("Filled Volume"));
        const Term d = typed(fields, 0, TankDepth.letter);
        Outcome outcome = answers({{TankAnswer::Total, t.total},
                                   {TankAnswer::Filled, t.filled},
                                   {TankAnswer::Empty, t.empty},
                                   {TankAnswer::FilledPercent, filled / total * 100},
                                   {TankAnswer::DepthPercent, d / t.height * 100},
                                   {TankAnswer::Surface, t.surface},
                                   {TankAnswer::Wetted, t.wetted}},
                                  Pattern::TwoOrThreeDecimals);
        for (auto &[index, working] : outcome.workings)
            if (!t.note.isEmpty() && working.formula.contains(u'θ'))
                working.note = t.note;
        if (!t.wetNote.isEmpty()) {
            QString &note = outcome.workings[TankAnswer::Wetted].note;
            note = note.isEmpty() ? t.wetNote : note + QStringLiteral("; ") + t.wetNote;
        }
        return outcome;
    });
}

} // namespace Zyntra
