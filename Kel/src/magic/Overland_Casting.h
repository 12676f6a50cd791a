// Starting a wizard's overland spell, and the spell it has fully paid for taking effect.
#pragma once

#include <cstddef>
#include <cstdint>

// Spell types from this one on take a variable amount of mana.
constexpr uint8_t SPELL_TYPE_VARIABLE_COST = 17;
constexpr uint8_t SPELL_TYPE_ITEM_CREATION = 11;

void Cast_Spell_Overland(int16_t player_idx);

// Starts the wizard's overland spell: sets the spell being cast and its costs (spell 0 sets none).
// The human's variable-cost spell takes extra mana on the book's line (slot 0-11) and his item
// spell its item; a computer wizard makes its item at once. Returns 1 when the human's spell was
// paid and completed at once, else 0; a computer wizard's spell is paid by the turns.
int16_t Cast_Spell_Overland_Do(int16_t player_idx, int16_t spell_idx, int16_t spellbook_slot);

// Tells the human that the victim's spell fizzled by the causer's spell named cause; nothing when
// neither is the human.
void Fizzle_Notification(int16_t victim_idx, int16_t causer_idx, int16_t spell_idx, const char *cause);
// The text of that notice, within size bytes.
void Fizzle_Text(char *text, size_t size, int16_t victim_idx, int16_t causer_idx, int16_t spell_idx, const char *cause);
