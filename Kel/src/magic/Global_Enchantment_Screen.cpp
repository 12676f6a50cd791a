// Dispelling or binding a rival's global enchantment: the human's choice, and the attempt itself.
#include "magic/Global_Enchantment_Screen.h"

#include <cstdio>

#include "STU_Log.h"
#include "magic/Magic_Services.h"
#include "magic/Overland_Casting.h"
#include "magic/Overland_Enchantment_List.h"
#include "random.h"
#include "world/Dispel_Rules.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

namespace {
constexpr int32_t BINDING_STRENGTH_FACTOR = 20;
constexpr int32_t TRUE_DISJUNCTION_FACTOR = 3;

// The slot the listed enchantment holds, as the list was built; -1 for none.
int16_t Slot_Of_Enchantment(int16_t spell_idx)
{
    for (int16_t slot = 0; slot < NUM_OVERLAND_ENCHANTMENTS; slot++) {
        if (Overland_Enchantment_Spell_Index(slot) == spell_idx) return slot;
    }
    return -1;
}

}  // namespace

int16_t Global_Enchantment_Attempt(int32_t strength, int16_t caster_idx, int16_t target_idx, int16_t slot, int16_t bind)
{
    if (target_idx < 0 || target_idx >= NUM_PLAYERS || caster_idx < 0 || caster_idx >= NUM_PLAYERS || slot < 0 ||
        slot >= NUM_OVERLAND_ENCHANTMENTS || spell_data_table == nullptr) {
        return 0;
    }
    const Spell_Data_Record &enchantment = spell_data_table[Overland_Enchantment_Spell_Index(slot)];
    int16_t difficulty = Calculate_Dispel_Difficulty(enchantment.casting_cost, target_idx, enchantment.magic_realm);
    if (!Dispel_Roll(strength, difficulty)) return 0;
    _players[target_idx].Globals[slot] = 0;
    if (bind) _players[caster_idx].Globals[slot] = (uint8_t)(caster_idx + 1);
    return 1;
}

int16_t Global_Enchantment_Screen(int16_t spell_idx, int16_t caster_idx)
{
    g_active_spell_idx = spell_idx;
    Build_Overland_Enchantment_List();
    const char *verb = spell_idx == spl_Spell_Binding ? "bind." : "disjunct.";
    if (Magic_First_Rival_Enchantment(caster_idx) < 0) {
        char text[64];
        snprintf(text, sizeof text, "There are no global spells to %s", verb);
        Magic_Warn(text);
        return 1;
    }
    int16_t entry = Magic_Pick_Global_Enchantment(spell_idx, caster_idx);
    if (entry < 0 || entry >= ovl_ench_cnt || ovl_ench_list_players[entry] == caster_idx ||
        ovl_ench_list_players[entry] >= NUM_PLAYERS) {
        return 1;
    }
    int16_t target_idx = ovl_ench_list_players[entry];
    int16_t enchantment = ovl_ench_list_spells[entry];
    int16_t slot = Slot_Of_Enchantment(enchantment);
    int16_t bind = spell_idx == spl_Spell_Binding ? 1 : 0;
    // The strength is reckoned apart: the caster's record keeps the mana put in.
    int32_t strength = _players[caster_idx].casting_cost_original;
    if (bind) {
        strength *= BINDING_STRENGTH_FACTOR;
    } else if (spell_idx == spl_Disjunction_True) {
        strength *= TRUE_DISJUNCTION_FACTOR;
    }
    int16_t success = Global_Enchantment_Attempt(strength, caster_idx, target_idx, slot, bind);
    STU_LOG(SEV_INFO, LC_SPELLBOOK, "[CAST] %s of spell %d held by %d: %s", bind ? "binding" : "disjunction",
            (int)enchantment, (int)target_idx, success ? "success" : "failure");
    Magic_Global_Enchantment_Outcome(entry, spell_idx, success);
    return 1;
}
