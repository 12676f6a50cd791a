#include "newgame/Race_Banner_Screens.h"

#include "Allocate.h"
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
#include "newgame/New_Game_Flow.h"
#include "newgame/Picks_Screen.h"
#include "newgame/Wizard_Screens.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/Race_Type_Table.h"
#include "world/Wizard_Presets.h"

const int16_t newgame_race_list[NEWGAME_RACES] = {0, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 13};
const int16_t newgame_banner_bands[NEWGAME_BANNER_BANDS] = {1, 0, 3, 2, 4};

namespace {

constexpr int16_t m_band_tops[NEWGAME_BANNER_BANDS] = {21, 56, 94, 129, 163};
constexpr int16_t m_band_bottoms[NEWGAME_BANNER_BANDS] = {55, 93, 128, 162, 199};
constexpr uint8_t FLASH_COLOURS[2] = {NEWGAME_SELECTED_COLOUR, NEWGAME_HIGHLIGHT_COLOUR};

uint8_t *m_background;
uint8_t *m_overlay;
uint8_t *m_race_panel;
uint8_t *m_warn_top;
uint8_t *m_warn_bottom;
int16_t m_race_fields[NEWGAME_RACES];
int16_t m_banner_fields[NEWGAME_BANNER_BANDS];
int16_t m_esc_field;

int16_t Race_Row_Y(int16_t position)
{
    return position < NEWGAME_ARCANIAN_RACES ? (int16_t)(38 + 10 * position)
                                             : (int16_t)(147 + 10 * (position - NEWGAME_ARCANIAN_RACES));
}

const char *Race_Name(int16_t position) { return _race_type_table[newgame_race_list[position]].name; }

void Set_Race_Help(void) { Set_Help_List_From_Entry(35, NEWGAME_RACES); }

void Draw_Human_Side(void)
{
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    Newgame_Draw_Portrait(human.wizard_id);
    Newgame_Draw_Wizard_Name(human.name);
    Newgame_Draw_Bookshelf(human.spellranks, NEWGAME_SHELF_PRESET_ORDER);
    Draw_Special_Abilities_String();
}

void Print_Heading(int16_t x, int16_t y, const char *text)
{
    Newgame_Font_Colour(3, NEWGAME_TEXT_COLOUR);
    Set_Outline_Color(NEWGAME_SHADOW_COLOUR);
    Set_Font_Style_Shadow_Down(3, 15, 15, 15);
    Print(x, y, text);
}

// The chosen name flashes for four frames.
void Flash_Race_Name(int16_t position)
{
    int16_t y = Race_Row_Y(position);
    int swap = position < NEWGAME_ARCANIAN_RACES ? 0 : 1;
    for (int frame = 0; frame < 4; frame++) {
        Mark_Time();
        Newgame_Screen_6_Draw();
        Newgame_Font_Colour(0, NEWGAME_SHADOW_COLOUR);
        Print(221, (int16_t)(y + 1), Race_Name(position));
        Newgame_Font_Colour(0, FLASH_COLOURS[(frame + swap) % 2]);
        Print(220, y, Race_Name(position));
        Apply_Palette();
        Toggle_Pages();
        Release_Time(1);
    }
}

}  // namespace

int16_t Newgame_Race_Allowed(int16_t position)
{
    if (position < 0 || position >= NEWGAME_RACES) return 0;
    if (position < NEWGAME_ARCANIAN_RACES) return 1;
    return _players[HUMAN_PLAYER_IDX].retorts[rtr_Myrran] != 0 ? 1 : 0;
}

int16_t Newgame_Banner_Band(int16_t y)
{
    for (int16_t band = 0; band < NEWGAME_BANNER_BANDS; band++) {
        if (y >= m_band_tops[band] && y <= m_band_bottoms[band]) return band;
    }
    return -1;
}

void Newgame_Screen_6_Draw(void)
{
    int16_t under = Scan_Input();
    bool myrran = _players[HUMAN_PLAYER_IDX].retorts[rtr_Myrran] != 0;
    Set_Page_Off();
    if (m_background != nullptr) FLIC_Draw(0, 0, m_background);
    if (m_overlay != nullptr) FLIC_Draw(164, 18, m_overlay);
    if (m_race_panel != nullptr) FLIC_Draw(208, 34, m_race_panel);
    Newgame_Draw_Title("Select Race");
    Draw_Human_Side();
    Print_Heading(198, 25, "Arcanian Races:");
    Print_Heading(202, 134, "Myrran Races:");
    for (int16_t position = 0; position < NEWGAME_RACES; position++) {
        int16_t y = Race_Row_Y(position);
        uint8_t colour = NEWGAME_TEXT_COLOUR;
        if (position >= NEWGAME_ARCANIAN_RACES && !myrran)
            colour = NEWGAME_GREYED_COLOUR;
        else if (under > 0 && under == m_race_fields[position])
            colour = NEWGAME_HIGHLIGHT_COLOUR;
        Newgame_Font_Colour(0, NEWGAME_SHADOW_COLOUR);
        Print(221, (int16_t)(y + 1), Race_Name(position));
        Newgame_Font_Colour(0, colour);
        Print(220, y, Race_Name(position));
    }
}

