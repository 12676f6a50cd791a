#include "combat/Combat_AI.h"

#include <cstdlib>

#include "STU_Log.h"
#include "combat/Battle_Unit_Scores.h"
#include "combat/Combat_AI_Measures.h"
#include "combat/Combat_Attack.h"
#include "combat/Combat_Casting.h"
#include "combat/Combat_Checks.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Movement.h"
#include "combat/Combat_Moving_Spells.h"
#include "combat/Combat_Path.h"
#include "combat/Combat_Setup.h"
#include "combat/Combat_Tables.h"
#include "combat/Combat_Turn.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/Player_Record.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t GATE_X = 8;
constexpr int16_t GATE_Y = 12;
constexpr uint16_t SUMMONER_BITS = 0x0800 | 0x1000;
constexpr int FIRST_PASS_MOVES = 220;
constexpr int SUMMON_SIDE_MAX = 9;
constexpr int16_t UNIT_TABLE_SUMMON_MAX = 1000;
constexpr int CE_WRACK_ATTACKER = 8;
constexpr int CE_CALL_LIGHTNING_ATTACKER = 18;
constexpr int CE_PAIR_13_ATTACKER = 26;

bool Valid(int16_t idx) { return idx >= 0 && idx < _combat_total_unit_count; }
bool Active(int16_t idx) { return Valid(idx) && battle_units[idx].Status == bus_Fighting; }
int Moves(const Battle_Unit_Record &bu) { return (int8_t)bu.Move_Halves; }
void Set_Moves(Battle_Unit_Record &bu, int moves)
{
    bu.Move_Halves = (uint8_t)(moves < 0 ? 0 : moves > 127 ? 127 : moves);
}

bool Is_Defender(const Battle_Unit_Record &bu) { return bu.owner_idx == _combat_defender_player; }
bool Is_Hero(const Battle_Unit_Record &bu)
{
    return bu.unit_idx >= 0 && bu.unit_idx < _units && _UNITS[bu.unit_idx].Hero_Slot >= 0;
}
int Unit_Type(const Battle_Unit_Record &bu)
{
    return bu.unit_idx >= 0 && bu.unit_idx < _units ? _UNITS[bu.unit_idx].type : -1;
}
bool Invisible(const Battle_Unit_Record &bu)
{
    return (Battle_Unit_Enchantments(&bu) & UE_INVISIBILITY) || (bu.Abilities & UA_INVISIBILITY);
}
bool Sees_Through_Darkness(const Battle_Unit_Record &bu)
{
    return (Battle_Unit_Enchantments(&bu) & UE_TRUESIGHT) || (bu.Attribs_1 & UI_ILLUSIONS_IMMUNITY);
}
int Remaining_Hits(const Battle_Unit_Record &bu) { return (int)bu.Cur_Figures * bu.Hits - bu.Front_Figure_Damage; }
bool Enemies(const Battle_Unit_Record &a, const Battle_Unit_Record &b) { return a.owner_idx != b.owner_idx; }

int16_t Enemy_Of(int16_t player)
{
    return player == _combat_attacker_player ? _combat_defender_player : _combat_attacker_player;
}

int Fighting_Units_Of(int16_t player)
{
    int n = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        if (battle_units[i].Status == bus_Fighting && battle_units[i].owner_idx == player) n++;
    }
    return n;
}

// The cost map of the unit with every other fighting unit's cell closed, its target's open, and the
// perimeter closed for a defender holding a burning or dark city from inside.
void Build_Cost_Map(const Battle_Unit_Record &bu, int16_t target)
{
    Combat_Build_Unit_Cost_Map(&bu);
    if (Is_Defender(bu) && _ai_stay_in_city && (_ai_battlefield_city_walls & (2 | 4)) &&
        Battle_Unit_Is_Within_City(&bu))
        Update_Move_Map_City_Perimeter_Restrictions();
    if (Active(target)) {
        const Battle_Unit_Record &t = battle_units[target];
        if (Combat_Cell_On_Grid(t.Grid_X, t.Grid_Y)) _cmbt_movepath_cost_map[Combat_Cell(t.Grid_X, t.Grid_Y)] = 2;
    }
}

// The bounds the unit may walk in toward the goal without passing the stage point.
struct Box {
    int x0, x1, y0, y1;
};

