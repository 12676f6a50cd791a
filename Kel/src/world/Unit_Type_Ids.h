// The unit types by number, one row each, in number order: the hero types 0..34, X(name, number,
// book realm), and the other unit types 35..197, X(name, number). Hero types 0..23 are the ordinary
// heroes, 24..33 the champions, 34 the hero that Incarnation brings; a hero type with a book realm
// joins only a wizard with books of that realm. The other types follow the built-in table: four
// ships and engines, each race's units from its first type on, and the summoned creatures from
// 154, named by realm and rank where no rule names them.
#pragma once

#include <cstdint>

#include "world/Unit_Record.h"
#include "world/Wizard_Presets.h"

constexpr int NO_BOOK_REALM = -1;

// clang-format off
#define HERO_TYPE_ROWS(X) \
    X(Hero_1,            0, NO_BOOK_REALM) \
    X(Hero_2,            1, NO_BOOK_REALM) \
    X(Hero_3,            2, NO_BOOK_REALM) \
    X(Hero_4,            3, NO_BOOK_REALM) \
    X(Hero_5,            4, NO_BOOK_REALM) \
    X(Hero_6,            5, NO_BOOK_REALM) \
    X(Hero_7,            6, NO_BOOK_REALM) \
    X(Hero_8,            7, NO_BOOK_REALM) \
    X(Hero_9,            8, NO_BOOK_REALM) \
    X(Hero_10,           9, NO_BOOK_REALM) \
    X(Hero_11,          10, NO_BOOK_REALM) \
    X(Hero_12,          11, NO_BOOK_REALM) \
    X(Hero_13,          12, NO_BOOK_REALM) \
    X(Hero_14,          13, NO_BOOK_REALM) \
    X(Hero_15,          14, NO_BOOK_REALM) \
    X(Hero_16,          15, NO_BOOK_REALM) \
    X(Hero_17,          16, NO_BOOK_REALM) \
    X(Hero_18,          17, NO_BOOK_REALM) \
    X(Hero_19,          18, NO_BOOK_REALM) \
    X(Hero_20,          19, NO_BOOK_REALM) \
    X(Hero_21,          20, NO_BOOK_REALM) \
    X(Hero_22,          21, NO_BOOK_REALM) \
    X(Hero_23,          22, NO_BOOK_REALM) \
    X(Hero_24,          23, NO_BOOK_REALM) \
    X(Champion_1,       24, NO_BOOK_REALM) \
    X(Champion_2,       25, NO_BOOK_REALM) \
    X(Champion_3,       26, NO_BOOK_REALM) \
    X(Champion_4,       27, sbr_Life) \
    X(Champion_5,       28, sbr_Life) \
    X(Champion_6,       29, sbr_Death) \
    X(Champion_7,       30, NO_BOOK_REALM) \
    X(Champion_8,       31, NO_BOOK_REALM) \
    X(Champion_9,       32, sbr_Death) \
    X(Champion_10,      33, NO_BOOK_REALM) \
    X(Incarnation_Hero, 34, NO_BOOK_REALM)