int16_t Newgame_Screen_6(void)
{
    m_background = LBX_Reload_Picture("NEWGAME", 0, _screen_seg);
    m_overlay = LBX_Reload_Next_Picture("NEWGAME", 54, _screen_seg);
    m_race_panel = LBX_Reload_Next_Picture("NEWGAME", 55, _screen_seg);
    m_warn_top = LBX_Reload_Next_Picture("NEWGAME", 44, _screen_seg);
    m_warn_bottom = LBX_Reload_Next_Picture("NEWGAME", 45, _screen_seg);
    Newgame_Load_Book_Pictures();
    Set_Mouse_List(1, mouse_list_newgame);
    Clear_Fields();
    for (int16_t i = 0; i < NEWGAME_RACES; i++) {
        int16_t y = Race_Row_Y(i);
        m_race_fields[i] = Add_Hidden_Field(211, y, 270, (int16_t)(y + 7), "", -1);
    }
    m_esc_field = Add_Hot_Key("\x1B");
    Assign_Auto_Function(Newgame_Screen_6_Draw, 1);
    Set_Race_Help();

    bool first = true;
    int16_t chosen = -1;
    while (chosen < 0) {
        Mark_Time();
        int16_t hit = Get_Input();
        if (hit == m_esc_field || quit_game_flag) {
            Deactivate_Auto_Function();
            Deactivate_Help_List();
            return NEWGAME_BACK;
        }
        for (int16_t position = 0; position < NEWGAME_RACES && hit > 0; position++) {
            if (hit != m_race_fields[position]) continue;
            if (Newgame_Race_Allowed(position)) {
                chosen = position;
            } else {
                STU_LOG(SEV_INFO, LC_NEWGAME, "Newgame_Screen_6: %s refused without the Myrran retort",
                        Race_Name(position));
                Deactivate_Auto_Function();
                Deactivate_Help_List();
                Warn0("You can not select a Myrran race unless you have the Myrran special.");
                Assign_Auto_Function(Newgame_Screen_6_Draw, 1);
                Set_Race_Help();
            }
        }
        if (chosen >= 0) break;
        Newgame_Screen_6_Draw();
        Apply_Palette();
        Toggle_Pages();
        if (first) {
            Copy_On_To_Off_Page();
            first = false;
        }
        Release_Time(2);
    }
    NEWG_Clicked_Race = newgame_race_list[chosen];
    Flash_Race_Name(chosen);
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    STU_LOG(SEV_INFO, LC_NEWGAME, "Newgame_Screen_6: race %d (%s)", (int)NEWG_Clicked_Race, Race_Name(chosen));
    return 7;
}

void Newgame_Screen_7_Draw(void)
{
    Set_Page_Off();
    if (m_background != nullptr) FLIC_Draw(0, 0, m_background);
    if (m_overlay != nullptr) FLIC_Draw(158, 0, m_overlay);
    Newgame_Draw_Title("Select Banner");
    Draw_Human_Side();
}

int16_t Newgame_Screen_7(void)
{
    m_background = LBX_Reload_Picture("NEWGAME", 0, _screen_seg);
    m_overlay = LBX_Reload_Next_Picture("NEWGAME", 46, _screen_seg);
    Newgame_Load_Book_Pictures();
    newgame_BUILDWOR_map_build_bar_seg = LBX_Reload_Next_Picture("NEWGAME", 53, _screen_seg);
    Set_Mouse_List(1, mouse_list_newgame);
    Clear_Fields();
    for (int16_t band = 0; band < NEWGAME_BANNER_BANDS; band++)
        m_banner_fields[band] = Add_Hidden_Field(175, m_band_tops[band], 313, m_band_bottoms[band], "", -1);
    m_esc_field = Add_Hot_Key("\x1B");
    Assign_Auto_Function(Newgame_Screen_7_Draw, 1);
    Set_Help_List_From_Entry(30, 1);

    bool first = true;
    for (;;) {
        Mark_Time();
        int16_t hit = Get_Input();
        if (hit == m_esc_field || quit_game_flag) {
            Deactivate_Auto_Function();
            Deactivate_Help_List();
            return 6;
        }
        for (int16_t band = 0; band < NEWGAME_BANNER_BANDS; band++) {
            if (hit <= 0 || hit != m_banner_fields[band]) continue;
            _players[HUMAN_PLAYER_IDX].banner_id = (uint8_t)newgame_banner_bands[band];
            Deactivate_Auto_Function();
            Deactivate_Help_List();
            STU_LOG(SEV_INFO, LC_NEWGAME, "Newgame_Screen_7: banner %d", (int)newgame_banner_bands[band]);
            return NEWGAME_FINISHED;
        }
        Newgame_Screen_7_Draw();
        Apply_Palette();
        Toggle_Pages();
        if (first) {
            Copy_On_To_Off_Page();
            first = false;
        }
        Release_Time(2);
    }
}
