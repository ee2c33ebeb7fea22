#include "pictures/steady_math.h"

#include <cmath>

double sine(double radians)
{
    double x = radians - 2 * pi * std::floor((radians + pi) / (2 * pi));
    if (x > pi / 2)
        x = pi - x;
    else if (x < -pi / 2)
        x = -pi - x;
    // Taylor series; on [-pi/2, pi/2] twelve terms reach the last bit.
    double term = x;
    double sum = x;
    for (int k = 1; k < 12; ++k) {
        term *= -x * x / ((2 * k) * (2 * k + 1));
        sum += term;
    }
    return sum;
}

double cosine(double radians)
{
    return sine(radians + pi / 2);
}

double radians(double degrees)
{
    return degrees * (pi / 180);
}

double clamp01(double value)
{
    return value < 0 ? 0 : value > 1 ? 1 : value;
}

double smoothstep(double edge0, double edge1, double value)
{
    double t = clamp01((value - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

double lerp(double from, double to, double t)
{
    return from + (to - from) * t;
}
