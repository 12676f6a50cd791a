// The spells by number, one row each: X(name, number), in number order. A colour realm's spells are
// numbered realm x 40 + rank + 1 (ranks 0-9 common, 10-19 uncommon, 20-29 rare, 30-39 very rare),
// the Arcane spells 201 to 214. A spell that no rule of this program names keeps its realm, band and
// place in the band (Nature_Common_5 is spell 5); give it its own name when a rule needs it.
#pragma once

#include <cstdint>

#include "world/Spell_Data_Record.h"

// clang-format off
#define SPELL_ROWS(X) \
    X(None,                   0) \
    X(Earth_To_Mud,           1) \
    X(Resist_Elements,        2) \
    X(Wall_Of_Stone,          3) \
    X(Giant_Strength,         4) \
    X(Nature_Common_5,        5) \
    X(Nature_Common_6,        6) \
    X(Stone_Skin,             7) \
    X(Water_Walking,          8) \
    X(Nature_Common_9,        9) \
    X(Earth_Lore,            10) \
    X(Cracks_Call,           11) \
    X(Natures_Eye,           12) \
    X(Nature_Uncommon_3,     13) \
    X(Nature_Uncommon_4,     14) \
    X(Change_Terrain,        15) \
    X(Path_Finding,          16) \
    X(Nature_Uncommon_7,     17) \
    X(Transmute,             18) \
    X(Natures_Cures,         19) \
    X(Nature_Uncommon_10,    20) \
    X(Elemental_Armor,       21) \
    X(Nature_Rare_2,         22) \
    X(Nature_Rare_3,         23) \
    X(Iron_Skin,             24) \
    X(Nature_Rare_5,         25) \
    X(Earthquake,            26) \
    X(Nature_Rare_7,         27) \
    X(Move_Fortress,         28) \
    X(Nature_Rare_9,         29) \
    X(Nature_Rare_10,        30) \
    X(Regenerate,            31) \
    X(Nature_Very_Rare_2,    32) \
    X(Nature_Very_Rare_3,    33) \
    X(Natures_Awareness,     34) \
    X(Call_Lightning,        35) \
    X(Nature_Very_Rare_6,    36) \
    X(Nature_Very_Rare_7,    37) \
    X(Nature_Very_Rare_8,    38) \
    X(Nature_Very_Rare_9,    39) \
    X(Nature_Very_Rare_10,   40) \
    X(Resist_Magic,          41) \
    X(Sorcery_Common_2,      42) \
    X(Floating_Island,       43) \
    X(Guardian_Wind,         44) \
    X(Sorcery_Common_5,      45) \
    X(Sorcery_Common_6,      46) \
    X(Word_Of_Recall,        47) \
    X(Counter_Magic,         48) \
    X(Sorcery_Common_9,      49) \
    X(Sorcery_Common_10,     50) \
    X(Sorcery_Uncommon_1,    51) \
    X(Disenchant_True,       52) \
    X(Sorcery_Uncommon_3,    53) \
    X(Spell_Lock,            54) \
    X(Enchant_Road,          55) \
    X(Flight,                56) \
    X(Sorcery_Uncommon_7,    57) \
    X(Sorcery_Uncommon_8,    58) \
    X(Sorcery_Uncommon_9,    59) \
    X(Sorcery_Uncommon_10,   60) \
    X(Disjunction_True,      61) \
    X(Invisibility,          62) \
    X(Wind_Walking,          63) \
    X(Sorcery_Rare_4,        64) \
    X(Sorcery_Rare_5,        65) \
    X(Sorcery_Rare_6,        66) \
    X(Sorcery_Rare_7,        67) \
    X(Stasis,                68) \
    X(Magic_Immunity,        69) \
    X(Sorcery_Rare_10,       70) \
    X(Sorcery_Very_Rare_1,   71) \
    X(Spell_Ward,            72) \
    X(Sorcery_Very_Rare_3,   73) \
    X(Sorcery_Very_Rare_4,   74) \
    X(Great_Unsummoning,     75) \
    X(Spell_Binding,         76) \
    X(Sorcery_Very_Rare_7,   77) \
    X(Sorcery_Very_Rare_8,   78) \
    X(Sorcery_Very_Rare_9,   79) \
    X(Time_Stop,             80) \
    X(Chaos_Common_1,        81) \
    X(Disrupt,               82) \
    X(Chaos_Common_3,        83) \
    X(Chaos_Common_4,        84) \
    X(Corruption,            85) \
    X(Eldritch_Weapon,       86) \
    X(Chaos_Common_7,        87) \
    X(Chaos_Common_8,        88) \
    X(Chaos_Common_9,        89) \
    X(Chaos_Common_10,       90) \
    X(Chaos_Uncommon_1,      91) \
    X(Chaos_Uncommon_2,      92) \
    X(Chaos_Channels,        93) \
    X(Flame_Blade,           94) \
    X(Chaos_Uncommon_5,      95) \
    X(Chaos_Uncommon_6,      96) \
    X(Chaos_Uncommon_7,      97) \
    X(Raise_Volcano,         98) \
    X(Immolation,            99) \
    X(Chaos_Uncommon_10,    100) \
    X(Chaos_Rare_1,         101) \
    X(Chaos_Rare_2,         102) \
    X(Chaos_Rare_3,         103) \
    X(Chaos_Rare_4,         104) \
    X(Magic_Vortex,         105) \
    X(Chaos_Rare_6,         106) \
    X(Chaos_Rare_7,         107) \
    X(Chaos_Rare_8,         108) \
    X(Chaos_Rare_9,         109) \
    X(Chaos_Rare_10,        110) \
    X(Chaos_Very_Rare_1,    111) \
    X(Disintegrate,         112) \
    X(Chaos_Very_Rare_3,    113) \
    X(Chaos_Very_Rare_4,    114) \
    X(Chaos_Very_Rare_5,    115) \
    X(Chaos_Very_Rare_6,    116) \
    X(Chaos_Very_Rare_7,    117) \
    X(Chaos_Very_Rare_8,    118) \
    X(Call_The_Void,        119) \
    X(Chaos_Very_Rare_10,   120) \
    X(Bless,                121) \
    X(Life_Common_2,        122) \
    X(Endurance,            123) \
    X(Holy_Weapon,          124) \
    X(Life_Common_5,        125) \
    X(Holy_Armor,           126) \
    X(Life_Common_7,        127) \
    X(Life_Common_8,        128) \
    X(Life_Common_9,        129) \
    X(Heroism,              130) \
    X(True_Sight,           131) \
    X(Plane_Shift,          132) \
    X(Resurrection,         133) \
    X(Life_Uncommon_4,      134) \
    X(Life_Uncommon_5,      135) \
    X(Life_Uncommon_6,      136) \
    X(Raise_Dead,           137) \
    X(Planar_Travel,        138) \
    X(Life_Uncommon_9,      139) \
    X(Life_Uncommon_10,     140) \
    X(Lion_Heart,           141) \
    X(Incarnation,          142) \
    X(Invulnerability,      143) \
    X(Righteousness,        144) \
    X(Life_Rare_5,          145) \
    X(Life_Rare_6,          146) \
    X(Life_Rare_7,          147) \
    X(Life_Rare_8,          148) \
    X(Life_Rare_9,          149) \
    X(Life_Rare_10,         150) \
    X(Life_Very_Rare_1,     151) \
    X(Life_Very_Rare_2,     152) \
    X(Life_Very_Rare_3,     153) \
    X(Holy_Arms,            154) \
    X(Consecration,         155) \
    X(Life_Very_Rare_6,     156) \
    X(Life_Very_Rare_7,     157) \
    X(Crusade,              158) \
    X(Life_Very_Rare_9,     159) \
    X(Life_Very_Rare_10,    160) \
    X(Death_Common_1,       161) \
    X(Death_Common_2,       162) \
    X(Death_Common_3,       163) \
    X(Cloak_Of_Fear,        164) \
    X(Death_Common_5,       165) \
    X(Death_Common_6,       166) \
    X(Death_Common_7,       167) \
    X(Death_Common_8,       168) \
    X(Death_Common_9,       169) \
    X(Death_Common_10,      170) \
    X(Death_Uncommon_1,     171) \
    X(Death_Uncommon_2,     172) \
    X(Lycantrophy,          173) \
    X(Death_Uncommon_4,     174) \
    X(Black_Channels,       175) \
    X(Death_Uncommon_6,     176) \
    X(Death_Uncommon_7,     177) \
    X(Death_Uncommon_8,     178) \
    X(Berserk,              179) \
    X(Death_Uncommon_10,    180) \
    X(Wraith_Form,          181) \
    X(Wrack,                182) \
    X(Evil_Presence,        183) \
    X(Death_Rare_4,         184) \
    X(Death_Rare_5,         185) \
    X(Warp_Node,            186) \
    X(Black_Wind,           187) \
    X(Death_Rare_8,         188) \
    X(Death_Rare_9,         189) \
    X(Death_Rare_10,        190) \
    X(Death_Very_Rare_1,    191) \
    X(Death_Very_Rare_2,    192) \
    X(Death_Very_Rare_3,    193) \
    X(Death_Very_Rare_4,    194) \
    X(Animate_Dead,         195) \
    X(Death_Very_Rare_6,    196) \
    X(Death_Very_Rare_7,    197) \
    X(Death_Very_Rare_8,    198) \
    X(Death_Wish,           199) \
    X(Death_Very_Rare_10,   200) \
    X(Arcane_1,             201) \
    X(Arcane_2,             202) \
    X(Summoning_Circle,     203) \
    X(Arcane_4,             204) \
    X(Recall_Hero,          205) \
    X(Arcane_6,             206) \
    X(Arcane_7,             207) \
    X(Summon_Hero,          208) \
    X(Awareness,            209) \
    X(Arcane_10,            210) \
    X(Arcane_11,            211) \
    X(Summon_Champion,      212) \
    X(Spell_Of_Mastery,     213) \
    X(Spell_Of_Return,      214)
