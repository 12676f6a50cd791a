#include "magic/screens/Spellbook_Draw.h"

#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Bitmap_Transforms.h"
#include "Fields.h"
#include "File_Animation.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Palette.h"
#include "Paragraph.h"
#include "Pictures.h"
#include "Video.h"
#include "combat/Combat_Casting_Rules.h"
#include "combat/Combat_Tables.h"
#include "magic/Spellbook_Screen.h"
#include "shell/Graphics_Cache.h"
#include "turn/Magic_Power_Research.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Item_Record.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Type_Record.h"

char g_spellbook_descriptions[SPELLBOOK_DESCRIPTIONS][SPELL_DESCRIPTION_SIZE];
int16_t g_spellbook_anim_stage = 0;

namespace {

constexpr int16_t SMALL_PAGE_WIDTH = 122;
constexpr int16_t SMALL_PAGE_HEIGHT = 134;
constexpr int16_t SMALL_LINE_HEIGHT = 22;
constexpr int16_t SMALL_BOOK_TURN_X = 16;
constexpr int16_t SMALL_BOOK_TURN_Y = 10;
constexpr int16_t TURNING_WIDTH = 122;
constexpr int16_t TURNING_HEIGHT = 175;
constexpr int MAX_SYMBOLS = 40;
constexpr int16_t WIZARD_CASTER_BASE = 20;
constexpr int16_t SEA_BATTLE = 6;
constexpr uint8_t SPELL_TYPE_SUMMONING = 0;
constexpr uint8_t SPELL_TYPE_CITY = 2;
constexpr uint8_t SPELL_TYPE_ITEM = 11;
constexpr uint16_t SMALL_BITMAP_PARAGRAPHS = 1050;
constexpr uint16_t TURN_BITMAP_PARAGRAPHS = 1400;
constexpr uint16_t BIG_BITMAP_PARAGRAPHS = 1800;
constexpr int BOOK_PICTURE = 0;
constexpr int LEFT_CORNER = 1;
constexpr int RIGHT_CORNER = 2;
constexpr int FIRST_SYMBOL = 3;
constexpr int BLANK_PAGE = 9;

// A page curls over four frames: each frame shifts column runs of the scaled page vertically
// (x0, y0)-(x1, y1) and is drawn at a place of its own.
struct Shear {
    int16_t x0, y0, x1, y1;
};
struct Curl_Frame {
    Shear segments[8];
    int count;
    int16_t x, y;
};

const Curl_Frame SMALL_CURL[4] = {
    {{{0, 0, 3, -4},
      {4, -5, 9, -10},
      {10, -11, 21, -16},
      {22, -16, 32, -19},
      {33, -19, 40, -19},
      {41, -18, 62, -13},
      {63, -12, 101, 5}},
     7,
     164,
     -18},
    {{{0, 0, 5, -8},
      {6, -11, 16, -21},
      {17, -22, 26, -27},
      {27, -27, 38, -29},
      {39, -29, 49, -27},
      {50, -26, 61, -21},
      {62, -20, 70, -12}},
     7,
     164,
     -20},
    {{{0, -16, 9, -25},
      {10, -25, 17, -29},
      {18, -29, 29, -32},
      {30, -33, 40, -30},
      {41, -29, 52, -25},
      {53, -24, 63, -14},
      {64, -12, 70, 0}},
     7,
     87,
     -18},
    {{{0, 0, 31, -16},
      {32, -16, 47, -22},
      {48, -22, 68, -27},
      {69, -27, 82, -23},
      {83, -23, 92, -18},
      {93, -18, 101, -10}},
     6,
     51,
     -12},
};
const int16_t SMALL_SCALE[4] = {85, 55, 55, 85};

const Curl_Frame BIG_CURL[4] = {
    {{{0, 0, 4, -6},
      {5, -7, 12, -12},
      {13, -13, 29, -19},
      {30, -19, 41, -19},
      {42, -19, 67, -14},
      {68, -13, 84, -7},
      {85, -6, 115, 8}},
     7,
     165,
     -24},
    {{{0, -4, 5, -9},
      {6, -10, 14, -18},
      {15, -19, 32, -26},
      {33, -26, 42, -28},
      {43, -28, 56, -25},
      {57, -25, 69, -18},
      {70, -18, 76, -12}},
     7,
     165,
     -26},
    {{{0, -20, 6, -25},
      {7, -25, 16, -30},
      {17, -30, 24, -32},
      {25, -32, 32, -33},
      {33, -33, 47, -29},
      {48, -29, 61, -21},
      {62, -20, 70, -12},
      {71, -11, 75, 0}},
     8,
     80,
     -20},
    {{{0, 0, 36, -18},
      {37, -18, 64, -26},
      {65, -26, 73, -27},
      {74, -27, 84, -26},
      {85, -25, 92, -23},
      {93, -22, 102, -18},
      {103, -17, 115, -6}},
     7,
     39,
     -22},
};
const int16_t BIG_SCALE[4] = {90, 60, 60, 90};

// Archive pictures are drawn into this bitmap before they are copied into a page.
constexpr int SCRATCH_PIXELS = 160 * 200;
uint8_t m_scratch[PICTURE_BITMAP_HEADER + SCRATCH_PIXELS];

// The five colours of a font's set, the first and then four of one colour.
void Colours(int16_t style, uint8_t first, uint8_t rest)
{
    uint8_t colours[16];
    std::memset(colours, rest, sizeof colours);
    colours[0] = first;
    Set_Font_Colors_15(style, colours);
    Set_Font_Style(style, 15, 15, 15);
}

void Colours_List(int16_t style, const uint8_t *list, int n)
{
    uint8_t colours[16];
    std::memset(colours, list[n - 1], sizeof colours);
    std::memcpy(colours, list, (size_t)n);
    Set_Font_Colors_15(style, colours);
    Set_Font_Style(style, 15, 15, 15);
}

int16_t Abs16(int16_t v) { return (int16_t)(v < 0 ? -v : v); }

bool Spell_Exists(int16_t spell) { return spell_data_table != nullptr && spell > 0 && spell < NUM_SPELLS; }

const Spellbook_Page *Page_At(int16_t page_idx)
{
    if (page_idx < 0 || page_idx >= m_spellbook_page_count || page_idx >= SPELLBOOK_PAGES_MAX) return nullptr;
    return &m_spellbook_pages[page_idx];
}

// The section of a page's first spell; 0 for an empty page.
int Page_Section(int16_t page_idx)
{
    const Spellbook_Page *page = Page_At(page_idx);
    if (page == nullptr || page->count == 0) return -1;
    int16_t spell = Abs16(page->spells[0]);
    return Spell_Exists(spell) ? spell_data_table[spell].spell_book_category : -1;
}

// A page begins a new section when it is the first or its first spell's section differs from that
// of the page before.
bool Section_Starts(int16_t page_idx) { return page_idx <= 0 || Page_Section(page_idx) != Page_Section(page_idx - 1); }

uint8_t *Small_Picture(int k) { return small_spellbook_seg[k]; }

// Draws an archive picture into bitmap at (x, y); a picture too large for the scratch bitmap is left out.
void Add_Picture(uint8_t *picture, int16_t x, int16_t y, uint8_t *bitmap)
{
    if (picture == nullptr || (uint32_t)FLIC_Get_Width(picture) * FLIC_Get_Height(picture) > SCRATCH_PIXELS) return;
    Draw_Picture_To_Bitmap(picture, m_scratch);
    Clipped_Copy_Bitmap(x, y, bitmap, m_scratch);
}

// Realm symbols in a row from x 1, 6 pixels apart: the first 20 on the row at y, the rest 6 lower.
void Symbols(uint8_t *bitmap, int16_t spell, int16_t count, int16_t y)
{
    int realm = Spell_Exists(spell) ? spell_data_table[spell].magic_realm : 0;
    if (realm < 0 || realm > 5) realm = 0;
    uint8_t *picture = Small_Picture(FIRST_SYMBOL + realm);
    if (picture == nullptr || (uint32_t)FLIC_Get_Width(picture) * FLIC_Get_Height(picture) > SCRATCH_PIXELS) {
        for (int16_t k = 0; k < count && k < MAX_SYMBOLS; k++) {
            int16_t sx = (int16_t)(1 + 6 * (k % 20));
            int16_t sy = (int16_t)(y + 7 + 6 * (k / 20));
            uint8_t dot[PICTURE_BITMAP_HEADER + 16];
            Create_Blank_Picture(4, 4, dot, (uint8_t)(40 + 4 * realm));
            Clipped_Copy_Bitmap(sx, sy, bitmap, dot);
        }
        return;
    }
    Draw_Picture_To_Bitmap(picture, m_scratch);
    for (int16_t k = 0; k < count && k < MAX_SYMBOLS; k++) {
        Clipped_Copy_Bitmap((int16_t)(1 + 6 * (k % 20)), (int16_t)(y + 7 + 6 * (k / 20)), bitmap, m_scratch);
    }
}

void Start_Small_Page(uint8_t *bitmap)
{
    Create_Blank_Picture(SMALL_PAGE_WIDTH, SMALL_PAGE_HEIGHT, bitmap, 0);
    Add_Picture(Small_Picture(BLANK_PAGE), 0, 0, bitmap);
}

// A name and cost line of one slot; greyed draws every colour 26.
void Slot_Texts(uint8_t *bitmap, int16_t spell, int16_t y, const char *cost, bool highlight, bool greyed,
                int16_t cost_right)
{
    if (greyed) {
        Colours(1, 26, 26);
    } else if (highlight) {
        Colours(1, SPELLBOOK_HIGHLIGHT, SPELLBOOK_HIGHLIGHT);
    } else {
        Colours(1, 184, 187);
    }
    Print_To_Bitmap(0, y, spell_data_table[spell].name, bitmap);
    Print_Right_To_Bitmap(cost_right, y, cost, bitmap);
}

int16_t Combat_Limit(int16_t caster)
{
    if (caster >= WIZARD_CASTER_BASE) {
        int16_t player = (int16_t)(caster - WIZARD_CASTER_BASE);
        if (player < 0 || player >= NUM_PLAYERS) return 0;
        const Player_Record &rec = _players[player];
        int16_t multiplier = Combat_Casting_Cost_Multiplier(player);
        int32_t mana = multiplier > 0 ? (int32_t)rec.mana_reserve * 10 / multiplier : 0;
        return (int16_t)(rec.Cmbt_Skill_Left < mana ? rec.Cmbt_Skill_Left : (mana > 32767 ? 32767 : mana));
    }
    if (caster < 0 || caster >= MAX_BATTLE_UNITS || battle_units == nullptr) return 0;
    return battle_units[caster].Mana_Left;
}

bool Summon_Fails_At_Sea(int16_t spell)
{
    if (_combat_structure != SEA_BATTLE || spell_data_table[spell].type != SPELL_TYPE_SUMMONING) return false;
    int type = spell_data_table[spell].Param_Words[0];
    if (type < 0 || type >= NUM_UNIT_TYPES) return true;
    const Unit_Type_Record &unit = _unit_type_table[type];
    return (unit.Move_Flags & MV_FLYING) == 0 && (unit.Abilities & UA_NONCORPOREAL) == 0;
}

void Draw_Clipped(int16_t x, int16_t y, uint8_t *bitmap)
{
    Reset_Window();
    Draw_Picture_Windowed(x, y, bitmap);
}

void Title(int16_t x, int16_t y, const char *title)
{
    if (title == nullptr || title[0] == '\0') return;
    static const uint8_t colours[5] = {53, 46, 46, 46, 46};
    Colours_List(4, colours, 5);
    Print_Centered(x, y, title);
}

// One small page, overland or combat, composed into bitmap.
void Compose_Small(uint8_t *bitmap, const Spellbook_Page *page, bool combat, int16_t caster)
{
    if (page == nullptr) {
        Create_Blank_Picture(SMALL_PAGE_WIDTH, SMALL_PAGE_HEIGHT, bitmap, 0);
        return;
    }
    if (combat) {
        Combat_Spellbook_Compose(bitmap, caster, page);
    } else {
        SmlBook_Compose(bitmap, page);
    }
}

uint8_t *Turning_Picture(uint8_t *turning, const uint8_t *page_bitmap)
{
    Create_Blank_Picture(TURNING_WIDTH, TURNING_HEIGHT, turning, 0);
    Clipped_Copy_Bitmap(0, 48, turning, page_bitmap);
    return turning;
}

void Curl(uint8_t *turning, const Curl_Frame &frame)
{
    for (int s = 0; s < frame.count; s++) {
        const Shear &seg = frame.segments[s];
        Shear_Bitmap_Y(seg.x0, seg.y0, seg.x1, seg.y1, turning);
    }
    Draw_Clipped(frame.x, frame.y, turning);
}

void Description(int16_t block, int16_t slot, char *out)
{
    out[0] = '\0';
    if (block < 0 || block > 3 || slot < 0 || slot >= BIG_BOOK_PER_PAGE) return;
    std::memcpy(out, g_spellbook_descriptions[block * 4 + slot], SPELL_DESCRIPTION_SIZE);
    out[SPELL_DESCRIPTION_SIZE - 1] = '\0';
}

// The description block of a page: 0 and 1 for the shown spread, 2 and 3 for the spread turned to.
int16_t Description_Block(int16_t page_idx)
{
    int16_t d = (int16_t)(page_idx - g_spellbook_left_page);
    switch (d) {
    case 0: return 0;
    case 1: return 1;
    case -2: return 2;
    case -1: return 3;
    default: return (int16_t)(d >= 2 ? ((d % 2) == 0 ? 2 : 3) : 0);
    }
}

void Big_Corners(int16_t left_page)
{
    if (g_spellbook_mode <= 1) return;
    uint8_t *left = LBX_Reload_Next_Picture("SCROLL", 7, _screen_seg);
    uint8_t *right = LBX_Reload_Next_Picture("SCROLL", 8, _screen_seg);
    if (left != nullptr && left_page != 0) FLIC_Draw(15, 9, left);
    if (right != nullptr && left_page < m_spellbook_page_count - 2) FLIC_Draw(289, 9, right);
}

void Draw_Big_Page(int16_t page_idx, int16_t x, int16_t left_layout, uint8_t *bitmap)
{
    if (Page_At(page_idx) == nullptr) return;
    BigBook_Compose(page_idx, bitmap, left_layout);
    Draw_Clipped(x, BIG_BOOK_PAGE_Y, bitmap);
}

}  // namespace

