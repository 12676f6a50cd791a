// Overland stack movement: cities on squares, spell wards and the planar seal.
#pragma once

#include <cstdint>

// The first city whose plane, x and y match, else -1.
int16_t Square_Has_City(int16_t wx, int16_t wy, int16_t wp);
// 1 when a ward of the city stops the stack.
int16_t Stack_Blocked_By_Spell_Ward(int16_t city_idx, int16_t count, int16_t *list);
// 1 when any wizard holds Planar Seal.
int16_t Check_Planar_Seal(void);
