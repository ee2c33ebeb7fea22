// The exhaust flame: white-hot at the top row, against the nozzle, cooling
// through yellow and orange to a red tip at the bottom.
#include "pictures/pictures.h"

namespace {

// Half the flame's width, in units, at the fraction t of its length.
double flame_width(double t)
{
    return 0.92 * (1 - t) * (1 + 0.7 * t);
}

Polygon flame(const Placement& place)
{
    Polygon outline;
    const int steps = 24;
    for (int i = 0; i <= steps; ++i) {
        double t = double(i) / steps;
        outline.corners.push_back(place.at(flame_width(t), -1 + 2 * t));
    }
    for (int i = steps; i >= 0; --i) {
        double t = double(i) / steps;
        outline.corners.push_back(place.at(-flame_width(t), -1 + 2 * t));
    }
    return outline;
}

Rgb heat_colour(double heat)
{
    if (heat > 0.66)
        return mix(rgb8(255, 226, 110), rgb8(255, 255, 236), (heat - 0.66) / 0.34);
    if (heat > 0.33)
        return mix(rgb8(255, 130, 24), rgb8(255, 226, 110), (heat - 0.33) / 0.33);
    return mix(rgb8(170, 30, 12), rgb8(255, 130, 24), heat / 0.33);
}

}

void draw_exhaust(Canvas& canvas, const Placement& place)
{
    canvas.paint(mask_of(canvas.width(), canvas.height(), flame(place)), [&place](Point p) {
        Point u = place.to_unit(p);
        double t = clamp01((u.y + 1) / 2);
        double across = clamp01(std::abs(u.x) / std::max(flame_width(t), 1e-6));
        return heat_colour(clamp01((1 - across * across) * (1.15 - t)));
    });
}

Canvas exhaust_picture()
{
    Canvas canvas(32, 32);
    draw_exhaust(canvas, {{16, 16}, 16});
    return canvas;
}
