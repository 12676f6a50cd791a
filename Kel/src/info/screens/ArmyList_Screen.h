// The army list (screen 102): every army of the human, one row per map square.
#pragma once

#include <cstdint>

// Runs the screen; leaves current_screen at the main screen or the Items screen.
void ArmyList_Screen(void);
void ArmyList_Screen_Load(void);
// The hidden fields of the visible units, the rows and the hero portraits.
void ArmyList_Add_List_Fields(void);
void ArmyList_Screen_Draw(void);
void ArmyList_Draw_Reduced_Map(void);
