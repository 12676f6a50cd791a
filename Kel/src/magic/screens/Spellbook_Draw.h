// Drawing the pages of the spellbook page model into the two book pictures, and the page turns:
// the small book (two pages of six spells, overland and combat) and the big book (two pages of
// four spells with costs in words, turns and the spell's description).
#pragma once

#include <cstdint>

#include "magic/Spellbook_Pages.h"

constexpr int SPELL_DESCRIPTION_SIZE = 110;
constexpr int SPELLBOOK_DESCRIPTIONS = 16;
constexpr int16_t BIG_BOOK_PAGE_WIDTH = 129;
constexpr int16_t BIG_BOOK_PAGE_HEIGHT = 200;
constexpr int16_t BIG_BOOK_LEFT_X = 25;
constexpr int16_t BIG_BOOK_RIGHT_X = 173;
constexpr int16_t BIG_BOOK_PAGE_Y = -20;
constexpr int16_t BIG_BOOK_LINE_HEIGHT = 37;
// BigBook_PageTurn's direction that turns to the research spread, wherever the book is open.
constexpr int16_t BIG_BOOK_TO_RESEARCH = 666;
// The palette colour of the spell being cast or researched; it pulses while a book is drawn.
constexpr uint8_t SPELLBOOK_HIGHLIGHT = 198;

// The descriptions of the big book in four blocks of four: the shown left and right page, then the
// left and right page of the spread being turned to.
extern char g_spellbook_descriptions[SPELLBOOK_DESCRIPTIONS][SPELL_DESCRIPTION_SIZE];
// The reveal step of a learned spell; also the big book's frame counter.
extern int16_t g_spellbook_anim_stage;

// One overland page, 122 x 132, into bitmap.
void SmlBook_Compose(uint8_t *bitmap, const Spellbook_Page *page);
// One combat page for a caster (battle-unit index below 20, or 20 plus a wizard).
void Combat_Spellbook_Compose(uint8_t *bitmap, int16_t caster, const Spellbook_Page *page);
// The overland small book with both pages, the book at (x, y).
void SmlBook_Draw(int16_t x, int16_t y);
void Combat_Spellbook_Draw(int16_t x, int16_t y, int16_t caster);
// The small book's page turn (forward 1, backward 0), the book at (16, 10); the caller moves the
// left page afterwards.
void SmlBook_PageTurn(int16_t forward, int16_t combat, int16_t caster);

// One big-book page, 129 x 200; left_layout 1 for a left page.
void BigBook_Compose(int16_t page_idx, uint8_t *bitmap, int16_t left_layout);
// The big book's redraw: the spread at g_spellbook_left_page over the book on the back page.
void BigBook_Draw(void);
// The big book's page turn: 1 forward one spread, 0 backward, BIG_BOOK_TO_RESEARCH to the research
// spread. The caller moves the left page afterwards.
void BigBook_PageTurn(int16_t direction);
// Loads the descriptions of the shown spread into blocks 0-1 and of the spread at target into 2-3.
void BigBook_Load_Spell_Descriptions(int16_t target_left_page);
// Turns of a cost at so much a turn: rounded up, 999 when nothing comes in.
int16_t Spellbook_Turns(int32_t cost, int32_t per_turn);