Box Clamp_Box(const Battle_Unit_Record &bu, int gx, int gy, int sx, int sy)
{
    Box box = {0, COMBAT_GRID_WIDTH, 0, COMBAT_GRID_HEIGHT};
    if (sx == gx && sy == gy) return box;
    const int dx = abs(bu.Grid_X - gx);
    const int dy = abs(bu.Grid_Y - gy);
    if (dx >= dy) {
        if (bu.Grid_X < gx)
            box.x1 = sx;
        else
            box.x0 = sx;
    }
    if (dy >= dx) {
        if (bu.Grid_Y < gy)
            box.y1 = sy;
        else
            box.y0 = sy;
    }
    return box;
}

bool In_Box(const Box &box, int x, int y) { return x >= box.x0 && x <= box.x1 && y >= box.y0 && y <= box.y1; }

int16_t New_Target(int16_t idx) { return AI_Set_Unit_Action_Mode(idx, 0); }

void Log_Move(int16_t idx, int16_t target, int16_t x, int16_t y, int pathlen)
{
    if (!STU_Log_Category_Enabled(LC_COMBAT_TEST)) return;
    const Battle_Unit_Record &bu = battle_units[idx];
    STU_LOG(SEV_INFO, LC_COMBAT_TEST, "MOVE turn=%d unit=%d target=%d dst=(%d,%d) final=(%d,%d) mp=%d pathlen=%d",
            _combat_turn, idx, target, x, y, bu.Grid_X, bu.Grid_Y, Moves(bu), pathlen);
    for (int i = 0; i < pathlen && i < COMBAT_PATH_MAX; i++) {
        STU_LOG(SEV_INFO, LC_COMBAT_TEST, "MOVE_STEP unit=%d seq=%d cell=(%d,%d)", idx, i, _cmbt_mvpth_x[i],
                _cmbt_mvpth_y[i]);
    }
}

// Shoots or, out of shots, closes in, while the moves go down; a fallen target is replaced.
void Shoot_At(int16_t idx, int16_t target, int16_t sx, int16_t sy)
{
    Battle_Unit_Record &bu = battle_units[idx];
    int previous = FIRST_PASS_MOVES;
    while (Moves(bu) >= 1 && Moves(bu) < previous && Valid(target) && bu.Status == bus_Fighting &&
           _combat_winner == -1) {
        previous = Moves(bu);
        const Battle_Unit_Record &t = battle_units[target];
        if (Battle_Unit_Ranged_Kind(&bu) == -1) {
            Do_Auto_Unit_Turn(idx, t.Grid_X, t.Grid_Y, target, sx, sy);
        } else {
            Battle_Unit_Attack(idx, target, t.Grid_X, t.Grid_Y);
        }
        if (!Active(target)) target = New_Target(idx);
    }
}

}  // namespace

void Sort_Battle_Units(int16_t *list, int16_t count)
{
    for (int i = 1; i < count; i++) {
        const int16_t item = list[i];
        const int moves = Moves(battle_units[item]);
        int j = i - 1;
        while (j >= 0 && Moves(battle_units[list[j]]) > moves) {
            list[j + 1] = list[j];
            j--;
        }
        list[j + 1] = item;
    }
}

