// The item pool: the one road by which items reach a player, and the computer's equip rules.
#include "cities/City_Records.h"
#include "heroes/Heroes_Services.h"
#include "heroes/Item_Making.h"
#include "heroes/Item_Rules.h"
#include "world/ALLOC.h"
#include "world/Items.h"
#include "world/Player_Record.h"
#include "world/Unit_Type_Record.h"

int16_t item_pool_active = 0;
int16_t item_pool_list_array[ITEM_POOL_ROOM];
int16_t item_pool_list_count = 0;
int16_t item_pool_list_index = 0;
int16_t item_pool_item_idx = -1;
int16_t item_pool_in_process = 0;
int16_t item_pool_wx = 0;
int16_t item_pool_wy = 0;
int16_t item_pool_wp = 0;

namespace {

constexpr int16_t NEUTRAL_PLAYER = 5;

bool Live_Item(int16_t item_idx)
{
    return _ITEMS != nullptr && item_idx >= 0 && item_idx < NUM_LIVE_ITEMS && _ITEMS[item_idx].cost > 0;
}

// The item becomes mana for the player (half its cost) and is freed.
void Item_To_Mana(int16_t player_idx, int16_t item_idx)
{
    if (!Live_Item(item_idx)) return;
    Player_Add_Mana(player_idx, _ITEMS[item_idx].cost / 2);
    Remove_Item(item_idx);
}

void Take_Candidate(int16_t *candidates, int16_t *count, int index)
{
    for (int i = index; i + 1 < *count; i++) candidates[i] = candidates[i + 1];
    (*count)--;
}

const Hero_Record *Hero_Of_Slot(int16_t player_idx, int16_t hero_slot)
{
    const int16_t unit_idx = _players[player_idx].Heroes[hero_slot].unit_idx;
    if (unit_idx < 0 || unit_idx >= _units || _HEROES2[player_idx] == nullptr) return nullptr;
    const uint8_t type = _UNITS[unit_idx].type;
    if (type >= NUM_HERO_TYPES) return nullptr;
    return &_HEROES2[player_idx][type];
}

// The computer's value of the item in a place of the kind; first pass (best) or plain cost.
int32_t AI_Item_Value(int16_t player_idx, int16_t hero_slot, int16_t kind, int16_t item_idx, bool best)
{
    if (!Live_Item(item_idx)) return 0;
    const Item_Record &item = _ITEMS[item_idx];
    if (!AI_Slot_Accepts(kind, item.type)) return 0;
    int32_t value = item.cost;
    if (!best) return value;
    const int16_t unit_idx = _players[player_idx].Heroes[hero_slot].unit_idx;
    if ((kind == 1 || kind == 2 || kind == 3) && item.type == it_Axe) {
        const uint8_t type = _UNITS[unit_idx].type;
        if (type >= NUM_UNIT_TYPES || _unit_type_table[type].Ranged_Type != 100) value = 0;
    }
    if (kind == 2 && item.type == it_Bow) value += 2000;
    if ((kind == 1 || kind == 2 || kind == 6) && (item.spell_skill > 0 || item.spell_save > 0)) {
        const Hero_Record *hero = Hero_Of_Slot(player_idx, hero_slot);
        if (hero == nullptr || hero->Casting_Skill == 0) value = 0;
    }
    return value;
}

void AI_Equip(int16_t player_idx, int16_t hero_slot, int16_t *candidates, int16_t *count, bool best)
{
    Hero_Slot_Record &slot = _players[player_idx].Heroes[hero_slot];
    for (int place = 0; place < NUM_ITEM_PLACES; place++) {
        if (!best && slot.Items[place] >= 0) continue;
        int32_t top = 0;
        int chosen = -1;
        for (int i = 0; i < *count; i++) {
            const int32_t value = AI_Item_Value(player_idx, hero_slot, slot.Item_Slots[place], candidates[i], best);
            if (value > top) {
                top = value;
                chosen = i;
            }
        }
        if (chosen >= 0) {
            slot.Items[place] = candidates[chosen];
            Take_Candidate(candidates, count, chosen);
        }
    }
}

}  // namespace

int16_t AI_Slot_Accepts(int16_t slot_kind, int16_t item_type)
{
    const bool weapon = item_type == it_Sword || item_type == it_Mace || item_type == it_Axe;
    switch (slot_kind) {
    case 1: return weapon;
    case 2: return weapon || item_type == it_Bow;
    case 3: return weapon || item_type == it_Staff || item_type == it_Wand;
    case 4: return item_type == it_Staff || item_type == it_Wand;
    case 5: return item_type == it_Shield || item_type == it_Chain || item_type == it_Plate;
    case 6: return item_type == it_Misc;
    default: return 0;
    }
}

