// A test that starts from a fresh game: every reset variable at its start
// value, no key held, and gamespeed 1 (one reference tick a tick).
#ifndef MOLLIBEK_TESTS_SUPPORT_FRESH_GAME_H
#define MOLLIBEK_TESTS_SUPPORT_FRESH_GAME_H

#include <gtest/gtest.h>

#include "controls/keyboard.h"
#include "core/game_state.h"

class FreshGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetVars();
        releaseAllKeys();
        gamespeed = 1;
    }
    // Keys are kept across resets, so none may leak into the next test.
    void TearDown() override { releaseAllKeys(); }
};

#endif
