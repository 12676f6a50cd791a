// Byte, record and bit-field operations. Bit i of a bit field is bit (i mod 8), counted from
// the least significant, of byte i / 8.
#pragma once

#include <cstdint>

extern const uint8_t bit_field_test_bits[8];

void Copy_Memory_Near(void *destination, const void *source, int32_t n);
void Clear_Memory(void *area, int32_t n);
void Set_Memory(void *area, int32_t n, uint8_t value);
// Each destination byte becomes the smaller of itself and the source byte, as signed bytes.
void Copy_Memory_Less_Than(const void *source, void *destination, int32_t n);
// Removes record index by moving the later records down; the last place keeps its old bytes.
void Delete_Structure(int16_t index, void *records, int16_t size, int16_t count);
// As Delete_Structure, then zeroes the last place; nothing when index is not below count.
void Clear_Structure(int16_t index, void *records, int16_t size, int16_t count);
void Swap_Short(int16_t *a, int16_t *b);
void String_To_Upper(char *text);

// Negative indices name no bit: tests give 0, changes do nothing.
int16_t Test_Bit_Field(int16_t index, const uint8_t *bits);
void Set_Bit_Field(int16_t index, uint8_t *bits);
void Clear_Bit_Field(int16_t index, uint8_t *bits);
int16_t Test_Bit_Field_Near(int16_t index, const uint8_t *bits);
void Set_Bit_Field_Near(int16_t index, uint8_t *bits);
