// Cities joined by roads on one landmass, and the road-building path.
#include "Army_Fixture.h"
#include "world/Path_Finder.h"
#include "world/Road_Connections.h"

using namespace army_test;

namespace {

void Road(int wx, int wy, int wp) { _map_square_flags[World_Square_Index(wx, wy, wp)] |= sf_Road; }

void Road_Line(int x1, int x2, int wy, int wp)
{
    for (int x = x1; x <= x2; x++) Road(x, wy, wp);
}

bool Joined(int a, int b)
{
    const bool ab = _CITIES[a].road_connections[b / 8] & (1u << (b % 8));
    const bool ba = _CITIES[b].road_connections[a / 8] & (1u << (a % 8));
    EXPECT_EQ(ab, ba) << a << " " << b;
    return ab && ba;
}

// The joining as the path finder itself decides it, city by city.
void Reference_Connections(uint8_t sets[NUM_CITIES][13])
{
    memset(sets, 0, NUM_CITIES * 13);
    static uint8_t buffer[MOVEPATH_FIND_BUFFER_SIZE];
    for (int c = 0; c < _cities; c++) {
        const City_Record &city = _CITIES[c];
        bool on_road = false;
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++) {
                const int y = city.wy + dy;
                if ((dx || dy) && y >= 0 && y < WORLD_HEIGHT &&
                    (_map_square_flags[World_Square_Index((city.wx + dx + 60) % 60, y, city.wp)] & sf_Road))
                    on_road = true;
            }
        if (!on_road) continue;
        const uint8_t land = _landmasses[World_Square_Index(city.wx, city.wy, city.wp)];
        for (int sq = 0; sq < WORLD_SIZE; sq++) {
            const int i = city.wp * WORLD_SIZE + sq;
            buffer[sq] = ((_map_square_flags[i] & sf_Road) && _landmasses[i] == land) ? 1 : 255;
        }
        Move_Path_Find(city.wx, city.wy, buffer);
        const int16_t *from = Move_Path_Predecessors(buffer);
        for (int p = c + 1; p < _cities; p++) {
            const City_Record &other = _CITIES[p];
            const int sq = other.wy * WORLD_WIDTH + other.wx;
            if (other.wp != city.wp || _landmasses[World_Square_Index(other.wx, other.wy, other.wp)] != land ||
                from[sq] == sq)
                continue;
            sets[c][p / 8] |= (uint8_t)(1u << (p % 8));
            sets[p][c / 8] |= (uint8_t)(1u << (c % 8));
        }
    }
}

}  // namespace

class RoadConnections : public Army_Test {};

TEST_F(RoadConnections, RoadThroughNeighbourSquaresJoinsBothWaysAndOneSquareShortDoesNot)
{
    const int16_t a = Add_City(0, 10, 10, 0);
    const int16_t b = Add_City(0, 16, 10, 0);
    Road(10, 10, 0);
    Road(16, 10, 0);
    Road_Line(11, 15, 10, 0);
    Reset_City_Road_Connection_Bitfields();
    EXPECT_TRUE(Joined(a, b));
    // The road stops one square short of b's square (b's own square carries none).
    _map_square_flags[World_Square_Index(16, 10, 0)] = 0;
    Reset_City_Road_Connection_Bitfields();
    EXPECT_FALSE(Joined(a, b));
    EXPECT_EQ(_CITIES[a].road_connections[0], 0);
}

TEST_F(RoadConnections, OtherPlanesAndOtherLandmassesAreNeverJoined)
{
    const int16_t a = Add_City(0, 10, 10, 0);
    const int16_t other_plane = Add_City(0, 14, 10, 1);
    const int16_t island = Add_City(0, 12, 10, 0);
    _landmasses[World_Square_Index(12, 10, 0)] = 2;
    for (int p = 0; p < 2; p++) Road_Line(5, 20, 10, p);
    Reset_City_Road_Connection_Bitfields();
    EXPECT_FALSE(Joined(a, other_plane));
    EXPECT_FALSE(Joined(a, island));
    EXPECT_FALSE(Joined(island, other_plane));
}

