// Scenario files through the automation driver's load: the input is split at its NUL bytes into
// the top file and two files it may include ("a.txt" and "sub/b.txt").
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <sys/stat.h>

#include "Automation_Driver.h"
#include "Fuzz_Temp_Folder.h"

static const std::string &Folder(void)
{
    static const std::string folder = Fuzz_Temp_Folder("scenario");
    return folder;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string dir = Folder();
    static const std::string names[3] = {dir + "/main.txt", dir + "/a.txt", dir + "/sub/b.txt"};
    static bool ready = false;
    if (!ready) {
        mkdir((dir + "/sub").c_str(), 0700);
        std::string alias = dir + "/alias.fwv";
        const char text[] = "Main.Map 100 60\nPoC.Ask 30 46\n";
        Fuzz_Write_File(alias, (const uint8_t *)text, sizeof text - 1);
        Automation_Driver_Set_Alias_Points_Path(alias.c_str());
        ready = true;
    }
    size_t start = 0;
    for (int file = 0; file < 3; ++file) {
        const void *nul = start < size ? memchr(data + start, 0, size - start) : nullptr;
        size_t end = nul != nullptr ? (size_t)((const uint8_t *)nul - data) : size;
        if (file == 2) end = size;
        Fuzz_Write_File(names[file], data + start, end - start);
        start = end < size ? end + 1 : size;
    }
    int result = Automation_Driver_Load_Scenario(names[0].c_str());
    int count = Automation_Action_Count();
    if (count < 0 || count > AUTOMATION_ACTIONS_MAX) abort();
    if (result == 0 && (count == 0 || !Automation_Driver_Active())) abort();
    for (int i = 0; i < count; ++i) {
        const Automation_Action *action = Automation_Action_At(i);
        if (action == nullptr || action->kind < AA_WAIT || action->kind > AA_END) abort();
    }
    Automation_Driver_Shutdown();
    return 0;
}
