// One world allocation per test process, cleared between tests through the world-block list, and
// a temporary user folder. Helpers that build worlds for tests belong here too.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "STU_GRAF.h"
#include "Test_Temp_Dir.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/LOADSAVE.h"
#include "world/Unit_Type_Record.h"
#include "world/World_Blocks.h"

// Allocates the world on the first call; then every saved block is as Allocate_Data_Space left
// it (zero), two wizards play, and every hero slot and vault place is empty (-1).
void World_Clear(void);

// The saved-game image of the live world.
std::vector<uint8_t> World_Image(void);

class World_Test : public ::testing::Test {
protected:
    Test_Temp_Dir user;

    void SetUp() override;
    void TearDown() override;
    std::string User_Path(const char *name) const { return user / name; }
};
