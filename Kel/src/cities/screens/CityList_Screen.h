// The list of the human's cities (screen 103).
#pragma once

#include <cstdint>

constexpr int CITY_LIST_ROWS = 9;

// The current player's cities in table order and the rows shown.
extern int16_t m_city_list_array[];
extern int16_t m_city_list_count;
extern int16_t list_first_item;
// The first row kept between visits.
extern int16_t m_citylist_first_item;
extern int16_t list_cities[CITY_LIST_ROWS];
extern int16_t list_item_count;
// The visible row under the mouse, whose city is detailed below the list.
extern int16_t citylist_item_scanned_field;

// Runs the screen; leaves current_screen set.
void CityList_Screen(void);
// The background, OK button and arrow pictures, then the reduced map's block.
void CityList_Screen_Load(void);
// Collects the current player's cities; a city producing nothing is set to housing.
void Build_City_List(void);
void Update_Cities_List(void);
void CityList_Set_List_Item_Count(void);
// The kept first row, brought back into the list when it has shrunk since.
void CityList_Restore_First_Item(void);
// Scrolling: up by 5 (to the top from within 5 of it); down by 5 while a further full step stays
// within the list, else by 1; never past the row that shows the last city last.
void CityList_Scroll_Up(void);
void CityList_Scroll_Down(void);
// 1 while the first row is not the list's first city / the last city is not visible.
int16_t CityList_Can_Scroll_Up(void);
int16_t CityList_Can_Scroll_Down(void);
void CityList_Screen_Draw(void);
