// Flight from a battle: which of the loser's fleeing units escape and where to, and the message that
// lists those lost. Escaping attackers stay where they attacked from; escaping defenders scatter to
// the squares around the battle.
#pragma once

#include <cstdint>

// The loss list holds at most this many unit types.
constexpr int FLEE_LOSS_LIST_MAX = 9;

// Settles the fled units of both sides for the winner; always 0. The loss message is left in
// GUI_NearMsgString.
int16_t Retreat_From_Combat(int16_t winner);
// Moves the player's fled units onto the square when it can take them; 1 when it could.
int16_t Process_Retreating_Units(int16_t wx, int16_t wy, int16_t wp, int16_t player_idx);
// Moves the unit to the square when fewer than 9 stand there; 1 when it moved.
int16_t Unit_Try_To_Move(int16_t wx, int16_t wy, int16_t wp, int16_t unit_idx, int16_t units_there);
// "While fleeing you lost:" with the types counted; empty for a count below 1.
void Build_Flee_Loss_Message(int16_t count, const int16_t *unit_types);
