#include "solving.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace Zyntra {

Term InverseValues::operator[](const char *letter) const
{
    for (size_t i = 0; i < m_declared.given.size(); ++i)
        if (m_declared.given[i].letter && qstrcmp(m_declared.given[i].letter, letter) == 0)
            return typed(m_fields, int(i), letter);
    throw Failure{Failure::Cause::InvalidOperation, -1, QString(), 0};
}

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
// Steps of one search: a bracket halves at least every other step, so this
// reaches the last bit of any double long before the limit.
constexpr int MostSteps = 200;

QString letterOf(const Quantity &quantity)
{
    return QString::fromUtf8(quantity.letter);
}

// What the answer shows with `x` in the field; nothing where the
// calculation refuses the figure.
std::optional<double> answerAt(const SolveProblem &problem, double x)
{
    const QuietTerms valuesAlone; // a search reads no working
    QStringList texts = problem.fieldTexts;
    texts[problem.field] = fullNumber(x);
    const Outcome outcome = problem.calculate(texts, problem.option);
    if (outcome.kind != Outcome::Kind::Answers)
        return std::nullopt;
    const auto value = outcome.values.find(problem.answer);
    if (value == outcome.values.end() || !std::isfinite(value->second))
        return std::nullopt;
    return value->second;
}

// Whether CALCULATE with `x` in the field shows the target: to 1e-9 of it,
// or exactly where the answer is rounded on the way and so reads back as
// typed.
bool gives(const SolveProblem &problem, double target, double x)
{
    const std::optional<double> y = answerAt(problem, x);
    return y && std::fabs(*y - target) <= 1e-9 * std::fabs(target);
}

std::optional<double> fieldValue(const SolveProblem &problem, int field)
{
    const std::optional<double> value = textToNumber(problem.fieldTexts.value(field));
    if (value && std::isfinite(*value))
        return value;
    return std::nullopt;
}

// Where the field's value may lie: positive, an angle below its most, a
// length below (a multiple of) the one it is declared below, and above any
// declared below it.
struct Domain {
    double low = 0;
    double high = Infinity;
};

Domain domainOf(const SolveProblem &problem)
{
    const auto &given = problem.declared->given;
    const Quantity &quantity = given[size_t(problem.field)];
    Domain domain;
    if (quantity.kind == QuantityKind::Angle)
        domain.high = quantity.most;
    if (quantity.below >= 0)
        if (const auto bound = fieldValue(problem, quantity.below))
            domain.high = std::min(domain.high, *bound * quantity.times);
    for (size_t i = 0; i < given.size(); ++i)
        if (given[i].letter && given[i].below == problem.field)
            if (const auto bound = fieldValue(problem, int(i)))
                domain.low = std::max(domain.low, *bound / given[i].times);
    return domain;
}

// The size the other values suggest, for a search over an open range.
double scaleOf(const SolveProblem &problem)
{
    if (const auto present = fieldValue(problem, problem.field); present && *present > 0)
        return *present;
    double logSum = 0;
    int count = 0;
    for (int i = 0; i < problem.fieldTexts.size(); ++i)
        if (const auto value = fieldValue(problem, i); i != problem.field && value && *value > 0) {
            logSum += std::log(*value);
            ++count;
        }
    return count ? std::exp(logSum / count) : 1.0;
}

// Trial values across the domain, never its ends, which no value reaches:
// evenly where it is bounded, denser towards its ends; by steps of ten's
// square root where it is open, far enough either way for any value a field
// is typed with. Each trial costs a whole calculation.
std::vector<double> trialValues(const Domain &domain, double scale)
{
    std::vector<double> xs;
    if (std::isfinite(domain.high)) {
        const double width = domain.high - domain.low;
        constexpr int Steps = 32;
        for (const double near : {1e-12, 1e-6})
            xs.push_back(domain.low + width * near);
        for (int i = 1; i < Steps; ++i)
            xs.push_back(domain.low + width * (1 - std::cos(M_PI * i / Steps)) / 2);
        for (const double near : {1e-6, 1e-12})
            xs.push_back(domain.high - width * near);
    } else {
        const double base = domain.low > 0 ? domain.low : scale;
        for (int power = -40; power <= 40; ++power)
            xs.push_back(domain.low + base * std::pow(10.0, power / 2.0));
    }
    std::erase_if(xs, [&](double x) { return !(x > domain.low && x < domain.high); });
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    return xs;
}

struct Trial {
    double x;
    double y;
};

// Whether the target lies between the answers of two trials, by comparison:
// a product of two tiny differences would vanish.
bool straddle(const Trial &a, const Trial &b, double target)
{
    return (a.y <= target && b.y >= target) || (a.y >= target && b.y <= target);
}

