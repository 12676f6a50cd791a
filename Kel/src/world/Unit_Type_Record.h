// The built-in table of unit kinds (0..34 heroes, then normal units, 154.. summoned creatures).
#pragma once

#include <cstddef>
#include <cstdint>

#include "world/Unit_Record.h"
#include "world/Unit_Type_Ids.h"

// Ability word bits.
enum Unit_Ability : uint16_t {
    UA_FANTASTIC = 0x0001,
    UA_LARGESHIELD = 0x0002,
    UA_PLANESHIFT = 0x0004,
    UA_WALLCRUSHER = 0x0008,
    UA_HEALER = 0x0010,
    UA_CREATEOUTPOST = 0x0020,
    UA_INVISIBILITY = 0x0040,
    UA_CREATEUNDEAD = 0x0080,
    UA_LONGRANGE = 0x0100,
    UA_LANDCORRUPTION = 0x0200,
    UA_MELD = 0x0400,
    UA_NONCORPOREAL = 0x0800,
    UA_WINDWALKING = 0x1000,
    UA_REGENERATION = 0x2000,
    UA_PURIFY = 0x4000,
    UA_NEGATEFIRSTSTRIKE = 0x8000,
};

// Unit types from this one on are summoned creatures.
constexpr int NUM_SUMMONED_TYPE_FIRST = ut_Nature_Creature_1;

// Attributes 1 bits (immunities and casters).
enum Unit_Attribute_1 : uint16_t {
    UI_FIRE_IMMUNITY = 0x0001,
    UI_STONING_IMMUNITY = 0x0002,
    UI_MISSILES_IMMUNITY = 0x0004,
    UI_ILLUSIONS_IMMUNITY = 0x0008,
    UI_COLD_IMMUNITY = 0x0010,
    UI_MAGIC_IMMUNITY = 0x0020,
    UI_DEATH_IMMUNITY = 0x0040,
    UI_POISON_IMMUNITY = 0x0080,
    UI_WEAPON_IMMUNITY = 0x0100,
    UI_LUCKY = 0x0400,
    UI_CASTER_20 = 0x2000,
    UI_CASTER_40 = 0x4000,
};

// Attributes 2 bits (spells the unit casts and battle bonuses).
enum Unit_Attribute_2 : uint8_t {
    UI2_HEALING_SPELL = 0x01,
    UI2_FIRE_BALL_SPELL = 0x02,
    UI2_DOOMBOLT_SPELL = 0x04,
    UI2_IMMOLATION = 0x08,
    UI2_WEB_SPELL = 0x10,
    UI2_CAUSE_FEAR_SPELL = 0x20,
    UI2_RESISTANCE_TO_ALL = 0x40,
    UI2_HOLY_BONUS = 0x80,
};

// Attack flag bits; 0x800 and 0x4000 come only from items and Eldritch Weapon.
enum Unit_Attack_Flag : uint16_t {
    UAF_ARMOR_PIERCING = 0x0001,
    UAF_FIRST_STRIKE = 0x0002,
    UAF_POISON = 0x0004,
    UAF_LIFE_STEAL = 0x0008,
    UAF_AUTOMATIC_DAMAGE = 0x0010,
    UAF_DESTRUCTION = 0x0020,
    UAF_ILLUSION = 0x0040,
    UAF_STONING_TOUCH = 0x0080,
    UAF_DEATH_TOUCH = 0x0200,
    UAF_POWER_DRAIN = 0x0400,
    UAF_DISPEL_EVIL = 0x0800,
    UAF_ELDRITCH_WEAPON = 0x4000,
};

