// What a spell aimed at a wizard does to the chosen one, and its caption.
#include "Cast_Fixture.h"
#include "magic/Target_Wizard.h"
#include "turn/Magic_Power_Research.h"
#include "world/Map_Feature_Records.h"

namespace {

class TargetWizard : public Cast_Test {
protected:
    static constexpr int16_t BLAST = 58;
    static constexpr int16_t SUBVERSION = 183;
    void SetUp() override
    {
        Cast_Test::SetUp();
        _num_players = 4;
        spell_data_table[BLAST].type = 6;
        spell_data_table[BLAST].Param_Bytes[0] = 0;
        spell_data_table[SUBVERSION].type = 6;
        spell_data_table[SUBVERSION].Param_Bytes[0] = 3;
        snprintf(spell_data_table[BLAST].name, sizeof spell_data_table[BLAST].name, "Spell Blast");
    }
};

TEST_F(TargetWizard, ABlastCostsWhatTheTargetPutInAndSparesTheSpellOfReturnsFullCost)
{
    _players[0].mana_reserve = 100;
    Player_Record &target = _players[2];
    target.casting_spell_idx = 214;
    target.casting_cost_original = 500;
    target.casting_cost_remaining = 460;
    Target_Wizard_Apply(BLAST, 2);
    EXPECT_EQ(_players[0].mana_reserve, 60);
    EXPECT_EQ(target.casting_spell_idx, 214) << "keeps casting it";
    EXPECT_EQ(target.casting_cost_remaining, Casting_Cost(2, 214, 0)) << "at its full cost";

    target.casting_spell_idx = 30;
    target.casting_cost_original = 200;
    target.casting_cost_remaining = 50;
    Target_Wizard_Apply(BLAST, 2);
    EXPECT_EQ(_players[0].mana_reserve, 60) << "150 put in is more than the human has: nothing happens";
    EXPECT_EQ(target.casting_spell_idx, 30);
    target.casting_cost_remaining = 150;
    Target_Wizard_Apply(BLAST, 2);
    EXPECT_EQ(_players[0].mana_reserve, 10);
    EXPECT_EQ(target.casting_spell_idx, 0);
    EXPECT_EQ(target.casting_cost_remaining, 0);
    EXPECT_EQ(target.casting_cost_original, 0);
}

TEST_F(TargetWizard, CaptionsAskForATargetThenReportWithBothPossessiveForms)
{
    snprintf(_players[1].name, sizeof _players[1].name, "Tauron");
    snprintf(_players[2].name, sizeof _players[2].name, "Rjak");
    snprintf(_players[3].name, sizeof _players[3].name, "Lo Pan's");
    char text[120];
    Target_Wizard_Caption(text, sizeof text, BLAST, 0, 0);
    EXPECT_STREQ(text, "Choose target for a Spell Blast spell");
    Target_Wizard_Caption(text, sizeof text, BLAST, 1, 0);
    EXPECT_STREQ(text, "Tauron has been spell blasted");
    Target_Wizard_Caption(text, sizeof text, SUBVERSION, 2, 0);
    EXPECT_STREQ(text, "Rjak's  relations have been subverted");
    snprintf(_players[2].name, sizeof _players[2].name, "Horus");
    Target_Wizard_Caption(text, sizeof text, SUBVERSION, 2, 0);
    EXPECT_STREQ(text, "Horus'  relations have been subverted");
}

TEST_F(TargetWizard, OnlyKnownWizardsWithAStandingFortressCanBeChosen)
{
    _players[0].Dipl_Contacted[1] = 1;
    _players[0].Dipl_Contacted[2] = 1;
    _FORTRESSES[1].active = 1;
    EXPECT_EQ(Target_Wizard_Slot_Live(0), 1);
    EXPECT_EQ(Target_Wizard_Slot_Live(1), 0) << "fortress fallen";
    EXPECT_EQ(Target_Wizard_Slot_Live(2), 0) << "not met";
    EXPECT_EQ(Target_Wizard_Slot_Live(3), 0) << "past the players";
}

}  // namespace
