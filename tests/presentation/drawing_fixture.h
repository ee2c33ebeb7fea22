// Drawing tests in the game's window: a frame started as the game starts
// one, the real textures, and where world rectangles land on screen.
#ifndef MOLLIBEK_TESTS_PRESENTATION_DRAWING_FIXTURE_H
#define MOLLIBEK_TESTS_PRESENTATION_DRAWING_FIXTURE_H

#include <gtest/gtest.h>

#include "tests/support/gl_window.h"

// Opens the window and starts every test from the start values, no keys
// held, the camera at (camx, camy) = (0, 0).
class Drawing : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;


    // As a frame of the game begins: cleared, texturing on in replace mode;
    // then the camera is placed on (camx, camy).
    static void startFrame();

    // Expects every pixel of the box to lie within the world rectangle (one
    // pixel of slack for rasterising), seen from (camx, camy).
    static void expectWithin(const PixelBox &box, float left, float bottom, float right, float top);
};

// The same with the game's images loaded into their slots (once per
// program); skips the test when they are not in the working directory.
class TexturedDrawing : public Drawing {
protected:
    void SetUp() override;
};

#endif
