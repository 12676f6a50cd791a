#include "Casting_Fixture.h"
#include "world/Dispel_Rules.h"

class CombatDispel : public Casting_Test {};

TEST_F(CombatDispel, ARunemasterDispelsAtTwiceTheManaAndTheStrongDispelAtThreeTimesMore)
{
    Spell(41, 18, 1, 30);
    Spell(42, 18, 1, 30);
    Spell(121, 1, 3, 120);  // Bless, the enchantment to dispel: difficulty 120
    _players[0].retorts[rtr_Runemaster] = 1;
    // A draw that 180 beats and 60 does not.
    uint32_t seed = 1;
    for (Set_Random_Seed(seed);
         !(Next_Dispel_Roll() > Dispel_Chance(60, 120) && Next_Dispel_Roll() <= Dispel_Chance(180, 120));
         Set_Random_Seed(++seed)) {
    }
    struct Case {
        int16_t spell;
        bool removed;
    } cases[] = {{41, false}, {42, true}};
    for (const Case &c : cases) {
        Set_Random_Seed(seed);
        Battle_Unit_Record &target = Unit(0, 1);
        target.Grid_X = 7, target.Grid_Y = 7;
        target.Combat_Enchantments = UE_BLESS;
        Combat_Cast_Apply_Spell_Effect(c.spell, 0, COMBAT_CASTER_WIZARD, 7, 7, 30, 1);
        EXPECT_EQ((target.Combat_Enchantments & UE_BLESS) == 0, c.removed) << "spell " << c.spell;
    }
}

TEST_F(CombatDispel, SpellLockShieldsEveryOtherEnchantment)
{
    Spell(54, 1, 1, 50);
    Spell(121, 1, 3, 1);
    const int16_t unit = Overland_Unit(1);
    Battle_Unit_Record &target = Unit(0, 1);
    target.unit_idx = unit;
    target.Grid_X = 7, target.Grid_Y = 7;
    _UNITS[unit].enchantments = UE_SPELLLOCK | UE_BLESS;
    target.Combat_Enchantments = UE_BLESS;
    for (int attempt = 0; attempt < 40 && (_UNITS[unit].enchantments & UE_SPELLLOCK); attempt++) {
        int16_t notices = 0;
        Combat_Cast_Dispel(7, 7, COMBAT_CASTER_WIZARD, 1000, &notices);
        EXPECT_EQ(target.Combat_Enchantments, UE_BLESS) << "nothing else goes while it holds";
        EXPECT_EQ(notices, 0);
    }
    EXPECT_FALSE(_UNITS[unit].enchantments & UE_SPELLLOCK) << "a strong dispel breaks it in the end";
    EXPECT_TRUE(_UNITS[unit].enchantments & UE_BLESS);
}

TEST_F(CombatDispel, AtMostFiveNoticesAndTheFifthIsTheGeneralRecord)
{
    Battle_Unit_Record &own = Unit(0, 0);
    own.Grid_X = 4, own.Grid_Y = 4;
    own.Curses = (int16_t)(BUC_VERTIGO | BUC_MIND_STORM | BUC_SHATTER | BUC_WEAKNESS | BUC_BLACK_SLEEP | BUC_WEB |
                           BUC_CREATURE_BINDING | BUC_HASTE);
    own.Web_Strength = 12;
    int16_t notices = 0;
    Combat_Cast_Dispel(4, 4, COMBAT_CASTER_WIZARD, 1, &notices);
    EXPECT_EQ(own.Curses, (int16_t)BUC_HASTE) << "the caster's own curses always go; haste stays";
    EXPECT_EQ(own.Web_Strength, 0);
    ASSERT_EQ(g_notices.size(), 5u);
    for (int i = 0; i < 4; i++) {
        EXPECT_NE(g_notices[i].text.find(" has been dispelled."), std::string::npos);
        EXPECT_EQ(g_notices[i].x, 160 + 10 * i);
        EXPECT_EQ(g_notices[i].y, 20 + 25 * i);
        EXPECT_EQ(g_notices[i].picture, 51);
    }
    EXPECT_EQ(g_notices[0].text, std::string(spell_data_table[53].name) + " has been dispelled.");
    EXPECT_EQ(g_notices[4].text, "");
    EXPECT_EQ(g_notices[4].record, 19);
    EXPECT_EQ(notices, 5);
}

TEST_F(CombatDispel, DisenchantSkipsTheNeutralSidesEnchantmentsButStillWorksOnUnits)
{
    Spell(128, 10, 3, 1);
    Spell(121, 1, 3, 1);
    _combat_defender_player = 5;
    combat_enchantments[1] = 1;
    Battle_Unit_Record &monster = Unit(0, 5);
    monster.Grid_X = 9, monster.Grid_Y = 9;
    monster.Combat_Enchantments = UE_BLESS;
    for (int i = 0; i < 30 && monster.Combat_Enchantments; i++) Combat_Cast_Disenchant(COMBAT_CASTER_WIZARD, 500);
    EXPECT_EQ(combat_enchantments[1], 1);
    EXPECT_EQ(monster.Combat_Enchantments, 0u);
}

TEST_F(CombatDispel, DisenchantRemovesTheOtherSidesBattleWideEnchantmentsWithNotices)
{
    Spell(128, 10, 3, 1);
    Spell(169, 10, 4, 1);
    combat_enchantments[1] = 1;  // the defender's
    combat_enchantments[0] = 1;  // the caster's own stays
    combat_enchantments[3] = 1;
    for (int i = 0; i < 30 && (combat_enchantments[1] || combat_enchantments[3]); i++) {
        Combat_Cast_Disenchant(COMBAT_CASTER_WIZARD, 1000);
    }
    EXPECT_EQ(combat_enchantments[1], 0);
    EXPECT_EQ(combat_enchantments[3], 0);
    EXPECT_EQ(combat_enchantments[0], 1);
    ASSERT_FALSE(g_notices.empty());
    EXPECT_EQ(g_notices[0].x, 160);
    EXPECT_EQ(g_notices[0].y, 40);
    EXPECT_EQ(g_notices[0].picture, 52);
}

TEST_F(CombatDispel, CounterMagicOfFiftyStopsASpellOfFiftyOnADrawOfAtMost125)
{
    EXPECT_EQ(Dispel_Chance(50, Calculate_Dispel_Difficulty(50, 1, REALM_CHAOS)), 125);
    for (uint32_t seed = 1; seed < 40; seed++) {
        Set_Random_Seed(seed);
        const int r = Next_Dispel_Roll();
        EXPECT_EQ(Combat_Spell_Dispel_Attempt(50, 50, 1, REALM_CHAOS), r <= 125 ? 1 : 0) << "draw " << r;
    }
}
