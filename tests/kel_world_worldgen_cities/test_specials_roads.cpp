// Terrain specials on their grid with the mineral tables, and roads between neutral cities.
#include <set>

#include "Geometry.h"
#include "Worldgen_Cities_Fixture.h"

class WorldGen_Specials : public Worldgen_Test {
protected:
    uint8_t Special(int x, int y, int p) const { return _map_square_terrain_specials[World_Square_Index(x, y, p)]; }
    uint8_t Flags(int x, int y, int p) const { return _map_square_flags[World_Square_Index(x, y, p)]; }
    int16_t Terrain(int x, int y, int p) const { return _world_maps[World_Square_Index(x, y, p)]; }

    int16_t Add_Neutral(int x, int y, int p) { return Add_City(CITY_OWNER_NEUTRAL, rt_Orc, x, y, p, 4, 2); }
};

TEST_F(WorldGen_Specials, MineralTablesByDraw)
{
    // The draw r of each table, and what it gives on a mountain, on hills and in the desert.
    const uint8_t mountain[21] = {0, 1, 1, 1, 3, 3, 2, 2, 2, 2, 4, 1, 3, 2, 4, 4, 6, 6, 6, 7, 7};
    const uint8_t hills[21] = {0, 1, 1, 1, 1, 1, 3, 3, 3, 2, 2, 1, 2, 3, 4, 4, 4, 4, 6, 6, 7};
    const uint8_t desert[11] = {0, 5, 5, 5, 5, 5, 5, 8, 8, 8, 9};
    std::set<int> seen[3][2];
    for (uint32_t seed = 1; seed < 400; seed++) {
        for (int p = 0; p < 2; p++) {
            Set_Random_Seed(seed);
            int r = p == 0 ? Random(18) : Random(10) + 10;
            Set_Random_Seed(seed);
            uint64_t before = g_random_call_count;
            EXPECT_EQ(Mountain_Terrain_Special((int16_t)p), mountain[r]) << r;
            EXPECT_EQ(g_random_call_count - before, 1u);
            Set_Random_Seed(seed);
            EXPECT_EQ(Hills_Terrain_Special((int16_t)p), hills[r]) << r;
            seen[0][p].insert(r);
            Set_Random_Seed(seed);
            int d = p == 0 ? Random(9) : Random(5) + 5;
            Set_Random_Seed(seed);
            EXPECT_EQ(Desert_Terrain_Special((int16_t)p), desert[d]) << d;
            seen[2][p].insert(d);
        }
    }
    EXPECT_EQ(seen[0][0].size(), 18u);
    EXPECT_EQ(seen[0][1].size(), 10u);
    EXPECT_EQ(seen[2][0].size(), 9u);
    EXPECT_EQ(seen[2][1].size(), 5u);
}

TEST_F(WorldGen_Specials, SpecialsMatchTheirTerrainAndStayOffTheEdgesAndFeatures)
{
    // Stripes of every base terrain over the whole plane, land to the edges.
    const int16_t stripes[] = {tt_Grasslands, tt_Forest, tt_Mountain, tt_Hills, tt_Desert, tt_Swamp, tt_Tundra};
    for (int p = 0; p < NUM_PLANES; p++) {
        for (int y = 0; y < WORLD_HEIGHT; y++) {
            for (int x = 0; x < WORLD_WIDTH; x++) {
                _world_maps[World_Square_Index(x, y, p)] = stripes[(x / 2 + y) % 7];
                _map_square_flags[World_Square_Index(x, y, p)] = 0xFF;
            }
        }
    }
    // A city, a lair and a tower on every square of a block: none gets a special or changes.
    for (int k = 0; k < 10; k++) {
        Add_City(0, rt_Orc, 10 + k, 10, 0, 4, 2);
        _LAIRS[k].wx = (uint8_t)(10 + k);
        _LAIRS[k].wy = 11;
        _LAIRS[k].wp = 0;
    }
    for (int t = 0; t < NUM_TOWERS; t++) _TOWERS[t] = Tower_Record{(uint8_t)(10 + t), 12, -1, 0};
    std::vector<int16_t> before(_world_maps, _world_maps + NUM_PLANES * WORLD_SIZE);

    for (uint32_t seed : {8u, 88u}) {
        Set_Random_Seed(seed);
        Generate_Terrain_Specials(0);
        Generate_Terrain_Specials(1);
        int specials = 0;
        for (int p = 0; p < NUM_PLANES; p++) {
            for (int y = 0; y < WORLD_HEIGHT; y++) {
                for (int x = 0; x < WORLD_WIDTH; x++) {
                    uint8_t special = Special(x, y, p);
                    int16_t terrain = Terrain(x, y, p);
                    int16_t was = before[World_Square_Index(x, y, p)];
                    EXPECT_EQ(Flags(x, y, p), 0);
                    bool edge = y < 3 || y > 37 || x < 3 || x > 57;
                    bool feature = p == 0 && ((y == 10 || y == 11) && x >= 10 && x < 20);
                    feature = feature || (y == 12 && x >= 10 && x < 16);
                    if (edge || feature) {
                        EXPECT_EQ(special, 0) << x << "," << y << "," << p;
                        EXPECT_EQ(terrain, was);
                        continue;
                    }
                    if (special != 0) specials++;
                    if (terrain == tt_Grasslands) {
                        EXPECT_EQ(special, 0) << "a grassland candidate always turns";
                    }
                    if (terrain != was) {
                        EXPECT_TRUE(was == tt_Grasslands || was == tt_Forest);
                        EXPECT_TRUE(terrain == tt_Mountain || terrain == tt_Hills || terrain == tt_Swamp);
                        EXPECT_NE(special, 0);
                    }
                    switch (terrain) {
                    case tt_Forest: EXPECT_TRUE(special == 0 || special == ts_Wild_Game); break;
                    case tt_Swamp: EXPECT_TRUE(special == 0 || special == ts_Nightshade); break;
                    case tt_Tundra: EXPECT_EQ(special, 0); break;
                    case tt_Mountain:
                    case tt_Hills:
                        EXPECT_LE(special, 7);
                        EXPECT_NE(special, ts_Gems);
                        if (p == 0) {
                            EXPECT_NE(special, ts_Adamantium);
                        }
                        break;
                    case tt_Desert:
                        EXPECT_TRUE(special == 0 || special == ts_Gems || special == ts_Quork || special == ts_Crysx);
                        if (p == 0) {
                            EXPECT_NE(special, ts_Crysx);
                        }
                        break;
                    default: break;
                    }
                }
            }
        }
        // Plane 0 has 150 grid cells, plane 1 260; many candidates fall inside.
        EXPECT_GT(specials, 150);
        for (int square = 0; square < NUM_PLANES * WORLD_SIZE; square++) _world_maps[square] = before[square];
    }
}

