#include "presentation/texturing.h"

#include <GL/gl.h>
#include <vector>

#include "core/game_state.h"
#include "presentation/image_file.h"
#include "presentation/texture_pixels.h"

void loadImagePixels(const char *filename, int width, int height, int slot, unsigned char *rgba)
{
    std::vector<unsigned char> bytes(imagePixelCount(width, height) * 3);
    std::size_t length = readImageFile(filename, bytes.data(), bytes.size());
    buildTexturePixels(bytes.data(), length, width, height, slot, rgba);
}

void texturing(const char *filename, int width, int height)
{
    std::vector<unsigned char> rgba(imagePixelCount(width, height) * 4);
    loadImagePixels(filename, width, height, textureNum, rgba.data());

    glGenTextures(1, &texName[textureNum]);
    glBindTexture(GL_TEXTURE_2D, texName[textureNum]);
    // The one level is a complete texture only with a filter that needs no
    // mipmaps; magnification and wrapping keep their defaults (the star
    // layer repeats its picture).
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    textureNum = textureNum + 1;
}
