#include "magic/Overland_Enchantment_List.h"

#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"

int16_t ovl_ench_list_spells[OVL_ENCH_LIST_MAX];
uint8_t ovl_ench_list_players[OVL_ENCH_LIST_MAX];
int16_t ovl_ench_cnt = 0;

namespace {
constexpr uint8_t SPELL_TYPE_GLOBAL_ENCHANTMENT = 9;
}

int16_t Overland_Enchantment_Spell_Index(int16_t slot)
{
    int16_t found = 0;
    if (spell_data_table == nullptr) return 0;
    for (int16_t spell = 1; spell < NUM_SPELLS; spell++)
        if (spell_data_table[spell].type == SPELL_TYPE_GLOBAL_ENCHANTMENT &&
            spell_data_table[spell].Param_Bytes[0] == slot)
            found = spell;
    return found;
}

void Build_Overland_Enchantment_List(void)
{
    for (int k = 0; k < OVL_ENCH_LIST_MAX; k++) {
        ovl_ench_list_spells[k] = 0;
        ovl_ench_list_players[k] = OVL_ENCH_NO_OWNER;
    }
    ovl_ench_cnt = 0;
    for (int player = 0; player < NUM_PLAYERS; player++) {
        for (int16_t slot = 0; slot < NUM_OVERLAND_ENCHANTMENTS; slot++) {
            if (_players[player].Globals[slot] == 0 || ovl_ench_cnt >= OVL_ENCH_LIST_MAX) continue;
            ovl_ench_list_spells[ovl_ench_cnt] = Overland_Enchantment_Spell_Index(slot);
            ovl_ench_list_players[ovl_ench_cnt] = (uint8_t)player;
            ovl_ench_cnt++;
        }
    }
}
