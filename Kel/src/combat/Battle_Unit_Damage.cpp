#include "combat/Battle_Unit_Damage.h"

#include "combat/Combat_Checks.h"
#include "combat/Combat_Rolls.h"
#include "combat/Combat_Tables.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Battle_Unit_Effects.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

// Flags of a damage spell's flag word.
constexpr uint16_t SDF_NO_ROLLS = 0x0010;
constexpr uint16_t SDF_PER_FIGURE = 0x1000;
constexpr uint16_t SDF_LOWER_BLOCK = 0x4000;
constexpr uint16_t SDF_FALLING_STRIKES = 0x8000;

uint8_t Add_Capped(uint8_t counter, int16_t amount)
{
    int value = counter + amount;
    return (uint8_t)(value > DAMAGE_COUNTER_MAX ? DAMAGE_COUNTER_MAX : value < 0 ? 0 : value);
}

bool Overland_Unit_Gone(const Battle_Unit_Record *bu)
{
    return bu->unit_idx >= 0 && bu->unit_idx < _units && _UNITS[bu->unit_idx].wp == (uint8_t)COMBAT_GONE_PLANE;
}

}  // namespace

void Battle_Unit_Commit_Damage(Battle_Unit_Record *bu, const int16_t damage[NUM_DAMAGE_KINDS])
{
    const int32_t sum = (int32_t)damage[0] + damage[1] + damage[2];
    if (sum < 1 || bu->Status != bus_Fighting) {
        return;
    }
    bu->Damage = Add_Capped(bu->Damage, damage[0]);
    bu->Drain_Damage = Add_Capped(bu->Drain_Damage, damage[1]);
    bu->Destroy_Damage = Add_Capped(bu->Destroy_Damage, damage[2]);
    const int32_t carried = bu->Front_Figure_Damage + sum;
    if (carried > 0) {
        const int hits = Battle_Unit_Hits_Divisor(bu);
        int32_t lost = carried / hits;
        if (lost > bu->Cur_Figures) {
            lost = bu->Cur_Figures;
        }
        bu->Cur_Figures = (uint8_t)(bu->Cur_Figures - lost);
        bu->Front_Figure_Damage = (uint8_t)(carried % hits);
    }
    if (bu->Cur_Figures > 0) {
        return;
    }
    bu->Cur_Figures = 0;
    if (Battle_Unit_Is_Summoned_Creature(bu) && bu->unit_idx >= 0 && bu->unit_idx < _units) {
        _UNITS[bu->unit_idx].wp = (uint8_t)COMBAT_GONE_PLANE;
    }
    const int c0 = bu->Damage;
    const int c1 = bu->Drain_Damage;
    const int c2 = bu->Destroy_Damage;
    if (c2 >= c1 && c2 >= c0) {
        bu->Status = bus_Destroyed;
    } else if (c1 > c2 && c1 >= c0) {
        bu->Status = Overland_Unit_Gone(bu) ? bus_Destroyed : bus_Drained;
    } else {
        bu->Status = bus_Dead;
    }
    // The winner is asked once the dead unit no longer counts as fighting.
    _combat_winner = Eliminated_Opponent();
    Update_Sees_Illusions();
}

void Battle_Unit_Heal(Battle_Unit_Record *bu, int16_t amount, int16_t beyond)
{
    int32_t n = amount;
    if (!beyond) {
        const int32_t healable = bu->Damage + bu->Drain_Damage;
        if (n > healable) {
            n = healable;
        }
    }
    int32_t ordinary = (int32_t)bu->Damage - n;
    int32_t drain = bu->Drain_Damage;
    if (ordinary < 0) {
        drain += ordinary;
        ordinary = 0;
    }
    bu->Damage = (uint8_t)ordinary;
    bu->Drain_Damage = (uint8_t)(drain < 0 ? 0 : drain);
    int32_t top = (int32_t)bu->Front_Figure_Damage - n;
    int32_t left_over = 0;
    if (top < 0) {
        bu->Front_Figure_Damage = 0;
        while (top < 0 && bu->Cur_Figures < bu->Max_Figures) {
            bu->Cur_Figures++;
            top += bu->Hits;
        }
        if (top > 0) {
            bu->Front_Figure_Damage = (uint8_t)top;
        } else {
            left_over = -top;
        }
    } else {
        bu->Front_Figure_Damage = (uint8_t)top;
    }
    if (beyond && bu->Cur_Figures == bu->Max_Figures && left_over > 0 && bu->Max_Figures > 0) {
        Battle_Unit_Add(bu->Extra_Hits, (int)(left_over / bu->Max_Figures));
    }
    const uint8_t moves = bu->Move_Halves;
    Battle_Unit_Regular_Stats(bu);
    Battle_Unit_Special_Stats(bu);
    bu->Move_Halves = moves;
}

