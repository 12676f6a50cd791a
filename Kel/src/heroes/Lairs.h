// Lairs, nodes and the other sites of the map that hold guards and treasure.
#pragma once

#include <cstdint>

// The first intact site on the square, or -1.
int16_t Square_Has_Lair(int16_t wx, int16_t wy, int16_t wp);
// A stack's entry into a lair (confirmation for the human, guard battle, treasure): 1 when the
// stack took the lair and stands on it, 99 when the human declined, 0 otherwise.
int16_t Lair_Combat__WIP(int16_t lair_idx, int16_t player_idx);

// What a taken site gives, between its steps.
constexpr int LAIR_ITEM_ROOM = 4;  // the site's 3 and one added by a special it could not give
struct Lair_Treasure {
    int16_t items[LAIR_ITEM_ROOM];
    int16_t item_count;
    int16_t spell;  // -1 none
    int16_t hero_type;
    int16_t hero_slot;    // -1 no prisoner
    int16_t specials[2];  // a realm 0..4 (a book) or 100 + a retort
    int16_t special_count;
    int16_t total;  // phrases of the message
};
constexpr int16_t LAIR_SPECIAL_RETORT = 100;
constexpr int16_t LAIR_TREASURE_ROW = 60;
constexpr int LAIR_TEXT_ROOM = 600;

// The site is looted; a tower's other plane with it.
void Lair_Clear(int16_t lair_idx);
// The entry text ("You have found ..."), logged; 1 to enter.
int16_t Do_Lair_Confirm(int16_t lair_idx);
void Lair_Confirm_Text(int16_t lair_idx, char *text, int size);
void Lair_Generate_Treasure(int16_t player_idx, int16_t lair_idx, Lair_Treasure *treasure);
// One or two retorts or spell books; the count and list grow by what was given.
void EZ_SpecialTreasure(int16_t player_idx, int16_t lair_idx, int16_t wanted, int16_t *count, int16_t *list);
// The realm of the books found at the site.
int16_t Lair_Magic_Realm(int16_t lair_idx);
// "Inside you find ..."; may lower the treasure's total as phrases fold.
void Lair_Treasure_Text(int16_t lair_idx, Lair_Treasure *treasure, char *text, int size);
// The treasure message, logged and shown at the row.
void Lair_Treasure_Popup(int16_t lair_idx, int16_t row, Lair_Treasure *treasure);
void Lair_Loot_Gold_And_Mana(int16_t lair_idx, int16_t player_idx);
