// What city and global enchantments do each turn.
#include "Geometry.h"
#include "Spells_Fixture.h"
#include "magic/Enchantment_Effects.h"
#include "world/Square_Queries.h"

using namespace spells_test;

namespace {

using PerTurnEnchantments = Spells_Test;

TEST_F(PerTurnEnchantments, ConsecrationLiftsCursesAndCleansTheArea)
{
    const int16_t city = Add_City(0, 1, 10);
    for (int e : {ce_Chaos_Rift, ce_Evil_Presence, ce_Cursed_Lands, ce_Famine, ce_Pestilence, ce_Dark_Rituals}) {
        _CITIES[city].enchantments[e] = 2;
    }
    Flags(59, 10) |= sf_Corruption;  // across the seam, in the area
    Flags(4, 10) |= sf_Corruption;   // outside it
    Apply_Consecration(city);
    for (int e : {ce_Chaos_Rift, ce_Evil_Presence, ce_Cursed_Lands, ce_Famine, ce_Pestilence}) {
        EXPECT_EQ(_CITIES[city].enchantments[e], 0) << e;
    }
    EXPECT_EQ(_CITIES[city].enchantments[ce_Dark_Rituals], 2);
    EXPECT_FALSE(Flags(59, 10) & sf_Corruption);
    EXPECT_TRUE(Flags(4, 10) & sf_Corruption);
}

TEST_F(PerTurnEnchantments, StreamOfLifeHealsTheLivingOnly)
{
    const int16_t city = Add_City(0, 10, 10);
    const int16_t living = Add_Unit(FOOT, 0, 10, 10);
    const int16_t undead = Add_Unit(FOOT, 0, 10, 10);
    _UNITS[living].Damage = 5;
    _UNITS[undead].Damage = 5;
    _UNITS[undead].mutations = UM_UNDEAD;
    Apply_Stream_Of_Life(city);
    EXPECT_EQ(_UNITS[living].Damage, 0);
    EXPECT_EQ(_UNITS[undead].Damage, 5);
}

TEST_F(PerTurnEnchantments, ChaosRiftReStrikesAndReportsTheHumansLosses)
{
    Set_Damage_Spell(91, 2, 8);
    const int16_t city = Add_City(0, 10, 10);
    const int16_t a = Add_Unit(FOOT, 0, 10, 10);
    const int16_t b = Add_Unit(FOOT, 0, 10, 10);
    Set_Type(FOOT, 3, 2, 0, 0, 0);  // 6 hits: one bolt of 8 kills
    Apply_Chaos_Rift(city);
    EXPECT_FALSE(Alive(a));
    EXPECT_FALSE(Alive(b));
    ASSERT_EQ(MSG_UnitKilled_Count, 2);
    EXPECT_EQ(MSG_UnitKilled_Array[0].unit_type, FOOT);
    EXPECT_EQ(MSG_UnitKilled_Array[0].city_idx, city);
    EXPECT_EQ(MSG_UnitKilled_Array[0].spell_idx, 110);
}

TEST_F(PerTurnEnchantments, NightshadeDispelsForeignEnchantmentsOnly)
{
    const int16_t city = Add_City(0, 10, 10);
    _CITIES[city].enchantments[ce_Cursed_Lands] = 2;
    _CITIES[city].enchantments[ce_Wall_of_Fire] = 1;  // the owner's own
    _CITIES[city].enchantments[ce_Nightshade] = 3;
    spells[5].type = 3;
    spells[5].Param_Bytes[0] = ce_Cursed_Lands;
    spells[5].casting_cost = 0;  // difficulty 0: certain
    Apply_Nightshade_Dispel(city);
    EXPECT_EQ(_CITIES[city].enchantments[ce_Cursed_Lands], 0);
    EXPECT_EQ(_CITIES[city].enchantments[ce_Wall_of_Fire], 1);
}

TEST_F(PerTurnEnchantments, MeteorStormSparesGarrisonsAndStrikesTheHoldersFieldUnits)
{
    Set_Damage_Spell(115, 2, 50);
    spells[113].magic_realm = 2;
    const int16_t city = Add_City(0, 10, 10);
    const int16_t garrison = Add_Unit(FOOT, 0, 10, 10);
    const int16_t field = Add_Unit(FOOT, 0, 20, 20);
    const int16_t own_field = Add_Unit(FOOT, 1, 30, 30);
    const int16_t own_city = Add_City(1, 40, 30);
    const int16_t own_garrison = Add_Unit(FOOT, 1, 40, 30);
    Apply_Meteor_Storm(1);
    EXPECT_TRUE(Alive(garrison));
    EXPECT_EQ(_UNITS[garrison].Damage, 0);
    EXPECT_TRUE(Alive(own_garrison));
    EXPECT_FALSE(Alive(field));
    EXPECT_FALSE(Alive(own_field));
    ASSERT_EQ(MSG_UnitKilled_Count, 1);
    EXPECT_EQ(MSG_UnitKilled_Array[0].city_idx, -1);
    EXPECT_EQ(MSG_UnitKilled_Array[0].spell_idx, 113);
    (void)city;
    (void)own_city;
}

TEST_F(PerTurnEnchantments, MeteorStormCounterFollowsTheHumansCastingCost)
{
    // The check runs as if the human cast it: with nothing being cast, Nightshade always counters.
    spells[113].magic_realm = 2;
    const int16_t city = Add_City(0, 10, 10);
    _CITIES[city].bldg_status[5] = 1;
    _CITIES[city].enchantments[ce_Nightshade] = 1;
    _players[0].casting_cost_original = 0;
    for (int i = 0; i < 300; i++) Apply_Meteor_Storm(1);
    EXPECT_EQ(_CITIES[city].bldg_status[5], 1);
    // A huge cost of the human's spell lets the storm through: the building falls sooner or later.
    _players[0].casting_cost_original = 30000;
    for (int i = 0; i < 2000 && _CITIES[city].bldg_status[5] == 1; i++) Apply_Meteor_Storm(1);
    EXPECT_NE(_CITIES[city].bldg_status[5], 1);
}

TEST_F(PerTurnEnchantments, WastingAndArmageddonKeepAwayFromTheHoldersCities)
{
    const int16_t city = Add_City(1, 30, 20);
    // Water everywhere but a ring of land 2 squares out, and a node and a river in it.
    for (int square = 0; square < NUM_PLANES * WORLD_SIZE; square++) _world_maps[square] = tt_Ocean;
    for (int y = 17; y <= 23; y++) {
        for (int x = 27; x <= 33; x++) _world_maps[World_Square_Index(x, y, 0)] = tt_Grasslands;
    }
    _world_maps[World_Square_Index(33, 23, 0)] = tt_Chaos_Node;
    for (int i = 0; i < 200; i++) {
        Apply_Great_Wasting(1);
        Apply_Armageddon(1);
    }
    int corrupted = 0, volcanoes = 0;
    for (int y = 0; y < 40; y++) {
        for (int x = 0; x < 60; x++) {
            if (Flags(x, y) & sf_Corruption) {
                corrupted++;
                EXPECT_GT(Delta_XY_With_Wrap((int16_t)x, (int16_t)y, 30, 20, 60), 2);
            }
            if (Square_Is_Volcano((int16_t)x, (int16_t)y, 0)) {
                volcanoes++;
                EXPECT_GT(Delta_XY_With_Wrap((int16_t)x, (int16_t)y, 30, 20, 60), 2);
            }
        }
    }
    EXPECT_GT(corrupted, 0);
    EXPECT_GT(volcanoes, 0);
    EXPECT_EQ(_world_maps[World_Square_Index(33, 23, 0)], tt_Chaos_Node);
    EXPECT_EQ(_CITIES[city].owner_idx, 1);
}

TEST_F(PerTurnEnchantments, NaturesWrathNeverHarmsFlyers)
{
    const int16_t city = Add_City(1, 10, 10);
    int16_t flyers[6];
    for (int16_t &f : flyers) f = Add_Unit(FLYER, 1, 10, 10);
    for (int i = 0; i < 20; i++) Call_Forth_The_Force_Of_Nature(1);
    for (int16_t f : flyers) EXPECT_TRUE(Alive(f));
    (void)city;
}

}  // namespace
