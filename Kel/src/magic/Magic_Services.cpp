#include "magic/Magic_Services.h"

#include "world/Player_Record.h"

Magic_Services magic_services = {};
int16_t magic_research_fade = 0;

void Magic_Set_Services(const Magic_Services &services) { magic_services = services; }

int16_t Magic_First_Candidate_Slot(void)
{
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    for (int16_t slot = 0; slot < 8; slot++) {
        if (human.research_spells[slot] != 0) return slot;
    }
    return -1;
}
