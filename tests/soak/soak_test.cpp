// A long stretch of play at random: keys held and let go, the frame rate
// jumping about, a new game now and then. Whatever happens, every game value
// must stay a finite number. Set MOLLIBEK_SOAK_TICKS for a longer run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <random>

#include "controls/keyboard.h"
#include "core/game_state.h"
#include "core/tick.h"

namespace {

struct FloatVariable {
    const char *name;
    const float *value;
};

const FloatVariable floatVariables[] = {
    {"changeGameSpeed", &changeGameSpeed}, {"fps", &fps}, {"gamespeed", &gamespeed},
    {"camx", &camx}, {"camy", &camy}, {"camz", &camz}, {"ax", &ax}, {"ay", &ay}, {"az", &az},
    {"shipx", &shipx}, {"shipy", &shipy}, {"shipangle", &shipangle},
    {"shipxthrust", &shipxthrust}, {"shipythrust", &shipythrust}, {"thrust", &thrust},
    {"power", &power}, {"booster", &booster}, {"shipAngleFromDisc", &shipAngleFromDisc},
    {"discx", &discx}, {"discy", &discy}, {"discxo", &discxo}, {"discyo", &discyo},
    {"discangle", &discangle},
    {"enemyx", &enemyx}, {"enemyy", &enemyy}, {"enemyangle", &enemyangle},
    {"enemyspeed", &enemyspeed}, {"enemySpeedupRate", &enemySpeedupRate},
    {"platformRotation", &platformRotation}, {"prs", &prs},
    {"platformRotationSpeed", &platformRotationSpeed}, {"rotd", &rotd}, {"roto", &roto},
    {"planetx", &planetx}, {"planety", &planety}, {"planetx2", &planetx2},
    {"planety2", &planety2}, {"planetx3", &planetx3}, {"planety3", &planety3},
    {"deg", &deg},
};

// The game's keys, their upper-case twins, which do nothing, and some keys
// that mean nothing to the game at all.
const unsigned char soakKeys[] = {
    'i', 'a', 'o', 's', 'j', 'l', 'k', ' ',
    'I', 'A', 'O', 'S', 'J', 'L', 'K',
    'x', 'q', '0', '\r', 27, 0, 255,
};

const long long defaultTicks = 500000;

// The soak's length from MOLLIBEK_SOAK_TICKS, or the default when it is not
// set; false when it is set to anything but a positive whole number.
bool soakTicks(long long &ticks)
{
    const char *text = std::getenv("MOLLIBEK_SOAK_TICKS");
    ticks = defaultTicks;
    if (text == nullptr)
        return true;
    char *end = nullptr;
    errno = 0;
    ticks = std::strtoll(text, &end, 10);
    return end != text && *end == '\0' && errno == 0 && ticks > 0;
}

TEST(Soak, EveryFloatStaysFiniteThroughRandomPlay)
{
    long long ticks = 0;
    ASSERT_TRUE(soakTicks(ticks)) << "MOLLIBEK_SOAK_TICKS should be a positive whole number of ticks, not \""
                                  << std::getenv("MOLLIBEK_SOAK_TICKS") << "\"";

    std::mt19937 random(1987);
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> anyKey(0, int(std::size(soakKeys)) - 1);
    std::uniform_real_distribution<float> anySpeed(0.25f, 4);
    std::uniform_int_distribution<int> gameLength(1, 20000);
    std::uniform_int_distribution<int> lostFor(1, 100);

    std::fill(std::begin(KeyDown), std::end(KeyDown), false);
    resetVars();
    gamespeed = 1;
    int ticksToReset = gameLength(random);
    for (long long t = 1; t <= ticks; ++t) {
        if (percent(random) < 25) {
            const unsigned char key = soakKeys[anyKey(random)];
            if (KeyDown[key])
                keyboardUp(key, 0, 0);
            else
                keyboard(key, 0, 0);
        }
        if (percent(random) < 2)
            gamespeed = anySpeed(random);
        // A lost game runs on for a while before the next one starts.
        if (gameover && ticksToReset > 100)
            ticksToReset = lostFor(random);
        --ticksToReset;
        if (ticksToReset == 0) {
            resetVars();
            ticksToReset = gameLength(random);
        }

        tick();

        for (const FloatVariable &v : floatVariables)
            ASSERT_TRUE(std::isfinite(*v.value)) << v.name << " is " << *v.value << " after tick " << t
                                                 << " at gamespeed " << gamespeed;
    }
}

} // namespace
