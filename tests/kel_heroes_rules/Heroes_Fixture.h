// A land world for the heroes and items rules: two wizards, the item powers in code, helpers that
// make items and heroes, and a heroes service table that records what would be shown.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "World_Fixture.h"
#include "heroes/Heroes_Services.h"
#include "heroes/Item_Making.h"
#include "heroes/Item_Rules.h"
#include "world/ALLOC.h"
#include "world/Map_Square_Record.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace heroes_test {

struct Shown {
    std::vector<std::string> warnings;
    std::vector<std::string> questions;
    int16_t answer = 1;
};
inline Shown shown;

inline void Record_Warning(const char *text) { shown.warnings.push_back(text); }
inline int16_t Record_Question(const char *text)
{
    shown.questions.push_back(text);
    return shown.answer;
}

class Heroes_Test : public World_Test {
protected:
    Spell_Data_Record spells[NUM_SPELLS] = {};

    void SetUp() override
    {
        World_Test::SetUp();
        for (int square = 0; square < NUM_PLANES * WORLD_SIZE; square++) _world_maps[square] = tt_Grasslands;
        spell_data_table = spells;
        _units = 0;
        _current_player_idx = 0;
        heroes_services = {};
        shown = Shown{};
        item_cursor_item_idx = -1;
        item_cursor_source = -1;
        Set_Powers();
    }
    void TearDown() override
    {
        heroes_services = {};
        item_powers_loaded = 0;
        prefab_items_loaded = 0;
        World_Test::TearDown();
    }

    // Powers as the rules read them: stat groups, and magic powers 33..64 of group 9.
    static void Set_Powers(void)
    {
        memset(item_powers, 0, sizeof item_powers);
        auto set = [](int p, const char *name, uint16_t mask, uint16_t cost, uint8_t group) {
            snprintf(item_powers[p].name, sizeof item_powers[p].name, "%s", name);
            item_powers[p].type_mask = mask;
            item_powers[p].cost = cost;
            item_powers[p].group = group;
        };
        for (int p = 0; p <= 5; p++) set(p, "Attack", 0x4F, (uint16_t)(50 * (p + 1)), 0);
        for (int p = 6; p <= 11; p++) set(p, "Defense", 0x3FF, (uint16_t)(40 * (p - 5)), 2);
        for (int p = 12; p <= 14; p++) set(p, "To Hit", 0x4F, 100, 1);
        for (int p = 15; p <= 18; p++) set(p, "Movement", 0x3F0, 60, 5);
        for (int p = 19; p <= 24; p++) set(p, "Resistance", 0x3FF, 30, 6);
        for (int p = 25; p <= 28; p++) set(p, "Spell Skill", 0x70, 80, 3);
        for (int p = 29; p <= 32; p++) set(p, "Spell Save", 0x70, 90, 4);
        for (int p = 33; p <= 64; p++) {
            set(p, p == 35 ? "Lightning" : "Power", 0x3FF, 200, 9);
            item_powers[p].powers = 1u << (p - 33);
        }
        set(ITEM_POWER_CHARGES, "Spell Charges", 0x30, 0, 8);
        item_powers_loaded = 1;
        prefab_items_loaded = 1;
        memset(prefab_items, 0, sizeof prefab_items);
    }

    static int16_t Add_Item(int index, uint8_t type, int16_t cost, const char *name = "Item")
    {
        Item_Record &item = _ITEMS[index];
        memset(&item, 0, sizeof item);
        snprintf(item.name, sizeof item.name, "%s", name);
        item.type = type;
        item.cost = cost;
        item.Slot_Type = item_type_table[type].slot_class;
        item.icon_idx = item_type_table[type].first_icon;
        return (int16_t)index;
    }

    static int16_t Add_Unit(int type, int owner, int wx, int wy, int wp)
    {
        const int16_t idx = _units++;
        Unit_Record &unit = _UNITS[idx];
        memset(&unit, 0, sizeof unit);
        unit.type = (uint8_t)type;
        unit.owner_idx = (int8_t)owner;
        unit.wx = (uint8_t)wx;
        unit.wy = (uint8_t)wy;
        unit.wp = (uint8_t)wp;
        unit.Hero_Slot = -1;
        return idx;
    }

    // A hero of the type in the player's slot with the three slot kinds.
    static int16_t Add_Hero(int player, int slot, int type, int16_t k0, int16_t k1, int16_t k2, int wx = 10,
                            int wy = 10, int wp = 0)
    {
        const int16_t unit = Add_Unit(type, player, wx, wy, wp);
        _UNITS[unit].Hero_Slot = (int8_t)slot;
        Hero_Slot_Record &s = _players[player].Heroes[slot];
        s.unit_idx = unit;
        s.Item_Slots[0] = k0;
        s.Item_Slots[1] = k1;
        s.Item_Slots[2] = k2;
        for (int16_t &i : s.Items) i = -1;
        return unit;
    }

    static void Install_Recorder(void)
    {
        Heroes_Services services = {};
        services.warn = Record_Warning;
        services.confirm = Record_Question;
        Heroes_Set_Services(services);
    }
};

}  // namespace heroes_test