// Ranged kinds: tens 1 and 2 physical missiles (2 bows and slings), 3 magic; then the breaths and gazes.
enum Unit_Ranged_Kind : uint8_t {
    rk_Missile_First = 10,
    rk_Bow_First = 20,
    rk_Bow_Last = 29,
    rk_Magic_First = 30,
    rk_Magic_Last = 39,
    rk_Thrown = 100,
    rk_Fire_Breath = 101,
    rk_Lightning = 102,
    rk_Stoning_Gaze = 103,
    rk_Doom_Gaze = 104,
    rk_Death_Gaze = 105,
    rk_None = 255,  // -1 in the type table's signed byte
};

// Movement flag bits
constexpr uint16_t MV_FOOT = 0x01;
constexpr uint16_t MV_SAILING = 0x02;
constexpr uint16_t MV_SWIMMING = 0x04;
constexpr uint16_t MV_FLYING = 0x08;
constexpr uint16_t MV_TELEPORTING = 0x10;
constexpr uint16_t MV_FORESTER = 0x20;
constexpr uint16_t MV_MOUNTAINEER = 0x40;
constexpr uint16_t MV_MERGING = 0x80;

struct Unit_Type_Record {
    const char *name;
    int8_t Melee;
    int8_t Ranged;
    int8_t Ranged_Type;  // -1 none
    uint8_t Ammo;
    int8_t To_Hit;
    int8_t Defense;
    int8_t Resist;
    uint8_t Move_Halves;
    int16_t cost;
    uint8_t Upkeep;
    uint8_t race;  // 0..13 peoples, 14 any, 16..20 realms of summoned creatures
    uint8_t hero_portrait;
    uint8_t reqd_bldg_1;
    uint8_t reqd_bldg_2;
    uint8_t hero_class;
    // The statistics-window figure picture, as a byte offset into the graphics cache block
    // (0: not loaded); the record keeps the DOS 48-byte shape, which has no room for a pointer.
    uint32_t pict_ofs;
    uint8_t spare_28;
    uint8_t spare_29;
    uint8_t Hits;
    uint8_t Sight;
    uint8_t Transport;
    uint8_t Figures;
    int8_t Construction;
    uint8_t Spec_Att_Attr;
    uint16_t Move_Flags;
    uint16_t Attribs_1;
    uint8_t Attribs_2;
    uint8_t spare_41;
    uint16_t Abilities;
    uint16_t Attack_Flags;
    int16_t Sound;
};

static_assert(sizeof(Unit_Type_Record) == 48);
static_assert(offsetof(Unit_Type_Record, Melee) == 8);
static_assert(offsetof(Unit_Type_Record, Move_Halves) == 15);
static_assert(offsetof(Unit_Type_Record, cost) == 16);
static_assert(offsetof(Unit_Type_Record, Upkeep) == 18);
static_assert(offsetof(Unit_Type_Record, race) == 19);
static_assert(offsetof(Unit_Type_Record, hero_portrait) == 20);
static_assert(offsetof(Unit_Type_Record, Sight) == 31);
static_assert(offsetof(Unit_Type_Record, Transport) == 32);
static_assert(offsetof(Unit_Type_Record, Figures) == 33);
static_assert(offsetof(Unit_Type_Record, Construction) == 34);
static_assert(offsetof(Unit_Type_Record, Spec_Att_Attr) == 35);
static_assert(offsetof(Unit_Type_Record, Move_Flags) == 36);
static_assert(offsetof(Unit_Type_Record, Attribs_1) == 38);
static_assert(offsetof(Unit_Type_Record, Attribs_2) == 40);
static_assert(offsetof(Unit_Type_Record, Abilities) == 42);
static_assert(offsetof(Unit_Type_Record, Attack_Flags) == 44);
static_assert(offsetof(Unit_Type_Record, Sound) == 46);

extern Unit_Type_Record _unit_type_table[NUM_UNIT_TYPES];
extern const char *_unit_type_names[NUM_UNIT_TYPES];

// Restores the built-in values (tests use it to undo changes to the table).
void Unit_Type_Table_Reset(void);
// Address of a type's statistics-window figure picture, or null while none is loaded.
uint8_t *Unit_Type_Figure_Picture(int unit_type);
