#include "world/Battlefield.h"

#include <cstring>

int16_t _combat_node_type = COMBAT_NO_NODE;
int8_t combat_enchantments[NUM_COMBAT_ENCHANTMENTS];
int16_t _battlefield_leadership[NUM_BATTLEFIELD_PLAYERS];
int16_t _battlefield_holybonus[NUM_BATTLEFIELD_PLAYERS];
int16_t _battlefield_resistall[NUM_BATTLEFIELD_PLAYERS];
int16_t _combat_attacker_player = COMBAT_NO_PLAYER;
int16_t _combat_defender_player = COMBAT_NO_PLAYER;
int16_t _combat_wx = -1;
int16_t _combat_wy = -1;
int16_t _combat_wp = -1;

void Battlefield_Clear(void)
{
    _combat_node_type = COMBAT_NO_NODE;
    memset(combat_enchantments, 0, sizeof(combat_enchantments));
    memset(_battlefield_leadership, 0, sizeof(_battlefield_leadership));
    memset(_battlefield_holybonus, 0, sizeof(_battlefield_holybonus));
    memset(_battlefield_resistall, 0, sizeof(_battlefield_resistall));
    _combat_attacker_player = COMBAT_NO_PLAYER;
    _combat_defender_player = COMBAT_NO_PLAYER;
}
