#include "simulation/geometry.h"

#include <cmath>

#include "core/game_state.h"

float getAngle(float x1, float y1, float x2, float y2)
{
    // Coincident points have no direction; every caller multiplies the
    // angle's sine or cosine by their distance, which is then 0.
    if (x1 == x2 && y1 == y2)
        return 0;
    const double dy = double(y1) - y2;
    const float a = std::atan((double(x1) - x2) / dy) / deg;
    if (dy >= 0)
        return double(a) + 180;
    return a;
}

float getDistance(float x1, float y1, float x2, float y2)
{
    return std::sqrt(std::pow(double(x1) - x2, 2) + std::pow(double(y1) - y2, 2));
}

float myfabs(float x)
{
    if (x < 0)
        return -x;
    return x;
}
