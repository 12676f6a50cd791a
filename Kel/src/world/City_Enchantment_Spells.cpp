#include "world/City_Record.h"
#include "world/Dispel_Rules.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

namespace {
constexpr uint8_t SPELL_TYPE_CITY_ENCHANTMENT = 2;
constexpr uint8_t SPELL_TYPE_CITY_CURSE = 3;
}  // namespace

// The Nature and Death wards are Spell Ward's, whatever the spell table's parameters say.
int16_t Get_Spell_For_City_Enchantment(int16_t enchantment_idx)
{
    if (enchantment_idx == ce_Nature_Ward || enchantment_idx == ce_Death_Ward) {
        return spl_Spell_Ward;
    }
    if (spell_data_table == nullptr) {
        return 0;
    }
    for (int16_t spell = 1; spell < NUM_SPELLS; spell++) {
        const Spell_Data_Record &record = spell_data_table[spell];
        if ((record.type == SPELL_TYPE_CITY_ENCHANTMENT || record.type == SPELL_TYPE_CITY_CURSE) &&
            record.Param_Words[0] == enchantment_idx) {
            return spell;
        }
    }
    return 0;
}
