#include "combat/Battle_Unit_Scores.h"

#include <initializer_list>

#include "combat/Combat_Tables.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Item_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int32_t WORTH_MAX = 32767;

int16_t Saturate(int32_t value) { return (int16_t)(value > WORTH_MAX ? WORTH_MAX : value < -32768 ? -32768 : value); }

// The worth of a strength from its figures: 1 to 3 weigh less than their value, 4 on grow linearly.
int32_t Strength_Base(int32_t strength, int32_t figures)
{
    const int32_t v = 40 * figures;
    switch (strength) {
    case 1: return v / 7;
    case 2: return v / 3;
    case 3: return v * 2 / 3;
    default: return 20 * figures * (strength - 2);
    }
}

// The flag modifiers; a flag word that is negative as a signed value changes nothing.
int32_t Flag_Worth(int32_t v, int32_t figures, int16_t flags, bool melee)
{
    if (flags <= 0) {
        return v;
    }
    if (flags & UAF_DESTRUCTION) {
        v *= 2;
    } else if (flags & UAF_ARMOR_PIERCING) {
        v = v * 5 / 4;
    }
    for (uint16_t bit : {UAF_LIFE_STEAL, UAF_AUTOMATIC_DAMAGE, UAF_ILLUSION, UAF_DEATH_TOUCH, UAF_POWER_DRAIN}) {
        if (flags & bit) {
            v += 60 * figures;
        }
    }
    if (flags & UAF_STONING_TOUCH) {
        v *= 5;
    }
    if (melee && (flags & UAF_POISON)) {
        v = v * 5 / 4;
    }
    if (flags & UAF_ELDRITCH_WEAPON) {
        v = v * 5 / 4;
    }
    return v;
}

}  // namespace

int16_t Get_Effective_Hits(int16_t hits, int16_t defence)
{
    const int32_t v = 3 * (int32_t)hits;
    switch (defence) {
    case 0: return Saturate(v / 2);
    case 1: return Saturate(v * 3 / 5);
    case 2: return Saturate(v * 7 / 10);
    case 3: return Saturate(v * 4 / 5);
    default:
        if (defence < 0) {
            return Saturate(v);
        }
        return Saturate(v * ((int32_t)(defence - 2) * (defence - 2) / 2));
    }
}

int16_t Get_Effective_Ranged_Strength(int16_t ranged, int16_t figures, int16_t flags)
{
    if (ranged == 0) {
        return 0;
    }
    return Saturate(Flag_Worth(Strength_Base(ranged, figures), figures, flags, false));
}

int16_t Get_Effective_Melee_Strength(int16_t melee, int16_t thrown, int16_t figures, int16_t flags, int16_t ranged_kind)
{
    if (melee == 0) {
        return 0;
    }
    int32_t v = Strength_Base(melee, figures);
    if (thrown >= 4) {
        v += 30 * (int32_t)figures * (thrown - 2);
    } else if (thrown == 3) {
        v += 60 * (int32_t)figures * 2 / 3;
    } else if (thrown == 2) {
        v += 60 * (int32_t)figures / 3;
    } else if (thrown == 1) {
        v += 60 * (int32_t)figures / 7;
    }
    v = Flag_Worth(v, figures, flags, true);
    if (ranged_kind >= rk_Stoning_Gaze) {
        v += 300;
    }
    if (ranged_kind == rk_Doom_Gaze) {
        v += 900;
    }
    return Saturate(v);
}

int16_t Effective_Battle_Unit_Strength(const Battle_Unit_Record *bu)
{
    const int16_t kind = Battle_Unit_Ranged_Kind(bu);
    const bool special = kind >= rk_Thrown;
    int32_t total =
        Get_Effective_Melee_Strength(bu->Melee, special ? bu->Ranged : 0, bu->Cur_Figures,
                                     (int16_t)(bu->Attack_Flags | bu->Item_Melee_Attack_Flags), special ? kind : -1);
    total += Get_Effective_Hits((int16_t)(bu->Hits * bu->Cur_Figures - bu->Front_Figure_Damage), bu->Defense);
    if (Battle_Unit_Has_Ranged_Attack(bu)) {
        total += Get_Effective_Ranged_Strength(bu->Ranged, bu->Cur_Figures,
                                               (int16_t)(bu->Attack_Flags | bu->Item_Ranged_Attack_Flags));
    }
    return Saturate(total);
}

int16_t Battle_Unit_Has_Ranged_Attack(const Battle_Unit_Record *bu)
{
    const int16_t kind = Battle_Unit_Ranged_Kind(bu);
    return (kind >= 1 && kind <= 99) ? 1 : 0;
}

int16_t Battle_Unit_Is_Airborne(const Battle_Unit_Record *bu)
{
    if (bu->Curses & (BUC_WEB | BUC_BLACK_SLEEP)) {
        return 0;
    }
    return (bu->Move_Flags & MV_FLYING) ? 1 : 0;
}

int16_t Battle_Unit_Has_Flight(const Battle_Unit_Record *bu)
{
    if (bu->Curses & (BUC_WEB | BUC_BLACK_SLEEP)) {
        return 0;
    }
    if (Battle_Unit_Enchantments(bu) & (UE_WINDWALKING | UE_FLIGHT)) {
        return 1;
    }
    if (bu->Move_Flags & MV_FLYING) {
        return 1;
    }
    if (bu->unit_idx >= 0 && bu->unit_idx < _units &&
        (_unit_type_table[_UNITS[bu->unit_idx].type].Move_Flags & MV_FLYING)) {
        return 1;
    }
    return 0;
}

int16_t Combat_Effective_Resistance(int16_t realm, const Battle_Unit_Record *bu)
{
    int32_t resistance = bu->Resist;
    const uint32_t enchantments = Battle_Unit_Enchantments(bu);
    const bool chaos_or_death = realm == REALM_CHAOS || realm == REALM_DEATH;
    if (bu->unit_idx >= 0 && bu->unit_idx < _units) {
        const Unit_Record &unit = _UNITS[bu->unit_idx];
        const int owner = unit.owner_idx;
        if (unit.Hero_Slot >= 0 && owner >= 0 && owner < NUM_PLAYERS && unit.type < NUM_HERO_TYPES &&
            (_HEROES2[owner][unit.type].abilities & hab_Charmed)) {
            resistance += 30;
        }
    }
    if ((bu->Attribs_1 & UI_MAGIC_IMMUNITY) && realm >= 0) {
        resistance += 30;
    }
    if ((enchantments & UE_RIGHTEOUSNESS) && chaos_or_death) {
        resistance += 30;
    }
    if (realm == REALM_CHAOS || realm == REALM_NATURE) {
        resistance += (enchantments & UE_ELEMENTALARMOR) ? 10 : (enchantments & UE_RESISTELEMENTS) ? 3 : 0;
    }
    if ((enchantments & UE_BLESS) && chaos_or_death) {
        resistance += 3;
    }
    if ((enchantments & UE_RESISTMAGIC) && realm >= 0) {
        resistance += 5;
    }
    return Saturate(resistance);
}

int16_t Combat_Resistance_Check(int16_t modifier, int16_t realm, const Battle_Unit_Record *bu)
{
    const int32_t resistance = Combat_Effective_Resistance(realm, bu) + modifier;
    const int32_t draw = RANDOM(10);
    return (int16_t)(draw <= resistance ? 0 : draw - resistance);
}
