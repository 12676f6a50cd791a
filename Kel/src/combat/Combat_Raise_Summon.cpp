#include "combat/Combat_Raise_Summon.h"

#include "STU_Log.h"
#include "combat/Combat_Deploy.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Moving_Spells.h"
#include "combat/Combat_Spell_Effects.h"
#include "combat/Combat_Tables.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Battle_Unit_Effects.h"
#include "world/Battlefield.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

int16_t _wall_rise_frame = 0;
int16_t _wall_rise_type = 0;

namespace {

constexpr uint8_t RACE_FANTASTIC_FIRST = 15;
constexpr uint8_t RACE_DEATH_CREATURE = 20;
constexpr int MAX_CANDIDATES = MAX_BATTLE_UNITS;
constexpr int16_t WALL_KIND_STONE = 0;
constexpr int16_t WALL_KIND_FIRE = 1;
constexpr int16_t WALL_KIND_DARKNESS = 2;

int Unit_Count(void)
{
    return _combat_total_unit_count < 0                  ? 0
           : _combat_total_unit_count > MAX_BATTLE_UNITS ? MAX_BATTLE_UNITS
                                                         : _combat_total_unit_count;
}

bool Cell_Taken(int16_t x, int16_t y)
{
    for (int i = 0; i < Unit_Count(); i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status == bus_Fighting && bu.Grid_X == x && bu.Grid_Y == y) return true;
    }
    return false;
}

bool Overland_Unit_Valid(const Battle_Unit_Record &bu) { return bu.unit_idx >= 0 && bu.unit_idx < _units; }

bool Summoned_For_Battle(const Battle_Unit_Record &bu)
{
    return Overland_Unit_Valid(bu) && _UNITS[bu.unit_idx].wp == (uint8_t)COMBAT_GONE_PLANE;
}

bool Out_Of_Fight(const Battle_Unit_Record &bu) { return bu.Status > bus_Fighting && bu.Status != bus_Destroyed; }

const char *Type_Name(const Battle_Unit_Record &bu)
{
    const char *name = _unit_type_table[_UNITS[bu.unit_idx].type].name;
    return name != nullptr ? name : "";
}

// Clears what the battle gave the unit, puts it on the cell and composes it again with fresh pictures.
void Return_To_Battle(int16_t idx, int16_t x, int16_t y, int16_t figures, int16_t front_damage)
{
    Battle_Unit_Record &bu = battle_units[idx];
    bu.Curses = 0;
    bu.Combat_Enchantments = 0;
    _UNITS[bu.unit_idx].enchantments = 0;
    bu.Grid_X = bu.Target_X = x;
    bu.Grid_Y = bu.Target_Y = y;
    bu.Action_Mode = 0;
    bu.Target_Battle_Unit = -1;
    bu.Action = BUA_MAY_ACT;
    bu.Moving = 0;
    bu.Move_Step = 0;
    bu.Status = bus_Destroyed;  // the slot holds no figure set while a new one is chosen
    bu.Figure_Set = Battle_Unit_Pict_Open();
    const int16_t type = _UNITS[bu.unit_idx].type;
    if (bu.Figure_Set >= 0 && Combat_Hooks().figure_load) Combat_Hooks().figure_load(type, bu.Figure_Set);
    bu.Status = bus_Fighting;
    Battle_Unit_Regular_Stats(&bu);
    Battle_Unit_Special_Stats(&bu);
    bu.Max_Figures = _unit_type_table[type].Figures;
    bu.Cur_Figures = (uint8_t)figures;
    bu.Front_Figure_Damage = (uint8_t)front_damage;
}

}  // namespace

int16_t Combat_Free_Summon_Cell(int16_t player, int16_t *x, int16_t *y)
{
    const bool attacker = player == _combat_attacker_player;
    for (int draw = 0; draw < COMBAT_FREE_CELL_DRAWS; draw++) {
        const int16_t cx = attacker ? (int16_t)(14 - RANDOM(3)) : (int16_t)(RANDOM(3) + 7);
        const int16_t cy = (int16_t)(RANDOM(3) + 8);
        if (!Cell_Taken(cx, cy)) {
            *x = cx;
            *y = cy;
            return 1;
        }
    }
    const int16_t first_x = attacker ? 11 : 8;
    for (int16_t cy = 9; cy <= 11; cy++) {
        for (int16_t cx = first_x; cx < first_x + 3; cx++) {
            if (!Cell_Taken(cx, cy)) {
                *x = cx;
                *y = cy;
                return 1;
            }
        }
    }
    return 0;
}