#define UNIT_TYPE_ROWS(X) \
    X(Trireme,                35) \
    X(Galley,                 36) \
    X(Catapult,               37) \
    X(Warship,                38) \
    X(Barbarian_Spearmen,     39) \
    X(Barbarian_Swordsmen,    40) \
    X(Barbarian_Bowmen,       41) \
    X(Barbarian_Settlers,     42) \
    X(Barbarian_Engineers,    43) \
    X(Barbarian_Cavalry,      44) \
    X(Barbarian_Priests,      45) \
    X(Beastmen_Spearmen,      46) \
    X(Beastmen_Swordsmen,     47) \
    X(Beastmen_Bowmen,        48) \
    X(Beastmen_Settlers,      49) \
    X(Beastmen_Engineers,     50) \
    X(Beastmen_Cavalry,       51) \
    X(Beastmen_Priests,       52) \
    X(Beastmen_Magicians,     53) \
    X(Beastmen_Halberdiers,   54) \
    X(Beastmen_Pikemen,       55) \
    X(Beastmen_Shamans,       56) \
    X(Dark_Elf_Spearmen,      57) \
    X(Dark_Elf_Swordsmen,     58) \
    X(Dark_Elf_Bowmen,        59) \
    X(Dark_Elf_Settlers,      60) \
    X(Dark_Elf_Engineers,     61) \
    X(Dark_Elf_Cavalry,       62) \
    X(Dark_Elf_Priests,       63) \
    X(Dark_Elf_Magicians,     64) \
    X(Dark_Elf_Halberdiers,   65) \
    X(Draconian_Spearmen,     66) \
    X(Draconian_Swordsmen,    67) \
    X(Draconian_Bowmen,       68) \
    X(Draconian_Settlers,     69) \
    X(Draconian_Engineers,    70) \
    X(Draconian_Cavalry,      71) \
    X(Draconian_Priests,      72) \
    X(Draconian_Magicians,    73) \
    X(Draconian_Halberdiers,  74) \
    X(Draconian_Pikemen,      75) \
    X(Dwarven_Spearmen,       76) \
    X(Dwarven_Swordsmen,      77) \
    X(Dwarven_Bowmen,         78) \
    X(Dwarven_Settlers,       79) \
    X(Dwarven_Engineers,      80) \
    X(Dwarven_Cavalry,        81) \
    X(Dwarven_Priests,        82) \
    X(Gnoll_Spearmen,         83) \
    X(Gnoll_Swordsmen,        84) \
    X(Gnoll_Bowmen,           85) \
    X(Gnoll_Settlers,         86) \
    X(Gnoll_Engineers,        87) \
    X(Gnoll_Cavalry,          88) \
    X(Halfling_Spearmen,      89) \
    X(Halfling_Swordsmen,     90) \
    X(Halfling_Bowmen,        91) \
    X(Halfling_Settlers,      92) \
    X(Halfling_Engineers,     93) \
    X(Halfling_Cavalry,       94) \
    X(High_Elf_Spearmen,      95) \
    X(High_Elf_Swordsmen,     96) \
    X(High_Elf_Bowmen,        97) \
    X(High_Elf_Settlers,      98) \
    X(High_Elf_Engineers,     99) \
    X(High_Elf_Cavalry,      100) \
    X(High_Elf_Priests,      101) \
    X(High_Elf_Magicians,    102) \
    X(High_Elf_Halberdiers,  103) \
    X(High_Men_Spearmen,     104) \
    X(High_Men_Swordsmen,    105) \
    X(High_Men_Bowmen,       106) \
    X(High_Men_Settlers,     107) \
    X(High_Men_Engineers,    108) \
    X(High_Men_Cavalry,      109) \
    X(High_Men_Priests,      110) \
    X(High_Men_Magicians,    111) \
    X(High_Men_Halberdiers,  112) \
    X(High_Men_Pikemen,      113) \
    X(Klackon_Spearmen,      114) \
    X(Klackon_Swordsmen,     115) \
    X(Klackon_Bowmen,        116) \
    X(Klackon_Settlers,      117) \
    X(Klackon_Engineers,     118) \
    X(Klackon_Cavalry,       119) \
    X(Lizardman_Spearmen,    120) \
    X(Lizardman_Swordsmen,   121) \
    X(Lizardman_Bowmen,      122) \
    X(Lizardman_Settlers,    123) \
    X(Lizardman_Engineers,   124) \
    X(Lizardman_Cavalry,     125) \
    X(Lizardman_Priests,     126) \
    X(Nomad_Spearmen,        127) \
    X(Nomad_Swordsmen,       128) \
    X(Nomad_Bowmen,          129) \
    X(Nomad_Settlers,        130) \
    X(Nomad_Engineers,       131) \
    X(Nomad_Cavalry,         132) \
    X(Nomad_Priests,         133) \
    X(Nomad_Magicians,       134) \
    X(Nomad_Halberdiers,     135) \
    X(Nomad_Pikemen,         136) \
    X(Orc_Spearmen,          137) \
    X(Orc_Swordsmen,         138) \
    X(Orc_Bowmen,            139) \
    X(Orc_Settlers,          140) \
    X(Orc_Engineers,         141) \
    X(Orc_Cavalry,           142) \
    X(Orc_Priests,           143) \
    X(Orc_Magicians,         144) \
    X(Orc_Halberdiers,       145) \
    X(Orc_Pikemen,           146) \
    X(Troll_Spearmen,        147) \
    X(Troll_Swordsmen,       148) \
    X(Troll_Bowmen,          149) \
    X(Troll_Settlers,        150) \
    X(Troll_Engineers,       151) \
    X(Troll_Cavalry,         152) \
    X(Troll_Priests,         153) \
    X(Nature_Creature_1,     154) \
    X(Sorcery_Creature_1,    155) \
    X(Chaos_Creature_1,      156) \
    X(Life_Creature_1,       157) \
    X(Death_Creature_1,      158) \
    X(Nature_Creature_2,     159) \
    X(Sorcery_Creature_2,    160) \
    X(Chaos_Creature_2,      161) \
    X(Life_Creature_2,       162) \
    X(Death_Creature_2,      163) \
    X(Nature_Creature_3,     164) \
    X(Sorcery_Creature_3,    165) \
    X(Chaos_Creature_3,      166) \
    X(Life_Creature_3,       167) \
    X(Death_Creature_3,      168) \
    X(Demon,                 169) \
    X(Sorcery_Creature_4,    170) \
    X(Chaos_Creature_4,      171) \
    X(Life_Creature_4,       172) \
    X(Death_Creature_4,      173) \
    X(Zombie,                174) \
    X(Sorcery_Creature_5,    175) \
    X(Chaos_Creature_5,      176) \
    X(Life_Creature_5,       177) \
    X(Death_Creature_5,      178) \
    X(Nature_Creature_6,     179) \
    X(Sorcery_Creature_6,    180) \
    X(Chaos_Creature_6,      181) \
    X(Life_Creature_6,       182) \
    X(Death_Creature_6,      183) \
    X(Nature_Creature_7,     184) \
    X(Sorcery_Creature_7,    185) \
    X(Chaos_Creature_7,      186) \
    X(Life_Creature_7,       187) \
    X(Death_Creature_7,      188) \
    X(Nature_Creature_8,     189) \
    X(Sorcery_Creature_8,    190) \
    X(Chaos_Creature_8,      191) \
    X(Life_Creature_8,       192) \
    X(Death_Creature_8,      193) \
    X(Nature_Creature_9,     194) \
    X(Sorcery_Creature_9,    195) \
    X(Chaos_Creature_9,      196) \
    X(Life_Creature_9,       197)
