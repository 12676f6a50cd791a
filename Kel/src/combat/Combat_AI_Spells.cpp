// The computer's choice of a combat spell: what the caster can pay for, the worth of each spell in the
// battle as it stands, and the realms each side threatens.
#include "combat/Combat_AI_Spells.h"

#include "combat/Battle_Unit_Scores.h"
#include "combat/Combat_AI_Measures.h"
#include "combat/Combat_Casting.h"
#include "combat/Combat_Casting_Rules.h"
#include "combat/Combat_Setup.h"
#include "combat/Combat_Tables.h"
#include "random.h"
#include "turn/Magic_Power_Research.h"
#include "turn/Next_Turn.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/Item_Record.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

int16_t g_ai_combat_attacker_realm_flags;
int16_t g_ai_combat_defender_realm_flags;
int16_t g_ai_combat_attacker_unit_realms[AI_UNIT_REALMS];
int16_t g_ai_combat_defender_unit_realms[AI_UNIT_REALMS];

namespace {

constexpr int16_t LAST_WIZARD_CASTER = COMBAT_CASTER_WIZARD + NUM_PLAYERS - 2;  // 24: player 4
constexpr int16_t COMBAT_ONLY_PLACE = 1;  // casting-place code of spells never cast in battle
constexpr int16_t CREATURE_REALM_RACE = 16;
constexpr int16_t SPELLS_PER_REALM = 40;
constexpr int16_t RACE_FANTASTIC = 15;
constexpr int16_t STRUCTURE_SAILABLE = 6;
constexpr int16_t NO_ENEMY = -100;
constexpr uint16_t KEPT_CURSES = BUC_HASTE | BUC_CREATURE_BINDING | BUC_POSESSION;

constexpr int16_t SPELL_CREATURE_BINDING = 73;
constexpr int16_t SPELL_CHAOS_CHANNELS = 93;
constexpr int16_t SPELL_SPELL_OF_RETURN = 214;

// Base scores by kind of spell (rows) and the balance of the battle (columns).
constexpr int16_t SCORE_TABLE[5][6] = {
    {500, 0, 10, 20, 30, 40}, {-900, 30, 20, 15, 10, 0}, {-900, 10, 20, 20, 20, 10},
    {-900, 30, 35, 15, 0, 0}, {0, 10, 20, 25, 10, -10},
};

bool Active(const Battle_Unit_Record &bu) { return bu.Status == bus_Fighting; }
bool Spell_Valid(int16_t spell) { return spell > 0 && spell < NUM_SPELLS; }
bool Castable_In_Battle(int16_t spell) { return spell_data_table[spell].Eligibility != COMBAT_ONLY_PLACE; }
uint16_t All_Attack_Flags(const Battle_Unit_Record &bu)
{
    return (uint16_t)(bu.Attack_Flags | bu.Item_Melee_Attack_Flags | bu.Item_Ranged_Attack_Flags);
}
uint32_t Own_Words(const Battle_Unit_Record &bu)
{
    uint32_t word = bu.Combat_Enchantments;
    if (bu.unit_idx >= 0 && bu.unit_idx < _units) word |= _UNITS[bu.unit_idx].enchantments;
    return word;
}

int16_t Caster_Player(int16_t caster)
{
    if (caster >= 0 && caster < COMBAT_CASTER_WIZARD) {
        return caster < _combat_total_unit_count ? (int16_t)battle_units[caster].owner_idx : (int16_t)-1;
    }
    return caster <= LAST_WIZARD_CASTER ? (int16_t)(caster - COMBAT_CASTER_WIZARD) : (int16_t)-1;
}

int16_t Add(int16_t *list, int16_t count, int16_t spell)
{
    if (count < AI_CASTABLE_LIST_MAX) list[count++] = spell;
    return count;
}

// A unit's percentages or flags for the side opposing the player.
bool Player_Attacks(int16_t player) { return player == _combat_attacker_player; }

struct Battle_View {
    int16_t player;
    int16_t mode;
    int16_t enemies = 0;
    const int16_t *V = nullptr;
    int16_t opposing_flags = 0;
    int16_t T(int row) const { return SCORE_TABLE[row][mode]; }
};

// Units that do not fly nor pass over the ground another way.
bool Walks(const Battle_Unit_Record &bu) { return !(bu.Move_Flags & (MV_FLYING | MV_TELEPORTING | MV_MERGING)); }

int32_t Count_Enemies(const Battle_View &b, bool (*test)(const Battle_Unit_Record &))
{
    int32_t n = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (Active(bu) && bu.owner_idx != b.player && test(bu)) n++;
    }
    return n;
}

