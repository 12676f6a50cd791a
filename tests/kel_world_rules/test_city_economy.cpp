// A city's yields and a wizard's economy.
#include "Rules_Fixture.h"
#include "Test_Requirements.h"
#include "world/City_Economy.h"
#include "world/Road_Connections.h"
#include "world/Spell_Ids.h"
#include "world/Square_Queries.h"

class CityEconomy : public Rules_Test {
protected:
    // Food 100: 25 Halfling farmers (75 over terrain 31: 31 + 22), +2 +3, wild game on 21 squares.
    int16_t Hundred_Food_City(int owner)
    {
        int16_t city = Add_City(owner, rt_Halfling, 20, 20, 0, 25, 25);
        _CITIES[city].bldg_status[bt_Granary] = 1;
        _CITIES[city].bldg_status[bt_Farm_Market] = 1;
        for (int y = 18; y <= 22; y++) {
            for (int x = 18; x <= 22; x++) Set_Square(x, y, 0, tt_Grasslands, ts_Wild_Game);
        }
        return city;
    }
};

TEST_F(CityEconomy, FoodOfAHundredAtDifficultyFourSaturates)
{
    int16_t city = Hundred_Food_City(1);
    EXPECT_EQ(City_Food_Production(city), 100);
    _difficulty = 4;
    Do_City_Calculations(city);
    EXPECT_EQ(_CITIES[city].food_units, 255);  // 400 %: stored saturated, not 144
    _difficulty = 1;
    Do_City_Calculations(city);
    EXPECT_EQ(_CITIES[city].food_units, 125);
    _CITIES[city].owner_idx = 0;
    _difficulty = 4;
    Do_City_Calculations(city);
    EXPECT_EQ(_CITIES[city].food_units, 100);  // the human's bytes are not scaled
}

TEST_F(CityEconomy, FarmersAboveThePopulationAreClamped)
{
    int16_t city = Add_City(0, rt_High_Men, 20, 20, 0, 4, 9);
    City_Food_Production(city);
    EXPECT_EQ(_CITIES[city].farmer_count, 4);
    _CITIES[city].farmer_count = 9;
    City_Production_Production(city);
    EXPECT_EQ(_CITIES[city].farmer_count, 4);
    _CITIES[city].population = 0;
    EXPECT_EQ(City_Food_Production(city), 0);
    EXPECT_EQ(City_Production_Production(city), 0);
}

TEST_F(CityEconomy, GoldFromTaxesSquaresAndTrade)
{
    _players[0].tax_rate = 2;
    int16_t city = Add_City(0, rt_High_Men, 20, 20, 0, 10, 4);
    EXPECT_EQ(City_Gold_Production(city), (10 - 2) * 2 / 2);  // 20 % unrest: 2 rebels pay nothing
    Set_Square(21, 20, 0, tt_Grasslands, ts_Gold);
    EXPECT_EQ(City_Gold_Production(city), 11);
    _CITIES[city].bldg_status[bt_Trade_Guild] = 1;
    EXPECT_EQ(City_Gold_Production(city), 22);
    _CITIES[city].owner_idx = CITY_OWNER_NEUTRAL;
    _players[0].tax_rate = 6;
    EXPECT_EQ(City_Gold_Production(city), (10 + 3) * 2);  // a neutral city pays its citizens
    for (int y = 18; y <= 22; y++) {
        for (int x = 18; x <= 22; x++) Set_Square(x, y, 0, tt_Grasslands, ts_Gems);
    }
    _CITIES[city].enchantments[ce_Prosperity] = 1;
    EXPECT_EQ(City_Gold_Production(city), 255);  // 300 and more is stored as 255
    Do_City_Calculations(city);
    EXPECT_EQ(_CITIES[city].gold_units, 255);
}