void AI_Set_All_Action_Modes(int16_t player)
{
    int32_t own = 0, enemy = 0, own_mana = 0, enemy_mana = 0, melee_strength = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status != bus_Fighting) continue;
        if (bu.owner_idx == player) {
            bu.Action_Mode = Battle_Unit_Has_Ranged_Attack(&bu) ? cam_Shoot : cam_Melee;
            own += Effective_Battle_Unit_Strength(&bu);
            own_mana += bu.Mana_Left / 4;
            if (bu.Action_Mode == cam_Melee) melee_strength += Effective_Battle_Unit_Strength(&bu);
        } else {
            enemy += Effective_Battle_Unit_Strength(&bu);
            enemy_mana += bu.Mana_Left / 4;
        }
    }
    const int32_t ranged = Total_Ranged_Attack_Strength(player);
    const int32_t enemy_ranged = Total_Ranged_Attack_Strength(Enemy_Of(player));
    if (own == 0 || enemy == 0) return;
    const int16_t side_mode = AI_Player_Mode(player);
    const int r = Random(3);
    const int32_t balance = ranged + own_mana - enemy_mana - enemy_ranged;
    const bool outgunned = balance <= r - 4;
    const bool no_fire = ranged + own_mana <= 0;
    const bool attacker = player == _combat_attacker_player;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status != bus_Fighting || bu.owner_idx != player) continue;
        const bool melee = bu.Action_Mode == cam_Melee;
        const bool shooter = bu.Action_Mode == cam_Shoot;
        if (side_mode <= 1) {
            if (melee && !outgunned && !no_fire) bu.Action_Mode = cam_Advance;
        } else if (side_mode == 2) {
            if (melee && melee_strength > 0 && enemy / melee_strength > 2 && !outgunned && !no_fire)
                bu.Action_Mode = cam_Advance;
            if (shooter && melee_strength > 0 && enemy / melee_strength <= 2 && balance >= 0 &&
                (attacker || _ai_battlefield_city_walls == 0))
                bu.Action_Mode = cam_Step_Then_Attack;
        } else if (side_mode == 3) {
            if (melee && balance > 0) bu.Action_Mode = cam_Advance;
            if (shooter && balance < 0) bu.Action_Mode = cam_Step_Then_Attack;
        } else if (shooter && Random(2) == 1) {
            bu.Action_Mode = cam_Step_Then_Attack;
        }
    }
}

int16_t Choose_Target_And_Action(int16_t idx, int16_t *mode, int16_t ranged)
{
    int best = -100;
    int16_t target = -1;
    if (_combat_winner != -1 || !Valid(idx)) return -1;
    const Battle_Unit_Record &u = battle_units[idx];
    if ((u.Attribs_1 & SUMMONER_BITS) && _combat_total_unit_count < MAX_BATTLE_UNITS &&
        _units < UNIT_TABLE_SUMMON_MAX && Fighting_Units_Of(u.owner_idx) < SUMMON_SIDE_MAX) {
        *mode = cam_Summon;
        return ATTACK_TARGET_WALL;
    }
    // The one-shot spells of abilities and items wait for the computer's spell targeting; a caster
    // with mana may still choose to cast.
    if (u.Mana_Left > 2 && *mode != cam_After_Cast && Random(15) >= u.Ranged - 5) {
        *mode = cam_Cast;
        return target;
    }
    const bool holding = _ai_battlefield_city_walls > 0 && !ranged && Is_Defender(u) && Battle_Unit_Is_Within_City(&u);
    for (int16_t e = 0; e < _combat_total_unit_count; e++) {
        const Battle_Unit_Record &enemy = battle_units[e];
        if (enemy.Status != bus_Fighting || !Enemies(u, enemy)) continue;
        if (ranged && Invisible(enemy)) continue;
        if (ranged && (_ai_battlefield_city_walls & 4) && !Sees_Through_Darkness(u) &&
            !Battle_Unit_Is_Within_City(&u) && Battle_Unit_Is_Within_City(&enemy))
            continue;
        if (!Target_Is_Visible(&enemy) && !(enemy.Grid_X == GATE_X && enemy.Grid_Y == GATE_Y)) continue;
        if (Is_Hero(u) && !ranged && _ai_disable_hero_melee_safety_check != 1) {
            if (u.Melee < enemy.Defense || u.Defense < 2 * enemy.Melee / 3) continue;
            if (Battle_Unit_Ranged_Kind(&enemy) >= 100 && u.Defense < 2 * enemy.Ranged / 3) continue;
        }
        if (holding && Range_To_Battle_Unit(&u, &enemy) != 1 &&
            ((u.Grid_X == GATE_X && u.Grid_Y == GATE_Y && (_ai_battlefield_city_walls & 1)) ||
             !Battle_Unit_Is_Within_City(&enemy)))
            continue;
        const int worth = Target_Unit_Value(idx, e, ranged);
        const int hits = Remaining_Hits(enemy);
        bool replace = false;
        if (ranged) {
            if (target >= 0 && abs(worth - best) <= 3) {
                replace = hits < Remaining_Hits(battle_units[target]);
                if (worth > best) best = worth;
            } else {
                replace = worth > best;
            }
        } else {
            replace = worth > best || (worth == best && target >= 0 && hits > Remaining_Hits(battle_units[target]));
        }
        if (replace) {
            if (worth > best) best = worth;
            target = e;
            *mode = 0;
        }
    }
    return target;
}

