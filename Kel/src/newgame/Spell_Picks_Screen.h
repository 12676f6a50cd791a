// The custom wizard's start spells: one page per realm of at least two books, preselected with
// the realm's default spells.
#pragma once

#include <cstdint>

constexpr int NEWGAME_SPELL_BOXES = 3;  // common, uncommon, rare
constexpr int NEWGAME_SPELLS_PER_BOX = 10;

// Realms in page order: Life, Death, Chaos, Nature, Sorcery.
extern const int16_t TBL_Realm_Order[5];

// 4 after Escape on any page, 6 when every page is done.
int16_t Newgame_Screen_5(void);
void Newgame_Screen_5_Spell_Fields(void);
void Newgame_Screen_5_Draw(void);
void Newgame_Screen_5_Draw_Spells(void);

// Spells of each rarity that a realm grants, by table index (books - 2 here, books - 1 for a
// preset wizard): 1..10 common, 2 uncommon and 1 rare at the last index.
void Newgame_Start_Spell_Counts(int16_t index, int16_t *common, int16_t *uncommon, int16_t *rare);

// ---- a page's rules, on the human's start spells ----
// Starts the page of a realm: its slots preselected from the realm's defaults. 0 when the realm
// has fewer than two books and has no page.
int16_t Newgame_Spell_Page_Begin(int16_t realm);
// A click on spell offset `offset` (0..29) of the page: chosen, released or replaced; 2 when it
// is refused (no pick left in its box), else 0.
int16_t Newgame_Spell_Page_Click(int16_t offset);
// Spells still to choose on the page.
int16_t Newgame_Spell_Page_Picks_Left(void);
// The page's offered boxes: the rarity (0..2) and count of box n, or -1 past the last.
int16_t Newgame_Spell_Page_Box(int16_t n, int16_t *count);
