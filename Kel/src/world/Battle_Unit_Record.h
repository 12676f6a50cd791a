// A unit's fighting values, composed on demand from its type, level, hero skills, items, enchantments
// and mutations: the 116-byte battle-unit record. Never saved; one lives in global_battle_unit for the
// overland screens, and combat keeps one per combatant.
#pragma once

#include <cstddef>
#include <cstdint>

#include "world/Item_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

// Curse bits of Battle_Unit_Record::Curses.
enum Battle_Unit_Curse : uint16_t {
    BUC_VERTIGO = 0x0001,
    BUC_CONFUSION = 0x0002,
    BUC_WHIRLWIND = 0x0004,
    BUC_MIND_STORM = 0x0008,
    BUC_SHATTER = 0x0010,
    BUC_WEAKNESS = 0x0020,
    BUC_BLACK_SLEEP = 0x0040,
    BUC_WARP_CREATURE_MELEE = 0x0080,
    BUC_WARP_CREATURE_DEFENSE = 0x0100,
    BUC_WARP_CREATURE_RESIST = 0x0200,
    BUC_MIND_TWIST = 0x0400,
    BUC_HASTE = 0x0800,
    BUC_WEB = 0x1000,
    BUC_CREATURE_BINDING = 0x2000,
    BUC_POSESSION = 0x4000,
};

// Weapon quality: 0 none, 1 magical, then the mutation's weapon quality + 1.
enum Weapon_Quality : uint8_t {
    wq_None = 0,
    wq_Magic = 1,
    wq_Mithril = 3,
    wq_Adamantium = 4,
};

#pragma pack(push, 1)
struct Battle_Unit_Record {
    // The unit type's fields from Melee on, in Unit_Type_Record order.
    int8_t Melee;
    int8_t Ranged;
    uint8_t Ranged_Type;  // rk_None (255) without a ranged attack
    uint8_t Ammo;
    int8_t To_Hit;
    int8_t Defense;
    int8_t Resist;
    uint8_t Move_Halves;
    int16_t cost;
    uint8_t Upkeep;  // the unit's gold upkeep, not the type's
    uint8_t race;
    uint8_t reserved_12;
    uint8_t Cur_Figures;  // figures alive
    int16_t Figure_Set;   // combat's figure-picture set, -1 none (also at load)
    uint8_t reserved_16[6];
    uint8_t Hits;  // hits per figure
    uint8_t Sight;
    uint8_t Transport;
    uint8_t Max_Figures;
    int8_t Construction;
    uint8_t Spec_Att_Attr;
    uint16_t Move_Flags;
    uint16_t Attribs_1;
    uint8_t Attribs_2;
    uint8_t reserved_33;
    uint16_t Abilities;
    uint16_t Attack_Flags;
    uint8_t reserved_38[2];

    int16_t Curses;  // Battle_Unit_Curse bits

    int8_t Melee_To_Hit_Bonus;
    int8_t Ranged_To_Hit_Bonus;
    int8_t To_Defend_Bonus;
    uint8_t Weapon_Quality;

    uint16_t Item_Melee_Attack_Flags;
    uint16_t Item_Ranged_Attack_Flags;
    uint32_t Item_Enchantments;  // unit-enchantment bits given by the hero's items

    int16_t unit_idx;
    int8_t Extra_Hits;
    uint8_t reserved_57;
    uint8_t Status;
    int8_t owner_idx;

    // Damage by kind, each at most 200: ordinary (the overland damage at load), life-draining, destroying.
    uint8_t Damage;
    uint8_t Drain_Damage;
    uint8_t Destroy_Damage;
    uint8_t Front_Figure_Damage;

    uint32_t Combat_Enchantments;  // unit-enchantment bits gained in battle

    uint8_t reserved_68;
    uint8_t Caster_Mana;
    uint8_t Mana_Left;
    int8_t Item_Charges;         // charges of the item in the hero's first item place
    uint8_t Kept_Spec_Att_Attr;  // the special-attack value that Poison sets aside: the poison strength
    uint8_t AI_Target;           // the battle unit the combat AI chose last, 255 none (also at load)

