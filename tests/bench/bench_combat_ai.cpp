// One turn of the computer's conduct of a side, 18 units against 18 at a walled city with nothing
// shown, beside 18 path searches over the same battlefield.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

#include "Bench_Times.h"
#include "combat/Combat_AI.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Map_Generation.h"
#include "combat/Combat_Movement.h"
#include "combat/Combat_Path.h"
#include "combat/Combat_Tables.h"
#include "combat/Combat_Turn.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int SIDE = 18;

Battle_Unit_Record m_units[MAX_BATTLE_UNITS];
Battlefield_Record m_field;

Battle_Unit_Record Fighter(int owner, int x, int y, bool archer)
{
    Battle_Unit_Record bu = {};
    bu.Melee = 4, bu.Defense = 3, bu.Hits = 2, bu.Resist = 5, bu.To_Hit = 0;
    bu.Cur_Figures = bu.Max_Figures = 6;
    bu.Ranged_Type = archer ? 20 : rk_None;
    bu.Ranged = archer ? 3 : 0;
    bu.Ammo = archer ? 8 : 0;
    bu.Move_Flags = MV_FOOT;
    bu.Move_Halves = 4;
    bu.owner_idx = (int8_t)owner;
    bu.unit_idx = -1;
    bu.Figure_Set = -1;
    bu.AI_Target = 255;
    bu.Target_Battle_Unit = -1;
    bu.Grid_X = (int16_t)x, bu.Grid_Y = (int16_t)y;
    bu.Target_X = bu.Grid_X, bu.Target_Y = bu.Grid_Y;
    return bu;
}

void Set_Up(void)
{
    const int16_t roads[9] = {0, 1, 0, 1, 1, 1, 0, 1, 0};
    const int16_t rivers[9] = {};
    Set_Random_Seed(4711);
    Generate_Combat_Map(2, 0, roads, 0, 1, rivers, 0, 0, 0, 1, 8, 0);
    m_field = *battlefield;
    _combat_attacker_player = 0;
    _combat_defender_player = 1;
    _combat_local_player = 0;
    _combat_remote_player = 1;
    int n = 0;
    for (int i = 0; i < SIDE; i++) m_units[n++] = Fighter(0, 14 + i % 6, 6 + i / 6 * 3, i % 3 == 0);
    for (int i = 0; i < SIDE; i++) {
        const int x = i < 4 ? COMBAT_CITY_X + 1 + i % 2 : 1 + i % 4;
        const int y = i < 4 ? COMBAT_CITY_Y + 1 + i / 2 : 4 + i;
        m_units[n++] = Fighter(1, x, y > 21 ? 21 : y, i % 4 == 0);
    }
    _combat_total_unit_count = (int16_t)n;
}

void Restore(void)
{
    *battlefield = m_field;
    memcpy(battle_units, m_units, sizeof m_units);
    _combat_total_unit_count = 2 * SIDE;
    _combat_winner = -1;
    _combat_turn = 2;
    _ai_stay_in_city = 1;
    _ai_immobile_counter = 0;
}

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    Allocate_Data_Space(6100);
    Combat_Set_Rule_Hooks(nullptr);
    Combat_Tables_Reset();
    Set_Up();
    benchmark::RegisterBenchmark("Auto_Do_Combat_Turn/18_vs_18_walled_city", [](benchmark::State &s) {
        Set_Random_Seed(99);
        for (auto _ : s) {
            s.PauseTiming();
            Restore();
            s.ResumeTiming();
            benchmark::DoNotOptimize(Auto_Do_Combat_Turn(1));
        }
    });
    benchmark::RegisterBenchmark("Combat_Move_Path_Find/18_searches", [](benchmark::State &s) {
        Restore();
        for (auto _ : s) {
            for (int i = 0; i < SIDE; i++) {
                const Battle_Unit_Record &bu = battle_units[SIDE + i];
                const Battle_Unit_Record &target = battle_units[i];
                Combat_Build_Unit_Cost_Map(&bu);
                _cmbt_movepath_cost_map[Combat_Cell(target.Grid_X, target.Grid_Y)] = 2;
                Combat_Move_Path_Find(bu.Grid_X, bu.Grid_Y, target.Grid_X, target.Grid_Y);
                benchmark::DoNotOptimize(movement_path_grid_cell_count);
            }
        }
    });
    Restore();
    int found = 0;
    for (int i = 0; i < SIDE; i++) {
        const Battle_Unit_Record &bu = battle_units[SIDE + i];
        Combat_Build_Unit_Cost_Map(&bu);
        _cmbt_movepath_cost_map[Combat_Cell(battle_units[i].Grid_X, battle_units[i].Grid_Y)] = 2;
        Combat_Move_Path_Find(bu.Grid_X, bu.Grid_Y, battle_units[i].Grid_X, battle_units[i].Grid_Y);
        found += movement_path_grid_cell_count > 0 ? 1 : 0;
    }
    printf("searches that find a path: %d of %d\n", found, SIDE);
    Bench_Times reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double turn = reporter.Cpu("Auto_Do_Combat_Turn/18_vs_18_walled_city");
    const double paths = reporter.Cpu("Combat_Move_Path_Find/18_searches");
    if (paths > 0) printf("ratio AI turn / paths: %.1f\n", turn / paths);
    benchmark::Shutdown();
    return 0;
}
