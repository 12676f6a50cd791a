// The cities' turn: growth and shrinking, outposts, production of units and buildings, the
// building-complete queue as cities leave the table, the report queues, and global enchantments.
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "../kel_cities/Cities_Fixture.h"
#include "STU_Log.h"
#include "Test_Temp_Dir.h"
#include "cities/City_Records.h"
#include "random.h"
#include "turn/Building_Complete_Messages.h"
#include "turn/City_Changes.h"
#include "turn/Report_Queues.h"
#include "world/ALLOC.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t UNIT_TYPE = 40;
// The human's city whose product the grand vizier picks.
constexpr int16_t VIZIER_CHOOSES = -100;

class EndOfTurn_Cities : public Cities_Test {
protected:
    Unit_Type_Record saved_type = {};

    void SetUp() override
    {
        Cities_Test::SetUp();
        City_Records_Install_World_Hooks();
        Initialize_Reports();
        grand_vizier = 0;
        saved_type = _unit_type_table[UNIT_TYPE];
        _unit_type_table[UNIT_TYPE].cost = 40;
    }
    void TearDown() override
    {
        _unit_type_table[UNIT_TYPE] = saved_type;
        Cities_Test::TearDown();
    }

    // A city that neither grows nor shrinks this turn unless told: fed exactly.
    int16_t Steady_City(int owner, int wx, int population)
    {
        int16_t idx = Add_City(owner, rt_Orc, wx, 20, 0, population, 1);
        _CITIES[idx].food_units = (uint8_t)population;
        _CITIES[idx].construction = bt_Trade_Goods;
        return idx;
    }
};

}  // namespace

TEST_F(EndOfTurn_Cities, GrowthAddsAPointKeepsFarmersAndSizeAndIsReportedForTheHumanOnly)
{
    int16_t human = Steady_City(0, 10, 4);
    int16_t rival = Steady_City(1, 20, 4);
    _CITIES[human].Pop_10s = 500;
    _CITIES[rival].Pop_10s = 500;
    Apply_City_Changes();
    for (int16_t c : {human, rival}) {
        EXPECT_EQ(_CITIES[c].population, 5);
        EXPECT_EQ(_CITIES[c].Pop_10s, 0);
        EXPECT_EQ(_CITIES[c].size, 2) << "(5 + 3) / 4";
        EXPECT_LE(_CITIES[c].farmer_count, _CITIES[c].population);
    }
    ASSERT_EQ(MSG_CityGrowth_Count, 1);
    EXPECT_EQ(MSG_CityGrowth_Array[0], human);
}

TEST_F(EndOfTurn_Cities, PopulationLimitsOfGrowth)
{
    int16_t full = Steady_City(0, 10, 25);
    _CITIES[full].Pop_10s = 32000;
    int16_t neutral = Steady_City(CITY_OWNER_NEUTRAL, 20, 8);
    _CITIES[neutral].Pop_10s = 500;
    Apply_City_Changes();
    EXPECT_EQ(_CITIES[full].population, 25) << "a full city gathers points without growing";
    EXPECT_GE(_CITIES[full].Pop_10s, 32000) << "and its points do not wrap";
    EXPECT_EQ(_CITIES[neutral].population, 8) << "a neutral city stays at 8";
    EXPECT_EQ(_CITIES[neutral].size, 3) << "its size class is taken from 9";
    EXPECT_EQ(MSG_CityGrowth_Count, 0);
}

TEST_F(EndOfTurn_Cities, ShrinkingLosesAPointButACityOfOneNeverDies)
{
    int16_t starving = Steady_City(0, 10, 5);
    _CITIES[starving].food_units = 0;
    int16_t lone = Steady_City(0, 20, 1);
    _CITIES[lone].food_units = 0;
    Apply_City_Changes();
    EXPECT_EQ(_CITIES[starving].population, 4);
    EXPECT_EQ(_CITIES[starving].size, 1);
    EXPECT_EQ(_CITIES[starving].Pop_10s, 75) << "-25 + 100";
    EXPECT_EQ(_CITIES[lone].population, 1);
    EXPECT_EQ(_CITIES[lone].Pop_10s, 5);
    ASSERT_EQ(MSG_CityDeath_Count, 1);
    EXPECT_EQ(MSG_CityDeath_Array[0], starving);
}

