// Node sites, auras and realms, the realm rebalancing, and the towers.
#include <gtest/gtest.h>

#include <cstdlib>

#include "Geometry.h"
#include "World_Fixture.h"
#include "Worldgen_Test_Support.h"
#include "random.h"
#include "worldgen/Landmasses.h"
#include "worldgen/Nodes_Towers.h"

namespace {

class WorldGen_Nodes : public World_Test {};

int16_t Realm_Tile(uint8_t realm)
{
    static const int16_t tiles[3] = {TT_SORCERY_NODE, TT_NATURE_NODE, TT_CHAOS_NODE};
    return tiles[realm];
}

void Check_Nodes(const char *what)
{
    for (int i = 0; i < NUM_NODES; i++) {
        const Node_Record &n = _NODES[i];
        SCOPED_TRACE(testing::Message() << what << " node " << i);
        EXPECT_EQ(n.wp, i < NODES_ON_DURAVAV ? 0 : 1);
        EXPECT_TRUE(n.wx >= 3 && n.wx <= 56 && n.wy >= 2 && n.wy <= 36) << (int)n.wx << "," << (int)n.wy;
        EXPECT_EQ(n.owner_idx, -1);
        EXPECT_EQ(n.flags, 0);
        if (n.wp == 0) {
            EXPECT_TRUE(n.power >= 5 && n.power <= 10);
        } else {
            EXPECT_TRUE(n.power >= 10 && n.power <= 20);
        }
        ASSERT_LT(n.type, 3);
        EXPECT_EQ(Tile(n.wx, n.wy, n.wp), Realm_Tile(n.type));
        EXPECT_EQ(n.Aura_Xs[0], n.wx);
        EXPECT_EQ(n.Aura_Ys[0], n.wy);
        int reach = n.power <= 9 ? 1 : 2;
        for (int k = 0; k < n.power; k++) {
            EXPECT_TRUE(n.Aura_Xs[k] >= 1 && n.Aura_Xs[k] <= 58 && n.Aura_Ys[k] >= 1 && n.Aura_Ys[k] <= 38);
            EXPECT_LE(abs(n.Aura_Xs[k] - n.wx), reach);
            EXPECT_LE(abs(n.Aura_Ys[k] - n.wy), reach);
            for (int m = 0; m < k; m++) {
                EXPECT_FALSE(n.Aura_Xs[k] == n.Aura_Xs[m] && n.Aura_Ys[k] == n.Aura_Ys[m]) << "aura repeats";
            }
        }
        EXPECT_EQ(Aura_Overlap((int16_t)i), 0) << "no aura square repeats one of a lower node, either plane";
        for (int j = 0; j < i; j++) {
            if (_NODES[j].wp != n.wp) continue;
            EXPECT_GE(Delta_XY_With_Wrap(n.wx, n.wy, _NODES[j].wx, _NODES[j].wy, WORLD_WIDTH), 3);
        }
    }
}

TEST_F(WorldGen_Nodes, NodesKeepTheirBoundsSpacingPowerAndAuras)
{
    for (uint32_t seed : {1u, 2u, 31337u, 99999u}) {
        World_Clear();
        Fill_Plane(0, TT_GRASSLAND);
        Fill_Plane(1, TT_FOREST);
        Init_Landmasses(0);
        Set_Random_Seed(seed);
        Generate_Nodes();
        Check_Nodes("land");
    }
}

TEST_F(WorldGen_Nodes, AnAllOceanWorldStillGetsItsNodes)
{
    Set_Random_Seed(8);
    Generate_Nodes();
    Check_Nodes("ocean");
    for (int i = 0; i < NUM_NODES; i++) {
        EXPECT_NE(Landmass(_NODES[i].wx, _NODES[i].wy, _NODES[i].wp), 0) << "a node square is land";
    }
}

int Count_Realm(int plane, uint8_t realm)
{
    int n = 0;
    for (int i = 0; i < NUM_NODES; i++) n += (_NODES[i].wp == plane && _NODES[i].type == realm);
    return n;
}

void Set_Realms(int plane, int sorcery, int nature, int chaos)
{
    int first = plane == 0 ? 0 : NODES_ON_DURAVAV;
    int last = plane == 0 ? NODES_ON_DURAVAV : NUM_NODES;
    for (int i = first; i < last; i++) {
        int k = i - first;
        uint8_t realm = k < sorcery ? 0 : k < sorcery + nature ? 1 : k < sorcery + nature + chaos ? 2 : 0;
        _NODES[i].wp = (uint8_t)plane;
        _NODES[i].type = realm;
        _NODES[i].wx = (uint8_t)(3 + k * 3);
        _NODES[i].wy = 10;
    }
}

TEST_F(WorldGen_Nodes, RebalancingConvertsSorceryOnlyWhereTooManyWereDrawn)
{
    struct Case {
        int plane, sorcery, nature, chaos;
        int want_nature, want_chaos;
    };
    const Case cases[] = {
        {0, 9, 4, 3, 4, 3},   // nine sorcery nodes: left unbalanced
        {0, 12, 2, 2, 6, 6},  //
        {0, 16, 0, 0, 6, 6},  //
        {0, 10, 6, 0, 6, 6},  // nature already has its six
        {1, 4, 5, 5, 5, 5},   // Dudaze: four sorcery nodes are few enough
        {1, 14, 0, 0, 3, 3},  //
        {1, 6, 7, 1, 7, 3},   //
    };
    for (const Case &c : cases) {
        World_Clear();
        Set_Realms(0, 16, 0, 0);
        Set_Realms(1, 14, 0, 0);
        Set_Realms(c.plane, c.sorcery, c.nature, c.chaos);
        Set_Random_Seed(17);
        Rebalance_Node_Types((int16_t)c.plane);
        SCOPED_TRACE(testing::Message() << "plane " << c.plane << " sorcery " << c.sorcery);
        EXPECT_EQ(Count_Realm(c.plane, 1), c.want_nature);
        EXPECT_EQ(Count_Realm(c.plane, 2), c.want_chaos);
        EXPECT_EQ(Count_Realm(1 - c.plane, 0), c.plane == 0 ? 14 : 16) << "the other plane is untouched";
        int converted = 0;
        for (int i = 0; i < NUM_NODES; i++) {
            int16_t tile = Tile(_NODES[i].wx, _NODES[i].wy, c.plane);
            if (_NODES[i].wp != c.plane || tile == 0) continue;
            converted++;
            EXPECT_EQ(tile, Realm_Tile(_NODES[i].type)) << "a converted node's square shows its realm";
        }
        EXPECT_EQ(converted, c.want_nature - c.nature + c.want_chaos - c.chaos);
    }
}

TEST_F(WorldGen_Nodes, TowersStandOnGrasslandOnBothPlanesAwayFromNodes)
{
    for (uint32_t seed : {4u, 5u, 6u}) {
        World_Clear();
        Fill_Plane(0, TT_GRASSLAND);
        Fill_Plane(1, TT_OCEAN);
        Set_Random_Seed(seed);
        Generate_Nodes();
        Generate_Towers();
        for (int t = 0; t < NUM_TOWERS; t++) {
            const Tower_Record &tower = _TOWERS[t];
            EXPECT_TRUE(tower.wx >= 3 && tower.wx <= 56 && tower.wy >= 3 && tower.wy <= 36);
            EXPECT_EQ(tower.owner_idx, -1);
            EXPECT_EQ(Tile(tower.wx, tower.wy, 0), TT_GRASSLAND);
            EXPECT_EQ(Tile(tower.wx, tower.wy, 1), TT_GRASSLAND) << "land on Dudaze even where the sea was";
            EXPECT_NE(Landmass(tower.wx, tower.wy, 1), 0);
            EXPECT_EQ(Square_Has_Tower_NewGame(tower.wx, tower.wy), 1);
            for (int n = 0; n < NUM_NODES; n++) {
                EXPECT_GE(Delta_XY_With_Wrap(tower.wx, tower.wy, _NODES[n].wx, _NODES[n].wy, WORLD_WIDTH), 4);
            }
            for (int u = 0; u < t; u++) {
                EXPECT_FALSE(_TOWERS[u].wx == tower.wx && _TOWERS[u].wy == tower.wy);
            }
        }
    }
}

TEST_F(WorldGen_Nodes, FeatureQueriesNameTheirPlane)
{
    _NODES[3].wx = 12;
    _NODES[3].wy = 14;
    _NODES[3].wp = 1;
    EXPECT_EQ(Square_Is_Node_NewGame(12, 14, 1), 1);
    EXPECT_EQ(Square_Is_Node_NewGame(12, 14, 0), 0);
    _TOWERS[2].wx = 40;
    _TOWERS[2].wy = 9;
    EXPECT_EQ(Square_Has_Tower_NewGame(40, 9), 1);
    EXPECT_EQ(Square_Has_Tower_NewGame(40, 10), 0);
}

}  // namespace
