#include "presentation/exhaust_flames.h"

#include "core/game_state.h"

const Flame flames[flameCount] = {
    {-0.16f, 1.0f / 24, 1.0f / 12},
    {-0.2f, 0.0625f, 0.125f},
    {-0.2f, 1.0f / 12, 1.0f / 6},
};

static bool thrustKeyHeld()
{
    return KeyDown['i'] || KeyDown['a'];
}

static bool boosting()
{
    return (KeyDown['o'] || KeyDown['s']) && booster > 0;
}

// Double power makes thrust look like the single-power booster, and the
// booster one size larger.
bool flameShows(int flame)
{
    switch (flame) {
    case 0:
        return thrustKeyHeld() && power == 1;
    case 1:
        return (boosting() && power == 1) || (thrustKeyHeld() && power == 2);
    default:
        return boosting() && power == 2;
    }
}
