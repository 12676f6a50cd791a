// The unit view's specials list, the item power lines and the army list's enchantment names.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "World_Fixture.h"
#include "overland/Unit_Specials_List.h"
#include "overland/Unit_View_Figures.h"
#include "shell/Graphics_Cache.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit_Record.h"
#include "world/Item_Record.h"
#include "world/Player_Record.h"

namespace {

constexpr int16_t PLAIN_TYPE = 40;
constexpr int16_t HERO_TYPE = 5;

class Unit_View_Specials : public World_Test {
protected:
    Specials_List list{};
    int16_t count = -1;

    void SetUp() override
    {
        World_Test::SetUp();
        Unit_Type_Table_Reset();
        Unit_Type_Record &type = _unit_type_table[PLAIN_TYPE];
        type.Attribs_1 = type.Attribs_2 = 0;
        type.Abilities = type.Attack_Flags = type.Move_Flags = 0;
        type.Sight = 1;
        type.Construction = 0;
        _units = 1;
        _UNITS[0] = Unit_Record{};
        _UNITS[0].type = PLAIN_TYPE;
        _UNITS[0].owner_idx = 0;
        _UNITS[0].Hero_Slot = -1;
        memset(global_battle_unit, 0, sizeof *global_battle_unit);
        global_battle_unit->Ranged_Type = rk_None;
    }
    void TearDown() override
    {
        Unit_Type_Table_Reset();
        World_Test::TearDown();
    }
    std::vector<std::string> Rows()
    {
        memset(&list, 0x55, sizeof list);
        USW_Build_Effect_List(0, &list, &count);
        return Texts();
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < count; ++i) texts.emplace_back(list.text[i], strnlen(list.text[i], SPECIALS_TEXT_SIZE));
        return texts;
    }
    void Make_Hero(int16_t type, int8_t level)
    {
        _UNITS[0].type = (uint8_t)type;
        _UNITS[0].Hero_Slot = 0;
        _UNITS[0].Level = level;
        Hero_Slot_Record &slot = _players[0].Heroes[0];
        slot.unit_idx = 0;
        for (int p = 0; p < 3; ++p) slot.Items[p] = -1, slot.Item_Slots[p] = (int16_t)(p + 1);
        _HEROES2[0][type] = Hero_Record{};
    }
};

TEST_F(Unit_View_Specials, PlainRecruitHasOneRow)
{
    EXPECT_EQ(Rows(), std::vector<std::string>{"Recruit (0 ep)"});
    EXPECT_EQ(list.flag[0], -1);
    EXPECT_EQ(list.help[0], 527);
    _UNITS[0].Level = 3, _UNITS[0].XP = 140;
    EXPECT_EQ(Rows(), std::vector<std::string>{"Elite (140 ep)"});
    EXPECT_EQ(list.help[0], 530);
    _UNITS[0].type = 160;  // summoned: no level row
    _unit_type_table[160].Attribs_1 = _unit_type_table[160].Attribs_2 = 0;
    EXPECT_TRUE(Rows().empty());
    _UNITS[0].type = PLAIN_TYPE;
    _UNITS[0].mutations = UM_UNDEAD;
    EXPECT_EQ(Rows(), std::vector<std::string>{"Undead"});
}

TEST_F(Unit_View_Specials, AmmunitionCountsAndPlurals)
{
    struct Case {
        uint8_t kind;
        uint8_t ammo;
        const char *text;
    } cases[] = {{20, 8, "Arrows x8"}, {20, 1, "Arrow x1"},  {20, 2, "Arrows x2"},
                 {12, 3, "Rocks x3"},  {25, 1, "Bullet x1"}, {35, 4, "Spells x4"}};
    for (const Case &c : cases) {
        global_battle_unit->Ranged_Type = c.kind;
        global_battle_unit->Ammo = c.ammo;
        std::vector<std::string> rows = Rows();
        ASSERT_EQ(rows.size(), 2u) << c.text;
        EXPECT_EQ(rows[1], c.text);
        EXPECT_EQ(list.help[1], 542);
    }
    // A caster's spells are its mana, not ammunition.
    global_battle_unit->Attribs_1 = UI_CASTER_20;
    EXPECT_EQ(Rows().size(), 1u);
    global_battle_unit->Ranged_Type = 20;
    EXPECT_EQ(Rows().size(), 2u);
}

