#include "combat/Strategic_Combat.h"

#include "STU_Log.h"
#include "STU_Wrappers.h"
#include "combat/Battle_Unit_Damage.h"
#include "combat/Battle_Unit_Scores.h"
#include "combat/Combat_Casting_Rules.h"
#include "combat/Combat_Deploy.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Setup.h"
#include "combat/Combat_Tables.h"
#include "combat/End_Of_Combat.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Battle_Unit_Effects.h"
#include "world/Battlefield.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"

namespace {

constexpr int16_t STRUCTURE_WATER = 6;
constexpr int RANGED_EXCHANGES_MAX = 3;
constexpr int32_t STRENGTH_FLOOR = 10;
constexpr int16_t CAST_FLOOR = 11;
constexpr int16_t LOSS_STEP = 3;

int16_t Clamp16(int64_t v) { return (int16_t)(v > 32767 ? 32767 : v < -32768 ? -32768 : v); }
int32_t Clamp32(int64_t v) { return (int32_t)(v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : v); }

bool Is_Wizard(int16_t player_idx) { return player_idx >= 0 && player_idx < _num_players && player_idx < NUM_PLAYERS; }

int32_t Remaining_Hit_Points(const Battle_Unit_Record &bu)
{
    return (int32_t)bu.Hits * bu.Cur_Figures - bu.Front_Figure_Damage;
}

// One side's magic for one exchange: the spell damage it adds, the healing it gets.
struct Exchange_Magic {
    int32_t damage;
    int32_t heal;
};

Exchange_Magic Cast(Strategic_Side &side, int16_t player_idx, bool melee)
{
    Exchange_Magic magic = {0, 0};
    if (side.budget < CAST_FLOOR) return magic;
    const int16_t boost = (int16_t)((int16_t)(side.boost * side.spend) / 5);
    const int16_t heal = melee ? boost : (int16_t)((int16_t)(side.heal * side.spend) / 5);
    magic.damage = (int16_t)((int16_t)(side.damage * side.spend) / 5) + Clamp32((int64_t)side.ranged * boost / 100);
    magic.heal = heal;
    if (!melee) side.heal = (int16_t)(side.heal / 2);
    if (Is_Wizard(player_idx)) {
        Player_Record &wizard = _players[player_idx];
        const int32_t mana =
            wizard.mana_reserve - (int32_t)Combat_Casting_Cost_Multiplier(player_idx) * side.spend / 10;
        wizard.mana_reserve = (int16_t)(mana < 0 ? 0 : mana);
    }
    if (melee) {
        side.budget = (int16_t)(side.budget - side.spend / 2);
        if (side.budget / 2 < side.spend) side.spend = (int16_t)(side.budget / 2);
    } else {
        side.budget = (int16_t)(side.budget - side.spend);
        if (side.budget < side.spend) side.spend = side.budget;
    }
    return magic;
}

// Both sides' blows of one exchange; strength is the ranged or the melee sum.
void Exchange(Strategic_Side &a, Strategic_Side &d, int16_t a_idx, int16_t d_idx, bool melee)
{
    const Exchange_Magic ma = Cast(a, a_idx, melee);
    const Exchange_Magic md = Cast(d, d_idx, melee);
    const int32_t sa = melee ? a.melee : a.ranged;
    const int32_t sd = melee ? d.melee : d.ranged;
    const int r1 = RANDOM(10);
    const int r2 = RANDOM(10);
    const int64_t xa = ((int64_t)sa + ma.damage) * r1 / 100;
    const int64_t xd = ((int64_t)sd + md.damage) * r2 / 100;
    a.hits = Clamp32((int64_t)a.hits + ma.heal);
    d.hits = Clamp32((int64_t)d.hits + md.heal);
    // Both sides' hits are above 0 here: the exchanges stop as soon as one is not.
    const int64_t ha = a.hits > 0 ? a.hits : 1;
    const int64_t hd = d.hits > 0 ? d.hits : 1;
    if (!melee) {
        a.ranged = Clamp32(a.ranged - xd * a.ranged / ha);
        d.ranged = Clamp32(d.ranged - xa * d.ranged / hd);
        if (a.ranged < 0) a.ranged = 0;
        if (d.ranged < 0) d.ranged = 0;
    }
    a.melee = Clamp32(a.melee - xd * a.melee / ha);
    d.melee = Clamp32(d.melee - xa * d.melee / hd);
    a.hits = Clamp32(a.hits - xd);
    d.hits = Clamp32(d.hits - xa);
}

}  // namespace

