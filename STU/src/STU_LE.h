// Little-endian reads and writes of the DOS game's file fields. Never cast raw bytes to structs.
#pragma once

#include <cstdint>

inline uint8_t LE_U8(const uint8_t *p) { return p[0]; }
inline uint16_t LE_U16(const uint8_t *p) { return (uint16_t)(p[0] | (p[1] << 8)); }
inline int16_t LE_I16(const uint8_t *p) { return (int16_t)LE_U16(p); }
inline uint32_t LE_U32(const uint8_t *p)
{
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}
inline int32_t LE_I32(const uint8_t *p) { return (int32_t)LE_U32(p); }

inline void LE_Put_U8(uint8_t *p, uint8_t v) { p[0] = v; }
inline void LE_Put_U16(uint8_t *p, uint16_t v)
{
    p[0] = (uint8_t)(v & 0xFF);
    p[1] = (uint8_t)(v >> 8);
}
inline void LE_Put_I16(uint8_t *p, int16_t v) { LE_Put_U16(p, (uint16_t)v); }
inline void LE_Put_U32(uint8_t *p, uint32_t v)
{
    p[0] = (uint8_t)(v & 0xFF);
    p[1] = (uint8_t)((v >> 8) & 0xFF);
    p[2] = (uint8_t)((v >> 16) & 0xFF);
    p[3] = (uint8_t)(v >> 24);
}
inline void LE_Put_I32(uint8_t *p, int32_t v) { LE_Put_U32(p, (uint32_t)v); }
