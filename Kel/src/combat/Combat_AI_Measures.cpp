#include "combat/Combat_AI_Measures.h"

#include "combat/Attack_Resolution.h"
#include "combat/Battle_Unit_Damage.h"
#include "combat/Battle_Unit_Scores.h"
#include "combat/Combat_Checks.h"
#include "combat/Combat_Rolls.h"
#include "combat/Combat_Tables.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t SPELL_WALL_OF_FIRE = 96;
constexpr int16_t UNREACHABLE_WORTH = -200;
constexpr int16_t BARRED_WORTH = -20;
constexpr int16_t DEFAULT_UNDEAD_CREATOR = 10;
constexpr int16_t AI_NO_TARGET = 255;

bool Wall_Exempt(const Battle_Unit_Record *bu)
{
    return (bu->Move_Flags & (MV_FLYING | MV_TELEPORTING | MV_MERGING)) != 0;
}

}  // namespace

int16_t Target_Unit_Value(int16_t attacker, int16_t target, int16_t ranged)
{
    const Battle_Unit_Record *a = &battle_units[attacker];
    const Battle_Unit_Record *t = &battle_units[target];
    if ((t->Move_Flags & MV_FLYING) && !(a->Move_Flags & MV_FLYING) && Battle_Unit_Ranged_Kind(a) == -1) {
        return UNREACHABLE_WORTH;
    }
    uint16_t flags = a->Attack_Flags;
    uint16_t bits;
    int32_t strength;
    int16_t realm;
    int16_t kind;
    if (ranged) {
        bits = Battle_Unit_Attack_Immunity_Bits(a, ranged);
        flags |= a->Item_Ranged_Attack_Flags;
        strength = a->Ranged;
        kind = Battle_Unit_Ranged_Kind(a);
        realm = Battle_Unit_Attack_Magic_Realm(kind, a);
    } else {
        bits = Battle_Unit_Attack_Immunity_Bits(a, 0);
        flags |= a->Item_Melee_Attack_Flags;
        strength = a->Melee;
        realm = Battle_Unit_Attack_Magic_Realm(0, a);
        kind = 0;
    }
    int32_t value = strength - Battle_Unit_Defense_Special(t, kind, bits, flags, realm);
    if (Battle_Unit_Has_Ranged_Attack(t)) {
        value += t->Ranged / 3 + 2;
    }
    if (t->Curses & BUC_CONFUSION) {
        value -= 10;
    }
    const int strongest = t->Melee > t->Ranged ? t->Melee : t->Ranged;
    if (battlefield->centre_code > 8 && value > 0 && a->owner_idx == _combat_defender_player &&
        (t->Abilities & UA_MELD)) {
        value += 3;
    } else if (value > 0 && strongest < a->Defense / 2) {
        value -= 10;
    }
    if (a->AI_Target == target) {
        value += 10;
    }
    const bool attacking_walker = !ranged && a->owner_idx == _combat_attacker_player && !Wall_Exempt(a);
    if ((_ai_battlefield_city_walls & 1) && attacking_walker && !(a->Abilities & UA_NONCORPOREAL)) {
        if (Combat_Grid_Cell_Has_City_Wall(t->Grid_X, t->Grid_Y)) {
            value = (t->Grid_X == 8 && t->Grid_Y == 12) ? value + 5 : BARRED_WORTH;
        }
        if ((t->Grid_X == 6 || t->Grid_X == 7) && (t->Grid_Y == 11 || t->Grid_Y == 12)) {
            value = BARRED_WORTH;
        }
    }
    if ((_ai_battlefield_city_walls & 2) && attacking_walker && Battle_Unit_Is_Within_City(t) &&
        !Battle_Unit_Is_Within_City(a)) {
        int16_t fire[NUM_DAMAGE_KINDS];
        Compute_Battle_Unit_Damage_From_Spell(SPELL_WALL_OF_FIRE, a, fire, 0);
        if (fire[0] > 1) value = BARRED_WORTH;
    }
    if (ranged && (t->Curses & BUC_BLACK_SLEEP)) {
        value += 20;
    }
    if (!ranged && (int8_t)a->Move_Halves >= 2 * Range_To_Battle_Unit(a, t)) {
        value += 25;
        if (t->Curses & BUC_BLACK_SLEEP) value += 20;
    }
    return (int16_t)(value > 32767 ? 32767 : value < -32768 ? -32768 : value);
}

int16_t Total_Ranged_Attack_Strength(int16_t player)
{
    int16_t strength = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status == bus_Fighting && bu.owner_idx == player && Battle_Unit_Has_Ranged_Attack(&bu)) {
            strength = bu.Ranged;
        }
    }
    return strength;
}

int16_t Find_Undead_Creator_Type(int16_t player)
{
    int16_t answer = DEFAULT_UNDEAD_CREATOR;
    int best = -1;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.owner_idx != player || bu.unit_idx < 0 || bu.unit_idx >= _units) {
            continue;
        }
        if (!(bu.Attack_Flags & UAF_LIFE_STEAL) && !(bu.Abilities & UA_CREATEUNDEAD)) {
            continue;
        }
        const int score = bu.Upkeep + 100;
        const int16_t type = _UNITS[bu.unit_idx].type;
        if (score > best && type >= NUM_HERO_TYPES) {
            answer = type;
            best = score;
        }
    }
    return answer;
}

void Update_Move_Map_City_Perimeter_Restrictions(void)
{
    for (int y = 9; y <= 14; y++) {
        _cmbt_movepath_cost_map[Combat_Cell(4, y)] = COMBAT_COST_BLOCKED;
        _cmbt_movepath_cost_map[Combat_Cell(9, y)] = COMBAT_COST_BLOCKED;
    }
    for (int x = 5; x <= 8; x++) {
        _cmbt_movepath_cost_map[Combat_Cell(x, 9)] = COMBAT_COST_BLOCKED;
        _cmbt_movepath_cost_map[Combat_Cell(x, 14)] = COMBAT_COST_BLOCKED;
    }
}

int16_t AI_Player_Mode(int16_t player)
{
    int32_t own = 0, enemy = 0, own_attack = 0, enemy_attack = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status != bus_Fighting) {
            continue;
        }
        if (_combat_turn >= 2 && bu.owner_idx != 0 && bu.AI_Target == AI_NO_TARGET) {
            continue;
        }
        const int32_t strength = Effective_Battle_Unit_Strength(&bu);
        const int32_t attack = bu.Melee + bu.Ranged;
        if (bu.owner_idx == player) {
            own += strength;
            own_attack += attack;
        } else {
            enemy += strength;
            enemy_attack += attack;
        }
    }
    if (own == 0 || own_attack == 0) return 0;
    if (enemy == 0 || enemy_attack == 0) return 5;
    if (enemy / own > 3) return 0;
    if (enemy / own > 2) return 1;
    if (2 * enemy >= 3 * own) return 2;
    if (own / enemy > 3) return 5;
    if (own / enemy > 2) return 4;
    return 3;
}
