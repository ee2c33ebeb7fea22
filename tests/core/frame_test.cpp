// The frame's rules, run without a window: drawing is a no-op there.
#include <gtest/gtest.h>

#include "core/frame.h"
#include "core/game_state.h"
#include "core/tick.h"
#include "tests/support/fresh_game.h"

namespace {

// The frame-rate measurement as at program start.
class Frame : public FreshGame {
protected:
    void SetUp() override
    {
        FreshGame::SetUp();
        fps = 100;
        timebase = -1;
        myframe = 0;
        gamespeed = 0;
        clock = 0;
    }

    // The next frame, 10 ms after the last.
    void nextFrame()
    {
        clock += 10;
        drawFrame(clock);
    }

    int clock = 0;
};

} // namespace

TEST_F(Frame, TitleScreenCountsFramesButKeepsTheTimeScale)
{
    nextFrame();
    nextFrame();
    EXPECT_EQ(frame, 2);
    EXPECT_EQ(myframe, 2);
    EXPECT_EQ(gamespeed, 0.0f);
}

TEST_F(Frame, PlayRenewsTheTimeScaleFromTheLatestRate)
{
    intro = false;
    fps = 60;
    nextFrame();
    EXPECT_EQ(gamespeed, 2.0f);
}

TEST_F(Frame, DoublePowerComesOnTheFirstFrameTheMessageShows)
{
    intro = false;
    enemyspeed = 5.53f;
    frame = 9; // the next frame is 10: the message is off
    nextFrame();
    EXPECT_EQ(power, 1.0f);
    frame = 19;
    nextFrame();
    EXPECT_EQ(frame, 20);
    EXPECT_EQ(power, 2.0f);
    enemyspeed = 7;
    nextFrame();
    EXPECT_EQ(power, 2.0f) << "double power lasts for the rest of the game";
}

TEST_F(Frame, ALevelThatJumpsTheWindowWithoutAShowingFrameGetsNoDoublePower)
{
    intro = false;
    enemyspeed = 5.45f;
    frame = 9;
    nextFrame();
    enemyspeed = 5.53f; // inside the window only on frames 11..19, which hide it
    for (int i = 0; i < 9; ++i)
        nextFrame();
    enemyspeed = 5.6f;
    for (int i = 0; i < 20; ++i)
        nextFrame();
    EXPECT_EQ(power, 1.0f);
}

TEST_F(Frame, NoDoublePowerWhileLost)
{
    intro = false;
    gameover = true;
    gameOverCountDown = 100;
    enemyspeed = 5.53f;
    nextFrame();
    EXPECT_EQ(power, 1.0f);
}

TEST_F(Frame, LostShipCountsDownPerFrameAndSpinsByGameSpeed)
{
    intro = false;
    gameover = true;
    gameOverCountDown = 50;
    fps = 240;
    nextFrame();
    nextFrame();
    nextFrame();
    EXPECT_EQ(gameOverCountDown, 47);
    EXPECT_EQ(shipangle, 1.5f);
}

TEST_F(Frame, CountdownEndReturnsToTheTitleScreen)
{
    intro = false;
    gameover = true;
    gameOverCountDown = 2;
    hit = 3;
    nextFrame();
    EXPECT_FALSE(intro);
    nextFrame();
    EXPECT_TRUE(intro);
    EXPECT_EQ(hit, 0);
    EXPECT_EQ(frame, 0) << "the reset happens inside the last lost frame";
}

TEST_F(Frame, SpaceHeldThroughTheResetStartsTheNextGameOnTheNextTick)
{
    intro = false;
    gameover = true;
    gameOverCountDown = 1;
    KeyDown[' '] = true;
    nextFrame();
    ASSERT_TRUE(intro);
    tick();
    EXPECT_FALSE(intro);
}
