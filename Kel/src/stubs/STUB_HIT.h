// Every stand-in body starts with STUB_HIT(): the first call of a run logs one WARN line naming
// the stand-in, so a log shows which services the run met that are not built yet.
#pragma once

#include "STU_Log.h"

#define STUB_HIT()                                                                                                     \
    do {                                                                                                               \
        static bool stub_hit_logged = false;                                                                           \
        if (!stub_hit_logged) {                                                                                        \
            stub_hit_logged = true;                                                                                    \
            STU_LOG(SEV_WARN, LC_GENERAL, "%s__STUB: a stand-in runs in place of the real one", __func__);             \
        }                                                                                                              \
    } while (0)
