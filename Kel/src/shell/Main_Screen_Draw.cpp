#include "shell/Main_Screen_Draw.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "Allocate.h"
#include "Animation.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Palette.h"
#include "Pictures.h"
#include "Video.h"
#include "dev/Integrity_Check.h"
#include "magic/Spell_Casting_Screen.h"
#include "overland/Game_Resources.h"
#include "overland/Main_Screen.h"
#include "overland/Stack_Orders.h"
#include "overland/Stack_Selection.h"
#include "overland/Unit_Figure.h"
#include "shell/Map_Window.h"
#include "shell/Reduced_Map.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/Events_Record.h"
#include "world/Movement_Modes.h"
#include "world/Player_Record.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

namespace {

constexpr int16_t SMALL_FONT = 0;
constexpr int16_t PLAIN_FONT = 1;
constexpr uint8_t WARNING_COLOR = 198;

// Movement-mode icon numbers (entries of movement_mode_icons).
enum Mode_Icon : int16_t {
    mi_Sailing = 0,
    mi_Swimming = 1,
    mi_Mountaineer = 2,
    mi_Forester = 3,
    mi_Flying = 4,
    mi_Forester_Mountaineer = 5,
    mi_Planar_Travel = 6,
    mi_Wind_Walking = 7,
    mi_Walking = 8,
};

void Draw(int16_t x, int16_t y, uint8_t *picture)
{
    if (picture != nullptr) FLIC_Draw(x, y, picture);
}

// The frame picture covers a third of the page and never changes, but decoding it column by
// column costs more than the rest of the frame together. Its opaque pixels are decoded once into
// a page-sized copy and kept as row runs; a picture with several frames or remap colours is
// drawn as it is.
struct Frame_Run {
    int32_t offset;
    int32_t length;
};
const uint8_t *m_frame_source = nullptr;
bool m_frame_cached = false;
std::vector<uint8_t> m_frame_pixels;
std::vector<Frame_Run> m_frame_runs;

void Cache_Frame_Picture(uint8_t *picture)
{
    m_frame_source = picture;
    m_frame_cached = false;
    m_frame_runs.clear();
    if (FLIC_Get_FrameCount(picture) != 1 || picture[FLIC_REMAP] != 0) return;
    std::vector<uint8_t> on_black(SCREEN_SIZE, 0), on_white(SCREEN_SIZE, 0xFF);
    uint8_t *saved = current_video_page;
    current_video_page = on_black.data();
    Set_Animation_Frame(picture, 0);
    FLIC_Draw(0, 0, picture);
    current_video_page = on_white.data();
    Set_Animation_Frame(picture, 0);
    FLIC_Draw(0, 0, picture);
    current_video_page = saved;
    m_frame_pixels = on_black;
    for (int32_t y = 0; y < SCREEN_HEIGHT; ++y) {
        int32_t x = 0;
        while (x < SCREEN_WIDTH) {
            int32_t at = y * SCREEN_WIDTH + x;
            if (on_black[(size_t)at] != on_white[(size_t)at]) {
                ++x;
                continue;
            }
            int32_t start = x;
            while (x < SCREEN_WIDTH &&
                   on_black[(size_t)(y * SCREEN_WIDTH + x)] == on_white[(size_t)(y * SCREEN_WIDTH + x)])
                ++x;
            m_frame_runs.push_back(Frame_Run{y * SCREEN_WIDTH + start, x - start});
        }
    }
    m_frame_cached = true;
}

void Draw_Frame_Picture(uint8_t *picture)
{
    if (picture == nullptr) return;
    if (picture != m_frame_source) Cache_Frame_Picture(picture);
    if (!m_frame_cached) {
        Draw(0, 0, picture);
        return;
    }
    uint8_t *page = current_video_page;
    for (const Frame_Run &run : m_frame_runs)
        std::memcpy(page + run.offset, m_frame_pixels.data() + run.offset, (size_t)run.length);
}

void Set_Help(int record, int16_t help)
{
    if (record >= 0 && record < HELP_ENTRIES_MAX) _help_entries[record].help_idx = help;
}

// The lasting events of the summary: state word, text, colour and y.
struct Lasting_Event {
    int word;
    const char *text;
    int16_t color;
    int16_t y;
};
const Lasting_Event lasting_events[6] = {
    {ev_Blue_Conjunction_State, "Conjunction", 172, 157},
    {ev_Red_Conjunction_State, "Conjunction", 201, 158},
    {ev_Green_Conjunction_State, "Conjunction", 217, 158},
    {ev_Bad_Moon_State, "Bad Moon", 9, 158},
    {ev_Good_Moon_State, "Good Moon", 15, 158},
    {ev_Mana_Short_State, "Mana Short", 123, 158},
};

void Print_Income(int16_t y, int16_t value, const char *label)
{
    uint8_t colors[16];
    if (value < 0) {
        if (cycle_incomes != -1) {
            std::memset(colors, WARNING_COLOR, sizeof colors);
            Set_Font_Colors_15(SMALL_FONT, colors);
        } else {
            Set_Font_Style(SMALL_FONT, 2, 2, 2);
        }
    } else {
        Set_Alias_Color(184);
        Set_Font_Style(SMALL_FONT, 4, 4, 4);
    }
    Print_Integer_Right(273, y, value);
    Print(278, y, label);
}

}  // namespace

