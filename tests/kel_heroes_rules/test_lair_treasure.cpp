// Entering sites and the treasure of a taken site.
#include "Heroes_Fixture.h"
#include "Log_Capture.h"
#include "heroes/Lairs.h"
#include "world/Items.h"

using namespace heroes_test;

namespace {

using LairTreasure = Heroes_Test;

Lair_Record &Site(int idx, uint8_t type, int16_t gold, int16_t mana, int items = 0)
{
    Lair_Record &lair = _LAIRS[idx];
    memset(&lair, 0, sizeof lair);
    lair.wx = 12;
    lair.wy = 14;
    lair.wp = 0;
    lair.Intact = 1;
    lair.type = type;
    lair.Loot_Gold = gold;
    lair.Loot_Mana = mana;
    lair.Item_Count = (int8_t)items;
    for (int i = 0; i < items; i++) lair.Item_Values[i] = 300;
    return lair;
}

std::string Text(int lair, Lair_Treasure treasure)
{
    char text[LAIR_TEXT_ROOM];
    Lair_Treasure_Text((int16_t)lair, &treasure, text, sizeof text);
    return text;
}

Lair_Treasure Treasure(std::initializer_list<int16_t> items, std::initializer_list<int16_t> specials = {})
{
    Lair_Treasure t = {};
    t.spell = -1;
    t.hero_slot = -1;
    for (int16_t i : items) t.items[t.item_count++] = i;
    for (int16_t s : specials) t.specials[t.special_count++] = s;
    return t;
}

TEST_F(LairTreasure, TreasureTexts)
{
    Add_Item(0, it_Sword, 100);
    Add_Item(1, it_Sword, 100);
    Add_Item(2, it_Shield, 100);
    Add_Item(3, it_Axe, 100);
    Site(0, 8, 300, 50);
    Site(1, 2, 0, 0);
    struct Case {
        int lair;
        Lair_Treasure treasure;
        int phrases;
        const char *text;
    } cases[] = {
        {0, Treasure({0}), 3, "Inside you find 300 gold, 50 mana crystals and a Sword."},
        {1, Treasure({}, {0, 0}), 2, "Inside you find 2 Nature spell books."},
        {1, Treasure({0, 1, 2}), 3, "Inside you find 2 Swords and a Shield."},
        {1, Treasure({3}, {100 + rtr_Sage_Master}), 2, "Inside you find a retort of Sage Master and an Axe."},
        {1, Treasure({}), 0, "Inside you find absolutely nothing."},
        {1, Treasure({}, {1, 3}), 2, "Inside you find 1 Sorcery spell book and 1 Life spell book."},
    };
    for (Case &c : cases) {
        c.treasure.total = (int16_t)c.phrases;
        EXPECT_EQ(Text(c.lair, c.treasure), c.text);
    }
}

TEST_F(LairTreasure, TakingATowerClearsBothPlanes)
{
    Site(3, 0, 0, 0);
    Lair_Record &other = Site(7, 0, 0, 0);
    other.wp = 1;
    Site(8, 5, 0, 0).wx = 40;
    Lair_Clear(3);
    EXPECT_EQ(_LAIRS[3].Intact, 0);
    EXPECT_EQ(_LAIRS[7].Intact, 0);
    EXPECT_EQ(_LAIRS[8].Intact, 1);
    Site(9, 5, 0, 0);
    Site(10, 5, 0, 0).wp = 1;
    Lair_Clear(9);
    EXPECT_EQ(_LAIRS[10].Intact, 1) << "only towers stand on both planes";
}

TEST_F(LairTreasure, DeclinedGuardedSiteStaysIntactWithItsBoxShown)
{
    Log_Capture log;
    Lair_Record &lair = Site(0, 8, 300, 50, 1);
    lair.guard1_unit_type = 155;
    lair.guard1_count = 0x33;
    _players[0].gold_reserve = 100;
    EXPECT_EQ(Lair_Combat__WIP(0, 0), 99);
    EXPECT_EQ(lair.Intact, 1);
    EXPECT_EQ(lair.Misc_Flags & 0x02, 0x02);
    EXPECT_EQ(lair.Misc_Flags & 0x04, 0);
    EXPECT_EQ(_players[0].gold_reserve, 100);
    const std::string text = log.Finish();
    EXPECT_NE(text.find("[LAIR] You have found a monster lair.  Scouts have spotted "), std::string::npos) << text;
    EXPECT_NE(text.find(" within the monster lair.  Do you wish to enter?"), std::string::npos) << text;
}

TEST_F(LairTreasure, EnteredGuardedSiteWithoutABattleIsNotTaken)
{
    Heroes_Services services = {};
    services.lair_confirm = [](int16_t, const char *, int16_t) -> int16_t { return 1; };
    Heroes_Set_Services(services);
    Lair_Record &lair = Site(0, 8, 300, 50, 1);
    lair.guard1_unit_type = 155;
    lair.guard1_count = 3;
    Add_Unit(30, 0, 12, 14, 0);
    EXPECT_EQ(Lair_Combat__WIP(0, 0), 0);
    EXPECT_EQ(lair.Intact, 1);
    EXPECT_EQ(lair.Misc_Flags & 0x06, 0x06);
}

TEST_F(LairTreasure, UnguardedSiteGivesGoldManaAndItsItemThroughThePool)
{
    Log_Capture log;
    Site(0, 8, 300, 50, 1);
    _players[0].gold_reserve = 10;
    _players[0].mana_reserve = 20;
    EXPECT_EQ(Lair_Combat__WIP(0, 0), 1);
    EXPECT_EQ(_LAIRS[0].Intact, 0);
    EXPECT_EQ(_players[0].gold_reserve, 310);
    EXPECT_EQ(_players[0].mana_reserve, 70);
    const int16_t item = _players[0].Vault_Items[0];
    ASSERT_GE(item, 0);
    EXPECT_GT(_ITEMS[item].cost, 0);
    const std::string text = log.Finish();
    const std::string type = Get_Item_Type_Name(item);
    const std::string article = std::string(strchr("AEIOU", type[0]) ? "an" : "a");
    EXPECT_NE(text.find("[LAIR] You have found a monster lair.\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[LAIR] Inside you find 300 gold, 50 mana crystals and " + article + " " + type + "."),
              std::string::npos)
        << text;
}

TEST_F(LairTreasure, ComputerSiteItemsGoThroughItsPool)
{
    Site(0, 5, 0, 0, 2);
    _players[1].mana_reserve = 0;
    EXPECT_EQ(Lair_Combat__WIP(0, 1), 1);
    EXPECT_GT(_players[1].mana_reserve, 0) << "no heroes: the items became mana";
    for (int i = 0; i < NUM_LIVE_ITEMS; i++) EXPECT_LT(_ITEMS[i].cost, 1) << i;
}

TEST_F(LairTreasure, FullWizardGetsAnExtraItemOrAThousandMana)
{
    Player_Record &wizard = _players[1];
    for (int r = 0; r < 6; r++) wizard.retorts[r + 10] = 1;
    wizard.spellranks[0] = 7;
    wizard.spellranks[1] = 6;
    for (int items : {1, 3}) {
        Lair_Record &lair = Site(0, 8, 0, 0, items);
        lair.Spell_n_Special = 6;
        Lair_Treasure treasure;
        Lair_Generate_Treasure(1, 0, &treasure);
        EXPECT_EQ(treasure.special_count, 0);
        if (items == 1) {
            EXPECT_EQ(treasure.item_count, 2);
            EXPECT_EQ(lair.Loot_Mana, 0);
        } else {
            EXPECT_EQ(treasure.item_count, 3);
            EXPECT_EQ(lair.Loot_Mana, 1000);
        }
        EXPECT_EQ(treasure.total, treasure.item_count + (lair.Loot_Mana > 0));
        for (int i = 0; i < treasure.item_count; i++) Remove_Item(treasure.items[i]);
    }
}

TEST_F(LairTreasure, SiteManaSaturates)
{
    Player_Record &wizard = _players[1];
    for (int r = 0; r < 6; r++) wizard.retorts[r + 10] = 1;
    wizard.spellranks[0] = 13;
    Lair_Record &lair = Site(0, 8, 0, 32000, 3);
    lair.Spell_n_Special = 5;
    Lair_Treasure treasure;
    Lair_Generate_Treasure(1, 0, &treasure);
    EXPECT_EQ(lair.Loot_Mana, 32767);
}

TEST_F(LairTreasure, BookRealmsBySiteType)
{
    const int16_t expected[NUM_LAIR_TYPES] = {0, 2, 0, 1, -1, 4, 3, 4, -1, 4, 3};
    for (int type = 0; type < NUM_LAIR_TYPES; type++) {
        Site(0, (uint8_t)type, 0, 0);
        const int16_t realm = Lair_Magic_Realm(0);
        if (expected[type] >= 0) {
            EXPECT_EQ(realm, expected[type]) << type;
        } else {
            EXPECT_GE(realm, 0);
            EXPECT_LE(realm, 4);
        }
    }
}

}  // namespace
