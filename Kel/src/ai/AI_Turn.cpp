#include "ai/AI_Turn.h"

#include "ai/AI_City_Production.h"
#include "ai/AI_Continents.h"
#include "ai/AI_Data.h"
#include "ai/AI_Economy.h"
#include "ai/AI_Evaluation.h"
#include "ai/AI_Execute_Orders.h"
#include "ai/AI_Mercenaries.h"
#include "ai/AI_Neutral_Player.h"
#include "ai/AI_Next_Turn.h"
#include "ai/AI_Services.h"
#include "ai/AI_Spell_Choice.h"
#include "ai/AI_Stack_Orders.h"
#include "ai/AI_Unit_Wizard_Targets.h"
#include "magic/Overland_Casting.h"
#include "turn/End_Of_Turn.h"
#include "world/ALLOC.h"
#include "world/Map_Feature_Records.h"
#include "world/Unit_Death.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

constexpr int16_t SPELL_OF_RETURN = 214;

// Removed units (plane -1) end up parked on (0, 0) of plane 0 without an owner.
static void Repair_Unit_Coordinates(void)
{
    for (int16_t k = 0; k < _units; k++) {
        Unit_Record &unit = _UNITS[k];
        const int8_t wp = (int8_t)unit.wp;
        const int8_t wx = (int8_t)unit.wx;
        const int8_t wy = (int8_t)unit.wy;
        if (wp < 0 || wp > 1) {
            unit.wp = 0;
            unit.owner_idx = -1;
        }
        if (wx < 0 || wx >= WORLD_WIDTH) {
            unit.wx = 0;
            unit.owner_idx = -1;
        }
        if (wy < 0 || wy >= WORLD_HEIGHT) {
            unit.wy = 0;
            unit.owner_idx = -1;
        }
    }
}

// A wizard sits out the turn under another's Time Stop, or without its fortress unless it is
// casting the Spell of Return.
static int16_t Wizard_Skipped(int16_t player_idx)
{
    if (g_timestop_player_num != 0 && g_timestop_player_num != player_idx + 1) return 1;
    if (_FORTRESSES[player_idx].active == 0 && _players[player_idx].casting_spell_idx != SPELL_OF_RETURN) return 1;
    return 0;
}

static void Plan_Wizard(int16_t i)
{
    Player_Record &wizard = _players[i];
    AI_Set_Reevaluate_Summoning_Circle_Countdown(i, (int16_t)(AI_Reevaluate_Summoning_Circle_Countdown(i) - 1));
    AI_Evaluate_Hostility(i);
    AI_Evaluate_Magic_Power_Strategy(i);
    Player_Hostile_Opponents(i);
    AI_Player_Calculate_Target_Values(i);
    AI_Landmass_Values_And_Strengths(i);
    AI_Choose_War_Landmass(i);
    if (wizard.casting_cost_remaining == 0 && wizard.casting_spell_idx != 0) {
        g_ai_recompute_needed = 0;
        Cast_Spell_Overland(i);
        magic_master_idx = Get_Winner();
        wizard.casting_spell_idx = 0;
        if (g_ai_recompute_needed == 1) {
            g_ai_recompute_needed = 0;
            Allocate_AI_Data();
            Player_Hostile_Opponents(i);
            AI_Player_Calculate_Target_Values(i);
        }
        AI_Spell_Select(i);
    }
    if (wizard.casting_spell_idx == 0) AI_Spell_Select(i);
    AI_Update_Magic_Power(i);
    AI_Sanity_Check_Overland_Enchantments(i);
    AI_Update_Gold_And_Mana_Reserves(i);
    AI_Update_Gold_Income_And_Food_Income(i);
    for (int16_t j = 0; j < _num_players && j < NUM_PLAYERS; j++) {
        if (wizard.peace_duration[j] > 0) wizard.peace_duration[j]--;
    }
    Player_All_Colony_Autobuild(i);
    AI_Evaluation_Map(i);
    AI_Evaluate_Continents(i);
    AI_Set_Unit_Orders(i);
    AI_Kill_Excess_Settlers_And_Engineers(i);
}