TEST_F(RoadConnections, CityWithoutNeighbourRoadIsStillReachedByALowerCity)
{
    // b's neighbours carry no road, so b starts no search; a's search enters b's road square.
    const int16_t a = Add_City(0, 10, 10, 0);
    const int16_t b = Add_City(0, 11, 10, 0);
    const int16_t c = Add_City(0, 30, 30, 0);
    Road(11, 10, 0);
    Road(30, 30, 0);
    Reset_City_Road_Connection_Bitfields();
    EXPECT_TRUE(Joined(a, b));
    EXPECT_FALSE(Joined(b, c));
    EXPECT_FALSE(Joined(a, c));
    // Swapped numbering: the city beside the road now comes first and has no neighbour road.
    std::swap(_CITIES[a], _CITIES[b]);
    Reset_City_Road_Connection_Bitfields();
    EXPECT_FALSE(Joined(a, b));
}

TEST_F(RoadConnections, CutLinkLosesPartnersAboveIndexEight)
{
    for (int i = 0; i < 10; i++) Add_City(0, 5 + 5 * i, 10, 0);
    Road_Line(0, 59, 10, 0);
    Reset_City_Road_Connection_Bitfields();
    EXPECT_TRUE(Joined(0, 9));
    EXPECT_TRUE(Joined(8, 9));
    EXPECT_EQ(_CITIES[9].road_connections[0], 0xFF);
    EXPECT_EQ(_CITIES[9].road_connections[1], 0x01);
    // Cut the road on both sides of city 9 (x 50), the seam included.
    _map_square_flags[World_Square_Index(49, 10, 0)] = 0;
    _map_square_flags[World_Square_Index(52, 10, 0)] = 0;
    Reset_Landmass_Road_Connection_Bitfields(50, 10, 0);
    for (int c = 0; c < 9; c++) EXPECT_FALSE(Joined(c, 9)) << c;
    EXPECT_TRUE(Joined(0, 8));
    EXPECT_EQ(_CITIES[9].road_connections[0], 0);
    EXPECT_EQ(_CITIES[9].road_connections[1], 0);
}

TEST_F(RoadConnections, LandmassResetLeavesOtherLandmassesAlone)
{
    const int16_t a = Add_City(0, 10, 10, 0);
    const int16_t b = Add_City(0, 12, 10, 0);
    Road_Line(9, 13, 10, 0);
    Reset_City_Road_Connection_Bitfields();
    ASSERT_TRUE(Joined(a, b));
    for (int x = 8; x <= 14; x++) _landmasses[World_Square_Index(x, 10, 0)] = 3;
    _map_square_flags[World_Square_Index(11, 10, 0)] = 0;
    Reset_Landmass_Road_Connection_Bitfields(30, 30, 0);  // landmass 1: neither city
    EXPECT_TRUE(Joined(a, b));
    Reset_Landmass_Road_Connection_Bitfields(10, 10, 0);
    EXPECT_FALSE(Joined(a, b));
}

TEST_F(RoadConnections, SameSetsAsThePathFinderOnRandomRoadNetworks)
{
    uint32_t seed = 77;
    auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (int round = 0; round < 40; round++) {
        memset(_map_square_flags, 0, NUM_PLANES * WORLD_SIZE);
        for (int sq = 0; sq < NUM_PLANES * WORLD_SIZE; sq++) {
            _landmasses[sq] = (uint8_t)(1 + (sq % WORLD_WIDTH) / 20);
            if (next(100) < 45) _map_square_flags[sq] = sf_Road;
        }
        _cities = 0;
        const int cities = 20 + (int)next(80);
        for (int c = 0; c < cities; c++) {
            // Rows 0 and 39 and road-less rows now and then, to meet the path finder's row rules.
            const int wy = next(10) == 0 ? (next(2) ? 0 : 39) : (int)next(40);
            Add_City((int)next(5), (int)next(60), wy, (int)next(2));
        }
        if (round % 4 == 0) {
            for (int x = 0; x < WORLD_WIDTH; x++) _map_square_flags[World_Square_Index(x, 20, 0)] = 0;
        }
        static uint8_t expected[NUM_CITIES][13];
        Reference_Connections(expected);
        Reset_City_Road_Connection_Bitfields();
        for (int c = 0; c < _cities; c++)
            ASSERT_EQ(memcmp(_CITIES[c].road_connections, expected[c], 13), 0) << "round " << round << " city " << c;
    }
}

