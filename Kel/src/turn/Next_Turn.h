// The world turn: every player's cities, economy, magic, units and diplomacy advance in a fixed
// order (later steps rely on what earlier ones computed), then the turn number moves on.
#pragma once

#include <cstdint>

#include "turn/End_Of_Turn.h"  // GUI_Multipurpose_Int, which the turn's steps leave

// The world turn's own random stream: installed first and stored back last. It starts at
// RNG_AI_TURN_SEED_START with the program and is not saved with the game (the saved format has no
// room for it) nor taken from the command line's seed.
constexpr uint32_t RNG_AI_TURN_SEED_START = 10839;
extern uint32_t RNG_AI_Turn_Seed;

// Cleared after every autosave.
extern int16_t IDK_autosave;

// The world turn of all players; the turn number advances unless somebody has won.
void Next_Turn_Calc(void);

// Every unit's new turn whatever its owner: finished marks by order, waiting units ready, full
// moves. Then All_AI_Players_Contacted.
void Update_Units_MvsSts(void);
// From turn 100 on, computer wizards' cheap units outside their cities are disbanded; on every
// 25th turn each computer city also sends home its first cheap garrison unit.
void AI_Kill_Lame_Units(void);
// Each volcano has two chances in a hundred to become a mountain; then the volcano counts.
void Cool_Off_Volcanoes(void);
// On every fourth turn the world is saved as the continue game.
void Do_Autosave(void);
