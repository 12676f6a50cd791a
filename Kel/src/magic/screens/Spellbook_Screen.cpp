// The overland spellbook (screen 112): the human picks a spell to cast or aborts the one in progress.
#include "magic/Spellbook_Screen.h"

#include "Animation.h"
#include "Fields.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Palette.h"
#include "STU_Log.h"
#include "Video.h"
#include "magic/Overland_Casting.h"
#include "magic/Spellbook_Choice.h"
#include "magic/Spellbook_Pages.h"
#include "magic/screens/Small_Book.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "turn/Magic_Power_Research.h"
#include "world/ALLOC.h"
#include "world/Player_Record.h"
#include "world/Spell_Ids.h"

namespace {

constexpr int16_t BOOK_X = 16;
constexpr int16_t BOOK_Y = 10;
constexpr int16_t SLOTS = 2 * SPELLBOOK_PAGE_SPELLS;
constexpr int16_t HELP_RECORDS = 15;
constexpr int16_t HELP_FIRST_SLOT = 3;
constexpr int16_t HELP_SPELL_OF_RETURN = 657;
constexpr int16_t FIRST_CHANGING_COLOUR = 0;
constexpr int16_t LAST_CHANGING_COLOUR = 223;
constexpr uint8_t KEY_ESCAPE_CODE = 27;

uint8_t *m_small_book = nullptr;

// The spell in the slot (0-5 the left page, 6-11 the right), as its positive number; 0 for none.
int16_t Slot_Spell(int16_t slot)
{
    const int16_t page = (int16_t)(g_spellbook_left_page + slot / SPELLBOOK_PAGE_SPELLS);
    const int16_t k = (int16_t)(slot % SPELLBOOK_PAGE_SPELLS);
    if (page < 0 || page >= m_spellbook_page_count || k >= m_spellbook_pages[page].count) return 0;
    const int16_t spell = m_spellbook_pages[page].spells[k];
    return spell < 0 ? (int16_t)-spell : spell;
}

void Set_Slot_Help(void)
{
    for (int16_t slot = 0; slot < SLOTS; slot++) {
        const int16_t spell = Slot_Spell(slot);
        _help_entries[HELP_FIRST_SLOT + slot].help_idx = spell == 0                     ? (int16_t)-1
                                                         : spell == spl_Spell_Of_Return ? HELP_SPELL_OF_RETURN
                                                                                        : spell;
    }
}

}  // namespace

void Spellbook_Screen_Draw(void)
{
    Reset_Window();
    Set_Page_Off();
    Copy_Back_To_Off();
    SmlBook_Draw(BOOK_X, BOOK_Y);
}

void Spellbook_Screen(void)
{
    m_small_book = LBX_Reload_Picture("SPECIAL2", 34, _screen_seg);
    if (m_small_book != nullptr) Load_Palette_From_Animation(m_small_book);
    Set_Palette_Changes(FIRST_CHANGING_COLOUR, LAST_CHANGING_COLOUR);
    Calculate_Remap_Colors();
    Reset_Cycle_Palette_Color();
    Main_Screen_Draw();
    Set_Page_Off();
    Gradient_Fill(0, 0, 319, 199, 3, 0);
    if (m_small_book != nullptr) FLIC_Draw(BOOK_X, BOOK_Y, m_small_book);
    Copy_Off_To_Back();
    Set_Help_List_From_Entry(0, HELP_RECORDS);

    Build_Spellbook(0, SMALL_BOOK_PER_PAGE);
    g_spellbook_mode = 1;
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    g_spellbook_left_page = Spellbook_Opening_Page(human.casting_spell_idx, g_spellbook_last_left_page);
    if (g_spellbook_left_page < 0 || g_spellbook_left_page >= m_spellbook_page_count) g_spellbook_left_page = 0;
    g_spellbook_left_page = (int16_t)(g_spellbook_left_page & ~1);

    int16_t chosen = 0;
    int16_t chosen_slot = 0;
    bool leave = false;
    bool first_pass = true;
    int frames = 0;
    Assign_Auto_Function(Spellbook_Screen_Draw, 1);
    while (!leave) {
        Mark_Time();
        Clear_Fields();
        int16_t slot_fields[SLOTS];
        for (int16_t k = 0; k < SPELLBOOK_PAGE_SPELLS; k++) {
            const int16_t top = (int16_t)(29 + 22 * k);
            slot_fields[k] = Add_Hidden_Field(32, top, 153, (int16_t)(top + 17), "", -1);
        }
        for (int16_t k = 0; k < SPELLBOOK_PAGE_SPELLS; k++) {
            const int16_t top = (int16_t)(29 + 22 * k);
            slot_fields[SPELLBOOK_PAGE_SPELLS + k] = Add_Hidden_Field(164, top, 284, (int16_t)(top + 17), "", -1);
        }
        const char escape[2] = {(char)KEY_ESCAPE_CODE, '\0'};
        const int16_t close_field = Add_Hidden_Field(175, 166, 193, 195, first_pass ? "" : escape, -1);
        const int16_t next_field = Add_Hidden_Field(275, 14, 288, 27, "F", -1);
        const int16_t previous_field = Add_Hidden_Field(29, 14, 42, 26, "B", -1);
        first_pass = false;
        Set_Slot_Help();
        const int16_t input = Get_Input();
        if (quit_game_flag) break;
        if (input != 0 && input == close_field) {
            leave = true;
        } else if (input != 0 && input == next_field) {
            if (g_spellbook_left_page < m_spellbook_page_count - 2) {
                SmlBook_PageTurn(1, 0, 0);
                g_spellbook_left_page = (int16_t)(g_spellbook_left_page + 2);
            }
        } else if (input != 0 && input == previous_field) {
            if (g_spellbook_left_page > 1) {
                SmlBook_PageTurn(0, 0, 0);
                g_spellbook_left_page = (int16_t)(g_spellbook_left_page - 2);
            }
        } else {
            for (int16_t slot = 0; slot < SLOTS && !leave; slot++) {
                if (input == 0 || input != slot_fields[slot]) continue;
                const int16_t spell = Slot_Spell(slot);
                STU_LOG(SEV_INFO, LC_SPELLBOOK, "[SPELLBOOK] slot=%d spell=%d cost=%d", (int)slot, (int)spell,
                        (int)Casting_Cost(HUMAN_PLAYER_IDX, spell, 0));
                const int16_t result = Spellbook_Pick_Spell(spell);
                if (result == sbp_Aborted) leave = true;
                if (result == sbp_Cast) {
                    chosen = spell;
                    chosen_slot = slot;
                    leave = true;
                }
                Assign_Auto_Function(Spellbook_Screen_Draw, 1);
            }
        }
        if (!leave) {
            Spellbook_Screen_Draw();
            PageFlip_FX();
            Release_Time(2);
            if (Unattended_Frame_Done(&frames)) leave = true;
        }
    }
    current_screen = scr_Main_Screen;
    g_spellbook_last_left_page = g_spellbook_left_page;
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    Clear_Fields();
    Reset_Window();
    Load_Palette(0, -1, 0);
    Calculate_Remap_Colors();
    if (chosen != 0) {
        Cast_Spell_Overland_Do(HUMAN_PLAYER_IDX, chosen, chosen_slot);
    } else {
        Dissolve_Main_Screen();
    }
}
