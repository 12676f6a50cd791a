// The two grid finders: small grids without wrap, and one wrapping plane of the world map.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "Paths_Fixture.h"
#include "world/Path_Finder.h"

namespace {

struct Plane_Buffer {
    std::vector<uint8_t> bytes = std::vector<uint8_t>(MOVEPATH_FIND_BUFFER_SIZE, 0);
    uint8_t *costs() { return bytes.data() + MOVEPATH_COSTS_OFS; }
    int16_t from(int x, int y)
    {
        int16_t v;
        memcpy(&v, bytes.data() + MOVEPATH_FROM_OFS + 2 * (y * WORLD_WIDTH + x), 2);
        return v;
    }
    void Fill(uint8_t cost) { memset(costs(), cost, WORLD_SIZE); }
    void Set(int x, int y, uint8_t cost) { costs()[y * WORLD_WIDTH + x] = cost; }
};

uint16_t Reach(int x, int y) { return movepath_reach_costs[y * WORLD_WIDTH + x]; }
int Sq(int x, int y) { return y * WORLD_WIDTH + x; }

// ---- plain transcriptions of the two sweeps, kept beside the tests to hold the product to ----

uint16_t Literal_Add(uint16_t reach, uint8_t cost)
{
    uint32_t sum = (uint32_t)reach + cost;
    return sum > 65534 ? 65534 : (uint16_t)sum;
}

void Literal_Move_Path_Find(int ox, int oy, const uint8_t *costs, std::vector<uint16_t> &reach,
                            std::vector<int16_t> &from)
{
    reach.assign(WORLD_SIZE, 0xFFFF);
    from.resize(WORLD_SIZE);
    for (int i = 0; i < WORLD_SIZE; i++) {
        from[i] = (int16_t)i;
    }
    reach[oy * 60 + ox] = 0;
    int row_count[40];
    for (int y = 0; y < 40; y++) {
        row_count[y] = 0;
        for (int x = 0; x < 60; x++) {
            row_count[y] += costs[y * 60 + x] != 255;
        }
    }
    bool updated = true;
    auto handle = [&](int y) {
        for (int x = 0; x < 60; x++) {
            int sq = y * 60 + x;
            uint8_t c = costs[sq];
            if (c == 255) {
                continue;
            }
            const int dx[8] = {-1, 0, 1, -1, 1, -1, 0, 1};
            const int dy[8] = {-1, -1, -1, 0, 0, 1, 1, 1};
            for (int k = 0; k < 8; k++) {
                int ny = y + dy[k];
                if (ny < 0 || ny > 39) {
                    continue;
                }
                int nx = (x + dx[k] + 60) % 60;
                int n = ny * 60 + nx;
                if (reach[n] == 0xFFFF) {
                    continue;
                }
                uint16_t t = Literal_Add(reach[n], c);
                if (t < reach[sq]) {
                    reach[sq] = t;
                    from[sq] = (int16_t)n;
                    updated = true;
                }
            }
        }
    };
    while (updated) {
        updated = false;
        int y = oy;
        while (true) {
            handle(y);
            if (row_count[y] == 0 || y + 1 > 38) {
                break;
            }
            y++;
        }
        y = oy;
        while (true) {
            handle(y);
            if (row_count[y] == 0 || y - 1 < 1) {
                break;
            }
            y--;
        }
    }
}

int Literal_Find_Shortest_Path(int sx, int sy, int gx, int gy, int w, int h, const uint8_t *grid,
                               std::vector<int> &steps)
{
    steps.clear();
    if (grid[gy * w + gx] == 255 || grid[sy * w + sx] == 255) {
        return 0;
    }
    std::vector<int> from(w * h);
    std::vector<uint16_t> reach(w * h, 0xFFFF);
    for (int i = 0; i < w * h; i++) {
        from[i] = i;
    }
    reach[sy * w + sx] = 0;
    bool changed = true;
    while (changed) {
        changed = false;
        for (int cell = 0; cell < w * h; cell++) {
            if (grid[cell] == 255) {
                continue;
            }
            int before = from[cell];
            int x = cell % w, y = cell / w;
            std::vector<int> ns;
            bool t = y == 0, b = y == h - 1, l = x == 0, r = x == w - 1;
            if (t && l)
                ns = {1, w, w + 1};
            else if (t && r)
                ns = {-1, w, w - 1};
            else if (t)
                ns = {-1, 1, w, w - 1, w + 1};
            else if (b && l)
                ns = {1, -w, -w + 1};
            else if (b && r)
                ns = {-1, -w, -w - 1};
            else if (b)
                ns = {-1, 1, -w, -w - 1, -w + 1};
            else if (l)
                ns = {-w, -w + 1, 1, w, w + 1};
            else if (r)
                ns = {-w - 1, -w, -1, w, w - 1};
            else
                ns = {-w - 1, -w, -w + 1, -1, 1, w - 1, w, w + 1};
            for (int d : ns) {
                int n = cell + d;
                if (reach[n] == 0xFFFF) {
                    continue;
                }
                uint16_t v = Literal_Add(reach[n], grid[cell]);
                if (v < reach[cell]) {
                    reach[cell] = v;
                    from[cell] = n;
                }
            }
            if (from[cell] != before) {
                changed = true;
            }
        }
    }
    if (sx == gx && sy == gy) {
        return 0;
    }
    int cell = gy * w + gx;
    while (from[cell] != cell) {
        steps.insert(steps.begin(), cell);
        cell = from[cell];
    }
    if (cell != sy * w + sx || steps.size() > 100) {
        steps.clear();
        return 0;
    }
    return (int)steps.size();
}

void Expect_Same_As_Literal(Plane_Buffer &buffer, int ox, int oy, const char *what)
{
    std::vector<uint16_t> reach;
    std::vector<int16_t> from;
    Literal_Move_Path_Find(ox, oy, buffer.costs(), reach, from);
    ASSERT_EQ(Move_Path_Find((int16_t)ox, (int16_t)oy, buffer.bytes.data()), 1);
    for (int sq = 0; sq < WORLD_SIZE; sq++) {
        ASSERT_EQ(movepath_reach_costs[sq], reach[sq]) << what << " square " << sq;
        ASSERT_EQ(buffer.from(sq % 60, sq / 60), from[sq]) << what << " square " << sq;
        ASSERT_EQ(buffer.bytes[MOVEPATH_REACH_OFS + sq], reach[sq] >= 255 ? 255 : reach[sq]) << what;
    }
}

}  // namespace