int16_t Spellbook_Turns(int32_t cost, int32_t per_turn)
{
    if (per_turn <= 0) return 999;
    int32_t turns = (cost + per_turn - 1) / per_turn;
    return (int16_t)(turns > 999 ? 999 : turns < 0 ? 0 : turns);
}

void SmlBook_Compose(uint8_t *bitmap, const Spellbook_Page *page)
{
    if (bitmap == nullptr || page == nullptr || spell_data_table == nullptr) return;
    Start_Small_Page(bitmap);
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    Set_Font_LF(0);
    for (int16_t p = 0; p < SPELLBOOK_PAGE_SPELLS; p++) {
        int16_t y = (int16_t)(SMALL_LINE_HEIGHT * p);
        int16_t spell = Abs16(page->spells[p]);
        if (p >= page->count || !Spell_Exists(spell)) {
            Clear_Bitmap_Region(0, y, 121, (int16_t)(y + 17), bitmap);
            continue;
        }
        bool casting = spell == human.casting_spell_idx;
        int16_t cost = casting ? human.casting_cost_remaining : Casting_Cost(HUMAN_PLAYER_IDX, spell, 0);
        int16_t limit = g_spellbook_cast_mana_limit;
        int16_t turns = limit <= 0 ? (int16_t)MAX_SYMBOLS : (int16_t)(cost / limit);
        if (turns > MAX_SYMBOLS) turns = MAX_SYMBOLS;
        if (turns >= 1) {
            Clear_Bitmap_Region(0, (int16_t)(y + 7), (int16_t)(turns > 20 ? 121 : 6 * turns), (int16_t)(y + 17),
                                bitmap);
            Symbols(bitmap, spell, turns, y);
        } else {
            Symbols(bitmap, spell, 1, y);
            int16_t can = human.mana_reserve < human.Skill_Left ? human.mana_reserve : human.Skill_Left;
            if (can >= cost) {
                Colours(1, 184, 187);
                Print_To_Bitmap(9, (int16_t)(y + 7),
                                spell_data_table[spell].type == SPELL_TYPE_ITEM ? "Special" : "Instant", bitmap);
            }
        }
        char text[16];
        if (cost == 0 && spell_data_table[spell].type == SPELL_TYPE_ITEM) {
            snprintf(text, sizeof text, "? MP");
        } else {
            snprintf(text, sizeof text, "%d MP", cost < 0 ? 0 : (int)cost);
        }
        Slot_Texts(bitmap, spell, y, text, casting, false, 121);
    }
}

