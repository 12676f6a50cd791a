// The engine's modal boxes: yes/no confirmation, warning, list selection and the notification
// with pictures. Each takes over input until answered and gives the screen back as it found it;
// pictures from RESOURCE.LBX.
#pragma once

#include <cstdint>

constexpr int MESSAGE_BOX_TEXT_SIZE = 1000;

extern char message_box_text[MESSAGE_BOX_TEXT_SIZE];
extern int16_t message_box_x;
extern int16_t message_box_y;
extern int16_t confirmation_box_x_offset;
extern int16_t confirmation_box_y_offset;
extern int16_t m_warning_type;

// Colour sets: each name starts five colours into one shared run, and Set_Font_Colors_15 reads
// sixteen from there, so each set borrows the colours of the sets after it.
extern const uint8_t COL_Dialog_Run[41];
extern const uint8_t *const COL_ConfirmShadows;
extern const uint8_t *const COL_Dialog_Text;
extern const uint8_t *const COL_ListSel_Shadows;
extern const uint8_t *const COL_ListSel_Titles;
extern const uint8_t *const COL_Warning1;
extern const uint8_t *const COL_Warning2;

// 1 while the player sees a window: the platform brought one up and the run is not headless.
// The boxes are for such runs only; callers without one leave the message to the log.
int16_t Window_Shown(void);

// 1 for Yes, 0 for No.
int16_t Confirmation_Box(const char *text);
void Confirmation_Box_Draw(void);
void Warn0(const char *text);
void Warn1(const char *text);
void Warn(const char *text);
void Warn_Draw(void);
// list: text pointers ended by an empty text; at most rows (up to 10) are shown. The chosen
// index, or -1 for a click outside the box.
int16_t Selection_Box(int16_t rows, const char *const *list, int16_t scroll_column, const char *title);
void Selection_Box_Draw(void);

// ---- notification ----

constexpr int NOTIFY_TYPES = 4;
constexpr int NOTIFY_MASCOTS = 5;
constexpr int NOTIFY_REALMS = 5;
constexpr int16_t NOTIFY_TEXT_WIDTH = 175;
constexpr int16_t NOTIFY_MASCOT_FIRST_ENTRY = 51;

// 0 normal; 1 the box only draws itself on the off page and returns; 2 the visible page is
// first copied to the off page.
extern int16_t notify_draw_offscr;

// The shadow and text colour tables are read sixteen colours from byte 5 x type, so the higher
// types read on into what follows them: the text colours after the shadows, then the bytes of
// the mascot position table.
extern const uint8_t Notify_Color_Run[56];
extern const uint8_t *const notify_shadow_colors;
extern const uint8_t *const notify_text_colors;
extern const int16_t notify2_mascot_x1[NOTIFY_MASCOTS];
extern const int16_t notify2_mascot_y1[NOTIFY_MASCOTS];
extern const int16_t notify2_text_x1[NOTIFY_MASCOTS];

// The game's data the boxes read, handed over by start-up since the engine cannot see the game's
// records: the human player's five spellbook counts by realm (five little-endian i16 in the
// record, realms 0-4) and the flag that is 1 while the front end runs. Either may be null
// (engine-only programs): no books then, and the warning clicks as in the game proper.
void Dialog_Boxes_Register_Game_Data(const uint8_t *human_realm_books, const int16_t *front_end_flag);
// The mascot (0-4, picture 51 + mascot) of the realm with the most books; ties go to the earlier
// of realms 3, 2, 4, 0, 1. Null counts as no books.
int16_t Notify_Mascot(const int16_t *realm_books);

// type 0-3 picks the box, picture frame and gem frame; gem_frame non-zero shows the gem frame;
// pictures (archive pictures or rendered bitmaps) may be null; colour_slide 0 none, 1 or 2; darken 1 shades the screen
// behind.
void Notify1(int16_t centre_x, int16_t y, int16_t type, const char *text, int16_t gem_frame, uint8_t *picture1,
             int16_t picture1_x, int16_t picture1_y, uint8_t *picture2, int16_t picture2_x, int16_t picture2_y,
             int16_t colour_slide, int16_t darken);
// The variant placed at the left with the mascot beside the text; the first argument is unused.
void Notify2(int16_t ignored, int16_t y, int16_t type, const char *text, int16_t gem_frame, uint8_t *picture1,
             int16_t picture1_x, int16_t picture1_y, uint8_t *picture2, int16_t picture2_x, int16_t picture2_y,
             int16_t colour_slide, int16_t darken);
void Notify_Load(int16_t type);
void Notify1_Draw(void);
void Notify2_Draw(void);