// Own units under a curse worth lifting plus enemies holding enchantments or effects worth breaking.
int32_t Dispellable_Count(const Battle_View &b, bool holy_arms_rule)
{
    const int16_t enemy = Player_Attacks(b.player) ? _combat_defender_player : _combat_attacker_player;
    const bool holy_arms = enemy >= 0 && enemy < NUM_PLAYERS && _players[enemy].Globals[ge_Holy_Arms] > 0;
    int32_t c = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (!Active(bu)) continue;
        const uint16_t curses = (uint16_t)bu.Curses;
        if (bu.owner_idx == b.player) {
            if (curses & ~KEPT_CURSES) c++;
        } else if (bu.Combat_Enchantments || Own_Words(bu) || (curses & KEPT_CURSES)) {
            if (holy_arms_rule && holy_arms && bu.Combat_Enchantments == UE_HOLYWEAPON && !(curses & KEPT_CURSES) &&
                !(bu.unit_idx >= 0 && bu.unit_idx < _units && _UNITS[bu.unit_idx].enchantments)) {
                continue;
            }
            c++;
        }
    }
    return c;
}

int32_t Realm_Term(int32_t v, int16_t t1, bool zero_is_minus_100)
{
    if (zero_is_minus_100) return v == 0 ? -100 : v + t1;
    return v < 1 ? v - 100 : v + t1;
}

// The worth of the recall spells: a unit whose loss is near and that is worth saving.
int32_t Recall_Score(const Battle_View &b, int16_t spell, int16_t target_hero)
{
    if (b.player == 0) return -100;
    bool fitting = false;
    for (int i = 0; i < _combat_total_unit_count && !fitting; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (!Active(bu) || bu.owner_idx != b.player) continue;
        const bool hero = bu.unit_idx >= 0 && bu.unit_idx < _units && _UNITS[bu.unit_idx].Hero_Slot > -1;
        if (target_hero ? !hero : bu.cost < 200) continue;
        if (b.mode >= 2 && bu.Front_Figure_Damage + 3 < bu.Hits) continue;
        fitting = true;
    }
    const bool returning = b.player < NUM_PLAYERS && _players[b.player].casting_spell_idx == SPELL_SPELL_OF_RETURN;
    if (spell == 47 && returning) return -100;
    int32_t s = spell == 205 && returning ? -100 : 0;
    return fitting ? s + 100 : -100;
}

