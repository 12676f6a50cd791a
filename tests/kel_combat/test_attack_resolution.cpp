#include "Combat_Fixture.h"
#include "combat/Attack_Resolution.h"
#include "combat/Combat_AI_Measures.h"
#include "combat/Combat_Casting_Rules.h"
#include "world/Item_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"

using AttackResolution = Combat_Test;
using TargetValue = Combat_Test;

namespace {

int Total(const int16_t d[3]) { return d[0] + d[1] + d[2]; }

}  // namespace

TEST_F(AttackResolution, BlackSleepTakesFullStrengthWithoutDraws)
{
    Battle_Unit_Record &a = Unit(0, 0, 3, 2, 2, 4);
    Battle_Unit_Record &d = Unit(1, 1, 5, 9, 20, 4);
    a.Grid_X = 13, d.Grid_X = 12;
    d.Curses = BUC_BLACK_SLEEP;
    int16_t to_d[3], to_a[3];
    const uint64_t before = g_random_call_count;
    Battle_Unit_Attack_Target(&a, &d, to_d, to_a, 0, 1);
    EXPECT_EQ(g_random_call_count, before);
    EXPECT_EQ(to_d[0], 4 * 3);
    EXPECT_EQ(Total(to_a), 0);
}

TEST_F(AttackResolution, FirstStrikeKillsBeforeTheCounterUnlessNegated)
{
    // The attacker never misses (to-hit 10) and the defender never blocks; one figure of 1 hit per point.
    auto fight = [&](bool negate) {
        Combat_Tables_Reset();
        Battle_Unit_Record &a = Unit(0, 0, 4, 0, 10, 1);
        Battle_Unit_Record &d = Unit(1, 1, 4, 0, 4, 1);
        a.To_Hit = 10, d.To_Hit = 10;
        a.Attack_Flags = UAF_FIRST_STRIKE;
        d.To_Defend_Bonus = -10, a.To_Defend_Bonus = -10;
        if (negate) d.Abilities = UA_NEGATEFIRSTSTRIKE;
        int16_t to_d[3], to_a[3];
        Battle_Unit_Attack_Target(&a, &d, to_d, to_a, 0, 1);
        return std::make_pair(Total(to_d), Total(to_a));
    };
    auto [first_d, first_a] = fight(false);
    EXPECT_EQ(first_d, 4);
    EXPECT_EQ(first_a, 0);  // the defender died before its counter
    auto [negated_d, negated_a] = fight(true);
    EXPECT_EQ(negated_d, 4);
    EXPECT_GT(negated_a, 0);  // both strike from their figures before the exchange
}

TEST_F(AttackResolution, VampiricItemHealsItsHero)
{
    Unit_Type_Record &hero_type = _unit_type_table[3];
    hero_type.Melee = 6, hero_type.Hits = 10, hero_type.Figures = 1, hero_type.Defense = 0, hero_type.Resist = 0;
    hero_type.Ranged_Type = (int8_t)rk_None, hero_type.Move_Halves = 2, hero_type.To_Hit = 0;
    const int16_t hero = _units++;
    _UNITS[hero] = {};
    _UNITS[hero].type = 3, _UNITS[hero].owner_idx = 0, _UNITS[hero].Hero_Slot = 0;
    _UNITS[hero].Damage = 6;
    _players[0].Heroes[0].unit_idx = hero;
    _ITEMS[0] = {};
    _ITEMS[0].type = 0, _ITEMS[0].cost = 100, _ITEMS[0].Powers = ip_Vampiric;
    _players[0].Heroes[0].Items[0] = 0;
    Battle_Unit_Record &a = battle_units[0];
    Load_Battle_Unit(hero, &a);
    ASSERT_TRUE(a.Item_Melee_Attack_Flags & UAF_LIFE_STEAL);
    a.Status = 0;
    a.Kept_Spec_Att_Attr = 0;
    _combat_total_unit_count = 1;
    Battle_Unit_Record &d = Unit(1, 1, 0, 0, 3, 8);
    d.Resist = -20;  // every life-steal check fails by its whole draw
    a.Grid_X = 13, d.Grid_X = 12;
    EXPECT_EQ(a.Front_Figure_Damage, 6);
    int16_t to_d[3], to_a[3];
    Battle_Unit_Attack_Target(&a, &d, to_d, to_a, 0, 1);
    EXPECT_GT(to_d[1], 0);
    EXPECT_EQ(a.Front_Figure_Damage, 0);  // healed
}

