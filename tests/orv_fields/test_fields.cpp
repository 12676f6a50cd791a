#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "Fields.h"
#include "Help.h"
#include "Input.h"
#include "Mouse.h"
#include "Palette.h"
#include "Test_Engine.h"
#include "Video.h"
#include "sdl2_PFL.h"

namespace {

std::vector<uint8_t> Picture_Header(uint16_t width, uint16_t height)
{
    std::vector<uint8_t> bytes(32, 0);
    bytes[0] = (uint8_t)width;
    bytes[2] = (uint8_t)height;
    return bytes;
}

class Fields_Test : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Test_Engine_Start(); }
    void SetUp() override
    {
        Mouse_Reset_State();
        Input_Reset_State();
        Clear_Fields();
    }
};

}  // namespace

TEST_F(Fields_Test, HotKeyStringsAndRectangles)
{
    struct Case {
        const char *text;
        int16_t key;
    } keys[] = {{"", 0}, {nullptr, 0}, {"a", 'A'}, {"z", 'Z'}, {"Q", 'Q'}, {"5", '5'}, {"\x1b", 27}};
    for (const Case &c : keys) EXPECT_EQ(Field_Hot_Key_From_Text(c.text), c.key) << (c.text ? c.text : "null");

    std::vector<uint8_t> picture = Picture_Header(20, 10);
    int16_t pic = Add_Picture_Field(0, 0, picture.data(), "", -1);
    int16_t button = Add_Button_Field(0, 0, "OK", picture.data(), "o", -1);
    EXPECT_EQ(pic, 1);
    EXPECT_EQ(button, 2);
    EXPECT_EQ(p_fields[pic].x2, 20);
    EXPECT_EQ(p_fields[pic].y2, 10);
    EXPECT_EQ(p_fields[button].x2, 19);
    EXPECT_EQ(p_fields[button].y2, 9);
    EXPECT_EQ(p_fields[button].hot_key, 'O');
    int16_t key = Add_Hot_Key("x");
    EXPECT_EQ(p_fields[key].x1, 500);
    EXPECT_EQ(p_fields[key].help, -1);
    int16_t word = Add_Multi_Hot_Key_Field("quit");
    EXPECT_EQ(p_fields[word].hot_key, 'Q');
    EXPECT_EQ(p_fields[word].param[2].value, 4);
    int16_t column = 0, row = 0;
    int16_t grid = Add_Grid_Field(10, 20, 8, 6, 4, 3, &column, &row, -1);
    EXPECT_EQ(p_fields[grid].x2, 41);
    EXPECT_EQ(p_fields[grid].y2, 37);
}

TEST_F(Fields_Test, AddersRefuseFieldsPastTheListInsteadOfWritingPastIt)
{
    for (int i = 1; i < FIELDS_MAX; ++i) ASSERT_EQ(Add_Hidden_Field(0, 0, 1, 1, "", -1), i);
    EXPECT_EQ(fields_count, FIELDS_MAX);
    EXPECT_EQ(Add_Hot_Key("a"), 0);
    EXPECT_EQ(Add_Multi_Hot_Key_Field("word"), 0);
    EXPECT_EQ(fields_count, FIELDS_MAX);
    Clear_Fields();
    EXPECT_EQ(fields_count, 1);
    EXPECT_EQ(p_fields[FIELDS_MAX - 1].x2, 0) << "records in use are emptied";
}

TEST_F(Fields_Test, ClearFieldsAboveKeepsTheLowerFields)
{
    for (int i = 0; i < 5; ++i) Add_Hot_Key("a");
    down_mouse_button = 3;
    EXPECT_EQ(Clear_Fields_Above(2), 3);
    EXPECT_EQ(fields_count, 3);
    EXPECT_EQ(down_mouse_button, -1);
}

TEST_F(Fields_Test, ScrollBarValuesFromThePointerAndSteps)
{
    int16_t value = 0;
    // Vertical bar from 0 (bottom) to 50 (top) over rows 20..120.
    int16_t vertical = Add_Scroll_Field(100, 20, 0, 50, 0, 50, 10, 100, &value, "", -1);
    ASSERT_EQ(p_fields[vertical].param[5].value, 1);
    struct Case {
        int16_t y;
        int16_t expected;
    } cases[] = {{10, 50}, {20, 50}, {70, 25}, {120, 0}, {150, 0}};
    for (const Case &c : cases) {
        pointer_x = 105;
        pointer_y = c.y;
        Find_Bar_Position(vertical);
        EXPECT_EQ(value, c.expected) << "pointer y " << c.y;
    }
    int16_t level = 0;
    int16_t horizontal = Add_Scroll_Field(0, 0, 0, 100, 10, 90, 100, 5, &level, "", -1);
    pointer_y = 2;
    pointer_x = 95;
    Find_Bar_Position(horizontal);
    EXPECT_EQ(level, 90) << "clamped to the maximum";
    level = 98;
    Increment_Scroll_Bar(horizontal);
    EXPECT_EQ(level, 90) << "98 per cent steps past 100 to the maximum";
    level = 50;
    Increment_Scroll_Bar(horizontal);
    EXPECT_EQ(level, 55);
    Decrement_Scroll_Bar(horizontal);
    Decrement_Scroll_Bar(horizontal);
    EXPECT_EQ(level, 45);
    level = 12;
    Decrement_Scroll_Bar(horizontal);
    EXPECT_EQ(level, 10);

    int16_t stuck = 30;
    int16_t empty_range = Add_Scroll_Field(0, 50, 5, 5, 7, 7, 50, 5, &stuck, "", -1);
    Increment_Scroll_Bar(empty_range);
    EXPECT_EQ(stuck, 7) << "a bar whose start is its end does not divide by zero";
    stuck = 30;
    int16_t inverted = 0;
    Add_Scroll_Field(0, 60, 0, 10, 8, 3, 50, 5, &inverted, "", -1);
    inverted = 5;
    Draw_Fields();
    EXPECT_EQ(inverted, 8) << "minimum >= maximum shows the minimum";
}

