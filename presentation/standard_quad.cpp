#include "presentation/standard_quad.h"

#include <GL/gl.h>

void drawQuad(float halfWidth, float halfHeight)
{
    glBegin(GL_POLYGON);
    glTexCoord2f(0, 1);
    glVertex2f(-halfWidth, -halfHeight);
    glTexCoord2f(0, 0);
    glVertex2f(-halfWidth, halfHeight);
    glTexCoord2f(1, 0);
    glVertex2f(halfWidth, halfHeight);
    glTexCoord2f(1, 1);
    glVertex2f(halfWidth, -halfHeight);
    glEnd();
}
