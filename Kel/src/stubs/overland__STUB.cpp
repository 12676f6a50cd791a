// Minimal overland screens: each shows a plain page, takes its few keys and leaves for a
// sensible screen.
#include "Fields.h"
#include "GENDRAW.h"
#include "Input.h"
#include "STU_Log.h"
#include "Video.h"
#include "overland/Intro_And_Credits.h"
#include "overland/Main_Screen.h"
#include "overland/Main_Screen_Draw.h"
#include "overland/Map_Layers.h"
#include "overland/Map_Window.h"
#include "overland/Reduced_Map.h"
#include "overland/Road_Build_Screen.h"
#include "overland/Screen_Control.h"
#include "overland/Stack_Orders.h"
#include "overland/Unit_Figure.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"
#include "world/ALLOC.h"

namespace {

// A page of one colour with the given fields, until a field is hit, the game is closed or an
// unattended headless run has waited long enough. Returns the field hit (0 for none).
int16_t Plain_Screen(uint8_t colour, int16_t *quit)
{
    *quit = 0;
    int frames = 0;
    for (;;) {
        Mark_Time();
        int16_t hit = Get_Input();
        if (quit_game_flag) {
            *quit = 1;
            return 0;
        }
        if (hit > 0) return hit;
        Set_Page_Off();
        Fill(0, 0, 319, 199, colour);
        Toggle_Pages();
        Release_Time(2);
        if (g_headless_unattended && ++frames >= HEADLESS_UNATTENDED_FRAMES) return 0;
    }
}

}  // namespace

// The main screen: Esc goes back to the main menu; closing the window ends the game.
void Main_Screen(void)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Main_Screen__STUB: turn %d", (int)_turn);
    Clear_Fields();
    Add_Hot_Key("\x1B");
    int16_t closed = 0;
    int16_t hit = Plain_Screen(7, &closed);
    current_screen = (closed || hit == 0) ? scr_Quit_To_DOS : scr_Main_Menu_Screen;
}

void Road_Build_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Road_Build_Screen");
}

void Draw_Logos(void)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Draw_Logos__STUB");
}

void Init_Credits(void)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Init_Credits__STUB");
}

void Draw_Credits(void) { STUB_HIT(); }

void Draw_Unit_Picture(int16_t x, int16_t y, int16_t unit_idx, int16_t mode) { STUB_HIT(); }
void Draw_Unit_Enchantment_Outline(int16_t unit_idx) { STUB_HIT(); }
void Cycle_Unit_Enchantment_Animation(void) { STUB_HIT(); }
void Main_Screen_Draw_Do_Draw(int16_t *map_x, int16_t *map_y, int16_t wp, int16_t target_x, int16_t target_y,
                              int16_t player_idx)
{
    STUB_HIT();
}
void MainScr_Create_Reduced_Map_Picture(void) { STUB_HIT(); }

int16_t _unit_window_start_x = 247;
int16_t _unit_window_start_y = 79;

void Main_Screen_Reset(void) { STUB_HIT(); }

void Allocate_Reduced_Map(void) { STUB_HIT(); }
