#include "combat/Attack_Resolution.h"

#include <cstdlib>

#include "combat/Battle_Unit_Scores.h"
#include "combat/Combat_Checks.h"
#include "combat/Combat_Movement.h"
#include "combat/Combat_Rolls.h"
#include "combat/Combat_Tables.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t SPELL_WALL_OF_FIRE = 96;
constexpr int16_t IMMOLATION_STRENGTH = 4;
// The battle-wide enchantment whose side may shrug off each damage point.
constexpr int COMBAT_ENCHANTMENT_PAIR_15 = 28;
constexpr uint16_t ABILITY_NEGATE_FIRST_STRIKE = UA_NEGATEFIRSTSTRIKE;

int Sum(const int16_t d[NUM_DAMAGE_KINDS]) { return d[0] + d[1] + d[2]; }

void Add_Into(int16_t into[NUM_DAMAGE_KINDS], const int16_t from[NUM_DAMAGE_KINDS])
{
    for (int k = 0; k < NUM_DAMAGE_KINDS; k++) {
        const int value = into[k] + from[k];
        into[k] = (int16_t)(value > 32767 ? 32767 : value < -32768 ? -32768 : value);
    }
}

bool Is_Caster(const Battle_Unit_Record *bu) { return (bu->Attribs_1 & (UI_CASTER_20 | UI_CASTER_40)) != 0; }

bool Kind_Is_Magic(int16_t kind) { return kind >= rk_Magic_First && kind <= rk_Magic_Last; }

// Figures of the defender still standing after the damage so far.
int16_t Survivors(const Battle_Unit_Record *bu, const int16_t damage[NUM_DAMAGE_KINDS])
{
    const int taken = Sum(damage) + bu->Front_Figure_Damage;
    if (taken < 1) {
        return bu->Cur_Figures;
    }
    return (int16_t)(bu->Cur_Figures - taken / Battle_Unit_Hits_Divisor(bu));
}

bool Overland_Undead(const Battle_Unit_Record *bu)
{
    return bu->unit_idx >= 0 && bu->unit_idx < _units && (_UNITS[bu->unit_idx].mutations & UM_UNDEAD);
}

}  // namespace

int16_t Battle_Unit_Attack_Magic_Realm(int16_t ranged_kind, const Battle_Unit_Record *bu)
{
    switch (ranged_kind) {
    case 0:
        if (bu->race < 15) return REALM_NONE;
        if (bu->race == 15) return REALM_ARCANE;
        return bu->race <= 20 ? (int16_t)(bu->race - 16) : REALM_NONE;
    case 30:
    case 31:
    case 33:
    case 36:
    case 101:
    case 102:
    case 104: return REALM_CHAOS;
    case 32: return REALM_SORCERY;
    case 34:
    case 35:
    case 37:
    case 38:
    case 103: return REALM_NATURE;
    case 105: return REALM_DEATH;
    default: return REALM_NONE;
    }
}

uint16_t Battle_Unit_Attack_Immunity_Bits(const Battle_Unit_Record *bu, int16_t mode)
{
    uint16_t bits = (bu->Attack_Flags & UAF_ILLUSION) ? UI_ILLUSIONS_IMMUNITY : 0;
    const int16_t kind = Battle_Unit_Ranged_Kind(bu);
    if (mode <= 0) {
        if (bu->Weapon_Quality == 0) bits |= UI_WEAPON_IMMUNITY;
        if (bu->Item_Melee_Attack_Flags & UAF_ILLUSION) bits |= UI_ILLUSIONS_IMMUNITY;
    } else {
        if (bu->Item_Ranged_Attack_Flags & UAF_ILLUSION) bits |= UI_ILLUSIONS_IMMUNITY;
        if (kind >= rk_Bow_First && kind <= rk_Bow_Last) bits |= UI_MISSILES_IMMUNITY;
        if (kind == rk_Fire_Breath) bits |= UI_FIRE_IMMUNITY;
        if (Kind_Is_Magic(kind)) bits |= UI_MAGIC_IMMUNITY;
        if (kind < rk_Magic_First && bu->Weapon_Quality == 0) bits |= UI_WEAPON_IMMUNITY;
    }
    return bits;
}

int16_t Apply_Fear_Attack(const Battle_Unit_Record *source, const Battle_Unit_Record *target)
{
    const bool fearsome =
        (source->Attribs_2 & UI2_CAUSE_FEAR_SPELL) || (Battle_Unit_Enchantments(source) & UE_CLOAKOFFEAR);
    if (!fearsome || (target->Attribs_1 & UI_DEATH_IMMUNITY)) {
        return 0;
    }
    int16_t frightened = 0;
    for (int f = 0; f < target->Cur_Figures; f++) {
        if (Combat_Resistance_Check(0, REALM_DEATH, target) > 0) {
            frightened++;
        }
    }
    return frightened;
}

