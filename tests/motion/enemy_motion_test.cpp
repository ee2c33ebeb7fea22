#include <cmath>

#include "motion_test.h"
#include "simulation/geometry.h"

namespace {

using EnemyMotion = MotionTest;

// From the start of a game (ship below the disc, enemy above it, level 1) the
// enemy steps a thousandth toward the ship, and the disc between them pushes
// it back by a little more.
TEST_F(EnemyMotion, DiscKeepsTheEnemyOffAgainstItsChase)
{
    const float d = getDistance(0, -0.5f, 0, 0.5f);
    const float chased = double(0.5f) + (double(-0.5f) - 0.5f) / d * 1.0f / 1000 * 1.0f;
    const float grown = 1 + double(0.0002f);
    const float r = getDistance(0, 0, 0, chased);
    const float pushed = double(chased) + (double(chased) - 0) / std::pow(r, 3) * (double(grown) / 2) / 2000 * 1.0f;
    // Chase at the level before the growth, push at the level after it.
    ASSERT_NE(chased, float(double(0.5f) + (double(-0.5f) - 0.5f) / d * grown / 1000 * 1.0f));
    ASSERT_NE(pushed, float(double(chased) + (double(chased) - 0) / std::pow(r, 3) * (1.0 / 2) / 2000 * 1.0f));

    moveObjects();
    EXPECT_EQ(enemyx, 0);
    EXPECT_EQ(enemyy, pushed);
    EXPECT_GT(enemyy, 0.5f);
    EXPECT_EQ(enemyspeed, grown);
    EXPECT_EQ(enemyangle, 1);
}

TEST_F(EnemyMotion, AfterALossTheEnemyChasesButTheLevelStays)
{
    gameover = true;
    enemyspeed = 2;
    discx = 3;
    discy = 3;
    moveObjects();
    EXPECT_EQ(enemyspeed, 2);
    EXPECT_EQ(enemyangle, 2);
    EXPECT_LT(getDistance(shipx, shipy, enemyx, enemyy), 1.0f);
}

TEST_F(EnemyMotion, EnemyAndLevelStandStillWhileAiming)
{
    shipAim = true;
    enemyspeed = 2;
    enemyangle = 30;
    moveObjects();
    EXPECT_EQ(enemyx, 0);
    EXPECT_EQ(enemyy, 0.5f);
    EXPECT_EQ(enemyangle, 30);
    EXPECT_EQ(enemyspeed, 2);
}

}
