// Every variable of the game. All state lives here, at file level, and every
// subsystem reads and writes it directly; nothing is allocated after start-up.
//
// Units: world coordinates span -1..1 over the board, +x right, +y up.
// Headings are degrees, 0 pointing up the screen and growing clockwise, so a
// heading a points along (sin(a * deg), cos(a * deg)). Rates are per
// reference tick; changeGameSpeed reference ticks make one second, and every
// tick scales its rates by gamespeed = changeGameSpeed / fps.
//
// Arithmetic: formulas are worked out in double and narrowed to float only
// when stored. With float operands C++ computes in float, so every formula
// over game variables promotes its first operand, and the first factor of
// every product, with double(...). Conversions to int truncate toward zero
// (truncToInt in core/numeric.h).
#ifndef MOLLIBEK_CORE_GAME_STATE_H
#define MOLLIBEK_CORE_GAME_STATE_H

// Time and frame rate
extern float changeGameSpeed;
extern float fps;
extern float gamespeed;
extern int timebase;
extern int mytime;
extern int myframe;
extern int frame;

// Camera
extern float camx, camy;
extern float camz;
extern float ax, ay, az;

// Ship
extern float shipx, shipy;
extern float shipangle;
extern float shipxthrust, shipythrust;
extern float thrust;
extern float power;
extern float booster;
extern bool shipAim;
extern int shipAimRotDirection;
extern float shipAngleFromDisc;
extern bool kdown;

// Disc
extern float discx, discy;
extern float discxo, discyo;
extern float discangle;
extern bool takingShot;
extern bool pottable;
extern int inPocket;

// Enemy
extern float enemyx, enemyy;
extern float enemyangle;
extern float enemyspeed;
extern float enemySpeedupRate;

// Board and pockets
extern float platformRotation;
extern float prs;
extern float platformRotationSpeed;
extern float rotd;
extern float roto;
extern int pocketLeftHitCount, pocketRightHitCount, pocketTopHitCount;
extern int timeSinceLastReboundA, timeSinceLastReboundB, timeSinceLastReboundC, timeSinceLastReboundD;

// Scenery
extern float planetx, planety;
extern float planetx2, planety2;
extern float planetx3, planety3;
extern bool starfield;

// Game flow
extern bool intro;
extern bool gameover;
extern bool warning;
extern bool gameoverStart;
extern int gameOverCountDown;
extern int hit;

// Input and textures
extern bool KeyDown[256];
extern unsigned int texName[15];
extern int textureNum;

// Conversion factor: pi/180 in single precision
extern float deg;

// Puts one game back to its start values; the kept variables (frame-rate
// measurement, gamespeed, fixed settings, keys, textures, rebound timers)
// are left alone. Ends by placing the camera.
void resetVars();

#endif
