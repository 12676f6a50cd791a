// Minimal stand-ins, each removed when the module that owns the name lands.
#include "Stubs__STUB.h"

#include <SDL.h>
#include <cstring>

#include "STU_Log.h"
#include "STU_Wrappers.h"
#include "Tolva.h"

// ---- engine ----

// ---- game ----
