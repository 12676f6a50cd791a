// The built-in unit type table. The DOS game's figures are not part of this program's sources; the
// table is composed from the fixed frame that the rules rely on (heroes 0..34, four generic ships and
// engines, each race's own kinds from its first type on, summoned creatures 154..197 by realm) with
// plain values per kind.
#include <cstdio>
#include <cstring>

#include "world/ALLOC.h"
#include "world/Unit_Type_Ids.h"
#include "world/Unit_Type_Record.h"

Unit_Type_Record _unit_type_table[NUM_UNIT_TYPES];
const char *_unit_type_names[NUM_UNIT_TYPES];

static char m_names[NUM_UNIT_TYPES][32];

struct Unit_Kind {
    const char *name;
    int8_t melee, ranged, ranged_type;
    int8_t defense, resist;
    uint8_t moves, hits, figures;
    int16_t cost;
    uint16_t move_flags, abilities;
    uint8_t transport;
    int8_t construction;
};

static const Unit_Kind m_race_kinds[] = {
    {"Spearmen", 1, 0, -1, 2, 4, 2, 1, 8, 10, MV_FOOT, 0, 0, 0},
    {"Swordsmen", 3, 0, -1, 2, 4, 2, 1, 6, 20, MV_FOOT, UA_LARGESHIELD, 0, 0},
    {"Bowmen", 1, 1, 10, 1, 4, 2, 1, 6, 30, MV_FOOT, 0, 0, 0},
    {"Settlers", 0, 0, -1, 1, 5, 2, 10, 1, 60, MV_FOOT, UA_CREATEOUTPOST, 0, 0},
    {"Engineers", 0, 0, -1, 1, 4, 2, 1, 6, 40, MV_FOOT, UA_WALLCRUSHER, 0, 1},
    {"Cavalry", 4, 0, -1, 2, 4, 4, 3, 4, 40, MV_FOOT, 0, 0, 0},
    {"Priests", 3, 4, 31, 4, 7, 2, 1, 4, 75, MV_FOOT, UA_HEALER | UA_PURIFY, 0, 0},
    {"Magicians", 1, 5, 30, 3, 8, 2, 1, 4, 120, MV_FOOT, UA_MELD, 0, 0},
    {"Halberdiers", 4, 0, -1, 3, 4, 2, 1, 6, 40, MV_FOOT, 0, 0, 0},
    {"Pikemen", 5, 0, -1, 2, 5, 2, 1, 8, 80, MV_FOOT, 0, 0, 0},
    {"Shamans", 2, 2, 31, 3, 6, 2, 1, 4, 50, MV_FOOT, UA_HEALER | UA_PURIFY, 0, 0},
};
constexpr int NUM_RACE_KINDS = (int)(sizeof(m_race_kinds) / sizeof(m_race_kinds[0]));

static const Unit_Kind m_generic_kinds[4] = {
    {"Trireme", 6, 0, -1, 4, 4, 4, 10, 1, 60, MV_SAILING, 0, 2, 0},
    {"Galley", 8, 0, -1, 4, 4, 8, 20, 1, 100, MV_SAILING, 0, 3, 0},
    {"Catapult", 0, 10, 11, 4, 4, 2, 10, 1, 100, MV_FOOT, UA_WALLCRUSHER | UA_LONGRANGE, 0, 0},
    {"Warship", 10, 10, 11, 5, 4, 8, 20, 1, 160, MV_SAILING, UA_LONGRANGE, 3, 0},
};

// The first unit type of each race 0..13; the races' ranges end at 154 where summoned creatures begin.
static const int16_t m_race_first_type[15] = {
    ut_Barbarian_Spearmen, ut_Beastmen_Spearmen, ut_Dark_Elf_Spearmen, ut_Draconian_Spearmen, ut_Dwarven_Spearmen,
    ut_Gnoll_Spearmen,     ut_Halfling_Spearmen, ut_High_Elf_Spearmen, ut_High_Men_Spearmen,  ut_Klackon_Spearmen,
    ut_Lizardman_Spearmen, ut_Nomad_Spearmen,    ut_Orc_Spearmen,      ut_Troll_Spearmen,     ut_Nature_Creature_1};
