// The overland area dispel and what it may strike on a square.
// The overland area dispel on one square.
#pragma once

#include <cstdint>

// Dispels, with the strength, what it can on the square: warped nodes, other wizards' city and unit
// enchantments, and Stasis on the caster's own units.
void Cast_Disenchant(int16_t wx, int16_t wy, int16_t wp, int16_t caster_idx, int16_t strength);
// 1 when the square holds a city, else a warped node, else a unit.
// The most dispel notes a human caster is shown for one square; the last one sums up the rest.
constexpr int16_t DISPEL_NOTES_MAX = 5;

// Dispels with the given strength what the caster's rivals keep on the square: the warped node,
// their city enchantments and their units' enchantments; frees the caster's own units from Stasis.
void Cast_Disenchant(int16_t wx, int16_t wy, int16_t wp, int16_t caster_idx, int16_t strength);
// 1 when the square holds a city, else a warped node, else any unit.
int16_t Square_Has_Disenchant_Target(int16_t wx, int16_t wy, int16_t wp);
