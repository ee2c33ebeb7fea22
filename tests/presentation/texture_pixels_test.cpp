#include <gtest/gtest.h>

#include <vector>

#include "presentation/texture_pixels.h"

namespace {

const unsigned char white = 255;

TEST(TexelAlpha, PureBlackIsTransparentInEverySlot)
{
    for (int slot = 0; slot <= 14; slot++)
        for (int row : {0, 1, 24, 32, 63})
            EXPECT_EQ(texelAlpha(slot, row, 33, 0, 0, 0), 0) << "slot " << slot << " row " << row;
}

TEST(TexelAlpha, NearlyBlackIsOpaqueInThePlainSlots)
{
    for (int slot : {0, 1, 2, 3, 4, 10, 11, 12, 13})
        EXPECT_EQ(texelAlpha(slot, 0, 0, 0, 0, 1), 255) << "slot " << slot;
    EXPECT_EQ(texelAlpha(5, 1, 0, 0, 0, 1), 248);
    EXPECT_EQ(texelAlpha(9, 32, 33, 1, 0, 0), 32);
}

TEST(TexelAlpha, ExhaustFadesRowByRowAwayFromTheShip)
{
    struct Case {
        int row;
        int alpha;
    };
    const Case cases[] = {{0, 0}, {1, 248}, {2, 240}, {16, 128}, {30, 16}, {31, 8}, {32, 0}};
    for (const Case &c : cases)
        for (int column : {0, 17, 31})
            EXPECT_EQ(texelAlpha(5, c.row, column, white, white, white), c.alpha)
                << "row " << c.row << " column " << column;
}

TEST(TexelAlpha, PocketRingsWrapInsteadOfClamping)
{
    struct Case {
        int row, column;
        int slot6, slot7, slot8, slot9;
    };
    const Case cases[] = {
        {32, 32, 0, 0, 0, 0},
        {32, 33, 4, 8, 12, 32},
        {33, 33, 5, 11, 16, 45},
        {24, 32, 32, 64, 96, 0},
        {16, 32, 64, 128, 192, 0},
        {0, 32, 128, 0, 128, 0},
        {63, 63, 175, 94, 14, 122},
        {0, 0, 181, 106, 31, 168},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "pixel (" << c.row << ", " << c.column << ")");
        EXPECT_EQ(texelAlpha(6, c.row, c.column, 10, 20, 30), c.slot6);
        EXPECT_EQ(texelAlpha(7, c.row, c.column, 10, 20, 30), c.slot7);
        EXPECT_EQ(texelAlpha(8, c.row, c.column, 10, 20, 30), c.slot8);
        EXPECT_EQ(texelAlpha(9, c.row, c.column, 10, 20, 30), c.slot9);
    }
}

// A 3 x 2 picture whose bytes run 1, 2, 3, ... so that every channel shows
// where it came from.
std::vector<unsigned char> countingBytes(std::size_t length)
{
    std::vector<unsigned char> bytes(length);
    for (std::size_t i = 0; i < length; i++)
        bytes[i] = static_cast<unsigned char>(i + 1);
    return bytes;
}

TEST(BuildTexturePixels, CopiesRowsTopFirstAndAddsAlpha)
{
    std::vector<unsigned char> bytes = countingBytes(18);
    std::vector<unsigned char> rgba(24);
    buildTexturePixels(bytes.data(), bytes.size(), 3, 2, 5, rgba.data());
    for (int row = 0; row < 2; row++) {
        for (int column = 0; column < 3; column++) {
            std::size_t pixel = std::size_t(row * 3 + column);
            EXPECT_EQ(rgba[pixel * 4], pixel * 3 + 1);
            EXPECT_EQ(rgba[pixel * 4 + 1], pixel * 3 + 2);
            EXPECT_EQ(rgba[pixel * 4 + 2], pixel * 3 + 3);
            EXPECT_EQ(rgba[pixel * 4 + 3], row == 0 ? 0 : 248);
        }
    }
}

TEST(BuildTexturePixels, WhatAShortFileLacksIsWhite)
{
    // One pixel early: the bottom-right pixel is white and opaque.
    std::vector<unsigned char> bytes(2 * 2 * 3 - 3, 0);
    std::vector<unsigned char> rgba(16);
    buildTexturePixels(bytes.data(), bytes.size(), 2, 2, 0, rgba.data());
    const unsigned char blackThenWhite[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255};
    EXPECT_EQ(std::vector<unsigned char>(rgba.begin(), rgba.end()),
              std::vector<unsigned char>(std::begin(blackThenWhite), std::end(blackThenWhite)));

    // Stopping within a pixel: only the missing channels are white.
    bytes.resize(10);
    buildTexturePixels(bytes.data(), bytes.size(), 2, 2, 0, rgba.data());
    EXPECT_EQ(rgba[12], 0);
    EXPECT_EQ(rgba[13], 255);
    EXPECT_EQ(rgba[15], 255);
}

TEST(BuildTexturePixels, NothingReadGivesWhiteUnderTheSlotsRule)
{
    std::vector<unsigned char> rgba(64 * 64 * 4);
    buildTexturePixels(nullptr, 0, 64, 64, 7, rgba.data());
    for (std::size_t i = 0; i < rgba.size(); i += 4)
        ASSERT_EQ(rgba[i] & rgba[i + 1] & rgba[i + 2], 255);
    EXPECT_EQ(rgba[(0 * 64 + 32) * 4 + 3], 0);
    EXPECT_EQ(rgba[(33 * 64 + 33) * 4 + 3], 11);
}

TEST(BuildTexturePixels, NoPixelsForSidesThatAreNotPositive)
{
    EXPECT_EQ(imagePixelCount(0, 64), 0u);
    EXPECT_EQ(imagePixelCount(64, -1), 0u);
    EXPECT_EQ(imagePixelCount(512, 256), 512u * 256u);
    unsigned char untouched[4] = {1, 2, 3, 4};
    buildTexturePixels(nullptr, 0, -2, 2, 0, untouched);
    buildTexturePixels(nullptr, 0, 2, 0, 0, untouched);
    EXPECT_EQ(untouched[0], 1);
    EXPECT_EQ(untouched[3], 4);
}

} // namespace
