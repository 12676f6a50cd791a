#include "cities/screens/City_Naming.h"

#include <cstdio>
#include <cstring>

#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "Input_Box.h"
#include "STU_Log.h"
#include "Video.h"
#include "shell/Graphics_Cache.h"
#include "world/ALLOC.h"
#include "world/City_Names.h"
#include "world/City_Record.h"

namespace {

constexpr int BACKGRND_NAME_PANEL = 33;
constexpr int16_t HOME_NAME_X = 60;
constexpr int16_t HOME_NAME_Y = 30;
const uint8_t home_name_cursor_colours[14] = {97, 97, 98, 98, 99, 99, 100, 100, 101, 101, 102, 102, 103, 103};

}  // namespace

void City_Name_From_Answer(int16_t city_idx, char *answer, const char *proposal)
{
    if (city_idx < 0 || city_idx >= NUM_CITIES || answer == nullptr) {
        return;
    }
    answer[CITY_NAME_TYPED_MAX] = '\0';
    Trim(answer);
    const char *name = answer[0] != '\0' || proposal == nullptr ? answer : proposal;
    City_Record &city = _CITIES[city_idx];
    const size_t length = strnlen(name, sizeof city.name - 1);
    memcpy(city.name, name, length);
    memset(city.name + length, 0, sizeof city.name - length);
}

void Draw_NameStartingCity_Background(void)
{
    Set_Page_Off();
    Copy_Back_To_Off();
    if (gfx_backgrnd_seg[BACKGRND_NAME_PANEL] != nullptr) {
        FLIC_Draw(HOME_NAME_X, HOME_NAME_Y, gfx_backgrnd_seg[BACKGRND_NAME_PANEL]);
    }
    Set_Font_Style(4, 4, 4, 4);
    Print(70, 36, "Name Starting City");
}

void Change_Home_City_Name_Popup(int16_t city_idx)
{
    if (city_idx < 0 || city_idx >= NUM_CITIES) {
        return;
    }
    City_Record &city = _CITIES[city_idx];
    _page_flip_effect = 0;
    Clear_Fields();
    Assign_Auto_Function(Draw_NameStartingCity_Background, 1);
    Copy_Off_To_Back();

    Random_City_Name_By_Race(city.race, city.name);
    char proposal[CITY_NAME_SIZE + 1] = {};
    memcpy(proposal, city.name, CITY_NAME_SIZE);
    char answer[INPUT_BOX_TEXT_MAX + 1] = {};
    snprintf(answer, CITY_NAME_TYPED_MAX + 1, "%s", proposal);

    Set_Font_Style(4, 4, 3, 3);
    Set_Font_Spacing_Width(1);
    Set_Alias_Color(103);
    Setup_Input_Box_Popup(76, 51, 75, answer, CITY_NAME_TYPED_MAX, 0, 0, 0, home_name_cursor_colours, -1);
    Deactivate_Auto_Function();
    City_Name_From_Answer(city_idx, answer, proposal);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Change_Home_City_Name_Popup: city %d named \"%s\"", (int)city_idx, city.name);
    _page_flip_effect = 3;
}
