#include "world/Unit_Death.h"

#include <cstring>

#include "world/ALLOC.h"
#include "world/Items.h"
#include "world/Unit_Levels.h"
#include "world/Unit_Order_Rules.h"
#include "world/Unit_Type_Ids.h"
#include "world/Wizard_Economy.h"

Msg_Unit_Lost msg_unit_lost[MSG_UNIT_LOST_MAX];
int16_t msg_unit_lost_ctr;

namespace {

constexpr int16_t HERO_LEVEL_GONE = -20;

bool Unit_Alive(int unit_idx)
{
    return unit_idx >= 0 && unit_idx < _units && unit_idx < UNIT_TABLE_CAPACITY && _UNITS[unit_idx].owner_idx >= 0 &&
           _UNITS[unit_idx].owner_idx < NUM_PLAYERS;
}

void Copy_Hero_Name(const Unit_Record &unit, const Hero_Slot_Record &slot)
{
    if (unit.owner_idx != 0 || unit.type >= NUM_HERO_TYPES || hero_names_table == nullptr) {
        return;
    }
    Hero_Name_Record &names = hero_names_table[unit.type];
    names.experience = unit.XP;
    memcpy(names.name, slot.name, sizeof(names.name));
    names.name[sizeof(names.name) - 1] = '\0';
}

}  // namespace

void Kill_Unit(int16_t unit_idx, int16_t kill_type)
{
    if (!Unit_Alive(unit_idx)) {
        return;
    }
    Unit_Record &unit = _UNITS[unit_idx];
    unit.Level = (int8_t)Unit_Base_Level(unit_idx);
    unit.Finished = 1;
    int slot_idx = unit.Hero_Slot;
    if (slot_idx >= 0 && slot_idx < NUM_HERO_SLOTS) {
        Hero_Slot_Record &slot = _players[unit.owner_idx].Heroes[slot_idx];
        Hero_Record *hero = unit.type < NUM_HERO_TYPES ? &_HEROES2[unit.owner_idx][unit.type] : nullptr;
        if (kill_type == kum_Destroyed || unit.type == ht_Incarnation_Hero) {
            for (int k = 0; k < NUM_ITEM_PLACES; k++) {
                Remove_Item(slot.Items[k]);
                slot.Items[k] = -1;
            }
            slot.unit_idx = -1;
            if (hero != nullptr) {
                hero->Level = unit.Level;
            }
            Copy_Hero_Name(unit, slot);
        } else {
            for (int k = 0; k < NUM_ITEM_PLACES; k++) {
                slot.Items[k] = -1;
            }
            slot.unit_idx = -1;
            if (kill_type == kum_Hero_Leaves) {
                if (hero != nullptr) {
                    hero->Level = HERO_LEVEL_GONE;
                }
            } else {
                Copy_Hero_Name(unit, slot);
                if (hero != nullptr) {
                    hero->Level = unit.Level;
                }
            }
        }
    }
    unit.owner_idx = -1;
    unit.wp = 0xFF;
}

int16_t Hero_Slot_Open(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) {
        return -1;
    }
    for (int slot = 0; slot < NUM_HERO_SLOTS; slot++) {
        if (_players[player_idx].Heroes[slot].unit_idx == -1) {
            return (int16_t)slot;
        }
    }
    return -1;
}

void Army_At_Square_1(int16_t wx, int16_t wy, int16_t wp, int16_t *count, int16_t *list)
{
    int n = 0;
    for (int u = 0; u < _units && u < UNIT_TABLE_CAPACITY && n < ARMY_AT_SQUARE_MAX; u++) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.wx == wx && unit.wy == wy && unit.wp == wp && unit.owner_idx >= 0 && unit.owner_idx < NUM_PLAYERS) {
            list[n++] = (int16_t)u;
        }
    }
    *count = (int16_t)n;
}

void Evict_Weakest_Unit(int16_t unit_idx)
{
    if (!Unit_Alive(unit_idx)) {
        return;
    }
    const Unit_Record &unit = _UNITS[unit_idx];
    int16_t list[ARMY_AT_SQUARE_MAX];
    int16_t count = 0;
    Army_At_Square_1(unit.wx, unit.wy, unit.wp, &count, list);
    if (count < SQUARE_UNIT_LIMIT) {
        return;
    }
    int weakest = -1;
    int32_t least = 0;
    for (int i = 0; i < count; i++) {
        int u = list[i];
        int32_t strength = Unit_Gold_Upkeep((int16_t)u) + Unit_Mana_Upkeep((int16_t)u) + _UNITS[u].Level;
        if (weakest < 0 || strength <= least) {
            weakest = u;
            least = strength;
        }
    }
    if (_UNITS[weakest].owner_idx == NEUTRAL_PLAYER_IDX) {
        Kill_Unit((int16_t)weakest, kum_Destroyed);
    } else {
        Evict_Unit_With_Message((int16_t)weakest);
    }
}

void Evict_Unit_With_Message(int16_t unit_idx)
{
    if (!Unit_Alive(unit_idx)) {
        return;
    }
    int owner = _UNITS[unit_idx].owner_idx;
    Evict_Unit(unit_idx);
    const Unit_Record &unit = _UNITS[unit_idx];
    bool gone = unit.owner_idx < 0 || unit.owner_idx >= NUM_PLAYERS;
    if (gone && owner == 0 && msg_unit_lost_ctr >= 0 && msg_unit_lost_ctr < MSG_UNIT_LOST_MAX) {
        msg_unit_lost[msg_unit_lost_ctr].unit_type = unit.type;
        msg_unit_lost[msg_unit_lost_ctr].reason = UNIT_LOST_EVICTED;
        msg_unit_lost_ctr++;
    }
}
