#include "EXIT.h"

#include <cstdio>
#include <cstdlib>

#include "EMM.h"
#include "SOUND.h"
#include "STU_Log.h"

// The mouse layer is absent from tools and tests that link the engine alone, yet they share
// this exit path; the pointer is restored only when that layer is part of the program.
extern void Reset_System_Mouse(void) __attribute__((weak));

namespace {
Exit_Fatal_Hook m_exit_fatal_hook = nullptr;
}

void Exit_Set_Fatal_Hook(Exit_Fatal_Hook hook) { m_exit_fatal_hook = hook; }

void Exit_With_Message(const char *text)
{
    if (m_exit_fatal_hook != nullptr) m_exit_fatal_hook(text);
    Stop_Music__STUB();
    if (Reset_System_Mouse != nullptr) Reset_System_Mouse();
    Audio_Uninit__STUB();
    EMM_ReleaseAll__STUB();
    Quit_With_Message(text);
}

void Quit_With_Message(const char *text)
{
    if (text == nullptr) text = "";
    STU_LOG(SEV_FATAL, LC_EXIT, "%s", text);
    fprintf(stderr, "%s\n", text);
    fflush(stderr);
    STU_Log_Flush_All();
    exit(1);
}
