// Plays one scripted game at a chosen frame rate, driving the tick and the
// frame's rules with elapsed times of its own, and reports where it ends.
#ifndef MOLLIBEK_TESTS_PACE_HARNESS_H
#define MOLLIBEK_TESTS_PACE_HARNESS_H

struct PaceOutcome {
    double framesPerSecond;
    int frames;
    float shipx, shipy;
    float enemyx, enemyy;
    float discx, discy;
    float level;
    bool lost;
};

// One second on the title screen, so that the frame rate is measured, then
// the space bar and secondsOfPlay seconds of the scripted keys.
PaceOutcome playScriptedGame(double framesPerSecond, double secondsOfPlay);

#endif
