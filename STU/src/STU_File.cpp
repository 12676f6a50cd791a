#include "STU_File.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "STU_Log.h"

namespace {

char m_last_failure[2300] = "";

// "<path>.tmp" in the same folder, so the rename never crosses file systems.
bool Temp_Name(const char *path, char *out, size_t size)
{
    int length = snprintf(out, size, "%s.tmp", path);
    return length > 0 && (size_t)length < size;
}

void Note_Failure(const char *step, const char *file, int error)
{
    snprintf(m_last_failure, sizeof m_last_failure, "%s \"%s\" failed: %s", step, file, strerror(error));
    STU_LOG(SEV_ERROR, LC_STU_FIO, "%s", m_last_failure);
}

// write_error: errno of a failed write of the data, 0 when the data went out whole. The first
// step that fails is the one reported: a full disk shows in the write or the flush, not the open.
int Finish(FILE *file, const char *temp, const char *path, int write_error)
{
    const char *step = write_error != 0 ? "writing" : nullptr;
    int error = write_error;
    if (fflush(file) != 0 && step == nullptr) step = "writing", error = errno;
    if (step == nullptr && fsync(fileno(file)) != 0) step = "syncing", error = errno;
    if (fclose(file) != 0 && step == nullptr) step = "closing", error = errno;
    if (step != nullptr) {
        Note_Failure(step, temp, error);
        remove(temp);
        return 0;
    }
    if (rename(temp, path) != 0) {
        error = errno;
        char both[2100];
        snprintf(both, sizeof both, "%s\" to \"%s", temp, path);
        Note_Failure("renaming", both, error);
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
    m_last_failure[0] = '\0';
    FILE *file = fopen(temp, "wb");
    if (file == nullptr) {
        Note_Failure("creating", temp, errno);
        return 0;
    }
    errno = 0;
    int error = size == 0 || fwrite(data, 1, size, file) == size ? 0 : (errno != 0 ? errno : EIO);
    return Finish(file, temp, path, error);
}

int STU_Copy_Stream_Atomic(FILE *source, const char *path)
{
    if (source == nullptr || path == nullptr) return STU_COPY_CANNOT_CREATE;
    char temp[2048];
    if (!Temp_Name(path, temp, sizeof temp)) return STU_COPY_CANNOT_CREATE;
    m_last_failure[0] = '\0';
    FILE *file = fopen(temp, "wb");
    if (file == nullptr) {
        Note_Failure("creating", temp, errno);
        return STU_COPY_CANNOT_CREATE;
    }
    char block[4096];
    int error = 0;
    for (;;) {
        size_t got = fread(block, 1, sizeof block, source);
        errno = 0;
        if (got > 0 && fwrite(block, 1, got, file) != got) {
            error = errno != 0 ? errno : EIO;
            break;
        }
        if (got < sizeof block) {
            if (ferror(source)) {
                fclose(file);
                remove(temp);
                snprintf(m_last_failure, sizeof m_last_failure, "reading the source of \"%s\" failed", path);
                STU_LOG(SEV_ERROR, LC_STU_FIO, "%s", m_last_failure);
                return STU_COPY_SHORT_WRITE;
            }
            break;
        }
    }
    return Finish(file, temp, path, error) ? STU_COPY_OK : STU_COPY_SHORT_WRITE;
}

const char *STU_File_Last_Failure(void) { return m_last_failure; }

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