void Strategic_Combat_Spell_Coefficients(int16_t player_idx, int16_t attacker, int16_t structure, Strategic_Side *side)
{
    side->budget = side->spend = side->damage = side->boost = side->heal = 0;
    if (!Is_Wizard(player_idx)) return;
    const Player_Record &wizard = _players[player_idx];
    const int16_t multiplier = Combat_Casting_Cost_Multiplier(player_idx);
    const int32_t affordable = multiplier > 0 ? (int32_t)wizard.mana_reserve * 10 / multiplier : 0;
    const int32_t skill = wizard.Nominal_Skill;
    side->budget = Clamp16(affordable < skill ? affordable : skill);
    if (side->budget < 0) side->budget = 0;
    side->spend = Clamp16(skill / 3 < side->budget ? skill / 3 : side->budget);
    if (side->budget <= 9) return;
    int32_t books[5];
    for (int r = 0; r < 5; r++) books[r] = wizard.spellranks[r];
    if (attacker) {
        const bool s2 = structure == 2, s3 = structure == 3, s4 = structure == 4;
        if (s2 || s4) books[0] = 0;                   // Nature
        if (s3 || s4) books[1] = 0;                   // Sorcery
        if (s2 || s3) books[2] = 0;                   // Chaos
        if (s2 || s3 || s4) books[3] = books[4] = 0;  // Life, Death
    }
    int32_t dd = 0, rb = 0, hl = 0;
    if (books[0] > 0) dd = 50 * books[0], rb = 10 * books[0], hl = 25 * books[0];
    if (books[1] > 0) dd = 75 * books[1], hl = 25 * books[1];
    if (books[2] > 0) dd = 100 * books[2], rb = 30 * books[2];
    if (books[3] > 0) rb = 15 * books[3], hl = 40 * books[3];
    if (books[4] > 0) dd = 75 * books[4], hl = 15 * books[4];
    side->damage = Clamp16(dd / 10);
    side->boost = Clamp16(rb / 10);
    side->heal = Clamp16(hl / 20);
}

int16_t Strategic_Combat_Bonus_Applies(int16_t side_idx, int16_t attacker_idx, int16_t defender_idx)
{
    return (attacker_idx != HUMAN_PLAYER_IDX && defender_idx != HUMAN_PLAYER_IDX && side_idx != NEUTRAL_PLAYER_IDX) ? 1
                                                                                                                    : 0;
}

void Strategic_Combat_Bonus(Strategic_Side *side)
{
    side->hits = Clamp32((int64_t)side->hits + side->hits / 2);
    side->hits_start = Clamp32((int64_t)side->hits_start + side->hits_start / 2);
    side->melee = Clamp32((int64_t)side->melee + side->melee / 2);
    side->ranged = Clamp32((int64_t)side->ranged + side->ranged / 2);
    side->damage = Clamp16(side->damage + side->damage / 2);
    side->boost = Clamp16(side->boost + side->boost / 2);
    side->heal = Clamp16(side->heal + side->heal / 2);
}

