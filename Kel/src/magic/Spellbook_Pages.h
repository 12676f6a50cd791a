// The spellbooks' pages: which pages the books open at.
#pragma once

#include <cstdint>

// The left page of the overland book, remembered between openings.
extern int16_t g_spellbook_last_left_page;
// The left page of the combat book, kept between battles.
extern int16_t g_combat_spellbook_left_page;
// The index of the "Research" page in the big book.
extern int16_t g_first_research_page;
