#include "world/Stack_Movement.h"

#include <cstring>

#include "Geometry.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Army_Services.h"
#include "world/Move_Path.h"
#include "world/Movement_Modes.h"
#include "world/Plane_Shift.h"
#include "world/Road_Connections.h"
#include "world/Roads.h"
#include "world/Scouting.h"
#include "world/Square_Queries.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Type_Record.h"

uint8_t movepath_x_array[MOVEPATH_ARRAY_SIZE];
uint8_t movepath_y_array[MOVEPATH_ARRAY_SIZE];
uint8_t movepath_cost_array[MOVEPATH_ARRAY_SIZE];

int16_t _combat_environ;
int16_t _combat_environ_idx;
int16_t _combat_attacker_wx;
int16_t _combat_attacker_wy;

int16_t OVL_SWardTriggered;
uint8_t spell_ward_stack_realms[5];
int16_t stack_moves;
int16_t cycle_incomes;
int16_t _stack_selection_changed;
int16_t _move_stack_hook_called;

constexpr int8_t ROAD_TURNS_NONE = -1;
constexpr int8_t ROAD_TURNS_PASSING = 99;

static const Unit_Type_Record &Type_Of(int16_t unit_idx) { return _unit_type_table[_UNITS[unit_idx].type]; }

int16_t Army_Moves2(const int16_t *units, int16_t count)
{
    int result = 0;
    for (int i = 0; i < count; i++) {
        const int16_t u = units[i];
        const int moves = _UNITS[u].moves2;
        if (Type_Of(u).Transport > 0 || Unit_Has_WindWalking(u)) {
            result = moves;
            break;
        }
        if (i == 0 || moves < result) {
            result = moves;
        }
    }
    stack_moves = (int16_t)result;
    return stack_moves;
}

int16_t Stack_Moves(void)
{
    int16_t count;
    int16_t list[MAX_STACK];
    Active_Unit_Stack(&count, list);
    int result = 0;
    bool first = true;
    bool wind_walker_moves = false;
    for (int i = 0; i < count; i++) {
        const int16_t u = list[i];
        const int moves = _UNITS[u].moves2;
        if (Type_Of(u).Transport > 0) {
            result = moves;
            first = false;
            break;
        }
        if (Unit_Has_WindWalking(u)) {
            result = moves;
            first = false;
            wind_walker_moves = wind_walker_moves || moves > 0;
            continue;
        }
        if (first || moves < result) {
            result = moves;
        }
        first = false;
    }
    if (wind_walker_moves) {
        for (int i = 0; i < count; i++) {
            Unit_Record &unit = _UNITS[list[i]];
            if (unit.moves2 == 0 && !Unit_Has_WindWalking(list[i])) {
                unit.moves2 = 1;
                unit.Finished = 0;
            }
        }
    }
    stack_moves = (int16_t)result;
    return stack_moves;
}

int16_t Army_Boatriders(int16_t count, const int16_t *units, int16_t *boatriders)
{
    for (int i = 0; i < count; i++) {
        if (Unit_Has_WindWalking(units[i])) {
            return 0;
        }
    }
    int16_t n = 0;
    for (int i = 0; i < count; i++) {
        const int16_t u = units[i];
        if (!(Unit_Has_AirTravel(u) || Unit_Has_WaterTravel(u) || Unit_Has_AirTravel_Item(u) ||
              Unit_Has_WaterTravel_Item(u))) {
            boatriders[n++] = u;
        }
    }
    return n;
}

