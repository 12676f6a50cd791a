// The rules that make items: types, powers, costs and names, prefabs and random items.
#include <cstdio>
#include <cstring>
#include <strings.h>

#include "LBX_Load.h"
#include "heroes/Item_Making.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"

Item_Power_Record item_powers[NUM_ITEM_POWERS];
Prefab_Item_Record prefab_items[NUM_PREFAB_ITEMS];
int16_t item_powers_loaded = 0;
int16_t prefab_items_loaded = 0;

const Item_Type_Info item_type_table[NUM_ITEM_TYPES] = {
    {"Sword", 100, 0, 9, 1},  {"Mace", 100, 9, 11, 1},  {"Axe", 100, 20, 9, 1},  {"Bow", 100, 29, 9, 2},
    {"Staff", 300, 38, 9, 4}, {"Wand", 200, 107, 9, 4}, {"Misc", 50, 72, 35, 6}, {"Shield", 100, 62, 10, 5},
    {"Chain", 100, 47, 8, 5}, {"Plate", 300, 55, 7, 5},
};

const char *const item_power_group_names[7] = {"Strength", "Accuracy", "Defense",   "Wizardry",
                                               "Power",    "Speed",    "Protection"};

namespace {

constexpr int RANDOM_ITEM_DRAW_LIMIT = 50;
// A type that no stat power fits would draw for ever.
constexpr int RANDOM_ITEM_DRAW_STOP = 1000;
constexpr int NAME_PREFIX_CUT = 26;
constexpr uint8_t GROUP_COMPATIBLE = 9;

const char *Type_Name(int type, int icon)
{
    if (type == it_Misc) {
        if (icon <= 77) return "Amulet";
        if (icon <= 83) return "Ring";
        if (icon <= 89) return "Cloak";
        if (icon <= 93) return "Gauntlet";
        if (icon <= 100) return "Helm";
        return "Orb";
    }
    return type >= 0 && type < NUM_ITEM_TYPES ? item_type_table[type].name : "";
}

bool Chosen(const Item_Make_Choice &choice, int power)
{
    for (int i = 0; i < choice.power_count; i++) {
        if (choice.powers[i] == power) return true;
    }
    return false;
}

void Drop_Power(Item_Make_Choice *choice, int index)
{
    if (choice->powers[index] == ITEM_POWER_CHARGES) {
        choice->spell = 0;
        choice->charges = 0;
    }
    for (int i = index; i + 1 < choice->power_count; i++) choice->powers[i] = choice->powers[i + 1];
    choice->power_count--;
    choice->powers[choice->power_count] = -2;
}

int8_t Clamp_Byte(int value) { return (int8_t)(value > 127 ? 127 : value < -128 ? -128 : value); }

}  // namespace

int16_t Item_Make_Load_Tables(void)
{
    if (!item_powers_loaded) {
        LBX_Load_Data_Static("ITEMPOW", 0, (uint8_t *)item_powers, 0, NUM_ITEM_POWERS, ITEM_POWER_RECORD_SIZE);
        item_powers_loaded = 1;
    }
    if (!prefab_items_loaded) {
        LBX_Load_Data_Static("ITEMDATA", 0, (uint8_t *)prefab_items, 0, NUM_PREFAB_ITEMS, PREFAB_RECORD_SIZE);
        prefab_items_loaded = 1;
    }
    return 1;
}

void Item_Make_Clear_Choice(Item_Make_Choice *choice, int16_t type)
{
    choice->type = type;
    choice->icon = type >= 0 && type < NUM_ITEM_TYPES ? item_type_table[type].first_icon : 0;
    for (int16_t &p : choice->powers) p = -2;
    choice->power_count = 0;
    choice->spell = 0;
    choice->charges = 0;
}

int16_t Item_Power_Fits_Type(int16_t power, int16_t type)
{
    if (power < 0 || power >= NUM_ITEM_POWERS || type < 0 || type >= NUM_ITEM_TYPES) return 0;
    return (item_powers[power].type_mask >> type) & 1;
}

