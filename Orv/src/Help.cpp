#include "Help.h"

#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Expanding_Box.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "Palette.h"
#include "Paragraph.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "STU_Log.h"
#include "Video.h"

Help_Entry _help_entries[HELP_ENTRIES_MAX] = {};
Help_Entry *help_list = nullptr;
int16_t help_list_count = 0;
int16_t help_list_active = 0;

namespace {

constexpr int16_t HELP_BOX_X = 50;
constexpr int16_t HELP_TEXT_X = 70;
constexpr int16_t HELP_TEXT_WIDTH = 180;
constexpr int16_t HELP_TEXT_STYLE = 1;
constexpr int16_t HELP_TITLE_STYLE = 4;
// Colour set 15 of the pop-up: the first five colours are the scroll's; the rest repeat the last.
const uint8_t m_help_text_colors[16] = {184, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55};
const uint8_t m_help_title_colors[16] = {185, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47};

constexpr uint16_t HELP_BITMAP_PARAGRAPHS = 250;
constexpr uint32_t HELP_BITMAP_BYTES = HELP_BITMAP_PARAGRAPHS * 16;

// The bitmap holds 4,000 bytes; a larger picture is measured by its whole size and drawn as it
// is instead of rendered.
bool Help_Picture_Fits(const uint8_t *picture)
{
    return PICTURE_BITMAP_HEADER + (uint32_t)FLIC_Get_Width(picture) * FLIC_Get_Height(picture) <= HELP_BITMAP_BYTES;
}

void Help_Draw_Picture(uint8_t *picture, uint8_t *bitmap, int16_t x, int16_t y)
{
    Reset_Animation_Frame(picture);
    if (!Help_Picture_Fits(picture)) {
        Clipped_Draw(x, y, picture);
        return;
    }
    Draw_Picture_To_Bitmap(picture, bitmap);
    Draw_Picture(x, y, bitmap);
}

void Copy_Terminated(char *target, const uint8_t *source, int size)
{
    std::memcpy(target, source, (size_t)size);
    target[size - 1] = '\0';
}

int16_t Paragraph_Height(char *text)
{
    return text[0] != '\0' ? Get_Paragraph_Max_Height(HELP_TEXT_WIDTH, text) : (int16_t)0;
}

}  // namespace

void Help_Decode_Record(const uint8_t *bytes, Help_Text_Record *record)
{
    Copy_Terminated(record->title, bytes, HELP_TITLE_SIZE);
    Copy_Terminated(record->lbx_name, bytes + HELP_LBX_NAME_OFFSET, HELP_LBX_NAME_SIZE);
    record->lbx_entry = LE_I16(bytes + HELP_LBX_ENTRY_OFFSET);
    record->continuation = LE_I16(bytes + HELP_CONTINUATION_OFFSET);
    Copy_Terminated(record->text, bytes + HELP_TEXT_OFFSET, HELP_TEXT_SIZE);
}

int16_t Help_Next_Record(int16_t record, int16_t continuation)
{
    if (continuation == 0) return -1;
    if (continuation == -1) return (int16_t)(record + 1);
    return continuation;
}

void Set_Help_List(Help_Entry *entries, int16_t count)
{
    help_list = entries;
    help_list_count = count;
    help_list_active = 1;
}

void Deactivate_Help_List(void)
{
    help_list_active = 0;
    help_list_count = 0;
    help_list = nullptr;
}

int16_t Help_Entry_At(int16_t x, int16_t y)
{
    if (help_list == nullptr) return -1;
    for (int16_t i = 0; i < help_list_count; ++i) {
        const Help_Entry &entry = help_list[i];
        if (entry.help_idx == -1) continue;
        if (x >= entry.x1 && x <= entry.x2 && y >= entry.y1 && y <= entry.y2) return i;
    }
    return -1;
}

int16_t Check_Help_List(void)
{
    if (!help_list_active || help_list_count == 0) return 1;
    int16_t index = Help_Entry_At(pointer_x, pointer_y);
    if (index < 0) return 1;
    Draw_Help_Entry__WIP(help_list[index].help_idx);
    return 0;
}

void Draw_Help_Entry_Draw(void) {}

