// Every picture and glyph of the stand-in installation drawn both ways: by the engine, which
// draws a picture seen before from its row form, and by today's column drawers kept in
// reference_drawers.h. The pages must be byte for byte alike, whole, clipped, half off the page,
// with and without the remap rule.
#include <gtest/gtest.h>

#include <cstring>
#include <dirent.h>
#include <string>
#include <vector>

#include "Animation.h"
#include "Font_Image.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Glyph_Rows.h"
#include "Palette.h"
#include "Picture_Rows.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "Video.h"
#include "reference_drawers.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Entry {
    std::string where;
    Bytes bytes;
};

// Every entry of every archive in the stand-in folder, read straight from the files.
std::vector<Entry> Standin_Entries(void)
{
    std::vector<Entry> entries;
    std::string folder = TOLVA_BINARY_DIR "/standin";
    DIR *dir = opendir(folder.c_str());
    if (dir == nullptr) return entries;
    std::vector<std::string> names;
    while (dirent *d = readdir(dir)) {
        std::string name = d->d_name;
        if (name.size() > 4 && (name.substr(name.size() - 4) == ".LBX" || name.substr(name.size() - 4) == ".lbx"))
            names.push_back(name);
    }
    closedir(dir);
    for (const std::string &name : names) {
        FILE *f = fopen((folder + "/" + name).c_str(), "rb");
        if (f == nullptr) continue;
        Bytes file;
        uint8_t buffer[65536];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) file.insert(file.end(), buffer, buffer + n);
        fclose(f);
        if (file.size() < 512 || LE_U16(file.data() + 2) != 0xFEAD) continue;
        int count = LE_U16(file.data());
        for (int i = 0; i < count; ++i) {
            uint32_t start = LE_U32(file.data() + 8 + 4 * i), end = LE_U32(file.data() + 12 + 4 * i);
            if (start > end || end > file.size()) continue;
            entries.push_back({name + " entry " + std::to_string(i), Bytes(file.begin() + start, file.begin() + end)});
        }
    }
    return entries;
}

struct Pages {
    Bytes engine = Bytes(SCREEN_SIZE);
    Bytes reference = Bytes(SCREEN_SIZE);
    uint8_t *saved_page = current_video_page;
    Pages()
    {
        for (int t = 0; t < PALETTE_REMAP_TABLES; ++t)
            for (int i = 0; i < 256; ++i) remap_color_palettes[t][i] = (uint8_t)(i * 7 + t * 13 + 1);
    }
    ~Pages() { current_video_page = saved_page; }
    // A background of every colour, so that remap codes and gaps both show.
    Bytes background = Bytes(SCREEN_SIZE);
    void Clear()
    {
        if (background[1] == 0)
            for (int i = 0; i < SCREEN_SIZE; ++i) background[i] = (uint8_t)(i * 3 + i / SCREEN_WIDTH);
        engine = background;
        reference = background;
    }
    template <typename E, typename R> void Both(E engine_draw, R reference_draw)
    {
        // Drawn once to be seen, then again on a fresh page: the second draw takes the row form.
        Clear();
        current_video_page = engine.data();
        engine_draw();
        Clear();
        engine_draw();
        current_video_page = reference.data();
        reference_draw();
    }
    bool Alike() const { return engine == reference; }
};

struct Place {
    int x, y;
};
// Whole, at each edge, half off every side, and beyond a corner.
const Place PLACES[] = {{0, 0}, {37, 21}, {300, 10}, {-15, 40}, {100, -9}, {150, 185}, {-30, -30}, {310, 190}};

// Windows of the clipped draws: inside the page, and one reaching past its bottom right.
struct Window {
    int x1, y1, x2, y2;
};
const Window WINDOWS[] = {{10, 12, 200, 150}, {40, 30, 41, 90}, {0, 0, 319, 199}, {250, 150, 400, 260}};

