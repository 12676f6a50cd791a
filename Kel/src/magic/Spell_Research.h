// The spells a wizard may research next, the human's choice among them and the learning of a spell.
#pragma once

#include <cstdint>

// Refills the wizard's eight research candidates; their number.
int16_t Player_Research_Spells(int16_t player_idx);
// The human's choice of the next spell to research, among the research candidates.
void Spell_Research_Select(void);
// The pop-up that shows the human learning a spell; was_researched 1 for the spell being researched.
void Learn_Spell_Animation(int16_t spell_idx, int16_t was_researched);
// When the spell the human researches has become known (received in an audience, say), the
// choice of the next one opens; ask is 1 from the screens.
void Check_Research_Spell_Is_Known(int16_t ask);
// The apprentice's spellbook of the advisors: the spells known and being researched.
void Apprentice_Screen(void);
