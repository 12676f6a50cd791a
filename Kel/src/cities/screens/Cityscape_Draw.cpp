#include "cities/screens/Cityscape_Draw.h"

#include "Allocate.h"
#include "Animation.h"
#include "Bitmap_Transforms.h"
#include "GENDRAW.h"
#include "Palette.h"
#include "Pictures.h"
#include "cities/Cityscape_Layout.h"
#include "cities/screens/Cityscape_Pictures.h"
#include "cities/screens/Cityscape_Roads.h"
#include "random.h"
#include "shell/Graphics_Cache.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Record.h"
#include "world/Race_Type_Table.h"
#include "world/Square_Queries.h"

Cityscape_Bldg_Field cityscape_bldg_fields[CITYSCAPE_MAX_FIELDS];
int16_t cityscape_bldg_count = 0;

const char *const _magic_building_names[NUM_MAGIC_BUILDINGS] = {
    "Summoning Circle", "Earth Gate", "Stream Of Life", "Astral Gate", "Fortress", "Dark Rituals", "Altar of Battle"};

int16_t cityscape_bldg_anim_itr = 6;
int16_t cityscape_bldg_anim_ctr = 1;
int16_t cityscape_water_anim_itr = 6;
int16_t cityscape_water_anim_ctr = 1;
int16_t cityscape_wall_anim_itr = 6;
int16_t cityscape_wall_anim_ctr = 1;
int16_t cityscape_build_anim_ctr = 100;
int16_t cityscape_build_anim_itr = 10;
int16_t new_bldg_idx = -1;
int16_t cityscape_background_frame = 4;

namespace {

constexpr uint16_t SCENE_PARAGRAPHS = 1250;
constexpr uint16_t GRID_PARAGRAPHS = 44;
constexpr uint32_t SCRATCH_BITMAP_BYTES = 2400;
constexpr int16_t SEED_BASE = 10389;

// clang-format off
// Rectangles of a building's three fields, relative to its anchor cell: x1, y1, x2, y2.
constexpr int16_t CITYSCAPE_CR[5][3][4] = {
    {{0, -12, 18, 0}, {5, -20, 24, -13}, {19, -13, 24, -7}},
    {{0, -14, 29, 0}, {4, -17, 31, -4},  {7, -21, 35, -6}},
    {{0, -15, 19, 0}, {6, -20, 23, -6},  {10, -25, 30, -11}},
    {{0, -14, 29, 0}, {6, -19, 34, -5},  {11, -25, 39, -11}},
    {{6, -41, 30, -3}, {11, -47, 30, -42}, {25, -41, 30, -9}},
};
// clang-format on

bool Has(const City_Record &city, int ench) { return city.enchantments[ench] != 0; }

// Moves an animation step on by one, from last back to 6, and gives the frame it shows.
void Advance_Step(int16_t *itr, int16_t *ctr, int16_t last)
{
    *itr = (int16_t)(*itr + 1);
    if (*itr > last) *itr = 6;
    *ctr = (int16_t)(*itr / 6);
}

void Draw_Current(int16_t x, int16_t y, int16_t entry)
{
    uint8_t *picture = Cityscape_Picture(entry);
    if (picture != nullptr) FLIC_Draw(x, y, picture);
}

void Draw_Frame(int16_t x, int16_t y, int16_t entry, int16_t frame)
{
    uint8_t *picture = Cityscape_Picture(entry);
    if (picture == nullptr) return;
    Set_Animation_Frame(picture, frame);
    FLIC_Draw(x, y, picture);
}

// Draws an animation from its first frame, times draws in a row, leaving its last frame shown.
void Draw_Repeated(int16_t x, int16_t y, uint8_t *picture, int times, bool clipped)
{
    if (picture == nullptr) return;
    Reset_Animation_Frame(picture);
    for (int i = 0; i < times; ++i) {
        if (clipped) {
            Clipped_Draw(x, y, picture);
        } else {
            FLIC_Draw(x, y, picture);
        }
    }
}

int16_t Background_Frame(const City_Record &city)
{
    if (Has(city, ce_Flying_Fortress)) return 1;
    if (Has(city, ce_Cursed_Lands)) return 0;
    if (Has(city, ce_Famine)) return 2;
    if (Has(city, ce_Gaias_Blessing)) return 3;
    return 4;
}

bool Any_Around(const City_Record &city, int16_t (*test)(int16_t, int16_t, int16_t))
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (test((int16_t)(city.wx + dx), (int16_t)(city.wy + dy), city.wp)) return true;
    return false;
}

