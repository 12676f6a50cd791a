#include "combat/Combat_Cast_Effects.h"

#include "STU_Log.h"
#include "combat/Battle_Unit_Damage.h"
#include "combat/Battle_Unit_Scores.h"
#include "combat/Combat_Casting_Rules.h"
#include "combat/Combat_Checks.h"
#include "combat/Combat_Deploy.h"
#include "combat/Combat_Dispel.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Raise_Summon.h"
#include "combat/Combat_Spell_Effects.h"
#include "combat/Combat_Tables.h"
#include "combat/Magic_Vortex.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Battle_Unit_Effects.h"
#include "world/Battlefield.h"
#include "world/Item_Record.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t COMBAT_CASTER_WIZARD = 20;
constexpr int16_t SUMMON_SOURCE = 2000;

// Spell types.
constexpr uint8_t SPT_SUMMON = 0;
constexpr uint8_t SPT_UNIT_ENCHANTMENT = 1;
constexpr uint8_t SPT_WALL = 2;
constexpr uint8_t SPT_DIRECT_DAMAGE = 4;
constexpr uint8_t SPT_SPECIAL = 5;
constexpr uint8_t SPT_BATTLE_WIDE = 10;
constexpr uint8_t SPT_RESIST_OR_DIE = 12;
constexpr uint8_t SPT_CURSE = 13;
constexpr uint8_t SPT_WEB = 14;
constexpr uint8_t SPT_UNIT_ENCHANTMENT_2 = 15;
constexpr uint8_t SPT_CURSE_2 = 16;
constexpr uint8_t SPT_DISPEL = 18;
constexpr uint8_t SPT_DISENCHANT = 19;
constexpr uint8_t SPT_BATTLE_WIDE_2 = 21;
constexpr uint8_t SPT_DRAIN = 22;
constexpr uint8_t SPT_RESIST_OR_DIE_2 = 23;

// Spells with effects of their own.
constexpr int16_t SP_EARTH_TO_MUD = 1;
constexpr int16_t SP_WALL_OF_STONE = 3;
constexpr int16_t SP_WEB = 5;
constexpr int16_t SP_CRACKS_CALL = 11;
constexpr int16_t SP_FIRE_BOLT = 13;
constexpr int16_t SP_STONING = 22;
constexpr int16_t SP_DISPEL_STRONG = 42;
constexpr int16_t SP_WORD_OF_RECALL = 47;
constexpr int16_t SP_COUNTER_MAGIC = 48;
constexpr int16_t SP_DRAIN_HALF = 50;
constexpr int16_t SP_DISENCHANT_STRONG = 52;
constexpr int16_t SP_DEATH_WISH = 64;
constexpr int16_t SP_HASTE = 70;
constexpr int16_t SP_CREATURE_BINDING = 73;
constexpr int16_t SP_WARP_WOOD = 81;
constexpr int16_t SP_DISRUPT = 82;
constexpr int16_t SP_DRAIN_FULL = 83;
constexpr int16_t SP_WARP_CREATURE = 89;
constexpr int16_t SP_DRAIN_THIRD = 96;
constexpr int16_t SP_LIGHTNING = 91;
constexpr int16_t SP_MAGIC_VORTEX = 105;
constexpr int16_t SP_DISINTEGRATE = 112;
constexpr int16_t SP_HEALING = 125;
constexpr int16_t SP_UNDEAD_BANE = 134;
constexpr int16_t SP_RAISE_DEAD = 137;
constexpr int16_t SP_BLACK_SLEEP = 165;
constexpr int16_t SP_LIFE_DRAIN = 167;
constexpr int16_t SP_POSSESSION = 172;
constexpr int16_t SP_ANIMATE_DEAD = 195;
constexpr int16_t SP_RECALL_HERO = 205;
// Battle-wide spells whose animation is their effect over the whole battlefield.
constexpr int16_t INSTANT_SPELLS[] = {109, 115, 149, 150, 194};

constexpr int16_t DISINTEGRATE_THRESHOLD = 10;
constexpr int16_t DISINTEGRATE_DAMAGE = 200;
constexpr int16_t WEB_STRENGTH = 12;
constexpr int16_t HEALING_POINTS = 5;

// Which battle units had their full allowance before the spell changed them.
bool m_had_full_moves[MAX_BATTLE_UNITS];

