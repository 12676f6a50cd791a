// Magic vortices: free-moving battlefield entities owned by a player that step about at the start of
// every combat turn and harm the units they enter or pass beside.
#pragma once

#include <cstdint>

// Appends a vortex of the owner at the cell; nothing when the list is full.
void Magic_Vortex_Create(int16_t owner, int16_t x, int16_t y);
// Every vortex takes its three steps for the new turn, then its human owner may steer it one more.
void Vortex_Combat_Round(void);
// One step of the vortex to the cell, with its damage.
void Vortex_Move_And_Attack(int16_t vortex, int16_t x, int16_t y);
// 1 when the vortex may step to the cell: on the grid, passable, another cell, within one.
int16_t Vortex_Step_Is_Valid(int16_t vortex, int16_t x, int16_t y);
// Removes a vortex from the list, keeping the order of the others.
void Magic_Vortex_Delete(int16_t vortex);
