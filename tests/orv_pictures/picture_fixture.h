// Small builders of animation entries for the picture tests.
#pragma once

#include <cstdint>
#include <vector>

#include "Pictures.h"
#include "STU_LE.h"

using Bytes = std::vector<uint8_t>;

// One column record with a single plain run: type 0, L, N, skip, pixels.
inline Bytes Plain_Column(uint8_t skip, const Bytes &pixels)
{
    Bytes c = {FRAME_COLUMN_PLAIN, (uint8_t)(pixels.size() + 2), (uint8_t)pixels.size(), skip};
    c.insert(c.end(), pixels.begin(), pixels.end());
    return c;
}

// One packed column record holding one run of the given data bytes.
inline Bytes Packed_Column(uint8_t skip, const Bytes &data)
{
    Bytes c = {FRAME_COLUMN_PACKED, (uint8_t)(data.size() + 2), (uint8_t)data.size(), skip};
    c.insert(c.end(), data.begin(), data.end());
    return c;
}

// Encodes row-major pixels (0 = gap) as column records; packed columns use repeat pairs
// for runs of three or more, split so that a column's byte count fits its length byte.
inline Bytes Encode_Frame(int width, int height, const Bytes &pixels, bool packed)
{
    Bytes out;
    for (int x = 0; x < width; ++x) {
        Bytes runs;
        int y = 0, resume = 0;
        while (y < height) {
            if (pixels[(size_t)y * width + x] == 0) {
                ++y;
                continue;
            }
            int start = y;
            Bytes data;
            while (y < height && pixels[(size_t)y * width + x] != 0 && data.size() < 60) {
                uint8_t v = pixels[(size_t)y * width + x];
                int n = 1;
                while (packed && y + n < height && n < 32 && pixels[(size_t)(y + n) * width + x] == v) ++n;
                if (packed && (n >= 3 || v >= FRAME_REPEAT_FIRST)) {
                    data.push_back((uint8_t)(223 + n));
                    data.push_back(v);
                    y += n;
                } else {
                    data.push_back(v);
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
            continue;
        }
        out.push_back(packed ? FRAME_COLUMN_PACKED : FRAME_COLUMN_PLAIN);
        out.push_back((uint8_t)runs.size());
        out.insert(out.end(), runs.begin(), runs.end());
    }
    return out;
}

// An animation entry: 18-byte header, offsets, then per frame one unread byte and its columns.
inline Bytes Animation(int width, int height, const std::vector<Bytes> &frames, uint16_t loop = 0, bool whole = true,
                       bool remap = false)
{
    Bytes out((size_t)FLIC_FRAME_OFFSETS + 4 * (frames.size() + 1), 0);
    LE_Put_U16(out.data() + 0, (uint16_t)width);
    LE_Put_U16(out.data() + 2, (uint16_t)height);
    LE_Put_U16(out.data() + FLIC_FRAME_COUNT, (uint16_t)frames.size());
    LE_Put_U16(out.data() + FLIC_LOOP_FRAME, loop);
    out[FLIC_WHOLE_FRAMES] = whole ? 1 : 0;
    out[FLIC_REMAP] = remap ? 1 : 0;
    for (size_t f = 0; f < frames.size(); ++f) {
        LE_Put_U32(out.data() + FLIC_FRAME_OFFSETS + 4 * f, (uint32_t)out.size());
        out.push_back(0);
        out.insert(out.end(), frames[f].begin(), frames[f].end());
    }
    LE_Put_U32(out.data() + FLIC_FRAME_OFFSETS + 4 * frames.size(), (uint32_t)out.size());
    return out;
}

inline Bytes Bitmap(int width, int height, uint8_t fill = 0)
{
    Bytes b((size_t)16 + width * height + 64, 0xEE);  // guard bytes after the pixels
    Create_Blank_Picture((int16_t)width, (int16_t)height, b.data(), fill);
    return b;
}