// clang-format on

enum Hero_Type_Id : int16_t {
#define HERO_TYPE_ENUM_ROW(name, number, realm) ht_##name = number,
    HERO_TYPE_ROWS(HERO_TYPE_ENUM_ROW)
#undef HERO_TYPE_ENUM_ROW
};

enum Unit_Type_Id : int16_t {
#define UNIT_TYPE_ENUM_ROW(name, number) ut_##name = number,
    UNIT_TYPE_ROWS(UNIT_TYPE_ENUM_ROW)
#undef UNIT_TYPE_ENUM_ROW
};

// Each row's name without its prefix, indexed by unit type: the hero types first.
inline constexpr const char *UNIT_TYPE_ID_NAMES[] = {
#define HERO_TYPE_NAME_ROW(name, number, realm) #name,
#define UNIT_TYPE_NAME_ROW(name, number) #name,
    HERO_TYPE_ROWS(HERO_TYPE_NAME_ROW) UNIT_TYPE_ROWS(UNIT_TYPE_NAME_ROW)
#undef UNIT_TYPE_NAME_ROW
#undef HERO_TYPE_NAME_ROW
};
static_assert(sizeof(UNIT_TYPE_ID_NAMES) / sizeof(UNIT_TYPE_ID_NAMES[0]) == NUM_UNIT_TYPES);

// The book realm a wizard needs before the hero type joins him, or NO_BOOK_REALM.
inline constexpr int HERO_TYPE_BOOK_REALMS[] = {
#define HERO_TYPE_REALM_ROW(name, number, realm) realm,
    HERO_TYPE_ROWS(HERO_TYPE_REALM_ROW)
#undef HERO_TYPE_REALM_ROW
};
static_assert(sizeof(HERO_TYPE_BOOK_REALMS) / sizeof(HERO_TYPE_BOOK_REALMS[0]) == NUM_HERO_TYPES);

// The rows stand in number order with no gap, so a row's place is its unit type.
constexpr bool Unit_Type_Rows_In_Order(void)
{
    int place = 0;
    bool in_order = true;
#define HERO_TYPE_ORDER_ROW(name, number, realm) in_order = in_order && (number) == place++;
#define UNIT_TYPE_ORDER_ROW(name, number) in_order = in_order && (number) == place++;
    HERO_TYPE_ROWS(HERO_TYPE_ORDER_ROW)
    UNIT_TYPE_ROWS(UNIT_TYPE_ORDER_ROW)
#undef UNIT_TYPE_ORDER_ROW
#undef HERO_TYPE_ORDER_ROW
    return in_order;
}
static_assert(Unit_Type_Rows_In_Order());
