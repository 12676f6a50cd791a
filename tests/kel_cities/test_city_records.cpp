// City record operations: treasury caps, sale and buy prices, removing and selling buildings, the
// end-of-turn clean-up, lost requirements, damage, destruction with its renumbering, new owners.
#include <cstdlib>
#include <sstream>
#include <string>

#include "Cities_Fixture.h"
#include "STU_Log.h"
#include "cities/City_Records.h"
#include "world/Army_Queries.h"
#include "world/Army_Services.h"
#include "world/Map_Feature_Records.h"

namespace {

class City_Ops : public Cities_Test {
protected:
    void SetUp() override
    {
        Cities_Test::SetUp();
        City_Records_Install_World_Hooks();
    }
};

}  // namespace

TEST_F(City_Ops, GoldAndManaGainsStopAtTheCapAndLossesSaturate)
{
    struct Case {
        int16_t reserve;
        int32_t amount;
        int16_t expected;
    };
    const Case cases[] = {
        {29990, 50, 30000}, {30000, 10, 30000},  {30000, -10, 29990},     {100, -50, 50},
        {31000, 5, 30000},  {31000, -10, 30990}, {-30000, -5000, -32768}, {-32768, -1, -32768},
        {0, 29999, 29999},  {0, 40000, 30000},   {-100, 30100, 30000},
    };
    for (const Case &c : cases) {
        _players[2].gold_reserve = c.reserve;
        Player_Add_Gold(2, c.amount);
        EXPECT_EQ(_players[2].gold_reserve, c.expected) << "gold " << c.reserve << " + " << c.amount;
        _players[3].mana_reserve = c.reserve;
        Player_Add_Mana(3, c.amount);
        EXPECT_EQ(_players[3].mana_reserve, c.expected) << "mana " << c.reserve << " + " << c.amount;
    }
    _players[0].gold_reserve = 7;
    Player_Add_Gold(-1, 100);
    Player_Add_Gold(NUM_PLAYERS, 100);
    Player_Add_Mana(99, 100);
    EXPECT_EQ(_players[0].gold_reserve, 7) << "a player off the table changes nothing";
}

TEST_F(City_Ops, SalePriceIsAThirdOfTheCostAndASixthForTheWalls)
{
    struct Case {
        int16_t bldg;
        int16_t cost;
        int16_t price;
    };
    const Case cases[] = {{5, 40, 13}, {bt_City_Walls, 150, 25}, {6, 2, 1}, {7, 0, 1}, {bt_City_Walls, 5, 1}};
    for (const Case &c : cases) {
        buildings[c.bldg].construction_cost = c.cost;
        EXPECT_EQ(City_Sell_Building_Value(c.bldg), c.price) << "building " << c.bldg << " cost " << c.cost;
    }
    EXPECT_EQ(City_Sell_Building_Value(-1), 1);
    EXPECT_EQ(City_Sell_Building_Value(NUM_BUILDINGS), 1);
}

TEST_F(City_Ops, BuyPriceFallsWithWhatIsAccumulatedAndBuyingCompletesTheProduct)
{
    struct Case {
        int16_t full_cost;
        int16_t accumulated;
        int16_t price;
    };
    const Case cases[] = {{100, 0, 400}, {101, 1, 300}, {150, 50, 200}, {100, -5, 420}, {60, 60, 0}};
    int16_t city = Add_Built_City(0, rt_High_Men, 20, 20);
    for (const Case &c : cases) {
        buildings[9].construction_cost = c.full_cost;
        _CITIES[city].construction = 9;
        _CITIES[city].Prod_Accu = c.accumulated;
        EXPECT_EQ(City_Cost_To_Buy_Product(city), c.price) << c.full_cost << " with " << c.accumulated;
        _players[0].gold_reserve = 1000;
        Player_City_Buy_Production(0, city);
        EXPECT_EQ(_players[0].gold_reserve, 1000 - c.price);
        EXPECT_EQ(_CITIES[city].Prod_Accu, c.accumulated > c.full_cost ? c.accumulated : c.full_cost)
            << "the product completes at the next production step";
    }
    buildings[9].construction_cost = 100;
    _CITIES[city].Prod_Accu = 0;
    _players[0].gold_reserve = 99;
    EXPECT_EQ(Player_Gold_Covers_Production_Cost__NIU(0, city), 0);
    _players[0].gold_reserve = 100;
    EXPECT_EQ(Player_Gold_Covers_Production_Cost__NIU(0, city), 1);
}

