// The combat spell target screen: over the battle, the prompt and a pointer that tells whether a click
// on the cell beneath would be taken; refused clicks give their warning and the player tries again.
#include "combat/screens/Combat_Target_Screen.h"

#include <cstdio>
#include <cstring>

#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Fonts.h"
#include "Input.h"
#include "LBX_Load.h"
#include "Mouse.h"
#include "Paragraph.h"
#include "STU_Log.h"
#include "Video.h"
#include "combat/Combat_Results.h"
#include "combat/Combat_Spell_Targets.h"
#include "combat/Combat_Tables.h"
#include "combat/screens/Combat_Screen.h"
#include "magic/screens/Spellbook_Draw.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/Spell_Data_Record.h"

namespace {

constexpr int16_t MESSAGE_RECORD_BYTES = 150;
constexpr int16_t POINTER_PLAIN = 1;
constexpr int16_t POINTER_REFUSED = 3;
constexpr int16_t POINTER_TARGET = 9;  // + the stage 0..4
constexpr int16_t PANEL_TOP = 172;
constexpr int16_t GRID_BOTTOM = 168;

Mouse_List_Entry _combat_mouse_grid[1] = {{POINTER_PLAIN, 2, 0, 0, 319, 199}};

void Warning_Text(const Combat_Target_Verdict &verdict, int16_t spell, char *text, int size)
{
    if (verdict.text[0] != '\0') {
        snprintf(text, (size_t)size, "%s", verdict.text);
        return;
    }
    char record[MESSAGE_RECORD_BYTES + 1] = {};
    LBX_Load_Data_Static("MESSAGE", 0, (uint8_t *)record, verdict.warning, 1, MESSAGE_RECORD_BYTES);
    char name[sizeof spell_data_table[0].name + 1] = {};
    if (verdict.warning == TARGET_WARN_NORMAL_UNIT)
        memcpy(name, spell_data_table[spell].name, sizeof spell_data_table[0].name);
    snprintf(text, (size_t)size, "%s%s", record, name);
}

}  // namespace

void Combat_Screen_Assign_Mouse_Images(void)
{
    const int16_t px = Pointer_X(), py = Pointer_Y();
    int16_t image = POINTER_PLAIN;
    if (py + 4 <= PANEL_TOP) {
        int16_t x = 0, y = 0;
        Combat_Mouse_Cell(px, py, &x, &y);
        if (Combat_Target_Cell_Allowed(_combat_spell_target_type, x, y)) {
            image = (int16_t)(POINTER_TARGET + g_spellbook_anim_stage);
            g_spellbook_anim_stage = (int16_t)((g_spellbook_anim_stage + 1) % 5);
        } else {
            image = POINTER_REFUSED;
        }
    }
    _combat_mouse_grid[0].image_num = image;
    Set_Mouse_List(1, _combat_mouse_grid);
}

void Combat_Spell_Target_Screen_Draw(void)
{
    Combat_Screen_Draw();
    Set_Outline_Color(240);
    Set_Alias_Color(227);
    Set_Font_Style_Shadow_Down(0, 15, 15, 15);
    Set_Font_Spacing(1);
    Print_Paragraph(241, 168, 75, GUI_NearMsgString, 0);
    Combat_Screen_Assign_Mouse_Images();
}

int16_t Combat_Spell_Target_Screen(int16_t spell, int16_t *grid_x, int16_t *grid_y)
{
    if (spell < 0 || spell >= NUM_SPELLS) return COMBAT_TARGET_CANCEL;
    Assign_Auto_Function(Combat_Spell_Target_Screen_Draw, 2);
    g_spellbook_anim_stage = 0;
    _combat_spell_target_type = Combat_Spell_Target_Kind(spell);
    int16_t result = -1;
    int frames = 0;
    while (result == -1) {
        Clear_Fields();
        const int16_t grid = Add_Hidden_Field(0, 0, 319, GRID_BOTTOM, "", -1);
        const int16_t cancel = Add_Hidden_Field(263, 186, 306, 197, "\x1B", -1);
        Combat_Spell_Target_Prompt(spell, GUI_NearMsgString, GUI_NEAR_MSG_SIZE);
        const int16_t hit = Get_Input();
        if (quit_game_flag != 0 || (hit != 0 && hit == cancel)) {
            result = COMBAT_TARGET_CANCEL;
        } else if (hit != 0 && hit == grid) {
            Combat_Mouse_Cell(Pointer_X(), Pointer_Y(), grid_x, grid_y);
            const Combat_Target_Verdict verdict =
                Combat_Spell_Target_Check(spell, _combat_spell_target_type, *grid_x, *grid_y);
            if (verdict.result >= 0) {
                result = verdict.result;
            } else if (verdict.warning != 0 || verdict.text[0] != '\0') {
                char text[MESSAGE_RECORD_BYTES + 40];
                Warning_Text(verdict, spell, text, sizeof text);
                Warn1(text);
                Set_Page_Off();
                Combat_Spell_Target_Screen_Draw();
                Toggle_Pages();
                Release_Time(2);
            }
        }
        if (result == -1) {
            Set_Page_Off();
            Combat_Spell_Target_Screen_Draw();
            Toggle_Pages();
            if (Unattended_Frame_Done(&frames)) {
                STU_LOG(SEV_INFO, LC_COMBAT, "Combat_Spell_Target_Screen: unattended; the spell is not aimed");
                result = COMBAT_TARGET_CANCEL;
            }
        }
    }
    Clear_Fields();
    Set_Mouse_List(1, mouse_list_default);
    Assign_Auto_Function(Combat_Screen_Draw, 2);
    return result;
}
