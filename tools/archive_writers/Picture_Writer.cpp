#include "Picture_Writer.h"

#include "Pictures.h"
#include "STU_LE.h"

namespace {

constexpr size_t MAX_RUN_BYTES = 120;
constexpr int MAX_REPEAT = 32;

void Encode_Column(int width, int height, const Bytes &pixels, int x, bool packed, Bytes &out, bool *fits)
{
    auto at = [&](int y) { return pixels[(size_t)y * width + x]; };
    Bytes runs;
    int y = 0;
    int resume = 0;  // row below the previous run
    while (y < height) {
        if (at(y) == 0) {
            ++y;
            continue;
        }
        int start = y;
        Bytes data;
        while (y < height && at(y) != 0 && data.size() < MAX_RUN_BYTES) {
            uint8_t colour = at(y);
            int n = 1;
            while (packed && y + n < height && n < MAX_REPEAT && at(y + n) == colour) ++n;
            if (packed && (n >= 3 || colour >= FRAME_REPEAT_FIRST)) {
                data.push_back((uint8_t)(FRAME_REPEAT_FIRST - 1 + n));
                data.push_back(colour);
                y += n;
            } else {
                data.push_back(colour);
                ++y;
            }
        }
        runs.push_back((uint8_t)data.size());
        runs.push_back((uint8_t)(start - resume));
        runs.insert(runs.end(), data.begin(), data.end());
        resume = y;
    }
    if (runs.empty()) {
        out.push_back(FRAME_COLUMN_EMPTY);
        return;
    }
    if (runs.size() > 255 && fits != nullptr) *fits = false;
    out.push_back(packed ? FRAME_COLUMN_PACKED : FRAME_COLUMN_PLAIN);
    out.push_back((uint8_t)runs.size());
    out.insert(out.end(), runs.begin(), runs.end());
}

}  // namespace

Bytes Picture_Writer_Columns(int width, int height, const Bytes &pixels, bool packed, bool *fits)
{
    if (fits != nullptr) *fits = true;
    Bytes out;
    for (int x = 0; x < width; ++x) Encode_Column(width, height, pixels, x, packed, out, fits);
    return out;
}

Bytes Picture_Writer_Animation(int width, int height, const std::vector<Bytes> &frames, uint16_t loop_frame,
                               bool whole_frames, bool remap)
{
    Bytes out((size_t)FLIC_FRAME_OFFSETS + 4 * (frames.size() + 1), 0);
    LE_Put_U16(out.data() + 0, (uint16_t)width);
    LE_Put_U16(out.data() + 2, (uint16_t)height);
    LE_Put_U16(out.data() + FLIC_FRAME_COUNT, (uint16_t)frames.size());
    LE_Put_U16(out.data() + FLIC_LOOP_FRAME, loop_frame);
    out[FLIC_WHOLE_FRAMES] = whole_frames ? 1 : 0;
    out[FLIC_REMAP] = remap ? 1 : 0;
    for (size_t f = 0; f < frames.size(); ++f) {
        LE_Put_U32(out.data() + FLIC_FRAME_OFFSETS + 4 * f, (uint32_t)out.size());
        out.push_back(0);
        out.insert(out.end(), frames[f].begin(), frames[f].end());
    }
    LE_Put_U32(out.data() + FLIC_FRAME_OFFSETS + 4 * frames.size(), (uint32_t)out.size());
    return out;
}
