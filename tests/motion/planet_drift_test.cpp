#include <cmath>
#include <string>

#include "motion_test.h"

namespace {

struct DriftCase {
    const char *name;
    float level;
    bool first, second, third;
};

const DriftCase driftCases[] = {
    {"Level1", 1, false, false, false},
    {"At2p5", 2.5f, false, false, false},
    {"At3", 3, true, false, false},
    {"FloatNearest3p6", 3.6f, true, false, false},
    {"JustAbove3p6", std::nextafter(3.6f, 4.0f), false, false, false},
    {"JustBelow5p4", std::nextafter(5.4f, 5.0f), false, false, false},
    {"FloatNearest5p4", 5.4f, false, true, false},
    {"JustBelow6p5", std::nextafter(6.5f, 6.0f), false, true, false},
    {"At6p5", 6.5f, false, false, false},
    {"At8", 8, false, false, false},
    {"JustAbove8", std::nextafter(8.0f, 9.0f), false, false, true},
    {"FloatNearest9p2", 9.2f, false, false, true},
    {"JustAbove9p2", std::nextafter(9.2f, 10.0f), false, false, false},
};

// Where a planet starting at (x, y) stands after one tick.
void expectPlanet(bool moves, float x, float y, double dx, double dy, float gotX, float gotY)
{
    if (moves) {
        EXPECT_EQ(gotX, float(double(x) + dx * gamespeed));
        EXPECT_EQ(gotY, float(double(y) + dy * gamespeed));
    } else {
        EXPECT_EQ(gotX, x);
        EXPECT_EQ(gotY, y);
    }
}

using PlanetDriftTest = MotionCaseTest<DriftCase>;

TEST_P(PlanetDriftTest, EachPlanetDriftsOnlyInsideItsRange)
{
    const DriftCase &c = GetParam();
    enemyspeed = c.level;
    moveObjects();
    expectPlanet(c.first, -2.5f, -2.85f, 0.001, 0.001, planetx, planety);
    expectPlanet(c.second, 0.5f, 2, 0.0003, -0.0012, planetx2, planety2);
    expectPlanet(c.third, -4, 1.5f, 0.0015, -0.000375, planetx3, planety3);
}

INSTANTIATE_TEST_SUITE_P(Levels, PlanetDriftTest, ::testing::ValuesIn(driftCases),
                         [](const auto &info) { return std::string(info.param.name); });

using PlanetDrift = MotionTest;

// The range is judged on the level the tick starts with, before it grows.
TEST_F(PlanetDrift, RangeIsJudgedBeforeTheLevelGrows)
{
    enemyspeed = std::nextafter(2.5f, 2.0f);
    moveObjects();
    EXPECT_GT(enemyspeed, 2.5f);
    EXPECT_EQ(planetx, -2.5f);

    enemyspeed = 3.6f;
    moveObjects();
    EXPECT_GT(enemyspeed, 3.6);
    EXPECT_EQ(planetx, float(double(-2.5f) + 0.001));
}

TEST_F(PlanetDrift, PlanetsDriftWhileAimingAndAfterALoss)
{
    enemyspeed = 3;
    shipAim = true;
    gameover = true;
    gamespeed = 0.7f;
    moveObjects();
    EXPECT_EQ(planetx, float(double(-2.5f) + 0.001 * double(0.7f)));
    EXPECT_EQ(planety, float(double(-2.85f) + 0.001 * double(0.7f)));
}

}