void Combat_Spellbook_Compose(uint8_t *bitmap, int16_t caster, const Spellbook_Page *page)
{
    if (bitmap == nullptr || page == nullptr || spell_data_table == nullptr) return;
    Start_Small_Page(bitmap);
    bool wizard = caster >= WIZARD_CASTER_BASE;
    int16_t player = (int16_t)(caster - WIZARD_CASTER_BASE);
    const Battle_Unit_Record *unit = !wizard && caster >= 0 && caster < MAX_BATTLE_UNITS && battle_units != nullptr
                                         ? &battle_units[caster]
                                         : nullptr;
    int16_t limit = Combat_Limit(caster);
    int16_t item_spell = 0;
    if (unit != nullptr && unit->Item_Charges > 0) {
        int16_t item = Battle_Unit_Hero_Item(unit->unit_idx, 0);
        item_spell = item >= 0 && _ITEMS != nullptr ? _ITEMS[item].Spell : 0;
    }
    bool defending_city = _combat_environ == cenv_City && _combat_defender_player == HUMAN_PLAYER_IDX;
    for (int16_t p = 0; p < SPELLBOOK_PAGE_SPELLS; p++) {
        int16_t y = (int16_t)(SMALL_LINE_HEIGHT * p);
        int16_t spell = Abs16(page->spells[p]);
        if (p >= page->count || !Spell_Exists(spell)) {
            Clear_Bitmap_Region(0, y, 121, (int16_t)(y + 17), bitmap);
            continue;
        }
        int16_t cost = wizard ? Casting_Cost(player, spell, 1) : spell_data_table[spell].casting_cost;
        int16_t castings = cost > 0 && limit >= cost ? (int16_t)(limit / cost) : 0;
        char text[16];
        snprintf(text, sizeof text, "%d MP", cost < 0 ? 0 : (int)cost);
        if (item_spell != 0 && spell == item_spell) {
            castings = unit->Item_Charges;
            snprintf(text, sizeof text, "Item");
        }
        const uint8_t type = spell_data_table[spell].type;
        if (((type == SPELL_TYPE_CITY || spell == spl_Wall_Of_Stone) && !defending_city) ||
            Summon_Fails_At_Sea(spell) || (spell == spl_Cracks_Call && _combat_structure == SEA_BATTLE)) {
            castings = 0;
        }
        if (cost == 0) {
            castings = MAX_SYMBOLS;
            snprintf(text, sizeof text, "?");
        }
        if (castings > MAX_SYMBOLS) castings = MAX_SYMBOLS;
        if (castings > 0) {
            Clear_Bitmap_Region(0, (int16_t)(y + 7), (int16_t)(castings > 20 ? 121 : 6 * castings), (int16_t)(y + 17),
                                bitmap);
            Symbols(bitmap, spell, castings, y);
        }
        Slot_Texts(bitmap, spell, y, text, false, castings == 0, 120);
    }
}