void Fix_Patrol_On_Boats(int16_t count, const int16_t *units)
{
    if (count <= 0) {
        return;
    }
    const Unit_Record first = _UNITS[units[0]];
    bool ship_with_moves = false;
    for (int16_t i = 0; i < _units; i++) {
        const Unit_Record &u = _UNITS[i];
        if (u.owner_idx == first.owner_idx && u.wx == first.wx && u.wy == first.wy && u.wp == first.wp &&
            _unit_type_table[u.type].Transport > 0 && u.moves2 > 0) {
            ship_with_moves = true;
        }
    }
    if (!ship_with_moves) {
        return;
    }
    for (int16_t i = 0; i < _units; i++) {
        Unit_Record &u = _UNITS[i];
        if (u.owner_idx == first.owner_idx && u.wx == first.wx && u.wy == first.wy && u.wp == first.wp &&
            _unit_type_table[u.type].Transport == 0) {
            u.Status = us_Patrol;
            u.Finished = 1;
        }
    }
}

int16_t Square_Has_City(int16_t wx, int16_t wy, int16_t wp)
{
    for (int16_t i = 0; i < _cities && i < NUM_CITIES; i++) {
        if (_CITIES[i].wp == wp && _CITIES[i].wx == wx && _CITIES[i].wy == wy) {
            return i;
        }
    }
    return -1;
}

int16_t City_Spell_Ward_Check(int16_t city_idx, int16_t count, const int16_t *units)
{
    int16_t stopped = 0;
    for (int ward = 0; ward < 5; ward++) {
        if (_CITIES[city_idx].enchantments[ce_Nature_Ward + ward] == 0) {
            continue;
        }
        for (int i = 0; i < count; i++) {
            if (units[i] != -1 && Type_Of(units[i]).race == rt_Nature + ward) {
                stopped = 1;
                spell_ward_stack_realms[ward] = 1;
            }
        }
    }
    return stopped;
}

int16_t Stack_Blocked_By_Spell_Ward(int16_t city_idx, int16_t count, const int16_t *units)
{
    const int16_t stopped = City_Spell_Ward_Check(city_idx, count, units);
    if (stopped) {
        OVL_SWardTriggered = 1;
    }
    return stopped;
}

int16_t Check_Planar_Seal(void)
{
    for (int p = 0; p < NUM_PLAYERS; p++) {
        if (_players[p].Globals[ge_Planar_Seal] != 0) {
            return 1;
        }
    }
    return 0;
}

int16_t Active_Stack_On_Astral_Gate(void)
{
    if (_unit_stack_count <= 0) {
        return 0;
    }
    const Unit_Record &first = _UNITS[_unit_stack[0].unit_idx];
    for (int16_t wp = 0; wp < NUM_PLANES; wp++) {
        const int16_t city = Square_Has_City(first.wx, first.wy, wp);
        if (city >= 0) {
            return _CITIES[city].enchantments[ce_Astral_Gate] == 1;
        }
    }
    return 0;
}

void Main_Screen_Disable_Income_Warning(void) { cycle_incomes = -1; }

void Main_Screen_Enable_Income_Warning(void) { cycle_incomes = 0; }

static int Riders_Needing_Room(int16_t count, const int16_t *units)
{
    int riders = 0;
    for (int i = 0; i < count; i++) {
        const int16_t u = units[i];
        if (Type_Of(u).Transport > 0 || _UNITS[u].type < NUM_HERO_TYPES || Unit_Moves_Without_Boat(u)) {
            continue;
        }
        riders++;
    }
    return riders;
}

static int Transport_Room(int16_t count, const int16_t *units, bool *ships)
{
    int room = 0;
    for (int i = 0; i < count; i++) {
        if (Type_Of(units[i]).Transport > 0) {
            room += Type_Of(units[i]).Transport;
            *ships = true;
        }
    }
    return room;
}

