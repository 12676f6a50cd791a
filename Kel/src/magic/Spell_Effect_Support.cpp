#include "magic/Spell_Effect_Support.h"

#include "cities/City_Records.h"
#include "heroes/Item_Making.h"
#include "turn/Report_Queues.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Items.h"
#include "world/Player_Record.h"
#include "world/Scouting.h"
#include "world/Unit_Death.h"
#include "world/Unit_Record.h"

void Spell_Kill_Unit(int16_t unit_idx, int16_t *item_count, int16_t *items)
{
    if (unit_idx < 0 || unit_idx >= _units) return;
    const Unit_Record &unit = _UNITS[unit_idx];
    if (unit.owner_idx < 0 || unit.owner_idx >= NUM_PLAYERS) return;
    if (unit.Hero_Slot >= 0 && unit.Hero_Slot < NUM_HERO_SLOTS) {
        Hero_Slot_Record &slot = _players[unit.owner_idx].Heroes[unit.Hero_Slot];
        for (int16_t &item : slot.Items) {
            if (item < 0) continue;
            if (*item_count < SPELL_FOUND_ITEMS_MAX) {
                items[(*item_count)++] = item;
            } else {
                Remove_Item(item);
            }
            item = -1;
        }
    }
    Kill_Unit(unit_idx, kum_Plain);
}

void Spell_Hand_Out_Items(int16_t player_idx, int16_t wx, int16_t wy, int16_t wp, int16_t *item_count, int16_t *items)
{
    if (*item_count < 1) {
        *item_count = 0;
        return;
    }
    if (player_idx < 0 || player_idx >= NEUTRAL_PLAYER_IDX) {
        for (int i = 0; i < *item_count; i++) Remove_Item(items[i]);
    } else {
        item_pool_in_process = 1;
        item_pool_wx = wx;
        item_pool_wy = wy;
        item_pool_wp = wp;
        Player_Process_Item_Pool(player_idx, *item_count, items);
        item_pool_in_process = 0;
    }
    *item_count = 0;
}

int16_t Spell_Report_Buildings_Lost(int16_t city_idx, int16_t owner_idx, const int16_t *list)
{
    int16_t lost = 0;
    for (int i = 0; i < CITY_DAMAGE_LIST_SIZE; i++) {
        if (list[i] <= 0) continue;
        lost++;
        if (owner_idx == HUMAN_PLAYER_IDX && MSG_BldLost_Count < REPORT_QUEUE_MAX) {
            MSG_BldLost_Array[MSG_BldLost_Count].city_idx = (uint8_t)city_idx;
            MSG_BldLost_Array[MSG_BldLost_Count].bldg_idx = list[i];
            MSG_BldLost_Count++;
        }
    }
    return lost;
}

void Spell_Report_Unit_Killed(int16_t owner_idx, int16_t unit_type, int16_t city_idx, int16_t spell_idx)
{
    if (owner_idx != HUMAN_PLAYER_IDX || MSG_UnitKilled_Count >= REPORT_QUEUE_MAX) return;
    Msg_Unit_Killed &entry = MSG_UnitKilled_Array[MSG_UnitKilled_Count++];
    entry.unit_type = unit_type;
    entry.city_idx = (int8_t)city_idx;
    entry.spell_idx = (uint8_t)spell_idx;
}

bool Spell_Watched(int16_t wx, int16_t wy, int16_t wp)
{
    return Game_Settings_Word(SPELL_SETTING_ENEMY_SPELLS) != 0 &&
           _players[HUMAN_PLAYER_IDX].Globals[ge_Spell_Watch] != 0 && Check_Square_Explored(wx, wy, wp) != 0;
}

bool Spell_Animations_On(void) { return Game_Settings_Word(SPELL_SETTING_SPELL_ANIMATIONS) != 0; }

bool Spell_Unit_Limit_Reached(int16_t caster_idx)
{
    return _units >= (caster_idx == HUMAN_PLAYER_IDX ? UNIT_SOFT_CAP_ALL : UNIT_SOFT_CAP_COMPUTER);
}
