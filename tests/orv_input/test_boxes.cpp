#include <cstdio>
#include <cstring>
#include <string>

#include "Dialog_Boxes.h"
#include "Fonts.h"
#include "Input_Box.h"
#include "Input_Fixture.h"
#include "STU_GRAF.h"
#include "Test_Temp_Dir.h"

namespace {

void Put32(std::vector<uint8_t> &bytes, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) bytes[at + i] = (uint8_t)(v >> (8 * i));
}

// RESOURCE.LBX with blank pictures of the sizes the boxes lay themselves out by.
std::string Write_Resource(const Test_Temp_Dir &dir)
{
    std::vector<std::vector<uint8_t>> entries(59);
    for (size_t i = 0; i < entries.size(); ++i) entries[i] = Blank_Picture(8, 8);
    entries[0] = Blank_Picture(186, 120);
    entries[1] = Blank_Picture(186, 30);
    entries[3] = entries[4] = Blank_Picture(62, 14, 2);
    entries[5] = entries[8] = Blank_Picture(8, 200);
    entries[7] = Blank_Picture(300, 18);
    entries[9] = Blank_Picture(300, 8);
    entries[11] = Blank_Picture(10, 200);
    for (int i = 12; i <= 16; ++i) entries[(size_t)i] = Blank_Picture(300, 12, 2);
    for (int i = 22; i <= 26; ++i) entries[(size_t)i] = Blank_Picture(8, 12, 2);
    std::vector<uint8_t> file(512, 0);
    file[0] = (uint8_t)entries.size();
    file[2] = 0xAD;
    file[3] = 0xFE;
    uint32_t offset = 512;
    for (size_t i = 0; i <= entries.size(); ++i) {
        Put32(file, 8 + 4 * i, offset);
        if (i < entries.size()) offset += (uint32_t)entries[i].size();
    }
    for (const auto &entry : entries) file.insert(file.end(), entry.begin(), entry.end());
    std::string path = dir / "RESOURCE.LBX";
    FILE *out = std::fopen(path.c_str(), "wb");
    std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);
    return dir.path;
}

class Box_Test : public Input_Test {
protected:
    static void SetUpTestSuite()
    {
        Input_Test::SetUpTestSuite();
        static Test_Temp_Dir dir;
        static bool written = false;
        if (!written) {
            STU_GRAF_Add_Search_Dir(Write_Resource(dir).c_str());
            written = true;
        }
    }
};

void Then(std::function<void()> step) { Poll_Script().push_back(std::move(step)); }

void Click_Field_Center(int16_t field, int16_t button)
{
    const Field_Record &f = p_fields[field];
    Held_Click((int16_t)(f.x1 + (f.x2 - f.x1) / 2), (int16_t)(f.y1 + (f.y2 - f.y1) / 2), button);
}

}  // namespace

TEST_F(Box_Test, ConfirmationAnswers)
{
    struct Case {
        const char *name;
        int16_t cancel_disabled;
        std::function<void()> act;
        int16_t expected;
    } cases[] = {
        {"Y", 1, [] { Key('y', 'y'); }, 1},
        {"N", 1, [] { Key('n', 'n'); }, 0},
        {"Esc as a key", 1, [] { Key(KEY_ESCAPE, 0); }, 0},
        {"Esc as cancel", 0, [] { Key(KEY_ESCAPE, 0); }, 0},
        {"left click on Yes", 1, [] { Click_Field_Center(1, 1); }, 1},
        {"right click on Yes", 1, [] { Click_Field_Center(1, 2); }, 1},
        {"right click on No", 1, [] { Click_Field_Center(2, 2); }, 0},
        {"cancel by the right button", 0, [] { Click_Field_Center(1, 2); }, 0},
        {"click outside the box", 1, [] { Held_Click(5, 5, 1); }, 0},
    };
    for (const Case &c : cases) {
        mouse_cancel_disabled = c.cancel_disabled;
        Then(c.act);
        EXPECT_EQ(Confirmation_Box("Go on?"), c.expected) << c.name;
        EXPECT_EQ(fields_count, 1) << c.name;
        Poll_Script().clear();
        Platform_Set_Synthetic_Mouse_Button(0);
        Platform_Keyboard_Buffer_Clear();
    }
}