void Eval_Move_Path__WIP(int16_t player_idx, uint8_t *path_x, uint8_t *path_y, int16_t wp, uint8_t *path_cost,
                         int16_t moves2, int16_t *defender, int16_t *combat, int16_t *steps, int16_t *keep_order,
                         int16_t *units, int16_t count)
{
    static int16_t here[ARMY_SQUARE_ROOM];
    const int16_t total_steps = *steps;
    int16_t cut = total_steps;
    bool stopped = false;  // by something on the way, not by the moves
    int cost = 0;
    *combat = 0;
    *keep_order = 0;
    *defender = -1;
    for (int16_t i = 0; i < total_steps; i++) {
        const int16_t x = path_x[i], y = path_y[i];
        cost += path_cost[i];
        const bool last_move = cost >= moves2;
        const int16_t lair = Army_Square_Has_Lair(x, y, wp);
        const int16_t city = lair >= 0 ? -1 : Square_Has_City(x, y, wp);
        int16_t here_count = 0;
        if (lair >= 0) {
            cut = i + 1;
            *combat = 1;
            _combat_environ = cenv_Lair;
            _combat_environ_idx = lair;
            *defender = NEUTRAL_PLAYER_IDX;
            stopped = true;
        } else if (city >= 0) {
            if (Stack_Blocked_By_Spell_Ward(city, count, units)) {
                cut = i;
                stopped = true;
            } else if (_CITIES[city].owner_idx == player_idx) {
                Player_Army_At_Square(x, y, wp, player_idx, &here_count, here);
                if (here_count + count > MAX_STACK) {
                    cut = i;
                    stopped = true;
                }
            } else {
                cut = i + 1;
                *combat = 1;
                _combat_environ = cenv_City;
                _combat_environ_idx = city;
                *defender = _CITIES[city].owner_idx;
                stopped = true;
            }
        } else {
            Enemy_Army_At_Square(x, y, wp, player_idx, &here_count, here);
            if (here_count > 0) {
                cut = i + 1;
                *combat = 1;
                _combat_environ = cenv_Open;
                _combat_environ_idx = -1;
                *defender = here[0];
                stopped = true;
            } else {
                Player_Army_At_Square(x, y, wp, player_idx, &here_count, here);
                if (here_count > 0 && here_count + count > MAX_STACK) {
                    cut = i;
                    stopped = true;
                } else if (here_count > 0) {
                    bool ships = false;
                    const int room = Transport_Room(here_count, here, &ships) + Transport_Room(count, units, &ships);
                    if (ships) {
                        const int riders = Riders_Needing_Room(here_count, here) + Riders_Needing_Room(count, units);
                        cut = room < riders - 1 ? i : i + 1;
                        stopped = true;
                    }
                }
            }
        }
        if (stopped) {
            break;
        }
        if (last_move) {
            cut = i + 1;
            *keep_order = 1;
            break;
        }
    }
    if (stopped && player_idx == HUMAN_PLAYER_IDX) {
        bool on_goto = false;
        for (int i = 0; i < count; i++) {
            Unit_Record &u = _UNITS[units[i]];
            if (u.Status == us_GOTO) {
                on_goto = true;
                u.Status = us_Ready;
                u.dst_wx = 0;
                u.dst_wy = 0;
            }
        }
        if (on_goto && *combat) {
            *combat = 0;
            cut--;
        }
    }
    *steps = cut < 0 ? 0 : cut;
}

