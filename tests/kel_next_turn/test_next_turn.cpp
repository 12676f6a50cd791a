// The world turn: its random stream, the order that Time Stop and a winner cut short, the reserve
// caps, the autosave and the gold log lines.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "STU_GRAF.h"
#include "STU_Log.h"
#include "World_Fixture.h"
#include "overland/Main_Screen.h"
#include "random.h"
#include "shell/Screen_Control.h"
#include "turn/End_Of_Turn.h"
#include "turn/Next_Turn.h"
#include "turn/Random_Events.h"
#include "turn/Report_Queues.h"
#include "world/ALLOC.h"
#include "world/Army_Services.h"
#include "world/Building_Data_Record.h"
#include "world/Events_Record.h"
#include "world/LOADSAVE.h"
#include "world/Map_Square_Record.h"
#include "world/Player_Record.h"
#include "world/Square_Queries.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

namespace {

std::string Read_File(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class EndOfTurn_Turn : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        _units = 0;
        _cities = 0;
        _turn = 10;
        g_timestop_player_num = 0;
        magic_master_idx = -1;
        m_magic_winner_idx = -1;
        g_conquest_winner_idx = -1;
        DBG_Alt_A_State = 0;
        RNG_AI_Turn_Seed = 4321;
        for (int p = 0; p < NUM_PLAYERS; p++) {
            _players[p].gold_reserve = 100;
            _players[p].mana_reserve = 100;
        }
    }

    // The computer's choice of production for the human's cities draws from the turn's stream.
    static void Draw_Through_The_Vizier(void)
    {
        grand_vizier = 1;
        for (int i = 0; i < 8; i++) Add_City(0, (uint8_t)(10 + 3 * i), 10);
    }

    static int16_t Add_Unit(int8_t owner, uint8_t type, uint8_t wx, uint8_t wy)
    {
        int16_t idx = _units++;
        Unit_Record &unit = _UNITS[idx];
        memset(&unit, 0, sizeof(unit));
        unit.owner_idx = owner;
        unit.type = type;
        unit.wx = wx;
        unit.wy = wy;
        unit.Hero_Slot = -1;
        unit.Rd_Constr_Left = -1;
        return idx;
    }

    static int16_t Add_City(int8_t owner, uint8_t wx, uint8_t wy)
    {
        int16_t idx = _cities++;
        City_Record &city = _CITIES[idx];
        memset(&city, 0, sizeof(city));
        strcpy(city.name, "Keep");
        city.owner_idx = owner;
        city.wx = wx;
        city.wy = wy;
        city.population = 4;
        city.size = 1;
        city.construction = bt_Housing;
        for (int b = 0; b < NUM_BUILDINGS; b++) city.bldg_status[b] = -1;
        return idx;
    }
};

TEST_F(EndOfTurn_Turn, TheWorldTurnDrawsFromItsOwnStreamAndStoresItBack)
{
    EXPECT_EQ(RNG_AI_TURN_SEED_START, 10839u);
    Draw_Through_The_Vizier();
    std::vector<uint8_t> start = World_Image();

    Set_Random_Seed(1);
    Next_Turn_Calc();
    uint32_t stored = RNG_AI_Turn_Seed;
    EXPECT_NE(stored, 4321u) << "the turn drew from its stream";
    EXPECT_EQ(Get_Random_Seed(), stored) << "the stream's state is stored back last";
    std::vector<uint8_t> first = World_Image();

    // The same world and the same turn stream give the same turn whatever the outer generator held.
    SetUp();
    Draw_Through_The_Vizier();
    ASSERT_EQ(World_Image(), start);
    Set_Random_Seed(987654);
    Next_Turn_Calc();
    EXPECT_EQ(RNG_AI_Turn_Seed, stored);
    EXPECT_EQ(World_Image(), first);
    EXPECT_EQ(_turn, 11);
}

TEST_F(EndOfTurn_Turn, ReservesAreCutTo30000)
{
    _players[0].gold_reserve = 30500;
    _players[1].mana_reserve = 31000;
    Next_Turn_Calc();
    EXPECT_LE(_players[0].gold_reserve, 30000);
    EXPECT_LE(_players[1].mana_reserve, 30000);
    EXPECT_GE(_players[0].gold_reserve, 29000);
}

TEST_F(EndOfTurn_Turn, TimeStopSuspendsTheEconomyButTheTurnAdvances)
{
    struct Case {
        int16_t caster;
        int16_t mana;
        int16_t mana_after;
        int16_t still_in_force;
    };
    const Case cases[] = {{1, 500, 300, 1}, {1, 150, 0, 0}, {0, 199, 0, 0}, {0, 200, 0, 1}};
    for (const Case &c : cases) {
        SetUp();
        g_timestop_player_num = (int16_t)(c.caster + 1);
        _players[c.caster].Globals[ge_Time_Stop] = (uint8_t)(c.caster + 1);
        _players[c.caster].mana_reserve = c.mana;
        // Suspended with the economy: a truce would shorten and the human's gold be booked.
        _players[0].gold_reserve = 777;
        Next_Turn_Calc();
        EXPECT_EQ(_turn, 11);
        EXPECT_EQ(_players[c.caster].mana_reserve, c.mana_after) << "caster " << c.caster << " mana " << c.mana;
        EXPECT_EQ(g_timestop_player_num != 0, c.still_in_force != 0) << c.mana;
        EXPECT_EQ(_players[c.caster].Globals[ge_Time_Stop] != 0, c.still_in_force != 0) << c.mana;
        EXPECT_EQ(MSG_GEs_Lost != 0, c.caster == 0 && !c.still_in_force) << c.mana;
        EXPECT_EQ(_players[0].gold_reserve, 777);
    }
}

