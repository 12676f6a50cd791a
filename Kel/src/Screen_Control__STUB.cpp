// Stand-in screen state machine until the game's screens exist: every screen is a minimal
// loop that shows the test page and leaves on quit; a headless run with nothing driving it
// leaves after a short while so scripted runs end.
#include <SDL.h>
#include <cstdlib>
#include <cstring>

#include "Screen_Control.h"
#include "STU_Log.h"
#include "Video.h"
#include "sdl2_PFL.h"

int16_t current_screen = scr_Main_Menu_Screen;
int16_t quit_game_flag = 0;

namespace {

int Screen_Headless__STUB(void)
{
    const char *driver = getenv("SDL_VIDEODRIVER");
    return driver != nullptr && strcmp(driver, "dummy") == 0;
}

constexpr int HEADLESS_STUB_FRAMES = 36;

void Stub_Screen(void)
{
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Screen_Control__STUB: screen %d", (int)current_screen);
    int frames = 0;
    while (!quit_game_flag) {
        // Until the real screens exist every screen shows the engine's test page, so the
        // presentation can be checked from outside by its pixels.
        Mark_Time();
        Platform_Event_Handler();
        Set_Page_Off();
        Draw_Test_Page();
        Page_Flip();
        Release_Time(1);
        if (Screen_Headless__STUB() && ++frames >= HEADLESS_STUB_FRAMES) break;
    }
    current_screen = scr_Quit_To_DOS;
}

} // namespace

void Screen_Control(void)
{
    while (current_screen != scr_Quit_To_DOS) {
        if (quit_game_flag) {
            current_screen = scr_Quit_To_DOS;
            break;
        }
        Stub_Screen();
    }
}

void Draw_Logos(void) { STU_LOG(SEV_INFO, LC_KEL_SCR, "Draw_Logos__STUB"); }
void Init_Credits(void) { STU_LOG(SEV_INFO, LC_KEL_SCR, "Init_Credits__STUB"); }