void SmlBook_Draw(int16_t x, int16_t y)
{
    Mark_Block(_screen_seg);
    uint8_t *page_bitmap = Allocate_Next_Block(_screen_seg, SMALL_BITMAP_PARAGRAPHS);
    Cycle_Palette_Color(SPELLBOOK_HIGHLIGHT, 41, 33, 29, 48, 43, 43, 3);
    if (Small_Picture(BOOK_PICTURE) != nullptr) FLIC_Draw(x, y, Small_Picture(BOOK_PICTURE));
    if (g_spellbook_mode == 1) {
        if (g_spellbook_left_page != 0 && Small_Picture(LEFT_CORNER) != nullptr)
            FLIC_Draw((int16_t)(x + 13), (int16_t)(y + 4), Small_Picture(LEFT_CORNER));
        if (g_spellbook_left_page < m_spellbook_page_count - 2 && Small_Picture(RIGHT_CORNER) != nullptr)
            FLIC_Draw((int16_t)(x + 258), (int16_t)(y + 4), Small_Picture(RIGHT_CORNER));
    }
    for (int16_t side = 0; side < 2; side++) {
        int16_t page_idx = (int16_t)(g_spellbook_left_page + side);
        const Spellbook_Page *page = Page_At(page_idx);
        if (page == nullptr) continue;
        Compose_Small(page_bitmap, page, false, 0);
        Draw_Clipped((int16_t)(x + (side == 0 ? 16 : 148)), (int16_t)(y + 21), page_bitmap);
        Title((int16_t)(x + (side == 0 ? 70 : 208)), (int16_t)(y + 6), page->title);
    }
    Release_Block(_screen_seg);
}

