// Decoding and drawing a full-screen packed picture and a screen of text, beside a memset of
// the page in the same run; the ratios say how many page clears one draw costs.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "Animation.h"
#include "Fonts.h"
#include "Palette.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "Video.h"

namespace {

uint8_t m_page[SCREEN_SIZE];
uint8_t m_sets[256];

// A 320 x 200 picture of bands and blocks, one packed frame: runs of one colour become pairs.
std::vector<uint8_t> Full_Screen_Picture()
{
    std::vector<uint8_t> frame;
    for (int x = 0; x < SCREEN_WIDTH; ++x) {
        std::vector<uint8_t> column;
        // Four runs of 50 rows, each of one colour in pairs of up to 32 plus a few literals.
        for (int r = 0; r < 4; ++r) {
            std::vector<uint8_t> data;
            int left = 50;
            uint8_t colour = (uint8_t)(16 + (x / 8 + r * 5) % 200);
            while (left > 0) {
                int n = left > 30 ? 30 : left;
                data.push_back((uint8_t)(223 + n));
                data.push_back(colour);
                left -= n;
                if (left >= 2) {
                    data.push_back((uint8_t)(colour + 1));
                    data.push_back((uint8_t)(colour + 2));
                    left -= 2;
                }
            }
            column.push_back((uint8_t)data.size());
            column.push_back(0);
            column.insert(column.end(), data.begin(), data.end());
        }
        frame.push_back(FRAME_COLUMN_PACKED);
        frame.push_back((uint8_t)column.size());
        frame.insert(frame.end(), column.begin(), column.end());
    }
    std::vector<uint8_t> anim(FLIC_FRAME_OFFSETS + 8, 0);
    LE_Put_U16(anim.data(), SCREEN_WIDTH);
    LE_Put_U16(anim.data() + 2, SCREEN_HEIGHT);
    LE_Put_U16(anim.data() + FLIC_FRAME_COUNT, 1);
    anim[FLIC_WHOLE_FRAMES] = 1;
    LE_Put_U32(anim.data() + FLIC_FRAME_OFFSETS, (uint32_t)anim.size());
    anim.push_back(0);
    anim.insert(anim.end(), frame.begin(), frame.end());
    LE_Put_U32(anim.data() + FLIC_FRAME_OFFSETS + 4, (uint32_t)anim.size());
    return anim;
}

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
    struct Collect : benchmark::ConsoleReporter {
        double memset_ns = 0, picture_ns = 0, text_ns = 0;
        void ReportRuns(const std::vector<Run> &runs) override
        {
            ConsoleReporter::ReportRuns(runs);
            for (const Run &r : runs) {
                std::string name = r.benchmark_name();
                double ns = r.GetAdjustedRealTime();
                if (name.find("Memset") != std::string::npos) memset_ns = ns;
                if (name.find("Packed") != std::string::npos) picture_ns = ns;
                if (name.find("Text") != std::string::npos) text_ns = ns;
            }
        }
    } reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (reporter.memset_ns > 0)
        printf("ratio packed full-screen picture / page memset: %.1f\nratio screen of text / page memset: %.1f\n",
               reporter.picture_ns / reporter.memset_ns, reporter.text_ns / reporter.memset_ns);
    benchmark::Shutdown();
    return 0;
}
