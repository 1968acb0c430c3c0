#pragma once

namespace Zyntra {

// Carlson's symmetric elliptic integrals, to a relative error of about
// 1e-15, by his duplication algorithms. Each argument is at least zero;
// where the integral does not exist (more zeros than it allows) the result
// is not finite.

// R_F(x, y, z): at most one argument zero.
double carlsonRF(double x, double y, double z);
// R_D(x, y, z) = R_J(x, y, z, z): z above zero, and x or y at most zero.
double carlsonRD(double x, double y, double z);
// R_G(x, y, z), for any arguments of at least zero; 4π·R_G(b²c², c²a², a²b²)
// is the surface of the ellipsoid with semi-axes a, b, c.
double carlsonRG(double x, double y, double z);

} // namespace Zyntra
