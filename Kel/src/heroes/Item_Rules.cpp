#include "heroes/Item_Rules.h"

#include <cstdio>

#include "cities/City_Records.h"
#include "heroes/Heroes_Services.h"
#include "heroes/Item_Making.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Map_Feature_Records.h"
#include "world/Movement_Modes.h"
#include "world/Player_Record.h"
#include "world/Square_Queries.h"
#include "world/Unit_Type_Record.h"

int16_t item_cursor_item_idx = -1;
int16_t item_cursor_source = -1;

namespace {

// The Items screen is the human's.
constexpr int16_t HUMAN_PLAYER = 0;

bool Live_Item(int16_t item_idx)
{
    return _ITEMS != nullptr && item_idx >= 0 && item_idx < NUM_LIVE_ITEMS && _ITEMS[item_idx].cost > 0;
}

int16_t Hero_Unit(int16_t hero_slot)
{
    if (hero_slot < 0 || hero_slot >= NUM_HERO_SLOTS) return -1;
    const int16_t unit_idx = _players[HUMAN_PLAYER].Heroes[hero_slot].unit_idx;
    return unit_idx >= 0 && unit_idx < _units ? unit_idx : (int16_t)-1;
}

// The place's item index, or nullptr for a place that does not exist.
int16_t *Place_Item(int16_t place, int16_t slot)
{
    Player_Record &wizard = _players[HUMAN_PLAYER];
    if (place == ITEM_PLACE_VAULT) {
        return slot >= 0 && slot < NUM_VAULT_PLACES ? &wizard.Vault_Items[slot] : nullptr;
    }
    if (Hero_Unit(place) < 0 || slot < 0 || slot >= NUM_ITEM_PLACES) return nullptr;
    return &wizard.Heroes[place].Items[slot];
}

bool Stands_On(int16_t unit_idx, int wx, int wy, int wp)
{
    const Unit_Record &u = _UNITS[unit_idx];
    return u.wx == wx && u.wy == wy && u.wp == wp;
}

bool Floats(uint32_t powers) { return (powers & (ip_Water_Walking | ip_Flight)) != 0; }

}  // namespace

int16_t Move_Item_Slot_Kind(int16_t player_idx, int16_t hero_slot, int16_t item_slot)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS || hero_slot < 0 || hero_slot >= NUM_HERO_SLOTS || item_slot < 0 ||
        item_slot >= NUM_ITEM_PLACES) {
        return 0;
    }
    return _players[player_idx].Heroes[hero_slot].Item_Slots[item_slot];
}

int16_t Item_Fits_Place(int16_t item_idx, int16_t place, int16_t slot)
{
    if (!Live_Item(item_idx)) return 0;
    if (place == ITEM_PLACE_VAULT) return 1;
    const int16_t kind = Move_Item_Slot_Kind(HUMAN_PLAYER, place, slot);
    const uint8_t item_class = _ITEMS[item_idx].Slot_Type;
    if (item_class == kind) return 1;
    if (kind == 2 && item_class == 1) return 1;
    if (kind == 3 && (item_class == 1 || item_class == 4)) return 1;
    return 0;
}

int16_t Check_Same_Location(int16_t source, int16_t target)
{
    if (target == ITEM_PLACE_VAULT) return 1;
    const int16_t target_unit = Hero_Unit(target);
    if (target_unit < 0) return 0;
    if (source == ITEM_SOURCE_VAULT) {
        const Fortress_Record &fortress = _FORTRESSES[HUMAN_PLAYER];
        return Stands_On(target_unit, fortress.wx, fortress.wy, fortress.wp) ? 1 : 0;
    }
    if (source == ITEM_SOURCE_LAIR) {
        return Stands_On(target_unit, item_pool_wx, item_pool_wy, item_pool_wp) ? 1 : 0;
    }
    const int16_t source_unit = Hero_Unit(source);
    if (source_unit < 0) return 0;
    const Unit_Record &u = _UNITS[source_unit];
    return Stands_On(target_unit, u.wx, u.wy, u.wp) ? 1 : 0;
}