TEST_F(EndOfTurn_Cities, OutpostsBecomeHamletsOrAreDesertedAndTheCityAfterADesertedOneStillGetsItsTurn)
{
    int16_t gone = Steady_City(0, 10, 0);
    _CITIES[gone].Pop_10s = 0;
    strcpy(_CITIES[gone].name, "Lostholm");
    int16_t hamlet = Steady_City(0, 20, 0);
    _CITIES[hamlet].Pop_10s = 10;
    int16_t waiting = Steady_City(0, 30, 0);
    _CITIES[waiting].Pop_10s = 9;
    Apply_City_Changes();
    ASSERT_EQ(_cities, 2);
    EXPECT_STREQ(_CITIES[0].name, "City 1");
    EXPECT_EQ(_CITIES[0].population, 1) << "the outpost after the deserted one grew all the same";
    EXPECT_EQ(_CITIES[0].size, 1);
    EXPECT_EQ(_CITIES[1].population, 0) << "9 points are not enough";
    ASSERT_EQ(MSG_CityLost_Count, 1);
    EXPECT_STREQ(MSG_CityLost_Names[0], "Lostholm");
    ASSERT_EQ(MSG_CityGained_Count, 1);
    EXPECT_EQ(MSG_CityGained_Array[0], 0);
}

TEST_F(EndOfTurn_Cities, UnitProductionByOwnerAndUnitCount)
{
    struct Case {
        int owner;
        int16_t vizier, units, made, product_after;
    } cases[] = {
        {0, 0, 0, 1, (int16_t)(PRODUCT_UNIT_BASE + UNIT_TYPE)},  // the human keeps building it
        {0, 1, 0, 1, VIZIER_CHOOSES},
        {1, 0, 0, 1, PRODUCT_CANCELLED},
        {0, 0, 999, 0, bt_Trade_Goods},  // too many units: trade goods
        {0, 1, 999, 0, VIZIER_CHOOSES},
        {1, 0, 999, 0, PRODUCT_CANCELLED},
    };
    for (const Case &c : cases) {
        _cities = 0;
        _units = c.units;
        grand_vizier = c.vizier;
        int16_t idx = Steady_City(c.owner, 10, 4);
        _CITIES[idx].construction = PRODUCT_UNIT_BASE + UNIT_TYPE;
        _CITIES[idx].production_units = 30;
        _CITIES[idx].Prod_Accu = 20;
        City_Apply_Production(idx);
        EXPECT_EQ(_units, c.units + c.made) << "owner " << c.owner << " units " << c.units;
        EXPECT_EQ(_CITIES[idx].Prod_Accu, 0) << "owner " << c.owner << " units " << c.units;
        if (c.product_after != VIZIER_CHOOSES) {
            EXPECT_EQ(_CITIES[idx].construction, c.product_after) << "owner " << c.owner << " units " << c.units;
        } else {
            EXPECT_NE(_CITIES[idx].construction, PRODUCT_CANCELLED) << "the computer chose the next product";
        }
        if (c.made) {
            EXPECT_EQ(_UNITS[c.units].type, UNIT_TYPE);
            EXPECT_EQ(_UNITS[c.units].wx, 10);
        }
    }
    _cities = 0;
    _units = 0;
    grand_vizier = 0;
    int16_t idx = Steady_City(0, 10, 4);
    _CITIES[idx].construction = PRODUCT_UNIT_BASE + UNIT_TYPE;
    _CITIES[idx].production_units = 5;
    City_Apply_Production(idx);
    EXPECT_EQ(_units, 0);
    EXPECT_EQ(_CITIES[idx].Prod_Accu, 5) << "not paid yet";
}

