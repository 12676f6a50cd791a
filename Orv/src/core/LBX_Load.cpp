#include "LBX_Load.h"

#include <cstring>

#include "Core_Services.h"
#include "EXIT.h"
#include "STU_GRAF.h"
#include "STU_LE.h"
#include "STU_Log.h"
#include "STU_Wrappers.h"

char lbxload_file_name[LBX_NAME_MAX] = "";
FILE *lbxload_fptr = nullptr;
uint8_t *lbxload_lbx_header = nullptr;
int16_t lbxload_num_entries = 0;
uint32_t lbxload_entry_length = 0;
int16_t RAM_MinKbytes = 0;

namespace {

enum LBX_Load_Mode { LBX_MODE_NEW = 0, LBX_MODE_RELOAD = 1, LBX_MODE_APPEND = 2 };

struct LBX_Name_Copy {
    char text[LBX_NAME_MAX];
    explicit LBX_Name_Copy(const char *name)
    {
        text[0] = '\0';
        if (name != nullptr) {
            strncpy(text, name, sizeof text - 1);
            text[sizeof text - 1] = '\0';
        }
    }
};

uint32_t LBX_Offset(int index) { return LE_U32(lbxload_lbx_header + LBX_HEADER_OFFSETS + index * 4); }

void LBX_Header_Area(void)
{
    if (lbxload_lbx_header != nullptr) return;
    POOL_NOTE_SITE();
    Pool_Note_Carve_Label("LBX header", -1);
    lbxload_lbx_header = Allocate_Space_No_Header(32);
}

// An archive header is adopted only when every offset it holds lies inside the file and the
// entries follow each other; a damaged header would otherwise direct reads anywhere.
bool LBX_Header_Sound(const uint8_t *header, long file_size)
{
    int16_t count = LE_I16(header);
    if (count < 0 || count > LBX_MAX_ENTRIES) return false;
    uint32_t previous = 0;
    for (int i = 0; i <= count; ++i) {
        uint32_t offset = LE_U32(header + LBX_HEADER_OFFSETS + i * 4);
        if (offset < previous || offset > (uint32_t)file_size) return false;
        previous = offset;
    }
    return true;
}

// Opens (or reuses) the archive and checks the entry number. name is already reduced.
void LBX_Open(const char *name, int16_t entry)
{
    LBX_Header_Area();
    if (lbxload_fptr == nullptr || stu_stricmp(name, lbxload_file_name) != 0) {
        if (lbxload_fptr != nullptr) fclose(lbxload_fptr);
        lbxload_fptr = nullptr;
        lbxload_file_name[0] = '\0';
        lbxload_num_entries = 0;
        char file_name[LBX_NAME_MAX + 8];
        snprintf(file_name, sizeof file_name, "%s.LBX", name);
        FILE *file = STU_GRAF_Open_Asset(file_name, "rb");
        if (file == nullptr) Error_Handler(name, 1, entry, 0);
        uint8_t header[LBX_HEADER_SIZE];
        long file_size = -1;
        bool complete = false;
        if (fseek(file, 0, SEEK_END) == 0) {
            file_size = ftell(file);
            complete = file_size >= 0 && fseek(file, 0, SEEK_SET) == 0 &&
                       fread(header, 1, sizeof header, file) == sizeof header;
        }
        if (!complete) {
            fclose(file);
            Error_Handler(name, 2, entry, 0);
        }
        if (LE_U16(header + 2) != LBX_SIGNATURE) {
            fclose(file);
            Error_Handler(name, 7, entry, 0);
        }
        if (!LBX_Header_Sound(header, file_size)) {
            fclose(file);
            STU_LOG(SEV_ERROR, LC_LOADER, "%s.LBX: header entry count or offsets do not fit the file (%ld bytes)", name,
                    file_size);
            Error_Handler(name, 2, entry, 0);
        }
        memcpy(lbxload_lbx_header, header, sizeof header);
        strncpy(lbxload_file_name, name, sizeof lbxload_file_name - 1);
        lbxload_file_name[sizeof lbxload_file_name - 1] = '\0';
        lbxload_fptr = file;
        lbxload_num_entries = LE_I16(header);
    }
    if (entry < 0 || entry >= lbxload_num_entries) Error_Handler(name, 8, entry, 0);
}

void LBX_Read(const char *name, int16_t entry, uint8_t *destination, uint32_t length)
{
    uint32_t done = 0;
    while (done < length) {
        uint32_t piece = (length - done) < LBX_READ_PIECE ? (length - done) : LBX_READ_PIECE;
        if (fread(destination + done, 1, piece, lbxload_fptr) != piece) Error_Handler(name, 2, entry, 0);
        done += piece;
    }
}

void LBX_Seek(const char *name, int16_t entry, uint32_t offset)
{
    if (fseek(lbxload_fptr, (long)offset, SEEK_SET) != 0) Error_Handler(name, 2, entry, 0);
}

uint8_t *LBX_New_Area(const char *name, int16_t entry, uint32_t length)
{
    uint32_t nparas = length / 16 + 1;
    if (nparas > 0xFFFF || !Pool_Can_Carve((nparas + 1) * 16)) Error_Handler(name, 3, entry, (int32_t)nparas);
    Pool_Note_Carve_Site("Orv/src/core/LBX_Load", __LINE__);
    Pool_Note_Carve_Label(name, entry);
    return Allocate_Space_No_Header((uint16_t)nparas);
}

uint8_t *LBX_Load_Entry(char *name, int16_t entry, SAMB_ptr block, int mode)
{
    File_Name_Base(name);
    LBX_Open(name, entry);
    uint32_t start = LBX_Offset(entry);
    uint32_t length = LBX_Offset(entry + 1) - start;
    lbxload_entry_length = length;
    LBX_Seek(name, entry, start);
    uint32_t nparas = length / 16 + 1;
    uint8_t *data = nullptr;
    if (mode == LBX_MODE_NEW) {
        data = LBX_New_Area(name, entry, length);
    } else if (mode == LBX_MODE_RELOAD) {
        if (!Check_Allocation(block)) Error_Handler(name, 2, entry, 0);
        if ((int32_t)nparas > (int32_t)SAMB_Size(block) - 1) Error_Handler(name, 4, entry, 0);
        data = SAMB_Paragraph(block, 1);
        SAMB_Set_Word(block, SAMB_WORD_USED, (uint16_t)(nparas + 1));
    } else {
        if (!Check_Allocation(block)) Error_Handler(name, 2, entry, 0);
        int32_t room = (int32_t)SAMB_Size(block) - (int32_t)SAMB_Used(block);
        if ((int32_t)nparas > room) Error_Handler(name, 5, entry, (int32_t)nparas - room);
        uint16_t used = SAMB_Used(block);
        data = SAMB_Paragraph(block, (uint32_t)used + 1);
        SAMB_Set_Word(block, SAMB_WORD_USED, (uint16_t)(used + nparas));
    }
    LBX_Read(name, entry, data, length);
    Core_Forget_Area(data, length);
    return data;
}

uint8_t *LBX_Load_Records(char *name, int16_t entry, int16_t first)
{
    File_Name_Base(name);
    LBX_Open(name, entry);
    uint32_t start = LBX_Offset(entry);
    uint32_t length = LBX_Offset(entry + 1) - start;
    // The record count and size are read from the entry itself; an entry too short for them,
    // or a first record beyond its end, would make the read length negative.
    if (length < LBX_RECORD_TABLE_HEADER || first < 0) Error_Handler(lbxload_file_name, 9, entry, 0);
    LBX_Seek(name, entry, start);
    uint8_t table[LBX_RECORD_TABLE_HEADER];
    LBX_Read(name, entry, table, sizeof table);
    uint32_t record_size = LE_U16(table + 2);
    uint64_t skip = LBX_RECORD_TABLE_HEADER + (uint64_t)first * record_size;
    if (skip > length) Error_Handler(lbxload_file_name, 9, entry, 0);
    LBX_Seek(name, entry, start + (uint32_t)skip);
    uint8_t *data = LBX_New_Area(name, entry, length);
    LBX_Read(name, entry, data, length - (uint32_t)skip);
    return data;
}

void LBX_Load_Records_Static(char *name, int16_t entry, uint8_t *buffer, int16_t first, int16_t count, int16_t size)
{
    File_Name_Base(name);
    if (entry < 0) Error_Handler(name, 1, entry, 0);
    LBX_Open(name, entry);
    uint32_t start = LBX_Offset(entry);
    uint32_t length = LBX_Offset(entry + 1) - start;
    if (length < LBX_RECORD_TABLE_HEADER) Error_Handler(lbxload_file_name, 9, entry, 0);
    LBX_Seek(name, entry, start);
    uint8_t table[LBX_RECORD_TABLE_HEADER];
    LBX_Read(name, entry, table, sizeof table);
    int16_t record_count = LE_I16(table);
    int16_t record_size = LE_I16(table + 2);
    if (record_size == 0 || record_size != size) Error_Handler(lbxload_file_name, 9, entry, 0);
    if (first < 0 || count < 0 || (int32_t)first + count > record_count) Error_Handler(lbxload_file_name, 9, entry, 0);
    // A request of 60,000 bytes or more cannot be read in one piece; it fails rather than
    // loading part of what was asked. Records the entry claims but does not hold fail too.
    int32_t bytes = (int32_t)count * size;
    if (bytes >= LBX_STATIC_LOAD_LIMIT) Error_Handler(lbxload_file_name, 9, entry, 0);
    int64_t end = LBX_RECORD_TABLE_HEADER + ((int64_t)first + count) * size;
    if (size < 0 || end > (int64_t)length) Error_Handler(lbxload_file_name, 9, entry, 0);
    LBX_Seek(name, entry, start + LBX_RECORD_TABLE_HEADER + (uint32_t)first * (uint32_t)size);
    LBX_Read(name, entry, buffer, (uint32_t)bytes);
}

}  // namespace

