// Stand-ins for the world rules that unit creation and the test hooks call.
#include "STU_Log.h"
#include "stubs/STUB_HIT.h"
#include "world/ALLOC.h"
#include "world/Chaos_Channels.h"
#include "world/Dispel_Rules.h"
#include "world/Spell_Data_Record.h"

void Apply_Chaos_Channels(int16_t unit_idx) { STUB_HIT(); }

// The first city spell (type 2 or 3) whose parameter names the enchantment; 9 and 13 share one spell.
int16_t Get_Spell_For_City_Enchantment(int16_t enchantment_idx)
{
    STUB_HIT();
    constexpr int16_t SHARED_ENCHANTMENT_SPELL = 72;
    if (enchantment_idx == 9 || enchantment_idx == 13) return SHARED_ENCHANTMENT_SPELL;
    if (spell_data_table == nullptr) return 0;
    for (int16_t spell = 1; spell < NUM_SPELLS; spell++) {
        const Spell_Data_Record &record = spell_data_table[spell];
        if ((record.type == 2 || record.type == 3) && record.Param_Bytes[0] == enchantment_idx) return spell;
    }
    return 0;
}
