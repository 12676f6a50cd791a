// Small builders of animation entries for the picture tests.
#pragma once

#include <cstdint>
#include <vector>

#include "Picture_Writer.h"
#include "Pictures.h"
#include "STU_LE.h"

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

// Row-major pixels (0 = gap) as column records, plain or packed.
inline Bytes Encode_Frame(int width, int height, const Bytes &pixels, bool packed)
{
    return Picture_Writer_Columns(width, height, pixels, packed);
}

// An animation entry of frames already encoded as column records.
inline Bytes Animation(int width, int height, const std::vector<Bytes> &frames, uint16_t loop = 0, bool whole = true,
                       bool remap = false)
{
    return Picture_Writer_Animation(width, height, frames, loop, whole, remap);
}

inline Bytes Bitmap(int width, int height, uint8_t fill = 0)
{
    Bytes b((size_t)16 + width * height + 64, 0xEE);  // guard bytes after the pixels
    Create_Blank_Picture((int16_t)width, (int16_t)height, b.data(), fill);
    return b;
}