// The squares behind the city and the city's own: they give it mountains or hills.
bool Any_Behind(const City_Record &city, int16_t (*test)(int16_t, int16_t, int16_t))
{
    static const int8_t offsets[4][2] = {{-1, -1}, {0, -1}, {1, -1}, {0, 0}};
    for (const auto &o : offsets)
        if (test((int16_t)(city.wx + o[0]), (int16_t)(city.wy + o[1]), city.wp)) return true;
    return false;
}

int16_t House_Kind(const City_Record &city)
{
    return city.race < NUM_RACES ? _race_type_table[city.race].house_kind : (int16_t)0;
}

// Renders a building picture at the building frame into the scratch bitmap, dissolved while it is
// the one building up, and draws it with its top-left corner at (x, y).
void Draw_Building_Picture(uint8_t *picture, int16_t x, int16_t y, bool building_up)
{
    if (!Cityscape_Render(picture, cityscape_bldg_anim_ctr, scratch_bitmap_seg, SCRATCH_BITMAP_BYTES)) return;
    if (building_up) Vanish_Bitmap(scratch_bitmap_seg, cityscape_build_anim_ctr);
    FLIC_Set_LoopFrame_1(picture);
    Draw_Picture(x, y, scratch_bitmap_seg);
}

int16_t Magic_Building_Entry(int16_t value)
{
    switch (value) {
    case mb_Summoning_Circle: return CSP_SUMMONING_CIRCLE;
    case mb_Earth_Gate: return CSP_EARTH_GATE;
    case mb_Stream_Of_Life: return CSP_STREAM_OF_LIFE;
    case mb_Astral_Gate: return CSP_ASTRAL_GATE;
    case mb_Fortress: return CSP_FORTRESS;
    case mb_Dark_Rituals: return CSP_DARK_RITUALS;
    default: return CSP_ALTAR_OF_BATTLE;
    }
}

int16_t Magic_Building_Class(int16_t value)
{
    if (value == mb_Fortress) return 4;
    if (value >= mb_Earth_Gate && value <= mb_Astral_Gate) return 0;
    return 1;
}

// Renders an animation frame into the scene bitmap and draws it at (x, y).
void Draw_Through_Scene(uint8_t *picture, int16_t frame, int16_t x, int16_t y, bool building_up)
{
    if (!Cityscape_Render(picture, frame, cityscape_scene_bitmap, CITYSCAPE_SCENE_BYTES)) return;
    if (building_up) Vanish_Bitmap(cityscape_scene_bitmap, cityscape_build_anim_ctr);
    Draw_Picture(x, y, cityscape_scene_bitmap);
}

}  // namespace

void Cityscape_Build_Anim_Reset(void)
{
    cityscape_build_anim_ctr = 0;
    cityscape_build_anim_itr = 0;
}

void Cityscape_Add_Bldg_To_Fields_Array(int16_t X, int16_t Y, int16_t bldg_idx, int16_t footprint)
{
    if (footprint < 0 || footprint > 4) return;
    const int16_t(*rects)[4] = CITYSCAPE_CR[footprint];
    int least_x1 = rects[0][0], greatest_x2 = rects[0][2];
    for (int i = 1; i < 3; ++i) {
        if (rects[i][0] < least_x1) least_x1 = rects[i][0];
        if (rects[i][2] > greatest_x2) greatest_x2 = rects[i][2];
    }
    int16_t center_x = (int16_t)((X + least_x1 + X + greatest_x2) / 2 - 3);
    for (int i = 0; i < 3 && cityscape_bldg_count < CITYSCAPE_MAX_FIELDS; ++i) {
        Cityscape_Bldg_Field &f = cityscape_bldg_fields[cityscape_bldg_count++];
        f.bldg_idx = bldg_idx;
        f.x1 = (int16_t)(X + rects[i][0]);
        f.y1 = (int16_t)(Y + rects[i][1]);
        f.x2 = (int16_t)(X + rects[i][2]);
        f.y2 = (int16_t)(Y + rects[i][3]);
        f.center_x = center_x;
        f.center_y = (int16_t)(Y + 1);
    }
}

