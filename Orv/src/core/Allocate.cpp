#include "Allocate.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "EXIT.h"
#include "Release.h"
#include "STU_LE.h"
#include "STU_Log.h"

namespace {

struct Pool_Carve_Record {
    uint32_t start;
    uint32_t size;
    const char *source_file;
    int32_t source_line;
    char label[16];
    int32_t label_entry;
};

alignas(16) uint8_t m_pool_arena[POOL_ARENA_SIZE];
uint32_t m_pool_used = POOL_LEAD_GUARD;
uint32_t m_pool_peak = POOL_LEAD_GUARD;
int m_pool_carve_count = 0;
int m_pool_guard_mode = 0;
int m_pool_initialised = 0;
Pool_Carve_Record m_pool_records[POOL_TRACKED_MAX];

struct Pool_Note {
    const char *file = nullptr;
    int32_t line = 0;
    char label[16] = {};
    int32_t entry = -1;
};
Pool_Note m_note = {};

void Pool_Clear_Note(void) { m_note = {}; }

uint32_t Pool_Guard_Size(void) { return m_pool_guard_mode ? POOL_GUARD_BYTES : 0; }

// Counts the bytes of a guard that differ from its fill; returns the count, first offset through first.
int32_t Pool_Count_Damage(uint32_t offset, uint32_t length, uint8_t fill, uint32_t *first)
{
    int32_t changed = 0;
    *first = 0;
    for (uint32_t i = 0; i < length; ++i) {
        if (m_pool_arena[offset + i] != fill) {
            if (changed == 0) *first = i;
            ++changed;
        }
    }
    return changed;
}

void Write_Sub_Header(uint8_t *paragraph, uint16_t fill, uint16_t nparas, bool first)
{
    for (int w = 0; w < 8; ++w) LE_Put_U16(paragraph + w * 2, fill);
    LE_Put_U16(paragraph + SAMB_WORD_SIG1 * 2, _SA_MEMSIG1);
    LE_Put_U16(paragraph + SAMB_WORD_SIG2 * 2, _SA_MEMSIG2);
    LE_Put_U16(paragraph + SAMB_WORD_SIZE * 2, nparas);
    LE_Put_U16(paragraph + SAMB_WORD_USED * 2, 1);
    if (first) LE_Put_U16(paragraph + SAMB_WORD_MARK * 2, 1);
}

[[noreturn]] void Near_Allocation_Error(int32_t excess)
{
    // The text is composed in the near buffer's own scratch area, as the far-string printers do.
    char *text = reinterpret_cast<char *>(near_buffer);
    snprintf(text, NEAR_BUFFER_START, "Near Allocation too large by %d", (int)excess);
    Exit_With_Message(text);
}

}  // namespace

SAMB_ptr tmp_SAMB_head = nullptr;
SAMB_ptr _screen_seg = nullptr;
uint8_t near_buffer[NEAR_BUFFER_SIZE];
int16_t near_buffer_used = NEAR_BUFFER_START;
int16_t near_buffer_mark = NEAR_BUFFER_START;

// ---- pool ----

void Pool_Init(void)
{
    const char *value = getenv("TOLVA_POOL_GUARDS");
    int mode = (value != nullptr && value[0] != '\0' && value[0] != '0') ? 1 : 0;
    Pool_Init_Guard_Mode(mode);
}

void Pool_Init_Guard_Mode(int mode)
{
    memset(m_pool_arena, POOL_FILL, sizeof m_pool_arena);
    m_pool_used = POOL_LEAD_GUARD;
    m_pool_peak = POOL_LEAD_GUARD;
    m_pool_guard_mode = (mode != 0) ? 1 : 0;
    m_pool_carve_count = 0;
    Pool_Clear_Note();
    m_pool_initialised = 1;
}

int Pool_Can_Carve(uint32_t bytes)
{
    if (!m_pool_initialised) Pool_Init();
    uint64_t need = (uint64_t)bytes + Pool_Guard_Size();
    return (uint64_t)(POOL_CARVE_LIMIT - m_pool_used) >= need ? 1 : 0;
}

uint8_t *Pool_Carve(uint32_t bytes)
{
    if (!m_pool_initialised) Pool_Init();
    if (!Pool_Can_Carve(bytes)) Allocation_Error(1, (int32_t)(bytes / 16));
    if (m_pool_carve_count < POOL_TRACKED_MAX) {
        Pool_Carve_Record &record = m_pool_records[m_pool_carve_count];
        record.start = m_pool_used;
        record.size = bytes;
        record.source_file = m_note.file;
        record.source_line = m_note.line;
        memcpy(record.label, m_note.label, sizeof record.label);
        record.label_entry = m_note.entry;
    }
    ++m_pool_carve_count;
    Pool_Clear_Note();
    uint8_t *result = m_pool_arena + m_pool_used;
    m_pool_used += bytes;
    if (m_pool_guard_mode) {
        memset(m_pool_arena + m_pool_used, POOL_GUARD_FILL, POOL_GUARD_BYTES);
        m_pool_used += POOL_GUARD_BYTES;
    }
    if (m_pool_used > m_pool_peak) m_pool_peak = m_pool_used;
    return result;
}

