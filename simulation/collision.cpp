#include "simulation/collision.h"

#include "simulation/arena_boundary.h"
#include "simulation/disc_catch.h"
#include "simulation/disc_rebounds.h"
#include "simulation/pockets.h"

void collision()
{
    loseShipOffBoard();
    settleLossFlags();
    reboundDisc();
    potDisc();
    pushShipFromPockets();
    catchDisc();
}