void Note_Full_Moves(void)
{
    for (int i = 0; i < MAX_BATTLE_UNITS; i++) {
        m_had_full_moves[i] =
            i < _combat_total_unit_count && (int8_t)battle_units[i].Move_Halves == Battle_Unit_Moves2(&battle_units[i]);
    }
}

void Refresh(Battle_Unit_Record *bu)
{
    const uint8_t left = bu->Move_Halves;
    Battle_Unit_Regular_Stats(bu);
    Battle_Unit_Special_Stats(bu);
    bu->Move_Halves = m_had_full_moves[bu - battle_units] ? (uint8_t)Battle_Unit_Moves2(bu) : left;
}

bool Is_Battle_Unit(int16_t idx) { return idx >= 0 && idx < MAX_BATTLE_UNITS && idx < _combat_total_unit_count; }
bool Unit_Valid(int16_t unit_idx) { return _UNITS != nullptr && unit_idx >= 0 && unit_idx < _units; }

int16_t Caster_Player(int16_t caster)
{
    if (caster >= 0 && caster < COMBAT_CASTER_WIZARD) return battle_units[caster].owner_idx;
    return (int16_t)(caster - COMBAT_CASTER_WIZARD);
}

int16_t Other_Side(int16_t player)
{
    return player == _combat_attacker_player ? _combat_defender_player : _combat_attacker_player;
}

// The resistance modifier of the spell, lowered by the spell saves of a casting hero's items.
int16_t Caster_Modifier(int16_t spell, int16_t caster)
{
    int modifier = Spell_Resistance_Modifier(spell);
    if (caster < 0 || caster >= COMBAT_CASTER_WIZARD) return (int16_t)modifier;
    const Battle_Unit_Record &bu = battle_units[caster];
    if (!Unit_Valid(bu.unit_idx) || _ITEMS == nullptr) return (int16_t)modifier;
    const Unit_Record &unit = _UNITS[bu.unit_idx];
    if (unit.Hero_Slot < 0 || unit.Hero_Slot >= NUM_HERO_SLOTS || bu.owner_idx < 0 || bu.owner_idx >= NUM_PLAYERS) {
        return (int16_t)modifier;
    }
    for (int16_t item : _players[bu.owner_idx].Heroes[unit.Hero_Slot].Items) {
        if (item >= 0 && item < NUM_ITEMS) modifier -= _ITEMS[item].spell_save;
    }
    return (int16_t)modifier;
}

void Animation(int16_t x, int16_t y, int16_t spell, int16_t player, int16_t animate, int16_t caster)
{
    if (animate) Combat_Spell_Animation(x, y, spell, player, caster);
}

void Refresh_Fighting_Units(void)
{
    for (int i = 0; i < _combat_total_unit_count; i++) {
        if (battle_units[i].Status == bus_Fighting) Refresh(&battle_units[i]);
    }
}

void Change_Sides(Battle_Unit_Record &bu)
{
    bu.owner_idx = (int8_t)Other_Side(bu.owner_idx);
    if (bu.owner_idx == 0) bu.Action_Mode = 0;
}

void Summon(int16_t spell, int16_t player, int16_t caster, int16_t x, int16_t y)
{
    if (_combat_total_unit_count >= MAX_BATTLE_UNITS) {
        // No battle-unit slot may be free: only a gone conjured creature's slot can be taken.
        bool reusable = false;
        for (int i = 0; i < MAX_BATTLE_UNITS; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (bu.Status != bus_Fighting && Unit_Valid(bu.unit_idx) && _UNITS[bu.unit_idx].wp == COMBAT_GONE_PLANE) {
                reusable = true;
                break;
            }
        }
        if (!reusable) {
            STU_LOG(SEV_INFO, LC_COMBAT, "[COMBAT] summons of spell %d: no battle-unit slot; nothing made", spell);
            return;
        }
    }
    if (!Create_Unit(spell_data_table[spell].Param_Words[0], player, 0, 0, COMBAT_GONE_PLANE, SUMMON_SOURCE)) return;
    const int16_t unit = (int16_t)(_units - 1);
    const int16_t slot = Combat_Place_Summoned_Unit(player, unit, x, y);
    if (slot >= 0) Battle_Unit_Summon_Animation(slot, x, y, spell, caster);
}

