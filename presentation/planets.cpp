#include "presentation/planets.h"

#include "core/game_state.h"
#include "presentation/texture_table.h"

// The ranges do not overlap: at most one planet drifts by at a time.
const Planet planets[planetCount] = {
    {2.6, 3.6, &planetx, &planety, firstPlanetSlot, 0.25f},
    {5.4, 6.5, &planetx2, &planety2, bigPlanetSlot, 0.5f},
    {8, 9.2, &planetx3, &planety3, bigPlanetSlot, 1},
};

bool planetShows(int planet)
{
    return double(enemyspeed) > planets[planet].lowestLevel
        && double(enemyspeed) < planets[planet].highestLevel;
}