TEST_F(City_Ops, ABuildingThatAStandingOneRequiresIsNeitherRemovedNorSold)
{
    buildings[6].reqd_bldg_1 = 5;
    buildings[7].reqd_bldg_2 = 6;
    buildings[7].replace_bldg = 6;
    int16_t city = Add_Built_City(0, rt_High_Men, 20, 20, {5, 6});
    int16_t requirer = 0;
    EXPECT_EQ(City_Building_Has_Requirement(5, city, &requirer), 0);
    EXPECT_EQ(requirer, 6);
    EXPECT_EQ(City_Sell_Building(5, city, 13), 0);
    EXPECT_EQ(_CITIES[city].bldg_status[5], 1) << "refused without change";
    EXPECT_EQ(_players[0].gold_reserve, 0);

    // A requirer that was replaced is named by the building standing in for it.
    _CITIES[city].bldg_status[6] = 0;
    _CITIES[city].bldg_status[7] = 1;
    EXPECT_EQ(City_Building_Has_Requirement(5, city, &requirer), 0);
    EXPECT_EQ(requirer, 7);

    _CITIES[city].bldg_status[6] = 1;
    _CITIES[city].bldg_status[7] = -1;
    EXPECT_EQ(City_Building_Has_Requirement(6, city, &requirer), 1);
    EXPECT_EQ(requirer, -1);
    _players[0].gold_reserve = 29995;
    EXPECT_EQ(City_Sell_Building(6, city, 40), 1);
    EXPECT_EQ(_CITIES[city].bldg_status[6], 2);
    EXPECT_EQ(_players[0].gold_reserve, 30000) << "the sale goes through the capped adder";
    EXPECT_EQ(City_Building_Has_Requirement(6, city, &requirer), 0) << "already removed this turn";
    EXPECT_EQ(requirer, -1);
    EXPECT_EQ(City_Building_Has_Requirement(5, city, &requirer), 1) << "its requirer is gone";
    EXPECT_EQ(City_Remove_Building(0, city), 0) << "building 0 is never removed";
    EXPECT_EQ(City_Remove_Building(5, 42), 0) << "a city off the table";
}

TEST_F(City_Ops, EndOfTurnClearsRemovedBuildingsRestoresWhatTheyReplacedAndTheHumansSoldFlags)
{
    buildings[7].replace_bldg = 6;
    int16_t human = Add_Built_City(0, rt_High_Men, 20, 20, {7});
    int16_t rival = Add_Built_City(1, rt_Orc, 30, 20, {9});
    _CITIES[human].bldg_status[6] = 0;
    _CITIES[human].bldg_status[7] = 2;
    _CITIES[human].bldg_sold = 1;
    _CITIES[rival].bldg_status[9] = 2;
    _CITIES[rival].bldg_sold = 1;
    All_City_Removed_Buildings();
    EXPECT_EQ(_CITIES[human].bldg_status[7], -1);
    EXPECT_EQ(_CITIES[human].bldg_status[6], 1) << "the replaced building stands again";
    EXPECT_EQ(_CITIES[human].bldg_sold, 0) << "the human may sell again next turn";
    EXPECT_EQ(_CITIES[rival].bldg_status[9], -1);
    EXPECT_EQ(_CITIES[rival].bldg_sold, 1) << "only the current player's cities";
    EXPECT_EQ(_CITIES[human].bldg_status[0], 0);
}