// Below the hard limit a city's unit can still be refused (the human's soft cap at 980, the
// computers' at 950): nothing is made, so nothing is paid, and the human is told why.
TEST_F(EndOfTurn_Cities, ARefusedUnitKeepsItsProductionAndTheHumanIsWarned)
{
    Test_Temp_Dir dir;
    setenv("TOLVA_LOG_DIR", dir.path.c_str(), 1);
    std::string ini = dir / "Tolva.ini";
    std::ofstream(ini) << "";
    STU_Log_Startup(ini.c_str());
    struct Case {
        int owner;
        int16_t vizier, units;
    } cases[] = {{0, 0, 985}, {0, 1, 990}, {1, 0, 960}};
    for (const Case &c : cases) {
        _cities = 0;
        _units = c.units;
        grand_vizier = c.vizier;
        int16_t idx = Steady_City(c.owner, 10 + c.owner, 4);
        _CITIES[idx].construction = PRODUCT_UNIT_BASE + UNIT_TYPE;
        _CITIES[idx].production_units = 30;
        _CITIES[idx].Prod_Accu = 20;
        City_Apply_Production(idx);
        EXPECT_EQ(_units, c.units) << "owner " << c.owner;
        EXPECT_EQ(_CITIES[idx].Prod_Accu, 50) << "owner " << c.owner;
        EXPECT_EQ(_CITIES[idx].construction, PRODUCT_UNIT_BASE + UNIT_TYPE) << "owner " << c.owner;
    }
    STU_Log_Flush_All();
    std::ifstream in(dir / "tolva_log_new.txt");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    STU_Log_Shutdown();
    unsetenv("TOLVA_LOG_DIR");
    int warnings = 0;
    for (size_t at = text.find("cannot build: too many units"); at != std::string::npos;
         at = text.find("cannot build: too many units", at + 1))
        warnings++;
    EXPECT_EQ(warnings, 2) << "the two human cities, not the computer's\n" << text;
}

TEST_F(EndOfTurn_Cities, ABuildingCompletesReplacesItsPredecessorAndIsQueuedForTheHuman)
{
    buildings[12].replace_bldg = 5;
    int16_t human = Steady_City(0, 10, 4);
    int16_t neutral = Steady_City(CITY_OWNER_NEUTRAL, 20, 4);
    for (int16_t c : {human, neutral}) {
        _CITIES[c].bldg_status[5] = 1;
        _CITIES[c].construction = 12;
        _CITIES[c].production_units = 20;
        _CITIES[c].Prod_Accu = (int16_t)(buildings[12].construction_cost - 15);
    }
    City_Apply_Production(human);
    City_Apply_Production(neutral);
    EXPECT_EQ(_CITIES[human].bldg_status[12], 1);
    EXPECT_EQ(_CITIES[human].bldg_status[5], 0) << "replaced";
    EXPECT_EQ(_CITIES[human].bldg_cnt, 1);
    EXPECT_EQ(_CITIES[human].construction, bt_Housing);
    EXPECT_EQ(_CITIES[human].Prod_Accu, 0);
    ASSERT_EQ(g_bldg_msg_ctr, 1);
    EXPECT_EQ(MSG_Building_Complete[0].city_idx, human);
    EXPECT_EQ((int)MSG_Building_Complete[0].bldg_idx, 12);
    EXPECT_EQ(_CITIES[neutral].bldg_status[12], -1) << "a neutral city puts in half its production";
    EXPECT_EQ(_CITIES[neutral].Prod_Accu, buildings[12].construction_cost - 5);

    _CITIES[neutral].Prod_Accu = buildings[12].construction_cost;
    City_Apply_Production(neutral);
    EXPECT_EQ(_CITIES[neutral].bldg_status[12], 1);
    EXPECT_EQ(_CITIES[neutral].construction, PRODUCT_CANCELLED);
    EXPECT_EQ(g_bldg_msg_ctr, 1) << "only the human's buildings are queued";

    _CITIES[neutral].construction = bt_Housing;
    City_Apply_Production(neutral);
    EXPECT_EQ(_CITIES[neutral].construction, PRODUCT_CANCELLED) << "a computer's city chooses again";
}