void File_Name_Base(char *name)
{
    if (name == nullptr) return;
    for (char *p = name; *p != '\0'; ++p) {
        if (*p == '.') {
            *p = '\0';
            break;
        }
        if (*p >= 'a') *p = (char)(*p - 32);
    }
}

void LBX_Close(void)
{
    if (lbxload_fptr != nullptr) fclose(lbxload_fptr);
    lbxload_fptr = nullptr;
    lbxload_file_name[0] = '\0';
    lbxload_num_entries = 0;
    lbxload_lbx_header = nullptr;
}

uint8_t *LBX_Load(char *name, int16_t entry) { return LBX_Load_Entry(name, entry, nullptr, LBX_MODE_NEW); }
uint8_t *LBX_Load(const char *name, int16_t entry) { return LBX_Load(LBX_Name_Copy(name).text, entry); }

uint8_t *LBX_Reload(char *name, int16_t entry, SAMB_ptr block)
{
    return LBX_Load_Entry(name, entry, block, LBX_MODE_RELOAD);
}
uint8_t *LBX_Reload(const char *name, int16_t entry, SAMB_ptr block)
{
    return LBX_Reload(LBX_Name_Copy(name).text, entry, block);
}

uint8_t *LBX_Reload_Next(char *name, int16_t entry, SAMB_ptr block)
{
    return LBX_Load_Entry(name, entry, block, LBX_MODE_APPEND);
}
uint8_t *LBX_Reload_Next(const char *name, int16_t entry, SAMB_ptr block)
{
    return LBX_Reload_Next(LBX_Name_Copy(name).text, entry, block);
}

