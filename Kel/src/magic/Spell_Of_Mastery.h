// The Spell of Mastery: announced when a wizard begins it, ending the game when it completes.
#pragma once

#include <cstdint>

// The announcement that the wizard has begun casting the Spell of Mastery.
void Cast_Spell_Of_Mastery(int16_t player_idx);
