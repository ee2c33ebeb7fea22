// The stages of one tick's collision, seen through what each leaves for the
// next.
#include "collision_fixture.h"
#include "simulation/collision.h"

namespace {

using CollisionOrder = InPlay;

TEST_F(CollisionOrder, ReboundBeforePottingSpoilsTheShot)
{
    // Both discs lie within a 24th of the right pocket's centre; the one
    // beyond the right wall's line is slowed there first.
    const struct {
        float x;
        int hit;
    } cases[] = {{0.94f, 1}, {0.975f, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "disc at x " << c.x);
        SetUp();
        discx = c.x;
        discxo = 0.006f;
        pottable = true;
        collision();
        EXPECT_EQ(hit, c.hit);
        EXPECT_EQ(takingShot, c.hit == 1);
    }
}

TEST_F(CollisionOrder, LostShipThatReachesTheDiscIsSavedNextTick)
{
    shipx = 1.2f;
    shipy = 0;
    discx = 1.25f;
    collision();
    EXPECT_TRUE(gameover);
    EXPECT_TRUE(gameoverStart);
    EXPECT_EQ(gameOverCountDown, 1000);
    EXPECT_TRUE(shipAim);

    collision();
    EXPECT_FALSE(gameover);
    EXPECT_TRUE(warning);
}

TEST_F(CollisionOrder, CatchComesLast)
{
    // The ship waits beside the right pocket, out of the incoming disc's
    // reach: it is pushed, the disc is potted, and then the ship touches the
    // potted disc, which stops the ship and lets it pot the disc again.
    shipx = 0.95f;
    shipy = 0.08f;
    discx = 0.93f;
    discy = -0.02f;
    discxo = 0.006f;
    pottable = true;
    collision();
    EXPECT_EQ(hit, 1);
    EXPECT_EQ(pocketRightHitCount, 1);
    EXPECT_TRUE(shipAim);
    EXPECT_TRUE(pottable);
    EXPECT_EQ(shipxthrust, 0);
    EXPECT_EQ(shipythrust, 0);
}

} // namespace