int32_t Spell_Rule(const Battle_View &b, int16_t spell, int16_t target)
{
    const int16_t P = b.player;
    const bool defends = P == _combat_defender_player;
    const bool walled_city = Player_Attacks(P) && battlefield->walls == 1;
    const int32_t E = b.enemies;
    int32_t n = 0;
    switch (spell) {
    case 1: {
        int32_t own = 0, enemy = 0;
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (!Active(bu) || !Battle_Unit_Has_Ranged_Attack(&bu)) continue;
            (bu.owner_idx == P ? own : enemy) += (int32_t)bu.Ranged * bu.Cur_Figures;
        }
        return 3 * enemy < 2 * own ? 15 : -100;
    }
    case 2: return Realm_Term((b.V[REALM_NATURE] + b.V[REALM_CHAOS]) / 4, b.T(1), true);
    case 3:
        if (!defends) return -100;
        return b.T(1) * Count_Enemies(b, Walks);
    case 5:
        return b.T(3) + (Count_Enemies(b, [](const Battle_Unit_Record &bu) { return (bu.Move_Flags & MV_FLYING) != 0; })
                             ? 10
                             : 0);
    case 7: return b.T(1) + 15;
    case 24: return b.T(1) + 35;
    case 143: return b.T(1) + 30;
    case 11:
        if (_combat_structure == STRUCTURE_SAILABLE) return -100;
        return b.T(0) + (walled_city ? 20 : 0);
    case 13:
    case 22:
    case 50:
    case 64:
    case 83:
    case 91:
    case 101:
    case 104:
    case 105:
    case 122:
    case 134:
    case 192: return b.T(0);
    case 21: return Realm_Term((b.V[REALM_NATURE] + b.V[REALM_CHAOS]) / 2, b.T(1), false);
    case 30:
    case 90: return _combat_structure == STRUCTURE_SAILABLE ? -100 : b.T(4);
    case 31:
    case 88:
    case 126:
    case 164:
    case 181: return b.T(1);
    case 35: return b.T(0) + (b.mode > 1 ? 4 * E : 0);
    case 41:
    case 69: {
        int32_t sum = 0;
        for (int r = 0; r < AI_UNIT_REALMS; r++) sum += b.V[r];
        return Realm_Term(sum / (spell == 41 ? 4 : 2), b.T(1), false);
    }
    case 42:
    case 202: return Dispellable_Count(b, false) > 0 ? (spell == 42 ? 35 : 25) : -100;
    case 44: {
        int32_t sum = 0;
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            const int16_t kind = Battle_Unit_Ranged_Kind(&bu);
            if (Active(bu) && bu.owner_idx != P && kind >= 20 && kind <= 29) sum += bu.Ranged;
        }
        return sum == 0 ? 0 : b.T(1) + sum;
    }
    case 45: {
        bool enchanted = false;
        for (uint8_t e : battlefield->city_enchantments) enchanted = enchanted || e > 0;
        if (_combat_structure == STRUCTURE_SAILABLE || (Player_Attacks(P) && enchanted)) return -100;
        return b.T(4);
    }
    case 46:
    case 53:
    case 67:
    case 81:
    case 89:
    case 162: return b.T(3);
    case 47: return Recall_Score(b, spell, 0);
    case 205: return Recall_Score(b, spell, 1);
    case 48: return b.opposing_flags == 0 ? -100 : 30 + b.T(1);
    case 52:
    case 204: {
        int32_t s = 6 * Dispellable_Count(b, true);
        bool seen = false;
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (Active(bu) && bu.owner_idx != 0 && bu.Display_State != 5) seen = true;
        }
        if (!seen) s += 150;
        for (int slot = Player_Attacks(P) ? 1 : 0; slot < NUM_COMBAT_ENCHANTMENTS; slot += 2) {
            if (combat_enchantments[slot] == 1) s += 30;
        }
        return s == 0 ? -100 : s;
    }
    case 56: {
        n = Count_Enemies(b, [](const Battle_Unit_Record &bu) { return (bu.Move_Flags & MV_FLYING) != 0; });
        return b.T(1) + 2 * n + (n == 0 ? 20 : 0);
    }
    case 60:
    case 66: return b.T(4);
    case 62:
    case 74: {
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (!Active(bu) || bu.owner_idx == P || (bu.Attribs_1 & UI_ILLUSIONS_IMMUNITY)) continue;
            n += 1 + (Battle_Unit_Ranged_Kind(&bu) < 100 ? bu.Ranged : 0);
        }
        return n < 1 ? -100 : b.T(1) + n + (spell == 62 ? 5 : 0);
    }
    case 70:
    case 130: return b.T(2);
    case 73:
        n = Count_Enemies(b, [](const Battle_Unit_Record &bu) { return bu.race > 14; });
        return n == 1 ? b.T(0) : b.T(0) + b.T(4) + 20;
    case 82: return walled_city ? 20 : -100;
    case 86:
    case 94:
    case 124: {
        bool invulnerable = false;
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (Active(bu) && bu.owner_idx != P && (Battle_Unit_Enchantments(&bu) & UE_INVULNERABILITY))
                invulnerable = true;
        }
        return b.T(2) + (invulnerable ? 25 : 0);
    }
    case 87:
        if (!defends) return -100;
        return b.T(2) * (Count_Enemies(b, Walks) + 1) / 2;
    case 96: {
        int32_t most = 0;
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (Active(bu) && bu.owner_idx != P && bu.Cur_Figures > most) most = bu.Cur_Figures;
        }
        return b.T(0) + (most > 3 ? 5 * most - 15 : 0);
    }
    case 99:
    case 179: return b.T(2) + 10;
    case 102:
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (Active(bu) && bu.owner_idx == P && bu.race < RACE_FANTASTIC) n++;
        }
        return n == 0 ? -100 : b.T(2) + 5 * n;
    case 108:
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (Active(bu) && bu.race == 18) n += bu.owner_idx == P ? 1 : -1;
        }
        return n < 1 ? -100 : b.T(0) + 5 * n;
    case 109: return b.T(0) + 2 * E;
    case 112: return b.T(0) + 25;
    case 167: return b.T(0) + 10;
    case 121: return Realm_Term((b.V[REALM_CHAOS] + b.V[REALM_DEATH]) / 4, b.T(1), true);
    case 125:
        return target >= 0 && target < _combat_total_unit_count
                   ? Effective_Battle_Unit_Strength(&battle_units[target]) / 4
                   : 0;
    case 128:
    case 169: {
        const int16_t own_race = spell == 128 ? 19 : 20, enemy_race = spell == 128 ? 20 : 19;
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (Active(bu) && bu.race == (bu.owner_idx == P ? own_race : enemy_race)) n++;
        }
        return n == 0 ? -100 : 3 * n;
    }
    case 131: return Realm_Term(b.V[REALM_SORCERY] / 2, b.T(1), true);
    case 137:
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (bu.owner_idx == P && bu.Status != bus_Fighting && bu.Status != bus_Destroyed &&
                bu.race < RACE_FANTASTIC)
                n++;
        }
        return n == 0 ? -100 : b.T(4);
    case 140:
    case 151:
        for (int i = 0; i < _combat_total_unit_count; i++) {
            if (Active(battle_units[i]) && battle_units[i].owner_idx == P) n++;
        }
        return b.T(2) + (spell == 140 ? 2 : 4) * n;
    case 144: {
        const int32_t v = b.V[REALM_CHAOS] + b.V[REALM_DEATH];
        return v > 0 ? v + b.T(1) : 0;
    }
    case 149:
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (Active(bu) && bu.owner_idx == P && (bu.Cur_Figures < bu.Max_Figures || bu.Front_Figure_Damage > 0)) n++;
        }
        return n == 0 ? -1000 : 10 * n - 5;
    case 150:
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (Active(bu) && bu.owner_idx != P && bu.race > 14 && Combat_Effective_Resistance(REALM_LIFE, &bu) < 12) {
                n += bu.Cur_Figures;
            }
        }
        return n == 0 ? -100 : b.T(0) + 3 * n;
    case 165: return b.T(0) + b.T(3);
    case 172: return b.T(0) + b.T(4);
    case 168:
    case 182:
    case 194: {
        const int16_t limit = spell == 194 ? 12 : 9;
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (Active(bu) && bu.owner_idx != P && !(bu.Attribs_1 & UI_DEATH_IMMUNITY) &&
                Combat_Effective_Resistance(REALM_DEATH, &bu) < limit) {
                n += bu.Cur_Figures;
            }
        }
        if (n == 0) return -100;
        return spell == 168 ? b.T(3) + 3 * n : spell == 182 ? b.T(0) + 5 * n : b.T(0) + 3 * n;
    }
    case 170:
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            const int16_t kind = Battle_Unit_Ranged_Kind(&bu);
            if (Active(bu) && bu.owner_idx != P && (bu.Mana_Left > 0 || (kind >= 30 && kind <= 39)))
                n += bu.Cur_Figures;
        }
        return n == 0 ? -100 : 10 - 2 * _combat_turn;
    case 174: return b.T(1) + 4 * E;
    case 178: {
        if (!defends) return -100;
        int32_t sum = 0;
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (Active(bu) && bu.owner_idx != P && Battle_Unit_Has_Ranged_Attack(&bu)) sum += bu.Ranged;
        }
        return b.T(1) + 2 * sum;
    }
    default: return 0;  // Animate Dead (195) and every spell without a rule
    }
}