void Combat_Spellbook_Draw(int16_t x, int16_t y, int16_t caster)
{
    Mark_Block(_screen_seg);
    uint8_t *page_bitmap = Allocate_Next_Block(_screen_seg, SMALL_BITMAP_PARAGRAPHS);
    if (Small_Picture(BOOK_PICTURE) != nullptr) FLIC_Draw(x, y, Small_Picture(BOOK_PICTURE));
    for (int16_t side = 0; side < 2; side++) {
        const Spellbook_Page *page = Page_At((int16_t)(g_spellbook_left_page + side));
        if (page == nullptr) continue;
        Combat_Spellbook_Compose(page_bitmap, caster, page);
        Draw_Clipped((int16_t)(x + (side == 0 ? 16 : 148)), (int16_t)(y + 21), page_bitmap);
        Title((int16_t)(x + (side == 0 ? 70 : 208)), (int16_t)(y + 6), page->title);
    }
    Release_Block(_screen_seg);
}

void SmlBook_PageTurn(int16_t forward, int16_t combat, int16_t caster)
{
    // The combat book's screen has its draw registered when the page turns; it is registered again.
    if (combat) Save_Auto_Function();
    Mark_Block(_screen_seg);
    uint8_t *page_bitmap = Allocate_Next_Block(_screen_seg, TURN_BITMAP_PARAGRAPHS);
    uint8_t *turning = Allocate_Next_Block(_screen_seg, TURN_BITMAP_PARAGRAPHS);
    Open_File_Animation("BOOK", 0);
    if (!combat) Cycle_Palette_Color(SPELLBOOK_HIGHLIGHT, 39, 31, 25, 50, 46, 47, 3);
    const int16_t left = g_spellbook_left_page;
    const bool in_casting = g_spellbook_mode == 1;
    for (int16_t pos = 0; pos < 4; pos++) {
        Mark_Time();
        Set_Page_Off();
        Copy_Back_To_Off();
        int16_t under_left = (int16_t)(forward ? left : left - 2);
        if (in_casting && under_left != 0 && Small_Picture(LEFT_CORNER) != nullptr)
            FLIC_Draw((int16_t)(SMALL_BOOK_TURN_X + 13), (int16_t)(SMALL_BOOK_TURN_Y + 4), Small_Picture(LEFT_CORNER));
        if (const Spellbook_Page *page = Page_At(under_left)) {
            Compose_Small(page_bitmap, page, combat != 0, caster);
            Draw_Clipped(32, 31, page_bitmap);
            Title(86, 16, page->title);
        }
        int16_t under_right = (int16_t)(forward ? left + 3 : left + 1);
        if (in_casting && under_right < m_spellbook_page_count && Small_Picture(RIGHT_CORNER) != nullptr)
            FLIC_Draw((int16_t)(SMALL_BOOK_TURN_X + 258), (int16_t)(SMALL_BOOK_TURN_Y + 4),
                      Small_Picture(RIGHT_CORNER));
        if (const Spellbook_Page *page = Page_At(under_right)) {
            Compose_Small(page_bitmap, page, combat != 0, caster);
            Draw_Clipped(164, 31, page_bitmap);
            if (Section_Starts(under_right)) Title(224, 16, page->title);
        }
        if (!forward) Set_File_Animation_Frame((int16_t)(3 - pos));
        Draw_File_Animation();
        int16_t turning_idx = (int16_t)(pos < 2 ? (forward ? left + 1 : left) : (forward ? left + 2 : left - 1));
        if (const Spellbook_Page *page = Page_At(turning_idx)) {
            Compose_Small(page_bitmap, page, combat != 0, caster);
            Turning_Picture(turning, page_bitmap);
            if (Abs16((int16_t)(turning_idx - left)) == 2 || Section_Starts(turning_idx)) {
                static const uint8_t colours[5] = {53, 46, 46, 46, 46};
                Colours_List(4, colours, 5);
                Print_Centered_To_Bitmap(62, 30, page->title, turning);
            }
            Scale_Bitmap(turning, SMALL_SCALE[pos], 100);
            Curl(turning, SMALL_CURL[forward ? pos : 3 - pos]);
        }
        Toggle_Pages();
        Release_Time(2);
    }
    Release_Block(_screen_seg);
    if (combat) {
        Restore_Auto_Function();
    } else {
        Assign_Auto_Function(Spellbook_Screen_Draw, 1);
    }
}