int16_t AI_Set_Unit_Action_Mode(int16_t idx, int16_t after_cast)
{
    if (!Active(idx)) return -1;
    Battle_Unit_Record &u = battle_units[idx];
    int16_t mode = after_cast == 1 ? cam_After_Cast : 0;
    int16_t ranged = Battle_Unit_Has_Ranged_Attack(&u);
    int16_t target = Choose_Target_And_Action(idx, &mode, ranged);
    bool turned_to_melee = false;
    if (ranged && Battle_Unit_Ranged_Kind(&u) >= 20 && Battle_Unit_Ranged_Kind(&u) <= 29 && Active(target) &&
        (battle_units[target].Attribs_1 & UI_MISSILES_IMMUNITY) && u.Melee * 3 >= u.Ranged * 2)
        target = -1;
    if (ranged && target < 0 &&
        (mode == 0 || mode == cam_After_Cast || mode == cam_Shoot || mode == cam_Step_Then_Attack)) {
        ranged = 0;
        target = Choose_Target_And_Action(idx, &mode, 0);
        if (mode == cam_Shoot || mode == cam_Step_Then_Attack) mode = cam_Melee;
        turned_to_melee = true;
    }
    if (mode == 0 || mode == cam_After_Cast) mode = ranged ? cam_Shoot : cam_Melee;
    if ((mode == cam_Melee || mode == cam_Shoot) && Active(target) &&
        (Is_Defender(u) || _ai_battlefield_city_walls == 0)) {
        const Battle_Unit_Record &t = battle_units[target];
        int nearest = Range_To_Battle_Unit(&u, &t);
        for (int16_t e = 0; e < _combat_total_unit_count; e++) {
            const Battle_Unit_Record &other = battle_units[e];
            if (other.Status != bus_Fighting || !Enemies(u, other) || Unit_Type(other) != Unit_Type(t) ||
                other.Defense != t.Defense)
                continue;
            const int range = Range_To_Battle_Unit(&u, &other);
            if (range < nearest) nearest = range, target = e;
        }
        if (!ranged) {
            const Battle_Unit_Record &chosen = battle_units[target];
            for (int16_t k = 0; k < idx; k++) {
                const Battle_Unit_Record &own = battle_units[k];
                const int16_t theirs = own.Target_Battle_Unit;
                if (own.owner_idx != u.owner_idx || !Active(theirs)) continue;
                if (Unit_Type(battle_units[theirs]) == Unit_Type(chosen) &&
                    battle_units[theirs].Defense == chosen.Defense)
                    target = theirs;
            }
        }
    }
    // The side's order from the assessment stands unless a special order, a cast or the switch to
    // melee replaced it.
    const bool side_order = u.Action_Mode >= cam_Melee && u.Action_Mode <= cam_Advance;
    if (mode > cam_Advance || after_cast == 1 || turned_to_melee || !side_order) u.Action_Mode = mode;
    if (turned_to_melee && u.Action_Mode != cam_Melee && u.Action_Mode <= cam_Advance) u.Action_Mode = cam_Melee;
    u.Target_Battle_Unit = (int8_t)(target >= 0 && target < 128 ? target : -1);
    u.AI_Target = (uint8_t)(Valid(target) ? target : 255);
    return target;
}

void AI_Stage_Point_For_Unit(int16_t idx, int16_t *x, int16_t *y)
{
    *x = 0;
    *y = 0;
    if (!Valid(idx)) return;
    const Battle_Unit_Record &u = battle_units[idx];
    if (u.Action_Mode == cam_Shoot || u.Action_Mode == cam_Advance) {
        *x = u.Grid_X;
        *y = u.Grid_Y;
        return;
    }
    const int16_t target = u.Target_Battle_Unit;
    if (!Active(target)) return;
    const Battle_Unit_Record &t = battle_units[target];
    Build_Cost_Map(u, target);
    Combat_Move_Path_Find(u.Grid_X, u.Grid_Y, t.Grid_X, t.Grid_Y);
    const int n = movement_path_grid_cell_count;
    if (n <= 0) return;
    int pick = n - 1;
    for (int i = 0; i < n; i++) {
        if (_cmbt_mvpth_c[Combat_Cell(_cmbt_mvpth_x[i], _cmbt_mvpth_y[i])] >= Moves(u)) {
            pick = i;
            break;
        }
    }
    *x = _cmbt_mvpth_x[pick];
    *y = _cmbt_mvpth_y[pick];
}

