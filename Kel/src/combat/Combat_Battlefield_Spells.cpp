#include "combat/Combat_Spell_Effects.h"

#include "STU_Log.h"
#include "combat/Battle_Unit_Scores.h"
#include "combat/Combat_Casting.h"
#include "combat/Combat_Checks.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Tables.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/Chaos_Channels.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr uint8_t RACE_FANTASTIC_FIRST = 15;
constexpr uint8_t RACE_DEATH_CREATURE = 20;
constexpr int16_t DESTROY_DAMAGE = 200;
constexpr int CALL_LIGHTNING_TRIES = 30;

// The spell and player the staggered animations apply at their middle frame.
int16_t m_instant_spell = 0;
int16_t m_instant_player = 0;
int16_t m_chaos_player = 0;
int16_t m_chaos_effects[MAX_BATTLE_UNITS] = {};
int16_t m_wrack_failures[MAX_BATTLE_UNITS] = {};

int Unit_Count(void)
{
    return _combat_total_unit_count < 0                  ? 0
           : _combat_total_unit_count > MAX_BATTLE_UNITS ? MAX_BATTLE_UNITS
                                                         : _combat_total_unit_count;
}

// The player a caster code stands for, -1 for a code that never casts.
int16_t Caster_Player(int16_t caster)
{
    if (caster >= 0 && caster < COMBAT_CASTER_WIZARD) {
        return caster < Unit_Count() ? (int16_t)battle_units[caster].owner_idx : (int16_t)-1;
    }
    if (caster >= COMBAT_CASTER_WIZARD && caster < COMBAT_CASTER_WIZARD + NUM_PLAYERS) {
        return (int16_t)(caster - COMBAT_CASTER_WIZARD);
    }
    return -1;
}

bool Has_Wraith_Form(const Battle_Unit_Record &bu) { return (Battle_Unit_Enchantments(&bu) & UE_WRAITHFORM) != 0; }

bool Is_Enemy_Fighting(const Battle_Unit_Record &bu, int16_t player)
{
    return bu.owner_idx != player && bu.Status == bus_Fighting;
}

void Commit(Battle_Unit_Record &bu, int16_t kind, int16_t amount)
{
    int16_t damage[NUM_DAMAGE_KINDS] = {};
    damage[kind] = amount;
    Battle_Unit_Commit_Damage(&bu, damage);
}

void Commit_Spell_Roll(Battle_Unit_Record &bu, int16_t spell, int16_t strength)
{
    int16_t damage[NUM_DAMAGE_KINDS] = {};
    Compute_Battle_Unit_Damage_From_Spell(spell, &bu, damage, strength);
    Battle_Unit_Commit_Damage(&bu, damage);
}

bool Is_Undead(const Battle_Unit_Record &bu)
{
    return bu.unit_idx >= 0 && bu.unit_idx < _units && (_UNITS[bu.unit_idx].mutations & UM_UNDEAD) != 0;
}

void Apply_Instant(void)
{
    switch (m_instant_spell) {
    case SPELL_DEATH_SPELL: Apply_Death_Spell(m_instant_player); break;
    case SPELL_HOLY_WORD: Apply_Holy_Word(m_instant_player); break;
    case SPELL_FLAME_STRIKE: Apply_Flame_Strike(m_instant_player); break;
    case SPELL_MASS_HEALING: Apply_Mass_Healing(m_instant_player); break;
    default: break;
    }
}

void Apply_Chaos_Drawn(void) { Apply_Call_Chaos(m_chaos_player, m_chaos_effects); }

void Apply_Wrack_Failures(void)
{
    for (int i = 0; i < Unit_Count(); i++) {
        if (m_wrack_failures[i] > 0) Commit(battle_units[i], 0, m_wrack_failures[i]);
    }
}

}  // namespace

int16_t Combat_Spell_Is_Battlefield_Instant(int16_t spell)
{
    return spell == SPELL_FLAME_STRIKE || spell == SPELL_CALL_CHAOS || spell == SPELL_MASS_HEALING ||
           spell == SPELL_HOLY_WORD || spell == SPELL_DEATH_SPELL;
}

