// Arithmetic that comes out bit for bit the same on every machine. Only +, -,
// *, / and sqrt are used, which IEEE 754 rounds exactly; the C library's sin,
// cos and exp are not, and their last bit differs between versions, which
// would change a byte of a picture here and there.
#ifndef MOLLIBEK_TOOLS_STEADY_MATH_H
#define MOLLIBEK_TOOLS_STEADY_MATH_H

constexpr double pi = 3.14159265358979323846;

double sine(double radians);
double cosine(double radians);
double radians(double degrees);

double clamp01(double value);
// 0 below edge0, 1 above edge1, a smooth S between them.
double smoothstep(double edge0, double edge1, double value);
double lerp(double from, double to, double t);

#endif
