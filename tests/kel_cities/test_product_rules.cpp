// What a city is offered to build and what it costs: units first, then buildings, race and terrain
// rules, what a building unlocks, the missing production and the turns it takes.
#include <algorithm>
#include <vector>

#include "Cities_Fixture.h"
#include "cities/Product_Rules.h"
#include "world/Unit_Type_Record.h"

namespace {

// Barbarian units are types 39..45; with the four generic types (race 14) eleven are eligible.
constexpr int BARBARIAN_FIRST = 39;
constexpr int BEASTMEN_FIRST = 46;

class Product_Rules : public Cities_Test {
protected:
    void TearDown() override
    {
        Unit_Type_Table_Reset();
        Cities_Test::TearDown();
    }

    std::vector<int16_t> Products(int16_t city, int16_t *units = nullptr)
    {
        int16_t list[PRODUCT_LIST_MAX] = {};
        int16_t length = -1, producible = -1, unit_count = -1;
        Calculate_Product_Array(city, &length, &producible, &unit_count, list);
        EXPECT_EQ(length, producible);
        if (units != nullptr) *units = unit_count;
        return std::vector<int16_t>(list, list + length);
    }

    static bool Has(const std::vector<int16_t> &list, int16_t product)
    {
        return std::find(list.begin(), list.end(), product) != list.end();
    }

    // Every building but the given ones stands, so that the list is not cut.
    void Build_All_But(int16_t city, std::initializer_list<int> open)
    {
        for (int b = 1; b < NUM_BUILDINGS; b++) _CITIES[city].bldg_status[b] = 1;
        for (int b : open) _CITIES[city].bldg_status[b] = -1;
    }
};

}  // namespace

TEST_F(Product_Rules, TwelveEligibleUnitTypesDropSpearmenAndSwordsmenElevenKeepThem)
{
    _unit_type_table[BARBARIAN_FIRST].name = "Spearmen";
    _unit_type_table[BARBARIAN_FIRST + 1].name = "SWORDSMEN";
    int16_t city = Add_Built_City(0, rt_Barbarian, 20, 20);
    int16_t units = 0;
    std::vector<int16_t> list = Products(city, &units);
    EXPECT_EQ(units, 11);
    EXPECT_TRUE(Has(list, 100 + BARBARIAN_FIRST));
    EXPECT_TRUE(Has(list, 100 + BARBARIAN_FIRST + 1));

    _unit_type_table[BEASTMEN_FIRST + 2].race = rt_Barbarian;  // Bowmen: a kind the rule does not drop
    list = Products(city, &units);
    EXPECT_EQ(units, 10);
    EXPECT_FALSE(Has(list, 100 + BARBARIAN_FIRST));
    EXPECT_FALSE(Has(list, 100 + BARBARIAN_FIRST + 1));
    EXPECT_TRUE(Has(list, 100 + BEASTMEN_FIRST + 2));
    EXPECT_EQ(list[0], 100 + 35) << "units first, in type order";
}

TEST_F(Product_Rules, UnitsNeedBothRequiredBuildingsAndTheListHoldsTwentyAtMostTwelveBuildings)
{
    _unit_type_table[BARBARIAN_FIRST].name = "Spearmen";
    _unit_type_table[BARBARIAN_FIRST + 1].name = "Swordsmen";
    int16_t city = Add_Built_City(0, rt_Barbarian, 20, 20);
    for (int type = 35; type < BARBARIAN_FIRST + 7; type++) _unit_type_table[type].reqd_bldg_1 = 5;
    _unit_type_table[36].reqd_bldg_1 = 0;
    _unit_type_table[BARBARIAN_FIRST].reqd_bldg_1 = 0;
    _unit_type_table[BARBARIAN_FIRST + 2].reqd_bldg_1 = 0;
    int16_t units = 0;
    std::vector<int16_t> list = Products(city, &units);
    EXPECT_EQ(units, 3);
    EXPECT_TRUE(Has(list, 100 + BARBARIAN_FIRST)) << "few kinds keep the plain infantry";
    EXPECT_EQ(list.size(), 3u + 12u) << "with 3 units at most 12 buildings follow";
    EXPECT_EQ(list[3], bt_Trade_Goods);
    EXPECT_EQ(list[4], bt_Housing);

    // Fourteen eligible: twelve listed once the plain infantry is left out.
    _CITIES[city].bldg_status[5] = 0;  // replaced still counts as present
    for (int k = 2; k < 5; k++) _unit_type_table[BEASTMEN_FIRST + k].race = rt_Barbarian;  // not infantry
    list = Products(city, &units);
    EXPECT_EQ(units, 12);
    EXPECT_FALSE(Has(list, 100 + BARBARIAN_FIRST));
    EXPECT_TRUE(Has(list, 100 + BEASTMEN_FIRST + 4));
    EXPECT_EQ(list.size(), (size_t)PRODUCT_LIST_MAX) << "with 12 units at most 8 buildings follow";
    EXPECT_FALSE(Has(list, 5)) << "a replaced building is not offered again";
    EXPECT_EQ(_CITIES[city].bldg_cnt, 1) << "the building count is refreshed";
}

