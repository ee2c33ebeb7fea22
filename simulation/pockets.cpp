#include "simulation/pockets.h"

#include <cmath>

#include "core/game_state.h"
#include "core/numeric.h"
#include "simulation/geometry.h"

struct Pocket {
    double x, y;
    int *hitCount; // pots taken in a row
};

static const Pocket pockets[] = {
    {-0.9647, 0, &pocketLeftHitCount},
    {0.9647, 0, &pocketRightHitCount},
    {0, 0.9647, &pocketTopHitCount},
};

// A shot leaves at speed 0.006; a single rebound brings it below this.
static bool atShotSpeed()
{
    return std::pow(discxo, 2) + std::pow(discyo, 2) > 0.00003;
}

// A pocket that has taken two pots in a row refuses the disc until another
// pocket has taken one; the ship must touch the disc again between pots.
static bool takes(const Pocket &pocket)
{
    return *pocket.hitCount <= 1 && pottable && takingShot
        && std::pow(pocket.x - discx, 2) + std::pow(pocket.y - discy, 2) < 0.001736111111111111;
}

static void pot(const Pocket &pocket)
{
    *pocket.hitCount = *pocket.hitCount + 1;
    for (const Pocket &other : pockets)
        if (&other != &pocket)
            *other.hitCount = 0;
    inPocket = truncToInt(100 / double(gamespeed));
    booster = double(booster) + 50;
    hit = hit + 1;
    pottable = false;
    discx = pocket.x;
    discy = pocket.y;
}

void potDisc()
{
    takingShot = atShotSpeed();
    for (const Pocket &pocket : pockets)
        if (takes(pocket))
            pot(pocket);
}

void pushShipFromPockets()
{
    for (const Pocket &pocket : pockets) {
        if (!(std::pow(pocket.x - shipx, 2) + std::pow(pocket.y - shipy, 2) < 0.0625))
            continue;
        const float d = getDistance(shipx, shipy, float(pocket.x), float(pocket.y));
        // A ship exactly on the centre has no direction to be pushed in.
        if (d == 0)
            continue;
        shipxthrust = double(shipxthrust) - (pocket.x - double(shipx)) / std::pow(d, 3) / 200000 * gamespeed;
        shipythrust = double(shipythrust) - (pocket.y - double(shipy)) / std::pow(d, 3) / 200000 * gamespeed;
    }
}
