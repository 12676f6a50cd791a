#include "magic/screens/Research_Screen.h"

#include <cstdio>
#include <cstring>

#include "Animation.h"
#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "Palette.h"
#include "STU_Log.h"
#include "Video.h"
#include "magic/Magic_Services.h"
#include "magic/Spell_Research.h"
#include "magic/Spellbook_Pages.h"
#include "magic/Spellbook_Screen.h"
#include "magic/screens/Magic_Notes.h"
#include "magic/screens/Mana_Adder_Screen.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "turn/Magic_Power_Research.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

namespace {

constexpr int GS_SPELL_ANIMATIONS = 15;
constexpr int16_t SLOT_WIDTH = 110;
constexpr int16_t SLOT_HEIGHT = 33;
constexpr int16_t LEFT_PAGE_X = 25;
constexpr int16_t RIGHT_PAGE_X = 173;
constexpr int16_t PAGE_Y = -20;
constexpr uint8_t COLOUR_NAME = 186;
constexpr uint8_t COLOUR_RESEARCH = 198;

uint8_t *m_book = nullptr;

void Set_Colours(int16_t style, uint8_t colour)
{
    uint8_t colours[16];
    std::memset(colours, colour, sizeof colours);
    Set_Font_Colors_15(style, colours);
}

int16_t Turns(int32_t value, int32_t per_turn)
{
    if (per_turn <= 0) return 999;
    int32_t turns = (value + per_turn - 1) / per_turn;
    return (int16_t)(turns > 999 ? 999 : turns);
}

// One page of the big book at (x, y): title, and per spell its name and cost line.
void Draw_Page(int16_t page_idx, int16_t x, int16_t y, bool left_layout)
{
    if (page_idx < 0 || page_idx >= m_spellbook_page_count) return;
    const Spellbook_Page &page = m_spellbook_pages[page_idx];
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    bool research_page = page_idx >= g_first_research_page;
    if (page.title[0] != '\0' && (page.count > 0 || research_page)) {
        Set_Colours(5, 184);
        Set_Font_Style(5, 15, 15, 15);
        Print_Centered((int16_t)(x + (left_layout ? 66 : 58)), (int16_t)(y + 30), page.title);
    }
    for (int16_t j = 0; j < page.count && j < BIG_BOOK_PER_PAGE; j++) {
        int16_t spell = page.spells[j];
        int16_t s = spell < 0 ? (int16_t)-spell : spell;
        if (spell_data_table == nullptr || s <= 0 || s >= NUM_SPELLS) continue;
        int16_t top = (int16_t)(y + 37 * j);
        bool researching = s == human.researching_spell_idx;
        int16_t name_font = spell < 0 ? 7 : 4;
        Set_Colours(name_font, researching ? COLOUR_RESEARCH : COLOUR_NAME);
        Set_Font_Style(name_font, 15, 15, 15);
        Print(x, (int16_t)(top + 48), spell_data_table[s].name);
        char text[64];
        if (!research_page) {
            int16_t cost = Casting_Cost(HUMAN_PLAYER_IDX, s, 0);
            int16_t turns = Turns(cost, g_spellbook_cast_mana_limit);
            snprintf(text, sizeof text, "Casting Cost:%d (%d %s)", (int)cost, (int)turns,
                     turns == 1 ? "turn" : "turns");
        } else {
            int32_t cost = researching ? human.research_cost_remaining : Research_Cost_Of_Spell(HUMAN_PLAYER_IDX, s);
            int16_t realm = (int16_t)Spell_Realm(s);
            int16_t turns = Turns(cost, g_research_income_by_realm[realm < 6 ? realm : 5]);
            snprintf(text, sizeof text, "Research Cost:%d (%d %s)", (int)cost, (int)turns,
                     turns == 1 ? "turn" : "turns");
        }
        int16_t cost_font = spell < 0 ? 6 : 0;
        Set_Colours(cost_font, researching ? COLOUR_RESEARCH : 184);
        Set_Font_Style(cost_font, 15, 15, 15);
        Print(x, (int16_t)(top + 59), text);
    }
}

}  // namespace

void BigBook_Draw(void)
{
    Reset_Window();
    Set_Page_Off();
    Copy_Back_To_Off();
    Draw_Page(g_spellbook_left_page, LEFT_PAGE_X, PAGE_Y, true);
    Draw_Page((int16_t)(g_spellbook_left_page + 1), RIGHT_PAGE_X, PAGE_Y, false);
    if (g_spellbook_mode == 0) {
        Set_Outline_Color(1);
        Set_Colours(5, 184);
        Set_Font_Style_Outline_Heavy(5, 15, 15, 15);
        Print(43, 183, "Choose a new spell to research");
    }
}

