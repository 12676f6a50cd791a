#include "EMM.h"

#include <cstring>

#include "Allocate.h"

uint8_t *EMS_PFBA = nullptr;
int16_t EMM_Log2Phys_Map[4][2] = {};
uint8_t *_VGAFILEH_seg = nullptr;
int16_t EMM_MinKB = 0;
int16_t EMM_Pages_Reserved = 0;
uint8_t *_EMMDATAH_seg = nullptr;

void EMS_Startup(void)
{
    if (_VGAFILEH_seg == nullptr) {
        POOL_NOTE_SITE();
        Pool_Note_Carve_Label("VGAFILEH", -1);
        _VGAFILEH_seg = Pool_Carve(EMM_SCREEN_AREA_SIZE);
    }
    memset(_VGAFILEH_seg, 0, EMM_SCREEN_AREA_SIZE);
}

void EMM_MapFourPages(int16_t first_page, uint8_t *area)
{
    EMS_PFBA = area + (int32_t)first_page * (int32_t)EMM_PAGE_SIZE;
    for (int i = 0; i < 4; ++i) {
        EMM_Log2Phys_Map[i][0] = (int16_t)(first_page + i);
        EMM_Log2Phys_Map[i][1] = (int16_t)i;
    }
}

void EMM_MapMulti4(int16_t first_page, uint8_t *area) { EMM_MapFourPages(first_page, area); }

uint8_t *EMM_GetPageFrame(void) { return EMS_PFBA; }

// No data handle is ever created, so this never maps; callers ignore the result.
uint8_t *EMMDATAH_Map(void)
{
    if (_EMMDATAH_seg == nullptr) return nullptr;
    EMM_MapFourPages(0, _EMMDATAH_seg);
    return EMS_PFBA;
}

void EMM_Set_Minimum(int16_t kbytes) { EMM_MinKB = kbytes; }

void EMM_ReleaseAll(void) {}