int16_t Saturate16(int32_t v) { return (int16_t)(v > 32767 ? 32767 : v < -32768 ? -32768 : v); }

}  // namespace

int16_t AI_Build_Castable_Combat_Spell_List(int16_t caster, int16_t *list, int16_t cost_multiplier)
{
    int16_t count = 0;
    GUI_Multipurpose_Int = 0;
    const int16_t player = Caster_Player(caster);
    if (player < 0 || player >= NUM_PLAYERS) return 0;
    const bool unit_caster = caster < COMBAT_CASTER_WIZARD;
    int32_t mana;
    if (unit_caster) {
        mana = battle_units[caster].Mana_Left;
    } else {
        const Player_Record &wizard = _players[player];
        const int32_t by_reserve = (int32_t)wizard.mana_reserve * 10 / (cost_multiplier < 1 ? 1 : cost_multiplier);
        mana = wizard.Cmbt_Skill_Left < by_reserve ? wizard.Cmbt_Skill_Left : by_reserve;
    }
    if (unit_caster && (battle_units[caster].Attribs_1 & (UI_CASTER_20 | UI_CASTER_40))) {
        const int16_t race = battle_units[caster].race;
        if (race >= CREATURE_REALM_RACE && race < CREATURE_REALM_RACE + REALM_ARCANE) {
            const int16_t first = (int16_t)((race - CREATURE_REALM_RACE) * SPELLS_PER_REALM + 1);
            for (int16_t spell = first; spell < first + SPELLS_PER_REALM; spell++) {
                if (Castable_In_Battle(spell) && spell_data_table[spell].casting_cost <= mana)
                    count = Add(list, count, spell);
            }
        }
        GUI_Multipurpose_Int = count;
        return count;
    }
    if (player < _num_players) {
        for (int16_t spell = 1; spell <= 6 * SPELLS_PER_REALM && spell < NUM_SPELLS; spell++) {
            if (Player_Spell_Status(player, spell) != SS_KNOWN || !Castable_In_Battle(spell)) continue;
            const int32_t cost = unit_caster ? spell_data_table[spell].casting_cost : Casting_Cost(player, spell, 1);
            if (cost <= mana) count = Add(list, count, spell);
        }
    }
    if (unit_caster) {
        const Battle_Unit_Record &bu = battle_units[caster];
        const int16_t slot = bu.unit_idx >= 0 && bu.unit_idx < _units ? _UNITS[bu.unit_idx].Hero_Slot : (int16_t)-1;
        if (slot >= 0 && slot < NUM_HERO_SLOTS && player < NUM_PLAYERS && _HEROES2[player] != nullptr) {
            for (uint8_t spell : _HEROES2[player][slot].Spells) {
                if (spell > 0 && spell < NUM_SPELLS && Castable_In_Battle(spell) &&
                    spell_data_table[spell].casting_cost <= mana) {
                    count = Add(list, count, spell);
                }
            }
        }
    }
    GUI_Multipurpose_Int = count;
    return count;
}

