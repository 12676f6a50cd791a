#include "LBX_Pictures.h"

#include "LBX_Load.h"
#include "Palette.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "STU_Log.h"

namespace {

// The archive's base name as the error path prints it.
void Refuse(const char *name, int16_t entry, const char *what)
{
    char base[LBX_NAME_MAX];
    snprintf(base, sizeof base, "%s", name != nullptr ? name : "");
    File_Name_Base(base);
    STU_LOG(SEV_ERROR, LC_LOADER, "%s.LBX entry %d (%u bytes): %s", base, (int)entry, (unsigned)lbxload_entry_length,
            what);
    Error_Handler(base, 2, entry, 0);
}

uint8_t *Checked_Animation(uint8_t *picture, const char *name, int16_t entry)
{
    const char *fault = FLIC_Animation_Fault(picture, lbxload_entry_length);
    if (fault != nullptr) Refuse(name, entry, fault);
    return picture;
}

}  // namespace

uint8_t *LBX_Load_Picture(const char *name, int16_t entry)
{
    return Checked_Animation(LBX_Load(name, entry), name, entry);
}

uint8_t *LBX_Reload_Picture(const char *name, int16_t entry, SAMB_ptr block)
{
    return Checked_Animation(LBX_Reload(name, entry, block), name, entry);
}

uint8_t *LBX_Reload_Next_Picture(const char *name, int16_t entry, SAMB_ptr block)
{
    return Checked_Animation(LBX_Reload_Next(name, entry, block), name, entry);
}

uint8_t *LBX_Reload_Bitmap(const char *name, int16_t entry, SAMB_ptr block)
{
    uint8_t *bitmap = LBX_Reload(name, entry, block);
    uint32_t size = lbxload_entry_length;
    if (size < PICTURE_BITMAP_HEADER) Refuse(name, entry, "shorter than a picture header");
    uint32_t pixels = (uint32_t)LE_U16(bitmap + PICTURE_WIDTH) * LE_U16(bitmap + PICTURE_HEIGHT);
    if (PICTURE_BITMAP_HEADER + pixels > size) Refuse(name, entry, "bitmap pixels run past the entry");
    return bitmap;
}

uint8_t *LBX_Reload_Palette(const char *name, int16_t entry, SAMB_ptr block)
{
    uint8_t *palette = LBX_Reload(name, entry, block);
    if (lbxload_entry_length < (uint32_t)PALETTE_DATA_SIZE) Refuse(name, entry, "shorter than a palette");
    return palette;
}
