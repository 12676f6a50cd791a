// The game-data compatibility check: the installation's archives hashed and compared with
// the built-in manifest of the v1.31 files. A mismatch only warns.
#pragma once

#include <cstdint>

struct Manifest_Row {
    const char *name;
    const char *sha256;  // 64 hex characters, or null when the digest is not known: the row is skipped
    const char *version;
};

constexpr int COMPAT_MAX_FILES = 256;

struct Compat_File {
    char name[64];
    char digest[65];
    int32_t hashed;
    int32_t matched_row;
    int32_t matched_v131;
};

struct Compat_Result {
    int32_t manifest_present;
    int32_t checked;
    int32_t ok;
    int32_t problems;
    char flagged[512];
};

extern const Manifest_Row g_lbx_manifest[];

int STU_GRAF_Check_Data_Compat(Compat_Result *result);
int STU_GRAF_Check_Compat_Against(const Manifest_Row *manifest, Compat_Result *result);
