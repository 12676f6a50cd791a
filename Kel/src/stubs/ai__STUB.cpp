// Stand-ins of the computer players' answers that the world rules ask for through hooks.
#include "ai/AI_City_Production.h"
#include "ai/AI_Landmass_Lists.h"
#include "ai/AI_Mercenaries.h"
#include "ai/AI_Next_Turn.h"
#include "ai/AI_Spell_Research.h"
#include "ai/AI_Unit_Orders.h"

#include "stubs/STUB_HIT.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"

int16_t AI_Accept_Mercenaries(int16_t player_idx, int16_t cost)
{
    STUB_HIT();
    if (_turn < 50 || player_idx < 0 || player_idx >= NUM_PLAYERS) {
        return 0;
    }
    return _players[player_idx].gold_reserve / 2 >= cost ? 1 : 0;
}

void Build_Land_Linked_List(void) { STUB_HIT(); }

void Build_Dock_Linked_List(void) { STUB_HIT(); }

// The first research candidate.
void AI_Spell_Research_Select(int16_t player_idx)
{
    STUB_HIT();
    if (player_idx >= 0 && player_idx < NUM_PLAYERS) {
        _players[player_idx].researching_spell_idx = _players[player_idx].research_spells[0];
    }
}

// The city builds its housing until the computer chooses.
void Player_Colony_Autobuild_HP(int16_t city_idx)
{
    STUB_HIT();
    if (city_idx >= 0 && city_idx < _cities) {
        _CITIES[city_idx].construction = bt_Housing;
    }
}

void Player_Clear_All_Unit_Orders(int16_t player_idx)
{
    STUB_HIT();
    if (player_idx <= 0 || player_idx >= NUM_PLAYERS) {
        return;
    }
    for (int16_t unit_idx = 0; unit_idx < _units; unit_idx++) {
        Unit_Record &unit = _UNITS[unit_idx];
        if (unit.owner_idx == player_idx && unit.Status != us_BuildRoad) {
            unit.Status = us_Ready;
        }
    }
}

// The computer players only give up their units' computer orders.
void AI_Next_Turn(void)
{
    STUB_HIT();
    for (int16_t unit_idx = 0; unit_idx < _units; unit_idx++) {
        Unit_Record &unit = _UNITS[unit_idx];
        if (unit.owner_idx > 0 && unit.owner_idx < NUM_PLAYERS) {
            unit.ai_flag = 0;
        }
    }
}
