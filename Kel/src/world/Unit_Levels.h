// A unit's level from its experience.
#pragma once

#include <cstdint>

// Unit types below this bound gain levels; read from the spell table (spell 201's first parameter
// word). A bound outside 1..198 is refused once with a warning and 154 is used.
int16_t Unit_Level_Type_Bound(void);
// Level 0..8 from experience; caps the experience (120 normal units, 1000 heroes).
int16_t Unit_Base_Level(int16_t unit_idx);
// The effective level 0..8 (Heroism, Warlord, Crusade); clears Heroism from level 3 on.
int16_t Calc_Unit_Level(int16_t unit_idx);
