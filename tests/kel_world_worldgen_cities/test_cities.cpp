// Fortresses, capitals, neutral cities, their garrisons and names on fixed seeds.
#include <algorithm>
#include <set>
#include <string>

#include "Geometry.h"
#include "Standin_Data.h"
#include "Worldgen_Cities_Fixture.h"

class WorldGen_Cities : public Worldgen_Test {
protected:
    void Generate(uint32_t seed)
    {
        Set_Random_Seed(seed);
        Generate_Home_Cities();
        Generate_Neutral_Cities(0);
        Generate_Neutral_Cities(1);
    }
};

TEST_F(WorldGen_Cities, FoodRatingsAndTheAreaOfANewCity)
{
    const struct {
        int16_t tile;
        int16_t food2;
    } cases[] = {{0, 0},   {601, 0}, {700, 0}, {1, 3},   {162, 3}, {180, 3}, {163, 1},
                 {171, 1}, {164, 0}, {167, 0}, {170, 0}, {181, 0}, {270, 0}, {300, 0},
                 {168, 4}, {169, 4}, {190, 4}, {470, 4}, {20, 1},  {280, 1}, {183, 1}};
    for (const auto &c : cases) {
        Set_Square(30, 20, 0, c.tile);
        EXPECT_EQ(Square_Food2_NewGame(30, 20, 0), c.food2) << c.tile;
    }
    int16_t xs[NEWGAME_CITY_AREA_SQUARES];
    int16_t ys[NEWGAME_CITY_AREA_SQUARES];
    EXPECT_EQ(Get_Useable_City_Area_NewGame(30, 20, 0, xs, ys), 21);
    EXPECT_EQ(xs[0], 29);  // row -2 begins one column to the west
    EXPECT_EQ(ys[0], 18);
    EXPECT_EQ(Get_Useable_City_Area_NewGame(0, 0, 0, xs, ys), 13);
    EXPECT_EQ(xs[0], 58);  // columns wrap
    EXPECT_EQ(Get_Useable_City_Area_NewGame(10, 1, 0, xs, ys), 18);
    EXPECT_EQ(Get_Useable_City_Area_NewGame(10, 39, 0, xs, ys), 13);

    Fill_Plane(0, tt_Grasslands);
    EXPECT_EQ(City_Maximum_Size_NewGame(30, 20, 0), 31);  // 21 x 3 halves
    Set_Square(30, 20, 0, tt_Forest);
    EXPECT_EQ(City_Maximum_Size_NewGame(30, 20, 0), 30);  // 61 halves
}

TEST_F(WorldGen_Cities, FortressesAndCapitalsFollowTheirRules)
{
    _num_players = 5;
    _players[2].retorts[rtr_Myrran] = 1;
    for (uint32_t seed : {1u, 77u, 4242u}) {
        memset(_FORTRESSES, 0, sizeof(Fortress_Record) * NUM_FORTRESSES);
        _units = 0;
        Set_Random_Seed(seed);
        Generate_Home_Cities();
        for (int f = 0; f < NUM_FORTRESSES; f++) {
            const Fortress_Record &fortress = _FORTRESSES[f];
            EXPECT_EQ(fortress.active, 1);
            EXPECT_EQ(fortress.wp, f == 2 ? 1 : 0) << f;
            EXPECT_NE(_world_maps[World_Square_Index(fortress.wx, fortress.wy, fortress.wp)], 0);
            EXPECT_GE(City_Maximum_Size_NewGame(fortress.wx, fortress.wy, fortress.wp), 8 - f / 3);
            for (int g = 0; g < f; g++) {
                if (_FORTRESSES[g].wp == fortress.wp) {
                    EXPECT_GE(Delta_XY_With_Wrap(_FORTRESSES[g].wx, _FORTRESSES[g].wy, fortress.wx, fortress.wy, 60),
                              10);
                }
            }
        }
        ASSERT_EQ(_cities, 5);
        for (int p = 0; p < 5; p++) {
            const City_Record &city = _CITIES[p];
            EXPECT_EQ(city.owner_idx, p);
            EXPECT_EQ(city.wx, _FORTRESSES[p].wx);
            EXPECT_EQ(city.wp, _FORTRESSES[p].wp);
            EXPECT_EQ(city.population, 4);
            EXPECT_EQ(city.farmer_count, 3);
            EXPECT_EQ(city.size, 1);
            EXPECT_EQ(city.construction, p == 0 ? bt_Housing : -4);
            for (int b = 0; b < NUM_BUILDINGS; b++) {
                int expected = b == 0                                                                 ? 0
                               : (b == bt_Garrison || b == bt_Capital_Hall || b == bt_Builders_Lodge) ? 1
                                                                                                      : -1;
                EXPECT_EQ(city.bldg_status[b], expected) << b;
            }
            EXPECT_GT(strlen(city.name), 0u);
        }
        EXPECT_EQ(_CITIES[0].race, rt_High_Men);
        // The Myrran wizard's capital is of a Myrran race.
        EXPECT_TRUE(std::set<int>({1, 2, 3, 4, 13}).count(_CITIES[2].race)) << (int)_CITIES[2].race;
    }
}

