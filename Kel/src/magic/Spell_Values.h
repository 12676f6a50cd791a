// What a spell is worth to a wizard, and the spells one wizard could pass to another.
#pragma once

#include <cstdint>

constexpr int DIFFERENTIAL_LIST_MAX = 10;

// -1 when the wizard cannot use the spell, 0 when it knows it, else a price in research points.
int16_t Calc_Spell_Value(int16_t player_idx, int16_t spell_idx);
// Fills list with up to 10 spells that b knows and a does not, each worth at least minimum to a;
// returns how many.
int16_t Get_Differential_Spell_List(int16_t a, int16_t b, int16_t minimum, uint8_t *list);
