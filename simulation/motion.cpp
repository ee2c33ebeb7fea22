#include "simulation/motion.h"

#include <cmath>

#include "core/camera.h"
#include "core/game_state.h"
#include "simulation/geometry.h"

// A planet drifts only while the level lies strictly between its bounds.
static void driftPlanet(float &x, float &y, double low, double high, double dx, double dy)
{
    if (enemyspeed > low && enemyspeed < high) {
        x = double(x) + dx * gamespeed;
        y = double(y) + dy * gamespeed;
    }
}

static void driftPlanets()
{
    driftPlanet(planetx, planety, 2.5, 3.6, 0.001, 0.001);
    driftPlanet(planetx2, planety2, 5.4, 6.5, 0.0003, -0.0012);
    driftPlanet(planetx3, planety3, 8, 9.2, 0.0015, -0.000375);
}

// The board swings from 0 to four turns and back once per 180 degrees of
// phase. The rotation is taken from the phase before it advances, so it lags
// the phase by one tick; while the ship aims the phase stands still.
static void turnBoard()
{
    platformRotation = 1440 * std::pow(std::sin(double(prs) * deg), 2);
    rotd = double(platformRotation) - roto;
    roto = platformRotation;
    if (!shipAim)
        prs = double(prs) + double(platformRotationSpeed) * gamespeed;
}

static float shipDistanceFromCentre()
{
    return getDistance(0, 0, shipx, shipy);
}

// The turning board carries the ship along the tangent of its circle about
// the centre, by the arc of this tick's turn.
static void carryShip()
{
    const float phi = (double(getAngle(0, 0, shipx, shipy)) + 90) * deg;
    shipx = double(shipx) + double(shipDistanceFromCentre()) * std::sin(double(phi)) * deg * rotd;
    shipy = double(shipy) + double(shipDistanceFromCentre()) * std::cos(double(phi)) * deg * rotd;
}

static void moveShip()
{
    shipx = double(shipx) + double(shipxthrust) * gamespeed;
    shipy = double(shipy) + double(shipythrust) * gamespeed;
}

// d is the ship-enemy distance from the start of the tick. An enemy right
// on the ship has no direction to push in.
static void pushShipFromEnemy(float d)
{
    if (d == 0)
        return;
    shipxthrust = double(shipxthrust) + (double(shipx) - enemyx) / std::pow(d, 3) / 1000000 * gamespeed;
    shipythrust = double(shipythrust) + (double(shipy) - enemyy) / std::pow(d, 3) / 1000000 * gamespeed;
}

// Only the sideways motion is slowed.
static void applyFriction()
{
    shipxthrust = double(shipxthrust) / std::pow(1.002, gamespeed);
}

static void followShip()
{
    camx = shipx;
    camy = shipy;
    orientMe();
}

static void chaseShip(float d)
{
    if (d == 0)
        return;
    enemyx = double(enemyx) + (double(shipx) - enemyx) / d * enemyspeed / 1000 * gamespeed;
    enemyy = double(enemyy) + (double(shipy) - enemyy) / d * enemyspeed / 1000 * gamespeed;
}

static float enemyDistanceFromDisc()
{
    return getDistance(discx, discy, enemyx, enemyy);
}

// The disc keeps the enemy off, harder the nearer it is; an enemy right on
// the disc has no direction to be pushed in.
static void pushEnemyFromDisc()
{
    float r = enemyDistanceFromDisc();
    if (r != 0)
        enemyx = double(enemyx) + (double(enemyx) - discx) / std::pow(r, 3) * (double(enemyspeed) / 2) / 2000 * gamespeed;
    r = enemyDistanceFromDisc();
    if (r != 0)
        enemyy = double(enemyy) + (double(enemyy) - discy) / std::pow(r, 3) * (double(enemyspeed) / 2) / 2000 * gamespeed;
}

// Spin and chase go at the level of the tick's start, the disc's push at
// the grown level. The level stops growing once the ship is lost.
static void moveEnemy(float d)
{
    enemyangle = double(enemyangle) + double(enemyspeed) * gamespeed;
    chaseShip(d);
    if (!gameover)
        enemyspeed = double(enemyspeed) + double(enemySpeedupRate) * gamespeed;
    pushEnemyFromDisc();
}

static void spinDisc()
{
    if (!shipAim)
        discangle = double(discangle) + double(gamespeed) * 4;
    if (shipAim)
        discangle = double(discangle) + double(gamespeed) * 16;
    if (takingShot)
        discangle = double(discangle) + double(gamespeed) * 64;
}

static void moveDisc()
{
    discx = double(discx) + double(discxo) * gamespeed;
    discy = double(discy) + double(discyo) * gamespeed;
}

static float shipDistanceFromDisc()
{
    return getDistance(discx, discy, shipx, shipy);
}

// One coordinate of an orbit step: the distance r times the sine or cosine
// of the tangent, as half a degree of arc per reference tick in the orbit's
// sense.
static double orbitStep(float r, double sinOrCos)
{
    return double(r) * sinOrCos * deg * 0.5 * shipAimRotDirection * gamespeed;
}

// Disc and ship step in opposite directions along the tangent, so the line
// between them turns about its middle. The straight steps let the distance
// between them creep up.
static void orbitShipAndDisc()
{
    shipAngleFromDisc = (double(getAngle(discx, discy, shipx, shipy)) + 90) * deg;
    const double opposite = double(deg) * 180 + shipAngleFromDisc;
    discx = double(discx) + orbitStep(shipDistanceFromDisc(), std::sin(double(shipAngleFromDisc)));
    discy = double(discy) + orbitStep(shipDistanceFromDisc(), std::cos(double(shipAngleFromDisc)));
    shipx = double(shipx) + orbitStep(shipDistanceFromDisc(), std::sin(opposite));
    shipy = double(shipy) + orbitStep(shipDistanceFromDisc(), std::cos(opposite));
    shipangle = double(shipAngleFromDisc) / deg + 90;
}

void moveObjects()
{
    driftPlanets();
    const float d = getDistance(shipx, shipy, enemyx, enemyy);
    turnBoard();
    carryShip();
    if (!shipAim)
        moveShip();
    pushShipFromEnemy(d);
    if (!shipAim)
        applyFriction();
    followShip();
    if (!shipAim)
        moveEnemy(d);
    spinDisc();
    if (!shipAim && inPocket == 0)
        moveDisc();
    if (shipAim && inPocket == 0)
        orbitShipAndDisc();
    if (inPocket > 0)
        inPocket--;
}
