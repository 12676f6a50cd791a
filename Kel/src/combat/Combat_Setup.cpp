#include "combat/Combat_Setup.h"

#include <cstring>
#include <initializer_list>

#include "STU_Log.h"
#include "combat/Combat_Checks.h"
#include "combat/Combat_Deploy.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Map_Generation.h"
#include "combat/Combat_Movement.h"
#include "combat/Combat_Path.h"
#include "combat/Combat_Tables.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Battlefield.h"
#include "world/City_Record.h"
#include "world/Item_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Map_Square_Record.h"
#include "world/Player_Record.h"
#include "world/Race_Type_Table.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"
#include "world/Square_Queries.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t CITY_WALLS_BUILDING = 35;
constexpr int16_t SPELL_FLOATING_ISLAND = 43;

bool Square_On_Map(int x, int y, int plane)
{
    return x >= 0 && x < WORLD_WIDTH && y >= 0 && y < WORLD_HEIGHT && plane >= 0 && plane < NUM_PLANES;
}

int16_t Floating_Island_Type(void)
{
    return spell_data_table ? spell_data_table[SPELL_FLOATING_ISLAND].Param_Words[0] : (int16_t)-1;
}

bool Side_Full(int count, int16_t owner)
{
    if (count >= BATTLE_SIDE_SLOTS) {
        STU_LOG(SEV_WARN, LC_COMBAT, "Combat: player %d brings more than %d units; the others sit the battle out",
                owner, BATTLE_SIDE_SLOTS);
        return true;
    }
    return false;
}

// Loads one unit into the next battle-unit slot for its side; -1 when the table is full.
int16_t Load_Side_Unit(int16_t unit_idx, int16_t owner, int side_count, int16_t *floating_flag)
{
    if (_combat_total_unit_count >= MAX_BATTLE_UNITS) {
        STU_LOG(SEV_WARN, LC_COMBAT, "Combat: the battle holds %d units; unit %d sits the battle out", MAX_BATTLE_UNITS,
                unit_idx);
        return -1;
    }
    const int16_t slot = _combat_total_unit_count++;
    Battle_Unit_Record *bu = Prepare_Battle_Unit(slot, owner, unit_idx, 0, 0);
    if (_UNITS[unit_idx].type == Floating_Island_Type()) {
        *floating_flag = 1;
        bu->Status = bus_Not_Deployed;
    }
    if (Side_Full(side_count, owner)) {
        bu->Status = bus_Not_Deployed;
    }
    return slot;
}

}  // namespace

int16_t Combat_City_At(int16_t x, int16_t y, int16_t plane)
{
    const int cities = _cities < 0 ? 0 : _cities > NUM_CITIES ? NUM_CITIES : _cities;
    for (int c = 0; c < cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.wx == x && city.wy == y && city.wp == plane) {
            return (int16_t)c;
        }
    }
    return -1;
}