void Battle_Wide(int16_t spell, int16_t player, int16_t mana)
{
    int slot = spell_data_table[spell].Param_Words[0] + (player != _combat_attacker_player ? 1 : 0);
    if (slot < 0 || slot >= NUM_COMBAT_ENCHANTMENTS) {
        STU_LOG(SEV_WARN, LC_COMBAT, "[COMBAT] spell %d names battle-wide slot %d: nothing changed", spell, slot);
        return;
    }
    if (spell == SP_COUNTER_MAGIC) {
        combat_enchantments[slot] = (int8_t)mana;
    } else {
        combat_enchantments[slot] = 1;
    }
    Combat_Refresh_Enchantment_Icons();
    Refresh_Fighting_Units();
}

void Resist_Or_Die(int16_t spell, Battle_Unit_Record &target, int16_t modifier, int16_t mana)
{
    int16_t damage[NUM_DAMAGE_KINDS] = {};
    const int16_t realm = spell_data_table[spell].magic_realm;
    if (spell == SP_DISINTEGRATE) {
        if (Combat_Effective_Resistance(REALM_CHAOS, &target) + modifier < DISINTEGRATE_THRESHOLD) {
            damage[2] = DISINTEGRATE_DAMAGE;
            Battle_Unit_Commit_Damage(&target, damage);
        }
        return;
    }
    int r = modifier;
    if (spell == SP_UNDEAD_BANE && Unit_Valid(target.unit_idx) && (_UNITS[target.unit_idx].mutations & UM_UNDEAD)) {
        r -= 5;
    }
    if (spell == SP_DEATH_WISH) r -= (mana - spell_data_table[SP_DEATH_WISH].casting_cost) / 15;
    if (spell == SP_STONING && (target.Attribs_1 & UI_STONING_IMMUNITY)) return;
    const int figures = target.Cur_Figures;
    int32_t total = 0;
    for (int f = 0; f < figures; f++) {
        if (Combat_Resistance_Check((int16_t)r, realm, &target) > 0) total += target.Hits;
    }
    damage[2] = (int16_t)(total > 32767 ? 32767 : total);
    if (total > 0) Battle_Unit_Commit_Damage(&target, damage);
}

void Special(int16_t spell, int16_t target_idx, int16_t player, int16_t caster, int16_t x, int16_t y, int16_t modifier,
             int16_t animate)
{
    if (spell != SP_WALL_OF_STONE && spell != SP_RAISE_DEAD && spell != SP_ANIMATE_DEAD) {
        Animation(x, y, spell, player, animate, caster);
    }
    Battle_Unit_Record *target = Is_Battle_Unit(target_idx) ? &battle_units[target_idx] : nullptr;
    switch (spell) {
    case SP_EARTH_TO_MUD: Apply_Earth_To_Mud(x, y); break;
    case SP_WALL_OF_STONE: Wall_Rise(SP_WALL_OF_STONE, caster); break;
    case SP_CRACKS_CALL: Apply_Cracks_Call(x, y); break;
    case SP_WORD_OF_RECALL:
    case SP_RECALL_HERO:
        if (target != nullptr) target->Status = bus_Recalled;
        break;
    case SP_CREATURE_BINDING:
        if (target != nullptr &&
            Combat_Resistance_Check(modifier, spell_data_table[SP_CREATURE_BINDING].magic_realm, target) > 0) {
            target->Curses = (int16_t)((uint16_t)target->Curses | BUC_CREATURE_BINDING);
            Change_Sides(*target);
        }
        break;
    case SP_WARP_WOOD:
        if (target != nullptr) {
            target->Ammo = 0;
            target->Ranged_Type = rk_None;
            Refresh(target);
        }
        break;
    case SP_DISRUPT:
        if (battlefield != nullptr && Combat_Cell_In_City(x, y)) {
            battlefield->wall_sections[y - COMBAT_CITY_Y][x - COMBAT_CITY_X] = WALL_SECTION_BREACHED;
        } else {
            STU_LOG(SEV_WARN, LC_COMBAT, "[COMBAT] Disrupt at (%d, %d) outside the city block: nothing changed", x, y);
        }
        break;
    case SP_WARP_CREATURE:
        if (target != nullptr) {
            const uint16_t warps = BUC_WARP_CREATURE_MELEE | BUC_WARP_CREATURE_DEFENSE | BUC_WARP_CREATURE_RESIST;
            if (Combat_Resistance_Check(modifier, spell_data_table[SP_WARP_CREATURE].magic_realm, target) > 0 &&
                ((uint16_t)target->Curses & warps) != warps) {
                Apply_Warp_Creature(target_idx);
            }
            Refresh(target);
        }
        break;
    case SP_MAGIC_VORTEX: Magic_Vortex_Create(player, x, y); break;
    case SP_HEALING:
        if (target != nullptr) Battle_Unit_Heal(target, HEALING_POINTS, 0);
        break;
    case SP_RAISE_DEAD: Cast_Raise_Dead(player, caster, x, y); break;
    case SP_ANIMATE_DEAD: Cast_Animate_Dead(player, caster); break;
    default: break;
    }
}

