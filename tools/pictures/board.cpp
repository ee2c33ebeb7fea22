// The board: a panelled metal deck inside the outline that loses the ship,
// with a hazard-striped rim, a rail under the platform's edge and a socket
// under each pocket. Black everywhere else, where the stars show through.
#include <cmath>

#include "pictures/board_plan.h"
#include "pictures/pictures.h"
#include "pictures/random.h"

namespace {

const int size = 512;
const double panel = 64;

// Where a point lies on its plate: x and y from the plate's top left corner.
Point on_plate(Point p)
{
    return {p.x - std::floor(p.x / panel) * panel, p.y - std::floor(p.y / panel) * panel};
}

Rgb plate_at(Point p)
{
    // Each plate has a shade of its own, brushed along its length.
    Random tint(std::uint64_t(std::floor(p.x / panel) * 8 + std::floor(p.y / panel)) + 77);
    double shade = 0.9 + 0.14 * tint.uniform();
    double brushed = solid_noise(p.x / 23, p.y / 1.3, 0, 5) - 0.5;
    Rgb metal = rgb8(82, 92, 108) * (shade + 0.07 * brushed);

    // Plates catch the light on their upper and left edges.
    Point at = on_plate(p);
    double bevel = smoothstep(3, 0.5, at.x) * 0.12 + smoothstep(3, 0.5, at.y) * 0.12
                 - smoothstep(panel - 3, panel - 0.5, at.x) * 0.14 - smoothstep(panel - 3, panel - 0.5, at.y) * 0.14;
    metal = metal * (1 + bevel);
    double seam = std::min(std::min(at.x, panel - at.x), std::min(at.y, panel - at.y));
    return mix(rgb8(26, 29, 36), metal, smoothstep(0.3, 1.3, seam));
}

// A rivet near each corner of each plate.
Rgb with_rivets(Rgb metal, Point p)
{
    Point at = on_plate(p);
    for (double cx : {7.0, panel - 7}) {
        for (double cy : {7.0, panel - 7}) {
            Point d = at - Point{cx, cy};
            double r = length(d);
            if (r < 3.2) {
                double lit = clamp01(0.55 - (d.x + d.y) / 5.5);
                Rgb rivet = mix(rgb8(70, 76, 88), rgb8(200, 208, 220), lit);
                metal = mix(metal, rivet, smoothstep(2.9, 2.1, r));
                metal = metal * (1 - 0.35 * smoothstep(2.3, 2.9, r) * smoothstep(3.2, 2.9, r));
            }
        }
    }
    return metal;
}

// The rail in which the platform turns, just beyond its edge.
Rgb with_rail(Rgb deck, Point p)
{
    double r = length(p - Point{size / 2.0, size / 2.0});
    double rail = smoothstep(200.5, 201.5, r) * smoothstep(210.5, 209.5, r);
    if (rail <= 0)
        return deck;
    double glow = 1 - std::abs(r - 205.5) / 2.5;
    Rgb groove = mix(rgb8(20, 24, 32), rgb8(90, 220, 255), clamp01(glow) * clamp01(glow));
    return mix(deck, groove, rail);
}

Rgb with_sockets(Rgb deck, Point p)
{
    for (Point c : pocket_centres()) {
        double r = length(p - c);
        if (r > 40)
            continue;
        double lit = clamp01(0.5 - ((p.x - c.x) + (p.y - c.y)) / (2 * 38));
        Rgb ring = mix(rgb8(80, 88, 102), rgb8(215, 222, 232), lit);
        Rgb hollow = mix(rgb8(10, 14, 30), rgb8(30, 40, 66), smoothstep(10, 34, r));
        Rgb socket = mix(hollow, ring, smoothstep(33, 34.2, r));
        socket = socket * (1 - 0.5 * smoothstep(37.5, 39.5, r));
        return mix(socket, deck, smoothstep(39.5, 40, r));
    }
    return deck;
}

// Yellow and black bands along the edge, with a bright lip outside them.
Rgb with_rim(Rgb deck, Point p, double depth)
{
    if (depth > 14)
        return deck;
    double band = (p.x + p.y) / 12;
    double edge = std::abs(band - std::floor(band) - 0.5) * 12 - 3;
    Rgb stripe = mix(rgb8(238, 184, 34), rgb8(40, 38, 36), smoothstep(-0.5, 0.5, edge));
    stripe = stripe * lerp(1.12, 0.82, clamp01((depth - 3) / 8));
    Rgb lip = rgb8(196, 202, 212) * lerp(0.62, 1, smoothstep(0, 1.5, depth));
    Rgb rim = mix(lip, stripe, smoothstep(2.5, 3.5, depth));
    rim = mix(rim, rgb8(28, 30, 36), smoothstep(10.5, 11.5, depth));
    return mix(rim, deck, smoothstep(13, 14, depth));
}

}

Canvas board_picture()
{
    Canvas canvas(size, size);
    Polygon outline = board_outline();
    canvas.paint(mask_of(size, size, outline), [&outline](Point p) {
        Rgb deck = with_rail(with_rivets(plate_at(p), p), p);
        return with_sockets(with_rim(deck, p, -outline.distance(p)), p);
    });
    return canvas;
}
