#include "magic/Spellbook_Pages.h"

int16_t g_spellbook_last_left_page = 0;
int16_t g_combat_spellbook_left_page = 0;
int16_t g_first_research_page = 0;
