#include "magic/Target_Wizard.h"

#include <cstdio>
#include <cstring>

#include "heroes/Text_Lists.h"
#include "magic/Wizard_Spells.h"
#include "turn/Magic_Power_Research.h"
#include "world/ALLOC.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

namespace {

constexpr int16_t GEM_SLOTS = 4;

int16_t Subtype_Of(int16_t spell_idx)
{
    if (spell_data_table == nullptr || spell_idx <= 0 || spell_idx >= NUM_SPELLS) return -1;
    return spell_data_table[spell_idx].Param_Bytes[0];
}

}  // namespace

int16_t Target_Wizard_Slot_Live(int16_t slot)
{
    if (slot < 0 || slot >= GEM_SLOTS) return 0;
    const int16_t wizard = (int16_t)(slot + 1);
    if (wizard >= _num_players) return 0;
    const bool fortress = _FORTRESSES != nullptr && _FORTRESSES[wizard].active == 1;
    return _players[HUMAN_PLAYER_IDX].Dipl_Contacted[wizard] == 1 && fortress ? 1 : 0;
}

int16_t Target_Wizard_Spell_Paid(int16_t target_idx)
{
    if (target_idx < 0 || target_idx >= NUM_PLAYERS) return 0;
    const int32_t paid =
        (int32_t)_players[target_idx].casting_cost_original - _players[target_idx].casting_cost_remaining;
    return (int16_t)(paid < 0 ? 0 : paid > INT16_MAX ? INT16_MAX : paid);
}

int16_t Target_Wizard_Apply(int16_t spell_idx, int16_t target_idx)
{
    if (target_idx <= 0 || target_idx >= NUM_PLAYERS) return 0;
    switch (Subtype_Of(spell_idx)) {
    case wss_Spell_Blast: {
        Player_Record &human = _players[HUMAN_PLAYER_IDX];
        Player_Record &target = _players[target_idx];
        const int16_t paid = Target_Wizard_Spell_Paid(target_idx);
        if (human.mana_reserve < paid) return 0;
        human.mana_reserve = (int16_t)(human.mana_reserve - paid);
        if (target.casting_spell_idx == spl_Spell_Of_Return) {
            target.casting_cost_remaining = Casting_Cost(target_idx, spl_Spell_Of_Return, 0);
        } else {
            target.casting_spell_idx = 0;
            target.casting_cost_remaining = 0;
            target.casting_cost_original = 0;
        }
        return 0;
    }
    case wss_Cruel_Unminding: return Apply_Cruel_Unminding(target_idx);
    case wss_Drain_Power: return Apply_Drain_Power(target_idx);
    case wss_Subversion: Apply_Subversion(target_idx); return 0;
    default: return 0;
    }
}

void Target_Wizard_Caption(char *text, size_t size, int16_t spell_idx, int16_t target_idx, int16_t amount)
{
    const char *spell_name =
        spell_data_table != nullptr && spell_idx > 0 && spell_idx < NUM_SPELLS ? spell_data_table[spell_idx].name : "";
    if (target_idx <= 0 || target_idx >= NUM_PLAYERS) {
        snprintf(text, size, "Choose target for a %s spell", spell_name);
        return;
    }
    const char *name = _players[target_idx].name;
    switch (Subtype_Of(spell_idx)) {
    case wss_Spell_Blast: snprintf(text, size, "%s has been spell blasted", name); break;
    case wss_Cruel_Unminding: snprintf(text, size, "%s loses %d points of casting ability", name, (int)amount); break;
    case wss_Drain_Power: snprintf(text, size, "%s loses %d points of mana", name, (int)amount); break;
    case wss_Subversion: {
        char owner[32];
        snprintf(owner, sizeof owner, "%s", name);
        Possessive(owner, sizeof owner);
        snprintf(text, size, "%s  relations have been subverted", owner);
        break;
    }
    default: snprintf(text, size, "%s", name); break;
    }
}
