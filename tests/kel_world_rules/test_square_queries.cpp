// What a square is and yields, and the city-wide values built on the squares.
#include "Rules_Fixture.h"
#include "world/Square_Queries.h"

class SquareQueries : public Rules_Test {};

TEST_F(SquareQueries, ClassPredicatesFollowTheTerrainClass)
{
    struct Case {
        int16_t terrain;
        int sailable, shoreline, oceanlike, land, tundra, forest, hills, mountain;
    };
    const Case cases[] = {
        {0, 1, 1, 1, 0, 0, 0, 0, 0},   {601, 1, 1, 1, 0, 0, 0, 0, 0}, {602, 0, 0, 1, 1, 0, 0, 0, 0},
        {603, 0, 0, 0, 1, 1, 0, 0, 0}, {162, 0, 0, 0, 1, 0, 0, 0, 0}, {762 + 163, 0, 0, 0, 1, 0, 1, 0, 0},
        {171, 0, 0, 0, 1, 0, 0, 1, 0}, {164, 0, 0, 0, 1, 0, 0, 0, 1}, {280, 0, 0, 0, 1, 0, 0, 1, 0},
        {265, 0, 0, 0, 1, 0, 0, 0, 1},
    };
    for (const Case &c : cases) {
        Set_Square(10, 10, 0, c.terrain);
        EXPECT_EQ(Square_Is_Sailable(10, 10, 0), c.sailable) << c.terrain;
        EXPECT_EQ(Square_Is_Shoreline(10, 10, 0), c.shoreline) << c.terrain;
        EXPECT_EQ(Square_Is_OceanLike(10, 10, 0), c.oceanlike) << c.terrain;
        EXPECT_EQ(Square_Is_Land(10, 10, 0), c.land) << c.terrain;
        EXPECT_EQ(Square_Is_Tundra(10, 10, 0), c.tundra) << c.terrain;
        EXPECT_EQ(Square_Is_Forest(10, 10, 0), c.forest) << c.terrain;
        EXPECT_EQ(Square_Is_Hills(10, 10, 0), c.hills) << c.terrain;
        EXPECT_EQ(Square_Is_Mountain(10, 10, 0), c.mountain) << c.terrain;
    }
    Set_Square(10, 10, 0, 762 + 163);
    EXPECT_EQ(Building_Terrain_Type_Prerequisite(10, 10, 0), 101);
    _square_explored[World_Square_Index(10, 10, 0)] = 0;
    EXPECT_EQ(Square_Is_Forest(10, 10, 0), 0);
}

TEST_F(SquareQueries, RiverAndOceanLikeTestsWrapTheColumn)
{
    Set_Square(0, 5, 0, 190);
    Set_Square(59, 5, 0, 0);
    EXPECT_EQ(Square_Is_River(60, 5, 0), 1);
    EXPECT_EQ(Square_Is_OceanLike(-1, 5, 0), 1);
    EXPECT_EQ(Square_Is_River(0, 40, 0), 0);
    EXPECT_EQ(Square_Is_River(0, -1, 0), 0);
}

TEST_F(SquareQueries, SharedGrasslandFeedsHalf)
{
    EXPECT_EQ(Square_Food_x2(20, 20, 0), 6);
    Add_City(0, rt_High_Men, 18, 20, 0, 4, 2);
    Add_City(0, rt_High_Men, 21, 20, 0, 4, 2);
    EXPECT_EQ(City_Area_Square_Is_Shared(20, 20, 0), 1);
    EXPECT_EQ(Square_Food_x2(20, 20, 0), 3);
    EXPECT_EQ(Square_Food_x2(15, 20, 0), 6);
}

TEST_F(SquareQueries, MithrilDoubledAndShared)
{
    Set_Square(30, 10, 0, tt_Grasslands, ts_Mithril);
    EXPECT_EQ(Square_Magic_Power(30, 10, 0, 0, 1), 2);
    EXPECT_EQ(Square_Mithril_Power(30, 10, 0, 0, 1), 2);
    EXPECT_EQ(Square_Mithril_Power(30, 10, 0, 0, 0), 1);
    EXPECT_EQ(Square_Has_Mithril(30, 10, 0), 1);
    Add_City(0, rt_High_Men, 29, 10, 0, 4, 2);
    Add_City(0, rt_High_Men, 31, 11, 0, 4, 2);
    EXPECT_EQ(Square_Magic_Power(30, 10, 0, 0, 1), 1);
    EXPECT_EQ(Square_Mithril_Power(30, 10, 0, 0, 1), 1);
}