TEST_F(Product_Rules, ARaceNeverSeesItsForbiddenBuildings)
{
    struct Case {
        int race;
        std::vector<int> offered;
        std::vector<int> refused;
    };
    const Case cases[] = {
        {rt_Lizardman, {11, 13, 20, 33}, {7}}, {rt_High_Men, {7, 13, 20, 33}, {11}},  {rt_Orc, {7, 11, 13, 20, 33}, {}},
        {rt_Dwarven, {7, 11, 33}, {13, 20}},   {rt_Draconian, {7, 13, 20}, {11, 33}},
    };
    for (const Case &c : cases) {
        _cities = 0;
        int16_t city = Add_Built_City(0, c.race, 20, 20);
        Build_All_But(city, {7, 11, 13, 20, 33});
        std::vector<int16_t> list = Products(city);
        for (int b : c.offered) EXPECT_TRUE(Has(list, (int16_t)b)) << "race " << c.race << " building " << b;
        for (int b : c.refused) EXPECT_FALSE(Has(list, (int16_t)b)) << "race " << c.race << " building " << b;
    }
}

TEST_F(Product_Rules, ASoldBuildingIsOfferedAgainButRequiresNothingThisTurn)
{
    buildings[6].reqd_bldg_1 = 5;
    buildings[7].reqd_bldg_2 = 5;
    int16_t city = Add_Built_City(0, rt_Orc, 20, 20);
    Build_All_But(city, {5, 6, 7});
    _CITIES[city].bldg_status[5] = 2;
    std::vector<int16_t> list = Products(city);
    EXPECT_TRUE(Has(list, 5));
    EXPECT_FALSE(Has(list, 6));
    EXPECT_FALSE(Has(list, 7));
    _CITIES[city].bldg_status[5] = 1;
    list = Products(city);
    EXPECT_FALSE(Has(list, 5));
    EXPECT_TRUE(Has(list, 6));
    EXPECT_TRUE(Has(list, 7));
}

TEST_F(Product_Rules, WaterCodeLooksAtTheThreeByThreeBlockAndFromRowZeroAtRowsZeroToTwo)
{
    struct Case {
        int city_y;
        int water_x;
        int water_y;
        int16_t met;
    };
    const Case cases[] = {
        {0, 20, 2, 1},   {0, 20, 3, 0},   {0, 21, 0, 1},   {10, 19, 9, 1},  {10, 21, 11, 1},
        {10, 20, 12, 0}, {10, 22, 10, 0}, {39, 20, 38, 1}, {20, 20, 20, 1},
    };
    buildings[14].reqd_bldg_1 = TERRAIN_CODE_WATER;
    for (const Case &c : cases) {
        _cities = 0;
        for (int square = 0; square < NUM_PLANES * WORLD_SIZE; square++) _world_maps[square] = tt_Grasslands;
        Set_Square(c.water_x, c.water_y, 0, tt_Ocean_Edge);
        int16_t city = Add_Built_City(0, rt_Orc, 20, c.city_y);
        EXPECT_EQ(City_Check_Terrain_Requisite(city, TERRAIN_CODE_WATER), c.met)
            << "city row " << c.city_y << ", water at " << c.water_x << "," << c.water_y;
        Build_All_But(city, {14});
        EXPECT_EQ(Has(Products(city), 14), c.met == 1);
    }
    // Columns wrap around the world's edge.
    _cities = 0;
    for (int square = 0; square < NUM_PLANES * WORLD_SIZE; square++) _world_maps[square] = tt_Grasslands;
    Set_Square(59, 10, 0, tt_Ocean_Edge);
    EXPECT_EQ(City_Check_Terrain_Requisite(Add_Built_City(0, rt_Orc, 0, 10), TERRAIN_CODE_WATER), 1);
}

