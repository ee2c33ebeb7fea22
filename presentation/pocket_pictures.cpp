#include "presentation/pocket_pictures.h"

#include <cmath>

#include "core/game_state.h"
#include "presentation/blink.h"
#include "presentation/texture_table.h"

bool pocketsLit()
{
    return (shipAim && blinkShows(40000, 20000))
        || std::pow(double(discxo), 2) + std::pow(double(discyo), 2) > 0.00003;
}

static int pocketBaseSlot()
{
    if (!pocketsLit())
        return pocketRestSlot;
    return inPocket != 0 ? pocketRestingDiscSlot : pocketLitSlot;
}

int pocketSlot(int hitCount)
{
    return hitCount == 2 ? pocketFullSlot : pocketBaseSlot();
}
