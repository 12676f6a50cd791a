// The spell a computer wizard casts from its chosen group: a priority per candidate spell it knows,
// weakened for realms a rival's enchantment suppresses, then a weighted draw.
#pragma once

#include <cstdint>

constexpr int AI_SPELL_PRIORITIES = 50;

// Entry k stands for one fixed spell of the selector that filled it; entry 0 is never set.
extern int16_t AI_OVL_SplPriorities[AI_SPELL_PRIORITIES];

// Each returns the spell to cast, or 0.
int16_t AI_Select_Spell_Group_Summon(int16_t player_idx);
int16_t AI_Select_Spell_Group_Unit_Enchantment(int16_t player_idx);
int16_t AI_Select_Spell_Group_City_Enchantment(int16_t player_idx);
int16_t AI_Select_Spell_Group_Disenchant(int16_t player_idx);
int16_t AI_Select_Spell_Group_Disjunction(int16_t player_idx);
int16_t AI_Select_Spell_Group_Attack(int16_t player_idx);
int16_t AI_Select_Spell_Group_Suppression(int16_t player_idx);
int16_t AI_Select_Spell_Group_Global(int16_t player_idx);
