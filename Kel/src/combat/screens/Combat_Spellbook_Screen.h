// The combat spellbook and the screen side of casting in battle.
#pragma once

#include <cstdint>

#include "combat/Combat_Hooks.h"

// Runs the combat spellbook for the caster: the chosen spell, 0 for the close button; slot 0-11.
int16_t Combat_Spellbook_Screen(int16_t caster, int16_t *slot);
// Redraws the book over the composed background.
void Combat_Spellbook_Screen_Draw(void);
// Puts the casting screens into the hooks the combat screen installs.
void Combat_Casting_Screen_Hooks(Combat_Rule_Hooks *hooks);
