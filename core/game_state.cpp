#include "core/game_state.h"

float changeGameSpeed = 120;
float fps = 100;
float gamespeed = 0;
int timebase = -1;
int mytime = 0;
int myframe = 0;
int frame = 0;

float camx = 0, camy = 0;
float camz = 0;
float ax = 0, ay = 0, az = -1;

float shipx = 0, shipy = -0.5f;
float shipangle = 0;
float shipxthrust = 0, shipythrust = 0;
float thrust = 25000;
float power = 1;
float booster = 200;
bool shipAim = false;
int shipAimRotDirection = 1;
float shipAngleFromDisc = 0;
bool kdown = false;

float discx = 0, discy = 0;
float discxo = 0, discyo = 0;
float discangle = 0;
bool takingShot = false;
bool pottable = false;
int inPocket = 0;

float enemyx = 0, enemyy = 0.5f;
float enemyangle = 0;
float enemyspeed = 1;
float enemySpeedupRate = 0.0002f;

float platformRotation = 0;
float prs = 0;
float platformRotationSpeed = 0.01f;
float rotd = 0;
float roto = 0;
int pocketLeftHitCount = 0, pocketRightHitCount = 0, pocketTopHitCount = 0;
int timeSinceLastReboundA = 0, timeSinceLastReboundB = 0, timeSinceLastReboundC = 0, timeSinceLastReboundD = 0;

float planetx = -2.5f, planety = -2.85f;
float planetx2 = 0.5f, planety2 = 2;
float planetx3 = -4, planety3 = 1.5f;
bool starfield = true;

bool intro = true;
bool gameover = false;
bool warning = false;
bool gameoverStart = false;
int gameOverCountDown = 500;
int hit = 0;

bool KeyDown[256] = {};
unsigned int texName[15] = {};
int textureNum = 0;

float deg = 0.0174532924f;
