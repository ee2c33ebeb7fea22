#include "collision_fixture.h"
#include "simulation/disc_catch.h"

namespace {

using DiscCatch = InPlay;

TEST_F(DiscCatch, ShipWithinReachHoldsTheDisc)
{
    const struct {
        float dx, dy; // the ship's offset from the disc
        bool caught;
    } cases[] = {
        {0.09f, 0, true}, {0, -0.09f, true}, {-0.0636f, 0.0636f, true},
        {0.094f, 0, false}, {0, 0.094f, false}, {0.0665f, -0.0665f, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "ship off the disc by (" << c.dx << ", " << c.dy << ")");
        SetUp();
        discx = 0.2f;
        discy = -0.3f;
        discxo = 0.006f;
        discyo = -0.001f;
        shipx = double(discx) + c.dx;
        shipy = double(discy) + c.dy;
        shipxthrust = 0.002f;
        shipythrust = -0.001f;
        catchDisc();
        EXPECT_EQ(shipAim, c.caught);
        EXPECT_EQ(pottable, c.caught);
        EXPECT_EQ(shipxthrust, c.caught ? 0 : 0.002f);
        EXPECT_EQ(shipythrust, c.caught ? 0 : -0.001f);
        // A disc caught on the move keeps its velocity until the shot.
        EXPECT_EQ(discxo, 0.006f);
        EXPECT_EQ(discyo, -0.001f);
    }
}

} // namespace
