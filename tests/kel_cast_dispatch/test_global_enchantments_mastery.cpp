#include "Cast_Fixture.h"
#include "Log_Capture.h"
#include "ai/AI_Data.h"
#include "magic/Global_Enchantment_Screen.h"
#include "magic/Overland_Casting.h"
#include "magic/Overland_Enchantment_List.h"
#include "magic/Spell_Of_Mastery.h"
#include "turn/End_Of_Turn.h"

namespace {

constexpr uint8_t TYPE_DISJUNCTION = 20;

struct Outcome {
    int entry;
    int success;
};
std::vector<Outcome> outcomes;
int16_t picked_entry = -1;

void Script_Global_Screen(void)
{
    Magic_Services services = magic_services;
    services.pick_global_enchantment = [](int16_t, int16_t) { return picked_entry; };
    services.global_enchantment_outcome = [](int16_t entry, int16_t, int16_t success) {
        outcomes.push_back({entry, success});
    };
    Magic_Set_Services(services);
    outcomes.clear();
}

int16_t Entry_Of(int16_t player, int16_t slot)
{
    for (int16_t entry = 0; entry < ovl_ench_cnt; entry++) {
        if (ovl_ench_list_players[entry] == player &&
            ovl_ench_list_spells[entry] == Overland_Enchantment_Spell_Index(slot)) {
            return entry;
        }
    }
    return -1;
}

}  // namespace

TEST_F(Cast_Test, GlobalEnchantmentScreen_WarnsWhenNoRivalHoldsOne)
{
    Script_Global_Screen();
    _players[0].Globals[ge_Crusade] = 1;  // the caster's own do not count
    EXPECT_EQ(Global_Enchantment_Screen(spl_Spell_Binding, 0), 1);
    EXPECT_EQ(cast_record.messages, std::vector<std::string>{"There are no global spells to bind."});
    EXPECT_TRUE(outcomes.empty());
    cast_record.messages.clear();
    Global_Enchantment_Screen(spl_Sorcery_Very_Rare_7, 0);
    EXPECT_EQ(cast_record.messages, std::vector<std::string>{"There are no global spells to disjunct."});
}

TEST_F(Cast_Test, GlobalEnchantmentScreen_BindingASlotAlreadyHeldKeepsTheCastersByte)
{
    Script_Global_Screen();
    _players[0].Globals[ge_Crusade] = 1;
    _players[2].Globals[ge_Crusade] = 3;
    _players[2].Globals[ge_Time_Stop] = 3;
    Build_Overland_Enchantment_List();
    picked_entry = Entry_Of(2, ge_Crusade);
    ASSERT_GE(picked_entry, 0);
    // A large strength, kept wide: the record is left as it was.
    _players[0].casting_cost_original = 30000;
    EXPECT_EQ(Global_Enchantment_Screen(spl_Spell_Binding, 0), 1);
    EXPECT_EQ(_players[0].casting_cost_original, 30000);
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].entry, picked_entry);
    EXPECT_EQ(outcomes[0].success, 1);
    EXPECT_EQ(_players[2].Globals[ge_Crusade], 0);
    EXPECT_EQ(_players[0].Globals[ge_Crusade], 1);
    EXPECT_EQ(_players[2].Globals[ge_Time_Stop], 3);
}

TEST_F(Cast_Test, GlobalEnchantmentScreen_AttemptWeighsStrengthAgainstDifficulty)
{
    spell_data_table[Overland_Enchantment_Spell_Index(ge_Crusade)].casting_cost = 100;
    struct Case {
        int32_t strength;
        int16_t bind;
    };
    const Case cases[] = {{0, 0}, {100, 0}, {100, 1}, {600000, 1}};
    for (const Case &c : cases) {
        _players[0].Globals[ge_Crusade] = 0;
        _players[1].Globals[ge_Crusade] = 2;
        const int chance = (int)(c.strength * 250 / (c.strength + 100));
        const uint32_t seed = Get_Random_Seed();
        const int draw = RANDOM(250);
        Set_Random_Seed(seed);
        int16_t success = Global_Enchantment_Attempt(c.strength, 0, 1, ge_Crusade, c.bind);
        EXPECT_EQ(success, draw <= chance ? 1 : 0) << c.strength;
        EXPECT_EQ(_players[1].Globals[ge_Crusade], success ? 0 : 2);
        EXPECT_EQ(_players[0].Globals[ge_Crusade], success && c.bind ? 1 : 0);
    }
}

