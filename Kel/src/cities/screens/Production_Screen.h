// The choice of what the current city builds (screen 108).
#pragma once

#include <cstdint>

constexpr int BUILDING_DESCRIPTION_SIZE = 200;

// Who opened the screen: 1 the city list, 2 the city screen.
extern int16_t production_screen_return_screen;
// The description of the highlighted building, from BUILDESC.LBX; always terminated.
extern char building_description[BUILDING_DESCRIPTION_SIZE];

void Production_Screen(void);
void Production_Screen_Load(void);
void Production_Screen_Allocate_First_Block(void);
void Production_Screen_Add_Fields(void);
void Production_Screen_Draw(void);
void Production_Screen_Draw_(void);
// Reads record bldg_idx of BUILDESC.LBX entry 0 into building_description.
void Production_Screen_Load_Description(int16_t bldg_idx);
// The list entry highlighted for the city's product: its index in the list, or 0 when absent.
int16_t Production_Screen_Entry_Of(int16_t product, const int16_t *list, int16_t length);
