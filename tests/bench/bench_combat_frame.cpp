// One frame of the combat screen at a walled city: 9 against 9 units of eight figures, the houses,
// the walls and 8 missiles in flight; beside copying a background page to the off page and drawing
// 144 figure pictures of 28 x 30 pixels unsorted.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "Bench_Times.h"
#include "Init_Drivers.h"
#include "LBX_Load.h"
#include "Pictures.h"
#include "STU_GRAF.h"
#include "Video.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Map_Generation.h"
#include "combat/Combat_Tables.h"
#include "combat/Combat_Turn.h"
#include "combat/screens/Combat_Figures.h"
#include "combat/screens/Combat_Map_Draw.h"
#include "combat/screens/Combat_Pictures.h"
#include "combat/screens/Combat_Screen.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/Player_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int SIDE = 9;
constexpr int FIGURES = 144;

uint8_t m_background[SCREEN_SIZE];
uint8_t m_page[SCREEN_SIZE];
std::vector<uint8_t> m_figure;

Battle_Unit_Record Fighter(int owner, int x, int y)
{
    Battle_Unit_Record bu = {};
    bu.Melee = 4, bu.Defense = 3, bu.Hits = 1;
    bu.Cur_Figures = bu.Max_Figures = 8;
    bu.Ranged_Type = rk_None;
    bu.Move_Flags = MV_FOOT;
    bu.owner_idx = (int8_t)owner;
    bu.unit_idx = -1;
    bu.Figure_Set = (int16_t)(owner * SIDE / 2 + (x + y) % (SIDE / 2));
    bu.Grid_X = (int16_t)x, bu.Grid_Y = (int16_t)y;
    bu.Target_X = bu.Grid_X, bu.Target_Y = bu.Grid_Y;
    return bu;
}

void Set_Up(void)
{
    SDL_Init(SDL_INIT_EVENTS);
    Init_Drivers(-1, 0, nullptr);
    Allocate_Data_Space(6100);
    _num_players = 2;
    const int16_t roads[9] = {0, 1, 0, 1, 1, 1, 0, 1, 0};
    const int16_t rivers[9] = {};
    Set_Random_Seed(4711);
    Combat_Tables_Reset();
    Generate_Combat_Map(2, 0, roads, 0, 1, rivers, 0, 0, 0, 1, 8, 0);
    _combat_attacker_player = 0;
    _combat_defender_player = 1;
    _combat_local_player = 0;
    _combat_remote_player = 1;
    int n = 0;
    for (int i = 0; i < SIDE; i++) battle_units[n++] = Fighter(0, 12 + i % 3, 8 + i / 3 * 2);
    for (int i = 0; i < SIDE; i++) battle_units[n++] = Fighter(1, COMBAT_CITY_X + i % 4, COMBAT_CITY_Y + i / 4);
    _combat_total_unit_count = (int16_t)n;
    for (int i = 0; i < COMBAT_MISSILES_MAX; i++) {
        _missiles[i] = {(int16_t)(200 + i), 80, (int16_t)(120 + i), 100, 1, 50, 6};
    }
    m_missile_count = COMBAT_MISSILES_MAX;
    m_figure.assign(PICTURE_BITMAP_HEADER + 28 * 30, 0);
    Create_Picture(28, 30, m_figure.data());
    for (int i = 0; i < 28 * 30; i++) m_figure[PICTURE_BITMAP_HEADER + i] = (uint8_t)(i % 3 == 0 ? 0 : 40 + i % 7);
    memset(m_background, 81, sizeof m_background);
    // The pictures of the stand-in installation: panel, battle cache, terrain and figure sets.
    Combat_Screen_Load_Resources();
    Load_Combat_Terrain_Pictures(1, 0);
    for (int16_t set = 0; set < SIDE; set++) Combat_Figure_Load((int16_t)(60 + set), set);
    Combat_Compose_Background();
}

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(TOLVA_BINARY_DIR "/standin");
    Set_Up();
    Combat_Set_Rule_Hooks(nullptr);
    benchmark::RegisterBenchmark("Combat_Screen_Draw/walled_city_9_vs_9", [](benchmark::State &s) {
        for (auto _ : s) {
            Combat_Screen_Draw();
            benchmark::ClobberMemory();
        }
    });
    benchmark::RegisterBenchmark("Reference/page_copy_and_144_figures", [](benchmark::State &s) {
        current_video_page = m_page;
        for (auto _ : s) {
            memcpy(m_page, m_background, SCREEN_SIZE);
            for (int i = 0; i < FIGURES; i++)
                Draw_Picture((int16_t)(8 + (i * 37) % 280), (int16_t)(4 + (i * 53) % 130), m_figure.data());
            benchmark::ClobberMemory();
        }
    });
    Bench_Times reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double frame = reporter.Real("Combat_Screen_Draw/walled_city_9_vs_9");
    const double reference = reporter.Real("Reference/page_copy_and_144_figures");
    if (reference > 0) printf("ratio combat frame / reference: %.1f\n", frame / reference);
    benchmark::Shutdown();
    return 0;
}