TEST_F(City_Ops, ALostRequirementCancelsTheProductByOwner)
{
    buildings[12].reqd_bldg_1 = 5;
    buildings[13].reqd_bldg_1 = 110;
    buildings[13].reqd_bldg_2 = 5;
    _unit_type_table[60].reqd_bldg_2 = 5;
    int16_t human = Add_Built_City(0, rt_High_Men, 20, 20, {5});
    int16_t rival = Add_Built_City(2, rt_High_Men, 30, 20, {5});
    for (int16_t product : {(int16_t)12, (int16_t)13, (int16_t)160}) {
        g_bldg_msg_ctr = 0;
        _CITIES[human].construction = product;
        _CITIES[rival].construction = product;
        _CITIES[human].bldg_status[5] = 1;
        _CITIES[rival].bldg_status[5] = 1;
        City_Check_Production(human);
        City_Check_Production(rival);
        EXPECT_EQ(g_bldg_msg_ctr, 0) << "requirements stand: product " << product;
        EXPECT_EQ(_CITIES[rival].construction, product);

        _CITIES[human].bldg_status[5] = 2;
        _CITIES[rival].bldg_status[5] = -1;
        City_Check_Production(human);
        City_Check_Production(rival);
        EXPECT_EQ(g_bldg_msg_ctr, 1) << "product " << product;
        EXPECT_EQ(MSG_Building_Complete[0].city_idx, human);
        EXPECT_EQ((int)MSG_Building_Complete[0].bldg_idx, -product);
        EXPECT_EQ(_CITIES[human].construction, product) << "the human is told first";
        EXPECT_EQ(_CITIES[rival].construction, PRODUCT_CANCELLED);
    }
    g_bldg_msg_ctr = MSG_BUILDING_COMPLETE_MAX;
    _CITIES[human].construction = 12;
    City_Check_Production(human);
    EXPECT_EQ(g_bldg_msg_ctr, MSG_BUILDING_COMPLETE_MAX);
    EXPECT_EQ(_CITIES[human].construction, bt_Housing) << "with no room for a message";
    Unit_Type_Table_Reset();
}

TEST_F(City_Ops, NotNeededForProductLooksAtBothRequirementsOfTheProduct)
{
    buildings[12].reqd_bldg_1 = 5;
    buildings[12].reqd_bldg_2 = 9;
    _unit_type_table[60].reqd_bldg_1 = 16;
    int16_t city = Add_Built_City(0, rt_High_Men, 20, 20, {5, 9, 16});
    _CITIES[city].construction = 12;
    EXPECT_EQ(City_Building_Not_Needed_For_Product(city, 5), 0);
    EXPECT_EQ(City_Building_Not_Needed_For_Product(city, 9), 0);
    EXPECT_EQ(City_Building_Not_Needed_For_Product(city, 16), 1);
    _CITIES[city].construction = 160;
    EXPECT_EQ(City_Building_Not_Needed_For_Product(city, 16), 0);
    EXPECT_EQ(City_Building_Not_Needed_For_Product(city, 5), 1);
    Unit_Type_Table_Reset();
}

TEST_F(City_Ops, DamageTakesBuildingsByChanceAndPeopleAndAnEmptiedCityIsDestroyed)
{
    buildings[6].reqd_bldg_1 = 5;
    int16_t city = Add_Built_City(1, rt_Orc, 20, 20, {5, 6, 9});
    _CITIES[city].population = 9;
    int16_t list[CITY_DAMAGE_LIST_SIZE] = {};
    Apply_Damage_To_City(city, 0, 0, list);
    EXPECT_EQ(list[0], 0) << "0 percent destroys nothing";
    EXPECT_EQ(_CITIES[city].population, 9);
    EXPECT_EQ(_CITIES[city].size, 3);

    Apply_Damage_To_City(city, 4, 100, list);
    // In index order 5 is still required by 6 when its turn comes; 6 and 9 fall.
    EXPECT_EQ(list[0], 6);
    EXPECT_EQ(list[1], 9);
    EXPECT_EQ(list[2], 0);
    EXPECT_EQ(_CITIES[city].bldg_status[5], 1);
    EXPECT_EQ(_CITIES[city].bldg_status[6], 2);
    EXPECT_EQ(_CITIES[city].population, 5);
    EXPECT_EQ(_CITIES[city].size, 2);

    Apply_Damage_To_City(city, 4, 0, nullptr);
    EXPECT_EQ(_CITIES[city].population, 1);
    EXPECT_EQ(_CITIES[city].size, 1);
    EXPECT_EQ(_cities, 1);

    // A loss above the population byte empties the city rather than wrapping it.
    _CITIES[city].population = 3;
    Apply_Damage_To_City(city, 200, 0, nullptr);
    EXPECT_EQ(_cities, 0);

    city = Add_Built_City(1, rt_Orc, 20, 20);
    _CITIES[city].population = 2;
    Apply_Damage_To_City(city, 2, 0, nullptr);
    EXPECT_EQ(_cities, 0) << "a loss that leaves 0 destroys the city";
}

