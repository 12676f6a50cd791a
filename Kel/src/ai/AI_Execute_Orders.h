// Carrying out the computer players' stack orders through the overland movement the human uses.
#pragma once

#include <cstdint>

// Walks the player's units and carries out the order each holds; nothing under another
// player's Time Stop.
void AI_Execute_Orders(int16_t player_idx);

void AI_Unit_Army_Do_Road(int16_t unit_idx);
void AI_Unit_Army_Do_Move(int16_t unit_idx);
void AI_Unit_Army_Do_Meld(int16_t unit_idx);
void AI_Unit_Army_Do_Settle(int16_t unit_idx);
void AI_Unit_Army_Do_Ferry(int16_t unit_idx);
