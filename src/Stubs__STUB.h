// Stand-ins for services that start-up calls before the code that owns them exists.
// Each is the least that lets start-up run in its fixed order; the owning module
// replaces it (and removes it from here) when it lands.
#pragma once

#include <cstdint>
#include <cstdio>

// ---- engine ----
// Called by Init_Drivers (Orv/src/Init_Drivers.cpp) until the font and input modules land.


// ---- game ----
