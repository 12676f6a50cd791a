// The unit view's list of special rows (level, hero items and skills, abilities, immunities, attack
// specials, combat effects, mutations, enchantments), the item view's power lines and the army
// list's enchantment names. The label tables are shared by all four.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int SPECIALS_LIST_ROWS = 40;
constexpr int SPECIALS_TEXT_SIZE = 30;
// Table-driven sections stop once this many rows stand; single rows may take the last one.
constexpr int SPECIALS_TABLE_STOP = 39;

constexpr int32_t SPECIALS_FLAG_PLAIN = -1;
constexpr int32_t SPECIALS_FLAG_ITEM_SLOT = -99;

constexpr int ITEM_POWER_LINES = 5;
constexpr int ITEM_POWER_NAME_SIZE = 20;
constexpr int ITEM_POWER_TEXT_SIZE = 40;

// Room for every enchantment bit and every mutation bit of a unit.
constexpr int UNIT_ENCHANTMENT_NAME_SLOTS = 35;
constexpr int UNIT_ENCHANTMENT_NAME_SIZE = 20;

struct Specials_List {
    char text[SPECIALS_LIST_ROWS][SPECIALS_TEXT_SIZE];
    // -1 an ordinary row, -99 a hero item slot, else the unit-enchantment bit the row shows.
    int32_t flag[SPECIALS_LIST_ROWS];
    uint8_t *picture[SPECIALS_LIST_ROWS];
    // Help entry; an item slot holds the item's number, an empty slot -(576 + slot kind).
    int16_t help[SPECIALS_LIST_ROWS];
};
static_assert(sizeof(Specials_List) == 1760);

// One label: text, the bit or value it stands for, its picture number and help entry.
struct Specials_Label {
    const char *text;
    uint32_t mask;
    int16_t picture;
    int16_t help;
};

extern const char *const USW_UnitLevels[6];
extern const char *const USW_HeroLevels[9];
extern const Specials_Label USW_Item_UEs[21];
extern const Specials_Label USW_Abilities[15];
extern const Specials_Label USW_Attributes_1[10];
extern const Specials_Label USW_Attributes_2[8];
extern const Specials_Label USW_ATK_Flags[11];
extern const Specials_Label USW_SR_Attacks[6];
extern const Specials_Label USW_Combat_FX[15];
extern const Specials_Label _unit_mutation_data[3];
extern const Specials_Label _unit_enchantment_data[32];

struct Item_Power_Text {
    const char *name;
    const char *description;
    uint32_t power;
};
extern const Item_Power_Text ITEM_ViewTexts[32];

// Special picture n: SPECIAL.LBX up to 110, SPECIAL2.LBX from 111 (as the graphics cache holds them).
uint8_t *Special_Picture(int16_t n);

// The list of a unit; global_battle_unit must hold that unit's statistics.
void USW_Build_Effect_List(int16_t unit_idx, Specials_List *list, int16_t *count);
// The list of a unit type; global_battle_unit filled by Prod_Load_Battle_Unit for that type.
void Prod_Build_Specials_List(int16_t unit_type, Specials_List *list, int16_t *count);
void ITEM_GetPowerNames(int16_t item_idx, char names[ITEM_POWER_LINES][ITEM_POWER_NAME_SIZE],
                        char descriptions[ITEM_POWER_LINES][ITEM_POWER_TEXT_SIZE], int16_t *count);
void Get_Unit_Enchantment_Names(int16_t unit_idx, char names[][UNIT_ENCHANTMENT_NAME_SIZE], int16_t *count);
