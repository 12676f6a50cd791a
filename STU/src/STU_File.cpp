#include "STU_File.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "STU_Log.h"

namespace {

// "<path>.tmp" in the same folder, so the rename never crosses file systems.
bool Temp_Name(const char *path, char *out, size_t size)
{
    int length = snprintf(out, size, "%s.tmp", path);
    return length > 0 && (size_t)length < size;
}

int Finish(FILE *file, const char *temp, const char *path, bool ok)
{
    if (fflush(file) != 0) ok = false;
    if (ok && fsync(fileno(file)) != 0) ok = false;
    if (fclose(file) != 0) ok = false;
    if (ok && rename(temp, path) != 0) ok = false;
    if (!ok) {
        STU_LOG(SEV_ERROR, LC_STU_FIO, "could not write \"%s\": %s", path, strerror(errno));
        remove(temp);
        return 0;
    }
    return 1;
}

}  // namespace

int STU_Write_File_Atomic(const char *path, const void *data, size_t size)
{
    if (path == nullptr || (data == nullptr && size > 0)) return 0;
    char temp[2048];
    if (!Temp_Name(path, temp, sizeof temp)) return 0;
    FILE *file = fopen(temp, "wb");
    if (file == nullptr) {
        STU_LOG(SEV_ERROR, LC_STU_FIO, "could not create \"%s\": %s", temp, strerror(errno));
        return 0;
    }
    bool ok = size == 0 || fwrite(data, 1, size, file) == size;
    return Finish(file, temp, path, ok);
}

int STU_Copy_Stream_Atomic(FILE *source, const char *path)
{
    if (source == nullptr || path == nullptr) return STU_COPY_CANNOT_CREATE;
    char temp[2048];
    if (!Temp_Name(path, temp, sizeof temp)) return STU_COPY_CANNOT_CREATE;
    FILE *file = fopen(temp, "wb");
    if (file == nullptr) {
        STU_LOG(SEV_ERROR, LC_STU_FIO, "could not create \"%s\": %s", temp, strerror(errno));
        return STU_COPY_CANNOT_CREATE;
    }
    char block[4096];
    bool ok = true;
    for (;;) {
        size_t got = fread(block, 1, sizeof block, source);
        if (got > 0 && fwrite(block, 1, got, file) != got) {
            ok = false;
            break;
        }
        if (got < sizeof block) {
            if (ferror(source)) ok = false;
            break;
        }
    }
    return Finish(file, temp, path, ok) ? STU_COPY_OK : STU_COPY_SHORT_WRITE;
}

int STU_Read_Stream_At_Most(FILE *stream, std::vector<unsigned char> &out, size_t limit)
{
    out.clear();
    if (stream == nullptr) return 0;
    struct stat info;
    if (fstat(fileno(stream), &info) != 0 || !S_ISREG(info.st_mode)) return 0;
    unsigned char block[4096];
    while (out.size() < limit) {
        size_t want = limit - out.size() < sizeof block ? limit - out.size() : sizeof block;
        size_t got = fread(block, 1, want, stream);
        out.insert(out.end(), block, block + got);
        if (got < want) return ferror(stream) ? 0 : 1;
    }
    return 1;
}

int STU_Read_Stream(FILE *stream, std::vector<unsigned char> &out)
{
    return STU_Read_Stream_At_Most(stream, out, STU_READ_LIMIT);
}

int STU_Read_File(const char *path, std::vector<unsigned char> &out)
{
    out.clear();
    if (path == nullptr) return 0;
    FILE *file = fopen(path, "rb");
    if (file == nullptr) return 0;
    int ok = STU_Read_Stream(file, out);
    fclose(file);
    return ok;
}

int STU_Read_Line(FILE *file, char *line, size_t size, int *too_long)
{
    if (too_long) *too_long = 0;
    if (file == nullptr || line == nullptr || size < 2) return 0;
    if (fgets(line, (int)size, file) == nullptr) return 0;
    size_t length = strlen(line);
    if (length == 0 || line[length - 1] == '\n' || length < size - 1) return 1;
    // The buffer is full without a line end: the line either ends right here or goes on.
    int next = getc(file);
    if (next == EOF || next == '\n') return 1;
    if (next == '\r') {
        int after = getc(file);
        if (after == EOF || after == '\n') return 1;
        next = after;
    }
    while (next != EOF && next != '\n') next = getc(file);
    line[0] = '\0';
    if (too_long) *too_long = 1;
    return 1;
}
