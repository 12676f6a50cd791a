// SHA-256 (FIPS 180-4), computed incrementally over 64-byte blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

struct SHA256_State {
    uint32_t h[8];
    uint64_t length;
    uint8_t block[64];
    size_t fill;
};

void STU_SHA256_Init(SHA256_State *state);
void STU_SHA256_Update(SHA256_State *state, const void *data, size_t size);
// Writes 64 lower-case hexadecimal characters and a terminator.
void STU_SHA256_Final_Hex(SHA256_State *state, char out[65]);
// Hashes a stream to its end in blocks of 4,096 bytes; 0 for a null stream or a read error.
int STU_SHA256_Stream(FILE *stream, char out[65]);
