// Reads a saved game of the stand-in installation the build writes into the world, through the
// program's own checks. Needs TOLVA_BINARY_DIR, the build folder, from the including target.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "world/LOADSAVE.h"

#ifndef TOLVA_BINARY_DIR
#error "Standin_Save.h needs TOLVA_BINARY_DIR"
#endif

// The stand-in's path of a saved game such as "SAVE9.GAM".
inline std::string Standin_Save_Path(const char *name) { return std::string(TOLVA_BINARY_DIR "/standin/") + name; }

// false when the file is missing or refused; why, when given, then says which.
inline bool Load_Standin_Save(const char *name, std::string *why = nullptr)
{
    const std::string path = Standin_Save_Path(name);
    FILE *f = fopen(path.c_str(), "rb");
    if (!f) {
        if (why) *why = "cannot open " + path;
        return false;
    }
    std::vector<uint8_t> image(SAVE_GAM_SIZE + 1);
    const size_t n = fread(image.data(), 1, image.size(), f);
    fclose(f);
    char reason[256];
    if (!Save_Game_Check_Image(image.data(), n, reason, sizeof(reason))) {
        if (why) *why = path + " refused: " + reason;
        return false;
    }
    Save_Game_Read_Image(image.data(), n);
    return true;
}
