// Writes pictures in the archive form (the animation form of the DOS game): for the stand-in
// installation and for tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

using Bytes = std::vector<uint8_t>;

// The column records of one frame of width x height palette indices, row-major
// (pixels[y * width + x]); 0 stays transparent. A column is 0xFF when empty, else its type (plain
// 0x00 or packed 0x80), its length L, then runs {N, skip, N data bytes}; packed data holds
// (224 + count - 1, colour) pairs for runs of three or more. L counts 2 + N per run and must fit
// a byte: runs are split at 120 data bytes, and *fits (when given) turns false when a column is
// still too busy for one record.
Bytes Picture_Writer_Columns(int width, int height, const Bytes &pixels, bool packed, bool *fits = nullptr);

// The animation entry: 18-byte header, u32 offsets of frames[0..n] and of the end, then per frame
// one byte that is never read and its column records.
Bytes Picture_Writer_Animation(int width, int height, const std::vector<Bytes> &frames, uint16_t loop_frame = 0,
                               bool whole_frames = true, bool remap = false);
