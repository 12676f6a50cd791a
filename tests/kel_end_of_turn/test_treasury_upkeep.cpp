// Income booking and upkeep enforcement: what a human who cannot pay loses first.
#include "End_Of_Turn_Fixture.h"
#include "turn/Report_Queues.h"
#include "turn/Treasury_Upkeep.h"
#include "world/City_Economy.h"

namespace {

constexpr uint8_t PLAIN_A = 40;
constexpr uint8_t PLAIN_B = 41;
constexpr uint8_t SHIP = 44;
constexpr uint8_t HERO = 3;
constexpr uint8_t SUMMONED = 180;

class EndOfTurn_Treasury : public End_Of_Turn_Test {
protected:
    void SetUp() override
    {
        End_Of_Turn_Test::SetUp();
        MSG_UEsLost_Count = 0;
        MSG_CEsLost_Count = 0;
        MSG_GEs_Lost = 0;
        for (uint8_t type : {PLAIN_A, PLAIN_B, SHIP}) {
            _unit_type_table[type].Abilities = 0;
            _unit_type_table[type].Transport = 0;
        }
        _unit_type_table[SHIP].Transport = 3;
        _unit_type_table[SUMMONED].Abilities = UA_FANTASTIC;
    }
    static int16_t Add_Paid_Unit(int8_t owner, uint8_t type, uint8_t upkeep)
    {
        _unit_type_table[type].Upkeep = upkeep;
        return Add_Unit(owner, type);
    }
    static bool Alive(int16_t unit_idx) { return _UNITS[unit_idx].owner_idx >= 0; }
};

TEST_F(EndOfTurn_Treasury, IncomeFromCitiesSoldFoodAndNobleHeroes)
{
    int16_t city = Add_City(0, 5, 5, 4);
    _CITIES[city].gold_units = 10;
    _CITIES[city].building_maintenance = 3;
    _CITIES[city].food_units = 9;  // surplus 5, halved to 2
    int16_t hungry = Add_City(0, 8, 8, 6);
    _CITIES[hungry].food_units = 2;  // a deficit counts as 0
    Add_Hero(0, HERO, 0, 0, hab_Noble);
    for (int k = 0; k < 3; k++) Add_Unit(0, PLAIN_A);  // three eaters take 1 of the sold food
    _players[0].gold_reserve = 100;
    _players[1].gold_reserve = 31995;
    int16_t rich = Add_City(1, 20, 20, 1);
    _CITIES[rich].gold_units = 50;
    Update_Players_Gold_Reserve();
    EXPECT_EQ(_players[0].gold_reserve, 100 + 10 + 7 + 1);
    EXPECT_EQ(_players[1].gold_reserve, 32000);
}

TEST_F(EndOfTurn_Treasury, GoldShortfallDisbandsPaidPlainUnitsFromTheLast)
{
    int16_t granary = Add_City(0, 5, 5, 1);
    _CITIES[granary].food_units = 20;
    int16_t a = Add_Paid_Unit(0, PLAIN_A, 3);
    int16_t b = Add_Paid_Unit(0, PLAIN_B, 1);
    int16_t c = Add_Unit(0, PLAIN_B);
    int16_t d = Add_Unit(0, PLAIN_B);
    _UNITS[d].type = 42;
    _unit_type_table[42].Upkeep = 2;
    _unit_type_table[42].Abilities = 0;
    _unit_type_table[42].Transport = 0;
    int16_t ship = Add_Paid_Unit(0, SHIP, 2);
    int16_t hero = Add_Hero(0, HERO, 0, 0, 0);
    int16_t creature = Add_Unit(0, SUMMONED);
    _players[0].gold_reserve = 6;  // owes 3 + 1 + 1 + 2 + 2 (ship) = 9 and the hero's
    int16_t owed = Player_Armies_Gold_Upkeep(0);
    Players_Apply_Upkeeps__WIP();
    EXPECT_TRUE(Alive(a)) << "the exact fit stands first and is kept";
    EXPECT_TRUE(Alive(b));
    EXPECT_FALSE(Alive(c));
    EXPECT_FALSE(Alive(d));
    EXPECT_TRUE(Alive(ship)) << "ships are not disbanded for gold";
    EXPECT_TRUE(Alive(hero)) << "heroes are not disbanded";
    EXPECT_TRUE(Alive(creature)) << "summoned creatures are not disbanded for gold";
    EXPECT_EQ(_players[0].gold_reserve, 6 - (owed - 3) < 0 ? 0 : 6 - (owed - 3));
    ASSERT_EQ(msg_unit_lost_ctr, 2);
    EXPECT_EQ(msg_unit_lost[0].unit_type, 42);
    EXPECT_EQ(msg_unit_lost[0].reason, ulr_Gold);
    EXPECT_EQ(msg_unit_lost[1].unit_type, PLAIN_B);
}

TEST_F(EndOfTurn_Treasury, ComputerWizardPaysWhatItCanAndKeepsItsUnits)
{
    int16_t unit = Add_Paid_Unit(1, PLAIN_A, 5);
    _players[1].gold_reserve = 2;
    Players_Apply_Upkeeps__WIP();
    EXPECT_EQ(_players[1].gold_reserve, 0);
    EXPECT_TRUE(Alive(unit));
    EXPECT_EQ(msg_unit_lost_ctr, 0);
}

TEST_F(EndOfTurn_Treasury, FoodShortfallDisbandsEatersAndReportsTwentyAtMost)
{
    int16_t city = Add_City(0, 5, 5, 4);
    _CITIES[city].food_units = 6;  // a surplus of 2 for 4 eaters
    int16_t first = Add_Paid_Unit(0, PLAIN_A, 0);
    int16_t second = Add_Unit(0, PLAIN_A);
    int16_t last = Add_Unit(0, PLAIN_A);
    int16_t ship = Add_Unit(0, SHIP);
    Players_Apply_Upkeeps__WIP();
    EXPECT_TRUE(Alive(first));
    EXPECT_FALSE(Alive(second));
    EXPECT_FALSE(Alive(last));
    EXPECT_TRUE(Alive(ship)) << "a ship eats but is not disbanded for food";
    ASSERT_EQ(msg_unit_lost_ctr, 2);
    EXPECT_EQ(msg_unit_lost[0].reason, ulr_Food);

    World_Clear();
    SetUp();
    for (int k = 0; k < 21; k++) Add_Paid_Unit(0, PLAIN_A, 0);
    Players_Apply_Upkeeps__WIP();
    for (int k = 0; k < 21; k++) EXPECT_FALSE(Alive(k)) << k;
    EXPECT_EQ(msg_unit_lost_ctr, 20);
}

TEST_F(EndOfTurn_Treasury, ManaMeasuresEachFreeTheirOwnUpkeep)
{
    // Unit enchantments: a creature's own upkeep stays; only what its enchantments cost is freed.
    _unit_type_table[SUMMONED].Upkeep = 4;
    int16_t creature = Add_Unit(0, SUMMONED);
    _UNITS[creature].enchantments = UE_FLIGHT;
    int16_t plain = Add_Paid_Unit(0, PLAIN_A, 0);
    _UNITS[plain].enchantments = UE_FLIGHT;
    int flight = unit_enchantment_upkeep_table[17];
    ASSERT_GT(flight, 0);
    _players[0].mana_reserve = 0;
    EXPECT_EQ(Remove_Unit_Enchantments_For_Upkeep(0, 100), 100 - 2 * flight);
    EXPECT_EQ(_UNITS[creature].enchantments, 0u);
    EXPECT_EQ(_UNITS[plain].enchantments, 0u);
    ASSERT_EQ(MSG_UEsLost_Count, 2);
    EXPECT_EQ(MSG_UEsLost_Array[0], SUMMONED);

    // City enchantments: only the ones this wizard cast.
    int16_t city = Add_City(1, 5, 5);
    int cost = 0;
    for (int k = 0; k < NUM_CITY_ENCHANTMENTS; k++) {
        if (city_enchantment_upkeep_table[k] > 0 && cost == 0) {
            _CITIES[city].enchantments[k] = 1;
            cost = city_enchantment_upkeep_table[k];
        } else if (city_enchantment_upkeep_table[k] > 0) {
            _CITIES[city].enchantments[k] = 2;
        }
    }
    _players[0].retorts[rtr_Channeler] = 1;
    EXPECT_EQ(Remove_City_Enchantments_For_Upkeep(0, 100), 100 - cost / 2) << "Channeler halves what is freed";
    int left = 0;
    for (int k = 0; k < NUM_CITY_ENCHANTMENTS; k++) left += _CITIES[city].enchantments[k] == 1;
    EXPECT_EQ(left, 0);
    EXPECT_EQ(MSG_CEsLost_Count, 1);

    // Overland enchantments go all together, or nothing changes.
    EXPECT_EQ(Remove_Overland_Enchantments_For_Upkeep(0, 100), 100);
    EXPECT_EQ(MSG_GEs_Lost, 0);
    _players[0].Globals[ge_Crusade] = 1;
    _players[0].Globals[ge_Time_Stop] = 1;
    int16_t overland = Player_Overland_Enchantments_Upkeep(0);
    EXPECT_EQ(Remove_Overland_Enchantments_For_Upkeep(0, 1000), 1000 - overland / 2);
    EXPECT_EQ(_players[0].Globals[ge_Crusade], 0);
    EXPECT_EQ(MSG_GEs_Lost, 1);
}

TEST_F(EndOfTurn_Treasury, SummonsGoFromTheLastUntilTheManaSuffices)
{
    _unit_type_table[SUMMONED].Upkeep = 4;
    int16_t c0 = Add_Unit(0, SUMMONED);
    int16_t c1 = Add_Unit(0, SUMMONED);
    int16_t c2 = Add_Unit(0, SUMMONED);
    _players[0].retorts[rtr_Channeler] = 1;
    _players[0].mana_reserve = 5;
    EXPECT_EQ(WIZ_DisbandSummons(0, 6), 4);
    EXPECT_TRUE(Alive(c0));
    EXPECT_TRUE(Alive(c1));
    EXPECT_FALSE(Alive(c2));
    ASSERT_EQ(msg_unit_lost_ctr, 1);
    EXPECT_EQ(msg_unit_lost[0].reason, ulr_Mana);
}

TEST_F(EndOfTurn_Treasury, ManaShortfallTakesMeasuresInDrawnOrderUntilPaid)
{
    _unit_type_table[SUMMONED].Upkeep = 4;
    int16_t creature = Add_Unit(0, SUMMONED);
    _players[0].Globals[ge_Crusade] = 1;
    _players[0].mana_reserve = 0;
    // Only the overland measure (2) and the summons (3) free anything; the debt is paid once both ran.
    std::vector<int> draws = Peek_Draws({4, 4, 4, 4, 4, 4, 4, 4});
    bool used[4] = {};
    int taken = 0;
    while (!(used[2] && used[3])) {
        int measure = draws[taken] - 1;
        while (used[measure]) measure = (measure + 1) % 4;
        used[measure] = true;
        taken++;
    }
    Players_Apply_Upkeeps__WIP();
    EXPECT_FALSE(Alive(creature));
    EXPECT_EQ(_players[0].Globals[ge_Crusade], 0);
    EXPECT_EQ(_players[0].mana_reserve, 0);
    std::vector<int> after = Peek_Draws({4, 4, 4, 4, 4, 4, 4, 4});
    for (int k = 0; k + taken < 8; k++) EXPECT_EQ(after[k], draws[k + taken]) << "one draw per measure taken";
}

}  // namespace
