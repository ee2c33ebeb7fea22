// The committed pictures are exactly what the generator makes, so that they
// can always be made again; and the generator says clearly when it cannot
// do its work.
#include <gtest/gtest.h>

#include <string>

#include "asset_files.h"

namespace {

TEST(MakeAssets, MakesEachCommittedPictureByteForByte)
{
    TemporaryFolder out;
    std::string errors = out.path() + "/errors.txt";
    ASSERT_EQ(runMakeAssets({out.path()}, errors), 0) << textOf(errors);

    for (const PictureFile& picture : pictureFiles) {
        SCOPED_TRACE(picture.name);
        std::vector<std::uint8_t> made = readFile(out.path() + "/" + picture.name);
        EXPECT_EQ(made.size(), std::size_t(picture.width) * picture.height * 3);
        EXPECT_TRUE(made == readFile(std::string(ASSETS_FOLDER) + "/" + picture.name))
            << "assets/" << picture.name << " differs from the generator's output; renew it with make_assets";
    }
}

TEST(MakeAssets, ReportsAFolderItCannotWrite)
{
    TemporaryFolder out;
    std::string missing = out.path() + "/no such folder";
    std::string errors = out.path() + "/errors.txt";

    EXPECT_NE(runMakeAssets({missing}, errors), 0);
    std::string message = textOf(errors);
    EXPECT_NE(message.find("cannot write " + missing + "/back.raw"), std::string::npos) << message;
}

TEST(MakeAssets, ReportsAnIconFileItCannotWrite)
{
    TemporaryFolder out;
    std::string errors = out.path() + "/errors.txt";

    std::string icon = out.path() + "/missing/mollibek.png";
    EXPECT_NE(runMakeAssets({"--icon", icon}, errors), 0);
    EXPECT_NE(textOf(errors).find("cannot write " + icon), std::string::npos) << textOf(errors);
}

TEST(MakeAssets, AnswersAWrongCommandLineWithItsUsage)
{
    const std::vector<std::string> wrong[] = {{}, {"--icon"}, {"--bogus", "folder"}, {"one", "two"}, {"--icon", "a", "b"}};
    TemporaryFolder out;
    std::string errors = out.path() + "/errors.txt";
    for (const std::vector<std::string>& arguments : wrong) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        EXPECT_EQ(runMakeAssets(arguments, errors), 2);
        EXPECT_NE(textOf(errors).find("usage: make_assets"), std::string::npos);
    }
}

}
