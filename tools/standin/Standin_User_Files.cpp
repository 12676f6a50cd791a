#include "STU_LE.h"
#include "Standin.h"

// CONFIG.KEL: the sound configuration, 18 bytes read of a 20-byte record of 16-bit words;
// word 1 is the MIDI driver code and word 4 the digital driver code, both 0 (none).
void Write_CONFIG_KEL(const std::string &folder)
{
    Bytes config(20, 0);
    Standin_Write_File(folder, "CONFIG.KEL", config);
}
