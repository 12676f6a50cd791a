#include "World_Fixture.h"
#include "world/LOADER.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

TEST_F(World_Test, CreateUnitCapsByOwnerAndSource)
{
    struct Case {
        int16_t units, owner, source, made;
    } cases[] = {
        {950, 1, -1, 1},   {951, 1, -1, 0},    {951, 0, -1, 1},    {981, 0, -1, 0},  {981, 1, 2000, 1},
        {999, 0, 2000, 1}, {1000, 0, 2000, 0}, {5000, 0, 2000, 0}, {-3, 0, 2000, 0}, {10, 0, 150, 0},
    };
    for (const Case &c : cases) {
        _units = c.units;
        EXPECT_EQ(Create_Unit(40, c.owner, 5, 5, 0, c.source), c.made)
            << "units " << c.units << " owner " << c.owner << " source " << c.source;
        EXPECT_EQ(_units, c.made ? c.units + 1 : c.units);
    }
}

TEST_F(World_Test, FillingTheTableStopsAtTheCap)
{
    int made = 0;
    while (Create_Unit(40, 0, 1, 1, 0, UNIT_SOURCE_UNCAPPED) == 1) {
        made++;
        ASSERT_LE(made, UNIT_MAX_IN_USE);
    }
    EXPECT_EQ(_units, UNIT_MAX_IN_USE);
    EXPECT_EQ(_UNITS[UNIT_MAX_IN_USE].owner_idx, 0);  // the slot past the cap was never written
    EXPECT_EQ(_UNITS[UNIT_MAX_IN_USE].type, 0);
}

TEST_F(World_Test, CreateUnitExperienceSources)
{
    ASSERT_EQ(Create_Unit(40, 0, 1, 1, 0, -1), 1);
    EXPECT_EQ(_UNITS[0].XP, 0);
    EXPECT_EQ(_UNITS[0].Hero_Slot, -1);
    EXPECT_EQ(_UNITS[0].Rd_Constr_Left, -1);
    EXPECT_EQ(_UNITS[0].Finished, 1);
    ASSERT_EQ(Create_Unit(40, 0, 1, 1, 0, -3), 1);  // -(level + 1): level 2
    EXPECT_EQ(_UNITS[1].XP, 60);
    EXPECT_EQ(_UNITS[1].Level, 2);

    _cities = 1;
    City_Record &city = _CITIES[0];
    memset(city.bldg_status, -1, sizeof(city.bldg_status));
    city.population = 4;
    city.bldg_status[bt_Training_Yard] = 1;
    city.bldg_status[bt_War_Academy] = 0;
    ASSERT_EQ(Create_Unit(40, 0, 1, 1, 0, 0), 1);
    EXPECT_EQ(_UNITS[2].XP, 60);
    city.enchantments[ce_Altar_of_Battle] = 1;
    ASSERT_EQ(Create_Unit(40, 0, 1, 1, 0, 0), 1);
    EXPECT_EQ(_UNITS[3].XP, 120);
    _players[0].retorts[rtr_Alchemy] = 1;
    ASSERT_EQ(Create_Unit(40, 0, 1, 1, 0, 0), 1);
    EXPECT_EQ(_UNITS[4].mutations & UM_WEAPON_MASK, 1);
}

TEST_F(World_Test, SettlersNeverEmptyAFortressCity)
{
    int settler_type = -1;
    for (int t = NUM_HERO_TYPES; t < NUM_UNIT_TYPES && settler_type < 0; t++) {
        if (_unit_type_table[t].Abilities & UA_CREATEOUTPOST) {
            settler_type = t;
        }
    }
    ASSERT_GE(settler_type, 0);
    _cities = 1;
    _CITIES[0].wx = 10;
    _CITIES[0].wy = 12;
    _CITIES[0].wp = 0;
    _CITIES[0].owner_idx = 0;
    _CITIES[0].population = 1;
    _FORTRESSES[0] = Fortress_Record{10, 12, 0, 1};
    EXPECT_EQ(Create_Unit((int16_t)settler_type, 0, 10, 12, 0, 0), 0);
    EXPECT_EQ(_units, 0);
    EXPECT_EQ(_CITIES[0].population, 1);
    _CITIES[0].population = 3;
    EXPECT_EQ(Create_Unit((int16_t)settler_type, 0, 10, 12, 0, 0), 1);
    EXPECT_EQ(_CITIES[0].population, 2);
}

