#include "presentation/scene.h"

#include <GL/gl.h>

#include "core/game_state.h"
#include "presentation/exhaust_flames.h"
#include "presentation/planets.h"
#include "presentation/pocket_pictures.h"
#include "presentation/standard_quad.h"
#include "presentation/texture_table.h"

static void bindSlot(int slot)
{
    glBindTexture(GL_TEXTURE_2D, texName[slot]);
}

static void drawPicture(int slot, float halfSize)
{
    bindSlot(slot);
    drawQuad(halfSize, halfSize);
}

// A body at (x, y) turned clockwise by angle degrees.
static void drawBody(float x, float y, float angle, int slot, float halfSize)
{
    glPushMatrix();
    glTranslatef(x, y, 0);
    glRotatef(-angle, 0, 0, 1);
    drawPicture(slot, halfSize);
    glPopMatrix();
}

void drawTitleScreen()
{
    drawPicture(titleSlot, 1);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

// Ten units square around (shipx, shipy / 2), the star picture repeated five
// times each way: the stars keep still sideways on screen and slide against
// the ship's climb at half its speed.
static void drawStarLayer()
{
    float left = double(shipx) - 5;
    float right = double(shipx) + 5;
    float bottom = double(shipy) / 2 - 5;
    float top = double(shipy) / 2 + 5;
    bindSlot(starsSlot);
    glBegin(GL_POLYGON);
    glTexCoord2f(0, 1);
    glVertex2f(left, bottom);
    glTexCoord2f(0, -4);
    glVertex2f(left, top);
    glTexCoord2f(5, -4);
    glVertex2f(right, top);
    glTexCoord2f(5, 1);
    glVertex2f(right, bottom);
    glEnd();
}

// The planets spin with the frame count, not the game's time scale.
static void drawPlanets()
{
    for (int planet = 0; planet < planetCount; planet++) {
        if (!planetShows(planet))
            continue;
        glPushMatrix();
        glTranslatef(*planets[planet].x, *planets[planet].y, 0);
        glRotatef(frame / 8.0, 0, 0, 1);
        drawPicture(planets[planet].slot, planets[planet].halfSize);
        glPopMatrix();
    }
}

// In the ship's frame. Each flame moves on from where the one before it
// sits, so a second flame lies behind the first.
static void drawExhaustFlames()
{
    for (int flame = 0; flame < flameCount; flame++) {
        if (!flameShows(flame))
            continue;
        glTranslatef(0, flames[flame].step, 0);
        bindSlot(exhaustSlot);
        drawQuad(flames[flame].halfWidth, flames[flame].halfHeight);
    }
}

static void drawPlatform()
{
    glPushMatrix();
    glRotatef(-platformRotation, 0, 0, 1);
    drawPicture(platformSlot, 1);
    glPopMatrix();
}

static void drawShip()
{
    glPushMatrix();
    glTranslatef(shipx, shipy, 0);
    glRotatef(-shipangle, 0, 0, 1);
    drawPicture(shipSlot, 0.125f);
    drawExhaustFlames();
    glPopMatrix();
}

// The pockets stay put while the platform turns beneath them.
static void drawPocket(float x, float y, int hitCount)
{
    glPushMatrix();
    glTranslatef(x, y, 0);
    drawPicture(pocketSlot(hitCount), 0.125f);
    glPopMatrix();
}

// Back to front, no depth buffer: the pockets lie over everything, a disc
// resting in one showing through its picture.
void drawScene()
{
    if (starfield)
        drawStarLayer();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    drawPlanets();
    drawPicture(boardSlot, 1);
    drawPlatform();
    drawBody(discx, discy, discangle, discSlot, 0.0625f);
    drawShip();
    drawBody(enemyx, enemyy, enemyangle, enemySlot, 0.125f);
    drawPocket(-0.9647f, 0, pocketLeftHitCount);
    drawPocket(0.9647f, 0, pocketRightHitCount);
    drawPocket(0, 0.9647f, pocketTopHitCount);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}
