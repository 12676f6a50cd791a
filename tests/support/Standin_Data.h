// Points the archive search at the stand-in installation the build writes and closes archives
// opened under an earlier search. Needs TOLVA_BINARY_DIR, the build folder, from the including target.
#pragma once

#include "LBX_Load.h"
#include "STU_GRAF.h"

#ifndef TOLVA_BINARY_DIR
#error "Standin_Data.h needs TOLVA_BINARY_DIR"
#endif

inline void Test_Search_Standin_Data(void)
{
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(TOLVA_BINARY_DIR "/standin");
    LBX_Close();
}
