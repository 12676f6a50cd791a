// Attack spells on units and stacks, the city counters, the destructive city and world spells, and
// the spells aimed at wizards.
#include <string>

#include "Log_Capture.h"
#include "Spells_Fixture.h"
#include "cities/City_Records.h"
#include "magic/Damage_Spells.h"
#include "magic/Magic_Services.h"
#include "magic/Spell_Counters.h"
#include "magic/Wizard_Spells.h"
#include "world/Item_Record.h"

using namespace spells_test;

namespace {

using DamageSpells = Spells_Test;

constexpr int BOLT = 91;
constexpr int DEATH_SPELL = 170;  // any spell of the Death realm

TEST_F(DamageSpells, UnitDamageCarriesOverFiguresAndRegenerationIgnoresOrdinaryDamage)
{
    Set_Damage_Spell(BOLT, 2, 5);
    struct Case {
        int8_t damage_before;
        uint32_t enchantments;
        uint16_t abilities;
        int power;
        int damage_after;  // -1 killed
    } cases[] = {
        {0, 0, 0, 5, 5},  // one figure of 3 lost, 2 on the next
        {2, 0, 0, 5, 7},  // added to the damage already taken
        {0, 0, 0, 12, -1}, {0, UE_REGENERATE, 0, 200, 0}, {4, 0, UA_REGENERATION, 200, 4},
    };
    for (const Case &c : cases) {
        _units = 0;
        Set_Type(FOOT, 3, 4, 0, 0, c.abilities);
        const int16_t unit = Add_Unit(FOOT, 1, 10, 10);
        _UNITS[unit].Damage = c.damage_before;
        _UNITS[unit].enchantments = c.enchantments;
        spells[BOLT].Param_Bytes[0] = (uint8_t)c.power;
        int16_t count = 0;
        int16_t items[18];
        Cast_Attack_Spell_On_Enemy_Unit(unit, BOLT, &count, items, 0);
        if (c.damage_after < 0) {
            EXPECT_FALSE(Alive(unit)) << c.power;
        } else {
            ASSERT_TRUE(Alive(unit)) << c.power;
            EXPECT_EQ(_UNITS[unit].Damage, c.damage_after) << c.power << " " << c.enchantments;
        }
    }
}

TEST_F(DamageSpells, KilledHeroLeavesItsItemsInTheFoundList)
{
    Set_Damage_Spell(BOLT, 2, 50);
    const int16_t hero = Add_Unit(HERO, 1, 10, 10);
    _UNITS[hero].Hero_Slot = 2;
    Hero_Slot_Record &slot = _players[1].Heroes[2];
    slot.unit_idx = hero;
    slot.Items[0] = 7;
    slot.Items[1] = -1;
    slot.Items[2] = 9;
    int16_t count = 0;
    int16_t items[18];
    Cast_Attack_Spell_On_Enemy_Unit(hero, BOLT, &count, items, 0);
    EXPECT_FALSE(Alive(hero));
    ASSERT_EQ(count, 2);
    EXPECT_EQ(items[0], 7);
    EXPECT_EQ(items[1], 9);
    EXPECT_EQ(slot.Items[0], -1);
    EXPECT_EQ(slot.Items[2], -1);
}

TEST_F(DamageSpells, CountersRunInOrderAndEveryCheckRuns)
{
    spells[DEATH_SPELL].magic_realm = 4;
    const int16_t city = Add_City(1, 20, 20);
    _CITIES[city].enchantments[ce_Consecration] = 2;
    _CITIES[city].enchantments[ce_Death_Ward] = 2;
    _CITIES[city].enchantments[ce_Life_Ward] = 2;
    _CITIES[city].enchantments[ce_Nightshade] = 2;
    _players[0].casting_cost_original = 0;  // difficulty 0: Nightshade always counters
    // The notices are read where the screens would show them.
    static std::string text;
    text.clear();
    Magic_Services services = magic_services;
    services.fizzle_scene = [](const char *notice) { text += std::string(notice) + "\n"; };
    Magic_Set_Services(services);
    EXPECT_EQ(Apply_Automatic_Spell_Counters(DEATH_SPELL, city, 0, 1), 0);
    Magic_Set_Services({});
    const size_t consecration = text.find("Consecration");
    const size_t ward = text.find("Death Ward");
    const size_t nightshade = text.find("Nightshade");
    ASSERT_NE(consecration, std::string::npos);
    ASSERT_NE(ward, std::string::npos);
    ASSERT_NE(nightshade, std::string::npos);
    EXPECT_LT(consecration, ward);
    EXPECT_LT(ward, nightshade);
    EXPECT_EQ(text.find("Life Ward"), std::string::npos);

    // A Life spell passes the Death protections; without Nightshade it passes.
    spells[DEATH_SPELL].magic_realm = 0;
    _CITIES[city].enchantments[ce_Nightshade] = 0;
    EXPECT_EQ(Apply_Automatic_Spell_Counters(DEATH_SPELL, city, 0, 0), 1);
}

TEST_F(DamageSpells, NightshadeChanceIsComputedInThirtyTwoBits)
{
    // Two squares against a difficulty of 300: 50,000 / 500 = 100 (16 bits would wrap 50,000).
    EXPECT_EQ(Nightshade_Chance(2, 300), 100);
    EXPECT_EQ(Nightshade_Chance(2, 0), 250);
    EXPECT_EQ(Nightshade_Chance(1, 32000), 0);

    // Count 2 against the caster's cost: the draws decide about 100 in 250.
    spells[DEATH_SPELL].magic_realm = 1;
    const int16_t city = Add_City(1, 20, 20);
    _CITIES[city].enchantments[ce_Nightshade] = 2;
    _players[0].casting_cost_original = 300;
    int countered = 0;
    for (int i = 0; i < 2500; i++) countered += Apply_Automatic_Spell_Counters(DEATH_SPELL, city, 0, 0) == 0;
    EXPECT_GT(countered, 850);
    EXPECT_LT(countered, 1150);
}

TEST_F(DamageSpells, CallTheVoidCorruptsAcrossTheEdgeAndSparesOnePopulation)
{
    spells[119].magic_realm = 2;
    Set_Damage_Spell(119, 2, 1);
    // Population 1 loses nothing; rows beyond the map at y 39 are skipped without harm.
    const int16_t city = Add_City(1, 0, 39, 0, 1);
    for (int i = 0; i < 20; i++) Apply_Call_The_Void(city);
    EXPECT_EQ(_CITIES[city].population, 1);
    int west = 0, east = 0, elsewhere = 0;
    for (int y = 0; y < 40; y++) {
        for (int x = 0; x < 60; x++) {
            if (!(Flags(x, y) & sf_Corruption)) continue;
            if (y >= 37 && x <= 2) {
                west++;
            } else if (y >= 37 && x >= 58) {
                east++;
            } else {
                elsewhere++;
            }
        }
    }
    EXPECT_GT(west, 0);
    EXPECT_GT(east, 0);  // x 58 and 59, across the seam
    EXPECT_EQ(elsewhere, 0);

    // A bigger city loses population by halves.
    const int16_t big = Add_City(1, 30, 20, 0, 9);
    Apply_Call_The_Void(big);
    EXPECT_GE(_CITIES[big].population, 1);
    EXPECT_LT(_CITIES[big].population, 9);
}

TEST_F(DamageSpells, BlackWindKillsFiguresOneByOne)
{
    spells[187].magic_realm = 4;
    Set_Type(FOOT, 3, 8, 5, 0, 0);  // resistance 5 - 1: about half the figures fail
    const int16_t unit = Add_Unit(FOOT, 1, 10, 10);
    Apply_Black_Wind(10, 10, 0, 187);
    ASSERT_TRUE(Alive(unit));
    EXPECT_GT(_UNITS[unit].Damage, 0);
    EXPECT_EQ(_UNITS[unit].Damage % 3, 0);  // whole figures
    EXPECT_LT(_UNITS[unit].Damage, 24);

    // No resistance: every figure fails and the unit dies.
    Set_Type(FOOT, 3, 8, 0, 0, 0);
    const int16_t weak = Add_Unit(FOOT, 1, 12, 12);
    Apply_Black_Wind(12, 12, 0, 187);
    EXPECT_FALSE(Alive(weak));
}

TEST_F(DamageSpells, GreatUnsummoningTakesTheCastersCreaturesButNotAWardedCity)
{
    spells[75].magic_realm = 1;
    const int16_t own = Add_Unit(CREATURE, 1, 5, 5);
    const int16_t foreign = Add_Unit(CREATURE, 0, 6, 6);
    const int16_t soldier = Add_Unit(FOOT, 0, 6, 6);
    const int16_t city = Add_City(0, 8, 8);
    _CITIES[city].enchantments[ce_Sorcery_Ward] = 1;
    const int16_t warded = Add_Unit(CREATURE, 0, 8, 8);
    Cast_Great_Unsummoning(1);
    EXPECT_FALSE(Alive(own));
    EXPECT_FALSE(Alive(foreign));
    EXPECT_TRUE(Alive(soldier));
    EXPECT_TRUE(Alive(warded));
}

TEST_F(DamageSpells, DeathWishSparesTheCasterAndCreatures)
{
    spells[199].magic_realm = 4;
    const int16_t own = Add_Unit(FOOT, 1, 5, 5);
    const int16_t creature = Add_Unit(CREATURE, 0, 6, 6);
    const int16_t victim = Add_Unit(FOOT, 0, 7, 7);
    Cast_Death_Wish(1);
    EXPECT_TRUE(Alive(own));
    EXPECT_TRUE(Alive(creature));
    EXPECT_FALSE(Alive(victim));
}

TEST_F(DamageSpells, EarthquakeNeverTouchesFlyers)
{
    const int16_t city = Add_City(1, 20, 20);
    int16_t flyers[5];
    for (int16_t &f : flyers) f = Add_Unit(FLYER, 1, 20, 20);
    for (int i = 0; i < 10; i++) {
        int16_t count = 0;
        int16_t items[18];
        Apply_Earthquake(city, &count, items);
    }
    for (int16_t f : flyers) EXPECT_TRUE(Alive(f));
}

TEST_F(DamageSpells, WizardSpellsTakeSkillManaAndFriends)
{
    // Skill 5 (points 21..30): loss 1, points 13, base skill 4.
    _players[1].spell_casting_skill = 25;
    ASSERT_EQ(Player_Base_Casting_Skill(1), 5);
    EXPECT_EQ(Apply_Cruel_Unminding(1), 1);
    EXPECT_EQ(+_players[1].spell_casting_skill, 13);  // a copy: the field is unaligned
    EXPECT_EQ(Player_Base_Casting_Skill(1), 4);

    _players[1].mana_reserve = 30;
    EXPECT_EQ(Apply_Drain_Power(1), 30);
    EXPECT_EQ(_players[1].mana_reserve, 0);

    // Subversion of wizard 1: wizard 2 thinks worse of it, the human's regard is not touched.
    _num_players = 3;
    _players[2].Dipl_Contacted[1] = 1;
    _players[2].Dipl_Relation[1] = -90;
    _players[2].peace_duration[1] = 5;
    _players[1].peace_duration[2] = 5;
    _players[0].Dipl_Contacted[1] = 1;
    _players[0].Dipl_Relation[1] = 40;
    _players[1].Dipl_Relation[0] = 40;
    Apply_Subversion(1);
    EXPECT_EQ(_players[2].Dipl_Relation[1], -100);
    EXPECT_EQ(_players[1].Dipl_Relation[2], -100);
    EXPECT_EQ(_players[2].peace_duration[1], 0);
    EXPECT_EQ(_players[1].peace_duration[2], 0);
    EXPECT_EQ(_players[0].Dipl_Relation[1], 40);
    EXPECT_EQ(_players[1].Dipl_Relation[0], 40);

    // Subversion of the human: every computer wizard in contact thinks worse of him.
    _players[1].Dipl_Contacted[0] = 1;
    _players[1].Dipl_Relation[0] = 10;
    _players[2].Dipl_Contacted[0] = 1;
    _players[2].Dipl_Relation[0] = 0;
    Apply_Subversion(0);
    EXPECT_EQ(_players[1].Dipl_Relation[0], -15);
    EXPECT_EQ(_players[2].Dipl_Relation[0], -25);
    EXPECT_EQ(_players[0].Dipl_Relation[2], -25);
}

}  // namespace
