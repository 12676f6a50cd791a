// The four gems of the rival wizards over the main screen: the human picks the wizard his spell is
// aimed at, sees a rival in its mirror, and reads what the spell did.
#include "magic/Target_Wizard_Screen.h"

#include <cstdio>
#include <cstring>

#include "Animation.h"
#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Paragraph.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "info/Mirror_Screen.h"
#include "magic/Overland_Casting.h"
#include "magic/Spell_Animations.h"
#include "magic/Spellbook_Screen.h"
#include "magic/Target_Wizard.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "turn/Diplomacy_Tables.h"
#include "world/ALLOC.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"

namespace {

constexpr int16_t GEM_SLOTS = 4;
constexpr int16_t SPELL_BLAST = 58;
constexpr int16_t NOTHING_CAST_HELP = 761;
constexpr int16_t RELATION_HELP = 271;
constexpr int16_t HELP_ENTRY = 37;
constexpr int16_t HELP_RECORDS = 7;
constexpr int16_t MANA_SHORT_RECORD = 68;
constexpr int16_t RESULT_FRAMES = 45;
constexpr int16_t CAPTION_FROM_FRAME = 12;
constexpr int16_t MESSAGE_BYTES = 150;

uint8_t *m_background = nullptr;
uint8_t *m_cancel = nullptr;
int16_t gem_player_nums[GEM_SLOTS];
int16_t m_spell = 0;
int16_t _osc_need_target_flag = 1;
int16_t _temp_sint_1 = 0;  // the chosen wizard
int16_t _temp_sint_4 = 0;  // the field under the mouse
int16_t g_wizard_amount = 0;

int16_t Gem_X(int16_t slot) { return (int16_t)(69 + 77 * (slot % 2)); }
int16_t Gem_Y(int16_t slot) { return (int16_t)(47 + 61 * (slot / 2)); }

void Target_Wizard_Load_And_Compose(void)
{
    Allocate_Reduced_Map();
    m_background = LBX_Reload_Next_Picture("SPELLSCR", m_spell == SPELL_BLAST ? 72 : 0, _screen_seg);
    m_cancel = LBX_Reload_Next_Picture("SPELLSCR", 71, _screen_seg);
    uint8_t *grey = LBX_Reload_Next_Picture("RAROZ", 6, _screen_seg);
    uint8_t *broken = LBX_Reload_Next_Picture("RAROZ", 51, _screen_seg);
    Main_Screen_Draw();
    Reset_Window();
    Set_Page_Off();
    if (m_background != nullptr) FLIC_Draw(45, 10, m_background);
    for (int16_t slot = 0; slot < GEM_SLOTS; slot++) {
        const int16_t wizard = (int16_t)(slot + 1);
        uint8_t *gem = nullptr;
        if (Target_Wizard_Slot_Live(slot)) {
            const Player_Record &player = _players[wizard];
            gem = LBX_Reload_Next_Picture("LILWIZ", (int16_t)(player.wizard_id * 5 + player.banner_id), _screen_seg);
        } else if (wizard < _num_players && _FORTRESSES != nullptr && _FORTRESSES[wizard].active == 1) {
            gem = grey;
        } else {
            gem = broken;
        }
        if (gem != nullptr) FLIC_Draw(Gem_X(slot), Gem_Y(slot), gem);
    }
    Copy_Off_To_Back();
    Set_Help_List_From_Entry(HELP_ENTRY, HELP_RECORDS);
    if (m_spell == SPELL_BLAST) {
        _help_entries[0].help_idx = -1;
        for (int16_t slot = 0; slot < GEM_SLOTS; slot++) {
            const int16_t casting = (int16_t)(slot + 1) < NUM_PLAYERS ? _players[slot + 1].casting_spell_idx : 0;
            _help_entries[3 + slot].help_idx = casting > 0 ? casting : NOTHING_CAST_HELP;
        }
    } else {
        _help_entries[1].help_idx = -1;
        _help_entries[2].help_idx = -1;
        for (int16_t slot = 0; slot < GEM_SLOTS; slot++) _help_entries[3 + slot].help_idx = RELATION_HELP;
    }
}

int16_t Add_Target_Wizard_Fields(void)
{
    Clear_Fields();
    for (int16_t slot = 0; slot < GEM_SLOTS; slot++) {
        const int16_t x = (int16_t)(67 + 77 * (slot % 2));
        const int16_t y = Gem_Y(slot);
        gem_player_nums[slot] = Add_Hidden_Field(x, y, (int16_t)(x + 45), (int16_t)(y + 45), "", -1);
    }
    const int16_t x = m_spell == SPELL_BLAST ? 128 : 90;
    if (m_cancel != nullptr) return Add_Button_Field(x, 165, "", m_cancel, "\001B", -1);
    return Add_Hidden_Field(x, 165, (int16_t)(x + 40), 180, "\001B", -1);
}

void Target_Wizard_Screen_Draw(void)
{
    Reset_Window();
    Set_Page_Off();
    Copy_Back_To_Off();
    uint8_t colours[16];
    memset(colours, 249, sizeof colours);
    Set_Font_Colors_15(0, colours);
    Set_Font_Style(0, 3, 3, 3);
    Set_Alias_Color(249);
    const int16_t over = _temp_sint_4;
    for (int16_t slot = 0; slot < GEM_SLOTS; slot++) {
        if (!Target_Wizard_Slot_Live(slot)) continue;
        const int16_t wizard = (int16_t)(slot + 1);
        const int16_t x = (int16_t)(90 + 77 * (slot % 2));
        const int16_t y = (int16_t)(96 + 61 * (slot / 2));
        if (m_spell != SPELL_BLAST) {
            Print_Centered(x, y, Diplomacy_Relation_Label(_players[wizard].Dipl_Relation[HUMAN_PLAYER_IDX]));
            continue;
        }
        const int16_t casting = _players[wizard].casting_spell_idx;
        if (over != 0 && over == gem_player_nums[slot]) {
            char text[24];
            snprintf(text, sizeof text, "%d MP", (int)Target_Wizard_Spell_Paid(wizard));
            Set_Outline_Color(254);
            Print_Centered(89, 169, text);
        } else if (spell_data_table != nullptr && casting > 0 && casting < NUM_SPELLS) {
            char name[sizeof spell_data_table[0].name + 1] = {};
            memcpy(name, spell_data_table[casting].name, sizeof spell_data_table[0].name);
            Print_Centered(x, y, name);
        }
    }
    char caption[120];
    Target_Wizard_Caption(caption, sizeof caption, m_spell, _osc_need_target_flag ? 0 : _temp_sint_1, g_wizard_amount);
    uint8_t caption_colours[16];
    memset(caption_colours, 151, sizeof caption_colours);
    Set_Font_Colors_15(4, caption_colours);
    Set_Font_Style_Shadow_Down(4, 15, 15, 15);
    Set_Outline_Color(151);
    Set_Font_Spacing(1);
    Print_Paragraph(55, 19, 144, caption, PARAGRAPH_CENTERED);
    Set_Font_Spacing(0);
}

bool Blast_Needs_More_Mana(int16_t wizard)
{
    return m_spell == SPELL_BLAST && _players[HUMAN_PLAYER_IDX].mana_reserve < Target_Wizard_Spell_Paid(wizard);
}

}  // namespace

