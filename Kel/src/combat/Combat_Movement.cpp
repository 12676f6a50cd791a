#include "combat/Combat_Movement.h"

#include <cstring>

#include "combat/Battle_Unit_Damage.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Moving_Spells.h"
#include "combat/Combat_Path.h"
#include "combat/Combat_Tables.h"
#include "world/City_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

// The fire of a Wall of Fire.
constexpr int16_t SPELL_WALL_OF_FIRE = 96;

bool City_Is_Flying(void) { return battlefield->city_enchantments[ce_Flying_Fortress] > 0; }

void Block(int x, int y)
{
    if (Combat_Cell_On_Grid(x, y)) {
        _cmbt_movepath_cost_map[Combat_Cell(x, y)] = COMBAT_COST_BLOCKED;
    }
}

}  // namespace

int16_t Battle_Unit_Movement_Mode(const Battle_Unit_Record *bu)
{
    if (bu->Move_Flags & MV_FLYING) return 2;
    if (bu->Move_Flags & MV_SWIMMING) return 5;
    if ((bu->Move_Flags & (MV_MOUNTAINEER | MV_FORESTER)) || !(bu->Move_Flags & MV_SAILING)) return 1;
    return 4;
}

int16_t Battle_Unit_Instant_Movement_Mode(const Battle_Unit_Record *bu)
{
    if (bu->Move_Flags & MV_TELEPORTING) return 6;
    if (bu->Move_Flags & MV_MERGING) return 7;
    return 0;
}

void Set_Movement_Cost_Map(const Battle_Unit_Record *bu)
{
    const int16_t instant = Battle_Unit_Instant_Movement_Mode(bu);
    const int16_t mode = instant > 0 ? instant : Battle_Unit_Movement_Mode(bu);
    const Battlefield_Record &bf = *battlefield;
    switch (mode) {
    case 0:
    case 1: memcpy(_cmbt_movepath_cost_map, bf.costs[ccg_Ground], COMBAT_GRID_CELLS); break;
    case 2:
    case 6:
    case 7: memcpy(_cmbt_movepath_cost_map, bf.costs[ccg_Air], COMBAT_GRID_CELLS); break;
    case 3: memcpy(_cmbt_movepath_cost_map, bf.costs[ccg_Second_Ground], COMBAT_GRID_CELLS); break;
    case 4: memcpy(_cmbt_movepath_cost_map, bf.costs[ccg_Water], COMBAT_GRID_CELLS); break;
    case 5:
        for (int j = 0; j < COMBAT_GRID_CELLS; j++) {
            const uint8_t ground = bf.costs[ccg_Ground][j];
            const uint8_t water = bf.costs[ccg_Water][j];
            _cmbt_movepath_cost_map[j] = ground < water ? ground : water;
        }
        break;
    default: break;
    }
}

int16_t Update_Move_Map_City_Area_Restrictions(const Battle_Unit_Record *bu)
{
    const Battlefield_Record &bf = *battlefield;
    const bool walls = bf.walls == 1;
    const bool flying = City_Is_Flying();
    auto standing = [&](int i, int j) { return bf.wall_sections[j][i] == WALL_SECTION_STANDING; };
    if (walls) {
        if (standing(0, 0)) Block(5, 10);
        if (standing(3, 0)) Block(8, 10);
        if (standing(0, 3)) Block(5, 13);
        if (standing(3, 3)) Block(8, 13);
    }
    if (bf.centre_code != ccc_City) {
        Block(COMBAT_CENTRE_X, COMBAT_CENTRE_Y);
    }
    if ((bu->Move_Flags & (MV_FLYING | MV_TELEPORTING | MV_MERGING)) || (bu->Abilities & UA_NONCORPOREAL)) {
        return 0;
    }
    if (!walls && !flying) {
        return 0;
    }
    const bool inside = Battle_Unit_Is_Within_City(bu) == 1;
    for (int j = 0; j < COMBAT_CITY_SIZE; j++) {
        for (int i = 0; i < COMBAT_CITY_SIZE; i++) {
            const bool gate = i == 3 && j == 2;
            if (inside) {
                if ((gate && !flying) || (!standing(i, j) && !flying)) {
                    continue;
                }
                if (i == 0) {
                    Block(4, 10 + j);
                    if (j == 0) Block(4, 9);
                    if (j == 3) Block(4, 14);
                }
                if (j == 0) Block(5 + i, 9);
                if (i == 3) {
                    Block(9, 10 + j);
                    if (j == 0) Block(9, 9);
                    if (j == 3) Block(9, 14);
                }
                if (j == 3) Block(5 + i, 14);
            } else if (flying || (standing(i, j) && !gate)) {
                Block(5 + i, 10 + j);
            }
        }
    }
    return 0;
}