void Draw_Help_Entry__WIP(int16_t help_idx)
{
    Copy_On_To_Off_Page();
    Set_Mouse_List(1, mouse_list_default);
    // The bitmap and the pictures go into the picture scratch block, which is given back whole
    // afterwards. The record is read into a buffer of its own rather than the near buffer, so a
    // screen that has filled the near buffer can still show help.
    Save_ScreenSeg();
    int16_t kept_fields = fields_count;
    fields_count = 0;
    SAMB_ptr block = Box_Picture_Block();
    uint8_t *bitmap = Allocate_First_Block(block, HELP_BITMAP_PARAGRAPHS);
    static uint8_t bytes[HELP_RECORD_SIZE];

    static Help_Text_Record records[HELP_CHAIN_MAX];
    int16_t record_numbers[HELP_CHAIN_MAX] = {};
    int16_t count = 0;
    for (int16_t record = help_idx; record >= 0 && count < HELP_CHAIN_MAX; ++count) {
        LBX_Load_Data_Static("HELP", 2, bytes, record, 1, HELP_RECORD_SIZE);
        Help_Decode_Record(bytes, &records[count]);
        record_numbers[count] = record;
        record = Help_Next_Record(record, records[count].continuation);
    }

    uint8_t *pictures[HELP_CHAIN_MAX] = {};
    Help_Picture_Box boxes[HELP_CHAIN_MAX] = {};
    int16_t widest = 0;
    int16_t tallest = 0;
    for (int16_t i = 0; i < count; ++i) {
        if (records[i].lbx_name[0] == '\0') continue;
        pictures[i] = LBX_Reload_Next_Picture(records[i].lbx_name, records[i].lbx_entry, block);
        boxes[i] = Help_Measure_Picture(pictures[i], bitmap);
        if (boxes[i].width > widest) widest = boxes[i].width;
        if (boxes[i].height > tallest) tallest = boxes[i].height;
    }
    STU_LOG(SEV_INFO, LC_INPUT, "Help pop-up: record %d, %d record(s) in its topic", (int)help_idx, (int)count);
    if (widest > 0) widest = (int16_t)(widest + 6);
    int16_t row_height = 11;
    int16_t title_offset = 0;
    int16_t picture_offset = (int16_t)((9 - tallest) / 2);
    if (tallest > 9) {
        row_height = (int16_t)(tallest + 2);
        title_offset = (int16_t)((tallest - 9) / 2);
        picture_offset = 0;
    }

    uint8_t *scroll_top = LBX_Reload_Next_Picture("HELP", 0, block);
    uint8_t *scroll_bottom = LBX_Reload_Next_Picture("HELP", 1, block);
    Set_Font_Colors_15(HELP_TEXT_STYLE, m_help_text_colors);
    int16_t body = 2;
    for (int16_t i = 0; i < count; ++i) {
        int16_t text_height = Paragraph_Height(records[i].text);
        body = (int16_t)(body + (records[i].text[0] != '\0' ? row_height + 6 + text_height : row_height + 4));
    }
    body = (int16_t)(body + 5);

    int16_t top_y = (int16_t)(100 - (body + 48) / 2);
    Set_Page_Off();
    Set_Window(0, 0, SCREEN_WIDTH - 1, (int16_t)(top_y + body + 23));
    Clipped_Draw(HELP_BOX_X, top_y, scroll_top);
    Reset_Window();
    Clipped_Draw(HELP_BOX_X, (int16_t)(top_y + 24 + body), scroll_bottom);

    int16_t line = (int16_t)(top_y + 26);
    for (int16_t i = 0; i < count; ++i) {
        if (pictures[i] != nullptr) {
            int16_t x = (int16_t)((widest - boxes[i].width - 6) / 2 + HELP_BOX_X - boxes[i].left + 20);
            int16_t y = (int16_t)(line + picture_offset - boxes[i].top);
            Help_Draw_Picture(pictures[i], bitmap, x, y);
            if (record_numbers[i] < 250) FLIC_Set_LoopFrame_1(pictures[i]);
        }
        Set_Font_Colors_15(HELP_TITLE_STYLE, m_help_title_colors);
        Print((int16_t)(widest + 68), (int16_t)(line + title_offset), records[i].title);
        line = (int16_t)(line + row_height);
        Set_Font_Colors_15(HELP_TEXT_STYLE, m_help_text_colors);
        if (records[i].text[0] != '\0') {
            Print_Paragraph(HELP_TEXT_X, line, HELP_TEXT_WIDTH, records[i].text, 0);
            line = (int16_t)(line + Paragraph_Height(records[i].text));
        } else {
            line = (int16_t)(line + 4);
        }
    }

    Toggle_Pages();
    Copy_On_To_Off_Page();
    Save_Auto_Function();
    Assign_Auto_Function(Draw_Help_Entry_Draw, 1);
    Wait_For_Input();
    Restore_Auto_Function();

    Restore_ScreenSeg();
    fields_count = kept_fields;
}

