// The surveyor's panel on a small hand-made world: which square the pointer names, and the texts
// for sea, city sites, cities, corruption, minerals, lairs, nodes and river mouths.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "Mouse.h"
#include "Test_Engine.h"
#include "Test_Page_Png.h"
#include "World_Fixture.h"
#include "overland/Surveyor_Screen.h"
#include "shell/Map_Window.h"
#include "world/Map_Square_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

class Surveyor_Test : public World_Test {
protected:
    Test_Page page;
    void SetUp() override
    {
        World_Test::SetUp();
        Test_Engine_Start();
        // Land everywhere, all explored; towers, nodes and lairs out of the way.
        for (int i = 0; i < NUM_PLANES * WORLD_SIZE; ++i) {
            _world_maps[i] = tt_Grasslands;
            _square_explored[i] = 1;
        }
        for (int t = 0; t < NUM_TOWERS; ++t) _TOWERS[t] = Tower_Record{59, 39, -1, 0};
        for (int n = 0; n < NUM_NODES; ++n) {
            _NODES[n].wx = 59;
            _NODES[n].wy = 39;
            _NODES[n].wp = 1;
        }
        _map_x = 10;
        _map_y = 10;
        _map_plane = 0;
    }
    void Set(int wx, int wy, int16_t tile) { _world_maps[World_Square_Index(wx, wy, 0)] = tile; }
    // The texts shown with the pointer over square (wx, wy) of the window at (10, 10).
    std::vector<std::string> Survey_Of(int wx, int wy)
    {
        Set_Pointer_Position((int16_t)((wx - 10) * 20 + 5), (int16_t)((wy - 10) * 18 + 25));
        return Survey_At_Pointer();
    }
    std::vector<std::string> Survey_At_Pointer()
    {
        Surveyor_Window_Display();
        std::vector<std::string> texts;
        for (int i = 0; i < m_survey_texts.count; ++i) texts.push_back(m_survey_texts.text[i]);
        return texts;
    }
    static bool Has(const std::vector<std::string> &texts, const std::string &text)
    {
        for (const std::string &t : texts)
            if (t == text) return true;
        return false;
    }
    void Add_City(int wx, int wy, const char *name, uint8_t size)
    {
        City_Record &city = _CITIES[_cities++];
        std::memset(&city, 0, sizeof city);
        std::strncpy(city.name, name, sizeof city.name - 1);
        city.wx = (uint8_t)wx;
        city.wy = (uint8_t)wy;
        city.wp = 0;
        city.size = size;
    }
};

TEST_F(Surveyor_Test, PointerRowsAndColumns)
{
    struct Case {
        int16_t px, py, map_y, ok, wx, wy;
    } cases[] = {
        {0, 20, 10, 0, 0, 0},      // the top bar
        {0, 21, 10, 1, 10, 10},    // first row
        {239, 37, 10, 1, 21, 10},  // last column
        {240, 100, 10, 0, 0, 0},   // the panel
        {5, 198, 30, 1, 10, 39},   // bottom rows read row 9 of the window, not row 40
        {5, 199, 30, 1, 10, 39},  {5, 199, 10, 1, 10, 19}, {5, 200, 10, 0, 0, 0},  // below the ten rows
    };
    for (const Case &c : cases) {
        int16_t wx = -1, wy = -1;
        EXPECT_EQ(Surveyor_Square_At(c.px, c.py, 10, c.map_y, &wx, &wy), c.ok) << c.px << "," << c.py;
        if (c.ok) {
            EXPECT_EQ(wx, c.wx) << c.px << "," << c.py;
            EXPECT_EQ(wy, c.wy) << c.px << "," << c.py;
        }
    }
    int16_t wx = 0, wy = 0;
    ASSERT_EQ(Surveyor_Square_At(239, 50, 55, 0, &wx, &wy), 1);
    EXPECT_EQ(wx, 6) << "columns wrap";

    // The pointer on rows 198-199 with the window at the bottom of the world surveys row 39.
    _map_y = 30;
    Set(10, 39, tt_Ocean);
    Set_Pointer_Position(5, 199);
    EXPECT_TRUE(Has(Survey_At_Pointer(), "Ocean"));
}

TEST_F(Surveyor_Test, OnlyTheTitleOffTheMapOrOnUnexploredSquares)
{
    Set_Pointer_Position(250, 100);
    EXPECT_EQ(Survey_At_Pointer(), std::vector<std::string>{"Surveyor"});
    Set_Pointer_Position(100, 20);
    EXPECT_EQ(Survey_At_Pointer(), std::vector<std::string>{"Surveyor"});
    _square_explored[World_Square_Index(12, 12, 0)] = 0;
    EXPECT_EQ(Survey_Of(12, 12), std::vector<std::string>{"Surveyor"});
}

TEST_F(Surveyor_Test, SeaSquaresCannotHoldCities)
{
    Set(12, 12, tt_Ocean);
    std::vector<std::string> ocean = Survey_Of(12, 12);
    EXPECT_TRUE(Has(ocean, "Cities cannot be built on water."));
    EXPECT_TRUE(Has(ocean, "Ocean"));
    Set(14, 12, tt_Shore_First);
    std::vector<std::string> shore = Survey_Of(14, 12);
    EXPECT_TRUE(Has(shore, "Cities cannot be built on water."));
    EXPECT_TRUE(Has(shore, "Shore"));
    EXPECT_TRUE(Has(shore, "+10% gold"));
}