void Build_Battlefield(int16_t x, int16_t y, int16_t plane)
{
    Battlefield_Record &bf = *battlefield;
    memset(bf.city_enchantments, 0, sizeof bf.city_enchantments);
    _wall_rise_on = 0;
    int16_t structure = 0;
    int16_t house_style = 0;
    int16_t flying = 0;
    int16_t wall_spells = 0;
    int16_t walls = 0;
    int16_t population = 0;
    const int16_t city_idx = Combat_City_At(x, y, plane);
    if (city_idx >= 0) {
        const City_Record &city = _CITIES[city_idx];
        population = city.population;
        if (population == 0) {
            structure = 1;
        } else {
            structure = 2;
            for (int p = 0; p < NUM_PLAYERS; p++) {
                const Fortress_Record &f = _FORTRESSES[p];
                if (f.active == 1 && f.wx == x && f.wy == y && f.wp == plane) {
                    structure = 3;
                }
            }
            const int16_t kind = city.race < NUM_RACES ? _race_type_table[city.race].house_kind : (int16_t)0;
            house_style = kind == 1 ? 2 : kind == 2 ? 1 : kind;
            flying = city.enchantments[ce_Flying_Fortress] > 0 ? 1 : 0;
            wall_spells = (int16_t)((city.enchantments[ce_Wall_of_Fire] > 0 ? 1 : 0) +
                                    (city.enchantments[ce_Wall_of_Darkness] > 0 ? 2 : 0));
            walls = City_Building_Stands(city, CITY_WALLS_BUILDING) ? 1 : 0;
        }
        memcpy(bf.city_enchantments, city.enchantments, NUM_CITY_ENCHANTMENTS);
    }
    bf.plane = plane;
    for (int t = 0; t < NUM_TOWERS; t++) {
        if (_TOWERS[t].wx == x && _TOWERS[t].wy == y) structure = 4;
    }
    for (int n = 0; n < NUM_NODES; n++) {
        if (_NODES[n].wx == x && _NODES[n].wy == y && _NODES[n].wp == plane) structure = (int16_t)(7 - _NODES[n].type);
    }
    for (int l = 0; l < NUM_LAIRS; l++) {
        const Lair_Record &lair = _LAIRS[l];
        if (lair.Intact == 1 && lair.wx == x && lair.wy == y && lair.wp == plane) structure = (int16_t)(lair.type + 4);
    }
    int16_t roads[COMBAT_NEIGHBOURHOOD] = {};
    const int16_t rivers[COMBAT_NEIGHBOURHOOD] = {};
    int16_t enchanted_road = 0;
    for (int dy = -1; dy <= 1; dy++) {
        for (int dx = -1; dx <= 1; dx++) {
            if (!Square_On_Map(x + dx, y + dy, plane)) {
                continue;
            }
            const uint8_t flags = _map_square_flags[World_Square_Index(x + dx, y + dy, plane)];
            roads[(dy + 1) * 3 + dx + 1] = (flags & sf_Road) ? 1 : 0;
            if (dx == 0 && dy == 0) enchanted_road = (flags & sf_Enchanted_Road) ? 1 : 0;
        }
    }
    int16_t terrain = 0;
    if (Square_On_Map(x, y, plane)) {
        if (Square_Is_Forest(x, y, plane))
            terrain = 6;
        else if (Square_Is_Hills(x, y, plane))
            terrain = 2;
        else if (Square_Is_Mountain(x, y, plane))
            terrain = 4;
        else if (Square_Is_Desert(x, y, plane))
            terrain = 3;
        else if (Square_Is_Swamp(x, y, plane) || Square_Is_Grasslands(x, y, plane))
            terrain = 1;
        else if (Square_Is_River(x, y, plane))
            terrain = 1;
        else if (Square_Is_Tundra(x, y, plane))
            terrain = 5;
    }
    if (structure == 6) terrain = 6;
    _combat_battlefield_terrain = terrain;
    _combat_wall_sprite_bank = (terrain == 4 || terrain == 3) ? 0 : (plane == 1 ? 1 : 0);
    const uint32_t seed = Get_Random_Seed();
    Set_Random_Seed((uint32_t)((int32_t)x * y * (plane + 5) + 10039));
    const Combat_Rule_Hooks &hooks = Combat_Hooks();
    if (hooks.load_terrain_pictures) hooks.load_terrain_pictures(terrain, plane);
    if (!_combat_skip_map_generation) {
        Generate_Combat_Map(structure, house_style, roads, enchanted_road, terrain, rivers, flying,
                            attacker_on_floating_island, defender_on_floating_island, walls, population, wall_spells);
    }
    _vortex_count = 0;
    Set_Random_Seed(seed);
    if (hooks.compose_background) hooks.compose_background();
}

