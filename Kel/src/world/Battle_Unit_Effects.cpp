#include "world/Battle_Unit_Effects.h"

#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Battlefield.h"

namespace {

constexpr int BERSERK_DEFENSE = -20;

// Battle-wide enchantment pairs read here, named by the spell that sets each; entry 2k is the
// attacking side's, 2k + 1 the defending side's.
enum Combat_Enchantment_Pair : int {
    cep_Light = 0,      // favours Life creatures, weakens Death creatures
    cep_Darkness = 1,   // the other way round
    cep_Spell_108 = 2,  // to-hit -2 for all but Chaos creatures
    cep_Spell_174 = 3,  // weakens the other side
    cep_Spell_102 = 5,  // magic weapons for the side's normal units
    cep_Spell_140 = 6,  // to-hit, to-defend and resistance +1 for the side
    cep_Spell_151 = 7,  // as 140, with more melee, resistance and defence
    cep_Invisibility = 11,
};

bool Kind_In(uint8_t kind, int lo, int hi) { return kind >= lo && kind <= hi; }
bool Missile_Or_Thrown(uint8_t kind) { return Kind_In(kind, rk_Missile_First, rk_Bow_Last) || kind == rk_Thrown; }
bool Bow_Or_Thrown(uint8_t kind) { return Kind_In(kind, rk_Bow_First, rk_Bow_Last) || kind == rk_Thrown; }

void Gain(int8_t &value, int8_t &shown, int amount)
{
    Battle_Unit_Add(value, amount);
    Battle_Unit_Add(shown, amount);
}

void Lose(int8_t &value, int8_t &shown_penalty, int amount)
{
    Battle_Unit_Add(value, -amount);
    Battle_Unit_Add(shown_penalty, amount);
}

bool In_Force(int slot) { return slot >= 0 && slot < NUM_COMBAT_ENCHANTMENTS && combat_enchantments[slot] > 0; }
bool Either_Side(int pair) { return In_Force(2 * pair) || In_Force(2 * pair + 1); }

int16_t Side_Bonus(const int16_t *per_player, int owner_idx)
{
    return (owner_idx >= 0 && owner_idx < NUM_BATTLEFIELD_PLAYERS) ? per_player[owner_idx] : 0;
}

// +amount to melee and ranged where above 0, resistance and defence, all shown; a negative amount is
// taken from all four and shown as penalties.
void Realm_Shift(Battle_Unit_Record *bu, int amount)
{
    if (amount > 0) {
        if (bu->Melee > 0) Gain(bu->Melee, bu->Shown_Melee_Bonus, amount);
        if (bu->Ranged > 0) Gain(bu->Ranged, bu->Shown_Ranged_Bonus, amount);
        Gain(bu->Resist, bu->Shown_Resist_Bonus, amount);
        Gain(bu->Defense, bu->Shown_Defense_Bonus, amount);
    } else {
        Lose(bu->Melee, bu->Shown_Melee_Penalty, -amount);
        Lose(bu->Ranged, bu->Shown_Ranged_Penalty, -amount);
        Lose(bu->Resist, bu->Shown_Resist_Penalty, -amount);
        Lose(bu->Defense, bu->Shown_Defense_Penalty, -amount);
    }
}

}  // namespace