void AI_Equip_Hero_Best_Items(int16_t player_idx, int16_t hero_slot, int16_t *candidates, int16_t *count)
{
    AI_Equip(player_idx, hero_slot, candidates, count, true);
}

void AI_Equip_Hero_Empty_Slots(int16_t player_idx, int16_t hero_slot, int16_t *candidates, int16_t *count)
{
    AI_Equip(player_idx, hero_slot, candidates, count, false);
}

void AI_Process_Item_Pool(int16_t player_idx, int16_t item_count, int16_t *items)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) return;
    if (player_idx == NEUTRAL_PLAYER) {
        for (int i = 0; i < item_count; i++) Remove_Item(items[i]);
        return;
    }
    int16_t candidates[AI_ITEM_CANDIDATES];
    int16_t count = 0;
    // Items beyond the list's room become mana at once.
    auto add = [&](int16_t item_idx) {
        if (!Live_Item(item_idx)) return;
        if (count < AI_ITEM_CANDIDATES) {
            candidates[count++] = item_idx;
        } else {
            Item_To_Mana(player_idx, item_idx);
        }
    };
    for (int i = 0; i < item_count; i++) add(items[i]);
    int16_t heroes[NUM_HERO_SLOTS];
    int16_t hero_count = 0;
    Player_Record &wizard = _players[player_idx];
    for (int s = 0; s < NUM_HERO_SLOTS; s++) {
        Hero_Slot_Record &slot = wizard.Heroes[s];
        if (slot.unit_idx < 0 || slot.unit_idx >= _units) continue;
        heroes[hero_count++] = (int16_t)s;
        for (int place = 0; place < NUM_ITEM_PLACES; place++) {
            add(slot.Items[place]);
            slot.Items[place] = -1;
        }
    }
    // Highest unit type first; equal types keep their order.
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int i = 0; i + 1 < hero_count; i++) {
            const uint8_t a = _UNITS[wizard.Heroes[heroes[i]].unit_idx].type;
            const uint8_t b = _UNITS[wizard.Heroes[heroes[i + 1]].unit_idx].type;
            if (a < b) {
                const int16_t t = heroes[i];
                heroes[i] = heroes[i + 1];
                heroes[i + 1] = t;
                swapped = true;
            }
        }
    }
    for (int i = 0; i < hero_count; i++) AI_Equip_Hero_Best_Items(player_idx, heroes[i], candidates, &count);
    for (int i = 0; i < hero_count; i++) AI_Equip_Hero_Empty_Slots(player_idx, heroes[i], candidates, &count);
    for (int i = 0; i < count; i++) Item_To_Mana(player_idx, candidates[i]);
}

void Heroes_Place_Pool_Unattended(void)
{
    while (item_pool_active == 1 && item_pool_list_index < item_pool_list_count) {
        item_pool_item_idx = item_pool_list_array[item_pool_list_index++];
        if (item_pool_list_index >= item_pool_list_count) item_pool_active = 0;
        if (!Live_Item(item_pool_item_idx)) continue;
        Item_Cursor_Take(item_pool_item_idx, item_pool_in_process == 1 ? ITEM_SOURCE_LAIR : ITEM_SOURCE_VAULT);
        Item_Cursor_Drop_Unattended();
    }
    item_pool_active = 0;
}

void Process_Item_Pool(int16_t item_count, int16_t *items)
{
    // Rounds of 6, so that no item of a longer pool stays live without an owner.
    for (int start = 0; start < item_count; start += ITEM_POOL_ROOM) {
        const int16_t n = (int16_t)(item_count - start < ITEM_POOL_ROOM ? item_count - start : ITEM_POOL_ROOM);
        item_pool_active = 1;
        item_pool_list_count = n;
        item_pool_list_index = 0;
        for (int i = 0; i < n; i++) item_pool_list_array[i] = items[start + i];
        Heroes_Items_Screen_Pool();
        item_pool_item_idx = -1;
        item_pool_active = 0;
    }
}

void Player_Process_Item_Pool(int16_t player_idx, int16_t item_count, int16_t *items)
{
    if (item_count < 1 || items == nullptr) return;
    if (player_idx != 0) {
        AI_Process_Item_Pool(player_idx, item_count, items);
        return;
    }
    Heroes_Pool_Notice();
    Process_Item_Pool(item_count, items);
}