void Combat_Spell_Animation(int16_t x, int16_t y, int16_t spell, int16_t player, int16_t caster)
{
    if (spell < 0 || spell >= NUM_SPELLS) return;
    const uint8_t type = spell_data_table[spell].type;
    const bool battle_wide =
        type == 10 || type == 21 || type == 19 || spell == SPELL_RAISE_DEAD || spell == SPELL_ANIMATE_DEAD;
    if (battle_wide && Combat_Spell_Is_Battlefield_Instant(spell)) {
        Combat_Battlefield_Instant(player, spell, caster);
        return;
    }
    if (Combat_Hooks().spell_animation) Combat_Hooks().spell_animation(x, y, spell, player, caster);
}

void Combat_Battlefield_Instant(int16_t player, int16_t spell, int16_t caster)
{
    if (spell == SPELL_CALL_CHAOS) {
        Cast_Call_Chaos(caster);
        return;
    }
    int16_t delays[MAX_BATTLE_UNITS];
    for (int i = 0; i < MAX_BATTLE_UNITS; i++) delays[i] = -1;
    for (int i = 0; i < Unit_Count(); i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        const bool target = spell == SPELL_MASS_HEALING ? bu.owner_idx == player : bu.owner_idx != player;
        if (bu.Status == bus_Fighting && target) delays[i] = (int16_t)(RANDOM(5) - 1);
    }
    m_instant_spell = spell;
    m_instant_player = player;
    if (Combat_Hooks().battlefield_instant) {
        Combat_Hooks().battlefield_instant(spell, caster, delays, Apply_Instant);
    } else {
        Apply_Instant();
    }
}

void Apply_Death_Spell(int16_t player)
{
    for (int i = 0; i < Unit_Count(); i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (!Is_Enemy_Fighting(bu, player) || Has_Wraith_Form(bu) || (bu.Attribs_1 & UI_DEATH_IMMUNITY)) continue;
        const int figures = bu.Cur_Figures;
        for (int f = 0; f < figures; f++) {
            if (Combat_Resistance_Check(-2, REALM_DEATH, &bu) > 0) Commit(bu, 0, bu.Hits);
        }
    }
}

void Apply_Holy_Word(int16_t player)
{
    for (int i = 0; i < Unit_Count(); i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (!Is_Enemy_Fighting(bu, player) || bu.race < RACE_FANTASTIC_FIRST) continue;
        if (Battle_Unit_Enchantments(&bu) & (UE_WRAITHFORM | UE_SPELLLOCK)) continue;
        const int16_t modifier = Is_Undead(bu) ? -7 : -2;
        const int figures = bu.Cur_Figures;
        for (int f = 0; f < figures; f++) {
            if (Combat_Resistance_Check(modifier, REALM_LIFE, &bu) > 0) Commit(bu, 2, bu.Hits);
        }
    }
}

void Apply_Flame_Strike(int16_t player)
{
    for (int i = 0; i < Unit_Count(); i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (!Is_Enemy_Fighting(bu, player)) continue;
        if (Battle_Unit_Enchantments(&bu) & (UE_WRAITHFORM | UE_RIGHTEOUSNESS)) continue;
        Commit_Spell_Roll(bu, SPELL_FLAME_STRIKE, 0);
    }
}

void Apply_Mass_Healing(int16_t player)
{
    for (int i = 0; i < Unit_Count(); i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (bu.owner_idx == player && bu.Status == bus_Fighting && bu.race != RACE_DEATH_CREATURE) {
            Battle_Unit_Heal(&bu, 5, 0);
        }
    }
}

