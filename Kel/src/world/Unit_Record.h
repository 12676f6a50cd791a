// One unit of the world: the 32-byte record of the unit table, stored unchanged in the saved game.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct Unit_Record {
    uint8_t wx;
    uint8_t wy;
    uint8_t wp;
    int8_t owner_idx;    // 0..5 alive; anything else marks a dead unit
    uint8_t moves2_max;  // half-moves per turn
    uint8_t type;
    int8_t Hero_Slot;  // -1 for every unit that is not a hero
    uint8_t Finished;
    uint8_t moves2;  // half-moves left this turn
    uint8_t dst_wx;
    uint8_t dst_wy;
    uint8_t Status;
    int8_t Level;
    uint8_t reserved_13;
    int16_t XP;
    uint8_t ai_flag;
    int8_t Damage;
    uint8_t Draw_Priority;
    uint8_t reserved_19;
    int16_t in_tower;
    uint8_t Sight_Range;
    uint8_t mutations;
    uint32_t enchantments;
    int8_t Rd_Constr_Left;  // -1 when the unit builds no road
    uint8_t Rd_From_X;
    uint8_t Rd_From_Y;
    uint8_t reserved_31;
};
#pragma pack(pop)

static_assert(sizeof(Unit_Record) == 32);
static_assert(offsetof(Unit_Record, type) == 5);
static_assert(offsetof(Unit_Record, Status) == 11);
static_assert(offsetof(Unit_Record, XP) == 14);
static_assert(offsetof(Unit_Record, Damage) == 17);
static_assert(offsetof(Unit_Record, in_tower) == 20);
static_assert(offsetof(Unit_Record, mutations) == 23);
static_assert(offsetof(Unit_Record, enchantments) == 24);
static_assert(offsetof(Unit_Record, Rd_Constr_Left) == 28);
static_assert(offsetof(Unit_Record, Rd_From_Y) == 30);

// The table has room for 1,014 records; the saved game stores 1,009 of them and at most
// 1,000 are ever in use. Create_Unit refuses at the cap whatever _units says.
constexpr int UNIT_TABLE_CAPACITY = 1014;
constexpr int UNIT_SAVE_RECORDS = 1009;
constexpr int UNIT_MAX_IN_USE = 1000;
constexpr int UNIT_SOFT_CAP_ALL = 980;
constexpr int UNIT_SOFT_CAP_COMPUTER = 950;
constexpr int16_t UNIT_SOURCE_PLAIN = -1;
constexpr int16_t UNIT_SOURCE_UNCAPPED = 2000;

constexpr int NUM_UNIT_TYPES = 198;
constexpr int NUM_HERO_TYPES = 35;

// Unit status codes
enum Unit_Status : uint8_t {
    us_Ready = 0,
    us_Patrol = 1,
    us_BuildRoad = 2,
    us_GOTO = 3,
    us_ReachedDest = 4,
    us_Wait = 5,
    us_Casting = 6,
    us_Purify = 8,
    us_Meld = 9,
    us_Settle = 10,
    us_SeekTransport = 11,
    us_MoveToAttack = 16,
};

// Mutation bits
constexpr uint8_t UM_WEAPON_MASK = 0x03;
constexpr uint8_t UM_CHAOS_CHANNELS_DEMON_SKIN = 0x04;
constexpr uint8_t UM_CHAOS_CHANNELS_DEMON_WINGS = 0x08;
constexpr uint8_t UM_CHAOS_CHANNELS_FIERY_BREATH = 0x10;
constexpr uint8_t UM_UNDEAD = 0x20;
constexpr uint8_t UM_STASIS_INIT = 0x40;
constexpr uint8_t UM_STASIS_LINGER = 0x80;

// Unit enchantment bits (the order of _unit_enchantment_data).
enum Unit_Enchantment : uint32_t {
    UE_IMMOLATION = 0x1,
    UE_GUARDIANWIND = 0x2,
    UE_BERSERK = 0x4,
    UE_CLOAKOFFEAR = 0x8,
    UE_BLACKCHANNELS = 0x10,
    UE_WRAITHFORM = 0x20,
    UE_REGENERATE = 0x40,
    UE_PATHFINDING = 0x80,
    UE_WATERWALKING = 0x100,
    UE_RESISTELEMENTS = 0x200,
    UE_ELEMENTALARMOR = 0x400,
    UE_STONESKIN = 0x800,
    UE_IRONSKIN = 0x1000,
    UE_ENDURANCE = 0x2000,
    UE_SPELLLOCK = 0x4000,
    UE_INVISIBILITY = 0x8000,
    UE_WINDWALKING = 0x10000,
    UE_FLIGHT = 0x20000,
    UE_RESISTMAGIC = 0x40000,
    UE_MAGICIMMUNITY = 0x80000,
    UE_FLAMEBLADE = 0x100000,
    UE_ELDRITCHWEAPON = 0x200000,
    UE_TRUESIGHT = 0x400000,
    UE_HOLYWEAPON = 0x800000,
    UE_HEROISM = 0x1000000,
    UE_BLESS = 0x2000000,
    UE_LIONHEART = 0x4000000,
    UE_GIANTSTRENGTH = 0x8000000,
    UE_PLANARTRAVEL = 0x10000000,
    UE_HOLYARMOR = 0x20000000,
    UE_RIGHTEOUSNESS = 0x40000000,
    UE_INVULNERABILITY = 0x80000000,
};
constexpr int NUM_UNIT_ENCHANTMENTS = 32;

// Experience needed for levels 0 to 8.
constexpr int NUM_UNIT_LEVELS = 9;
extern const int16_t TBL_Experience[NUM_UNIT_LEVELS];

// Appends a unit; 1 when it was made, 0 when refused. source: a city index, -1 or 2000 (plain,
// level 0; only 2000 lifts the soft caps), or -(level + 1) for a unit made at a level.
int16_t Create_Unit(int16_t unit_type, int16_t owner_idx, int16_t wx, int16_t wy, int16_t wp, int16_t source);
void Delete_Dead_Units(void);
int16_t Unit_Moves2(int16_t unit_idx);
int16_t Unit_Is_Normal(int16_t unit_idx);