TEST_F(World_Test, DeleteDeadUnitsCompactsAndKeepsHeroSlotsRight)
{
    for (int i = 0; i < 10; i++) {
        ASSERT_EQ(Create_Unit((int16_t)(40 + i), 0, 1, 1, 0, -1), 1);
    }
    _players[0].Heroes[0].unit_idx = 7;
    _players[1].Heroes[3].unit_idx = 2;
    _UNITS[3].owner_idx = -1;
    _UNITS[4].owner_idx = 9;
    Delete_Dead_Units();
    EXPECT_EQ(_units, 8);
    EXPECT_EQ(_players[0].Heroes[0].unit_idx, 5);
    EXPECT_EQ(_players[1].Heroes[3].unit_idx, 2);
    EXPECT_EQ(_players[0].Heroes[1].unit_idx, -1);
    EXPECT_EQ(_UNITS[3].type, 45);
}

TEST_F(World_Test, UnitMovesWithFlightEnduranceAndItems)
{
    _unit_type_table[40].Move_Halves = 2;
    ASSERT_EQ(Create_Unit(40, 0, 1, 1, 0, -1), 1);
    _UNITS[0].enchantments = UE_FLIGHT;
    EXPECT_EQ(Unit_Moves2(0), 6);
    _UNITS[0].enchantments |= UE_ENDURANCE;
    EXPECT_EQ(Unit_Moves2(0), 8);
    _UNITS[0].enchantments = 0;
    _UNITS[0].Hero_Slot = 1;
    _players[0].Heroes[1].Items[0] = 3;
    _ITEMS[3].moves2 = 2;
    _ITEMS[3].Powers = ip_Flight;
    EXPECT_EQ(Unit_Moves2(0), 8);
}

TEST_F(World_Test, BaseCastingSkill)
{
    struct Case {
        int32_t points;
        uint8_t archmage;
        int16_t skill;
    } cases[] = {{0, 0, 0}, {1, 0, 1}, {2, 0, 1}, {3, 0, 2}, {6, 0, 2}, {7, 0, 3}, {30, 1, 15}, {32767, 0, 181}};
    for (const Case &c : cases) {
        _players[0].spell_casting_skill = c.points;
        _players[0].retorts[rtr_Archmage] = c.archmage;
        EXPECT_EQ(Player_Base_Casting_Skill(0), c.skill) << c.points;
    }
}

TEST_F(World_Test, UpkeepsFromCost)
{
    struct Case {
        int type;
        int16_t cost;
        uint8_t upkeep;
    } cases[] = {{40, 0, 0},  {40, 1, 1},  {3, 1, 1},   {40, 50, 1},
                 {40, 51, 2}, {3, 100, 1}, {3, 101, 2}, {40, 32000, 255}};
    for (const Case &c : cases) {
        _unit_type_table[c.type].cost = c.cost;
        Units_Upkeeps();
        EXPECT_EQ(_unit_type_table[c.type].Upkeep, c.upkeep) << c.type << " " << c.cost;
    }
}

TEST_F(World_Test, RaceUnitsAreNamedByKindAlone)
{
    Unit_Type_Table_Reset();
    // Barbarian 39, High Men 104 and Troll 147 begin with Spearmen; the race stays in the race byte.
    for (int type : {39, 104, 147}) {
        EXPECT_STREQ(_unit_type_table[type].name, "Spearmen") << "type " << type;
    }
    EXPECT_STREQ(_unit_type_table[40].name, "Swordsmen");
    EXPECT_EQ(_unit_type_table[39].race, 0);
    EXPECT_EQ(_unit_type_table[104].race, 8);
}
