// How fast the tick's three steps run on states taken from real play, as
// calls per second and as multiples of one getDistance call measured in the
// same run. Usage: tick_bench [--quick]
#include <cmath>
#include <cstdio>
#include <cstring>

#include "bench_clock.h"
#include "controls/keyboard.h"
#include "core/game_state.h"
#include "core/tick.h"
#include "simulation/collision.h"
#include "simulation/geometry.h"
#include "simulation/motion.h"

namespace {

struct State {
    const char *name;
    void (*set)();
};

// Mid-game: the board swinging, the ship thrusting and turning, the disc
// sliding at shot speed, the enemy closing in.
void flying()
{
    resetVars();
    releaseAllKeys();
    intro = false;
    gamespeed = 1;
    prs = 40;
    roto = 1440 * std::pow(std::sin(39.99 * deg), 2);
    shipx = 0.3f;
    shipy = -0.4f;
    shipxthrust = 0.0004f;
    shipythrust = 0.0007f;
    discx = -0.2f;
    discy = 0.1f;
    discxo = 0.004f;
    discyo = 0.0045f;
    takingShot = true;
    pottable = true;
    enemyx = -0.3f;
    enemyy = 0.4f;
    enemyspeed = 3;
    keyboard('i', 0, 0);
    keyboard('l', 0, 0);
}

// The ship holds the disc and circles it while aiming.
void aiming()
{
    flying();
    shipAim = true;
    discxo = 0;
    discyo = 0;
    takingShot = false;
    discx = 0.3f;
    discy = -0.33f;
}

// The ship is lost and drifts off while the countdown runs.
void lost()
{
    flying();
    gameover = true;
    gameoverStart = true;
    gameOverCountDown = 900;
    shipx = 1.2f;
}

struct Step {
    const char *name;
    void (*run)();
};

} // namespace

int main(int argc, char **argv)
{
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    const int batches = quick ? 3 : 30;
    const int calls = 1000; // a state drifts little in a thousand ticks

    volatile float sink = 0;
    const double distanceNs = bestNanosecondsPerCall(batches, calls * 10, [] {},
        [&] { sink = getDistance(sink, 0.25f, -0.5f, 0.75f); });

    const State states[] = {{"flying", flying}, {"aiming", aiming}, {"lost", lost}};
    const Step steps[] = {{"moveObjects", moveObjects}, {"collision", collision}, {"keys", keys}, {"tick", tick}};

    std::printf("baseline: getDistance %.1f ns a call\n", distanceNs);
    std::printf("%-8s %-12s %10s %16s %14s\n", "state", "step", "ns/call", "calls/second", "x getDistance");
    for (const State &state : states) {
        for (const Step &step : steps) {
            const double ns = bestNanosecondsPerCall(batches, calls, state.set, step.run);
            std::printf("%-8s %-12s %10.1f %16.0f %14.1f\n", state.name, step.name, ns, 1e9 / ns, ns / distanceNs);
        }
    }
    releaseAllKeys();
    return 0;
}
