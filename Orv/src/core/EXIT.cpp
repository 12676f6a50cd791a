#include "EXIT.h"

#include <cstdio>
#include <cstdlib>

#include "Core_Services.h"
#include "EMM.h"
#include "STU_Log.h"

namespace {
Exit_Fatal_Hook m_exit_fatal_hook = nullptr;
}

void Exit_Set_Fatal_Hook(Exit_Fatal_Hook hook) { m_exit_fatal_hook = hook; }

void Exit_With_Message(const char *text)
{
    if (m_exit_fatal_hook != nullptr) m_exit_fatal_hook(text);
    Core_Stop_Platform();
    EMM_ReleaseAll();
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
