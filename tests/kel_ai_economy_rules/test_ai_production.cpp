// What computer, neutral and Grand Vizier cities build, and when a computer wizard buys.
#include "AI_Fixture.h"
#include "ai/AI_City_Production.h"
#include "cities/City_Records.h"
#include "cities/Product_Rules.h"

namespace {

class AiProduction : public AI_Test {
protected:
    void SetUp() override
    {
        AI_Test::SetUp();
        for (int b = 0; b < NUM_BUILDING_TYPES; b++) buildings[b].AI_Category = (int16_t)(b % 10);
    }

    std::vector<int16_t> Product_List(int16_t city)
    {
        int16_t length = 0, producible = 0, units = 0;
        int16_t list[PRODUCT_LIST_MAX] = {};
        Calculate_Product_Array(city, &length, &producible, &units, list);
        return std::vector<int16_t>(list, list + length);
    }
    bool Listed(int16_t city, int16_t product)
    {
        for (int16_t p : Product_List(city)) {
            if (p == product) return true;
        }
        return false;
    }
};

struct Ladder_Case {
    int units;
    std::initializer_list<int> built;
    int16_t expect;  // -1: the weighted pick follows
};

}  // namespace

TEST_F(AiProduction, GarrisonLadderThenTheWeightedPick)
{
    // From turn 201 no landmass is the human's home, so every computer city climbs the ladder.
    _turn = 250;
    const Ladder_Case cases[] = {
        {1, {}, bt_Garrison},
        {2, {bt_Garrison}, bt_Builders_Lodge},
        {3, {bt_Garrison, bt_Builders_Lodge}, bt_Shrine},
        {4, {bt_Garrison, bt_Builders_Lodge, bt_Shrine}, bt_Capital_Hall},
        {5, {bt_Garrison, bt_Builders_Lodge, bt_Shrine, bt_Capital_Hall}, bt_Granary},
        {1, {bt_Garrison}, -1},
        {6, {bt_Garrison, bt_Builders_Lodge, bt_Shrine, bt_Capital_Hall, bt_Granary}, -1},
    };
    for (const Ladder_Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.units << " units");
        _cities = 0;
        _units = 0;
        int16_t city = Add_City(1, rt_High_Men, 10, 10, 0, 6, 0);
        for (int b : c.built) _CITIES[city].bldg_status[b] = 1;
        for (int u = 0; u < c.units; u++) Add_Unit(40, 1, 10, 10, 0);
        _CITIES[city].construction = PRODUCT_NOTHING;
        Player_Colony_Autobuild_CP(1, city);
        int16_t product = _CITIES[city].construction;
        if (c.expect >= 0) {
            EXPECT_EQ(product, c.expect);
        } else {
            EXPECT_TRUE(product == bt_Trade_Goods || Listed(city, product)) << product;
        }
    }
}

TEST_F(AiProduction, OnTheHumansHomeLandmassThereIsNoLadder)
{
    _landmasses[World_Square_Index(10, 10, 0)] = 3;
    _landmasses[World_Square_Index(14, 10, 0)] = 3;
    _FORTRESSES[0] = {14, 10, 0, 1};
    int16_t city = Add_City(1, rt_High_Men, 10, 10, 0, 6, 0);
    Add_Unit(40, 1, 10, 10, 0);
    int garrisons = 0;
    for (uint32_t seed = 1; seed <= 60; seed++) {
        _CITIES[city].construction = PRODUCT_NOTHING;
        Player_Colony_Autobuild_CP(1, city);
        if (_CITIES[city].construction == bt_Garrison) garrisons++;
    }
    EXPECT_LT(garrisons, 30) << "building 3 comes only from the weighted pick";
}

TEST_F(AiProduction, AllZeroWeightsGiveTheFirstItem)
{
    // Units cheaper than 10 weigh 0, and with a garrison needed every building weighs 0.
    for (int t = 0; t < NUM_UNIT_TYPES; t++) _unit_type_table[t].cost = 5;
    int16_t city = Add_City(0, rt_High_Men, 10, 10, 0, 6, 0);
    _CITIES[city].bldg_status[bt_Garrison] = 1;
    std::vector<int16_t> list = Product_List(city);
    ASSERT_FALSE(list.empty());
    ASSERT_GE(list[0], PRODUCT_UNIT_BASE);
    Player_Colony_Autobuild_HP(city);
    EXPECT_EQ(_CITIES[city].construction, list[0]);
}

TEST_F(AiProduction, TheGrandVizierLeavesEmptyCitiesAloneAndClimbsTheLadder)
{
    int16_t outpost = Add_City(0, rt_High_Men, 10, 10, 0, 0, 0);
    _CITIES[outpost].construction = bt_Housing;
    Add_Unit(40, 0, 10, 10, 0);
    Player_Colony_Autobuild_HP(outpost);
    EXPECT_EQ(_CITIES[outpost].construction, bt_Housing);

    int16_t city = Add_City(0, rt_High_Men, 20, 10, 0, 4, 0);
    Add_Unit(40, 0, 20, 10, 0);
    Player_Colony_Autobuild_HP(city);
    EXPECT_EQ(_CITIES[city].construction, bt_Garrison);
}

