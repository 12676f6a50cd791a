// The slider over the spellbook on which the human puts extra mana into a variable-cost spell.
#pragma once

#include <cstdint>

// Overland: sets the human's strength and cost fields for the spell on the book's line (0-11).
void Spellbook_Mana_Adder_Screen(int16_t spell_idx, int16_t line);
void Spellbook_Mana_Adder_Draw(void);
// In combat, for the caster (a battle unit below 20, 20 + the player for a wizard): sets the human's
// cost left and returns the spell's strength (base cost + extra power).
int16_t Combat_Spellbook_Mana_Adder_Screen(int16_t spell_idx, int16_t line, int16_t caster);
void Combat_Spellbook_Mana_Adder_Draw(void);
