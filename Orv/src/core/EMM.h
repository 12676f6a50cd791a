// Expanded-memory emulation: the 64 KB page frame is a pointer into an ordinary memory area;
// "mapping" moves the pointer.
#pragma once

#include <cstdint>

constexpr uint32_t EMM_PAGE_SIZE = 16384;
constexpr uint32_t EMM_SCREEN_AREA_SIZE = 5 * EMM_PAGE_SIZE;

extern uint8_t *EMS_PFBA;
extern int16_t EMM_Log2Phys_Map[4][2];  // (logical page, physical page)
extern uint8_t *_VGAFILEH_seg;
extern int16_t EMM_MinKB;
extern int16_t EMM_Pages_Reserved;
extern uint8_t *_EMMDATAH_seg;

void EMS_Startup(void);
void EMM_MapFourPages(int16_t first_page, uint8_t *area);
void EMM_MapMulti4(int16_t first_page, uint8_t *area);
uint8_t *EMM_GetPageFrame(void);
uint8_t *EMMDATAH_Map(void);
void EMM_Set_Minimum(int16_t kbytes);
// No named handles exist to release; called on exit.
void EMM_ReleaseAll(void);
