#include "combat/Combat_Rolls.h"

#include "combat/Combat_Tables.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

// The combat summoning spells whose parameter names the unit type they conjure, and the demon's type.
constexpr int16_t SUMMONING_SPELLS[] = {30, 45, 60, 66, 90};
constexpr int16_t DEMON_UNIT_TYPE = 169;

}  // namespace

int16_t Combat_Roll_Damage_Dealt(int16_t points, int16_t to_hit)
{
    int16_t hits = 0;
    for (int i = 0; i < points; i++) {
        const int16_t draw = RANDOM(10);
        if (draw >= 8 - to_hit || draw == 10) {
            hits++;
        }
    }
    return hits;
}

int16_t Combat_Roll_Damage_Blocked(int16_t points, int16_t to_block)
{
    int16_t blocks = 0;
    for (int i = 0; i < points; i++) {
        if (RANDOM(10) >= 8 - to_block) {
            blocks++;
        }
    }
    return blocks;
}

int16_t Battle_Unit_Defense_Special(const Battle_Unit_Record *bu, int16_t magical, uint16_t immunity_bits,
                                    uint16_t attack_flags, int16_t realm)
{
    const uint32_t enchantments = Battle_Unit_Enchantments(bu);
    int32_t defense = bu->Defense;
    int mode = 0;  // 1 weapon immunity, 2 immune
    if ((immunity_bits & UI_ILLUSIONS_IMMUNITY) && (bu->Attribs_1 & UI_ILLUSIONS_IMMUNITY)) {
        immunity_bits &= (uint16_t)~UI_ILLUSIONS_IMMUNITY;
    }
    if (immunity_bits & UI_ILLUSIONS_IMMUNITY) {
        return 0;
    }
    if ((bu->Abilities & UA_LARGESHIELD) && magical != 0) {
        defense += 2;
    }
    if ((immunity_bits & bu->Attribs_1) && magical != 0) {
        mode = 2;
    }
    if (immunity_bits & bu->Attribs_1 & UI_WEAPON_IMMUNITY) {
        mode = 1;
    }
    if ((bu->Attribs_1 & UI_MAGIC_IMMUNITY) && realm >= 0 && magical != 0) {
        mode = 2;
    }
    if (realm == REALM_CHAOS || realm == REALM_DEATH) {
        if (enchantments & UE_BLESS) {
            defense += 3;
        }
        uint32_t own = bu->Combat_Enchantments;
        if (bu->unit_idx >= 0 && bu->unit_idx < _units) {
            own |= _UNITS[bu->unit_idx].enchantments;
        }
        if ((own & UE_RIGHTEOUSNESS) && magical != 0) {
            mode = 2;
        }
    }
    if ((realm == REALM_CHAOS || realm == REALM_NATURE) && magical != 0) {
        if (enchantments & UE_ELEMENTALARMOR) {
            defense += 10;
        } else if (enchantments & UE_RESISTELEMENTS) {
            defense += 3;
        }
    }
    if (attack_flags & UAF_ARMOR_PIERCING) {
        defense /= 2;
    }
    if (mode == 1 && defense < 10) {
        defense = 10;
    }
    if (mode == 2) {
        return DEFENSE_IMMUNE;
    }
    return (int16_t)(defense > 32767 ? 32767 : defense);
}

int16_t Eliminated_Opponent(void)
{
    int attackers = 0;
    int defenders = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status != bus_Fighting) {
            continue;
        }
        const bool swapped = bu.Confusion_State == 2;
        if ((bu.owner_idx == _combat_attacker_player && !swapped) ||
            (bu.owner_idx == _combat_defender_player && swapped)) {
            attackers++;
        } else if ((bu.owner_idx == _combat_defender_player && !swapped) ||
                   (bu.owner_idx == _combat_attacker_player && swapped)) {
            defenders++;
        }
    }
    if (attackers == 0) {
        return _combat_defender_player;
    }
    if (defenders == 0) {
        return _combat_attacker_player;
    }
    return -1;
}

int16_t Battle_Unit_Is_Summoned_Creature(const Battle_Unit_Record *bu)
{
    if (bu->unit_idx < 0 || bu->unit_idx >= _units) {
        return 0;
    }
    const int16_t type = _UNITS[bu->unit_idx].type;
    if (type == DEMON_UNIT_TYPE) {
        return 1;
    }
    if (spell_data_table == nullptr) {
        return 0;
    }
    for (int16_t spell : SUMMONING_SPELLS) {
        if (spell_data_table[spell].Param_Words[0] == type) {
            return 1;
        }
    }
    return 0;
}

int16_t Check_Attack_Ranged(const Battle_Unit_Record *attacker, const Battle_Unit_Record *target)
{
    const uint32_t attacker_enchantments = Battle_Unit_Enchantments(attacker);
    const uint32_t target_enchantments = Battle_Unit_Enchantments(target);
    const bool true_sight = (attacker_enchantments & UE_TRUESIGHT) != 0;
    int16_t result = 0;
    if (!true_sight && !(attacker->Attribs_1 & UI_ILLUSIONS_IMMUNITY)) {
        if ((target_enchantments & UE_INVISIBILITY) || (target->Abilities & UA_INVISIBILITY)) {
            result = 1;
        }
    }
    if (battlefield->wall_of_darkness == 1 && !true_sight && Battle_Unit_Is_Within_City(target) == 1 &&
        Battle_Unit_Is_Within_City(attacker) == 0) {
        result = 2;
    }
    return result;
}