// ---- small grids ----

TEST(PathFinder, SmallGridRefusals)
{
    uint8_t grid[35];
    uint8_t xs[100], ys[100];
    struct Case {
        const char *name;
        int sx, sy, gx, gy;
        int wall;   // square made impassable, -1 none
        bool ring;  // wall the goal off
    } cases[] = {
        {"start of cost 255", 0, 0, 4, 6, 0, false},
        {"goal of cost 255", 0, 0, 4, 6, 34, false},
        {"start equal to goal", 2, 3, 2, 3, -1, false},
        {"walled-off goal", 0, 0, 4, 6, -1, true},
    };
    for (const Case &c : cases) {
        memset(grid, 1, sizeof(grid));
        if (c.wall >= 0) {
            grid[c.wall] = 255;
        }
        if (c.ring) {
            grid[5 * 5 + 3] = grid[5 * 5 + 4] = grid[6 * 5 + 3] = 255;
        }
        EXPECT_EQ(Find_Shortest_Path((int16_t)c.sx, (int16_t)c.sy, (int16_t)c.gx, (int16_t)c.gy, 5, 7, grid, xs, ys), 0)
            << c.name;
    }
    // More than 225 cells: refused.
    std::vector<uint8_t> big(16 * 15, 1);
    EXPECT_EQ(Find_Shortest_Path(0, 0, 15, 14, 16, 15, big.data(), xs, ys), 0);
    EXPECT_EQ(Find_Shortest_Path(0, 0, 14, 14, 15, 15, big.data(), xs, ys), 14);
}

TEST(PathFinder, SmallGridRouteAndSumPastTheByte)
{
    // A 5 x 7 grid: the cheap route goes round a costly middle; 250 + 10 stays 260.
    uint8_t grid[35];
    memset(grid, 9, sizeof(grid));
    for (int y = 0; y < 7; y++) {
        grid[y * 5 + 0] = 1;
    }
    uint8_t xs[100], ys[100];
    ASSERT_EQ(Find_Shortest_Path(0, 0, 0, 6, 5, 7, grid, xs, ys), 6);
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(xs[i], 0);
        EXPECT_EQ(ys[i], i + 1);
    }
    uint8_t line[3] = {0, 250, 10};
    ASSERT_EQ(Find_Shortest_Path(0, 0, 2, 0, 3, 1, line, xs, ys), 2);
    EXPECT_EQ(shortest_path_cost_to_reach[2], 260);
}

