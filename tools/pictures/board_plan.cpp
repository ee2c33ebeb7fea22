#include "pictures/board_plan.h"

static Point from_world(double x, double y)
{
    return {(x + 1) * 256, (1 - y) * 256};
}

Polygon board_outline()
{
    const double corners[][2] = {
        {-0.344, 1},       {0.344, 1},      {0.344, 0.9672},   {0.9672, 0.344},
        {1, 0.344},        {1, -0.344},     {0.5156, -0.8284}, {0.5156, -0.8125},
        {-0.5156, -0.8125}, {-0.5156, -0.7972}, {-0.9688, -0.344}, {-1, -0.344},
        {-1, 0.344},       {-1.0004, 0.344}, {-0.344, 1.0004},
    };
    Polygon outline;
    for (const auto& c : corners)
        outline.corners.push_back(from_world(c[0], c[1]));
    return outline;
}

std::array<Point, 3> pocket_centres()
{
    return {from_world(-0.9647, 0), from_world(0.9647, 0), from_world(0, 0.9647)};
}
