// The notes and questions that the magic rules show over the main screen.
#include "magic/screens/Magic_Notes.h"

#include "Dialog_Boxes.h"
#include "Fields.h"
#include "LBX_Pictures.h"
#include "Video.h"
#include "magic/Spellbook_Screen.h"
#include "world/ALLOC.h"

namespace {

constexpr int16_t NOTE_X = 160;
constexpr int16_t FIZZLE_Y = 80;
constexpr int16_t FIZZLE_PICTURE = 50;

}  // namespace

void Magic_Note(int16_t y, const char *text, const char *archive, int16_t entry)
{
    uint8_t *picture = LBX_Reload_Picture(archive, entry, _screen_seg);
    Assign_Auto_Function(Full_Draw_Main_Screen, 1);
    Notify2(NOTE_X, y, 0, text, 0, picture, 9, 5, nullptr, 0, 0, 0, 0);
    Deactivate_Auto_Function();
}

void Magic_Fizzle_Note(const char *text)
{
    Full_Draw_Main_Screen();
    Magic_Note(FIZZLE_Y, text, "SPECFX", FIZZLE_PICTURE);
    Full_Draw_Main_Screen();
}
