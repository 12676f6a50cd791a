// The item pool, the computer's equip rules and the Items screen's rules.
#include "Heroes_Fixture.h"
#include "cities/City_Records.h"

using namespace heroes_test;

namespace {

using ItemPool = Heroes_Test;
using ItemsScreen = Heroes_Test;

bool Free(int16_t item) { return _ITEMS[item].cost < 1; }

TEST_F(ItemPool, ComputerWithoutHeroesTurnsEveryItemIntoHalfItsCostInMana)
{
    _players[1].mana_reserve = 10;
    int16_t pool[3] = {Add_Item(0, it_Sword, 301), Add_Item(1, it_Misc, 100), Add_Item(2, it_Plate, 1)};
    Player_Process_Item_Pool(1, 3, pool);
    EXPECT_EQ(_players[1].mana_reserve, 10 + 150 + 50 + 0);
    for (int16_t item : pool) EXPECT_TRUE(Free(item));
}

TEST_F(ItemPool, NeutralPoolIsFreedAndAnEmptyPoolIgnored)
{
    int16_t pool[2] = {Add_Item(0, it_Sword, 300), Add_Item(1, it_Bow, 300)};
    Player_Process_Item_Pool(NEUTRAL_PLAYER_IDX, 2, pool);
    EXPECT_TRUE(Free(0));
    EXPECT_TRUE(Free(1));
    EXPECT_EQ(_players[NEUTRAL_PLAYER_IDX].mana_reserve, 0);
    Add_Item(2, it_Sword, 300);
    int16_t one[1] = {2};
    Player_Process_Item_Pool(1, 0, one);
    EXPECT_FALSE(Free(2));
}

TEST_F(ItemPool, KindTwoSlotTakesTheDearerBowOverAnyCheaperSword)
{
    Add_Hero(1, 0, 3, 2, 5, 6);
    int16_t candidates[4] = {Add_Item(0, it_Sword, 1999), Add_Item(1, it_Bow, 100), Add_Item(2, it_Bow, 200),
                             Add_Item(3, it_Sword, 2500)};
    int16_t count = 4;
    AI_Equip_Hero_Best_Items(1, 0, candidates, &count);
    EXPECT_EQ(_players[1].Heroes[0].Items[0], 3) << "2,500 beats a Bow of 200 + 2,000";
    count = 3;
    int16_t again[3] = {0, 1, 2};
    _players[1].Heroes[0].Items[0] = -1;
    AI_Equip_Hero_Best_Items(1, 0, again, &count);
    EXPECT_EQ(_players[1].Heroes[0].Items[0], 2);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(again[0], 0);
    EXPECT_EQ(again[1], 1);
}

TEST_F(ItemPool, AxeIsWorthNothingInTheFirstPassUnlessTheHeroThrows)
{
    const int type = 5;
    for (int8_t ranged : {(int8_t)-1, (int8_t)100}) {
        _unit_type_table[type].Ranged_Type = ranged;
        _units = 0;
        Add_Hero(1, 0, type, 1, 5, 6);
        int16_t candidates[2] = {Add_Item(0, it_Axe, 900), Add_Item(1, it_Sword, 100)};
        int16_t count = 2;
        AI_Equip_Hero_Best_Items(1, 0, candidates, &count);
        EXPECT_EQ(_players[1].Heroes[0].Items[0], ranged == 100 ? 0 : 1) << (int)ranged;
    }
}

TEST_F(ItemPool, SpellItemForAHeroWithoutSkillIsTakenOnlyInTheSecondPass)
{
    Add_Hero(1, 0, 2, 1, 5, 6);
    _HEROES2[1][2].Casting_Skill = 0;
    int16_t candidates[1] = {Add_Item(0, it_Misc, 400)};
    _ITEMS[0].spell_save = 2;
    int16_t count = 1;
    AI_Equip_Hero_Best_Items(1, 0, candidates, &count);
    EXPECT_EQ(_players[1].Heroes[0].Items[2], -1);
    EXPECT_EQ(count, 1);
    AI_Equip_Hero_Empty_Slots(1, 0, candidates, &count);
    EXPECT_EQ(_players[1].Heroes[0].Items[2], 0);
    EXPECT_EQ(count, 0);
}

TEST_F(ItemPool, CarriedItemsAreSharedAgainAndTheHigherTypeWins)
{
    Add_Hero(1, 0, 2, 1, 5, 6);
    Add_Hero(1, 1, 9, 1, 5, 6);
    _players[1].Heroes[0].Items[0] = Add_Item(0, it_Sword, 500);
    int16_t pool[1] = {Add_Item(1, it_Mace, 200)};
    Player_Process_Item_Pool(1, 1, pool);
    EXPECT_EQ(_players[1].Heroes[1].Items[0], 0);
    EXPECT_EQ(_players[1].Heroes[0].Items[0], 1);
    EXPECT_FALSE(Free(0));
    EXPECT_FALSE(Free(1));
}

TEST_F(ItemPool, ComputerCandidatesBeyondFortyBecomeMana)
{
    int16_t pool[45];
    for (int i = 0; i < 45; i++) pool[i] = Add_Item(i, it_Sword, 10);
    Player_Process_Item_Pool(1, 45, pool);
    EXPECT_EQ(_players[1].mana_reserve, 45 * 5);
    for (int16_t item : pool) EXPECT_TRUE(Free(item));
}

TEST_F(ItemPool, HumanPoolOfSevenPlacesAllSevenLeavingNoneUnowned)
{
    int16_t pool[7];
    for (int i = 0; i < 7; i++) pool[i] = Add_Item(i, it_Sword, 100);
    Player_Process_Item_Pool(0, 7, pool);
    int in_vault = 0;
    for (int k = 0; k < NUM_VAULT_PLACES; k++) in_vault += _players[0].Vault_Items[k] >= 0;
    int freed = 0;
    for (int16_t item : pool) freed += Free(item);
    EXPECT_EQ(in_vault, 4);
    EXPECT_EQ(freed, 3);
    EXPECT_EQ(_players[0].mana_reserve, 3 * 50);
    EXPECT_EQ(item_pool_active, 0);
    EXPECT_EQ(item_pool_item_idx, -1);
    EXPECT_EQ(item_cursor_item_idx, -1);
}

TEST_F(ItemPool, InstalledItemsScreenSeesRoundsOfSix)
{
    static std::vector<int> rounds;
    rounds.clear();
    Heroes_Services services = {};
    services.items_screen_pool = [] {
        rounds.push_back(item_pool_list_count);
        Heroes_Place_Pool_Unattended();
    };
    Heroes_Set_Services(services);
    int16_t pool[7];
    for (int i = 0; i < 7; i++) pool[i] = Add_Item(i, it_Sword, 100);
    Process_Item_Pool(7, pool);
    EXPECT_EQ(rounds, (std::vector<int>{6, 1}));
}

TEST_F(ItemsScreen, FitRuleBySlotKind)
{
    Add_Hero(0, 0, 1, 3, 2, 4);
    struct Case {
        uint8_t type;
        int slot;
        int16_t fits;
    } cases[] = {
        {it_Bow, 0, 0}, {it_Sword, 0, 1}, {it_Staff, 0, 1}, {it_Staff, 1, 0},
        {it_Bow, 1, 1}, {it_Mace, 1, 1},  {it_Wand, 2, 1},  {it_Sword, 2, 0},
    };
    for (const Case &c : cases) {
        Add_Item(0, c.type, 100);
        EXPECT_EQ(Item_Fits_Place(0, 0, (int16_t)c.slot), c.fits) << (int)c.type << " in slot " << c.slot;
        EXPECT_EQ(Item_Fits_Place(0, ITEM_PLACE_VAULT, 0), 1);
    }
}

TEST_F(ItemsScreen, VaultIsAlwaysFreeFortressAndLairSquaresAreFree)
{
    _FORTRESSES[0] = {5, 6, 0, 1};
    Add_Hero(0, 0, 1, 1, 5, 6, 5, 6, 0);
    Add_Hero(0, 1, 2, 1, 5, 6, 20, 20, 1);
    Add_Hero(0, 2, 3, 1, 5, 6, 20, 20, 1);
    item_pool_wx = 20;
    item_pool_wy = 20;
    item_pool_wp = 1;
    EXPECT_EQ(Check_Same_Location(0, ITEM_PLACE_VAULT), 1);
    EXPECT_EQ(Check_Same_Location(ITEM_SOURCE_VAULT, 0), 1);
    EXPECT_EQ(Check_Same_Location(ITEM_SOURCE_VAULT, 1), 0);
    EXPECT_EQ(Check_Same_Location(ITEM_SOURCE_LAIR, 1), 1);
    EXPECT_EQ(Check_Same_Location(ITEM_SOURCE_LAIR, 0), 0);
    EXPECT_EQ(Check_Same_Location(1, 2), 1);
    EXPECT_EQ(Check_Same_Location(0, 1), 0);
}

TEST_F(ItemsScreen, TeleportNeedsTwentyManaAndConfirmation)
{
    Install_Recorder();
    _FORTRESSES[0] = {5, 6, 0, 1};
    Add_Hero(0, 0, 1, 1, 5, 6, 30, 30, 0);
    for (int16_t mana : {(int16_t)19, (int16_t)20}) {
        shown = Shown{};
        _players[0].mana_reserve = mana;
        _players[0].Heroes[0].Items[0] = -1;
        Item_Cursor_Take(Add_Item(0, it_Sword, 100), ITEM_SOURCE_VAULT);
        Move_Item(0, 0);
        if (mana == 19) {
            EXPECT_EQ(_players[0].Heroes[0].Items[0], -1);
            EXPECT_EQ(item_cursor_item_idx, 0);
            ASSERT_EQ(shown.warnings.size(), 1u);
            EXPECT_EQ(shown.warnings[0], "You do not have enough mana crystals to transfer this item.");
            EXPECT_TRUE(shown.questions.empty());
        } else {
            EXPECT_EQ(_players[0].Heroes[0].Items[0], 0);
            EXPECT_EQ(_players[0].mana_reserve, 0);
            EXPECT_EQ(item_cursor_item_idx, -1);
            ASSERT_EQ(shown.questions.size(), 1u);
            EXPECT_EQ(shown.questions[0], "Do you wish to make this transfer at a cost of \x02"
                                          "20 mana crystals\x01?");
        }
    }
}

TEST_F(ItemsScreen, DecliningATeleportChangesNothingAndASwapPicksUpTheOccupant)
{
    Install_Recorder();
    shown.answer = 0;
    _FORTRESSES[0] = {5, 6, 0, 1};
    Add_Hero(0, 0, 1, 1, 5, 6, 30, 30, 0);
    _players[0].mana_reserve = 50;
    _players[0].Heroes[0].Items[0] = Add_Item(1, it_Mace, 100);
    Item_Cursor_Take(Add_Item(0, it_Sword, 100), ITEM_SOURCE_VAULT);
    Move_Item(0, 0);
    EXPECT_EQ(_players[0].Heroes[0].Items[0], 1);
    EXPECT_EQ(_players[0].mana_reserve, 50);
    shown.answer = 1;
    Move_Item(0, 0);
    EXPECT_EQ(_players[0].Heroes[0].Items[0], 0);
    EXPECT_EQ(item_cursor_item_idx, 1);
    EXPECT_EQ(item_cursor_source, 0);
    EXPECT_EQ(_players[0].mana_reserve, 30);
}

TEST_F(ItemsScreen, AnvilGivesHalfTheCostAfterConfirmation)
{
    Install_Recorder();
    Item_Cursor_Take(Add_Item(0, it_Sword, 301, "Keen Sword"), 0);
    Destroy_Item();
    EXPECT_EQ(_players[0].mana_reserve, 150);
    EXPECT_EQ(_ITEMS[0].cost, -1);
    EXPECT_EQ(item_cursor_item_idx, -1);
    ASSERT_EQ(shown.questions.size(), 1u);
    EXPECT_EQ(shown.questions[0], "Do you want to destroy your \x02Keen Sword\x01 and gain 150 mana crystals?");
}

TEST_F(ItemsScreen, HeroOnWaterKeepsItsOnlyFloatingItem)
{
    Install_Recorder();
    _world_maps[World_Square_Index(30, 30, 0)] = tt_Ocean;
    Add_Hero(0, 0, 1, 1, 5, 6, 30, 30, 0);
    _players[0].Heroes[0].Items[2] = Add_Item(0, it_Misc, 300);
    _ITEMS[0].Powers = ip_Water_Walking;
    Move_Item(0, 2);
    EXPECT_EQ(_players[0].Heroes[0].Items[2], 0);
    EXPECT_EQ(item_cursor_item_idx, -1);
    ASSERT_EQ(shown.warnings.size(), 1u);
    EXPECT_EQ(shown.warnings[0], "This unit will drown if the item is removed.");
    _world_maps[World_Square_Index(30, 30, 0)] = tt_Grasslands;
    Move_Item(0, 2);
    EXPECT_EQ(item_cursor_item_idx, 0);
}

}  // namespace

TEST_F(ItemsScreen, ReservesTurnToTheSmallFontAbove19999)
{
    struct Case {
        int16_t gold, mana, font;
    } cases[] = {{19999, 19999, 1}, {20000, 0, 0}, {0, 20000, 0}, {30000, 30000, 0}, {-5, 0, 1}};
    for (const Case &c : cases)
        EXPECT_EQ(Item_Screen_Reserve_Font(c.gold, c.mana), c.font) << c.gold << " gold, " << c.mana << " mana";
}