int16_t Check_Wont_Drown(int16_t hero_slot, int16_t item_idx)
{
    const int16_t unit_idx = Hero_Unit(hero_slot);
    if (unit_idx < 0) return 1;
    const Unit_Record &hero = _UNITS[unit_idx];
    if (!Square_Is_Sailable(hero.wx, hero.wy, hero.wp)) return 1;
    int16_t army[ARMY_AT_SQUARE_MAX];
    int16_t army_count = 0;
    Player_Army_At_Square(hero.wx, hero.wy, hero.wp, hero.owner_idx, &army_count, army);
    bool other_wind_walker = false;
    for (int i = 0; i < army_count; i++) {
        if (army[i] == unit_idx) continue;
        if (_UNITS[army[i]].type < NUM_UNIT_TYPES && _unit_type_table[_UNITS[army[i]].type].Transport > 0) return 1;
        if (Unit_Has_WindWalking(army[i])) other_wind_walker = true;
    }
    const Hero_Slot_Record &slot = _players[HUMAN_PLAYER].Heroes[hero_slot];
    for (int place = 0; place < NUM_ITEM_PLACES; place++) {
        const int16_t other = slot.Items[place];
        if (other != item_idx && Live_Item(other) && Floats(_ITEMS[other].Powers)) return 1;
    }
    if (Live_Item(item_cursor_item_idx) && Floats(_ITEMS[item_cursor_item_idx].Powers)) return 1;
    const bool wind = Unit_Has_WindWalking(unit_idx) || Unit_Has_WindWalkingItem(unit_idx);
    if (wind || other_wind_walker) return 1;
    const uint32_t leaving = Live_Item(item_idx) ? _ITEMS[item_idx].Powers : 0;
    const bool water = Unit_Has_WaterTravel(unit_idx) != 0;
    const bool air = Unit_Has_AirTravel(unit_idx) != 0;
    if ((leaving & ip_Flight) && (water || Unit_Has_WaterTravel_Item(unit_idx))) return 1;
    if ((leaving & ip_Water_Walking) && (air || Unit_Has_AirTravel_Item(unit_idx))) return 1;
    // The hero's own ability, not the leaving item's.
    const bool item_gives_water = (leaving & ip_Water_Walking) != 0;
    const bool item_gives_air = (leaving & ip_Flight) != 0;
    if ((water && !item_gives_water) || (air && !item_gives_air)) return 1;
    Heroes_Warn("This unit will drown if the item is removed.");
    return 0;
}

int16_t Item_Screen_Reserve_Font(int16_t gold, int16_t mana) { return gold > 19999 || mana > 19999 ? 0 : 1; }

void Item_Cursor_Take(int16_t item_idx, int16_t source)
{
    item_cursor_item_idx = item_idx;
    item_cursor_source = source;
}

void Move_Item(int16_t place, int16_t slot)
{
    int16_t *target = Place_Item(place, slot);
    if (target == nullptr) return;
    if (item_cursor_item_idx < 0) {
        if (!Live_Item(*target)) return;
        if (place != ITEM_PLACE_VAULT && !Check_Wont_Drown(place, *target)) return;
        Item_Cursor_Take(*target, place);
        *target = -1;
        return;
    }
    if (!Item_Fits_Place(item_cursor_item_idx, place, slot)) return;
    const bool occupied = Live_Item(*target);
    if (occupied && place != ITEM_PLACE_VAULT && !Check_Wont_Drown(place, *target)) return;
    if (!Check_Same_Location(item_cursor_source, place)) {
        Player_Record &wizard = _players[HUMAN_PLAYER];
        if (wizard.mana_reserve < ITEM_TELEPORT_MANA) {
            Heroes_Warn("You do not have enough mana crystals to transfer this item.");
            return;
        }
        if (!Heroes_Confirm("Do you wish to make this transfer at a cost of \x02"
                            "20 mana crystals\x01?")) {
            return;
        }
        wizard.mana_reserve = (int16_t)(wizard.mana_reserve - ITEM_TELEPORT_MANA);
    }
    const int16_t former = occupied ? *target : (int16_t)-1;
    *target = item_cursor_item_idx;
    if (former >= 0) {
        Item_Cursor_Take(former, place);
    } else {
        Item_Cursor_Take(-1, -1);
    }
}

int16_t Destroy_Item_Mana(int16_t item_idx) { return Live_Item(item_idx) ? (int16_t)(_ITEMS[item_idx].cost / 2) : 0; }

void Destroy_Item(void)
{
    const int16_t item_idx = item_cursor_item_idx;
    if (!Live_Item(item_idx)) return;
    char text[160];
    snprintf(text, sizeof text, "Do you want to destroy your \x02%s\x01 and gain %d mana crystals?",
             _ITEMS[item_idx].name, Destroy_Item_Mana(item_idx));
    if (!Heroes_Confirm(text)) return;
    Player_Add_Mana(HUMAN_PLAYER, Destroy_Item_Mana(item_idx));
    _ITEMS[item_idx].cost = -1;
    Item_Cursor_Take(-1, -1);
}

void Item_Cursor_Drop_Unattended(void)
{
    const int16_t item_idx = item_cursor_item_idx;
    if (item_idx < 0) return;
    Player_Record &wizard = _players[HUMAN_PLAYER];
    for (int k = 0; k < NUM_VAULT_PLACES; k++) {
        if (!Live_Item(wizard.Vault_Items[k])) {
            wizard.Vault_Items[k] = item_idx;
            Item_Cursor_Take(-1, -1);
            return;
        }
    }
    Player_Add_Mana(HUMAN_PLAYER, Destroy_Item_Mana(item_idx));
    if (Live_Item(item_idx)) _ITEMS[item_idx].cost = -1;
    Item_Cursor_Take(-1, -1);
}