TEST_F(RoadConnections, RoadPathPrefersRoadsAndStaysOnTheLandmass)
{
    int8_t xs[ROAD_PATH_MAX_STEPS], ys[ROAD_PATH_MAX_STEPS];
    // Straight across is 4 steps of open land (cost 8); the road bends by a row and costs 6 for 5 steps.
    for (int x = 11; x <= 14; x++) Road(x, 11, 0);
    Road(15, 10, 0);
    ASSERT_EQ(OVL_GetRoadPath(10, 10, 15, 10, 0, xs, ys), 5);
    EXPECT_EQ(xs[0], 11);
    EXPECT_EQ(ys[0], 11);
    EXPECT_EQ(xs[4], 15);
    EXPECT_EQ(ys[4], 10);
    // A ring of another landmass around the goal leaves it unreachable.
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (dx || dy) _landmasses[World_Square_Index(30 + dx, 30 + dy, 0)] = 2;
    EXPECT_EQ(OVL_GetRoadPath(10, 10, 30, 30, 0, xs, ys), 0);
    _landmasses[World_Square_Index(40, 30, 0)] = 2;
    EXPECT_EQ(OVL_GetRoadPath(10, 10, 40, 30, 0, xs, ys), 0);  // goal on another island
    _landmasses[World_Square_Index(5, 5, 0)] = 0;
    EXPECT_EQ(OVL_GetRoadPath(5, 5, 10, 10, 0, xs, ys), 0);  // start on water
    EXPECT_EQ(OVL_GetRoadPath(10, 10, 10, 10, 0, xs, ys), 0);
}

TEST_F(RoadConnections, LongRoadPathWritesOnlyTheCallersRoom)
{
    // One winding corridor of land: rows 1, 3, ..., 37 joined at alternate ends, the seam cut.
    for (int sq = 0; sq < WORLD_SIZE; sq++) _landmasses[sq] = 0;
    for (int y = 1; y <= 37; y += 2)
        for (int x = 0; x < WORLD_WIDTH - 1; x++) _landmasses[y * WORLD_WIDTH + x] = 1;
    for (int y = 2; y <= 36; y += 2) _landmasses[y * WORLD_WIDTH + ((y / 2) % 2 ? WORLD_WIDTH - 2 : 0)] = 1;
    struct Guarded {
        int8_t steps[ROAD_PATH_MAX_STEPS];
        int8_t guard[16];
    } xs, ys;
    memset(&xs, 0x7F, sizeof(xs));
    memset(&ys, 0x7F, sizeof(ys));
    ASSERT_EQ(OVL_GetRoadPath(0, 1, 0, 37, 0, xs.steps, ys.steps), ROAD_PATH_MAX_STEPS);
    for (int8_t g : xs.guard) EXPECT_EQ(g, 0x7F);
    for (int8_t g : ys.guard) EXPECT_EQ(g, 0x7F);
    // The first steps of the path: along row 1 eastward.
    EXPECT_EQ(xs.steps[0], 1);
    EXPECT_EQ(ys.steps[0], 1);
    EXPECT_EQ(xs.steps[56], 57);
    EXPECT_EQ(ys.steps[56], 1);
}
