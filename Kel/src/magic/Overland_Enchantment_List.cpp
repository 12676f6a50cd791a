#include "magic/Overland_Enchantment_List.h"

#include "world/Player_Record.h"
#include "world/Spell_Ids.h"

int16_t ovl_ench_list_spells[OVL_ENCH_LIST_MAX];
uint8_t ovl_ench_list_players[OVL_ENCH_LIST_MAX];
int16_t ovl_ench_cnt = 0;

namespace {

// The spell that creates each global-enchantment slot.
// clang-format off
const int16_t Slot_Spells[NUM_OVERLAND_ENCHANTMENTS] = {
    spl_Death_Very_Rare_7,  spl_Death_Very_Rare_8, spl_Death_Rare_8,      spl_Sorcery_Uncommon_9,
    spl_Sorcery_Uncommon_7, spl_Sorcery_Very_Rare_9, spl_Time_Stop,       spl_Natures_Awareness,
    spl_Nature_Very_Rare_10, spl_Nature_Very_Rare_8, spl_Chaos_Very_Rare_6, spl_Chaos_Very_Rare_7,
    spl_Chaos_Very_Rare_4,  spl_Chaos_Very_Rare_3, spl_Chaos_Very_Rare_10, spl_Life_Very_Rare_7,
    spl_Life_Very_Rare_6,   spl_Crusade,           spl_Life_Common_7,     spl_Holy_Arms,
    spl_Life_Uncommon_5,    spl_Life_Very_Rare_10, spl_Arcane_6,          spl_Awareness,
};
// clang-format on

}  // namespace

int16_t Overland_Enchantment_Spell_Index(int16_t slot)
{
    return slot >= 0 && slot < NUM_OVERLAND_ENCHANTMENTS ? Slot_Spells[slot] : 0;
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