uint8_t *LBX_Load_Data(char *name, int16_t entry, int16_t first, int16_t count, int16_t size)
{
    return LBX_Load_Records(name, entry, first);
}
uint8_t *LBX_Load_Data(const char *name, int16_t entry, int16_t first, int16_t count, int16_t size)
{
    return LBX_Load_Data(LBX_Name_Copy(name).text, entry, first, count, size);
}

void LBX_Load_Data_Static(char *name, int16_t entry, uint8_t *buffer, int16_t first, int16_t count, int16_t size)
{
    LBX_Load_Records_Static(name, entry, buffer, first, count, size);
}
void LBX_Load_Data_Static(const char *name, int16_t entry, uint8_t *buffer, int16_t first, int16_t count, int16_t size)
{
    LBX_Load_Data_Static(LBX_Name_Copy(name).text, entry, buffer, first, count, size);
}

FILE *LBX_Get_Entry_Data(char *name, int16_t entry, uint32_t *start, uint32_t *length)
{
    File_Name_Base(name);
    LBX_Open(name, entry);
    uint32_t offset = LBX_Offset(entry);
    if (start != nullptr) *start = offset;
    if (length != nullptr) *length = LBX_Offset(entry + 1) - offset;
    return lbxload_fptr;
}
FILE *LBX_Get_Entry_Data(const char *name, int16_t entry, uint32_t *start, uint32_t *length)
{
    return LBX_Get_Entry_Data(LBX_Name_Copy(name).text, entry, start, length);
}

