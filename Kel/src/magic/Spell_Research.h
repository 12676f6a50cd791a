// The spells a wizard may research next, the human's choice among them and the learning of a spell.
#pragma once

#include <cstdint>

constexpr int NUM_RESEARCH_CANDIDATES = 8;
// The research list holds at most this many spells.
constexpr int RESEARCH_LIST_MAX = 100;

// Fills list with the spells the wizard may draw as candidates now: per colour realm the
// researchable spells of its lowest band that holds one, then the Arcane spells 201-212 likewise
// in the bands 201-203, 204-208, 209-212. Their number.
int16_t Build_Research_List(int16_t player_idx, int16_t *list);
// Refills the wizard's eight research candidates by draws from the research list, adds the Spell
// of Mastery when nothing else is left, sorts them and, when no research spell is set after the
// first turn, has the next one chosen. The number of candidates (an added Spell of Mastery not
// counted).
int16_t Player_Research_Spells(int16_t player_idx);
// Sorts the first count candidates by the turns each would take, equal ones keeping their order.
void Sort_Research_List(int16_t player_idx, int16_t count);
// The human's choice of the next spell to research, among the research candidates: 0 at once when
// he has none, else 1 with the research spell set (research left untouched).
int16_t Spell_Research_Select(void);
// The human learning a spell he now knows; was_researched 1 for the spell being researched.
void Learn_Spell_Animation(int16_t spell_idx, int16_t was_researched);
// When the spell the human researches has become known by other means, or a choice is pending,
// the choice of the next one opens and research left becomes its cost; fade 1 from the screens
// that fade out around it.
void Check_Research_Spell_Is_Known(int16_t fade);
// The research cost of a candidate as the wizard sees it: the Spell of Mastery's own research left
// for spell 213, else the spell's research cost.
int16_t Research_Cost_Of_Spell(int16_t player_idx, int16_t spell_idx);
