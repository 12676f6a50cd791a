// Mana, research and skill incomes, research completing spells, paying for the spell being cast,
// casting costs and the cheat word.
#include "End_Of_Turn_Fixture.h"
#include "turn/Magic_Power_Research.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

namespace {

constexpr int16_t NATURE_SPELL = 5;
constexpr int16_t CHAOS_SPELL = 85;
constexpr int16_t OTHER_SPELL = 6;
constexpr int16_t THIRD_SPELL = 7;

class EndOfTurn_Magic : public End_Of_Turn_Test {
protected:
    void SetUp() override
    {
        End_Of_Turn_Test::SetUp();
        memset(spell_data_table, 0, sizeof(Spell_Data_Record) * NUM_SPELLS);
        Set_Spell(NATURE_SPELL, 0, 100, 40, 1);
        Set_Spell(OTHER_SPELL, 0, 50, 60, 1);
        Set_Spell(THIRD_SPELL, 0, 50, 80, 1);
        Set_Spell(CHAOS_SPELL, 2, 100, 100, 1);
        Set_Spell(spl_Spell_Of_Mastery, 5, 5000, 0, 1);
    }
    static void Set_Spell(int16_t spell, uint8_t realm, int16_t casting, int16_t research, uint8_t place)
    {
        Spell_Data_Record &record = spell_data_table[spell];
        record.magic_realm = realm;
        record.casting_cost = casting;
        record.research_cost = research;
        record.Eligibility = place;
        record.type = 1;
    }
};

TEST_F(EndOfTurn_Magic, PowerSplitBooksManaAndSkillWithTheirCaps)
{
    Player_Record &wizard = _players[1];
    wizard.Power_Base = 100;
    wizard.mana_ratio = 50;
    wizard.skill_ratio = 50;
    wizard.mana_reserve = 31990;
    wizard.spell_casting_skill = 10;
    wizard.retorts[rtr_Archmage] = 1;
    _players[0].Power_Base = 100;
    _players[0].research_ratio = 100;
    _players[0].research_cost_remaining = 30;
    Players_Apply_Magic_Power();
    EXPECT_EQ(wizard.mana_reserve, 32000);
    EXPECT_EQ((int)wizard.spell_casting_skill, 10 + 75) << "Archmage: skill income x 3 / 2";
    EXPECT_EQ(_players[0].research_cost_remaining, 0) << "never below 0";

    wizard.casting_spell_idx = spl_Spell_Of_Return;
    wizard.mana_reserve = 0;
    Players_Apply_Magic_Power();
    EXPECT_EQ(wizard.mana_reserve, 0) << "a banished wizard gathers nothing";
}

TEST_F(EndOfTurn_Magic, FinishedResearchTeachesTheSpellAndANewChoiceIsMade)
{
    for (int p : {0, 1}) {
        Player_Record &wizard = _players[p];
        wizard.researching_spell_idx = NATURE_SPELL;
        wizard.research_cost_remaining = 0;
        wizard.som_research_cost = 1000;
        wizard.research_spells[0] = OTHER_SPELL;
        wizard.research_spells[1] = NATURE_SPELL;
        wizard.research_spells[2] = THIRD_SPELL;
        for (int16_t spell : {NATURE_SPELL, OTHER_SPELL, THIRD_SPELL})
            Player_Set_Spell_Status(p, spell, SS_RESEARCH_LIST);
    }
    Players_Check_Spell_Research();
    for (int p : {0, 1}) {
        const Player_Record &wizard = _players[p];
        EXPECT_EQ(Player_Spell_Status(p, NATURE_SPELL), SS_KNOWN) << p;
        EXPECT_EQ(wizard.som_research_cost, 1000 - 20) << p;
        EXPECT_EQ(wizard.research_spells[0], OTHER_SPELL) << p;
        EXPECT_EQ(wizard.research_spells[1], THIRD_SPELL) << p;
        EXPECT_EQ(wizard.research_spells[2], spl_Spell_Of_Mastery)
            << p << ": the refill adds it, nothing else being left";
        EXPECT_EQ(wizard.researching_spell_idx, OTHER_SPELL) << p << ": the first candidate is chosen";
        EXPECT_EQ(wizard.research_cost_remaining, 60) << p;
    }
}

TEST_F(EndOfTurn_Magic, LearningASpellOffTheResearchLeavesTheResearchAlone)
{
    Player_Record &wizard = _players[0];
    Player_Set_Spell_Status(0, spl_Spell_Of_Mastery, SS_KNOWN);  // the refill has nothing to add
    wizard.researching_spell_idx = OTHER_SPELL;
    wizard.research_cost_remaining = 33;
    wizard.research_spells[0] = OTHER_SPELL;
    wizard.research_spells[1] = NATURE_SPELL;
    wizard.som_research_cost = 10;
    Player_Gets_Spell(0, NATURE_SPELL, 1);
    EXPECT_EQ(wizard.som_research_cost, 0) << "never below 0";
    EXPECT_EQ(wizard.researching_spell_idx, OTHER_SPELL);
    EXPECT_EQ(wizard.research_cost_remaining, 33);
    EXPECT_EQ(wizard.research_spells[1], 0);

    // The last candidate learned: no new choice is due.
    wizard.research_spells[0] = OTHER_SPELL;
    Player_Gets_Spell(0, OTHER_SPELL, 0);
    EXPECT_EQ(wizard.researching_spell_idx, 0);

    // Spell of Mastery chosen: its cost is the wizard's own.
    wizard.research_spells[0] = spl_Spell_Of_Mastery;
    wizard.researching_spell_idx = -OTHER_SPELL;
    wizard.som_research_cost = 1234;
    Players_Check_Spell_Research();
    EXPECT_EQ(wizard.researching_spell_idx, spl_Spell_Of_Mastery);
    EXPECT_EQ(wizard.research_cost_remaining, 1234);
}

TEST_F(EndOfTurn_Magic, CostReductionAndCastingCost)
{
    Player_Record &wizard = _players[0];
    wizard.spellranks[2] = 11;
    wizard.retorts[rtr_Chaos_Mastery] = 1;
    EXPECT_EQ(Casting_Cost_Reduction(0, CHAOS_SPELL), 55);
    wizard.spellranks[2] = 7;
    EXPECT_EQ(Casting_Cost_Reduction(0, CHAOS_SPELL), 15) << "fewer than 8 books give nothing";

    spell_data_table[NATURE_SPELL].Eligibility = 0;
    _players[3].Globals[ge_Evil_Omens] = 4;
    EXPECT_EQ(Casting_Cost(0, NATURE_SPELL, 0), 750);
    EXPECT_EQ(Casting_Cost(0, NATURE_SPELL, 1), 150);
    EXPECT_EQ(Casting_Cost(0, CHAOS_SPELL, 1), 85) << "Chaos spells are not made dearer";

    spell_data_table[CHAOS_SPELL].type = 11;
    wizard.spellranks[2] = 13;
    wizard.retorts[rtr_Artificer] = 1;
    EXPECT_EQ(Casting_Cost_Reduction(0, CHAOS_SPELL), 125);
    EXPECT_EQ(Casting_Cost(0, CHAOS_SPELL, 1), 0) << "never below 0";
}

TEST_F(EndOfTurn_Magic, CastingPaysFromSkillAndManaAndPaysARestInAdvance)
{
    struct Case {
        const char *what;
        int16_t cost_left, mana;
        int32_t skill_points;  // base skill n needs n x (n + 1) points
        int16_t cost_after, mana_after, skill_left_after;
    };
    const Case cases[] = {
        {"the rest fits next turn's skill", 30, 100, 420, 0, 70, 10},
        {"the rest is too large", 50, 100, 420, 30, 80, 20},
        {"no mana, no progress", 30, 0, 420, 30, 0, 20},
        {"mana short of the rest", 30, 25, 420, 10, 5, 20},
    };
    for (const Case &c : cases) {
        Player_Record &wizard = _players[1];
        wizard.casting_spell_idx = NATURE_SPELL;
        wizard.casting_cost_remaining = c.cost_left;
        wizard.mana_reserve = c.mana;
        wizard.spell_casting_skill = c.skill_points;
        wizard.Skill_Left = 20;
        All_Players_Apply_Spell_Casting();
        EXPECT_EQ(wizard.casting_cost_remaining, c.cost_after) << c.what;
        EXPECT_EQ(wizard.mana_reserve, c.mana_after) << c.what;
        EXPECT_EQ(wizard.Skill_Left, c.skill_left_after) << c.what;
    }
}

TEST_F(EndOfTurn_Magic, TimeStopPaysOnlyForTheCaster)
{
    for (int p : {0, 1}) {
        _players[p].casting_spell_idx = NATURE_SPELL;
        _players[p].casting_cost_remaining = 100;
        _players[p].mana_reserve = 100;
        _players[p].Skill_Left = 10;
        _players[p].spell_casting_skill = 110;
    }
    g_timestop_player_num = 1;
    All_Players_Apply_Spell_Casting();
    EXPECT_EQ(_players[0].casting_cost_remaining, 90);
    EXPECT_EQ(_players[1].casting_cost_remaining, 100);
}

TEST_F(EndOfTurn_Magic, CheatPowerGivesEverythingResearchable)
{
    _players[0].research_spells[0] = NATURE_SPELL;
    _players[0].researching_spell_idx = NATURE_SPELL;
    Player_Set_Spell_Status(1, CHAOS_SPELL, SS_RESEARCHABLE);
    Player_Set_Spell_Status(1, OTHER_SPELL, SS_NOT_OBTAINABLE);
    Cheat_Power();
    EXPECT_EQ(Player_Spell_Status(1, CHAOS_SPELL), SS_KNOWN);
    EXPECT_EQ(Player_Spell_Status(1, OTHER_SPELL), SS_NOT_OBTAINABLE);
    EXPECT_EQ(_players[1].mana_reserve, 10000);
    EXPECT_EQ(_players[1].gold_reserve, 10000);
    EXPECT_EQ(_players[1].Skill_Left, 100) << "100 x 101 covers 10,000 points";
    EXPECT_EQ(_players[0].research_spells[0], 0);
    EXPECT_EQ(_players[0].researching_spell_idx, 0);
    EXPECT_NE(_players[0].Globals[ge_Spell_Watch], 0);
}

}  // namespace
