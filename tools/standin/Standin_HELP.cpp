#include <algorithm>
#include <cstdio>

#include "STU_LE.h"
#include "Standin.h"

// The help scroll: top (0) and bottom (1) pictures and the 1,048-byte help text records (2):
// title (30), picture archive name (14), i16 picture entry, i16 continuation (0 last, -1 the
// next record, else the record it goes on with), text (1,000).
namespace {

// 800 records: every help index of the stand-in rectangles (0 to 49) and every help index the
// program names itself (the main menu's 628 to 631 and 798) is a record. The pop-up reads one
// record at a time, so the table's size is not bound by the record reader's per-load limit.
constexpr int HELP_RECORDS = 800;
constexpr int HELP_RECORD_BYTES = 1048;

void Put_Help_Record(Bytes &records, int index, const std::string &title, int16_t continuation, const std::string &text)
{
    size_t base = (size_t)index * HELP_RECORD_BYTES;
    Put_Name(records, base, 30, title);
    records[base + 46] = (uint8_t)(continuation & 0xFF);
    records[base + 47] = (uint8_t)((continuation >> 8) & 0xFF);
    Put_Name(records, base + 48, 1000, text);
}

}  // namespace

void Write_HELP_LBX(const std::string &folder)
{
    Standin_Archive archive{"HELP", {}, {}};
    Standin_Frame top(220, 200, 30);
    top.Fill_Rect(0, 0, 219, 3, 12);
    top.Fill_Rect(0, 0, 3, 199, 12);
    top.Fill_Rect(216, 0, 219, 199, 12);
    archive.Add(Standin_Picture({top}));
    Standin_Frame bottom(220, 24, 30);
    bottom.Fill_Rect(0, 20, 219, 23, 12);
    archive.Add(Standin_Picture({bottom}));
    Bytes records((size_t)HELP_RECORDS * HELP_RECORD_BYTES, 0);
    Put_Help_Record(records, 0, "HELP AREA", 0, "A right click on a help area shows its scroll.");
    Put_Help_Record(records, 1, "CHAINED TOPIC", -1, "This topic goes on with the next record.");
    Put_Help_Record(records, 2, "SECOND PART", 0, "The end of the chained topic.");
    for (int i = 3; i < HELP_RECORDS; ++i) {
        char title[30];
        std::snprintf(title, sizeof(title), "HELP %d", i);
        Put_Help_Record(records, i, title, 0, "Stand-in help text.");
    }
    Put_Help_Record(records, 628, "CONTINUE", 0, "Goes on with the game last played.");
    Put_Help_Record(records, 629, "LOAD GAME", 0, "Loads a saved game.");
    Put_Help_Record(records, 630, "NEW GAME", 0, "Starts a new game.");
    Put_Help_Record(records, 631, "QUIT GAME", 0, "Ends the program.");
    Put_Help_Record(records, 798, "HALL OF FAME", 0, "Shows the best games played.");
    // Added as a plain entry: the writer's read-back check loads a table in one piece, and the
    // whole table is larger than one record read may be.
    Bytes table(4 + records.size());
    LE_Put_U16(table.data(), (uint16_t)HELP_RECORDS);
    LE_Put_U16(table.data() + 2, (uint16_t)HELP_RECORD_BYTES);
    std::copy(records.begin(), records.end(), table.begin() + 4);
    archive.Add(table);
    Standin_Write_Archive(folder, archive);
}
