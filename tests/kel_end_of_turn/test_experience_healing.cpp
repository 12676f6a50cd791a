// Experience, stasis, training by heroes and healing at the end of a turn.
#include "End_Of_Turn_Fixture.h"
#include "turn/Experience_Healing.h"
#include "world/Battle_Unit.h"

namespace {

constexpr uint8_t SPEARMEN = 39;
constexpr uint8_t SWORDSMEN = 40;
constexpr uint8_t HERO_A = 3;
constexpr uint8_t HERO_B = 4;

class EndOfTurn_Healing : public End_Of_Turn_Test {
protected:
    void SetUp() override
    {
        End_Of_Turn_Test::SetUp();
        // Plain test types: no fantastic or healer abilities unless a test sets them.
        for (uint8_t type : {SPEARMEN, SWORDSMEN, HERO_A, HERO_B}) {
            _unit_type_table[type].Abilities = 0;
            _unit_type_table[type].race = 0;
            _unit_type_table[type].Hits = 1;
            _unit_type_table[type].Figures = 10;
        }
    }
    static int Total_Hits(int16_t unit_idx)
    {
        return Unit_Hit_Points(unit_idx) * _unit_type_table[_UNITS[unit_idx].type].Figures;
    }
};

TEST_F(EndOfTurn_Healing, ExperienceGrowsOnePointAndSetsTheLevel)
{
    int16_t veteran = Add_Unit(0, SWORDSMEN);
    _UNITS[veteran].XP = 119;
    _UNITS[veteran].Level = 2;
    int16_t summoned = Add_Unit(0, 180);
    int16_t undead = Add_Unit(1, SPEARMEN);
    _UNITS[undead].mutations = UM_UNDEAD;
    Do_All_Units_XP_Check();
    EXPECT_EQ(_UNITS[veteran].XP, 120);
    EXPECT_EQ(_UNITS[veteran].Level, 3);
    EXPECT_EQ(_UNITS[summoned].XP, 0) << "summoned creatures gain nothing";
    EXPECT_EQ(_UNITS[undead].XP, 0) << "the undead gain nothing";
}

TEST_F(EndOfTurn_Healing, TimeStopGivesExperienceOnlyToTheCaster)
{
    int16_t mine = Add_Unit(1, SWORDSMEN);
    int16_t theirs = Add_Unit(0, SWORDSMEN, 20, 20);
    g_timestop_player_num = 2;
    Do_All_Units_XP_Check();
    EXPECT_EQ(_UNITS[mine].XP, 1);
    EXPECT_EQ(_UNITS[theirs].XP, 0);
}

TEST_F(EndOfTurn_Healing, BestTrainerOfASquareTrainsItsUnitsOnce)
{
    Add_Hero(0, HERO_A, 0, 2, hab_Armsmaster);
    Add_Hero(0, HERO_B, 1, 0, hab_Armsmaster_Super);
    int16_t trainee = Add_Unit(0, SWORDSMEN);
    int16_t elsewhere = Add_Unit(0, SWORDSMEN, 30, 30);
    Do_All_Units_XP_Check();
    EXPECT_EQ(_UNITS[trainee].XP, 1 + 6) << "the larger of (2 + 1) x 2 and (0 + 1) x 3, once";
    EXPECT_EQ(_UNITS[trainee].Level, 0);
    EXPECT_EQ(_UNITS[elsewhere].XP, 1);
}

TEST_F(EndOfTurn_Healing, UnitRecoveryClearsDamageOfLivingUnits)
{
    _players[0].Globals[ge_Unit_Recovery] = 1;
    int16_t living = Add_Unit(0, SWORDSMEN);
    _UNITS[living].Damage = 4;
    int16_t undead = Add_Unit(0, SPEARMEN);
    _UNITS[undead].mutations = UM_UNDEAD;
    _UNITS[undead].Damage = 4;
    Do_All_Units_XP_Check();
    EXPECT_EQ(_UNITS[living].Damage, 0);
    EXPECT_EQ(_UNITS[undead].Damage, 4);
}

TEST_F(EndOfTurn_Healing, StasisTakesHoldThenRollsToBreakFree)
{
    int16_t unit = Add_Unit(0, SWORDSMEN);
    _UNITS[unit].mutations = UM_STASIS_INIT;
    Do_All_Units_XP_Check();
    EXPECT_EQ(_UNITS[unit].mutations, UM_STASIS_LINGER) << "no roll in the first turn";

    // Resistance 30 - 5 beats any draw of 1..10: the unit is free.
    _unit_type_table[SWORDSMEN].Resist = 30;
    Do_All_Units_XP_Check();
    EXPECT_EQ(_UNITS[unit].mutations, 0);

    // Resistance 0 - 5 never does.
    _unit_type_table[SWORDSMEN].Resist = 0;
    _UNITS[unit].mutations = UM_STASIS_LINGER;
    Do_All_Units_XP_Check();
    EXPECT_EQ(_UNITS[unit].mutations, UM_STASIS_LINGER);
}

// Rest of the hit total against a draw of 1..divisor settles the fraction.
TEST_F(EndOfTurn_Healing, HealingRateFollowsWhereTheUnitStands)
{
    struct Case {
        const char *where;
        bool in_city, building;
        int divisor;
    };
    const Case cases[] = {
        {"field", false, false, 20}, {"city", true, false, 10}, {"city with building", true, true, 6}};
    for (const Case &c : cases) {
        World_Clear();
        SetUp();
        int16_t unit = Add_Unit(0, SWORDSMEN, 5, 5);
        _unit_type_table[SWORDSMEN].Figures = 8;
        _unit_type_table[SWORDSMEN].Hits = 5;  // 40 hits in all
        _UNITS[unit].Damage = 20;
        if (c.in_city) {
            int16_t city = Add_City(0, 5, 5);
            if (c.building) _CITIES[city].bldg_status[10] = 1;
        }
        int total = Total_Hits(unit);
        int whole = 0, rest = total;
        while (rest > c.divisor) {
            whole++;
            rest -= c.divisor;
        }
        int draw = Peek_Draws({c.divisor})[0];
        Heal_All_Units();
        EXPECT_EQ(_UNITS[unit].Damage, 20 - whole - (rest >= draw ? 1 : 0)) << c.where;
    }
}

TEST_F(EndOfTurn_Healing, FieldHealingOfTenHitsIsATenInTwentyChance)
{
    _unit_type_table[SWORDSMEN].Figures = 10;
    _unit_type_table[SWORDSMEN].Hits = 1;
    int healed = 0;
    for (uint32_t seed = 1; seed <= 400; seed++) {
        _units = 0;
        int16_t unit = Add_Unit(0, SWORDSMEN);
        ASSERT_EQ(Total_Hits(unit), 10);
        _UNITS[unit].Damage = 5;
        Set_Random_Seed(seed);
        int draw = Peek_Draws({20})[0];
        Heal_Unit(unit, 20, 0);
        EXPECT_EQ(_UNITS[unit].Damage, draw <= 10 ? 4 : 5);
        healed += _UNITS[unit].Damage == 4;
    }
    EXPECT_GT(healed, 150);
    EXPECT_LT(healed, 250);
}

TEST_F(EndOfTurn_Healing, NoHealingWithoutDamageOrForTheDeadAndUndead)
{
    int16_t healthy = Add_Unit(0, SWORDSMEN);
    int16_t undead = Add_Unit(0, SPEARMEN, 20, 20);
    _UNITS[undead].mutations = UM_UNDEAD;
    _UNITS[undead].Damage = 5;
    uint32_t seed = Get_Random_Seed();
    Heal_All_Units();
    EXPECT_EQ(_UNITS[healthy].Damage, 0);
    EXPECT_EQ(_UNITS[undead].Damage, 5);
    EXPECT_EQ(Get_Random_Seed(), seed) << "no draw for units that do not heal";
}

TEST_F(EndOfTurn_Healing, TwoHealersTreatEachUnitOnce)
{
    _unit_type_table[SPEARMEN].Abilities = UA_HEALER;
    _unit_type_table[SWORDSMEN].Figures = 10;
    _unit_type_table[SWORDSMEN].Hits = 5;  // 50 hits: a treatment heals 10
    Add_Unit(0, SPEARMEN);
    Add_Unit(0, SPEARMEN);
    int16_t patient = Add_Unit(0, SWORDSMEN);
    _UNITS[patient].Damage = 30;
    Heal_All_Units();
    // Treated once (-10) before its own turn, then it heals by the treated mark's divisor: 50 / 66
    // leaves a rest of 50 against a draw of 1..66.
    EXPECT_GE(_UNITS[patient].Damage, 19);
    EXPECT_LE(_UNITS[patient].Damage, 20);
}

TEST_F(EndOfTurn_Healing, HealerOnAnOverfullSquareKillsNobody)
{
    _unit_type_table[SPEARMEN].Abilities = UA_HEALER;
    Add_Unit(0, SPEARMEN);
    for (int k = 0; k < 10; k++) {
        int16_t unit = Add_Unit(k < 5 ? 0 : 5, SWORDSMEN);
        _UNITS[unit].Damage = 5;
    }
    Heal_All_Units();
    for (int k = 0; k < 11; k++) EXPECT_GE(_UNITS[k].owner_idx, 0) << "unit " << k << " lives";
    // The first nine units on the square (the healer and eight patients) were treated: 10 hits, 2
    // healed; the last two healed only by chance.
    for (int k = 1; k < 9; k++) EXPECT_LE(_UNITS[k].Damage, 3) << k;
    for (int k = 9; k < 11; k++) EXPECT_GE(_UNITS[k].Damage, 4) << k;
}

}  // namespace