TEST_F(AttackResolution, HastedVolleysPayManaOrAmmunition)
{
    struct Case {
        uint8_t kind;
        uint8_t mana;
        uint8_t ammo;
        int volleys;
    } cases[] = {
        {rk_Magic_First, 6, 0, 1}, {rk_Magic_First, 7, 0, 2}, {rk_Bow_First, 0, 1, 1}, {rk_Bow_First, 0, 2, 2}};
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        Battle_Unit_Record &a = Unit(0, 0, 1, 0, 1, 1);
        Battle_Unit_Record &d = Unit(1, 1, 0, 0, 100, 1);
        a.Ranged_Type = c.kind, a.Ranged = 10, a.Mana_Left = c.mana, a.Ammo = c.ammo;
        a.To_Hit = 10, a.Curses = BUC_HASTE;
        a.Grid_X = 14, d.Grid_X = 12;
        int16_t to_d[3], to_a[3];
        Battle_Unit_Attack_Target(&a, &d, to_d, to_a, 1, 1);
        EXPECT_EQ(Total(to_d), 10 * c.volleys) << (int)c.kind << " " << (int)c.mana << " " << (int)c.ammo;
        if (c.volleys == 2) {
            EXPECT_TRUE(a.Mana_Left == c.mana - 3 || a.Ammo == c.ammo - 1);
        }
    }
    // A volley that cannot be made gives -5 in each kind.
    Combat_Tables_Reset();
    Battle_Unit_Record &a = Unit(0, 0);
    Battle_Unit_Record &d = Unit(1, 1);
    int16_t to_d[3], to_a[3];
    Battle_Unit_Attack_Target(&a, &d, to_d, to_a, 1, 1);
    EXPECT_EQ(to_d[0], -5);
    EXPECT_EQ(to_d[2], -5);
}

TEST_F(AttackResolution, StrikeRulesFlightAndCarriedDamage)
{
    Battle_Unit_Record &a = Unit(0, 0, 5, 0, 3, 1);
    Battle_Unit_Record &d = Unit(1, 1, 0, 0, 3, 2);
    d.Move_Flags = MV_FLYING;
    int16_t out[3];
    const uint64_t before = g_random_call_count;
    Battle_Unit_Process_Attack(&a, 1, &d, STRIKE_MELEE, out, 0, 1);
    EXPECT_EQ(Total(out), 0);
    EXPECT_EQ(g_random_call_count, before);
    Battle_Unit_Process_Attack(&a, 1, &d, STRIKE_MELEE, out, 1, 1);  // a counter is not barred
    EXPECT_GE(g_random_call_count, before + 5);
    // A top figure carrying 2 of 3 hits dies from one more point.
    d.Move_Flags = MV_FOOT;
    d.Front_Figure_Damage = 2;
    a.Melee = 1;
    a.Attack_Flags = UAF_AUTOMATIC_DAMAGE;
    Battle_Unit_Process_Attack(&a, 1, &d, STRIKE_MELEE, out, 0, 1);
    EXPECT_EQ(out[0], 1);
    Battle_Unit_Commit_Damage(&d, out);
    EXPECT_EQ(d.Cur_Figures, 1);
    EXPECT_EQ(d.Front_Figure_Damage, 0);
    EXPECT_EQ(Battle_Unit_Attack_Magic_Realm(0, &d), REALM_NONE);
    d.race = 18;
    EXPECT_EQ(Battle_Unit_Attack_Magic_Realm(0, &d), REALM_CHAOS);
    EXPECT_EQ(Battle_Unit_Attack_Magic_Realm(rk_Death_Gaze, &d), REALM_DEATH);
    a.Ranged_Type = rk_Thrown;
    EXPECT_EQ(Battle_Unit_Attack_Immunity_Bits(&a, STRIKE_SPECIAL) & UI_WEAPON_IMMUNITY, 0);
}

