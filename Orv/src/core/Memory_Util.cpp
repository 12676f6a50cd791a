#include "Memory_Util.h"

#include <cstring>

const uint8_t bit_field_test_bits[8] = {1, 2, 4, 8, 16, 32, 64, 128};

void Copy_Memory_Near(void *destination, const void *source, int32_t n)
{
    if (n > 0) memmove(destination, source, (size_t)n);
}

void Clear_Memory(void *area, int32_t n)
{
    if (n > 0) memset(area, 0, (size_t)n);
}

void Set_Memory(void *area, int32_t n, uint8_t value)
{
    if (n > 0) memset(area, value, (size_t)n);
}

void Copy_Memory_Less_Than(const void *source, void *destination, int32_t n)
{
    const int8_t *s = static_cast<const int8_t *>(source);
    int8_t *d = static_cast<int8_t *>(destination);
    for (int32_t i = 0; i < n; ++i) {
        if (s[i] < d[i]) d[i] = s[i];
    }
}

void Delete_Structure(int16_t index, void *records, int16_t size, int16_t count)
{
    if (index < 0 || index >= count || size <= 0) return;
    uint8_t *base = static_cast<uint8_t *>(records);
    size_t moved = (size_t)(count - 1 - index) * (size_t)size;
    if (moved > 0) memmove(base + (size_t)index * size, base + (size_t)(index + 1) * size, moved);
}

void Clear_Structure(int16_t index, void *records, int16_t size, int16_t count)
{
    if (index < 0 || index >= count || size <= 0) return;
    Delete_Structure(index, records, size, count);
    memset(static_cast<uint8_t *>(records) + (size_t)(count - 1) * size, 0, (size_t)size);
}

void Swap_Short(int16_t *a, int16_t *b)
{
    int16_t t = *a;
    *a = *b;
    *b = t;
}

void String_To_Upper(char *text)
{
    if (text == nullptr) return;
    for (; *text != '\0'; ++text) {
        if (*text >= 'a' && *text <= 'z') *text = (char)(*text - 32);
    }
}

int16_t Test_Bit_Field(int16_t index, const uint8_t *bits)
{
    if (index < 0) return 0;
    return (bits[index / 8] & bit_field_test_bits[index % 8]) ? 1 : 0;
}

void Set_Bit_Field(int16_t index, uint8_t *bits)
{
    if (index < 0) return;
    bits[index / 8] |= bit_field_test_bits[index % 8];
}

void Clear_Bit_Field(int16_t index, uint8_t *bits)
{
    if (index < 0) return;
    bits[index / 8] &= (uint8_t)~bit_field_test_bits[index % 8];
}

int16_t Test_Bit_Field_Near(int16_t index, const uint8_t *bits) { return Test_Bit_Field(index, bits); }
void Set_Bit_Field_Near(int16_t index, uint8_t *bits) { Set_Bit_Field(index, bits); }
