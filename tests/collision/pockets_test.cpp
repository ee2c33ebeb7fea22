#include <climits>
#include <cmath>

#include "collision_fixture.h"
#include "simulation/geometry.h"
#include "simulation/pockets.h"

namespace {

struct PocketPlace {
    const char *name;
    double x, y;
    int *hitCount;
};

const PocketPlace left = {"left", -0.9647, 0, &pocketLeftHitCount};
const PocketPlace right = {"right", 0.9647, 0, &pocketRightHitCount};
const PocketPlace top = {"top", 0, 0.9647, &pocketTopHitCount};

class Potting : public InPlay {
protected:
    // A disc shot at speed 0.006 straight at the pocket's centre, `away`
    // short of it, after a touch by the ship.
    void shootAt(const PocketPlace &pocket, double away)
    {
        const double length = std::hypot(pocket.x, pocket.y);
        discx = pocket.x - away * pocket.x / length;
        discy = pocket.y - away * pocket.y / length;
        discxo = 0.006 * pocket.x / length;
        discyo = 0.006 * pocket.y / length;
        pottable = true;
    }

    void expectNoPot(float x, float y)
    {
        EXPECT_EQ(hit, 0);
        EXPECT_EQ(booster, 200);
        EXPECT_EQ(inPocket, 0);
        EXPECT_EQ(discx, x);
        EXPECT_EQ(discy, y);
    }
};

TEST_F(Potting, DiscAtShotSpeedIsPotted)
{
    const struct {
        const PocketPlace &pocket;
        float gamespeed;
        int inPocket;
    } cases[] = {
        {right, 1, 100}, {right, 1.5f, 66}, {right, 0.75f, 133},
        {left, 1, 100}, {top, 1, 100}, {top, 0, INT_MAX},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.pocket.name << " pocket, gamespeed " << c.gamespeed);
        resetVars();
        gamespeed = c.gamespeed;
        pocketLeftHitCount = 1;
        pocketRightHitCount = 1;
        pocketTopHitCount = 1;
        *c.pocket.hitCount = 0;
        shootAt(c.pocket, 0.03);
        const float vx = discxo;
        const float vy = discyo;
        potDisc();
        EXPECT_TRUE(takingShot);
        EXPECT_EQ(*c.pocket.hitCount, 1);
        EXPECT_EQ(pocketLeftHitCount + pocketRightHitCount + pocketTopHitCount, 1);
        EXPECT_EQ(inPocket, c.inPocket);
        EXPECT_EQ(booster, 250);
        EXPECT_EQ(hit, 1);
        EXPECT_FALSE(pottable);
        EXPECT_EQ(discx, float(c.pocket.x));
        EXPECT_EQ(discy, float(c.pocket.y));
        EXPECT_EQ(discxo, vx);
        EXPECT_EQ(discyo, vy);
    }
}

TEST_F(Potting, DiscWithinOneTwentyFourthOfTheCentre)
{
    shootAt(right, 0.0416);
    potDisc();
    EXPECT_EQ(hit, 1);

    SetUp();
    shootAt(right, 0.0417);
    const float x = discx;
    potDisc();
    expectNoPot(x, 0);
}