TEST_F(TargetValue, SideMeasures)
{
    Battle_Unit_Record &first = Unit(0, 1, 2);
    first.Ranged_Type = rk_Bow_First, first.Ranged = 8;
    Battle_Unit_Record &second = Unit(1, 1, 2);
    second.Ranged_Type = rk_Bow_First, second.Ranged = 3;
    EXPECT_EQ(Total_Ranged_Attack_Strength(1), 3);
    EXPECT_EQ(Total_Ranged_Attack_Strength(0), 0);
    // Heroes raise no dead of their own type.
    EXPECT_EQ(Find_Undead_Creator_Type(1), 10);
}

TEST_F(TargetValue, PlayerModeFromStrengthRatios)
{
    struct Case {
        int own_figures;
        int enemy_figures;
        int16_t mode;
    } cases[] = {{1, 0, 5}, {0, 1, 0}, {1, 5, 0}, {1, 3, 1}, {2, 3, 2}, {1, 1, 3}, {3, 1, 4}, {5, 1, 5}};
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        if (c.own_figures) Unit(0, 1, 4, 4, 2, c.own_figures);
        if (c.enemy_figures) Unit(1, 0, 4, 4, 2, c.enemy_figures);
        EXPECT_EQ(AI_Player_Mode(1), c.mode) << c.own_figures << " vs " << c.enemy_figures;
    }
}

TEST_F(TargetValue, WorthOfAnAttack)
{
    Battle_Unit_Record &a = Unit(0, 0, 6, 2);
    Battle_Unit_Record &t = Unit(1, 1, 4, 3);
    a.Grid_X = 12, t.Grid_X = 10, a.Grid_Y = t.Grid_Y = 12, a.Move_Halves = 4;
    EXPECT_EQ(Target_Unit_Value(0, 1, 0), 6 - 3 + 25);
    a.AI_Target = 1;
    EXPECT_EQ(Target_Unit_Value(0, 1, 0), 6 - 3 + 25 + 10);
    t.Move_Flags = MV_FLYING;
    EXPECT_EQ(Target_Unit_Value(0, 1, 0), -200);
    a.Ranged_Type = rk_Stoning_Gaze;
    EXPECT_NE(Target_Unit_Value(0, 1, 0), -200);
    t.Move_Flags = MV_FOOT;
    t.Attribs_1 = UI_MISSILES_IMMUNITY;
    a.Ranged_Type = rk_Bow_First, a.Ranged = 4;
    EXPECT_LT(Target_Unit_Value(0, 1, 1), -30);
}

TEST_F(TargetValue, DistanceFactorsAndSpellModifiers)
{
    _FORTRESSES[0] = {};
    _FORTRESSES[0].wx = 20, _FORTRESSES[0].wy = 20, _FORTRESSES[0].wp = 0, _FORTRESSES[0].active = 1;
    EXPECT_EQ(Combat_Casting_Cost_Multiplier(0), 5);
    _players[0].retorts[rtr_Channeler] = 1;
    EXPECT_EQ(Combat_Casting_Cost_Multiplier(0), 5);
    _players[0].retorts[rtr_Channeler] = 0;
    _FORTRESSES[0].wx = 24;
    EXPECT_EQ(Combat_Casting_Cost_Multiplier(0), 10);
    _FORTRESSES[0].wx = 50;  // 30 away the other way round
    EXPECT_EQ(Combat_Casting_Cost_Multiplier(0), 30);
    _FORTRESSES[0].wx = 20, _FORTRESSES[0].wy = 32;
    EXPECT_EQ(Combat_Casting_Cost_Multiplier(0), 20);
    _FORTRESSES[0].wp = 1;
    EXPECT_EQ(Combat_Casting_Cost_Multiplier(0), 30);
    _players[0].retorts[rtr_Channeler] = 1;
    EXPECT_EQ(Combat_Casting_Cost_Multiplier(0), 10);
    EXPECT_EQ(Combat_Casting_Cost_Multiplier(5), 1);
    EXPECT_EQ(Spell_Resistance_Modifier(68), -5);
    EXPECT_EQ(Spell_Resistance_Modifier(168), 1);
    EXPECT_EQ(Spell_Resistance_Modifier(22), 0);
}
