// The scene of a full city (population 25, every building, walls, the five wards, a river),
// rebuilt from scratch as the city screen does every frame, beside one full-screen packed picture
// decoded and drawn as bench_draw draws it. The ratio says how many such pictures one scene costs;
// a second ratio draws the layout anew each time instead of taking the remembered one, and a
// third sets that against a memset of the page, a reference that does not move when the picture
// drawer does (the goal of 10 x the picture as it was then is about 1000 page memsets).
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "Animation.h"
#include "Bench_Times.h"
#include "Full_Screen_Picture.h"
#include "Init_Drivers.h"
#include "LBX_Load.h"
#include "Pictures.h"
#include "STU_GRAF.h"
#include "Video.h"
#include "cities/Cityscape_Layout.h"
#include "cities/screens/Cityscape_Draw.h"
#include "shell/Graphics_Cache.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Record.h"
#include "world/LOADER.h"

namespace {

uint8_t m_page[SCREEN_SIZE];

bool Start_Full_City(void)
{
    static int started = -1;
    if (started >= 0) return started == 1;
    SDL_Init(SDL_INIT_EVENTS);
    Init_Drivers(-1, 0, nullptr);
    Allocate_Data_Space(6100);
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(TOLVA_BINARY_DIR "/standin");
    LBX_Close();
    Load_BUILDDAT();
    Graphics_Cache_Reset();
    Reload_Cityscape_Graphics_Cache();
    _cities = 1;
    City_Record &city = _CITIES[0];
    std::memset(&city, 0, sizeof(city));
    city.wx = 20;
    city.wy = 15;
    city.size = 5;
    city.population = 25;
    city.bldg_status[0] = 0;
    for (int b = 1; b < NUM_BUILDINGS; ++b) city.bldg_status[b] = (int8_t)(b >= 3 ? 1 : -1);
    for (int e : {ce_Nature_Ward, ce_Sorcery_Ward, ce_Chaos_Ward, ce_Life_Ward, ce_Death_Ward})
        city.enchantments[e] = 1;
    _world_maps[World_Square_Index(21, 15, 0)] = 185;  // a river beside the city
    started = 1;
    return true;
}

void Bench_Full_Screen_Picture(benchmark::State &state)
{
    current_video_page = m_page;
    std::vector<uint8_t> anim = Full_Screen_Picture();
    for (auto _ : state) {
        FLIC_Draw(0, 0, anim.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Bench_Full_Screen_Picture);

void Bench_Full_City_Scene(benchmark::State &state)
{
    if (!Start_Full_City()) {
        state.SkipWithError("the stand-in data did not load");
        return;
    }
    current_video_page = m_page;
    for (auto _ : state) {
        Cityscape_Window__WIP(0, 4, 101, 0, -1);
        benchmark::ClobberMemory();
    }
    state.counters["fields"] = cityscape_bldg_count;
}
BENCHMARK(Bench_Full_City_Scene);

// The same with the layout drawn anew every time instead of the remembered one.
void Bench_Full_City_Scene_New_Layout(benchmark::State &state)
{
    if (!Start_Full_City()) {
        state.SkipWithError("the stand-in data did not load");
        return;
    }
    current_video_page = m_page;
    for (auto _ : state) {
        Cityscape_Layout_Forget();
        Cityscape_Window__WIP(0, 4, 101, 0, -1);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Bench_Full_City_Scene_New_Layout);

void Bench_Memset_Page(benchmark::State &state)
{
    for (auto _ : state) {
        std::memset(m_page, (int)state.iterations() & 0xFF, SCREEN_SIZE);
        benchmark::DoNotOptimize(m_page);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Bench_Memset_Page);

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    Bench_Times reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double picture_ns = reporter.Real("Bench_Full_Screen_Picture");
    const double scene_ns = reporter.Real("Bench_Full_City_Scene");
    const double new_layout_ns = reporter.Real("Bench_Full_City_Scene_New_Layout");
    if (picture_ns > 0 && scene_ns > 0) printf("ratio cityscape / full-screen picture: %.1f\n", scene_ns / picture_ns);
    if (picture_ns > 0 && new_layout_ns > 0)
        printf("ratio cityscape with a new layout / full-screen picture: %.1f\n", new_layout_ns / picture_ns);
    const double memset_ns = reporter.Real("Bench_Memset_Page");
    if (memset_ns > 0 && new_layout_ns > 0)
        printf("ratio cityscape with a new layout / page memset: %.0f\n", new_layout_ns / memset_ns);
    benchmark::Shutdown();
    return 0;
}
