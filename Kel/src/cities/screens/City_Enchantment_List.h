// The enchantments on a city as the city screens list them: attributed to the city's owner (to
// nobody for Nightshade), sorted by owner, six lines a page with two arrows, each line in its
// owner's banner colour; and turning one off.
#pragma once

#include <cstdint>

#include "world/City_Record.h"

constexpr int CITY_ENCHANTMENT_PAGE_LINES = 6;
// Arrow field number while the arrows are not offered.
constexpr int16_t CITY_ENCHANTMENT_NO_BUTTON = -1000;

extern const char *const _city_enchantment_names[NUM_CITY_ENCHANTMENTS];

// The shared list of the current city (_city_idx) and its page.
extern int16_t city_enchantment_list[NUM_CITY_ENCHANTMENTS];
extern int16_t city_enchantment_owner_list[NUM_CITY_ENCHANTMENTS];
extern int16_t city_enchantment_list_count;
extern int16_t city_enchantment_display_first;
extern int16_t city_enchantment_display_count;
extern int16_t city_enchantment_display_scroll_flag;
extern int16_t city_enchantment_fields[CITY_ENCHANTMENT_PAGE_LINES];
extern int16_t city_up_button;
extern int16_t city_dn_button;

// Builds and sorts the list of any city; list and owners hold NUM_CITY_ENCHANTMENTS entries.
void Build_City_Enchantment_List(int16_t city_idx, int16_t *list, int16_t *owners, int16_t *count);
// The shared list of the current city, first page, arrows when it has more than one page.
void Do_Build_City_Enchantment_List(void);
// The arrows (when offered) and one hidden field per shown line, the other lines without a field;
// a page past the end becomes the first.
void City_Add_Fields_City_Enchantments(int16_t x, int16_t y);
void City_Screen_Draw_City_Enchantments(int16_t x, int16_t y);
// Paging on the arrows: down wraps to the first page, up from the first page goes to the last.
void City_Enchantment_Page_Down(void);
void City_Enchantment_Page_Up(void);
// After a removal: rebuilds the shared list of the city; without arrows it shows the first page.
void City_Enchantment_List_Rebuild(int16_t city_idx);
// A click on shown line `line`: only an entry of `owner` may be turned off. Click sound, help off,
// the question (the city screen's text has two spaces before "spell?", the other views' one); on
// yes the enchantment goes and the list is rebuilt. -1 when the line is not the owner's (nothing
// happened), 0 when kept, 1 when turned off; the caller puts its own draw and help back.
int16_t City_Enchantment_Line_Turn_Off(int16_t city_idx, int16_t line, int16_t owner, bool two_spaces);

void Turn_Off_City_Enchantment(int16_t city_idx, int16_t enchantment);
// Up to CITY_ENCHANTMENT_PRINT_MAX names in two columns of four, each in its owner's banner colour.
void Print_City_Enchantment_List(int16_t x, int16_t y, const int16_t *enchantments, const int16_t *owners,
                                 int16_t count);
