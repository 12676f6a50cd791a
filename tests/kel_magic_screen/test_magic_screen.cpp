// The magic screen's loop and the big book's research choice, driven through a poll script on the
// stand-in pictures.
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "Log_Capture.h"
#include "Screen_Fixture.h"
#include "Video.h"
#include "magic/Magic_Screen.h"
#include "magic/Magic_Services.h"
#include "magic/Overland_Enchantment_List.h"
#include "magic/Spell_Research.h"
#include "magic/screens/Research_Screen.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"

namespace {

class MagicScreen_Loop : public Screen_Test {
protected:
    void SetUp() override
    {
        Screen_Test::SetUp();
        quit_game_flag = 0;
        g_headless_unattended = 0;
        _num_players = 3;
        _turn = 10;
        memset(spell_data_table, 0, sizeof(Spell_Data_Record) * NUM_SPELLS);
        for (int16_t slot = 0; slot < NUM_OVERLAND_ENCHANTMENTS; slot++) {
            Spell_Data_Record &spell = spell_data_table[150 + slot];
            snprintf(spell.name, sizeof spell.name, "Global %d", (int)slot);
            spell.type = 9;
            spell.Param_Bytes[0] = (uint8_t)slot;
        }
        for (int p = 0; p < 3; p++) {
            _FORTRESSES[p].active = 1;
            _players[p].research_ratio = 30;
            _players[p].mana_ratio = 40;
            _players[p].skill_ratio = 30;
        }
        mana_staff_locked = research_staff_locked = skill_staff_locked = 0;
    }
    void TearDown() override
    {
        Platform_Register_Frame_Callback(nullptr);
        Script() = Poll_Script{};
        Platform_Set_Synthetic_Mouse_Button(0);
        Platform_Keyboard_Buffer_Clear();
        quit_game_flag = 0;
        magic_services = {};
        World_Test::TearDown();
    }
    static void Then(std::function<void()> step) { Script().steps.push_back(std::move(step)); }
    static void Wait(int polls)
    {
        for (int k = 0; k < polls; k++) Then([] {});
    }
    static void Click_At(int16_t x, int16_t y, int button = 1)
    {
        Then([x, y, button] {
            Set_Pointer_Position(x, y);
            Platform_Set_Synthetic_Mouse_Button(button);
            int wx = 0, wy = 0;
            Platform_Game_To_Window(x, y, &wx, &wy);
            User_Mouse_Handler((int16_t)button, (int16_t)wx, (int16_t)wy);
        });
        Wait(1);
        Then([] { Platform_Set_Synthetic_Mouse_Button(0); });
        Wait(2);
    }
    static void Key(char key)
    {
        Then([key] { Platform_Keyboard_Buffer_Add_Key_Press(key, 0, key); });
        Wait(2);
    }
};

TEST_F(MagicScreen_Loop, MoreShowsTheNineteenthEnchantmentAloneAndThenTheFirstAgain)
{
    for (int slot = 0; slot < 19; slot++) _players[slot < 10 ? 0 : 1].Globals[slot] = 1;
    std::vector<int16_t> first_items;
    Wait(3);
    Then([&] { first_items.push_back(magic_ovl_ench_list_first_item); });
    Click_At(290, 165);
    Then([&] { first_items.push_back(magic_ovl_ench_list_first_item); });
    Click_At(290, 165);
    Then([&] { first_items.push_back(magic_ovl_ench_list_first_item); });
    Key('o');
    Magic_Screen();
    EXPECT_FALSE(Script().ran_out);
    EXPECT_EQ(current_screen, scr_Main_Screen);
    EXPECT_EQ(ovl_ench_cnt, 19);
    EXPECT_EQ(magic_ovl_ench_list_scroll_flag, 1);
    EXPECT_EQ(first_items, (std::vector<int16_t>{0, 18, 0}));
}

TEST_F(MagicScreen_Loop, ALockedStaveKeepsItsPlaceAndTheSplitIsWrittenBack)
{
    Click_At(34, 90);    // the mana stave's lock
    Click_At(128, 132);  // skill stave to 20: with mana locked, research gives it all
    Key('o');
    Magic_Screen();
    EXPECT_EQ(mana_staff_locked, 1);
    EXPECT_EQ(_players[0].skill_ratio, 40);
    EXPECT_EQ(_players[0].research_ratio, 20);
    EXPECT_EQ(_players[0].mana_ratio, 40);
    mana_staff_locked = 0;
}

TEST_F(MagicScreen_Loop, ABanishedWizardsGemWarnsAndARivalsEnchantmentCannotBeCancelled)
{
    Log_Capture log;
    _players[0].Dipl_Contacted[1] = 1;
    _players[0].casting_spell_idx = 214;
    _players[1].Globals[3] = 2;
    Click_At(171, 82);  // the rival's enchantment: nothing
    Click_At(44, 26);   // gem 0: the warning
    Click_At(160, 100);
    Wait(3);
    Key('o');
    Magic_Screen();
    EXPECT_EQ(current_screen, scr_Main_Screen) << "never to diplomacy";
    std::string text = log.Finish();
    EXPECT_NE(text.find("[BOX] Warn1: You may not contact other wizards while you are banished."), std::string::npos);
    EXPECT_EQ(text.find("[BOX] Confirmation_Box"), std::string::npos);
    EXPECT_EQ(_players[1].Globals[3], 2);
}

TEST_F(MagicScreen_Loop, TheResearchSpreadTakesTheClickedCandidate)
{
    for (int16_t k = 0; k < 8; k++) {
        snprintf(spell_data_table[1 + k].name, sizeof spell_data_table[1 + k].name, "Candidate %d", (int)k);
        spell_data_table[1 + k].research_cost = 100;
    }
    memset(_players[0].research_spells, 0, sizeof _players[0].research_spells);
    EXPECT_EQ(Research_Choice_Screen(), -1) << "no candidates: nothing shown";
    for (int16_t k = 0; k < 6; k++) _players[0].research_spells[k] = (int16_t)(1 + k);
    Magic_Install_Screens();
    Click_At(80, 41 + 37 * 2);  // slot 2
    _players[0].researching_spell_idx = -9;
    EXPECT_EQ(Spell_Research_Select(), 1);
    EXPECT_FALSE(Script().ran_out);
    EXPECT_EQ(_players[0].researching_spell_idx, 3);
}

}  // namespace