    // Combat's bookkeeping; the bytes are set by the battle, the words cleared at load.
    uint8_t Times_Attacked;     // attacks received this turn
    uint8_t Confusion_State;    // 0 normal, 1 wanders this turn, 2 serves the other side this turn
    uint8_t Web_Strength;       // 0 free
    uint8_t Innate_Spells;      // one-shot spells: bit 0 Healing, 1 Fire Bolt, 2 the third, 4 Web
    uint8_t Demon_Summons;      // demon summonings left
    int8_t Target_Battle_Unit;  // -1 none
    uint8_t Cast_Marker;        // the caster's own index after the combat AI picked it a spell
    uint8_t Display_State;      // 4 seen, 5 hidden (invisible units)
    int16_t Grid_X;
    int16_t Grid_Y;
    int16_t Target_X;  // during a move the next cell, afterwards a cell giving the facing
    int16_t Target_Y;
    int16_t Move_Step;  // 0..8 within a cell
    int16_t Moving;
    int16_t Action;       // 0 may act, 4 done for this turn, 5 waiting, 150 fled
    int16_t Action_Mode;  // the combat AI's tactical order
    int16_t Outline_Colour;
    int16_t Blood_Figures;
    int16_t Switch_Word;  // cleared when the unit stops being the active one
    int16_t Figure_Effect;

    // What the unit statistics window prints beside the base values.
    int8_t Shown_Melee_Bonus;
    int8_t Shown_Ranged_Bonus;
    int8_t Shown_Defense_Bonus;
    int8_t Shown_Resist_Bonus;
    int8_t Shown_Hits_Bonus;
    int8_t Shown_Melee_Penalty;
    int8_t Shown_Ranged_Penalty;
    int8_t Shown_Defense_Penalty;
    int8_t Shown_Resist_Penalty;
    uint8_t reserved_115;
};
#pragma pack(pop)

static_assert(sizeof(Battle_Unit_Record) == 116);
static_assert(offsetof(Battle_Unit_Record, Melee) == 0);
static_assert(offsetof(Battle_Unit_Record, Curses) == 40);
static_assert(offsetof(Battle_Unit_Record, Melee_To_Hit_Bonus) == 42);
static_assert(offsetof(Battle_Unit_Record, Item_Melee_Attack_Flags) == 46);
static_assert(offsetof(Battle_Unit_Record, unit_idx) == 54);
static_assert(offsetof(Battle_Unit_Record, Damage) == 60);
static_assert(offsetof(Battle_Unit_Record, Combat_Enchantments) == 64);
static_assert(offsetof(Battle_Unit_Record, reserved_68) == 68);
static_assert(offsetof(Battle_Unit_Record, Times_Attacked) == 74);
static_assert(offsetof(Battle_Unit_Record, Grid_X) == 82);
static_assert(offsetof(Battle_Unit_Record, Figure_Effect) == 104);
// The twelve combat words from Grid_X to Figure_Effect, cleared at load.
constexpr size_t BATTLE_UNIT_COMBAT_WORDS_OFFSET = offsetof(Battle_Unit_Record, Grid_X);
constexpr size_t BATTLE_UNIT_COMBAT_WORDS_BYTES = 24;
static_assert(BATTLE_UNIT_COMBAT_WORDS_OFFSET + BATTLE_UNIT_COMBAT_WORDS_BYTES ==
              offsetof(Battle_Unit_Record, Shown_Melee_Bonus));
static_assert(offsetof(Battle_Unit_Record, Drain_Damage) == 61);
static_assert(offsetof(Battle_Unit_Record, AI_Target) == 73);
static_assert(offsetof(Battle_Unit_Record, Shown_Melee_Bonus) == 106);
static_assert(offsetof(Battle_Unit_Record, Shown_Melee_Penalty) == 111);

// The first group is the type record from Melee on, byte for byte: Load_Battle_Unit copies it whole.
constexpr size_t BATTLE_UNIT_TYPE_BYTES = sizeof(Unit_Type_Record) - offsetof(Unit_Type_Record, Melee);
static_assert(BATTLE_UNIT_TYPE_BYTES == offsetof(Battle_Unit_Record, Curses));
static_assert(offsetof(Battle_Unit_Record, Hits) ==
              offsetof(Unit_Type_Record, Hits) - offsetof(Unit_Type_Record, Melee));
