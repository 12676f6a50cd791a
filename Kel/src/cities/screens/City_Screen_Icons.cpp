#include "cities/screens/City_Screen_Icons.h"

#include "Animation.h"
#include "Pictures.h"
#include "shell/Graphics_Cache.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Race_Type_Table.h"

namespace {

constexpr int16_t TENS_SPACING = 14;
constexpr int16_t TENS_MIN_SPACING = 3;
constexpr int16_t TENS_ROW_LIMIT = 80;
constexpr int16_t ONES_SPACING = 8;
constexpr int16_t ONES_MIN_SPACING = 2;
constexpr int16_t ONES_ROW_LIMIT = 125;

constexpr int16_t BLDG_TRADE_GOODS = 1;
constexpr int16_t BLDG_HOUSING = 2;
constexpr int16_t BLDG_CITY_WALLS = 35;
constexpr int CITYSCAP_TRADE_GOODS = 41;
constexpr int CITYSCAP_HOUSES = 42;  // one per housing style
constexpr int CITYSCAP_CITY_WALLS = 114;

// The picture a city shows for a building: trade goods, the race's houses, the walls, or the
// building's own; nullptr when there is none.
uint8_t *City_Building_Picture(int16_t city_idx, int16_t bldg_idx)
{
    if (bldg_idx == BLDG_TRADE_GOODS) return gfx_cityscap_seg[CITYSCAP_TRADE_GOODS];
    if (bldg_idx == BLDG_HOUSING) {
        int house_kind = 0;
        if (city_idx >= 0 && city_idx < NUM_CITIES && _CITIES != nullptr && _CITIES[city_idx].race < NUM_RACES) {
            house_kind = _race_type_table[_CITIES[city_idx].race].house_kind;
        }
        if (house_kind < 0 || house_kind > 2) house_kind = 0;
        return gfx_cityscap_seg[CITYSCAP_HOUSES + house_kind];
    }
    if (bldg_idx == BLDG_CITY_WALLS) return gfx_cityscap_seg[CITYSCAP_CITY_WALLS];
    if (bldg_idx > BLDG_HOUSING && bldg_idx < BLDG_CITY_WALLS) return bldg_picts_seg[bldg_idx];
    return nullptr;
}

}  // namespace

int16_t Draw_Resource_Icons(int16_t *x, int16_t y, int16_t total, int16_t count, uint8_t *ten, uint8_t *one)
{
    const int16_t start_x = *x;
    int used = 0;
    if (total / 10 > 0) {
        int tens_total = total / 10;
        int spacing = TENS_SPACING;
        while (tens_total * spacing >= TENS_ROW_LIMIT && spacing > TENS_MIN_SPACING) --spacing;
        const int tens = count / 10;
        for (int t = 0; t < tens; ++t) FLIC_Draw((int16_t)(*x + spacing * t), y, ten);
        if (tens > 0) *x = (int16_t)(*x + tens * spacing + 1);
        total = (int16_t)(total - 10 * tens);
        count = (int16_t)(count % 10);
        used = *x - start_x;
    }
    if (total > 0) {
        int spacing = ONES_SPACING;
        while ((int)total * spacing >= ONES_ROW_LIMIT - used && spacing > ONES_MIN_SPACING) --spacing;
        for (int i = 0; i < count; ++i) FLIC_Draw((int16_t)(*x + spacing * i), y, one);
        if (count > 0) *x = (int16_t)(*x + count * spacing + (ONES_SPACING - spacing));
    }
    return *x;
}

void Draw_Building_Picture_To_Bitmap(int16_t city_idx, int16_t bldg_idx, int16_t *x, int16_t *y, int16_t *width,
                                     int16_t *height, uint8_t *bitmap)
{
    *x = 0;
    *y = 0;
    *width = 0;
    *height = 0;
    uint8_t *picture = City_Building_Picture(city_idx, bldg_idx);
    if (picture == nullptr) return;
    const int16_t current = (int16_t)FLIC_Get_CurrentFrame(picture);
    const int16_t frames = (int16_t)FLIC_Get_FrameCount(picture);
    for (int16_t frame = 0; frame < frames; ++frame) {
        Set_Animation_Frame(picture, frame);
        Draw_Picture_To_Bitmap(picture, bitmap);
        int16_t fx = 0, fy = 0, fw = 0, fh = 0;
        Get_Bitmap_Actual_Size(bitmap, &fx, &fy, &fw, &fh);
        if (fw > *width || fh > *height) {
            *x = fx;
            *y = fy;
            *width = fw;
            *height = fh;
        }
    }
    Set_Animation_Frame(picture, current);
    Draw_Picture_To_Bitmap(picture, bitmap);
}