void Apply_Enchantment_And_Mutation_Effects(Battle_Unit_Record *bu, uint32_t enchantments, uint8_t mutations)
{
    if (enchantments & UE_WATERWALKING) bu->Move_Flags |= MV_SWIMMING;
    if (enchantments & UE_TRUESIGHT) bu->Attribs_1 |= UI_ILLUSIONS_IMMUNITY;
    if (enchantments & UE_INVULNERABILITY) bu->Attribs_1 |= UI_WEAPON_IMMUNITY;
    if (enchantments & UE_FLIGHT) bu->Move_Flags |= MV_FLYING;

    if (enchantments & UE_WRAITHFORM) {
        bu->Abilities |= UA_NONCORPOREAL;
        bu->Attribs_1 |= UI_WEAPON_IMMUNITY;
        bu->Move_Flags |= MV_SWIMMING;
    }

    if (mutations & UM_UNDEAD) {
        bu->race = rt_Death;
        bu->Abilities |= UA_FANTASTIC;
    }

    if (enchantments & UE_BLACKCHANNELS) {
        if (bu->Melee > 0) Gain(bu->Melee, bu->Shown_Melee_Bonus, 2);
        if (bu->Ranged_Type != rk_None) Gain(bu->Ranged, bu->Shown_Ranged_Bonus, 1);
        Gain(bu->Defense, bu->Shown_Defense_Bonus, 1);
        Gain(bu->Resist, bu->Shown_Resist_Bonus, 1);
        bu->race = rt_Death;
        bu->Abilities |= UA_FANTASTIC;
        bu->Attribs_1 |= UI_ILLUSIONS_IMMUNITY | UI_COLD_IMMUNITY | UI_POISON_IMMUNITY;
    }

    if (enchantments & UE_IRONSKIN) {
        Gain(bu->Defense, bu->Shown_Defense_Bonus, 5);
    } else if (enchantments & UE_STONESKIN) {
        Gain(bu->Defense, bu->Shown_Defense_Bonus, 1);
    }

    if (enchantments & UE_GUARDIANWIND) bu->Attribs_1 |= UI_MISSILES_IMMUNITY;
    if (enchantments & UE_MAGICIMMUNITY) bu->Attribs_1 |= UI_MAGIC_IMMUNITY;

    if (enchantments & UE_FLAMEBLADE) {
        if (bu->Melee > 0) Gain(bu->Melee, bu->Shown_Melee_Bonus, 2);
        if (Bow_Or_Thrown(bu->Ranged_Type)) Gain(bu->Ranged, bu->Shown_Ranged_Bonus, 2);
        if (bu->Weapon_Quality == wq_None) bu->Weapon_Quality = wq_Magic;
    }

    if (enchantments & UE_GIANTSTRENGTH) {
        if (bu->Melee > 0) Gain(bu->Melee, bu->Shown_Melee_Bonus, 1);
        if (bu->Ranged_Type == rk_Thrown) Gain(bu->Ranged, bu->Shown_Ranged_Bonus, 1);
    }

    if (enchantments & UE_IMMOLATION) bu->Attribs_2 |= UI2_IMMOLATION;

    if (enchantments & UE_ELDRITCHWEAPON) {
        bu->Item_Melee_Attack_Flags |= UAF_ELDRITCH_WEAPON;
        if (Bow_Or_Thrown(bu->Ranged_Type)) bu->Item_Ranged_Attack_Flags |= UAF_ELDRITCH_WEAPON;
        if (bu->Weapon_Quality == wq_None) bu->Weapon_Quality = wq_Magic;
    }

    if (mutations & UM_CHAOS_CHANNELS_DEMON_SKIN) {
        Gain(bu->Defense, bu->Shown_Defense_Bonus, 3);
        bu->race = rt_Chaos;
    }
    if (mutations & UM_CHAOS_CHANNELS_DEMON_WINGS) {
        bu->Move_Flags |= MV_FLYING;
        bu->race = rt_Chaos;
    }
    if (mutations & UM_CHAOS_CHANNELS_FIERY_BREATH) {
        bu->Ranged = 2;
        bu->Ranged_Type = rk_Fire_Breath;
        bu->race = rt_Chaos;
    }

    if (enchantments & UE_LIONHEART) {
        if (bu->Melee > 0) Gain(bu->Melee, bu->Shown_Melee_Bonus, 3);
        if (Missile_Or_Thrown(bu->Ranged_Type)) Gain(bu->Ranged, bu->Shown_Ranged_Bonus, 3);
        Gain(bu->Resist, bu->Shown_Resist_Bonus, 3);
    }

    if (enchantments & UE_HOLYARMOR) Gain(bu->Defense, bu->Shown_Defense_Bonus, 2);

    if (bu->race == rt_Death) bu->Attribs_1 |= UI_DEATH_IMMUNITY;

    if (enchantments & UE_BERSERK) {
        if (bu->Melee > 0) Gain(bu->Melee, bu->Shown_Melee_Bonus, bu->Melee);
        bu->Shown_Defense_Penalty = bu->Defense;
        bu->Defense = BERSERK_DEFENSE;
    }
}