// The choice of a new event needs the setting on and the debug switch off; a lasting event runs
// its course either way.
TEST_F(EndOfTurn_Turn, NewEventsFollowTheSettingButLastingOnesRunOn)
{
    struct Case {
        int16_t events_setting, debug_switch, delay_after;
    } cases[] = {{0, 0, 2}, {1, 0, 3}, {1, 1, 2}};
    for (const Case &c : cases) {
        SetUp();
        magic_set.words[GS_RANDOM_EVENTS] = c.events_setting;
        DBG_Alt_A_State = c.debug_switch;
        _event_delay_count = 2;  // a chance of 0 while it counts up: a choice only counts
        events_table->words[ev_Good_Moon_State] = 1;
        Next_Turn_Calc();
        EXPECT_EQ(_event_delay_count, c.delay_after) << c.events_setting << c.debug_switch;
        EXPECT_EQ(events_table->words[ev_Good_Moon_State], 2) << c.events_setting << c.debug_switch;
    }
    DBG_Alt_A_State = 0;
}

TEST_F(EndOfTurn_Turn, AWinnerStopsTheTurnBeforeUpkeepAndTheTurnCount)
{
    magic_master_idx = 1;
    _turn = 3;
    magic_set.words[GS_RANDOM_EVENTS] = 1;  // the events step draws before the winner stops the turn
    Set_Random_Seed(99);
    Next_Turn_Calc();
    EXPECT_EQ(_turn, 3);
    EXPECT_FALSE(std::filesystem::exists(User_Path("SAVE9.GAM")));
    EXPECT_NE(RNG_AI_Turn_Seed, 4321u);
    EXPECT_EQ(Get_Random_Seed(), RNG_AI_Turn_Seed) << "the stream is stored back on the early exit too";
}

TEST_F(EndOfTurn_Turn, EveryFourthTurnIsSavedAsTheContinueGame)
{
    for (int16_t turn = 1; turn <= 9; turn++) {
        std::filesystem::remove(User_Path("SAVE9.GAM"));
        _turn = turn;
        IDK_autosave = 1;
        Next_Turn_Calc();
        bool saved = std::filesystem::exists(User_Path("SAVE9.GAM"));
        EXPECT_EQ(saved, (turn + 1) % 4 == 0) << "the turn that reaches " << turn + 1;
        if (saved) {
            std::string bytes = Read_File(User_Path("SAVE9.GAM"));
            ASSERT_GT(bytes.size(), 2534u);
            int16_t saved_turn = 0;
            memcpy(&saved_turn, bytes.data() + 2532, 2);
            EXPECT_EQ(saved_turn, turn + 1);
            EXPECT_EQ(IDK_autosave, 0);
            // The turn's stream is not part of a saved game: loading leaves it as it is.
            RNG_AI_Turn_Seed = 777;
            ASSERT_EQ(Load_SAVE_GAM(8), 1);
            EXPECT_EQ(RNG_AI_Turn_Seed, 777u);
        }
    }
}

std::vector<std::string> g_save_warnings;

// An autosave that cannot be written is logged and shown once; the world turn goes on.
TEST_F(EndOfTurn_Turn, AFailedAutosaveIsLoggedAndShownOnce)
{
    Test_Temp_Dir dir;
    setenv("TOLVA_LOG_DIR", dir.path.c_str(), 1);
    std::string ini = dir / "Tolva.ini";
    std::ofstream(ini) << "";
    STU_Log_Startup(ini.c_str());
    g_save_warnings.clear();
    Army_World_Services services = {};
    services.warn_player = [](const char *text) { g_save_warnings.push_back(text); };
    Army_Set_World_Services(services);
    std::string missing = dir / "no-such-folder";
    STU_GRAF_Set_User_Data_Dir(missing.c_str());
    _turn = 3;
    Next_Turn_Calc();
    Army_Set_World_Services({});
    STU_Log_Flush_All();
    std::string text = Read_File(dir / "tolva_log_new.txt");
    STU_Log_Shutdown();
    unsetenv("TOLVA_LOG_DIR");
    EXPECT_EQ(_turn, 4);
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(g_save_warnings.size(), 1u);
    EXPECT_NE(text.find("Do_Autosave: the game of turn 4 was not saved"), std::string::npos) << text;
    EXPECT_EQ(Get_Random_Seed(), RNG_AI_Turn_Seed) << "the turn still ends as usual";
}