static const char *const m_realm_names[5] = {"Nature", "Sorcery", "Chaos", "Life", "Death"};

static void Set_Kind(int type, const Unit_Kind &kind, const char *name, uint8_t race)
{
    Unit_Type_Record &record = _unit_type_table[type];
    memset(&record, 0, sizeof(record));
    snprintf(m_names[type], sizeof(m_names[type]), "%s", name);
    _unit_type_names[type] = m_names[type];
    record.name = m_names[type];
    record.Melee = kind.melee;
    record.Ranged = kind.ranged;
    record.Ranged_Type = kind.ranged_type;
    record.Ammo = kind.ranged > 0 ? 4 : 0;
    record.Defense = kind.defense;
    record.Resist = kind.resist;
    record.Move_Halves = kind.moves;
    record.cost = kind.cost;
    record.race = race;
    record.Hits = kind.hits;
    record.Sight = 1;
    record.Transport = kind.transport;
    record.Figures = kind.figures;
    record.Construction = kind.construction;
    record.Move_Flags = kind.move_flags;
    record.Abilities = kind.abilities;
}

void Unit_Type_Table_Reset(void)
{
    char name[32];
    for (int type = 0; type < NUM_HERO_TYPES; type++) {
        Unit_Kind hero = {"",
                          (int8_t)(4 + type % 4),
                          (int8_t)(type % 3 == 0 ? 3 : 0),
                          (int8_t)(type % 3 == 0 ? 20 : -1),
                          4,
                          6,
                          2,
                          (uint8_t)(6 + type % 5),
                          1,
                          (int16_t)(100 + 20 * type),
                          MV_FOOT,
                          0,
                          0,
                          0};
        snprintf(name, sizeof(name), "Hero %d", type);
        Set_Kind(type, hero, name, (uint8_t)(type % 14));
        _unit_type_table[type].hero_portrait = (uint8_t)type;
        _unit_type_table[type].hero_class = (uint8_t)(1 + type % 3);
    }
    for (int k = 0; k < 4; k++) {
        Set_Kind(ut_Trireme + k, m_generic_kinds[k], m_generic_kinds[k].name, 14);
    }
    for (int race = 0; race < 14; race++) {
        for (int type = m_race_first_type[race]; type < m_race_first_type[race + 1]; type++) {
            const Unit_Kind &kind = m_race_kinds[(type - m_race_first_type[race]) % NUM_RACE_KINDS];
            // Race units are named by kind alone: the race is the type's race byte, and rules match kinds by name.
            Set_Kind(type, kind, kind.name, (uint8_t)race);
        }
    }
    for (int type = m_race_first_type[14]; type < NUM_UNIT_TYPES; type++) {
        int realm = (type - m_race_first_type[14]) % 5;
        int rank = (type - m_race_first_type[14]) / 5;
        Unit_Kind creature = {"",
                              (int8_t)(4 + 2 * rank),
                              0,
                              -1,
                              (int8_t)(3 + rank),
                              (int8_t)(6 + rank),
                              2,
                              (uint8_t)(5 + 3 * rank),
                              1,
                              (int16_t)(50 + 40 * rank),
                              (uint16_t)(rank % 2 ? MV_FLYING : MV_FOOT),
                              UA_FANTASTIC,
                              0,
                              0};
        snprintf(name, sizeof(name), "%s Creature %d", m_realm_names[realm], rank + 1);
        Set_Kind(type, creature, name, (uint8_t)(16 + realm));
    }
}

static struct Unit_Type_Table_Init {
    Unit_Type_Table_Init() { Unit_Type_Table_Reset(); }
} m_unit_type_table_init;

uint8_t *Unit_Type_Figure_Picture(int unit_type)
{
    if (unit_type < 0 || unit_type >= NUM_UNIT_TYPES || _unit_type_table[unit_type].pict_ofs == 0 ||
        g_graphics_cache_seg == nullptr) {
        return nullptr;
    }
    return g_graphics_cache_seg + _unit_type_table[unit_type].pict_ofs;
}
