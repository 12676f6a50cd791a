// The magic screen's rules: balancing the staves, alchemy and the list of global enchantments.
#include "Magic_Rules_Fixture.h"
#include "magic/Alchemy.h"
#include "magic/Magic_Staves.h"
#include "magic/Overland_Enchantment_List.h"

namespace {

class MagicScreen : public Magic_Rules_Test {};

TEST_F(MagicScreen, StavesSettleOneDragAgainstTheOthersAndTheirLocks)
{
    struct Case {
        const char *what;
        int16_t before[3];  // skill, research, mana
        int16_t dragged[3];
        int16_t locked[3];
        int16_t after[3];
    };
    const Case cases[] = {
        {"skill up 5, none locked: 4, and 2 from each", {15, 15, 20}, {20, 15, 20}, {0, 0, 0}, {19, 13, 18}},
        {"research at 0 gives nothing, mana all", {10, 0, 40}, {15, 0, 40}, {0, 0, 0}, {14, 0, 36}},
        {"research locked, mana runs out", {10, 30, 10}, {30, 30, 10}, {0, 1, 0}, {20, 30, 0}},
        {"both others locked: snaps back", {10, 30, 10}, {30, 30, 10}, {0, 1, 1}, {10, 30, 10}},
        {"a locked stave cannot be dragged", {10, 30, 10}, {30, 30, 10}, {1, 0, 0}, {10, 30, 10}},
        {"research down 4 gives 2 to skill and mana", {10, 30, 10}, {10, 26, 10}, {0, 0, 0}, {12, 26, 12}},
        {"mana moved: research first, then skill", {20, 20, 10}, {20, 20, 16}, {0, 0, 0}, {17, 17, 16}},
    };
    for (const Case &c : cases) {
        int16_t pos[3] = {c.dragged[0], c.dragged[1], c.dragged[2]};
        int16_t before[3] = {c.before[0], c.before[1], c.before[2]};
        Magic_Staves_Balance(pos, before, c.locked);
        for (int k = 0; k < 3; k++) {
            EXPECT_EQ(pos[k], c.after[k]) << c.what << ", stave " << k;
            EXPECT_EQ(before[k], c.after[k]) << c.what;
        }
        EXPECT_EQ(pos[0] + pos[1] + pos[2], 50) << c.what;
    }
}

TEST_F(MagicScreen, AlchemyConvertsHalfTheBarsAmountWithoutTheRetort)
{
    EXPECT_EQ(Alchemy_Amount(100, 53), 100);
    EXPECT_EQ(Alchemy_Amount(100, 28), 50);
    EXPECT_EQ(Alchemy_Amount(100, 3), 0);
    EXPECT_EQ(Alchemy_Amount(5000, 53), 999);
    EXPECT_EQ(Alchemy_Amount(30000, 53), 999) << "wide arithmetic: no wrap past 656";
    EXPECT_EQ(Alchemy_Amount(30000, 4), 19);

    Player_Record &human = _players[0];
    human.gold_reserve = 100;
    human.mana_reserve = 10;
    Alchemy_Convert(0, 1, Alchemy_Amount(human.gold_reserve, 53));
    EXPECT_EQ(human.gold_reserve, 0);
    EXPECT_EQ(human.mana_reserve, 60);

    human.gold_reserve = 5000;
    Alchemy_Convert(0, 1, Alchemy_Amount(human.gold_reserve, 53));
    EXPECT_EQ(human.gold_reserve, 4001);
    EXPECT_EQ(human.mana_reserve, 60 + 499);

    human.retorts[rtr_Alchemy] = 1;
    Alchemy_Convert(0, 0, 59);
    EXPECT_EQ(human.mana_reserve, 500);
    EXPECT_EQ(human.gold_reserve, 4060) << "the retort converts at par";
}

TEST_F(MagicScreen, TheEnchantmentListNamesEverySlotInForceWithItsOwner)
{
    // The slot's spell comes from the fixed slot table, whatever the spell records say.
    for (int16_t slot = 0; slot < 24; slot++) {
        spell_data_table[100 + slot].type = 9;
        spell_data_table[100 + slot].Param_Bytes[0] = (uint8_t)slot;
    }
    for (int slot = 0; slot < 19; slot++) _players[slot % 2].Globals[slot] = (uint8_t)(slot % 2 + 1);
    _players[5].Globals[3] = 6;
    Build_Overland_Enchantment_List();
    ASSERT_EQ(ovl_ench_cnt, 20);
    EXPECT_EQ(ovl_ench_list_spells[0], spl_Death_Very_Rare_7);  // slot 0
    EXPECT_EQ(ovl_ench_list_players[0], 0);
    EXPECT_EQ(ovl_ench_list_spells[10], spl_Death_Very_Rare_8);  // slot 1
    EXPECT_EQ(ovl_ench_list_players[10], 1);
    EXPECT_EQ(ovl_ench_list_spells[19], spl_Sorcery_Uncommon_9);  // slot 3
    EXPECT_EQ(ovl_ench_list_players[19], 5);
    EXPECT_EQ(ovl_ench_list_players[20], OVL_ENCH_NO_OWNER);
}

}  // namespace
