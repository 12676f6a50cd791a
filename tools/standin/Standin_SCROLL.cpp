#include <string>
#include <vector>

#include "Standin.h"
#include "Standin_Text.h"

// The chancellor's scroll: up arrow (0), down arrow (1), the unrolling (2, streamed and drawn at
// the page's top left: two rods moving apart from the screen's middle, four rows a frame), two
// spare cards (3, 4), the paper (5), a light sheet with a brown edge, the big book (6) and its
// page-turn corners (7, 8), then the battle results papers: a city conquered (9), a plain battle
// (10), a battle undecided (11), each marked with its letter at the bottom right, clear of the text.
namespace {

constexpr int UNROLL_FRAMES = 17;
constexpr uint8_t PAPER = 229;
constexpr uint8_t EDGE = 130;
constexpr uint8_t ROD = 94;
constexpr uint8_t ROD_INK = 15;

void Rod(Standin_Frame &frame, int top)
{
    frame.Fill_Rect(56, top, 263, top + 7, ROD);
    Standin_Print(frame, 146, top + 1, "SCROLL", 1, ROD_INK);
}

}  // namespace

void Write_SCROLL_LBX(const std::string &folder)
{
    Standin_Archive archive{"SCROLL", {}, {}};
    archive.Add(Standin_Thing(10, 9, 94, "U"));
    archive.Add(Standin_Thing(10, 9, 94, "D"));
    std::vector<Standin_Frame> unroll;
    for (int f = 0; f < UNROLL_FRAMES; ++f) {
        Standin_Frame frame(320, 200);
        Rod(frame, 80 - 4 * f);
        Rod(frame, 109 + 4 * f);
        unroll.push_back(frame);
    }
    archive.Add(Standin_Picture(unroll));
    archive.Add(Standin_Thing(40, 20, 60, "S3"));
    archive.Add(Standin_Thing(40, 20, 66, "S4"));
    Standin_Frame paper(200, 143, PAPER);
    paper.Fill_Rect(0, 0, 199, 1, EDGE);
    paper.Fill_Rect(0, 141, 199, 142, EDGE);
    paper.Fill_Rect(0, 0, 1, 142, EDGE);
    paper.Fill_Rect(198, 0, 199, 142, EDGE);
    archive.Add(Standin_Picture({paper}));
    // The big book (6): two pale pages on a brown cover, and its corners (7, 8).
    Standin_Frame book(320, 200, 0);
    book.Fill_Rect(10, 4, 309, 195, 130);
    book.Fill_Rect(20, 8, 157, 190, PAPER);
    book.Fill_Rect(162, 8, 299, 190, PAPER);
    Standin_Print(book, 140, 190, "BOOK", 1, ROD_INK);
    archive.Add(Standin_With_Palette(Standin_Packed_Picture({book}), 0, 224));
    archive.Add(Standin_Thing(16, 16, 130, "<"));
    archive.Add(Standin_Thing(16, 16, 130, ">"));
    const struct {
        uint8_t edge;
        const char *letter;
    } results[] = {{EDGE, "C"}, {ROD, "B"}, {60, "U"}};
    for (const auto &result : results) {
        Standin_Frame sheet(212, 190, PAPER);
        sheet.Fill_Rect(0, 0, 211, 2, result.edge);
        sheet.Fill_Rect(0, 0, 2, 189, result.edge);
        sheet.Fill_Rect(209, 0, 211, 189, result.edge);
        Standin_Print(sheet, 200, 178, result.letter, 1, result.edge);
        archive.Add(Standin_Picture({sheet}));
    }
    Standin_Write_Archive(folder, archive);
}
