#include "tests/presentation/drawing_fixture.h"

#include <GL/gl.h>
#include <cmath>
#include <unistd.h>

#include "controls/keyboard.h"
#include "core/camera.h"
#include "core/game_state.h"
#include "presentation/texture_table.h"

void Drawing::SetUp()
{
    openGameWindow();
    resetVars();
    releaseAllKeys();
    fps = 100;
    gamespeed = 1;
}

void Drawing::TearDown()
{
    releaseAllKeys();
}

void TexturedDrawing::SetUp()
{
    Drawing::SetUp();
    static bool loaded = false;
    if (loaded)
        return;
    if (access("back.raw", R_OK) != 0)
        GTEST_SKIP() << "the game's images are not in the working directory";
    textureNum = 0;
    loadTextures();
    loaded = true;
}

void Drawing::startFrame()
{
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    orientMe();
}

// Window column or row of a world coordinate, the camera at camera.
static double windowPixel(float world, float camera, int size)
{
    return (double(world) - camera + 1) / 2 * size;
}

void Drawing::expectWithin(const PixelBox &box, float left, float bottom, float right, float top)
{
    ASSERT_GT(box.count, 0) << "nothing drawn";
    EXPECT_GE(box.left, std::floor(windowPixel(left, camx, 512)) - 1);
    EXPECT_LE(box.right, std::ceil(windowPixel(right, camx, 512)) + 1);
    EXPECT_GE(box.bottom, std::floor(windowPixel(bottom, camy, 512)) - 1);
    EXPECT_LE(box.top, std::ceil(windowPixel(top, camy, 512)) + 1);
}
