#include <gtest/gtest.h>

#include <cmath>

#include "controls/keyboard.h"
#include "core/game_state.h"
#include "presentation/exhaust_flames.h"
#include "presentation/planets.h"
#include "presentation/pocket_pictures.h"

namespace {

class SceneRules : public testing::Test {
protected:
    void SetUp() override
    {
        resetVars();
        releaseAllKeys();
    }
    void TearDown() override { releaseAllKeys(); }
};

// -1 when no planet shows; the ranges never overlap.
int shownPlanet()
{
    int shown = -1;
    for (int planet = 0; planet < planetCount; planet++) {
        if (planetShows(planet)) {
            EXPECT_EQ(shown, -1) << "two planets at level " << enemyspeed;
            shown = planet;
        }
    }
    return shown;
}

TEST_F(SceneRules, PlanetsShowStrictlyInsideTheirLevels)
{
    struct Case {
        float level;
        int planet;
    };
    const Case cases[] = {
        {1, -1},
        {2.6f, -1}, // 2.5999999, below 2.6
        {std::nextafter(2.6f, 3.0f), 0},
        {3.6f, 0}, // 3.5999999, still below 3.6
        {std::nextafter(3.6f, 4.0f), -1},
        {5.4f, 1}, // 5.4000001, above 5.4
        {std::nextafter(5.4f, 5.0f), -1},
        {std::nextafter(6.5f, 6.0f), 1},
        {6.5f, -1},
        {8, -1},
        {std::nextafter(8.0f, 9.0f), 2},
        {9.2f, 2}, // 9.1999998
        {std::nextafter(9.2f, 10.0f), -1},
    };
    for (const Case &c : cases) {
        enemyspeed = c.level;
        EXPECT_EQ(shownPlanet(), c.planet) << "level " << c.level;
    }
}

// Where each shown flame sits along the ship's axis: every flame moves on
// from the one before. NaN for a flame that does not show.
struct FlamePlaces {
    float place[flameCount];
};

FlamePlaces flamePlaces()
{
    FlamePlaces places;
    float along = 0;
    for (int flame = 0; flame < flameCount; flame++) {
        places.place[flame] = NAN;
        if (flameShows(flame)) {
            along += flames[flame].step;
            places.place[flame] = along;
        }
    }
    return places;
}

TEST_F(SceneRules, FlamesFollowKeysFuelAndPower)
{
    struct Case {
        const char *keys;
        float booster;
        float power;
        float small, medium, large; // NaN: not drawn
    };
    const Case cases[] = {
        {"", 200, 1, NAN, NAN, NAN},
        {"i", 200, 1, -0.16f, NAN, NAN},
        {"a", 200, 2, NAN, -0.2f, NAN},
        {"o", 200, 1, NAN, -0.2f, NAN},
        {"s", 200, 2, NAN, NAN, -0.2f},
        {"io", 200, 1, -0.16f, -0.36f, NAN},
        {"as", 200, 2, NAN, -0.2f, -0.4f},
        {"is", 0, 1, -0.16f, NAN, NAN},
        {"o", -3.5f, 2, NAN, NAN, NAN},
        {"ao", 200, 1.5f, NAN, NAN, NAN},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "keys \"" << c.keys << "\" booster " << c.booster << " power " << c.power);
        for (const char *key = c.keys; *key != '\0'; key++)
            KeyDown[static_cast<unsigned char>(*key)] = true;
        booster = c.booster;
        power = c.power;
        FlamePlaces places = flamePlaces();
        const float expected[flameCount] = {c.small, c.medium, c.large};
        for (int flame = 0; flame < flameCount; flame++) {
            if (std::isnan(expected[flame]))
                EXPECT_TRUE(std::isnan(places.place[flame])) << "flame " << flame;
            else
                EXPECT_FLOAT_EQ(places.place[flame], expected[flame]) << "flame " << flame;
        }
        releaseAllKeys();
    }
}

TEST_F(SceneRules, PocketPictures)
{
    struct Case {
        bool shipAim;
        int frame;
        float discxo, discyo;
        int inPocket;
        int slotForCount0, slotForCount1, slotForCount2;
    };
    const Case cases[] = {
        {false, 0, 0, 0, 0, 6, 6, 9},            // at rest
        {true, 165, 0, 0, 0, 7, 7, 9},           // held disc, blink on
        {true, 166, 0, 0, 0, 6, 6, 9},           // blink off
        {true, 332, 0, 0, 0, 6, 6, 9},
        {true, 333, 0, 0, 0, 7, 7, 9},           // next period
        {false, 0, 0.0055f, 0, 0, 7, 7, 9},      // at shot speed
        {false, 0, 0.0054f, 0, 0, 6, 6, 9},      // just below it
        {false, 0, 0.004f, -0.004f, 0, 7, 7, 9}, // both components count
        {false, 0, 0.006f, 0, 57, 8, 8, 9},      // potted disc resting
        {false, 0, 0, 0, 57, 6, 6, 9},           // resting but not lit
        {true, 10, 0, 0, -1, 8, 8, 9},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "shipAim " << c.shipAim << " frame " << c.frame << " disc velocity ("
                                        << c.discxo << ", " << c.discyo << ") inPocket " << c.inPocket);
        shipAim = c.shipAim;
        frame = c.frame;
        discxo = c.discxo;
        discyo = c.discyo;
        inPocket = c.inPocket;
        EXPECT_EQ(pocketSlot(0), c.slotForCount0);
        EXPECT_EQ(pocketSlot(1), c.slotForCount1);
        EXPECT_EQ(pocketSlot(2), c.slotForCount2);
    }
}

} // namespace