void RAM_Set_Minimum(int16_t kbytes) { RAM_MinKbytes = kbytes; }

void LBX_Error_Text(const char *name, int16_t code, int16_t entry, int32_t value, char *buffer, int size)
{
    if (name == nullptr) name = "";
    size_t room = (size_t)size;
    if (code == 3) {
        snprintf(buffer, room, "Insufficient memory. You need at least %dK free. Try removing all TSR's.",
                 (int)RAM_MinKbytes);
        return;
    }
    if (code == 11) {
        snprintf(buffer, room, "%s.LBX cannot be reloaded into EMS w/o being first released.", name);
        return;
    }
    int written = snprintf(buffer, room, "%s.LBX [entry %d] ", name, (int)entry);
    if (written < 0 || written >= size) return;
    char *tail = buffer + written;
    size_t tail_room = room - (size_t)written;
    switch (code) {
    case 1: snprintf(tail, tail_room, " could not be found."); break;
    case 2: snprintf(tail, tail_room, " has been corrupted."); break;
    case 4: snprintf(tail, tail_room, " was not properly allocated or has been corrupted."); break;
    case 5: snprintf(tail, tail_room, " failed to reload. Allocation too small by %d pages", (int)value); break;
    case 7: snprintf(tail, tail_room, " is not an LBX file"); break;
    case 8: snprintf(tail, tail_room, " exceeds number of LBX entries"); break;
    case 9: snprintf(tail, tail_room, " has an incorrect record size"); break;
    case 10: snprintf(tail, tail_room, " exceeds number of defined records"); break;
    case 12: snprintf(tail, tail_room, " EMM loading error. Insufficient EMM."); break;
    case 13: snprintf(tail, tail_room, " Only pictures may be loaded into reserved EMM"); break;
    case 16: snprintf(tail, tail_room, " Vga file animation frames cannot exceed 65536 bytes"); break;
    default: break;
    }
}

namespace {

// Where the archive came from, for the line under the error text: the folder that holds it, or
// the folders searched when none does.
void LBX_Archive_Where(const char *base, char *out, size_t size)
{
    char file_name[LBX_NAME_MAX + 8];
    snprintf(file_name, sizeof file_name, "%s.LBX", base);
    int count = STU_GRAF_Search_Dir_Count();
    for (int i = 0; i < count; ++i) {
        char path[GRAF_PATH_MAX];
        STU_GRAF_Join(path, sizeof path, STU_GRAF_Search_Dir(i), file_name);
        FILE *file = stu_fopen_ci(path, "rb");
        if (file == nullptr) continue;
        fclose(file);
        snprintf(out, size, "Archive folder: %s", STU_GRAF_Search_Dir(i));
        return;
    }
    size_t used = (size_t)snprintf(out, size, "Archive folders searched:");
    if (count == 0 && used < size) snprintf(out + used, size - used, " the current folder");
    for (int i = 0; i < count && used < size; ++i)
        used += (size_t)snprintf(out + used, size - used, "%s %s", i == 0 ? "" : ";", STU_GRAF_Search_Dir(i));
}

}  // namespace

void Error_Handler(const char *name, int16_t code, int16_t entry, int32_t value)
{
    // Callers may pass the name as written ("SPELLDAT.LBX"); the message names the base.
    char base[LBX_NAME_MAX];
    snprintf(base, sizeof base, "%s", name != nullptr ? name : "");
    File_Name_Base(base);
    char text[256 + 2 * GRAF_PATH_MAX];
    LBX_Error_Text(base, code, entry, value, text, (int)sizeof text);
    if (code != 3) {
        char where[GRAF_PATH_MAX * 2];
        LBX_Archive_Where(base, where, sizeof where);
        size_t used = strlen(text);
        snprintf(text + used, sizeof text - used, "\n%s", where);
    }
    Exit_With_Message(text);
}
