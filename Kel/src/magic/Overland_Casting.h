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

// The player learns every city: explores each city's square with radius 1 for the current player,
// else marks the city known to the player.
void Cast_Awareness(int16_t player_idx);

// Tells the human that the victim's spell fizzled by the causer's spell named cause; nothing when
// neither is the human.
void Fizzle_Notification(int16_t victim_idx, int16_t causer_idx, int16_t spell_idx, const char *cause);

// The spell now taking effect.
extern int16_t g_active_spell_idx;

// The chance out of 250 that a rival's Suppress Magic, Tranquility or Life Force makes a spell of
// the dispel difficulty fizzle: 125,000 / (difficulty + 500), wide, the divisor at least 1.
int16_t Fizzle_Chance(int16_t difficulty);
// Runs every check of the unit enchantment spell against the unit, telling the human each reason;
// 1 when any refused it.
int16_t Unit_Enchantment_Refused(int16_t unit_idx, int16_t spell_idx);
// A computer wizard's Spell Blast on the target's spell in progress: paid with what the target has
// already put into it (nothing happens when the caster's mana is short); the Spell of Return starts
// over at its full cost, any other spell is lost.
void Spell_Blast(int16_t caster_idx, int16_t target_idx);
// Tells the human that the victim's spell fizzled by the causer's spell named cause; nothing when
// neither is the human.
void Fizzle_Notification(int16_t victim_idx, int16_t causer_idx, int16_t spell_idx, const char *cause);
// The text of that notice, within size bytes.
void Fizzle_Text(char *text, size_t size, int16_t victim_idx, int16_t causer_idx, int16_t spell_idx, const char *cause);
