// The one reader of the DOS game's .LBX archives. One archive is kept open between calls;
// every failure ends the program through Error_Handler with a composed message.
#pragma once

#include <cstdint>
#include <cstdio>

#include "Allocate.h"

constexpr int LBX_HEADER_SIZE = 512;
constexpr int LBX_MAX_ENTRIES = 125;  // offsets 0..125 fill the 512-byte header
constexpr uint16_t LBX_SIGNATURE = 0xFEAD;
constexpr int LBX_HEADER_OFFSETS = 8;
constexpr uint32_t LBX_READ_PIECE = 32768;
constexpr int32_t LBX_STATIC_LOAD_LIMIT = 60000;

// LBX_Header: u16 entry count, u16 signature 0xFEAD, 4 unused bytes, u32 offsets[count + 1].
// LBX_Record_Table: an entry that starts with u16 record count and u16 record size.
constexpr int LBX_RECORD_TABLE_HEADER = 4;

constexpr int LBX_NAME_MAX = 64;

extern char lbxload_file_name[LBX_NAME_MAX];
extern FILE *lbxload_fptr;
extern uint8_t *lbxload_lbx_header;
extern int16_t lbxload_num_entries;
extern uint32_t lbxload_entry_length;
extern int16_t RAM_MinKbytes;

// Rewrites name in place: letters from 'a' upward lose 32 and the first '.' ends the name.
void File_Name_Base(char *name);

// Whole entries. The char * forms rewrite the caller's name as File_Name_Base does; the
// const forms work on a copy, for names written as literals.
uint8_t *LBX_Load(char *name, int16_t entry);
uint8_t *LBX_Load(const char *name, int16_t entry);
uint8_t *LBX_Reload(char *name, int16_t entry, SAMB_ptr block);
uint8_t *LBX_Reload(const char *name, int16_t entry, SAMB_ptr block);
uint8_t *LBX_Reload_Next(char *name, int16_t entry, SAMB_ptr block);
uint8_t *LBX_Reload_Next(const char *name, int16_t entry, SAMB_ptr block);

// Records.
uint8_t *LBX_Load_Data(char *name, int16_t entry, int16_t first, int16_t count, int16_t size);
uint8_t *LBX_Load_Data(const char *name, int16_t entry, int16_t first, int16_t count, int16_t size);
void LBX_Load_Data_Static(char *name, int16_t entry, uint8_t *buffer, int16_t first, int16_t count, int16_t size);
void LBX_Load_Data_Static(const char *name, int16_t entry, uint8_t *buffer, int16_t first, int16_t count, int16_t size);

// Opens and checks, then gives the entry's start offset and length in the open archive file.
FILE *LBX_Get_Entry_Data(char *name, int16_t entry, uint32_t *start, uint32_t *length);
FILE *LBX_Get_Entry_Data(const char *name, int16_t entry, uint32_t *start, uint32_t *length);

void RAM_Set_Minimum(int16_t kbytes);

// Composes the archive failure text and ends the program.
[[noreturn]] void Error_Handler(const char *name, int16_t code, int16_t entry, int32_t value);
void LBX_Error_Text(const char *name, int16_t code, int16_t entry, int32_t value, char *buffer, int size);

// Closes the open archive and forgets it and the header area (the next call reopens and takes
// a new area). For tests and tools that rewrite archives or start the pool afresh.
void LBX_Close(void);