void Auto_Move_Unit(int16_t idx, int16_t x, int16_t y, int16_t target, int16_t stage_x, int16_t stage_y)
{
    if (!Active(idx)) return;
    Battle_Unit_Record &u = battle_units[idx];
    const int16_t goal_x = Active(target) ? battle_units[target].Grid_X : x;
    const int16_t goal_y = Active(target) ? battle_units[target].Grid_Y : y;
    if (!Combat_Cell_On_Grid(goal_x, goal_y)) return;
    Build_Cost_Map(u, target);
    Combat_Move_Path_Find(u.Grid_X, u.Grid_Y, goal_x, goal_y);
    const int n = movement_path_grid_cell_count;
    if (n <= 0) return;
    if (u.owner_idx != HUMAN_PLAYER_IDX) _ai_immobile_counter = -1;
    const Box box = Clamp_Box(u, goal_x, goal_y, stage_x, stage_y);
    const int16_t instant = Battle_Unit_Instant_Movement_Mode(&u);
    const int start_moves = Moves(u);
    const bool holds_walls = Is_Defender(u) && (_ai_battlefield_city_walls & 1) && _ai_stay_in_city;
    const Combat_Rule_Hooks &hooks = Combat_Hooks();
    int reached = -1;
    if (instant == 6 || instant == 7) {
        int last = n - 1;
        if (Active(target) && _cmbt_mvpth_x[last] == goal_x && _cmbt_mvpth_y[last] == goal_y) last--;
        if (last >= 0) {
            if (instant == 6) {
                Battle_Unit_Teleport(&u, _cmbt_mvpth_x[last], _cmbt_mvpth_y[last]);
            } else {
                Battle_Unit_Tunnel(&u, _cmbt_mvpth_x[last], _cmbt_mvpth_y[last]);
            }
            Set_Moves(u, Moves(u) - 2);
        }
        Log_Move(idx, target, goal_x, goal_y, n);
        return;
    }
    for (int i = 0; i < n; i++) {
        const int16_t cx = _cmbt_mvpth_x[i];
        const int16_t cy = _cmbt_mvpth_y[i];
        const bool goal = cx == goal_x && cy == goal_y;
        if (!In_Box(box, cx, cy) && !goal) break;
        if (i > 0 && _cmbt_mvpth_c[Combat_Cell(_cmbt_mvpth_x[i - 1], _cmbt_mvpth_y[i - 1])] >= start_moves) break;
        if (Active(target) && goal) {
            if (reached >= 0) Set_Moves(u, start_moves - _cmbt_mvpth_c[reached]);
            reached = -2;
            if (u.Hits > 0) {
                Battle_Unit_Attack(idx, target, cx, cy);
            } else {
                Set_Moves(u, 0);
            }
            break;
        }
        if (holds_walls && !Combat_Cell_In_City(cx, cy)) break;
        u.Moving = 1;
        u.Target_X = cx;
        u.Target_Y = cy;
        if (hooks.move_sound_start) hooks.move_sound_start(&u);
        u.Move_Step = 7;
        if (hooks.draw_move_step && Target_Is_Visible(&u)) hooks.draw_move_step(&u);
        if (hooks.move_sound_stop) hooks.move_sound_stop();
        Check_Wall_Of_Fire_Attack(&u);
        u.Move_Step = 0;
        u.Moving = 0;
        if (u.Status != bus_Fighting) break;
        u.Grid_X = cx;
        u.Grid_Y = cy;
        reached = Combat_Cell(cx, cy);
    }
    if (reached >= 0) {
        int next = -1;
        for (int i = 0; i < n; i++) {
            if (Combat_Cell(_cmbt_mvpth_x[i], _cmbt_mvpth_y[i]) == reached) next = i + 1;
        }
        if (next > 0 && next < n) {
            u.Target_X = _cmbt_mvpth_x[next];
            u.Target_Y = _cmbt_mvpth_y[next];
        }
        Set_Moves(u, start_moves - _cmbt_mvpth_c[reached]);
    }
    Log_Move(idx, target, goal_x, goal_y, n);
}

