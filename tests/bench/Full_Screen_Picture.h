// The reference picture of the drawing benchmarks: one full-screen packed frame.
#pragma once

#include <cstdint>
#include <vector>

#include "Animation.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "Video.h"

// A 320 x 200 picture of bands and blocks, one packed frame: runs of one colour become pairs.
inline std::vector<uint8_t> Full_Screen_Picture()
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
