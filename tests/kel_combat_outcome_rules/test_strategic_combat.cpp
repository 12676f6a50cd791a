// The automatic resolution: the computer players' bonus, the exchanges and their ends, the wizards'
// spells, and whole battles fought on the fixture's square.
#include "Outcome_Fixture.h"
#include "combat/Strategic_Combat.h"
#include "world/ALLOC.h"

namespace {

class StrategicCombat : public Outcome_Test {};

Strategic_Side Side(int32_t hits, int32_t ranged, int32_t melee)
{
    Strategic_Side side = {};
    side.hits = side.hits_start = hits;
    side.ranged = ranged;
    side.melee = melee;
    side.hit_points = hits;
    return side;
}

TEST_F(StrategicCombat, TheBonusGoesToComputerSidesThatAreNotNeutral)
{
    struct Case {
        int16_t side, attacker, defender, expected;
    };
    const Case cases[] = {
        {1, 1, 2, 1}, {2, 1, 2, 1},  // two computer wizards: both
        {1, 1, 5, 1}, {5, 1, 5, 0},  // against the neutral player only the wizard
        {5, 5, 2, 0}, {2, 5, 2, 1},  // the neutral player attacking
        {0, 0, 1, 0}, {1, 0, 1, 0},  // the human takes part: nobody
        {1, 1, 0, 0}, {0, 1, 0, 0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Strategic_Combat_Bonus_Applies(c.side, c.attacker, c.defender), c.expected)
            << "side " << c.side << " in " << c.attacker << " against " << c.defender;
    }
    Strategic_Side side = Side(101, 21, 33);
    side.damage = 10, side.boost = 5, side.heal = 3;
    Strategic_Combat_Bonus(&side);
    EXPECT_EQ(side.hits, 151);
    EXPECT_EQ(side.hits_start, 151);
    EXPECT_EQ(side.ranged, 31);
    EXPECT_EQ(side.melee, 49);
    EXPECT_EQ(side.damage, 15);
    EXPECT_EQ(side.boost, 7);
    EXPECT_EQ(side.heal, 4);
}

TEST_F(StrategicCombat, TheRangedPhaseEndsAfterThreeExchanges)
{
    Strategic_Side a = Side(100000, 500, 0);
    Strategic_Side d = Side(100000, 500, 0);
    int16_t exchanges = 0;
    const int16_t won = Strategic_Combat_Exchanges(&a, &d, -1, -1, &exchanges);
    EXPECT_EQ(exchanges, 3);
    EXPECT_GT(a.ranged, 10);  // still strength left
    EXPECT_EQ(won, -1);       // no melee on either side: nobody wins
}

TEST_F(StrategicCombat, ASideOfZeroHitsEndsBothPhasesAtOnce)
{
    Strategic_Side a = Side(50, 40, 40);
    Strategic_Side d = Side(0, 40, 40);
    int16_t exchanges = -1;
    EXPECT_EQ(Strategic_Combat_Exchanges(&a, &d, -1, -1, &exchanges), 0);  // melee 40 left against 40: the attacker
    EXPECT_EQ(exchanges, 0);
    EXPECT_EQ(a.melee, 40);
}

TEST_F(StrategicCombat, AMeleeOfTenOrLessLosesEvenWithRangedLeft)
{
    Strategic_Side a = Side(1000, 400, 10);
    Strategic_Side d = Side(1000, 0, 60);
    EXPECT_EQ(Strategic_Combat_Exchanges(&a, &d, -1, -1, nullptr), 1);
}

TEST_F(StrategicCombat, ABudgetOfTenComputesCoefficientsButCastsNothing)
{
    Player_Record &wizard = _players[1];
    wizard.Nominal_Skill = 10;
    wizard.mana_reserve = 500;
    wizard.spellranks[2] = 3;  // Chaos
    Strategic_Side a = Side(1000, 100, 100);
    Strategic_Combat_Spell_Coefficients(1, 0, 0, &a);
    EXPECT_EQ(a.budget, 10);
    EXPECT_EQ(a.spend, 3);
    EXPECT_EQ(a.damage, 30);
    EXPECT_EQ(a.boost, 9);
    Strategic_Side d = Side(1000, 100, 100);
    Strategic_Combat_Exchanges(&a, &d, 1, -1, nullptr);
    EXPECT_EQ(wizard.mana_reserve, 500);
    EXPECT_EQ(a.budget, 10);
    // With skill enough the same wizard casts and pays.
    wizard.Nominal_Skill = 60;
    Strategic_Side b = Side(1000, 100, 100);
    Strategic_Combat_Spell_Coefficients(1, 0, 0, &b);
    Strategic_Side e = Side(1000, 100, 100);
    Strategic_Combat_Exchanges(&b, &e, 1, -1, nullptr);
    EXPECT_LT(wizard.mana_reserve, 500);
}

TEST_F(StrategicCombat, OnlyTheAttackersBooksAreSilencedOnANode)
{
    Player_Record &wizard = _players[1];
    wizard.Nominal_Skill = 100;
    wizard.mana_reserve = 1000;
    wizard.spellranks[0] = 2;  // Nature, silenced at codes 2 and 4
    Strategic_Side attacker = {}, defender = {};
    Strategic_Combat_Spell_Coefficients(1, 1, 2, &attacker);
    Strategic_Combat_Spell_Coefficients(1, 0, 2, &defender);
    EXPECT_EQ(attacker.damage, 0);
    EXPECT_EQ(defender.damage, 10);
    EXPECT_EQ(defender.boost, 2);
    EXPECT_EQ(defender.heal, 2);
}

TEST_F(StrategicCombat, WhenBothSidesAreSpentEveryUnitDiesAndNobodyWins)
{
    _unit_type_table[FOOT_TYPE].Melee = 0;
    int16_t troops[2] = {Overland_Unit(0), Overland_Unit(0)};
    const int16_t defender = Overland_Unit(1);
    _unit_type_table[FOOT_TYPE].Melee = 0;  // Overland_Unit sets it again
    int16_t items[COMBAT_ITEM_LIST_MAX];
    int16_t count = 0;
    _players[0].fame = 5;
    EXPECT_EQ(Strategic_Combat(troops, 2, _combat_wx, _combat_wy, _combat_wp, &count, items), 0);
    for (int16_t u : {troops[0], troops[1], defender}) EXPECT_EQ(_UNITS[u].owner_idx, -1) << "unit " << u;
    EXPECT_EQ(_players[0].fame, 5);
    EXPECT_EQ(combat_results_scroll_message, crc_Auto_Lost);
}

TEST_F(StrategicCombat, AStrongStackBeatsAWeakOneAndKeepsItsUnits)
{
    int16_t troops[3] = {Overland_Unit(0), Overland_Unit(0), Overland_Unit(0)};
    _unit_type_table[FOOT_TYPE].Melee = 8;
    _unit_type_table[FOOT_TYPE].Hits = 4;
    const int16_t lone = Overland_Unit(2, FOOT_TYPE + 1);
    _unit_type_table[FOOT_TYPE + 1].Melee = 1;
    _unit_type_table[FOOT_TYPE + 1].Figures = 1;
    _unit_type_table[FOOT_TYPE + 1].Hits = 1;
    int16_t items[COMBAT_ITEM_LIST_MAX];
    int16_t count = 0;
    EXPECT_EQ(Strategic_Combat(troops, 3, _combat_wx, _combat_wy, _combat_wp, &count, items), 1);
    EXPECT_EQ(_UNITS[lone].owner_idx, -1);
    for (int16_t t : troops) {
        EXPECT_EQ(_UNITS[t].owner_idx, 0);
        EXPECT_EQ(_UNITS[t].XP, 2);  // one unit of the loser fell
        EXPECT_EQ(_UNITS[t].moves2, 0);
    }
}

}  // namespace
