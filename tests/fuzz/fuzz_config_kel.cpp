// CONFIG.KEL through the start-up's reader, from the user folder: any length, any bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "Fuzz_Temp_Folder.h"
#include "STU_GRAF.h"
#include "Tolva.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static std::string folder;
    if (folder.empty()) {
        folder = Fuzz_Temp_Folder("config");
        STU_GRAF_Set_User_Data_Dir(folder.c_str());
    }
    Fuzz_Empty_Folder(folder);
    Fuzz_Write_File(folder + "/CONFIG.KEL", data, size);
    Read_CONFIG_KEL();
    // Only the first 18 bytes are taken; the tenth word stays zero.
    if (config_kel[9] != 0) abort();
    if (size >= 2 && config_kel[0] != (uint16_t)(data[0] | (data[1] << 8))) abort();
    return 0;
}
