// Build_Connectivity_Graphs of both planes beside a plain breadth-first flood that builds the same
// four grids from the same cost maps (same contact tests, one flood per side from all five start
// squares). Exits non-zero when any grid byte differs. Worlds: the stand-in SAVE9.GAM, a plane
// pair of random land blobs and, where the generator is built, a large, powerful world of five
// wizards at Impossible, whose whole generation (Init_New_Game) is timed against the same flood.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Bench_Times.h"
#include "STU_GRAF.h"
#include "Standin_Save.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/LOADER.h"
#include "world/LOADSAVE.h"
#include "world/Move_Path.h"
#include "world/Path_Finder.h"
#include "world/Unit_Type_Record.h"
#include "world/World_Blocks.h"
#include "worldgen/Connectivity_Grids.h"
#include "worldgen/World_Generation.h"

namespace {

struct World_Case {
    const char *name;
    std::vector<uint8_t> cost_maps;  // both planes, as movement_mode_cost_maps holds them
};
std::vector<World_Case> m_worlds;
std::vector<uint8_t> m_flood_land(CONNECTIVITY_GRID_SIZE), m_flood_sea(CONNECTIVITY_GRID_SIZE);

bool Passable(const uint8_t *map, int x, int y) { return map[y * WORLD_WIDTH + x] != PATH_IMPASSABLE; }

// Breadth-first over a window from every passable start; true when a goal is reached.
bool Flood(const uint8_t *window, int width, int height, const int (*starts)[2], const int (*goals)[2])
{
    uint8_t seen[35] = {};
    int queue[35];
    int head = 0, tail = 0;
    for (int a = 0; a < 5; a++) {
        const int c = starts[a][1] * width + starts[a][0];
        if (window[c] != PATH_IMPASSABLE && !seen[c]) seen[c] = 1, queue[tail++] = c;
    }
    while (head < tail) {
        const int c = queue[head++];
        const int x = c % width, y = c / width;
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++) {
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || nx >= width || ny < 0 || ny >= height) continue;
                const int n = ny * width + nx;
                if (!seen[n] && window[n] != PATH_IMPASSABLE) seen[n] = 1, queue[tail++] = n;
            }
    }
    for (int b = 0; b < 5; b++)
        if (seen[goals[b][1] * width + goals[b][0]]) return true;
    return false;
}

void Flood_Grid(const uint8_t *map, uint8_t *grid)
{
    for (int row = 0; row < 8; row++) {
        for (int col = 0; col < 12; col++) {
            const int x0 = 5 * col, y0 = 5 * row;
            uint8_t tall[35], wide[35], cell = 0;
            for (int k = 0; k < 7; k++)
                for (int c = 0; c < 5; c++) {
                    const int y = y0 - 1 + k;
                    tall[k * 5 + c] = (y < 0 || y >= WORLD_HEIGHT) ? PATH_IMPASSABLE : map[y * WORLD_WIDTH + x0 + c];
                }
            for (int r = 0; r < 5; r++)
                for (int k = 0; k < 7; k++) wide[r * 7 + k] = map[(y0 + r) * WORLD_WIDTH + (x0 - 1 + k + 60) % 60];
            int s_tall_top[5][2], s_tall_mid4[5][2], s_tall_mid2[5][2], s_tall_bottom[5][2];
            int s_wide_left[5][2], s_wide_mid4[5][2], s_wide_mid2[5][2], s_wide_right[5][2];
            for (int i = 0; i < 5; i++) {
                s_tall_top[i][0] = s_tall_mid4[i][0] = s_tall_mid2[i][0] = s_tall_bottom[i][0] = i;
                s_tall_top[i][1] = 0, s_tall_mid4[i][1] = 4, s_tall_mid2[i][1] = 2, s_tall_bottom[i][1] = 6;
                s_wide_left[i][1] = s_wide_mid4[i][1] = s_wide_mid2[i][1] = s_wide_right[i][1] = i;
                s_wide_left[i][0] = 0, s_wide_mid4[i][0] = 4, s_wide_mid2[i][0] = 2, s_wide_right[i][0] = 6;
            }
            auto row_contact = [&](int edge, int beyond) {
                for (int x = x0; x < x0 + 5; x++)
                    for (int nx = x - 1; nx <= x + 1; nx++)
                        if (nx >= x0 && nx < x0 + 5 && Passable(map, x, edge) && Passable(map, nx, beyond)) return true;
                return false;
            };
            auto col_contact = [&](int edge, int beyond) {
                for (int y = y0; y < y0 + 5; y++)
                    for (int ny = y - 1; ny <= y + 1; ny++)
                        if (ny >= y0 && ny < y0 + 5 && Passable(map, edge, y) && Passable(map, beyond, ny)) return true;
                return false;
            };
            if (row > 0 && row_contact(y0, y0 - 1))
                cell |= 0x10 | (Flood(tall, 5, 7, s_tall_mid4, s_tall_top) ? 0x01 : 0);
            if (row < 7 && row_contact(y0 + 4, y0 + 5))
                cell |= 0x40 | (Flood(tall, 5, 7, s_tall_mid2, s_tall_bottom) ? 0x04 : 0);
            const int xw = x0 == 0 ? 59 : x0 - 1, xe = x0 + 5 == 60 ? 0 : x0 + 5;
            if (col_contact(x0, xw)) cell |= 0x80 | (Flood(wide, 7, 5, s_wide_mid4, s_wide_left) ? 0x08 : 0);
            if (col_contact(x0 + 4, xe)) cell |= 0x20 | (Flood(wide, 7, 5, s_wide_mid2, s_wide_right) ? 0x02 : 0);
            grid[row * 12 + col] = cell;
        }
    }
    for (int row = 0; row < 8; row++)
        for (int col = 0; col < 12; col++) {
            const uint8_t c = grid[row * 12 + col];
            if ((c & 0x01) && row > 0) grid[(row - 1) * 12 + col] |= 0x04;
            if ((c & 0x04) && row < 7) grid[(row + 1) * 12 + col] |= 0x01;
            if ((c & 0x08) && col > 0) grid[row * 12 + col - 1] |= 0x02;
            if ((c & 0x02) && col < 11) grid[row * 12 + col + 1] |= 0x08;
        }
}

