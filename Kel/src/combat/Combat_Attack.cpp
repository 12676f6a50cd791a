#include "combat/Combat_Attack.h"

#include <cstdlib>

#include "STU_Log.h"
#include "combat/Attack_Resolution.h"
#include "combat/Battle_Unit_Damage.h"
#include "combat/Battle_Unit_Scores.h"
#include "combat/Combat_Checks.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Rolls.h"
#include "combat/Combat_Tables.h"
#include "combat/Combat_Turn.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr uint16_t CASTER_BITS = 0x2000 | 0x4000;
constexpr int RANGED_MOVE_COST = 20;
constexpr int VOLLEY_MANA = 3;
constexpr int16_t MESSAGE_UNSEEN_TARGET = 3;
constexpr int16_t MESSAGE_WALL_OF_DARKNESS = 4;

bool Shot_Kind(int16_t kind) { return kind >= 10 && kind <= 39; }
bool Missile_Kind(int16_t kind) { return kind >= 20 && kind <= 29; }
bool Magic_Shot_Kind(int16_t kind) { return kind >= 30 && kind <= 39; }

bool Is_Hero(const Battle_Unit_Record &bu)
{
    return bu.unit_idx >= 0 && bu.unit_idx < _units && _UNITS[bu.unit_idx].Hero_Slot >= 0;
}

int16_t Total(const int16_t damage[NUM_DAMAGE_KINDS])
{
    int total = 0;
    for (int k = 0; k < NUM_DAMAGE_KINDS; k++) total += damage[k];
    return (int16_t)(total > 32767 ? 32767 : total < -32768 ? -32768 : total);
}

void Lose_Ranged_Attack(Battle_Unit_Record &bu)
{
    bu.Ranged_Type = (uint8_t)-1;
    bu.Ranged = 0;
}

// What a volley costs: 3 mana of a magic-shooting hero or caster (the shot lost when another cannot be
// paid), else one ammunition.
void Pay_For_Volley(Battle_Unit_Record &bu)
{
    if ((Is_Hero(bu) || (bu.Attribs_1 & CASTER_BITS)) && Magic_Shot_Kind(Battle_Unit_Ranged_Kind(&bu))) {
        bu.Mana_Left = (uint8_t)(bu.Mana_Left < VOLLEY_MANA + 1 ? 0 : bu.Mana_Left - VOLLEY_MANA);
        if (bu.Mana_Left < VOLLEY_MANA) Lose_Ranged_Attack(bu);
        return;
    }
    if (bu.Ammo > 0) bu.Ammo--;
    if (bu.Ammo == 0) Lose_Ranged_Attack(bu);
}

void Lower_Moves(Battle_Unit_Record &bu, int cost)
{
    const int moves = (int8_t)bu.Move_Halves - cost;
    bu.Move_Halves = (uint8_t)(moves < 0 ? 0 : moves);
}

int Melee_Move_Cost(const Battle_Unit_Record &bu) { return (Battle_Unit_Moves2(&bu) + 1) / 2; }

bool Ranged_Choice(const Battle_Unit_Record &a, const Battle_Unit_Record &t, int16_t range, int16_t blocked)
{
    if (range >= 2) return blocked == 0;
    const int16_t kind = Battle_Unit_Ranged_Kind(&a);
    if (a.Melee / 2 >= a.Ranged || !Battle_Unit_Has_Ranged_Attack(&a)) return false;
    if (Missile_Kind(kind) && (t.Attribs_1 & UI_MISSILES_IMMUNITY)) return false;
    if (Magic_Shot_Kind(kind) && (t.Attribs_1 & UI_MAGIC_IMMUNITY)) return false;
    return blocked == 0;
}

void Break_Wall(int16_t attacker_idx, int16_t target, int16_t x, int16_t y, const int16_t attacker_damage[],
                const int16_t target_damage[])
{
    Battle_Unit_Record &a = battle_units[attacker_idx];
    const bool far = abs(a.Grid_X - x) > 1 || abs(a.Grid_Y - y) > 1;
    int chance = far ? 25 : 50;
    bool broken = false;
    if (target == ATTACK_TARGET_WALL) {
        broken = Random(100) <= chance;
        const Combat_Rule_Hooks &hooks = Combat_Hooks();
        if (far) {
            if (hooks.ranged_animation) hooks.ranged_animation(&a, nullptr, 0, x, y);
            Lower_Moves(a, RANGED_MOVE_COST);
            Pay_For_Volley(a);
        } else {
            if (hooks.melee_animation)
                hooks.melee_animation(&a, nullptr, Total(attacker_damage), Total(target_damage), x, y);
            Lower_Moves(a, Melee_Move_Cost(a));
        }
    } else {
        broken = Random(100) <= chance;
    }
    if (broken) battlefield->wall_sections[y - COMBAT_CITY_Y][x - COMBAT_CITY_X] = WALL_SECTION_BREACHED;
}

}  // namespace

