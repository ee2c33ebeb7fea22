#include <cmath>
#include <string>

#include "motion_test.h"
#include "simulation/geometry.h"

namespace {

struct OrbitCase {
    const char *name;
    int sense;
    float pace;
};

const OrbitCase orbitCases[] = {
    {"CounterClockwise", 1, 1},
    {"Clockwise", -1, 1},
    {"CounterClockwiseAtFastFrames", 1, 0.6f},
    {"ClockwiseAtSlowFrames", -1, 1.37f},
};

using AimingOrbitTest = MotionCaseTest<OrbitCase>;

// The disc at the centre, the ship just above it.
TEST_P(AimingOrbitTest, ShipAndDiscStepAroundEachOther)
{
    const OrbitCase &c = GetParam();
    shipAim = true;
    shipAimRotDirection = c.sense;
    gamespeed = c.pace;
    shipy = 0.05f;

    const float a = 90 * double(deg);
    const double opposite = double(deg) * 180 + a;
    const float dx = double(0.05f) * std::sin(double(a)) * deg * 0.5 * c.sense * c.pace;
    const float dy = double(getDistance(dx, 0, 0, 0.05f)) * std::cos(double(a)) * deg * 0.5 * c.sense * c.pace;
    const float sx = double(getDistance(dx, dy, 0, 0.05f)) * std::sin(opposite) * deg * 0.5 * c.sense * c.pace;
    const float sy = double(0.05f) + double(getDistance(dx, dy, sx, 0.05f)) * std::cos(opposite) * deg * 0.5 * c.sense * c.pace;

    moveObjects();
    EXPECT_EQ(shipAngleFromDisc, a);
    EXPECT_EQ(discx, dx);
    EXPECT_EQ(discy, dy);
    EXPECT_EQ(shipx, sx);
    EXPECT_EQ(shipy, sy);
    EXPECT_EQ(shipangle, 180);

    // Counter-clockwise the disc goes right and the ship left, each by about
    // half a degree of arc at the distance 0.05, which the straight steps
    // stretch.
    const double halfArc = 0.05 * 0.5 * deg * c.pace;
    EXPECT_NEAR(discx, c.sense * halfArc, 1e-4 * halfArc);
    EXPECT_NEAR(shipx, -c.sense * halfArc, 1e-4 * halfArc);
    EXPECT_NEAR(getDistance(discx, discy, shipx, shipy),
                0.05 * std::sqrt(1 + std::pow(double(deg) * c.pace, 2)), 1e-8);
}

INSTANTIATE_TEST_SUITE_P(Senses, AimingOrbitTest, ::testing::ValuesIn(orbitCases),
                         [](const auto &info) { return std::string(info.param.name); });

using AimingOrbit = MotionTest;

// A degree per tick: after a quarter of a turn the ship is beside the disc.
TEST_F(AimingOrbit, LineFromDiscToShipTurnsADegreePerTick)
{
    shipAim = true;
    shipy = 0.05f;
    for (int tick = 0; tick < 90; tick++)
        moveObjects();
    EXPECT_NEAR(getAngle(discx, discy, shipx, shipy), 270, 0.5);

    resetVars();
    shipAim = true;
    shipAimRotDirection = -1;
    shipy = 0.05f;
    for (int tick = 0; tick < 90; tick++)
        moveObjects();
    EXPECT_NEAR(getAngle(discx, discy, shipx, shipy), 90, 0.5);
}

TEST_F(AimingOrbit, DistanceGrowsEveryTick)
{
    shipAim = true;
    shipy = 0.05f;
    float last = 0.05f;
    for (int tick = 0; tick < 360; tick++) {
        moveObjects();
        const float now = getDistance(discx, discy, shipx, shipy);
        ASSERT_GT(now, last) << "tick " << tick;
        last = now;
    }
    // Nothing holds the ship to the distance of the catch: a whole turn
    // leaves it some five per cent farther out.
    EXPECT_NEAR(last / 0.05, 1.05, 0.01);
}

}
