// PNG files written by hand: 8-bit RGBA, the image data kept in stored
// (uncompressed) deflate blocks, which every PNG reader accepts.
#ifndef MOLLIBEK_TOOLS_PNG_FILE_H
#define MOLLIBEK_TOOLS_PNG_FILE_H

#include <cstdint>
#include <vector>

// The bytes of a PNG file of the given RGBA pixels, rows top first.
std::vector<std::uint8_t> png_file(int width, int height, const std::vector<std::uint8_t>& rgba);

#endif
