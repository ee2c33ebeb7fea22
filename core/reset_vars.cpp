#include "core/camera.h"
#include "core/game_state.h"

void resetVars()
{
    camx = 0;
    camy = 0;
    camz = 0;
    ax = 0;
    ay = 0;
    az = -1;

    deg = 0.0174532924f;

    shipx = 0;
    shipy = -0.5f;

    discx = 0;
    discxo = 0;
    discy = 0;
    discyo = 0;
    discangle = 0;

    enemyx = 0;
    enemyy = 0.5f;
    enemyangle = 0;
    enemyspeed = 1;
    enemySpeedupRate = 0.0002f;

    shipxthrust = 0;
    shipythrust = 0;
    thrust = 25000;
    booster = 200;
    power = 1;

    hit = 0;
    frame = 0;
    shipAngleFromDisc = 0;
    shipangle = 0;
    platformRotation = 0;
    platformRotationSpeed = 0.01f;
    prs = 0;

    pocketTopHitCount = 0;
    pocketLeftHitCount = 0;
    pocketRightHitCount = 0;

    planetx = -2.5f;
    planety = -2.85f;
    planetx2 = 0.5f;
    planety2 = 2;
    planetx3 = -4;
    planety3 = 1.5f;

    rotd = 0;
    roto = 0;

    kdown = false;
    shipAim = false;
    pottable = false;
    takingShot = false;
    gameover = false;
    warning = false;
    intro = true;
    gameOverCountDown = 500;
    gameoverStart = false;
    inPocket = 0;
    shipAimRotDirection = 1;

    orientMe();
}
