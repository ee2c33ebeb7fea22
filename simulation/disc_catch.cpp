#include "simulation/disc_catch.h"

#include <cmath>

#include "core/game_state.h"

// Made in every tick, so a ship circling the held disc is caught again each
// tick, and a ship still within reach just after its shot takes the disc back.
void catchDisc()
{
    if (std::pow(double(shipx) - discx, 2) + std::pow(double(shipy) - discy, 2) < 0.0087890625) {
        pottable = true;
        shipAim = true;
        shipxthrust = 0;
        shipythrust = 0;
    }
}
