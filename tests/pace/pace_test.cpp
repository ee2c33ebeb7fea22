// Play keeps the same pace in seconds at any frame rate: one scripted game
// played at 30, 60, 120 and 240 frames per second ends in nearly the same
// place. What drift there is comes from the rules themselves: each tick is
// one straight step of gamespeed reference ticks, the first tick of the first
// game moves nothing (gamespeed is still 0), and the frame rate is measured
// in whole milliseconds.
#include <gtest/gtest.h>

#include <cmath>

#include "pace_harness.h"

namespace {

double apart(float x1, float y1, float x2, float y2)
{
    return std::hypot(double(x1) - x2, double(y1) - y2);
}

const double secondsOfPlay = 10;

} // namespace

TEST(Pace, TheLevelGrowsByTheClockAtEveryFrameRate)
{
    // 0.0002 per reference tick, 120 reference ticks a second.
    const double expected = 1 + 0.0002 * 120 * secondsOfPlay;
    for (double rate : {30.0, 60.0, 120.0, 240.0}) {
        const PaceOutcome o = playScriptedGame(rate, secondsOfPlay);
        ASSERT_FALSE(o.lost) << rate;
        // The first tick of play is lost to gamespeed 0: 120 / rate reference
        // ticks of growth, 0.0008 at 30 frames per second.
        EXPECT_NEAR(o.level, expected, 0.001) << rate;
    }
}

TEST(Pace, BodiesEndNearlyWhereTheyEndAtTheHighestRate)
{
    const PaceOutcome finest = playScriptedGame(240, secondsOfPlay);
    ASSERT_FALSE(finest.lost);
    for (double rate : {30.0, 60.0, 120.0}) {
        const PaceOutcome o = playScriptedGame(rate, secondsOfPlay);
        EXPECT_LT(apart(o.shipx, o.shipy, finest.shipx, finest.shipy), 0.01) << rate;
        EXPECT_LT(apart(o.enemyx, o.enemyy, finest.enemyx, finest.enemyy), 0.02) << rate;
        EXPECT_EQ(o.discx, finest.discx) << rate;
        EXPECT_EQ(o.discy, finest.discy) << rate;
    }
}

TEST(Pace, DriftShrinksAsTheFrameRateGrows)
{
    const PaceOutcome finest = playScriptedGame(240, secondsOfPlay);
    double previous = INFINITY;
    for (double rate : {30.0, 60.0, 120.0}) {
        const PaceOutcome o = playScriptedGame(rate, secondsOfPlay);
        const double drift = apart(o.shipx, o.shipy, finest.shipx, finest.shipy);
        EXPECT_LT(drift, previous) << rate;
        previous = drift;
    }
}
