// Setting up a wizard's overland spell in its record.
#include "STU_Log.h"
#include "magic/Enchantment_Effects.h"
#include "magic/Overland_Casting.h"
#include "turn/Magic_Power_Research.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

namespace {

// Spell types from this one on take a variable amount of mana.
constexpr uint8_t SPELL_TYPE_VARIABLE_COST = 17;
constexpr uint8_t SPELL_TYPE_ITEM_CREATION = 11;
constexpr int COMPUTER_VARIABLE_COST_FACTOR = 3;

int16_t Saturate_Cost(int32_t cost) { return (int16_t)(cost > 32767 ? 32767 : (cost < 0 ? 0 : cost)); }

}  // namespace

int16_t Cast_Spell_Overland_Do(int16_t player_idx, int16_t spell_idx, int16_t spellbook_slot)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) {
        return 0;
    }
    Player_Record &wizard = _players[player_idx];
    if (spell_idx <= 0 || spell_idx >= NUM_SPELLS || spell_data_table == nullptr) {
        wizard.casting_spell_idx = 0;
        wizard.casting_cost_original = 0;
        return 0;
    }
    wizard.casting_spell_idx = spell_idx;
    int16_t payable = wizard.mana_reserve < wizard.Skill_Left ? wizard.mana_reserve : wizard.Skill_Left;
    const Spell_Data_Record &spell = spell_data_table[spell_idx];
    if (spell.type == SPELL_TYPE_ITEM_CREATION) {
        // Items are made when item making is built; until then the spell is dropped.
        wizard.casting_cost_remaining = 0;
    } else {
        if (spell_idx == spl_Spell_Of_Mastery) {
            Change_Relations_For_Enchantments(player_idx, spl_Spell_Of_Mastery, 1);
        }
        int32_t original = spell.casting_cost;
        int32_t remaining = Casting_Cost(player_idx, spell_idx, 0);
        if (player_idx != HUMAN_PLAYER_IDX && spell.type >= SPELL_TYPE_VARIABLE_COST) {
            original *= COMPUTER_VARIABLE_COST_FACTOR;
            remaining *= COMPUTER_VARIABLE_COST_FACTOR;
        }
        wizard.casting_cost_original = Saturate_Cost(original);
        wizard.casting_cost_remaining = Saturate_Cost(remaining);
        if (wizard.casting_cost_remaining > wizard.casting_cost_original) {
            wizard.casting_cost_original = wizard.casting_cost_remaining;
            STU_LOG(SEV_INFO, LC_GENERAL, "_players[player_idx].casting_cost_original: %d",
                    wizard.casting_cost_original);
        }
    }
    if (spell.type == SPELL_TYPE_ITEM_CREATION && wizard.casting_cost_remaining == 0) {
        wizard.casting_cost_original = 0;
        wizard.casting_spell_idx = 0;
    }
    int16_t completed = 0;
    if (wizard.casting_spell_idx != 0 && player_idx == HUMAN_PLAYER_IDX) {
        int16_t paid = payable < wizard.casting_cost_remaining ? payable : wizard.casting_cost_remaining;
        if (paid < 0) paid = 0;
        if (paid == wizard.casting_cost_remaining) {
            wizard.Skill_Left = (int16_t)(wizard.Skill_Left - paid);
            wizard.mana_reserve = (int16_t)(wizard.mana_reserve - paid);
            Cast_Spell_Overland(player_idx);
            completed = 1;
        }
    }
    if (wizard.casting_spell_idx == 0) {
        wizard.casting_cost_original = 0;
    }
    return completed;
}
