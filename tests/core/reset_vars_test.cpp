#include <gtest/gtest.h>

#include "core/game_state.h"

TEST(ResetVars, Placeholder) { resetVars(); EXPECT_TRUE(intro); }
