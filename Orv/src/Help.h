// Help lists (screen rectangles tied to help records) and the help pop-up, a scroll with the
// records of one topic from the archive HELP.
#pragma once

#include <cstdint>

// The record form of HLPENTRY.LBX: five i16; help index -1 marks an empty slot.
struct Help_Entry {
    int16_t help_idx;
    int16_t x1;
    int16_t y1;
    int16_t x2;
    int16_t y2;
};
static_assert(sizeof(Help_Entry) == 10, "Help_Entry is ten bytes");

constexpr int HELP_ENTRIES_MAX = 50;
constexpr int HELP_RECORD_SIZE = 1048;
constexpr int HELP_TITLE_SIZE = 30;
constexpr int HELP_LBX_NAME_OFFSET = 30;
constexpr int HELP_LBX_NAME_SIZE = 14;
constexpr int HELP_LBX_ENTRY_OFFSET = 44;
constexpr int HELP_CONTINUATION_OFFSET = 46;
constexpr int HELP_TEXT_OFFSET = 48;
constexpr int HELP_TEXT_SIZE = 1000;
constexpr int HELP_CHAIN_MAX = 10;

// One help text record as the pop-up uses it; every text is terminated.
struct Help_Text_Record {
    char title[HELP_TITLE_SIZE];
    char lbx_name[HELP_LBX_NAME_SIZE];
    int16_t lbx_entry;
    int16_t continuation;  // 0 last; -1 the next record; else the record it goes on with
    char text[HELP_TEXT_SIZE];
};

extern Help_Entry _help_entries[HELP_ENTRIES_MAX];
extern Help_Entry *help_list;
extern int16_t help_list_count;
extern int16_t help_list_active;

void Set_Help_List(Help_Entry *entries, int16_t count);
void Deactivate_Help_List(void);
// 0 after showing the help under the pointer, 1 when there was none.
int16_t Check_Help_List(void);
// The first entry of the active list whose rectangle holds x, y (empty entries skipped), or -1.
int16_t Help_Entry_At(int16_t x, int16_t y);
void Draw_Help_Entry__WIP(int16_t help_idx);

// Where a help picture's coloured pixels lie within it.
struct Help_Picture_Box {
    int16_t left;
    int16_t top;
    int16_t width;
    int16_t height;
};
// Renders the picture's first frame into bitmap (4,000 bytes) and takes the bounding box of its
// non-zero pixels; a blank picture measures 0 by 0, one too large for the bitmap its whole size.
Help_Picture_Box Help_Measure_Picture(uint8_t *picture, uint8_t *bitmap);
void Draw_Help_Entry_Draw(void);

// Decodes the 1,048 bytes of a help record; fields without a terminator are cut at their last
// byte.
void Help_Decode_Record(const uint8_t *bytes, Help_Text_Record *record);
// The record that follows record in a topic's chain, or -1 at its end.
int16_t Help_Next_Record(int16_t record, int16_t continuation);

// Loads count records of entry of the archive "hlpentry" into _help_entries and activates them.
void Set_Help_List_From_Entry(int16_t entry, int16_t count);
void Set_Main_Screen_Help_List(void);
void Set_ArmyList_Screen_Help(void);
void Set_Items_Screen_Help_List(void);
void Set_CityList_Screen_Help(void);
void Set_Magic_Screen_Help_List(void);
void Set_City_Screen_Help_List(void);
void Set_Cartographer_Screen_Help_List(void);
void Set_Powergraph_Screen_Help_List(void);
void Set_Status_Screen_Help_List(void);
void Set_Alchemy_Screen_Help_List(void);
void Set_Production_Screen_Help(void);
void Set_Unit_View_Help(int16_t view_kind);
void Set_Enemy_City_Screen_Help_List(void);
void Set_Level_Screen_Help_List(void);
void Set_Outpost_Screen_Help_List(void);
void Set_Spell_Cast_Screen_Help_List(void);
void Set_Road_Build_Screen_Help_List(void);
void Set_Surveyor_Screen_Help_List(void);
void Set_Combat_Help_List(void);
void Set_Advisor_Screen_Help_List(void);
void Set_Score_Screen_Help_List(void);
void Set_Mirror_Screen_Help_List(void);
void GUI_SetFullHelp(void);
