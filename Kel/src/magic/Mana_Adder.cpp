#include "magic/Mana_Adder.h"

#include "combat/Combat_Casting_Rules.h"
#include "combat/Combat_Tables.h"
#include "magic/Magic_Services.h"
#include "turn/Magic_Power_Research.h"
#include "world/Battle_Unit_Record.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"

int16_t g_spell_scratch_int = 0;

namespace {

constexpr int16_t FIRST_WIZARD_CASTER = 20;
constexpr int32_t MAX_EXTRA_FACTOR = 4;

int32_t Base_Cost(int16_t spell_idx)
{
    if (spell_data_table == nullptr || spell_idx <= 0 || spell_idx >= NUM_SPELLS) return 0;
    return spell_data_table[spell_idx].casting_cost;
}

int16_t Clamp16(int32_t value)
{
    return (int16_t)(value > INT16_MAX ? INT16_MAX : value < INT16_MIN ? INT16_MIN : value);
}

}  // namespace

int16_t Overland_Mana_Adder_Range(int16_t spell_idx) { return Clamp16(Base_Cost(spell_idx)); }

int16_t Combat_Mana_Adder_Range(int16_t spell_idx, int16_t caster)
{
    const int32_t base = Base_Cost(spell_idx);
    int32_t range = 0;
    if (caster >= 0 && caster < FIRST_WIZARD_CASTER) {
        range = battle_units != nullptr ? battle_units[caster].Mana_Left - base : 0;
        if (range > MAX_EXTRA_FACTOR * base) range = MAX_EXTRA_FACTOR * base;
    } else {
        const Player_Record &human = _players[HUMAN_PLAYER_IDX];
        const int32_t reduction = Casting_Cost_Reduction(HUMAN_PLAYER_IDX, spell_idx);
        // The wizard's skill left for this battle.
        const int32_t skill = human.Cmbt_Skill_Left;
        range = MAX_EXTRA_FACTOR * base;
        const int32_t by_skill = (reduction + 100) * skill / 100;
        if (by_skill < range) range = by_skill;
        while (range > 0) {
            const int32_t total = range + base;
            if (skill >= total - reduction * total / 100) break;
            range--;
        }
        int32_t multiplier = Combat_Casting_Cost_Multiplier(HUMAN_PLAYER_IDX);
        if (multiplier < 1) multiplier = 1;
        const int32_t by_mana =
            (int32_t)human.mana_reserve * 10 / multiplier - Casting_Cost(HUMAN_PLAYER_IDX, spell_idx, 1);
        if (by_mana < range) range = by_mana;
    }
    if (range < 0) range = 0;
    return Clamp16(range);
}

int16_t Mana_Adder_Extra_Power(int16_t slider, int16_t range)
{
    if (slider < MANA_ADDER_SLIDER_MIN) slider = MANA_ADDER_SLIDER_MIN;
    if (slider > MANA_ADDER_SLIDER_MAX) slider = MANA_ADDER_SLIDER_MAX;
    return Clamp16((int32_t)(slider - MANA_ADDER_SLIDER_MIN) * range / 100);
}

int16_t Overland_Mana_Adder_Apply(int16_t spell_idx, int16_t slider)
{
    const int32_t strength =
        Base_Cost(spell_idx) + Mana_Adder_Extra_Power(slider, Overland_Mana_Adder_Range(spell_idx));
    const int32_t reduction = Casting_Cost_Reduction(HUMAN_PLAYER_IDX, spell_idx);
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    g_spell_scratch_int = Clamp16(strength);
    human.casting_cost_original = Clamp16(strength);
    human.casting_cost_remaining = Clamp16(strength - strength * reduction / 100);
    return g_spell_scratch_int;
}

int16_t Combat_Mana_Adder_Apply(int16_t spell_idx, int16_t slider, int16_t caster, int16_t range)
{
    const int32_t strength = Base_Cost(spell_idx) + Mana_Adder_Extra_Power(slider, range);
    int32_t cost = strength;
    if (caster >= FIRST_WIZARD_CASTER) cost -= strength * Casting_Cost_Reduction(HUMAN_PLAYER_IDX, spell_idx) / 100;
    g_spell_scratch_int = Clamp16(strength);
    _players[HUMAN_PLAYER_IDX].casting_cost_remaining = Clamp16(cost);
    return g_spell_scratch_int;
}

void Magic_No_Extra_Mana(int16_t spell_idx) { Overland_Mana_Adder_Apply(spell_idx, MANA_ADDER_SLIDER_MIN); }
