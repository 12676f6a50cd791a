// The new-game screens "Select Wizard", "Select Picture" and "Wizard's Name", the human's wizard
// taken from a preset, and what every later set-up screen draws the same way: the portrait, the
// wizard's name and the shelf of spell books under it.
#pragma once

#include <cstdint>

constexpr int NEWGAME_BOOK_PICTURES = 15;
constexpr int NEWGAME_BOOK_SLOTS = 11;
constexpr int16_t NEWGAME_SHELF_X = 36;
constexpr int16_t NEWGAME_SHELF_Y = 135;

// Picture variants (0..2) of the books: the shelf under the portrait, and the book rows of the
// picks screen (Death, Life, Nature, Sorcery, Chaos rows in that order of table number).
extern int16_t TBL_Bookshelf_Books[NEWGAME_BOOK_SLOTS];
extern int16_t TBL_Realm0_Books[NEWGAME_BOOK_SLOTS];
extern int16_t TBL_Realm1_Books[NEWGAME_BOOK_SLOTS];
extern int16_t TBL_Realm2_Books[NEWGAME_BOOK_SLOTS];
extern int16_t TBL_Realm3_Books[NEWGAME_BOOK_SLOTS];
extern int16_t TBL_Realm4_Books[NEWGAME_BOOK_SLOTS];

// NEWGAME.LBX entries 24..38: three pictures a realm, realms in the order Life, Sorcery, Nature,
// Death, Chaos.
extern uint8_t *newgame_book_pictures[NEWGAME_BOOK_PICTURES];

// Shelf orders of realms (book realm numbers).
extern const int16_t NEWGAME_SHELF_PRESET_ORDER[5];  // Life, Sorcery, Nature, Death, Chaos
extern const int16_t NEWGAME_SHELF_PICKS_ORDER[5];   // Life, Death, Chaos, Nature, Sorcery

// 0 after Escape, 2 for Custom, 3 after a preset was taken.
int16_t Newgame_Screen_1(void);
// 1 after Escape, 3 after a portrait was taken.
int16_t Newgame_Screen_2(void);
// -1 after Escape, 0 when the name was accepted.
int16_t Newgame_Screen_3(void);

void Human_Player_Wizard_Profile(int16_t preset);
void Randomize_Book_Heights(void);
void Draw_Default_Bookshelf(int16_t preset);
void Newgame_Screen_1_2_Draw(void);
void Newgame_Screen_3_Draw(void);
void Set_Newgame_Screen_1_Help_List(int16_t custom_offered);
void Set_Newgame_Screen_2_Help_List(void);

// The preset shown on screens 1 and 2 (the one under the pointer), -1 for none.
int16_t Newgame_Displayed_Wizard(void);
// Whether the Custom entry is offered: not at the Intro difficulty.
int16_t Newgame_Custom_Offered(void);
// The name box's rule: the text trimmed; an empty result keeps the previous name.
void Newgame_Accept_Name(const char *typed);

// ---- shared by the later set-up screens ----
// Loads the book pictures after the screen's other pictures.
void Newgame_Load_Book_Pictures(void);
// The picture of book `slot` of a realm from its variant table.
uint8_t *Newgame_Book_Picture(int16_t realm, int16_t variant);
// The books of `books` (book realm order) realm by realm in `order`, from x 36 at y 135.
void Newgame_Draw_Bookshelf(const int16_t *books, const int16_t order[5]);
void Newgame_Draw_Portrait(int16_t portrait);
// A name centred under the portrait in font style 4.
void Newgame_Draw_Wizard_Name(const char *name);
// The screen title centred at 242, 1 in font style 5 with a shadow below.
void Newgame_Draw_Title(const char *title);
// Font style with all sixteen colours of the text one colour.
void Newgame_Font_Colour(int16_t style, uint8_t colour);

// Colours of the set-up screens' texts.
constexpr uint8_t NEWGAME_SHADOW_COLOUR = 31;
constexpr uint8_t NEWGAME_TEXT_COLOUR = 187;
constexpr uint8_t NEWGAME_SELECTED_COLOUR = 198;
constexpr uint8_t NEWGAME_AVAILABLE_COLOUR = 187;
constexpr uint8_t NEWGAME_GREYED_COLOUR = 20;
constexpr uint8_t NEWGAME_HIGHLIGHT_COLOUR = 15;
