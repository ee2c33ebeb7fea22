#include "core/camera.h"

#include <GL/glu.h>

#include "core/game_state.h"

void orientMe()
{
    glLoadIdentity();
    gluLookAt(camx, camy, camz,
              double(camx) + ax, double(camy) + ay, double(camz) + az,
              0.0, 1.0, 0.0);
}