int16_t AI_Score_Combat_Spell(int16_t player, int16_t spell, int16_t mode)
{
    if (!Spell_Valid(spell) || mode < 0 || mode > 5) return -1;
    Assign_Combat_Grids();
    Battle_View b{player, mode};
    for (int i = 0; i < _combat_total_unit_count; i++) {
        if (Active(battle_units[i]) && battle_units[i].owner_idx != player) b.enemies++;
    }
    if (b.enemies == 0) return NO_ENEMY;
    const bool attacks = Player_Attacks(player);
    b.V = attacks ? g_ai_combat_defender_unit_realms : g_ai_combat_attacker_unit_realms;
    b.opposing_flags = attacks ? g_ai_combat_defender_realm_flags : g_ai_combat_attacker_realm_flags;
    int16_t x = 0, y = 0;
    const int16_t target = AITP_Combat_Spell(spell, player, &x, &y);
    if (target < 0) return -1;
    int32_t s = Spell_Rule(b, spell, target);
    s += Casting_Cost_Reduction(player, spell) / 2 + RANDOM(20);
    return Saturate16(s);
}

int16_t AI_Select_Combat_Spell(int16_t caster)
{
    if (caster < 0 || caster > LAST_WIZARD_CASTER) return 0;
    if (caster < COMBAT_CASTER_WIZARD && caster >= _combat_total_unit_count) return 0;
    const int16_t player = Caster_Player(caster);
    if (player < 0 || player >= NUM_PLAYERS) return 0;
    const int16_t multiplier = caster < COMBAT_CASTER_WIZARD ? (int16_t)1 : Combat_Casting_Cost_Multiplier(player);
    int16_t list[AI_CASTABLE_LIST_MAX];
    const int16_t count = AI_Build_Castable_Combat_Spell_List(caster, list, multiplier);
    const int16_t mode = AI_Player_Mode(player);
    int16_t best = 0, chosen = 0;
    for (int i = 0; i < count; i++) {
        const int16_t score = AI_Score_Combat_Spell(player, list[i], mode);
        if (score > best) best = score, chosen = list[i];
    }
    return chosen;
}

