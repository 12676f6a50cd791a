// The SDL2 platform as start-up and the engine see it.
#pragma once

#include "Input_Metrics.h"
#include "PFL_Perf.h"
#include "sdl2_Capture.h"
#include "sdl2_Init.h"
#include "sdl2_PFL.h"
#include "sdl2_Video.h"
#include "sdl2_Viewport.h"