static_assert(offsetof(Battle_Unit_Record, Move_Flags) ==
              offsetof(Unit_Type_Record, Move_Flags) - offsetof(Unit_Type_Record, Melee));
static_assert(offsetof(Battle_Unit_Record, Abilities) ==
              offsetof(Unit_Type_Record, Abilities) - offsetof(Unit_Type_Record, Melee));
static_assert(offsetof(Battle_Unit_Record, Attack_Flags) ==
              offsetof(Unit_Type_Record, Attack_Flags) - offsetof(Unit_Type_Record, Melee));

// The names of the bits, as the unit statistics window shows them.
struct Bit_Name {
    uint32_t bit;
    const char *name;
};

inline constexpr Bit_Name unit_enchantment_names[NUM_UNIT_ENCHANTMENTS] = {
    {UE_IMMOLATION, "Immolation"},
    {UE_GUARDIANWIND, "Guardian Wind"},
    {UE_BERSERK, "Berserk"},
    {UE_CLOAKOFFEAR, "Cloak Of Fear"},
    {UE_BLACKCHANNELS, "Black Channels"},
    {UE_WRAITHFORM, "Wraith Form"},
    {UE_REGENERATE, "Regenerate"},
    {UE_PATHFINDING, "Path Finding"},
    {UE_WATERWALKING, "Water Walking"},
    {UE_RESISTELEMENTS, "Resist Elements"},
    {UE_ELEMENTALARMOR, "Elemental Armor"},
    {UE_STONESKIN, "Stone Skin"},
    {UE_IRONSKIN, "Iron Skin"},
    {UE_ENDURANCE, "Endurance"},
    {UE_SPELLLOCK, "Spell Lock"},
    {UE_INVISIBILITY, "Invisibility"},
    {UE_WINDWALKING, "Wind Walking"},
    {UE_FLIGHT, "Flight"},
    {UE_RESISTMAGIC, "Resist Magic"},
    {UE_MAGICIMMUNITY, "Magic Immunity"},
    {UE_FLAMEBLADE, "Flame Blade"},
    {UE_ELDRITCHWEAPON, "Eldritch Weapon"},
    {UE_TRUESIGHT, "True Sight"},
    {UE_HOLYWEAPON, "Holy Weapon"},
    {UE_HEROISM, "Heroism"},
    {UE_BLESS, "Bless"},
    {UE_LIONHEART, "Lion Heart"},
    {UE_GIANTSTRENGTH, "Giant Strength"},
    {UE_PLANARTRAVEL, "Planar Travel"},
    {UE_HOLYARMOR, "Holy Armor"},
    {UE_RIGHTEOUSNESS, "Righteousness"},
    {UE_INVULNERABILITY, "Invulnerability"},
};

inline constexpr Bit_Name unit_attribute_1_names[] = {
    {UI_FIRE_IMMUNITY, "Fire Immunity"},         {UI_STONING_IMMUNITY, "Stoning Immunity"},
    {UI_MISSILES_IMMUNITY, "Missiles Immunity"}, {UI_ILLUSIONS_IMMUNITY, "Illusions Immunity"},
    {UI_COLD_IMMUNITY, "Cold Immunity"},         {UI_MAGIC_IMMUNITY, "Magic Immunity"},
    {UI_DEATH_IMMUNITY, "Death Immunity"},       {UI_POISON_IMMUNITY, "Poison Immunity"},
    {UI_WEAPON_IMMUNITY, "Weapon Immunity"},     {UI_LUCKY, "Lucky"},
};

inline constexpr Bit_Name unit_attribute_2_names[] = {
    {UI2_HEALING_SPELL, "Healing Spell"},
    {UI2_FIRE_BALL_SPELL, "Fire Ball Spell"},
    {UI2_DOOMBOLT_SPELL, "Doombolt Spell"},
    {UI2_IMMOLATION, "Immolation"},
    {UI2_WEB_SPELL, "Web Spell"},
    {UI2_CAUSE_FEAR_SPELL, "Cause Fear Spell"},
    {UI2_RESISTANCE_TO_ALL, "Resistance To All"},
    {UI2_HOLY_BONUS, "Holy Bonus"},
};

