// The turning platform: a disc with a dial on its rim and one wedge with an
// arrow, so that its swing shows. Black beyond its edge, where the board
// shows; its radius stays inside 0.8, so it covers board at every angle.
#include "pictures/pictures.h"

namespace {

const int size = 512;
const Point centre = {size / 2.0, size / 2.0};
const double radius = 0.78 * 256;
const double rim = 12;

Rgb deck_at(Point p)
{
    double r = length(p - centre);
    Rgb body = mix(rgb8(40, 66, 84), rgb8(22, 38, 52), smoothstep(0, radius, r));
    for (double line : {64.0, 128.0, 172.0})
        body = mix(body, rgb8(70, 150, 170), 0.7 * smoothstep(1.2, 0.3, std::abs(r - line)));
    double edge = r - (radius - rim);
    double lit = 1 - std::abs(edge - rim / 2) / (rim / 2);
    Rgb ring = mix(rgb8(70, 84, 100), rgb8(170, 186, 204), clamp01(lit));
    return mix(body, ring, smoothstep(-0.5, 0.5, edge));
}

// A mark every 5 degrees on the rim, a longer one every 30.
void draw_dial(Canvas& canvas)
{
    Mask ticks(size, size);
    for (int i = 0; i < 72; ++i) {
        double depth = i % 6 == 0 ? 9 : 4.5;
        Placement spoke = {centre, radius, radians(i * 5)};
        ticks.add(Capsule{spoke.at(0, -(radius - 2) / radius), spoke.at(0, -(radius - 2 - depth) / radius), 0.9});
    }
    ticks.keep(Circle{centre, radius - 1});
    canvas.paint(ticks, [](Point) { return rgb8(24, 32, 42); });
}

// A lighter sector from the hub to the rim, pointing up.
void draw_wedge(Canvas& canvas)
{
    Placement up = {centre, radius - rim};
    double spread = 0.26;
    Mask wedge = mask_of(size, size, Polygon{{up.at(0, -0.05), up.at(spread, -1.04), up.at(-spread, -1.04)}});
    wedge.cut(Circle{centre, 24});
    wedge.keep(Circle{centre, radius - rim});
    canvas.paint(wedge, [](Point p) {
        return mix(rgb8(60, 150, 170), rgb8(46, 96, 118), smoothstep(30, radius, length(p - centre)));
    });
}

void draw_arrow(Canvas& canvas)
{
    Placement up = {centre, radius};
    Polygon arrow{{up.at(0, -0.88), up.at(0.13, -0.7), up.at(0.05, -0.72), up.at(0.05, -0.6),
                   up.at(-0.05, -0.6), up.at(-0.05, -0.72), up.at(-0.13, -0.7)}};
    canvas.fill(grown(arrow, 1.5), rgb8(60, 34, 10));
    canvas.paint(mask_of(size, size, arrow), [](Point p) {
        return mix(rgb8(255, 210, 90), rgb8(230, 130, 20), smoothstep(centre.y - radius * 0.88, centre.y - radius * 0.6, p.y));
    });
}

void draw_hub(Canvas& canvas)
{
    Placement hub = {centre, 24};
    canvas.fill(Circle{centre, 24}, rgb8(30, 40, 52));
    canvas.paint(mask_of(size, size, Circle{centre, 21}), [&hub](Point p) {
        Point u = hub.to_unit(p);
        return mix(rgb8(90, 100, 116), rgb8(210, 218, 230), clamp01(0.5 - (u.x + u.y) * 0.5));
    });
    canvas.fill(Circle{centre, 7}, rgb8(36, 44, 58));
}

}

Canvas platform_picture()
{
    Canvas canvas(size, size);
    canvas.paint(mask_of(size, size, Circle{centre, radius}), deck_at);
    draw_dial(canvas);
    draw_wedge(canvas);
    draw_arrow(canvas);
    draw_hub(canvas);
    return canvas;
}
