// Levels from experience, the removal of units and heroes, eviction and roads.
#include "Rules_Fixture.h"
#include "world/Roads.h"
#include "world/Unit_Death.h"
#include "world/Unit_Levels.h"

class UnitLevels : public Rules_Test {};

TEST_F(UnitLevels, ExperienceGivesLevelAndIsCapped)
{
    int16_t soldier = Add_Unit(40, 0, 10, 10, 0);
    _UNITS[soldier].XP = 500;
    EXPECT_EQ(Unit_Base_Level(soldier), 3);
    EXPECT_EQ(_UNITS[soldier].XP, 120);
    int16_t hero = Add_Unit(3, 0, 10, 10, 0);
    _UNITS[hero].XP = 450;
    EXPECT_EQ(Calc_Unit_Level(hero), 6);
    _players[0].retorts[rtr_Warlord] = 1;
    EXPECT_EQ(Calc_Unit_Level(hero), 7);
    _UNITS[hero].XP = 5000;
    _players[0].Globals[ge_Crusade] = 1;
    EXPECT_EQ(Calc_Unit_Level(hero), 8);
    EXPECT_EQ(_UNITS[hero].XP, 1000);
}

TEST_F(UnitLevels, HeroismLiftsToThreeUntilTheUnitGetsThere)
{
    int16_t soldier = Add_Unit(40, 0, 10, 10, 0);
    _UNITS[soldier].XP = 20;
    _UNITS[soldier].enchantments = UE_HEROISM;
    EXPECT_EQ(Calc_Unit_Level(soldier), 3);
    _UNITS[soldier].XP = 120;
    EXPECT_EQ(Calc_Unit_Level(soldier), 3);
    EXPECT_EQ(_UNITS[soldier].enchantments & UE_HEROISM, 0u);
    int16_t creature = Add_Unit(170, 0, 10, 10, 0);
    _UNITS[creature].Level = 2;
    _UNITS[creature].XP = 900;
    EXPECT_EQ(Calc_Unit_Level(creature), 2);  // types from the bound on keep their level
}

TEST_F(UnitLevels, LevelBoundOutsideTheTypesFallsBackTo154)
{
    int16_t creature = Add_Unit(160, 0, 10, 10, 0);
    _UNITS[creature].XP = 120;
    _UNITS[creature].Level = 0;
    spells[201].Param_Words[0] = 199;
    EXPECT_EQ(Unit_Level_Type_Bound(), 154);
    EXPECT_EQ(Calc_Unit_Level(creature), 0);
    spells[201].Param_Words[0] = 198;
    EXPECT_EQ(Calc_Unit_Level(creature), 3);
}

TEST_F(UnitLevels, KillUnitModesAndHeroBookkeeping)
{
    _ITEMS[4].cost = 300;
    _ITEMS[5].cost = 200;
    struct Case {
        int16_t mode;
        int16_t items_cost;
        int16_t hero_level;
    };
    const Case cases[] = {{kum_Plain, 300, 2}, {kum_Destroyed, 0, 2}, {kum_Hero_Leaves, 300, -20}};
    for (const Case &c : cases) {
        _ITEMS[4].cost = 300;
        int16_t hero = Add_Unit(7, 0, 10, 10, 0);
        _UNITS[hero].Hero_Slot = 2;
        _UNITS[hero].XP = 70;
        _players[0].Heroes[2].unit_idx = hero;
        _players[0].Heroes[2].Items[0] = 4;
        snprintf(_players[0].Heroes[2].name, 14, "Brax");
        _HEROES2[0][7].Level = -20;
        Kill_Unit(hero, c.mode);
        EXPECT_EQ(_UNITS[hero].owner_idx, -1) << c.mode;
        EXPECT_EQ(_players[0].Heroes[2].unit_idx, -1) << c.mode;
        EXPECT_EQ(_players[0].Heroes[2].Items[0], -1) << c.mode;
        EXPECT_EQ(_ITEMS[4].cost, c.items_cost) << c.mode;
        EXPECT_EQ(_HEROES2[0][7].Level, c.hero_level) << c.mode;
        if (c.mode != kum_Hero_Leaves) {
            EXPECT_STREQ(hero_names_table[7].name, "Brax");
            EXPECT_EQ(hero_names_table[7].experience, 70);
        }
    }
}

