// Deep space: a faint tiling nebula and stars of three kinds, each star
// drawn at every place where a copy of the picture laid edge to edge would
// show it, so that no star is cut at a seam.
#include <cmath>

#include "pictures/pictures.h"
#include "pictures/random.h"

namespace {

struct Star {
    Point at;
    double radius;
    double peak;
    double spikes; // length of the glints, 0 for none
    Rgb tint;
};

Star random_star(Random& random, int width, int height)
{
    static const Rgb tints[] = {rgb8(255, 255, 255), rgb8(200, 220, 255), rgb8(255, 240, 200), rgb8(255, 200, 160)};
    Star star;
    star.at = {random.between(0, width), random.between(0, height)};
    star.tint = tints[random.next() % 4];
    double kind = random.uniform();
    if (kind < 0.8) {
        star.radius = random.between(1.0, 1.5);
        star.peak = random.between(0.2, 0.6);
        star.spikes = 0;
    } else if (kind < 0.97) {
        star.radius = random.between(2.0, 2.6);
        star.peak = random.between(0.6, 0.95);
        star.spikes = 0;
    } else {
        star.radius = random.between(2.8, 3.4);
        star.peak = random.between(1.1, 1.4);
        star.spikes = random.between(7, 11);
    }
    return star;
}

// Light of the star at an offset from its centre.
double light(const Star& star, Point d)
{
    double q = dot(d, d) / (star.radius * star.radius);
    double core = q < 1 ? (1 - q) * (1 - q) : 0;
    double halo = q < 4 ? 0.2 * (1 - q / 4) * (1 - q / 4) : 0;
    double glint = 0;
    if (star.spikes > 0) {
        for (Point axis : {d, Point{d.y, d.x}}) {
            double along = 1 - std::abs(axis.x) / star.spikes;
            double across = 1 - std::abs(axis.y) / 0.9;
            if (along > 0 && across > 0)
                glint = std::max(glint, 0.5 * along * along * across * across);
        }
    }
    return star.peak * (core + halo + glint);
}

void draw_star(Canvas& canvas, const Star& star)
{
    int width = canvas.width(), height = canvas.height();
    double reach = std::max(2 * star.radius, star.spikes) + 1;
    for (int copy_y = -1; copy_y <= 1; ++copy_y)
        for (int copy_x = -1; copy_x <= 1; ++copy_x) {
            Point at = star.at + Point{double(copy_x * width), double(copy_y * height)};
            int row0 = std::max(0, int(std::floor(at.y - reach)));
            int row1 = std::min(height - 1, int(std::floor(at.y + reach)));
            int col0 = std::max(0, int(std::floor(at.x - reach)));
            int col1 = std::min(width - 1, int(std::floor(at.x + reach)));
            for (int row = row0; row <= row1; ++row)
                for (int col = col0; col <= col1; ++col) {
                    // Four by four samples over the pixel: small stars
                    // would flicker in and out of a single sample.
                    double sum = 0;
                    for (int sy = 0; sy < 4; ++sy)
                        for (int sx = 0; sx < 4; ++sx)
                            sum += light(star, Point{col + (sx + 0.5) / 4, row + (sy + 0.5) / 4} - at);
                    canvas.glow(row, col, star.tint * (sum / 16));
                }
        }
}

}

void draw_starfield(Canvas& canvas, int star_count, std::uint64_t seed)
{
    int width = canvas.width(), height = canvas.height();
    canvas.paint_all([&](Point p) {
        double cloud = tiling_clouds(p.x / 64, p.y / 64, width / 64, seed);
        double hue = tiling_clouds(p.x / 128, p.y / 128, width / 128, seed + 100);
        Rgb nebula = mix(rgb8(70, 30, 110), rgb8(20, 60, 120), hue);
        return rgb8(3, 4, 12) + nebula * (0.35 * smoothstep(0.45, 0.85, cloud));
    });
    Random random(seed);
    for (int i = 0; i < star_count; ++i)
        draw_star(canvas, random_star(random, width, height));
}

Canvas stars_picture()
{
    Canvas canvas(512, 512);
    draw_starfield(canvas, 900, 2024);
    return canvas;
}