TEST_F(WorldGen_Cities, CapitalGarrisonsComeFirstAndDwarvesHaveNoSpearmen)
{
    NEWG_Clicked_Race = rt_Dwarven;
    Generate(9);
    // Pass one: Spearmen for the computer wizards only; pass two: the Dwarven extra, then Swordsmen.
    std::vector<int> expected;
    for (int p = 1; p < 3; p++) expected.push_back(Race_Spearmen_Type_NewGame(_CITIES[p].race));
    expected.push_back(76);
    for (int p = 0; p < 3; p++) expected.push_back(Race_Swordsmen_Type_NewGame(_CITIES[p].race));
    for (size_t u = 0; u < expected.size(); u++) {
        EXPECT_EQ(_UNITS[u].type, expected[u]) << u;
        int owner = u < 2 ? (int)u + 1 : u < 4 ? 0 : (int)u - 3;
        EXPECT_EQ(_UNITS[u].owner_idx, owner) << u;
        EXPECT_EQ(_UNITS[u].wx, _CITIES[owner].wx);
        EXPECT_EQ(_UNITS[u].Hero_Slot, -1);
        EXPECT_EQ(_UNITS[u].Level, 0);
    }
    for (int u = (int)expected.size(); u < _units; u++) EXPECT_EQ(_UNITS[u].owner_idx, CITY_OWNER_NEUTRAL) << u;
}

TEST_F(WorldGen_Cities, AComputerHighElfCapitalStandsInForest)
{
    _num_players = 5;
    _difficulty = 3;  // High Elf is one draw in five
    Island_World(tt_Grasslands);
    for (int p = 0; p < NUM_PLANES; p++) {
        for (int y = 0; y < WORLD_HEIGHT; y++) {
            for (int x = 0; x < WORLD_WIDTH; x++) {
                if (_world_maps[World_Square_Index(x, y, p)] == tt_Forest) {
                    _world_maps[World_Square_Index(x, y, p)] = tt_Hills;
                }
            }
        }
    }
    NEWG_Clicked_Race = rt_High_Elf;
    for (uint32_t seed = 1; seed <= 12; seed++) {
        _units = 0;
        Set_Random_Seed(seed);
        Generate_Home_Cities();
        EXPECT_EQ(_CITIES[0].race, rt_High_Elf);  // the human's choice stands
        for (int p = 1; p < 5; p++) EXPECT_NE(_CITIES[p].race, rt_High_Elf) << seed << " " << p;
    }
    // On forest the draw stands.
    Fill_Plane(0, tt_Forest);
    int high_elves = 0;
    for (uint32_t seed = 1; seed <= 12; seed++) {
        _units = 0;
        Set_Random_Seed(seed);
        Generate_Home_Cities();
        for (int p = 1; p < 5; p++) high_elves += _CITIES[p].race == rt_High_Elf;
    }
    EXPECT_GT(high_elves, 0);
}

