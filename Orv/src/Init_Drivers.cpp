#include "Init_Drivers.h"

#include "Core_Services.h"
#include "EMM.h"
#include "Fonts.h"
#include "Input.h"
#include "Mouse.h"
#include "ORV2.h"
#include "SOUND.h"
#include "Video.h"
#include "random.h"
#include "sdl2_PFL.h"

namespace {

void Stop_Platform(void)
{
    Stop_Music();
    Reset_System_Mouse();
    Audio_Uninit();
}

}  // namespace

void Engine_Install_Core_Services(void)
{
    Core_Services services = core_services;
    services.read_clock = Read_System_Clock_Timer;
    services.stop_platform = Stop_Platform;
    services.save_mouse = Save_Mouse_State;
    services.restore_mouse = Restore_Mouse_State;
    Core_Set_Services(services);
}

void Init_Drivers(int16_t input_type, int16_t snd_type, const char *font_file)
{
    Engine_Install_Core_Services();
    EMS_Startup();
    Init_Video_Drivers(3);
    if (input_type == -1) {
        Load_Font_File("FONTS.LBX");
        Init_Mouse_Keyboard(1);
    } else {
        Load_Font_File(font_file);
        Init_Mouse_Keyboard(input_type);
    }
    Randomize();
    if (_cmd_line_seed != 0) Set_Random_Seed((uint32_t)_cmd_line_seed);
    Set_Page_Off();
}

void DOS_PrintString(const char *text) {}
