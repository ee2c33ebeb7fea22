// The board's layout in the pixels of its 512 x 512 picture, whose square
// spans -1 to 1 in the world: x = -1 + column / 256, y = 1 - row / 256.
#ifndef MOLLIBEK_TOOLS_BOARD_PLAN_H
#define MOLLIBEK_TOOLS_BOARD_PLAN_H

#include <array>

#include "pictures/geometry.h"

// The edge beyond which the ship is lost: an uneven octagon whose diagonals
// miss their neighbouring edges by small steps.
Polygon board_outline();
// The left, right and top pockets.
std::array<Point, 3> pocket_centres();

#endif
