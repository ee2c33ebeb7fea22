#include "presentation/blink.h"

#include "core/game_state.h"
#include "core/numeric.h"

bool blinkShows(double scaledPeriod, double scaledLit)
{
    int period = truncToInt(scaledPeriod / double(changeGameSpeed));
    int lit = truncToInt(scaledLit / double(changeGameSpeed));
    return frame % period < lit;
}
