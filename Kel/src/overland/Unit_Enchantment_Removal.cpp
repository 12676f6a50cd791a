#include "overland/Unit_Enchantment_Removal.h"

#include <cstdio>

#include "Dialog_Boxes.h"
#include "overland/Stack_Orders.h"
#include "overland/Unit_Specials_List.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Movement_Modes.h"
#include "world/Square_Queries.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

// A square holds at most one stack: only its first 9 units count as carried.
struct Square_Army {
    int16_t count = 0;
    int16_t list[ARMY_AT_SQUARE_MAX];
};

bool Unit_Alive(int16_t unit_idx)
{
    return _UNITS != nullptr && unit_idx >= 0 && unit_idx < UNIT_TABLE_CAPACITY && _UNITS[unit_idx].owner_idx >= 0 &&
           _UNITS[unit_idx].owner_idx < NUM_PLAYERS;
}

int Type_Transport(int16_t unit_idx)
{
    uint8_t type = _UNITS[unit_idx].type;
    return type < NUM_UNIT_TYPES ? _unit_type_table[type].Transport : 0;
}

void Gather_Square_Army(int16_t unit_idx, Square_Army *army)
{
    const Unit_Record &unit = _UNITS[unit_idx];
    Player_Army_At_Square(unit.wx, unit.wy, unit.wp, unit.owner_idx, &army->count, army->list);
    if (army->count > ARMY_LIST_STACK_MAX) army->count = ARMY_LIST_STACK_MAX;
}

bool Other_Has_Transport(int16_t unit_idx, const Square_Army &army)
{
    for (int i = 0; i < army.count; ++i) {
        if (army.list[i] != unit_idx && Type_Transport(army.list[i]) > 0) return true;
    }
    return false;
}

bool Other_Has_Wind_Walking(int16_t unit_idx, const Square_Army &army)
{
    for (int i = 0; i < army.count; ++i) {
        if (army.list[i] != unit_idx &&
            (Unit_Has_WindWalking(army.list[i]) || Unit_Has_WindWalkingItem(army.list[i]))) {
            return true;
        }
    }
    return false;
}

bool Crosses_Water_Or_Flies(int16_t unit_idx)
{
    return Unit_Has_AirTravel(unit_idx) || Unit_Has_AirTravel_Item(unit_idx) || Unit_Has_WaterTravel(unit_idx) ||
           Unit_Has_WaterTravel_Item(unit_idx);
}

bool On_Water(int16_t unit_idx)
{
    const Unit_Record &unit = _UNITS[unit_idx];
    return Square_Is_Sailable(unit.wx, unit.wy, unit.wp) && Type_Transport(unit_idx) == 0;
}

}  // namespace

void Unit_Remove_Enchantment(int16_t unit_idx, uint32_t bits)
{
    if (_UNITS == nullptr || unit_idx < 0 || unit_idx >= UNIT_TABLE_CAPACITY) return;
    _UNITS[unit_idx].enchantments ^= bits;
}

int16_t UV_Remove_Unit_Enchantment(int16_t unit_idx, uint32_t bit, char *message)
{
    return UV_Remove_Unit_Enchantment_Asking(unit_idx, bit, message, Confirmation_Box);
}

int16_t UV_Remove_Unit_Enchantment_Asking(int16_t unit_idx, uint32_t bit, char *message,
                                          int16_t (*ask)(const char *text))
{
    const Specials_Label *entry = nullptr;
    for (const Specials_Label &label : _unit_enchantment_data) {
        if (label.mask == bit) entry = &label;
    }
    if (entry == nullptr || !Unit_Alive(unit_idx)) return 0;
    int length =
        snprintf(message, UV_REMOVAL_MESSAGE_SIZE, "Do you wish to turn off the \x02%s\x01 spell?", entry->text);

    bool keeps_afloat = bit == UE_FLIGHT || bit == UE_WATERWALKING || bit == UE_WINDWALKING;
    bool kills = false;
    Square_Army army;
    if (keeps_afloat && On_Water(unit_idx)) {
        Gather_Square_Army(unit_idx, &army);
        if (!Other_Has_Transport(unit_idx, army) && !Other_Has_Wind_Walking(unit_idx, army)) {
            if (bit == UE_FLIGHT) {
                kills = !Unit_Has_WaterTravel(unit_idx) && !Unit_Has_WindWalking(unit_idx);
            } else if (bit == UE_WATERWALKING) {
                kills = !Unit_Has_AirTravel(unit_idx) && !Unit_Has_WindWalking(unit_idx);
            } else {
                kills = true;
            }
        }
    }
    if (kills && length >= 0 && length < UV_REMOVAL_MESSAGE_SIZE) {
        snprintf(message + length, (size_t)(UV_REMOVAL_MESSAGE_SIZE - length), "%s",
                 bit == UE_WINDWALKING ? "  This unit and other units will die if the spell is removed!"
                                       : "  This unit will die if the spell is removed!");
    }

    if (ask(message) != 0) {
        Unit_Remove_Enchantment(unit_idx, bit);
        if (kills) {
            if (bit == UE_WINDWALKING) {
                for (int i = 0; i < army.count; ++i) {
                    if (!Crosses_Water_Or_Flies(army.list[i])) Dismiss_Unit(army.list[i]);
                }
            } else {
                Dismiss_Unit(unit_idx);
            }
            Select_Stack_At_Summon();
        }
    }
    return _UNITS[unit_idx].owner_idx == -1 ? 1 : 0;
}

void IDK_Drown_Units(int16_t unit_idx)
{
    if (!Unit_Alive(unit_idx)) return;
    const Unit_Record &unit = _UNITS[unit_idx];
    if (!Square_Is_Sailable(unit.wx, unit.wy, unit.wp) || Type_Transport(unit_idx) > 0) return;
    Square_Army army;
    Gather_Square_Army(unit_idx, &army);
    if (Other_Has_Transport(unit_idx, army) || Other_Has_Wind_Walking(unit_idx, army)) return;
    if (Unit_Has_WindWalking(unit_idx) || Unit_Has_WindWalkingItem(unit_idx)) return;
    if (Crosses_Water_Or_Flies(unit_idx)) return;
    Dismiss_Unit(unit_idx);
}

void UNIT_GetDependants__WIP(int16_t unit_idx, int16_t *count, int16_t *list)
{
    *count = 0;
    if (!Unit_Alive(unit_idx)) return;
    if (!Unit_Has_WindWalking(unit_idx) && !Unit_Has_WindWalkingItem(unit_idx)) return;
    if (!On_Water(unit_idx)) return;
    Square_Army army;
    Gather_Square_Army(unit_idx, &army);
    if (Other_Has_Wind_Walking(unit_idx, army)) return;
    for (int i = 0; i < army.count; ++i) {
        if (!Crosses_Water_Or_Flies(army.list[i])) list[(*count)++] = army.list[i];
    }
}