TEST_F(Unit_View_Specials, DoomGazeBringsDeathAndStoning)
{
    global_battle_unit->Ranged_Type = rk_Doom_Gaze;
    global_battle_unit->Ranged = 7;
    global_battle_unit->Spec_Att_Attr = 4;
    std::vector<std::string> expected{"Recruit (0 ep)", "Doom Gaze 7", "Death Gaze 4", "Stoning Gaze 4"};
    EXPECT_EQ(Rows(), expected);
    EXPECT_EQ(list.help[1], 447);
    EXPECT_EQ(list.help[2], 448);
    EXPECT_EQ(list.help[3], 446);
    global_battle_unit->Ranged_Type = rk_Stoning_Gaze;
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Recruit (0 ep)", "Stoning Gaze 4"}));
}

TEST_F(Unit_View_Specials, HeroSlotsSkillsAndSage)
{
    Make_Hero(HERO_TYPE, 0);
    _HEROES2[0][HERO_TYPE].abilities = hab_Sage;
    std::vector<std::string> expected{"Hero (0 ep)", "", "", "", "Sage 3 rp +3"};
    EXPECT_EQ(Rows(), expected);
    EXPECT_EQ(list.help[0], 533);
    for (int p = 1; p <= 3; ++p) {
        EXPECT_EQ(list.flag[p], -99);
        EXPECT_EQ(list.help[p], -(576 + p));
    }
    EXPECT_EQ(list.help[4], 522);
    // Level 2: Legendary (L+1)/3 = 1, super Blademaster (3L+3)/4 = 2, Lucky without a bonus.
    Make_Hero(HERO_TYPE, 2);
    _HEROES2[0][HERO_TYPE].abilities = hab_Legendary | hab_Blademaster_Super | hab_Lucky;
    expected = {"Captain (0 ep)", "", "", "", "Legendary +1", "Blademaster} +2", "Lucky"};
    EXPECT_EQ(Rows(), expected);
}

TEST_F(Unit_View_Specials, PathfindingIsOneRowHereAndTwoOnProduction)
{
    _unit_type_table[PLAIN_TYPE].Move_Flags = MV_FORESTER | MV_MOUNTAINEER;
    _unit_type_table[PLAIN_TYPE].Sight = 2;
    global_battle_unit->Move_Flags = MV_FORESTER | MV_MOUNTAINEER;
    global_battle_unit->Sight = 2;
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Recruit (0 ep)", "Scouting II", "Pathfinding"}));
    Prod_Load_Battle_Unit(PLAIN_TYPE, global_battle_unit);
    Prod_Build_Specials_List(PLAIN_TYPE, &list, &count);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Scouting II", "Forester", "Mountaineer"}));
}

TEST_F(Unit_View_Specials, EnchantmentRowsCarryTheirBit)
{
    _UNITS[0].enchantments = UE_WATERWALKING | UE_FLIGHT;
    _UNITS[0].mutations = UM_CHAOS_CHANNELS_DEMON_WINGS;
    global_battle_unit->Curses = BUC_WEB;
    std::vector<std::string> expected{"Recruit (0 ep)", "Web", "Chaos Channel", "Water Walking", "Flight"};
    EXPECT_EQ(Rows(), expected);
    EXPECT_EQ(list.flag[1], -1);
    EXPECT_EQ(list.flag[3], (int32_t)UE_WATERWALKING);
    EXPECT_EQ(list.flag[4], (int32_t)UE_FLIGHT);
    EXPECT_EQ(list.help[4], 466);

    char names[UNIT_ENCHANTMENT_NAME_SLOTS][UNIT_ENCHANTMENT_NAME_SIZE];
    int16_t n = 0;
    Get_Unit_Enchantment_Names(0, names, &n);
    ASSERT_EQ(n, 3);
    EXPECT_STREQ(names[0], "Water Walking");
    EXPECT_STREQ(names[1], "Flight");
    EXPECT_STREQ(names[2], "Chaos Channel");
}

TEST_F(Unit_View_Specials, PicturesComeFromTheCachedArchives)
{
    uint8_t pictures[NUM_SPECIAL_PICTS];
    for (int i = 0; i < NUM_SPECIAL_PICTS; ++i) special_seg[i] = &pictures[i];
    EXPECT_EQ(Special_Picture(110), &pictures[110]);
    EXPECT_EQ(Special_Picture(111), &pictures[111]);
    EXPECT_EQ(Special_Picture(145), nullptr);
    _UNITS[0].Level = 2;
    Rows();
    EXPECT_EQ(list.picture[0], &pictures[104]);
    for (int i = 0; i < NUM_SPECIAL_PICTS; ++i) special_seg[i] = nullptr;
}

