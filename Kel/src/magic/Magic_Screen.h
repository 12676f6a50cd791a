// The magic screen (screen 106): power split, incomes, the other wizards, global enchantments.
#pragma once

#include <cstdint>

// The staff locks of the magic screen (1 locked): casting skill, mana, research; kept while the
// program runs.
extern int16_t skill_staff_locked;
extern int16_t mana_staff_locked;
extern int16_t research_staff_locked;

// The staves' positions (0-50, together 50; the scroll fields write into them) and the positions
// before the last drag.
extern int16_t mana_stave_pct_pos;
extern int16_t research_stave_pct_pos;
extern int16_t skill_stave_pct_pos;
extern int16_t mana_stave_pct;
extern int16_t research_stave_pct;
extern int16_t skill_stave_pct;
// The rivals as gems: per gem its player, -1 not yet contacted, -2 fortress gone.
extern int16_t gem_count;
extern int16_t gem_player_nums[4];
// The first enchantment shown; 1 when there are more than fit.
extern int16_t magic_ovl_ench_list_first_item;
extern int16_t magic_ovl_ench_list_scroll_flag;

// Runs the screen; leaves current_screen at the main screen or diplomacy.
void Magic_Screen(void);
void Magic_Screen_Load(void);
// Balances the staves after a drag and draws the screen.
void Magic_Screen_Draw(void);
void Magic_Screen_Add_Fields(void);
