// Reset_City_Road_Connection_Bitfields on a world of 100 cities with road networks (both planes,
// three landmasses each, roads joining some cities and broken between others), beside a reference
// that runs one binary-heap Dijkstra from each city with partners over the same road cost maps
// (same eight neighbours, wrap and row rule as the path finder). Exits non-zero when the joined
// cities differ.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <queue>
#include <vector>

#include "Bench_Times.h"
#include "world/ALLOC.h"
#include "world/Map_Square_Record.h"
#include "world/Road_Connections.h"

namespace {

constexpr int NUM_BENCH_CITIES = 100;
constexpr int ROAD_BYTES = 13;

uint32_t m_seed = 2024;
uint32_t Next(uint32_t n)
{
    m_seed = m_seed * 1103515245u + 12345u;
    return ((m_seed >> 16) & 0x7FFF) % n;
}

bool Land(int wx) { return wx % 20 != 0; }
uint8_t Landmass_Of(int wx) { return Land(wx) ? (uint8_t)(1 + wx / 20) : 0; }

void Road(int wx, int wy, int wp) { _map_square_flags[World_Square_Index(wx, wy, wp)] |= sf_Road; }

// An L-shaped road from one city to another of the same landmass, with a gap now and then.
void Road_Between(const City_Record &a, const City_Record &b, bool gap)
{
    int x = a.wx, y = a.wy;
    const int gap_at = gap ? 1 + (int)Next(4) : -1;
    int step = 0;
    while (x != b.wx || y != b.wy) {
        if (x != b.wx)
            x += b.wx > x ? 1 : -1;
        else
            y += b.wy > y ? 1 : -1;
        if (++step != gap_at) Road(x, y, a.wp);
    }
}

void Make_World(void)
{
    for (int wp = 0; wp < NUM_PLANES; wp++) {
        for (int wy = 0; wy < WORLD_HEIGHT; wy++) {
            for (int wx = 0; wx < WORLD_WIDTH; wx++) {
                const int sq = World_Square_Index(wx, wy, wp);
                _landmasses[sq] = Landmass_Of(wx);
                _map_square_flags[sq] = 0;
            }
        }
    }
    _cities = 0;
    while (_cities < NUM_BENCH_CITIES) {
        const int wx = (int)Next(WORLD_WIDTH), wy = 2 + (int)Next(WORLD_HEIGHT - 4), wp = (int)Next(NUM_PLANES);
        if (!Land(wx)) continue;
        bool taken = false;
        for (int c = 0; c < _cities; c++) taken |= _CITIES[c].wx == wx && _CITIES[c].wy == wy && _CITIES[c].wp == wp;
        if (taken) continue;
        City_Record &city = _CITIES[_cities++];
        memset(&city, 0, sizeof(city));
        city.wx = (uint8_t)wx, city.wy = (uint8_t)wy, city.wp = (uint8_t)wp;
        city.owner_idx = (int8_t)Next(6);
        Road(wx, wy, wp);
    }
    for (int c = 0; c < _cities; c++) {
        const City_Record &a = _CITIES[c];
        for (int tries = 0; tries < 3; tries++) {
            const City_Record &b = _CITIES[Next(_cities)];
            if (&a != &b && b.wp == a.wp && Landmass_Of(b.wx) == Landmass_Of(a.wx)) Road_Between(a, b, Next(5) == 0);
        }
    }
    // Loose road squares about the land.
    for (int i = 0; i < 300; i++) {
        const int wx = (int)Next(WORLD_WIDTH);
        if (Land(wx)) Road(wx, 1 + (int)Next(WORLD_HEIGHT - 2), (int)Next(NUM_PLANES));
    }
}

// ---- the reference ----
std::vector<uint8_t> m_costs[NUM_PLANES][4];  // per plane and landmass: 1 on its road squares, else 255
std::vector<uint32_t> m_dist(WORLD_SIZE);
using Heap_Item = std::pair<uint32_t, int>;
std::priority_queue<Heap_Item, std::vector<Heap_Item>, std::greater<Heap_Item>> m_heap;
uint8_t m_reference[NUM_CITIES][ROAD_BYTES];

void Build_Cost_Maps(void)
{
    for (int wp = 0; wp < NUM_PLANES; wp++) {
        for (int land = 0; land < 4; land++) {
            m_costs[wp][land].assign(WORLD_SIZE, 255);
            for (int sq = 0; sq < WORLD_SIZE; sq++) {
                const int i = wp * WORLD_SIZE + sq;
                if ((_map_square_flags[i] & sf_Road) && _landmasses[i] == land) m_costs[wp][land][sq] = 1;
            }
        }
    }
}

void Dijkstra(const uint8_t *costs, int origin_x, int origin_y)
{
    std::fill(m_dist.begin(), m_dist.end(), UINT32_MAX);
    const int origin = origin_y * WORLD_WIDTH + origin_x;
    m_dist[origin] = 0;
    m_heap.push({0, origin});
    while (!m_heap.empty()) {
        const auto [d, sq] = m_heap.top();
        m_heap.pop();
        if (d != m_dist[sq]) continue;
        const int x = sq % WORLD_WIDTH, y = sq / WORLD_WIDTH;
        for (int dy = -1; dy <= 1; dy++) {
            const int ny = y + dy;
            if (ny < 0 || ny >= WORLD_HEIGHT || ((ny == 0 || ny == WORLD_HEIGHT - 1) && ny != origin_y)) continue;
            for (int dx = -1; dx <= 1; dx++) {
                if (dx == 0 && dy == 0) continue;
                const int n = ny * WORLD_WIDTH + (x + dx + WORLD_WIDTH) % WORLD_WIDTH;
                if (costs[n] == 255) continue;
                const uint32_t nd = d + costs[n];
                if (nd < m_dist[n]) {
                    m_dist[n] = nd;
                    m_heap.push({nd, n});
                }
            }
        }
    }
}

bool Next_To_Road(const City_Record &city)
{
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++) {
            const int y = city.wy + dy;
            if ((dx || dy) && y >= 0 && y < WORLD_HEIGHT &&
                (_map_square_flags[World_Square_Index((city.wx + dx + WORLD_WIDTH) % WORLD_WIDTH, y, city.wp)] &
                 sf_Road))
                return true;
        }
    return false;
}

