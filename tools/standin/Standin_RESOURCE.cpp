#include "Standin.h"
#include "Standin_Text.h"

// The boxes' pictures: confirmation top and bottom (0, 1), Yes and No buttons with a pressed
// frame (3, 4), the selection box's borders, rows and scroll pieces (5-37), the warning looks
// (38/39, 49/50) and the notification frames and mascots (40-48, 51-58).
namespace {

Standin_Frame Framed(int width, int height, uint8_t body, uint8_t border)
{
    Standin_Frame frame(width, height, body);
    frame.Fill_Rect(0, 0, width - 1, 0, border);
    frame.Fill_Rect(0, height - 1, width - 1, height - 1, border);
    frame.Fill_Rect(0, 0, 0, height - 1, border);
    frame.Fill_Rect(width - 1, 0, width - 1, height - 1, border);
    return frame;
}

Bytes Button(uint8_t body, const char *word)
{
    Standin_Frame up = Standin_Label(62, 14, body, 12, word, 15, 4);
    Standin_Frame down = Standin_Label(62, 14, (uint8_t)(body + 2), 15, word, 15, 4);
    return Standin_Picture({up, down});
}

Bytes Row(int width, uint8_t body)
{
    return Standin_Picture({Standin_Frame(width, 12, body), Standin_Frame(width, 12, (uint8_t)(body + 8))});
}

}  // namespace

void Write_RESOURCE_LBX(const std::string &folder)
{
    std::vector<Bytes> entries(59);
    entries[0] = Standin_Picture({Framed(186, 120, 27, 12)});
    entries[1] = Standin_Picture({Framed(186, 30, 27, 12)});
    entries[2] = Standin_Picture({Standin_Frame(8, 8, 27)});
    entries[3] = Button(66, "Yes");
    entries[4] = Button(34, "No");
    entries[5] = Standin_Picture({Standin_Frame(8, 200, 20)});
    entries[6] = Standin_Picture({Standin_Frame(8, 8, 21)});
    entries[7] = Standin_Picture({Framed(320, 18, 22, 20)});
    entries[8] = Standin_Picture({Standin_Frame(8, 200, 20)});
    entries[9] = Standin_Picture({Standin_Frame(320, 8, 22)});
    entries[10] = Standin_Picture({Standin_Frame(8, 8, 21)});
    entries[11] = Standin_Picture({Standin_Frame(10, 200, 23)});
    for (int i = 0; i < 5; ++i) {
        entries[12 + i] = Row(300, (uint8_t)(40 + i));
        entries[17 + i] = Standin_Picture({Standin_Frame(4, 4, 24)});
        entries[22 + i] = Row(8, (uint8_t)(48 + i));
        entries[27 + i] = Standin_Picture({Standin_Frame(4, 4, 24)});
    }
    for (int i = 32; i <= 37; ++i) entries[(size_t)i] = Standin_Picture({Standin_Frame(10, 10, 25)});
    entries[38] = Standin_Picture({Framed(186, 120, 44, 12)});
    entries[39] = Standin_Picture({Framed(186, 30, 44, 12)});
    entries[49] = Standin_Picture({Framed(186, 120, 52, 12)});
    entries[50] = Standin_Picture({Framed(186, 30, 52, 12)});
    // Notification boxes are cut by the text width, so they are wider than any box shown; the
    // mascots are small figures, one colour a realm.
    for (int box : {40, 43, 46, 56}) entries[(size_t)box] = Standin_Picture({Framed(300, 56, (uint8_t)(60 + box), 12)});
    for (int m = 0; m < 5; ++m) {
        Standin_Frame mascot(36, 48, 0);
        mascot.Fill_Ellipse(18, 24, 16, 22, (uint8_t)(130 + 8 * m));
        entries[(size_t)(51 + m)] = Standin_Picture({mascot});
    }
    for (int i = 40; i <= 58; ++i) {
        if (entries[(size_t)i].empty()) entries[(size_t)i] = Standin_Picture({Framed(50, 56, (uint8_t)(60 + i), 12)});
    }
    Standin_Archive archive{"RESOURCE", {}, {}};
    for (const Bytes &entry : entries) archive.Add(entry);
    Standin_Write_Archive(folder, archive);
}