void BigBook_Compose(int16_t page_idx, uint8_t *bitmap, int16_t left_layout)
{
    if (bitmap == nullptr) return;
    Create_Blank_Picture(BIG_BOOK_PAGE_WIDTH, BIG_BOOK_PAGE_HEIGHT, bitmap, 0);
    const Spellbook_Page *page = Page_At(page_idx);
    if (page == nullptr || spell_data_table == nullptr) return;
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    const bool research_page = page_idx >= g_first_research_page;
    const int16_t block = Description_Block(page_idx);
    Set_Font_LF(0);
    for (int16_t j = 0; j < page->count && j < BIG_BOOK_PER_PAGE; j++) {
        int16_t signed_spell = page->spells[j];
        int16_t spell = Abs16(signed_spell);
        if (!Spell_Exists(spell)) continue;
        int16_t y = (int16_t)(BIG_BOOK_LINE_HEIGHT * j);
        bool known = signed_spell > 0;
        bool highlight = spell == human.researching_spell_idx;
        int16_t name_font = known ? 4 : 7;
        Colours(name_font, highlight ? SPELLBOOK_HIGHLIGHT : 186, highlight ? SPELLBOOK_HIGHLIGHT : 186);
        Print_To_Bitmap(0, (int16_t)(y + 48), spell_data_table[spell].name, bitmap);
        char text[64];
        if (!research_page) {
            int16_t cost = Casting_Cost(HUMAN_PLAYER_IDX, spell, 0);
            int16_t turns = Spellbook_Turns(cost, g_spellbook_cast_mana_limit);
            snprintf(text, sizeof text, "Casting Cost:%d (%d %s", (int)cost, (int)turns,
                     turns == 1 ? "turn)" : "turns)");
        } else {
            int32_t value = highlight                       ? human.research_cost_remaining
                            : spell == spl_Spell_Of_Mastery ? human.som_research_cost
                                                            : spell_data_table[spell].research_cost;
            int realm = spell_data_table[spell].magic_realm;
            int16_t income = realm >= 0 && realm < 6 ? g_research_income_by_realm[realm] : 0;
            int16_t turns = Spellbook_Turns(value, income);
            snprintf(text, sizeof text, "Research Cost:%d (%d %s", (int)value, (int)turns,
                     turns == 1 ? "turn)" : "turns)");
        }
        int16_t cost_font = known ? 0 : 6;
        if (highlight) {
            Colours(cost_font, SPELLBOOK_HIGHLIGHT, SPELLBOOK_HIGHLIGHT);
        } else {
            Colours(cost_font, 184, 185);
        }
        Print_To_Bitmap(0, (int16_t)(y + 59), text, bitmap);
        char description[SPELL_DESCRIPTION_SIZE];
        Description(block, j, description);
        if (description[0] != '\0') {
            Set_Font_Spacing(1);
            Colours(0, 184, 185);
            Print_Paragraph_To_Bitmap(0, (int16_t)(y + 65), 128, description, 0, bitmap);
        }
    }
    bool spell_page = page_idx < g_first_research_page;
    bool show_title = page->title[0] != '\0';
    if (spell_page && page->count == 0) show_title = false;
    if (spell_page && page_idx != g_spellbook_left_page && Abs16((int16_t)(page_idx - g_spellbook_left_page)) != 2 &&
        !Section_Starts(page_idx))
        show_title = false;
    if (show_title) {
        static const uint8_t colours[6] = {184, 55, 47, 39, 46, 46};
        Colours_List(5, colours, 6);
        Print_Centered_To_Bitmap((int16_t)(left_layout ? 66 : 58), 30, page->title, bitmap);
    }
}

