// Mollibek: a ship, a swinging board, a disc, three pockets and an enemy.
#include <GL/glut.h>

#include "controls/keyboard.h"
#include "core/game_state.h"
#include "core/frame.h"
#include "core/tick.h"
#include "presentation/texture_table.h"

int main(int argc, char **argv)
{
    glutInit(&argc, argv);
    glutInitWindowSize(512, 512);
    glutInitWindowPosition(10, 10);
    glutInitDisplayMode(GLUT_DOUBLE);
    glutCreateWindow("Mollibek");

    loadTextures();

    releaseAllKeys();

    glutKeyboardFunc(keyboard);
    glutKeyboardUpFunc(keyboardUp);
    glutIdleFunc(idle);
    // freeglut refuses to enter its loop without a display callback; the tick
    // registers the same one again on every call.
    glutDisplayFunc(display);
    glutMainLoop();
    return 0;
}
