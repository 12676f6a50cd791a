// The city screen's picture, drawn once per frame on the off page, and the context help entries
// that follow what it shows.
#pragma once

#include <cstddef>
#include <cstdint>

// Help list entries the drawing sets (of the city screen's 22).
constexpr int16_t CITY_HELP_RACE_FIRST = 279;
constexpr int16_t CITY_HELP_BUILDING_FIRST = 713;  // + building below 100
constexpr int16_t CITY_HELP_MAGIC_FIRST = 649;     // + magic building 100..106

void City_Screen_Draw(void);
void City_Screen_Set_Help_Entries(void);
void City_Screen_Draw_Map(void);
void City_Screen_Draw2__WIP(void);
void City_Screen_Draw_Buttons(void);
void City_Screen_Draw_Garrison_Window(void);
void City_Screen_Draw_Production_Coins(int16_t city_idx);
void City_Screen_Draw_Population_Row(int16_t city_idx, int16_t x, int16_t y);
void City_Screen_Draw_Resource_Icons(int16_t city_idx, int16_t x, int16_t y);
void Cityscape_Draw_Scanned_Building_Name(int16_t scanned_field, int16_t x_offset, int16_t owner_idx);

// "Population: 12,340 (+20)": the figure with a comma above 999 and ten times the growth.
void City_Population_Text(int16_t population, int16_t houses, int16_t growth, char *text, size_t size);

// Where the population row puts person k (farmers, then workers, then rebels): the pitch and the
// one gap of 4 after the required farmers (or after all farmers when every one is required).
struct City_Population_Row_Layout {
    int16_t pitch;
    int16_t gap_before;  // person index before which the gap lies; -1 at the end of the farmers
};
City_Population_Row_Layout City_Population_Row_Layout_Of(int16_t population, int16_t farmers, int16_t minimum);

// The coins of the product panel: count (cost / 10, at least 1), per row and the step between them.
struct City_Coin_Layout {
    int16_t count;
    int16_t per_row;
    int16_t step;
};
City_Coin_Layout City_Coin_Layout_Of(int16_t cost);

// The x after count icons of an icon row laid out for total icons from x (the spacing of the
// resource rows); the field rectangles of the rows are measured with it.
int16_t City_Resource_Icons_End_X(int16_t x, int16_t total, int16_t count);
