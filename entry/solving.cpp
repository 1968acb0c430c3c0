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

// Trial values across the whole domain: evenly where it is bounded, denser
// towards its ends; by powers of a hundred where it is open, far enough
// either way for any value a field can sensibly hold. The figures' answers
// are monotone or have one turn, so few trials find every bracket, and
// each one costs a whole calculation.
std::vector<double> trialValues(const Domain &domain, double scale)
{
    std::vector<double> xs;
    if (std::isfinite(domain.high)) {
        const double width = domain.high - domain.low;
        xs.push_back(domain.low);
        xs.push_back(domain.low + width * 1e-12);
        constexpr int Steps = 16;
        for (int i = 1; i < Steps; ++i)
            xs.push_back(domain.low + width * (1 - std::cos(M_PI * i / Steps)) / 2);
        xs.push_back(domain.high - width * 1e-12);
        xs.push_back(domain.high);
        return xs;
    }
    const double base = domain.low > 0 ? domain.low : scale;
    xs.push_back(domain.low);
    for (double power = -20; power <= 20; power += 2)
        xs.push_back(domain.low + base * std::pow(10.0, power));
    return xs;
}

struct Trial {
    double x;
    double y;
};

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

Solution solvedAs(double x, Working working)
{
    Solution solution;
    solution.kind = Solution::Kind::Solved;
    solution.value = x;
    solution.text = fullNumber(x);
    solution.working = std::move(working);
    return solution;
}

QString foundNote(const SolveProblem &problem, double target)
{
    return QStringLiteral("found so that %1 = %2")
        .arg(letterOf(problem.declared->answers[size_t(problem.answer)]), workedNumber(target) + problem.unit);
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
            const Term found = inverse.solve(InverseValues(Term::given(answer, target), fields, *problem.declared));
            const double x = found.value();
            const Domain domain = domainOf(problem);
            const std::optional<double> check = answerAt(problem, x);
            if (!std::isfinite(x) || x < domain.low || x > domain.high || !check
                || std::fabs(*check - target) > 1e-9 * std::max(1.0, std::fabs(target)))
                return std::nullopt;
            Working working = found.working();
            working.note = QStringLiteral("solved so that %1 = %2").arg(answer, workedNumber(target) + problem.unit);
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
    const Domain domain = domainOf(problem);
    // An answer that repeats the given value is the given value.
    if (qstrcmp(answer.letter, given.letter) == 0 && target >= domain.low && target <= domain.high
        && answerAt(problem, target) == target)
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
            const double taken = leftTaken ? tried[i].first : tried[i + 1].first;
            const double refused = leftTaken ? tried[i + 1].first : tried[i].first;
            // The domain's own ends are tried as they are.
            if (refused != domain.low && refused != domain.high)
                approachEdge(problem, target, taken, refused, trials);
        }
    std::ranges::sort(trials, {}, &Trial::x);

    Solution refused;
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
    const auto [lowest, highest] = std::ranges::minmax_element(trials, {}, &Trial::y);
    if (highest->y - lowest->y <= 1e-15 * std::fabs(highest->y)) {
        refused.kind = Solution::Kind::Unaffected;
        return refused;
    }

    std::vector<double> roots;
    const auto bracket = [&](Trial a, Trial b) {
        if ((a.y - target) * (b.y - target) <= 0)
            if (const std::optional<double> root = brent(problem, target, a, b))
                if (roots.empty() || roots.back() != *root)
                    roots.push_back(*root);
    };
    for (size_t i = 0; i + 1 < trials.size(); ++i)
        bracket(trials[i], trials[i + 1]);
    if (roots.empty()) {
        // The target lies beyond every trial; it may still touch the answer's
        // extreme between two of them.
        const bool above = target > highest->y;
        const auto extreme = above ? highest : lowest;
        const size_t at = size_t(extreme - trials.begin());
        // At an end of the domain the extreme is the limit met there.
        const Trial touched = at > 0 && at + 1 < trials.size()
                                  ? refineExtreme(problem, trials[at - 1].x, trials[at + 1].x, above)
                                  : *extreme;
        if (above ? touched.y >= target : touched.y <= target) {
            bracket(touched, *extreme);
            if (roots.empty() && at > 0)
                bracket(trials[at - 1], touched);
            if (roots.empty() && at + 1 < trials.size())
                bracket(touched, trials[at + 1]);
        }
        if (roots.empty()) {
            const double low = std::min(lowest->y, above ? lowest->y : touched.y);
            const double high = std::max(highest->y, above ? touched.y : highest->y);
            // An answer still growing steeply at an end of an open range grows without bound.
            const bool growing =
                (highest == trials.end() - 1 && trials.size() > 1 && highest->y > 1.5 * (highest - 1)->y)
                || (highest == trials.begin() && trials.size() > 1 && highest->y > 1.5 * (highest + 1)->y);
            const bool endless = !std::isfinite(domain.high) && growing;
            // A limit of nothing, met at an edge of the figure, is nothing: the
            // last trials before it come close without reaching it.
            const std::optional<double> present = answerAt(problem, scaleOf(problem));
            const double size = std::max(present ? std::fabs(*present) : 0.0, endless ? 0.0 : std::fabs(high));
            refused.lowest = std::fabs(low) < 1e-6 * size ? 0.0 : low;
            if (!endless)
                refused.highest = high;
            return refused;
        }
    }

    const std::optional<double> present = fieldValue(problem, problem.field);
    const auto nearer = [&](double a, double b) {
        return present ? std::fabs(a - *present) < std::fabs(b - *present) : a < b;
    };
    std::ranges::sort(roots, nearer);
    Solution solution = solvedAs(roots.front(), Working{{}, {}, foundNote(problem, target)});
    // Roots a hair apart are one root met from two brackets.
    for (size_t i = 1; i < roots.size(); ++i)
        if (std::fabs(roots[i] - roots.front()) > 1e-9 * std::max(1.0, std::fabs(roots.front()))) {
            solution.other = roots[i];
            solution.working.note +=
                QStringLiteral("; %1 = %2 gives it too").arg(letterOf(given), workedNumber(roots[i]));
            break;
        }
    return solution;
}

} // namespace Zyntra
