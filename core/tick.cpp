#include "core/tick.h"

#include <GL/glut.h>

#include "controls/keyboard.h"
#include "core/frame.h"
#include "core/game_flow.h"
#include "core/game_state.h"
#include "simulation/collision.h"
#include "simulation/motion.h"

void tick()
{
    leaveTitleScreen();
    if (!intro) {
        moveObjects();
        collision();
    }
    if (!gameover)
        keys();
}

void idle()
{
    tick();
    // The display callback is (re)registered on every tick; the first tick
    // is what makes it the display callback at all. It touches no game state,
    // so it may follow the keys.
    glutDisplayFunc(display);
    glutPostRedisplay();
}
