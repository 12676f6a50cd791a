#include "File_Access.h"

#include <cstring>

#include "Core_Services.h"
#include "STU_Wrappers.h"

FILE *_gf_fhandle = nullptr;
int16_t _gf_bsize = 0;

namespace {

// Sizes above 32,767 bytes do not fit the signed 16-bit count of the DOS call; they are
// refused rather than wrapped into a negative count.
bool GF_Byte_Count(size_t size, size_t count)
{
    if (size != 0 && count > (size_t)GF_MAX_TRANSFER / size) return false;
    _gf_bsize = (int16_t)(size * count);
    return true;
}

}  // namespace

FILE *gfopen(const char *name, const char *mode)
{
    _gf_fhandle = stu_fopen_ci(name, mode);
    return _gf_fhandle;
}

size_t gfread(void *buffer, size_t size, size_t count, FILE *file)
{
    if (_gf_fhandle == nullptr || !GF_Byte_Count(size, count)) return 0;
    if (_gf_bsize == 0) return 1;
    return fread(buffer, (size_t)_gf_bsize, 1, _gf_fhandle);
}

size_t gfwrite(const void *buffer, size_t size, size_t count, FILE *file)
{
    if (_gf_fhandle == nullptr || !GF_Byte_Count(size, count)) return 0;
    if (_gf_bsize == 0) return 1;
    return fwrite(buffer, (size_t)_gf_bsize, 1, _gf_fhandle);
}

int gfseek(FILE *file, long offset, int whence)
{
    if (_gf_fhandle == nullptr) return -1;
    return fseek(_gf_fhandle, offset, whence);
}

int gfclose(FILE *file)
{
    if (_gf_fhandle == nullptr) return -1;
    int result = fclose(_gf_fhandle);
    _gf_fhandle = nullptr;
    return result;
}

int16_t DIR(const char *name, char *found_name)
{
    Core_Save_Mouse();
    int16_t result = 0;
    FILE *file = (name != nullptr) ? stu_fopen_ci(name, "rb") : nullptr;
    if (file != nullptr) {
        fclose(file);
        if (found_name != nullptr) strcpy(found_name, name);
        result = -1;
    } else if (found_name != nullptr) {
        found_name[0] = '\0';
    }
    Core_Restore_Mouse();
    return result;
}
