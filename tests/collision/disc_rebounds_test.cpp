#include <climits>

#include "collision_fixture.h"
#include "simulation/disc_rebounds.h"

namespace {

// One rebound's damping, worked out as the game does: in double, stored as a
// float.
float damped(float v)
{
    return double(v) / 1.4f;
}

struct Rebound {
    const char *wall;
    float x, y;     // the disc
    float vx, vy;   // its velocity before the tick
    float nvx, nvy; // and after
};

void place(const Rebound &r)
{
    discx = r.x;
    discy = r.y;
    discxo = r.vx;
    discyo = r.vy;
}

using DiscRebounds = InPlay;

TEST_F(DiscRebounds, StraightWallsTurnTheVelocityBackOntoTheBoard)
{
    const Rebound cases[] = {
        {"left", -0.99f, 0.1f, -0.006f, 0.001f, damped(0.006f), damped(0.001f)},
        {"left, already moving back", -0.99f, 0.1f, 0.006f, 0.001f, damped(0.006f), damped(0.001f)},
        {"right", 0.99f, -0.1f, 0.006f, -0.002f, -damped(0.006f), damped(-0.002f)},
        {"top", 0.2f, 0.98f, 0.001f, 0.006f, damped(0.001f), -damped(0.006f)},
        {"bottom", -0.5f, -0.79f, -0.001f, -0.006f, damped(-0.001f), damped(0.006f)},
        // The walls lie 0.03f, not 0.03, inside the edges, and the float
        // nearest 0.97 lies beyond them.
        {"left, on the float -0.97", -0.97f, 0, -0.006f, 0, damped(0.006f), 0},
        {"right, on the float 0.97", 0.97f, 0, 0.006f, 0, -damped(0.006f), 0},
        {"top, on the float 0.97", 0, 0.97f, 0, 0.006f, 0, -damped(0.006f)},
        {"bottom, on the float -0.7825", 0, -0.7825f, 0, -0.006f, 0, damped(0.006f)},
        {"none, inside", -0.96f, 0.1f, -0.006f, 0.001f, -0.006f, 0.001f},
        {"none, below the bottom wall's ends", 0.516f, -0.79f, 0, -0.006f, 0, -0.006f},
        {"none, the float 0.344 lies above the left wall's reach", -0.99f, 0.344f, -0.006f, 0, -0.006f, 0},
    };
    for (const Rebound &c : cases) {
        SCOPED_TRACE(c.wall);
        SetUp();
        place(c);
        reboundDisc();
        EXPECT_EQ(discxo, c.nvx);
        EXPECT_EQ(discyo, c.nvy);
    }
}

TEST_F(DiscRebounds, StraightWallReboundsInEveryTickBeyondIt)
{
    discx = 0.99f;
    discxo = 0.006f;
    float speed = 0.006f;
    for (int tick = 0; tick < 3; ++tick) {
        reboundDisc();
        speed = damped(speed);
        EXPECT_EQ(discxo, -speed);
    }
}

struct CornerRebound {
    Rebound r;
    int *timeSinceLastRebound;
};

const CornerRebound cornerRebounds[] = {
    {{"A, top-left", -0.5f, 0.9f, -0.003f, 0.002f, damped(0.002f), -damped(0.003f)}, &timeSinceLastReboundA},
    {{"B, top-right", 0.35f, 0.98f, 0.001f, 0.006f, -damped(0.006f), -damped(0.001f)}, &timeSinceLastReboundB},
    {{"C, bottom-left", -0.6f, -0.75f, -0.004f, -0.002f, damped(0.002f), damped(0.004f)}, &timeSinceLastReboundC},
    {{"D, bottom-right", 0.6f, -0.72f, 0.004f, -0.001f, -damped(0.001f), damped(0.004f)}, &timeSinceLastReboundD},
};

TEST_F(DiscRebounds, CornerWallsSwapTheDampedComponents)
{
    for (const CornerRebound &c : cornerRebounds) {
        SCOPED_TRACE(c.r.wall);
        *c.timeSinceLastRebound = 2;
        place(c.r);
        reboundDisc();
        EXPECT_EQ(discxo, c.r.nvx);
        EXPECT_EQ(discyo, c.r.nvy);
        EXPECT_EQ(*c.timeSinceLastRebound, 1);
    }
}

TEST_F(DiscRebounds, CornerWallReboundsAtMostEverySecondTick)
{
    for (const CornerRebound &c : cornerRebounds) {
        SCOPED_TRACE(c.r.wall);
        *c.timeSinceLastRebound = 0;
        place(c.r);
        reboundDisc(); // shut: the timer is 0
        EXPECT_EQ(discxo, c.r.vx);
        EXPECT_EQ(discyo, c.r.vy);
        reboundDisc(); // shut: the timer is 1
        EXPECT_EQ(discxo, c.r.vx);
        EXPECT_EQ(discyo, c.r.vy);
        reboundDisc();
        EXPECT_EQ(discxo, c.r.nvx);
        EXPECT_EQ(discyo, c.r.nvy);
        const float vx = discxo;
        const float vy = discyo;
        reboundDisc(); // shut again for the tick after its rebound
        EXPECT_EQ(discxo, vx);
        EXPECT_EQ(discyo, vy);
    }
}

TEST_F(DiscRebounds, BottomLeftWallLiesOutsideTheShipsEdge)
{
    timeSinceLastReboundC = 2;
    discxo = -0.004f;
    discyo = -0.002f;
    discx = -0.6f;
    discy = -0.74f;
    reboundDisc();
    EXPECT_EQ(discxo, -0.004f);
    EXPECT_EQ(discyo, -0.002f);
}

TEST_F(DiscRebounds, TimersCountEveryTickAndStopAtTheTop)
{
    timeSinceLastReboundA = INT_MAX;
    timeSinceLastReboundB = INT_MAX - 1;
    timeSinceLastReboundC = 0;
    timeSinceLastReboundD = 5;
    reboundDisc();
    reboundDisc();
    EXPECT_EQ(timeSinceLastReboundA, INT_MAX);
    EXPECT_EQ(timeSinceLastReboundB, INT_MAX);
    EXPECT_EQ(timeSinceLastReboundC, 2);
    EXPECT_EQ(timeSinceLastReboundD, 7);
}

} // namespace
