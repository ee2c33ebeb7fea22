// A game in play at gamespeed 1, with every corner wall's timer at 0, as at
// program start.
#ifndef MOLLIBEK_TESTS_COLLISION_FIXTURE_H
#define MOLLIBEK_TESTS_COLLISION_FIXTURE_H

#include <gtest/gtest.h>

#include "core/game_state.h"

class InPlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetVars();
        intro = false;
        gamespeed = 1;
        timeSinceLastReboundA = 0;
        timeSinceLastReboundB = 0;
        timeSinceLastReboundC = 0;
        timeSinceLastReboundD = 0;
    }
};

#endif
