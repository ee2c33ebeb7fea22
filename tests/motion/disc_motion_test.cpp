#include <string>

#include "motion_test.h"

namespace {

struct SpinCase {
    const char *name;
    bool held;
    bool fast;
    float perTick;
};

const SpinCase spinCases[] = {
    {"LooseAndSlow", false, false, 4},
    {"LooseAndFast", false, true, 68},
    {"Held", true, false, 16},
    {"HeldWhileStillFast", true, true, 80},
};

using DiscSpinTest = MotionCaseTest<SpinCase>;

TEST_P(DiscSpinTest, SpinRatesAddUp)
{
    shipAim = GetParam().held;
    takingShot = GetParam().fast;
    moveObjects();
    EXPECT_EQ(discangle, GetParam().perTick);
    gamespeed = 0.5f;
    moveObjects();
    EXPECT_EQ(discangle, 1.5f * GetParam().perTick);
}

INSTANTIATE_TEST_SUITE_P(States, DiscSpinTest, ::testing::ValuesIn(spinCases),
                         [](const auto &info) { return std::string(info.param.name); });

using DiscMotion = MotionTest;

TEST_F(DiscMotion, LooseDiscSlidesByItsVelocity)
{
    gamespeed = 1.37f;
    discx = 0.003f;
    discy = 0.1f;
    discxo = 0.006f;
    discyo = -0.004f;
    moveObjects();
    EXPECT_EQ(discx, float(double(0.003f) + double(0.006f) * 1.37f));
    EXPECT_EQ(discy, float(double(0.1f) + double(-0.004f) * 1.37f));
    EXPECT_EQ(discxo, 0.006f);
    EXPECT_EQ(discyo, -0.004f);
}

TEST_F(DiscMotion, PottedDiscRestsForItsCountOfTicks)
{
    discx = -0.9647f;
    discxo = -0.006f;
    inPocket = 3;
    for (int left = 2; left >= 0; left--) {
        moveObjects();
        EXPECT_EQ(inPocket, left);
        EXPECT_EQ(discx, -0.9647f);
    }
    moveObjects();
    EXPECT_EQ(inPocket, 0);
    EXPECT_EQ(discx, float(double(-0.9647f) + double(-0.006f)));
}

// The board stands still while the ship aims, so nothing carries the ship.
TEST_F(DiscMotion, HeldDiscInAPocketKeepsShipAndDiscStill)
{
    shipAim = true;
    inPocket = 2;
    discx = 0.9647f;
    discxo = 0.006f;
    shipx = 0.9f;
    shipy = 0.05f;
    for (int tick = 0; tick < 2; tick++) {
        moveObjects();
        EXPECT_EQ(discx, 0.9647f);
        EXPECT_EQ(discy, 0);
        EXPECT_EQ(shipx, 0.9f);
        EXPECT_EQ(shipy, 0.05f);
    }
    moveObjects();
    EXPECT_NE(discy, 0);
    EXPECT_NE(shipy, 0.05f);
}

TEST_F(DiscMotion, HeldDiscIgnoresItsOwnVelocity)
{
    shipAim = true;
    discxo = 0.5f;
    discyo = 0.5f;
    shipy = 0.05f;
    moveObjects();
    EXPECT_LT(discx, 0.001f);
    EXPECT_LT(discy, 0.001f);
}

}