int16_t Prepare_All_Battle_Units(int16_t count, const int16_t *units)
{
    Combat_Tables_Reset();
    int side = 0;
    for (int i = 0; i < count; i++) {
        const int16_t unit_idx = units[i];
        if (unit_idx < 0 || unit_idx >= _units) {
            continue;
        }
        const int16_t slot = Load_Side_Unit(unit_idx, _combat_attacker_player, side, &attacker_on_floating_island);
        if (slot < 0) {
            break;
        }
        side++;
        battle_units[slot].owner_idx = (int8_t)_combat_attacker_player;
        if (_combat_attacker_player != HUMAN_PLAYER_IDX) {
            _UNITS[unit_idx].Status = 0;
            _UNITS[unit_idx].Rd_Constr_Left = -1;
        }
    }
    if (_combat_attacker_player != HUMAN_PLAYER_IDX) {
        _combat_ai_player = _combat_attacker_player;
    }
    int16_t defenders = 0;
    for (int u = 0; u < _units && _combat_defender_player >= 0; u++) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.wx != _combat_wx || unit.wy != _combat_wy || unit.wp != _combat_wp ||
            unit.owner_idx != _combat_defender_player) {
            continue;
        }
        const int16_t slot =
            Load_Side_Unit((int16_t)u, _combat_defender_player, defenders, &defender_on_floating_island);
        if (slot < 0) {
            break;
        }
        battle_units[slot].owner_idx = (int8_t)_combat_defender_player;
        if (_combat_defender_player != HUMAN_PLAYER_IDX) {
            _UNITS[u].Status = 0;
        }
        defenders++;
    }
    if (_combat_attacker_player == -1) _combat_attacker_player = COMBAT_NO_SIDE;
    if (_combat_defender_player == -1) _combat_defender_player = COMBAT_NO_SIDE;
    if (_combat_defender_player != HUMAN_PLAYER_IDX) _combat_ai_player = _combat_defender_player;
    if (_combat_ai_player == -1) _combat_ai_player = COMBAT_NO_SIDE;
    _combat_local_player =
        _combat_attacker_player == HUMAN_PLAYER_IDX ? _combat_attacker_player : _combat_defender_player;
    _combat_remote_player =
        _combat_local_player == _combat_attacker_player ? _combat_defender_player : _combat_attacker_player;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        Battle_Unit_Record &bu = battle_units[i];
        bu.Times_Attacked = 0;
        bu.Confusion_State = 0;
        bu.Web_Strength = 0;
        bu.Target_Battle_Unit = -1;
        bu.Display_State = 0;
        if (_combat_environ == 1 && bu.Transport > 0 && (bu.Move_Flags & MV_SAILING) && !(bu.Move_Flags & MV_FLYING)) {
            bu.Status = bus_Not_Deployed;
        }
    }
    Deploy_Battle_Units(_combat_attacker_player);
    Deploy_Battle_Units(_combat_defender_player);
    for (int16_t side_player : {_combat_attacker_player, _combat_defender_player}) {
        if (side_player < 0 || side_player >= NUM_PLAYERS) {
            continue;
        }
        Player_Record &wizard = _players[side_player];
        wizard.Cmbt_Skill_Left = wizard.casting_spell_idx == spl_Spell_Of_Return ? (int16_t)0 : wizard.Nominal_Skill;
    }
    return defenders;
}

int16_t Combat_Structure(int16_t x, int16_t y, int16_t plane, int16_t city_wanted)
{
    int16_t code = 0;
    if (!Square_On_Map(x, y, plane)) {
        return 0;
    }
    if (Square_Is_Sailable(x, y, plane)) {
        code = 6;
    }
    if (_combat_environ == 1 && _combat_environ_idx >= 0 && _combat_environ_idx < NUM_CITIES) {
        const City_Record &city = _CITIES[_combat_environ_idx];
        if (city.enchantments[ce_Heavenly_Light] > 0) combat_enchantments[1] = 2;
        if (city.enchantments[ce_Cloud_of_Shadow] > 0) combat_enchantments[3] = 2;
        if (city_wanted) code = 1;
    }
    const int tile = _world_maps[World_Square_Index(x, y, plane)] % 762;
    if (tile == 168) code = 2;
    if (tile == 169) code = 3;
    if (tile == 170) code = 4;
    return code;
}

void Combat_Node_Type(void)
{
    _combat_node_type = COMBAT_NO_NODE;
    for (int n = 0; n < NUM_NODES; n++) {
        const Node_Record &node = _NODES[n];
        if (node.wp != _combat_wp) {
            continue;
        }
        const int squares = node.power < NODE_MAX_AURA ? node.power : NODE_MAX_AURA;
        for (int k = 0; k < squares; k++) {
            if (node.Aura_Xs[k] == _combat_wx && node.Aura_Ys[k] == _combat_wy) {
                _combat_node_type = node.type;
                return;
            }
        }
    }
}

