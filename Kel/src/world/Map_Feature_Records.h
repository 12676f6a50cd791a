// Magic nodes, plane towers, wizards' fortresses and lairs; their layouts are part of the saved game.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int NUM_NODES = 30;
constexpr int NUM_TOWERS = 6;
constexpr int NUM_FORTRESSES = 6;
constexpr int NUM_LAIRS = 102;
constexpr int NODE_MAX_AURA = 20;

#pragma pack(push, 1)
struct Node_Record {
    uint8_t wx;
    uint8_t wy;
    uint8_t wp;
    int8_t owner_idx;  // -1 none
    uint8_t power;     // aura squares in use
    uint8_t Aura_Xs[NODE_MAX_AURA];
    uint8_t Aura_Ys[NODE_MAX_AURA];
    uint8_t type;   // 0 sorcery, 1 nature, 2 chaos
    uint8_t flags;  // 1 warped, 2 guardian spirit
    uint8_t spare_47;
};

struct Tower_Record {
    uint8_t wx;
    uint8_t wy;
    int8_t owner_idx;  // -1 none
    uint8_t spare_3;
};

struct Fortress_Record {
    uint8_t wx;
    uint8_t wy;
    uint8_t wp;
    uint8_t active;  // 1 while the fortress stands
};

struct Lair_Record {
    uint8_t wx;
    uint8_t wy;
    uint8_t wp;
    uint8_t Intact;
    uint8_t type;  // index into TBL_EZ_Names
    uint8_t guard1_unit_type;
    uint8_t guard1_count;  // low nibble left, high nibble at the start of the game
    uint8_t guard2_unit_type;
    uint8_t guard2_count;
    uint8_t spare_9;
    int16_t Loot_Gold;
    int16_t Loot_Mana;
    int8_t Spell_n_Special;
    uint8_t Misc_Flags;  // bit 0: a prisoner is held here
    int8_t Item_Count;
    uint8_t spare_17;
    int16_t Item_Values[3];
};
#pragma pack(pop)

static_assert(sizeof(Node_Record) == 48);
static_assert(offsetof(Node_Record, Aura_Xs) == 5);
static_assert(offsetof(Node_Record, Aura_Ys) == 25);
static_assert(offsetof(Node_Record, type) == 45);
static_assert(offsetof(Node_Record, flags) == 46);
static_assert(sizeof(Tower_Record) == 4);
static_assert(sizeof(Fortress_Record) == 4);
static_assert(sizeof(Lair_Record) == 24);
static_assert(offsetof(Lair_Record, Loot_Gold) == 10);
static_assert(offsetof(Lair_Record, Spell_n_Special) == 14);
static_assert(offsetof(Lair_Record, Item_Count) == 16);
static_assert(offsetof(Lair_Record, Item_Values) == 18);

constexpr int NUM_LAIR_TYPES = 11;
extern const char *const TBL_EZ_Names[NUM_LAIR_TYPES];