TEST_F(City_Ops, DestroyCityClosesUpTheTableEndsItsEventsAndRenumbersTheRest)
{
    for (int c = 0; c < 4; c++) Add_Built_City(1, rt_Orc, 10 + 5 * c, 20);
    Set_Event(ev_Plague_State, EVENT_STATE_LASTING);
    Set_Event(ev_Plague_City, 1);
    Set_Event(ev_Population_Boom_State, EVENT_STATE_LASTING);
    Set_Event(ev_Population_Boom_City, 3);
    _city_idx = 2;
    Destroy_City(1);
    ASSERT_EQ(_cities, 3);
    EXPECT_STREQ(_CITIES[1].name, "City 2") << "the former city 2 is city 1";
    EXPECT_STREQ(_CITIES[2].name, "City 3");
    EXPECT_EQ(events_table->words[ev_Plague_State], 0) << "the plague ends with its city";
    EXPECT_EQ(events_table->words[ev_Population_Boom_State], EVENT_STATE_LASTING);
    EXPECT_EQ(events_table->words[ev_Population_Boom_City], 2);
    EXPECT_EQ(_city_idx, 1);

    Set_Event(ev_Plague_State, 3);  // disabled, never chosen: stays disabled
    Set_Event(ev_Plague_City, 2);
    Destroy_City(2);
    EXPECT_EQ(events_table->words[ev_Population_Boom_State], 0);
    EXPECT_EQ(events_table->words[ev_Plague_State], 3);
    EXPECT_EQ(_city_idx, 1);
    Destroy_City(1);
    EXPECT_EQ(_city_idx, -1) << "the shown city is gone";

    Destroy_City(5);
    Destroy_City(-1);
    EXPECT_EQ(_cities, 1) << "an index off the table changes nothing";
    EXPECT_STREQ(_CITIES[0].name, "City 0");
}

TEST_F(City_Ops, InitOutpostAddsAFreshHousingSlotUntil99Cities)
{
    _cities = 5;
    memset(&_CITIES[5], 0x5A, sizeof(City_Record));
    ASSERT_EQ(Init_Outpost(), 1);
    EXPECT_EQ(_cities, 6);
    const City_Record &city = _CITIES[5];
    EXPECT_EQ((uint8_t)city.owner_idx, 255);
    EXPECT_EQ(city.construction, bt_Housing);
    EXPECT_EQ(city.population, 0);
    EXPECT_EQ(city.bldg_status[0], 0);
    for (int b = 1; b < NUM_BUILDINGS; b++) EXPECT_EQ(city.bldg_status[b], -1);
    for (int e = 0; e < NUM_CITY_ENCHANTMENTS; e++) EXPECT_EQ(city.enchantments[e], 0);
    EXPECT_EQ(city.Prod_Accu, 0);

    _cities = 99;
    EXPECT_EQ(Init_Outpost(), 0);
    EXPECT_EQ(_cities, 99);
    _cities = 0;
}

