#include "dev/STU_TST.h"

#include <cstring>

#include "STU_Log.h"
#include "ai/AI_Services.h"
#include "overland/Main_Screen.h"
#include "overland/Stack_Movement_Draw.h"
#include "shell/Map_Window.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"
#include "world/Unit_Death.h"
#include "world/Unit_Stacks.h"

const char *g_tst_patch_scenario = nullptr;

constexpr int16_t TST_CHEAT_VALUE = 32767;
// The stack that the Spell of Mastery scenario clears away, named by one of its units.
constexpr int16_t TST_SOM_STACK_UNIT = 685;

void TST_Cheat_Power(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) {
        return;
    }
    Player_Record &player = _players[player_idx];
    player.gold_reserve = TST_CHEAT_VALUE;
    player.mana_reserve = TST_CHEAT_VALUE;
    player.spell_casting_skill = TST_CHEAT_VALUE;
    player.Nominal_Skill = Player_Base_Casting_Skill(player_idx);
    player.Skill_Left = player.Nominal_Skill;
}

void TST_Learn_Spell(int16_t player_idx, int16_t spell_idx)
{
    Player_Set_Spell_Status(player_idx, spell_idx, SS_KNOWN);
}

void TST_Delete_Stack(int16_t unit_idx, int16_t wx, int16_t wy, int16_t wp)
{
    if (unit_idx != -1) {
        // A fixed unit number only names a stack while that unit is alive in this game.
        if (unit_idx < 0 || unit_idx >= _units || _UNITS[unit_idx].owner_idx < 0 ||
            _UNITS[unit_idx].owner_idx >= NUM_PLAYERS) {
            STU_LOG(SEV_INFO, LC_GENERAL, "[TST] unit %d is not in use -- no stack removed", unit_idx);
            return;
        }
        wx = _UNITS[unit_idx].wx;
        wy = _UNITS[unit_idx].wy;
        wp = _UNITS[unit_idx].wp;
    }
    for (int16_t i = 0; i < _units; i++) {
        const Unit_Record &unit = _UNITS[i];
        if (unit.owner_idx >= 0 && unit.owner_idx < NUM_PLAYERS && unit.wx == wx && unit.wy == wy && unit.wp == wp) {
            Kill_Unit(i, 0);
        }
    }
    Delete_Dead_Units();
    WIZ_NextIdleStack(0, &_map_x, &_map_y, &_map_plane);
}

void TST_Scenario_Som_Ready(int16_t player_idx)
{
    TST_Learn_Spell(player_idx, spl_Spell_Of_Mastery);
    TST_Cheat_Power(player_idx);
    const Player_Record &player = _players[player_idx];
    STU_LOG(SEV_INFO, LC_GENERAL,
            "[TST] scenario 'som_ready': player %d knows Spell of Mastery; mana=%d skill=%d skill_left=%d", player_idx,
            player.mana_reserve, player.Nominal_Skill, player.Skill_Left);
}

void TST_Scenario_Som_Casting(int16_t player_idx)
{
    TST_Delete_Stack(TST_SOM_STACK_UNIT, 20, 16, 0);
    TST_Learn_Spell(player_idx, spl_Spell_Of_Mastery);
    TST_Cheat_Power(player_idx);
    Player_Record &player = _players[player_idx];
    int16_t remaining = player.Nominal_Skill > 1 ? (int16_t)(player.Nominal_Skill / 2) : (int16_t)1;
    player.casting_spell_idx = spl_Spell_Of_Mastery;
    player.casting_cost_original =
        spell_data_table != nullptr ? spell_data_table[spl_Spell_Of_Mastery].casting_cost : 0;
    player.casting_cost_remaining = remaining;
    STU_LOG(SEV_INFO, LC_GENERAL,
            "[TST] scenario 'som_casting': player %d mid-cast on Spell of Mastery; cost_original=%d cost_remaining=%d "
            "nominal_skill=%d",
            player_idx, player.casting_cost_original, player.casting_cost_remaining, player.Nominal_Skill);
}

static int16_t m_ai_soak = 0;

int16_t TST_AI_Soak(void) { return m_ai_soak; }

void TST_Scenario_AI_Soak(void)
{
    m_ai_soak = 1;
    DBG_Alt_A_State = 1;
    // For this run only; the settings file is not written.
    magic_set.words[6] = 0;
    magic_set.words[7] = 0;
    magic_set.words[10] = 1;  // strategic combat only
    magic_set.words[12] = 0;
    grand_vizier = 0;
    Move_Units_Draw_Set_Drawing(0);
    AI_Services services = ai_services;
    services.computer_plays_human = TST_AI_Soak;
    AI_Set_Services(services);
    STU_LOG(SEV_INFO, LC_GENERAL, "[TST] scenario 'ai_soak': the computer plays every wizard");
}

void TST_Patch_Game_Data(void)
{
    if (g_tst_patch_scenario == nullptr) {
        return;
    }
    STU_LOG(SEV_INFO, LC_GENERAL, "[TST] applying scenario patch '%s'", g_tst_patch_scenario);
    if (strcmp(g_tst_patch_scenario, "som_ready") == 0) {
        TST_Scenario_Som_Ready(0);
    } else if (strcmp(g_tst_patch_scenario, "som_casting") == 0) {
        TST_Scenario_Som_Casting(0);
    } else if (strcmp(g_tst_patch_scenario, "ai_soak") == 0) {
        TST_Scenario_AI_Soak();
    } else {
        STU_LOG(SEV_INFO, LC_GENERAL, "[TST] unknown scenario '%s' -- nothing patched", g_tst_patch_scenario);
    }
}
