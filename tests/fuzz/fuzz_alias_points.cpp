// The alias-points file as the automation driver reads it: on the next scenario load after its
// path is set, with a scenario whose clicks and waits name alias points.
#include <cstddef>
#include <cstdint>
#include <string>

#include "Automation_Driver.h"
#include "Fuzz_Temp_Folder.h"

static const std::string &Folder(void)
{
    static const std::string folder = Fuzz_Temp_Folder("alias");
    return folder;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string alias = Folder() + "/alias_points.fwv";
    static const std::string scenario = Folder() + "/names.txt";
    static bool ready = false;
    if (!ready) {
        const char text[] = "click Main.Map\nrclick PoC.Ask\nmove A.B\nwait_field Main.Map 1s\nclick 5 5\n";
        Fuzz_Write_File(scenario, (const uint8_t *)text, sizeof text - 1);
        ready = true;
    }
    Fuzz_Write_File(alias, data, size);
    Automation_Driver_Set_Alias_Points_Path(alias.c_str());
    if (Automation_Driver_Load_Scenario(scenario.c_str()) != 0) abort();  // the numeric click always loads
    int count = Automation_Alias_Count();
    if (count < 0 || count > AUTOMATION_ALIAS_MAX) abort();
    Automation_Driver_Shutdown();
    return 0;
}
