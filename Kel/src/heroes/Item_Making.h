// Making new items, and handing found or given items to a player through the item pool.
#pragma once

#include <cstdint>

#include "world/Item_Record.h"

// ---- the item pool ----
constexpr int ITEM_POOL_ROOM = 6;
// The computer's candidates: a pool and what its six heroes carry.
constexpr int AI_ITEM_CANDIDATES = 40;

// 1 while pool items remain to be handed out on the Items screen.
extern int16_t item_pool_active;
extern int16_t item_pool_list_array[ITEM_POOL_ROOM];
extern int16_t item_pool_list_count;
extern int16_t item_pool_list_index;
// The item being shown or handed out; -1 when none.
extern int16_t item_pool_item_idx;
// 1 while the pool is a lair's treasure, found on the square item_pool_wx, _wy, _wp.
extern int16_t item_pool_in_process;
extern int16_t item_pool_wx;
extern int16_t item_pool_wy;
extern int16_t item_pool_wp;

// The human places the items (at most 6) on its heroes or in its vault.
void Process_Item_Pool(int16_t item_count, int16_t *items);
// A player takes the items: the human through the Items screen, a computer wizard by rule, the
// neutral player loses them.
void Player_Process_Item_Pool(int16_t player_idx, int16_t item_count, int16_t *items);
// A computer wizard shares the pool and everything its heroes carry among its heroes; the rest
// becomes mana (half the cost).
void AI_Process_Item_Pool(int16_t player_idx, int16_t item_count, int16_t *items);
// Fill the hero slot's three item places from the candidates, by the computer's values; each
// chosen item leaves the list.
void AI_Equip_Hero_Best_Items(int16_t player_idx, int16_t hero_slot, int16_t *candidates, int16_t *count);
// The same for the empty item places alone, by plain cost.
void AI_Equip_Hero_Empty_Slots(int16_t player_idx, int16_t hero_slot, int16_t *candidates, int16_t *count);
// 1 when the computer's rules put items of the type into a place of the kind.
int16_t AI_Slot_Accepts(int16_t slot_kind, int16_t item_type);

// ---- making items ----
constexpr int ITEM_BEING_BUILT = 136;
constexpr int NUM_ITEM_TYPES = 10;
constexpr int NUM_ITEM_POWERS = 67;
constexpr int ITEM_POWER_RECORD_SIZE = 30;
constexpr int ITEM_STAT_POWERS = 33;  // powers 0..32 change the bonuses
constexpr int ITEM_POWER_CHARGES = 65;
constexpr int ITEM_MAKE_MAX_POWERS = 4;
constexpr int PREFAB_RECORD_SIZE = 56;
constexpr int ITEM_NAME_ROOM = 30;  // 29 characters and the terminator
constexpr int16_t ITEM_COST_CAP = 32767;

#pragma pack(push, 1)
struct Item_Power_Record {
    char name[18];
    uint16_t type_mask;  // bit t: items of type t may carry the power
    uint16_t cost;
    uint8_t group;  // powers of one group exclude each other, but group 9
    uint8_t book_realm;
    uint8_t books_needed;
    uint8_t unused_25;
    uint32_t powers;
};
struct Prefab_Item_Record {
    Item_Record item;  // movement bonus in whole moves
    uint8_t books[5];  // spell books needed, realm order
    uint8_t large;     // 0: given as kind 1, else as kind 2
};
#pragma pack(pop)
static_assert(sizeof(Item_Power_Record) == ITEM_POWER_RECORD_SIZE);
static_assert(sizeof(Prefab_Item_Record) == PREFAB_RECORD_SIZE);

// The item powers and prefabs as loaded (ITEMPOW.LBX 0, ITEMDATA.LBX 0).
extern Item_Power_Record item_powers[NUM_ITEM_POWERS];
extern Prefab_Item_Record prefab_items[NUM_PREFAB_ITEMS];
extern int16_t item_powers_loaded;
extern int16_t prefab_items_loaded;
// Loads both tables once; 0 with a logged error when an archive is missing or malformed, and the
// tables then stay as they were.
int16_t Item_Make_Load_Tables(void);

