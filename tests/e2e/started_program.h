// The usual starting point: Tallowmere in a game folder of its own, started there, its window up
// and in the foreground, ready for keys and clicks.
#pragma once

#include <gtest/gtest.h>

#include "tests/e2e/game_folder.h"
#include "tests/e2e/running_program.h"

class StartedProgram : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program_.WaitForMainWindow()) << "the main window never came up";
        ASSERT_TRUE(program_.BringToFront());
    }

    GameFolder game_;
    RunningProgram program_{game_.exe()};
};