TEST_F(WorldGen_Specials, RoadsJoinNearNeutralCitiesOfOneLandmass)
{
    Fill_Plane(0, tt_Grasslands);
    Fill_Plane(1, tt_Grasslands);
    memset(_landmasses, 1, NUM_PLANES * WORLD_SIZE);
    const struct {
        int x1, y1, x2, y2, plane;
        bool joined;
        const char *why;
    } cases[] = {
        {10, 5, 20, 5, 0, true, "range 10"},
        {10, 8, 21, 8, 0, false, "range 11"},
        {10, 11, 18, 15, 0, true, "range 10 on a slant"},
        {58, 20, 2, 20, 0, false, "across the seam the distance does not wrap"},
        {10, 25, 16, 25, 1, true, "second plane"},
        {30, 30, 36, 30, 0, false, "water between"},
        {40, 5, 46, 5, 0, false, "another landmass"},
    };
    Set_Square(33, 30, 0, 0);
    for (int x = 46; x < 60; x++) _landmasses[World_Square_Index(x, 5, 0)] = 7;
    for (const auto &c : cases) {
        Add_Neutral(c.x1, c.y1, c.plane);
        Add_Neutral(c.x2, c.y2, c.plane);
    }
    // Wizards' cities side by side get a road on their own squares only.
    Add_City(0, rt_Orc, 40, 35, 0, 4, 2);
    Add_City(1, rt_Orc, 43, 35, 0, 4, 2);
    Add_City(2, rt_Orc, 40, 35, 1, 4, 2);
    Set_Random_Seed(1);
    Generate_Roads(0);
    Generate_Roads(1);
    for (const auto &c : cases) {
        uint8_t xs[64];
        uint8_t ys[64];
        int steps =
            Path_Wrap((int16_t)c.x1, (int16_t)c.y1, (int16_t)c.x2, (int16_t)c.y2, xs, ys, (int16_t)sizeof xs, 60);
        int roads = 0;
        for (int k = 0; k < steps - 1; k++) roads += (Flags(xs[k], ys[k], c.plane) & sf_Road) != 0;
        EXPECT_EQ(roads, c.joined ? steps - 1 : 0) << c.why;
        EXPECT_NE(Flags(c.x1, c.y1, c.plane) & sf_Road, 0) << c.why;
        EXPECT_NE(Flags(c.x2, c.y2, c.plane) & sf_Road, 0) << c.why;
    }
    for (int x = 41; x < 43; x++) EXPECT_EQ(Flags(x, 35, 0), 0);
    EXPECT_EQ(Flags(40, 35, 0), sf_Road);
    EXPECT_EQ(Flags(40, 35, 1), sf_Road | sf_Enchanted_Road);  // city squares of the second plane too
    for (int square = 0; square < NUM_PLANES * WORLD_SIZE; square++) {
        uint8_t flags = _map_square_flags[square];
        if (square < WORLD_SIZE) {
            EXPECT_EQ(flags & sf_Enchanted_Road, 0);
        } else {
            EXPECT_EQ(flags == 0 || flags == (sf_Road | sf_Enchanted_Road), true) << square;
        }
    }
}

TEST_F(WorldGen_Specials, RiversAndLakesBlockRoadsButNotTheLastSquare)
{
    Fill_Plane(0, tt_Grasslands);
    memset(_landmasses, 1, WORLD_SIZE);
    Add_Neutral(10, 5, 0);
    Add_Neutral(15, 5, 0);
    Add_Neutral(10, 9, 0);
    Add_Neutral(15, 9, 0);
    Add_Neutral(10, 13, 0);
    Add_Neutral(15, 13, 0);
    Set_Square(12, 5, 0, 220);  // lake
    Set_Square(12, 9, 0, 200);  // a river tile below 217 lets the road pass
    Set_Square(15, 13, 0, 0);   // the far city's own square is not tested
    Generate_Roads(0);
    EXPECT_EQ(Flags(11, 5, 0), 0);
    EXPECT_EQ(Flags(12, 9, 0), sf_Road);
    EXPECT_EQ(Flags(14, 13, 0), sf_Road);
}
