// The enemy: a red spiked mine with one glaring eye.
#include "pictures/pictures.h"

namespace {

Polygon spikes(const Placement& place, int count, double outer, double inner)
{
    Polygon star;
    for (int i = 0; i < 2 * count; ++i) {
        double a = pi * i / count;
        double r = i % 2 == 0 ? outer : inner;
        star.corners.push_back(place.at(r * sine(a), -r * cosine(a)));
    }
    return star;
}

}

void draw_enemy(Canvas& canvas, const Placement& place)
{
    int w = canvas.width(), h = canvas.height();
    Polygon star = spikes(place, 11, 0.97, 0.6);
    canvas.fill(star, rgb8(60, 6, 6));
    canvas.paint(mask_of(w, h, grown(star, -place.pixels(0.045))), [&place](Point p) {
        double r = length(place.to_unit(p));
        return mix(rgb8(150, 14, 10), rgb8(255, 150, 60), smoothstep(0.55, 0.95, r));
    });
    canvas.fill(Circle{place.centre, place.pixels(0.58)}, rgb8(70, 6, 6));
    canvas.paint(mask_of(w, h, Circle{place.centre, place.pixels(0.53)}), [&place](Point p) {
        Point u = place.to_unit(p);
        double lit = clamp01(0.55 - (u.x + u.y) * 0.8);
        return mix(rgb8(130, 8, 8), rgb8(255, 70, 50), lit);
    });
    canvas.fill(Ellipse{place.at(0, 0.04), place.pixels(0.34), place.pixels(0.15)}, rgb8(80, 10, 0));
    canvas.paint(mask_of(w, h, Ellipse{place.at(0, 0.04), place.pixels(0.3), place.pixels(0.11)}), [&place](Point p) {
        double r = length(place.to_unit(p) - Point{0, 0.04});
        return mix(rgb8(255, 250, 160), rgb8(255, 170, 20), smoothstep(0.05, 0.3, r));
    });
    canvas.fill(Ellipse{place.at(0, 0.04), place.pixels(0.045), place.pixels(0.1)}, rgb8(40, 4, 0));
    for (double side : {-1.0, 1.0})
        canvas.fill(Capsule{place.at(side * 0.36, -0.22), place.at(side * 0.06, -0.1), place.pixels(0.06)}, rgb8(50, 4, 4));
}

Canvas enemy_picture()
{
    Canvas canvas(64, 64);
    draw_enemy(canvas, {{32, 32}, 32});
    return canvas;
}
