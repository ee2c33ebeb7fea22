// The board's picture follows the edge that loses the ship: every pixel
// well inside the game's own off-board test is solid board, every pixel
// well outside it is black, so the stars show through exactly where the
// ship would be lost.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "asset_files.h"
#include "core/game_state.h"
#include "simulation/arena_boundary.h"

namespace {

bool offBoard(double x, double y)
{
    shipx = float(x);
    shipy = float(y);
    gameover = false;
    loseShipOffBoard();
    return gameover;
}

enum class Side { on, off, edge };

// Samples a square of one pixel's reach around the pixel's centre: a pixel
// is on (or off) the board only if all of the square is.
Side sideOf(int row, int col)
{
    const double pixel = 1.0 / 256;
    double x = -1 + (col + 0.5) * pixel, y = 1 - (row + 0.5) * pixel;
    int off = 0, samples = 0;
    for (int i = -2; i <= 2; ++i)
        for (int j = -2; j <= 2; ++j, ++samples)
            off += offBoard(x + j * pixel / 2, y + i * pixel / 2);
    return off == 0 ? Side::on : off == samples ? Side::off : Side::edge;
}

TEST(BoardPicture, FollowsTheOutlineThatLosesTheShip)
{
    RawPicture board = committedPicture("back.raw", 512, 512);
    std::vector<std::string> wrong;
    int on = 0, off = 0;
    for (int row = 0; row < 512; ++row)
        for (int col = 0; col < 512; ++col) {
            Side side = sideOf(row, col);
            bool black = board.at(row, col).black();
            on += side == Side::on;
            off += side == Side::off;
            if ((side == Side::on && black) || (side == Side::off && !black))
                wrong.push_back("(" + std::to_string(row) + ", " + std::to_string(col) + (black ? ") black" : ") not black"));
        }
    EXPECT_TRUE(wrong.empty()) << wrong.size() << " pixels on the wrong side of the edge, the first " << wrong.front();
    // The board fills most of its square; its corners and the strip below
    // its bottom edge are space.
    EXPECT_GT(on, 512 * 512 * 2 / 3);
    EXPECT_GT(off, 512 * 48);
}

}