void Combat_Build_Unit_Cost_Map(const Battle_Unit_Record *bu)
{
    Set_Movement_Cost_Map(bu);
    for (int i = 0; i < _combat_total_unit_count; i++) {
        if (battle_units[i].Status == bus_Fighting) {
            Block(battle_units[i].Grid_X, battle_units[i].Grid_Y);
        }
    }
    for (int v = 0; v < _vortex_count && v < MAX_VORTEXES; v++) {
        Block(_vortexes[v].x, _vortexes[v].y);
    }
    if (battlefield->centre_code != ccc_None) {
        Block(COMBAT_CENTRE_X, COMBAT_CENTRE_Y);
    }
    if (battlefield->walls == 1 || City_Is_Flying()) {
        Update_Move_Map_City_Area_Restrictions(bu);
    }
}

void Move_Battle_Unit(Battle_Unit_Record *bu, int16_t x, int16_t y)
{
    Combat_Build_Unit_Cost_Map(bu);
    const int16_t instant = Battle_Unit_Instant_Movement_Mode(bu);
    const bool is_instant = instant == 6 || instant == 7;
    if (!is_instant) {
        Combat_Move_Path_Find(bu->Grid_X, bu->Grid_Y, x, y);
        if (movement_path_grid_cell_count == 0) {
            return;
        }
    }
    const Combat_Rule_Hooks &hooks = Combat_Hooks();
    const int16_t start_x = bu->Grid_X;
    const int16_t start_y = bu->Grid_Y;
    bu->Moving = 1;
    if (hooks.move_sound_start) hooks.move_sound_start(bu);
    if (is_instant) {
        if (instant == 6) {
            Battle_Unit_Teleport(bu, x, y);
        } else {
            Battle_Unit_Tunnel(bu, x, y);
        }
    } else {
        for (int i = 0; i < movement_path_grid_cell_count; i++) {
            bu->Target_X = _cmbt_mvpth_x[i];
            bu->Target_Y = _cmbt_mvpth_y[i];
            bu->Move_Step = 7;
            if (hooks.draw_move_step) hooks.draw_move_step(bu);
            if (hooks.move_sound_stop) hooks.move_sound_stop();
            Check_Wall_Of_Fire_Attack(bu);
            if (bu->Status != bus_Fighting) {
                break;
            }
            bu->Move_Step = 0;
            bu->Grid_X = bu->Target_X;
            bu->Grid_Y = bu->Target_Y;
        }
    }
    bu->Move_Step = 0;
    bu->Moving = 0;
    int moves = (int8_t)bu->Move_Halves;
    if (is_instant) {
        moves = moves < 3 ? 0 : moves - 2;
    } else {
        bu->Grid_X = bu->Target_X;
        bu->Grid_Y = bu->Target_Y;
        const int n = movement_path_grid_cell_count;
        int prev_x = start_x;
        int prev_y = start_y;
        int last_x = x;
        int last_y = y;
        if (n > 1) {
            last_x = _cmbt_mvpth_x[n - 1];
            last_y = _cmbt_mvpth_y[n - 1];
            prev_x = _cmbt_mvpth_x[n - 2];
            prev_y = _cmbt_mvpth_y[n - 2];
        }
        const int reached = Combat_Cell(bu->Grid_X, bu->Grid_Y);
        bu->Target_X = (int16_t)(2 * last_x - prev_x);
        bu->Target_Y = (int16_t)(2 * last_y - prev_y);
        moves -= _cmbt_mvpth_c[reached];
    }
    bu->Move_Halves = (uint8_t)(moves < 0 ? 0 : moves);
}

void Check_Wall_Of_Fire_Attack(Battle_Unit_Record *bu)
{
    if (battlefield->wall_of_fire <= 0 || (bu->Move_Flags & (MV_FLYING | MV_TELEPORTING | MV_MERGING))) {
        return;
    }
    if (Battle_Unit_Is_Within_City(bu) || !Combat_Cell_In_City(bu->Target_X, bu->Target_Y)) {
        return;
    }
    int16_t damage[NUM_DAMAGE_KINDS] = {0, 0, 0};
    Compute_Battle_Unit_Damage_From_Spell(SPELL_WALL_OF_FIRE, bu, damage, 0);
    Battle_Unit_Commit_Damage(bu, damage);
}
