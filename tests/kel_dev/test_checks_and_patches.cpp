// The integrity checks and the --patch test hooks, run over a world of the test's making.
#include "World_Fixture.h"
#include "dev/Integrity_Check.h"
#include "dev/STU_TST.h"
#include "shell/Map_Window.h"
#include "world/LOADER.h"
#include "world/Spell_Ids.h"
#include "world/Unit_Stacks.h"

namespace {

class Dev_Test : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        g_tst_patch_scenario = nullptr;
    }
};

}  // namespace

TEST_F(Dev_Test, IntegrityTerrainBoundsAndLatches)
{
    Integrity_Reset_Latches();
    _map_plane = 0;
    _active_world_x = 1;
    _active_world_y = 1;
    _world_maps[World_Square_Index(3, 4, 1)] = 762;
    EXPECT_EQ(Integrity_Terrain_Square_Is_Valid(3, 4, 1), 1);
    EXPECT_EQ(Integrity_Checkpoint("test"), 0);
    _world_maps[World_Square_Index(3, 4, 1)] = 763;
    _world_maps[World_Square_Index(5, 4, 1)] = -1;
    EXPECT_EQ(Integrity_Terrain_Square_Is_Valid(3, 4, 1), 0);
    EXPECT_EQ(Integrity_Terrain_Square_Is_Valid(5, 4, 1), 0);
    EXPECT_EQ(Integrity_Terrain_Square_Is_Valid(60, 0, 0), 0);
    EXPECT_EQ(Integrity_Terrain_Square_Is_Valid(0, 0, 2), 0);
    _units = 1001;
    EXPECT_EQ(Integrity_Checkpoint(nullptr), 2);
    EXPECT_EQ(Integrity_Checkpoint("again"), 2);
    int16_t latch = 0;
    Integrity_Report_Refused_Squares("draw", &latch, 3, 1, 2, 0);
    EXPECT_EQ(latch, 1);
    Integrity_Report_Refused_Squares("draw", &latch, 0, 0, 0, 0);
    EXPECT_EQ(latch, 0);
}

TEST_F(Dev_Test, PatchScenariosOnlyTouchWhatTheyName)
{
    _num_players = 2;
    for (int i = 0; i < 3; i++) {
        ASSERT_EQ(Create_Unit(40, 1, 20, 16, 0, -1), 1);
    }
    std::vector<uint8_t> before = World_Image();
    TST_Patch_Game_Data();
    EXPECT_EQ(World_Image(), before);

    g_tst_patch_scenario = "nonsense";
    TST_Patch_Game_Data();
    EXPECT_EQ(World_Image(), before);

    g_tst_patch_scenario = "som_casting";
    TST_Patch_Game_Data();
    EXPECT_EQ(_units, 3);  // unit 685 is not in use: no stack is removed
    EXPECT_EQ(_players[0].spells_list[spl_Spell_Of_Mastery - 1], SS_KNOWN);
    EXPECT_EQ(_players[0].gold_reserve, 32767);
    EXPECT_EQ(_players[0].casting_spell_idx, spl_Spell_Of_Mastery);
    EXPECT_EQ(_players[0].Nominal_Skill, 181);
    EXPECT_EQ(_players[0].casting_cost_remaining, 90);

    TST_Delete_Stack(1, 0, 0, 0);
    EXPECT_EQ(_units, 0);
}
