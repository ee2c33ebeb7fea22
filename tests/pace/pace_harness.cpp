#include "pace_harness.h"

#include "controls/keyboard.h"
#include "core/frame.h"
#include "core/game_state.h"
#include "core/tick.h"

namespace {

// Keys held over spans of play, in seconds from the press of the space bar:
// turn right and thrust, turn back up and thrust against the enemy's push,
// turn about twice, boost briefly, turn a little and thrust once more. The
// ship stays on the board and never reaches the disc. Every edge is a whole
// number of frames at 30, 60, 120 and 240 frames per second, so that each
// rate holds each key for the same time.
struct HeldKey {
    unsigned char key;
    double from, to;
};

const HeldKey script[] = {
    {' ', 0.0, 0.2},
    {'l', 0.5, 1.2},
    {'i', 1.5, 1.6},
    {'j', 2.5, 3.2},
    {'i', 4.0, 4.2},
    {'k', 5.0, 5.1},
    {'i', 5.5, 5.6},
    {'k', 6.0, 6.1},
    {'o', 6.5, 6.6},
    {'j', 7.0, 7.3},
    {'a', 8.0, 8.1},
};

bool scriptHolds(unsigned char key, double secondsIntoPlay)
{
    for (const HeldKey &k : script)
        if (k.key == key && secondsIntoPlay >= k.from && secondsIntoPlay < k.to)
            return true;
    return false;
}

void applyScript(double secondsIntoPlay)
{
    for (const HeldKey &k : script) {
        if (scriptHolds(k.key, secondsIntoPlay))
            keyboard(k.key, 0, 0);
        else
            keyboardUp(k.key, 0, 0);
    }
}

void startFreshProgram()
{
    resetVars();
    releaseAllKeys();
    fps = 100;
    gamespeed = 0;
    timebase = -1;
    mytime = 0;
    myframe = 0;
}

} // namespace

PaceOutcome playScriptedGame(double framesPerSecond, double secondsOfPlay)
{
    startFreshProgram();
    const double titleSeconds = 1;
    const double periodMs = 1000 / framesPerSecond;
    const int totalFrames = int((titleSeconds + secondsOfPlay) * framesPerSecond);

    for (int n = 1; n <= totalFrames; ++n) {
        const double nowMs = n * periodMs;
        // A millisecond early, so that no frame falls exactly on an edge.
        applyScript((nowMs - 1) / 1000 - titleSeconds);
        tick();
        drawFrame(int(nowMs));
    }

    return {framesPerSecond, totalFrames, shipx, shipy, enemyx, enemyy, discx, discy, enemyspeed, gameover};
}