void Allocate_Reduced_Map(void)
{
    if (_screen_seg == nullptr) return;
    _reduced_map_seg = Allocate_First_Block(_screen_seg, REDUCED_MAP_PARAGRAPHS);
}

void MainScr_Create_Reduced_Map_Picture(void)
{
    if (_reduced_map_seg == nullptr) return;
    int16_t left = 0, top = 0;
    Reduced_Map_Coords(&left, &top, (int16_t)((_map_x + 6) % 60), (int16_t)(_map_y + 5), REDUCED_MAP_WIDTH,
                       REDUCED_MAP_HEIGHT);
    Create_Reduced_Map_Picture(left, top, _map_plane, _reduced_map_seg, REDUCED_MAP_WIDTH, REDUCED_MAP_HEIGHT, 0, 0, 0);
}

void Main_Screen_Draw(void)
{
    Reset_Window();
    Set_Page_Off();
    Integrity_Checkpoint("Main_Screen_Draw");
    Main_Screen_Draw_Do_Draw(&_map_x, &_map_y, _map_plane, _prev_world_x, _prev_world_y, _current_player_idx);
}

void Main_Screen_Draw_Do_Draw(int16_t *map_x, int16_t *map_y, int16_t plane, int16_t prev_x, int16_t prev_y,
                              int16_t player_idx)
{
    Reset_Map_Draw();
    Draw_Maps(0, 20, MAP_VIEW_COLUMNS, MAP_VIEW_ROWS, map_x, map_y, plane, prev_x, prev_y, player_idx);
    Draw_Frame_Picture(main_background_seg);
    Draw_World_Window(REDUCED_MAP_X, REDUCED_MAP_Y, REDUCED_MAP_WIDTH, REDUCED_MAP_HEIGHT);
    Set_Help(11, -1);
    Set_Help(15, -1);
    Set_Help(16, -1);
    Set_Help(24, -1);
    if (_unit_stack_count == 0) {
        Main_Screen_Draw_Summary_Window();
        Main_Screen_Draw_Unit_Action_Locked_Buttons();
        Main_Screen_Draw_Next_Turn_Button();
    } else {
        Main_Screen_Draw_Unit_Window(_unit_window_start_x, _unit_window_start_y);
        Main_Screen_Draw_Unit_Action_Buttons();
    }
    Main_Screen_Draw_Status_Window();
    if (_unit_stack_count > 0 && _active_stack_has_path == 1)
        Draw_Active_Stack_Movement_Path(_active_stack_path_length, &movepath_x_array[2], &movepath_y_array[2]);
    Main_Screen_Draw_Game_Buttons();
    Main_Screen_Draw_Movement_Bar();
}

void Main_Screen_Draw_Game_Buttons(void)
{
    uint8_t *buttons[7] = {main_game_button,  main_spells_button, main_armies_button, main_cities_button,
                           main_magic_button, main_info_button,   main_plane_button};
    static const int16_t xs[7] = {7, 47, 89, 140, 184, 226, 270};
    for (int b = 0; b < 7; ++b) {
        if (buttons[b] == nullptr) continue;
        Set_Animation_Frame(buttons[b], 0);
        FLIC_Draw(xs[b], 4, buttons[b]);
    }
}

