#include "turn/Unit_Turn_Refresh.h"

#include "world/ALLOC.h"
#include "world/Scouting.h"

void All_AI_Refresh_Units_Movement(void)
{
    for (int16_t unit_idx = 0; unit_idx < _units; unit_idx++) {
        Unit_Record &unit = _UNITS[unit_idx];
        // A dead unit waits for the next compaction; its owner byte names no player.
        if (unit.owner_idx < 0 || unit.owner_idx >= NUM_PLAYERS) continue;
        if (unit.owner_idx == _current_player_idx) continue;
        unit.Finished = 0;
        if (unit.Status == us_Patrol || unit.Status == us_BuildRoad || unit.Status == us_Casting) unit.Finished = 1;
        if (unit.Status == us_Ready || unit.Status == us_ReachedDest || unit.Status == us_Wait) {
            unit.moves2_max = (uint8_t)Unit_Moves2(unit_idx);
            unit.moves2 = unit.moves2_max;
            if (unit.mutations & (UM_STASIS_INIT | UM_STASIS_LINGER)) unit.Finished = 1;
        }
    }
    All_AI_Players_Contacted();
}

void All_AI_Players_Contacted(void)
{
    for (int player_idx = 0; player_idx < NUM_PLAYERS; player_idx++)
        _players[player_idx].Dipl_Contacted[player_idx] = 1;
    for (int player_idx = 0; player_idx < _num_players && player_idx < NEUTRAL_PLAYER_IDX; player_idx++) {
        if (_players[player_idx].Globals[ge_Natures_Awareness] == 0) continue;
        for (int16_t unit_idx = 0; unit_idx < _units; unit_idx++) {
            const Unit_Record &unit = _UNITS[unit_idx];
            int owner = unit.owner_idx;
            if (owner < 0 || owner >= NEUTRAL_PLAYER_IDX || owner == player_idx) continue;
            if (unit.enchantments & UE_INVISIBILITY) continue;
            _players[player_idx].Dipl_Contacted[owner] = 1;
            _players[owner].Dipl_Contacted[player_idx] = 1;
        }
    }
    Update_Scouted_And_Contacted();
}
