// A real game window for tests that draw: the window the game opens, and a
// look at what was drawn into its back buffer before any swap.
#ifndef MOLLIBEK_TESTS_SUPPORT_GL_WINDOW_H
#define MOLLIBEK_TESTS_SUPPORT_GL_WINDOW_H

#include <vector>

// Initialises GLUT with a made-up command line and opens the game's window:
// 512 x 512, double-buffered RGBA without depth, titled "Mollibek", its GL
// context current. Once per program; later calls do nothing.
void openGameWindow();

struct Rgb {
    int red;
    int green;
    int blue;
};

// How many pixels were found and the smallest rectangle that holds them,
// edges included, in window pixels from the bottom left.
struct PixelBox {
    int count = 0;
    int left = 0;
    int bottom = 0;
    int right = -1;
    int top = -1;

    void add(int x, int y);
};

// The window's pixels, bottom row first as GL reads them.
struct BackBuffer {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;

    // Pixel at column x from the left and row y from the bottom.
    Rgb at(int x, int y) const;
    // The pixels of the whole window that pass the test.
    template <typename Test>
    PixelBox where(Test test) const
    {
        return whereIn(0, 0, width, height, test);
    }
    // The pixels in columns x0 to x1 - 1 and rows y0 to y1 - 1 that pass.
    template <typename Test>
    PixelBox whereIn(int x0, int y0, int x1, int y1, Test test) const
    {
        PixelBox box;
        for (int y = y0; y < y1; y++)
            for (int x = x0; x < x1; x++)
                if (test(at(x, y)))
                    box.add(x, y);
        return box;
    }
};

// The pixels in which two readings differ by more than tolerance in any
// channel.
PixelBox differences(const BackBuffer &a, const BackBuffer &b, int tolerance);

// Reads the whole back buffer (glReadBuffer(GL_BACK), glReadPixels RGB).
BackBuffer readBackBuffer();

#endif
