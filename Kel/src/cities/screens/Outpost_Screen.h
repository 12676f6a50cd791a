// The pop-ups of a city that is not a full city of the human: the outpost and a foreign city.
#pragma once

#include <cstdint>

constexpr int OUTPOST_GARRISON_MAX = 9;
constexpr int16_t OUTPOST_X = 30;
constexpr int16_t OUTPOST_Y = 50;

// The outpost view of _city_idx; new_outpost 1 shows it as just founded, without garrison clicks.
void Outpost_Screen(int16_t new_outpost);
void Outpost_Screen_Load(void);
void Outpost_Screen_Draw(void);
// The outpost view's garrison: the owner's units on the square, at most OUTPOST_GARRISON_MAX.
extern int16_t CTY_Garrison_Units[OUTPOST_GARRISON_MAX];
extern int16_t CTY_Garrison_Count;
extern int16_t m_new_outpost_flag;
// The box of garrison picture i: five to a row.
void Outpost_Garrison_Picture_Coords(int16_t i, int16_t *x1, int16_t *y1, int16_t *x2, int16_t *y2);
// Names a new outpost: proposes a fresh name of its race, which an empty answer keeps.
void Change_City_Name_Popup(int16_t city_idx, int16_t player_idx);
void Change_City_Name_Popup_Draw(void);
// The human's new outpost: its founding music, the outpost view as just founded, the naming pop-up,
// then the map's music again.
void New_Outpost_Scene(int16_t city_idx, int16_t owner_idx);

void Enemy_City_Screen(void);
