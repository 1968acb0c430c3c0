#include "ellipticintegrals.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Zyntra {

namespace {

// The duplication step is repeated until the arguments lie this close
// together, relative to their mean; the series that follows then errs by
// about its sixth power times a small factor, below a double's precision.
constexpr double Closeness = 0.0008;

double deviation(double mean, double x, double y, double z)
{
    return std::max({std::abs(mean - x), std::abs(mean - y), std::abs(mean - z)});
}

// Carlson's duplication: x, y, z and their mean each move a quarter of the
// way towards λ = √x√y + √x√z + √y√z until the arguments lie close about
// the mean; `scale` is then 4⁻ᵐ after m steps. R_D also gathers, step by
// step, the terms of its sum.
struct Duplicated {
    double x, y, z, mean;
    double scale = 1;
    double sum = 0;
};
enum class Sum { None, OfRD };

Duplicated duplicate(double x, double y, double z, double mean, Sum gather)
{
    Duplicated d{x, y, z, mean};
    const double reach = deviation(mean, x, y, z) / Closeness;
    while (d.scale * reach >= std::abs(d.mean)) {
        const double sx = std::sqrt(d.x), sy = std::sqrt(d.y), sz = std::sqrt(d.z);
        const double lambda = sx * sy + sx * sz + sy * sz;
        if (gather == Sum::OfRD)
            d.sum += d.scale / (sz * (d.z + lambda));
        d.x = (d.x + lambda) / 4;
        d.y = (d.y + lambda) / 4;
        d.z = (d.z + lambda) / 4;
        d.mean = (d.mean + lambda) / 4;
        d.scale /= 4;
    }
    return d;
}

} // namespace

double carlsonRF(double x, double y, double z)
{
    if (!(x >= 0 && y >= 0 && z >= 0) || (x == 0) + (y == 0) + (z == 0) > 1)
        return std::numeric_limits<double>::infinity();
    const double mean0 = (x + y + z) / 3;
    const Duplicated d = duplicate(x, y, z, mean0, Sum::None);
    const double X = (mean0 - x) * d.scale / d.mean;
    const double Y = (mean0 - y) * d.scale / d.mean;
    const double Z = -(X + Y);
    const double E2 = X * Y - Z * Z;
    const double E3 = X * Y * Z;
    return (1 - E2 / 10 + E3 / 14 + E2 * E2 / 24 - 3 * E2 * E3 / 44) / std::sqrt(d.mean);
}

double carlsonRD(double x, double y, double z)
{
    if (!(x >= 0 && y >= 0 && z > 0) || (x == 0 && y == 0))
        return std::numeric_limits<double>::infinity();
    const double mean0 = (x + y + 3 * z) / 5;
    const Duplicated d = duplicate(x, y, z, mean0, Sum::OfRD);
    const double X = (mean0 - x) * d.scale / d.mean;
    const double Y = (mean0 - y) * d.scale / d.mean;
    const double Z = -(X + Y) / 3;
    const double XY = X * Y, ZZ = Z * Z;
    const double E2 = XY - 6 * ZZ;
    const double E3 = (3 * XY - 8 * ZZ) * Z;
    const double E4 = 3 * (XY - ZZ) * ZZ;
    const double E5 = XY * ZZ * Z;
    const double series = 1 - 3 * E2 / 14 + E3 / 6 + 9 * E2 * E2 / 88 - 3 * E4 / 22 - 9 * E2 * E3 / 52 + 3 * E5 / 26;
    return d.scale * series / (d.mean * std::sqrt(d.mean)) + 3 * d.sum;
}

double carlsonRG(double x, double y, double z)
{
    if (!(x >= 0 && y >= 0 && z >= 0))
        return std::numeric_limits<double>::quiet_NaN();
    // R_G is symmetric: with the middle argument as z, (x − z)(y − z) ≤ 0 and
    // every term below adds, so nothing cancels.
    double sorted[] = {x, y, z};
    std::ranges::sort(sorted);
    const auto [low, middle, high] = sorted;
    if (middle == 0)
        return std::sqrt(high) / 2;
    return (middle * carlsonRF(low, high, middle) - (low - middle) * (high - middle) * carlsonRD(low, high, middle) / 3
            + std::sqrt(low) * std::sqrt(high / middle))
           / 2;
}

} // namespace Zyntra
