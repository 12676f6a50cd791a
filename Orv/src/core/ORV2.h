// The engine's own command-line options: the two random seeds.
#pragma once

#include <cstdint>

extern int32_t _cmd_line_seed;
extern int32_t _cmd_line_seed2;

void Check_Command_Line_Parameters_(int argc, char **argv);