TEST(Row_Form, EveryStandinFrameAndBitmapDrawsAsTheColumnDrawersDo)
{
    std::vector<Entry> entries = Standin_Entries();
    ASSERT_FALSE(entries.empty()) << "build the standin_data target first";
    Picture_Rows_Forget_All();
    Pages pages;
    int frames = 0, bitmaps = 0;
    for (const Entry &entry : entries) {
        const uint8_t *anim = entry.bytes.data();
        if (!FLIC_Check_Animation(anim, (uint32_t)entry.bytes.size())) continue;
        int width = FLIC_Get_Width(anim), height = FLIC_Get_Height(anim);
        for (uint16_t f = 0; f < FLIC_Get_FrameCount(anim); ++f) {
            const uint8_t *data = nullptr;
            uint32_t length = 0;
            if (!FLIC_Frame_Data(anim, f, &data, &length)) continue;
            ++frames;
            std::string what = entry.where + " frame " + std::to_string(f);
            for (int remap = 0; remap <= 1; ++remap) {
                for (const Place &p : PLACES) {
                    pages.Both(
                        [&] {
                            remap ? FLIC_Remap_Draw_Frame((int16_t)p.x, (int16_t)p.y, (uint16_t)width, data, length)
                                  : FLIC_Draw_Frame((int16_t)p.x, (int16_t)p.y, (uint16_t)width, data, length);
                        },
                        [&] { reference::Draw_Frame(p.x, p.y, width, data, length, remap); });
                    ASSERT_TRUE(pages.Alike()) << what << " remap " << remap << " at " << p.x << "," << p.y;
                }
                for (const Window &w : WINDOWS) {
                    // The window's share of the frame placed at (w.x1 - 7, w.y1 - 5).
                    int x = w.x1 - 7, y = w.y1 - 5;
                    int columns = width - 7 < w.x2 - w.x1 + 1 ? width - 7 : w.x2 - w.x1 + 1;
                    int rows = height - 5 < w.y2 - w.y1 + 1 ? height - 5 : w.y2 - w.y1 + 1;
                    auto engine = [&] {
                        remap ? Clipped_Remap_Draw_Frame((int16_t)w.x1, (int16_t)w.y1, (int16_t)columns, (int16_t)rows,
                                                         7, 5, data, length)
                              : Clipped_Draw_Frame((int16_t)w.x1, (int16_t)w.y1, (int16_t)columns, (int16_t)rows, 7, 5,
                                                   data, length);
                    };
                    pages.Both(engine, [&] {
                        reference::Clipped_Decode(w.x1, w.y1, columns, rows, 7, 5, data, length, remap);
                    });
                    ASSERT_TRUE(pages.Alike()) << what << " remap " << remap << " clipped at " << x << "," << y;
                }
            }
            // The frame as a bitmap, drawn plain, with the remap rule and through windows.
            if ((size_t)width * height > 64000) continue;
            Bytes bitmap(PICTURE_BITMAP_HEADER + (size_t)width * height, 0);
            Create_Picture((int16_t)width, (int16_t)height, bitmap.data());
            Add_Picture_To_Bitmap(data, length, bitmap.data());
            ++bitmaps;
            for (int remap = 0; remap <= 1; ++remap) {
                LE_Put_U16(bitmap.data() + PICTURE_REMAP_WORD, (uint16_t)remap);
                for (const Place &p : PLACES) {
                    pages.Both([&] { Draw_Picture((int16_t)p.x, (int16_t)p.y, bitmap.data()); },
                               [&] {
                                   reference::Draw_Picture_ASM(p.x, p.y, PICTURE_BITMAP_HEADER, bitmap.data(), width,
                                                               height, 0);
                               });
                    ASSERT_TRUE(pages.Alike()) << what << " bitmap remap " << remap << " at " << p.x << "," << p.y;
                }
                for (const Place &p : {PLACES[1], PLACES[4]}) {
                    for (const Window &w : WINDOWS) {
                        pages.Both(
                            [&] {
                                Set_Window((int16_t)w.x1, (int16_t)w.y1, (int16_t)w.x2, (int16_t)w.y2);
                                Draw_Picture_Windowed((int16_t)(w.x1 + p.x / 4), (int16_t)(w.y1 + p.y / 4),
                                                      bitmap.data());
                            },
                            [&] {
                                reference::Draw_Picture_Windowed(w.x1 + p.x / 4, w.y1 + p.y / 4, bitmap.data(),
                                                                 screen_window_x1, screen_window_y1, screen_window_x2,
                                                                 screen_window_y2);
                            });
                        ASSERT_TRUE(pages.Alike()) << what << " bitmap windowed remap " << remap;
                    }
                }
            }
        }
    }
    Set_Window(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1);
    EXPECT_GT(frames, 100);
    EXPECT_GT(bitmaps, 100);
    EXPECT_GT(Picture_Rows_Kept(), 100) << "the engine drew from the row form";
}

// A picture whose bytes change under the same address is drawn from its new bytes.
TEST(Row_Form, ChangedBytesAtTheSameAddressAreDrawnAnew)
{
    Picture_Rows_Forget_All();
    Pages pages;
    Bytes bitmap(PICTURE_BITMAP_HEADER + 20 * 18, 0);
    Create_Blank_Picture(20, 18, bitmap.data(), 44);
    for (int round = 0; round < 4; ++round) {
        bitmap[PICTURE_BITMAP_HEADER + 5 * 18 + 3] = (uint8_t)(round == 2 ? 0 : 90 + round);
        pages.Both([&] { Draw_Picture(10, 10, bitmap.data()); },
                   [&] { reference::Draw_Picture_ASM(10, 10, PICTURE_BITMAP_HEADER, bitmap.data(), 20, 18, 0); });
        ASSERT_TRUE(pages.Alike()) << "round " << round;
    }
    // Reloading the area drops what was kept there.
    EXPECT_EQ(Picture_Rows_Kept(), 1);
    Picture_Rows_Forget_Area(bitmap.data(), (uint32_t)bitmap.size());
    EXPECT_EQ(Picture_Rows_Kept(), 0);
}

