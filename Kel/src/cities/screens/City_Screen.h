// The city screen (screen 100) of the city in _city_idx: its loop, its fields and what each does.
#pragma once

#include <cstdint>

#include "cities/City_Records.h"  // _city_idx

constexpr int CITY_SCREEN_PRODUCT_NAME_SIZE = 40;
constexpr int CITY_RESOURCE_ROW_FIELDS = 7;
constexpr int CITY_POPULATION_FIELDS_MAX = 25;
constexpr int CITY_GARRISON_SLOTS = 9;
// The garrison window's first picture; pictures go 5 a row, 20 across and 17 down.
constexpr int16_t CITY_GARRISON_X = 215;
constexpr int16_t CITY_GARRISON_Y = 102;
// Field numbers of absent buttons and garrison slots.
constexpr int16_t CITY_SCREEN_NO_BUTTON = -1000;
constexpr int16_t CITY_SCREEN_NO_UNIT_FIELD = -100;

// What the screen knows of the current product while it runs, and where its map window shows.
struct City_Screen_State {
    int16_t city_production_cost;     // production still missing
    int16_t city_n_turns_to_produce;  // turns to complete it
    int16_t city_no_buy;              // 1 when the product cannot be bought now
    char city_screen_product_name[CITY_SCREEN_PRODUCT_NAME_SIZE];
    int16_t map_x;  // top-left square of the 5 x 5 map window
    int16_t map_y;
};
extern City_Screen_State city_screen;

// The field under the pointer in this frame, -1 none.
extern int16_t city_screen_scanned_field;
// The building just completed (animated by the cityscape), -1 none.
extern int16_t cityscreen_city_built_bldg_idx;
extern int16_t city_resources_rows_fields[CITY_RESOURCE_ROW_FIELDS];
extern int16_t city_population_row_fields[CITY_POPULATION_FIELDS_MAX];
extern int16_t city_population_row_count;
// One field per element of the cityscape's last drawing (cityscape_bldg_fields).
extern int16_t city_cityscape_fields[];
extern int16_t city_screen_buy_button;
extern int16_t city_screen_change_button;
extern int16_t city_screen_ok_button;

void City_Screen(void);
void City_Screen_Load(void);
void City_Screen_Allocate_First_Block(void);
// Production cost and turns of the current product from the city's yields.
void City_Screen_Recalculate(void);
// The product's name into city_screen.city_screen_product_name.
void City_Screen_Product_Name(void);
int16_t City_Can_Buy_Product(void);
void City_Screen_Add_Fields__WIP(void);
void City_Screen_Add_Fields_Production_Window(void);
void City_Screen_Add_Fields_Population_Row(int16_t city_idx, int16_t x, int16_t y);
void City_Screen_Add_Fields_Resource_Window(int16_t city_idx, int16_t x, int16_t y);
void Cityscape_Add_Fields(void);
void City_Screen_Garrison_Window_Picture_Coords(int16_t slot, int16_t *x1, int16_t *y1, int16_t *x2, int16_t *y2);

// Farmers after a click on person k of the row: the least farmers, or k + 1; person 0 with
// farmers and none required makes 0.
int16_t City_Screen_Farmers_After_Click(int16_t city_idx, int16_t person);
// Farmers raised to the least needed, then cut to the people who are not rebels; written back.
void City_Screen_Clamp_Farmers(int16_t city_idx);
// Enchantment pages on the city screen's arrows.
void City_Screen_Enchantments_Up(void);
void City_Screen_Enchantments_Down(void);
