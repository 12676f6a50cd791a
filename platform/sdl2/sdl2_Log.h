// Log lines of the SDL2 layer carry the layer's own source-file name rather than a build path.
#pragma once

#include "STU_Log.h"

#define SDL2_LOG(file, severity, category, ...)                                                                        \
    STU_Log_Write_At((severity), (category), (file), __LINE__, __func__, __VA_ARGS__)