// Road builders' line: each step costs the turns its road takes between the builders.
static int16_t Road_Building_Step(int16_t player_idx, int16_t dst_x, int16_t dst_y, int16_t wp, int16_t count,
                                  int16_t *units)
{
    const Unit_Record &leader = _UNITS[units[0]];
    uint8_t line_x[256], line_y[256];
    int16_t n;
    if (player_idx == _current_player_idx) {
        n = Path_Wrap(leader.Rd_From_X, leader.Rd_From_Y, dst_x, dst_y, line_x, line_y, (int16_t)sizeof line_x,
                      WORLD_WIDTH);
    } else {
        int8_t sx[256], sy[256];
        n = OVL_GetRoadPath(leader.Rd_From_X, leader.Rd_From_Y, dst_x, dst_y, wp, sx, sy);
        for (int i = 0; i < n; i++) {
            line_x[i] = (uint8_t)sx[i];
            line_y[i] = (uint8_t)sy[i];
        }
    }
    if (n < 0) n = 0;
    if (n > 255) n = 255;
    int first = 0;
    for (int i = 0; i < n; i++) {
        if (line_x[i] == leader.wx && line_y[i] == leader.wy) {
            first = i + 1;
        }
    }
    int strength = 0;
    for (int i = 0; i < count; i++) {
        const int construction = Type_Of(units[i]).Construction;
        if (construction > 0) {
            strength += construction + (Unit_Has_Endurance(units[i]) ? 1 : 0);
        }
    }
    if (strength < 1) {
        strength = 1;
    }
    int16_t left = (int16_t)(n - first);
    if (left > MOVEPATH_ARRAY_SIZE - 2) {
        left = MOVEPATH_ARRAY_SIZE - 2;
    }
    for (int i = 0; i < left; i++) {
        const uint8_t x = line_x[first + i], y = line_y[first + i];
        movepath_x_array[2 + i] = x;
        movepath_y_array[2 + i] = y;
        int turns = Turns_To_Build_Road(x, y, wp) / strength;
        movepath_cost_array[i] = (uint8_t)(turns < 1 ? 1 : turns);
    }
    bool new_step = false;
    for (int i = 0; i < count; i++) {
        Unit_Record &u = _UNITS[units[i]];
        if (u.Rd_Constr_Left < 1) {
            if (left > 0) {
                u.Rd_Constr_Left = (int8_t)movepath_cost_array[0];
                new_step = true;
            } else {
                u.Rd_Constr_Left = ROAD_TURNS_NONE;
                u.Status = us_Ready;
                Make_Road(u.wx, u.wy, wp);
                Reset_Landmass_Road_Connection_Bitfields(u.wx, u.wy, wp);
                new_step = false;
            }
        } else {
            u.Rd_Constr_Left--;
            u.Finished = 1;
            new_step = false;
        }
    }
    return new_step ? 1 : 0;
}

