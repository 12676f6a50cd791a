#include "magic/Hero_Spells.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "LBX_Load.h"
#include "world/ALLOC.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Unit_Levels.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int HIGHEST_HIRED_LEVEL = 6;

void Load_Hero_Name(int16_t player_idx, int16_t hero_type, char *name, size_t size)
{
    const int record = player_idx * NUM_HERO_TYPES + hero_type;
    if (record < 0 || record >= NAMES_RECORDS) return;
    char raw[NAMES_RECORD_SIZE + 1] = {};
    LBX_Load_Data_Static("NAMES", 0, (uint8_t *)raw, (int16_t)record, 1, NAMES_RECORD_SIZE);
    raw[NAMES_RECORD_SIZE] = '\0';
    snprintf(name, size, "%s", raw);
}

int Level_Index(int level) { return level < 0 ? 0 : level >= NUM_UNIT_LEVELS ? NUM_UNIT_LEVELS - 1 : level; }

}  // namespace

void Hero_Slot_Types(int16_t hero_type, int16_t slot_kinds[3])
{
    const int hero_class = hero_type >= 0 && hero_type < NUM_UNIT_TYPES ? _unit_type_table[hero_type].hero_class : 0;
    const int16_t kinds[4][3] = {{1, 5, 6}, {2, 5, 6}, {3, 5, 6}, {4, 6, 6}};
    const int row = hero_class >= 1 && hero_class <= 3 ? hero_class : 0;
    for (int i = 0; i < 3; i++) slot_kinds[i] = kinds[row][i];
}

int16_t Hire_Hero(int16_t player_idx, int16_t hero_type, int16_t slot_idx, int16_t mode)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS || hero_type < 0 || hero_type >= NUM_HERO_TYPES || slot_idx < 0 ||
        slot_idx >= NUM_HERO_SLOTS || _HEROES2[player_idx] == nullptr) {
        return 0;
    }
    const Fortress_Record &fortress = _FORTRESSES[player_idx];
    if (!Create_Unit(hero_type, player_idx, fortress.wx, fortress.wy, fortress.wp, -1)) return 0;
    const int16_t unit_idx = (int16_t)(_units - 1);
    Unit_Record &unit = _UNITS[unit_idx];
    unit.Finished = 0;
    unit.moves2 = unit.moves2_max;
    unit.Hero_Slot = (int8_t)slot_idx;
    Hero_Slot_Record &slot = _players[player_idx].Heroes[slot_idx];
    slot.unit_idx = unit_idx;
    Hero_Slot_Types(hero_type, slot.Item_Slots);
    for (int16_t &item : slot.Items) item = -1;
    Hero_Record &hero = _HEROES2[player_idx][hero_type];
    if (mode == 1 && player_idx == 0 && hero_names_table != nullptr) {
        snprintf(slot.name, sizeof slot.name, "%.13s", hero_names_table[hero_type].name);
        unit.XP = hero_names_table[hero_type].experience;
        unit.Level = (int8_t)Level_Index(Calc_Unit_Level(unit_idx));
    } else {
        Load_Hero_Name(player_idx, hero_type, slot.name, sizeof slot.name);
        int level;
        if (mode == 1) {
            level = abs(hero.Level) - 1;
        } else {
            if (hero.Level > HIGHEST_HIRED_LEVEL) hero.Level = HIGHEST_HIRED_LEVEL;
            level = hero.Level;
        }
        unit.Level = (int8_t)Level_Index(level);
        unit.XP = TBL_Experience[Level_Index(level)];
    }
    return 1;
}
