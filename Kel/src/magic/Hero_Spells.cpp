#include "magic/Hero_Spells.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "LBX_Load.h"
#include "ai/AI_Data.h"
#include "heroes/Hero_Popups.h"
#include "magic/Magic_Services.h"
#include "magic/Spell_Effect_Support.h"
#include "turn/Offers.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Unit_Death.h"
#include "world/Unit_Levels.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Ids.h"
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

namespace {

constexpr int16_t HERO_IN_SERVICE = -20;
constexpr uint32_t HERO_SECOND_PICTURE = 1u << 30;
constexpr int16_t SPELL_RESURRECTION = 133;
constexpr int NUM_RESURRECTABLE = 34;

int16_t Newest_Unit(void) { return (int16_t)(_units - 1); }

bool Human_Watches_Summoning(int16_t caster_idx)
{
    return Game_Settings_Word(SPELL_SETTING_ENEMY_SPELLS) != 0 &&
           _players[HUMAN_PLAYER_IDX].Globals[ge_Spell_Watch] != 0 &&
           _players[HUMAN_PLAYER_IDX].Dipl_Contacted[caster_idx] != 0;
}

// A computer wizard's hero joins at once and leaves an overfull fortress square to its weakest unit.
int16_t Computer_Hero_Joins(int16_t caster_idx, int16_t hero_type, int16_t slot_idx, int16_t mode)
{
    if (!Hire_Hero(caster_idx, hero_type, slot_idx, mode)) return 0;
    Evict_Weakest_Unit(Newest_Unit());
    _HEROES2[caster_idx][hero_type].Level = HERO_IN_SERVICE;
    g_ai_recompute_needed = 1;
    return 1;
}

}  // namespace

int16_t Cast_Summon_Hero(int16_t caster_idx, int16_t kind)
{
    if (caster_idx < 0 || caster_idx >= NUM_PLAYERS || _HEROES2[caster_idx] == nullptr) return 0;
    const bool human = caster_idx == HUMAN_PLAYER_IDX;
    const int16_t slot_idx = Hero_Slot_Open(caster_idx);
    if (slot_idx < 0) {
        if (human) Magic_Message_Record(47);
        return 0;
    }
    const int16_t hero_type =
        Spell_Unit_Limit_Reached(caster_idx) ? (int16_t)-1 : Pick_Random_Hero(caster_idx, 1, kind);
    if (hero_type < 0) {
        if (human) Magic_Message_Record(48);
        return 0;
    }
    const bool second_picture = (_HEROES2[caster_idx][hero_type].abilities & HERO_SECOND_PICTURE) != 0;
    if (human) {
        const int16_t picture = kind == 1 ? (second_picture ? -3 : -2) : (second_picture ? -30 : -20);
        Magic_Hero_Summon_Scene(picture, hero_type, caster_idx);
        if (!Hire_Hero_Popup(slot_idx, hero_type, kind == 1 ? 1 : 3)) return 0;
        const Unit_Record &unit = _UNITS[Newest_Unit()];
        Magic_Redraw_Main(unit.wx, unit.wy, unit.wp);
        return 1;
    }
    if (Human_Watches_Summoning(caster_idx)) Magic_Hero_Summon_Scene(second_picture ? -3 : -2, hero_type, caster_idx);
    return Computer_Hero_Joins(caster_idx, hero_type, slot_idx, 0);
}

int16_t Cast_Incarnation(int16_t caster_idx)
{
    if (caster_idx < 0 || caster_idx >= NUM_PLAYERS || _HEROES2[caster_idx] == nullptr) return 0;
    const bool human = caster_idx == HUMAN_PLAYER_IDX;
    const int16_t slot_idx = Hero_Slot_Open(caster_idx);
    int16_t record = 0;
    if (slot_idx < 0) {
        record = 49;
    } else if (Spell_Unit_Limit_Reached(caster_idx)) {
        record = 50;
    } else if (_HEROES2[caster_idx][ht_Incarnation_Hero].Level == HERO_IN_SERVICE) {
        record = 51;
    }
    if (record != 0) {
        if (human) Magic_Message_Record(record);
        return 0;
    }
    if (!human) return Computer_Hero_Joins(caster_idx, ht_Incarnation_Hero, slot_idx, 0);
    if (!Hire_Hero_Popup(slot_idx, ht_Incarnation_Hero, 1)) return 0;
    const Player_Record &player = _players[caster_idx];
    Magic_Redraw_Main(player.summon_wx, player.summon_wy, player.summon_wp);
    return 1;
}

int16_t Cast_Resurrection(int16_t caster_idx)
{
    if (caster_idx < 0 || caster_idx >= NUM_PLAYERS || _HEROES2[caster_idx] == nullptr) return 0;
    const bool human = caster_idx == HUMAN_PLAYER_IDX;
    if (Spell_Unit_Limit_Reached(caster_idx)) {
        if (human) Magic_Message_Record(50);
        return 0;
    }
    int16_t dead[NUM_RESURRECTABLE];
    int16_t count = 0;
    for (int16_t type = 0; type < NUM_RESURRECTABLE; type++) {
        const int16_t level = _HEROES2[caster_idx][type].Level;
        if (level < 0 && level != HERO_IN_SERVICE) dead[count++] = type;
    }
    const int16_t slot_idx = Hero_Slot_Open(caster_idx);
    if (count == 0 || slot_idx < 0) return 0;
    int16_t choice = (int16_t)(count - 1);
    if (human && count > 1) choice = Magic_Resurrection_Choice(count, dead);
    if (choice < 0 || choice >= count) return 0;
    const int16_t hero_type = dead[choice];
    if (!Hire_Hero(caster_idx, hero_type, slot_idx, 1)) return 0;
    const int16_t unit_idx = Newest_Unit();
    if (human) {
        Unit_Record &unit = _UNITS[unit_idx];
        const Player_Record &player = _players[caster_idx];
        unit.wx = (uint8_t)player.summon_wx;
        unit.wy = (uint8_t)player.summon_wy;
        unit.wp = (uint8_t)player.summon_wp;
    }
    Evict_Weakest_Unit(unit_idx);
    if (human) {
        Unit_Record &unit = _UNITS[unit_idx];
        Magic_Square_Scene(SPELL_RESURRECTION, unit.wx, unit.wy, unit.wp, 0, nullptr);
        unit.Finished = 0;
        unit.moves2 = unit.moves2_max;
        Magic_Redraw_Main(unit.wx, unit.wy, unit.wp);
    }
    _HEROES2[caster_idx][hero_type].Level = HERO_IN_SERVICE;
    g_ai_recompute_needed = 1;
    return 1;
}