TEST_F(Box_Test, ConfirmationIgnoresClicksOnTheBoxItself)
{
    mouse_cancel_disabled = 1;
    Then([] { Held_Click((int16_t)(message_box_x + 90), (int16_t)(message_box_y + 5), 1); });
    for (int i = 0; i < 6; ++i) Then([] {});
    Then([] { Key('y', 'y'); });
    EXPECT_EQ(Confirmation_Box("Go on?"), 1);
}

TEST_F(Box_Test, SelectionShowsAtMostItsRows)
{
    static const char *const twelve[13] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", ""};
    mouse_cancel_disabled = 1;
    int16_t seen_fields = 0;
    Then([] {});
    Then([&] {
        seen_fields = fields_count;
        Click_Field_Center(4, 1);
    });
    EXPECT_EQ(Selection_Box(10, twelve, 0, "Pick"), 3);
    EXPECT_EQ(seen_fields, 1 + 10 + 2) << "ten item fields, the box and the screen";

    struct Case {
        const char *name;
        int16_t cancel_disabled;
        std::function<void()> act;
    } outs[] = {
        {"click outside", 1, [] { Held_Click(2, 2, 1); }},
        {"Esc as a key", 1, [] { Key(KEY_ESCAPE, 0); }},
    };
    for (const Case &c : outs) {
        mouse_cancel_disabled = c.cancel_disabled;
        Then([] {});
        Then(c.act);
        EXPECT_EQ(Selection_Box(10, twelve, 0, "Pick"), -1) << c.name;
        Poll_Script().clear();
        Platform_Set_Synthetic_Mouse_Button(0);
        Platform_Keyboard_Buffer_Clear();
    }

    // With the loop's cancel on, Esc is no answer; a click on the frame is none either.
    mouse_cancel_disabled = 0;
    Then([] {});
    Then([] { Key(KEY_ESCAPE, 0); });
    Then([] { Held_Click(p_fields[11].x1, p_fields[11].y1, 1); });
    for (int i = 0; i < 6; ++i) Then([] {});
    Then([] { Held_Click(2, 2, 1); });
    EXPECT_EQ(Selection_Box(10, twelve, 0, "Pick"), -1);
    EXPECT_TRUE(Poll_Script().empty()) << "the box waited for the click outside";
}

// Nobody answers a box in an unattended run, whether the run set the frames itself or the game's
// query gives them (a script waiting through the world turn): Yes/No says No, a list says none.
TEST_F(Box_Test, UnattendedBoxesTakeTheirDefault)
{
    static const char *const two[3] = {"a", "b", ""};
    static int16_t query_frames = 0;
    struct Case {
        const char *name;
        int16_t frames;
        int16_t (*query)(void);
    } cases[] = {
        {"frames set by the run", 4, nullptr},
        {"frames given by the game", 0, [] { return query_frames; }},
    };
    for (const Case &c : cases) {
        wait_for_input_unattended_frames = c.frames;
        query_frames = 4;
        Input_Set_Unattended_Query(c.query);
        EXPECT_EQ(Confirmation_Box("Go on?"), 0) << c.name;
        EXPECT_EQ(Selection_Box(2, two, 0, "Pick"), -1) << c.name;
    }
    // A query that gives 0 (someone can answer) leaves the box waiting for the answer.
    wait_for_input_unattended_frames = 0;
    query_frames = 0;
    for (int i = 0; i < 50; ++i) Then([] {});
    Then([] { Key('y', 'y'); });
    EXPECT_EQ(Confirmation_Box("Go on?"), 1);
    EXPECT_TRUE(Poll_Script().empty()) << "the box waited for the key";
    Input_Set_Unattended_Query(nullptr);
}

