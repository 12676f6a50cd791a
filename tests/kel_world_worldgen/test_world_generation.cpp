// The generation driver: the fixed order of steps with its progress draws, one world per seed,
// and its log line. The steps of other parts of the generator may still be stand-ins here.
#include <gtest/gtest.h>

#include <vector>

#include "LBX_Load.h"
#include "STU_GRAF.h"
#include "World_Fixture.h"
#include "Worldgen_Test_Support.h"
#include "random.h"
#include "world/Army_Services.h"
#include "world/LOADER.h"
#include "worldgen/Lairs.h"
#include "worldgen/World_Generation.h"

namespace {

std::vector<int> m_draws;

void Record_Panel(void) { m_draws.push_back(-1); }
void Record_Progress(int16_t percent) { m_draws.push_back(percent); }

class WorldGen_Driver : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        STU_GRAF_Reset();
        STU_GRAF_Add_Search_Dir(TOLVA_BINARY_DIR "/standin");
        STU_GRAF_Set_User_Data_Dir(user.path.c_str());
        LBX_Close();
        // The rule tables that the generation steps read, once per process.
        static bool tables_loaded = false;
        if (!tables_loaded) {
            Load_TERRSTAT();
            Load_SPELLDAT();
            tables_loaded = true;
        }
        m_draws.clear();
    }
    void TearDown() override
    {
        Army_Set_World_Services({});
        World_Test::TearDown();
    }

    std::vector<uint8_t> Generate(uint32_t seed)
    {
        World_Clear();
        _landsize = 1;
        _magic = 1;
        _difficulty = 2;
        _num_players = 3;
        Set_Random_Seed(seed);
        Init_New_Game();
        return World_Image();
    }
};

TEST_F(WorldGen_Driver, ThePanelComesFirstThenTwentyProgressDrawsInOrder)
{
    Army_World_Services services = {};
    services.building_worlds_panel = Record_Panel;
    services.building_worlds_progress = Record_Progress;
    Army_Set_World_Services(services);
    Generate(5);
    std::vector<int> expected = {-1};
    for (int p = 5; p <= 95; p += 5) {
        expected.push_back(p);
        if (p == 85) expected.push_back(85);
    }
    EXPECT_EQ(m_draws, expected);
    EXPECT_EQ(expected.size(), 21u);
}

TEST_F(WorldGen_Driver, WithoutHooksNothingIsDrawn)
{
    Generate(5);
    Draw_Building_The_Worlds(50);
    EXPECT_TRUE(m_draws.empty());
}

TEST_F(WorldGen_Driver, OneSeedGivesOneWorldAndAnotherSeedAnother)
{
    std::vector<uint8_t> first = Generate(1234);
    std::vector<uint8_t> again = Generate(1234);
    std::vector<uint8_t> other = Generate(1235);
    EXPECT_TRUE(first == again);
    EXPECT_FALSE(first == other);
}

TEST_F(WorldGen_Driver, TheGridsLogOneLineAndLairsEndWithTheirStartingCounts)
{
    std::string text = Logged_Text([&] { Generate(77); });
    EXPECT_EQ(Lines_With(text, "[INFO ] [GENERAL ",
                         "[connectivity_grids] event=calc  (after Build_Connectivity_Graphs for both planes)"),
              1)
        << text;
    for (int i = 0; i < NUM_LAIRS; i++) {
        EXPECT_EQ(_LAIRS[i].guard1_count >> 4, _LAIRS[i].guard1_count & 15) << i;
        EXPECT_EQ(_LAIRS[i].guard2_count >> 4, _LAIRS[i].guard2_count & 15) << i;
    }
}

}  // namespace
