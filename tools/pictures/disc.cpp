// The disc: a golden puck with a rim, a groove and one white stripe, so
// that its spin shows.
#include "pictures/pictures.h"

void draw_disc(Canvas& canvas, const Placement& place)
{
    int w = canvas.width(), h = canvas.height();
    canvas.fill(Circle{place.centre, place.pixels(0.94)}, rgb8(70, 34, 6));
    canvas.paint(mask_of(w, h, Circle{place.centre, place.pixels(0.94) - place.pixels(0.09)}), [&place](Point p) {
        Point u = place.to_unit(p);
        double lit = clamp01(0.5 - (u.x + u.y) * 0.45);
        Rgb face = mix(rgb8(214, 110, 16), rgb8(255, 214, 86), lit);
        double groove = std::abs(length(u) - 0.6);
        return face * (1 - 0.35 * smoothstep(0.08, 0.02, groove));
    });
    canvas.fill(Capsule{place.at(0, -0.18), place.at(0, -0.68), place.pixels(0.11)}, rgb8(255, 250, 236));
    canvas.fill(Circle{place.centre, place.pixels(0.14)}, rgb8(120, 60, 12));
}

Canvas disc_picture()
{
    Canvas canvas(32, 32);
    draw_disc(canvas, {{16, 16}, 16});
    return canvas;
}
