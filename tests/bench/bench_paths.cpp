// Move_Path_Find on an open plane of mixed costs, on a serpentine maze and on the walking cost map
// of each plane of the stand-in SAVE9.GAM, beside a binary-heap Dijkstra over the same squares
// (same eight neighbours, wrap and row rule). Exits non-zero when any square's cheapest cost differs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <queue>
#include <string>
#include <vector>

#include "Bench_Times.h"
#include "Standin_Save.h"
#include "world/ALLOC.h"
#include "world/LOADSAVE.h"
#include "world/Move_Path.h"
#include "world/Path_Finder.h"

namespace {

struct Plane_Case {
    const char *name;
    std::vector<uint8_t> costs;
    int origin_x = 0, origin_y = 0;
};

std::vector<Plane_Case> m_open, m_maze, m_world;
std::vector<uint8_t> m_buffer(MOVEPATH_FIND_BUFFER_SIZE);
std::vector<uint32_t> m_dist(WORLD_SIZE);

using Heap_Item = std::pair<uint32_t, int>;
struct Heap : std::priority_queue<Heap_Item, std::vector<Heap_Item>, std::greater<Heap_Item>> {
    void Reset()
    {
        c.clear();
        c.reserve(8 * WORLD_SIZE);
    }
};
Heap m_heap;

// Cheapest costs from the origin: a square of rows 0 and 39 is entered only from the origin's own row.
void Dijkstra(const Plane_Case &pc)
{
    const uint8_t *costs = pc.costs.data();
    std::fill(m_dist.begin(), m_dist.end(), UINT32_MAX);
    m_heap.Reset();
    const int origin = pc.origin_y * WORLD_WIDTH + pc.origin_x;
    m_dist[origin] = 0;
    m_heap.push({0, origin});
    while (!m_heap.empty()) {
        const auto [d, sq] = m_heap.top();
        m_heap.pop();
        if (d != m_dist[sq]) {
            continue;
        }
        const int x = sq % WORLD_WIDTH;
        const int y = sq / WORLD_WIDTH;
        for (int dy = -1; dy <= 1; dy++) {
            const int ny = y + dy;
            if (ny < 0 || ny >= WORLD_HEIGHT) {
                continue;
            }
            if ((ny == 0 || ny == WORLD_HEIGHT - 1) && ny != pc.origin_y) {
                continue;
            }
            for (int dx = -1; dx <= 1; dx++) {
                if (dx == 0 && dy == 0) {
                    continue;
                }
                const int n = ny * WORLD_WIDTH + (x + dx + WORLD_WIDTH) % WORLD_WIDTH;
                if (costs[n] == PATH_IMPASSABLE) {
                    continue;
                }
                const uint32_t nd = d + costs[n];
                if (nd < m_dist[n]) {
                    m_dist[n] = nd;
                    m_heap.push({nd, n});
                }
            }
        }
    }
}

void Run_Move_Path_Find(const Plane_Case &pc)
{
    memcpy(m_buffer.data(), pc.costs.data(), WORLD_SIZE);
    Move_Path_Find((int16_t)pc.origin_x, (int16_t)pc.origin_y, m_buffer.data());
}

bool Same_Costs(const Plane_Case &pc)
{
    Run_Move_Path_Find(pc);
    Dijkstra(pc);
    for (int sq = 0; sq < WORLD_SIZE; sq++) {
        const uint32_t expected = m_dist[sq] == UINT32_MAX      ? PATH_UNREACHED
                                  : m_dist[sq] > PATH_REACH_MAX ? PATH_REACH_MAX
                                                                : m_dist[sq];
        if (movepath_reach_costs[sq] != expected) {
            fprintf(stderr, "%s: square %d (%d, %d) costs %u, the reference %u\n", pc.name, sq, sq % WORLD_WIDTH,
                    sq / WORLD_WIDTH, (unsigned)movepath_reach_costs[sq], (unsigned)expected);
            return false;
        }
    }
    return true;
}

uint32_t m_seed = 12345;
uint32_t Next(void)
{
    m_seed = m_seed * 1103515245u + 12345u;
    return (m_seed >> 16) & 0x7FFF;
}

Plane_Case Open_Plane(void)
{
    Plane_Case pc{"open plane", std::vector<uint8_t>(WORLD_SIZE), 30, 20};
    for (auto &c : pc.costs) {
        const uint32_t roll = Next() % 100;
        c = roll < 5 ? 0 : roll < 60 ? 1 : roll < 85 ? 2 : roll < 95 ? 3 : 6;
    }
    return pc;
}

// Horizontal corridors joined at alternate ends, the seam walled off: one long winding route.
Plane_Case Serpentine_Maze(void)
{
    Plane_Case pc{"maze", std::vector<uint8_t>(WORLD_SIZE, PATH_IMPASSABLE), 0, 1};
    for (int y = 1; y <= 38; y++) {
        for (int x = 0; x < WORLD_WIDTH - 1; x++) {
            pc.costs[y * WORLD_WIDTH + x] = (y % 2) ? (uint8_t)(1 + (x + y) % 3) : PATH_IMPASSABLE;
        }
    }
    for (int y = 2; y <= 38; y += 2) {
        pc.costs[y * WORLD_WIDTH + ((y / 2) % 2 ? WORLD_WIDTH - 2 : 0)] = 1;
    }
    return pc;
}

bool Load_Standin_World(void)
{
    std::string why;
    if (!Load_Standin_Save("SAVE9.GAM", &why)) {
        fprintf(stderr, "bench_paths: %s\n", why.c_str());
        return false;
    }
    for (int plane = 0; plane < NUM_PLANES; plane++) {
        Plane_Case pc{plane ? "stand-in world, plane 1" : "stand-in world, plane 0", std::vector<uint8_t>(WORLD_SIZE)};
        memcpy(pc.costs.data(), Movement_Cost_Map_Of(plane, mcm_Walking), WORLD_SIZE);
        // The passable square nearest the middle of the map.
        int best = -1, best_d = 1 << 30;
        for (int sq = 0; sq < WORLD_SIZE; sq++) {
            const int x = sq % WORLD_WIDTH, y = sq / WORLD_WIDTH;
            const int d = (x - 30) * (x - 30) + (y - 20) * (y - 20);
            if (y > 0 && y < WORLD_HEIGHT - 1 && pc.costs[sq] != PATH_IMPASSABLE && d < best_d) {
                best = sq, best_d = d;
            }
        }
        if (best < 0) {
            fprintf(stderr, "bench_paths: no passable square on plane %d\n", plane);
            return false;
        }
        pc.origin_x = best % WORLD_WIDTH;
        pc.origin_y = best / WORLD_WIDTH;
        m_world.push_back(pc);
    }
    return true;
}

void Bench_Cases(benchmark::State &state, const std::vector<Plane_Case> &cases, bool reference)
{
    for (auto _ : state) {
        for (const Plane_Case &pc : cases) {
            if (reference) {
                Dijkstra(pc);
                benchmark::DoNotOptimize(m_dist.data());
            } else {
                Run_Move_Path_Find(pc);
                benchmark::DoNotOptimize(movepath_reach_costs);
            }
        }
    }
}

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    Allocate_Data_Space(6100);
    m_open.push_back(Open_Plane());
    m_maze.push_back(Serpentine_Maze());
    if (!Load_Standin_World()) {
        return 1;
    }
    bool same = true;
    for (const auto *cases : {&m_open, &m_maze, &m_world}) {
        for (const Plane_Case &pc : *cases) {
            same = Same_Costs(pc) && same;
        }
    }
    if (!same) {
        fprintf(stderr, "bench_paths: Move_Path_Find differs from the reference\n");
        return 1;
    }
    benchmark::RegisterBenchmark("Move_Path_Find/open_plane",
                                 [](benchmark::State &s) { Bench_Cases(s, m_open, false); });
    benchmark::RegisterBenchmark("Dijkstra/open_plane", [](benchmark::State &s) { Bench_Cases(s, m_open, true); });
    benchmark::RegisterBenchmark("Move_Path_Find/maze", [](benchmark::State &s) { Bench_Cases(s, m_maze, false); });
    benchmark::RegisterBenchmark("Dijkstra/maze", [](benchmark::State &s) { Bench_Cases(s, m_maze, true); });
    benchmark::RegisterBenchmark("Move_Path_Find/world", [](benchmark::State &s) { Bench_Cases(s, m_world, false); });
    benchmark::RegisterBenchmark("Dijkstra/world", [](benchmark::State &s) { Bench_Cases(s, m_world, true); });

    Bench_Times reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    static const char *const names[6] = {"Move_Path_Find/open_plane", "Dijkstra/open_plane",
                                         "Move_Path_Find/maze",       "Dijkstra/maze",
                                         "Move_Path_Find/world",      "Dijkstra/world"};
    double ns[6] = {};
    for (int i = 0; i < 6; i++) ns[i] = reporter.Cpu(names[i]);
    const char *const kinds[3] = {"open plane", "maze", "stand-in world"};
    for (int i = 0; i < 3; i++) {
        if (ns[2 * i + 1] > 0) {
            printf("ratio Move_Path_Find / Dijkstra (%s): %.2f\n", kinds[i], ns[2 * i] / ns[2 * i + 1]);
        }
    }
    benchmark::Shutdown();
    return 0;
}
