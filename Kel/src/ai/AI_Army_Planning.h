// The planning steps that give the computer wizards' stacks their orders, landmass by landmass.
// Each writes order codes through the stack order setters; none moves a unit.
#pragma once

#include <cstdint>

// Before any landmass: the whole player.
void AI_Disband_To_Balance_Budget(int16_t player_idx);
void AI_Shift_Off_Home_Plane(int16_t player_idx);
void AI_Move_Out_Boats(void);
void AI_Find_Opportunity_City_Target(int16_t wp, int16_t player_idx);

// Per landmass, on the landmass stack table just built.
void AI_Stacks_Move_Out_NonMilitary_Garrisoned(int16_t wp);
void AI_Survey_Expedition_Forces(void);
void AI_Stacks_Do_Meld(int16_t player_idx);
void AI_Stacks_Do_Settle(int16_t player_idx, int16_t landmass_idx);
void AI_Stacks_Do_Purify(int16_t landmass_idx, int16_t wp);
void AI_Stacks_Do_RoadBuild(int16_t landmass_idx);
void AI_Build_Target_List(int16_t player_idx, int16_t landmass_idx, int16_t wp);
void AI_Stacks_Roamers_Target_Or_Deploy(int16_t landmass_idx, int16_t wp, int16_t player_idx);
void AI_Stacks_Order_To_War_Landmass(int16_t player_idx, int16_t wp);
void AI_Stacks_Relocate_Roamers(int16_t landmass_idx, int16_t wp, int16_t player_idx);
void AI_Stacks_Stage_Expedition_Forces(int16_t landmass_idx, int16_t wp, int16_t player_idx);
void AI_Stacks_Garrison_Sites(int16_t player_idx, int16_t wp, int16_t landmass_idx);

// After the last landmass of a plane: the units at sea.
void AI_Stacks_Wartime_Ocean_Movement_And_Cleanup(int16_t player_idx, int16_t wp);
void AI_Stacks_Ocean_Landmass_Orders(int16_t player_idx, int16_t wp);