TEST_F(EndOfTurn_Cities, DestroyingACityDropsItsQueueEntriesAndRenumbersTheLaterOnes)
{
    for (int c = 0; c < 7; c++) Steady_City(1, 5 + 5 * c, 4);
    const int16_t queued[][2] = {{2, 10}, {4, 11}, {6, 12}, {4, 13}};
    for (const auto &q : queued) {
        MSG_Building_Complete[g_bldg_msg_ctr].city_idx = (uint8_t)q[0];
        MSG_Building_Complete[g_bldg_msg_ctr].bldg_idx = q[1];
        g_bldg_msg_ctr++;
    }
    Report_City_Growth(4);
    Report_City_Growth(6);
    Report_City_Death(2);
    Destroy_City(4);
    ASSERT_EQ(g_bldg_msg_ctr, 2);
    EXPECT_EQ(MSG_Building_Complete[0].city_idx, 2);
    EXPECT_EQ((int)MSG_Building_Complete[0].bldg_idx, 10);
    EXPECT_EQ(MSG_Building_Complete[1].city_idx, 5);
    EXPECT_EQ(MSG_Building_Complete[1].bldg_idx, 12);
    ASSERT_EQ(MSG_CityGrowth_Count, 1) << "the report names no city that is gone";
    EXPECT_EQ(MSG_CityGrowth_Array[0], 5);
    ASSERT_EQ(MSG_CityDeath_Count, 1);
    EXPECT_EQ(MSG_CityDeath_Array[0], 2);
}

TEST_F(EndOfTurn_Cities, ReportQueuesTakeTwentyEntriesAndAreEmptiedForTheNextTurn)
{
    for (int i = 0; i < 25; i++) {
        Report_City_Growth((int16_t)i);
        Report_Outpost_Lost("An outpost with a name far too long");
    }
    EXPECT_EQ(MSG_CityGrowth_Count, REPORT_QUEUE_MAX);
    EXPECT_EQ(MSG_CityGrowth_Array[19], 19);
    EXPECT_EQ(MSG_CityLost_Count, REPORT_QUEUE_MAX);
    EXPECT_EQ(strlen(MSG_CityLost_Names[19]), (size_t)REPORT_OUTPOST_NAME_SIZE - 1);
    MSG_GEs_Lost = 1;
    MSG_UnitKilled_Count = 3;
    Initialize_Reports();
    EXPECT_EQ(MSG_CityGrowth_Count, 0);
    EXPECT_EQ(MSG_CityLost_Count, 0);
    EXPECT_EQ(MSG_UnitKilled_Count, 0);
    EXPECT_EQ(MSG_GEs_Lost, 0);
}

TEST_F(EndOfTurn_Cities, NoSpellBeingCastClearsItsFirstCost)
{
    _num_players = 2;
    _players[0].casting_spell_idx = 0;
    _players[0].casting_cost_original = 300;
    _players[1].casting_spell_idx = 50;
    _players[1].casting_cost_original = 200;
    Diplomacy_Growth_For_Enchantments();
    EXPECT_EQ(_players[0].casting_cost_original, 0);
    EXPECT_EQ(_players[1].casting_cost_original, 200);
}

TEST_F(EndOfTurn_Cities, PestilenceTakesAPointWhenItsDrawIsBelowThePopulation)
{
    int16_t crowded = Steady_City(0, 10, 11);  // every draw of 1..10 is below 11
    int16_t lone = Steady_City(0, 20, 1);      // no draw is below 1
    _CITIES[crowded].enchantments[ce_Pestilence] = 2;
    _CITIES[lone].enchantments[ce_Pestilence] = 2;
    Apply_City_Changes();
    EXPECT_EQ(_CITIES[crowded].population, 10);
    EXPECT_EQ(_CITIES[lone].population, 1);
    ASSERT_EQ(MSG_CityDeath_Count, 1);
    EXPECT_EQ(MSG_CityDeath_Array[0], crowded);
}