int16_t Item_Make_Compute_Cost(const Item_Make_Choice &choice)
{
    if (choice.type < 0 || choice.type >= NUM_ITEM_TYPES) return 0;
    int32_t cost = item_type_table[choice.type].base_cost;
    for (int i = 0; i < choice.power_count; i++) {
        const int p = choice.powers[i];
        if (p < 0 || p >= NUM_ITEM_POWERS) continue;
        if (p == ITEM_POWER_CHARGES) {
            const int32_t spell_cost = spell_data_table != nullptr && choice.spell > 0 && choice.spell < NUM_SPELLS
                                           ? spell_data_table[choice.spell].casting_cost
                                           : 0;
            cost += spell_cost * choice.charges * 20;
        } else if (choice.type == it_Misc && p < ITEM_STAT_POWERS) {
            cost += 2 * (int32_t)item_powers[p].cost;
        } else {
            cost += item_powers[p].cost;
        }
        if (cost > ITEM_COST_CAP) cost = ITEM_COST_CAP;
    }
    return (int16_t)(cost > ITEM_COST_CAP ? ITEM_COST_CAP : cost);
}

void Item_Make_Compose_Name(const Item_Make_Choice &choice, char name[ITEM_NAME_ROOM])
{
    char text[96];
    int prefix_power = -1;
    for (int i = 0; i < choice.power_count && prefix_power < 0; i++) {
        const int p = choice.powers[i];
        if (choice.type < it_Misc && p >= 0 && p <= 5) prefix_power = p;
        if (choice.type > it_Misc && p >= 6 && p <= 11) prefix_power = p;
    }
    const char *type_name = Type_Name(choice.type, choice.icon);
    if (prefix_power >= 0) {
        snprintf(text, sizeof text, "+%d %s", choice.type < it_Misc ? prefix_power + 1 : prefix_power - 5, type_name);
    } else {
        snprintf(text, sizeof text, "%s", type_name);
    }
    int top = -1;
    for (int i = 0; i < choice.power_count; i++) {
        const int p = choice.powers[i];
        if (p != prefix_power && p >= 0 && p < NUM_ITEM_POWERS && p > top) top = p;
    }
    if (top >= 0) {
        size_t len = strlen(text);
        if (top < ITEM_STAT_POWERS) {
            const uint8_t group = item_powers[top].group;
            const char *group_name = group < 7 ? item_power_group_names[group] : item_powers[top].name;
            snprintf(text + len, sizeof text - len, " of %.17s", group_name);
        } else if (top == ITEM_POWER_CHARGES) {
            const char *spell_name = spell_data_table != nullptr && choice.spell > 0 && choice.spell < NUM_SPELLS
                                         ? spell_data_table[choice.spell].name
                                         : "";
            snprintf(text + len, sizeof text - len, " of %.18s", spell_name);
            len = strlen(text);
            if (len < 26) snprintf(text + len, sizeof text - len, " x%d", choice.charges);
        } else {
            snprintf(text + len, sizeof text - len, " of %.17s", item_powers[top].name);
        }
    }
    const char *start = text;
    if (prefix_power >= 0 && strlen(text) > NAME_PREFIX_CUT) start += 3;
    const size_t len = strnlen(start, ITEM_NAME_ROOM - 1);
    memcpy(name, start, len);
    name[len] = '\0';
}

void Item_Make_Fill_Record(const Item_Make_Choice &choice, const char *name, int16_t item_idx)
{
    if (_ITEMS == nullptr || item_idx < 0 || item_idx >= NUM_ITEMS) return;
    Item_Record &item = _ITEMS[item_idx];
    const uint8_t spell = item.Spell;
    const int16_t charges = item.charges;
    memset(&item, 0, sizeof item);
    item.Spell = (uint8_t)(choice.power_count > 0 && Chosen(choice, ITEM_POWER_CHARGES) ? choice.spell : spell);
    item.charges = Chosen(choice, ITEM_POWER_CHARGES) ? choice.charges : charges;
    snprintf(item.name, sizeof item.name, "%s", name);
    item.icon_idx = choice.icon;
    item.type = (uint8_t)choice.type;
    item.cost = Item_Make_Compute_Cost(choice);
    item.Slot_Type = choice.type >= 0 && choice.type < NUM_ITEM_TYPES ? item_type_table[choice.type].slot_class : 0;
    for (int i = 0; i < choice.power_count; i++) {
        const int p = choice.powers[i];
        if (p < 0) continue;
        if (p <= 5)
            item.attack = (int8_t)(p + 1);
        else if (p <= 11)
            item.defense = (int8_t)(p - 5);
        else if (p <= 14)
            item.tohit = (int8_t)(p - 11);
        else if (p <= 18)
            item.moves2 = (int8_t)(2 * (p - 14));
        else if (p <= 24)
            item.resistance = (int8_t)(p - 18);
        else if (p <= 28)
            item.spell_skill = (int8_t)(5 * p - 120);
        else if (p <= 32)
            item.spell_save = (int8_t)(p - 28);
        else if (p < NUM_ITEM_POWERS)
            item.Powers |= item_powers[p].powers;
    }
    if (choice.type == it_Chain) item.defense = Clamp_Byte(item.defense + 1);
    if (choice.type == it_Plate) item.defense = Clamp_Byte(item.defense + 2);
}

