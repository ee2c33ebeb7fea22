// The cost of the game's own frame against the unavoidable fill, and of
// start-up. Runs in a real window (under Xvfb in the tests) from the folder
// that holds the pictures. Usage: frame_bench [--quick]
//
//   start-up    from the start of main to the first frame on screen, as the
//               game does it: toolkit, window, the fourteen texture loads,
//               one frame, the swap
//   loads       the fourteen texture loads against reading the same files
//               with one read call each, and the part of them that is the
//               game's own work (reading and alpha) rather than GL's upload
//   frames      one real frame of play (scene, texts, the frame's rules)
//               against a bare frame that draws the same textured layers
//               with the same GL state; and the title frame against a bare
//               textured square
#include <GL/freeglut.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench_clock.h"
#include "core/camera.h"
#include "core/frame.h"
#include "core/game_state.h"
#include "presentation/standard_quad.h"
#include "presentation/texture_table.h"
#include "presentation/texturing.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct ImageFile {
    const char *name;
    int width, height;
};

// The files of the fourteen loads, in load order.
const ImageFile loads[] = {
    {"back.raw", 512, 512},    {"backspin.raw", 512, 512}, {"ship.raw", 64, 64},
    {"disc.raw", 32, 32},      {"enemy.raw", 64, 64},      {"exhaust.raw", 32, 32},
    {"pocketff.raw", 64, 64},  {"pocketff.raw", 64, 64},   {"pocketff.raw", 64, 64},
    {"pocketff.raw", 64, 64},  {"stars.raw", 512, 512},    {"planet1.raw", 128, 128},
    {"planet2.raw", 256, 256}, {"front.raw", 512, 512},
};

std::vector<unsigned char> readBuffer(512 * 512 * 3);

void readEveryFileInOneCall()
{
    for (const ImageFile &f : loads) {
        std::FILE *file = std::fopen(f.name, "rb");
        if (file == nullptr)
            continue;
        if (std::fread(readBuffer.data(), 1, std::size_t(f.width) * f.height * 3, file) == 0)
            std::fprintf(stderr, "frame_bench: %s is empty\n", f.name);
        std::fclose(file);
    }
}

void barePicture(int slot, float x, float y, float angle, float halfSize)
{
    glBindTexture(GL_TEXTURE_2D, texName[slot]);
    glPushMatrix();
    glTranslatef(x, y, 0);
    glRotatef(-angle, 0, 0, 1);
    drawQuad(halfSize, halfSize);
    glPopMatrix();
}

std::vector<unsigned char> pixelBuffer(512 * 512 * 4);

// The fourteen loads up to the pixel buffer, without the upload to GL.
void buildEveryTexturesPixels()
{
    for (int slot = 0; slot < 14; ++slot)
        loadImagePixels(loads[slot].name, loads[slot].width, loads[slot].height, slot, pixelBuffer.data());
}

void beginBareFrame()
{
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
}

void endFrame()
{
    glutSwapBuffers();
    glFinish();
}

// The layers of a frame of play, with nothing of the game's own around them.
void bareFrameOfPlay()
{
    beginBareFrame();
    glBindTexture(GL_TEXTURE_2D, texName[starsSlot]);
    glBegin(GL_POLYGON);
    glTexCoord2f(0, 1);
    glVertex2f(shipx - 5, shipy / 2 - 5);
    glTexCoord2f(0, -4);
    glVertex2f(shipx - 5, shipy / 2 + 5);
    glTexCoord2f(5, -4);
    glVertex2f(shipx + 5, shipy / 2 + 5);
    glTexCoord2f(5, 1);
    glVertex2f(shipx + 5, shipy / 2 - 5);
    glEnd();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    barePicture(firstPlanetSlot, planetx, planety, frame / 8.0f, 0.25f);
    barePicture(boardSlot, 0, 0, 0, 1);
    barePicture(platformSlot, 0, 0, platformRotation, 1);
    barePicture(discSlot, discx, discy, discangle, 0.0625f);
    barePicture(shipSlot, shipx, shipy, shipangle, 0.125f);
    barePicture(enemySlot, enemyx, enemyy, enemyangle, 0.125f);
    barePicture(pocketRestSlot, -0.9647f, 0, 0, 0.125f);
    barePicture(pocketRestSlot, 0.9647f, 0, 0, 0.125f);
    barePicture(pocketRestSlot, 0, 0.9647f, 0, 0.125f);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    endFrame();
}

void bareTitleFrame()
{
    beginBareFrame();
    barePicture(titleSlot, 0, 0, 0, 1);
    glDisable(GL_TEXTURE_2D);
    endFrame();
}

int elapsed = 0;

void gameFrame()
{
    drawFrame(elapsed += 8);
    endFrame();
}

// A frame of play mid-game, with the first planet in view: it stays put
// between frames, since only ticks move it.
void setUpPlay()
{
    resetVars();
    intro = false;
    gamespeed = 1;
    fps = 120;
    enemyspeed = 3;
    planetx = -0.3f;
    planety = 0.2f;
    shipx = 0.2f;
    shipy = -0.3f;
    shipangle = 30;
    discx = -0.4f;
    discy = 0.1f;
    enemyx = 0.5f;
    enemyy = 0.5f;
    platformRotation = 200;
    orientMe();
}

void setUpTitle()
{
    resetVars();
}

} // namespace

int main(int argc, char **argv)
{
    const auto programStart = Clock::now();
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;

    glutInit(&argc, argv);
    glutInitWindowSize(512, 512);
    glutInitWindowPosition(10, 10);
    glutInitDisplayMode(GLUT_DOUBLE);
    glutCreateWindow("Mollibek");
    const auto loadStart = Clock::now();
    loadTextures();
    const double loadMs = millisecondsSince(loadStart);
    gameFrame();
    const double firstFrameMs = millisecondsSince(programStart);

    const int batches = quick ? 2 : 10;
    const int frames = quick ? 5 : 50;

    const double readMs = bestNanosecondsPerCall(quick ? 1 : 5, 1, [] {}, readEveryFileInOneCall) / 1e6;
    const double pixelsMs = bestNanosecondsPerCall(quick ? 1 : 5, 1, [] {}, buildEveryTexturesPixels) / 1e6;
    const Comparison play = compareBest(batches, frames, setUpPlay, gameFrame, bareFrameOfPlay);
    const Comparison title = compareBest(batches, frames, setUpTitle, gameFrame, bareTitleFrame);

    std::printf("start-up to the first frame  %8.1f ms\n", firstFrameMs);
    std::printf("fourteen texture loads       %8.1f ms   %5.2f x reading the same files in one call each (%.2f ms)\n",
                loadMs, loadMs / readMs, readMs);
    std::printf("  of which reading and alpha %8.1f ms   %5.2f x reading the same files in one call each\n",
                pixelsMs, pixelsMs / readMs);
    std::printf("frame of play                %8.3f ms   %5.2f x the bare textured layers (%.3f ms)\n",
                play.measured / 1e6, play.measured / play.baseline, play.baseline / 1e6);
    std::printf("title frame                  %8.3f ms   %5.2f x the bare title square (%.3f ms)\n",
                title.measured / 1e6, title.measured / title.baseline, title.baseline / 1e6);
    return 0;
}
