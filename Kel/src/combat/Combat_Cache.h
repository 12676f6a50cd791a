// The world block saved before a screen borrows its memory and restored after: a copy in memory and
// the scratch file COMBAT.TMP in the user's data folder.
#pragma once

#include <cstdint>

constexpr const char *COMBAT_CACHE_FILE = "COMBAT.TMP";
// The file's two pieces: the first 2,047 paragraphs, then the rest.
constexpr uint32_t COMBAT_CACHE_FIRST_PIECE = 2047 * 16;

// Keeps a copy of the world block and writes COMBAT.TMP; 1 on success. On failure logs FATAL and returns
// 0, keeping no copy: the caller then loads nothing into the world block.
int16_t Combat_Cache_Write(void);
// Puts the world block back as it was at the last successful write; 1 on success, 0 (logged FATAL) when
// there is nothing to restore, the block then untouched.
int16_t Combat_Cache_Read(void);
// The path of COMBAT.TMP; empty when the user's data folder is unknown.
int Combat_Cache_Path(char *buffer, int size);
