// Magic items (_ITEMS), heroes per player (_HEROES2) and hero names (hero_names_table), all saved
// with the game byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int NUM_ITEMS = 138;
constexpr int NUM_LIVE_ITEMS = 132;
constexpr int ITEM_BEING_MADE = 137;
constexpr int NUM_PREFAB_ITEMS = 250;

#pragma pack(push, 1)
struct Item_Record {
    char name[30];
    int16_t icon_idx;
    uint8_t Slot_Type;            // 1..6
    uint8_t type;                 // 0 Sword .. 9 Plate
    int16_t cost;                 // below 1: free slot
    int8_t attack;
    int8_t tohit;
    int8_t defense;
    int8_t moves2;
    int8_t resistance;
    int8_t spell_skill;
    int8_t spell_save;
    uint8_t Spell;                // charged spell, an index into spell_data_table
    int16_t charges;
    uint32_t Powers;
};

struct Hero_Record {
    int16_t Level;                // 0..8; -20 in service; other negatives: dead
    uint32_t abilities;
    int8_t Casting_Skill;
    uint8_t Spells[4];
    uint8_t unused_11;
};

struct Hero_Name_Record {
    char name[14];
    int16_t experience;
};
#pragma pack(pop)

static_assert(sizeof(Item_Record) == 50);
static_assert(offsetof(Item_Record, icon_idx) == 30);
static_assert(offsetof(Item_Record, cost) == 34);
static_assert(offsetof(Item_Record, moves2) == 39);
static_assert(offsetof(Item_Record, Spell) == 43);
static_assert(offsetof(Item_Record, charges) == 44);
static_assert(offsetof(Item_Record, Powers) == 46);
static_assert(sizeof(Hero_Record) == 12);
static_assert(offsetof(Hero_Record, abilities) == 2);
static_assert(offsetof(Hero_Record, Casting_Skill) == 6);
static_assert(offsetof(Hero_Record, Spells) == 7);
static_assert(sizeof(Hero_Name_Record) == 16);
static_assert(offsetof(Hero_Name_Record, experience) == 14);
