// RAROZ.SET through the game's own loaders: the start-up load with its repairs (and the setting
// aside of a damaged file), then the settings screen's read of the same file. Nothing may read
// outside the input or the record, and the loaded record must always be written back whole.
#include <cstddef>
#include <cstdint>
#include <string>

#include "STU_GRAF.h"
#include "world/Game_Settings.h"
#include "Fuzz_Temp_Folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static std::string folder;
    if (folder.empty()) {
        folder = Fuzz_Temp_Folder("settings");
        STU_GRAF_Set_User_Data_Dir(folder.c_str());
    }
    Fuzz_Empty_Folder(folder);
    Fuzz_Write_File(folder + "/RAROZ.SET", data, size);
    Load_MAGIC_SET();
    if (magic_set.movement_animations > 1 || magic_set.words[GS_RAZE_CITY] > 1) abort();
    for (const auto &name : magic_set.save_names)
        if (name[SAVE_SLOT_NAME_SIZE - 1] != '\0') abort();
    if (size == GAME_SETTINGS_SIZE) Read_MAGIC_SET_User();
    return 0;
}
