// The picture of a city: a 205 x 96 scene of its landscape, roads, buildings, houses, trees, rocks,
// magic buildings and enchantments, laid out at random but the same on every drawing (the layout
// is drawn from a seed of the city's square). Each drawing also lists the rectangles of the
// buildings shown, for the screens that make them clickable.
#pragma once

#include <cstdint>

constexpr int CITYSCAPE_WIDTH = 205;
constexpr int CITYSCAPE_HEIGHT = 96;
constexpr int CITYSCAPE_MAX_FIELDS = 201;

// One clickable building of the last drawing: a building 3..35 or a magic building 100..106, its
// screen rectangle and the point its name is printed around. A building shows as three rectangles.
struct Cityscape_Bldg_Field {
    int16_t bldg_idx;
    int16_t x1;
    int16_t y1;
    int16_t x2;
    int16_t y2;
    int16_t center_x;
    int16_t center_y;
};

// Kept until the next drawing, so a screen may read them at any time after it.
extern Cityscape_Bldg_Field cityscape_bldg_fields[CITYSCAPE_MAX_FIELDS];
extern int16_t cityscape_bldg_count;

// "Summoning Circle" .. "Altar of Battle" for the magic buildings 100..106.
constexpr int NUM_MAGIC_BUILDINGS = 7;
extern const char *const _magic_building_names[NUM_MAGIC_BUILDINGS];

// Animation steps kept from drawing to drawing and from screen to screen. A step (itr) runs from 6
// and wraps back to it; the frame shown (ctr) is step / 6.
extern int16_t cityscape_bldg_anim_itr;
extern int16_t cityscape_bldg_anim_ctr;
extern int16_t cityscape_water_anim_itr;
extern int16_t cityscape_water_anim_ctr;
extern int16_t cityscape_wall_anim_itr;
extern int16_t cityscape_wall_anim_ctr;
// Build-up of the new building in percent; 100 shows it whole.
extern int16_t cityscape_build_anim_ctr;
extern int16_t cityscape_build_anim_itr;
extern int16_t new_bldg_idx;
extern int16_t cityscape_background_frame;

// Draws the scene of the city with its top-left corner at (x, y) and lists its buildings. placed
// is given a place even when not built (3..34 or 100..106; anything else means none); new_bldg
// (-1 none) is shown building up. The random generator is left as it was.
void Cityscape_Window__WIP(int16_t city_idx, int16_t x, int16_t y, int16_t placed, int16_t new_bldg);
// Starts the build-up of the new building over the next ten drawings.
void Cityscape_Build_Anim_Reset(void);

void Cityscape_Draw_Background(int16_t city_idx, int16_t x, int16_t y);
void Cityscape_Draw_Buildings(int16_t city_idx, int16_t x, int16_t y, int16_t placed);
void Cityscape_Draw_Foreground(int16_t city_idx, int16_t x, int16_t y);
// Three field entries for a building whose anchor cell lies at (X, Y), by footprint class (0..3,
// 4 the fortress).
void Cityscape_Add_Bldg_To_Fields_Array(int16_t X, int16_t Y, int16_t bldg_idx, int16_t footprint);

// The small scene of an outpost, 72 x 66 pixels from (x, y).
void Outpost_Cityscape(int16_t city_idx, int16_t x, int16_t y);