void AI_Next_Turn(void)
{
    Repair_Unit_Coordinates();
    Allocate_AI_Data();
    // A test run lets the computer play the human wizard as well.
    const int16_t first = AI_Computer_Plays_Human() ? (int16_t)0 : (int16_t)1;
    const int16_t last = _num_players < NEUTRAL_PLAYER_IDX ? _num_players : (int16_t)NEUTRAL_PLAYER_IDX;
    for (int16_t i = first; i < last; i++) {
        if (magic_master_idx != -1) break;
        if (Wizard_Skipped(i)) continue;
        Plan_Wizard(i);
    }
    for (int16_t k = 0; k < _units; k++) {
        if (_UNITS[k].owner_idx != HUMAN_PLAYER_IDX) _UNITS[k].ai_flag = 0;
    }
    for (int16_t i = first; i < last; i++) {
        if (magic_master_idx != -1) break;
        if (Wizard_Skipped(i)) continue;
        AI_Execute_Orders(i);
    }
    Player_All_Colony_Autobuild(NEUTRAL_PLAYER_IDX);
    NPC_Farmers();
    NPC_Destinations();
    AI_Execute_Orders(NEUTRAL_PLAYER_IDX);
    if (magic_master_idx != -1) return;
    Make_Raiders();
    Make_Monsters();
    NPC_Excess_Garrison();
    AI_Hopeless_Stasis();
}

int16_t AI_Accept_Mercenaries(int16_t player_idx, int16_t cost)
{
    if (_turn < 50 || player_idx < 0 || player_idx >= NUM_PLAYERS) return 0;
    return _players[player_idx].gold_reserve / 2 >= cost ? 1 : 0;
}

void Player_Hostile_Opponents(int16_t player_idx)
{
    _cp_hostile_opponent_count = 0;
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) return;
    const Player_Record &wizard = _players[player_idx];
    for (int16_t j = 0; j < _num_players && j < NUM_PLAYERS; j++) {
        if (j == player_idx || wizard.Hostility[j] <= 1 || wizard.peace_duration[j] != 0) continue;
        _cp_hostile_opponents[_cp_hostile_opponent_count++] = j;
    }
}

void AI_Kill_Excess_Settlers_And_Engineers(int16_t player_idx)
{
    int16_t settlers[AI_LANDMASSES] = {};
    int16_t builders[AI_LANDMASSES] = {};
    for (int16_t k = 0; k < _units; k++) {
        const Unit_Record &unit = _UNITS[k];
        if (unit.owner_idx != player_idx || unit.type >= NUM_UNIT_TYPES) continue;
        if (unit.wx >= WORLD_WIDTH || unit.wy >= WORLD_HEIGHT || unit.wp >= NUM_PLANES) continue;
        const int16_t landmass = _landmasses[World_Square_Index(unit.wx, unit.wy, unit.wp)];
        const Unit_Type_Record &type = _unit_type_table[unit.type];
        const int16_t on_land = landmass >= 1 && landmass < AI_LANDMASSES;
        if ((type.Abilities & UA_CREATEOUTPOST) && on_land) {
            if (++settlers[landmass] > 1) {
                Kill_Unit(k, kum_Plain);
                continue;
            }
        }
        if (type.Construction > 0 && _turn > 200 && on_land) {
            if (++builders[landmass] > 1) Kill_Unit(k, kum_Plain);
        }
    }
}

void AI_Hopeless_Stasis(void)
{
    for (int16_t k = 0; k < _units; k++) {
        const Unit_Record &unit = _UNITS[k];
        if (unit.owner_idx <= HUMAN_PLAYER_IDX || unit.owner_idx >= NUM_PLAYERS || unit.type >= NUM_UNIT_TYPES)
            continue;
        if ((unit.mutations & (UM_STASIS_INIT | UM_STASIS_LINGER)) == 0) continue;
        if (_unit_type_table[unit.type].Resist < 7) Kill_Unit(k, kum_Plain);
    }
}
