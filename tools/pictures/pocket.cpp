// The pocket: a round well of blue light with a bright rim. Its colour
// depends on the distance from pixel (32, 32) alone, the same centre from
// which the game's alpha rings are measured, so rings and picture agree.
#include "pictures/pictures.h"

namespace {

const Point centre = {32.5, 32.5};
const double radius = 31;

Rgb well_at(Point p)
{
    double d = length(p - centre);
    Rgb colour = mix(rgb8(26, 18, 84), rgb8(40, 120, 214), smoothstep(4, 27, d));
    // Faint ripples every eight pixels, where the full pocket's rings fall.
    double ripple = d / 8 - std::floor(d / 8);
    colour = colour * (0.9 + 0.2 * smoothstep(0.6, 1, ripple));
    double rim = 1 - std::abs(d - 28.5) / 2.5;
    colour = mix(colour, rgb8(150, 246, 255), clamp01(rim));
    return colour * (1 - 0.45 * smoothstep(30, 31, d));
}

}

Canvas pocket_picture()
{
    Canvas canvas(64, 64);
    canvas.paint(mask_of(64, 64, Circle{centre, radius}), well_at);
    return canvas;
}