TEST_F(WorldGen_Cities, NeutralCitiesKeepTheirDistancesAndGrowGarrisonsWithPopulation)
{
    _difficulty = 4;
    for (uint32_t seed : {3u, 31u, 313u}) {
        _units = 0;
        Generate(seed);
        ASSERT_GT(_cities, 3);
        int per_plane[2] = {0, 0};
        for (int c = 3; c < _cities; c++) {
            const City_Record &city = _CITIES[c];
            per_plane[city.wp]++;
            EXPECT_EQ(city.owner_idx, CITY_OWNER_NEUTRAL);
            EXPECT_GE(city.wx, 4);
            EXPECT_LE(city.wx, 57);
            int16_t terrain = _world_maps[World_Square_Index(city.wx, city.wy, city.wp)];
            EXPECT_TRUE(terrain != 0 && (terrain < 2 || terrain > 161));
            for (int p = 0; p < _num_players; p++) {
                EXPECT_GE(Range(_FORTRESSES[p].wx, _FORTRESSES[p].wy, city.wx, city.wy), 5) << c;
            }
            for (int d = 0; d < c; d++) {
                if (_CITIES[d].wp == city.wp) {
                    EXPECT_GE(Delta_XY_With_Wrap(_CITIES[d].wx, _CITIES[d].wy, city.wx, city.wy, 60), 4);
                }
            }
            EXPECT_GE(city.population, 1);
            EXPECT_LE(city.population, 11);
            EXPECT_EQ(city.size, city.population / 4);
            EXPECT_EQ(city.construction, -4);
            EXPECT_EQ(city.bldg_status[bt_Garrison], city.population >= 2 ? 1 : -1);
            int garrison = city.population / 4;
            EXPECT_EQ(Units_At(city.wx, city.wy, city.wp, CITY_OWNER_NEUTRAL), 2 * garrison) << c;
            if (city.wp == 1) {
                EXPECT_TRUE(std::set<int>({1, 2, 3, 4, 13}).count(city.race));
            }
        }
        EXPECT_LE(per_plane[0], NEUTRAL_CITIES_PER_PLANE);
        EXPECT_LE(per_plane[1], NEUTRAL_CITIES_PER_PLANE);
    }
}

TEST_F(WorldGen_Cities, APlaneRunsOutOfSitesAfterAThousandDraws)
{
    // Land only in a strip: room for few cities.
    for (int p = 0; p < NUM_PLANES; p++) {
        for (int y = 0; y < WORLD_HEIGHT; y++) {
            for (int x = 0; x < WORLD_WIDTH; x++) {
                _world_maps[World_Square_Index(x, y, p)] =
                    (x >= 20 && x <= 27 && y >= 10 && y <= 13) ? tt_Grasslands : 0;
            }
        }
    }
    for (int f = 0; f < NUM_FORTRESSES; f++) _FORTRESSES[f] = Fortress_Record{50, 30, 0, 1};
    _cities = 0;
    Set_Random_Seed(5);
    Generate_Neutral_Cities(0);
    EXPECT_GE(_cities, 1);
    EXPECT_LE(_cities, 2);
}