void Compute_Battle_Unit_Damage_From_Spell(int16_t spell, const Battle_Unit_Record *bu,
                                           int16_t damage[NUM_DAMAGE_KINDS], int16_t strength)
{
    damage[0] = damage[1] = damage[2] = 0;
    if (spell_data_table == nullptr || spell < 0 || spell >= NUM_SPELLS) {
        return;
    }
    const Spell_Data_Record &record = spell_data_table[spell];
    const uint32_t enchantments = Battle_Unit_Enchantments(bu);
    const int16_t realm = record.magic_realm;
    if (((enchantments & UE_RIGHTEOUSNESS) && (realm == REALM_CHAOS || realm == REALM_DEATH)) ||
        (bu->Attribs_1 & UI_MAGIC_IMMUNITY)) {
        return;
    }
    int32_t carried = bu->Front_Figure_Damage;
    const uint16_t flags = (uint16_t)record.Param_Words[1];
    const int16_t to_block = (int16_t)(bu->To_Defend_Bonus - ((flags & SDF_LOWER_BLOCK) ? 1 : 0));
    int32_t power = strength > 0 ? strength : record.Param_Bytes[0];
    const int16_t defense = Battle_Unit_Defense_Special(bu, 1, record.Param_Bytes[1], flags, realm);
    const bool per_figure = (flags & SDF_PER_FIGURE) != 0;
    const int32_t strikes = per_figure ? bu->Cur_Figures : (flags & SDF_FALLING_STRIKES) ? power : 1;
    const bool no_rolls = (flags & SDF_NO_ROLLS) || (bu->Curses & BUC_BLACK_SLEEP);
    const bool invulnerable = (enchantments & UE_INVULNERABILITY) != 0;
    const int32_t hits = bu->Hits;
    int32_t total = 0;
    for (int32_t s = 0; s < strikes; s++) {
        int32_t kills = 0;
        int32_t d;
        if (no_rolls) {
            d = power;
        } else {
            const int16_t points = (int16_t)(power > 32767 ? 32767 : power < 0 ? 0 : power);
            d = Combat_Roll_Damage_Dealt(points, 0) - Combat_Roll_Damage_Blocked(defense, to_block);
            d -= invulnerable ? 2 : 0;
            d = d < 0 ? 0 : d;
        }
        if (s == 0 && carried >= 0) {
            d += carried;
            carried = 0;
        }
        if (carried < 0) {
            if (carried + d <= 0) {
                carried += d;
                d = 0;
            } else {
                d += carried;
                carried = 0;
            }
        }
        if (per_figure) {
            if (d > hits) {
                kills = 1;
                d = 0;
            }
        } else {
            while (d > hits && hits > 0) {
                kills++;
                d -= hits;
                if (!no_rolls) {
                    d -= Combat_Roll_Damage_Blocked(defense, to_block);
                    d -= invulnerable ? 2 : 0;
                }
            }
            d = d < 0 ? 0 : d;
        }
        total += d + kills * hits;
        if (flags & SDF_FALLING_STRIKES) {
            power--;
        }
    }
    total -= bu->Front_Figure_Damage;
    damage[0] = (int16_t)(total < 0 ? 0 : total > 32767 ? 32767 : total);
}
