#include "tank.h"

#include "ellipticintegrals.h"
#include "entry/term.h"

#include <cmath>
#include <optional>

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
    const Term part = segment(r, theta).named(QStringLiteral("A"));
    const Term circle = (pi() * power(r, 2)).named(QStringLiteral("S"));
    const Term chord = Term(2) * sqrt(d * rest);
    if (!fuller)
        return {r, circle, theta, false, part, circle - part, r * theta, chord};
    return {r, circle, theta, true, circle - part, part, r * (Term(2) * pi() - theta), chord};
}

// A letter the formulas use for a value worked on the side, and what a
// working that uses it says of it.
struct Explained {
    QString letter;
    QString text;
};

Explained explained(const Term &named, const char *letter, const char *what)
{
    return {QString::fromUtf8(letter), QStringLiteral("%1 = %2 = %3, %4")
                                           .arg(QString::fromUtf8(letter), named.working().formula,
                                                workedNumber(named.value()), QString::fromUtf8(what))};
}

QList<Explained> explained(const RoundSection &section, const char *diameter)
{
    const QString D = QString::fromLatin1(diameter);
    const QString theta =
        section.fuller
            ? QStringLiteral("θ = 2·acos((d − r) ÷ r) = 4·atan(√((%1 − d) ÷ d)) = %2, the angle the empty segment "
                             "above the liquid spans")
            : QStringLiteral("θ = 2·acos((r − d) ÷ r) = 4·atan(√(d ÷ (%1 − d))) = %2, the angle the liquid's "
                             "segment spans");
    return {{QStringLiteral("θ"), theta.arg(D, workedNumber(section.theta.value()))},
            explained(section.fuller ? section.empty : section.filled, "A", "the segment's area"),
            explained(section.circle, "S", "the whole section")};
}

// Whether a formula uses a letter on its own, not as part of a word.
bool uses(const QString &formula, const QString &letter)
{
    for (qsizetype at = formula.indexOf(letter); at >= 0; at = formula.indexOf(letter, at + 1)) {
        const qsizetype end = at + letter.size();
        if ((at == 0 || !formula[at - 1].isLetter()) && (end == formula.size() || !formula[end].isLetter()))
            return true;
    }
    return false;
}

// What a working says of the letters its formula uses, and of those their
// own formulas use, each once, in the order they were worked.
QString notesFor(const QString &formula, const QList<Explained> &letters)
{
    QString read = formula;
    QStringList notes;
    for (auto letter = letters.rbegin(); letter != letters.rend(); ++letter) {
        if (uses(read, letter->letter)) {
            notes.prepend(letter->text);
            read += u' ' + letter->text;
        }
    }
    return notes.join(QStringLiteral("; "));
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

// A ball of radius r cut at depth d, rest below its top: the cap of the
// smaller part worked directly, the other from it.
struct Ball {
    Term whole;
    Term filled;
    Term empty;
    QList<Explained> letters;
};

Ball ball(const Term &d, const Term &rest, const Term &r)
{
    const bool fuller = d > rest;
    const Term k = fuller ? rest : d;
    const Term whole = (Term(4) * pi() * power(r, 3) / 3).named(QStringLiteral("B"));
    const Term cap = (pi() * power(k, 2) * (Term(3) * r - k) / 3).named(QStringLiteral("C"));
    const QList<Explained> letters{
        explained(whole, "B", "the ball"),
        explained(cap, "C", fuller ? "the cap of the ball above the liquid" : "the cap of the ball below the liquid")};
    return fuller ? Ball{whole, whole - cap, cap, letters} : Ball{whole, cap, whole - cap, letters};
}

// The filled share of a tank of even section, as its section or its depth
// gives it, so that the share does not move with the length it does not
// depend on.
struct Share {
    Term part;
    Term whole;
};

struct Tank {
    Term height;
    Term total;
    Term filled;
    Term empty;
    Term surface;
    Term wetted;
    std::optional<Share> share; // none: the volumes give it
    QList<Explained> letters = {};
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
        return {D,
                s.circle * L,
                s.filled * L,
                s.empty * L,
                s.chord * L,
                s.arc * L + Term(2) * s.filled,
                Share{s.filled, s.circle},
                explained(s, "D")};
    }
    case TankShape::VerticalCylinder: {
        const Term &D = measures[1], &H = measures[2];
        const Term base = pi() * power(D / 2, 2);
        return {H, base * H, base * d, base * rest, base, base + pi() * D * d, Share{d, H}};
    }
    case TankShape::HorizontalCapsule: {
        const Term &D = measures[1], &L = measures[2];
        const RoundSection s = roundSection(d, D);
        // The two half balls at the ends make one ball, cut at the same level.
        const Ball ends = ball(d, rest, s.r);
        QList<Explained> letters = explained(s, "D");
        letters << ends.letters;
        return {D,
                s.circle * L + ends.whole,
                s.filled * L + ends.filled,
                s.empty * L + ends.empty,
                s.chord * L + pi() * d * rest,
                s.arc * L + pi() * D * d,
                std::nullopt,
                letters};
    }
    case TankShape::Sphere: {
        const Term &D = measures[1];
        const Ball tank = ball(d, rest, (D / 2).named(QStringLiteral("r")));
        return {D, tank.whole, tank.filled, tank.empty, pi() * d * rest, pi() * D * d, std::nullopt, tank.letters};
    }
    case TankShape::Rectangular: {
        const Term &l = measures[1], &w = measures[2], &H = measures[3];
        const Term base = l * w;
        return {H, base * H, base * d, base * rest, base, base + Term(2) * (l + w) * d, Share{d, H}};
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
        QList<Explained> letters = explained(s, "H");
        letters << Explained{QStringLiteral("s"),
                             QStringLiteral("s = %1, the ellipse's rim below the liquid, by Carlson's symmetric "
                                            "elliptic integrals")
                                 .arg(workedNumber(arc))};
        return {H,
                pi() * W * H / 4 * L,
                stretch * s.filled * L,
                stretch * s.empty * L,
                stretch * s.chord * L,
                rim * L + Term(2) * (stretch * s.filled),
                Share{s.filled, s.circle},
                letters};
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
        Outcome outcome =
            answers({{TankAnswer::Total, t.total},
                     {TankAnswer::Filled, t.filled},
                     {TankAnswer::Empty, t.empty},
                     {TankAnswer::FilledPercent, t.share ? t.share->part / t.share->whole * 100 : filled / total * 100},
                     {TankAnswer::DepthPercent, d / t.height * 100},
                     {TankAnswer::Surface, t.surface},
                     {TankAnswer::Wetted, t.wetted}},
                    Pattern::TwoOrThreeDecimals);
        for (auto &[index, working] : outcome.workings)
            working.note = notesFor(working.formula, t.letters);
        return outcome;
    });
}

} // namespace Zyntra
