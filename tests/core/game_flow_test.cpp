// The game flow's rules: leaving the title screen, the double-power window,
// the lost ship's countdown and the reset at its end.
#include <gtest/gtest.h>

#include <cmath>

#include "core/game_flow.h"
#include "core/game_state.h"
#include "tests/support/fresh_game.h"

using GameFlow = FreshGame;

TEST_F(GameFlow, SpaceLeavesTheTitleScreen)
{
    leaveTitleScreen();
    EXPECT_TRUE(intro);
    KeyDown[' '] = true;
    leaveTitleScreen();
    EXPECT_FALSE(intro);
    leaveTitleScreen();
    EXPECT_FALSE(intro) << "during play the space bar only keeps the title screen away";
}

TEST_F(GameFlow, DoublePowerWindow)
{
    struct Case {
        float level;
        int frame;
        bool lost;
        bool shows;
    };
    const Case cases[] = {
        {5.53f, 1, false, true},
        {5.53f, 9, false, true},
        {5.53f, 10, false, false},
        {5.53f, 19, false, false},
        {5.53f, 20, false, true},
        {5.5f, 1, false, false},
        // The float nearest 5.56 lies just below the double 5.56.
        {5.56f, 1, false, true},
        {std::nextafter(5.56f, 6.0f), 1, false, false},
        {std::nextafter(5.5f, 6.0f), 1, false, true},
        {5.53f, 1, true, false},
    };
    for (const Case &c : cases) {
        enemyspeed = c.level;
        frame = c.frame;
        gameover = c.lost;
        EXPECT_EQ(doublePowerShows(), c.shows)
            << "level " << c.level << " frame " << c.frame << " lost " << c.lost;
    }
}

TEST_F(GameFlow, LostShipCountsDownOneFramePerCallAndSpinsByGameSpeed)
{
    gameover = true;
    gameOverCountDown = 400;
    gamespeed = 2.5f;
    shipangle = 10;
    countDownLostShip();
    countDownLostShip();
    EXPECT_EQ(gameOverCountDown, 398);
    EXPECT_EQ(shipangle, 15.0f);
}

TEST_F(GameFlow, CountdownEndResetsToTheTitleScreen)
{
    intro = false;
    gameover = true;
    gameoverStart = true;
    hit = 4;
    frame = 900;
    power = 2;

    gameOverCountDown = 1;
    finishLostGame();
    EXPECT_FALSE(intro) << "the reset waits for the countdown to reach 0";

    gameOverCountDown = 0;
    finishLostGame();
    EXPECT_TRUE(intro);
    EXPECT_FALSE(gameover);
    EXPECT_FALSE(gameoverStart);
    EXPECT_EQ(hit, 0);
    EXPECT_EQ(frame, 0);
    EXPECT_EQ(power, 1.0f);
    EXPECT_EQ(gameOverCountDown, 500);
}

TEST_F(GameFlow, CountdownThatStartedAtZeroStillEnds)
{
    // Above gamespeed 1000 the countdown starts at 0; its first frame takes
    // it to -1, which must still end the game.
    intro = false;
    gameover = true;
    gameOverCountDown = 0;
    countDownLostShip();
    finishLostGame();
    EXPECT_TRUE(intro);
}