TEST_F(UnitLevels, KillUnitLeavesDeadUnitsAndStrayIndicesAlone)
{
    int16_t soldier = Add_Unit(40, 0, 10, 10, 0);
    _UNITS[soldier].Hero_Slot = 40;  // out of range: no slot is touched
    Kill_Unit(soldier, kum_Destroyed);
    EXPECT_EQ(_UNITS[soldier].owner_idx, -1);
    _UNITS[soldier].wp = 0;
    Kill_Unit(soldier, kum_Plain);
    EXPECT_EQ(_UNITS[soldier].wp, 0);
    Kill_Unit(-1, kum_Plain);
    Kill_Unit(_units, kum_Plain);
    Kill_Unit(30000, kum_Plain);
    EXPECT_EQ(Hero_Slot_Open(0), 0);
    _players[0].Heroes[0].unit_idx = 3;
    EXPECT_EQ(Hero_Slot_Open(0), 1);
    EXPECT_EQ(Hero_Slot_Open(9), -1);
}

TEST_F(UnitLevels, TenUnitsLoseTheWeakest)
{
    for (int i = 0; i < 9; i++) {
        int16_t u = Add_Unit(40, 5, 10, 10, 0);
        _UNITS[u].Level = 2;
    }
    int16_t weak = Add_Unit(40, 5, 10, 10, 0);
    _UNITS[weak].Level = 0;
    Add_Unit(40, 5, 11, 10, 0);
    Evict_Weakest_Unit(0);
    int16_t count = 0;
    int16_t list[ARMY_AT_SQUARE_MAX];
    Army_At_Square_1(10, 10, 0, &count, list);
    EXPECT_EQ(count, 9);
    EXPECT_EQ(_UNITS[weak].owner_idx, -1);
    Evict_Weakest_Unit(0);  // nine left: nothing happens
    Army_At_Square_1(10, 10, 0, &count, list);
    EXPECT_EQ(count, 9);
}

TEST_F(UnitLevels, EvictedHumanUnitIsReported)
{
    msg_unit_lost_ctr = 0;
    // Water all round: the evicted unit has nowhere to go and is lost.
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (dx || dy) _world_maps[World_Square_Index(10 + dx, 10 + dy, 0)] = tt_Ocean;
    for (int i = 0; i < 10; i++) Add_Unit(40 + (i == 4 ? 1 : 0), 0, 10, 10, 0);
    _unit_type_table[41].cost = 0;
    _unit_type_table[41].Upkeep = 0;
    _unit_type_table[40].Upkeep = 1;
    Evict_Weakest_Unit(0);
    EXPECT_EQ(_UNITS[4].owner_idx, -1);
    ASSERT_EQ(msg_unit_lost_ctr, 1);
    EXPECT_EQ(msg_unit_lost[0].unit_type, 41);
    EXPECT_EQ(msg_unit_lost[0].reason, UNIT_LOST_EVICTED);
}

TEST_F(UnitLevels, RoadCostsZeroOneTwo)
{
    auto cost = [](int x, int y, int p, int map) {
        return movement_mode_cost_maps[p * MOVEMENT_MAPS * WORLD_SIZE + map * WORLD_SIZE + y * WORLD_WIDTH + x];
    };
    movement_mode_cost_maps[0 * MOVEMENT_MAPS * WORLD_SIZE + 5 * WORLD_SIZE + 5 * WORLD_WIDTH + 5] = 9;
    Make_Road(5, 5, 0);
    Make_Road(5, 5, 1);
    for (int map = 0; map < 5; map++) {
        EXPECT_EQ(cost(5, 5, 0, map), 1);
        EXPECT_EQ(cost(5, 5, 1, map), 0);
    }
    EXPECT_EQ(cost(5, 5, 0, 5), 9);
    EXPECT_EQ(_map_square_flags[World_Square_Index(5, 5, 1)], sf_Road | sf_Enchanted_Road);
    Make_Road_Enchanted(6, 5, 0);
    EXPECT_EQ(_map_square_flags[World_Square_Index(6, 5, 0)], 0);
    City_Remove_Road(5, 5, 1);
    City_Remove_Road(7, 5, 0);
    for (int map = 0; map < 5; map++) {
        EXPECT_EQ(cost(5, 5, 1, map), 2);
        EXPECT_EQ(cost(7, 5, 0, map), 2);
    }
    EXPECT_EQ(_map_square_flags[World_Square_Index(5, 5, 1)], 0);
}
