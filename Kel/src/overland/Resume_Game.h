// Resuming a game just read: every derived table of the overland game rebuilt, the map placed on
// the human's fortress and his first stack selected, so that play goes on on the main screen.
#pragma once

// After Load_SAVE_GAM, from the load screen and from the continue path.
void Loaded_Game_Update(void);
// The shared first steps: caches, units on towers, the map on the fortress, the next idle stack.
void Init_Overland(void);
// Random seed, drawing state, every city and every wizard's power and research list.
void PreInit_Overland(void);
// The current player's scouting, his next idle stack, and his scouting again.
void GAME_NextHumanStack(void);
