// The page model of every spellbook: the spells of a book in group order cut into titled pages,
// an even number of them so that the book shows two-page spreads. Built for the small overland
// book (6 spells a page), the big research book (4 a page, ending with the research spread) and
// the combat book of one caster.
#pragma once

#include <cstdint>

// Spells of a list: positive known, negative not yet known (the spell number negated), 0 empty.
// The list holds every spell a wizard can own, so the big book never overflows it.
constexpr int SPELL_LIST_MAX = 240;
constexpr int SPELLBOOK_PAGE_SPELLS = 6;
constexpr int SPELLBOOK_TITLE_SIZE = 16;
// The most pages a build makes: every spell on a page of four, a part page per group, and the blank
// page and research spread.
constexpr int SPELLBOOK_PAGES_MAX = SPELL_LIST_MAX / 4 + 6 + 3;
constexpr int SPELLBOOK_GROUPS = 6;
constexpr int SMALL_BOOK_PER_PAGE = 6;
constexpr int BIG_BOOK_PER_PAGE = 4;

#pragma pack(push, 1)
struct Spellbook_Page {
    char title[SPELLBOOK_TITLE_SIZE];
    int16_t spells[SPELLBOOK_PAGE_SPELLS];
    uint8_t count;
    uint8_t reserved_29;
};
#pragma pack(pop)
static_assert(sizeof(Spellbook_Page) == 30);

extern int16_t m_spellbook_spell_list[SPELL_LIST_MAX];
extern int16_t m_spell_list_count;
// Spells counted per group, in the order of the counters (the layout order is 1, 2, 3, 5, 4, 6).
extern int16_t SBK_Group_1_Count;
extern int16_t SBK_Group_2_Count;
extern int16_t SBK_Group_3_Count;
extern int16_t SBK_Group_4_Count;
extern int16_t SBK_Group_5_Count;
extern int16_t SBK_Group_6_Count;
extern Spellbook_Page m_spellbook_pages[SPELLBOOK_PAGES_MAX];
extern int16_t m_spellbook_page_count;
// The most mana the human can put into one spell now.
extern int16_t g_spellbook_cast_mana_limit;
// The human's mana income per turn net of upkeep.
extern int16_t WIZ_ManaPerTurn;
// Research points per turn for a spell of each realm, with the realm's research bonus; 16 bits, as a
// strong wizard's income does not fit a byte.
extern int16_t g_research_income_by_realm[6];
// The left page of the overland book, remembered between openings.
extern int16_t g_spellbook_last_left_page;
// The left page of the combat book, kept between battles.
extern int16_t g_combat_spellbook_left_page;
// The index of the "Research" page in the big book.
extern int16_t g_first_research_page;
// The left page of the spread shown (even); set by the screen that opens a book.
extern int16_t g_spellbook_left_page;
// Which screen uses the book: 0 research choice, 1 casting, 2 apprentice.
extern int16_t g_spellbook_mode;

// Appends the human's spells of a kind to list from m_spell_list_count on: 0 known overland spells,
// 1 known combat spells, 2 every spell he may own (known positive, others negated).
void Build_Spell_List(int16_t kind, int16_t *list);
// Appends all 40 spells of the realm that may be cast in combat, as positive numbers.
void Combat_Spellbook_Add_Spells_From_Magic_Realm(int16_t *list, int16_t realm);
// Adds one to a group counter for each listed spell (the counters are zeroed by the caller).
void Spellbook_Group_Counts(void);
// The group (0-5, the counter's number less one) of a spell; the sign is ignored.
int16_t Spellbook_Spell_Group(int16_t spell);
// Lays the whole list out group by group and makes the page count even.
void Spellbook_Add_Group_Pages(int16_t per_page);
// Lays out the next n spells of a group (-1: the first n of the list) from the current page on.
void Spellbook_Add_Page(int16_t n, int16_t group, const char *title, int16_t per_page);
// The human's overland book (kind 0, 6 a page) or big book (kind 2, 4 a page).
void Build_Spellbook(int16_t kind, int16_t per_page);
// The combat book of a caster (battle-unit index below 20, or 20 + a wizard); 1 when he can cast
// a spell now.
int16_t Combat_Spellbook_Build(int16_t caster);

// The help record a big-book line points at: the spell's own (the Spell of Return's is 657), or -1
// for an empty line, a page outside the book or a spell not yet known.
int16_t Big_Book_Help_Index(int16_t page, int16_t slot);
