// Setting up a wizard's overland spell in its record.
#include <cstdio>
#include <cstring>

#include "STU_Log.h"
#include "ai/AI_Data.h"
#include "heroes/Item_Making.h"
#include "heroes/Text_Lists.h"
#include "magic/Enchantment_Effects.h"
#include "magic/Magic_Services.h"
#include "magic/Overland_Casting.h"
#include "magic/Spell_Of_Mastery.h"
#include "turn/Magic_Power_Research.h"
#include "world/ALLOC.h"
#include "world/Item_Record.h"
#include "world/Items.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

namespace {

constexpr int COMPUTER_VARIABLE_COST_FACTOR = 3;
constexpr int16_t SPELL_ENCHANT_ITEM = 207;
constexpr int16_t SPELL_CREATE_ARTIFACT = 211;
constexpr int16_t ENCHANT_ITEM_LIMIT = 1000;
constexpr int16_t CREATE_ARTIFACT_LIMIT = 30000;
// The record in which a computer wizard's item waits: 136 less the wizard.
constexpr int16_t COMPUTER_ITEM_SLOT_BASE = 136;
constexpr size_t FIZZLE_NAME_MAX = 20;

int16_t Saturate_Cost(int32_t cost) { return (int16_t)(cost > 32767 ? 32767 : (cost < 0 ? 0 : cost)); }

// The item spells: the human makes the item on the item screen, a computer wizard gets one made
// for its books; the cost left is the item's price (less the wizard's reduction), 0 drops the spell.
void Start_Item_Spell(int16_t player_idx, int16_t spell_idx)
{
    Player_Record &wizard = _players[player_idx];
    const int16_t kind = spell_idx == SPELL_CREATE_ARTIFACT ? 2 : 1;
    const int16_t limit = spell_idx == SPELL_CREATE_ARTIFACT ? CREATE_ARTIFACT_LIMIT : ENCHANT_ITEM_LIMIT;
    wizard.casting_cost_remaining = 0;
    wizard.casting_cost_original = 0;
    if (_ITEMS == nullptr) return;
    if (player_idx == HUMAN_PLAYER_IDX) {
        wizard.casting_cost_remaining = Magic_Item_Make(HUMAN_PLAYER_IDX, (int16_t)(kind - 1));
        wizard.casting_cost_original = _ITEMS[ITEM_BEING_MADE].cost;
        return;
    }
    const int16_t item = Make_Item(kind, wizard.spellranks, limit);
    if (item < 0 || item >= NUM_ITEMS) return;
    const int16_t slot = (int16_t)(COMPUTER_ITEM_SLOT_BASE - player_idx);
    const int32_t price = _ITEMS[item].cost;
    _ITEMS[slot] = _ITEMS[item];
    Remove_Item(item);
    wizard.casting_cost_original = Saturate_Cost(price);
    wizard.casting_cost_remaining = Saturate_Cost(price - price * Casting_Cost_Reduction(player_idx, spell_idx) / 100);
}

void Name_With_Possessive(char *out, size_t size, int16_t player_idx, const char *human_word)
{
    if (player_idx == HUMAN_PLAYER_IDX || player_idx < 0 || player_idx >= NUM_PLAYERS) {
        snprintf(out, size, "%s", human_word);
        return;
    }
    snprintf(out, size, "%s", _players[player_idx].name);
    Possessive(out, size);
    const size_t length = strlen(out);
    if (length + 1 < size) {
        out[length] = ' ';
        out[length + 1] = '\0';
    }
}

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
    const int16_t payable = wizard.mana_reserve < wizard.Skill_Left ? wizard.mana_reserve : wizard.Skill_Left;
    const Spell_Data_Record &spell = spell_data_table[spell_idx];
    if (player_idx == HUMAN_PLAYER_IDX && spell.type >= SPELL_TYPE_VARIABLE_COST) {
        wizard.casting_cost_remaining = Casting_Cost(HUMAN_PLAYER_IDX, spell_idx, 0);
        Magic_Mana_Adder(spell_idx, spellbook_slot);
    } else if (spell.type == SPELL_TYPE_ITEM_CREATION) {
        if (spell_idx == SPELL_ENCHANT_ITEM || spell_idx == SPELL_CREATE_ARTIFACT) {
            Start_Item_Spell(player_idx, spell_idx);
        } else {
            wizard.casting_cost_remaining = 0;
        }
        if (wizard.casting_cost_remaining == 0) {
            wizard.casting_cost_original = 0;
            wizard.casting_spell_idx = 0;
        }
    } else {
        if (spell_idx == spl_Spell_Of_Mastery) {
            Cast_Spell_Of_Mastery(player_idx);
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
    int16_t completed = 0;
    if (wizard.casting_spell_idx != 0 && player_idx == HUMAN_PLAYER_IDX) {
        int16_t paid = payable < wizard.casting_cost_remaining ? payable : wizard.casting_cost_remaining;
        if (paid < 0) paid = 0;
        if (paid == wizard.casting_cost_remaining) {
            wizard.Skill_Left = (int16_t)(wizard.Skill_Left - paid);
            wizard.mana_reserve = (int16_t)(wizard.mana_reserve - paid);
            Magic_Dissolve_Main_Screen();
            Cast_Spell_Overland(player_idx);
            completed = 1;
        }
    }
    if (wizard.casting_spell_idx == 0) {
        wizard.casting_cost_original = 0;
    }
    if (player_idx == HUMAN_PLAYER_IDX && wizard.casting_spell_idx > 0 &&
        spell_data_table[wizard.casting_spell_idx].type < SPELL_TYPE_ITEM_CREATION) {
        Magic_Dissolve_Main_Screen();
    }
    return completed;
}

void Fizzle_Text(char *text, size_t size, int16_t victim_idx, int16_t causer_idx, int16_t spell_idx, const char *cause)
{
    char causer[32];
    char victim[32];
    char spell_name[FIZZLE_NAME_MAX + 1] = "";
    Name_With_Possessive(causer, sizeof causer, causer_idx, "Your ");
    Name_With_Possessive(victim, sizeof victim, victim_idx, "your ");
    if (spell_data_table != nullptr && spell_idx > 0 && spell_idx < NUM_SPELLS) {
        snprintf(spell_name, sizeof spell_name, "%.*s", (int)FIZZLE_NAME_MAX, spell_data_table[spell_idx].name);
    }
    snprintf(text, size, "%s%s spell has caused %s%s spell to fizzle.", causer, cause != nullptr ? cause : "", victim,
             spell_name);
}

void Fizzle_Notification(int16_t victim_idx, int16_t causer_idx, int16_t spell_idx, const char *cause)
{
    if (victim_idx != HUMAN_PLAYER_IDX && causer_idx != HUMAN_PLAYER_IDX) return;
    g_ai_recompute_needed = 1;
    char text[200];
    Fizzle_Text(text, sizeof text, victim_idx, causer_idx, spell_idx, cause);
    Magic_Fizzle_Scene(text);
}