TEST_F(WorldGen_Cities, NeutralBuildingsByPopulationRaceAndRequirements)
{
    const struct {
        int race;
        int population;
        std::vector<int> built;
        std::vector<int> replaced;
    } cases[] = {
        {rt_Orc, 1, {}, {}},
        {rt_Orc, 2, {3}, {}},
        {rt_Orc, 4, {3, 8, 32}, {}},
        {rt_Orc, 11, {3, 8, 32, 4, 29, 9, 35}, {}},
        {rt_Dwarven, 8, {3, 8, 32, 4, 29}, {}},               // Dwarves never build 9
        {rt_Halfling, 14, {3, 8, 32, 4, 29, 35, 5, 22}, {}},  // nor Halflings 6 and 9
        {rt_Orc, 14, {3, 8, 32, 4, 29, 9, 35, 5, 6, 22}, {}},
    };
    for (const auto &c : cases) {
        _cities = 1;
        _CITIES[0].race = (uint8_t)c.race;
        _CITIES[0].population = (uint8_t)c.population;
        Neutral_City_Buildings(0);
        for (int b = 1; b < NUM_BUILDINGS; b++) {
            bool built = std::find(c.built.begin(), c.built.end(), b) != c.built.end();
            EXPECT_EQ(_CITIES[0].bldg_status[b], built ? 1 : -1) << c.race << "/" << c.population << " b" << b;
        }
        EXPECT_EQ(_CITIES[0].bldg_status[0], 0);
    }

    // 4 needs 29 (missing at population 5); 32 needs a terrain code, counted as met; 9 needs 8 and a
    // terrain code; 8 replaces 3; 35 needs 8 and 6 (6 missing).
    buildings[4].reqd_bldg_1 = 29;
    buildings[32].reqd_bldg_1 = 110;
    buildings[32].reqd_bldg_2 = 29;
    buildings[9].reqd_bldg_1 = 8;
    buildings[9].reqd_bldg_2 = 104;
    buildings[8].replace_bldg = 3;
    buildings[35].reqd_bldg_1 = 8;
    buildings[35].reqd_bldg_2 = 6;
    _CITIES[0].race = rt_Orc;
    _CITIES[0].population = 10;
    Neutral_City_Buildings(0);
    const int8_t *status = _CITIES[0].bldg_status;
    EXPECT_EQ(status[4], 1);   // 29 stands at 10
    EXPECT_EQ(status[32], 1);  // a first requirement beyond the buildings: no test at all
    EXPECT_EQ(status[9], 1);   // a terrain code as second requirement counts as met
    EXPECT_EQ(status[3], 0);   // replaced
    EXPECT_EQ(status[8], 1);
    EXPECT_EQ(status[35], -1);
    _CITIES[0].population = 5;
    Neutral_City_Buildings(0);
    EXPECT_EQ(status[4], -1);
}

TEST_F(WorldGen_Cities, GarrisonTypesAreTheLastFittingOfTheRace)
{
    _cities = 1;
    City_Record &city = _CITIES[0];
    city.race = rt_Barbarian;
    city.population = 4;
    Neutral_City_Buildings(0);
    // Barbarian kinds 39..45: melee 44 (the last without missiles, settlers or construction), ranged 45.
    EXPECT_EQ(Neutral_Garrison_Type(0, 0), 44);
    EXPECT_EQ(Neutral_Garrison_Type(0, 1), 45);
    _unit_type_table[44].reqd_bldg_1 = bt_City_Walls;  // not built at 4
    _unit_type_table[45].reqd_bldg_2 = bt_Garrison;    // built
    EXPECT_EQ(Neutral_Garrison_Type(0, 0), 40);
    EXPECT_EQ(Neutral_Garrison_Type(0, 1), 45);
    _unit_type_table[41].Ranged_Type = 100;  // thrown weapons count as melee
    _unit_type_table[45].Ranged_Type = 105;
    EXPECT_EQ(Neutral_Garrison_Type(0, 0), 45);
    EXPECT_EQ(Neutral_Garrison_Type(0, 1), 0);
    // Spearmen 39 lie below the searched types.
    for (int t = 40; t <= 45; t++) _unit_type_table[t].race = rt_Troll;
    EXPECT_EQ(Neutral_Garrison_Type(0, 0), 0);
}