bool Is_Instant(int16_t spell)
{
    for (int16_t s : INSTANT_SPELLS) {
        if (s == spell) return true;
    }
    return false;
}

}  // namespace

void Battle_Unit_Refresh(Battle_Unit_Record *bu)
{
    const bool full = (int8_t)bu->Move_Halves == Battle_Unit_Moves2(bu);
    const uint8_t left = bu->Move_Halves;
    Battle_Unit_Regular_Stats(bu);
    Battle_Unit_Special_Stats(bu);
    bu->Move_Halves = full ? (uint8_t)Battle_Unit_Moves2(bu) : left;
}

void Apply_Earth_To_Mud(int16_t x, int16_t y)
{
    if (battlefield == nullptr) return;
    for (int dy = -2; dy <= 2; dy++) {
        for (int dx = -2; dx <= 2; dx++) {
            // Only the index is tested: a cell past a row's end lies in the neighbouring row.
            const int cell = (y + dy) * COMBAT_GRID_WIDTH + (x + dx);
            if (cell < 0 || cell >= COMBAT_GRID_CELLS) continue;
            const uint8_t kind = battlefield->terrain_kinds[cell];
            if (kind != ctk_Plain && kind != ctk_Dirt) continue;
            battlefield->mud[cell] = 1;
            battlefield->costs[ccg_Ground][cell] = COMBAT_COST_MUD;
            battlefield->costs[ccg_Second_Ground][cell] = COMBAT_COST_MUD;
            battlefield->costs[ccg_Water][cell] = COMBAT_COST_MUD;
        }
    }
}

