#include "presentation/hud_text.h"

#include <cstdio>

#include "core/game_state.h"
#include "core/numeric.h"
#include "presentation/blink.h"

double shownLevel()
{
    return truncToInt(double(enemyspeed) * 100) / 100.0;
}

int shownBoosters()
{
    return truncToInt(booster);
}

void formatLevelLine(char *text, std::size_t size)
{
    std::snprintf(text, size, " LEVEL: %0.2f", shownLevel());
}

void formatPotsLine(char *text, std::size_t size)
{
    std::snprintf(text, size, " POTS: %i", hit);
}

void formatBoostersLine(char *text, std::size_t size)
{
    std::snprintf(text, size, " BOOSTERS: %i", shownBoosters());
}

void formatFpsLine(char *text, std::size_t size)
{
    std::snprintf(text, size, "FPS: %0.2f ", double(fps));
}

void formatLostLevelLine(char *text, std::size_t size)
{
    std::snprintf(text, size, " LOST IN SPACE AT LEVEL: %0.2f", shownLevel());
}

bool titlePromptShows()
{
    return blinkShows(80000, 40000);
}