TEST_F(WorldGen_Cities, NewGameUnitsTakeTheirCitysTrainingAndTheOwnersRetorts)
{
    _cities = 1;
    memset(_CITIES[0].bldg_status, -1, NUM_BUILDINGS);
    _players[1].retorts[rtr_Alchemy] = 1;
    _players[2].retorts[rtr_Warlord] = 1;
    Create_Unit_NewGame(0, 1, 5, 5, 0, 0);
    EXPECT_EQ(_units, 0);
    Create_Unit_NewGame(40, 1, 5, 6, 1, 0);
    ASSERT_EQ(_units, 1);
    EXPECT_EQ(_UNITS[0].wx, 5);
    EXPECT_EQ(_UNITS[0].wy, 6);
    EXPECT_EQ(_UNITS[0].wp, 1);
    EXPECT_EQ(_UNITS[0].moves2, _unit_type_table[40].Move_Halves);
    EXPECT_EQ(_UNITS[0].moves2_max, _unit_type_table[40].Move_Halves);
    EXPECT_EQ(_UNITS[0].Finished, 0);
    EXPECT_EQ(_UNITS[0].mutations, 1);
    EXPECT_EQ(_UNITS[0].Rd_Constr_Left, -1);
    EXPECT_EQ(_UNITS[0].XP, 0);
    _CITIES[0].bldg_status[bt_Training_Yard] = 1;
    Create_Unit_NewGame(40, 2, 5, 6, 0, 0);
    EXPECT_EQ(_UNITS[1].XP, 20);
    EXPECT_EQ(_UNITS[1].Level, 2);  // 1 from the yard, 1 from Warlord
    EXPECT_EQ(_UNITS[1].mutations, 0);
    _CITIES[0].bldg_status[bt_War_Academy] = 1;
    Create_Unit_NewGame(40, 3, 5, 6, 0, 0);
    EXPECT_EQ(_UNITS[2].XP, 60);
    EXPECT_EQ(_UNITS[2].Level, 2);
    _CITIES[0].bldg_status[bt_War_Academy] = 0;  // replaced is not built
    Create_Unit_NewGame(40, 3, 5, 6, 0, 0);
    EXPECT_EQ(_UNITS[3].XP, 20);
    _units = UNIT_MAX_IN_USE;
    Create_Unit_NewGame(40, 3, 5, 6, 0, -1);
    EXPECT_EQ(_units, UNIT_MAX_IN_USE);
}

TEST_F(WorldGen_Cities, NamesAreBoundedAndFresh)
{
    // Names of 14 letters without a terminator are cut to 13 and a NUL.
    rules_test::Bytes records(NUM_RACES * CITYNAME_RECORD_SIZE, 0);
    for (int r = 0; r < NUM_RACES; r++) {
        for (int k = 0; k < CITYNAME_NAMES_PER_RACE; k++) {
            std::string name = std::string("ABCDEFGHIJKL") + (char)('a' + r) + (char)('a' + k);
            memcpy(&records[r * CITYNAME_RECORD_SIZE + k * CITY_NAME_SIZE], name.c_str(), CITY_NAME_SIZE);
        }
    }
    Write_Data("CITYNAME.LBX",
               rules_test::Archive({rules_test::Record_Table_Entry(NUM_RACES, CITYNAME_RECORD_SIZE, records)}));
    LBX_Close();
    memset(_CITIES[0].name, 'x', CITY_NAME_SIZE);
    _cities = 0;
    Random_City_Name_By_Race_NewGame(rt_Orc, 0);
    EXPECT_EQ(strnlen(_CITIES[0].name, CITY_NAME_SIZE), 13u);
    EXPECT_EQ(std::string(_CITIES[0].name).substr(0, 13), "ABCDEFGHIJKLm");
}