TEST_F(CityEconomy, UpkeepResearchAndManaByBuildings)
{
    int16_t city = Add_City(0, rt_Dark_Elf, 20, 20, 0, 6, 3);
    City_Record &c = _CITIES[city];
    c.bldg_status[bt_Study_Hall] = 1;
    c.bldg_status[bt_Mage_Guild] = 0;
    c.bldg_status[bt_Temple] = 1;
    c.bldg_status[bt_Sanctum] = 2;  // removed this turn: not standing
    int upkeep = 0;
    for (int b : {0, (int)bt_Study_Hall, (int)bt_Mage_Guild, (int)bt_Temple})
        upkeep += abs(buildings[b].maintenance_cost);
    EXPECT_EQ(City_Gold_Mainanence(city), upkeep);
    EXPECT_EQ(City_Research_Production(city), 2 + 8);
    EXPECT_EQ(City_Mana_Production(city), 2 + 3 + 6);
    _players[0].retorts[rtr_Divine_Power] = 1;
    EXPECT_EQ(City_Mana_Production(city), 3 + 3 + 6);
    _players[0].spellranks[3] = 2;
    Set_Event(ev_Good_Moon_State, EVENT_STATE_LASTING);
    EXPECT_EQ(City_Mana_Production(city), 3 + 3 + 6 + 3);
    Set_Event(ev_Mana_Short_State, EVENT_STATE_LASTING);
    EXPECT_EQ(City_Mana_Production(city), 0);
    c.owner_idx = CITY_OWNER_NEUTRAL;
    EXPECT_EQ(City_Research_Production(city), 0);
}

TEST_F(CityEconomy, MagicPowerFromNodesCitiesAndVolcanoes)
{
    _magic = 1;
    _NODES[0].owner_idx = 0;
    _NODES[0].power = 10;
    _NODES[0].type = nt_Chaos;
    _NODES[1].owner_idx = 0;
    _NODES[1].power = 8;
    _NODES[1].flags = 1;
    for (int n = 2; n < NUM_NODES; n++) _NODES[n].owner_idx = -1;
    _players[0].retorts[rtr_Chaos_Mastery] = 1;
    _players[0].volcanoes = 3;
    int16_t city = Add_City(0, rt_High_Men, 20, 20, 0, 4, 2);
    _CITIES[city].mana_units = 7;
    Players_Update_Magic_Power();
    EXPECT_EQ(_players[0].Power_Base, 10 * 2 - 5 + 7 + 3);
    Set_Event(ev_Red_Conjunction_State, EVENT_STATE_LASTING);
    Players_Update_Magic_Power();
    EXPECT_EQ(_players[0].Power_Base, 10 * 2 * 2 - 5 + 7 + 3);
    _players[0].casting_spell_idx = spl_Spell_Of_Return;
    Players_Update_Magic_Power();
    EXPECT_EQ(_players[0].Power_Base, 0);
    int16_t mana = 1, research = 1, skill = 1;
    Player_Magic_Power_Income_Total(&mana, &research, &skill, 0);
    EXPECT_EQ(mana + research + skill, 0);
}

TEST_F(CityEconomy, PowerSplitGivesTheResearchRemainderAway)
{
    _players[0].Power_Base = 33;
    _players[0].mana_ratio = 40;
    _players[0].skill_ratio = 40;
    _players[0].research_ratio = 0;
    int16_t mana = 0, skill = 0, research = 0;
    Player_Magic_Power_Distribution(&mana, &skill, &research, 0);
    EXPECT_EQ(mana, 13);
    EXPECT_EQ(skill, 20);
    EXPECT_EQ(research, 0);
    _players[0].skill_ratio = 0;
    Player_Magic_Power_Distribution(&mana, &skill, &research, 0);
    EXPECT_EQ(mana, 33);
    EXPECT_EQ(skill, 0);
    _players[0].mana_ratio = 30;
    _players[0].skill_ratio = 30;
    _players[0].research_ratio = 40;
    _players[0].retorts[rtr_Mana_Focusing] = 1;
    Player_Magic_Power_Distribution(&mana, &skill, &research, 0);
    EXPECT_EQ(mana, 10 + 10 / 4);
    EXPECT_EQ(skill, 10);
    EXPECT_EQ(research, 13);
}

TEST_F(CityEconomy, UnitUpkeepFameAndNetIncome)
{
    _unit_type_table[40].Upkeep = 2;
    _unit_type_table[40].Abilities = 0;
    _unit_type_table[160].Upkeep = 4;
    _unit_type_table[160].Abilities = UA_FANTASTIC;
    int16_t soldier = Add_Unit(40, 0, 20, 20, 0);
    int16_t creature = Add_Unit(160, 0, 20, 20, 0);
    EXPECT_EQ(Unit_Gold_Upkeep(soldier), 2);
    EXPECT_EQ(Unit_Mana_Upkeep(soldier), 0);  // a normal unit pays no mana
    EXPECT_EQ(Unit_Gold_Upkeep(creature), 0);
    EXPECT_EQ(Unit_Mana_Upkeep(creature), 4);  // once, not twice
    _UNITS[creature].mutations = UM_UNDEAD;
    EXPECT_EQ(Unit_Mana_Upkeep(creature), 6);
    _UNITS[soldier].enchantments = UE_REGENERATE;
    EXPECT_EQ(Unit_Mana_Upkeep(soldier), 10);
    _players[0].retorts[rtr_Conjurer] = 1;
    EXPECT_EQ(Unit_Mana_Upkeep(creature), (6 * 3 + 3) / 4);
    _players[0].fame = 5;
    EXPECT_EQ(Player_Armies_Gold_Upkeep(0), 0);  // fame above the upkeep gives 0, never less
    EXPECT_EQ(Player_Armies_Food_Upkeep(0), 1);
    _players[0].Globals[ge_Fame_Bonus] = 1;
    EXPECT_EQ(Player_Fame(0), 15);

    g_timestop_player_num = 1;
    int16_t gold = 1, food = 1, mana = 1;
    Player_Resource_Income_Total(0, &gold, &food, &mana);
    EXPECT_EQ(gold, 0);
    EXPECT_EQ(food, 0);
    EXPECT_EQ(mana, -200);
}