TEST_F(AiProduction, NeutralCityBuildsItsGarrisonFirstAndNeverShips)
{
    int16_t city = Add_City(NEUTRAL_PLAYER_IDX, rt_High_Men, 10, 10, 0, 6, 0);
    Player_Colony_Autobuild_NP(city);
    EXPECT_EQ(_CITIES[city].construction, bt_Garrison);

    for (int b = bt_Garrison; b < NUM_BUILDINGS; b++) _CITIES[city].bldg_status[b] = 1;
    for (int b : {bt_Boat_Builder, bt_Harbour, bt_Sawmill, bt_Study_Hall}) _CITIES[city].bldg_status[b] = -1;
    for (int u = 0; u < 20; u++) Add_Unit(40, NEUTRAL_PLAYER_IDX, 10, 10, 0);
    ASSERT_TRUE(Listed(city, bt_Boat_Builder));
    ASSERT_TRUE(Listed(city, bt_Harbour));
    for (uint32_t seed = 1; seed <= 100; seed++) {
        Player_Colony_Autobuild_NP(city);
        int16_t product = _CITIES[city].construction;
        EXPECT_LT(product, PRODUCT_UNIT_BASE) << "a full garrison builds no units";
        EXPECT_NE(product, bt_Boat_Builder);
        EXPECT_NE(product, bt_Harbour);
    }
}

TEST_F(AiProduction, EveryRoundAChoiceIsDueForNothingAndRoutineProductsAreNeverBought)
{
    _turn = 250;
    int16_t done = Add_City(1, rt_High_Men, 10, 10, 0, 6, 0);
    _CITIES[done].construction = PRODUCT_NOTHING;
    int16_t housing = Add_City(1, rt_High_Men, 20, 10, 0, 6, 0);
    _CITIES[housing].construction = bt_Housing;
    _players[1].gold_reserve = 30000;
    for (uint32_t seed = 1; seed <= 20; seed++) {
        Player_All_Colony_Autobuild(1);
        EXPECT_NE(_CITIES[done].construction, PRODUCT_NOTHING);
        _CITIES[done].construction = PRODUCT_NOTHING;
        if (_CITIES[housing].construction != bt_Housing) _CITIES[housing].construction = bt_Housing;
        EXPECT_EQ(_players[1].gold_reserve, 30000) << "housing is never bought";
    }
}

struct Buy_Case {
    const char *name;
    int16_t product;
    int price_multiple;  // gold = price x this, plus the extra
    int extra;
    bool bought;
};

TEST_F(AiProduction, APurchaseNeedsStrictlyMoreGoldThanTheThreshold)
{
    _unit_type_table[40].Abilities = 0;
    _unit_type_table[41].Abilities = UA_CREATEOUTPOST;
    const Buy_Case cases[] = {
        {"building at twice the price", bt_Granary, 2, 0, false},
        {"building above five times the price", bt_Granary, 5, 1, true},
        {"settler at the price", PRODUCT_UNIT_BASE + 41, 1, 0, false},
        {"settler above four times the price", PRODUCT_UNIT_BASE + 41, 4, 1, true},
        {"other unit at four times the price", PRODUCT_UNIT_BASE + 40, 4, 0, false},
        {"other unit above eight times the price", PRODUCT_UNIT_BASE + 40, 8, 1, true},
    };
    for (const Buy_Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (uint32_t seed = 1; seed <= 10; seed++) {
            _cities = 0;
            int16_t city = Add_City(1, rt_High_Men, 10, 10, 0, 6, 0);
            _CITIES[city].construction = c.product;
            int32_t price = City_Cost_To_Buy_Product(city);
            ASSERT_GT(price, 0);
            int16_t gold = (int16_t)(price * c.price_multiple + c.extra);
            _players[1].gold_reserve = gold;
            AI_Player_City_Buy_Production(1, city);
            EXPECT_EQ(_players[1].gold_reserve != gold, c.bought);
        }
    }
}

TEST_F(AiProduction, UnitCountOfASquareCountsEveryOwner)
{
    Add_Unit(40, 1, 10, 10, 0);
    Add_Unit(40, 5, 10, 10, 0);
    Add_Unit(40, 1, 10, 10, 1);
    Add_Unit(40, 1, 11, 10, 0);
    EXPECT_EQ(Map_Square_Unit_Count(10, 10, 0), 2);
    EXPECT_EQ(Map_Square_Unit_Count(10, 10, 1), 1);
    EXPECT_EQ(Map_Square_Unit_Count(12, 10, 0), 0);
}
