#include "circlecalculations.h"

namespace Zyntra {

namespace {

constexpr Pattern Two = Pattern::TwoOrThreeDecimals;
constexpr Pattern One = Pattern::OneOrTwoDecimals;

Outcome rows(std::initializer_list<QString> texts)
{
    Outcome outcome;
    int index = 0;
    for (const QString &text : texts)
        outcome.answers[index++] = text;
    return outcome;
}

} // namespace

Outcome calculateCircle(const QStringList &fieldTexts, qint16 given)
{
    const Num p = CirclePi;
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        Num r, d, c, area;
        if (!fields.isEmpty(0)) {
            const Num v = fields.number(0);
            switch (given) {
            case CircleGiven::Radius:
                r = v;
                d = r + r;
                c = d * p;
                area = power(r, 2) * p;
                break;
            case CircleGiven::Diameter:
                d = v;
                r = d / 2;
                c = d * p;
                area = power(r, 2) * p;
                break;
            case CircleGiven::Circumference:
                c = v;
                d = c / p;
                r = d / 2;
                area = power(r, 2) * p;
                break;
            case CircleGiven::Area:
                area = v;
                r = sqrt(area / p);
                d = r + r;
                c = d * p;
                break;
            }
        }
        return rows({format(r, Two), format(d, Two), format(c, One), format(area, One)});
    });
}

Outcome calculateCircleSector(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.anyEmpty({0, 1}))
            return Outcome::zeros();
        const Num r = fields.number(0);
        const Num g = fields.number(1);
        // 0.008727 is half a degree in radians, as the results show it.
        const Num arc = (r * 2) * (g * 0.008727);
        const Num area = (r * arc) / 2;
        return rows({format(r, Two), format(g, Two), format(arc, One), format(area, One)});
    });
}

Outcome calculateCircleSegment(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.anyEmpty({0, 1}))
            return Outcome::zeros();
        const Num r = fields.number(0);
        const Num g = fields.number(1);
        const Num s = g > 90 ? sin((180 - g) * 3.14 / 180) : sin(g * 3.14 / 180);
        const Num area = (power(r, 2) / 2) * ((g * 3.14 / 180) - s);
        return rows({format(r, Two), format(g, Two), format(area, One)});
    });
}

Outcome calculateHollowSector(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.anyEmpty({0, 1, 2}))
            return Outcome::zeros();
        const Num r1 = fields.number(0);
        const Num r2 = fields.number(1);
        const Num g = fields.number(2);
        const Num area = (power(r1, 2) - power(r2, 2)) * (g * 3.14) / 360;
        return rows({format(r1, Two), format(r2, Two), format(g, One), format(area, One)});
    });
}

Outcome calculateEllipse(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.anyEmpty({0, 1}))
            return Outcome::zeros();
        const Num a = fields.number(0);
        const Num b = fields.number(1);
        const Num area = a * 3.14 * b;
        // Exact for a circle, close for an ellipse that is not too flat.
        const Num perimeter = ((b + a) * 1.5 - sqrt(b * a)) * 3.14;
        return rows({format(a, Two), format(b, Two), format(area, One), format(perimeter, One)});
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
        pi = CirclePi;
        return calculateCircle(fieldTexts, given);
    case CircleMode::Sections:
        return calculateCircleSections(fieldTexts, given);
    case CircleMode::Ellipse:
        return calculateEllipse(fieldTexts, given);
    }
    return {};
}

} // namespace Zyntra