int16_t Research_Choice_Screen(void)
{
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    int16_t count = 0;
    for (int16_t spell : human.research_spells)
        if (spell != 0) count++;
    if (count == 0) return -1;
    if (magic_research_fade != 0) {
        Set_Page_Off();
        Fill(0, 0, 319, 199, 0);
        Toggle_Pages();
    }
    m_book = LBX_Reload_Picture("SCROLL", 6, _screen_seg);
    Set_Page_Off();
    Fill(0, 0, 319, 199, 0);
    if (m_book != nullptr) FLIC_Draw(0, 0, m_book);
    Copy_Off_To_Back();
    Build_Spellbook(2, BIG_BOOK_PER_PAGE);
    g_spellbook_mode = 0;
    g_spellbook_left_page = g_first_research_page;
    Clear_Fields();
    int16_t fields[NUM_RESEARCH_CANDIDATES];
    for (int16_t i = 0; i < NUM_RESEARCH_CANDIDATES; i++) {
        int16_t x = (int16_t)((i / 4) * 147 + 25);
        int16_t y = (int16_t)((i % 4) * 37 + 25);
        fields[i] = Add_Hidden_Field(x, y, (int16_t)(x + SLOT_WIDTH - 1), (int16_t)(y + SLOT_HEIGHT - 1), "", -1);
        STU_LOG(SEV_INFO, LC_SPELLBOOK, "[RESEARCH] slot=%d field=%d spell=%d rect=(%d,%d)-(%d,%d) size=%dx%d", (int)i,
                (int)fields[i], (int)human.research_spells[i], (int)x, (int)y, (int)(x + SLOT_WIDTH - 1),
                (int)(y + SLOT_HEIGHT - 1), (int)SLOT_WIDTH, (int)SLOT_HEIGHT);
    }
    int16_t words_end = fields_count;
    Assign_Auto_Function(BigBook_Draw, 1);
    _page_flip_effect = 3;
    BigBook_Draw();
    PageFlip_FX();
    int frames = 0;
    int16_t chosen = -1;
    while (chosen < 0) {
        Mark_Time();
        Clear_Fields_Above((int16_t)(words_end - 1));
        int16_t hit = Get_Input();
        if (quit_game_flag) break;
        for (int16_t i = 0; i < NUM_RESEARCH_CANDIDATES; i++) {
            if (hit != fields[i]) continue;
            STU_LOG(SEV_INFO, LC_SPELLBOOK,
                    "[RESEARCH] CLICK matched slot=%d field=%d -> spell=%d (researching_spell_idx)", (int)i, (int)hit,
                    (int)human.research_spells[i]);
            if (human.research_spells[i] != 0) chosen = i;
        }
        if (chosen < 0) {
            BigBook_Draw();
            Toggle_Pages();
            Release_Time(1);
            if (Unattended_Frame_Done(&frames)) break;
        }
    }
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    Clear_Fields();
    Reset_Window();
    if (magic_research_fade != 0) {
        Set_Page_Off();
        Fill(0, 0, 319, 199, 0);
        Toggle_Pages();
        Load_Palette(0, -1, 0);
    }
    return chosen;
}

void Learn_Spell_Scene(int16_t spell_idx, int16_t was_researched)
{
    (void)was_researched;
    if (spell_data_table == nullptr || spell_idx <= 0 || spell_idx >= NUM_SPELLS) return;
    char text[80];
    snprintf(text, sizeof text, "You have mastered the spell of %s", spell_data_table[spell_idx].name);
    uint8_t *picture = LBX_Reload_Picture("SPELLSCR", 60, _screen_seg);
    Assign_Auto_Function(Full_Draw_Main_Screen, 1);
    Notify2(160, 40, 0, text, 0, picture, 9, 5, nullptr, 0, 0, 0, 0);
    Deactivate_Auto_Function();
    (void)GS_SPELL_ANIMATIONS;
}

void Magic_Install_Screens(void)
{
    Magic_Services services = {};
    services.research_choice = Research_Choice_Screen;
    services.learn_spell_scene = Learn_Spell_Scene;
    services.confirm = Confirmation_Box;
    services.warn = Warn0;
    services.notify = Magic_Note;
    services.mana_adder = Spellbook_Mana_Adder_Screen;
    services.dissolve_main_screen = Dissolve_Main_Screen;
    services.fizzle_scene = Magic_Fizzle_Note;
    Magic_Set_Services(services);
}
