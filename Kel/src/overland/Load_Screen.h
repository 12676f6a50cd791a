// The load and save screen (screen 11), and the resumption of a game just read.
#pragma once

// The screen's loop; on leaving it sets current_screen.
void Load_Screen(void);
// Brings the world records of a game just read up to date for play.
void Loaded_Game_Update(void);
