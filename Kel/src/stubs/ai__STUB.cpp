// Stand-ins of the computer players' economy, production, spell choice, army planning and
// neutral-player steps.
#include "ai/AI_Army_Planning.h"
#include "ai/AI_City_Production.h"
#include "ai/AI_Economy.h"
#include "ai/AI_Neutral_Player.h"
#include "ai/AI_Spell_Choice.h"
#include "ai/AI_Spell_Research.h"
#include "ai/AI_Unit_Wizard_Targets.h"

#include "stubs/STUB_HIT.h"
#include "world/ALLOC.h"

// The first research candidate.
// The city builds its housing until the computer chooses.
// A city without a product builds housing.
// No spell is chosen.
void AI_Disband_To_Balance_Budget(int16_t) { STUB_HIT(); }
void AI_Shift_Off_Home_Plane(int16_t) { STUB_HIT(); }
void AI_Move_Out_Boats(void) { STUB_HIT(); }
void AI_Find_Opportunity_City_Target(int16_t, int16_t) { STUB_HIT(); }
void AI_Stacks_Move_Out_NonMilitary_Garrisoned(int16_t) { STUB_HIT(); }
void AI_Survey_Expedition_Forces(void) { STUB_HIT(); }
void AI_Stacks_Do_Meld(int16_t) { STUB_HIT(); }
void AI_Stacks_Do_Settle(int16_t, int16_t) { STUB_HIT(); }
void AI_Stacks_Do_Purify(int16_t, int16_t) { STUB_HIT(); }
void AI_Stacks_Do_RoadBuild(int16_t) { STUB_HIT(); }
void AI_Build_Target_List(int16_t, int16_t, int16_t) { STUB_HIT(); }
void AI_Stacks_Roamers_Target_Or_Deploy(int16_t, int16_t, int16_t) { STUB_HIT(); }
void AI_Stacks_Order_To_War_Landmass(int16_t, int16_t) { STUB_HIT(); }
void AI_Stacks_Relocate_Roamers(int16_t, int16_t, int16_t) { STUB_HIT(); }
void AI_Stacks_Stage_Expedition_Forces(int16_t, int16_t, int16_t) { STUB_HIT(); }
void AI_Stacks_Garrison_Sites(int16_t, int16_t, int16_t) { STUB_HIT(); }
void AI_Stacks_Wartime_Ocean_Movement_And_Cleanup(int16_t, int16_t) { STUB_HIT(); }
void AI_Stacks_Ocean_Landmass_Orders(int16_t, int16_t) { STUB_HIT(); }

void NPC_Destinations(void) { STUB_HIT(); }
void Make_Raiders(void) { STUB_HIT(); }
void Make_Monsters(void) { STUB_HIT(); }
void NPC_Excess_Garrison(void) { STUB_HIT(); }
