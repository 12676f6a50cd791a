// Test hooks: put a freshly loaded game into a prepared state named with --patch.
#pragma once

#include <cstdint>

// The --patch argument itself (not a copy), null when absent; stays set for the whole run.
extern const char *g_tst_patch_scenario;

void TST_Patch_Game_Data(void);
// 1 after the 'ai_soak' patch: the computer plays every wizard, the human's included, and each
// world turn is logged for the soak test.
int16_t TST_AI_Soak(void);
void TST_Scenario_AI_Soak(void);
void TST_Cheat_Power(int16_t player_idx);
void TST_Learn_Spell(int16_t player_idx, int16_t spell_idx);
void TST_Delete_Stack(int16_t unit_idx, int16_t wx, int16_t wy, int16_t wp);
void TST_Scenario_Som_Ready(int16_t player_idx);
void TST_Scenario_Som_Casting(int16_t player_idx);
