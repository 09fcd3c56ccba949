// Every music test starts with a fresh module state and the scripted MCI installed.
#pragma once

#include <gtest/gtest.h>

#include "bgm_state.h"
#include "scripted_mci.h"

class MusicTest : public ::testing::Test {
protected:
    MusicTest() { bgmState() = BgmState{}; }

    ScriptedMci mci;
};
