#include "turn/End_Of_Turn.h"

int16_t magic_master_idx = -1;
int16_t m_magic_winner_idx = -1;
int16_t g_conquest_winner_idx = -1;
int16_t GUI_Multipurpose_Int = 0;

int16_t Get_Winner(void) { return m_magic_winner_idx != -1 ? m_magic_winner_idx : g_conquest_winner_idx; }
