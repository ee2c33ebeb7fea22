#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/game_state.h"
#include "presentation/image_file.h"
#include "presentation/texture_table.h"
#include "presentation/texturing.h"

namespace {

// Each test runs in a fresh empty folder, which the messages must name.
class ImageFiles : public testing::Test {
protected:
    void SetUp() override
    {
        previous = getcwd(nullptr, 0);
        std::string pattern = testing::TempDir() + "mollibek-images-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = std::filesystem::canonical(pattern.c_str());
        ASSERT_EQ(chdir(folder.c_str()), 0);
        textureNum = 0;
    }

    void TearDown() override
    {
        EXPECT_EQ(chdir(previous), 0);
        std::free(previous);
        std::filesystem::remove_all(folder);
        textureNum = 0;
    }

    static void write(const char *name, std::size_t length, unsigned char value = 7)
    {
        std::FILE *file = std::fopen(name, "wb");
        ASSERT_NE(file, nullptr);
        std::vector<unsigned char> bytes(length + 1, value); // never empty: fwrite wants a buffer
        EXPECT_EQ(std::fwrite(bytes.data(), 1, length, file), length);
        std::fclose(file);
    }

    std::string line(const char *name, const std::string &problem) const
    {
        return "mollibek: image \"" + std::string(name) + "\" in " + folder + " " + problem + "\n";
    }

    char *previous = nullptr;
    std::string folder;
};

TEST_F(ImageFiles, EachFaultyFileIsNamedInOneLine)
{
    write("good.raw", 12);
    write("empty.raw", 0);
    write("short.raw", 5);
    write("long.raw", 15);
    ASSERT_EQ(mkdir("folder.raw", 0755), 0);
    struct Case {
        const char *name;
        std::size_t got;
        std::string problem; // empty: nothing is printed
    };
    const Case cases[] = {
        {"good.raw", 12, ""},
        {"missing.raw", 0, "cannot be opened: No such file or directory; its texture will be white"},
        {"empty.raw", 0, "is empty; its texture will be white"},
        {"short.raw", 5, "is short (5 of 12 bytes); the rest of its texture will be white"},
        {"folder.raw", 0, "cannot be read: Is a directory; its texture will be white"},
        {"long.raw", 12, "is longer than 12 bytes; the rest of the file is ignored"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<unsigned char> bytes(12, 0);
        testing::internal::CaptureStderr();
        std::size_t got = readImageFile(c.name, bytes.data(), bytes.size());
        std::string printed = testing::internal::GetCapturedStderr();
        EXPECT_EQ(got, c.got);
        EXPECT_EQ(printed, c.problem.empty() ? "" : line(c.name, c.problem));
        for (std::size_t i = 0; i < got; i++)
            EXPECT_EQ(bytes[i], 7);
    }
}

TEST_F(ImageFiles, UnreadableFileIsNamed)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads any file";
    write("locked.raw", 12);
    ASSERT_EQ(chmod("locked.raw", 0), 0);
    unsigned char bytes[12];
    testing::internal::CaptureStderr();
    EXPECT_EQ(readImageFile("locked.raw", bytes, sizeof bytes), 0u);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              line("locked.raw", "cannot be opened: Permission denied; its texture will be white"));
}

TEST_F(ImageFiles, MissingFileStillFillsItsSlotWithWhite)
{
    std::vector<unsigned char> rgba(32 * 32 * 4, 0);
    testing::internal::CaptureStderr();
    loadImagePixels("exhaust.raw", 32, 32, 5, rgba.data());
    testing::internal::GetCapturedStderr();
    for (int row = 0; row < 32; row++) {
        for (int column = 0; column < 32; column++) {
            const unsigned char *pixel = &rgba[(row * 32 + column) * 4];
            ASSERT_EQ(pixel[0] & pixel[1] & pixel[2], 255);
            ASSERT_EQ(pixel[3], (256 - 8 * row) % 256);
        }
    }
}

TEST_F(ImageFiles, EveryLoadAdvancesTheSlotWhateverTheFile)
{
    write("long.raw", 100);
    textureNum = 3;
    testing::internal::CaptureStderr();
    texturing("missing.raw", 4, 4);
    texturing("long.raw", 4, 4);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(textureNum, 5);
}

// With every file one byte long, the fourteen messages give the table away:
// each load's file and the bytes it expected, in slot order.
TEST_F(ImageFiles, LoadTexturesFollowsTheTextureTable)
{
    const char *files[] = {"back.raw", "backspin.raw", "ship.raw", "disc.raw", "enemy.raw", "exhaust.raw",
                           "pocketff.raw", "stars.raw", "planet1.raw", "planet2.raw", "front.raw"};
    for (const char *file : files)
        write(file, 1);
    struct Load {
        const char *name;
        int side;
    };
    const Load table[] = {{"back.raw", 512},     {"backspin.raw", 512}, {"ship.raw", 64},    {"disc.raw", 32},
                          {"enemy.raw", 64},     {"exhaust.raw", 32},   {"pocketff.raw", 64}, {"pocketff.raw", 64},
                          {"pocketff.raw", 64},  {"pocketff.raw", 64},  {"stars.raw", 512},  {"planet1.raw", 128},
                          {"planet2.raw", 256},  {"front.raw", 512}};
    std::string expected;
    for (const Load &load : table)
        expected += line(load.name, "is short (1 of " + std::to_string(load.side * load.side * 3)
                                        + " bytes); the rest of its texture will be white");

    testing::internal::CaptureStderr();
    loadTextures();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), expected);
    EXPECT_EQ(textureNum, 14);
}

} // namespace
