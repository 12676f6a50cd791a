// Item making: costs, names, records, prefabs and random items.
#include "Heroes_Fixture.h"
#include "random.h"

using namespace heroes_test;

namespace {

using ItemMake = Heroes_Test;

Item_Make_Choice Choice(int16_t type, std::initializer_list<int16_t> powers)
{
    Item_Make_Choice choice;
    Item_Make_Clear_Choice(&choice, type);
    for (int16_t p : powers) choice.powers[choice.power_count++] = p;
    return choice;
}

std::string Name(const Item_Make_Choice &choice)
{
    char name[ITEM_NAME_ROOM];
    Item_Make_Compose_Name(choice, name);
    return name;
}

TEST_F(ItemMake, CostOfChargesAndOfMiscStatPowers)
{
    spells[10].casting_cost = 20;
    Item_Make_Choice staff = Choice(it_Staff, {ITEM_POWER_CHARGES});
    staff.spell = 10;
    staff.charges = 4;
    EXPECT_EQ(Item_Make_Compute_Cost(staff), 300 + 1600);
    spells[10].casting_cost = 500;
    EXPECT_EQ(Item_Make_Compute_Cost(staff), ITEM_COST_CAP) << "500 x 4 x 20 saturates";
    EXPECT_EQ(Item_Make_Compute_Cost(Choice(it_Misc, {7})), 50 + 2 * 80);
    EXPECT_EQ(Item_Make_Compute_Cost(Choice(it_Sword, {7})), 100 + 80);
    EXPECT_EQ(Item_Make_Compute_Cost(Choice(it_Misc, {35})), 50 + 200) << "magic powers are not doubled";
}

TEST_F(ItemMake, Names)
{
    snprintf(spells[10].name, sizeof spells[10].name, "Fire Bolt");
    Item_Make_Choice charged = Choice(it_Wand, {ITEM_POWER_CHARGES});
    charged.spell = 10;
    charged.charges = 3;
    snprintf(item_powers[40].name, sizeof item_powers[40].name, "Invulnerability");
    snprintf(spells[11].name, sizeof spells[11].name, "Seventeen Letters");
    Item_Make_Choice long_charged = Choice(it_Staff, {ITEM_POWER_CHARGES});
    long_charged.spell = 11;
    long_charged.charges = 2;
    struct Case {
        Item_Make_Choice choice;
        const char *name;
    } cases[] = {
        {Choice(it_Sword, {2, 35}), "+3 Sword of Lightning"},
        {Choice(it_Sword, {35, 2}), "+3 Sword of Lightning"},
        {Choice(it_Sword, {2}), "+3 Sword"},
        {Choice(it_Shield, {7, 20}), "+2 Shield of Protection"},
        {Choice(it_Shield, {2}), "Shield of Strength"},
        {Choice(it_Mace, {13}), "Mace of Accuracy"},
        {Choice(it_Plate, {6}), "+1 Plate"},
        {charged, "Wand of Fire Bolt x3"},
        {long_charged, "Staff of Seventeen Letters"},
        {Choice(it_Chain, {8, 40}), "Chain of Invulnerability"},
    };
    for (const Case &c : cases) EXPECT_EQ(Name(c.choice), c.name);
    EXPECT_EQ(std::string("+3 Chain of Invulnerability").size(), 27u) << "so the prefix goes";
}

TEST_F(ItemMake, NameIsCutToTwentyNineCharacters)
{
    snprintf(item_powers[40].name, sizeof item_powers[40].name, "Abcdefghijklmnopq");
    EXPECT_LE(Name(Choice(it_Misc, {40})).size(), 29u);
}

TEST_F(ItemMake, RecordFromTheChoice)
{
    Item_Make_Choice plate = Choice(it_Plate, {6, 16});
    Item_Make_Fill_Record(plate, "+1 Plate", ITEM_BEING_BUILT);
    const Item_Record &item = _ITEMS[ITEM_BEING_BUILT];
    EXPECT_EQ(item.defense, 3);
    EXPECT_EQ(item.moves2, 4);
    EXPECT_EQ(item.Slot_Type, 5);
    EXPECT_EQ(item.cost, 300 + 40 + 60);
    Item_Make_Fill_Record(Choice(it_Staff, {26, 30, 36}), "x", ITEM_BEING_BUILT);
    EXPECT_EQ(item.spell_skill, 10);
    EXPECT_EQ(item.spell_save, 2);
    EXPECT_EQ((uint32_t)item.Powers, 1u << 3);
    EXPECT_EQ(item.Slot_Type, 4);
}

TEST_F(ItemMake, SameGroupReplacesAndTypeChangeDropsWhatTheTypeCannotTake)
{
    Item_Make_Choice choice = Choice(it_Sword, {});
    Item_Make_Choose_Power(&choice, 1);
    Item_Make_Choose_Power(&choice, 35);
    Item_Make_Choose_Power(&choice, 3);
    ASSERT_EQ(choice.power_count, 2);
    EXPECT_EQ(choice.powers[0], 35);
    EXPECT_EQ(choice.powers[1], 3);
    Item_Make_Choose_Power(&choice, 36);
    Item_Make_Choose_Power(&choice, 37);
    EXPECT_EQ(Item_Make_Choose_Power(&choice, 38), 0) << "a fifth power";
    EXPECT_EQ(choice.power_count, 4);
    Item_Make_Choose_Power(&choice, 37);
    EXPECT_EQ(choice.power_count, 3) << "a chosen power clicked again goes";
    Item_Make_Choose_Power(&choice, 7);
    Item_Make_Change_Type(&choice, it_Shield);
    EXPECT_EQ(choice.type, it_Shield);
    EXPECT_EQ(choice.icon, 62);
    for (int i = 0; i < choice.power_count; i++) EXPECT_GT(choice.powers[i], 5) << "attack powers dropped";
    EXPECT_EQ(choice.power_count, 3);
}

TEST_F(ItemMake, NoRecordLeftGivesMinusOneAndSpendsNoPrefab)
{
    for (int i = 0; i < NUM_LIVE_ITEMS; i++) Add_Item(i, it_Sword, 100);
    for (int p = 0; p < NUM_PREFAB_ITEMS; p++) prefab_items[p].item.cost = 100;
    const int16_t books[5] = {};
    EXPECT_EQ(Make_Item(0, books, 0), -1);
    for (int p = 0; p < NUM_PREFAB_ITEMS; p++) EXPECT_EQ(_prefab_item_table[p], 0) << p;
    _ITEMS[77].cost = 0;
    EXPECT_EQ(Make_Item(0, books, 0), 77);
}

TEST_F(ItemMake, PrefabsByKindBooksAndValue)
{
    for (int p = 0; p < NUM_PREFAB_ITEMS; p++) {
        Prefab_Item_Record &prefab = prefab_items[p];
        snprintf(prefab.item.name, sizeof prefab.item.name, "Prefab %d", p);
        prefab.item.type = it_Misc;
        prefab.item.cost = (int16_t)(100 + 10 * p);
        prefab.item.moves2 = 1;
        prefab.large = (uint8_t)(p % 2);
        prefab.books[2] = (uint8_t)(p % 3 == 0 ? 2 : 0);
    }
    const int16_t books[5] = {0, 0, 1, 0, 0};
    for (int kind = 1; kind <= 2; kind++) {
        for (int n = 0; n < 20; n++) {
            const int16_t item = Make_Item((int16_t)kind, books, 1000);
            ASSERT_GE(item, 0);
            const int p = atoi(_ITEMS[item].name + 7);
            if (strncmp(_ITEMS[item].name, "Prefab", 6) != 0) continue;  // a random item after 50 misses
            EXPECT_EQ(prefab_items[p].large, kind == 2 ? 1 : 0);
            EXPECT_NE(p % 3, 0) << "needs 2 Chaos books";
            EXPECT_LE(_ITEMS[item].cost, 1000);
            EXPECT_GE(_ITEMS[item].cost, 500);
            EXPECT_EQ(_ITEMS[item].moves2, 2) << "whole moves doubled";
            EXPECT_EQ(_prefab_item_table[p], 1);
        }
    }
}

TEST_F(ItemMake, RandomItemsEndForEverySeedKindAndLimit)
{
    // Staff, Wand and Misc take no stat power here but the first ones.
    for (int p = 0; p < ITEM_STAT_POWERS; p++) item_powers[p].type_mask &= 0x38F;
    for (int kind = 0; kind <= 2; kind++) {
        for (int16_t limit : {(int16_t)0, (int16_t)1, (int16_t)200, (int16_t)30000}) {
            for (uint32_t seed = 1; seed <= 10000; seed++) {
                Set_Random_Seed(seed);
                Create_Random_Item((int16_t)kind, limit);
                const Item_Record &item = _ITEMS[ITEM_BEING_BUILT];
                ASSERT_LT(item.type, NUM_ITEM_TYPES);
                ASSERT_GE(item.icon_idx, item_type_table[item.type].first_icon);
                ASSERT_LT(item.icon_idx, item_type_table[item.type].first_icon + item_type_table[item.type].icon_count);
                ASSERT_GT(item.cost, 0);
            }
        }
    }
}

TEST_F(ItemMake, TypeNames)
{
    struct Case {
        uint8_t type;
        int16_t icon;
        const char *name;
    } cases[] = {{it_Sword, 0, "Sword"}, {it_Plate, 55, "Plate"},   {it_Misc, 77, "Amulet"}, {it_Misc, 78, "Ring"},
                 {it_Misc, 89, "Cloak"}, {it_Misc, 90, "Gauntlet"}, {it_Misc, 100, "Helm"},  {it_Misc, 101, "Orb"}};
    for (const Case &c : cases) {
        Add_Item(0, c.type, 100);
        _ITEMS[0].icon_idx = c.icon;
        EXPECT_STREQ(Get_Item_Type_Name(0), c.name);
    }
}

}  // namespace

