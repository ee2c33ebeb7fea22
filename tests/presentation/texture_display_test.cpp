#include <GL/gl.h>
#include <cstdio>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "presentation/texture_pixels.h"
#include "presentation/texturing.h"
#include "tests/presentation/drawing_fixture.h"

namespace {

// Slot 14 is never drawn, so a test may load into it.
class SpareSlot : public Drawing {
protected:
    void TearDown() override
    {
        glDeleteTextures(1, &texName[14]);
        texName[14] = 0;
        textureNum = savedTextureNum;
        Drawing::TearDown();
    }

    // Loads the file into slot 14 and returns the texture GL holds there.
    std::vector<unsigned char> loadIntoSpareSlot(const char *filename, int width, int height)
    {
        textureNum = 14;
        testing::internal::CaptureStderr();
        texturing(filename, width, height);
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(textureNum, 15);
        EXPECT_NE(texName[14], 0u);
        glBindTexture(GL_TEXTURE_2D, texName[14]);
        std::vector<unsigned char> texels(imagePixelCount(width, height) * 4);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
        return texels;
    }

    int savedTextureNum = textureNum;
};

TEST_F(SpareSlot, MissingFileGivesAWhiteTexture)
{
    std::vector<unsigned char> texels = loadIntoSpareSlot("no-such-image.raw", 8, 4);
    EXPECT_EQ(texels, std::vector<unsigned char>(8 * 4 * 4, 255));
}

TEST_F(SpareSlot, UploadKeepsTheFilesRowsAndTheFilterSettings)
{
    std::string path = testing::TempDir() + "mollibek-rows.raw";
    std::vector<unsigned char> bytes(4 * 2 * 3);
    for (std::size_t i = 3; i < bytes.size(); i++)
        bytes[i] = static_cast<unsigned char>(i * 10);
    std::FILE *file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);

    std::vector<unsigned char> texels = loadIntoSpareSlot(path.c_str(), 4, 2);
    std::remove(path.c_str());
    std::vector<unsigned char> expected(4 * 2 * 4);
    buildTexturePixels(bytes.data(), bytes.size(), 4, 2, 14, expected.data());
    EXPECT_EQ(texels, expected);
    EXPECT_EQ(expected[3], 0) << "the first pixel is black";

    GLint minFilter = 0, magFilter = 0, wrapS = 0, wrapT = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrapS);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrapT);
    EXPECT_EQ(minFilter, GL_NEAREST);
    EXPECT_EQ(magFilter, GL_LINEAR);
    EXPECT_EQ(wrapS, GL_REPEAT);
    EXPECT_EQ(wrapT, GL_REPEAT);
}

TEST_F(TexturedDrawing, GameImagesFillFourteenSlots)
{
    EXPECT_EQ(textureNum, 14);
    const int sides[14] = {512, 512, 64, 32, 64, 32, 64, 64, 64, 64, 512, 128, 256, 512};
    for (int slot = 0; slot < 14; slot++) {
        SCOPED_TRACE(testing::Message() << "slot " << slot);
        ASSERT_TRUE(glIsTexture(texName[slot]));
        for (int other = 0; other < slot; other++)
            EXPECT_NE(texName[slot], texName[other]);
        glBindTexture(GL_TEXTURE_2D, texName[slot]);
        GLint width = 0, height = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        EXPECT_EQ(width, sides[slot]);
        EXPECT_EQ(height, sides[slot]);
    }
}

} // namespace
