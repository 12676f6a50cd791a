#include "magic/screens/Mana_Adder_Screen.h"

#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "LBX_Pictures.h"
#include "Video.h"
#include "magic/Mana_Adder.h"
#include "magic/Spellbook_Screen.h"
#include "magic/screens/Spellbook_Draw.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"

namespace {

constexpr int16_t BOOK_X = 16;
constexpr int16_t BOOK_Y = 10;
constexpr int16_t LINES_PER_PAGE = 6;
constexpr int16_t ANIMATION_STEPS = 8;

int16_t _xtra_mana_pos = MANA_ADDER_SLIDER_MIN;
int16_t _osc_anim_ctr = 0;
int16_t m_spell = 0;
int16_t _mana_adder_caster_idx = 0;
int16_t combat_max_extra_casting_cost = 0;
int16_t m_x0 = 0;
int16_t m_y0 = 0;
uint8_t *m_panel = nullptr;
uint8_t *m_knob = nullptr;
uint8_t *m_arrows = nullptr;
uint8_t *m_ok_button = nullptr;

void Print_Twice(int16_t x, int16_t y, const char *text, bool right)
{
    const uint8_t outlines[2] = {246, 251};
    for (int pass = 0; pass < 2; pass++) {
        uint8_t colours[16];
        memset(colours, outlines[pass], sizeof colours);
        Set_Font_Colors_15(1, colours);
        Set_Alias_Color(6);
        Set_Font_Style(1, 15, 15, 15);
        if (right) {
            Print_Right(x, y, text);
        } else {
            Print(x, y, text);
        }
    }
}

// The panel, the extra power and the running arrows and knob of the slider over the range.
void Draw_Slider(int16_t range)
{
    if (m_panel != nullptr) FLIC_Draw((int16_t)(m_x0 - 4), (int16_t)(m_y0 + 22), m_panel);
    const int16_t extra = Mana_Adder_Extra_Power(_xtra_mana_pos, range);
    char text[16];
    snprintf(text, sizeof text, "+%d", (int)extra);
    Print_Twice((int16_t)(m_x0 + 4), (int16_t)(m_y0 + 29), "Additional Power:", false);
    Print_Twice((int16_t)(m_x0 + 144), (int16_t)(m_y0 + 29), text, true);
}

void Draw_Arrows(void)
{
    if (m_arrows != nullptr) {
        Set_Window((int16_t)(m_x0 + 8), 0, (int16_t)(m_x0 + _xtra_mana_pos + 8), 199);
        Clipped_Draw((int16_t)(m_x0 + _osc_anim_ctr + 8), (int16_t)(m_y0 + 44), m_arrows);
        Clipped_Draw((int16_t)(m_x0 + _osc_anim_ctr - 40), (int16_t)(m_y0 + 44), m_arrows);
        Reset_Window();
    }
    if (m_knob != nullptr) FLIC_Draw((int16_t)(m_x0 + _xtra_mana_pos + 5), (int16_t)(m_y0 + 43), m_knob);
}

// Loads the pictures, places the slider on the line and runs it until OK.
void Run_Adder(int16_t spell_idx, int16_t line, void (*draw)(void))
{
    m_spell = spell_idx;
    m_x0 = line < LINES_PER_PAGE ? 165 : 5;
    m_y0 = (int16_t)(22 * (line % LINES_PER_PAGE));
    m_panel = LBX_Reload_Picture("SPELLSCR", 5, _screen_seg);
    m_knob = LBX_Reload_Next_Picture("SPELLSCR", 3, _screen_seg);
    m_arrows = LBX_Reload_Next_Picture("SPELLSCR", 4, _screen_seg);
    m_ok_button = LBX_Reload_Next_Picture("SPELLSCR", 42, _screen_seg);
    _osc_anim_ctr = 0;
    _xtra_mana_pos = MANA_ADDER_SLIDER_MIN;
    Clear_Fields();
    Add_Scroll_Field((int16_t)(m_x0 + 12), (int16_t)(m_y0 + 43), 0, 106, MANA_ADDER_SLIDER_MIN, MANA_ADDER_SLIDER_MAX,
                     106, 7, &_xtra_mana_pos, "", -1);
    const int16_t ok_field = Add_Button_Field((int16_t)(m_x0 + 123), (int16_t)(m_y0 + 39), "", m_ok_button, "O", -1);
    Assign_Auto_Function(draw, 2);
    int frames = 0;
    for (;;) {
        Mark_Time();
        const int16_t input = Get_Input();
        if (input != 0 && input == ok_field) break;
        if (quit_game_flag) break;
        draw();
        PageFlip_FX();
        Release_Time(2);
        if (Unattended_Frame_Done(&frames)) break;
    }
    Clear_Fields();
    Deactivate_Auto_Function();
}

}  // namespace

void Spellbook_Mana_Adder_Draw(void)
{
    _osc_anim_ctr = (int16_t)((_osc_anim_ctr + 1) % ANIMATION_STEPS);
    Reset_Window();
    Set_Page_Off();
    Copy_Back_To_Off();
    SmlBook_Draw(BOOK_X, BOOK_Y);
    Draw_Slider(Overland_Mana_Adder_Range(m_spell));
    Overland_Mana_Adder_Apply(m_spell, _xtra_mana_pos);
    Draw_Arrows();
}

void Combat_Spellbook_Mana_Adder_Draw(void)
{
    _osc_anim_ctr = (int16_t)((_osc_anim_ctr + 1) % ANIMATION_STEPS);
    Reset_Window();
    Set_Page_Off();
    Copy_Back_To_Off();
    Combat_Spellbook_Draw(BOOK_X, BOOK_Y, _mana_adder_caster_idx);
    Draw_Slider(combat_max_extra_casting_cost);
    Combat_Mana_Adder_Apply(m_spell, _xtra_mana_pos, _mana_adder_caster_idx, combat_max_extra_casting_cost);
    Draw_Arrows();
}

int16_t Combat_Spellbook_Mana_Adder_Screen(int16_t spell_idx, int16_t line, int16_t caster)
{
    _mana_adder_caster_idx = caster;
    combat_max_extra_casting_cost = Combat_Mana_Adder_Range(spell_idx, caster);
    Mark_Block(_screen_seg);
    Combat_Mana_Adder_Apply(spell_idx, MANA_ADDER_SLIDER_MIN, caster, combat_max_extra_casting_cost);
    Run_Adder(spell_idx, line, Combat_Spellbook_Mana_Adder_Draw);
    const int16_t strength = Combat_Mana_Adder_Apply(spell_idx, _xtra_mana_pos, caster, combat_max_extra_casting_cost);
    Release_Block(_screen_seg);
    return strength;
}

void Spellbook_Mana_Adder_Screen(int16_t spell_idx, int16_t line)
{
    Allocate_Reduced_Map();
    Overland_Mana_Adder_Apply(spell_idx, MANA_ADDER_SLIDER_MIN);
    Run_Adder(spell_idx, line, Spellbook_Mana_Adder_Draw);
    Overland_Mana_Adder_Apply(spell_idx, _xtra_mana_pos);
}