int16_t Combat_Summon_Slot_Open(void)
{
    if (_combat_total_unit_count < MAX_BATTLE_UNITS) return _combat_total_unit_count < 0 ? 0 : _combat_total_unit_count;
    for (int i = 0; i < MAX_BATTLE_UNITS; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status != bus_Fighting && Summoned_For_Battle(bu)) return (int16_t)i;
    }
    return -1;
}

int16_t Combat_Summon_Creature(int16_t unit_type, int16_t player, int16_t x, int16_t y, int16_t spell, int16_t caster)
{
    if (Combat_Summon_Slot_Open() < 0) {
        STU_LOG(SEV_INFO, LC_COMBAT, "Combat_Summon_Creature: no battle-unit slot for unit type %d; nothing made",
                unit_type);
        return -1;
    }
    if (!Create_Unit(unit_type, player, 0, 0, COMBAT_GONE_PLANE, 2000)) {
        STU_LOG(SEV_INFO, LC_COMBAT, "Combat_Summon_Creature: the unit table is full; nothing made");
        return -1;
    }
    const int16_t slot = Combat_Place_Summoned_Unit(player, (int16_t)(_units - 1), x, y);
    if (slot >= 0) Battle_Unit_Summon_Animation(slot, x, y, spell, caster);
    return slot;
}

void Cast_Raise_Dead(int16_t player, int16_t caster, int16_t x, int16_t y)
{
    Combat_Redraw();
    int16_t candidates[MAX_CANDIDATES];
    const char *names[MAX_CANDIDATES];
    int16_t count = 0;
    for (int i = 0; i < Unit_Count(); i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.owner_idx != player || !Out_Of_Fight(bu) || bu.race >= RACE_FANTASTIC_FIRST) continue;
        if (!Overland_Unit_Valid(bu) || Summoned_For_Battle(bu)) continue;
        names[count] = Type_Name(bu);
        candidates[count++] = (int16_t)i;
    }
    if (count == 0) {
        STU_LOG(SEV_INFO, LC_COMBAT, "Cast_Raise_Dead: player %d has no unit to raise", player);
        return;
    }
    int16_t pick = 0;
    if (player == HUMAN_PLAYER_IDX) {
        if (count > 1) pick = Combat_Select_Unit("Select a unit to Raise", names, count);
    } else if (!Combat_Free_Summon_Cell(player, &x, &y)) {
        STU_LOG(SEV_INFO, LC_COMBAT, "Cast_Raise_Dead: no free cell for player %d", player);
        return;
    }
    if (pick < 0 || pick >= count) return;
    const int16_t idx = candidates[pick];
    const Battle_Unit_Record &bu = battle_units[idx];
    const int16_t figures = _unit_type_table[_UNITS[bu.unit_idx].type].Figures;
    const int16_t hits = bu.Hits;
    if (figures < 2) {
        Return_To_Battle(idx, x, y, 1, (int16_t)(hits / 2));
    } else {
        Return_To_Battle(idx, x, y, (int16_t)(figures / 2), 0);
    }
    Battle_Unit_Summon_Animation(idx, x, y, SPELL_RAISE_DEAD, caster);
    Combat_Redraw();
}

