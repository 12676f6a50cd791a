// Whole-file helpers. Every file the program writes goes through a temporary file in the
// same folder and a rename, so a failed or interrupted write never leaves a half file.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

// Writes size bytes to path through "<path>.tmp" and a rename. 1 on success, 0 on any failure
// (the old file, if any, is then untouched and the temporary removed).
int STU_Write_File_Atomic(const char *path, const void *data, size_t size);

// Copies an open stream, from its current position to its end, into path atomically, in blocks
// of 4,096 bytes. STU_COPY_OK (1) on success; otherwise the temporary could not be created, or
// a block or the finishing failed (path is then untouched).
enum STU_Copy_Result { STU_COPY_OK = 1, STU_COPY_CANNOT_CREATE = 0, STU_COPY_SHORT_WRITE = -1 };
int STU_Copy_Stream_Atomic(FILE *source, const char *path);
// Which step of the last failed atomic write or copy failed and why ("writing \"<path>.tmp\"
// failed: No space left on device"; creating, writing, syncing, closing or renaming); empty after a
// success. Also logged at ERROR when it happens.
const char *STU_File_Last_Failure(void);

// Reads a whole file into out. 1 on success; 0 when it cannot be opened or read, or is not a
// regular file (a device or a pipe could feed bytes without end). At most STU_READ_LIMIT bytes
// are read.
constexpr size_t STU_READ_LIMIT = 64u << 20;
int STU_Read_File(const char *path, std::vector<unsigned char> &out);
int STU_Read_Stream(FILE *stream, std::vector<unsigned char> &out);
// The same with the limit of the caller's format: pass the largest size the format allows plus
// one byte, so that out.size() == limit tells a file too large without reading all of it.
int STU_Read_Stream_At_Most(FILE *stream, std::vector<unsigned char> &out, size_t limit);

// Settings files are read line by line in buffers of this size: a line of more than 1,023 bytes
// (its line end not counted) is one line too long, never several shorter ones.
constexpr size_t STU_LINE_MAX = 1024;

// Reads one line, with its line end, into line. A line that does not fit in size - 1 bytes is
// read to its end and reported through too_long (1) with line empty. 0 at the end of the file.
int STU_Read_Line(FILE *file, char *line, size_t size, int *too_long);