// clang-format on

enum Spell_Id : int16_t {
#define SPELL_ENUM_ROW(name, number) spl_##name = number,
    SPELL_ROWS(SPELL_ENUM_ROW)
#undef SPELL_ENUM_ROW
};

// Each row's name without its prefix, indexed by spell number.
inline constexpr const char *SPELL_ID_NAMES[] = {
#define SPELL_NAME_ROW(name, number) #name,
    SPELL_ROWS(SPELL_NAME_ROW)
#undef SPELL_NAME_ROW
};
static_assert(sizeof(SPELL_ID_NAMES) / sizeof(SPELL_ID_NAMES[0]) == NUM_SPELLS);

// The rows stand in number order with no gap, so a row's place is its spell number.
constexpr bool Spell_Rows_In_Order(void)
{
    int place = 0;
    bool in_order = true;
#define SPELL_ORDER_ROW(name, number) in_order = in_order && (number) == place++;
    SPELL_ROWS(SPELL_ORDER_ROW)
#undef SPELL_ORDER_ROW
    return in_order;
}
static_assert(Spell_Rows_In_Order());

enum Spell_Band_Index : int {
    sb_Common = 0,
    sb_Uncommon = 1,
    sb_Rare = 2,
    sb_Very_Rare = 3,
};

constexpr int SPELLS_PER_REALM = 40;
constexpr int SPELLS_PER_BAND = 10;
constexpr int NUM_COLOUR_REALMS = 5;
constexpr int16_t FIRST_ARCANE_SPELL = NUM_COLOUR_REALMS * SPELLS_PER_REALM + 1;  // 201

// Realm of a spell 1..240 in the realm order of books (5 Arcane), rank within the realm (0..39) and
// band of the rank (0 common, 1 uncommon, 2 rare, 3 very rare).
constexpr int Spell_Realm(int spell) { return (spell - 1) / SPELLS_PER_REALM; }
constexpr int Spell_Rank(int spell) { return (spell - 1) % SPELLS_PER_REALM; }
constexpr int Spell_Band(int spell) { return Spell_Rank(spell) / SPELLS_PER_BAND; }
