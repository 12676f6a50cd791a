// Switching off an enchantment of one's own unit from the unit view, with the warning when the unit
// (or the units it carries) would drown, and the carrying rule that the end of turn's upkeep uses
// when a wind walker is disbanded.
#pragma once

#include <cstdint>

// The Wind Walking question with its warning is 111 characters: a buffer of 100 cuts it short.
constexpr int UV_REMOVAL_MESSAGE_SIZE = 120;

// Asks and removes; 1 when the unit no longer exists afterwards. message holds UV_REMOVAL_MESSAGE_SIZE.
int16_t UV_Remove_Unit_Enchantment(int16_t unit_idx, uint32_t bit, char *message);
// The same with the yes/no question put through ask (1 yes, 0 no).
int16_t UV_Remove_Unit_Enchantment_Asking(int16_t unit_idx, uint32_t bit, char *message,
                                          int16_t (*ask)(const char *text));
// Toggles the bits of the unit's enchantment word.
void Unit_Remove_Enchantment(int16_t unit_idx, uint32_t bits);
// Removes the unit when nothing keeps it on the water it stands on.
void IDK_Drown_Units(int16_t unit_idx);
// The units that stay on the water only through this unit's wind walking; the list holds 9.
void UNIT_GetDependants__WIP(int16_t unit_idx, int16_t *count, int16_t *list);