void Cityscape_Draw_Background(int16_t city_idx, int16_t x, int16_t y)
{
    const City_Record &city = _CITIES[city_idx];
    int16_t plane = city.wp;
    Draw_Frame(x, y, Cityscape_Landscape_Entry(plane, csl_Ground), cityscape_background_frame);
    int water_draws = cityscape_water_anim_ctr / 2 + 1;
    if (Any_Around(city, Square_Is_River)) {
        Draw_Repeated(x, y, Cityscape_Picture(Cityscape_Landscape_Entry(plane, csl_River)), water_draws, false);
    } else if (Any_Around(city, Square_Is_OceanLike)) {
        Draw_Repeated(x, y, Cityscape_Picture(Cityscape_Landscape_Entry(plane, csl_Ocean)), water_draws, false);
    }
    if (Has(city, ce_Flying_Fortress)) return;
    if (Has(city, ce_Cloud_of_Shadow)) {
        Draw_Current(x, y, Cityscape_Landscape_Entry(plane, csl_Dark_Cloud));
    } else if (Has(city, ce_Heavenly_Light)) {
        Draw_Current(x, y, Cityscape_Landscape_Entry(plane, csl_Heavenly_Light));
    } else if (Has(city, ce_Chaos_Rift)) {
        Draw_Current(x, y, Cityscape_Landscape_Entry(plane, csl_Chaos_Rift));
    } else if (Any_Behind(city, Square_Is_Mountain)) {
        Draw_Frame(x, y, Cityscape_Landscape_Entry(plane, csl_Mountains), 0);
    } else if (Any_Behind(city, Square_Is_Hills)) {
        Draw_Frame(x, y, Cityscape_Landscape_Entry(plane, csl_Hills), 0);
    }
}

void Cityscape_Draw_Buildings(int16_t city_idx, int16_t x, int16_t y, int16_t placed)
{
    const City_Record &city = _CITIES[city_idx];
    int16_t house_kind = House_Kind(city);
    for (int r = 1; r < CITYSCAPE_ROWS; ++r) {
        int dy = 5 * (r - 1) - (r > 4 ? 2 : 0) - (r > 8 ? 2 : 0) - (r > 13 ? 2 : 0);
        int16_t Y = (int16_t)(y + 27 + dy);
        for (int c = 0; c < CITYSCAPE_COLUMNS; ++c) {
            int dx = 10 * c - (c > 3 ? 2 : 0) - (c > 8 ? 2 : 0) - (c > 13 ? 2 : 0) - (c > 18 ? 2 : 0);
            int16_t X = (int16_t)(x + 27 - dy + dx);
            int16_t value = Cityscape_Cell_At(r, c);
            if (value == csc_House) {
                if (X < x + 195)
                    Draw_Current(X, (int16_t)(Y - 19), (int16_t)(CSP_HOUSES + 5 * house_kind + RANDOM(5) - 1));
            } else if (value == csc_Tree) {
                int16_t v = (int16_t)(RANDOM(3) - 1);
                if (X + v < x + 195)
                    Draw_Current((int16_t)(X + v), (int16_t)(Y - 6 - v), (int16_t)(CSP_TREES + RANDOM(3) - 1));
            } else if (value == csc_Rock) {
                int16_t v = (int16_t)(RANDOM(3) - 1);
                if (X + v < x + 195)
                    Draw_Current((int16_t)(X + v), (int16_t)(Y - 6), (int16_t)(CSP_ROCKS + RANDOM(3) - 1));
            } else if (value >= 3 && value <= 34) {
                int16_t footprint = bldg_data_table != nullptr ? bldg_data_table[value].G_Animation : (int16_t)-1;
                Cityscape_Add_Bldg_To_Fields_Array(X, Y, value, footprint);
                uint8_t *picture = bldg_picts_seg[value];
                if (city.bldg_status[value] == 2 && footprint >= 0 && footprint < CITYSCAPE_FOOTPRINT_CLASSES)
                    picture = Cityscape_Picture((int16_t)(CSP_RUBBLE + footprint));
                Draw_Building_Picture(picture, X, (int16_t)(Y - 32), value == new_bldg_idx);
                if (value >= bt_Shrine && value <= bt_Great_Temple && Has(city, ce_Evil_Presence))
                    Draw_Building_Picture(Cityscape_Picture(CSP_EVIL_PRESENCE), X, (int16_t)(Y - 32),
                                          value == new_bldg_idx);
            } else if (value >= mb_Summoning_Circle && value <= mb_Altar_Of_Battle && value != placed) {
                int16_t top = (int16_t)(value == mb_Fortress ? Y - 47 : Y - 32);
                Draw_Building_Picture(Cityscape_Picture(Magic_Building_Entry(value)), X, top, value == new_bldg_idx);
                Cityscape_Add_Bldg_To_Fields_Array(X, Y, value, Magic_Building_Class(value));
            }
        }
    }
    if (City_Building_Stands(city, bt_City_Walls)) {
        Draw_Through_Scene(Cityscape_Picture(CSP_CITY_WALLS), 0, x, (int16_t)(y + 82), new_bldg_idx == bt_City_Walls);
        if (cityscape_bldg_count < CITYSCAPE_MAX_FIELDS) {
            cityscape_bldg_fields[cityscape_bldg_count++] = {
                bt_City_Walls,    x, (int16_t)(y + 82), (int16_t)(x + 204), (int16_t)(y + 93), (int16_t)(x + 102),
                (int16_t)(y + 85)};
        }
    }
}

