// Stand-in for the battle of an overland attack: it is not fought and nobody dies. The scores of a
// fighter follow combat's own formulas; the resistance roll reads the unit's plain resistance.
#include <initializer_list>

#include "Dialog_Boxes.h"
#include "STU_Log.h"
#include "combat/Battle_Unit_Scores.h"
#include "combat/Combat_Entry.h"
#include "random.h"
#include "stubs/STUB_HIT.h"

int16_t Combat(int16_t attacker_idx, int16_t defender, int16_t count, int16_t *units)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_COMBAT, "Combat__STUB: player %d attacks %d with %d units; not fought", attacker_idx, defender,
            count);
    if (Window_Shown()) {
        Warn0("This battle cannot be fought yet.");
    }
    return 0;
}

namespace {

int16_t Saturate16(int32_t value) { return (int16_t)(value > 32767 ? 32767 : value < -32768 ? -32768 : value); }

// The worth of a strength from its figures: 1 to 3 weigh less than their value, 4 on grow linearly.
int32_t Strength_Base(int32_t strength, int32_t figures)
{
    int32_t v = 40 * figures;
    switch (strength) {
    case 1: return v / 7;
    case 2: return v / 3;
    case 3: return v * 2 / 3;
    default: return 20 * figures * (strength - 2);
    }
}

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
    STUB_HIT();
    int32_t v = 3 * (int32_t)hits;
    switch (defence) {
    case 0: return Saturate16(v / 2);
    case 1: return Saturate16(v * 3 / 5);
    case 2: return Saturate16(v * 7 / 10);
    case 3: return Saturate16(v * 4 / 5);
    default:
        if (defence < 0) {
            return Saturate16(v);
        }
        return Saturate16(v * ((defence - 2) * (defence - 2) / 2));
    }
}

int16_t Get_Effective_Ranged_Strength(int16_t ranged, int16_t figures, int16_t flags)
{
    STUB_HIT();
    if (ranged == 0) {
        return 0;
    }
    return Saturate16(Flag_Worth(Strength_Base(ranged, figures), figures, flags, false));
}

int16_t Get_Effective_Melee_Strength(int16_t melee, int16_t thrown, int16_t figures, int16_t flags, int16_t ranged_kind)
{
    STUB_HIT();
    if (melee == 0) {
        return 0;
    }
    int32_t v = Strength_Base(melee, figures);
    if (thrown >= 4) {
        v += 30 * figures * (thrown - 2);
    } else if (thrown == 3) {
        v += 60 * figures * 2 / 3;
    } else if (thrown == 2) {
        v += 60 * figures / 3;
    } else if (thrown == 1) {
        v += 60 * figures / 7;
    }
    v = Flag_Worth(v, figures, flags, true);
    if (ranged_kind >= rk_Stoning_Gaze) {
        v += 300;
    }
    if (ranged_kind == rk_Doom_Gaze) {
        v += 900;
    }
    return Saturate16(v);
}

int16_t Combat_Resistance_Check(int16_t modifier, int16_t realm, Battle_Unit_Record *bu)
{
    STUB_HIT();
    int resistance = bu->Resist + modifier;
    int draw = RANDOM(10);
    return (int16_t)(draw <= resistance ? 0 : draw - resistance);
}