void Cast_Animate_Dead(int16_t player, int16_t caster)
{
    Combat_Redraw();
    int16_t candidates[MAX_CANDIDATES];
    const char *names[MAX_CANDIDATES];
    int16_t count = 0;
    for (int i = 0; i < Unit_Count(); i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (!Out_Of_Fight(bu) || bu.race == RACE_DEATH_CREATURE) continue;
        if (!Overland_Unit_Valid(bu) || Summoned_For_Battle(bu) || _UNITS[bu.unit_idx].Hero_Slot >= 0) continue;
        if ((bu.Attribs_1 & UI_MAGIC_IMMUNITY) && bu.owner_idx != player) continue;
        names[count] = Type_Name(bu);
        candidates[count++] = (int16_t)i;
    }
    if (count == 0) {
        STU_LOG(SEV_INFO, LC_COMBAT, "Cast_Animate_Dead: no unit for player %d to animate", player);
        return;
    }
    const int16_t pick =
        player == HUMAN_PLAYER_IDX ? Combat_Select_Unit("Select a unit to Animate", names, count) : (int16_t)0;
    if (pick < 0 || pick >= count) return;
    int16_t x = 0, y = 0;
    if (!Combat_Free_Summon_Cell(player, &x, &y)) {
        STU_LOG(SEV_INFO, LC_COMBAT, "Cast_Animate_Dead: no free cell for player %d", player);
        return;
    }
    const int16_t idx = candidates[pick];
    Battle_Unit_Record &bu = battle_units[idx];
    bu.owner_idx = (int8_t)player;
    _UNITS[bu.unit_idx].owner_idx = (int8_t)player;
    _UNITS[bu.unit_idx].mutations |= UM_UNDEAD;
    bu.Damage = bu.Drain_Damage = bu.Destroy_Damage = 0;
    Return_To_Battle(idx, x, y, _unit_type_table[_UNITS[bu.unit_idx].type].Figures, 0);
    Battle_Unit_Summon_Animation(idx, x, y, SPELL_ANIMATE_DEAD, caster);
    Combat_Redraw();
}

void Wall_Rise(int16_t spell, int16_t caster)
{
    const int16_t kind = spell == SPELL_WALL_OF_STONE  ? WALL_KIND_STONE
                         : spell == SPELL_WALL_OF_FIRE ? WALL_KIND_FIRE
                                                       : WALL_KIND_DARKNESS;
    if (kind == WALL_KIND_STONE) {
        battlefield->walls = 1;
        for (auto &row : battlefield->wall_sections) {
            for (int16_t &section : row) section = WALL_SECTION_STANDING;
        }
    } else if (kind == WALL_KIND_FIRE) {
        battlefield->wall_of_fire = 1;
    } else {
        battlefield->wall_of_darkness = 1;
    }
    _wall_rise_type = kind;
    if (Combat_Hooks().wall_rise) {
        _wall_rise_on = 1;
        _wall_rise_frame = 0;
        Combat_Hooks().wall_rise(kind, spell, caster);
    }
    _wall_rise_on = 0;
}

void Battle_Unit_Summon_Animation(int16_t battle_unit_idx, int16_t x, int16_t y, int16_t spell, int16_t caster)
{
    if (battle_unit_idx < 0 || battle_unit_idx >= MAX_BATTLE_UNITS) return;
    Battle_Unit_Record &bu = battle_units[battle_unit_idx];
    const bool attacker = bu.owner_idx == _combat_attacker_player;
    bu.Target_X = attacker ? 8 : 14;
    bu.Target_Y = 12;
    bu.Status = bus_Dead;  // not drawn in place while it appears
    if (Combat_Hooks().summon_appearance) Combat_Hooks().summon_appearance(battle_unit_idx, x, y, spell, caster);
    bu.Status = bus_Fighting;
}

namespace {

void Instant_Move(Battle_Unit_Record *bu, int16_t x, int16_t y, int16_t tunnel)
{
    bu->Status = bus_Dead;  // not drawn in place while it moves
    if (Combat_Hooks().instant_move) Combat_Hooks().instant_move(bu, x, y, tunnel);
    bu->Status = bus_Fighting;
    bu->Target_X = (int16_t)(bu->Target_X + x - bu->Grid_X);
    bu->Target_Y = (int16_t)(bu->Target_Y + y - bu->Grid_Y);
    bu->Grid_X = x;
    bu->Grid_Y = y;
}

}  // namespace

void Battle_Unit_Teleport(Battle_Unit_Record *bu, int16_t x, int16_t y) { Instant_Move(bu, x, y, 0); }

void Battle_Unit_Tunnel(Battle_Unit_Record *bu, int16_t x, int16_t y) { Instant_Move(bu, x, y, 1); }
