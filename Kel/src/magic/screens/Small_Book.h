// The small spellbook of overland casting: its spread and its page turn.
#pragma once

#include <cstdint>

// Draws the two pages from g_spellbook_left_page with the book's top left at (x, y).
void SmlBook_Draw(int16_t x, int16_t y);
// The page-turn animation, forward (1) or back (0).
void SmlBook_PageTurn(int16_t forward, int16_t combat, int16_t caster);
