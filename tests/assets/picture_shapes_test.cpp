// The shapes that the game relies on: round pictures are black (see-through)
// outside their circle and solid within it, the pocket is centred on the
// pixel from which the game measures its alpha rings, and the ship and the
// flame are the right way up.
#include <gtest/gtest.h>

#include <cmath>

#include "asset_files.h"

namespace {

struct RoundPicture {
    const char* name;
    int size;
    double centre; // on both axes, in pixels from the top left corner
    double solid;  // pixel centres nearer than this are not black
    double clear;  // pixel centres farther than this are black
};

// The platform must stay over the board as it turns: within 0.8 of the
// centre, 204.8 pixels. The planets' night sides must not be see-through.
const RoundPicture roundPictures[] = {
    {"disc.raw", 32, 16, 14, 15.5},
    {"pocketff.raw", 64, 32.5, 30, 31.5},
    {"backspin.raw", 512, 256, 198, 204.8},
    {"planet1.raw", 128, 64, 58, 61},
};

TEST(PictureShapes, RoundPicturesAreBlackOutsideTheirCircleAndSolidWithin)
{
    for (const RoundPicture& round : roundPictures) {
        SCOPED_TRACE(round.name);
        RawPicture picture = committedPicture(round.name, round.size, round.size);
        int wrong = 0;
        for (int row = 0; row < round.size; ++row)
            for (int col = 0; col < round.size; ++col) {
                double d = std::hypot(row + 0.5 - round.centre, col + 0.5 - round.centre);
                bool black = picture.at(row, col).black();
                wrong += (d < round.solid && black) || (d > round.clear && !black);
            }
        EXPECT_EQ(wrong, 0);
    }
}

// The game's alpha rings for the four pocket slots are centred on pixel
// (32, 32); the picture must be too, or its rings and its colours drift apart.
TEST(PictureShapes, PocketIsSymmetricAboutPixel32_32)
{
    RawPicture pocket = committedPicture("pocketff.raw", 64, 64);
    int wrong = 0;
    for (int i = 0; i < 64; ++i) {
        wrong += !pocket.at(0, i).black() + !pocket.at(i, 0).black();
        for (int j = 1; j < 64; ++j) {
            if (i == 0)
                continue;
            Pixel p = pocket.at(i, j), across = pocket.at(64 - i, j), beside = pocket.at(i, 64 - j);
            wrong += p.r != across.r || p.g != across.g || p.b != across.b;
            wrong += p.r != beside.r || p.g != beside.g || p.b != beside.b;
        }
    }
    EXPECT_EQ(wrong, 0);
}

int firstSolidRow(const RawPicture& picture, int col)
{
    for (int row = 0; row < picture.height(); ++row)
        if (!picture.at(row, col).black())
            return row;
    return picture.height();
}

TEST(PictureShapes, ShipPointsUp)
{
    RawPicture ship = committedPicture("ship.raw", 64, 64);
    // The nose is the highest point, on the middle columns.
    int nose = std::min(firstSolidRow(ship, 31), firstSolidRow(ship, 32));
    for (int col = 0; col < 64; ++col) {
        if (col != 31 && col != 32) {
            EXPECT_GE(firstSolidRow(ship, col), nose) << "column " << col;
        }
    }
    EXPECT_LT(nose, 8);
}

int rowLight(const RawPicture& picture, int row)
{
    int sum = 0;
    for (int col = 0; col < picture.width(); ++col) {
        Pixel p = picture.at(row, col);
        sum += p.r + p.g + p.b;
    }
    return sum;
}

// The top row lies against the ship, and the game fades the flame from there
// to the bottom row: the picture's hot end must be at the top.
TEST(PictureShapes, FlameIsHottestAtTheTop)
{
    RawPicture flame = committedPicture("exhaust.raw", 32, 32);
    for (int row = 1; row + 4 < 32; row += 4)
        EXPECT_GT(rowLight(flame, row), rowLight(flame, row + 4)) << "row " << row;
}

}
