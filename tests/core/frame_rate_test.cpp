// The frame-rate measurement and the time scale.
#include <gtest/gtest.h>

#include "core/frame_rate.h"
#include "core/game_state.h"

namespace {

class FrameRate : public ::testing::Test {
protected:
    void SetUp() override
    {
        fps = 100;
        timebase = -1;
        mytime = 0;
        myframe = 0;
        gamespeed = 0;
    }
};

// Draws frames every periodMs from startMs for the given time span.
void framesEvery(double periodMs, double startMs, double spanMs)
{
    for (double t = startMs; t < startMs + spanMs; t += periodMs)
        measureFrameRate(int(t));
}

} // namespace

TEST_F(FrameRate, FirstWindowYieldsNoValue)
{
    measureFrameRate(16);
    EXPECT_EQ(timebase, -1) << "16 ms after the start value -1 is not more than 100";
    EXPECT_EQ(myframe, 1);

    measureFrameRate(99);
    EXPECT_EQ(timebase, -1) << "99 - (-1) is exactly 100: the window stays open";

    measureFrameRate(100);
    EXPECT_EQ(timebase, 100);
    EXPECT_EQ(myframe, 0);
    EXPECT_EQ(mytime, 100);
    EXPECT_EQ(fps, 100.0f) << "the first window changes nothing but timebase and myframe";
}

TEST_F(FrameRate, WindowClosesOnlyAfterMoreThan100Ms)
{
    timebase = 1000;
    measureFrameRate(1050);
    measureFrameRate(1100);
    EXPECT_EQ(timebase, 1000) << "exactly 100 ms keeps the window open";
    EXPECT_EQ(myframe, 2);

    measureFrameRate(1101);
    EXPECT_EQ(timebase, 1101);
    EXPECT_EQ(myframe, 0);
    EXPECT_EQ(fps, float(3 * 1000.0 / 101)) << "the closing frame is counted";
}

TEST_F(FrameRate, SteadyRatesGiveTheirGameSpeed)
{
    struct Case {
        double framesPerSecond;
        double expectedGameSpeed;
    };
    const Case cases[] = {{60, 2}, {120, 1}, {240, 0.5}};
    for (const Case &c : cases) {
        SetUp();
        framesEvery(1000 / c.framesPerSecond, 0, 2000);
        renewGameSpeed();
        // Whole milliseconds make the measured rate waver a little.
        EXPECT_NEAR(fps, c.framesPerSecond, c.framesPerSecond * 0.05) << c.framesPerSecond;
        EXPECT_NEAR(gamespeed, c.expectedGameSpeed, c.expectedGameSpeed * 0.05) << c.framesPerSecond;
        EXPECT_EQ(gamespeed, float(double(changeGameSpeed) / fps));
    }
}

TEST_F(FrameRate, FpsKeepsItsStartValueUntilTheSecondWindowCloses)
{
    framesEvery(10, 0, 150);
    renewGameSpeed();
    EXPECT_EQ(fps, 100.0f);
    EXPECT_EQ(gamespeed, 1.2f);
}