TEST(Row_Form, EveryGlyphOfEveryStyleDrawsAsTheColumnDrawerDoes)
{
    Pages pages;
    uint8_t *font = font_style_data;
    Bytes saved(font, font + FONTS_LBX_ENTRY_0_SIZE);
    int16_t saved_alias = draw_alias_flag;
    const uint8_t colour_sets[3][16] = {
        {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
        {200, 201, 202, 203, 204, 205, 206, 207, 208, 209, 210, 211, 212, 213, 214, 215},
        {17, 0, 99, 255, 3, 3, 3, 3, 60, 61, 62, 63, 64, 65, 66, 67},
    };
    const Place glyph_places[] = {{0, 0}, {100, 90}, {316, 50}, {-3, 20}, {40, -4}, {200, 196}, {318, 197}};
    int glyphs = 0;
    for (int16_t style = 0; style < FONT_STYLES; ++style) {
        Set_Font_Style(style, 0, 0, 0);
        font[FONT_DRAW_MODE] = 0;
        for (const uint8_t *colours : colour_sets) {
            std::memcpy(font + FONT_CURRENT_COLORS, colours, 16);
            for (int alias = 0; alias <= 1; ++alias) {
                for (int ch = 32; ch <= 126; ++ch) {
                    ++glyphs;
                    int width = font[FONT_CURRENT_WIDTHS + ch - 32];
                    uint32_t at = LE_U16(font + FONT_CURRENT_OFFSETS + 2 * (ch - 32));
                    char text[2] = {(char)ch, 0};
                    for (const Place &p : glyph_places) {
                        pages.Both(
                            [&] {
                                draw_alias_flag = (int16_t)alias;
                                Print((int16_t)p.x, (int16_t)p.y, text);
                            },
                            [&] {
                                reference::Draw_Glyph(font, FONTS_LBX_ENTRY_0_SIZE, at, width, colours, alias != 0, p.x,
                                                      p.y, 0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1);
                            });
                        ASSERT_TRUE(pages.Alike())
                            << "style " << style << " char " << ch << " alias " << alias << " at " << p.x << "," << p.y;
                    }
                }
            }
        }
    }
    draw_alias_flag = saved_alias;
    std::memcpy(font, saved.data(), saved.size());
    EXPECT_EQ(glyphs, FONT_STYLES * 3 * 2 * 95);
}

// Glyph bytes are not compared on each draw: a glyph rewritten in place (a font image written
// anew into the same memory) draws its new bytes once the kept glyphs are forgotten.
TEST(Row_Form, GlyphRewrittenInPlaceDrawsItsNewBytes)
{
    Pages pages;
    uint8_t *font = font_style_data;
    Bytes saved(font, font + FONTS_LBX_ENTRY_0_SIZE);
    int16_t saved_alias = draw_alias_flag;
    draw_alias_flag = 0;
    Set_Font_Style(0, 0, 0, 0);
    font[FONT_DRAW_MODE] = 0;
    const uint8_t colours[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    std::memcpy(font + FONT_CURRENT_COLORS, colours, 16);
    const int ch = 'A';
    int width = font[FONT_CURRENT_WIDTHS + ch - 32];
    uint32_t at = LE_U16(font + FONT_CURRENT_OFFSETS + 2 * (ch - 32));
    auto both = [&] {
        pages.Both([&] { Print(100, 90, "A"); },
                   [&] {
                       reference::Draw_Glyph(font, FONTS_LBX_ENTRY_0_SIZE, at, width, colours, false, 100, 90, 0, 0,
                                             SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1);
                   });
    };
    both();
    ASSERT_TRUE(pages.Alike());
    Bytes before = pages.engine;
    // Every run of pixels takes the next colour index; skips and column ends stay.
    for (uint32_t p = at, columns = 0; columns < (uint32_t)width && p < (uint32_t)FONTS_LBX_ENTRY_0_SIZE; ++p) {
        if (font[p] == GLYPH_END_COLUMN)
            ++columns;
        else if (font[p] < GLYPH_END_COLUMN)
            font[p] = (uint8_t)((font[p] & 0xF0) | (((font[p] & 15) + 1) & 15));
    }
    Glyph_Rows_Forget_All();
    both();
    EXPECT_TRUE(pages.Alike());
    EXPECT_NE(pages.engine, before) << "the rewritten glyph draws other colours";
    std::memcpy(font, saved.data(), saved.size());
    Glyph_Rows_Forget_All();
    draw_alias_flag = saved_alias;
}

}  // namespace