void Battle_Unit_Process_Attack(Battle_Unit_Record *a, int16_t figures, Battle_Unit_Record *d, int16_t mode,
                                int16_t out[NUM_DAMAGE_KINDS], int16_t counter, int16_t effects)
{
    out[0] = out[1] = out[2] = 0;
    int32_t pool[NUM_DAMAGE_KINDS] = {0, 0, 0};
    const uint32_t enchantments = Battle_Unit_Enchantments(d);
    int32_t carried = d->Front_Figure_Damage;
    int32_t to_hit = a->To_Hit;
    int32_t to_block = d->To_Defend_Bonus;
    if (figures < 1) {
        return;
    }
    uint16_t flags = a->Attack_Flags;
    const uint16_t bits = Battle_Unit_Attack_Immunity_Bits(a, mode);
    int32_t strength;
    int16_t realm;
    int16_t kind;
    if (mode == STRIKE_MELEE) {
        flags |= a->Item_Melee_Attack_Flags;
        to_hit += a->Melee_To_Hit_Bonus - d->To_Defend_Bonus;
        strength = a->Melee;
        realm = Battle_Unit_Attack_Magic_Realm(0, a);
        kind = 0;
    } else {
        flags |= a->Item_Ranged_Attack_Flags;
        strength = a->Ranged;
        kind = Battle_Unit_Ranged_Kind(a);
        realm = Battle_Unit_Attack_Magic_Realm(kind, a);
        if (kind == rk_Lightning) flags |= UAF_ARMOR_PIERCING;
        if (kind == rk_Doom_Gaze) flags |= UAF_AUTOMATIC_DAMAGE;
        if (mode == STRIKE_RANGED) {
            if (Battle_Unit_Has_Ranged_Attack(a)) {
                to_hit += a->Ranged_To_Hit_Bonus;
                if (!Kind_Is_Magic(kind)) {
                    int penalty = Range_To_Battle_Unit(a, d) / 3;
                    if ((a->Abilities & UA_LONGRANGE) && penalty > 0) penalty = 1;
                    to_hit -= penalty;
                }
            } else {
                strength = 0;
            }
        }
    }
    if (((d->Abilities & UA_INVISIBILITY) || (enchantments & UE_INVISIBILITY)) &&
        !(a->Attribs_1 & UI_ILLUSIONS_IMMUNITY)) {
        to_hit -= 1;
    }
    if (counter) {
        to_hit -= a->Times_Attacked / 2;
    }
    if ((d->Move_Flags & MV_FLYING) && mode == STRIKE_MELEE && !(a->Move_Flags & MV_FLYING) && !counter &&
        Battle_Unit_Ranged_Kind(a) < rk_Thrown) {
        return;
    }
    const int hits = Battle_Unit_Hits_Divisor(d);
    const bool magic_immune = (d->Attribs_1 & UI_MAGIC_IMMUNITY) != 0;
    const int special = abs((int)a->Spec_Att_Attr);
    if (!magic_immune) {
        if (a->Attribs_2 & UI2_IMMOLATION) {
            int16_t fire[NUM_DAMAGE_KINDS];
            Compute_Battle_Unit_Damage_From_Spell(SPELL_WALL_OF_FIRE, d, fire, IMMOLATION_STRENGTH);
            for (int k = 0; k < NUM_DAMAGE_KINDS; k++) pool[k] += fire[k];
        }
        if ((kind == rk_Stoning_Gaze || kind == rk_Doom_Gaze) && !(d->Attribs_1 & UI_STONING_IMMUNITY)) {
            for (int f = 0; f < d->Cur_Figures; f++) {
                if (Combat_Resistance_Check((int16_t)-special, REALM_NATURE, d) > 0) pool[2] += d->Hits;
            }
        }
        if ((kind == rk_Doom_Gaze || kind == rk_Death_Gaze) && !(d->Attribs_1 & UI_DEATH_IMMUNITY)) {
            for (int f = 0; f < d->Cur_Figures; f++) {
                if (Combat_Resistance_Check((int16_t)-special, REALM_DEATH, d) > 0) pool[0] += d->Hits;
            }
        }
    }
    if (d->Curses & BUC_BLACK_SLEEP) {
        flags |= UAF_AUTOMATIC_DAMAGE;
    }
    if (strength <= 0) {
        return;
    }
    int32_t defense = Battle_Unit_Defense_Special(d, kind, bits, flags, realm);
    if (flags & UAF_ELDRITCH_WEAPON) {
        to_block -= 1;
    }
    if (Battle_Unit_Is_Within_City(d) && !Battle_Unit_Is_Within_City(a) && battlefield->walls == 1) {
        defense += Combat_Grid_Cell_Has_City_Wall(d->Grid_X, d->Grid_Y) ? 3 : 1;
    }
    const uint16_t own_word = mode == STRIKE_MELEE ? a->Item_Melee_Attack_Flags : a->Item_Ranged_Attack_Flags;
    const bool automatic = (flags & UAF_AUTOMATIC_DAMAGE) != 0;
    const bool invulnerable = (enchantments & UE_INVULNERABILITY) != 0;
    const bool undead_maker = (a->Abilities & UA_CREATEUNDEAD) && !magic_immune;
    const int ordinary_kind = undead_maker ? 1 : 0;
    const int side_slot = COMBAT_ENCHANTMENT_PAIR_15 + (d->owner_idx == _combat_attacker_player ? 0 : 1);
    const int16_t clamped_strength = (int16_t)(strength > 32767 ? 32767 : strength);
    const int16_t clamped_defense = (int16_t)(defense > 32767 ? 32767 : defense);
    auto block = [&](int32_t damage) {
        damage -= Combat_Roll_Damage_Blocked(clamped_defense, (int16_t)to_block);
        damage -= invulnerable ? 2 : 0;
        return damage < 0 ? 0 : damage;
    };
    int32_t total[NUM_DAMAGE_KINDS] = {0, 0, 0};
    for (int n = 0; n < figures; n++) {
        if (!magic_immune) {
            if ((flags & UAF_DISPEL_EVIL) && (d->race == 18 || d->race == 20)) {
                const int16_t modifier = Overland_Undead(d) ? -9 : -4;
                if (Combat_Resistance_Check(modifier, REALM_LIFE, d) > 0) pool[2] += d->Hits;
            }
            if ((flags & UAF_STONING_TOUCH) && !(d->Attribs_1 & UI_STONING_IMMUNITY)) {
                const int modifier = -special - ((own_word & UAF_STONING_TOUCH) ? 1 : 0);
                if (Combat_Resistance_Check((int16_t)modifier, REALM_NATURE, d) > 0) pool[2] += d->Hits;
            }
            if ((flags & UAF_DEATH_TOUCH) && !(d->Attribs_1 & UI_DEATH_IMMUNITY)) {
                const int modifier = -special - ((own_word & UAF_DEATH_TOUCH) ? 3 : 0);
                if (Combat_Resistance_Check((int16_t)modifier, REALM_DEATH, d) > 0) pool[0] += d->Hits;
            }
            if ((flags & UAF_LIFE_STEAL) && !(d->Attribs_1 & UI_DEATH_IMMUNITY)) {
                const int16_t stolen = Combat_Resistance_Check((int16_t)-special, REALM_DEATH, d);
                pool[1] += stolen;
                if (effects && stolen > 0) Battle_Unit_Heal(a, stolen, 1);
            }
            if (flags & UAF_DESTRUCTION) {
                if (Combat_Resistance_Check(0, REALM_CHAOS, d) > 0) pool[2] += d->Hits;
            }
        }
        int32_t damage;
        if (!automatic) {
            damage = Combat_Roll_Damage_Dealt(clamped_strength, (int16_t)to_hit);
            if (combat_enchantments[side_slot] > 0 && !(d->Attribs_1 & UI_ILLUSIONS_IMMUNITY)) {
                int32_t kept = damage;
                for (int p = 0; p < damage; p++) {
                    if (RANDOM(10) == 10) kept--;
                }
                damage = kept;
            }
            damage = block(damage);
        } else {
            damage = (own_word & UAF_AUTOMATIC_DAMAGE) ? strength / 2 : strength;
        }
        if ((a->Attack_Flags & UAF_POISON) && !(d->Attribs_1 & UI_POISON_IMMUNITY)) {
            for (int p = 0; p < a->Kept_Spec_Att_Attr; p++) {
                if (Combat_Resistance_Check(0, REALM_NONE, d) > 0) pool[undead_maker ? 1 : 0] += 1;
            }
        }
        int32_t pooled = pool[0] + pool[1] + pool[2] + carried;
        while (hits <= damage + pooled) {
            damage -= hits;
            if (damage < 0) {
                total[ordinary_kind] += hits + damage;
                pooled += damage;
                damage = 0;
            } else {
                total[ordinary_kind] += hits;
                if (!automatic) damage = block(damage);
            }
        }
        total[ordinary_kind] += damage;
        carried = pooled + damage;
        for (int k = 0; k < NUM_DAMAGE_KINDS; k++) {
            total[k] += pool[k];
            pool[k] = 0;
        }
    }
    for (int k = 0; k < NUM_DAMAGE_KINDS; k++) {
        out[k] = (int16_t)(total[k] > 32767 ? 32767 : total[k] < -32768 ? -32768 : total[k]);
    }
}

