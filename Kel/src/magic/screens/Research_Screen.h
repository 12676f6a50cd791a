// The big book's screens: the human's choice of the next research spell on the research spread,
// the apprentice's browsing, and the scene of a learned spell. Magic_Install_Screens hands the
// choice and the scene to the research rules.
#pragma once

#include <cstdint>

// The research spread of the big book; the candidate slot clicked (0-7), or -1 when left otherwise.
int16_t Research_Choice_Screen(void);
// The human learning a spell: the announcement box (the laboratory scene is not shown).
void Learn_Spell_Scene(int16_t spell_idx, int16_t was_researched);
// The big book's redraw: the two pages of the spread at g_spellbook_left_page.
void BigBook_Draw(void);
// Installs the magic screens into the magic rules' service table.
void Magic_Install_Screens(void);
