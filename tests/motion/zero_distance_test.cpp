#include <cmath>
#include <string>

#include "motion_test.h"

namespace {

void expectEverythingFinite()
{
    const float values[] = {shipx, shipy, shipxthrust, shipythrust, shipangle, shipAngleFromDisc,
                            enemyx, enemyy, discx, discy, camx, camy};
    for (float v : values)
        EXPECT_TRUE(std::isfinite(v)) << v;
}

struct CoincidenceCase {
    const char *name;
    void (*place)();
};

const CoincidenceCase coincidenceCases[] = {
    {"EnemyOnShip", [] { shipx = enemyx = 0.2f; shipy = enemyy = 0.3f; }},
    {"EnemyOnShipWhileAiming", [] { shipAim = true; shipx = enemyx = 0.2f; shipy = enemyy = 0.3f; }},
    {"EnemyOnShipAfterALoss", [] { gameover = true; shipx = enemyx = 0.2f; shipy = enemyy = 0.3f; }},
    {"EnemyOnDisc", [] { discx = enemyx; discy = enemyy; }},
    {"ShipEnemyAndDiscTogether", [] { shipx = enemyx = discx = 0.1f; shipy = enemyy = discy = -0.2f; }},
    {"ShipOnTheCentreWhileTheBoardTurns", [] { shipy = 0; prs = 30; }},
    {"ShipOnTheDiscWhileAiming", [] { shipAim = true; shipx = discx = 0.3f; shipy = discy = 0.1f; }},
    {"ShipOnTheDiscOnTheCentre", [] { shipAim = true; shipy = 0; prs = 30; }},
};

using ZeroDistanceTest = MotionCaseTest<CoincidenceCase>;

TEST_P(ZeroDistanceTest, EverythingStaysFinite)
{
    GetParam().place();
    for (int tick = 0; tick < 3; tick++) {
        moveObjects();
        expectEverythingFinite();
    }
}

INSTANTIATE_TEST_SUITE_P(Coincidences, ZeroDistanceTest, ::testing::ValuesIn(coincidenceCases),
                         [](const auto &info) { return std::string(info.param.name); });

using ZeroDistance = MotionTest;

TEST_F(ZeroDistance, EnemyOnTheShipNeitherPushesNorChases)
{
    shipx = enemyx = 0.2f;
    shipy = enemyy = 0.3f;
    discx = 0.2f;
    discy = -0.7f;
    moveObjects();
    EXPECT_EQ(shipxthrust, 0);
    EXPECT_EQ(shipythrust, 0);
    // Only the disc straight below moves the enemy, straight up.
    EXPECT_EQ(enemyx, 0.2f);
    EXPECT_GT(enemyy, 0.3f);
}

// The chase brings the enemy from (0, 0.5) exactly onto the disc, which then
// has no direction to push it in.
TEST_F(ZeroDistance, EnemyEndingItsChaseOnTheDiscStaysThere)
{
    const float landing = double(0.5f) - 0.001;
    discy = landing;
    moveObjects();
    EXPECT_EQ(enemyx, 0);
    EXPECT_EQ(enemyy, landing);
}

TEST_F(ZeroDistance, ShipOnTheCentreIsNotCarried)
{
    shipy = 0;
    prs = 30;
    moveObjects();
    EXPECT_EQ(rotd, 360);
    EXPECT_EQ(shipx, 0);
    EXPECT_EQ(shipy, 0);
}

TEST_F(ZeroDistance, ShipOnTheDiscDoesNotOrbit)
{
    shipAim = true;
    shipx = discx = 0.3f;
    shipy = discy = 0.1f;
    moveObjects();
    EXPECT_EQ(discx, 0.3f);
    EXPECT_EQ(discy, 0.1f);
    EXPECT_EQ(shipx, 0.3f);
    EXPECT_EQ(shipy, 0.1f);
    EXPECT_EQ(shipangle, 180);
}

}