void Cast_Call_Chaos(int16_t caster)
{
    const int16_t player = Caster_Player(caster);
    if (player < 0) {
        STU_LOG(SEV_WARN, LC_COMBAT, "Cast_Call_Chaos: caster code %d casts nothing", caster);
        return;
    }
    int16_t delays[MAX_BATTLE_UNITS];
    for (int i = 0; i < MAX_BATTLE_UNITS; i++) delays[i] = -1;
    for (int i = 0; i < Unit_Count(); i++) {
        if (Is_Enemy_Fighting(battle_units[i], player)) delays[i] = (int16_t)(RANDOM(5) - 1);
    }
    for (int i = 0; i < MAX_BATTLE_UNITS; i++) m_chaos_effects[i] = 0;
    for (int i = 0; i < Unit_Count(); i++) m_chaos_effects[i] = (int16_t)(RANDOM(NUM_CALL_CHAOS_EFFECTS) - 1);
    m_chaos_player = player;
    if (Combat_Hooks().call_chaos) {
        Combat_Hooks().call_chaos(caster, delays, m_chaos_effects, Apply_Chaos_Drawn);
    } else {
        Apply_Chaos_Drawn();
    }
}

void Apply_Call_Chaos(int16_t player, const int16_t effects[])
{
    for (int i = 0; i < Unit_Count(); i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (!Is_Enemy_Fighting(bu, player)) continue;
        switch (effects[i]) {
        case 1:
            if (bu.race != RACE_DEATH_CREATURE) Battle_Unit_Heal(&bu, 5, 0);
            break;
        case 2:
            if (bu.unit_idx >= 0 && bu.unit_idx < _units && Unit_Is_Normal(bu.unit_idx)) {
                Apply_Chaos_Channels(bu.unit_idx);
            }
            break;
        case 3:
            if (Combat_Resistance_Check(-1, REALM_CHAOS, &bu) > 0) Apply_Warp_Creature((int16_t)i);
            break;
        case 4: Commit_Spell_Roll(bu, SPELL_DOOM_BOLT, 15); break;
        case 5: Commit_Spell_Roll(bu, SPELL_FIRE_BOLT, 0); break;
        case 6: Commit_Spell_Roll(bu, SPELL_FIREBALL, 0); break;
        case 7:
            if (Combat_Effective_Resistance(REALM_CHAOS, &bu) < 10) Commit(bu, 2, DESTROY_DAMAGE);
            break;
        default: break;
        }
    }
}

void Apply_Cracks_Call(int16_t x, int16_t y)
{
    for (int i = 0; i < Unit_Count(); i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (bu.Grid_X != x || bu.Grid_Y != y) continue;
        if ((bu.Move_Flags & MV_FLYING) || (bu.Abilities & UA_NONCORPOREAL)) continue;
        if (RANDOM(4) == 1) Commit(bu, 2, DESTROY_DAMAGE);
    }
    if (Combat_Grid_Cell_Has_City_Wall(x, y)) {
        battlefield->wall_sections[y - COMBAT_CITY_Y][x - COMBAT_CITY_X] = WALL_SECTION_BREACHED;
    }
}

void Apply_Warp_Creature(int16_t battle_unit_idx)
{
    if (battle_unit_idx < 0 || battle_unit_idx >= Unit_Count()) return;
    Battle_Unit_Record &bu = battle_units[battle_unit_idx];
    constexpr uint16_t WARPS[3] = {BUC_WARP_CREATURE_MELEE, BUC_WARP_CREATURE_DEFENSE, BUC_WARP_CREATURE_RESIST};
    const uint16_t curses = (uint16_t)bu.Curses;
    if ((curses & WARPS[0]) && (curses & WARPS[1]) && (curses & WARPS[2])) return;
    for (;;) {
        const uint16_t bit = WARPS[RANDOM(3) - 1];
        if ((curses & bit) == 0) {
            bu.Curses = (int16_t)(curses | bit);
            return;
        }
    }
}