TEST_F(Potting, NoPotWithoutTouchSpeedOrRoom)
{
    const struct {
        const char *why;
        bool pottable;
        float speed;
        int rightHitCount;
    } cases[] = {
        {"not touched since the last pot", false, 0.006f, 0},
        {"slowed by a rebound", true, 0.006f / 1.4f, 0},
        {"two pots in a row already", true, 0.006f, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        SetUp();
        shootAt(right, 0.01);
        pottable = c.pottable;
        discxo = c.speed;
        pocketRightHitCount = c.rightHitCount;
        const float x = discx;
        potDisc();
        expectNoPot(x, 0);
        EXPECT_EQ(takingShot, c.speed == 0.006f);
        EXPECT_EQ(pocketRightHitCount, c.rightHitCount);
        EXPECT_EQ(pottable, c.pottable);
    }
}

TEST_F(Potting, TwoInARowShutsAPocketAndOpensTheOthers)
{
    pocketLeftHitCount = 1;
    pocketRightHitCount = 0;
    pocketTopHitCount = 2;
    shootAt(left, 0.02);
    potDisc();
    EXPECT_EQ(pocketLeftHitCount, 2);
    EXPECT_EQ(pocketRightHitCount, 0);
    EXPECT_EQ(pocketTopHitCount, 0);

    // Touched again where it rests, the disc is refused by the full pocket.
    pottable = true;
    potDisc();
    EXPECT_EQ(hit, 1);
    EXPECT_EQ(pocketLeftHitCount, 2);

    shootAt(top, 0.02);
    potDisc();
    EXPECT_EQ(hit, 2);
    EXPECT_EQ(pocketLeftHitCount, 0);
    EXPECT_EQ(pocketTopHitCount, 1);
}

TEST_F(Potting, ShotFlagFollowsTheSpeed)
{
    const struct {
        float vx, vy;
        bool takingShot;
    } cases[] = {
        {0.006f, 0, true}, {0, -0.006f, true}, {0.0055f, 0, true}, {0.0054f, 0, false},
        {0.0039f, 0.0039f, true}, {0.0038f, 0.0038f, false}, {0, 0, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "velocity (" << c.vx << ", " << c.vy << ")");
        discxo = c.vx;
        discyo = c.vy;
        potDisc();
        EXPECT_EQ(takingShot, c.takingShot);
    }
}

// The push of one pocket on one velocity component, worked out as the game
// does: in double, stored as a float.
float pushed(float thrust, double centre, float ship, float d)
{
    return double(thrust) - (centre - double(ship)) / std::pow(d, 3) / 200000 * gamespeed;
}

using PocketPush = InPlay;

TEST_F(PocketPush, PushesTheShipAwayFromTheCentre)
{
    const struct {
        const PocketPlace &pocket;
        float x, y, gamespeed;
        float xthrust, ythrust;
    } cases[] = {
        {left, -0.7647f, 0, 1, 0, 0},
        {top, 0, 0.8f, 1, 0, 0},
        {right, 0.8f, 0.1f, 2, 0.001f, -0.0005f},
        {top, -0.1f, 1.05f, 0.5f, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "ship at (" << c.x << ", " << c.y << ")");
        SetUp();
        gamespeed = c.gamespeed;
        shipx = c.x;
        shipy = c.y;
        shipxthrust = c.xthrust;
        shipythrust = c.ythrust;
        pushShipFromPockets();
        const float d = getDistance(c.x, c.y, c.pocket.x, c.pocket.y);
        EXPECT_EQ(shipxthrust, pushed(c.xthrust, c.pocket.x, c.x, d));
        EXPECT_EQ(shipythrust, pushed(c.ythrust, c.pocket.y, c.y, d));
    }
}

TEST_F(PocketPush, StrengthFallsWithTheSquareOfTheDistance)
{
    shipx = -0.7647f;
    shipy = 0;
    pushShipFromPockets();
    EXPECT_NEAR(shipxthrust, 0.000125, 1e-10);
    EXPECT_EQ(shipythrust, 0);

    SetUp();
    shipx = 0;
    shipy = 0.8f;
    pushShipFromPockets();
    EXPECT_EQ(shipxthrust, 0);
    EXPECT_NEAR(shipythrust, -0.000184, 1e-6);
}

TEST_F(PocketPush, NoPushBeyondAQuarter)
{
    const float places[][2] = {{-0.7047f, 0}, {0.7047f, 0}, {0, 0.7047f}, {0.2f, 0.8f}};
    for (const auto &place : places) {
        SCOPED_TRACE(testing::Message() << "ship at (" << place[0] << ", " << place[1] << ")");
        shipx = place[0];
        shipy = place[1];
        pushShipFromPockets();
        EXPECT_EQ(shipxthrust, 0);
        EXPECT_EQ(shipythrust, 0);
    }
}

TEST_F(PocketPush, ShipOnACentreStaysFinite)
{
    for (const PocketPlace &pocket : {left, right, top}) {
        SCOPED_TRACE(pocket.name);
        shipx = pocket.x;
        shipy = pocket.y;
        shipxthrust = 0.001f;
        shipythrust = -0.002f;
        pushShipFromPockets();
        EXPECT_EQ(shipxthrust, 0.001f);
        EXPECT_EQ(shipythrust, -0.002f);
    }
}

} // namespace
