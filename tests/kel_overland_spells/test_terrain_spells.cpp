// The map-square, city and node spells, and the chaos channels.
#include "Spells_Fixture.h"
#include "magic/City_Node_Spells.h"
#include "magic/Terrain_Spells.h"
#include "world/Chaos_Channels.h"
#include "world/Map_Feature_Records.h"
#include "world/Road_Connections.h"
#include "world/Roads.h"
#include "world/Square_Queries.h"

using namespace spells_test;

namespace {

using TerrainSpells = Spells_Test;

int16_t Terrain(int x, int y, int p = 0) { return _world_maps[World_Square_Index(x, y, p)]; }
void Set(int x, int y, int16_t t, int p = 0) { _world_maps[World_Square_Index(x, y, p)] = t; }

TEST_F(TerrainSpells, ChangeTerrainMapAndRefusals)
{
    // A forest counts as one only where the human has explored.
    for (int square = 0; square < WORLD_SIZE; square++) _square_explored[square] = 1;
    struct Case {
        int16_t before;
        bool (*after)(void);
    } cases[] = {
        {tt_Grasslands, [] { return Square_Is_Forest(10, 10, 0) != 0; }},
        {tt_Forest, [] { return Square_Is_Grasslands(10, 10, 0) != 0; }},
        {tt_Swamp, [] { return Square_Is_Grasslands(10, 10, 0) != 0; }},
        {tt_Volcano, [] { return Square_Is_Mountain(10, 10, 0) != 0; }},
        {tt_Mountain, [] { return Square_Is_Hills(10, 10, 0) != 0; }},
    };
    for (const Case &c : cases) {
        Set(10, 10, c.before);
        Change_Terrain_Square(10, 10, 0);
        EXPECT_TRUE(c.after()) << c.before << " -> " << Terrain(10, 10);
    }
    // The human: the ocean refused (35), a node refused (34), then grassland taken.
    Install_Recorder();
    Set(5, 5, tt_Ocean);
    Set(6, 6, tt_Nature_Node);
    Set(7, 7, tt_Grasslands);
    picks = {{5, 5, 0}, {6, 6, 0}, {7, 7, 0}};
    EXPECT_EQ(Cast_Change_Terrain(0), 1);
    EXPECT_EQ(messages, (std::vector<int16_t>{35, 34}));
    EXPECT_TRUE(Square_Is_Forest(7, 7, 0));
    // Cancelled: nothing changes.
    EXPECT_EQ(Cast_Change_Terrain(0), 0);
}

TEST_F(TerrainSpells, TransmuteTwiceGivesBackTheMineral)
{
    for (uint8_t mineral = 1; mineral <= 6; mineral++) {
        _map_square_terrain_specials[World_Square_Index(3, 3, 0)] = mineral;
        Transmute_Square(3, 3, 0);
        EXPECT_NE(_map_square_terrain_specials[World_Square_Index(3, 3, 0)], mineral);
        Transmute_Square(3, 3, 0);
        EXPECT_EQ(_map_square_terrain_specials[World_Square_Index(3, 3, 0)], mineral);
    }
    _map_square_terrain_specials[World_Square_Index(3, 3, 0)] = 4;
    Transmute_Square(3, 3, 0);
    EXPECT_EQ(_map_square_terrain_specials[World_Square_Index(3, 3, 0)], 1);
    Install_Recorder();
    _map_square_terrain_specials[World_Square_Index(4, 4, 0)] = 8;  // Quork: refused
    picks = {{4, 4, 0}};
    EXPECT_EQ(Cast_Transmute(0), 0);
    EXPECT_EQ(messages, (std::vector<int16_t>{40}));
}

TEST_F(TerrainSpells, CorruptionRemovesARoadAndItsTradeLink)
{
    const int16_t a = Add_City(0, 10, 10);
    const int16_t b = Add_City(0, 14, 10);
    for (int x = 10; x <= 14; x++) Make_Road((int16_t)x, 10, 0);
    Reset_City_Road_Connection_Bitfields();
    ASSERT_TRUE(_CITIES[a].road_connections[b / 8] & (1u << (b % 8)));
    Install_Recorder();
    picks = {{12, 10, 0}};
    EXPECT_EQ(Cast_Corruption(0), 1);
    EXPECT_EQ(Flags(12, 10), sf_Corruption);
    EXPECT_FALSE(_CITIES[a].road_connections[b / 8] & (1u << (b % 8)));
    // Already corrupted, and water: refused with their records.
    Set(13, 13, tt_Ocean);
    picks = {{12, 10, 0}, {13, 13, 0}};
    EXPECT_EQ(Cast_Corruption(0), 0);
    EXPECT_EQ(messages, (std::vector<int16_t>{42, 43}));
}

TEST_F(TerrainSpells, RaiseVolcanoOnAWardedCityDoesNothing)
{
    spells[98].magic_realm = 2;
    const int16_t city = Add_City(1, 20, 20);
    _CITIES[city].enchantments[ce_Chaos_Ward] = 2;
    Install_Recorder();
    picks = {{20, 20, 0}};
    EXPECT_EQ(Cast_Raise_Volcano(0), 1);
    EXPECT_TRUE(Square_Is_Grasslands(20, 20, 0));
    EXPECT_EQ(_players[0].volcanoes, 0);
    // Unwarded: the volcano rises and the caster owns it.
    picks = {{25, 25, 0}};
    EXPECT_EQ(Cast_Raise_Volcano(0), 1);
    EXPECT_TRUE(Square_Is_Volcano(25, 25, 0));
    EXPECT_EQ(Flags(25, 25) & sf_Volcano_Owner_Mask, 1);
    EXPECT_EQ(_players[0].volcanoes, 1);
}

TEST_F(TerrainSpells, EnchantRoadReachesAcrossTheSeam)
{
    Make_Road(58, 10, 0);
    Make_Road(1, 10, 0);
    Make_Road(3, 10, 0);  // outside the 5 by 5 square
    Install_Recorder();
    picks = {{0, 10, 0}};
    EXPECT_EQ(Cast_Enchant_Road(0), 1);
    EXPECT_TRUE(Flags(58, 10) & sf_Enchanted_Road);
    EXPECT_TRUE(Flags(1, 10) & sf_Enchanted_Road);
    EXPECT_FALSE(Flags(3, 10) & sf_Enchanted_Road);
    EXPECT_FALSE(Flags(59, 10) & sf_Enchanted_Road);  // no road there
}

TEST_F(TerrainSpells, FloatingIslandTakesEightButNotNine)
{
    spells[43].Param_Bytes[0] = FOOT;
    Set(30, 30, tt_Ocean);
    Set(31, 31, tt_Ocean);
    for (int i = 0; i < 9; i++) Add_Unit(FOOT, 0, 30, 30);
    for (int i = 0; i < 8; i++) Add_Unit(FOOT, 0, 31, 31);
    Install_Recorder();
    picks = {{30, 30, 0}, {31, 31, 0}};
    const int16_t before = _units;
    EXPECT_EQ(Cast_Floating_Island(0), 1);
    EXPECT_EQ(messages, (std::vector<int16_t>{60}));
    ASSERT_EQ(_units, before + 1);
    EXPECT_EQ(_UNITS[before].wx, 31);
}

TEST_F(TerrainSpells, ChaosChannelsOnAFlyingArcherGivesFieryBreath)
{
    _unit_type_table[FLYER].Ranged_Type = 20;
    for (int i = 0; i < 20; i++) {
        _units = 0;
        const int16_t unit = Add_Unit(FLYER, 0, 5, 5);
        EXPECT_EQ(Apply_Chaos_Channels(unit), 2);
        EXPECT_EQ(_UNITS[unit].mutations, UM_CHAOS_CHANNELS_FIERY_BREATH);
    }
    // A creature is refused (29), then a plain unit takes a channel.
    Install_Recorder();
    const int16_t creature = Add_Unit(CREATURE, 0, 6, 6);
    const int16_t soldier = Add_Unit(FOOT, 0, 6, 6);
    picks = {{creature, -1, -1}, {soldier, -1, -1}};
    EXPECT_EQ(Cast_Chaos_Channels(0), 1);
    EXPECT_EQ(messages, (std::vector<int16_t>{29}));
    EXPECT_NE(_UNITS[soldier].mutations & 0x1C, 0);
    EXPECT_EQ(_UNITS[creature].mutations, 0);
}

TEST_F(TerrainSpells, CityAndNodeSpellsRefuseWhatTheyCannotAdd)
{
    Install_Recorder();
    const int16_t walled = Add_City(0, 10, 10);
    _CITIES[walled].bldg_status[35] = 1;
    const int16_t open = Add_City(0, 12, 12);
    picks = {{walled, -1, -1}, {open, -1, -1}};
    EXPECT_EQ(Cast_Wall_Of_Stone(0), 1);
    EXPECT_EQ(_CITIES[open].bldg_status[35], 1);

    // Spell Ward: a city with every ward is refused (44); the unattended choice takes the first missing.
    for (int w = 0; w < 5; w++) _CITIES[walled].enchantments[ce_Nature_Ward + w] = 1;
    _CITIES[open].enchantments[ce_Nature_Ward] = 1;
    picks = {{walled, -1, -1}, {open, -1, -1}};
    EXPECT_EQ(Cast_Spell_Ward(0), 1);
    EXPECT_EQ(_CITIES[open].enchantments[ce_Sorcery_Ward], 1);

    _NODES[0].owner_idx = -1;
    _NODES[1].owner_idx = 0;
    _NODES[2].owner_idx = 1;
    _NODES[2].flags = 1;
    _NODES[3].owner_idx = 1;
    picks = {{0, -1, -1}, {1, -1, -1}, {2, -1, -1}, {3, -1, -1}};
    EXPECT_EQ(Cast_Warp_Node(0), 1);
    EXPECT_EQ(_NODES[3].flags & 1, 1);
    EXPECT_EQ(messages, (std::vector<int16_t>{65, 44, 31, 32, 30}));
}

}  // namespace
