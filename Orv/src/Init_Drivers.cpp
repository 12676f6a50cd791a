#include "Init_Drivers.h"

#include "EMM.h"
#include "Fonts.h"
#include "Input.h"
#include "ORV2.h"
#include "Video.h"
#include "random.h"

void Init_Drivers(int16_t input_type, int16_t snd_type, const char *font_file)
{
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