TEST(PathFinder, SmallGridRouteLongerThanTheBacktraceIsRefused)
{
    // A 15 x 15 serpentine: the only route is far longer than 100 steps.
    uint8_t grid[225];
    memset(grid, 1, sizeof(grid));
    for (int y = 1; y < 15; y += 2) {
        for (int x = 0; x < 15; x++) {
            grid[y * 15 + x] = 255;
        }
        grid[y * 15 + ((y / 2) % 2 == 0 ? 14 : 0)] = 1;
    }
    uint8_t xs[100], ys[100];
    memset(xs, 0xEE, sizeof(xs));
    EXPECT_EQ(Find_Shortest_Path(0, 0, 0, 14, 15, 15, grid, xs, ys), 0);
    EXPECT_EQ(xs[0], 0xEE);
    // The same maze cut short is routed.
    EXPECT_EQ(Find_Shortest_Path(0, 0, 14, 2, 15, 15, grid, xs, ys), 15);
}

// ---- the wrapping plane ----

TEST(PathFinder, PlaneEdgesAndRows)
{
    Plane_Buffer buffer;
    buffer.Fill(1);
    buffer.Set(59, 20, 7);
    ASSERT_EQ(Move_Path_Find(0, 20, buffer.bytes.data()), 1);
    // Column 59 from column 0 at the cost of entering it.
    EXPECT_EQ(Reach(59, 20), 7);
    EXPECT_EQ(buffer.from(59, 20), Sq(0, 20));
    EXPECT_EQ(Reach(59, 19), 1);
    EXPECT_EQ(buffer.from(59, 19), Sq(0, 20));
    // Rows 0 and 39 stay unreached from row 20; their neighbours are reached.
    for (int x = 0; x < WORLD_WIDTH; x++) {
        EXPECT_EQ(Reach(x, 0), PATH_UNREACHED);
        EXPECT_EQ(Reach(x, 39), PATH_UNREACHED);
        EXPECT_EQ(buffer.from(x, 0), Sq(x, 0));
        EXPECT_NE(Reach(x, 1), PATH_UNREACHED);
        EXPECT_NE(Reach(x, 38), PATH_UNREACHED);
    }
    EXPECT_EQ(Reach(0, 1), 19);

    // An origin on row 0: its row is reached, nothing beyond the map feeds it, row 39 is not.
    buffer.Fill(1);
    ASSERT_EQ(Move_Path_Find(10, 0, buffer.bytes.data()), 1);
    EXPECT_EQ(Reach(10, 0), 0);
    EXPECT_EQ(Reach(13, 0), 3);
    EXPECT_EQ(Reach(10, 1), 1);
    EXPECT_EQ(Reach(10, 38), 38);
    EXPECT_EQ(Reach(10, 39), PATH_UNREACHED);
    // An origin on row 39 likewise.
    ASSERT_EQ(Move_Path_Find(5, 39, buffer.bytes.data()), 1);
    EXPECT_EQ(Reach(8, 39), 3);
    EXPECT_EQ(Reach(5, 0), PATH_UNREACHED);
    EXPECT_EQ(Reach(5, 1), 38);
    // An origin off the map writes nothing.
    EXPECT_EQ(Move_Path_Find(60, 3, buffer.bytes.data()), 0);
    EXPECT_EQ(Move_Path_Find(3, -1, buffer.bytes.data()), 0);
}

TEST(PathFinder, PlaneSumsPastTheByteAndSaturate)
{
    Plane_Buffer buffer;
    buffer.Fill(255);
    buffer.Set(10, 10, 1);
    buffer.Set(11, 10, 250);
    buffer.Set(12, 10, 10);
    ASSERT_EQ(Move_Path_Find(10, 10, buffer.bytes.data()), 1);
    EXPECT_EQ(Reach(11, 10), 250);
    EXPECT_EQ(Reach(12, 10), 260);
    EXPECT_EQ(buffer.bytes[MOVEPATH_REACH_OFS + Sq(12, 10)], 255);

    // A corridor of 254s long enough to pass 65,534 saturates instead of wrapping round.
    buffer.Fill(255);
    int steps = 0;
    for (int y = 1; y <= 37; y++) {
        for (int x = 0; x < 59; x++) {
            buffer.Set(x, y, 254);
        }
    }
    for (int y = 2; y <= 37; y += 2) {
        for (int x = 0; x < 59; x++) {
            buffer.Set(x, y, 255);
        }
        buffer.Set((y / 2) % 2 ? 58 : 0, y, 254);
    }
    ASSERT_EQ(Move_Path_Find(0, 1, buffer.bytes.data()), 1);
    uint16_t last = 0;
    for (int y = 1; y <= 37; y += 2) {
        bool rightward = ((y - 1) / 2) % 2 == 0;
        for (int i = 0; i < 59; i++) {
            int x = rightward ? i : 58 - i;
            if (x == 0 && y == 1) {
                continue;
            }
            ASSERT_NE(Reach(x, y), PATH_UNREACHED);
            EXPECT_GE(Reach(x, y), last) << x << "," << y;
            last = Reach(x, y);
            steps++;
        }
    }
    EXPECT_GT(steps * 254, 65534);
    EXPECT_EQ(last, PATH_REACH_MAX);
}

