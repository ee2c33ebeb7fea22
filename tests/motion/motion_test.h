// A fresh game at the reference pace, one moveObjects call away.
#ifndef MOLLIBEK_TESTS_MOTION_MOTION_TEST_H
#define MOLLIBEK_TESTS_MOTION_MOTION_TEST_H

#include <gtest/gtest.h>

#include "core/game_state.h"
#include "simulation/motion.h"

class MotionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetVars();
        intro = false;
        gamespeed = 1;
    }
};

// The same, for tables of cases.
template <typename Case>
class MotionCaseTest : public MotionTest, public ::testing::WithParamInterface<Case> {
};

#endif
