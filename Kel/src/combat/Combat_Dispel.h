// Magic that removes or stops other magic in battle: the fizzle of a spell met by Counter Magic or a
// node, the dispel of one battlefield cell and the battle-wide disenchant.
#pragma once

#include <cstdint>

// The countering player that stands for a node under the battlefield.
constexpr int16_t COUNTER_BY_NODE = 5;
// Notices shown during one spell at most; the last of them is a general text.
constexpr int16_t DISPEL_NOTICES_MAX = 5;

// 1 when a counter of the given strength stops a spell of the given strength, realm and caster.
int16_t Combat_Spell_Dispel_Attempt(int16_t counter_strength, int16_t spell_strength, int16_t player, int16_t realm);
// Composes the fizzle text into buffer (size bytes).
void Combat_Spell_Counter_Text(char *buffer, int size, int16_t caster, int16_t countering_player, int16_t spell,
                               const char *counter_name);
// Composes the fizzle text and shows it.
void Combat_Spell_Counter_Message(int16_t caster, int16_t countering_player, int16_t spell, const char *counter_name);
// Dispels at the cell with the strength; notices counts the notices shown during the spell.
void Combat_Cast_Dispel(int16_t x, int16_t y, int16_t caster, int16_t strength, int16_t *notices);
// Disenchants the whole battle against the other side.
void Combat_Cast_Disenchant(int16_t caster, int16_t strength);
