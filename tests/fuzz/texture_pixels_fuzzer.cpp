// Any bytes as an image file, for any slot, at any size up to the largest
// picture. The first five bytes choose the slot (a signed byte, so slots
// outside the table come up too), the width and the height (two bytes each,
// 0 to 512); the rest is the file. Out-of-bounds reads and writes are the
// sanitizers' to find; the pixels must also keep the loader's promises.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "presentation/texture_pixels.h"
#include "presentation/texture_table.h"

namespace {

const int largestSide = 512;
const std::size_t headerSize = 5;

int sideFrom(const std::uint8_t *bytes)
{
    return (bytes[0] | bytes[1] << 8) % (largestSide + 1);
}

bool isPocketOrExhaust(int slot)
{
    return slot >= exhaustSlot && slot <= pocketFullSlot;
}

// Each pixel holds the file's three bytes, or 255 for each byte past the
// end; black is transparent in every slot, and slots without a rule of
// their own make every other colour opaque.
void checkPixels(const std::uint8_t *file, std::size_t length, std::size_t pixels, int slot,
                 const std::vector<unsigned char> &rgba)
{
    for (std::size_t pixel = 0; pixel < pixels; pixel++) {
        const unsigned char *out = &rgba[pixel * 4];
        for (std::size_t channel = 0; channel < 3; channel++) {
            std::size_t index = pixel * 3 + channel;
            if (out[channel] != (index < length ? file[index] : 255))
                std::abort();
        }
        bool black = out[0] == 0 && out[1] == 0 && out[2] == 0;
        if (black && out[3] != 0)
            std::abort();
        if (!black && !isPocketOrExhaust(slot) && out[3] != 255)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < headerSize)
        return 0;
    int slot = static_cast<std::int8_t>(data[0]);
    int width = sideFrom(data + 1);
    int height = sideFrom(data + 3);
    const std::uint8_t *file = data + headerSize;
    std::size_t length = size - headerSize;

    std::size_t pixels = imagePixelCount(width, height);
    std::vector<unsigned char> rgba(pixels * 4);
    buildTexturePixels(file, length, width, height, slot, rgba.data());
    checkPixels(file, length, pixels, slot, rgba);
    return 0;
}