void Cityscape_Draw_Foreground(int16_t city_idx, int16_t x, int16_t y)
{
    const City_Record &city = _CITIES[city_idx];
    struct Shown {
        int ench;
        int16_t entry;
        int16_t dx;
    };
    // clang-format off
    static const Shown foreground[] = {
        {ce_Death_Ward,   (int16_t)(CSP_WARDS + 4), 8},  {ce_Chaos_Ward,   (int16_t)(CSP_WARDS + 2), 29},
        {ce_Nature_Ward,  CSP_WARDS,                50}, {ce_Life_Ward,    (int16_t)(CSP_WARDS + 3), 71},
        {ce_Sorcery_Ward, (int16_t)(CSP_WARDS + 1), 92}, {ce_Natures_Eye,  CSP_NATURES_EYE,          113},
        {ce_Inspirations, CSP_INSPIRATIONS,         134}, {ce_Prosperity,  CSP_PROSPERITY,           155},
        {ce_Consecration, CSP_CONSECRATION,         176},
    };
    // clang-format on
    for (const Shown &s : foreground)
        if (Has(city, s.ench)) Draw_Current((int16_t)(x + s.dx), (int16_t)(y + 83), s.entry);
    if (Has(city, ce_Wall_of_Darkness))
        Draw_Through_Scene(Cityscape_Picture(CSP_WALL_OF_DARKNESS), cityscape_wall_anim_ctr, x, (int16_t)(y + 84),
                           false);
    if (Has(city, ce_Wall_of_Fire))
        Draw_Through_Scene(Cityscape_Picture(CSP_WALL_OF_FIRE), cityscape_wall_anim_ctr, x, (int16_t)(y + 84), false);
}

void Cityscape_Window__WIP(int16_t city_idx, int16_t x, int16_t y, int16_t placed, int16_t new_bldg)
{
    if (city_idx < 0 || city_idx >= NUM_CITIES) return;
    const City_Record &city = _CITIES[city_idx];
    Update_Remap_Color_Range(7, 7);
    new_bldg_idx = new_bldg;
    cityscape_background_frame = Background_Frame(city);
    if (placed < 3 || (placed >= 35 && placed < mb_Summoning_Circle) || placed > mb_Altar_Of_Battle) placed = 0;

    uint32_t seed = Get_Random_Seed();
    Mark_Block(_screen_seg);
    cityscape_scene_bitmap = Allocate_Next_Block(_screen_seg, SCENE_PARAGRAPHS);
    cityscape_bldg_array = reinterpret_cast<int16_t *>(Allocate_Next_Block(_screen_seg, GRID_PARAGRAPHS));
    cityscape_bldg_count = 0;
    Set_Random_Seed((uint32_t)(city.wx * city.wy + SEED_BASE));

    Cityscape_Draw_Background(city_idx, x, y);
    Cityscape_Make_Buildings_Array(city_idx, placed);
    Cityscape_Roads_1__WIP(x, y);
    Cityscape_Draw_Buildings(city_idx, x, y, placed);
    Cityscape_Draw_Foreground(city_idx, x, y);

    Advance_Step(&cityscape_bldg_anim_itr, &cityscape_bldg_anim_ctr, 59);
    Advance_Step(&cityscape_water_anim_itr, &cityscape_water_anim_ctr, 83);
    Advance_Step(&cityscape_wall_anim_itr, &cityscape_wall_anim_ctr, 59);
    Line(x, y, (int16_t)(x + 204), y, 0);
    Line(x, (int16_t)(y + 95), (int16_t)(x + 204), (int16_t)(y + 95), 0);
    Line(x, y, x, (int16_t)(y + 95), 0);
    Line((int16_t)(x + 204), y, (int16_t)(x + 204), (int16_t)(y + 95), 0);
    if (cityscape_build_anim_ctr < 100) {
        cityscape_build_anim_ctr = (int16_t)(cityscape_build_anim_ctr + 10);
        cityscape_build_anim_itr = (int16_t)(cityscape_build_anim_itr + 1);
    }

    Release_Block(_screen_seg);
    cityscape_scene_bitmap = nullptr;
    cityscape_bldg_array = nullptr;
    Set_Random_Seed(seed);
}

