// The mana adders' ranges and the costs a slider position sets.
#include "Cast_Fixture.h"
#include "combat/Combat_Casting_Rules.h"
#include "combat/Combat_Tables.h"
#include "magic/Mana_Adder.h"
#include "turn/Magic_Power_Research.h"
#include "world/Battle_Unit_Record.h"

namespace {

class ManaAdder : public Cast_Test {
protected:
    static constexpr int16_t SPELL = 9;
    void SetUp() override
    {
        Cast_Test::SetUp();
        spell_data_table[SPELL].casting_cost = 40;
        spell_data_table[SPELL].type = 17;
    }
};

TEST_F(ManaAdder, TheOverlandSliderRunsOverTheBaseCostAndItsLeftEndAddsNothing)
{
    EXPECT_EQ(Overland_Mana_Adder_Range(SPELL), 40);
    EXPECT_EQ(Mana_Adder_Extra_Power(MANA_ADDER_SLIDER_MIN, 40), 0);
    EXPECT_EQ(Mana_Adder_Extra_Power(53, 40), 20);
    EXPECT_EQ(Mana_Adder_Extra_Power(MANA_ADDER_SLIDER_MAX, 40), 40);
    const int16_t reduction = Casting_Cost_Reduction(0, SPELL);
    EXPECT_EQ(Overland_Mana_Adder_Apply(SPELL, MANA_ADDER_SLIDER_MIN), 40);
    EXPECT_EQ(_players[0].casting_cost_original, 40);
    EXPECT_EQ(_players[0].casting_cost_remaining, 40 - 40 * reduction / 100);
    EXPECT_EQ(Overland_Mana_Adder_Apply(SPELL, MANA_ADDER_SLIDER_MAX), 80);
    EXPECT_EQ(g_spell_scratch_int, 80);
}

TEST_F(ManaAdder, CombatRangesEndAtZeroForACasterWithJustTheBaseCost)
{
    std::vector<Battle_Unit_Record> units(20);
    Battle_Unit_Record *saved = battle_units;
    battle_units = units.data();
    units[3].Mana_Left = 40;
    EXPECT_EQ(Combat_Mana_Adder_Range(SPELL, 3), 0);
    units[3].Mana_Left = 25;
    EXPECT_EQ(Combat_Mana_Adder_Range(SPELL, 3), 0) << "never below 0";
    units[3].Mana_Left = 250;
    EXPECT_EQ(Combat_Mana_Adder_Range(SPELL, 3), 160) << "at most four times the base";
    battle_units = saved;

    // The human wizard whose mana after the distance factor just covers the cost.
    _players[0].Cmbt_Skill_Left = 1000;
    const int16_t multiplier = Combat_Casting_Cost_Multiplier(0);
    const int16_t cost = Casting_Cost(0, SPELL, 1);
    _players[0].mana_reserve = (int16_t)((cost * multiplier + 9) / 10);
    ASSERT_EQ(_players[0].mana_reserve * 10 / multiplier, cost);
    EXPECT_EQ(Combat_Mana_Adder_Range(SPELL, 20), 0);
    _players[0].mana_reserve = 30000;
    EXPECT_EQ(Combat_Mana_Adder_Range(SPELL, 20), 160);
    _players[0].Cmbt_Skill_Left = 60;
    EXPECT_EQ(Combat_Mana_Adder_Range(SPELL, 20), 20) << "skill 60 pays strength 60";
    EXPECT_EQ(Combat_Mana_Adder_Apply(SPELL, MANA_ADDER_SLIDER_MAX, 20, 20), 60);
    EXPECT_EQ(_players[0].casting_cost_remaining, 60);
}

}  // namespace