void BigBook_Draw(void)
{
    g_spellbook_anim_stage = (int16_t)((g_spellbook_anim_stage + 1) % 8);
    Cycle_Palette_Color(SPELLBOOK_HIGHLIGHT, 29, 41, 63, 44, 56, 63, 2);
    Mark_Block(_screen_seg);
    uint8_t *bitmap = Allocate_Next_Block(_screen_seg, BIG_BITMAP_PARAGRAPHS);
    Reset_Window();
    Set_Page_Off();
    Copy_Back_To_Off();
    Big_Corners(g_spellbook_left_page);
    Draw_Big_Page(g_spellbook_left_page, BIG_BOOK_LEFT_X, 1, bitmap);
    Draw_Big_Page((int16_t)(g_spellbook_left_page + 1), BIG_BOOK_RIGHT_X, 0, bitmap);
    if (g_spellbook_mode == 0) {
        Set_Outline_Color(1);
        Colours(5, 184, 184);
        Set_Font_Style_Outline_Heavy(5, 15, 15, 15);
        Print(43, 183, "Choose a new spell to research");
    }
    Release_Block(_screen_seg);
}

void BigBook_PageTurn(int16_t direction)
{
    Mark_Block(_screen_seg);
    uint8_t *bitmap = Allocate_Next_Block(_screen_seg, BIG_BITMAP_PARAGRAPHS);
    uint8_t *turning = Allocate_Next_Block(_screen_seg, BIG_BITMAP_PARAGRAPHS);
    Open_File_Animation("BOOK", 1);
    const int16_t left = g_spellbook_left_page;
    const bool backward = direction == 0;
    const bool jump = direction == BIG_BOOK_TO_RESEARCH;
    for (int16_t pos = 0; pos < 4; pos++) {
        Mark_Time();
        Reset_Window();
        Set_Page_Off();
        Copy_Back_To_Off();
        int16_t under_left = (int16_t)(backward ? left - 2 : left);
        int16_t under_right = (int16_t)(jump ? g_first_research_page + 1 : backward ? left + 1 : left + 3);
        if (g_spellbook_mode > 1) {
            Mark_Block(_screen_seg);
            uint8_t *left_corner = LBX_Reload_Next_Picture("SCROLL", 7, _screen_seg);
            uint8_t *right_corner = LBX_Reload_Next_Picture("SCROLL", 8, _screen_seg);
            if (left_corner != nullptr && under_left != 0) FLIC_Draw(15, 9, left_corner);
            if (right_corner != nullptr && under_right < m_spellbook_page_count - 2) FLIC_Draw(289, 9, right_corner);
            Release_Block(_screen_seg);
        }
        Draw_Big_Page(under_left, BIG_BOOK_LEFT_X, 1, bitmap);
        Draw_Big_Page(under_right, BIG_BOOK_RIGHT_X, 0, bitmap);
        if (backward) Set_File_Animation_Frame((int16_t)(3 - pos));
        Draw_File_Animation();
        int16_t turning_idx;
        int16_t left_layout;
        if (pos < 2) {
            turning_idx = backward ? left : (int16_t)(left + 1);
            left_layout = backward ? 1 : 0;
        } else {
            turning_idx = backward ? (int16_t)(left - 1) : jump ? g_first_research_page : (int16_t)(left + 2);
            left_layout = backward ? 0 : 1;
        }
        if (Page_At(turning_idx) != nullptr) {
            BigBook_Compose(turning_idx, turning, left_layout);
            Scale_Bitmap(turning, BIG_SCALE[pos], 100);
            Curl(turning, BIG_CURL[backward ? 3 - pos : pos]);
        }
        Toggle_Pages();
        Release_Time(2);
    }
    Release_Block(_screen_seg);
}

void BigBook_Load_Spell_Descriptions(int16_t target_left_page)
{
    std::memset(g_spellbook_descriptions, 0, sizeof g_spellbook_descriptions);
    const int16_t pages[4] = {g_spellbook_left_page, (int16_t)(g_spellbook_left_page + 1), target_left_page,
                              (int16_t)(target_left_page + 1)};
    for (int block = 0; block < 4; block++) {
        const Spellbook_Page *page = Page_At(pages[block]);
        if (page == nullptr) continue;
        for (int j = 0; j < BIG_BOOK_PER_PAGE && j < page->count; j++) {
            int16_t spell = Abs16(page->spells[j]);
            if (!Spell_Exists(spell)) continue;
            LBX_Load_Data_Static("DESC", 0, reinterpret_cast<uint8_t *>(g_spellbook_descriptions[block * 4 + j]), spell,
                                 1, SPELL_DESCRIPTION_SIZE);
            g_spellbook_descriptions[block * 4 + j][SPELL_DESCRIPTION_SIZE - 1] = '\0';
        }
    }
}