void Outpost_Cityscape(int16_t city_idx, int16_t x, int16_t y)
{
    if (city_idx < 0 || city_idx >= NUM_CITIES) return;
    const City_Record &city = _CITIES[city_idx];
    uint32_t seed = Get_Random_Seed();
    Set_Random_Seed((uint32_t)(city.wx * city.wy + SEED_BASE));

    // The clip window matches the frame drawn around the scene.
    Set_Window(x, y, (int16_t)(x + 71), (int16_t)(y + 65));
    int16_t left = (int16_t)(x - 65);
    int16_t first = Has(city, ce_Gaias_Blessing)    ? CSP_GAIAS_MASK
                    : Has(city, ce_Flying_Fortress) ? CSP_FLYING_MASK
                                                    : Cityscape_Landscape_Entry(0, csl_Ground);
    uint8_t *picture = Cityscape_Picture(first);
    if (picture != nullptr) {
        Set_Animation_Frame(picture, 0);
        Clipped_Draw(left, y, picture);
    }
    if (Has(city, ce_Famine)) Draw_Repeated(left, y, Cityscape_Picture(CSP_FAMINE_MASK), 1, true);
    if (Has(city, ce_Cursed_Lands)) Draw_Repeated(left, y, Cityscape_Picture(CSP_CURSED_LANDS_MASK), 1, true);
    if (!Has(city, ce_Flying_Fortress)) {
        if (Any_Behind(city, Square_Is_Mountain)) {
            Draw_Repeated(left, y, Cityscape_Picture(Cityscape_Landscape_Entry(0, csl_Mountains)), 1, true);
        } else if (Any_Behind(city, Square_Is_Hills)) {
            Draw_Repeated(left, y, Cityscape_Picture(Cityscape_Landscape_Entry(0, csl_Hills)), 1, true);
        }
    }
    static const int landscapes[3][2] = {
        {ce_Cloud_of_Shadow, csl_Dark_Cloud}, {ce_Heavenly_Light, csl_Heavenly_Light}, {ce_Chaos_Rift, csl_Chaos_Rift}};
    for (const auto &l : landscapes)
        if (Has(city, l[0]))
            Draw_Repeated(left, y, Cityscape_Picture(Cityscape_Landscape_Entry(0, l[1])), cityscape_bldg_anim_ctr,
                          true);
    picture = Cityscape_Picture((int16_t)(CSP_HOUSES + 5 * House_Kind(city)));
    if (picture != nullptr) {
        Set_Animation_Frame(picture, 0);
        Clipped_Draw((int16_t)(x + 30), (int16_t)(y + 30), picture);
    }
    Reset_Window();

    cityscape_bldg_anim_ctr = (int16_t)((cityscape_bldg_anim_ctr + 1) % 10);
    Set_Random_Seed(seed);
    Line(x, y, (int16_t)(x + 71), y, 0);
    Line(x, (int16_t)(y + 65), (int16_t)(x + 71), (int16_t)(y + 65), 0);
    Line(x, y, x, (int16_t)(y + 65), 0);
    Line((int16_t)(x + 71), y, (int16_t)(x + 71), (int16_t)(y + 65), 0);
}
