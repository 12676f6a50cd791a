#include "cities/screens/City_Built_Message.h"

#include <cstdio>
#include <cstring>

#include "Dialog_Boxes.h"
#include "LBX_Load.h"
#include "Pictures.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "cities/screens/City_Screen.h"
#include "cities/screens/City_Screen_Icons.h"
#include "cities/screens/Cityscape_Draw.h"
#include "heroes/Text_Lists.h"
#include "magic/Spellbook_Screen.h"
#include "shell/Background_Music.h"
#include "shell/Graphics_Cache.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Map_Window.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Record.h"
#include "world/Game_Settings.h"

namespace {

constexpr int EVENT_MUSIC_WORD = 2;  // word of magic_set: the event music setting
constexpr int16_t BUILT_MUSIC = 108;
constexpr int BACKGRND_GRASS_PANEL = 10;
constexpr int TEXT_SIZE = 200;
// The building picture is drawn whole into this; a screen-sized picture fits.
constexpr int BUILDING_BITMAP_BYTES = PICTURE_BITMAP_HEADER + 320 * 200;

uint8_t m_built_bitmap[BUILDING_BITMAP_BYTES];

}  // namespace

void City_Built_Building_Text(int16_t city_idx, int16_t bldg_idx, char *text, size_t size)
{
    if (text == nullptr || size == 0) return;
    text[0] = '\0';
    if (city_idx < 0 || city_idx >= NUM_CITIES || bldg_idx < 0 || bldg_idx >= NUM_BUILDINGS ||
        bldg_data_table == nullptr)
        return;
    const City_Record &city = _CITIES[city_idx];
    const char *full = bldg_data_table[bldg_idx].name;
    size_t length = strnlen(full, sizeof bldg_data_table[bldg_idx].name);
    // The walls read as one wall; an empty name stays empty.
    if (bldg_idx == BLDG_CITY_WALLS && length > 0) length--;
    char full_name[sizeof bldg_data_table[bldg_idx].name + 1] = {};
    memcpy(full_name, full, strnlen(full, sizeof bldg_data_table[bldg_idx].name));
    const uint8_t city_size = city.size < NUM_CITY_SIZES ? city.size : (uint8_t)(NUM_CITY_SIZES - 1);
    snprintf(text, size, "The %s of %.*s has completed the construction of %s %.*s.", _city_size_names[city_size],
             (int)strnlen(city.name, sizeof city.name), city.name, An(full_name), (int)length, full_name);
}

void City_Built_Building_Message(int16_t x, int16_t y, int16_t city_idx, int16_t bldg_idx)
{
    Allocate_Reduced_Map();
    Set_Entities_On_Map_Window(_map_x, _map_y, _map_plane);
    Full_Draw_Main_Screen();
    Copy_On_To_Off_Page();

    char text[TEXT_SIZE];
    City_Built_Building_Text(_city_idx, bldg_idx, text, sizeof text);

    if (magic_set.words[EVENT_MUSIC_WORD] == 1) {
        uint8_t *music = LBX_Reload("MUSIC", BUILT_MUSIC, SND_Music_Segment);
        if (music != nullptr) Play_Sound(music, lbxload_entry_length);
    }

    int16_t x0 = 0, y0 = 0, w = 0, h = 0;
    memset(m_built_bitmap, 0, PICTURE_BITMAP_HEADER);
    Draw_Building_Picture_To_Bitmap(_city_idx, bldg_idx, &x0, &y0, &w, &h, m_built_bitmap);
    const int16_t px = (int16_t)((41 - w) / 2 - x0);
    const int16_t py = (int16_t)(8 + (43 - h) / 2 - y0);
    uint8_t *picture = w > 0 && h > 0 ? m_built_bitmap : nullptr;

    Copy_On_To_Off_Page();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "City_Built_Building_Message: %s", text);
    Notify2(160, 60, 2, text, 0, gfx_backgrnd_seg[BACKGRND_GRASS_PANEL], 0, 8, picture, px, py, 0, 0);

    Play_Background_Music();
    Cityscape_Build_Anim_Reset();
    cityscreen_city_built_bldg_idx = bldg_idx;
}