namespace {

std::vector<int16_t> Column(const Item_Make_Power_List &list, int c)
{
    return std::vector<int16_t>(list.column[c], list.column[c] + list.count[c]);
}

}  // namespace

TEST_F(ItemMake, PowerListColumnsMoveWholeGroupsAndFollowBooksAndLimit)
{
    Item_Make_Power_List list;
    Item_Make_Build_Power_List(0, it_Sword, 10000, &list);
    using V = std::vector<int16_t>;
    EXPECT_EQ(Column(list, 0), (V{0, 1, 2, 3, 4, 5, -1, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(Column(list, 1), (V{12, 13, 14, -1, 19, 20, 21, 22, 23, 24})) << "To Hit would make 17: it moves whole";
    EXPECT_EQ(list.count[2], 32) << "the magic powers, without the charges a Sword cannot hold";

    Item_Make_Build_Power_List(0, it_Sword, 200, &list);
    EXPECT_EQ(Column(list, 0), (V{0, 1, 2, 3, -1, 6, 7, 8, 9, 10, -1, 12, 13, 14}));
    EXPECT_EQ(Column(list, 1), (V{19, 20, 21, 22, 23, 24}));

    item_powers[40].book_realm = 1;
    item_powers[40].books_needed = 3;
    _players[0].spellranks[1] = 2;
    Item_Make_Build_Power_List(0, it_Staff, 200, &list);
    const V third = Column(list, 2);
    EXPECT_EQ(std::count(third.begin(), third.end(), 40), 0) << "two books of three";
    EXPECT_EQ(std::count(third.begin(), third.end(), ITEM_POWER_CHARGES), 1) << "a Staff holds charges";
    _players[0].spellranks[1] = 3;
    Item_Make_Build_Power_List(0, it_Staff, 200, &list);
    const V with_books = Column(list, 2);
    EXPECT_EQ(std::count(with_books.begin(), with_books.end(), 40), 1);
}

TEST_F(ItemMake, SpellListHoldsKnownSpellsNotBoundToOnePlace)
{
    memset(_players[0].spells_list, 0, sizeof _players[0].spells_list);
    _players[0].spells_list[4] = 2;  // spell 5
    _players[0].spells_list[5] = 2;  // spell 6, cast in one place only
    spells[6].Eligibility = 1;
    _players[0].spells_list[6] = 1;    // spell 7, being researched
    _players[0].spells_list[212] = 2;  // spell 213, cast in one place only
    spells[213].Eligibility = 5;
    _players[0].spells_list[213] = 2;  // spell 214, the last of the table
    _players[0].spells_list[229] = 2;  // beyond the table
    int16_t list[ITEM_MAKE_SPELL_ROOM];
    ASSERT_EQ(Item_Make_Build_Spell_List(0, list), 2);
    EXPECT_EQ(list[0], 5);
    EXPECT_EQ(list[1], 214);
}