int16_t Move_Units(int16_t player_idx, int16_t dst_x, int16_t dst_y, int16_t mode, int16_t *map_x, int16_t *map_y,
                   int16_t wp, int16_t count, int16_t *units)
{
    if ((mode != mum_Normal && mode != mum_Road_Building && mode != mum_Normal_Too) || count <= 0 ||
        count > MAX_STACK || wp < 0 || wp >= NUM_PLANES) {
        return 0;
    }
    const int16_t moves2 = Army_Moves2(units, count);
    if (moves2 <= 0) {
        return 0;
    }
    int16_t modes[NUM_MOVEMENT_MODES];
    Army_Movement_Modes(modes, units, count);
    const Unit_Record &leader = _UNITS[units[0]];
    const uint8_t start_x = leader.wx, start_y = leader.wy;
    int16_t steps;
    if (mode == mum_Road_Building) {
        steps = Road_Building_Step(player_idx, dst_x, dst_y, wp, count, units);
    } else {
        steps = Make_Move_Path(modes, start_x, start_y, dst_x, dst_y, wp, &movepath_x_array[2], &movepath_y_array[2],
                               movepath_cost_array, MOVEPATH_MAIN_SCREEN_ROOM, count, player_idx);
    }
    if (steps <= 0) {
        return 0;
    }
    int16_t defender, combat, keep_order;
    Eval_Move_Path__WIP(player_idx, &movepath_x_array[2], &movepath_y_array[2], wp, movepath_cost_array, moves2,
                        &defender, &combat, &steps, &keep_order, units, count);
    int total_cost = 0;
    for (int i = 0; i < steps; i++) {
        total_cost += movepath_cost_array[i];
    }
    // A battle is fought from the step before it, where the stack stays; a site is entered, so the
    // walk ends on it and a declined or lost entry puts the stack back on the step before.
    const int16_t before = combat ? (int16_t)(steps - 1) : steps;
    const int16_t walk = combat && _combat_environ != cenv_Lair ? before : steps;
    _combat_attacker_wx = before > 0 ? movepath_x_array[2 + before - 1] : start_x;
    _combat_attacker_wy = before > 0 ? movepath_y_array[2 + before - 1] : start_y;
    if (steps > 0) {
        if (walk > 0) {
            if (Army_Has_Move_Units_Draw()) {
                Army_Move_Units_Draw(player_idx, wp, walk, map_x, map_y, units, count);
            } else {
                for (int i = 0; i < count; i++) {
                    _UNITS[units[i]].wx = movepath_x_array[2 + walk - 1];
                    _UNITS[units[i]].wy = movepath_y_array[2 + walk - 1];
                }
            }
        }
    } else {
        total_cost = 0;
    }

    int16_t list[MAX_STACK];
    for (int i = 0; i < count; i++) {
        list[i] = units[i];
    }
    if (combat) {
        _move_stack_hook_called = 0;
        const uint8_t target_x = movepath_x_array[2 + steps - 1], target_y = movepath_y_array[2 + steps - 1];
        if (_combat_environ == cenv_Lair) {
            const int16_t result = Army_Lair_Combat(_combat_environ_idx, player_idx);
            if (result == 1) {
                static int16_t found[ARMY_SQUARE_ROOM];
                int16_t n = 0;
                Player_Army_At_Square(target_x, target_y, wp, player_idx, &n, found);
                count = n > MAX_STACK ? MAX_STACK : n;
                for (int i = 0; i < count; i++) list[i] = found[i];
            } else {
                for (int i = 0; i < count; i++) {
                    Unit_Record &u = _UNITS[list[i]];
                    if (result == 99 || (u.wx == target_x && u.wy == target_y)) {
                        u.wx = (uint8_t)_combat_attacker_wx;
                        u.wy = (uint8_t)_combat_attacker_wy;
                    }
                }
            }
        } else {
            const int16_t result = Army_Combat(player_idx, defender, count, list);
            Army_Record_Winner();
            if (result == 1) {
                static int16_t found[ARMY_SQUARE_ROOM];
                int16_t n = 0;
                Player_Army_At_Square(_combat_wx, _combat_wy, _combat_wp, player_idx, &n, found);
                count = n > MAX_STACK ? MAX_STACK : n;
                for (int i = 0; i < count; i++) list[i] = found[i];
            }
        }
    }
    _combat_wx = -1;
    _combat_wy = -1;
    Units_In_Tower(count, list, wp);

    for (int i = 0; i < count; i++) {
        Unit_Record &u = _UNITS[list[i]];
        if (u.owner_idx < 0 || u.owner_idx >= NUM_PLAYERS) {
            continue;
        }
        if (u.Rd_Constr_Left == ROAD_TURNS_PASSING) {
            u.Rd_Constr_Left = ROAD_TURNS_NONE;
        }
        if (!u.Finished && u.Status != us_Patrol) {
            const int left = u.moves2 - total_cost;
            u.moves2 = (uint8_t)(left > 0 ? left : 0);
            if (left <= 0) {
                u.Finished = 1;
            }
        }
        if (u.Status == us_GOTO && player_idx == _current_player_idx && combat) {
            u.Status = us_Ready;
            u.dst_wx = 0;
            u.dst_wy = 0;
        }
        if (keep_order && u.Status != us_MoveToAttack) {
            u.Status = us_GOTO;
            u.dst_wx = (uint8_t)dst_x;
            u.dst_wy = (uint8_t)dst_y;
            u.Finished = 1;
        }
        if (u.Status == us_GOTO && u.wx == u.dst_wx && u.wy == u.dst_wy && u.Rd_Constr_Left == ROAD_TURNS_NONE) {
            u.Status = us_Ready;
            u.dst_wx = 0;
            u.dst_wy = 0;
            if (u.moves2 > 0) {
                u.Finished = 0;
            }
        }
        if (u.Status == us_GOTO) {
            u.Finished = 1;
        }
    }
    Fix_Patrol_On_Boats(count, list);
    Army_Reset_Draw_Active_Stack();
    if (player_idx == _current_player_idx) {
        Update_Scouted_And_Contacted();
    }
    return 1;
}
