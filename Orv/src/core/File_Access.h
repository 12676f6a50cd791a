// The DOS engine's single-handle file layer (combat cache, sound data) and its existence test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

constexpr int32_t GF_MAX_TRANSFER = 32767;  // the byte count is a signed 16-bit number

extern FILE *_gf_fhandle;
extern int16_t _gf_bsize;

// Opens name without regard to letter case; the handle replaces (without closing) any held one.
FILE *gfopen(const char *name, const char *mode);
// Move size x count bytes as one item of the held file; 1 when moved, else 0.
size_t gfread(void *buffer, size_t size, size_t count, FILE *file);
size_t gfwrite(const void *buffer, size_t size, size_t count, FILE *file);
int gfseek(FILE *file, long offset, int whence);
int gfclose(FILE *file);

// -1 and the name copied into found_name when the file opens for reading; else 0 and "".
int16_t DIR(const char *name, char *found_name);
