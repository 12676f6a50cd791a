#include "Input_Fixture.h"

namespace {

int16_t Hidden_At(int16_t x1, int16_t y1, int16_t x2, int16_t y2, const char *hot_key = "")
{
    return Add_Hidden_Field(x1, y1, x2, y2, hot_key, -1);
}

}  // namespace

TEST_F(Input_Test, ReadKeyPrefersTheCharacterAndMapsAltLetters)
{
    struct Case {
        int32_t code, character, modifiers;
        int16_t expected;
    } cases[] = {
        {'h', 'H', KEY_MOD_SHIFT, 'H'},  // a typed capital
        {32, '5', 0, '5'},               // a digit carries the code of a blank
        {KEY_ESCAPE, 0, 0, 27},
        {KEY_LEFT, 0, 0, KEY_LEFT},
        {0, 'x', 0, 'x'},  // text input: character only
        {'a', 'a', KEY_MOD_ALT, 160},
        {'z', 'z', KEY_MOD_ALT, 185},
    };
    for (const Case &c : cases) {
        Key(c.code, c.character, c.modifiers);
        EXPECT_EQ(Read_Key(), c.expected) << c.code << "/" << c.character;
    }
    EXPECT_EQ(Keyboard_Status(), 0);
}

TEST_F(Input_Test, NothingButFieldZeroAndTheInputDelay)
{
    Key('a', 'a');
    EXPECT_EQ(Get_Input(), 0) << "only field 0";
    Platform_Keyboard_Buffer_Clear();
    int16_t field = Add_Hot_Key("A");
    Set_Input_Delay(2);
    Key('a', 'a');
    EXPECT_EQ(Get_Input(), 0);
    EXPECT_EQ(Get_Input(), 0);
    EXPECT_EQ(Get_Input(), field);
}

TEST_F(Input_Test, RepeatedHotKeyVisitsEveryFieldInTurn)
{
    int16_t first = Hidden_At(10, 10, 20, 20, "a");
    Hidden_At(30, 10, 40, 20, "b");
    int16_t third = Hidden_At(50, 10, 60, 20, "A");
    std::vector<int16_t> hits;
    for (int i = 0; i < 4; ++i) {
        Key('a', 'a');
        hits.push_back(Get_Input());
    }
    EXPECT_EQ(hits, (std::vector<int16_t>{first, third, first, third}));
    EXPECT_EQ(pointer_x, 55) << "the pointer moves to the field found";
}

TEST_F(Input_Test, MultiHotKeyWordCompletesOnItsLastLetter)
{
    int16_t word = Add_Multi_Hot_Key_Field("TEST");
    auto alt = [](char c) {
        Key(c, c, KEY_MOD_ALT);
        return Get_Input();
    };
    EXPECT_EQ(alt('t'), 0);
    EXPECT_EQ(alt('e'), 0);
    EXPECT_EQ(alt('s'), 0);
    EXPECT_EQ(alt('t'), word);
    // A wrong letter in between starts over.
    EXPECT_EQ(alt('t'), 0);
    EXPECT_EQ(alt('x'), 0);
    EXPECT_EQ(alt('e'), 0);
    EXPECT_EQ(alt('t'), 0);
    EXPECT_EQ(alt('e'), 0);
    EXPECT_EQ(alt('s'), 0);
    EXPECT_EQ(alt('t'), word);
}

TEST_F(Input_Test, RightClickGivesTheNegativeFieldOrCancel)
{
    for (int i = 0; i < 6; ++i) Hidden_At(0, (int16_t)(i * 10), 9, (int16_t)(i * 10 + 9));
    int16_t seventh = Hidden_At(100, 100, 120, 120);
    ASSERT_EQ(seventh, 7);
    struct Case {
        int16_t cancel_disabled;
        bool held;
        int16_t expected;
    } cases[] = {{1, true, -7}, {0, true, -1}, {1, false, -7}, {0, false, -1}};
    for (const Case &c : cases) {
        mouse_cancel_disabled = c.cancel_disabled;
        if (c.held) {
            Held_Click(110, 110, 2);
        } else {
            Set_Pointer_Position(110, 110);
            Buffered_Click(110, 110, 2);
        }
        EXPECT_EQ(Get_Input(), c.expected) << "cancel disabled " << c.cancel_disabled << " held " << c.held;
        EXPECT_EQ(Platform_Get_Mouse_Button_State(), 0) << "the button was waited out";
        while (Mouse_Buffer() || Mouse_Buffer2()) {
        }
    }
}