TEST(PathFinder, MatchesLiteralTranscription)
{
    Paths_World_Clear();
    std::mt19937 rng(20261210);
    Plane_Buffer buffer;
    for (int map = 0; map < 1000; map++) {
        // Mixed maps: open ground, walls, free roads, some costly squares; sometimes a wall row.
        int wall_share = (int)(rng() % 60);
        for (int sq = 0; sq < WORLD_SIZE; sq++) {
            int roll = (int)(rng() % 100);
            uint8_t cost = roll < wall_share       ? 255
                           : roll < wall_share + 5 ? 0
                           : roll > 97             ? (uint8_t)(200 + rng() % 55)
                                                   : (uint8_t)(1 + rng() % 6);
            buffer.costs()[sq] = cost;
        }
        if (map % 10 == 3) {
            int y = 1 + (int)(rng() % 38);
            memset(buffer.costs() + y * WORLD_WIDTH, 255, WORLD_WIDTH);
        }
        int ox = (int)(rng() % WORLD_WIDTH);
        int oy = map % 25 == 0 ? 0 : map % 25 == 1 ? 39 : (int)(rng() % WORLD_HEIGHT);
        Expect_Same_As_Literal(buffer, ox, oy, "random map");
        if (HasFatalFailure()) {
            FAIL() << "map " << map;
        }
    }

    // The stand-in saves: every cost map of both planes.
    int planes_seen = 0;
    for (const char *save : {"SAVE1.GAM", "SAVE9.GAM"}) {
        if (!Paths_Load_Standin_Save(save)) {
            continue;
        }
        for (int plane = 0; plane < NUM_PLANES; plane++) {
            for (int m = 1; m < MOVEMENT_MAPS; m++) {
                memcpy(buffer.costs(), movement_mode_cost_maps + (plane * MOVEMENT_MAPS + m) * WORLD_SIZE, WORLD_SIZE);
                for (int o = 0; o < 4; o++) {
                    int ox = (int)(rng() % WORLD_WIDTH);
                    int oy = (int)(rng() % WORLD_HEIGHT);
                    Expect_Same_As_Literal(buffer, ox, oy, save);
                    ASSERT_FALSE(HasFatalFailure());
                }
            }
            planes_seen++;
        }
    }
    EXPECT_GE(planes_seen, 2) << "no stand-in save found under " TOLVA_BINARY_DIR "/standin";

    // Small grids, against the literal sweep.
    for (int g = 0; g < 1000; g++) {
        // Two cells or more each way: the neighbour table covers those shapes.
        int w = 2 + (int)(rng() % 14);
        int h = 2 + (int)(rng() % 14);
        std::vector<uint8_t> grid(w * h);
        for (auto &c : grid) {
            int roll = (int)(rng() % 100);
            c = roll < 25 ? 255 : roll > 95 ? (uint8_t)(240 + rng() % 15) : (uint8_t)(rng() % 8);
        }
        int sx = (int)(rng() % w), sy = (int)(rng() % h), gx = (int)(rng() % w), gy = (int)(rng() % h);
        std::vector<int> steps;
        int expected = Literal_Find_Shortest_Path(sx, sy, gx, gy, w, h, grid.data(), steps);
        uint8_t xs[100], ys[100];
        int got = Find_Shortest_Path((int16_t)sx, (int16_t)sy, (int16_t)gx, (int16_t)gy, (int16_t)w, (int16_t)h,
                                     grid.data(), xs, ys);
        ASSERT_EQ(got, expected) << "grid " << g;
        for (int i = 0; i < got; i++) {
            ASSERT_EQ(xs[i] + ys[i] * w, steps[i]) << "grid " << g;
        }
    }
}
