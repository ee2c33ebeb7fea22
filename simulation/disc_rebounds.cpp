#include "simulation/disc_rebounds.h"

#include <climits>

#include "core/game_state.h"
#include "simulation/geometry.h"

// The walls lie this far inside the board's edges.
static const float reboundInset = 0.03f;
static const float reboundDamping = 1.4f;

static void damp()
{
    discxo = double(discxo) / reboundDamping;
    discyo = double(discyo) / reboundDamping;
}

// A disc beyond a straight wall rebounds in every tick that it stays there,
// but its velocity across the wall always points back onto the board, so it
// is only slowed again, never sent outward.
static void reboundStraightWalls(double x, double y)
{
    if (-0.344 < y && y < 0.344 && x < -1 + double(reboundInset)) {
        damp();
        discxo = myfabs(discxo);
    }
    if (-0.344 < y && y < 0.344 && x > 1 - double(reboundInset)) {
        damp();
        discxo = -myfabs(discxo);
    }
    if (-0.344 < x && x < 0.344 && y > 1 - double(reboundInset)) {
        damp();
        discyo = -myfabs(discyo);
    }
    if (-0.5156 < x && x < 0.5156 && y < -0.8125 + double(reboundInset)) {
        damp();
        discyo = myfabs(discyo);
    }
}

// A corner wall lies at 45 degrees, so it swaps the damped components, each
// given the sign (xSign, ySign) that points away from the wall.
static void reboundCornerWall(int &timeSinceLastRebound, float xSign, float ySign)
{
    timeSinceLastRebound = 0;
    damp();
    const float vx = discxo;
    discxo = xSign * myfabs(discyo);
    discyo = ySign * myfabs(vx);
}

// A corner wall stays shut for the tick after its rebound, so a disc still
// beyond its line is not turned straight back out.
static void reboundCornerWalls(double x, double y)
{
    if (timeSinceLastReboundA > 1 && x < -0.344 && y > 0.344
        && ((1 - y) - reboundInset) + x < -0.3444)
        reboundCornerWall(timeSinceLastReboundA, 1, -1);
    if (timeSinceLastReboundB > 1 && x > 0.344 && y > 0.344
        && ((1 - x) - reboundInset) + ((1 - y) - reboundInset) < 0.6888)
        reboundCornerWall(timeSinceLastReboundB, -1, -1);
    if (timeSinceLastReboundC > 1 && x < -0.5156 && y < -0.344
        && x + y < -1.3128 - reboundInset)
        reboundCornerWall(timeSinceLastReboundC, 1, 1);
    if (timeSinceLastReboundD > 1 && x > 0.5156 && y < -0.344
        && (1 - x) + y < -0.344 + reboundInset)
        reboundCornerWall(timeSinceLastReboundD, -1, 1);
}

// The timers run for as long as the program does; they stop at the top of
// the int range, where only "more than 1" still matters.
static void countTick(int &timeSinceLastRebound)
{
    if (timeSinceLastRebound < INT_MAX)
        timeSinceLastRebound = timeSinceLastRebound + 1;
}

void reboundDisc()
{
    reboundStraightWalls(discx, discy);
    reboundCornerWalls(discx, discy);
    countTick(timeSinceLastReboundA);
    countTick(timeSinceLastReboundB);
    countTick(timeSinceLastReboundC);
    countTick(timeSinceLastReboundD);
}