void Pool_Note_Carve_Site(const char *file, int line)
{
    m_note.file = file;
    m_note.line = line;
}

void Pool_Note_Carve_Label(const char *label, int entry)
{
    m_note.label[0] = '\0';
    if (label != nullptr) {
        strncpy(m_note.label, label, sizeof m_note.label - 1);
        m_note.label[sizeof m_note.label - 1] = '\0';
    }
    m_note.entry = entry;
}

int Pool_Check_Guards(Pool_Guard_Report *reports, int length)
{
    if (!m_pool_initialised || !m_pool_guard_mode) return 0;
    int damaged = 0;
    auto report = [&](int32_t guard, const Pool_Carve_Record *record, uint32_t first, int32_t changed) {
        if (reports != nullptr && damaged < length) {
            Pool_Guard_Report &r = reports[damaged];
            memset(&r, 0, sizeof r);
            r.guard = guard;
            r.label_entry = -1;
            if (record != nullptr) {
                r.arena_start = m_pool_arena + record->start;
                r.arena_size = record->size;
                r.source_file = record->source_file;
                r.source_line = record->source_line;
                memcpy(r.label, record->label, sizeof r.label);
                r.label_entry = record->label_entry;
            }
            r.first_changed_byte = first;
            r.changed_bytes = changed;
        }
        ++damaged;
    };
    uint32_t first = 0;
    int32_t changed = Pool_Count_Damage(0, POOL_LEAD_GUARD, POOL_FILL, &first);
    if (changed > 0) report(-1, nullptr, first, changed);
    int tracked = Pool_Tracked_Arena_Count();
    for (int i = 0; i < tracked; ++i) {
        const Pool_Carve_Record &record = m_pool_records[i];
        changed = Pool_Count_Damage(record.start + record.size, POOL_GUARD_BYTES, POOL_GUARD_FILL, &first);
        if (changed > 0) report(i, &record, first, changed);
    }
    changed = Pool_Count_Damage(POOL_CARVE_LIMIT, POOL_TAIL_MARGIN, POOL_FILL, &first);
    if (changed > 0) report(-2, nullptr, first, changed);
    return damaged;
}

void Pool_Reset_Guards(void)
{
    if (!m_pool_initialised || !m_pool_guard_mode) return;
    memset(m_pool_arena, POOL_FILL, POOL_LEAD_GUARD);
    int tracked = Pool_Tracked_Arena_Count();
    for (int i = 0; i < tracked; ++i) {
        const Pool_Carve_Record &record = m_pool_records[i];
        memset(m_pool_arena + record.start + record.size, POOL_GUARD_FILL, POOL_GUARD_BYTES);
    }
    memset(m_pool_arena + POOL_CARVE_LIMIT, POOL_FILL, POOL_TAIL_MARGIN);
}

int Pool_Guards_Enabled(void) { return m_pool_guard_mode; }
int Pool_Arena_Count(void) { return m_pool_carve_count; }
int Pool_Tracked_Arena_Count(void)
{
    return m_pool_carve_count < POOL_TRACKED_MAX ? m_pool_carve_count : POOL_TRACKED_MAX;
}
uint32_t Pool_Bytes_Used(void) { return m_pool_used; }
uint32_t Pool_Bytes_Free(void) { return POOL_ARENA_SIZE - m_pool_used; }
uint32_t Pool_Bytes_Peak(void) { return m_pool_peak; }

// ---- memory blocks ----

uint16_t SAMB_Word(SAMB_ptr block, int word) { return LE_U16(block + word * 2); }
void SAMB_Set_Word(SAMB_ptr block, int word, uint16_t value) { LE_Put_U16(block + word * 2, value); }

SAMB_ptr Allocate_Space(uint16_t nparas)
{
    uint32_t bytes = ((uint32_t)nparas + 1) * 16;
    SAMB_ptr block = Pool_Carve(bytes);
    for (int w = 0; w < 8; ++w) SAMB_Set_Word(block, w, SAMB_FILL);
    SAMB_Set_Word(block, SAMB_WORD_SIG1, _SA_MEMSIG1);
    SAMB_Set_Word(block, SAMB_WORD_SIG2, _SA_MEMSIG2);
    SAMB_Set_Word(block, SAMB_WORD_SIZE, nparas);
    SAMB_Set_Word(block, SAMB_WORD_USED, 1);
    // World tables are carved from fresh blocks and read as zero before the game writes them;
    // plain pool carves keep the 0xCC fill so that unwritten memory stays recognisable.
    memset(block + 16, 0, bytes - 16);
    tmp_SAMB_head = block;
    return block;
}

uint8_t *Allocate_Space_No_Header(uint16_t nparas)
{
    uint8_t *carve = Pool_Carve(((uint32_t)nparas + 1) * 16);
    return carve + 12;
}

