// Test helpers for drawn pictures: a private 320 x 200 page with guard bytes around it, a
// hash of the page for goldens, and a small PNG writer (stored deflate blocks, no zlib) so a
// failing test leaves an image of its page for a reviewer.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Palette.h"
#include "Video.h"

struct Test_Page {
    static constexpr int GUARD = 4096;
    std::vector<uint8_t> bytes = std::vector<uint8_t>(GUARD + SCREEN_SIZE + GUARD, 0xA5);
    uint8_t *saved = nullptr;
    Test_Page()
    {
        for (int i = 0; i < SCREEN_SIZE; ++i) bytes[GUARD + i] = 0;
        saved = current_video_page;
        current_video_page = bytes.data() + GUARD;
    }
    ~Test_Page() { current_video_page = saved; }
    uint8_t *Pixels() { return bytes.data() + GUARD; }
    uint8_t At(int x, int y) { return Pixels()[y * SCREEN_WIDTH + x]; }
    bool Guards_Intact() const
    {
        for (int i = 0; i < GUARD; ++i)
            if (bytes[i] != 0xA5 || bytes[GUARD + SCREEN_SIZE + i] != 0xA5) return false;
        return true;
    }
    // FNV-1a over the page bytes.
    uint64_t Hash() { return Test_Hash(Pixels(), SCREEN_SIZE); }
    static uint64_t Test_Hash(const uint8_t *p, size_t n)
    {
        uint64_t h = 1469598103934665603ull;
        for (size_t i = 0; i < n; ++i) h = (h ^ p[i]) * 1099511628211ull;
        return h;
    }
};

namespace test_png {

inline uint32_t Crc(const uint8_t *p, size_t n, uint32_t crc = 0xFFFFFFFFu)
{
    for (size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc;
}

inline void Put32(std::vector<uint8_t> &out, uint32_t v)
{
    for (int s = 24; s >= 0; s -= 8) out.push_back((uint8_t)(v >> s));
}

inline void Chunk(std::vector<uint8_t> &out, const char *type, const std::vector<uint8_t> &data)
{
    Put32(out, (uint32_t)data.size());
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    Put32(out, Crc(body.data(), body.size()) ^ 0xFFFFFFFFu);
}

}  // namespace test_png

// Writes an 8-bit RGB PNG of width x height palette indices through the 6-bit palette
// (the built-in palette 0 when none is given).
inline bool Write_Test_Png(const std::string &path, const uint8_t *pixels, int width, int height,
                           const uint8_t *palette6 = nullptr)
{
    using namespace test_png;
    if (palette6 == nullptr) palette6 = Palette_Builtin_Image();
    std::vector<uint8_t> raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width; ++x) {
            uint8_t v = pixels[y * width + x];
            for (int c = 0; c < 3; ++c) raw.push_back((uint8_t)(palette6[v * 3 + c] * 4));
        }
    }
    std::vector<uint8_t> z = {0x78, 0x01};
    uint32_t a = 1, b = 0;
    for (uint8_t v : raw) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t at = 0; at < raw.size() || at == 0;) {
        size_t n = raw.size() - at < 65535 ? raw.size() - at : 65535;
        z.push_back(at + n == raw.size() ? 1 : 0);
        z.push_back((uint8_t)(n & 0xFF));
        z.push_back((uint8_t)(n >> 8));
        z.push_back((uint8_t)(~n & 0xFF));
        z.push_back((uint8_t)((~n >> 8) & 0xFF));
        z.insert(z.end(), raw.begin() + (long)at, raw.begin() + (long)(at + n));
        at += n;
        if (n == 0) break;
    }
    Put32(z, (b << 16) | a);
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<uint8_t> ihdr;
    Put32(ihdr, (uint32_t)width);
    Put32(ihdr, (uint32_t)height);
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
    Chunk(out, "IHDR", ihdr);
    Chunk(out, "IDAT", z);
    Chunk(out, "IEND", {});
    FILE *f = fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = fwrite(out.data(), 1, out.size(), f) == out.size();
    return fclose(f) == 0 && ok;
}

// Compares the page with its golden hash; on a mismatch writes <name>.png into the build's
// test output folder and says where.
inline ::testing::AssertionResult Page_Matches_Golden(Test_Page &page, const char *name, uint64_t golden)
{
    uint64_t hash = page.Hash();
    if (hash == golden) return ::testing::AssertionSuccess();
    std::string path = std::string(TOLVA_BINARY_DIR "/") + name + ".png";
    Write_Test_Png(path, page.Pixels(), SCREEN_WIDTH, SCREEN_HEIGHT);
    char text[64];
    snprintf(text, sizeof text, "0x%016llxull", (unsigned long long)hash);
    return ::testing::AssertionFailure() << name << ": page hash " << text << " differs from the golden; see " << path;
}