void Apply_Life_Drain(int16_t target, int16_t damage[NUM_DAMAGE_KINDS], int16_t caster, int16_t strength)
{
    for (int k = 0; k < NUM_DAMAGE_KINDS; k++) damage[k] = 0;
    if (target < 0 || target >= Unit_Count()) return;
    int bonus = (strength - spell_data_table[SPELL_LIFE_DRAIN].casting_cost) / 5;
    if (bonus < 0) bonus = 0;
    const int16_t margin = Combat_Resistance_Check((int16_t)-bonus, REALM_DEATH, &battle_units[target]);
    if (margin < 1) return;
    damage[1] = margin;
    if (caster >= 0 && caster < COMBAT_CASTER_WIZARD) {
        if (caster < Unit_Count()) Battle_Unit_Heal(&battle_units[caster], margin, 1);
    } else if (caster >= COMBAT_CASTER_WIZARD && caster < COMBAT_CASTER_WIZARD + NUM_PLAYERS) {
        _players[caster - COMBAT_CASTER_WIZARD].spell_casting_skill += 3 * margin;
    }
}

void Apply_Call_Lightning(int16_t player)
{
    const int count = Unit_Count();
    if (count == 0) return;
    int strikes = RANDOM(3) + 2;
    int tries = 0;
    while (strikes > 0 && tries < CALL_LIGHTNING_TRIES) {
        tries++;
        Battle_Unit_Record &bu = battle_units[RANDOM((int16_t)count) - 1];
        if (bu.owner_idx == player || bu.Status != bus_Fighting || Has_Wraith_Form(bu)) continue;
        if (RANDOM(2) != 1) continue;
        int16_t damage[NUM_DAMAGE_KINDS] = {};
        Compute_Battle_Unit_Damage_From_Spell(CALL_LIGHTNING_DAMAGE_SPELL, &bu, damage, 0);
        if (Combat_Hooks().lightning_bolt) Combat_Hooks().lightning_bolt(bu.Grid_X, bu.Grid_Y, -1);
        Battle_Unit_Commit_Damage(&bu, damage);
        Combat_Pause((int16_t)(RANDOM(10) + 3));
        strikes--;
        tries = 0;
    }
    Combat_Pause(12);
}

void Apply_Wrack(int16_t player)
{
    int16_t listed[MAX_BATTLE_UNITS];
    int16_t count = 0;
    for (int i = 0; i < MAX_BATTLE_UNITS; i++) m_wrack_failures[i] = 0;
    for (int i = 0; i < Unit_Count(); i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (!Is_Enemy_Fighting(bu, player) || Has_Wraith_Form(bu) || (bu.Attribs_1 & UI_DEATH_IMMUNITY)) continue;
        const int figures = bu.Cur_Figures;
        for (int f = 0; f < figures; f++) {
            if (Combat_Resistance_Check(1, REALM_DEATH, &bu) > 0) {
                m_wrack_failures[i]++;
                if (count < MAX_BATTLE_UNITS) listed[count++] = (int16_t)i;
            }
        }
    }
    if (Combat_Hooks().wrack) {
        Combat_Hooks().wrack(listed, count, Apply_Wrack_Failures);
    } else {
        Apply_Wrack_Failures();
    }
}

void Combat_Set_Battle_Enchantment(int16_t parameter, int16_t player, int16_t value)
{
    const int slot = parameter + (player != _combat_attacker_player ? 1 : 0);
    if (slot < 0 || slot >= NUM_COMBAT_ENCHANTMENTS) {
        STU_LOG(SEV_WARN, LC_COMBAT, "Combat_Set_Battle_Enchantment: slot %d of parameter %d is no battle-wide slot",
                slot, parameter);
        return;
    }
    // The slot is a signed byte: Counter Magic's mana beyond 127 is kept at 127, never wrapped.
    combat_enchantments[slot] = (int8_t)(value > 127 ? 127 : value < -128 ? -128 : value);
}

void Apply_Disrupt(int16_t x, int16_t y)
{
    if (!Combat_Cell_In_City(x, y)) {
        STU_LOG(SEV_WARN, LC_COMBAT, "Apply_Disrupt: cell (%d, %d) lies outside the city block", x, y);
        return;
    }
    battlefield->wall_sections[y - COMBAT_CITY_Y][x - COMBAT_CITY_X] = WALL_SECTION_BREACHED;
}
