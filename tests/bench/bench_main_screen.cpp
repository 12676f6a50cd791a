// One full drawing of the main screen of the stand-in world (map window, frame, reduced map, the
// unit window of a selected stack, status, the integrity checkpoint), beside a reference in the
// same run: 120 squares of 20 x 18 pixels copied from a flat buffer into the page and a memset of
// the page. The ratio says how many such plain frames one main-screen frame costs.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Bench_Times.h"
#include "Init_Drivers.h"
#include "LBX_Load.h"
#include "STU_GRAF.h"
#include "Video.h"
#include "overland/Game_Resources.h"
#include "shell/Graphics_Cache.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Map_Window.h"
#include "world/ALLOC.h"
#include "world/LOADSAVE.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"

namespace {

constexpr int SQUARE_W = 20;
constexpr int SQUARE_H = 18;
constexpr int SQUARES = 120;

uint8_t m_page[SCREEN_SIZE];
std::vector<uint8_t> m_squares((size_t)SQUARES *SQUARE_W *SQUARE_H);

bool Start_Stand_In_World(void)
{
    static int started = -1;
    if (started >= 0) return started == 1;
    SDL_Init(SDL_INIT_EVENTS);
    Init_Drivers(-1, 0, nullptr);
    Allocate_Data_Space(6100);
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(TOLVA_BINARY_DIR "/standin");
    STU_GRAF_Set_User_Data_Dir(TOLVA_BINARY_DIR "/standin");
    LBX_Close();
    if (Load_SAVE_GAM(8) != 1) {
        fprintf(stderr, "bench_main_screen: the stand-in SAVE9.GAM did not load\n");
        started = 0;
        return false;
    }
    Load_VEZ_Resources_Once();
    Main_Screen_Load_Pictures();
    Cache_Graphics_Overland();
    Allocate_Reduced_Map();
    // The human's first unit as the selected stack, the window around it.
    _unit_stack_count = 0;
    for (int16_t u = 0; u < _units && _unit_stack_count == 0; ++u) {
        if (_UNITS[u].owner_idx != 0) continue;
        _unit_stack[0] = {u, 1};
        _unit_stack_count = 1;
        _unit = u;
        _map_plane = _UNITS[u].wp;
        _map_x = _prev_world_x = (int16_t)((_UNITS[u].wx + 54) % 60);
        int16_t top = (int16_t)(_UNITS[u].wy - 5);
        _map_y = _prev_world_y = top < 0 ? 0 : (top > 30 ? 30 : top);
    }
    all_units_moved = 0;
    MainScr_Create_Reduced_Map_Picture();
    started = 1;
    return true;
}

void Bench_Reference_Frame(benchmark::State &state)
{
    for (size_t i = 0; i < m_squares.size(); ++i) m_squares[i] = (uint8_t)(i * 7);
    for (auto _ : state) {
        std::memset(m_page, 0, SCREEN_SIZE);
        for (int s = 0; s < SQUARES; ++s) {
            const uint8_t *from = &m_squares[(size_t)s * SQUARE_W * SQUARE_H];
            uint8_t *to = m_page + (20 + (s / 12) * SQUARE_H) * SCREEN_WIDTH + (s % 12) * SQUARE_W;
            for (int row = 0; row < SQUARE_H; ++row)
                std::memcpy(to + row * SCREEN_WIDTH, from + row * SQUARE_W, SQUARE_W);
        }
        benchmark::DoNotOptimize(m_page);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Bench_Reference_Frame);

void Bench_Main_Screen_Frame(benchmark::State &state)
{
    if (!Start_Stand_In_World()) {
        state.SkipWithError("no stand-in world");
        return;
    }
    for (auto _ : state) {
        Main_Screen_Draw();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Bench_Main_Screen_Frame);

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    Bench_Times reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double reference = reporter.Real("Bench_Reference_Frame");
    const double frame = reporter.Real("Bench_Main_Screen_Frame");
    if (reference <= 0 || frame <= 0) {
        fprintf(stderr, "bench_main_screen: a run is missing\n");
        benchmark::Shutdown();
        return 1;
    }
    printf("ratio main-screen frame / reference: %.1f\n", frame / reference);
    benchmark::Shutdown();
    return 0;
}