// Brent's method on a bracket whose ends straddle the target: inverse
// quadratic steps where the answer is smooth, bisection where it is not.
std::optional<double> brent(const SolveProblem &problem, double target, Trial a, Trial b)
{
    double fa = a.y - target, fb = b.y - target;
    double xa = a.x, xb = b.x;
    if (fa == 0)
        return xa;
    if (fb == 0)
        return xb;
    double xc = xa, fc = fa, d = xb - xa, e = d;
    for (int step = 0; step < MostSteps; ++step) {
        if ((fb > 0) == (fc > 0)) {
            xc = xa;
            fc = fa;
            d = e = xb - xa;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            xa = xb;
            xb = xc;
            xc = xa;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tolerance = 2 * std::numeric_limits<double>::epsilon() * std::fabs(xb) + 1e-300;
        const double half = (xc - xb) / 2;
        if (std::fabs(half) <= tolerance || fb == 0)
            return xb;
        if (std::fabs(e) >= tolerance && std::fabs(fa) > std::fabs(fb)) {
            const double s = fb / fa;
            double p, q;
            if (xa == xc) {
                p = 2 * half * s;
                q = 1 - s;
            } else {
                const double r = fb / fc, t = fa / fc;
                p = s * (2 * half * t * (t - r) - (xb - xa) * (r - 1));
                q = (t - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            p = std::fabs(p);
            if (2 * p < std::min(3 * half * q - std::fabs(tolerance * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = half;
                e = d;
            }
        } else {
            d = half;
            e = d;
        }
        xa = xb;
        fa = fb;
        xb += std::fabs(d) > tolerance ? d : (half > 0 ? tolerance : -tolerance);
        const std::optional<double> y = answerAt(problem, xb);
        if (!y)
            return std::nullopt; // a gap in the figure inside the bracket
        fb = *y - target;
    }
    return xb;
}

// The extreme the answer reaches near a trial value, by golden sections
// between its neighbours.
Trial refineExtreme(const SolveProblem &problem, double low, double high, bool highest)
{
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    const auto better = [highest](double a, double b) { return highest ? a > b : a < b; };
    const auto at = [&](double x) {
        const std::optional<double> y = answerAt(problem, x);
        return y ? *y : (highest ? -Infinity : Infinity);
    };
    double x1 = high - ratio * (high - low), x2 = low + ratio * (high - low);
    double y1 = at(x1), y2 = at(x2);
    // To well beyond the digits a range is shown with.
    for (int step = 0; step < MostSteps && high - low > 1e-10 * std::fabs(high); ++step) {
        if (better(y1, y2)) {
            high = x2;
            x2 = x1;
            y2 = y1;
            x1 = high - ratio * (high - low);
            y1 = at(x1);
        } else {
            low = x1;
            x1 = x2;
            y1 = y2;
            x2 = low + ratio * (high - low);
            y2 = at(x2);
        }
    }
    return better(y1, y2) ? Trial{x1, y1} : Trial{x2, y2};
}

// Halves the gap between a value the figure takes and one it refuses,
// keeping each value taken as a trial, until the answer passes the target
// or the gap closes.
void approachEdge(const SolveProblem &problem, double target, double taken, double refused, std::vector<Trial> &trials)
{
    const std::optional<double> start = answerAt(problem, taken);
    if (!start)
        return;
    const bool below = *start < target;
    for (int step = 0; step < MostSteps; ++step) {
        const double middle = taken + (refused - taken) / 2;
        if (middle == taken || middle == refused)
            return;
        const std::optional<double> y = answerAt(problem, middle);
        if (!y) {
            refused = middle;
            continue;
        }
        trials.push_back({middle, *y});
        taken = middle;
        if ((*y < target) != below)
            return;
    }
}

// A target beyond every trial: the answer is followed on towards each end
// of the domain until it passes the target, stops coming nearer to it, or
// the numbers run out.
void widen(const SolveProblem &problem, double target, const Domain &domain, std::vector<Trial> &trials)
{
    for (const bool upwards : {false, true}) {
        const double end = upwards ? domain.high : domain.low;
        Trial last = upwards ? trials.back() : trials.front();
        for (int step = 0; step < MostSteps; ++step) {
            const double x = std::isfinite(end) ? end + (last.x - end) / 100 : last.x * 100;
            if (x == last.x || x == end || !std::isfinite(x))
                break;
            const std::optional<double> y = answerAt(problem, x);
            if (!y)
                break;
            const Trial next{x, *y};
            trials.insert(upwards ? trials.end() : trials.begin(), next);
            if (straddle(last, next, target) || std::fabs(next.y - target) >= std::fabs(last.y - target))
                break;
            last = next;
        }
    }
}

Solution solvedAs(double x, Working working)
{
    Solution solution;
    solution.kind = Solution::Kind::Solved;
    solution.value = x;
    solution.text = fullNumber(x);
    solution.working = std::move(working);
    return solution;
}

// "found so that Area = 200 L"
QString noteFor(const char *how, const SolveProblem &problem, double target)
{
    return QStringLiteral("%1 so that %2 = %3")
        .arg(QLatin1String(how), letterOf(problem.declared->answers[size_t(problem.answer)]),
             problem.typedTarget.isEmpty() ? workedNumber(target) : problem.typedTarget);
}

// The figure's own formula for the value, checked against its calculation.
std::optional<Solution> byInverse(const SolveProblem &problem, double target)
{
    const QString answer = letterOf(problem.declared->answers[size_t(problem.answer)]);
    const QString given = letterOf(problem.declared->given[size_t(problem.field)]);
    for (const Inverse &inverse : problem.inverses) {
        if (inverse.option != problem.option || answer != QString::fromUtf8(inverse.answer)
            || given != QString::fromUtf8(inverse.given))
            continue;
        try {
            const Fields fields(problem.fieldTexts);
            // Worked exactly where answers show their exact forms, so that the note can too.
            std::optional<ExactTerms> exactly;
            if (exactForms())
                exactly.emplace();
            const Term found = inverse.solve(InverseValues(Term::given(answer, target), fields, *problem.declared));
            const double x = found.value();
            const Domain domain = domainOf(problem);
            if (!(x > domain.low && x < domain.high) || !gives(problem, target, x))
                return std::nullopt;
            Working working = found.working();
            working.note = noteFor("solved", problem, target);
            if (const QString exact = found.exactText(); !exact.isEmpty())
                working.note += QStringLiteral("; exact: %1 = %2").arg(given, exact);
            return solvedAs(x, working);
        } catch (const Failure &) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace

bool dependsOn(const SolveProblem &problem, int field)
{
    SolveProblem moved = problem;
    moved.field = field;
    const std::optional<double> present = fieldValue(problem, field);
    if (!present)
        return false;
    const std::optional<double> here = answerAt(moved, *present);
    const Domain domain = domainOf(moved);
    for (const double x : {*present * 0.9, *present * 1.1, (*present + domain.low) / 2}) {
        if (x <= domain.low || x >= domain.high || x == *present)
            continue;
        const std::optional<double> there = answerAt(moved, x);
        if (here && there && *here != *there)
            return true;
    }
    return false;
}

Solution solve(const SolveProblem &problem, double target)
{
    const Quantity &answer = problem.declared->answers[size_t(problem.answer)];
    const Quantity &given = problem.declared->given[size_t(problem.field)];
    Solution refused;
    // Nothing can be tried while another given value is not a number.
    for (int i = 0; i < problem.fieldTexts.size() && size_t(i) < problem.declared->given.size(); ++i)
        if (i != problem.field && problem.declared->given[size_t(i)].letter && !problem.fieldTexts[i].isEmpty()
            && !fieldValue(problem, i)) {
            refused.kind = Solution::Kind::Unreadable;
            refused.field = i;
            return refused;
        }
    const Domain domain = domainOf(problem);
    // An answer that repeats the given value is the given value.
    if (qstrcmp(answer.letter, given.letter) == 0 && target > domain.low && target < domain.high
        && gives(problem, target, target))
        return solvedAs(target, Working{{}, {}, QStringLiteral("given")});
    if (std::optional<Solution> solution = byInverse(problem, target))
        return *solution;

    std::vector<std::pair<double, std::optional<double>>> tried;
    std::vector<Trial> trials;
    for (const double x : trialValues(domain, scaleOf(problem))) {
        tried.emplace_back(x, answerAt(problem, x));
        if (tried.back().second)
            trials.push_back({x, *tried.back().second});
    }
    // Where the figure ends inside the domain (a triangle's angle meeting the
    // sum of the others), its answer may turn or run off between the last
    // trial and that edge: follow it there.
    for (size_t i = 0; i + 1 < tried.size(); ++i)
        if (tried[i].second.has_value() != tried[i + 1].second.has_value()) {
            const bool leftTaken = tried[i].second.has_value();
            approachEdge(problem, target, leftTaken ? tried[i].first : tried[i + 1].first,
                         leftTaken ? tried[i + 1].first : tried[i].first, trials);
        }
    std::ranges::sort(trials, {}, &Trial::x);

    if (trials.empty()) {
        // Nothing to try until an empty field is filled.
        for (int i = 0; i < problem.fieldTexts.size(); ++i)
            if (i != problem.field && problem.fieldTexts[i].isEmpty() && size_t(i) < problem.declared->given.size()
                && problem.declared->given[size_t(i)].letter) {
                refused.kind = Solution::Kind::FillFirst;
                refused.field = i;
                return refused;
            }
        return refused;
    }
    {
        const auto [lowest, highest] = std::ranges::minmax_element(trials, {}, &Trial::y);
        if (highest->y - lowest->y <= 1e-15 * std::fabs(highest->y)) {
            refused.kind = Solution::Kind::Unaffected;
            return refused;
        }
    }
    // A dip or a peak between trials may reach the target where no trial does.
    std::vector<Trial> extremes;
    for (size_t i = 1; i + 1 < trials.size(); ++i) {
        const double y = trials[i].y, before = trials[i - 1].y, after = trials[i + 1].y;
        if ((y < before && y < after) || (y > before && y > after)) {
            const Trial extreme = refineExtreme(problem, trials[i - 1].x, trials[i + 1].x, y > before);
            if (std::isfinite(extreme.y))
                extremes.push_back(extreme);
        }
    }
    trials.insert(trials.end(), extremes.begin(), extremes.end());
    std::ranges::sort(trials, {}, &Trial::x);
    const auto straddles = [target](const Trial &a, const Trial &b) { return straddle(a, b, target); };
    if (std::ranges::adjacent_find(trials, straddles) == trials.end())
        widen(problem, target, domain, trials);

    std::vector<double> roots;
    bool jumped = false;
    for (size_t i = 0; i + 1 < trials.size(); ++i) {
        if (!straddles(trials[i], trials[i + 1]))
            continue;
        // A bracket that closes on no value giving the target holds a jump, or a gap in the figure.
        const std::optional<double> root = brent(problem, target, trials[i], trials[i + 1]);
        if (!root || !gives(problem, target, *root)) {
            jumped = true;
            continue;
        }
        // Roots a hair apart are one root met from two brackets.
        const auto same = [&](double other) {
            return std::fabs(other - *root) <= 1e-9 * std::max(std::fabs(other), std::fabs(*root));
        };
        if (std::ranges::none_of(roots, same))
            roots.push_back(*root);
    }

    if (roots.empty()) {
        const auto [lowest, highest] = std::ranges::minmax_element(trials, {}, &Trial::y);
        refused.kind = jumped ? Solution::Kind::Jumps : Solution::Kind::OutOfReach;
        // A bound met at the last trial towards an end of the domain, still
        // moving there, is a limit the answer only comes nearer to.
        const auto met = [&](auto extreme) {
            const bool first = extreme == trials.begin(), last = extreme == trials.end() - 1;
            return trials.size() < 2 || !(first || last) || extreme->y == (first ? extreme + 1 : extreme - 1)->y;
        };
        // An answer still growing at the open end, after the last trial far
        // out, grows without bound.
        const bool endless = !std::isfinite(domain.high) && highest == trials.end() - 1 && trials.size() > 1
                             && highest->y > 1.01 * (highest - 1)->y;
        // A limit of nothing, met at an edge of the figure, is nothing: the
        // last trials before it come close without reaching it.
        const std::optional<double> present = answerAt(problem, scaleOf(problem));
        const double size = std::max(present ? std::fabs(*present) : 0.0, endless ? 0.0 : std::fabs(highest->y));
        const bool nearNothing = std::fabs(lowest->y) < 1e-6 * size && !(target > 0 && target < lowest->y);
        refused.lowest = nearNothing ? 0.0 : lowest->y;
        refused.lowestMet = met(lowest) && !nearNothing;
        if (!endless) {
            refused.highest = highest->y;
            refused.highestMet = met(highest);
        }
        return refused;
    }

    const std::optional<double> present = fieldValue(problem, problem.field);
    const auto nearer = [&](double a, double b) {
        return present ? std::fabs(a - *present) < std::fabs(b - *present) : a < b;
    };
    std::ranges::sort(roots, nearer);
    Solution solution = solvedAs(roots.front(), Working{{}, {}, noteFor("found", problem, target)});
    if (roots.size() > 1) {
        solution.other = roots[1];
        solution.working.note += QStringLiteral("; %1 = %2 gives it too").arg(letterOf(given), workedNumber(roots[1]));
    }
    return solution;
}

} // namespace Zyntra