Help_Picture_Box Help_Measure_Picture(uint8_t *picture, uint8_t *bitmap)
{
    Help_Picture_Box box{0, 0, (int16_t)FLIC_Get_Width(picture), (int16_t)FLIC_Get_Height(picture)};
    Reset_Animation_Frame(picture);
    if (!Help_Picture_Fits(picture)) return box;
    Draw_Picture_To_Bitmap(picture, bitmap);
    Get_Bitmap_Actual_Size(bitmap, &box.left, &box.top, &box.width, &box.height);
    // A picture without a single coloured pixel has no extent.
    if (box.width <= 0 || box.height <= 0) box = Help_Picture_Box{0, 0, 0, 0};
    return box;
}

void Set_Help_List_From_Entry(int16_t entry, int16_t count)
{
    if (count > HELP_ENTRIES_MAX) count = HELP_ENTRIES_MAX;
    static uint8_t bytes[HELP_ENTRIES_MAX * sizeof(Help_Entry)];
    LBX_Load_Data_Static("hlpentry", entry, bytes, 0, count, (int16_t)sizeof(Help_Entry));
    for (int16_t i = 0; i < count; ++i) {
        const uint8_t *record = bytes + i * sizeof(Help_Entry);
        _help_entries[i] =
            Help_Entry{LE_I16(record), LE_I16(record + 2), LE_I16(record + 4), LE_I16(record + 6), LE_I16(record + 8)};
    }
    Set_Help_List(_help_entries, count);
}

void Set_Main_Screen_Help_List(void) { Set_Help_List_From_Entry(1, 25); }
void Set_ArmyList_Screen_Help(void) { Set_Help_List_From_Entry(2, 16); }
void Set_Items_Screen_Help_List(void) { Set_Help_List_From_Entry(3, 23); }
void Set_CityList_Screen_Help(void) { Set_Help_List_From_Entry(4, 10); }
void Set_Magic_Screen_Help_List(void) { Set_Help_List_From_Entry(5, 47); }
void Set_City_Screen_Help_List(void) { Set_Help_List_From_Entry(6, 22); }
void Set_Cartographer_Screen_Help_List(void) { Set_Help_List_From_Entry(8, 5); }
void Set_Powergraph_Screen_Help_List(void) { Set_Help_List_From_Entry(9, 1); }
void Set_Status_Screen_Help_List(void) { Set_Help_List_From_Entry(10, 1); }
void Set_Alchemy_Screen_Help_List(void) { Set_Help_List_From_Entry(11, 6); }
void Set_Production_Screen_Help(void) { Set_Help_List_From_Entry(12, 43); }
void Set_Unit_View_Help(int16_t view_kind) { Set_Help_List_From_Entry(view_kind == 2 ? 22 : 13, 23); }
void Set_Enemy_City_Screen_Help_List(void) { Set_Help_List_From_Entry(14, 11); }
void Set_Level_Screen_Help_List(void) { Set_Help_List_From_Entry(15, 8); }
void Set_Outpost_Screen_Help_List(void) { Set_Help_List_From_Entry(17, 4); }
void Set_Spell_Cast_Screen_Help_List(void) { Set_Help_List_From_Entry(18, 12); }
void Set_Road_Build_Screen_Help_List(void) { Set_Help_List_From_Entry(19, 13); }
void Set_Surveyor_Screen_Help_List(void) { Set_Help_List_From_Entry(20, 12); }
void Set_Combat_Help_List(void) { Set_Help_List_From_Entry(21, 17); }
void Set_Advisor_Screen_Help_List(void) { Set_Help_List_From_Entry(39, 1); }
void Set_Score_Screen_Help_List(void) { Set_Help_List_From_Entry(40, 7); }
// Entry 7 is the one entry of the run 1..22 that no other screen reads.
void Set_Mirror_Screen_Help_List(void) { Set_Help_List_From_Entry(7, 18); }
void GUI_SetFullHelp(void) { Set_Help_List(_help_entries, HELP_ENTRIES_MAX); }
