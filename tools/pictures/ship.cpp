// The player's ship: a silver arrow with swept wings, nose up, a blue canopy
// and the engine's nozzle at the tail, where the exhaust flame is drawn.
#include <iterator>

#include "pictures/pictures.h"

namespace {

Polygon hull(const Placement& place)
{
    const double half[][2] = {
        {0, -0.94}, {0.12, -0.62}, {0.2, -0.2}, {0.3, 0.02}, {0.86, 0.5}, {0.86, 0.66},
        {0.6, 0.66}, {0.24, 0.5}, {0.16, 0.66},
    };
    Polygon shape;
    for (const auto& c : half)
        shape.corners.push_back(place.at(c[0], c[1]));
    for (int i = int(std::size(half)) - 1; i >= 0; --i)
        if (half[i][0] != 0)
            shape.corners.push_back(place.at(-half[i][0], half[i][1]));
    return shape;
}

// Light falls from the upper left: the ship's left half is the bright one.
Rgb metal_at(const Placement& place, Point p)
{
    Point u = place.to_unit(p);
    double side = smoothstep(-0.04, 0.04, u.x);
    Rgb left = mix(rgb8(236, 240, 248), rgb8(170, 180, 196), clamp01(u.y * 0.6 + 0.4));
    Rgb right = mix(rgb8(150, 160, 178), rgb8(92, 100, 118), clamp01(u.y * 0.6 + 0.4));
    return mix(left, right, side);
}

}

void draw_ship(Canvas& canvas, const Placement& place)
{
    int w = canvas.width(), h = canvas.height();
    Polygon body = hull(place);
    canvas.fill(body, rgb8(30, 34, 46));
    canvas.paint(mask_of(w, h, grown(body, -place.pixels(0.035))), [&place](Point p) { return metal_at(place, p); });

    for (double side : {-1.0, 1.0}) {
        Polygon stripe{{place.at(side * 0.42, 0.2), place.at(side * 0.74, 0.47), place.at(side * 0.74, 0.57), place.at(side * 0.42, 0.3)}};
        canvas.fill(stripe, rgb8(240, 120, 30));
    }
    canvas.fill(Capsule{place.at(-0.13, 0.64), place.at(0.13, 0.64), place.pixels(0.05)}, rgb8(44, 40, 44));
    canvas.fill(Ellipse{place.at(0, -0.3), place.pixels(0.1), place.pixels(0.24)}, rgb8(20, 30, 60));
    canvas.paint(mask_of(w, h, Ellipse{place.at(0, -0.31), place.pixels(0.075), place.pixels(0.2)}), [&place](Point p) {
        Point u = place.to_unit(p);
        return mix(rgb8(150, 220, 255), rgb8(30, 70, 160), clamp01((u.x + 0.07) * 4 + (u.y + 0.45) * 1.5));
    });
}

Canvas ship_picture()
{
    Canvas canvas(64, 64);
    draw_ship(canvas, {{32, 32}, 32});
    return canvas;
}