TEST_F(WorldGen_Cities, LandmassesBeyondTheRaceTableKeepTheDrawnRace)
{
    for (int square = 0; square < WORLD_SIZE; square++) {
        if (_landmasses[square] != 0) _landmasses[square] = 250;
    }
    Fill_Plane(0, tt_Forest);
    for (int square = 0; square < WORLD_SIZE; square++) {
        if (_landmasses[square] == 0) _world_maps[square] = 0;
    }
    int high_elves = 0;
    int cities = 0;
    for (uint32_t seed = 1; seed <= 6; seed++) {
        _cities = 0;
        _units = 0;
        Set_Random_Seed(seed);
        Generate_Neutral_Cities(0);
        for (int c = 0; c < _cities; c++) {
            EXPECT_LT(_CITIES[c].race, NUM_RACES);
            high_elves += _CITIES[c].race == rt_High_Elf;
        }
        cities += _cities;
        for (int l = 1; l < NUM_LANDMASS_RACES; l++) EXPECT_NE(m_landmasses_default_race[l], rt_High_Elf);
    }
    // No default race ever is High Elf; on forest a fourth draw of nine is.
    EXPECT_GT(high_elves, cities / 20);

    // One landmass in the table: most cities take its race.
    for (int square = 0; square < WORLD_SIZE; square++) {
        if (_landmasses[square] != 0) _landmasses[square] = 1;
    }
    _cities = 0;
    Set_Random_Seed(11);
    Generate_Neutral_Cities(0);
    int same = 0;
    for (int c = 0; c < _cities; c++) same += _CITIES[c].race == m_landmasses_default_race[1];
    EXPECT_GE(same * 2, _cities);
}

TEST_F(WorldGen_Cities, OneSeedOneWorld)
{
    _num_players = 5;
    Generate(2024);
    std::vector<uint8_t> first = World_Image();
    _units = 0;
    memset(_CITIES, 0, sizeof(City_Record) * NUM_CITIES);
    Generate(2024);
    EXPECT_EQ(World_Image(), first);
}

TEST_F(WorldGen_Cities, TheStandinNamesServeAWholeWorld)
{
    Test_Search_Standin_Data();
    std::set<std::string> names;
    for (int race = 0; race < NUM_RACES; race++) {
        uint8_t record[CITYNAME_RECORD_SIZE];
        LBX_Load_Data_Static("CITYNAME", 0, record, (int16_t)race, 1, CITYNAME_RECORD_SIZE);
        for (int k = 0; k < CITYNAME_NAMES_PER_RACE; k++) {
            const char *name = reinterpret_cast<const char *>(record) + k * CITY_NAME_SIZE;
            size_t length = strnlen(name, CITY_NAME_SIZE);
            EXPECT_GT(length, 0u);
            EXPECT_LT(length, (size_t)CITY_NAME_SIZE);
            std::string folded(name, length);
            for (char &ch : folded) ch = (char)tolower((unsigned char)ch);
            EXPECT_TRUE(names.insert(folded).second) << folded;
        }
    }
    _num_players = 5;
    _difficulty = 4;
    Generate(99);
    EXPECT_GT(_cities, 20);
    std::set<std::string> used;
    for (int c = 0; c < _cities; c++) {
        std::string folded(_CITIES[c].name, strnlen(_CITIES[c].name, CITY_NAME_SIZE));
        for (char &ch : folded) ch = (char)tolower((unsigned char)ch);
        EXPECT_TRUE(names.count(folded)) << folded;
        EXPECT_TRUE(used.insert(folded).second) << "two cities named " << folded;
    }
}

TEST_F(WorldGen_Cities, FortressPlacementEndsOnPoorOrMissingLand)
{
    // A strip of tundra: every site is too poor, so the passes give up and any land serves.
    Fill_Plane(0, 0);
    for (int x = 10; x < 50; x++) Set_Square(x, 20, 0, tt_Tundra);
    Set_Random_Seed(3);
    Generate_Home_Cities();
    for (int f = 0; f < NUM_FORTRESSES; f++) {
        EXPECT_EQ(_FORTRESSES[f].active, 1);
        EXPECT_EQ(_FORTRESSES[f].wy, 20);
        EXPECT_EQ(_world_maps[World_Square_Index(_FORTRESSES[f].wx, 20, 0)], tt_Tundra);
    }
    EXPECT_EQ(_cities, 3);
    // No land at all: the fortresses still stand somewhere inside the drawn area.
    Fill_Plane(0, 0);
    _units = 0;
    Generate_Home_Cities();
    for (int f = 0; f < NUM_FORTRESSES; f++) {
        EXPECT_EQ(_FORTRESSES[f].active, 1);
        EXPECT_GE(_FORTRESSES[f].wx, 3);
        EXPECT_LE(_FORTRESSES[f].wy, 36);
    }
}
