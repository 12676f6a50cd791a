// Golden frames of a stand-in world drawn with the stand-in pictures: the map window across the
// seam, on row 0 and over a city, each with the reduced map beside it. A frame that differs leaves
// its PNG in the build folder.
#include "Map_View_Fixture.h"
#include "world/Game_Settings.h"

namespace {

class MapLayersGolden : public Map_View_Test {
protected:
    void SetUp() override
    {
        Map_View_Test::SetUp();
        Build_World();
    }

    // Every kind of terrain, roads across the seam and along row 0, cities of three owners,
    // towers, lairs, an owned node, specials and partly explored squares. No units: their
    // figures are drawn by the unit window's code and have frames of their own.
    static void Build_World()
    {
        static const int16_t kinds[] = {tt_Grasslands, tt_Forest, tt_Hills, tt_Mountain, tt_Desert,
                                        tt_Swamp,      tt_Tundra, tt_Ocean, 190,         tt_Volcano};
        for (int y = 0; y < WORLD_HEIGHT; y++) {
            for (int x = 0; x < WORLD_WIDTH; x++) {
                _world_maps[World_Square_Index(x, y, 0)] = kinds[(x * 3 + y * 7) % 10];
                Explore(x, y, 0);
            }
        }
        for (int x = 55; x < 64; x++) _map_square_flags[World_Square_Index(x % 60, 3, 0)] = sf_Road;
        for (int x = 1; x < 4; x++) _map_square_flags[World_Square_Index(x, 4, 0)] |= sf_Road | sf_Enchanted_Road;
        for (int x = 20; x < 28; x++) _map_square_flags[World_Square_Index(x, 0, 0)] = sf_Road;
        _map_square_flags[World_Square_Index(22, 1, 0)] = sf_Road | sf_Corruption;
        _map_square_terrain_specials[World_Square_Index(56, 2, 0)] = ts_Iron_Ore;
        _map_square_terrain_specials[World_Square_Index(3, 6, 0)] = ts_Wild_Game | ts_Nightshade;
        _map_square_terrain_specials[World_Square_Index(58, 5, 0)] = ts_Gems | ts_Nightshade;
        _map_square_terrain_specials[World_Square_Index(24, 1, 0)] = ts_Wild_Game | 0x10;
        _map_square_terrain_specials[World_Square_Index(31, 20, 0)] = ts_Mithril;
        _players[1].banner_id = 2;
        Add_City(0, 58, 5, 0, 6, true);
        Add_City(5, 1, 7, 0, 3, false);
        Add_City(1, 25, 0, 0, 12, true);
        Add_City(1, 30, 20, 0, 20, true);
        Add_City(0, 32, 21, 0, 1, false);
        _TOWERS[0] = Tower_Record{57, 8, 1, 0};
        _TOWERS[1] = Tower_Record{27, 2, -1, 0};
        const struct {
            int x, y, type;
        } lairs[] = {{59, 9, 4}, {4, 2, 9}, {21, 2, 6}, {29, 19, 7}};
        for (int i = 0; i < 4; i++) {
            _LAIRS[i] = Lair_Record{};
            _LAIRS[i].wx = (uint8_t)lairs[i].x;
            _LAIRS[i].wy = (uint8_t)lairs[i].y;
            _LAIRS[i].Intact = 1;
            _LAIRS[i].type = (uint8_t)lairs[i].type;
        }
        Set_Game_Settings_Word(16, 1);
        Node_Record &node = _NODES[0];
        node = Node_Record{};
        node.wx = 0;
        node.wy = 5;
        node.owner_idx = 0;
        node.power = 3;
        const int aura[3][2] = {{0, 5}, {59, 5}, {0, 6}};
        for (int j = 0; j < 3; j++) {
            node.Aura_Xs[j] = (uint8_t)aura[j][0];
            node.Aura_Ys[j] = (uint8_t)aura[j][1];
        }
        _world_maps[World_Square_Index(0, 5, 0)] = tt_Sorcery_Node;
        // Partly explored squares on the window's last row and on the first row.
        const uint8_t edges[] = {1, 2, 3, 4, 6, 8, 9, 12, 13, 14, 0, 0};
        for (int i = 0; i < 12; i++) {
            _square_explored[World_Square_Index((55 + i) % 60, 9, 0)] = edges[i];
            _square_explored[World_Square_Index(20 + i, 9, 0)] = edges[11 - i];
        }
        _square_explored[World_Square_Index(33, 24, 0)] = 0;
        _square_explored[World_Square_Index(34, 24, 0)] = 7;
    }

    // One frame of the main screen's map and its reduced map from the frame counters' start.
    uint64_t Frame(int16_t wx, int16_t wy)
    {
        map_anim_cycle = terrain_anim_ctr = node_anim_ctr = road_anim_ctr = 0;
        Reset_Map_Draw();
        Clear_Page();
        Draw_Maps(0, 20, 12, 10, &wx, &wy, 0, wx, wy, 0);
        Draw_World_Window(251, 21, 58, 30);
        EXPECT_TRUE(page.Guards_Intact());
        return page.Hash();
    }
};

TEST_F(MapLayersGolden, AcrossTheSeam)
{
    Frame(55, 0);
    EXPECT_TRUE(Page_Matches_Golden(page, "map_golden_seam", 0x6b0a8af5623fdf39ull));
}

TEST_F(MapLayersGolden, OnRowZero)
{
    Frame(20, 0);
    EXPECT_TRUE(Page_Matches_Golden(page, "map_golden_row0", 0x139d4af07ccaffffull));
}

TEST_F(MapLayersGolden, OverACity)
{
    int16_t wx = 0, wy = 0;
    Center_Map(&wx, &wy, 30, 20, 0);
    Frame(wx, wy);
    EXPECT_TRUE(Page_Matches_Golden(page, "map_golden_city", 0xb8e30be69f3c7a5full));
}

TEST_F(MapLayersGolden, AnimatedTerrainAndRoadsChangeEveryFourthFrame)
{
    int16_t wx = 55, wy = 0;
    uint64_t first = Frame(wx, wy);
    std::vector<uint64_t> hashes;
    for (int frame = 1; frame <= 4; frame++) {
        Clear_Page();
        Draw_Maps(0, 20, 12, 10, &wx, &wy, 0, wx, wy, 0);
        Draw_World_Window(251, 21, 58, 30);
        hashes.push_back(page.Hash());
    }
    EXPECT_EQ(hashes[0], first);
    EXPECT_EQ(hashes[1], first);
    EXPECT_EQ(hashes[2], first);
    EXPECT_NE(hashes[3], first);
}

}  // namespace
