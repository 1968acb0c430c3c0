#include "circlecalculations.h"

#include "entry/term.h"

namespace Zyntra {

namespace {

constexpr Pattern Two = Pattern::TwoOrThreeDecimals;
constexpr Pattern One = Pattern::OneOrTwoDecimals;

// The answers go to the rows from the top, each in its own pattern.
Outcome rows(std::initializer_list<std::pair<Term, Pattern>> answers)
{
    Outcome outcome;
    int index = 0;
    for (const auto &[term, pattern] : answers)
        addAnswer(outcome, index++, term, pattern);
    return outcome;
}

// The 3.14 the sections and the ellipse are typed with.
Term roughPi()
{
    return Term::constant(Constants::RoughPi);
}

// An angle the user gave, in degrees: no more than the whole circle.
Term angle(const Fields &fields, int index)
{
    const Term theta = typed(fields, index, "θ").inDegrees();
    if (theta.value() > 360)
        notAFigure(index, QStringLiteral("The angle θ must be 360° or less: no part of a circle turns further."));
    return theta;
}

// A value that later answers use, under its letter.
Term name(const Term &value, const char *letter)
{
    return value.named(QString::fromLatin1(letter));
}

} // namespace

Outcome calculateCircle(const QStringList &fieldTexts, qint16 given)
{
    return runCalculation([&] {
        // Made inside, so that it carries its exact value where the calculation does.
        const Term p = Term::constant(Constants::FinePi);
        const Fields fields(fieldTexts);
        Term r, d, c, area;
        if (!fields.isEmpty(0)) {
            switch (given) {
            case CircleGiven::Radius:
                r = typed(fields, 0, "r");
                d = name(r + r, "D");
                c = d * p;
                area = power(r, 2) * p;
                break;
            case CircleGiven::Diameter:
                d = typed(fields, 0, "D");
                r = name(d / 2, "r");
                c = d * p;
                area = power(r, 2) * p;
                break;
            case CircleGiven::Circumference:
                c = typed(fields, 0, "C");
                d = name(c / p, "D");
                r = name(d / 2, "r");
                area = power(r, 2) * p;
                break;
            case CircleGiven::Area:
                area = typed(fields, 0, "Area");
                r = name(sqrt(area / p), "r");
                d = name(r + r, "D");
                c = d * p;
                break;
            }
        }
        Outcome outcome = rows({{r, Two}, {d, Two}, {c, One}, {area, One}});
        if (fields.isEmpty(0))
            noteAll(outcome, QString::fromLatin1(NoValuesGiven));
        return outcome;
    });
}

Outcome calculateCircleSector(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.anyEmpty({0, 1}))
            return Outcome::zeros();
        const Term r = typed(fields, 0, "r");
        const Term g = angle(fields, 1);
        // 0.008727 is half a degree in radians, as the results show it.
        const Term arc = name((r * 2) * (g * Term::constant(Constants::HalfDegree)), "AC");
        const Term area = (r * arc) / 2;
        return rows({{r, Two}, {g, Two}, {arc, One}, {area, One}});
    });
}

Outcome calculateCircleSegment(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.anyEmpty({0, 1}))
            return Outcome::zeros();
        const Term r = typed(fields, 0, "r");
        const Term g = angle(fields, 1);
        const Term s = g > 90 ? sin((Term(180).inDegrees() - g) * roughPi() / 180) : sin(g * roughPi() / 180);
        const Term area = (power(r, 2) / 2) * ((g * roughPi() / 180) - s);
        return rows({{r, Two}, {g, Two}, {area, One}});
    });
}

Outcome calculateHollowSector(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.anyEmpty({0, 1, 2}))
            return Outcome::zeros();
        const Term r1 = typed(fields, 0, "r1");
        const Term r2 = typed(fields, 1, "r2");
        const Term g = angle(fields, 2);
        requireWithin(r2, 1, "Inner radius r2", r1, "outer radius r1");
        const Term area = (power(r1, 2) - power(r2, 2)) * (g * roughPi()) / 360;
        return rows({{r1, Two}, {r2, Two}, {g, One}, {area, One}});
    });
}

Outcome calculateEllipse(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.anyEmpty({0, 1}))
            return Outcome::zeros();
        const Term a = typed(fields, 0, "a");
        const Term b = typed(fields, 1, "b");
        const Term area = a * roughPi() * b;
        // Exact for a circle, close for an ellipse that is not too flat.
        const Term perimeter = ((b + a) * 1.5 - sqrt(b * a)) * roughPi();
        return rows({{a, Two}, {b, Two}, {area, One}, {perimeter, One}});
    });
}

Outcome calculateCircleSections(const QStringList &fieldTexts, qint16 given)
{
    switch (given) {
    case CircleSection::Sector:
        return calculateCircleSector(fieldTexts, given);
    case CircleSection::Segment:
        return calculateCircleSegment(fieldTexts, given);
    case CircleSection::HollowSector:
        return calculateHollowSector(fieldTexts, given);
    }
    return {};
}

Outcome calculateCircleFamily(const QStringList &fieldTexts, qint16 circleMode, qint16 given, double &pi)
{
    switch (circleMode) {
    case CircleMode::Circle:
        pi = exactConstants() ? Constants::FinePi.exact : CirclePi;
        return calculateCircle(fieldTexts, given);
    case CircleMode::Sections:
        return calculateCircleSections(fieldTexts, given);
    case CircleMode::Ellipse:
        return calculateEllipse(fieldTexts, given);
    }
    return {};
}

} // namespace Zyntra
