// Feeds arbitrary archives to every LBX loader. Fatal errors are turned into exceptions by the
// exit hook, so a well-formed refusal ends the run of one input and nothing else; a wild read
// or write shows up under the sanitizers or in the pool's guard bands.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Allocate.h"
#include "EXIT.h"
#include "Fuzz_Survive.h"
#include "Fuzz_Temp_Folder.h"
#include "LBX_Load.h"
#include "STU_GRAF.h"
#include "STU_LE.h"

namespace {

std::string m_folder;
SAMB_ptr m_block = nullptr;

void Fresh_Pool(void)
{
    if (Pool_Check_Guards(nullptr, 0) != 0) {
        fprintf(stderr, "pool guard damaged\n");
        abort();
    }
    Pool_Init_Guard_Mode(1);
    LBX_Close();
    m_block = Allocate_Space(4096);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    m_folder = Fuzz_Temp_Folder("lbx");
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(m_folder.c_str());
    Exit_Set_Fatal_Hook(Throw_On_Fatal);
    Fresh_Pool();
    return 0;
}

// Mode bit 0 builds a well-formed header over the input's entries so that the loaders get past
// the header checks; bit 1 then damages one header word. Otherwise the input is the archive.
std::vector<uint8_t> Archive_From_Input(uint8_t mode, const uint8_t *data, size_t size)
{
    if (!(mode & 1) || size < 2) return std::vector<uint8_t>(data, data + size);
    int count = data[0] % 9;
    const uint8_t *lengths = data + 1;
    size_t taken = 1 + (size_t)count;
    if (taken > size) return std::vector<uint8_t>(data, data + size);
    std::vector<uint8_t> file(LBX_HEADER_SIZE, 0);
    LE_Put_U16(file.data(), (uint16_t)count);
    LE_Put_U16(file.data() + 2, LBX_SIGNATURE);
    const uint8_t *body = data + taken;
    size_t body_size = size - taken;
    size_t used = 0;
    for (int i = 0; i <= count; ++i) {
        LE_Put_U32(file.data() + LBX_HEADER_OFFSETS + i * 4, (uint32_t)file.size());
        if (i == count) break;
        size_t length = (size_t)lengths[i] * ((mode >> 4) + 1);
        for (size_t k = 0; k < length; ++k) file.push_back(body_size ? body[(used + k) % body_size] : 0);
        used += length;
    }
    if ((mode & 2) && body_size >= 3) {
        size_t at = (size_t)body[0] * 2 % LBX_HEADER_SIZE;
        LE_Put_U16(file.data() + at, LE_U16(body + 1));
    }
    return file;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *input, size_t input_size)
{
    // The first three bytes choose the entry, the first record and the mode; the rest is the archive.
    if (input_size < 3) return 0;
    int16_t entry = (int16_t)(input[0] % 8);
    int16_t first = (int16_t)(input[1] % 16);
    std::vector<uint8_t> archive = Archive_From_Input(input[2], input + 3, input_size - 3);
    const uint8_t *data = archive.data();
    size_t size = archive.size();

    std::string path = m_folder + "/FUZZ.LBX";
    FILE *file = fopen(path.c_str(), "wb");
    if (file == nullptr) return 0;
    fwrite(data, 1, size, file);
    fclose(file);

    if (Pool_Bytes_Used() > POOL_CARVE_LIMIT / 2) Fresh_Pool();
    LBX_Close();

    static uint8_t buffer[60000];
    Survive([&] { LBX_Load("fuzz", entry); });
    Survive([&] { LBX_Load_Data("FUZZ.LBX", entry, first, 1, 4); });
    Survive([&] {
        int16_t record_size = size >= 516 ? LE_I16(data + 514) : 1;
        LBX_Load_Data_Static("Fuzz", entry, buffer, first, 2, record_size);
    });
    Survive([&] {
        Reset_First_Block(m_block);
        LBX_Reload("fuzz", entry, m_block);
        LBX_Reload_Next("fuzz", (int16_t)(entry + 1), m_block);
    });
    Survive([&] {
        uint32_t start = 0, length = 0;
        LBX_Get_Entry_Data("fuzz", entry, &start, &length);
        if ((uint64_t)start + length > size) abort();  // the reader vouches for these bounds
    });
    return 0;
}