int16_t Strategic_Combat_Exchanges(Strategic_Side *attacker, Strategic_Side *defender, int16_t attacker_idx,
                                   int16_t defender_idx, int16_t *ranged_exchanges)
{
    Strategic_Side &a = *attacker;
    Strategic_Side &d = *defender;
    int played = 0;
    while (played < RANGED_EXCHANGES_MAX && (a.ranged > STRENGTH_FLOOR || d.ranged > STRENGTH_FLOOR) && a.hits > 0 &&
           d.hits > 0) {
        Exchange(a, d, attacker_idx, defender_idx, false);
        played++;
    }
    if (ranged_exchanges) *ranged_exchanges = (int16_t)played;
    while (a.melee > STRENGTH_FLOOR && d.melee > STRENGTH_FLOOR && a.hits > 0 && d.hits > 0) {
        Exchange(a, d, attacker_idx, defender_idx, true);
    }
    if (a.melee > STRENGTH_FLOOR) return 0;
    if (d.melee > STRENGTH_FLOOR) return 1;
    return -1;
}

int16_t Strategic_Combat(int16_t *troops, int16_t troop_count, int16_t wx, int16_t wy, int16_t wp, int16_t *item_count,
                         int16_t *item_list)
{
    // Values the game never set for a battle without a winner; drawn so that the substitute stream
    // stays in step, not used.
    (void)Stack_Garbage_Range(6, 32767);
    (void)Stack_Garbage();
    (void)Stack_Garbage();
    Combat_Main_Screen_Backdrop();

    _combat_wx = wx;
    _combat_wy = wy;
    _combat_wp = wp;
    Strategic_Combat_Allocate();
    _combat_total_unit_count = 0;
    _combat_structure = Combat_Structure(wx, wy, wp, 1);
    const int16_t first_owner =
        (troop_count > 0 && troops[0] >= 0 && troops[0] < _units) ? _UNITS[troops[0]].owner_idx : (int16_t)-1;
    _combat_attacker_player = first_owner;
    _combat_defender_player = -1;
    for (int u = (_units < UNIT_TABLE_CAPACITY ? _units : UNIT_TABLE_CAPACITY) - 1; u >= 0; u--) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.wx != wx || unit.wy != wy || unit.wp != wp || unit.owner_idx == first_owner) continue;
        if (_combat_total_unit_count >= MAX_BATTLE_UNITS) break;
        _combat_defender_player = unit.owner_idx;
        Battle_Unit_Record &bu = battle_units[_combat_total_unit_count++];
        Load_Battle_Unit((int16_t)u, &bu);
        bu.Status = bus_Fighting;
        bu.unit_idx = (int16_t)u;
        if (bu.owner_idx == -1) bu.owner_idx = COMBAT_NO_SIDE;
    }
    for (int t = 0; t < troop_count && _combat_total_unit_count < MAX_BATTLE_UNITS; t++) {
        if (troops[t] < 0 || troops[t] >= _units) continue;
        _combat_attacker_player = _UNITS[troops[t]].owner_idx;
        Battle_Unit_Record &bu = battle_units[_combat_total_unit_count++];
        Load_Battle_Unit(troops[t], &bu);
        bu.Status = bus_Fighting;
        bu.unit_idx = troops[t];
        if (bu.owner_idx == -1) bu.owner_idx = COMBAT_NO_SIDE;
    }
    const int16_t attacker_idx = _combat_attacker_player;
    const int16_t defender_idx = _combat_defender_player;
    Calc_Battlefield_Bonuses(_combat_structure);
    for (int i = 0; i < _combat_total_unit_count; i++) Battle_Unit_Special_Stats(&battle_units[i]);
    if (_combat_structure == STRUCTURE_WATER) {
        Undeployable_Battle_Units_On_Water(attacker_idx);
        Undeployable_Battle_Units_On_Water(defender_idx);
    }
    for (int i = 0; i < _combat_total_unit_count; i++) {
        Battle_Unit_Record &bu = battle_units[i];
        const int16_t side_player = bu.owner_idx == attacker_idx ? attacker_idx : defender_idx;
        if (side_player < 0 || side_player >= NUM_PLAYERS) bu.Status = bus_Destroyed;
    }

    Strategic_Side a = {}, d = {};
    uint16_t weights[MAX_BATTLE_UNITS] = {};
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status != bus_Fighting) continue;
        Strategic_Side &side = bu.owner_idx == attacker_idx ? a : d;
        const int32_t points = Remaining_Hit_Points(bu);
        side.hits += Get_Effective_Hits(Clamp16(points), bu.Defense);
        side.hit_points += points;
        if (Battle_Unit_Has_Ranged_Attack(&bu)) {
            side.ranged += Get_Effective_Ranged_Strength(bu.Ranged, bu.Cur_Figures,
                                                         (int16_t)(bu.Attack_Flags | bu.Item_Ranged_Attack_Flags));
        }
        const int16_t kind = Battle_Unit_Ranged_Kind(&bu);
        side.melee += Get_Effective_Melee_Strength(bu.Melee, kind >= 100 ? bu.Ranged : 0, bu.Cur_Figures,
                                                   (int16_t)(bu.Attack_Flags | bu.Item_Melee_Attack_Flags), kind);
        const int weight = 30 - bu.Defense;
        weights[i] = (uint16_t)(weight > 0 ? weight : 0);
    }
    Strategic_Combat_Spell_Coefficients(attacker_idx, 1, _combat_structure, &a);
    Strategic_Combat_Spell_Coefficients(defender_idx, 0, _combat_structure, &d);
    a.hits_start = a.hits;
    d.hits_start = d.hits;
    if (Strategic_Combat_Bonus_Applies(attacker_idx, attacker_idx, defender_idx)) Strategic_Combat_Bonus(&a);
    if (Strategic_Combat_Bonus_Applies(defender_idx, attacker_idx, defender_idx)) Strategic_Combat_Bonus(&d);
    const int16_t side_won = Strategic_Combat_Exchanges(&a, &d, attacker_idx, defender_idx, nullptr);
    const int16_t winner = side_won == 0 ? attacker_idx : side_won == 1 ? defender_idx : (int16_t)-1;

    for (int i = 0; i < _combat_total_unit_count; i++) {
        if (winner == -1 || battle_units[i].owner_idx != winner) {
            if (battle_units[i].Status == bus_Fighting) battle_units[i].Status = bus_Dead;
            weights[i] = 0;
        }
    }
    if (winner != -1) {
        const Strategic_Side &w = side_won == 0 ? a : d;
        const int32_t share = w.hits_start > 0 ? Clamp32((int64_t)w.hits * 100 / w.hits_start) : 0;
        const int64_t target = (int64_t)share * w.hit_points / 100;
        int64_t total = w.hit_points;
        int last = -1;
        const int16_t step[NUM_DAMAGE_KINDS] = {LOSS_STEP, 0, 0};
        while (target < total) {
            int pick = (last >= 0 && battle_units[last].Status == bus_Fighting) ? last : -1;
            if (pick < 0) {
                bool any = false;
                for (int i = 0; i < _combat_total_unit_count; i++) any = any || weights[i] > 0;
                if (!any) break;
                uint16_t choice[MAX_BATTLE_UNITS];
                for (int i = 0; i < MAX_BATTLE_UNITS; i++) choice[i] = weights[i];
                pick = Get_Weighted_Choice(choice, _combat_total_unit_count);
                if (pick < 0 || pick >= _combat_total_unit_count || weights[pick] == 0) break;
            }
            Battle_Unit_Commit_Damage(&battle_units[pick], step);
            if (battle_units[pick].Status > bus_Fighting) weights[pick] = 0;
            last = pick;
            total -= LOSS_STEP;
        }
    }
    STU_LOG(SEV_INFO, LC_COMBAT, "Strategic_Combat: player %d against %d at (%d, %d, %d): winner %d", attacker_idx,
            defender_idx, wx, wy, wp, winner);
    End_Of_Combat(winner, item_count, item_list, winner == HUMAN_PLAYER_IDX ? crc_Auto_Won : crc_Auto_Lost);
    return (winner != -1 && winner == attacker_idx) ? 1 : 0;
}
