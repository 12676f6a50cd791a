// The world turn the human starts with next turn (screen 110), and who has won.
#pragma once

#include <cstdint>

// -1, or the player who has won.
extern int16_t magic_master_idx;
// -1, or the winner by the Spell of Mastery.
extern int16_t m_magic_winner_idx;
// -1, or the winner by conquest.
extern int16_t g_conquest_winner_idx;
// A count a step leaves for its caller: the units the lame-unit purge killed, the fame a battle
// brought, the spell the learning scene shows.
extern int16_t GUI_Multipurpose_Int;

// The screen function of screen 110; leaves current_screen at the main screen or the main menu.
void Next_Turn_Proc(void);

// The winner by the Spell of Mastery, else by conquest; -1 when nobody has won.
int16_t Get_Winner(void);