void Calc_Battlefield_Bonuses(int16_t structure)
{
    if (battlefield->city_enchantments[ce_Cloud_of_Shadow] > 0) combat_enchantments[3] = 2;
    if (battlefield->city_enchantments[ce_Heavenly_Light] > 0) combat_enchantments[1] = 2;
    for (int p = 0; p < NUM_PLAYERS; p++) {
        if (_players[p].Globals[ge_Eternal_Night] == 0 || combat_enchantments[1] == 2) {
            continue;
        }
        if (p == _combat_attacker_player) {
            combat_enchantments[2] = 3;
        } else if (p == _combat_defender_player) {
            combat_enchantments[3] = 3;
        } else {
            combat_enchantments[2] = combat_enchantments[3] = 3;
        }
    }
    for (int p = 0; p < NUM_BATTLEFIELD_PLAYERS; p++) {
        _battlefield_holybonus[p] = _battlefield_resistall[p] = _battlefield_leadership[p] = 0;
    }
    auto raise = [](int16_t *table, int owner, int value) {
        if (owner >= 0 && owner < NUM_BATTLEFIELD_PLAYERS && table[owner] < value) table[owner] = (int16_t)value;
    };
    for (int i = 0; i < _combat_total_unit_count; i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status != bus_Fighting) {
            continue;
        }
        const int owner = bu.owner_idx;
        if (structure == 1 && owner == _combat_defender_player) {
            Battle_Unit_Add(bu.Defense, 3);
        }
        if (bu.Attribs_2 & UI2_HOLY_BONUS) raise(_battlefield_holybonus, owner, bu.Spec_Att_Attr);
        if (bu.Attribs_2 & UI2_RESISTANCE_TO_ALL) raise(_battlefield_resistall, owner, bu.Spec_Att_Attr);
        if (bu.unit_idx < 0 || bu.unit_idx >= _units) {
            continue;
        }
        const Unit_Record &unit = _UNITS[bu.unit_idx];
        if (unit.Hero_Slot < 0 || unit.owner_idx < 0 || unit.owner_idx >= NUM_PLAYERS || unit.type >= NUM_HERO_TYPES) {
            continue;
        }
        const uint32_t abilities = _HEROES2[unit.owner_idx][unit.type].abilities;
        const int level = unit.Level + 1;
        if (abilities & hab_Prayermaster_Super) {
            raise(_battlefield_resistall, owner, level * 3 / 2);
        } else if (abilities & hab_Prayermaster) {
            raise(_battlefield_resistall, owner, level);
        }
        if (abilities & hab_Leadership_Super) {
            raise(_battlefield_leadership, owner, level / 2);
        } else if (abilities & hab_Leadership) {
            raise(_battlefield_leadership, owner, level / 3);
        }
    }
    for (int p = 0; p < NUM_BATTLEFIELD_PLAYERS; p++) {
        _battlefield_resistall[p] = (int16_t)(_battlefield_resistall[p] + _battlefield_holybonus[p]);
    }
}

void Assign_Combat_Grids(void)
{
    if (_active_battle_unit < 0 || _active_battle_unit >= MAX_BATTLE_UNITS) {
        return;
    }
    Battle_Unit_Record &active = battle_units[_active_battle_unit];
    Combat_Build_Unit_Cost_Map(&active);
    memset(g_combat_grid_action_map, ACTION_MAP_NOTHING, sizeof g_combat_grid_action_map);
    if (battlefield->walls == 1 && active.owner_idx == _combat_attacker_player && (active.Abilities & UA_WALLCRUSHER)) {
        for (int y = COMBAT_CITY_Y; y < COMBAT_CITY_Y + COMBAT_CITY_SIZE; y++) {
            for (int x = COMBAT_CITY_X; x < COMBAT_CITY_X + COMBAT_CITY_SIZE; x++) {
                if (Combat_Grid_Cell_Has_City_Wall((int16_t)x, (int16_t)y))
                    g_combat_grid_action_map[y][x] = ACTION_MAP_WALL;
            }
        }
    }
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status == bus_Fighting && bu.Display_State != 5 && Combat_Cell_On_Grid(bu.Grid_X, bu.Grid_Y)) {
            g_combat_grid_action_map[bu.Grid_Y][bu.Grid_X] = (uint8_t)i;
        }
    }
    const int16_t instant = Battle_Unit_Instant_Movement_Mode(&active);
    int16_t moves = (int8_t)active.Move_Halves;
    if ((instant == 6 || instant == 7) && moves > 0) {
        moves = 20;
    }
    Combat_Move_Path_Valid(active.Grid_X, active.Grid_Y, moves);
    for (int j = 0; j < COMBAT_GRID_CELLS; j++) {
        if (_cmbt_path_data[j] == 1) {
            g_combat_grid_action_map[j / COMBAT_GRID_WIDTH][j % COMBAT_GRID_WIDTH] = ACTION_MAP_MOVE;
        }
    }
    if (Combat_Cell_On_Grid(active.Grid_X, active.Grid_Y)) {
        g_combat_grid_action_map[active.Grid_Y][active.Grid_X] = (uint8_t)_active_battle_unit;
    }
}
