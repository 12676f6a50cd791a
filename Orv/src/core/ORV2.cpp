#include "ORV2.h"

#include <cstdlib>
#include <cstring>

#include "STU_Log.h"

int32_t _cmd_line_seed = 0;
int32_t _cmd_line_seed2 = 0;

void Check_Command_Line_Parameters_(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i] == nullptr) continue;
        if (i + 1 >= argc) break;
        if (strcmp(argv[i], "--seed2") == 0) {
            _cmd_line_seed2 = (int32_t)strtol(argv[i + 1], nullptr, 0);
            STU_LOG(SEV_INFO, LC_ORV2, "[ORV2] CLI: --seed2 %d (0x%08X)", (int)_cmd_line_seed2,
                    (unsigned)_cmd_line_seed2);
            ++i;
        } else if (strcmp(argv[i], "--seed1") == 0) {
            _cmd_line_seed = (int32_t)strtol(argv[i + 1], nullptr, 0);
            STU_LOG(SEV_INFO, LC_ORV2, "[ORV2] CLI: --seed1 %d (0x%08X)", (int)_cmd_line_seed,
                    (unsigned)_cmd_line_seed);
            ++i;
        }
    }
}
