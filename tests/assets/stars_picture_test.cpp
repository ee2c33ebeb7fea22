// The star layer is laid five times across and five times down: its stars
// must run on across the picture's edges instead of being cut there.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "asset_files.h"

namespace {

const int size = 512;

bool brightestAround(const RawPicture& stars, int row, int col)
{
    int value = stars.at(row, col).brightest();
    for (int i = -1; i <= 1; ++i)
        for (int j = -1; j <= 1; ++j)
            if (stars.wrapped(row + i, col + j).brightest() > value)
                return false;
    return true;
}

// The sky's own light near a point: the median of the 15 x 15 pixels around.
int skyAround(const RawPicture& stars, int row, int col)
{
    std::vector<int> values;
    for (int i = -7; i <= 7; ++i)
        for (int j = -7; j <= 7; ++j)
            values.push_back(stars.wrapped(row + i, col + j).brightest());
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// A star's core lights its four neighbours, across the wrap included: a star
// cut at an edge would leave the neighbour beyond the edge at the sky's level.
TEST(StarsPicture, BrightStarsAreWholeAcrossTheWrap)
{
    RawPicture stars = committedPicture("stars.raw", size, size);
    int onEdges = 0, cut = 0;
    for (int row = 0; row < size; ++row)
        for (int col = 0; col < size; ++col) {
            int peak = stars.at(row, col).brightest();
            if (peak < 200 || !brightestAround(stars, row, col))
                continue;
            onEdges += row == 0 || row == size - 1 || col == 0 || col == size - 1;
            int sky = skyAround(stars, row, col);
            int dimmest = std::min(std::min(stars.wrapped(row - 1, col).brightest(), stars.wrapped(row + 1, col).brightest()),
                                   std::min(stars.wrapped(row, col - 1).brightest(), stars.wrapped(row, col + 1).brightest()));
            if (dimmest - sky < (peak - sky) / 7) {
                ++cut;
                ADD_FAILURE() << "star at (" << row << ", " << col << ") is dark beside its core";
            }
        }
    EXPECT_EQ(cut, 0);
    EXPECT_GT(onEdges, 0) << "no bright star lies on an edge, so the wrap went unchecked";
}

}