void Battle_Unit_Attack(int16_t attacker, int16_t target, int16_t x, int16_t y)
{
    if (attacker < 0 || attacker >= _combat_total_unit_count) return;
    if (target != ATTACK_TARGET_WALL && (target < 0 || target >= _combat_total_unit_count)) return;
    Battle_Unit_Record &a = battle_units[attacker];
    int16_t target_damage[NUM_DAMAGE_KINDS] = {0, 0, 0};
    int16_t attacker_damage[NUM_DAMAGE_KINDS] = {0, 0, 0};
    if (a.owner_idx != HUMAN_PLAYER_IDX) _ai_immobile_counter = -1;
    if (target != ATTACK_TARGET_WALL) {
        Battle_Unit_Record &t = battle_units[target];
        x = t.Grid_X;
        y = t.Grid_Y;
        const int16_t blocked = Check_Attack_Ranged(&a, &t);
        const int16_t range = Range_To_Battle_Unit(&a, &t);
        if (range >= 2 && blocked > 0) {
            if (a.owner_idx != HUMAN_PLAYER_IDX || _auto_combat_flag) return;
            Combat_Attack_Refused(blocked == 1 ? MESSAGE_UNSEEN_TARGET : MESSAGE_WALL_OF_DARKNESS);
            return;
        }
        const bool ranged = Ranged_Choice(a, t, range, blocked);
        a.Target_X = t.Grid_X;
        a.Target_Y = t.Grid_Y;
        if (STU_Log_Category_Enabled(LC_COMBAT_TEST)) {
            STU_LOG(SEV_INFO, LC_COMBAT_TEST,
                    "ATTACK turn=%d attacker=%d defender=%d attacker_cell=(%d,%d) defender_cell=(%d,%d) range=%d "
                    "has_ranged=%d action=%d mode=%s",
                    _combat_turn, attacker, target, a.Grid_X, a.Grid_Y, t.Grid_X, t.Grid_Y, range,
                    Battle_Unit_Has_Ranged_Attack(&a) ? 1 : 0, a.Action, ranged ? "ranged" : "melee");
        }
        Battle_Unit_Attack_Target(&a, &t, target_damage, attacker_damage, ranged ? 1 : 0, 1);
        if (t.Times_Attacked < 255) t.Times_Attacked++;
        const Combat_Rule_Hooks &hooks = Combat_Hooks();
        if (ranged) {
            if (hooks.ranged_animation) hooks.ranged_animation(&a, &t, Total(target_damage), x, y);
            Lower_Moves(a, RANGED_MOVE_COST);
            Pay_For_Volley(a);
        } else {
            if (hooks.melee_animation)
                hooks.melee_animation(&a, &t, Total(attacker_damage), Total(target_damage), t.Grid_X, t.Grid_Y);
            Lower_Moves(a, Melee_Move_Cost(a));
        }
        Battle_Unit_Commit_Damage(&t, target_damage);
        Battle_Unit_Commit_Damage(&a, attacker_damage);
    }
    if ((a.Abilities & UA_WALLCRUSHER) && a.owner_idx != _combat_defender_player &&
        Combat_Grid_Cell_Has_City_Wall(x, y)) {
        Break_Wall(attacker, target, x, y, attacker_damage, target_damage);
    }
    Combat_Redraw();
}

int16_t Ranged_Mouse_Image(int16_t attacker, int16_t target)
{
    if (attacker < 0 || attacker >= _combat_total_unit_count || target < 0 || target >= _combat_total_unit_count)
        return MOUSE_IMAGE_NO_SHOT;
    const Battle_Unit_Record &a = battle_units[attacker];
    const Battle_Unit_Record &t = battle_units[target];
    if (!Shot_Kind(Battle_Unit_Ranged_Kind(&a))) return MOUSE_IMAGE_NO_SHOT;
    const bool sees = (Battle_Unit_Enchantments(&a) & UE_TRUESIGHT) != 0;
    const bool invisible = (Battle_Unit_Enchantments(&t) & UE_INVISIBILITY) || (t.Abilities & UA_INVISIBILITY);
    if (!sees && invisible && _attacker_sees_illusions != 1) return MOUSE_IMAGE_NO_SHOT;
    return MOUSE_IMAGE_SHOT;
}