TEST_F(Box_Test, InputBoxEditingRules)
{
    Set_Font_Style(1, 0, 0, 0);
    int16_t ab_width = Get_String_Width("ab");
    Input_Box_State s;
    auto keys = [&](const std::string &typed) {
        for (char c : typed) Input_Box_Key(&s, (int16_t)(uint8_t)c);
    };

    Input_Box_Begin(&s, "a rather long name", 10, ab_width, 1);
    EXPECT_STREQ(s.text, "") << "a text wider than the box starts empty";

    Input_Box_Begin(&s, "Merlin", 20, 200, 1);
    EXPECT_EQ(s.position, 6);
    Input_Box_Key(&s, KEY_BACKSPACE);
    EXPECT_STREQ(s.text, "") << "Backspace first empties the text";

    Input_Box_Begin(&s, "Merlin", 20, 200, 1);
    Input_Box_Key(&s, KEY_LEFT);
    Input_Box_Key(&s, KEY_BACKSPACE);
    EXPECT_STREQ(s.text, "Merln");
    EXPECT_EQ(s.position, 4);
    Input_Box_Key(&s, KEY_DELETE);
    EXPECT_STREQ(s.text, "Merl");

    Input_Box_Begin(&s, "abc", 4, 200, 1);
    keys("d");
    EXPECT_STREQ(s.text, "abcd") << "the last character is added";
    EXPECT_EQ(s.position, 3) << "the cursor stays on it";
    keys("e");
    EXPECT_STREQ(s.text, "abcd") << "no more than the maximum";
    Input_Box_Key(&s, KEY_RIGHT);
    EXPECT_EQ(s.position, 4) << "the pop-up's cursor may stand after the last character";
    Input_Box_Key(&s, KEY_RIGHT);
    EXPECT_EQ(s.position, 4) << "Right at the end changes nothing";
    Input_Box_Begin(&s, "abcd", 4, 200, 0);
    Input_Box_Key(&s, KEY_LEFT);
    Input_Box_Key(&s, KEY_RIGHT);
    EXPECT_EQ(s.position, 3) << "a field's cursor stays below the maximum";

    Input_Box_Begin(&s, "ab", 20, (int16_t)(ab_width + 1), 1);
    keys("W");
    EXPECT_STREQ(s.text, "ab") << "a character that would not fit the box is refused";

    Input_Box_Begin(&s, "abc", 500, 2000, 1);
    EXPECT_EQ(s.max_length, INPUT_BOX_TEXT_MAX) << "the maximum is clamped to the working copy";
    for (int i = 0; i < 80; ++i) Input_Box_Key(&s, 'x');
    EXPECT_EQ(std::strlen(s.text), (size_t)INPUT_BOX_TEXT_MAX);

    Input_Box_Begin(&s, "abcdefghij", 4, 2000, 1);
    EXPECT_STREQ(s.text, "abcd") << "a longer text is cut at the maximum";
    EXPECT_EQ(Input_Box_Key(&s, KEY_ESCAPE), 1);
    EXPECT_EQ(Input_Box_Key(&s, KEY_ENTER), 1);
}

TEST_F(Box_Test, InputBoxPopupReturnsEscapeAndKeepsTheText)
{
    static char name[21] = "Ann";
    Then([] {
        Key('x', 'x');
        Key(KEY_ESCAPE, 0);
    });
    EXPECT_EQ(Setup_Input_Box_Popup(20, 20, 120, name, 20, 0, 0, 0, nullptr, -1), -1);
    EXPECT_STREQ(name, "Annx");
    Then([] {
        Key(KEY_BACKSPACE, 0);
        Key(KEY_ENTER, 0);
    });
    EXPECT_EQ(Setup_Input_Box_Popup(20, 20, 120, name, 20, 0, 0, 0, nullptr, -1), 0);
    EXPECT_STREQ(name, "");
}
