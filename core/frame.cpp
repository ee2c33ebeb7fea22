#include "core/frame.h"

#include <GL/glut.h>

#include "core/frame_rate.h"
#include "core/game_flow.h"
#include "core/game_state.h"
#include "presentation/hud.h"
#include "presentation/scene.h"

void drawFrame(int elapsedMs)
{
    frame = frame + 1;
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    measureFrameRate(elapsedMs);

    if (intro) {
        drawTitleScreen();
        drawTitlePrompt();
        return;
    }

    drawScene();
    renewGameSpeed();
    drawStatusLines();
    if (warning)
        drawWarning();
    if (doublePowerShows()) {
        drawDoublePowerMessage();
        power = 2;
    }
    if (gameover) {
        countDownLostShip();
        drawLostTexts();
        finishLostGame();
    }
}

void display()
{
    drawFrame(glutGet(GLUT_ELAPSED_TIME));
    glutSwapBuffers();
}
