// The spell a wizard has fully paid for takes effect on the world.
#pragma once

#include <cstdint>

void Cast_Spell_Overland(int16_t player_idx);