TEST_F(SquareQueries, GoldIncomeAndUnitCostReductionBySpecial)
{
    Set_Square(30, 10, 0, tt_Grasslands, ts_Gems);
    EXPECT_EQ(Square_Gold_Income(30, 10, 0, 0, 0), 5);
    EXPECT_EQ(Square_Gold_Income(30, 10, 0, 1, 1), 15);
    EXPECT_EQ(Square_Gems_Gold_Income(30, 10, 0, 0, 0), 5);
    EXPECT_EQ(Square_Silver_Gold_Income(30, 10, 0, 0, 0), 0);
    Set_Square(30, 10, 0, tt_Grasslands, ts_Gems | ts_Nightshade);
    EXPECT_EQ(Square_Gold_Income(30, 10, 0, 0, 0), 0);  // the whole byte is compared
    Set_Square(30, 10, 0, tt_Grasslands, ts_Coal | ts_Wild_Game);
    EXPECT_EQ(Square_Unit_Cost_Reduction(30, 10, 0, 1, 0), 20);
    EXPECT_EQ(Square_Unit_Cost_Reduction(30, 10, 0, 0, 1), 20);
    EXPECT_EQ(Square_Unit_Cost_Reduction(30, 10, 0, 0, 0), 10);
}

TEST_F(SquareQueries, RiverBonusHoldsWhenShared)
{
    Set_Square(20, 20, 0, 190);
    Set_Square(21, 21, 0, 0);
    EXPECT_EQ(Square_Gold_Bonus(20, 20, 0), 30);
    Add_City(0, rt_High_Men, 20, 20, 0, 4, 2);
    Add_City(0, rt_High_Men, 22, 20, 0, 4, 2);
    ASSERT_EQ(City_Area_Square_Is_Shared(20, 20, 0), 1);
    EXPECT_EQ(Square_Gold_Bonus(20, 20, 0), 30);
    Set_Square(21, 21, 0, tt_Grasslands);
    EXPECT_EQ(Square_Gold_Bonus(20, 20, 0), 20);
    Set_Square(40, 20, 0, tt_Grasslands);
    Set_Square(41, 19, 0, 0);
    EXPECT_EQ(Square_Gold_Bonus(40, 20, 0), 10);
}

// The shore test wraps at the seam: a city on column 0 sees the sea on column 59 of its own row.
TEST_F(SquareQueries, GoldBonusSeesTheSeaAcrossTheSeam)
{
    Set_Square(59, 20, 0, 0);
    EXPECT_EQ(Square_Gold_Bonus(0, 20, 0), 10);
    Set_Square(59, 20, 0, tt_Grasslands);
    Set_Square(59, 19, 0, 0);  // not a neighbour of (0, 21)
    EXPECT_EQ(Square_Gold_Bonus(0, 21, 0), 0);
}

TEST_F(SquareQueries, RoadTurnsByClass)
{
    struct Case {
        int16_t terrain;
        int16_t turns;
    };
    const Case cases[] = {{1, 2},   {162, 3}, {165, 4}, {169, 5}, {163, 6}, {164, 8}, {190, 5},
                          {265, 8}, {280, 6}, {300, 4}, {610, 6}, {0, -1},  {601, -1}};
    for (const Case &c : cases) {
        Set_Square(5, 5, 0, c.terrain);
        EXPECT_EQ(Turns_To_Build_Road(5, 5, 0), c.turns) << c.terrain;
    }
    Set_Square(5, 5, 0, 164, 0, sf_Road);
    EXPECT_EQ(Turns_To_Build_Road(5, 5, 0), 0);
}

TEST_F(SquareQueries, BestWeaponNeedsTheForgeAndTakesTheBestMetal)
{
    int16_t city = Add_City(0, rt_High_Men, 30, 20, 0, 4, 2);
    Set_Square(31, 21, 0, tt_Grasslands, ts_Mithril);
    EXPECT_EQ(City_Best_Weapon(city), 0);
    _CITIES[city].bldg_status[bt_Weapon_Forge] = 1;
    EXPECT_EQ(City_Best_Weapon(city), 2);
    Set_Square(29, 19, 0, tt_Grasslands, ts_Adamantium);
    EXPECT_EQ(City_Best_Weapon(city), 3);
    Set_Square(29, 19, 0, tt_Grasslands, ts_Adamantium, sf_Corruption);
    EXPECT_EQ(City_Best_Weapon(city), 2);
}

TEST_F(SquareQueries, NightshadeCountAndRoadTradeBonus)
{
    int16_t a = Add_City(0, rt_High_Men, 30, 20, 0, 6, 2);
    int16_t b = Add_City(0, rt_High_Men, 40, 20, 0, 4, 2);
    int16_t c = Add_City(1, rt_Orc, 50, 20, 0, 5, 2);
    Set_Square(31, 20, 0, tt_Grasslands, ts_Nightshade);
    Set_Square(30, 22, 0, tt_Grasslands, ts_Nightshade | ts_Gems);
    _CITIES[a].enchantments[ce_Nightshade] = 9;
    _CITIES[b].enchantments[ce_Nightshade] = 7;
    _CITIES[a].bldg_status[bt_Shrine] = 0;
    All_City_Nightshade_Count();
    EXPECT_EQ(_CITIES[a].enchantments[ce_Nightshade], 2);
    EXPECT_EQ(_CITIES[b].enchantments[ce_Nightshade], 7);  // no building: kept
    _CITIES[a].road_connections[0] = (uint8_t)((1 << b) | (1 << c) | (1 << a));
    EXPECT_EQ(City_Road_Trade_Bonus(a), 4 / 2 + 5);
    _CITIES[a].population = 2;
    EXPECT_EQ(City_Road_Trade_Bonus(a), 6);
}
