#include "presentation/hud.h"

#include <GL/freeglut.h>

#include "core/game_state.h"
#include "presentation/hud_text.h"

void renderBitmapString(float x, float y, void *font, const char *string)
{
    // Bitmap fonts belong to the toolkit; without it (the frame's rules run
    // headless) there is no window to write in.
    if (!glutGet(GLUT_INIT_STATE))
        return;
    glRasterPos2f(x, y);
    for (const char *c = string; *c != '\0'; c++)
        glutBitmapCharacter(font, static_cast<unsigned char>(*c));
}

static void setYellow()
{
    glColor3f(1, 1, 0);
}

static void setGreen()
{
    glColor3f(0, 1, 0);
}

static void setOrange()
{
    glColor3f(1, 0.5f, 0);
}

void drawTitlePrompt()
{
    if (!titlePromptShows())
        return;
    setOrange();
    renderBitmapString(double(camx) - 0.27, double(camy) + 0.26, GLUT_BITMAP_HELVETICA_18,
                       " PUSH SPACE TO START!");
}

void drawStatusLines()
{
    char level[hudTextSize];
    char pots[hudTextSize];
    char boosters[hudTextSize];
    char framesPerSecond[hudTextSize];
    formatLevelLine(level, sizeof level);
    formatPotsLine(pots, sizeof pots);
    formatBoostersLine(boosters, sizeof boosters);
    formatFpsLine(framesPerSecond, sizeof framesPerSecond);

    setYellow();
    renderBitmapString(double(camx) - 0.9, double(camy) - 0.85, GLUT_BITMAP_HELVETICA_18, level);
    setYellow();
    renderBitmapString(double(camx) - 0.9, double(camy) - 0.95, GLUT_BITMAP_HELVETICA_18, pots);
    setGreen();
    renderBitmapString(double(camx) + 0.3, double(camy) - 0.85, GLUT_BITMAP_HELVETICA_18, boosters);
    setGreen();
    renderBitmapString(double(camx) + 0.5, double(camy) - 0.95, GLUT_BITMAP_HELVETICA_18, framesPerSecond);
}

void drawWarning()
{
    glColor3f(1, 0, 0);
    renderBitmapString(double(camx) - 0.15, double(camy) + 0.4, GLUT_BITMAP_HELVETICA_18, "WARNING");
}

void drawDoublePowerMessage()
{
    setOrange();
    renderBitmapString(double(camx) - 0.37, double(camy) + 0.26, GLUT_BITMAP_HELVETICA_18,
                       "D O U B L E    P O W E R!");
}

void drawLostTexts()
{
    char level[hudTextSize];
    char pots[hudTextSize];
    formatLostLevelLine(level, sizeof level);
    formatPotsLine(pots, sizeof pots);

    setOrange();
    renderBitmapString(double(camx) - 0.55, double(camy) + 0.35, GLUT_BITMAP_HELVETICA_18, level);
    setOrange();
    renderBitmapString(double(camx) - 0.1, double(camy) + 0.2, GLUT_BITMAP_HELVETICA_12, pots);
}