TEST_F(Surveyor_Test, CityNeighboursAndTheCityItself)
{
    Add_City(15, 15, "Vessa", 3);
    std::vector<std::string> near = Survey_Of(17, 15);
    EXPECT_TRUE(Has(near, "Cities cannot be built less than 3 squares from any other city."));
    std::vector<std::string> own = Survey_Of(15, 15);
    EXPECT_TRUE(Has(own, "City Resources"));
    EXPECT_TRUE(Has(own, "Maximum Pop"));
    EXPECT_TRUE(Has(own, "Town of"));
    EXPECT_TRUE(Has(own, "Vessa"));
    std::vector<std::string> free = Survey_Of(12, 11);
    EXPECT_TRUE(Has(free, "City Resources"));
    EXPECT_TRUE(Has(free, "Grasslands"));
    EXPECT_TRUE(Has(free, "1   1/2 food"));

    // A corrupted city shows corruption and still its name.
    _map_square_flags[World_Square_Index(15, 15, 0)] |= 0x20;
    std::vector<std::string> corrupted = Survey_Of(15, 15);
    EXPECT_TRUE(Has(corrupted, "Corruption"));
    EXPECT_TRUE(Has(corrupted, "Vessa"));
}

TEST_F(Surveyor_Test, CorruptionHidesTheMineral)
{
    int square = World_Square_Index(12, 13, 0);
    _map_square_terrain_specials[square] = 1;  // iron ore
    std::vector<std::string> ore = Survey_Of(12, 13);
    EXPECT_TRUE(Has(ore, "Iron Ore"));
    EXPECT_TRUE(Has(ore, "Reduces normal unit cost by 5%"));
    _map_square_flags[square] |= 0x20;
    std::vector<std::string> corrupted = Survey_Of(12, 13);
    EXPECT_TRUE(Has(corrupted, "Corruption"));
    EXPECT_FALSE(Has(corrupted, "1   1/2 food"));
    EXPECT_FALSE(Has(corrupted, "Iron Ore"));
}

TEST_F(Surveyor_Test, LairsAndNodesWithTheirGuardians)
{
    Lair_Record &lair = _LAIRS[0];
    lair = Lair_Record{};
    lair.wx = 13;
    lair.wy = 14;
    lair.wp = 0;
    lair.Intact = 1;
    lair.type = 5;
    std::vector<std::string> unexplored = Survey_Of(13, 14);
    EXPECT_TRUE(Has(unexplored, "Cities cannot be built on lairs."));
    EXPECT_TRUE(Has(unexplored, "Dungeon"));
    EXPECT_TRUE(Has(unexplored, "Unexplored"));
    lair.Misc_Flags = 0x06;
    lair.guard1_unit_type = 40;
    lair.guard2_unit_type = 41;
    lair.guard2_count = 0x22;
    std::vector<std::string> known = Survey_Of(13, 14);
    EXPECT_FALSE(Has(known, "Unexplored"));
    EXPECT_TRUE(Has(known, _unit_type_names[40] != nullptr ? _unit_type_names[40] : ""));
    EXPECT_TRUE(Has(known, _unit_type_names[41] != nullptr ? _unit_type_names[41] : ""));

    // A node without an owner takes the guardians of the lair record on its square.
    Node_Record &node = _NODES[3];
    node.wx = 18;
    node.wy = 12;
    node.wp = 0;
    node.type = 2;
    node.owner_idx = -1;
    Lair_Record &guard = _LAIRS[1];
    guard = Lair_Record{};
    guard.wx = 18;
    guard.wy = 12;
    guard.Intact = 1;
    guard.type = 3;
    std::vector<std::string> chaos = Survey_Of(18, 12);
    EXPECT_TRUE(Has(chaos, "Cities cannot be built on magic nodes."));
    EXPECT_TRUE(Has(chaos, "Chaos Node"));
    EXPECT_TRUE(Has(chaos, "Unexplored"));
    node.owner_idx = 0;
    node.flags = 2;
    EXPECT_TRUE(Has(Survey_Of(18, 12), "Guardian Spirit"));
}

TEST_F(Surveyor_Test, RiverMouthNeedsTheSeaBesideItNotAboveRowOne)
{
    Set(12, 11, tt_River_First);
    EXPECT_TRUE(Has(Survey_Of(12, 11), "River"));
    Set(13, 11, tt_Ocean);
    EXPECT_TRUE(Has(Survey_Of(12, 11), "River Mouth"));
    EXPECT_EQ(Surveyor_IDK_RiverMouth(12, 11, 0), 1);
    // Row 1 with its only sea above on row 0: a plain river.
    Set(30, 1, tt_River_First);
    Set(30, 0, tt_Ocean);
    EXPECT_EQ(Surveyor_IDK_RiverMouth(30, 1, 0), 0);
    Set(31, 1, tt_Ocean);
    EXPECT_EQ(Surveyor_IDK_RiverMouth(30, 1, 0), 1);
    Set(0, 20, tt_River_First);
    Set(59, 20, tt_Ocean);
    EXPECT_EQ(Surveyor_IDK_RiverMouth(0, 20, 0), 1) << "the left neighbour of column 0 is 59";
}

}  // namespace
