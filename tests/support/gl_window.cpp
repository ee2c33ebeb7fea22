#include "tests/support/gl_window.h"

#include <GL/freeglut.h>
#include <cstdlib>
#include <stdexcept>

static void drawNothing()
{
}

void openGameWindow()
{
    static bool open = false;
    if (open)
        return;
    open = true;

    static char program[] = "mollibek-test";
    static char *argv[] = {program, nullptr};
    int argc = 1;
    glutInit(&argc, argv);
    glutInitWindowSize(512, 512);
    glutInitWindowPosition(10, 10);
    glutInitDisplayMode(GLUT_DOUBLE);
    glutCreateWindow("Mollibek");
    // Until a test registers the game's own, so that events can be handled.
    glutDisplayFunc(drawNothing);
    // Let the window map and take its size before anything is drawn.
    glutMainLoopEvent();
}

Rgb BackBuffer::at(int x, int y) const
{
    if (x < 0 || x >= width || y < 0 || y >= height)
        throw std::out_of_range("pixel outside the window");
    std::size_t first = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[first], rgb[first + 1], rgb[first + 2]};
}

BackBuffer readBackBuffer()
{
    BackBuffer buffer;
    buffer.width = glutGet(GLUT_WINDOW_WIDTH);
    buffer.height = glutGet(GLUT_WINDOW_HEIGHT);
    buffer.rgb.resize(static_cast<std::size_t>(buffer.width) * buffer.height * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, buffer.width, buffer.height, GL_RGB, GL_UNSIGNED_BYTE, buffer.rgb.data());
    return buffer;
}

void PixelBox::add(int x, int y)
{
    if (count == 0) {
        left = right = x;
        bottom = top = y;
    } else {
        left = x < left ? x : left;
        right = x > right ? x : right;
        bottom = y < bottom ? y : bottom;
        top = y > top ? y : top;
    }
    count++;
}

PixelBox differences(const BackBuffer &a, const BackBuffer &b, int tolerance)
{
    if (a.width != b.width || a.height != b.height)
        throw std::invalid_argument("readings of different sizes");
    PixelBox box;
    for (int y = 0; y < a.height; y++) {
        for (int x = 0; x < a.width; x++) {
            Rgb p = a.at(x, y);
            Rgb q = b.at(x, y);
            if (std::abs(p.red - q.red) > tolerance || std::abs(p.green - q.green) > tolerance
                || std::abs(p.blue - q.blue) > tolerance)
                box.add(x, y);
        }
    }
    return box;
}
