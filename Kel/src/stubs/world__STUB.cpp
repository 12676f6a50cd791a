// Stand-ins for the world rules that dispelling and the test hooks call.
#include "STU_Log.h"
#include "stubs/STUB_HIT.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Dispel_Rules.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

// The difficulty and the city spells as the rules of dispelling will give them.
int16_t Calculate_Dispel_Difficulty(int16_t cost, int16_t owner_idx, int16_t realm)
{
    STUB_HIT();
    if (owner_idx < 0 || owner_idx >= NUM_PLAYERS) return cost;
    const Player_Record &owner = _players[owner_idx];
    int32_t multiplier = 1;
    if ((realm == 0 && owner.retorts[rtr_Nature_Mastery]) || (realm == 1 && owner.retorts[rtr_Sorcery_Mastery]) ||
        (realm == 2 && owner.retorts[rtr_Chaos_Mastery])) {
        multiplier++;
    }
    if (owner.retorts[rtr_Archmage]) multiplier++;
    const int32_t difficulty = cost * multiplier;
    return (int16_t)(difficulty > INT16_MAX ? INT16_MAX : difficulty);
}

int16_t Get_Spell_For_City_Enchantment(int16_t enchantment_idx)
{
    STUB_HIT();
    if (enchantment_idx == ce_Nature_Ward || enchantment_idx == ce_Death_Ward) return spl_Spell_Ward;
    if (spell_data_table == nullptr) return 0;
    for (int16_t spell = 1; spell < NUM_SPELLS; spell++) {
        const Spell_Data_Record &record = spell_data_table[spell];
        if ((record.type == 2 || record.type == 3) && record.Param_Bytes[0] == enchantment_idx) return spell;
    }
    return 0;
}
