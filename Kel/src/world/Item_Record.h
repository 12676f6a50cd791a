// Magic items (_ITEMS), heroes per player (_HEROES2) and hero names (hero_names_table), all saved
// with the game byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int NUM_ITEMS = 138;
constexpr int NUM_LIVE_ITEMS = 132;
constexpr int ITEM_BEING_MADE = 137;
constexpr int NUM_PREFAB_ITEMS = 250;

// Item power bits of Item_Record::Powers.
enum Item_Power : uint32_t {
    ip_Vampiric = 0x1,
    ip_Guardian_Wind = 0x2,
    ip_Lightning = 0x4,
    ip_Cloak_of_Fear = 0x8,
    ip_Destruction = 0x10,
    ip_Wraithform = 0x20,
    ip_Regeneration = 0x40,
    ip_Pathfinding = 0x80,
    ip_Water_Walking = 0x100,
    ip_Resist_Elements = 0x200,
    ip_Elemental_Armor = 0x400,
    ip_Doom = 0x800,
    ip_Stoning = 0x1000,
    ip_Endurance = 0x2000,
    ip_Haste = 0x4000,
    ip_Invisibility = 0x8000,
    ip_Death = 0x10000,
    ip_Flight = 0x20000,
    ip_Resist_Magic = 0x40000,
    ip_Magic_Immunity = 0x80000,
    ip_Flaming = 0x100000,
    ip_Holy_Avenger = 0x200000,
    ip_True_Sight = 0x400000,
    ip_Phantasmal = 0x800000,
    ip_Power_Drain = 0x1000000,
    ip_Bless = 0x2000000,
    ip_Lion_Heart = 0x4000000,
    ip_Giant_Strength = 0x8000000,
    ip_Planar_Travel = 0x10000000,
    ip_Merging = 0x20000000,
    ip_Righteousness = 0x40000000,
    ip_Invulnerability = 0x80000000,
};
constexpr int NUM_ITEM_PLACES = 3;  // item places of a hero slot

enum Item_Type : uint8_t {
    it_Sword = 0,
    it_Mace = 1,
    it_Axe = 2,
    it_Bow = 3,
    it_Staff = 4,
    it_Wand = 5,
    it_Misc = 6,
    it_Shield = 7,
    it_Chain = 8,
    it_Plate = 9,
};

// Hero ability bits of Hero_Record::abilities, each skill in its normal and its super form.
enum Hero_Ability : uint32_t {
    hab_Leadership = 0x1,
    hab_Leadership_Super = 0x2,
    hab_Legendary = 0x8,
    hab_Legendary_Super = 0x10,
    hab_Blademaster = 0x40,
    hab_Blademaster_Super = 0x80,
    hab_Armsmaster = 0x200,
    hab_Armsmaster_Super = 0x400,
    hab_Constitution = 0x1000,
    hab_Constitution_Super = 0x2000,
    hab_Might = 0x8000,
    hab_Might_Super = 0x10000,
    hab_Arcane_Power = 0x40000,
    hab_Arcane_Power_Super = 0x80000,
    hab_Sage = 0x200000,
    hab_Sage_Super = 0x400000,
    hab_Prayermaster = 0x1000000,
    hab_Prayermaster_Super = 0x2000000,
    hab_Agility_Super = 0x4000000,
    hab_Lucky = 0x8000000,
    hab_Charmed = 0x10000000,
    hab_Noble = 0x20000000,
    hab_Agility = 0x80000000,
};

#pragma pack(push, 1)
struct Item_Record {
    char name[30];
    int16_t icon_idx;
    uint8_t Slot_Type;  // 1..6
    uint8_t type;       // 0 Sword .. 9 Plate
    int16_t cost;       // below 1: free slot
    int8_t attack;
    int8_t tohit;
    int8_t defense;
    int8_t moves2;
    int8_t resistance;
    int8_t spell_skill;
    int8_t spell_save;
    uint8_t Spell;  // charged spell, an index into spell_data_table
    int16_t charges;
    uint32_t Powers;
};

struct Hero_Record {
    int16_t Level;  // 0..8; -20 in service; other negatives: dead
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