// A quit asked for while the turn ran (a closed window, the script's quit) saves nothing the
// player did not save: the autosave is left out.
TEST_F(EndOfTurn_Turn, AQuitDuringTheTurnLeavesTheAutosaveOut)
{
    Test_Temp_Dir dir;
    STU_GRAF_Set_User_Data_Dir(dir.path.c_str());
    _turn = 3;
    quit_game_flag = 1;
    Next_Turn_Calc();
    quit_game_flag = 0;
    EXPECT_EQ(_turn, 4);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path)) << "a file was written";
}

TEST_F(EndOfTurn_Turn, TheGoldLinesBracketIncomeAndUpkeep)
{
    Test_Temp_Dir dir;
    setenv("TOLVA_LOG_DIR", dir.path.c_str(), 1);
    std::string ini = dir / "Tolva.ini";
    std::ofstream(ini) << "";
    STU_Log_Startup(ini.c_str());
    _players[0].gold_reserve = 1234;
    Next_Turn_Calc();
    int16_t after = _players[0].gold_reserve;
    STU_Log_Flush_All();
    std::string text = Read_File(dir / "tolva_log_new.txt");
    STU_Log_Shutdown();
    unsetenv("TOLVA_LOG_DIR");
    const char *lines[] = {
        "[GOLD] BEFORE Update_Players_Gold_Reserve: gold_reserve=1234",
        "[GOLD] AFTER  Update_Players_Gold_Reserve: gold_reserve=",
        "[GOLD] BEFORE Players_Apply_Upkeeps: gold_reserve=",
        "[GOLD] AFTER  Players_Apply_Upkeeps: gold_reserve=",
    };
    size_t at = 0;
    for (const char *line : lines) {
        size_t found = text.find(line, at);
        ASSERT_NE(found, std::string::npos) << line << "\n" << text;
        at = found + 1;
    }
    size_t last = text.find(lines[3]);
    EXPECT_EQ(atoi(text.c_str() + last + strlen(lines[3])), after) << "nothing after upkeep changes the gold";
    EXPECT_NE(text.find("NEXTTURN"), std::string::npos) << text;
}

TEST_F(EndOfTurn_Turn, CheapComputerUnitsGoFromTurn100AndOneCheapGarrisonUnitEvery25th)
{
    const uint8_t cheap = 39;
    int16_t average = (int16_t)(_unit_type_table[cheap].cost * 2 + 10);
    struct Case {
        int16_t turn;
        int16_t field_killed;
        int16_t garrison_killed;
    };
    // Every 25th turn the average is recomputed from the wizard's own units, so it is the
    // garrison purge alone that is checked there.
    const Case cases[] = {{99, 0, 0}, {126, 1, 0}};
    for (const Case &c : cases) {
        SetUp();
        _num_players = 2;
        _turn = c.turn;
        _players[1].average_unit_cost = average;
        Add_City(1, 20, 20);
        int16_t g1 = Add_Unit(1, cheap, 20, 20);
        int16_t g2 = Add_Unit(1, cheap, 20, 20);
        int16_t field = Add_Unit(1, cheap, 30, 30);
        int16_t human = Add_Unit(0, cheap, 31, 31);
        AI_Kill_Lame_Units();
        EXPECT_EQ(GUI_Multipurpose_Int, c.field_killed) << c.turn;
        EXPECT_EQ(_UNITS[field].owner_idx == -1, c.field_killed == 1) << c.turn;
        EXPECT_EQ(_UNITS[g1].owner_idx, 1) << c.turn;
        EXPECT_EQ(_UNITS[g2].owner_idx, 1) << c.turn;
        EXPECT_EQ(_UNITS[human].owner_idx, 0) << c.turn;
    }

    // Turn 125: the average comes from the wizard's own units (two garrison spearmen and three
    // priests: 245 / 5 = 49), and the garrison gives up its first cheap unit, no more.
    const uint8_t priests = 45;
    SetUp();
    _num_players = 2;
    _turn = 125;
    Add_City(1, 20, 20);
    int16_t g1 = Add_Unit(1, cheap, 20, 20);
    int16_t g2 = Add_Unit(1, cheap, 20, 20);
    for (uint8_t k = 0; k < 3; k++) Add_Unit(1, priests, (uint8_t)(30 + k), 30);
    AI_Kill_Lame_Units();
    EXPECT_EQ(_players[1].average_unit_cost,
              (2 * _unit_type_table[cheap].cost + 3 * _unit_type_table[priests].cost) / 5);
    EXPECT_EQ(_UNITS[g1].owner_idx, -1);
    EXPECT_EQ(_UNITS[g2].owner_idx, 1);
    for (int16_t u = 2; u < 5; u++) EXPECT_EQ(_UNITS[u].owner_idx, 1) << u;
    EXPECT_EQ(GUI_Multipurpose_Int, 0) << "only the units outside the cities are counted";
}

}  // namespace