// The stand-in saves hold consistent cities whose yield bytes are what the rules give.
TEST_F(CityEconomy, StandinSavesHoldTheYieldsTheRulesGive)
{
    std::string folder = std::string(TOLVA_BINARY_DIR "/standin");
    FILE *probe = fopen((folder + "/SAVE9.GAM").c_str(), "rb");
    if (probe == nullptr) {
        TOLVA_SKIP_OR_FAIL("stand-in installation not built: " << folder);
    }
    fclose(probe);
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(folder.c_str());
    LBX_Close();
    Load_BUILDDAT();
    uint8_t *table = Load_Rule_Table("TERRSTAT", 1, 1, NUM_UNREST_RACES * NUM_UNREST_RACES);
    for (int r = 0; r < NUM_UNREST_RACES; r++) TBL_Unrest[r] = reinterpret_cast<int8_t *>(table + NUM_UNREST_RACES * r);
    for (const char *name : {"SAVE1.GAM", "SAVE9.GAM"}) {
        FILE *file = fopen((folder + "/" + name).c_str(), "rb");
        ASSERT_NE(file, nullptr);
        std::vector<uint8_t> image(SAVE_GAM_SIZE);
        ASSERT_EQ(fread(image.data(), 1, image.size(), file), image.size());
        fclose(file);
        Save_Game_Read_Image(image.data(), image.size());
        Reset_City_Area_Bitfields();
        // The road bits are those the rules give: the road joins Avaran and Tolmir and nothing else.
        std::vector<City_Record> before(_CITIES, _CITIES + _cities);
        Reset_City_Road_Connection_Bitfields();
        bool owners[NUM_PLAYERS] = {};
        for (int16_t c = 0; c < _cities; c++) {
            City_Record saved = _CITIES[c];
            EXPECT_EQ(memcmp(before[c].road_connections, saved.road_connections, 13), 0) << name << " " << saved.name;
            owners[saved.owner_idx] = true;
            EXPECT_GE(saved.farmer_count, City_Minimum_Farmers(c)) << name << " " << saved.name;
            EXPECT_LE(saved.farmer_count + City_Rebel_Count(c), saved.population) << name << " " << saved.name;
            Do_City_Calculations(c);
            const City_Record &now = _CITIES[c];
            EXPECT_EQ(memcmp(&saved.production_units, &now.production_units, 1), 0) << name << " " << saved.name;
            EXPECT_EQ(memcmp(&saved.gold_units, &now.gold_units, 5), 0) << name << " " << saved.name;
            const uint8_t joined = c == 0 ? 0x02 : c == 1 ? 0x01 : 0x00;
            EXPECT_EQ(saved.road_connections[0], joined) << name << " " << saved.name;
            for (int k = 1; k < 13; k++) EXPECT_EQ(saved.road_connections[k], 0) << name;
        }
        EXPECT_TRUE(owners[0] && owners[1] && owners[NEUTRAL_PLAYER_IDX]) << name;
        // The rule cases: shared squares, a river city beside water, corruption, minerals and game.
        EXPECT_EQ(City_Area_Square_Is_Shared(21, 16, 0), 1);
        EXPECT_EQ(Square_Gold_Bonus(_CITIES[0].wx, _CITIES[0].wy, _CITIES[0].wp), 30);
        EXPECT_EQ(Square_Has_Corruption(18, 15, 0), 1);
        EXPECT_GT(City_Food_WildGame(0), 0);
        EXPECT_GT(_CITIES[0].building_maintenance, 0);
        EXPECT_GT(_CITIES[0].gold_units, 0);
        EXPECT_GT(_CITIES[0].food_units, 0);
    }
}