void Do_Auto_Unit_Turn(int16_t idx, int16_t x, int16_t y, int16_t target, int16_t stage_x, int16_t stage_y)
{
    if (!Active(idx)) return;
    const Battle_Unit_Record &u = battle_units[idx];
    if (!Active(target) && u.owner_idx == _combat_attacker_player && battlefield->house_count > 0 &&
        !Combat_Cell_In_City(u.Grid_X, u.Grid_Y)) {
        // Without a target an attacker makes for the nearest cell of the city block.
        int best = 0;
        for (int16_t cy = COMBAT_CITY_Y; cy < COMBAT_CITY_Y + COMBAT_CITY_SIZE; cy++) {
            for (int16_t cx = COMBAT_CITY_X; cx < COMBAT_CITY_X + COMBAT_CITY_SIZE; cx++) {
                Build_Cost_Map(u, -1);
                Combat_Move_Path_Find(u.Grid_X, u.Grid_Y, cx, cy);
                if (movement_path_grid_cell_count > 0 && (best == 0 || movement_path_grid_cell_count < best)) {
                    best = movement_path_grid_cell_count;
                    x = cx;
                    y = cy;
                }
            }
        }
        if (best > 0) {
            stage_x = x;
            stage_y = y;
        }
    }
    Auto_Move_Unit(idx, x, y, target, stage_x, stage_y);
}

void AI_Execute_Unit_Action(int16_t idx, int16_t stage_x, int16_t stage_y)
{
    if (!Active(idx)) return;
    Battle_Unit_Record &u = battle_units[idx];
    int16_t target = u.Target_Battle_Unit;
    if (stage_x == 0 && stage_y == 0 && Active(target)) {
        stage_x = battle_units[target].Grid_X;
        stage_y = battle_units[target].Grid_Y;
    }
    _active_battle_unit = idx;
    switch (u.Action_Mode) {
    case cam_Melee: {
        if ((_ai_battlefield_city_walls & 1) && !Active(target)) {
            Auto_Move_Unit(idx, GATE_X, GATE_Y, AI_NO_UNIT_TARGET, GATE_X, GATE_Y);
            break;
        }
        if (!Active(target) && u.owner_idx == NEUTRAL_PLAYER_IDX && u.owner_idx == _combat_attacker_player &&
            _combat_environ == 1) {
            Do_Auto_Unit_Turn(idx, 0, 0, -1, stage_x, stage_y);
            break;
        }
        int previous = FIRST_PASS_MOVES;
        while (Moves(u) >= 1 && Moves(u) < previous && Active(target) && u.Status == bus_Fighting &&
               _combat_winner == -1) {
            previous = Moves(u);
            Do_Auto_Unit_Turn(idx, battle_units[target].Grid_X, battle_units[target].Grid_Y, target, stage_x, stage_y);
            if (!Active(target)) target = New_Target(idx);
        }
        break;
    }
    case cam_Shoot: Shoot_At(idx, target, stage_x, stage_y); break;
    case cam_Step_Then_Attack:
        if (Active(target) && Range_To_Battle_Unit(&u, &battle_units[target]) != 1) {
            const int old = Moves(u);
            Set_Moves(u, 1);
            Do_Auto_Unit_Turn(idx, battle_units[target].Grid_X, battle_units[target].Grid_Y, target, stage_x, stage_y);
            Set_Moves(u, old - 1 + Moves(u));
        }
        Shoot_At(idx, target, stage_x, stage_y);
        break;
    case cam_Advance:
        if (Active(target)) {
            Do_Auto_Unit_Turn(idx, battle_units[target].Grid_X, battle_units[target].Grid_Y, target, stage_x, stage_y);
            if (!Active(target)) New_Target(idx);
        }
        break;
    case cam_Item_Spell:
    case cam_Cast:
        if (Combat_Cast_Spell(idx, _combat_wx, _combat_wy, _combat_wp) == 2 && u.Status == bus_Fighting) {
            target = AI_Set_Unit_Action_Mode(idx, 1);
            Shoot_At(idx, target, stage_x, stage_y);
        } else {
            Set_Moves(u, 0);
        }
        break;
    case cam_Summon:
        Summon_Demon(idx);
        Set_Moves(u, 0);
        break;
    default: Set_Moves(u, 0); break;
    }
    if (Moves(u) < 0) Set_Moves(u, 0);
}

