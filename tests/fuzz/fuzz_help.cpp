// Help records through the game's own entry points: a screen's help list from HLPENTRY.LBX
// (Set_Help_List_From_Entry), then the help pop-up for a record of HELP.LBX, with the pictures
// its records name (Draw_Help_Entry__WIP, as Check_Help_List calls it). Archive refusals end the
// program through the archive error path, which the exit hook turns into an exception here; a
// key pressed at every input poll closes the pop-up, and a clock that runs ahead ends its frame
// waits at once.
#include <SDL.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "Allocate.h"
#include "EXIT.h"
#include "Expanding_Box.h"
#include "Fields.h"
#include "Fuzz_Archive.h"
#include "Fuzz_Survive.h"
#include "Fuzz_Temp_Folder.h"
#include "Help.h"
#include "Init_Drivers.h"
#include "Input.h"
#include "LBX_Load.h"
#include "Mouse.h"
#include "STU_GRAF.h"
#include "STU_LE.h"
#include "Video.h"
#include "sdl2_PFL.h"

namespace {

std::string m_folder;

void Press_A_Key(void) { Platform_Keyboard_Buffer_Add_Key_Press('x', 0, 'x'); }

void Write_Archive(const char *name, const std::vector<std::vector<uint8_t>> &entries)
{
    Fuzz_Write_Archive(m_folder, name, entries);
}

// A one-frame picture with every column empty: the scroll's pieces.
std::vector<uint8_t> Blank_Picture(uint16_t width, uint16_t height)
{
    std::vector<uint8_t> bytes(18 + 8 + 1 + width, 0xFF);
    for (int i = 0; i < 27; ++i) bytes[i] = 0;
    LE_Put_U16(bytes.data(), width);
    LE_Put_U16(bytes.data() + 2, height);
    LE_Put_U16(bytes.data() + 6, 1);
    LE_Put_U32(bytes.data() + 18, 26);
    LE_Put_U32(bytes.data() + 22, (uint32_t)bytes.size());
    return bytes;
}

// Records with a sound head when the mode asks for it, else the bytes as they are.
std::vector<uint8_t> Record_Entry(const uint8_t *data, size_t size, uint16_t record_size, bool head)
{
    std::vector<uint8_t> entry;
    if (head) {
        entry.resize(4);
        LE_Put_U16(entry.data(), (uint16_t)(size / record_size));
        LE_Put_U16(entry.data() + 2, record_size);
    }
    entry.insert(entry.end(), data, data + size);
    return entry;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    m_folder = Fuzz_Temp_Folder("help");
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(m_folder.c_str());
    Exit_Set_Fatal_Hook(Throw_On_Fatal);
    SDL_Init(SDL_INIT_EVENTS);
    Init_Drivers(-1, 0, nullptr);
    _screen_seg = Allocate_Space(4200);
    Platform_Register_Frame_Callback(Press_A_Key);
    // The pop-up's frames wait for nothing.
    Platform_Set_Clock(Fuzz_Racing_Clock);
    return 0;
}

// Byte 0: mode (bit 0 sound HLPENTRY head, bit 1 sound HELP head), byte 1: help list entry and
// count, byte 2: the record the pop-up shows, bytes 3-4: the HLPENTRY bytes' length; then the
// HLPENTRY bytes, and the rest split between the HELP records and a picture they may name
// (HELP entry 3, or HPICS entry 0).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 5) return 0;
    uint8_t mode = data[0];
    int16_t list_entry = (int16_t)(data[1] & 3);
    int16_t list_count = (int16_t)(data[1] >> 2);
    int16_t record = (int16_t)(data[2] % 8);
    size_t list_size = LE_U16(data + 3);
    const uint8_t *p = data + 5;
    size_t left = size - 5;
    if (list_size > left) list_size = left;
    std::vector<uint8_t> list = Record_Entry(p, list_size, (uint16_t)sizeof(Help_Entry), mode & 1);
    p += list_size;
    left -= list_size;
    size_t records_size = left - left / 3;
    std::vector<uint8_t> records = Record_Entry(p, records_size, HELP_RECORD_SIZE, mode & 2);
    std::vector<uint8_t> picture(p + records_size, p + left);

    Write_Archive("HLPENTRY.LBX", {list, list, list, list});
    Write_Archive("HELP.LBX", {Blank_Picture(217, 20), Blank_Picture(217, 20), records, picture});
    Write_Archive("HPICS.LBX", {picture});
    // The reader keeps its archive open; asking for one that is not there closes it, so the
    // files just written are read afresh, without taking a new header area from the pool.
    Survive([] { LBX_Load("NOSUCH", 0); });

    Clear_Fields();
    Deactivate_Help_List();
    Survive([&] { Set_Help_List_From_Entry(list_entry, list_count); });
    // One pop-up per input (each waits a frame or two): the list's record when the list has one
    // under its first rectangle, else the record the input names.
    int shown = 0;
    if (help_list_active && help_list_count > 0) {
        const Help_Entry &first = help_list[0];
        Set_Pointer_Position(first.x1, first.y1);
        Survive([&] { shown = Check_Help_List() == 0; });
    }
    if (!shown) Survive([&] { Draw_Help_Entry__WIP(record); });
    Deactivate_Help_List();
    return 0;
}
