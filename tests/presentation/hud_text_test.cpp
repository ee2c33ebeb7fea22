#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <string>

#include "core/game_state.h"
#include "presentation/hud_text.h"

namespace {

class HudText : public testing::Test {
protected:
    void SetUp() override
    {
        resetVars();
        fps = 100;
    }

    template <typename Format>
    static std::string formatted(Format format)
    {
        char text[hudTextSize];
        format(text, sizeof text);
        return text;
    }
};

TEST_F(HudText, LevelIsTruncatedToHundredths)
{
    struct Case {
        float enemyspeed;
        const char *status;
        const char *lost;
    };
    const Case cases[] = {
        {1, " LEVEL: 1.00", " LOST IN SPACE AT LEVEL: 1.00"},
        {2.6f, " LEVEL: 2.59", " LOST IN SPACE AT LEVEL: 2.59"}, // 2.5999999
        {5.56f, " LEVEL: 5.55", " LOST IN SPACE AT LEVEL: 5.55"}, // 5.5599999
        {5.5f, " LEVEL: 5.50", " LOST IN SPACE AT LEVEL: 5.50"},
        {std::nextafter(2.6f, 3.0f), " LEVEL: 2.60", " LOST IN SPACE AT LEVEL: 2.60"},
        {FLT_MAX, " LEVEL: 21474836.47", " LOST IN SPACE AT LEVEL: 21474836.47"},
    };
    for (const Case &c : cases) {
        enemyspeed = c.enemyspeed;
        EXPECT_EQ(formatted(formatLevelLine), c.status);
        EXPECT_EQ(formatted(formatLostLevelLine), c.lost);
    }
}

TEST_F(HudText, BoostersAreTruncatedTowardZero)
{
    struct Case {
        float booster;
        const char *text;
    };
    const Case cases[] = {
        {200, " BOOSTERS: 200"}, {12.9f, " BOOSTERS: 12"}, {-3.5f, " BOOSTERS: -3"}, {-0.5f, " BOOSTERS: 0"},
    };
    for (const Case &c : cases) {
        booster = c.booster;
        EXPECT_EQ(formatted(formatBoostersLine), c.text);
    }
}

TEST_F(HudText, PotsAndFrameRate)
{
    EXPECT_EQ(formatted(formatPotsLine), " POTS: 0");
    hit = INT_MIN;
    EXPECT_EQ(formatted(formatPotsLine), " POTS: -2147483648");
    EXPECT_EQ(formatted(formatFpsLine), "FPS: 100.00 ");
    fps = 119.996f;
    EXPECT_EQ(formatted(formatFpsLine), "FPS: 120.00 ");
}

TEST_F(HudText, EveryValueFitsItsLine)
{
    fps = -FLT_MAX;
    std::string line = formatted(formatFpsLine);
    EXPECT_EQ(line.size(), 49u);
    EXPECT_EQ(line.substr(0, 10), "FPS: -3402");
    EXPECT_EQ(line.substr(line.size() - 4), ".00 ");
}

TEST_F(HudText, TitlePromptBlinksEvery666Frames)
{
    struct Case {
        int frame;
        bool shows;
    };
    const Case cases[] = {{0, true}, {332, true}, {333, false}, {665, false}, {666, true}, {1000, false}};
    for (const Case &c : cases) {
        frame = c.frame;
        EXPECT_EQ(titlePromptShows(), c.shows) << "frame " << c.frame;
    }
}

} // namespace