TEST_F(City_Ops, ANewOwnerGetsTheCityWithoutTheOldOwnersSpellsAndTradeGoods)
{
    int16_t fortress = Add_Built_City(1, rt_Orc, 10, 10);
    int16_t city = Add_Built_City(1, rt_Orc, 20, 20);
    _FORTRESSES[1] = Fortress_Record{10, 10, 0, 1};
    _players[1].summon_wx = 20;
    _players[1].summon_wy = 20;
    _players[1].summon_wp = 0;
    City_Record &record = _CITIES[city];
    record.enchantments[ce_Wall_of_Fire] = 2;  // the old owner's
    record.enchantments[ce_Famine] = 1;        // the human's curse
    record.enchantments[ce_Nightshade] = 3;
    record.construction = 160;
    record.Prod_Accu = 44;
    record.bldg_sold = 1;
    for (int square = 0; square < NUM_PLANES * WORLD_SIZE; square++) _square_explored[square] = 0;
    Army_World_Services explore = {};
    explore.set_square_explored_flags = [](int16_t wx, int16_t wy, int16_t wp) {
        _square_explored[World_Square_Index(wx, wy, wp)] = 1;
    };
    Army_Set_World_Services(explore);
    Change_City_Ownership(city, 0);
    Army_Set_World_Services(Army_World_Services{});
    EXPECT_EQ(record.owner_idx, 0);
    EXPECT_EQ(record.enchantments[ce_Wall_of_Fire], 0);
    EXPECT_EQ(record.enchantments[ce_Famine], 1);
    EXPECT_EQ(record.enchantments[ce_Nightshade], 3);
    EXPECT_EQ(record.construction, bt_Trade_Goods);
    EXPECT_EQ(record.Prod_Accu, 0);
    EXPECT_EQ(record.bldg_sold, 0);
    EXPECT_NE(_square_explored[World_Square_Index(20, 20, 0)], 0) << "the current player sees his new city";
    EXPECT_NE(_square_explored[World_Square_Index(21, 21, 0)], 0);
    EXPECT_EQ(_players[1].summon_wx, 10) << "the summoning circle moves to the fortress";
    EXPECT_EQ(_players[1].summon_wy, 10);
    EXPECT_EQ(_CITIES[fortress].owner_idx, 1);
}

TEST_F(City_Ops, CapturingAWizardsOnlyOrFortressCityStartsHisConquest)
{
    struct Case {
        const char *what;
        int owner;
        int cities_of_owner;
        bool fortress;
        bool conquest;
    };
    const Case cases[] = {
        {"only city", 2, 1, false, true},
        {"one of two", 2, 2, false, false},
        {"fortress city of several", 2, 3, true, true},
        {"neutral only city", NEUTRAL_PLAYER_IDX, 1, false, false},
    };
    for (const Case &c : cases) {
        _cities = 0;
        _FORTRESSES[c.owner < NUM_FORTRESSES ? c.owner : 0] = Fortress_Record{};
        for (int k = 0; k < c.cities_of_owner; k++) Add_Built_City(c.owner, rt_Orc, 10 + 5 * k, 20);
        if (c.fortress && c.owner < NUM_FORTRESSES) _FORTRESSES[c.owner] = Fortress_Record{10, 20, 0, 1};
        int16_t fame = _players[1].fame;
        Change_City_Ownership(0, 1);
        // Banished or eliminated, the loser's fall brings the conqueror fame.
        EXPECT_EQ(_players[1].fame - fame, c.conquest ? 5 : 0) << c.what;
    }
}

TEST_F(City_Ops, EnchantmentHelpEntries)
{
    const std::pair<int16_t, int16_t> cases[] = {{ce_Wall_of_Fire, 87},
                                                 {ce_Chaos_Rift, 110},
                                                 {ce_Nature_Ward, 72},
                                                 {ce_Death_Ward, 72},
                                                 {ce_Natures_Eye, 12},
                                                 {ce_Altar_of_Battle, 146},
                                                 {ce_Nightshade, 766},
                                                 {26, -1},
                                                 {-1, -1}};
    for (const auto &c : cases) EXPECT_EQ(City_Enchantment_HelpIdx(c.first), c.second) << c.first;
}
