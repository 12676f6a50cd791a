// Hiring heroes and the hero, unit and fortress spells.
#include "Spells_Fixture.h"
#include "heroes/Heroes_Services.h"
#include "magic/Fortress_Spells.h"
#include "magic/Hero_Spells.h"
#include "magic/Unit_Spells.h"
#include "world/Item_Record.h"
#include "world/Map_Feature_Records.h"

using namespace spells_test;

namespace {

class Hero_Spells_Test : public Spells_Test {
protected:
    void SetUp() override
    {
        Spells_Test::SetUp();
        _FORTRESSES[0] = {8, 8, 0, 1};
        _FORTRESSES[1] = {20, 20, 0, 1};
        _players[0].summon_wx = 8;
        _players[0].summon_wy = 8;
        _players[1].summon_wx = 20;
        _players[1].summon_wy = 20;
        heroes_services = {};
    }
    void TearDown() override
    {
        heroes_services = {};
        Spells_Test::TearDown();
    }
    static void Fill_Units(int count)
    {
        while (_units < count) Add_Unit(FOOT, 2, 50, 30);
    }
};
using HeroSpells = Hero_Spells_Test;
using UnitSpells = Hero_Spells_Test;

TEST_F(HeroSpells, HireLowersAStoredLevelAboveSixAndRestoresTheDead)
{
    _HEROES2[1][HERO].Level = 8;
    ASSERT_EQ(Hire_Hero(1, HERO, 2, 0), 1);
    const int16_t unit = (int16_t)(_units - 1);
    EXPECT_EQ(_HEROES2[1][HERO].Level, 6);
    EXPECT_EQ(_UNITS[unit].Level, 6);
    EXPECT_EQ(_UNITS[unit].XP, 450);
    EXPECT_EQ(_UNITS[unit].Hero_Slot, 2);
    EXPECT_EQ(_UNITS[unit].wx, 20);
    EXPECT_EQ(_players[1].Heroes[2].unit_idx, unit);
    for (int16_t item : _players[1].Heroes[2].Items) EXPECT_EQ(item, -1);

    // Mode 1: a dead hero of level 3 (stored -4) comes back at level 3.
    _HEROES2[1][HERO + 1].Level = -4;
    ASSERT_EQ(Hire_Hero(1, HERO + 1, 3, 1), 1);
    EXPECT_EQ(_UNITS[_units - 1].Level, 3);
    EXPECT_EQ(_UNITS[_units - 1].XP, 120);
}

TEST_F(HeroSpells, AFullUnitTableLeavesEveryRecordAlone)
{
    Fill_Units(UNIT_MAX_IN_USE);
    _players[1].Heroes[0].unit_idx = -1;
    _players[1].Heroes[0].Items[0] = 5;
    const Unit_Record last = _UNITS[_units - 1];
    const int16_t units = _units;
    EXPECT_EQ(Hire_Hero(1, HERO, 0, 0), 0);
    EXPECT_EQ(_units, units);
    EXPECT_EQ(memcmp(&_UNITS[_units - 1], &last, sizeof last), 0);
    EXPECT_EQ(_players[1].Heroes[0].unit_idx, -1);
    EXPECT_EQ(_players[1].Heroes[0].Items[0], 5);
}

TEST_F(HeroSpells, IncarnationUnitLimitsAndRefusals)
{
    heroes_services.hero_offer = [](int16_t, int16_t, int16_t) -> int16_t { return 1; };
    Install_Recorder();
    Fill_Units(979);
    EXPECT_EQ(Cast_Incarnation(1), 0);  // a computer wizard stops at 950
    EXPECT_EQ(_units, 979);
    EXPECT_EQ(Cast_Incarnation(0), 1);  // the human at 980
    EXPECT_EQ(_units, 980);
    EXPECT_EQ(_UNITS[979].type, ht_Incarnation_Hero);
    EXPECT_EQ(_HEROES2[0][ht_Incarnation_Hero].Level, -20);
    EXPECT_EQ(Cast_Incarnation(0), 0);  // the limit now
    _units = 10;
    EXPECT_EQ(Cast_Incarnation(0), 0);  // already serving
    EXPECT_EQ(messages, (std::vector<int16_t>{50, 51}));
}

TEST_F(HeroSpells, SummonHeroWithEverySlotTakenAndResurrectionWithoutTheDead)
{
    Install_Recorder();
    for (Hero_Slot_Record &slot : _players[0].Heroes) slot.unit_idx = 0;
    for (Hero_Slot_Record &slot : _players[1].Heroes) slot.unit_idx = 0;
    EXPECT_EQ(Cast_Summon_Hero(0, 1), 0);
    EXPECT_EQ(Cast_Summon_Hero(1, 1), 0);
    EXPECT_EQ(messages, (std::vector<int16_t>{47}));
    EXPECT_EQ(_units, 0);

    for (int type = 0; type < NUM_HERO_TYPES; type++) _HEROES2[1][type].Level = type % 2 ? -20 : 2;
    _players[1].Heroes[0].unit_idx = -1;
    EXPECT_EQ(Cast_Resurrection(1), 0);
    for (int type = 0; type < NUM_HERO_TYPES; type++) EXPECT_EQ(_HEROES2[1][type].Level, type % 2 ? -20 : 2);

    // Two dead heroes: the computer takes the last in type order.
    _HEROES2[1][3].Level = -3;
    _HEROES2[1][9].Level = -5;
    EXPECT_EQ(Cast_Resurrection(1), 1);
    EXPECT_EQ(_UNITS[_units - 1].type, 9);
    EXPECT_EQ(_UNITS[_units - 1].Level, 4);
    EXPECT_EQ(_HEROES2[1][9].Level, -20);
    EXPECT_EQ(_HEROES2[1][3].Level, -3);
}

TEST_F(UnitSpells, PlaneShiftCheckResults)
{
    // 1: water on the other plane for walkers.
    _world_maps[World_Square_Index(10, 10, 1)] = tt_Ocean;
    Add_Unit(FOOT, 0, 10, 10);
    EXPECT_EQ(Cast_Plane_Shift_Check(10, 10, 0), 1);
    // 2: one enemy unit there.
    Add_Unit(FOOT, 0, 12, 12);
    Add_Unit(FOOT, 1, 12, 12, 1);
    EXPECT_EQ(Cast_Plane_Shift_Check(12, 12, 0), 2);
    // 3: five own units there with a stack of five; 0 with four.
    for (int i = 0; i < 5; i++) Add_Unit(FOOT, 0, 14, 14);
    for (int i = 0; i < 5; i++) Add_Unit(FOOT, 0, 14, 14, 1);
    EXPECT_EQ(Cast_Plane_Shift_Check(14, 14, 0), 3);
    for (int i = 0; i < 4; i++) Add_Unit(FOOT, 0, 16, 16);
    for (int i = 0; i < 5; i++) Add_Unit(FOOT, 0, 16, 16, 1);
    EXPECT_EQ(Cast_Plane_Shift_Check(16, 16, 0), 0);

    // The human's shift onto the enemy is refused with record 56; the free one crosses.
    Install_Recorder();
    const int16_t walker = Add_Unit(FOOT, 0, 18, 18);
    picks = {{1, -1, -1}, {walker, -1, -1}};
    EXPECT_EQ(Cast_Plane_Shift(0), 1);
    EXPECT_EQ(Cast_Plane_Shift(0), 1);
    EXPECT_EQ(messages, (std::vector<int16_t>{56}));
    EXPECT_EQ(_UNITS[1].wp, 0);
    EXPECT_EQ(_UNITS[walker].wp, 1);
}

TEST_F(UnitSpells, StasisIsNotTakenOnAStackWhoseFirstUnitIsHeld)
{
    spells[68].magic_realm = 1;
    Install_Recorder();
    const int16_t first = Add_Unit(FOOT, 1, 10, 10);
    const int16_t second = Add_Unit(FOOT, 1, 10, 10);
    _UNITS[first].mutations = UM_STASIS_INIT;
    const int16_t other = Add_Unit(FOOT, 1, 12, 12);
    _UNITS[other].moves2 = 2;
    picks = {{second, -1, -1}, {other, -1, -1}};
    EXPECT_EQ(Cast_Stasis(0), 1);
    EXPECT_EQ(_UNITS[second].mutations, 0);
    EXPECT_EQ(_UNITS[other].mutations, UM_STASIS_INIT);
    EXPECT_EQ(_UNITS[other].moves2, 0);
    EXPECT_EQ(_UNITS[other].Finished, 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(UnitSpells, NaturesCuresLeavesTheUndeadHurt)
{
    Install_Recorder();
    const int16_t living = Add_Unit(FOOT, 0, 10, 10);
    const int16_t undead = Add_Unit(FOOT, 0, 10, 10);
    const int16_t death = Add_Unit(CREATURE, 0, 10, 10);
    _unit_type_table[CREATURE].race = rt_Death;
    for (int16_t u : {living, undead, death}) _UNITS[u].Damage = 4;
    _UNITS[undead].mutations = UM_UNDEAD;
    picks = {{living, -1, -1}};
    EXPECT_EQ(Cast_Natures_Cures(0), 1);
    EXPECT_EQ(_UNITS[living].Damage, 0);
    EXPECT_EQ(_UNITS[undead].Damage, 4);
    EXPECT_EQ(_UNITS[death].Damage, 4);
}

TEST_F(UnitSpells, LycanthropyRefusalsAndWordOfRecall)
{
    spells[173].Param_Bytes[0] = FLYER;
    Install_Recorder();
    const int16_t hero = Add_Unit(HERO, 1, 10, 10);
    const int16_t creature = Add_Unit(CREATURE, 1, 10, 10);
    const int16_t changed = Add_Unit(FOOT, 1, 10, 10);
    _UNITS[changed].mutations = UM_UNDEAD;
    const int16_t soldier = Add_Unit(FOOT, 1, 10, 10);
    _UNITS[soldier].XP = 100;
    _UNITS[soldier].Level = 2;
    picks = {{hero, -1, -1}, {creature, -1, -1}, {changed, -1, -1}, {soldier, -1, -1}};
    EXPECT_EQ(Cast_Lycantrophy(0), 1);
    EXPECT_EQ(messages, (std::vector<int16_t>{62, 63, 64}));
    EXPECT_EQ(_UNITS[soldier].type, FLYER);
    EXPECT_EQ(_UNITS[soldier].XP, 0);
    EXPECT_EQ(_UNITS[soldier].Level, 0);

    const int16_t far = Add_Unit(FOOT, 0, 40, 30);
    picks = {{far, -1, -1}};
    EXPECT_EQ(Cast_Word_Of_Recall(0), 1);
    EXPECT_EQ(_UNITS[far].wx, 8);
    EXPECT_EQ(_UNITS[far].wy, 8);
}

TEST_F(UnitSpells, MoveFortressMovesOnlyTheCastersFortress)
{
    Install_Recorder();
    const int16_t home = Add_City(0, 8, 8);
    const int16_t other = Add_City(0, 30, 12);
    _CITIES[other].race = 7;
    picks = {{home, -1, -1}, {other, -1, -1}};
    EXPECT_EQ(Cast_Move_Fortress(0), 1);
    EXPECT_EQ(messages, (std::vector<int16_t>{3}));
    EXPECT_EQ(_FORTRESSES[0].wx, 30);
    EXPECT_EQ(_players[0].summon_wx, 30);
    EXPECT_EQ(_players[0].capital_race, 7);

    // Spell of Return unattended: the first own city, the fortress standing again.
    _FORTRESSES[0].active = 0;
    magic_services = {};
    EXPECT_EQ(Cast_Spell_Of_Return(0), 1);
    EXPECT_EQ(_FORTRESSES[0].active, 1);
    EXPECT_EQ(_FORTRESSES[0].wx, 8);
    EXPECT_EQ(_FORTRESSES[1].wx, 20);
}

}  // namespace
