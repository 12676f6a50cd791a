// The surveyor: the first advisor. The right-hand panel describes the map square under the
// pointer: whether a city may stand there and what it would draw, the terrain, corruption, a
// mineral or special, a lair, tower or node with its guardians, or the city standing there.
#pragma once

#include <cstdint>

// Feature codes passed from the look-ups to the printer.
constexpr int16_t SURVEY_CORRUPTION = 32;
constexpr int16_t SURVEY_WILD_GAME = 64;
constexpr int16_t SURVEY_NIGHTSHADE = 128;
constexpr int16_t SURVEY_LAIR = 100;
constexpr int16_t SURVEY_NODE = 200;
constexpr int16_t SURVEY_CITY = 300;
constexpr int16_t SURVEY_CORRUPTED_CITY = 1332;

// The texts the last survey printed, in order, so that what the panel said can be checked.
constexpr int SURVEY_TEXTS_MAX = 24;
constexpr int SURVEY_TEXT_SIZE = 100;
struct Survey_Texts {
    int count;
    char text[SURVEY_TEXTS_MAX][SURVEY_TEXT_SIZE];
};
extern Survey_Texts m_survey_texts;

extern char survey_near_alloc_1_100[100];
extern char survey_near_alloc_2_50[50];
extern char survey_near_alloc_3_50[50];

void Surveyor_Screen(void);
void Surveyor_Screen_Draw(void);
void Surveyor_Screen_Add_Fields(void);
void Surveyor_Window_Display(void);
// The square under a pointer position in the map window: 1 with (wx, wy), or 0 outside the map's
// 12 columns and 10 rows.
int16_t Surveyor_Square_At(int16_t px, int16_t py, int16_t map_x, int16_t map_y, int16_t *wx, int16_t *wy);
int16_t Surveyor_Cities(int16_t wx, int16_t wy, int16_t wp);
int16_t Surveyor_Lairs(int16_t wx, int16_t wy, int16_t wp);
int16_t Surveyor_Nodes(int16_t wx, int16_t wy, int16_t wp);
void Surveyor_IDK_Print_Terrain_And_Effect(int16_t terrain, int16_t feature);
int16_t Surveyor_IDK_RiverMouth(int16_t wx, int16_t wy, int16_t wp);
void Surveyor_IDK_Set_Font_Stuff__1(void);
void Surveyor_IDK_Set_Font_Stuff__2(void);