// Every bit a hero can show at once: the list stops at its 40 rows and every text ends in a NUL,
// even item names that fill their 30 bytes.
TEST_F(Unit_View_Specials, CraftedHeroFillsTheListWithoutOverflow)
{
    Make_Hero(HERO_TYPE, 8);
    _UNITS[0].XP = 32767;
    _UNITS[0].enchantments = 0xFFFFFFFF;
    _UNITS[0].mutations = (uint8_t)~UM_UNDEAD;  // an undead hero has no level row
    _HEROES2[0][HERO_TYPE].abilities = 0xFFFFFFFF;
    _HEROES2[0][HERO_TYPE].Casting_Skill = 5;
    for (int p = 0; p < 3; ++p) {
        _players[0].Heroes[0].Items[p] = (int16_t)p;
        memset(_ITEMS[p].name, 'A' + p, sizeof _ITEMS[p].name);
        _ITEMS[p].icon_idx = 9999;
    }
    Unit_Type_Record &type = _unit_type_table[HERO_TYPE];
    type.Attribs_1 = 0xFFFF, type.Attribs_2 = 0xFF;
    Battle_Unit_Record &bu = *global_battle_unit;
    bu.Item_Enchantments = 0xFFFFFFFF;
    bu.Ranged_Type = rk_Doom_Gaze;
    bu.Move_Flags = 0xFFFF, bu.Abilities = 0xFFFF, bu.Attack_Flags = 0xFFFF, bu.Curses = 0x7FFF;
    bu.To_Hit = 3, bu.Construction = 5, bu.Sight = 9;

    struct Guarded {
        Specials_List list;
        uint8_t guard[64];
    } guarded;
    memset(&guarded, 0x55, sizeof guarded);
    USW_Build_Effect_List(0, &guarded.list, &count);
    EXPECT_EQ(count, SPECIALS_LIST_ROWS);
    for (uint8_t byte : guarded.guard) ASSERT_EQ(byte, 0x55);
    for (int i = 0; i < count; ++i)
        EXPECT_LT(strnlen(guarded.list.text[i], SPECIALS_TEXT_SIZE), (size_t)SPECIALS_TEXT_SIZE);
    EXPECT_EQ(std::string(guarded.list.text[1]), std::string(29, 'A'));
    EXPECT_EQ(guarded.list.flag[1], -99);
    EXPECT_EQ(guarded.list.help[3], 2);
    EXPECT_EQ(guarded.list.picture[1], nullptr);
    EXPECT_STREQ(guarded.list.text[0], "Demi-God (32767 ep)");

    // The production list of the same type stays inside its rows too.
    Prod_Build_Specials_List(HERO_TYPE, &guarded.list, &count);
    EXPECT_LE(count, SPECIALS_LIST_ROWS);
    for (uint8_t byte : guarded.guard) ASSERT_EQ(byte, 0x55);
}

TEST_F(Unit_View_Specials, ItemPowerLinesStopAtFive)
{
    Item_Record &item = _ITEMS[4];
    item = Item_Record{};
    item.attack = 2, item.tohit = 1, item.defense = 3, item.moves2 = 1, item.resistance = 4, item.spell_skill = 5;
    item.spell_save = 2;
    char names[ITEM_POWER_LINES][ITEM_POWER_NAME_SIZE];
    char descriptions[ITEM_POWER_LINES][ITEM_POWER_TEXT_SIZE];
    memset(descriptions, 'x', sizeof descriptions);
    int16_t n = 0;
    ITEM_GetPowerNames(4, names, descriptions, &n);
    ASSERT_EQ(n, 5);
    EXPECT_STREQ(names[0], "+2 Attack");
    EXPECT_STREQ(names[4], "+4 Resistance");
    for (auto &d : descriptions) EXPECT_STREQ(d, "");

    item = Item_Record{};
    item.spell_save = 2;
    item.Powers = ip_Vampiric | ip_Guardian_Wind;
    ITEM_GetPowerNames(4, names, descriptions, &n);
    ASSERT_EQ(n, 3);
    EXPECT_STREQ(names[0], "-2 Spell Save");
    EXPECT_STREQ(names[1], "Vampiric");
    EXPECT_STREQ(descriptions[1], ", life draining");
    EXPECT_STREQ(names[2], "Guardian Wind");
}

}  // namespace
