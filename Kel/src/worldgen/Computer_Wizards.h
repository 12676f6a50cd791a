// The computer wizards of a new game (pictures, names, books, retorts, banners) and every wizard's
// spell library.
#pragma once

#include <cstdint>

constexpr int NUM_BANNERS = 5;
constexpr int MYRRAN_PROFILE_ROUNDS = 100;
constexpr int WIZARD_BOOKS_MAX = 12;
constexpr int REALM_BOOKS_MAX = 11;

void Init_Computer_Players(void);
void Init_Computer_Players_Wizard_Profile(void);
void Consolidate_Spell_Book_Realms(int16_t player_idx);
void Init_Computer_Players_Spell_Library(void);

// The picks a wizard's books and retorts are worth.
int16_t Wizard_Picks(int16_t player_idx);
int16_t Retort_Pick_Cost(int16_t retort);
