// The advisors: chosen from the list (screen 114) or directly by number.
#pragma once

#include <cstdint>

// Shows advisor 0 to 8, or the advisor list for -1; always leaves to the main screen.
void Advisor_Screen(int16_t advisor);
void TaxCollector_Window(void);
void Grand_Vizier_Window(void);
void Cartographer_Screen(void);
void Cartographer_Screen_Draw(void);
void Cartograph_Screen_Draw_Map(int16_t plane);
void Powergraph_Screen(void);
void Powergraph_Screen_Draw(void);
void Powergraph_Draw_Wizard_History(int16_t player_idx, int16_t last_index, int16_t first_index);
void Status_Screen(void);
void Status_Screen_Draw(void);
