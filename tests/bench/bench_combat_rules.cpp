// Combat_Move_Path_Find on a walled-city battlefield, 30 searches between fixed cells, beside a
// binary-heap Dijkstra over the same cost map and neighbour rule (exits non-zero when any cell's
// cheapest cost differs); and an attack exchange of 8 figures against 8 beside the same number of
// logged draws alone.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <queue>
#include <utility>
#include <vector>

#include "Bench_Times.h"
#include "combat/Attack_Resolution.h"
#include "combat/Combat_Map_Generation.h"
#include "combat/Combat_Movement.h"
#include "combat/Combat_Path.h"
#include "combat/Combat_Tables.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int SEARCHES = 30;

std::vector<uint8_t> m_costs(COMBAT_GRID_CELLS);
std::vector<std::pair<int, int>> m_searches;  // start and target cells
std::vector<int32_t> m_dist(COMBAT_GRID_CELLS);

using Heap_Item = std::pair<int32_t, int>;
std::priority_queue<Heap_Item, std::vector<Heap_Item>, std::greater<Heap_Item>> m_heap;

// The path search's neighbours: the four diagonals (one more to enter) and the four sides, none
// across the grid's left or right edge.
void Dijkstra(int start)
{
    static const int offsets[8][2] = {{1, -1}, {-1, 1}, {1, 1}, {-1, -1}, {0, -1}, {0, 1}, {-1, 0}, {1, 0}};
    std::fill(m_dist.begin(), m_dist.end(), (int32_t)COMBAT_PATH_UNREACHED);
    m_dist[start] = 0;
    m_heap.push({0, start});
    while (!m_heap.empty()) {
        const auto [d, cell] = m_heap.top();
        m_heap.pop();
        if (d != m_dist[cell]) {
            continue;
        }
        const int x = cell % COMBAT_GRID_WIDTH;
        const int y = cell / COMBAT_GRID_WIDTH;
        for (int k = 0; k < 8; k++) {
            const int nx = x + offsets[k][0];
            const int ny = y + offsets[k][1];
            if (nx < 0 || nx >= COMBAT_GRID_WIDTH || ny < 0 || ny >= COMBAT_GRID_HEIGHT) {
                continue;
            }
            const int n = ny * COMBAT_GRID_WIDTH + nx;
            if (m_costs[n] == COMBAT_COST_BLOCKED) {
                continue;
            }
            const int32_t nd = d + m_costs[n] + (k < 4 ? 1 : 0);
            if (nd < m_dist[n]) {
                m_dist[n] = nd;
                m_heap.push({nd, n});
            }
        }
    }
}

void Run_Path_Find(int search)
{
    const auto [start, target] = m_searches[search];
    memcpy(_cmbt_movepath_cost_map, m_costs.data(), COMBAT_GRID_CELLS);
    Combat_Move_Path_Find((int16_t)(start % COMBAT_GRID_WIDTH), (int16_t)(start / COMBAT_GRID_WIDTH),
                          (int16_t)(target % COMBAT_GRID_WIDTH), (int16_t)(target / COMBAT_GRID_WIDTH));
}

// A walled city of population 8 on grassland with roads, closed to a walker standing outside.
void Build_Walled_City(void)
{
    const int16_t roads[9] = {0, 1, 0, 1, 1, 1, 0, 1, 0};
    const int16_t rivers[9] = {};
    Set_Random_Seed(31337);
    Generate_Combat_Map(2, 0, roads, 0, 1, rivers, 0, 0, 0, 1, 8, 0);
    Battle_Unit_Record walker = {};
    walker.Move_Flags = MV_FOOT;
    walker.Grid_X = 15, walker.Grid_Y = 12;
    Set_Movement_Cost_Map(&walker);
    Update_Move_Map_City_Area_Restrictions(&walker);
    memcpy(m_costs.data(), _cmbt_movepath_cost_map, COMBAT_GRID_CELLS);
    std::vector<int> open;
    for (int c = 0; c < COMBAT_GRID_CELLS; c++) {
        if (m_costs[c] != COMBAT_COST_BLOCKED) open.push_back(c);
    }
    for (int s = 0; s < SEARCHES; s++) {
        m_searches.push_back({open[(s * 37) % open.size()], open[(s * 101 + open.size() / 2) % open.size()]});
    }
}

