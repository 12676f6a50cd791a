#include "Init_Drivers.h"

#include "EMM.h"
#include "ORV2.h"
#include "random.h"

// Services of the video, font and input modules, declared here until their own headers exist.
void Init_Video_Drivers(int16_t mode);
void Load_Font_File(const char *font_file);
void Init_Mouse_Keyboard(int16_t input_type);
uint8_t *Set_Page_Off(void);

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

void DOS_PrintString__STUB(const char *text) {}
