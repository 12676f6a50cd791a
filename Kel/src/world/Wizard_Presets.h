// The fourteen preset wizards of the new-game screens (and the custom slot), the start-spell list of
// computer wizards, each player's start spells, and the race chosen for the human's first city.
#pragma once

#include <cstddef>
#include <cstdint>

#include "world/Player_Record.h"

constexpr int NUM_WIZARD_PRESETS = 15;  // 14 pictures, then the custom choice
constexpr int WIZARD_PRESET_CUSTOM = 14;
constexpr int WIZARD_PRESET_NAME_SIZE = 10;
constexpr int NUM_REALMS = 5;  // books: Nature, Sorcery, Chaos, Life, Death
constexpr int START_SPELLS_PER_REALM = 13;
constexpr int NUM_START_SPELLS = NUM_REALMS * START_SPELLS_PER_REALM;  // 65

// Realm order of books, of spell numbers and of the start-spell rows.
enum Realm_Index : int {
    sbr_Nature = 0,
    sbr_Sorcery = 1,
    sbr_Chaos = 2,
    sbr_Life = 3,
    sbr_Death = 4,
    sbr_Arcane = 5,
};

#pragma pack(push, 1)
// Book counts are in this record's own order (Life first), not the player record's realm order.
struct Wizard_Preset_Record {
    char name[WIZARD_PRESET_NAME_SIZE];
    int16_t Life;
    int16_t Sorcery;
    int16_t Nature;
    int16_t Death;
    int16_t Chaos;
    int16_t retort;  // Retort_Index, -1 none
};
#pragma pack(pop)

static_assert(sizeof(Wizard_Preset_Record) == 22);
static_assert(offsetof(Wizard_Preset_Record, Life) == 10);
static_assert(offsetof(Wizard_Preset_Record, retort) == 20);

extern const Wizard_Preset_Record _wizard_presets_table[NUM_WIZARD_PRESETS];

// Realm-major, 13 spell numbers a realm; every computer wizard's start-spell row is a copy.
extern const int16_t _default_spells[NUM_START_SPELLS];

// Per player, in the layout of _default_spells. The human's row comes from the wizard screens.
extern int16_t _player_start_spells[NUM_PLAYERS][NUM_START_SPELLS];

// Race (0..13) chosen on the race screen for the human's first city.
extern int16_t NEWG_Clicked_Race;

// The preset's book counts in the player record's realm order (Nature, Sorcery, Chaos, Life, Death).
void Wizard_Preset_Books(int16_t preset, int16_t books[NUM_REALMS]);
