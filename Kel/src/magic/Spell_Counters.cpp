#include "magic/Spell_Counters.h"

#include "combat/Combat_Tables.h"
#include "magic/Spellbook_Screen.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Dispel_Rules.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"

int16_t Nightshade_Chance(int16_t nightshade_count, int16_t difficulty)
{
    const int32_t n = nightshade_count;
    int32_t divisor = (int32_t)difficulty + n * 100;
    if (divisor < 1) divisor = 1;
    const int32_t chance = n * 25000 / divisor;
    return (int16_t)(chance > INT16_MAX ? INT16_MAX : chance < 0 ? 0 : chance);
}

int16_t Apply_Automatic_Spell_Counters(int16_t spell_idx, int16_t city_idx, int16_t caster_idx, int16_t show_messages)
{
    if (city_idx < 0 || city_idx >= _cities || spell_data_table == nullptr || spell_idx < 0 ||
        spell_idx >= NUM_SPELLS) {
        return 1;
    }
    const City_Record &city = _CITIES[city_idx];
    const int16_t realm = spell_data_table[spell_idx].magic_realm;
    struct Check {
        int enchantment;
        bool counters;
        const char *name;
    };
    const Check checks[] = {
        {ce_Consecration, realm == REALM_DEATH || realm == REALM_CHAOS, "Consecration"},
        {ce_Death_Ward, realm == REALM_DEATH, "Death Ward"},
        {ce_Life_Ward, realm == REALM_LIFE, "Life Ward"},
        {ce_Nature_Ward, realm == REALM_NATURE, "Nature Ward"},
        {ce_Chaos_Ward, realm == REALM_CHAOS, "Chaos Ward"},
        {ce_Sorcery_Ward, realm == REALM_SORCERY, "Sorcery Ward"},
    };
    int16_t passes = 1;
    for (const Check &check : checks) {
        if (city.enchantments[check.enchantment] > 0 && check.counters) {
            passes = 0;
            if (show_messages) Fizzle_Notification(caster_idx, city.owner_idx, spell_idx, check.name);
        }
    }
    const int16_t nightshade = city.enchantments[ce_Nightshade];
    if (nightshade > 0) {
        const int16_t cost =
            caster_idx >= 0 && caster_idx < NUM_PLAYERS ? _players[caster_idx].casting_cost_original : 0;
        const int16_t difficulty = Calculate_Dispel_Difficulty(cost, caster_idx, realm);
        if (RANDOM(250) <= Nightshade_Chance(nightshade, difficulty)) {
            passes = 0;
            if (show_messages) Fizzle_Notification(caster_idx, city.owner_idx, spell_idx, "Nightshade");
        }
    }
    return passes;
}
