// What each held key does to the ship and the disc in one tick.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "controls/keyboard.h"
#include "core/game_state.h"
#include "tests/support/fresh_game.h"

namespace {

class Keys : public FreshGame {
protected:
    static void hold(const std::string &keyset)
    {
        for (unsigned char key : keyset)
            keyboard(key, 0, 0);
    }
    static void release(const std::string &keyset)
    {
        for (unsigned char key : keyset)
            keyboardUp(key, 0, 0);
    }
};

// One engine push along heading a, by the rule: sin(h) / thrust * factor *
// power * gamespeed, worked out in double.
double push(double (*component)(double), float a, double factor, float pw, float gs)
{
    const double h = double(a) * deg;
    return component(h) / 25000 * factor * pw * gs;
}

} // namespace

TEST_F(Keys, CallbacksKeepTheTableByUnsignedCode)
{
    keyboard(200, 5, 7);
    EXPECT_TRUE(KeyDown[200]);
    keyboardUp(200, 5, 7);
    EXPECT_FALSE(KeyDown[200]);
    keyboard(255, 0, 0);
    EXPECT_TRUE(KeyDown[255]);
}

TEST_F(Keys, EnginePushes)
{
    struct Case {
        const char *keys;
        float heading;
        float power;
        float gamespeed;
        bool aiming;
        bool thrusts;
        bool boosts;
        float boosterAfter;
    };
    const Case cases[] = {
        {"i", 30, 1, 1, false, true, false, 200},
        {"a", 30, 1, 1, false, true, false, 200},
        {"i", 30, 2, 1, false, true, false, 200},
        {"i", 200, 1, 1.75f, false, true, false, 200},
        {"o", 30, 1, 1, false, false, true, 199},
        {"s", 30, 1, 2.5f, false, false, true, 197.5f},
        {"o", 30, 2, 1, false, false, true, 199},
        {"io", 30, 1, 1, false, true, true, 199},
        {"o", 30, 1, 1, true, false, false, 200},
        {"io", 30, 1, 1, true, true, false, 200},
        {"I", 30, 1, 1, false, false, false, 200},
        {"A", 30, 1, 1, false, false, false, 200},
        {"O", 30, 1, 1, false, false, false, 200},
        {"S", 30, 1, 1, false, false, false, 200},
    };
    for (const Case &c : cases) {
        SetUp();
        shipangle = c.heading;
        power = c.power;
        gamespeed = c.gamespeed;
        shipAim = c.aiming;
        hold(c.keys);

        keys();

        // Thrust and boost are added one after the other, each stored.
        float expectX = 0, expectY = 0;
        if (c.thrusts) {
            expectX = double(expectX) + push(std::sin, c.heading, 1, c.power, c.gamespeed);
            expectY = double(expectY) + push(std::cos, c.heading, 1, c.power, c.gamespeed);
        }
        if (c.boosts) {
            expectX = double(expectX) + push(std::sin, c.heading, 3, c.power, c.gamespeed);
            expectY = double(expectY) + push(std::cos, c.heading, 3, c.power, c.gamespeed);
        }
        EXPECT_EQ(shipxthrust, expectX) << '"' << c.keys << "\" aiming " << c.aiming;
        EXPECT_EQ(shipythrust, expectY) << '"' << c.keys << "\" aiming " << c.aiming;
        EXPECT_EQ(booster, c.boosterAfter) << '"' << c.keys << "\" aiming " << c.aiming;
        TearDown();
    }
}

TEST_F(Keys, BoostTestsTheFuelOnceAndMayOverdraw)
{
    booster = 0.5f;
    gamespeed = 1.2f;
    hold("o");

    keys();
    EXPECT_EQ(booster, float(double(0.5f) - double(1.2f)));
    EXPECT_LT(booster, 0.0f);
    const float afterFirst = shipythrust;
    EXPECT_EQ(afterFirst, float(push(std::cos, 0, 3, 1, 1.2f))) << "one full boost step";

    keys();
    EXPECT_EQ(shipythrust, afterFirst) << "an empty tank gives no boost";
}

TEST_F(Keys, TurnKeysScaleByGameSpeed)
{
    struct Case {
        const char *keys;
        float gamespeed;
        float headingAfter;
    };
    const Case cases[] = {
        {"l", 1, 11},
        {"j", 1, 9},
        {"l", 0.5f, 10.5f},
        {"jl", 2, 10},
        {"J", 1, 10},
        {"L", 1, 10},
    };
    for (const Case &c : cases) {
        SetUp();
        shipangle = 10;
        gamespeed = c.gamespeed;
        hold(c.keys);
        keys();
        EXPECT_EQ(shipangle, c.headingAfter) << c.keys;
        TearDown();
    }
}

TEST_F(Keys, TurnAboutOncePerPress)
{
    hold("k");
    keys();
    keys();
    keys();
    EXPECT_EQ(shipangle, 180.0f);
    EXPECT_TRUE(kdown);

    release("k");
    keys();
    EXPECT_FALSE(kdown);
    hold("k");
    keys();
    EXPECT_EQ(shipangle, 360.0f);

    release("k");
    hold("K");
    keys();
    EXPECT_EQ(shipangle, 360.0f) << "upper case does nothing";
}

TEST_F(Keys, TurnAboutWorksBeforeTheFirstGameSpeed)
{
    gamespeed = 0;
    hold("kil");
    keys();
    EXPECT_EQ(shipangle, 180.0f);
    EXPECT_EQ(shipxthrust, 0.0f);
    EXPECT_EQ(shipythrust, 0.0f);
}

TEST_F(Keys, KReversesTheCirclingWhileTheDiscIsHeld)
{
    shipAim = true;
    hold("k");
    keys();
    keys();
    EXPECT_EQ(shipAimRotDirection, -1);
    EXPECT_EQ(shipangle, 0.0f);
    release("k");
    keys();
    hold("k");
    keys();
    EXPECT_EQ(shipAimRotDirection, 1);
}

TEST_F(Keys, ShotReplacesTheVelocitiesAlongTheTurnedHeading)
{
    shipAim = true;
    shipangle = 30;
    shipxthrust = 0.5f;
    shipythrust = -0.25f;
    hold(" l");

    keys();

    const double h = double(31.0f) * deg; // the heading after this tick's turn
    EXPECT_FALSE(shipAim);
    EXPECT_EQ(discxo, float(std::sin(h) * 0.006));
    EXPECT_EQ(discyo, float(std::cos(h) * 0.006));
    EXPECT_EQ(shipxthrust, float(std::sin(h) * -0.001));
    EXPECT_EQ(shipythrust, float(std::cos(h) * -0.001));
}

TEST_F(Keys, SpaceWithoutTheDiscDoesNothing)
{
    hold(" ");
    keys();
    EXPECT_EQ(discxo, 0.0f);
    EXPECT_EQ(discyo, 0.0f);
    EXPECT_EQ(shipxthrust, 0.0f);
}

TEST_F(Keys, StoresTheDoubleResultWhereFloatArithmeticWouldDiffer)
{
    shipangle = 0;
    shipythrust = 0.0003f;
    gamespeed = 0.9f;
    hold("i");
    keys();

    const float inDouble = double(0.0003f) + 1.0 / 25000 * 1 * double(0.9f);
    const float inFloat = 0.0003f + 1.0f / 25000.0f * 1.0f * 0.9f;
    ASSERT_NE(inDouble, inFloat);
    EXPECT_EQ(shipythrust, inDouble);
}
