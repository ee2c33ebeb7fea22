// resetVars puts one game back to its start values and leaves the kept
// variables alone.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>

#include "core/game_state.h"

namespace {

struct FloatStart {
    const char *name;
    float *variable;
    float start;
};

struct IntStart {
    const char *name;
    int *variable;
    int start;
};

struct BoolStart {
    const char *name;
    bool *variable;
    bool start;
};

const FloatStart resetFloats[] = {
    {"camx", &camx, 0}, {"camy", &camy, 0}, {"camz", &camz, 0},
    {"ax", &ax, 0}, {"ay", &ay, 0}, {"az", &az, -1},
    {"deg", &deg, 0.0174532924f},
    {"shipx", &shipx, 0}, {"shipy", &shipy, -0.5f},
    {"shipangle", &shipangle, 0},
    {"shipxthrust", &shipxthrust, 0}, {"shipythrust", &shipythrust, 0},
    {"thrust", &thrust, 25000}, {"power", &power, 1}, {"booster", &booster, 200},
    {"shipAngleFromDisc", &shipAngleFromDisc, 0},
    {"discx", &discx, 0}, {"discy", &discy, 0},
    {"discxo", &discxo, 0}, {"discyo", &discyo, 0}, {"discangle", &discangle, 0},
    {"enemyx", &enemyx, 0}, {"enemyy", &enemyy, 0.5f}, {"enemyangle", &enemyangle, 0},
    {"enemyspeed", &enemyspeed, 1}, {"enemySpeedupRate", &enemySpeedupRate, 0.0002f},
    {"platformRotation", &platformRotation, 0}, {"prs", &prs, 0},
    {"platformRotationSpeed", &platformRotationSpeed, 0.01f},
    {"rotd", &rotd, 0}, {"roto", &roto, 0},
    {"planetx", &planetx, -2.5f}, {"planety", &planety, -2.85f},
    {"planetx2", &planetx2, 0.5f}, {"planety2", &planety2, 2},
    {"planetx3", &planetx3, -4}, {"planety3", &planety3, 1.5f},
};

const IntStart resetInts[] = {
    {"frame", &frame, 0},
    {"shipAimRotDirection", &shipAimRotDirection, 1},
    {"inPocket", &inPocket, 0},
    {"pocketLeftHitCount", &pocketLeftHitCount, 0},
    {"pocketRightHitCount", &pocketRightHitCount, 0},
    {"pocketTopHitCount", &pocketTopHitCount, 0},
    {"gameOverCountDown", &gameOverCountDown, 500},
    {"hit", &hit, 0},
};

const BoolStart resetBools[] = {
    {"shipAim", &shipAim, false}, {"kdown", &kdown, false},
    {"takingShot", &takingShot, false}, {"pottable", &pottable, false},
    {"intro", &intro, true}, {"gameover", &gameover, false},
    {"warning", &warning, false}, {"gameoverStart", &gameoverStart, false},
};

bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The game's variables as the program found them, taken before any test runs.
struct Snapshot {
    float floats[std::size(resetFloats)];
    int ints[std::size(resetInts)];
    bool bools[std::size(resetBools)];
    float changeGameSpeed, fps, gamespeed;
    int timebase;
    bool starfield;
};

Snapshot takeSnapshot()
{
    Snapshot s{};
    for (std::size_t i = 0; i < std::size(resetFloats); ++i)
        s.floats[i] = *resetFloats[i].variable;
    for (std::size_t i = 0; i < std::size(resetInts); ++i)
        s.ints[i] = *resetInts[i].variable;
    for (std::size_t i = 0; i < std::size(resetBools); ++i)
        s.bools[i] = *resetBools[i].variable;
    s.changeGameSpeed = changeGameSpeed;
    s.fps = fps;
    s.gamespeed = gamespeed;
    s.timebase = timebase;
    s.starfield = starfield;
    return s;
}

const Snapshot atProgramStart = takeSnapshot();

} // namespace

