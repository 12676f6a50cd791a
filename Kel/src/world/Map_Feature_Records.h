// Magic nodes, plane towers, wizards' fortresses and lairs; their layouts are part of the saved game.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int NUM_NODES = 30;
constexpr int NUM_TOWERS = 6;
constexpr int NUM_FORTRESSES = 6;
constexpr int NUM_LAIRS = 102;
constexpr int NODE_MAX_AURA = 20;

// Node types by realm: X(name, number), in number order.
#define NODE_TYPE_ROWS(X)                                                                                              \
    X(Sorcery, 0)                                                                                                      \
    X(Nature, 1)                                                                                                       \
    X(Chaos, 2)

enum Node_Type : uint8_t {
#define NODE_TYPE_ENUM_ROW(name, number) nt_##name = number,
    NODE_TYPE_ROWS(NODE_TYPE_ENUM_ROW)
#undef NODE_TYPE_ENUM_ROW
};
constexpr int NUM_NODE_TYPES = 3;
#define NODE_TYPE_COUNT_ROW(name, number) +1
static_assert(0 NODE_TYPE_ROWS(NODE_TYPE_COUNT_ROW) == NUM_NODE_TYPES);
#undef NODE_TYPE_COUNT_ROW

// Lair types: X(name, number, the name used in messages), in number order. Types 1..3 are the
// lairs that guard a node, of the node's realm.
// clang-format off
#define LAIR_TYPE_ROWS(X)                            \
    X(Tower,           0, "tower")                   \
    X(Chaos_Node,      1, "chaos node")              \
    X(Nature_Node,     2, "nature node")             \
    X(Sorcery_Node,    3, "sorcery node")            \
    X(Cave,            4, "mysterious cave")         \
    X(Dungeon,         5, "dungeon")                 \
    X(Ancient_Temple,  6, "ancient temple")          \
    X(Keep,            7, "abandoned keep")          \
    X(Monster_Lair,    8, "monster lair")            \
    X(Ruins,           9, "ruins")                   \
    X(Fallen_Temple,  10, "fallen temple")
// clang-format on

enum Lair_Type : uint8_t {
#define LAIR_TYPE_ENUM_ROW(name, number, message) lt_##name = number,
    LAIR_TYPE_ROWS(LAIR_TYPE_ENUM_ROW)
#undef LAIR_TYPE_ENUM_ROW
};

#pragma pack(push, 1)
struct Node_Record {
    uint8_t wx;
    uint8_t wy;
    uint8_t wp;
    int8_t owner_idx;  // -1 none
    uint8_t power;     // aura squares in use
    uint8_t Aura_Xs[NODE_MAX_AURA];
    uint8_t Aura_Ys[NODE_MAX_AURA];
    uint8_t type;   // Node_Type
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
    uint8_t type;  // Lair_Type, index into TBL_EZ_Names
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
#define LAIR_TYPE_COUNT_ROW(name, number, message) +1
static_assert(0 LAIR_TYPE_ROWS(LAIR_TYPE_COUNT_ROW) == NUM_LAIR_TYPES);
#undef LAIR_TYPE_COUNT_ROW
extern const char *const TBL_EZ_Names[NUM_LAIR_TYPES];
