// After a battle, the dead rising: the ground parts and the creature climbs out of it, under the
// message the caller left in GUI_NearMsgString.
#include "magic/Undead_Animation.h"

#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "LBX_Pictures.h"
#include "Paragraph.h"
#include "Video.h"
#include "combat/Combat_Results.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Spell_Data_Record.h"

namespace {

constexpr int16_t UNDEAD_FRAMES = 100;
constexpr int16_t RISE_FRAMES = 40;
constexpr int16_t SUMMON_BOUND_SPELL = 201;
constexpr int16_t MONSTER_ENTRIES = 48;
constexpr int16_t ZOMBIE_FIGURE = 46;
constexpr int16_t OTHER_UNDEAD_FIGURE = 47;
constexpr int16_t FIRST_CREATURE_TYPE = 10;

uint8_t *m_background = nullptr;
uint8_t *m_mask = nullptr;
uint8_t *m_far_ground = nullptr;
uint8_t *m_near_ground = nullptr;
uint8_t *m_figure = nullptr;
int16_t m_frame = 0;

// The figure's entry of MONSTER: a creature by its type from the first summoned type on, else the
// two undead figures; -1 when the entry is outside the archive.
int16_t Undead_Figure_Entry(int16_t creature_type)
{
    int16_t entry = OTHER_UNDEAD_FIGURE;
    if (creature_type == FIRST_CREATURE_TYPE) entry = ZOMBIE_FIGURE;
    if (creature_type > FIRST_CREATURE_TYPE) {
        const int16_t first = spell_data_table != nullptr ? spell_data_table[SUMMON_BOUND_SPELL].Param_Words[0] : 0;
        entry = (int16_t)(creature_type - first);
    }
    return entry >= 0 && entry < MONSTER_ENTRIES ? entry : (int16_t)-1;
}

void Undead_Animation_Load(int16_t creature_type)
{
    m_background = LBX_Reload_Next_Picture("CMBTFX", 27, _screen_seg);
    m_mask = LBX_Reload_Next_Picture("CMBTFX", 29, _screen_seg);
    m_far_ground = LBX_Reload_Next_Picture("CMBTFX", 30, _screen_seg);
    m_near_ground = LBX_Reload_Next_Picture("CMBTFX", 31, _screen_seg);
    const int16_t entry = Undead_Figure_Entry(creature_type);
    m_figure = entry >= 0 ? LBX_Reload_Next_Picture("MONSTER", entry, _screen_seg) : nullptr;
}

void Draw_If(int16_t x, int16_t y, uint8_t *picture)
{
    if (picture != nullptr) Clipped_Draw(x, y, picture);
}

void Undead_Animation_Draw(void)
{
    Reset_Window();
    Set_Page_Off();
    Copy_Back_To_Off();
    if (m_background != nullptr) FLIC_Draw(70, 14, m_background);
    Set_Window(0, 0, 319, 123);
    const int16_t c = m_frame;
    if (c < RISE_FRAMES) {
        Draw_If(70, (int16_t)(31 - 17 * c / RISE_FRAMES), m_far_ground);
        Draw_If(70, (int16_t)(54 - c), m_near_ground);
        Draw_If(70, 14, m_mask);
        Draw_If(148, (int16_t)(124 - 2 * c), m_figure);
    } else {
        Draw_If(70, 14, m_far_ground);
        Draw_If(70, 14, m_near_ground);
        Draw_If(148, 44, m_figure);
    }
    Reset_Window();
    uint8_t colours[16];
    memset(colours, 16, sizeof colours);
    Set_Font_Colors_15(4, colours);
    Set_Font_Style_Shadow_Down(4, 15, 15, 15);
    Set_Outline_Color(16);
    Set_Alias_Color(190);
    Print_Paragraph(77, 128, 165, GUI_NearMsgString, PARAGRAPH_CENTERED);
}

}  // namespace

void Undead_Animation(int16_t creature_type)
{
    Mark_Block(_screen_seg);
    Undead_Animation_Load(creature_type);
    Clear_Fields();
    const int16_t leave = Add_Hidden_Field(0, 0, 319, 199, "\x1B", -1);
    int frames = 0;
    for (m_frame = 0; m_frame < UNDEAD_FRAMES; m_frame++) {
        Mark_Time();
        const int16_t input = Get_Input();
        if (quit_game_flag || (input != 0 && (input == leave || input == -leave))) break;
        Undead_Animation_Draw();
        Toggle_Pages();
        Release_Time(2);
        if (Unattended_Frame_Done(&frames)) break;
    }
    Clear_Fields();
    Release_Block(_screen_seg);
}