int16_t Target_Wizard_Screen(int16_t spell_idx)
{
    m_spell = spell_idx;
    g_active_spell_idx = spell_idx;
    _osc_need_target_flag = 1;
    _temp_sint_1 = 0;
    _temp_sint_4 = 0;
    g_wizard_amount = 0;
    Target_Wizard_Load_And_Compose();
    int16_t cancel = Add_Target_Wizard_Fields();
    Assign_Auto_Function(Target_Wizard_Screen_Draw, 1);
    int frames = 0;
    bool leave = false;
    while (!leave) {
        Mark_Time();
        const int16_t hit = Get_Input();
        _temp_sint_4 = Scan_Input();
        if (quit_game_flag || (hit != 0 && hit == cancel)) {
            _temp_sint_1 = 0;
            break;
        }
        for (int16_t slot = 0; slot < GEM_SLOTS && hit != 0; slot++) {
            if (!Target_Wizard_Slot_Live(slot)) continue;
            const int16_t wizard = (int16_t)(slot + 1);
            if (hit == gem_player_nums[slot]) {
                Play_Left_Click();
                _temp_sint_1 = wizard;
                if (Blast_Needs_More_Mana(wizard)) {
                    char text[MESSAGE_BYTES + 1] = {};
                    LBX_Load_Data_Static("MESSAGE", 0, (uint8_t *)text, MANA_SHORT_RECORD, 1, MESSAGE_BYTES);
                    Warn1(text);
                    cancel = Add_Target_Wizard_Fields();
                    Assign_Auto_Function(Target_Wizard_Screen_Draw, 1);
                } else {
                    leave = true;
                }
            } else if (hit == -gem_player_nums[slot]) {
                Play_Left_Click();
                Deactivate_Auto_Function();
                const int16_t x = (int16_t)(67 + 77 * (slot % 2));
                Mirror_Screen(wizard, x, Gem_Y(slot), (int16_t)(x + 45), (int16_t)(Gem_Y(slot) + 45));
                Target_Wizard_Load_And_Compose();
                cancel = Add_Target_Wizard_Fields();
                Assign_Auto_Function(Target_Wizard_Screen_Draw, 1);
            }
        }
        if (leave) break;
        Target_Wizard_Screen_Draw();
        PageFlip_FX();
        Release_Time(1);
        if (Unattended_Frame_Done(&frames)) {
            _temp_sint_1 = 0;
            break;
        }
    }
    if (_temp_sint_1 > 0) {
        Spell_Animation_Load_Graphics(spell_idx);
        Spell_Animation_Load_Sound_Effect__WIP(spell_idx);
        Clear_Fields();
        const int16_t any = Add_Hidden_Field(0, 0, 319, 199, "\x1B", -1);
        g_wizard_amount = Target_Wizard_Apply(spell_idx, _temp_sint_1);
        STU_LOG(SEV_INFO, LC_SPELLBOOK, "[CAST] Target_Wizard_Screen: spell=%d wizard=%d amount=%d", (int)spell_idx,
                (int)_temp_sint_1, (int)g_wizard_amount);
        int result_frames = 0;
        for (int16_t frame = 0; frame < RESULT_FRAMES; frame++) {
            Mark_Time();
            const int16_t hit = Get_Input();
            if (quit_game_flag || (hit != 0 && (hit == any || hit == -any))) break;
            if (frame >= CAPTION_FROM_FRAME) _osc_need_target_flag = 0;
            Target_Wizard_Screen_Draw();
            PageFlip_FX();
            Release_Time(2);
            if (Unattended_Frame_Done(&result_frames)) break;
        }
    }
    Clear_Fields();
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    Dissolve_Main_Screen();
    return _temp_sint_1;
}
