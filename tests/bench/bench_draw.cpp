// Decoding and drawing a full-screen packed picture and a screen of text, beside a memset of
// the page in the same run; the ratios say how many page clears one draw costs.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "Animation.h"
#include "Bench_Times.h"
#include "Fonts.h"
#include "Full_Screen_Picture.h"
#include "Palette.h"
#include "Pictures.h"
#include "Video.h"

namespace {

uint8_t m_page[SCREEN_SIZE];
uint8_t m_sets[256];

void Bench_Memset_Page(benchmark::State &state)
{
    for (auto _ : state) {
        std::memset(m_page, (int)state.iterations() & 0xFF, SCREEN_SIZE);
        benchmark::DoNotOptimize(m_page);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Bench_Memset_Page);

void Bench_Packed_Full_Screen(benchmark::State &state)
{
    current_video_page = m_page;
    std::vector<uint8_t> anim = Full_Screen_Picture();
    for (auto _ : state) {
        FLIC_Draw(0, 0, anim.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Bench_Packed_Full_Screen);

void Bench_Screen_Of_Text(benchmark::State &state)
{
    current_video_page = m_page;
    for (int i = 0; i < 256; ++i) m_sets[i] = (uint8_t)i;
    font_colors = m_sets;
    Set_Font_Style(1, 0, 0, 0);
    const char *line = "The quick brown fox jumps over the lazy dog, 0123456789 times.";
    for (auto _ : state) {
        for (int y = 0; y + 6 <= SCREEN_HEIGHT; y += 7) Print(0, (int16_t)y, line);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Bench_Screen_Of_Text);

}  // namespace

// Runs the three and prints each draw's time as a multiple of the page memset.
int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    Bench_Times reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double memset_ns = reporter.Real("Bench_Memset_Page");
    const double picture_ns = reporter.Real("Bench_Packed_Full_Screen");
    const double text_ns = reporter.Real("Bench_Screen_Of_Text");
    if (memset_ns > 0)
        printf("ratio packed full-screen picture / page memset: %.1f\nratio screen of text / page memset: %.1f\n",
               picture_ns / memset_ns, text_ns / memset_ns);
    benchmark::Shutdown();
    return 0;
}
