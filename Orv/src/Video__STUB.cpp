#include "Video__STUB.h"

#include <cstring>
#include <vector>

#include "STU_LE.h"
#include "Video.h"
#include "sdl2_PFL.h"

uint8_t *Screen_Seg_Grow_Out_Picture__STUB(void)
{
    static uint8_t picture[16 + 64000];
    return picture;
}
