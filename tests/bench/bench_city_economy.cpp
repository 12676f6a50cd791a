// City calculations for 100 cities and the site evaluation of a whole plane, each beside a plain
// pass over the same squares (terrain, specials and flag bytes of every 21-square area) in the same
// run: for the cities with one pass over the units per city (a city's rebels look at the units on
// its square), for the sites with one pass over the units in all. The ratios say how many such
// passes one rule pass costs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

#include "Bench_Times.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Area.h"
#include "world/City_Economy.h"
#include "world/LOADER.h"
#include "world/Map_Square_Record.h"
#include "world/Site_Evaluation.h"

namespace {

constexpr int BENCH_CITIES = 100;
constexpr int BENCH_UNITS = 400;

Building_Data_Record m_buildings[NUM_BUILDING_TYPES];
int8_t m_unrest[NUM_UNREST_RACES][NUM_UNREST_RACES];

void Make_World(void)
{
    static bool made = false;
    if (made) return;
    made = true;
    Allocate_Data_Space(6100);
    for (int square = 0; square < NUM_PLANES * WORLD_SIZE; square++) {
        int x = square % WORLD_WIDTH;
        int y = (square / WORLD_WIDTH) % WORLD_HEIGHT;
        _world_maps[square] = (x + y) % 7 == 0 ? tt_Forest : (x * y) % 11 == 0 ? tt_Hills : tt_Grasslands;
        _map_square_terrain_specials[square] =
            (x * 7 + y) % 23 == 0 ? (uint8_t)(1 + x % 9) : (y % 5 == 0 ? ts_Wild_Game : 0);
        _map_square_flags[square] = (x * 13 + y) % 97 == 0 ? sf_Corruption : 0;
        _square_explored[square] = 1;
    }
    for (int b = 0; b < NUM_BUILDING_TYPES; b++) m_buildings[b].maintenance_cost = (int16_t)(b / 8 + 1);
    bldg_data_table = m_buildings;
    for (int r = 0; r < NUM_UNREST_RACES; r++) {
        for (int c = 0; c < NUM_UNREST_RACES; c++) m_unrest[r][c] = (int8_t)((r + c) % 3);
        TBL_Unrest[r] = m_unrest[r];
    }
    _num_players = 5;
    _difficulty = 3;
    for (int p = 0; p < NUM_PLAYERS; p++) _players[p].tax_rate = 3;
    _cities = BENCH_CITIES;
    for (int c = 0; c < BENCH_CITIES; c++) {
        City_Record &city = _CITIES[c];
        memset(&city, 0, sizeof(city));
        city.wx = (uint8_t)(3 + (c % 10) * 5 + (c / 10) % 2);
        city.wy = (uint8_t)(2 + (c / 10) * 4);
        city.wp = 0;
        city.owner_idx = (int8_t)(c % 6);
        city.race = (uint8_t)(c % 14);
        city.population = (uint8_t)(4 + c % 12);
        city.farmer_count = (uint8_t)(city.population / 2);
        memset(city.bldg_status, -1, sizeof(city.bldg_status));
        city.bldg_status[0] = 0;
        for (int b = 3; b < NUM_BUILDINGS; b += 3 + c % 4) city.bldg_status[b] = 1;
        city.construction = (int16_t)(c % 3 == 0 ? bt_Trade_Goods : bt_Housing);
    }
    _units = BENCH_UNITS;
    for (int u = 0; u < BENCH_UNITS; u++) {
        Unit_Record &unit = _UNITS[u];
        memset(&unit, 0, sizeof(unit));
        const City_Record &city = _CITIES[u % BENCH_CITIES];
        unit.wx = city.wx;
        unit.wy = (uint8_t)(city.wy + (u % 3 == 0));
        unit.wp = 0;
        unit.owner_idx = city.owner_idx;
        unit.type = (uint8_t)(40 + u % 100);
        unit.Hero_Slot = -1;
    }
    Reset_City_Area_Bitfields();
}

// The plain pass of one area: terrain, specials and flags of the 21 squares, and the units.
int32_t Reference_Area(int wx, int wy, int wp)
{
    int32_t sum = 0;
    for (int dy = -2; dy <= 2; dy++) {
        int y = wy + dy;
        if (y < 0 || y >= WORLD_HEIGHT) continue;
        int reach = (dy == -2 || dy == 2) ? 1 : 2;
        for (int dx = -reach; dx <= reach; dx++) {
            int x = (wx + dx + WORLD_WIDTH) % WORLD_WIDTH;
            int square = World_Square_Index(x, y, wp);
            sum += _world_maps[square] + _map_square_terrain_specials[square] + _map_square_flags[square];
        }
    }
    return sum;
}

int32_t Reference_Units(void)
{
    int32_t sum = 0;
    for (int u = 0; u < _units; u++) sum += _UNITS[u].wx + _UNITS[u].owner_idx;
    return sum;
}

void Bench_City_Reference(benchmark::State &state)
{
    Make_World();
    for (auto _ : state) {
        int32_t sum = 0;
        for (int c = 0; c < BENCH_CITIES; c++) {
            sum += Reference_Area(_CITIES[c].wx, _CITIES[c].wy, _CITIES[c].wp);
            sum += Reference_Units();
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(Bench_City_Reference);

void Bench_City_Calculations(benchmark::State &state)
{
    Make_World();
    for (auto _ : state) {
        for (int16_t c = 0; c < BENCH_CITIES; c++) Do_City_Calculations(c);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Bench_City_Calculations);

void Bench_Site_Reference(benchmark::State &state)
{
    Make_World();
    for (auto _ : state) {
        int32_t sum = 0;
        for (int y = 0; y < WORLD_HEIGHT; y++)
            for (int x = 0; x < WORLD_WIDTH; x++) sum += Reference_Area(x, y, 1);
        sum += Reference_Units();
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(Bench_Site_Reference);

void Bench_Site_Evaluation(benchmark::State &state)
{
    Make_World();
    for (auto _ : state) {
        int32_t sum = 0;
        for (int16_t y = 0; y < WORLD_HEIGHT; y++)
            for (int16_t x = 0; x < WORLD_WIDTH; x++) sum += Site_Evaluate(x, y, 1).food;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(Bench_Site_Evaluation);

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    Bench_Times reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double city_ref = reporter.Real("Bench_City_Reference");
    const double city = reporter.Real("Bench_City_Calculations");
    const double site_ref = reporter.Real("Bench_Site_Reference");
    const double site = reporter.Real("Bench_Site_Evaluation");
    if (city_ref > 0 && site_ref > 0)
        printf("ratio city calculations / reference: %.1f\nratio site evaluation / reference: %.1f\n", city / city_ref,
               site / site_ref);
    benchmark::Shutdown();
    return 0;
}