void Flood_Both_Planes(void)
{
    for (int wp = 0; wp < NUM_PLANES; wp++) {
        Flood_Grid(Movement_Cost_Map_Of(wp, mcm_Walking), m_flood_land.data() + wp * GRID_CELLS);
        Flood_Grid(Movement_Cost_Map_Of(wp, mcm_Sailing), m_flood_sea.data() + wp * GRID_CELLS);
    }
}

void Grids_Both_Planes(void)
{
    Build_Connectivity_Graphs(0);
    Build_Connectivity_Graphs(1);
}

bool Load_Standin_World(void)
{
    std::string why;
    if (!Load_Standin_Save("SAVE9.GAM", &why)) {
        fprintf(stderr, "bench_worldgen: %s\n", why.c_str());
        return false;
    }
    m_worlds.push_back({"stand-in world", std::vector<uint8_t>(movement_mode_cost_maps,
                                                               movement_mode_cost_maps + MOVEMENT_COST_MAPS_SIZE)});
    return true;
}

// Land blobs grown by random walks in a sea, with a few impassable mountains and lakes: walking
// and sailing maps that disagree square by square, as a generated world's do.
void Add_Blob_World(void)
{
    uint32_t seed = 4242;
    auto next = [&](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    std::vector<uint8_t> maps(MOVEMENT_COST_MAPS_SIZE, PATH_IMPASSABLE);
    for (int wp = 0; wp < NUM_PLANES; wp++) {
        std::vector<uint8_t> land(WORLD_SIZE, 0);
        for (int blob = 0; blob < 14; blob++) {
            int x = 4 + (int)next(52), y = 4 + (int)next(32);
            for (int step = 0; step < 70; step++) {
                land[y * WORLD_WIDTH + x] = next(12) == 0 ? 2 : 1;
                x = (x + (int)next(3) - 1 + WORLD_WIDTH) % WORLD_WIDTH;
                y = std::min(38, std::max(1, y + (int)next(3) - 1));
            }
        }
        for (int sq = 0; sq < WORLD_SIZE; sq++) {
            uint8_t *plane = maps.data() + wp * MOVEMENT_MAPS * WORLD_SIZE;
            for (int m = 0; m < 5; m++) plane[m * WORLD_SIZE + sq] = land[sq] == 1 ? 2 : PATH_IMPASSABLE;
            plane[5 * WORLD_SIZE + sq] = land[sq] == 0 ? 2 : PATH_IMPASSABLE;
        }
    }
    m_worlds.push_back({"random blobs", maps});
}

constexpr uint32_t GENERATION_SEED = 31337;
std::vector<uint8_t> m_generated_maps;

bool Generation_Setup(void)
{
    const std::string folder = std::string(TOLVA_BINARY_DIR "/standin");
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(folder.c_str());
    Unit_Type_Table_Reset();
    Load_TERRSTAT();
    Load_SPELLDAT();
    Units_Upkeeps();
    return true;
}

// The world records as the main menu leaves them, and the options of a large, powerful world of
// five wizards at Impossible from a fixed seed.
void Prepare_World(void)
{
    _turn = 0;
    World_Block_Fill(WB_PLAYERS, 0);
    for (World_Block_Id id : {WB_UNITS, WB_ITEMS, WB_CITIES, WB_LAIRS}) World_Block_Fill(id, 0xCC);
    _landsize = 2;
    _magic = 2;
    _difficulty = 4;
    _num_players = 5;
    Set_Random_Seed(GENERATION_SEED);
}

void Bench_Generation(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Prepare_World();
        state.ResumeTiming();
        Init_New_Game();
        benchmark::DoNotOptimize(_world_maps);
    }
}

