// Strength scores, average unit costs, sight ranges and living players.
#include "End_Of_Turn_Fixture.h"
#include "combat/Battle_Unit_Scores.h"
#include "turn/Unit_Strength.h"

namespace {

class EndOfTurn_Strength : public End_Of_Turn_Test {};

TEST_F(EndOfTurn_Strength, ScoringFormulasOfTheFighters)
{
    EXPECT_EQ(Get_Effective_Hits(10, 4), 60);
    EXPECT_EQ(Get_Effective_Hits(10, 5), 120);
    EXPECT_EQ(Get_Effective_Hits(10, 3), 24);
    EXPECT_EQ(Get_Effective_Hits(10, -1), 30);
    EXPECT_EQ(Get_Effective_Melee_Strength(0, 5, 4, 0, 101), 0);
    EXPECT_EQ(Get_Effective_Melee_Strength(4, 0, 6, 0, -1), 240);
    EXPECT_EQ(Get_Effective_Melee_Strength(4, 0, 6, (int16_t)0x8001, -1), 240) << "negative flags count nothing";
    EXPECT_EQ(Get_Effective_Melee_Strength(4, 0, 1, 0, 104), 40 + 1200);
    EXPECT_EQ(Get_Effective_Ranged_Strength(2, 3, 0), 40);
    EXPECT_EQ(Get_Effective_Hits(30000, 12), 32767) << "saturates";
}

TEST_F(EndOfTurn_Strength, TypeScoreAddsHitsRangedAndMelee)
{
    Unit_Type_Record &type = _unit_type_table[40];
    type.Hits = 2;
    type.Figures = 4;
    type.Defense = 4;
    type.Melee = 5;
    type.Ranged = 3;
    type.Attack_Flags = 0;
    type.Ranged_Type = 20;
    int hits = Get_Effective_Hits(8, 4);
    int ranged = Get_Effective_Ranged_Strength(3, 4, 0);
    int melee = Get_Effective_Melee_Strength(5, 0, 4, 0, -1);
    EXPECT_EQ(Effective_Unit_Type_Strength(40), hits + 2 * ranged + melee);

    type.Ranged_Type = -1;  // -1 / 10 is 0: the ranged term counts (of its strength)
    EXPECT_EQ(Effective_Unit_Type_Strength(40), hits + 2 * ranged + melee);

    type.Ranged_Type = 101;  // a breath adds to the melee term instead
    EXPECT_EQ(Effective_Unit_Type_Strength(40), hits + Get_Effective_Melee_Strength(5, 3, 4, 0, 101));
}

TEST_F(EndOfTurn_Strength, UnitScoreCountsDamageAndRefusesStrayIndices)
{
    Unit_Type_Record &type = _unit_type_table[40];
    type.Hits = 2;
    type.Figures = 4;
    type.Defense = 2;
    type.Melee = 5;
    type.Ranged = 0;
    type.Ranged_Type = -1;
    type.Attack_Flags = 0;
    int16_t unit = Add_Unit(0, 40);
    int16_t fresh = Effective_Unit_Strength(unit);
    _UNITS[unit].Damage = 3;
    int16_t damaged = Effective_Unit_Strength(unit);
    EXPECT_LT(damaged, fresh);
    EXPECT_EQ(Effective_Unit_Strength(-1), 0);
    EXPECT_EQ(Effective_Unit_Strength(_units), 0);
}

TEST_F(EndOfTurn_Strength, AverageCostCountsOnlyFightingUnitsOfComputerWizards)
{
    _players[1].average_unit_cost = 77;
    _players[2].average_unit_cost = 77;
    _unit_type_table[40].cost = 30;
    _unit_type_table[41].cost = 50;
    _unit_type_table[42].Abilities = UA_CREATEOUTPOST;
    Add_Unit(1, 42);  // settlers only: the old average stays
    Add_Unit(2, 40);
    Add_Unit(2, 41);
    Add_Unit(2, 42);
    Add_Unit(0, 41);
    AI_Calculate_Average_Unit_Cost();
    EXPECT_EQ(_players[1].average_unit_cost, 77);
    EXPECT_EQ(_players[2].average_unit_cost, 40);
    EXPECT_EQ(_players[0].average_unit_cost, 0);
}

TEST_F(EndOfTurn_Strength, SightRangeOfASquareAndLivingPlayers)
{
    EXPECT_EQ(Player_Units_Max_Range(0, 10, 10, 0), 1) << "an empty square";
    int16_t scout = Add_Unit(0, 40, 10, 10, 1);
    _UNITS[scout].Sight_Range = 3;
    EXPECT_EQ(Player_Units_Max_Range(0, 10, 10, 0), 1) << "the other plane";
    _UNITS[scout].in_tower = 1;
    EXPECT_EQ(Player_Units_Max_Range(0, 10, 10, 0), 3) << "in a tower on both";
    EXPECT_EQ(Player_Units_Max_Range(1, 10, 10, 1), 1) << "another player's unit";

    _num_players = 3;
    _FORTRESSES[0].active = 1;
    _FORTRESSES[2].active = 1;
    EXPECT_EQ(N_Living_Players(), 2);
    EXPECT_EQ(N_Living_Human_Players(), 1);
    _FORTRESSES[0].active = 0;
    EXPECT_EQ(N_Living_Human_Players(), 0);
}

}  // namespace
