// The six towers join the planes: a unit inside one stands on both. And the two tests of whether a
// stack may shift to the other plane: the human's active stack and a computer player's army.
#pragma once

#include <cstdint>

constexpr int16_t PLANE_SHIFT_ALLOWED = -1;
constexpr int16_t PLANE_SHIFT_REFUSED = -2;
// Half-moves each unit pays for crossing with the plane button, as the Earth Gate charges.
constexpr int16_t PLANE_SHIFT_MOVE_COST = 2;

// Units that moved together: on a tower (judged by the first unit) they enter it and the tower
// takes their owner; elsewhere, or under a Planar Seal, units leaving a tower take the plane wp.
void Units_In_Tower(int16_t count, const int16_t *list, int16_t wp);
void All_Units_In_Towers(void);

// PLANE_SHIFT_ALLOWED when the active stack may shift to the target plane, else PLANE_SHIFT_REFUSED.
int16_t Check_Stack_Plane_Shift(int16_t unit_idx, int16_t target_plane);
// 1 when the army on the square may shift to the other plane.
int16_t Map_Square_Troops_Can_Plane_Shift(int16_t wx, int16_t wy, int16_t wp);

// The plane button's crossing: the selected units of the active stack (all of them when none is
// selected) take the plane and pay PLANE_SHIFT_MOVE_COST half-moves each, finished at 0; then the
// tower marks and the scouting are recomputed.
void Active_Stack_Take_Plane(int16_t wp);

// 1 when (wx, wy) is one of the six tower squares.
int16_t Square_Is_Tower(int16_t wx, int16_t wy);
