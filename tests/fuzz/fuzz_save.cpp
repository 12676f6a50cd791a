// Feeds arbitrary bytes to the saved-game checks and, when they accept, to the reader: nothing may
// read or write outside the world records. Inputs of the two accepted sizes are the interesting
// ones, so short inputs are also tried padded to 123,300 bytes.
// Speed: the world is allocated once and never reset between inputs (the reader overwrites every
// record it adopts, and a refused image touches nothing); the padded image and the written image
// live in static buffers and are filled with memcpy/memset instead of byte loops, which the
// coverage instrumentation would otherwise trace byte by byte.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "world/ALLOC.h"
#include "world/LOADSAVE.h"

namespace {

uint8_t m_padded[SAVE_GAM_SIZE];
uint8_t m_written[SAVE_GAM_SIZE];

void Try_Image(const uint8_t *data, size_t size)
{
    char why[256];
    if (Save_Game_Check_Image(data, size, why, (int)sizeof(why))) {
        Save_Game_Read_Image(data, size);
        Save_Game_Write_Image(m_written);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Allocate_Data_Space(6100);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Try_Image(data, size);
    if (size == (size_t)SAVE_GAM_SIZE) return 0;  // padding would give the same image
    size_t kept = size < sizeof m_padded ? size : sizeof m_padded;
    std::memcpy(m_padded, data, kept);
    std::memset(m_padded + kept, 0, sizeof m_padded - kept);
    // Spread a short input over the counters and the unit table as well.
    size_t spread = size < 64 ? size : 64;
    std::memcpy(m_padded + SGO_NUM_PLAYERS, data, spread);
    for (size_t i = 0; i < spread; i++) m_padded[SGO_UNITS + i * 7] = data[i];
    Try_Image(m_padded, sizeof m_padded);
    return 0;
}
