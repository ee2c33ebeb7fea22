// One tick: which steps run in each state, and in which order.
#include <gtest/gtest.h>

#include "core/game_state.h"
#include "core/tick.h"
#include "tests/support/fresh_game.h"

using Tick = FreshGame;

TEST_F(Tick, TitleScreenRunsOnlyTheKeys)
{
    KeyDown['l'] = true;
    tick();
    EXPECT_TRUE(intro);
    EXPECT_EQ(enemyangle, 0.0f) << "nothing moves on the title screen";
    EXPECT_EQ(prs, 0.0f);
    EXPECT_EQ(shipangle, 1.0f) << "held keys act on the title screen";
}

TEST_F(Tick, SpaceStartsPlayOnTheSameTick)
{
    KeyDown[' '] = true;
    KeyDown['l'] = true;
    tick();
    EXPECT_FALSE(intro);
    EXPECT_EQ(enemyangle, 1.0f) << "the tick that leaves the title screen moves the world";
    EXPECT_EQ(shipangle, 1.0f);
}

TEST_F(Tick, ALostShipMovesOnWithoutKeys)
{
    intro = false;
    gameover = true;
    gameoverStart = true;
    shipx = 0.9999f;
    shipy = -0.2f;
    shipxthrust = 0.001f;
    KeyDown['l'] = true;
    tick();
    EXPECT_TRUE(gameover);
    EXPECT_EQ(enemyangle, 1.0f);
    EXPECT_EQ(enemyspeed, 1.0f) << "the level stands while the ship is lost";
    EXPECT_EQ(shipangle, 0.0f) << "no key acts on a lost ship";
}

TEST_F(Tick, CollisionSeesTheMovedShipAndKeysSeeTheLoss)
{
    intro = false;
    shipx = 0.9999f;
    shipy = -0.2f;
    shipxthrust = 0.001f;
    KeyDown['l'] = true;
    tick();
    EXPECT_GT(shipx, 1.0f);
    EXPECT_TRUE(gameover) << "the move of this tick took the ship off the board";
    EXPECT_EQ(shipangle, 0.0f) << "keys are skipped from the tick that loses the ship";
}

TEST_F(Tick, KeysComeAfterTheCatch)
{
    intro = false;
    discx = 0;
    discy = -0.45f;
    KeyDown[' '] = true;
    tick();
    EXPECT_TRUE(pottable) << "the ship touched the disc";
    EXPECT_FALSE(shipAim) << "and shot it in the same tick";
    EXPECT_EQ(discyo, float(0.006));
}