void AI_Build_Unit_Realm_Threat_Percentages(int16_t player, int16_t percentages[AI_UNIT_REALMS])
{
    int32_t V[AI_UNIT_REALMS] = {0, 0, 0, 0, 0};
    int32_t S = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (!Active(bu) || bu.owner_idx != player) continue;
        const int32_t F = bu.Cur_Figures;
        const int16_t kind = Battle_Unit_Ranged_Kind(&bu);
        if (kind == 101 || kind == 102) V[REALM_CHAOS] += bu.Ranged * F;
        if (kind == 103) V[REALM_NATURE] += bu.Ranged * F;
        S += F * (bu.Melee + bu.Ranged);
        if (bu.Attribs_2 & (UI2_FIRE_BALL_SPELL | UI2_DOOMBOLT_SPELL)) V[REALM_CHAOS] += 10, S += 10;
        if ((bu.Attribs_2 & UI2_IMMOLATION) || (Battle_Unit_Enchantments(&bu) & UE_IMMOLATION))
            V[REALM_CHAOS] += 20, S += 20;
        const uint16_t flags = All_Attack_Flags(bu);
        if (flags & UAF_LIFE_STEAL) {
            const int32_t drain = (bu.Spec_Att_Attr + 3) * F;
            V[REALM_DEATH] += drain, S += drain;
        }
        if (flags & UAF_DESTRUCTION) V[REALM_CHAOS] += 5 * F, S += 5 * F;
        if (flags & UAF_STONING_TOUCH) V[REALM_NATURE] += 5 * F, S += 5 * F;
        if ((bu.Attribs_2 & UI2_CAUSE_FEAR_SPELL) || (Battle_Unit_Enchantments(&bu) & UE_CLOAKOFFEAR))
            V[REALM_DEATH] += F, S += F;
        if (flags & UAF_DEATH_TOUCH) V[REALM_DEATH] += 5 * F, S += 5 * F;
        if (flags & UAF_DISPEL_EVIL) V[REALM_LIFE] += 5 * F, S += 5 * F;
    }
    for (int r = 0; r < AI_UNIT_REALMS; r++) percentages[r] = Saturate16(S != 0 ? V[r] * 100 / S : V[r]);
}

void AI_Prepare_Combat_Realm_Threats(void)
{
    // Rebuilt from nothing each battle, so no earlier battle's realms linger.
    g_ai_combat_attacker_realm_flags = 0;
    g_ai_combat_defender_realm_flags = 0;
    int16_t list[AI_CASTABLE_LIST_MAX];
    const int16_t sides[2] = {_combat_attacker_player, _combat_defender_player};
    for (int side = 0; side < 2; side++) {
        const int16_t player = sides[side];
        if (player < 0 || player >= NUM_PLAYERS) continue;
        const int16_t count = AI_Build_Castable_Combat_Spell_List((int16_t)(COMBAT_CASTER_WIZARD + player), list,
                                                                  Combat_Casting_Cost_Multiplier(player));
        int16_t &flags = side == 0 ? g_ai_combat_attacker_realm_flags : g_ai_combat_defender_realm_flags;
        for (int i = 0; i < count; i++) {
            const Spell_Data_Record &spell = spell_data_table[list[i]];
            const int type = spell.type;
            const bool harmful = type == 4 || type == 12 || type == 13 || type == 16 || type == 22 ||
                                 list[i] == SPELL_CREATURE_BINDING || (side == 1 && list[i] == SPELL_CHAOS_CHANNELS);
            if (harmful && spell.magic_realm < 16) flags = (int16_t)(flags | (1 << spell.magic_realm));
        }
    }
    AI_Build_Unit_Realm_Threat_Percentages(_combat_attacker_player, g_ai_combat_attacker_unit_realms);
    AI_Build_Unit_Realm_Threat_Percentages(_combat_defender_player, g_ai_combat_defender_unit_realms);
}