void Combat_Cast_Apply_Spell_Effect(int16_t spell, int16_t target_idx, int16_t caster, int16_t x, int16_t y,
                                    int16_t mana, int16_t animate)
{
    if (spell_data_table == nullptr || spell <= 0 || spell >= NUM_SPELLS) return;
    const Spell_Data_Record &record = spell_data_table[spell];
    const int16_t player = Caster_Player(caster);
    const int16_t modifier = Caster_Modifier(spell, caster);
    Battle_Unit_Record *target = Is_Battle_Unit(target_idx) ? &battle_units[target_idx] : nullptr;
    const uint32_t enchantments = target != nullptr ? Battle_Unit_Enchantments(target) : 0;
    const int16_t realm = record.magic_realm;
    int16_t damage[NUM_DAMAGE_KINDS] = {};
    Note_Full_Moves();
    STU_LOG(SEV_INFO, LC_COMBAT, "[COMBAT] spell %d (%s) by caster %d at (%d, %d), target %d, mana %d", spell,
            record.name, caster, x, y, target_idx, mana);

    switch (record.type) {
    case SPT_SUMMON: Summon(spell, player, caster, x, y); break;
    case SPT_UNIT_ENCHANTMENT:
    case SPT_UNIT_ENCHANTMENT_2:
        Animation(x, y, spell, player, animate, caster);
        if (target == nullptr) break;
        if (spell == SP_HASTE) {
            target->Curses = (int16_t)((uint16_t)target->Curses | BUC_HASTE);
        } else {
            target->Combat_Enchantments |= record.Param_Mask;
        }
        Combat_Redraw();
        Refresh(target);
        break;
    case SPT_WALL: Wall_Rise(spell, caster); break;
    case SPT_DIRECT_DAMAGE:
        Animation(x, y, spell, player, animate, caster);
        if (target == nullptr) break;
        Compute_Battle_Unit_Damage_From_Spell(spell, target, damage, 0);
        Battle_Unit_Commit_Damage(target, damage);
        break;
    case SPT_SPECIAL: Special(spell, target_idx, player, caster, x, y, modifier, animate); break;
    case SPT_BATTLE_WIDE:
    case SPT_BATTLE_WIDE_2:
        if (Is_Instant(spell)) {
            // Their animation carries them out over the whole battlefield.
            Combat_Battlefield_Instant(player, spell, caster);
            break;
        }
        Animation(x, y, spell, player, animate, caster);
        Battle_Wide(spell, player, mana);
        break;
    case SPT_RESIST_OR_DIE:
    case SPT_RESIST_OR_DIE_2:
        if (target == nullptr) break;
        if ((spell == SP_DEATH_WISH || spell == SP_UNDEAD_BANE) && (enchantments & UE_SPELLLOCK)) break;
        Animation(x, y, spell, player, animate, caster);
        Resist_Or_Die(spell, *target, modifier, mana);
        break;
    case SPT_CURSE:
    case SPT_CURSE_2:
        Animation(x, y, spell, player, animate, caster);
        if (target == nullptr || Combat_Resistance_Check(modifier, realm, target) == 0) break;
        target->Curses = (int16_t)((uint16_t)target->Curses | (uint16_t)record.Param_Words[0]);
        if (spell == SP_POSSESSION || spell == SP_CREATURE_BINDING) Change_Sides(*target);
        if (spell == SP_BLACK_SLEEP) {
            target->Action_Mode = BUA_DONE;
            target->Move_Halves = 0;
        }
        Combat_Redraw();
        Refresh(target);
        break;
    case SPT_WEB: {
        if (target == nullptr) break;
        const bool immune = (target->Attribs_1 & UI_MAGIC_IMMUNITY) && spell != SP_WEB;
        const bool righteous = (enchantments & UE_RIGHTEOUSNESS) && (realm == REALM_CHAOS || realm == REALM_DEATH);
        const bool illusion = realm == REALM_SORCERY && (target->Attribs_1 & UI_ILLUSIONS_IMMUNITY);
        if (immune || righteous || illusion) break;
        Animation(x, y, spell, player, animate, caster);
        target->Curses = (int16_t)((uint16_t)target->Curses | (uint16_t)record.Param_Words[0]);
        if (spell == SP_WEB) {
            target->Web_Strength = WEB_STRENGTH;
            target->Action_Mode = BUA_DONE;
            target->Move_Halves = 0;
        }
        Combat_Redraw();
        Refresh(target);
        break;
    }
    case SPT_DISPEL:
    case SPT_DISENCHANT: {
        Animation(x, y, spell, player, animate, caster);
        Combat_Redraw();
        int32_t strength = mana;
        if (caster >= COMBAT_CASTER_WIZARD && player >= 0 && player < NUM_PLAYERS &&
            _players[player].retorts[rtr_Runemaster]) {
            strength *= 2;
        }
        if (spell == SP_DISPEL_STRONG || spell == SP_DISENCHANT_STRONG) strength *= 3;
        const int16_t power = (int16_t)(strength > 32767 ? 32767 : strength);
        if (record.type == SPT_DISPEL) {
            int16_t notices = 0;
            Combat_Cast_Dispel(x, y, caster, power, &notices);
            if (target != nullptr) Refresh(target);
        } else {
            Combat_Cast_Disenchant(caster, power);
            Refresh_Fighting_Units();
        }
        break;
    }
    case SPT_DRAIN: {
        Animation(x, y, spell, player, animate, caster);
        if (target == nullptr) break;
        if (spell == SP_LIFE_DRAIN) {
            Apply_Life_Drain(target_idx, damage, caster, mana);
            break;
        }
        int strength = record.Param_Bytes[0];
        const int extra = mana - record.casting_cost;
        if (mana > 0) {
            if (spell == SP_DRAIN_FULL || spell == SP_FIRE_BOLT || spell == SP_LIGHTNING) strength += extra;
            if (spell == SP_DRAIN_HALF) strength += extra / 2;
            if (spell == SP_DRAIN_THIRD) strength += extra / 3;
        }
        Compute_Battle_Unit_Damage_From_Spell(spell, target, damage, (int16_t)strength);
        Battle_Unit_Commit_Damage(target, damage);
        break;
    }
    default: break;
    }
    Combat_Redraw();
}
