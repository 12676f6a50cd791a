// A computer wizard's settling step (AI_Stacks_Do_Settle) for four settlers that must look for a
// site, on a landmass of 1,600 squares, against one plain valuation pass over the same squares.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

#include "Bench_Times.h"
#include "ai/AI_Army_Planning.h"
#include "ai/AI_Continents.h"
#include "ai/AI_Data.h"
#include "ai/AI_Landmass_Lists.h"
#include "ai/AI_Stack_Orders.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Site_Evaluation.h"
#include "world/Square_Queries.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int X0 = 10, X1 = 49;  // 40 x 40 squares of landmass 1
constexpr int16_t PLAYER = 1;
int16_t m_settlers[4];

uint8_t Land_Terrain(void)
{
    for (int t = 1; t < 256; t++) {
        _world_maps[0] = (uint8_t)t;
        if (Square_Is_Land(0, 0, 0) && !Square_Is_Sailable(0, 0, 0)) return (uint8_t)t;
    }
    return 0;
}

void Build_World(void)
{
    const uint8_t land = Land_Terrain();
    std::memset(_world_maps, 0, (size_t)NUM_PLANES * WORLD_SIZE);
    std::memset(_landmasses, 0, (size_t)NUM_PLANES * WORLD_SIZE);
    for (int y = 0; y < WORLD_HEIGHT; y++) {
        for (int x = X0; x <= X1; x++) {
            _world_maps[World_Square_Index(x, y, 0)] = land;
            _landmasses[World_Square_Index(x, y, 0)] = 1;
            if ((x * 7 + y * 3) % 11 == 0) _map_square_terrain_specials[World_Square_Index(x, y, 0)] = 1;
        }
    }
    for (int i = 0; i < NUM_TOWERS; i++) _TOWERS[i] = {255, 255, -1, 0};
    for (int i = 0; i < NUM_NODES; i++) _NODES[i].wp = 9;
    for (int i = 0; i < NUM_LAIRS; i++) _LAIRS[i].wp = 9;
    for (int p = 0; p < NUM_PLAYERS; p++) _FORTRESSES[p] = {0, 0, 9, 0};
    _num_players = 5;
    _turn = 50;
    _players[PLAYER].Objective = 3;
    int16_t settler = 0;
    for (int16_t t = 0; t < NUM_UNIT_TYPES; t++) {
        if ((_unit_type_table[t].Abilities & UA_CREATEOUTPOST) != 0) {
            settler = t;
            break;
        }
    }
    // Each settler stands beside a city, where no city may be founded: all four look elsewhere.
    const int16_t spots[4][2] = {{15, 8}, {40, 8}, {15, 30}, {40, 30}};
    _cities = 0;
    _units = 0;
    for (int i = 0; i < 4; i++) {
        City_Record &city = _CITIES[_cities++];
        city = {};
        city.owner_idx = 2;
        city.wx = (uint8_t)(spots[i][0] + 2);
        city.wy = (uint8_t)spots[i][1];
        city.population = 4;
        Unit_Record &unit = _UNITS[_units];
        unit = {};
        unit.type = (uint8_t)settler;
        unit.owner_idx = PLAYER;
        unit.wx = (uint8_t)spots[i][0];
        unit.wy = (uint8_t)spots[i][1];
        unit.Hero_Slot = -1;
        m_settlers[i] = _units++;
    }
    Allocate_AI_Data();
    AI_Continent_Block *block = CONTXXX_Map();
    std::memset(block, 0, sizeof *block);
    Build_Land_Linked_List();
    Build_Dock_Linked_List();
    std::memset(&_ai_continents, 0, sizeof _ai_continents);
    cp_landmass_wx_array = _ai_continents.wx[0][PLAYER];
    cp_landmass_wy_array = _ai_continents.wy[0][PLAYER];
    cp_landmass_type_array = _ai_continents.type[0][PLAYER];
}

void Bench_Settle(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        for (int16_t k : m_settlers) _UNITS[k].Status = us_Ready;
        AI_Stacks_Init_Build_Target_Order(PLAYER, 1, 0);
        Set_Random_Seed(0x5E77);
        state.ResumeTiming();
        AI_Stacks_Do_Settle(PLAYER, 1);
    }
    for (int16_t k : m_settlers) {
        if (_UNITS[k].Status != us_GOTO) state.SkipWithError("a settler was not sent to a site");
    }
}

void Bench_Valuation_Pass(benchmark::State &state)
{
    for (auto _ : state) {
        int32_t sum = 0;
        for (int y = 0; y < WORLD_HEIGHT; y++) {
            for (int x = X0; x <= X1; x++) {
                int16_t v[11];
                Compute_Base_Values_For_Map_Square((int16_t)x, (int16_t)y, 0, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5],
                                                   &v[6], &v[7], &v[8], &v[9], &v[10]);
                sum += v[0];
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    Allocate_Data_Space(6100);
    Build_World();
    benchmark::RegisterBenchmark("AI_Stacks_Do_Settle", Bench_Settle);
    benchmark::RegisterBenchmark("Valuation_Pass", Bench_Valuation_Pass);
    Bench_Times reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double settle = reporter.Cpu("AI_Stacks_Do_Settle");
    const double pass = reporter.Cpu("Valuation_Pass");
    if (pass > 0) printf("ratio settle planning / site valuation pass: %.2f (goal <= 1.5)\n", settle / pass);
    printf("settle planning %.3f ms, valuation pass %.3f ms\n", settle / 1e6, pass / 1e6);
    benchmark::Shutdown();
    return 0;
}
