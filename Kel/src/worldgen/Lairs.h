// Lairs: the guardians and treasure of every tower and node and of the monster lairs between them.
#pragma once

#include <cstdint>

// Fixed slots of _LAIRS.
constexpr int LAIR_FIRST_TOWER = 0;       // 0..5 towers on Duravav
constexpr int LAIR_FIRST_TOWER_COPY = 6;  // 6..11 the same towers on Dudaze
constexpr int LAIR_FIRST_NODE = 12;       // 12..41, slot 12 + node index
constexpr int LAIR_FIRST_NORMAL = 42;     // 42..66
constexpr int LAIR_FIRST_WEAK = 67;       // 67..98
constexpr int LAIR_FIRST_EMPTY = 99;      // 99..101 never filled

// What kind of site Create_Lair makes: 0 tower, 1..3 a node (its realm + 1), 4 any other lair.
enum Lair_Class : int16_t {
    LAIR_CLASS_TOWER = 0,
    LAIR_CLASS_SORCERY_NODE = 1,
    LAIR_CLASS_NATURE_NODE = 2,
    LAIR_CLASS_CHAOS_NODE = 3,
    LAIR_CLASS_OTHER = 4,
};

// Guardian realms, as unit-type race codes.
constexpr uint8_t GUARD_REALM_NATURE = 16;
constexpr uint8_t GUARD_REALM_SORCERY = 17;
constexpr uint8_t GUARD_REALM_CHAOS = 18;
constexpr uint8_t GUARD_REALM_LIFE = 19;
constexpr uint8_t GUARD_REALM_DEATH = 20;
constexpr int GUARD_FIRST_TYPE = 150;  // candidates are unit types 150..197 of the realm

// Spell_n_Special values beyond a spell's rarity 1..4.
constexpr int8_t LAIR_SPELLBOOK = 5;
constexpr int8_t LAIR_RETORT = 6;

void Generate_Lairs(void);
// The budget is wider than the saved fields: its products are worked out in 32 bits and the
// results saturate into the record.
void Create_Lair(int16_t lair_idx, int16_t wp, int16_t wx, int16_t wy, int16_t lair_class, int32_t budget);
// Copies each guardian count into the high nibble as the count at the start of the game; run once,
// as the last step of world generation.
void Set_Upper_Lair_Guardian_Count(void);