void Battle_Unit_Attack_Target(Battle_Unit_Record *a, Battle_Unit_Record *d, int16_t dd[NUM_DAMAGE_KINDS],
                               int16_t da[NUM_DAMAGE_KINDS], int16_t ranged, int16_t effects)
{
    int16_t out[NUM_DAMAGE_KINDS];
    dd[0] = dd[1] = dd[2] = 0;
    da[0] = da[1] = da[2] = 0;
    const int16_t blocked = Check_Attack_Ranged(a, d);
    const bool a_haste = (a->Curses & BUC_HASTE) != 0;
    const int16_t kind = Battle_Unit_Ranged_Kind(a);
    if (ranged == 1) {
        if (a->Ranged < 1 || blocked) {
            dd[0] -= 5, dd[1] -= 5, dd[2] -= 5;
            return;
        }
        Battle_Unit_Process_Attack(a, a->Cur_Figures, d, STRIKE_RANGED, out, 0, effects);
        Add_Into(dd, out);
        if (a_haste) {
            bool paid = false;
            if (Kind_Is_Magic(kind) || Is_Caster(a)) {
                if (a->Mana_Left > 6) {
                    a->Mana_Left = (uint8_t)(a->Mana_Left - 3);
                    paid = true;
                }
            } else if (a->Ammo > 1) {
                a->Ammo--;
                paid = true;
            }
            if (paid) {
                Battle_Unit_Process_Attack(a, a->Cur_Figures, d, STRIKE_RANGED, out, 0, effects);
                Add_Into(dd, out);
            }
        }
        return;
    }
    if (kind >= rk_Thrown) {
        Battle_Unit_Process_Attack(a, a->Cur_Figures, d, STRIKE_SPECIAL, out, 0, effects);
        Add_Into(dd, out);
        if (a_haste && kind < rk_Stoning_Gaze) {
            Battle_Unit_Process_Attack(a, a->Cur_Figures, d, STRIKE_SPECIAL, out, 0, effects);
            Add_Into(dd, out);
        }
    }
    int gaze = 0;
    const bool d_asleep = (d->Curses & BUC_BLACK_SLEEP) != 0;
    if (!d_asleep && Battle_Unit_Ranged_Kind(d) > rk_Lightning) {
        Battle_Unit_Process_Attack(d, Survivors(d, dd), a, STRIKE_SPECIAL, out, 1, effects);
        Add_Into(da, out);
        gaze = Sum(out);
    }
    if (effects) {
        Check_Wall_Of_Fire_Attack(a);
    }
    if (a->Status != bus_Fighting) {
        return;
    }
    const bool first_strike = (a->Attack_Flags & UAF_FIRST_STRIKE) && !(d->Abilities & ABILITY_NEGATE_FIRST_STRIKE);
    const int a_hits = Battle_Unit_Hits_Divisor(a);
    int frightened = 0;
    if (first_strike) {
        frightened = (effects == 1 ? Apply_Fear_Attack(d, a) : 0) + da[0] / a_hits + da[1] / a_hits + da[2] / a_hits;
        Battle_Unit_Process_Attack(a, (int16_t)(a->Cur_Figures - frightened), d, STRIKE_MELEE, out, 0, effects);
        Add_Into(dd, out);
    }
    if (!d_asleep) {
        int survivors = Survivors(d, dd);
        if (effects == 1) survivors -= Apply_Fear_Attack(a, d);
        if (survivors > 0) {
            Battle_Unit_Process_Attack(d, (int16_t)survivors, a, STRIKE_MELEE, out, 1, effects);
            Add_Into(da, out);
            if (d->Curses & BUC_HASTE) {
                Battle_Unit_Process_Attack(d, (int16_t)survivors, a, STRIKE_MELEE, out, 1, effects);
                Add_Into(da, out);
            }
        }
    }
    if (!first_strike) {
        frightened = (effects == 1 ? Apply_Fear_Attack(d, a) : 0) + (gaze + a->Front_Figure_Damage) / a_hits;
        Battle_Unit_Process_Attack(a, (int16_t)(a->Cur_Figures - frightened), d, STRIKE_MELEE, out, 0, effects);
        Add_Into(dd, out);
    }
    if (a_haste) {
        Battle_Unit_Process_Attack(a, (int16_t)(a->Cur_Figures - frightened), d, STRIKE_MELEE, out, 0, effects);
        Add_Into(dd, out);
    }
}