bool Same_Costs(void)
{
    for (int s = 0; s < SEARCHES; s++) {
        Run_Path_Find(s);
        Dijkstra(m_searches[s].first);
        for (int c = 0; c < COMBAT_GRID_CELLS; c++) {
            if (_cmbt_mvpth_c[c] != m_dist[c]) {
                fprintf(stderr, "search %d: cell (%d, %d) costs %d, the reference %d\n", s, c % COMBAT_GRID_WIDTH,
                        c / COMBAT_GRID_WIDTH, _cmbt_mvpth_c[c], m_dist[c]);
                return false;
            }
        }
    }
    return true;
}

Battle_Unit_Record m_attacker;
Battle_Unit_Record m_defender;
uint64_t m_draws = 0;

Battle_Unit_Record Fighter(int owner, int x)
{
    Battle_Unit_Record bu = {};
    bu.Melee = 5, bu.Defense = 4, bu.Hits = 3, bu.Resist = 6, bu.To_Hit = 1;
    bu.Cur_Figures = bu.Max_Figures = 8;
    bu.Ranged_Type = rk_None;
    bu.Move_Flags = MV_FOOT;
    bu.owner_idx = (int8_t)owner;
    bu.unit_idx = -1;
    bu.Grid_X = (int16_t)x, bu.Grid_Y = 12;
    return bu;
}

void Exchange(void)
{
    battle_units[0] = m_attacker;
    battle_units[1] = m_defender;
    int16_t to_d[3], to_a[3];
    Battle_Unit_Attack_Target(&battle_units[0], &battle_units[1], to_d, to_a, 0, 1);
    benchmark::DoNotOptimize(to_d);
}

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    Allocate_Data_Space(6100);
    Combat_Tables_Reset();
    Build_Walled_City();
    if (!Same_Costs()) {
        fprintf(stderr, "bench_combat_rules: Combat_Move_Path_Find differs from the reference\n");
        return 1;
    }
    _combat_attacker_player = 0;
    _combat_defender_player = 1;
    _combat_total_unit_count = 2;
    m_attacker = Fighter(0, 13);
    m_defender = Fighter(1, 12);
    m_defender.Attack_Flags = UAF_FIRST_STRIKE;
    m_attacker.Abilities = UA_NEGATEFIRSTSTRIKE;
    Set_Random_Seed(777);
    const uint64_t before = g_random_call_count;
    Exchange();
    m_draws = g_random_call_count - before;

    benchmark::RegisterBenchmark("Combat_Move_Path_Find/walled_city", [](benchmark::State &s) {
        for (auto _ : s) {
            for (int k = 0; k < SEARCHES; k++) Run_Path_Find(k);
        }
    });
    benchmark::RegisterBenchmark("Dijkstra/walled_city", [](benchmark::State &s) {
        for (auto _ : s) {
            for (int k = 0; k < SEARCHES; k++) {
                memcpy(_cmbt_movepath_cost_map, m_costs.data(), COMBAT_GRID_CELLS);
                Dijkstra(m_searches[k].first);
                benchmark::DoNotOptimize(m_dist.data());
            }
        }
    });
    benchmark::RegisterBenchmark("Battle_Unit_Attack_Target/8_vs_8", [](benchmark::State &s) {
        Set_Random_Seed(777);
        for (auto _ : s) Exchange();
    });
    benchmark::RegisterBenchmark("Random_at/same_draws", [](benchmark::State &s) {
        Set_Random_Seed(777);
        for (auto _ : s) {
            int sum = 0;
            for (uint64_t k = 0; k < m_draws; k++) sum += RANDOM(10);
            benchmark::DoNotOptimize(sum);
        }
    });
    Bench_Times reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double path = reporter.Cpu("Combat_Move_Path_Find/walled_city");
    const double dijkstra = reporter.Cpu("Dijkstra/walled_city");
    const double exchange = reporter.Cpu("Battle_Unit_Attack_Target/8_vs_8");
    const double draws = reporter.Cpu("Random_at/same_draws");
    printf("draws per exchange: %llu\n", (unsigned long long)m_draws);
    if (dijkstra > 0) printf("ratio combat path / Dijkstra: %.2f\n", path / dijkstra);
    if (draws > 0) printf("ratio attack exchange / draws: %.2f\n", exchange / draws);
    benchmark::Shutdown();
    return 0;
}