inline constexpr Bit_Name unit_ability_names[] = {
    {UA_LARGESHIELD, "Large Shield"},
    {UA_PLANESHIFT, "Plane Shift"},
    {UA_WALLCRUSHER, "Wall Crusher"},
    {UA_HEALER, "Healer"},
    {UA_CREATEOUTPOST, "Create Outpost"},
    {UA_INVISIBILITY, "Invisibility"},
    {UA_CREATEUNDEAD, "Create Undead"},
    {UA_LONGRANGE, "Long Range"},
    {UA_LANDCORRUPTION, "Land Corruption"},
    {UA_MELD, "Meld With Node"},
    {UA_NONCORPOREAL, "Non Corporeal"},
    {UA_WINDWALKING, "Wind Walking"},
    {UA_REGENERATION, "Regeneration"},
    {UA_PURIFY, "Purify"},
    {UA_NEGATEFIRSTSTRIKE, "Negate First Strike"},
};

inline constexpr Bit_Name unit_attack_flag_names[] = {
    {UAF_ARMOR_PIERCING, "Armor Piercing"},
    {UAF_FIRST_STRIKE, "First Strike"},
    {UAF_POISON, "Poison"},
    {UAF_LIFE_STEAL, "Life Steal"},
    {UAF_AUTOMATIC_DAMAGE, "Automatic Damage"},
    {UAF_DESTRUCTION, "Destruction"},
    {UAF_ILLUSION, "Illusion"},
    {UAF_STONING_TOUCH, "Stoning Touch"},
    {UAF_DEATH_TOUCH, "Death Touch"},
    {UAF_POWER_DRAIN, "Power Drain"},
    {UAF_DISPEL_EVIL, "Dispel Evil"},
};

inline constexpr Bit_Name battle_unit_curse_names[] = {
    {BUC_VERTIGO, "Vertigo"},
    {BUC_CONFUSION, "Confusion"},
    {BUC_WHIRLWIND, "Whirlwind"},
    {BUC_MIND_STORM, "Mind Storm"},
    {BUC_SHATTER, "Shatter"},
    {BUC_WEAKNESS, "Weakness"},
    {BUC_BLACK_SLEEP, "Black Sleep"},
    {BUC_WARP_CREATURE_MELEE, "Warp Creature"},
    {BUC_WARP_CREATURE_DEFENSE, "Warp Creature"},
    {BUC_WARP_CREATURE_RESIST, "Warp Creature"},
    {BUC_MIND_TWIST, "Mind Twist"},
    {BUC_HASTE, "Haste"},
    {BUC_WEB, "Web"},
    {BUC_CREATURE_BINDING, "Creature Binding"},
    {BUC_POSESSION, "Posession"},
};

inline constexpr Bit_Name hero_ability_names[] = {
    {hab_Leadership, "Leadership"},
    {hab_Leadership_Super, "Leadership"},
    {hab_Legendary, "Legendary"},
    {hab_Legendary_Super, "Legendary"},
    {hab_Blademaster, "Blademaster"},
    {hab_Blademaster_Super, "Blademaster"},
    {hab_Armsmaster, "Armsmaster"},
    {hab_Armsmaster_Super, "Armsmaster"},
    {hab_Constitution, "Constitution"},
    {hab_Constitution_Super, "Constitution"},
    {hab_Might, "Might"},
    {hab_Might_Super, "Might"},
    {hab_Arcane_Power, "Arcane Power"},
    {hab_Arcane_Power_Super, "Arcane Power"},
    {hab_Sage, "Sage"},
    {hab_Sage_Super, "Sage"},
    {hab_Prayermaster, "Prayermaster"},
    {hab_Prayermaster_Super, "Prayermaster"},
    {hab_Agility, "Agility"},
    {hab_Agility_Super, "Agility"},
    {hab_Lucky, "Lucky"},
    {hab_Charmed, "Charmed"},
    {hab_Noble, "Noble"},
};
