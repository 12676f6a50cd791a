// The game's text records from archives built from the input, each through the code that reads
// and shows it: a HELP record decoded and laid out as the help pop-up does, an EVENTMSG record
// composed into an announcement of a random event, a DIPLOMSG statement and its variant text
// composed for a wizard, and a BUILDESC description read and laid out as the production screen
// does. Archive refusals end the program through the archive error path, which the exit hook
// turns into an exception here; every composed text must end within its buffer.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Allocate.h"
#include "EXIT.h"
#include "Fonts.h"
#include "Fuzz_Archive.h"
#include "Fuzz_Survive.h"
#include "Fuzz_Temp_Folder.h"
#include "Help.h"
#include "Palette.h"
#include "Paragraph.h"
#include "STU_GRAF.h"
#include "Video.h"
#include "cities/screens/Production_Screen.h"
#include "turn/Diplomatic_Statements.h"
#include "turn/Event_Messages.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/Player_Record.h"

namespace {

std::string m_folder;
uint8_t m_page[SCREEN_SIZE];
uint8_t m_sets[256];

void Lay_Out(char *text)
{
    Print_Paragraph(10, 10, 180, text, 0);
    Get_Paragraph_Max_Height(180, text);
}

void Help_Record(const uint8_t *data, size_t size, bool head)
{
    Fuzz_Write_Archive(m_folder, "HELP.LBX", {{}, {}, Fuzz_Table_Entry(data, size, 4, HELP_RECORD_SIZE, head)});
    LBX_Close();
    static uint8_t bytes[HELP_RECORD_SIZE];
    LBX_Load_Data_Static("HELP", 2, bytes, (int16_t)(size % 4), 1, HELP_RECORD_SIZE);
    Help_Text_Record record;
    Help_Decode_Record(bytes, &record);
    if (memchr(record.title, 0, sizeof record.title) == nullptr) abort();
    if (memchr(record.lbx_name, 0, sizeof record.lbx_name) == nullptr) abort();
    if (memchr(record.text, 0, sizeof record.text) == nullptr) abort();
    Print(10, 2, record.title);
    Lay_Out(record.text);
    Help_Next_Record((int16_t)(size % 4), record.continuation);
}

void Event_Record(const uint8_t *data, size_t size, bool head)
{
    Fuzz_Write_Archive(m_folder, "EVENTMSG.LBX", {Fuzz_Table_Entry(data, size, 126, EVENTMSG_RECORD_SIZE, head)});
    LBX_Close();
    uint8_t record[EVENT_MESSAGE_SIZE] = {};
    int16_t at = (int16_t)(size % 126);
    LBX_Load_Data_Static("EVENTMSG", 0, record, at, 1, EVENTMSG_RECORD_SIZE);
    Event_Announcement announcement{};
    announcement.event = (int16_t)(1 + at / EVENTMSG_TYPES);
    announcement.player_idx = (int16_t)(size > 0 ? data[0] % 7 - 1 : 0);
    announcement.city_idx = (int16_t)(size > 1 ? data[1] % 4 - 1 : -1);
    announcement.message_type = (int16_t)(at % EVENTMSG_TYPES);
    announcement.data_value = (int16_t)(size > 2 ? data[2] * 3 - 100 : 0);
    announcement.destroyed_buildings = (int16_t)(size > 3 ? data[3] : 0);
    announcement.lost_population = (int16_t)(size > 4 ? data[4] : 0);
    announcement.lost_units = (int16_t)(size > 5 ? data[5] : 0);
    char text[EVENT_MESSAGE_SIZE + 16];
    memset(text, 0x55, sizeof text);
    Get_Event_Message(announcement, record, text);
    if (memchr(text, 0, EVENT_MESSAGE_SIZE) == nullptr) abort();
    Lay_Out(text);
}

void Diplomacy_Record(const uint8_t *data, size_t size, bool head)
{
    size_t half = size / 4;
    Fuzz_Write_Archive(m_folder, "DIPLOMSG.LBX",
                       {Fuzz_Table_Entry(data, half, DIPLOMSG_NUM_STATEMENTS, DIPLOMSG_STATEMENT_RECORD_SIZE, head),
                        Fuzz_Table_Entry(data + half, size - half, DIPLOMSG_NUM_TEXTS, DIPLOMSG_TEXT_SIZE, head)});
    LBX_Close();
    Diplomacy_Statement_Reset();
    Get_Diplomacy_Statement((int16_t)(size % DIPLOMSG_NUM_STATEMENTS), (int16_t)(size % 5));
    const char *message = Diplomacy_Message();
    if (memchr(message, 0, DIPL_MESSAGE_SIZE) == nullptr) abort();
    std::vector<char> copy(message, message + strlen(message) + 1);
    Lay_Out(copy.data());
    Diplomacy_Statement_Reset();
}

void Building_Record(const uint8_t *data, size_t size, bool head)
{
    Fuzz_Write_Archive(m_folder, "BUILDESC.LBX",
                       {Fuzz_Table_Entry(data, size, NUM_BUILDING_TYPES, BUILDING_DESCRIPTION_SIZE, head)});
    LBX_Close();
    Production_Screen_Load_Description((int16_t)(size % NUM_BUILDING_TYPES));
    if (memchr(building_description, 0, BUILDING_DESCRIPTION_SIZE) == nullptr) abort();
    Lay_Out(building_description);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    m_folder = Fuzz_Temp_Folder("text");
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(m_folder.c_str());
    Exit_Set_Fatal_Hook(Throw_On_Fatal);
    Allocate_Data_Space(6100);
    Load_Font_File("FONTS.LBX");
    _num_players = 5;
    for (int p = 0; p < NUM_PLAYERS; p++) snprintf(_players[p].name, sizeof _players[p].name, "Wizard %d", p);
    _cities = 3;
    for (int c = 0; c < 3; c++) snprintf(_CITIES[c].name, sizeof _CITIES[c].name, "City %d", c);
    return 0;
}

// Byte 0: the record kind (bits 0-1) and the head (bit 2); the rest is the entry or entries.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1) return 0;
    current_video_page = m_page;
    for (int i = 0; i < 256; ++i) m_sets[i] = (uint8_t)i;
    font_colors = m_sets;
    Set_Font_Style(0, 0, 0, 0);
    bool head = (data[0] & 4) != 0;
    const uint8_t *p = data + 1;
    size_t n = size - 1;
    switch (data[0] & 3) {
    case 0: Survive([&] { Help_Record(p, n, head); }); break;
    case 1: Survive([&] { Event_Record(p, n, head); }); break;
    case 2: Survive([&] { Diplomacy_Record(p, n, head); }); break;
    default: Survive([&] { Building_Record(p, n, head); }); break;
    }
    return 0;
}
