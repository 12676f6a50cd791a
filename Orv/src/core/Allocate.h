// The engine's memory: one static pool carved from the front and never given back,
// the paragraph-counted memory blocks (SAMB) on top of it, and the near buffer.
#pragma once

#include <cstdint>

// ---- pool ----
constexpr uint32_t POOL_ARENA_SIZE = 16786432;
constexpr uint32_t POOL_LEAD_GUARD = 1024;
constexpr uint32_t POOL_CARVE_SPACE = 16777216;
constexpr uint32_t POOL_TAIL_MARGIN = 8192;
constexpr uint32_t POOL_CARVE_LIMIT = POOL_LEAD_GUARD + POOL_CARVE_SPACE;  // 16,778,240
constexpr uint32_t POOL_GUARD_BYTES = 64;
constexpr int POOL_TRACKED_MAX = 4096;
constexpr uint8_t POOL_FILL = 0xCC;
constexpr uint8_t POOL_GUARD_FILL = 0xFD;

struct Pool_Guard_Report {
    int32_t guard;  // -1 leading guard, -2 trailing margin, else the carve number
    uint8_t *arena_start;
    uint32_t arena_size;
    const char *source_file;
    int32_t source_line;
    char label[16];
    int32_t label_entry;
    uint32_t first_changed_byte;  // from the start of the guard
    int32_t changed_bytes;
};

void Pool_Init(void);
void Pool_Init_Guard_Mode(int mode);
uint8_t *Pool_Carve(uint32_t bytes);
void Pool_Note_Carve_Site(const char *file, int line);
void Pool_Note_Carve_Label(const char *label, int entry);
int Pool_Check_Guards(Pool_Guard_Report *reports, int length);
void Pool_Reset_Guards(void);
int Pool_Guards_Enabled(void);
int Pool_Arena_Count(void);
int Pool_Tracked_Arena_Count(void);
uint32_t Pool_Bytes_Used(void);
uint32_t Pool_Bytes_Free(void);
uint32_t Pool_Bytes_Peak(void);
// 1 when a carve of bytes (plus its guard) would fit; lets loaders fail with their own message.
int Pool_Can_Carve(uint32_t bytes);

#define POOL_NOTE_SITE() Pool_Note_Carve_Site(__FILE__, __LINE__)

// ---- memory blocks ----
// A SAMB is the address of paragraph 0 of a block: eight little-endian 16-bit header words.
typedef uint8_t *SAMB_ptr;

constexpr uint16_t _SA_MEMSIG1 = 0x12FA;
constexpr uint16_t _SA_MEMSIG2 = 0x4ECF;
constexpr uint16_t SAMB_FILL = 0xAAAA;
constexpr int SAMB_WORD_SIG1 = 2;
constexpr int SAMB_WORD_SIG2 = 3;
constexpr int SAMB_WORD_SIZE = 4;
constexpr int SAMB_WORD_USED = 5;
constexpr int SAMB_WORD_MARK = 7;

extern SAMB_ptr tmp_SAMB_head;
// The picture scratch block into which screens and boxes load their pictures. The game's world
// allocation carves it; until then it is null, and engine-only programs (tests, tools) run the
// boxes with a block of their own (Box_Picture_Block).
extern SAMB_ptr _screen_seg;

uint16_t SAMB_Word(SAMB_ptr block, int word);
void SAMB_Set_Word(SAMB_ptr block, int word, uint16_t value);
inline uint16_t SAMB_Size(SAMB_ptr block) { return SAMB_Word(block, SAMB_WORD_SIZE); }
inline uint16_t SAMB_Used(SAMB_ptr block) { return SAMB_Word(block, SAMB_WORD_USED); }
inline uint8_t *SAMB_Paragraph(SAMB_ptr block, uint32_t paragraph) { return block + paragraph * 16; }

SAMB_ptr Allocate_Space(uint16_t nparas);
uint8_t *Allocate_Space_No_Header(uint16_t nparas);
int16_t Check_Allocation(SAMB_ptr block);
uint8_t *Allocate_First_Block(SAMB_ptr block, uint16_t nparas);
uint8_t *Allocate_Next_Block(SAMB_ptr block, uint16_t nparas);
void Reset_First_Block(SAMB_ptr block);
void Mark_Block(SAMB_ptr block);
void Release_Block(SAMB_ptr block);
uint16_t Get_Free_Blocks(SAMB_ptr block);

// Composes the allocation error text for (code, value) and ends the program.
[[noreturn]] void Allocation_Error(int16_t code, int32_t value);
// The text Allocation_Error would show, for the current state of the release flag.
void Allocation_Error_Text(int16_t code, int32_t value, char *buffer, int size);

// ---- near buffer ----
constexpr int NEAR_BUFFER_SIZE = 4400;
constexpr int NEAR_BUFFER_START = 256;

extern uint8_t near_buffer[NEAR_BUFFER_SIZE];
extern int16_t near_buffer_used;
extern int16_t near_buffer_mark;

uint8_t *Near_Allocate_First(int16_t nbytes);
uint8_t *Near_Allocate_Next(int16_t nbytes);
int16_t Near_Allocate_Mark(void);
int16_t Near_Allocate_Undo(void);
void Near_Allocate_Reset(void);