TEST_F(Product_Rules, OtherTerrainCodesLookAtTheUsableArea)
{
    int16_t city = Add_Built_City(0, rt_Orc, 20, 20);
    EXPECT_EQ(City_Check_Terrain_Requisite(city, 101), 0);
    Set_Square(23, 20, 0, tt_Forest);
    EXPECT_EQ(City_Check_Terrain_Requisite(city, 101), 0) << "three squares off lies outside the area";
    Set_Square(22, 21, 0, tt_Forest);
    EXPECT_EQ(City_Check_Terrain_Requisite(city, 101), 1);
    EXPECT_EQ(City_Check_Terrain_Requisite(city, 104), 1);
    Set_Square(22, 22, 0, tt_Hills);
    EXPECT_EQ(City_Check_Terrain_Requisite(city, 200), 0) << "a corner of the block is not in the area";
}

TEST_F(Product_Rules, ProductionCostIsWhatIsMissingAndTurnsRoundUp)
{
    int16_t city = Add_Built_City(0, rt_Orc, 20, 20);
    buildings[9].construction_cost = 130;
    _CITIES[city].construction = bt_Housing;
    _CITIES[city].Prod_Accu = 30;
    EXPECT_EQ(City_Production_Cost(9, city), 100);
    EXPECT_EQ(_CITIES[city].construction, bt_Housing) << "the product is restored";
    _CITIES[city].Prod_Accu = 200;
    EXPECT_EQ(City_Production_Cost(9, city), 0);

    struct Case {
        int16_t cost;
        uint8_t production;
        int16_t turns;
    };
    const Case cases[] = {{100, 30, 4}, {0, 30, 1}, {90, 30, 3}, {1, 255, 1}, {-5, 3, 1}};
    for (const Case &c : cases) {
        _CITIES[city].production_units = c.production;
        EXPECT_EQ(City_N_Turns_To_Produce(c.cost, city), c.turns) << c.cost << " at " << (int)c.production;
    }
    _CITIES[city].production_units = 0;
    _CITIES[city].construction = 9;
    _CITIES[city].Prod_Accu = 0;
    EXPECT_EQ(City_N_Turns_To_Produce(100, city), PRODUCTION_TURNS_NEVER);
    _CITIES[city].Prod_Accu = 130;
    EXPECT_EQ(City_N_Turns_To_Produce(100, city), 1) << "nothing missing";
}

TEST_F(Product_Rules, AllowsListNamesWhatTheBuildingWouldUnlockForTheRace)
{
    buildings[6].reqd_bldg_1 = 5;
    buildings[11].reqd_bldg_1 = 5;  // forbidden to High Men
    buildings[16].reqd_bldg_1 = 5;
    buildings[16].reqd_bldg_2 = 11;  // needs a forbidden building: never
    buildings[14].reqd_bldg_1 = TERRAIN_CODE_WATER;
    buildings[14].reqd_bldg_2 = 5;
    _unit_type_table[104].reqd_bldg_1 = 5;  // a High Men unit
    _unit_type_table[46].reqd_bldg_1 = 5;   // a Beastmen unit
    _city_idx = Add_Built_City(0, rt_High_Men, 20, 20);
    Set_Square(21, 21, 0, tt_Ocean_Edge);
    int16_t list[BUILDING_ALLOWS_LIST_MAX] = {};
    int16_t count = 0;
    Building_Allows_List(5, &count, list);
    std::vector<int16_t> allows(list, list + count);
    EXPECT_EQ(allows, (std::vector<int16_t>{6, 14, 204}));
    EXPECT_EQ(City_Race_Can_Unlock_Building(0, 16), -1);
    EXPECT_EQ(City_Race_Can_Unlock_Building(0, 6), 6);
    buildings[6].reqd_bldg_2 = 9;
    _CITIES[_city_idx].bldg_status[5] = 1;
    _CITIES[_city_idx].bldg_status[9] = 1;
    EXPECT_EQ(City_Race_Can_Unlock_Building(0, 6), -1) << "already fully enabled";
}
