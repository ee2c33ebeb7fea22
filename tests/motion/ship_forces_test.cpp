#include <cmath>
#include <string>

#include "motion_test.h"
#include "simulation/geometry.h"

namespace {

struct PushCase {
    const char *name;
    bool aiming;
    bool lost;
};

const PushCase pushCases[] = {
    {"Loose", false, false},
    {"Aiming", true, false},
    {"Lost", false, true},
};

using EnemyPushTest = MotionCaseTest<PushCase>;

TEST_P(EnemyPushTest, EnemyStraightBelowPushesTheShipUp)
{
    shipAim = GetParam().aiming;
    gameover = GetParam().lost;
    shipx = 0;
    shipy = 0.2f;
    enemyx = 0;
    enemyy = -0.5f;
    const float d = getDistance(0, 0.2f, 0, -0.5f);
    const float pushed = (double(0.2f) - -0.5f) / std::pow(d, 3) / 1000000;
    ASSERT_NE(pushed, (0.2f - -0.5f) / (d * d * d) / 1000000.0f);
    moveObjects();
    EXPECT_EQ(shipythrust, pushed);
    EXPECT_GT(shipythrust, 0);
    EXPECT_EQ(shipxthrust, 0);
}

INSTANTIATE_TEST_SUITE_P(States, EnemyPushTest, ::testing::ValuesIn(pushCases),
                         [](const auto &info) { return std::string(info.param.name); });

using ShipForces = MotionTest;

// The push measures the offset from where the ship has just moved to, but
// divides by the distance from the start of the tick.
TEST_F(ShipForces, PushUsesTheMovedShipAndTheStartDistance)
{
    gamespeed = 1.37f;
    shipx = 0;
    shipy = 0.2f;
    shipythrust = 0.01f;
    enemyx = 0;
    enemyy = -0.3f;
    const float d = getDistance(0, 0.2f, 0, -0.3f);
    const float movedY = double(0.2f) + double(0.01f) * 1.37f;
    const float pushed = double(0.01f) + (double(movedY) - -0.3f) / std::pow(d, 3) / 1000000 * 1.37f;
    const float dMoved = getDistance(0, movedY, 0, -0.3f);
    ASSERT_NE(pushed, float(double(0.01f) + (double(movedY) - -0.3f) / std::pow(dMoved, 3) / 1000000 * 1.37f));

    moveObjects();
    EXPECT_EQ(shipy, movedY);
    EXPECT_EQ(shipythrust, pushed);
}

// The ship slides from the centre with equal velocities along x and y; the
// enemy waits where the ship lands, so its push has no offset to act on.
void slideFromTheCentre(float speed)
{
    gamespeed = speed;
    shipx = 0;
    shipy = 0;
    shipxthrust = 0.001f;
    shipythrust = 0.001f;
    enemyx = double(0.001f) * speed;
    enemyy = enemyx;
}

using FrictionTest = MotionCaseTest<float>;

TEST_P(FrictionTest, SlowsTheSidewaysMotionOnly)
{
    const float speed = GetParam();
    slideFromTheCentre(speed);
    moveObjects();
    EXPECT_EQ(shipxthrust, float(double(0.001f) / std::pow(1.002, speed)));
    EXPECT_EQ(shipythrust, 0.001f);
}

INSTANTIATE_TEST_SUITE_P(Paces, FrictionTest, ::testing::Values(1.0f, 2.5f, 0.37f));

TEST_F(ShipForces, FrictionIsWorkedOutInDouble)
{
    slideFromTheCentre(1);
    const float inDouble = double(0.001f) / 1.002;
    ASSERT_NE(0.001f / std::pow(1.002f, 1.0f), inDouble);
    moveObjects();
    EXPECT_EQ(shipxthrust, inDouble);
}

TEST_F(ShipForces, NoFrictionWhileAiming)
{
    shipAim = true;
    shipx = 0;
    shipy = 0.2f;
    shipxthrust = 0.001f;
    enemyx = 0;
    enemyy = -0.7f;
    moveObjects();
    EXPECT_EQ(shipxthrust, 0.001f);
}

}