int16_t Item_Make_Choose_Power(Item_Make_Choice *choice, int16_t power)
{
    if (power < 0 || power >= NUM_ITEM_POWERS) return 0;
    for (int i = 0; i < choice->power_count; i++) {
        if (choice->powers[i] == power) {
            Drop_Power(choice, i);
            return 1;
        }
    }
    const uint8_t group = item_powers[power].group;
    if (group != GROUP_COMPATIBLE) {
        for (int i = choice->power_count - 1; i >= 0; i--) {
            const int p = choice->powers[i];
            if (p >= 0 && item_powers[p].group == group) Drop_Power(choice, i);
        }
    }
    if (choice->power_count >= ITEM_MAKE_MAX_POWERS) return 0;
    choice->powers[choice->power_count++] = power;
    return 1;
}

void Item_Make_Change_Type(Item_Make_Choice *choice, int16_t type)
{
    if (type < 0 || type >= NUM_ITEM_TYPES) return;
    choice->type = type;
    choice->icon = item_type_table[type].first_icon;
    for (int i = choice->power_count - 1; i >= 0; i--) {
        if (!Item_Power_Fits_Type(choice->powers[i], type)) Drop_Power(choice, i);
    }
}

const char *Get_Item_Type_Name(int16_t item_idx)
{
    if (_ITEMS == nullptr || item_idx < 0 || item_idx >= NUM_ITEMS) return "";
    return Type_Name(_ITEMS[item_idx].type, _ITEMS[item_idx].icon_idx);
}

int16_t Activate_Item(int16_t item_idx)
{
    if (_ITEMS == nullptr || item_idx < 0 || item_idx >= NUM_ITEMS) return -1;
    for (int i = 0; i < NUM_LIVE_ITEMS; i++) {
        if (_ITEMS[i].cost < 1) {
            if (i != item_idx) _ITEMS[i] = _ITEMS[item_idx];
            return (int16_t)i;
        }
    }
    return -1;
}

void Create_Random_Item(int16_t kind, int16_t value_limit)
{
    if (_ITEMS == nullptr) return;
    int32_t limit = value_limit;
    if (limit == 0) limit = RANDOM(10) * 100 + 700;
    const int power_cap = kind == 1 ? 200 : 20000;
    const int max_powers = kind == 1 ? 2 : 4;
    Item_Make_Choice choice;
    Item_Make_Clear_Choice(&choice, (int16_t)(RANDOM(NUM_ITEM_TYPES) - 1));
    choice.icon =
        (int16_t)(item_type_table[choice.type].first_icon + RANDOM(item_type_table[choice.type].icon_count) - 1);
    _ITEMS[ITEM_BEING_BUILT].Spell = 0;
    _ITEMS[ITEM_BEING_BUILT].charges = 0;
    char name[ITEM_NAME_ROOM];
    auto refresh = [&]() {
        Item_Make_Compose_Name(choice, name);
        Item_Make_Fill_Record(choice, name, ITEM_BEING_BUILT);
    };
    refresh();
    for (int draws = 1; draws <= RANDOM_ITEM_DRAW_STOP; draws++) {
        const int16_t p = (int16_t)(RANDOM(ITEM_STAT_POWERS) - 1);
        bool take = Item_Power_Fits_Type(p, choice.type) && item_powers[p].cost <= power_cap;
        for (int i = 0; take && i < choice.power_count; i++) {
            if (item_powers[choice.powers[i]].group == item_powers[p].group) take = false;
        }
        if (take) {
            choice.powers[choice.power_count++] = p;
            refresh();
        }
        if (choice.power_count >= 1 && (choice.power_count >= max_powers || Item_Make_Compute_Cost(choice) > limit ||
                                        draws > RANDOM_ITEM_DRAW_LIMIT)) {
            break;
        }
    }
}