struct Item_Type_Info {
    const char *name;
    int16_t base_cost;
    int16_t first_icon;
    int16_t icon_count;
    uint8_t slot_class;
};
extern const Item_Type_Info item_type_table[NUM_ITEM_TYPES];
extern const char *const item_power_group_names[7];

// What the item-making rules build: type, icon, up to 4 powers, the charged spell.
struct Item_Make_Choice {
    int16_t type;
    int16_t icon;
    int16_t powers[ITEM_MAKE_MAX_POWERS];  // -2 empty
    int16_t power_count;
    int16_t spell;
    int16_t charges;
};
void Item_Make_Clear_Choice(Item_Make_Choice *choice, int16_t type);
// Base cost plus the powers (Misc stat powers double, charges spell cost x charges x 20); computed
// wide, at most 32,767.
int16_t Item_Make_Compute_Cost(const Item_Make_Choice &choice);
// "+3 Sword of Lightning"; at most 29 characters.
void Item_Make_Compose_Name(const Item_Make_Choice &choice, char name[ITEM_NAME_ROOM]);
// Writes the item into the record from the choice, name and cost.
void Item_Make_Fill_Record(const Item_Make_Choice &choice, const char *name, int16_t item_idx);
// 1 when the power may be chosen for the type (type mask).
int16_t Item_Power_Fits_Type(int16_t power, int16_t type);
// Chooses the power: one of the same group (but 9) is replaced; 0 when 4 are chosen already.
int16_t Item_Make_Choose_Power(Item_Make_Choice *choice, int16_t power);
// A new type: first icon, powers the type does not take dropped.
void Item_Make_Change_Type(Item_Make_Choice *choice, int16_t type);

// The powers the item-making screen offers for the type: the stat powers in two columns (a -1
// between two groups, a group that would overflow a column moves whole to the next), the powers of
// the books in the third.
constexpr int ITEM_MAKE_COLUMNS = 3;
constexpr int ITEM_MAKE_COLUMN_ROOM = 16;
constexpr int ITEM_MAKE_THIRD_ROOM = 34;
struct Item_Make_Power_List {
    int16_t column[ITEM_MAKE_COLUMNS][ITEM_MAKE_THIRD_ROOM];
    int16_t count[ITEM_MAKE_COLUMNS];
};
void Item_Make_Build_Power_List(int16_t player_idx, int16_t type, int16_t cost_limit, Item_Make_Power_List *list);
// The spells the player knows that an item may hold (not those cast only in one place); at most
// ITEM_MAKE_SPELL_ROOM; their count.
constexpr int ITEM_MAKE_SPELL_ROOM = 92;
int16_t Item_Make_Build_Spell_List(int16_t player_idx, int16_t spells[ITEM_MAKE_SPELL_ROOM]);
// Runs the item-making screen for the player (large: up to 10,000, else 200 a power); the item
// stands in record 137; its cost after the player's reduction, or 0 when the player gave up.
int16_t Item_Make_Screen(int16_t player_idx, int16_t large_flag);

// Makes an item of the kind (1 small prefabs, 2 large, else any) for the five book counts within
// the value limit (0: none); its index, or -1 when all live records are in use.
int16_t Make_Item(int16_t kind, const int16_t *requirements, int16_t value_limit);
// Record 136 gets a random item of stat powers.
void Create_Random_Item(int16_t kind, int16_t value_limit);
// The human makes an item of the kind (0 enchanted item, 1 artifact) into the record being made;
// its cost, or 0 when he leaves without making one.
int16_t Item_Make_Screen(int16_t player_idx, int16_t kind);
// Copies the record into the first free live record; its index or -1.
int16_t Activate_Item(int16_t item_idx);
// Record 136 from the prefab (or as it stands for -1), then activated.
int16_t Make_Item_Finish(int16_t prefab_idx);
// "Sword" .. "Plate"; a Misc item by its icon ("Amulet", "Ring", ...).
const char *Get_Item_Type_Name(int16_t item_idx);
