// The army list (screen 102): every army of the human, one row per map square.
#pragma once

// Runs the screen; leaves current_screen at the main screen or the Items screen.
void ArmyList_Screen(void);
