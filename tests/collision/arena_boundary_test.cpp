#include <climits>
#include <cmath>

#include "collision_fixture.h"
#include "simulation/arena_boundary.h"

namespace {

struct BoardPoint {
    float x, y;
    bool off;
};

const float justPast1 = std::nextafter(1.0f, 2.0f);
const float justBelowBottom = std::nextafter(-0.8125f, -1.0f);

const BoardPoint boardPoints[] = {
    // Straight edges: a centre exactly on a line is still on the board.
    {1, 0, false}, {-1, 0, false}, {justPast1, 0, true}, {-justPast1, 0, true},
    {0, 1, false}, {0, justPast1, true}, {0, -0.8125f, false}, {0, justBelowBottom, true},

    // The diagonals, one float either side of each line.
    {-0.600000024f, 0.744399965f, false}, {-0.600000024f, 0.744400024f, true},
    {0.600000024f, 0.711199939f, false}, {0.600000024f, 0.711199999f, true},
    {-0.699999988f, -0.612800002f, false}, {-0.699999988f, -0.612800062f, true},
    {0.699999988f, -0.643999994f, false}, {0.699999988f, -0.644000053f, true},

    // The board is not mirror-symmetric.
    {0.345f, 0.97f, true}, {-0.345f, 0.97f, false}, {0.343f, 0.999f, false},
    {-0.516f, -0.8f, true}, {0.516f, -0.8f, false}, {-0.515f, -0.8f, false},
    {0.516f, -0.82f, false}, {0.515f, -0.82f, true},
    {-0.97f, -0.345f, true}, {-0.96f, -0.345f, false},

    // The small steps where a diagonal misses its neighbouring edge.
    {-1.0002f, 0.3441f, false}, {-1.0002f, 0.3439f, true}, {-1.0005f, 0.3441f, true},
    {-0.3441f, 1.0002f, false}, {-0.3439f, 1.0002f, true},
    {0.3439f, 0.98f, false}, {0.3441f, 0.98f, true},
    {0.98f, 0.3439f, false}, {0.98f, 0.3441f, true},
    {-0.99f, -0.3439f, false}, {-0.99f, -0.3441f, true},
    {0.99f, -0.3441f, false}, {1.0001f, -0.3441f, true},

    // The floats nearest 0.344 and 0.5156 lie beyond those bounds, so these
    // points fall to the diagonals' tests, not to the straight edges'.
    {-1.0005f, 0.344f, true}, {0.344f, 0.98f, true}, {-0.99f, -0.344f, true},
    {1.0001f, -0.344f, true}, {0.5156f, -0.9f, true}, {-0.5156f, -0.9f, true},

    // However far from the board.
    {5, 0, true}, {-5, 0, true}, {0, 5, true}, {0, -5, true},
    {5, 5, true}, {-5, 5, true}, {5, -5, true}, {-5, -5, true}, {1e30f, 1e30f, true},
};

using OffBoard = InPlay;

TEST_F(OffBoard, OutlineOfTheBoard)
{
    for (const BoardPoint &p : boardPoints) {
        SCOPED_TRACE(testing::Message() << "ship at (" << p.x << ", " << p.y << ")");
        gameover = false;
        shipx = p.x;
        shipy = p.y;
        loseShipOffBoard();
        EXPECT_EQ(gameover, p.off);
    }
}

TEST_F(OffBoard, OnTheBoardLeavesALossStanding)
{
    gameover = true;
    shipx = 0;
    shipy = 0;
    loseShipOffBoard();
    EXPECT_TRUE(gameover);
}

using LossFlags = InPlay;

TEST_F(LossFlags, HoldingTheDiscOffTheBoardOnlyWarns)
{
    shipx = 1.5f;
    shipAim = true;
    for (int tick = 0; tick < 3; ++tick) {
        loseShipOffBoard();
        settleLossFlags();
        EXPECT_FALSE(gameover);
        EXPECT_TRUE(warning);
    }
    EXPECT_FALSE(gameoverStart);
    EXPECT_EQ(gameOverCountDown, 500);
}

TEST_F(LossFlags, WarningEndsBackOnTheBoard)
{
    warning = true;
    shipAim = true;
    loseShipOffBoard();
    settleLossFlags();
    EXPECT_FALSE(warning);
    EXPECT_FALSE(gameover);
}

TEST_F(LossFlags, CountdownStartsFromTheTimeScale)
{
    const struct {
        float gamespeed;
        int countDown;
    } cases[] = {{1, 1000}, {0.75f, 1333}, {2.5f, 400}, {3, 333}, {0, INT_MAX}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "gamespeed " << c.gamespeed);
        gameover = false;
        gameoverStart = false;
        gamespeed = c.gamespeed;
        shipx = -1.5f;
        loseShipOffBoard();
        settleLossFlags();
        EXPECT_TRUE(gameover);
        EXPECT_FALSE(warning);
        EXPECT_TRUE(gameoverStart);
        EXPECT_EQ(gameOverCountDown, c.countDown);
    }
}

TEST_F(LossFlags, SecondLossResumesTheCountdown)
{
    gameoverStart = true;
    gameOverCountDown = 321;
    shipy = 1.5f;
    loseShipOffBoard();
    settleLossFlags();
    EXPECT_TRUE(gameover);
    EXPECT_EQ(gameOverCountDown, 321);
}

TEST_F(LossFlags, LeftoverLossIsWithdrawnOnceTheShipHoldsTheDisc)
{
    gameover = true;
    gameoverStart = true;
    gameOverCountDown = 700;
    shipAim = true;
    settleLossFlags();
    EXPECT_FALSE(gameover);
    EXPECT_TRUE(warning);
    EXPECT_TRUE(gameoverStart);
    EXPECT_EQ(gameOverCountDown, 700);
}

} // namespace