void Reference_Connections(void)
{
    memset(m_reference, 0, sizeof(m_reference));
    for (int c = 0; c < _cities; c++) {
        const City_Record &city = _CITIES[c];
        if (!Next_To_Road(city)) continue;
        const uint8_t land = _landmasses[World_Square_Index(city.wx, city.wy, city.wp)];
        bool partners = false;
        for (int p = c + 1; p < _cities && !partners; p++)
            partners = _CITIES[p].wp == city.wp &&
                       _landmasses[World_Square_Index(_CITIES[p].wx, _CITIES[p].wy, _CITIES[p].wp)] == land;
        if (!partners) continue;
        Dijkstra(m_costs[city.wp][land].data(), city.wx, city.wy);
        for (int p = c + 1; p < _cities; p++) {
            const City_Record &other = _CITIES[p];
            if (other.wp != city.wp || _landmasses[World_Square_Index(other.wx, other.wy, other.wp)] != land) continue;
            if (m_dist[other.wy * WORLD_WIDTH + other.wx] != UINT32_MAX) {
                m_reference[c][p / 8] |= (uint8_t)(1u << (p % 8));
                m_reference[p][c / 8] |= (uint8_t)(1u << (c % 8));
            }
        }
    }
}

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    Allocate_Data_Space(6100);
    Make_World();
    Build_Cost_Maps();
    Reference_Connections();
    Reset_City_Road_Connection_Bitfields();
    int joined = 0;
    for (int c = 0; c < _cities; c++) {
        if (memcmp(_CITIES[c].road_connections, m_reference[c], ROAD_BYTES) != 0) {
            fprintf(stderr, "bench_road_connections: city %d differs from the reference\n", c);
            return 1;
        }
        for (int k = 0; k < ROAD_BYTES; k++) joined += __builtin_popcount(m_reference[c][k]);
    }
    printf("cities joined by road: %d pairs\n", joined / 2);

    benchmark::RegisterBenchmark("Reset_City_Road_Connection_Bitfields", [](benchmark::State &s) {
        for (auto _ : s) {
            Reset_City_Road_Connection_Bitfields();
            benchmark::DoNotOptimize(_CITIES);
        }
    });
    benchmark::RegisterBenchmark("Dijkstra/each_city_with_partners", [](benchmark::State &s) {
        for (auto _ : s) {
            Reference_Connections();
            benchmark::DoNotOptimize(m_reference);
        }
    });
    Bench_Times reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double ns[2] = {reporter.Cpu("Reset_City_Road_Connection_Bitfields"),
                          reporter.Cpu("Dijkstra/each_city_with_partners")};
    if (ns[1] > 0) printf("ratio road connections / Dijkstra: %.2f\n", ns[0] / ns[1]);
    benchmark::Shutdown();
    return 0;
}
