#include "STU_LE.h"
#include "Standin.h"

void Standin_Frame::Fill_Rect(int x1, int y1, int x2, int y2, uint8_t colour)
{
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (x >= 0 && x < width && y >= 0 && y < height) pixels[(size_t)y * width + x] = colour;
}

void Standin_Frame::Fill_Ellipse(int cx, int cy, int rx, int ry, uint8_t colour)
{
    for (int y = cy - ry; y <= cy + ry; ++y)
        for (int x = cx - rx; x <= cx + rx; ++x) {
            long dx = x - cx, dy = y - cy;
            if (dx * dx * ry * ry + dy * dy * rx * rx <= (long)rx * rx * ry * ry && x >= 0 && x < width && y >= 0 && y < height)
                pixels[(size_t)y * width + x] = colour;
        }
}

namespace {

// One column: 0xFF when empty, else type 0x00, length L, then runs {N, skip S, N pixels}.
// L counts 2 + N per run and must fit a byte, so long runs are split.
void Encode_Column(const Standin_Frame &frame, int x, Bytes &out)
{
    Bytes runs;
    int y = 0;
    int resume = 0;  // row below the previous run
    while (y < frame.height) {
        if (frame.pixels[(size_t)y * frame.width + x] == 0) {
            ++y;
            continue;
        }
        int start = y;
        while (y < frame.height && frame.pixels[(size_t)y * frame.width + x] != 0 && y - start < 120) ++y;
        runs.push_back((uint8_t)(y - start));
        runs.push_back((uint8_t)(start - resume));
        for (int r = start; r < y; ++r) runs.push_back(frame.pixels[(size_t)r * frame.width + x]);
        resume = y;
    }
    if (runs.empty() || runs.size() > 255) {
        if (runs.size() > 255) Standin_Fail("picture column too busy for one column record");
        out.push_back(0xFF);
        return;
    }
    out.push_back(0x00);
    out.push_back((uint8_t)runs.size());
    out.insert(out.end(), runs.begin(), runs.end());
}

}  // namespace

Bytes Standin_Picture(const std::vector<Standin_Frame> &frames, uint16_t loop_frame, bool whole_frames)
{
    if (frames.empty()) Standin_Fail("picture without frames");
    const Standin_Frame &first = frames[0];
    size_t header = 18 + 4 * (frames.size() + 1);
    Bytes out(header, 0);
    LE_Put_U16(out.data() + 0, (uint16_t)first.width);
    LE_Put_U16(out.data() + 2, (uint16_t)first.height);
    LE_Put_U16(out.data() + 4, 0);
    LE_Put_U16(out.data() + 6, (uint16_t)frames.size());
    LE_Put_U16(out.data() + 8, loop_frame);
    LE_Put_U16(out.data() + 14, 0);  // no palette information
    out[16] = whole_frames ? 1 : 0;
    out[17] = 0;
    for (size_t f = 0; f < frames.size(); ++f) {
        if (frames[f].width != first.width || frames[f].height != first.height) Standin_Fail("picture frames differ in size");
        LE_Put_U32(out.data() + 18 + 4 * f, (uint32_t)out.size());
        out.push_back(0);  // the byte before the column records is never read
        for (int x = 0; x < first.width; ++x) Encode_Column(frames[f], x, out);
    }
    LE_Put_U32(out.data() + 18 + 4 * frames.size(), (uint32_t)out.size());
    Standin_Check_Picture(out, frames, "picture of " + std::to_string(frames.size()) + " frames");
    return out;
}
