// RAROZ.SET through the game's own loaders: the start-up load with its repairs (and the setting
// aside of a damaged file), then the settings screen's read of the same file. Nothing may read
// outside the input or the record, and the loaded record must always be written back whole.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Fuzz_Temp_Folder.h"
#include "STU_GRAF.h"
#include "world/Game_Settings.h"

static void Load_Bytes(const std::string &folder, const uint8_t *data, size_t size)
{
    Fuzz_Empty_Folder(folder);
    Fuzz_Write_File(folder + "/RAROZ.SET", data, size);
    Load_MAGIC_SET();
    if (magic_set.movement_animations > 1 || magic_set.words[GS_RAZE_CITY] > 1) abort();
    for (const auto &name : magic_set.save_names)
        if (name[SAVE_SLOT_NAME_SIZE - 1] != '\0') abort();
    for (const auto &name : magic_set.hall_names)
        if (name[19] != '\0') abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static std::string folder;
    if (folder.empty()) {
        folder = Fuzz_Temp_Folder("settings");
        STU_GRAF_Set_User_Data_Dir(folder.c_str());
    }
    Load_Bytes(folder, data, size);
    // Only a file of exactly 466 bytes reaches the repairs; try the input cut or padded to that.
    std::vector<uint8_t> whole(GAME_SETTINGS_SIZE, 0);
    for (size_t i = 0; i < size && i < whole.size(); i++) whole[i] = data[i];
    Load_Bytes(folder, whole.data(), whole.size());
    Read_MAGIC_SET_User();
    return 0;
}
