// The units' new turn as a resumed game gives it to the players who are not on the move, and the
// contacts every refresh confirms.
#pragma once

// Every unit not owned by _current_player_idx: finished cleared (set again for patrol, road
// building and status 6); a unit that is ready, done or waiting gets its full moves back, and
// one held in stasis is finished. Then All_AI_Players_Contacted.
void All_AI_Refresh_Units_Movement(void);
// Every player is in contact with itself; a holder of Nature's Awareness meets every wizard that
// owns a visible unit. Then the current player's scouting and contacts are recomputed.
void All_AI_Players_Contacted(void);