int16_t Check_Allocation(SAMB_ptr block)
{
    if (block == nullptr) return 0;
    return (SAMB_Word(block, SAMB_WORD_SIG1) == _SA_MEMSIG1 && SAMB_Word(block, SAMB_WORD_SIG2) == _SA_MEMSIG2) ? -1
                                                                                                                : 0;
}

uint8_t *Allocate_First_Block(SAMB_ptr block, uint16_t nparas)
{
    if (!Check_Allocation(block)) Allocation_Error(3, (int32_t)nparas + 1);
    if ((int32_t)SAMB_Size(block) < (int32_t)nparas + 2) Allocation_Error(2, (int32_t)nparas + 1);
    Write_Sub_Header(SAMB_Paragraph(block, 1), 0xBBBB, nparas, true);
    SAMB_Set_Word(block, SAMB_WORD_USED, (uint16_t)(nparas + 2));
    return SAMB_Paragraph(block, 2);
}

uint8_t *Allocate_Next_Block(SAMB_ptr block, uint16_t nparas)
{
    if (!Check_Allocation(block)) Allocation_Error(3, (int32_t)nparas + 1);
    int32_t used = SAMB_Used(block);
    int32_t free_paras = (int32_t)SAMB_Size(block) - used;
    if (free_paras < (int32_t)nparas + 1) Allocation_Error(2, nparas);
    Write_Sub_Header(SAMB_Paragraph(block, (uint32_t)used + 1), 0xCCCC, nparas, false);
    SAMB_Set_Word(block, SAMB_WORD_USED, (uint16_t)(used + nparas + 1));
    return SAMB_Paragraph(block, (uint32_t)used + 2);
}

void Reset_First_Block(SAMB_ptr block) { SAMB_Set_Word(block, SAMB_WORD_USED, 1); }

void Mark_Block(SAMB_ptr block) { SAMB_Set_Word(block, SAMB_WORD_MARK, SAMB_Used(block)); }

void Release_Block(SAMB_ptr block)
{
    // A block never marked still holds the 0xAAAA fill in its mark word; adopting it would put
    // the used count beyond the block, so such a release leaves the block as it is.
    uint16_t mark = SAMB_Word(block, SAMB_WORD_MARK);
    if (mark > SAMB_Size(block)) return;
    SAMB_Set_Word(block, SAMB_WORD_USED, mark);
}

uint16_t Get_Free_Blocks(SAMB_ptr block) { return (uint16_t)(SAMB_Size(block) - SAMB_Used(block)); }

void Allocation_Error_Text(int16_t code, int32_t value, char *buffer, int size)
{
    if (Check_Release_Version()) {
        snprintf(buffer, (size_t)size, "Insufficient memory. You need at least %d%s", 640,
                 "K free. Try removing all TSR's.");
        return;
    }
    const char *lead = "";
    switch (code) {
    case 1: lead = "Dynamic allocation too small for Allocate_Space() of "; break;
    case 2: lead = "Failed to reload Allocate_Next_Block(): Short by "; break;
    case 3: lead = "Allocation space has been corrupted for Allocate_Next_Block() of "; break;
    case 4: lead = "Failed to reload (EMM)  Allocate_Next_Block(): Short by "; break;
    default: break;
    }
    snprintf(buffer, (size_t)size, "%s%d blocks", lead, (int)value);
}

void Allocation_Error(int16_t code, int32_t value)
{
    // The user-facing text after the release flag says nothing of the cause; the log keeps it.
    STU_LOG(SEV_ERROR, LC_EXIT, "Allocation error: code %d, value %d", (int)code, (int)value);
    char text[160];
    Allocation_Error_Text(code, value, text, (int)sizeof text);
    Exit_With_Message(text);
}

// ---- near buffer ----

uint8_t *Near_Allocate_First(int16_t nbytes)
{
    if (nbytes < 0 || nbytes > NEAR_BUFFER_SIZE - NEAR_BUFFER_START)
        Near_Allocation_Error((int32_t)nbytes - (NEAR_BUFFER_SIZE - NEAR_BUFFER_START));
    near_buffer_used = (int16_t)(NEAR_BUFFER_START + nbytes);
    near_buffer_mark = near_buffer_used;
    return near_buffer + NEAR_BUFFER_START;
}

uint8_t *Near_Allocate_Next(int16_t nbytes)
{
    if (nbytes < 0 || NEAR_BUFFER_SIZE - near_buffer_used < nbytes)
        Near_Allocation_Error((int32_t)nbytes + near_buffer_used - NEAR_BUFFER_SIZE);
    uint8_t *result = near_buffer + near_buffer_used;
    near_buffer_used = (int16_t)(near_buffer_used + nbytes);
    return result;
}

int16_t Near_Allocate_Mark(void)
{
    near_buffer_mark = near_buffer_used;
    return near_buffer_mark;
}

int16_t Near_Allocate_Undo(void)
{
    near_buffer_used = near_buffer_mark;
    return near_buffer_used;
}

void Near_Allocate_Reset(void)
{
    near_buffer_used = NEAR_BUFFER_START;
    near_buffer_mark = NEAR_BUFFER_START;
}
