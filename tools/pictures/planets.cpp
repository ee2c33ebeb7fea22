// Two planets lit from the upper left: a small rusty world with craters
// and a big banded giant with a ring. Their night sides keep a glimmer of
// light, so that no part of them turns see-through.
#include <cmath>

#include "pictures/pictures.h"
#include "pictures/random.h"

namespace {

struct Surface {
    double x, y, z; // unit normal, y up, z toward the viewer
};

const Surface sun = {-0.56, 0.52, 0.645};

// The sphere's normal under a pixel, for a pixel inside its disc.
Surface normal_at(Point p, Point centre, double radius)
{
    double x = (p.x - centre.x) / radius, y = (centre.y - p.y) / radius;
    double zz = 1 - x * x - y * y;
    return {x, y, zz > 0 ? std::sqrt(zz) : 0};
}

double daylight(const Surface& n)
{
    double lambert = n.x * sun.x + n.y * sun.y + n.z * sun.z;
    return 0.05 + 0.95 * smoothstep(-0.12, 0.9, lambert);
}

// Light scattered at the limb on the day side.
double limb_glow(const Surface& n)
{
    double edge = 1 - n.z;
    return edge * edge * edge * smoothstep(-0.3, 0.6, n.x * sun.x + n.y * sun.y);
}

Rgb rusty_ground(const Surface& n)
{
    double land = solid_clouds(n.x * 2.2 + 10, n.y * 2.2, n.z * 2.2, 5, 31);
    Rgb ground = mix(rgb8(120, 50, 32), rgb8(214, 128, 72), smoothstep(0.3, 0.65, land));
    Random craters(7);
    for (int i = 0; i < 9; ++i) {
        Surface c = {craters.between(-0.8, 0.8), craters.between(-0.8, 0.8), 0};
        c.z = std::sqrt(std::max(0.0, 1 - c.x * c.x - c.y * c.y));
        double size = craters.between(0.07, 0.18);
        double gap = std::sqrt((n.x - c.x) * (n.x - c.x) + (n.y - c.y) * (n.y - c.y) + (n.z - c.z) * (n.z - c.z));
        double t = gap / size;
        if (t < 1.15) {
            double floor = smoothstep(0.7, 1, t);
            double rim = 1 - std::abs(t - 0.97) / 0.18;
            ground = ground * (0.8 + 0.2 * floor) + rgb8(34, 24, 18) * clamp01(rim);
        }
    }
    double cap = smoothstep(0.86, 0.92, n.y);
    return mix(ground, rgb8(240, 236, 230), cap);
}

const double giant_tilt = radians(-18);

// The giant's latitude runs across its ring, which is tilted with it.
Rgb banded_gas(const Surface& n)
{
    double c = cosine(giant_tilt), s = sine(giant_tilt);
    double across = n.x * c - n.y * s;
    double up = n.x * s + n.y * c;
    double swirl = solid_clouds(across * 3, up * 3, n.z * 3, 4, 53);
    double band = solid_noise(0, up * 7 + swirl * 1.6, 0, 61);
    Rgb gas = mix(rgb8(150, 96, 62), rgb8(238, 218, 178), smoothstep(0.25, 0.75, band));
    double storm = length(Point{(across - 0.3) / 0.2, (up + 0.32) / 0.09});
    return mix(gas, rgb8(196, 88, 50), smoothstep(1, 0.6, storm));
}

// The ring's radial position in planet radii, with the tilt undone.
double ring_radius(Point p, Point centre, double planet, double flat)
{
    Point d = p - centre;
    double c = cosine(giant_tilt), s = sine(giant_tilt);
    double along = d.x * c + d.y * s, across = -d.x * s + d.y * c;
    return length(Point{along, across / flat}) / planet;
}

Rgb ring_colour(double r)
{
    double grain = solid_noise(r * 40, 0, 0, 71);
    Rgb dust = mix(rgb8(120, 104, 84), rgb8(226, 208, 170), grain);
    double gap = smoothstep(0.02, 0.035, std::abs(r - 1.55));
    return mix(rgb8(26, 22, 20), dust, gap) * lerp(1, 0.7, smoothstep(1.3, 1.72, r));
}

}

Canvas small_planet_picture()
{
    Canvas canvas(128, 128);
    Point centre = {64, 64};
    double radius = 60;
    canvas.paint(mask_of(128, 128, Circle{centre, radius}), [&](Point p) {
        Surface n = normal_at(p, centre, radius);
        return rusty_ground(n) * daylight(n) + rgb8(255, 150, 100) * (0.35 * limb_glow(n));
    });
    return canvas;
}

Canvas big_planet_picture()
{
    const int size = 256;
    Canvas canvas(size, size);
    Point centre = {128, 128};
    double radius = 72, flat = 0.3;
    auto band = [&](bool front) {
        Mask ring(size, size);
        ring.add(Turned<Ellipse>{{centre, 1.72 * radius, 1.72 * radius * flat}, centre, giant_tilt});
        ring.cut(Turned<Ellipse>{{centre, 1.3 * radius, 1.3 * radius * flat}, centre, giant_tilt});
        Point down = {-sine(giant_tilt), cosine(giant_tilt)};
        ring.keep(HalfPlane{centre, front ? down : down * -1});
        return ring;
    };
    auto paint_ring = [&](Point p) { return ring_colour(ring_radius(p, centre, radius, flat)); };
    canvas.paint(band(false), paint_ring);
    canvas.paint(mask_of(size, size, Circle{centre, radius}), [&](Point p) {
        Surface n = normal_at(p, centre, radius);
        return banded_gas(n) * daylight(n) + rgb8(255, 230, 190) * (0.25 * limb_glow(n));
    });
    canvas.paint(band(true), paint_ring);
    return canvas;
}