int16_t Make_Item_Finish(int16_t prefab_idx)
{
    if (_ITEMS == nullptr) return -1;
    // A full table takes nothing, and no prefab is spent on it.
    bool room = false;
    for (int i = 0; i < NUM_LIVE_ITEMS && !room; i++) room = _ITEMS[i].cost < 1;
    if (!room) return -1;
    if (prefab_idx >= 0 && prefab_idx < NUM_PREFAB_ITEMS) {
        if (_prefab_item_table != nullptr) _prefab_item_table[prefab_idx] = 1;
        Item_Record item = prefab_items[prefab_idx].item;
        item.moves2 = Clamp_Byte(2 * item.moves2);
        item.name[sizeof item.name - 1] = '\0';
        _ITEMS[ITEM_BEING_BUILT] = item;
    }
    return Activate_Item(ITEM_BEING_BUILT);
}

int16_t Make_Item(int16_t kind, const int16_t *requirements, int16_t value_limit)
{
    if (_ITEMS == nullptr) return -1;
    Item_Make_Load_Tables();
    int16_t chosen = -1;
    for (int t = 0; t < 50 && chosen < 0; t++) {
        const int16_t p = (int16_t)(RANDOM(NUM_PREFAB_ITEMS) - 1);
        const Prefab_Item_Record &prefab = prefab_items[p];
        if (_prefab_item_table != nullptr && _prefab_item_table[p] != 0) continue;
        bool ok = true;
        for (int r = 0; r < 5 && ok; r++) {
            if (requirements != nullptr && prefab.books[r] > requirements[r]) ok = false;
        }
        if (kind == 1 && prefab.large != 0) ok = false;
        if (kind == 2 && prefab.large == 0) ok = false;
        if (value_limit > 0 && (prefab.item.cost > value_limit || prefab.item.cost < value_limit / 2)) ok = false;
        if (ok) chosen = p;
    }
    if (chosen < 0) Create_Random_Item(kind, value_limit);
    return Make_Item_Finish(chosen);
}

void Item_Make_Build_Power_List(int16_t player_idx, int16_t type, int16_t cost_limit, Item_Make_Power_List *list)
{
    *list = Item_Make_Power_List{};
    int column = 0;
    int power = 0;
    // The stat powers, one group at a time.
    while (power < ITEM_STAT_POWERS) {
        const uint8_t group = item_powers[power].group;
        int16_t run[ITEM_STAT_POWERS];
        int n = 0;
        int next = power;
        for (; next < ITEM_STAT_POWERS && item_powers[next].group == group; next++) {
            if (Item_Power_Fits_Type((int16_t)next, type) && item_powers[next].cost <= cost_limit)
                run[n++] = (int16_t)next;
        }
        power = next;
        if (n == 0) continue;
        int16_t &count = list->count[column];
        if (count > 0 && count + 1 + n > ITEM_MAKE_COLUMN_ROOM && column == 0) column = 1;
        int16_t &used = list->count[column];
        if (used > 0 && used < ITEM_MAKE_COLUMN_ROOM) list->column[column][used++] = -1;
        for (int i = 0; i < n && used < ITEM_MAKE_COLUMN_ROOM; i++) list->column[column][used++] = run[i];
    }
    const Player_Record *wizard = player_idx >= 0 && player_idx < NUM_PLAYERS ? &_players[player_idx] : nullptr;
    int16_t &third = list->count[2];
    for (int p = ITEM_STAT_POWERS; p <= ITEM_POWER_CHARGES && third < ITEM_MAKE_THIRD_ROOM; p++) {
        const Item_Power_Record &record = item_powers[p];
        if (!Item_Power_Fits_Type((int16_t)p, type) || record.cost > cost_limit) continue;
        if (record.books_needed > 0) {
            if (wizard == nullptr || record.book_realm >= 5 ||
                wizard->spellranks[record.book_realm] < record.books_needed)
                continue;
        }
        list->column[2][third++] = (int16_t)p;
    }
}

int16_t Item_Make_Build_Spell_List(int16_t player_idx, int16_t spells[ITEM_MAKE_SPELL_ROOM])
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS || spell_data_table == nullptr) return 0;
    int16_t count = 0;
    for (int s = 1; s < NUM_SPELLS && s <= NUM_SPELLS_STATUS && count < ITEM_MAKE_SPELL_ROOM; s++) {
        if (_players[player_idx].spells_list[s - 1] != 2) continue;
        const uint8_t place = spell_data_table[s].Eligibility;
        if (place == 1 || place == 5) continue;
        spells[count++] = (int16_t)s;
    }
    return count;
}