void Main_Screen_Draw_Unit_Action_Buttons(void)
{
    uint8_t *pictures[3] = {main_done_button, main_patrol_button, main_wait_button};
    static const int16_t xs[3] = {246, 280, 246};
    static const int16_t ys[3] = {176, 176, 186};
    for (int b = 0; b < 3; ++b) {
        if (pictures[b] == nullptr) continue;
        Set_Animation_Frame(pictures[b], 0);
        FLIC_Draw(xs[b], ys[b], pictures[b]);
    }
    uint8_t *special = main_lock_build_button;
    if (special_action_flag == 2) {
        special = main_purify_button;
    } else if (special_action_flag == 9) {
        special = main_meld_button;
    } else if (special_action_flag == 0 || special_action_flag == 1) {
        special = main_build_button;
    }
    if (special != nullptr) {
        Set_Animation_Frame(special, 0);
        FLIC_Draw(280, 186, special);
    }
}

void Main_Screen_Draw_Unit_Action_Locked_Buttons(void)
{
    Draw(246, 176, main_lock_done_button);
    Draw(280, 176, main_lock_patrol_button);
    Draw(246, 186, main_lock_wait_button);
    Draw(280, 186, special_action_flag == -1 ? main_lock_build_button : main_lock_purify_button);
}

void Main_Screen_Draw_Next_Turn_Button(void)
{
    if (all_units_moved != 1) return;
    Draw(240, 173, next_turn_background_seg);
    Set_Draw_Active_Stack_Never();
    if (current_screen == -1) {
        Draw(246, 178, next_turn_button_seg);
    } else {
        Cycle_Unit_Enchantment_Animation();
    }
}

void Main_Screen_Draw_Status_Window(void)
{
    const Player_Record &human = _players[0];
    int16_t font = (human.gold_reserve > 9999 || human.mana_reserve > 9999) ? PLAIN_FONT : SMALL_FONT;
    Set_Alias_Color(8);
    if (font == SMALL_FONT) {
        Set_Font_Style_Shadow_Down(SMALL_FONT, 0, 0, 0);
    } else {
        Set_Font_Style(PLAIN_FONT, 0, 0, 0);
    }
    Print_Integer_Right(265, 68, human.gold_reserve);
    Print_Integer_Right(303, 68, human.mana_reserve);
    Set_Font_Style(PLAIN_FONT, 0, 0, 0);
    Print(268, 68, "GP");
    Print(306, 68, "MP");
}

void Main_Screen_Draw_Summary_Window(void)
{
    for (int r = 7; r <= 10; ++r) Set_Help(r, -1);
    Set_Help(15, 233);
    Set_Help(16, 234);
    Set_Help(24, 235);
    Draw(240, 76, deselect_background);
    int16_t gold = 0, food = 0, mana = 0;
    Player_Resource_Income_Total(0, &gold, &food, &mana);
    Print_Income(101, gold, "Gold");
    Print_Income(133, food, "Food");
    Print_Income(165, mana, "Mana");

    for (int r = 18; r <= 23; ++r) Set_Help(r, -1);
    if (events_table != nullptr) {
        int last = -1;
        for (int k = 0; k < 6; ++k) {
            if (events_table->words[lasting_events[k].word] != EVENT_STATE_LASTING) continue;
            uint8_t colors[16];
            std::memset(colors, (uint8_t)lasting_events[k].color, sizeof colors);
            Set_Font_Colors_15(SMALL_FONT, colors);
            Print_Centered(280, lasting_events[k].y, lasting_events[k].text);
            last = k;
        }
        if (last >= 0) _help_entries[18 + last] = Help_Entry{(int16_t)(770 + last), 260, 157, 300, 163};
    }
    if (cycle_incomes != -1) Cycle_Palette_Color(WARNING_COLOR, 40, 0, 0, 63, 0, 0, 3);
}