TEST(ResetVars, StartValuesHoldAtProgramStart)
{
    for (std::size_t i = 0; i < std::size(resetFloats); ++i)
        EXPECT_TRUE(sameBits(atProgramStart.floats[i], resetFloats[i].start)) << resetFloats[i].name;
    for (std::size_t i = 0; i < std::size(resetInts); ++i)
        EXPECT_EQ(atProgramStart.ints[i], resetInts[i].start) << resetInts[i].name;
    for (std::size_t i = 0; i < std::size(resetBools); ++i)
        EXPECT_EQ(atProgramStart.bools[i], resetBools[i].start) << resetBools[i].name;
    EXPECT_EQ(atProgramStart.changeGameSpeed, 120.0f);
    EXPECT_EQ(atProgramStart.fps, 100.0f);
    EXPECT_EQ(atProgramStart.gamespeed, 0.0f);
    EXPECT_EQ(atProgramStart.timebase, -1);
    EXPECT_TRUE(atProgramStart.starfield);
}

TEST(ResetVars, RestoresEveryResetVariableBitForBit)
{
    for (const FloatStart &v : resetFloats)
        *v.variable = 12345.678f;
    for (const IntStart &v : resetInts)
        *v.variable = -77;
    for (const BoolStart &v : resetBools)
        *v.variable = !v.start;

    resetVars();

    for (const FloatStart &v : resetFloats)
        EXPECT_TRUE(sameBits(*v.variable, v.start)) << v.name << " = " << *v.variable;
    for (const IntStart &v : resetInts)
        EXPECT_EQ(*v.variable, v.start) << v.name;
    for (const BoolStart &v : resetBools)
        EXPECT_EQ(*v.variable, v.start) << v.name;
}

TEST(ResetVars, SingleFloatStartValuesAreTheNearestFloats)
{
    resetVars();
    EXPECT_EQ(double(planety), double(-2.85f));
    EXPECT_NE(double(planety), -2.85);
    EXPECT_EQ(double(enemySpeedupRate), double(0.0002f));
    EXPECT_EQ(double(platformRotationSpeed), double(0.01f));
    EXPECT_EQ(double(deg), double(float(3.14159265358979323846 / 180)));
}

TEST(ResetVars, LeavesTheKeptVariablesAlone)
{
    fps = 61.5f;
    gamespeed = 1.95f;
    timebase = 4321;
    mytime = 4400;
    myframe = 7;
    changeGameSpeed = 60;
    starfield = false;
    KeyDown[' '] = true;
    KeyDown['l'] = true;
    texName[3] = 99;
    textureNum = 14;
    timeSinceLastReboundA = 5;
    timeSinceLastReboundB = 0;
    timeSinceLastReboundC = 1;
    timeSinceLastReboundD = 123456;

    resetVars();

    EXPECT_EQ(fps, 61.5f);
    EXPECT_EQ(gamespeed, 1.95f);
    EXPECT_EQ(timebase, 4321);
    EXPECT_EQ(mytime, 4400);
    EXPECT_EQ(myframe, 7);
    EXPECT_EQ(changeGameSpeed, 60.0f);
    EXPECT_FALSE(starfield);
    EXPECT_TRUE(KeyDown[' ']) << "space held through the reset starts the next game";
    EXPECT_TRUE(KeyDown['l']);
    EXPECT_EQ(texName[3], 99u);
    EXPECT_EQ(textureNum, 14);
    EXPECT_EQ(timeSinceLastReboundA, 5);
    EXPECT_EQ(timeSinceLastReboundB, 0);
    EXPECT_EQ(timeSinceLastReboundC, 1);
    EXPECT_EQ(timeSinceLastReboundD, 123456);

    changeGameSpeed = 120;
    starfield = true;
    KeyDown[' '] = false;
    KeyDown['l'] = false;
}