void Battle_Unit_Special_Stats(Battle_Unit_Record *bu)
{
    int owner_idx = bu->owner_idx;
    bool attacker = owner_idx == _combat_attacker_player;
    // The slot of a pair that belongs to this unit's side, and the one its opponents hold.
    auto own_side = [attacker](int pair) { return In_Force(attacker ? 2 * pair : 2 * pair + 1); };
    auto other_side = [attacker](int pair) { return In_Force(attacker ? 2 * pair + 1 : 2 * pair); };

    bool node_realm = (_combat_node_type == nt_Sorcery && bu->race == rt_Sorcery) ||
                      (_combat_node_type == nt_Nature && bu->race == rt_Nature) ||
                      (_combat_node_type == nt_Chaos && bu->race == rt_Chaos);
    if (node_realm) {
        Realm_Shift(bu, 2);
    }

    int leadership = Side_Bonus(_battlefield_leadership, owner_idx);
    if (bu->race < 15) {
        if (bu->Melee > 0) Gain(bu->Melee, bu->Shown_Melee_Bonus, leadership);
        if (bu->Ranged > 0 && !Kind_In(bu->Ranged_Type, rk_Magic_First, rk_Magic_Last)) {
            Gain(bu->Ranged, bu->Shown_Ranged_Bonus, leadership / 2);
        }
    }

    int holy_bonus = Side_Bonus(_battlefield_holybonus, owner_idx);
    if (bu->Melee > 0) Gain(bu->Melee, bu->Shown_Melee_Bonus, holy_bonus);
    Gain(bu->Defense, bu->Shown_Defense_Bonus, holy_bonus);
    Gain(bu->Resist, bu->Shown_Resist_Bonus, Side_Bonus(_battlefield_resistall, owner_idx));

    for (int place = 0; place < NUM_ITEM_PLACES; place++) {
        int16_t item_idx = Battle_Unit_Hero_Item(bu->unit_idx, place);
        if (item_idx >= 0 && (_ITEMS[item_idx].Powers & ip_Haste)) {
            bu->Curses |= BUC_HASTE;
        }
    }

    bool greater = own_side(cep_Spell_151);
    if (greater || own_side(cep_Spell_140)) {
        Battle_Unit_Add(bu->To_Hit, 1);
        Battle_Unit_Add(bu->To_Defend_Bonus, 1);
        Gain(bu->Resist, bu->Shown_Resist_Bonus, 1);
        if (greater) {
            if (bu->Melee > 0) Gain(bu->Melee, bu->Shown_Melee_Bonus, 2);
            Gain(bu->Resist, bu->Shown_Resist_Bonus, 2);
            Gain(bu->Defense, bu->Shown_Defense_Bonus, 2);
        }
    }

    if (bu->race == rt_Life || bu->race == rt_Death) {
        bool light = Either_Side(cep_Light);
        bool darkness = Either_Side(cep_Darkness);
        bool life = bu->race == rt_Life;
        if (light) Realm_Shift(bu, life ? 1 : -1);
        if (darkness) Realm_Shift(bu, life ? -1 : 1);
    }

    uint32_t own_enchantments = bu->Item_Enchantments;
    if (bu->unit_idx >= 0 && bu->unit_idx < UNIT_TABLE_CAPACITY) {
        own_enchantments |= _UNITS[bu->unit_idx].enchantments;
    }
    if (own_side(cep_Spell_102) && !(bu->Abilities & UA_FANTASTIC) &&
        !((own_enchantments | bu->Combat_Enchantments) & UE_FLAMEBLADE)) {
        if (bu->Melee > 0) Gain(bu->Melee, bu->Shown_Melee_Bonus, 1);
        if (Bow_Or_Thrown(bu->Ranged_Type)) Gain(bu->Ranged, bu->Shown_Ranged_Bonus, 1);
        if (bu->Weapon_Quality == wq_None) bu->Weapon_Quality = wq_Magic;
    }

    if (own_side(cep_Invisibility)) {
        bu->Combat_Enchantments |= UE_INVISIBILITY;
    }

    if (Either_Side(cep_Spell_108) && bu->race != rt_Chaos) {
        Battle_Unit_Add(bu->To_Hit, -2);
    }

    if (other_side(cep_Spell_174)) {
        Lose(bu->Melee, bu->Shown_Melee_Penalty, 1);
        Lose(bu->Ranged, bu->Shown_Ranged_Penalty, 1);
        Lose(bu->Resist, bu->Shown_Resist_Penalty, 2);
        Lose(bu->Defense, bu->Shown_Defense_Penalty, 1);
    }

    uint16_t curses = (uint16_t)bu->Curses;
    if (curses & BUC_MIND_TWIST) {
        Battle_Unit_Add(bu->To_Hit, -1);
        Lose(bu->Resist, bu->Shown_Resist_Penalty, 1);
    }
    if (curses & BUC_VERTIGO) {
        Battle_Unit_Add(bu->To_Hit, -2);
        Lose(bu->Defense, bu->Shown_Defense_Penalty, 1);
    }
    if (curses & BUC_WEAKNESS) {
        Lose(bu->Melee, bu->Shown_Melee_Penalty, 2);
        if (Kind_In(bu->Ranged_Type, rk_Bow_First, rk_Bow_Last)) Lose(bu->Ranged, bu->Shown_Ranged_Penalty, 2);
    }
    if (curses & BUC_MIND_STORM) {
        Lose(bu->Melee, bu->Shown_Melee_Penalty, 5);
        Lose(bu->Ranged, bu->Shown_Ranged_Penalty, 5);
        Lose(bu->Resist, bu->Shown_Resist_Penalty, 5);
        Lose(bu->Defense, bu->Shown_Defense_Penalty, 5);
    }

    // The unit's own and its items' enchantments took effect when it was loaded; the mutations too.
    Apply_Enchantment_And_Mutation_Effects(bu, bu->Combat_Enchantments & ~own_enchantments, 0);

    if (curses & BUC_WARP_CREATURE_MELEE) Lose(bu->Melee, bu->Shown_Melee_Penalty, (bu->Melee + 1) / 2);
    if (curses & BUC_WARP_CREATURE_DEFENSE) Lose(bu->Defense, bu->Shown_Defense_Penalty, (bu->Defense + 1) / 2);
    if (curses & BUC_WARP_CREATURE_RESIST) {
        Battle_Unit_Add(bu->Shown_Resist_Penalty, bu->Resist);
        bu->Resist = 0;
    }
    if (curses & BUC_SHATTER) {
        if (bu->Melee > 1) {
            bu->Melee = 1;
            bu->Shown_Melee_Penalty = 0;
        }
        if (bu->Ranged > 1) {
            bu->Ranged = 1;
            bu->Shown_Ranged_Penalty = 0;
        }
    }

    if (bu->Melee < 0) bu->Melee = 0;
    if (bu->Ranged < 0) bu->Ranged = 0;
    if (bu->Defense < 0) bu->Defense = 0;

    if ((curses & BUC_WEB) && (bu->Move_Flags & MV_FLYING)) {
        bu->Move_Flags &= (uint16_t)~MV_FLYING;
    }

    int16_t hits = Battle_Unit_Hit_Points(bu);
    bu->Hits = (uint8_t)(hits < 0 ? 0 : hits > 255 ? 255 : hits);
}
