#include "presentation/texture_pixels.h"

#include <cmath>
#include <cstdint>

#include "core/numeric.h"
#include "presentation/texture_table.h"

std::size_t imagePixelCount(int width, int height)
{
    if (width <= 0 || height <= 0)
        return 0;
    return std::size_t(width) * std::size_t(height);
}

// Distance from pixel (32, 32) times factor, halved; the byte keeps the low
// 8 bits of the 16-bit result, so the alpha wraps into rings.
static unsigned char pocketAlpha(int row, int column, double factor)
{
    double distance = std::sqrt(std::pow(double(row) - 32, 2) + std::pow(double(column) - 32, 2));
    std::uint16_t wide = std::uint16_t(truncToInt(distance * factor / 2));
    return static_cast<unsigned char>(wide & 0xFF);
}

unsigned char texelAlpha(int slot, int row, int column,
                         unsigned char red, unsigned char green, unsigned char blue)
{
    if (red == 0 && green == 0 && blue == 0)
        return 0;
    switch (slot) {
    case exhaustSlot:
        // (-8 x row) modulo 256, in unsigned arithmetic so no row overflows
        return static_cast<unsigned char>(0u - 8u * unsigned(row));
    case pocketRestSlot:
        return pocketAlpha(row, column, 8);
    case pocketLitSlot:
        return pocketAlpha(row, column, 16);
    case pocketRestingDiscSlot:
        return pocketAlpha(row, column, 24);
    case pocketFullSlot:
        return pocketAlpha(row, column, 64);
    default:
        return 255;
    }
}

static unsigned char byteAt(const unsigned char *bytes, std::size_t length, std::size_t index)
{
    return index < length ? bytes[index] : 255;
}

void buildTexturePixels(const unsigned char *bytes, std::size_t length,
                        int width, int height, int slot, unsigned char *rgba)
{
    if (imagePixelCount(width, height) == 0)
        return;
    for (int row = 0; row < height; row++) {
        for (int column = 0; column < width; column++) {
            std::size_t pixel = std::size_t(row) * std::size_t(width) + std::size_t(column);
            unsigned char red = byteAt(bytes, length, pixel * 3);
            unsigned char green = byteAt(bytes, length, pixel * 3 + 1);
            unsigned char blue = byteAt(bytes, length, pixel * 3 + 2);
            unsigned char *out = rgba + pixel * 4;
            out[0] = red;
            out[1] = green;
            out[2] = blue;
            out[3] = texelAlpha(slot, row, column, red, green, blue);
        }
    }
}