TEST_F(Input_Test, InjectedPlusRealButtonCountsAsLeft)
{
    int16_t field = Hidden_At(100, 100, 120, 120);
    mouse_cancel_disabled = 1;
    Set_Pointer_Position(110, 110);
    Platform_Set_Synthetic_Mouse_Button(3);
    EXPECT_EQ(Get_Input(), field);
}

TEST_F(Input_Test, DraggingOffAPressedButtonActivatesNothing)
{
    int16_t field = Hidden_At(100, 100, 120, 120);
    Held_Click(110, 110, 1);
    // The pointer leaves the field while the button is still down.
    Poll_Script().push_back([] { Set_Pointer_Position(200, 30); });
    EXPECT_EQ(Get_Input(), 0);
    EXPECT_EQ(down_mouse_button, -1);
    Platform_Set_Synthetic_Mouse_Button(0);
    EXPECT_EQ(Get_Input(), 0) << "the release off the field is no click on it";
    (void)field;
}

TEST_F(Input_Test, EscapeIsCancelOnlyWhileCancelIsOn)
{
    const char escape[2] = {27, 0};
    int16_t field = Add_Hot_Key(escape);
    Key(KEY_ESCAPE, 0);
    EXPECT_EQ(Get_Input(), -1);
    Enable_Cancel();
    Key(KEY_ESCAPE, 0);
    EXPECT_EQ(Get_Input(), field);
}

TEST_F(Input_Test, StringFieldEditsInPlace)
{
    char text[8] = "ab";
    Set_Pointer_Position(20, 20);
    int16_t string = Add_Continuous_String_Input_Field(10, 15, 60, text, 5, 0, nullptr, -1, 0);
    Hidden_At(200, 100, 220, 120);
    EXPECT_EQ(Get_Input(), 0);
    Key(KEY_ENTER, 0);
    EXPECT_EQ(Get_Input(), string) << "Return over a string field starts editing";
    EXPECT_EQ(input_field_active, 1);
    for (char c : std::string("cdef")) {
        Key(0, c);
        Get_Input();
    }
    EXPECT_STREQ(continuous_string, "abcd") << "at maximum length - 1 no character is added";
    Key(KEY_BACKSPACE, 0);
    Get_Input();
    Key(KEY_ENTER, 0);
    EXPECT_EQ(Get_Input(), string) << "Return while editing gives the field";
    EXPECT_EQ(input_field_active, 1);
    EXPECT_STREQ(text, "abc");
}

TEST_F(Input_Test, DirectionKeysMoveThePointerToTheNearestField)
{
    int16_t left = Hidden_At(10, 90, 30, 110);
    int16_t right = Hidden_At(200, 95, 220, 105);
    Hidden_At(100, 10, 120, 30);
    Set_Pointer_Position(20, 100);
    Key(KEY_RIGHT, 0);
    EXPECT_EQ(Get_Input(), 0) << "a direction key activates nothing";
    EXPECT_EQ(pointer_x, 210);
    EXPECT_EQ(pointer_y, 100);
    Key(KEY_LEFT, 0);
    Get_Input();
    EXPECT_EQ(pointer_x, 20);
    (void)left;
    (void)right;
}

namespace {
int m_auto_calls = 0;
void Count_Auto_Call(void) { m_auto_calls++; }
}  // namespace

// An unattended headless run cannot answer a box: its wait ends by itself after the frames set,
// and a run with a player still waits for him.
TEST_F(Input_Test, AnUnattendedWaitForInputEndsAfterItsFrames)
{
    Assign_Auto_Function(Count_Auto_Call, 0);
    m_auto_calls = 0;
    wait_for_input_unattended_frames = 3;
    Wait_For_Input();
    EXPECT_EQ(m_auto_calls, 3);

    wait_for_input_unattended_frames = 0;
    m_auto_calls = 0;
    for (int i = 0; i < 6; i++) Poll_Script().push_back([] {});
    Poll_Script().push_back([] { Key('x', 'x'); });
    Wait_For_Input();
    EXPECT_GE(m_auto_calls, 6) << "the wait lasted until the key";
    Deactivate_Auto_Function();
}
