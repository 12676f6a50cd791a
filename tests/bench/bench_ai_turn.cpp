// The computer players' turn (AI_Next_Turn, after the cities are recomputed) on the stand-in
// SAVE9.GAM at turn 150, restored before every run with the computer players' state and the turn's
// random stream, against one plane search of the same world's walking costs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Bench_Times.h"
#include "Plane_Search.h"
#include "Standin_Save.h"
#include "ai/AI_Continents.h"
#include "ai/AI_Landmass_Lists.h"
#include "ai/AI_Next_Turn.h"
#include "random.h"
#include "turn/City_Recalculation.h"
#include "turn/End_Of_Turn.h"
#include "world/ALLOC.h"
#include "world/LOADSAVE.h"
#include "world/Move_Path.h"

namespace {

std::vector<uint8_t> m_image(SAVE_GAM_SIZE);
std::vector<uint8_t> m_costs(WORLD_SIZE);
std::vector<uint32_t> m_dist;
constexpr uint32_t TURN_SEED = 0x1234567;

void Restore_World(void)
{
    Save_Game_Read_Image(m_image.data(), m_image.size());
    std::memset(&_ai_continents, 0, sizeof _ai_continents);
    magic_master_idx = -1;
    Set_Random_Seed(TURN_SEED);
}

void Bench_AI_Next_Turn(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Restore_World();
        All_City_Calculations();
        state.ResumeTiming();
        AI_Next_Turn();
    }
}

void Bench_Plane_Search(benchmark::State &state)
{
    for (auto _ : state) benchmark::DoNotOptimize(Plane_Search(m_costs.data(), 30, 20, m_dist));
}

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    Allocate_Data_Space(6100);
    std::string why;
    if (!Load_Standin_Save("SAVE9.GAM", &why)) {
        fprintf(stderr, "bench_ai_turn: %s\n", why.c_str());
        return 1;
    }
    _turn = 150;
    Build_Land_Linked_List();
    Build_Dock_Linked_List();
    Save_Game_Write_Image(m_image.data());
    std::memcpy(m_costs.data(), Movement_Cost_Map_Of(0, mcm_Walking), WORLD_SIZE);
    benchmark::RegisterBenchmark("AI_Next_Turn", Bench_AI_Next_Turn);
    benchmark::RegisterBenchmark("Plane_Search", Bench_Plane_Search);
    Bench_Times reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double turn = reporter.Cpu("AI_Next_Turn");
    const double search = reporter.Cpu("Plane_Search");
    if (search > 0) printf("ratio computer turn / plane search: %.2f (goal <= 100)\n", turn / search);
    printf("computer turn %.3f ms, plane search %.3f ms; units %d, cities %d\n", turn / 1e6, search / 1e6, (int)_units,
           (int)_cities);
    benchmark::Shutdown();
    return 0;
}
