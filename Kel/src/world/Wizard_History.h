// The astrologer's figures, each wizard's history score and the marked squares.
#pragma once

#include <cstdint>

constexpr int HISTORY_TURNS = 288;
constexpr int MARKED_SQUARES_MAX = 5;

int16_t Astrologer_Power(int16_t player_idx);
int16_t Astrologer_Strength(int16_t player_idx);
int16_t Astrologer_Research(int16_t player_idx);
int16_t Empire_Population_Points(int16_t player_idx);
// Stores every wizard's four figures and this turn's score in its history.
void Record_History(void);

extern int16_t unknown_40h_square_count;
extern uint8_t unknown_40h_square_wx[MARKED_SQUARES_MAX];
extern uint8_t unknown_40h_square_wy[MARKED_SQUARES_MAX];
extern uint8_t unknown_40h_square_wp[MARKED_SQUARES_MAX];
// Records the first five squares with the marked flag, plane 0 first, row by row.
void Record_Unknown_40H_Squares(void);
