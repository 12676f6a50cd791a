// Which ways a stack may move, and the single-unit ability questions that movement, stacking,
// transport and the computer players ask.
#pragma once

#include <cstdint>

// Modes, in the order of the movement cost maps they open: walking, forester, mountaineer,
// swimming, sailing, flying. Mode j is not cost map j: the cost maps count from 1 and put
// sailing last.
constexpr int NUM_MOVEMENT_MODES = 6;
enum Movement_Mode : int {
    mm_Walking = 0,
    mm_Forester = 1,
    mm_Mountaineer = 2,
    mm_Swimming = 3,
    mm_Sailing = 4,
    mm_Flying = 5,
};
// The type movement flag that stands for each mode.
extern const uint16_t movement_modes_array[NUM_MOVEMENT_MODES];

// modes[0..5] := 1 where the n units may move together in that mode, else 0.
void Army_Movement_Modes(int16_t *modes, const int16_t *units, int16_t n);
// The movement modes of the selected units of _unit_stack (of all of them when none is selected).
void Active_Stack_Movement_Modes(int16_t *modes);

// The unit enchantments that a hero's items give (0 for a unit that is not a hero or has no
// owner). Composed locally: no battle unit record is touched.
uint32_t Unit_Item_Enchantments(int16_t unit_idx);

int16_t Unit_Has_AirTravel(int16_t unit_idx);
int16_t Unit_Has_WindWalking(int16_t unit_idx);
int16_t Unit_Has_WaterTravel(int16_t unit_idx);
int16_t Unit_Has_Sailing(int16_t unit_idx);
int16_t Unit_Has_Swimming(int16_t unit_idx);
int16_t Unit_Has_Endurance(int16_t unit_idx);
int16_t Unit_Has_Invisibility(int16_t unit_idx);
int16_t Unit_Has_NonCorporeal(int16_t unit_idx);
int16_t Unit_Has_WaterTravel_Item(int16_t unit_idx);
int16_t Unit_Has_AirTravel_Item(int16_t unit_idx);
int16_t Unit_Has_PlanarTravel_Item(int16_t unit_idx);
// Items never grant Wind Walking: always 0.
int16_t Unit_Has_WindWalkingItem(int16_t unit_idx);
