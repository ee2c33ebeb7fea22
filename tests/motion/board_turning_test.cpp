#include <cmath>
#include <string>

#include "motion_test.h"
#include "simulation/geometry.h"

namespace {

struct SwingCase {
    float phase;
    float rotation;
};

// Four turns at the top of the swing, once every 180 degrees of phase.
const SwingCase swingCases[] = {{0, 0}, {30, 360}, {45, 720}, {90, 1440}};

using BoardSwingTest = MotionCaseTest<SwingCase>;

TEST_P(BoardSwingTest, RotationComesFromThePhaseBeforeItAdvances)
{
    const SwingCase &c = GetParam();
    prs = c.phase;
    moveObjects();
    EXPECT_EQ(platformRotation, c.rotation);
    EXPECT_EQ(rotd, c.rotation);
    EXPECT_EQ(roto, c.rotation);
    EXPECT_EQ(prs, float(double(c.phase) + double(0.01f)));
}

INSTANTIATE_TEST_SUITE_P(Phases, BoardSwingTest, ::testing::ValuesIn(swingCases));

using BoardTurning = MotionTest;

float rotationAt(float phase)
{
    return 1440 * std::pow(std::sin(double(phase) * deg), 2);
}

TEST_F(BoardTurning, NextTickTurnsByThePhaseAdvanceOfThisOne)
{
    prs = 30;
    moveObjects();
    const float advanced = prs;
    moveObjects();
    EXPECT_EQ(platformRotation, rotationAt(advanced));
    EXPECT_EQ(rotd, float(double(rotationAt(advanced)) - 360));
    EXPECT_GT(rotd, 0);
}

TEST_F(BoardTurning, RotationIsWorkedOutInDouble)
{
    prs = 10.01f;
    const float sine = std::sin(prs * deg);
    const float inFloat = 1440.0f * (sine * sine);
    ASSERT_NE(inFloat, rotationAt(prs));
    moveObjects();
    EXPECT_EQ(platformRotation, rotationAt(10.01f));
}

TEST_F(BoardTurning, FirstTickAfterResetDoesNotCarryTheShip)
{
    moveObjects();
    EXPECT_EQ(rotd, 0);
    EXPECT_EQ(shipx, 0);
    EXPECT_EQ(shipy, -0.5f);
}

// The catch stops the phase, but the board still makes the turn that the
// tick of the catch set up; after that it stands until the shot.
TEST_F(BoardTurning, PhaseStandsStillWhileAimingAfterOneLastTurn)
{
    prs = 30;
    moveObjects();
    const float caught = prs;
    shipAim = true;
    inPocket = 5;
    const float shipxAtCatch = shipx;

    moveObjects();
    EXPECT_EQ(prs, caught);
    EXPECT_EQ(rotd, float(double(rotationAt(caught)) - 360));
    EXPECT_NE(shipx, shipxAtCatch);

    const float carriedX = shipx, carriedY = shipy;
    moveObjects();
    EXPECT_EQ(prs, caught);
    EXPECT_EQ(rotd, 0);
    EXPECT_EQ(shipx, carriedX);
    EXPECT_EQ(shipy, carriedY);
}

struct CarryCase {
    const char *name;
    float previousRotation;
    double sense;
};

// The board stands at 0 degrees; the previous rotation sets this tick's turn.
const CarryCase carryCases[] = {
    {"GrowingRotationCarriesClockwise", -1, 1},
    {"ShrinkingRotationCarriesCounterClockwise", 1, -1},
};

using CarryTest = MotionCaseTest<CarryCase>;

TEST_P(CarryTest, ShipAboveTheCentreMovesAlongTheArcOfTheTurn)
{
    const CarryCase &c = GetParam();
    roto = c.previousRotation;
    shipx = 0;
    shipy = 0.5f;
    enemyy = -0.9f;
    moveObjects();

    const float phi = 90 * double(deg);
    EXPECT_EQ(rotd, c.sense);
    EXPECT_EQ(shipx, float(0.5 * std::sin(double(phi)) * deg * c.sense));
    EXPECT_NEAR(shipx, c.sense * 0.5 * deg, 1e-9);
    EXPECT_EQ(shipy, 0.5f);
    EXPECT_EQ(camx, shipx);
    EXPECT_EQ(camy, shipy);
}

INSTANTIATE_TEST_SUITE_P(Turns, CarryTest, ::testing::ValuesIn(carryCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(BoardTurning, CarryTakesTheRadiusAgainWithTheNewX)
{
    shipx = 0.04f;
    shipy = 0.06f;
    enemyy = -0.9f;
    prs = 30;
    roto = 350;
    const float phi = (double(getAngle(0, 0, 0.04f, 0.06f)) + 90) * deg;
    const float x = double(0.04f) + double(getDistance(0, 0, 0.04f, 0.06f)) * std::sin(double(phi)) * deg * 10;
    const float y = double(0.06f) + double(getDistance(0, 0, x, 0.06f)) * std::cos(double(phi)) * deg * 10;
    const float yFromOldRadius = double(0.06f) + double(getDistance(0, 0, 0.04f, 0.06f)) * std::cos(double(phi)) * deg * 10;
    ASSERT_NE(y, yFromOldRadius);

    moveObjects();
    EXPECT_EQ(rotd, 10);
    EXPECT_EQ(shipx, x);
    EXPECT_EQ(shipy, y);
}

}