int16_t Auto_Do_Combat_Turn(int16_t player)
{
    if (player == NEUTRAL_PLAYER_IDX && player == _combat_attacker_player && _ai_immobile_counter > 3) {
        for (int i = 0; i < _combat_total_unit_count; i++) {
            if (battle_units[i].owner_idx == player && battle_units[i].Status == bus_Fighting)
                battle_units[i].Status = bus_Dead;
        }
    }
    const int16_t ranged = Total_Ranged_Attack_Strength(player);
    const int16_t enemy_ranged = Total_Ranged_Attack_Strength(Enemy_Of(player));
    _ai_battlefield_city_walls = (int16_t)((battlefield->walls == 1 ? 1 : 0) + (battlefield->wall_of_darkness ? 4 : 0) +
                                           (battlefield->wall_of_fire ? 2 : 0));
    if (player == _combat_defender_player) {
        if (_ai_stay_in_city == 1) {
            int vortices = 0;
            for (int v = 0; v < _vortex_count && v < MAX_VORTEXES; v++) {
                if (_vortexes[v].owner == _combat_attacker_player) vortices++;
            }
            const bool wizard = player >= 0 && player < _num_players && player < NUM_PLAYERS;
            if ((enemy_ranged > 30 && ranged == 0) || vortices > 0 || combat_enchantments[CE_WRACK_ATTACKER] > 0 ||
                combat_enchantments[CE_CALL_LIGHTNING_ATTACKER] > 0 ||
                (combat_enchantments[CE_PAIR_13_ATTACKER] > 0 && wizard)) {
                _ai_battlefield_city_walls = 0;
                _ai_stay_in_city = 0;
            }
        } else {
            _ai_battlefield_city_walls = 0;
        }
    }
    _combat_winner = -1;
    AI_Set_All_Action_Modes(player);
    int16_t stage_x = 0;
    int16_t stage_y = 0;
    if (ranged >= enemy_ranged) {
        int16_t list[MAX_BATTLE_UNITS];
        int16_t count = 0;
        for (int16_t i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (bu.Status == bus_Fighting && bu.owner_idx == player &&
                (bu.Action_Mode == cam_Melee || bu.Action_Mode == cam_Advance))
                list[count++] = i;
        }
        if (count > 0) {
            Sort_Battle_Units(list, count);
            const int16_t middle = list[(count - 1) / 2];
            AI_Set_Unit_Action_Mode(middle, 0);
            AI_Stage_Point_For_Unit(middle, &stage_x, &stage_y);
        }
    }
    _ai_disable_hero_melee_safety_check = 0;
    for (int16_t i = 0; i < _combat_total_unit_count && _combat_winner == -1; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status != bus_Fighting || bu.owner_idx != player || Moves(bu) <= 0 || (bu.Curses & BUC_BLACK_SLEEP))
            continue;
        Switch_Active_Battle_Unit(i);
        Assign_Combat_Grids();
        AI_Set_Unit_Action_Mode(i, 0);
        const bool outside_held_city = bu.owner_idx == _combat_defender_player && _ai_battlefield_city_walls > 0 &&
                                       !Battle_Unit_Is_Within_City(&bu);
        AI_Execute_Unit_Action(i, outside_held_city ? 0 : stage_x, outside_held_city ? 0 : stage_y);
    }
    if (_ai_immobile_counter != -1) _ai_disable_hero_melee_safety_check = 1;
    for (int16_t i = 0; i < _combat_total_unit_count && _combat_winner == -1; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status != bus_Fighting || bu.owner_idx != player || Moves(bu) <= 0 || (bu.Curses & BUC_BLACK_SLEEP) ||
            !Is_Hero(bu))
            continue;
        Switch_Active_Battle_Unit(i);
        Assign_Combat_Grids();
        AI_Set_Unit_Action_Mode(i, 0);
        AI_Execute_Unit_Action(i, stage_x, stage_y);
    }
    return _combat_winner;
}