void Main_Screen_Draw_Unit_Window(int16_t x, int16_t y)
{
    (void)x;
    (void)y;
    if (_unit == -1 || _unit_stack_count <= 0) return;
    for (int16_t i = 0; i < _unit_stack_count && i < MAX_STACK; ++i) {
        int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        Unit_Window_Picture_Coords(i, &x1, &y1, &x2, &y2);
        Draw((int16_t)(x1 - 1), (int16_t)(y1 - 1), unit_backgrounds[i]);
        Draw_Unit_Picture(x1, y1, _unit_stack[i].unit_idx, _unit_stack[i].active);
        Unit_Window_Draw_Unit_Attributes(x1, y1, _unit_stack[i].unit_idx);
    }
    Cycle_Unit_Enchantment_Animation();
    unit_weapon_type_animation_count = (int16_t)((unit_weapon_type_animation_count + 1) % 4);
}

void Main_Screen_Draw_Movement_Bar(void)
{
    if (_unit_stack_count <= 0) return;
    int16_t moves = Stack_Moves_Active();
    if (moves == 0) return;
    Set_Font_Style_Shadow_Down(SMALL_FONT, 0, 0, 0);
    Print(246, 167, "Moves:");
    Print_Moves_String(275, 167, moves, 0);
    Set_Font_Style(SMALL_FONT, 0, 0, 0);
    Print(246, 168, "Moves:");
    Print_Moves_String(275, 168, moves, 0);
    Print(246, 167, "Moves:");
    Print_Moves_String(275, 167, moves, 0);
    Draw_Movement_Mode_Icons(286, 167, -1);
}

void Moves_String(char *text, int16_t h)
{
    text[0] = '\0';
    if (h > 1) snprintf(text, 8, "%d", h / 2);
    if (h > 0 && (h & 1) != 0) std::strcat(text, ".5");
}

void Print_Moves_String(int16_t x, int16_t y, int16_t h, int16_t right)
{
    char text[16];
    Moves_String(text, h);
    if (right != 0) {
        Print_Right(x, y, text);
    } else {
        Print(x, y, text);
    }
}

int16_t Movement_Mode_Icon_List(int16_t unit_idx, int16_t *icons)
{
    if (unit_idx == -1 && _unit_stack_count <= 0) return 0;
    int16_t modes[NUM_MOVEMENT_MODES] = {0};
    if (unit_idx == -1) {
        Active_Stack_Movement_Modes(modes);
    } else {
        Army_Movement_Modes(modes, &unit_idx, 1);
    }
    int16_t n = 0;
    if (Stack_Has_PlanarTravel()) icons[n++] = mi_Planar_Travel;
    if (modes[mm_Flying]) {
        icons[n++] = mi_Flying;
    } else if (modes[mm_Sailing]) {
        icons[n++] = mi_Sailing;
    } else {
        if (modes[mm_Forester] && modes[mm_Mountaineer]) {
            icons[n++] = mi_Forester_Mountaineer;
        } else if (modes[mm_Forester]) {
            icons[n++] = mi_Forester;
        } else if (modes[mm_Mountaineer]) {
            icons[n++] = mi_Mountaineer;
        }
        if (modes[mm_Swimming]) icons[n++] = mi_Swimming;
    }
    if (n == 0) icons[n++] = mi_Walking;
    return n;
}

void Draw_Movement_Mode_Icons(int16_t x, int16_t y, int16_t unit_idx)
{
    int16_t icons[4];
    int16_t n = Movement_Mode_Icon_List(unit_idx, icons);
    for (int16_t i = 0; i < n; ++i) Draw((int16_t)(x - 10 * n + 30 + 10 * i), y, movement_mode_icons[icons[i]]);
}

void Draw_Active_Stack_Movement_Path(int16_t length, const uint8_t *xs, const uint8_t *ys)
{
    for (int16_t i = 0; i < length && i < MOVEPATH_ARRAY_SIZE - 2; ++i) {
        int16_t sx = xs[i], sy = ys[i];
        if (World_To_Screen(_map_x, _map_y, &sx, &sy) == 0) continue;
        Draw((int16_t)(sx + 8), (int16_t)(sy + 6), goto_booty_icon);
    }
}