void Bench_Generated_Flood(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        memcpy(movement_mode_cost_maps, m_generated_maps.data(), MOVEMENT_COST_MAPS_SIZE);
        state.ResumeTiming();
        Flood_Both_Planes();
        benchmark::DoNotOptimize(m_flood_land.data());
    }
}

void Use_World(const World_Case &w) { memcpy(movement_mode_cost_maps, w.cost_maps.data(), MOVEMENT_COST_MAPS_SIZE); }

bool Same_Grids(const World_Case &w)
{
    Use_World(w);
    Grids_Both_Planes();
    Flood_Both_Planes();
    if (memcmp(connectivity_grid_land, m_flood_land.data(), CONNECTIVITY_GRID_SIZE) != 0 ||
        memcmp(connectivity_grid_sea, m_flood_sea.data(), CONNECTIVITY_GRID_SIZE) != 0) {
        fprintf(stderr, "bench_worldgen: %s: the grids differ from the flood\n", w.name);
        return false;
    }
    return true;
}

void Bench_Grids(benchmark::State &state, bool flood)
{
    for (auto _ : state) {
        for (const World_Case &w : m_worlds) {
            state.PauseTiming();
            Use_World(w);
            state.ResumeTiming();
            if (flood) {
                Flood_Both_Planes();
                benchmark::DoNotOptimize(m_flood_land.data());
            } else {
                Grids_Both_Planes();
                benchmark::DoNotOptimize(connectivity_grid_land);
            }
        }
    }
}

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    Allocate_Data_Space(6100);
    if (!Load_Standin_World()) {
        return 1;
    }
    Add_Blob_World();
    Generation_Setup();
    Prepare_World();
    Init_New_Game();
    m_generated_maps.assign(movement_mode_cost_maps, movement_mode_cost_maps + MOVEMENT_COST_MAPS_SIZE);
    m_worlds.push_back({"generated world", m_generated_maps});
    bool same = true;
    for (const World_Case &w : m_worlds) {
        same = Same_Grids(w) && same;
    }
    if (!same) {
        return 1;
    }
    benchmark::RegisterBenchmark("Build_Connectivity_Graphs/both_planes",
                                 [](benchmark::State &s) { Bench_Grids(s, false); });
    benchmark::RegisterBenchmark("Flood/both_planes", [](benchmark::State &s) { Bench_Grids(s, true); });
    benchmark::RegisterBenchmark("Init_New_Game/large_powerful_impossible", Bench_Generation);
    benchmark::RegisterBenchmark("Flood/generated_world", Bench_Generated_Flood);

    Bench_Times reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double grids = reporter.Cpu("Build_Connectivity_Graphs/both_planes");
    const double flood = reporter.Cpu("Flood/both_planes");
    const double generation = reporter.Cpu("Init_New_Game/large_powerful_impossible");
    const double generated_flood = reporter.Cpu("Flood/generated_world");
    if (flood > 0) {
        printf("ratio grids / flood: %.2f (goal <= 5)\n", grids / flood);
    }
    if (generated_flood > 0) {
        printf("ratio generation / flood: %.2f (goal <= 10)\n", generation / generated_flood);
    }
    benchmark::Shutdown();
    return 0;
}
