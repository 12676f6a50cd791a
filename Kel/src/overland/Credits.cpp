// The credits that scroll up over the main menu: a picture of ten rows redrawn every frame,
// each row a role with a dotted leader and a name, brightening at the bottom and fading at the top.
#include <cstdint>

#include "Allocate.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Pictures.h"
#include "overland/Intro_And_Credits.h"

const Credit_Row credits_table[CREDITS_ROWS] = {
    {"Tolva", "a rebuilding"},
    {"", "for today's machines"},
    {"", ""},
    {"Engine", "The Tolva Team"},
    {"", ""},
    {"Platform Layer", "Ada Lindqvist"},
    {"", "Marek Olander"},
    {"Pictures and Fonts", "Ines Barrow"},
    {"", "Tomas Keel"},
    {"Sound and Music", "Rhea Mandel"},
    {"", "Oskar Fenn"},
    {"", ""},
    {"World Rules", "Wren Holloway"},
    {"", "Piet Arendse"},
    {"Map Generator", "Nadia Voss"},
    {"", "Leon Sato"},
    {"Overland Screens", "Clara Whitby"},
    {"", "Jonas Rell"},
    {"Cities", "Maren Ostby"},
    {"Magic", "Felix Aranda"},
    {"", "Sunniva Tor"},
    {"Combat", "Hugo Lenz"},
    {"", "Ylva Dahl"},
    {"Computer Players", "Emil Karsh"},
    {"", "Tova Reyes"},
    {"Heroes and Items", "Oda Brink"},
    {"Diplomacy", "Amos Pell"},
    {"", ""},
    {"Automation", "Lise Marten"},
    {"Replay and Capture", "Kai Nordahl"},
    {"Test Data", "Greta Holm"},
    {"Testing", "Ivo Stanek"},
    {"", "Mira Lund"},
    {"", "Sven Akerby"},
    {"", ""},
    {"Documentation", "Ruth Calder"},
    {"Builds", "Anton Vik"},
    {"Coordination", "Elin Sandberg"},
    {"", ""},
    {"Thanks To", "Everyone who"},
    {"", "kept their disks"},
    {"", "and their saves"},
    {"", ""},
    {"", ""},
    {"Tolva", "Thank you"},
    {"", "for playing"},
    {"", ""},
    {"", ""},
};

int16_t _credit_num = 0;
int16_t _credits_y = 95;
int16_t _credits_timer = 0;
uint8_t *_credits_pict_seg = nullptr;

namespace {

constexpr uint16_t CREDITS_PICTURE_PARAS = 3125;
constexpr int16_t CREDITS_VISIBLE_ROWS = 10;
constexpr int16_t CREDITS_ROW_HEIGHT = 10;
constexpr int16_t CREDITS_START_Y = 95;
constexpr int16_t CREDITS_RIGHT_X = 105;
constexpr int16_t CREDITS_DOTS_END = 102;
constexpr int16_t CREDITS_TIMER_WRAP = 30000;

uint8_t Row_Colour(int16_t y)
{
    if (y < 10) return (uint8_t)(234 - y);
    if (y > 88) return (uint8_t)(135 + y);
    return 224;
}

}  // namespace

void Init_Credits(void)
{
    _credit_num = 0;
    _credits_y = CREDITS_START_Y;
    _credits_pict_seg = Allocate_First_Block(_screen_seg, CREDITS_PICTURE_PARAS);
    Create_Picture(CREDITS_PICTURE_WIDTH, CREDITS_PICTURE_HEIGHT, _credits_pict_seg);
}

void Draw_Credits(void)
{
    int16_t counted = _credits_timer;
    _credits_timer = counted > CREDITS_TIMER_WRAP ? CREDITS_BLANK_FRAMES : (int16_t)(counted + 1);
    if (counted < CREDITS_BLANK_FRAMES || _credits_pict_seg == nullptr) return;

    Create_Picture(CREDITS_PICTURE_WIDTH, CREDITS_PICTURE_HEIGHT, _credits_pict_seg);
    Set_Window(0, 40, 319, 137);
    int16_t y = _credits_y;
    for (int16_t row = _credit_num; row < _credit_num + CREDITS_VISIBLE_ROWS && y < 99 && row < CREDITS_ROWS;
         ++row, y = (int16_t)(y + CREDITS_ROW_HEIGHT)) {
        uint8_t colours[16];
        colours[0] = 68;
        for (int i = 1; i < 16; ++i) colours[i] = Row_Colour(y);
        Set_Font_Colors_15(2, colours);
        Set_Font_Style(2, 15, 15, 15);
        const Credit_Row &credit = credits_table[row];
        Print_To_Bitmap(0, y, credit.left, _credits_pict_seg);
        int16_t width = Get_String_Width(credit.left);
        if (width > 1)
            for (int16_t x = (int16_t)(width + 1); x < CREDITS_DOTS_END; x = (int16_t)(x + 4))
                Print_To_Bitmap(x, y, ".", _credits_pict_seg);
        Print_To_Bitmap(CREDITS_RIGHT_X, y, credit.right, _credits_pict_seg);
    }

    _credits_y--;
    if (_credits_y < 1) {
        _credit_num++;
        _credits_y = (int16_t)(_credits_y + CREDITS_ROW_HEIGHT);
        if (_credit_num > CREDITS_ROWS) {
            _credits_timer = 0;
            _credit_num = 0;
            _credits_y = CREDITS_START_Y;
        }
    }
    Draw_Picture_Windowed(85, 35, _credits_pict_seg);
    Reset_Window();
}
