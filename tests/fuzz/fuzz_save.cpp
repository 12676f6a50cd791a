// Feeds arbitrary bytes to the saved-game checks and, when they accept, to the reader: nothing may
// read or write outside the world records. Inputs of the two accepted sizes are the interesting
// ones, so short inputs are also tried padded to 123,300 bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "world/ALLOC.h"
#include "world/LOADSAVE.h"

static void Try_Image(const uint8_t *data, size_t size)
{
    char why[256];
    if (Save_Game_Check_Image(data, size, why, (int)sizeof(why))) {
        Save_Game_Read_Image(data, size);
        std::vector<uint8_t> image(SAVE_GAM_SIZE);
        Save_Game_Write_Image(image.data());
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool allocated = false;
    if (!allocated) {
        Allocate_Data_Space(6100);
        allocated = true;
    }
    Try_Image(data, size);
    std::vector<uint8_t> padded(SAVE_GAM_SIZE, 0);
    for (size_t i = 0; i < size && i < padded.size(); i++) {
        padded[i] = data[i];
    }
    // Spread a short input over the counters and the unit table as well.
    for (size_t i = 0; i < size && i < 64; i++) {
        padded[SGO_NUM_PLAYERS + i] = data[i];
        padded[SGO_UNITS + i * 7] = data[i];
    }
    Try_Image(padded.data(), padded.size());
    return 0;
}
