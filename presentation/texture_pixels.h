// The pixels of one texture: the image file's RGB bytes with an alpha that
// depends on the slot being filled. Plain byte work, no GL.
#ifndef MOLLIBEK_PRESENTATION_TEXTURE_PIXELS_H
#define MOLLIBEK_PRESENTATION_TEXTURE_PIXELS_H

#include <cstddef>

// Pixels in a width by height image; 0 when either side is not positive.
std::size_t imagePixelCount(int width, int height);

// Alpha of the pixel at (row, column), row 0 at the top. Pure black is
// transparent in every slot; the exhaust fades row by row and the four
// pocket pictures grow more opaque, in rings, away from pixel (32, 32).
unsigned char texelAlpha(int slot, int row, int column,
                         unsigned char red, unsigned char green, unsigned char blue);

// Fills rgba (width x height x 4 bytes, rows top first) from the file's
// bytes, three to a pixel. Bytes past length read as 255, as the byte reader
// gives at the end of a file, so whatever a short file lacks comes out white.
void buildTexturePixels(const unsigned char *bytes, std::size_t length,
                        int width, int height, int slot, unsigned char *rgba);

#endif
