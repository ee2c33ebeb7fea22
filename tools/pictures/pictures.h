// The game's pictures, one function each, and the sprites that the title
// picture and the icon draw again at other sizes.
#ifndef MOLLIBEK_TOOLS_PICTURES_H
#define MOLLIBEK_TOOLS_PICTURES_H

#include <cstdint>

#include "pictures/canvas.h"
#include "pictures/geometry.h"

Canvas board_picture();
Canvas platform_picture();
Canvas ship_picture();
Canvas disc_picture();
Canvas enemy_picture();
Canvas exhaust_picture();
Canvas pocket_picture();
Canvas stars_picture();
Canvas small_planet_picture();
Canvas big_planet_picture();
Canvas title_picture();
// The desktop icon: the ship over the disc, on a transparent ground.
Canvas icon_picture();

// Sprites drawn on the square from -1 to 1 of a placement.
void draw_ship(Canvas& canvas, const Placement& place);
void draw_disc(Canvas& canvas, const Placement& place);
void draw_enemy(Canvas& canvas, const Placement& place);
void draw_exhaust(Canvas& canvas, const Placement& place);
// Sky with stars, seamless when the canvas is laid edge to edge.
void draw_starfield(Canvas& canvas, int star_count, std::uint64_t seed);

#endif
