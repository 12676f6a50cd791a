#include "STU_SHA256.h"

#include <cstring>

namespace {

const uint32_t K[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2,
};

inline uint32_t Rotr(uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

void Compress(SHA256_State *s, const uint8_t *block)
{
    uint32_t w[64];
    for (int i = 0; i < 16; i++)
        w[i] = ((uint32_t)block[4 * i] << 24) | ((uint32_t)block[4 * i + 1] << 16) | ((uint32_t)block[4 * i + 2] << 8) |
               (uint32_t)block[4 * i + 3];
    for (int i = 16; i < 64; i++) {
        uint32_t s0 = Rotr(w[i - 15], 7) ^ Rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
        uint32_t s1 = Rotr(w[i - 2], 17) ^ Rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    uint32_t a = s->h[0], b = s->h[1], c = s->h[2], d = s->h[3], e = s->h[4], f = s->h[5], g = s->h[6], h = s->h[7];
    for (int i = 0; i < 64; i++) {
        uint32_t S1 = Rotr(e, 6) ^ Rotr(e, 11) ^ Rotr(e, 25);
        uint32_t ch = (e & f) ^ (~e & g);
        uint32_t t1 = h + S1 + ch + K[i] + w[i];
        uint32_t S0 = Rotr(a, 2) ^ Rotr(a, 13) ^ Rotr(a, 22);
        uint32_t maj = (a & b) ^ (a & c) ^ (b & c);
        uint32_t t2 = S0 + maj;
        h = g;
        g = f;
        f = e;
        e = d + t1;
        d = c;
        c = b;
        b = a;
        a = t1 + t2;
    }
    s->h[0] += a;
    s->h[1] += b;
    s->h[2] += c;
    s->h[3] += d;
    s->h[4] += e;
    s->h[5] += f;
    s->h[6] += g;
    s->h[7] += h;
}

}  // namespace

void STU_SHA256_Init(SHA256_State *state)
{
    static const uint32_t initial[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                        0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    memcpy(state->h, initial, sizeof initial);
    state->length = 0;
    state->fill = 0;
}

void STU_SHA256_Update(SHA256_State *state, const void *data, size_t size)
{
    const uint8_t *bytes = static_cast<const uint8_t *>(data);
    state->length += size;
    while (size > 0) {
        size_t take = 64 - state->fill;
        if (take > size) take = size;
        memcpy(state->block + state->fill, bytes, take);
        state->fill += take;
        bytes += take;
        size -= take;
        if (state->fill == 64) {
            Compress(state, state->block);
            state->fill = 0;
        }
    }
}

void STU_SHA256_Final_Hex(SHA256_State *state, char out[65])
{
    uint64_t bits = state->length * 8;
    uint8_t pad = 0x80;
    STU_SHA256_Update(state, &pad, 1);
    uint8_t zero = 0;
    while (state->fill != 56) STU_SHA256_Update(state, &zero, 1);
    uint8_t length_bytes[8];
    for (int i = 0; i < 8; i++) length_bytes[i] = (uint8_t)(bits >> (56 - 8 * i));
    STU_SHA256_Update(state, length_bytes, 8);
    static const char hex[] = "0123456789abcdef";
    for (int i = 0; i < 8; i++)
        for (int j = 0; j < 4; j++) {
            uint8_t byte = (uint8_t)(state->h[i] >> (24 - 8 * j));
            out[i * 8 + j * 2] = hex[byte >> 4];
            out[i * 8 + j * 2 + 1] = hex[byte & 15];
        }
    out[64] = '\0';
}

int STU_SHA256_Stream(FILE *stream, char out[65])
{
    if (stream == nullptr) return 0;
    SHA256_State state;
    STU_SHA256_Init(&state);
    uint8_t block[4096];
    for (;;) {
        size_t got = fread(block, 1, sizeof block, stream);
        STU_SHA256_Update(&state, block, got);
        if (got < sizeof block) {
            if (ferror(stream)) return 0;
            break;
        }
    }
    STU_SHA256_Final_Hex(&state, out);
    return 1;
}