TEST_F(Fields_Test, AutoFunctionDelayAndSaveSlot)
{
    static int calls = 0;
    calls = 0;
    Assign_Auto_Function([] { ++calls; }, 12);
    EXPECT_EQ(auto_function_delay, 2) << "delays outside 1..9 become 2";
    Save_Auto_Function();
    Assign_Auto_Function([] { calls += 100; }, 5);
    EXPECT_EQ(auto_function_delay, 5);
    Deactivate_Auto_Function();
    Invoke_Auto_Function();
    EXPECT_EQ(calls, 0);
    Restore_Auto_Function();
    Invoke_Auto_Function();
    EXPECT_EQ(calls, 1);
}

TEST_F(Fields_Test, PointerSavesOnlyWhatLiesOnTheScreen)
{
    static uint8_t images[16 * 256];
    std::memset(images, 7, sizeof(images));
    uint8_t *kept = mouse_palette;
    mouse_palette = images;
    setenv("TOLVA_HW_CURSOR", "0", 1);
    Set_Mouse_List(1, mouse_list_default);
    Check_Mouse_Shape(310, 190);
    Save_Mouse_On_Page(310, 190);
    EXPECT_EQ(mouse_background_buffer.width, 10);
    EXPECT_EQ(mouse_background_buffer.height, 10);
    Save_Mouse_On_Page(100, 50);
    EXPECT_EQ(mouse_background_buffer.width, 16);
    mouse_palette = kept;
}

TEST_F(Fields_Test, PointerRegionsChooseTheLowestNumber)
{
    Mouse_List_Entry list[3] = {{1, 0, 0, 0, 319, 199}, {2, 3, 10, 10, 50, 50}, {3, 5, 40, 40, 80, 80}};
    Set_Mouse_List(3, list);
    struct Case {
        int16_t x, y, image, offset;
    } cases[] = {{45, 45, 2, 3}, {70, 70, 3, 5}, {200, 150, 1, 0}};
    for (const Case &c : cases) {
        Check_Mouse_Shape(c.x, c.y);
        EXPECT_EQ(Get_Pointer_Image_Number(), c.image);
        EXPECT_EQ(Get_Pointer_Offset(), c.offset);
    }
}

TEST_F(Fields_Test, BufferedClickIsReportedOnce)
{
    int wx = 0, wy = 0;
    Platform_Game_To_Window(40, 30, &wx, &wy);
    User_Mouse_Handler(1, (int16_t)wx, (int16_t)wy);
    EXPECT_EQ(Mouse_Buffer(), 1);
    EXPECT_EQ(Mouse_Buffer(), 0);
    EXPECT_EQ(Mouse_Buffer_X(), 40);
    EXPECT_EQ(Mouse_Buffer_Y(), 30);
    EXPECT_EQ(Mouse_Buffer_Button(), 1);
    EXPECT_EQ(Mouse_Buffer2(), 1);
    EXPECT_EQ(Mouse_Buffer2(), 0);
}

TEST_F(Fields_Test, HelpEntriesAndRecords)
{
    Help_Entry entries[3] = {{-1, 0, 0, 100, 100}, {7, 10, 10, 60, 60}, {8, 40, 40, 90, 90}};
    Set_Help_List(entries, 3);
    EXPECT_EQ(Help_Entry_At(5, 5), -1) << "an empty slot never matches";
    EXPECT_EQ(Help_Entry_At(50, 50), 1) << "the earlier of two overlapping rectangles";
    EXPECT_EQ(Help_Entry_At(80, 80), 2);
    Deactivate_Help_List();
    EXPECT_EQ(Check_Help_List(), 1);

    EXPECT_EQ(Help_Next_Record(4, 0), -1);
    EXPECT_EQ(Help_Next_Record(4, -1), 5);
    EXPECT_EQ(Help_Next_Record(4, 9), 9);

    std::vector<uint8_t> bytes(HELP_RECORD_SIZE, 'x');
    bytes[HELP_CONTINUATION_OFFSET] = 0xFF;
    bytes[HELP_CONTINUATION_OFFSET + 1] = 0xFF;
    Help_Text_Record record;
    Help_Decode_Record(bytes.data(), &record);
    EXPECT_EQ(std::strlen(record.title), (size_t)HELP_TITLE_SIZE - 1) << "cut at its last byte";
    EXPECT_EQ(std::strlen(record.lbx_name), (size_t)HELP_LBX_NAME_SIZE - 1);
    EXPECT_EQ(std::strlen(record.text), (size_t)HELP_TEXT_SIZE - 1);
    EXPECT_EQ(record.continuation, -1);
}