TEST_F(Cast_Test, GlobalEnchantmentScreen_HumansDisjunctionGoesThroughTheScreen)
{
    Script_Global_Screen();
    Set_Spell(spl_Sorcery_Very_Rare_7, TYPE_DISJUNCTION);
    _players[1].Globals[ge_Time_Stop] = 2;
    picked_entry = 0;
    Start_Cast(0, spl_Sorcery_Very_Rare_7, 30000);
    Cast_Spell_Overland(0);
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(_players[1].Globals[ge_Time_Stop], outcomes[0].success ? 0 : 2);
    EXPECT_TRUE(Fields_Cleared(0));
}

// ---- the Spell of Mastery ----

class Mastery_Test : public Cast_Test {
protected:
    void SetUp() override
    {
        Cast_Test::SetUp();
        magic_master_idx = -1;
        m_magic_winner_idx = -1;
    }
    void TearDown() override
    {
        magic_master_idx = -1;
        m_magic_winner_idx = -1;
        Cast_Test::TearDown();
    }
};

TEST_F(Mastery_Test, SpellOfMastery_VictoryLengthAndRivalsFollowTheSpellOfReturn)
{
    struct Case {
        int16_t players;
        int16_t returning;  // a rival casting the Spell of Return, 0 for none
        int16_t frames;
        std::vector<int16_t> rivals;
    };
    const Case cases[] = {{4, 2, 132, {1, 3}}, {4, 0, 192, {1, 2, 3}}, {2, 0, 72, {1}}, {6, 5, 252, {1, 2, 3, 4}}};
    for (const Case &c : cases) {
        for (int p = 0; p < NUM_PLAYERS; p++) _players[p].casting_spell_idx = 0;
        _num_players = c.players;
        if (c.returning) _players[c.returning].casting_spell_idx = spl_Spell_Of_Return;
        EXPECT_EQ(Spell_Of_Mastery_Victory_Frames(), c.frames) << c.players;
        int16_t rivals[NUM_PLAYERS] = {};
        int16_t count = Spell_Of_Mastery_Rivals(rivals);
        EXPECT_EQ(std::vector<int16_t>(rivals, rivals + count), c.rivals) << c.players;
    }
}

TEST_F(Mastery_Test, SpellOfMastery_EndingsLogTheirWinnerAndFrames)
{
    Log_Capture log;
    _num_players = 4;
    _players[2].casting_spell_idx = spl_Spell_Of_Return;
    Start_Cast(0, spl_Spell_Of_Mastery);
    Cast_Spell_Overland(0);
    EXPECT_EQ(m_magic_winner_idx, 0);
    EXPECT_TRUE(Fields_Cleared(0));
    EXPECT_EQ(g_ai_recompute_needed, 1);

    // A second completion after the winner was recorded returns it without a sequence.
    magic_master_idx = Get_Winner();
    EXPECT_EQ(Spell_Of_Mastery(3), 0);
    EXPECT_EQ(m_magic_winner_idx, 0);

    magic_master_idx = -1;
    m_magic_winner_idx = -1;
    Spell_Of_Mastery(3);
    EXPECT_EQ(m_magic_winner_idx, 3);
    std::string text = log.Finish();
    EXPECT_NE(text.find("[MASTERY] winner=0 human_won=1 frames=132"), std::string::npos);
    EXPECT_NE(text.find("[MASTERY] winner=3 human_won=0 frames=43"), std::string::npos);
    EXPECT_EQ(text.find("[MASTERY] winner=0 human_won=1 frames=132", text.find("frames=132") + 1), std::string::npos);
}
