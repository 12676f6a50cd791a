#include "turn/screens/Chancellor_Screen.h"

#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Dialog_Boxes.h"
#include "Fields.h"
#include "File_Animation.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "LBX_Pictures.h"
#include "Palette.h"
#include "STU_Log.h"
#include "Video.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Map_Window.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "turn/Chancellor_Report.h"
#include "turn/Report_Queues.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Record.h"
#include "world/Events_Record.h"
#include "world/Item_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Death.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

int16_t _scroll_text_top = 0;
int16_t _scroll_start_x = 0;
int16_t _scroll_text_height = 0;
int16_t m_report_scroll_text_height = 0;

namespace {

constexpr const char *SCROLL_LBX = "SCROLL";
constexpr int16_t SCROLL_UP_ARROW = 0;
constexpr int16_t SCROLL_DOWN_ARROW = 1;
constexpr int16_t SCROLL_UNROLL = 2;
constexpr int16_t SCROLL_PAPER = 5;

constexpr int16_t PAPER_X = 62;
constexpr int16_t PAPER_Y = 29;
constexpr int16_t BODY_X = 70;
constexpr int16_t WIDE_HEADING_X = 165;
constexpr int16_t HEADING_X = 158;
constexpr char PIECE_BREAK = '\t';  // the pieces of a line are printed one pixel apart

const uint8_t m_heading_colors[16] = {240, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47};
const uint8_t m_body_colors[16] = {247, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55};

struct Screen_Pictures {
    uint8_t *paper;
    uint8_t *up_arrow;
    uint8_t *down_arrow;
};
Screen_Pictures m_pictures;

bool Valid_City(int idx) { return _CITIES != nullptr && idx >= 0 && idx < NUM_CITIES && idx < _cities; }

// A fixed-width name field copied out to a terminated text.
void Copy_Name(char *out, size_t size, const char *name, size_t width)
{
    size_t n = 0;
    while (n < width && n + 1 < size && name[n] != '\0') {
        out[n] = name[n];
        ++n;
    }
    out[n] = '\0';
}

void City_Name(int idx, char *out, size_t size)
{
    out[0] = '\0';
    if (Valid_City(idx)) Copy_Name(out, size, _CITIES[idx].name, sizeof _CITIES[idx].name);
}

int City_Population(int idx) { return Valid_City(idx) ? _CITIES[idx].population : 0; }

void Unit_Type_Name(int type, char *out, size_t size)
{
    out[0] = '\0';
    if (type >= 0 && type < NUM_UNIT_TYPES && _unit_type_table[type].name != nullptr) {
        Copy_Name(out, size, _unit_type_table[type].name, size);
    }
}

void Spell_Name(int idx, char *out, size_t size)
{
    out[0] = '\0';
    if (spell_data_table != nullptr && idx >= 0 && idx < NUM_SPELLS) {
        Copy_Name(out, size, spell_data_table[idx].name, sizeof spell_data_table[idx].name);
    }
}

void Building_Name(int idx, char *out, size_t size)
{
    out[0] = '\0';
    if (bldg_data_table != nullptr && idx >= 0 && idx < NUM_BUILDING_TYPES) {
        Copy_Name(out, size, bldg_data_table[idx].name, sizeof bldg_data_table[idx].name);
    }
}

int Queue_Count(int32_t count, int32_t max)
{
    if (count < 0) return 0;
    return count > max ? max : count;
}

bool Event_In_Force(int word) { return events_table != nullptr && events_table->words[word] == EVENT_STATE_LASTING; }

const char *const m_lost_reasons[] = {
    " - deserted: lack of food.",
    " - deserted: lack of gold.",
    " - dispelled: lack of mana.",
    " deserted to make room for new units",
    " drowned because unit carrying it was destroyed.",
};

// Lays the rows out top to bottom as the scroll shows them.
struct Text_Writer {
    Chancellor_Text_Row *rows;
    int16_t count;
    int16_t r;

    void Add(int16_t kind, int16_t x, int16_t row, const char *text)
    {
        if (count >= CHANCELLOR_TEXT_ROWS_MAX) return;
        Chancellor_Text_Row &out = rows[count++];
        out.kind = kind;
        out.x = x;
        out.row = row;
        std::snprintf(out.text, sizeof out.text, "%s", text);
    }
    void Heading(int16_t x, const char *text)
    {
        Add(crk_Heading, x, r, text);
        r = (int16_t)(r + 11);
    }
    void Body(const char *text)
    {
        Add(crk_Body, BODY_X, r, text);
        r = (int16_t)(r + 7);
    }
    void End_Section() { r = (int16_t)(r + 2); }
};

void Events_Section(Text_Writer &w)
{
    if (Chancellor_Events_In_Force() == 0) return;
    w.Heading(WIDE_HEADING_X, "RANDOM EVENTS");
    char name[32];
    char line[CHANCELLOR_TEXT_SIZE];
    if (Event_In_Force(ev_Plague_State) && events_table->words[ev_Plague_Player] == HUMAN_PLAYER_IDX) {
        City_Name(events_table->words[ev_Plague_City], name, sizeof name);
        std::snprintf(line, sizeof line, "Plague in %s", name);
        w.Body(line);
    }
    if (Event_In_Force(ev_Population_Boom_State) &&
        events_table->words[ev_Population_Boom_Player] == HUMAN_PLAYER_IDX) {
        City_Name(events_table->words[ev_Population_Boom_City], name, sizeof name);
        std::snprintf(line, sizeof line, "Population Boom in %s", name);
        w.Body(line);
    }
    const struct {
        int word;
        const char *text;
    } world_wide[] = {
        {ev_Good_Moon_State, "Good Moon"},
        {ev_Bad_Moon_State, "Bad Moon"},
        {ev_Red_Conjunction_State, "Red Conjunction"},
        {ev_Green_Conjunction_State, "Green Conjunction"},
        {ev_Blue_Conjunction_State, "Blue Conjunction"},
        {ev_Mana_Short_State, "Mana Short"},
    };
    for (const auto &event : world_wide) {
        if (Event_In_Force(event.word)) w.Body(event.text);
    }
    w.End_Section();
}

void Disbanded_Section(Text_Writer &w)
{
    int n = Queue_Count(msg_unit_lost_ctr, MSG_UNIT_LOST_MAX);
    if (n == 0) return;
    w.Heading(WIDE_HEADING_X, "UNITS DISBANDED");
    for (int i = 0; i < n; ++i) {
        char name[40];
        char line[CHANCELLOR_TEXT_SIZE];
        Unit_Type_Name(msg_unit_lost[i].unit_type, name, sizeof name);
        int16_t reason = msg_unit_lost[i].reason;
        const char *why = reason >= 0 && reason < (int16_t)(sizeof m_lost_reasons / sizeof m_lost_reasons[0])
                              ? m_lost_reasons[reason]
                              : "";
        std::snprintf(line, sizeof line, "%s%s", name, why);
        w.Body(line);
    }
    w.End_Section();
}

void Killed_Section(Text_Writer &w)
{
    int n = Queue_Count(MSG_UnitKilled_Count, REPORT_QUEUE_MAX);
    if (n == 0) return;
    w.Heading(WIDE_HEADING_X, "UNITS KILLED");
    for (int i = 0; i < n; ++i) {
        const Msg_Unit_Killed &entry = MSG_UnitKilled_Array[i];
        char name[40];
        char spell[32];
        char city[32];
        char line[CHANCELLOR_TEXT_SIZE];
        if (entry.unit_type >= 0 && entry.unit_type < NUM_HERO_TYPES && hero_names_table != nullptr) {
            Copy_Name(name, sizeof name, hero_names_table[entry.unit_type].name,
                      sizeof hero_names_table[entry.unit_type].name);
        } else {
            Unit_Type_Name(entry.unit_type, name, sizeof name);
        }
        Spell_Name(entry.spell_idx, spell, sizeof spell);
        if (entry.city_idx >= 0) {
            City_Name(entry.city_idx, city, sizeof city);
            std::snprintf(line, sizeof line, "%s killed by %s in %s", name, spell, city);
        } else {
            std::snprintf(line, sizeof line, "%s killed by %s", name, spell);
        }
        w.Body(line);
    }
    w.End_Section();
}

void Population_Section(Text_Writer &w, const char *heading, const uint8_t *cities, int count, const char *middle)
{
    int n = Queue_Count(count, REPORT_QUEUE_MAX);
    if (n == 0) return;
    w.Heading(HEADING_X, heading);
    for (int i = 0; i < n; ++i) {
        char name[32];
        char line[CHANCELLOR_TEXT_SIZE];
        City_Name(cities[i], name, sizeof name);
        std::snprintf(line, sizeof line, "%s%c%s%c%d", name, PIECE_BREAK, middle, PIECE_BREAK,
                      City_Population(cities[i]));
        w.Body(line);
    }
    w.End_Section();
}

void Buildings_Section(Text_Writer &w)
{
    int n = Queue_Count(MSG_BldLost_Count, REPORT_QUEUE_MAX);
    if (n == 0) return;
    w.Heading(HEADING_X, "Destroyed Buildings");
    for (int i = 0; i < n; ++i) {
        char city[32];
        char building[32];
        char line[CHANCELLOR_TEXT_SIZE];
        City_Name(MSG_BldLost_Array[i].city_idx, city, sizeof city);
        Building_Name(MSG_BldLost_Array[i].bldg_idx, building, sizeof building);
        std::snprintf(line, sizeof line, "%s has lost its %s", city, building);
        w.Body(line);
    }
    w.End_Section();
}

void Dissipated_Sections(Text_Writer &w)
{
    int units = Queue_Count(MSG_UEsLost_Count, REPORT_QUEUE_MAX);
    if (units > 0) {
        w.Heading(HEADING_X, "UNIT SPELLS DISSIPATED");
        for (int i = 0; i < units; ++i) {
            char name[40];
            Unit_Type_Name(MSG_UEsLost_Array[i], name, sizeof name);
            w.Body(name);
        }
        w.End_Section();
    }
    int cities = Queue_Count(MSG_CEsLost_Count, REPORT_QUEUE_MAX);
    if (cities > 0) {
        w.Heading(HEADING_X, "CITY SPELLS DISSIPATED");
        for (int i = 0; i < cities; ++i) {
            char name[32];
            City_Name(MSG_CEsLost_Array[i], name, sizeof name);
            w.Body(name);
        }
        w.End_Section();
    }
    if (MSG_GEs_Lost != 0) {
        w.Add(crk_Heading, HEADING_X, w.r, "GLOBAL SPELLS DISSIPATED");
        w.r = (int16_t)(w.r + 13);
    }
}

// A body line: its pieces one pixel after each other.
void Print_Body(int16_t x, int16_t y, const char *text)
{
    char piece[CHANCELLOR_TEXT_SIZE];
    const char *at = text;
    while (true) {
        const char *end = std::strchr(at, PIECE_BREAK);
        size_t length = end != nullptr ? (size_t)(end - at) : std::strlen(at);
        if (length >= sizeof piece) length = sizeof piece - 1;
        std::memcpy(piece, at, length);
        piece[length] = '\0';
        x = (int16_t)(Print(x, y, piece) + 1);
        if (end == nullptr) break;
        at = end + 1;
    }
}

void Outpost_Warning(const char *text)
{
    if (Window_Shown()) {
        Warn0(text);
    } else {
        STU_LOG(SEV_INFO, LC_GENERAL, "%s", text);
    }
}

void Outpost_Warnings(void)
{
    char text[CHANCELLOR_TEXT_SIZE];
    int lost = Queue_Count(MSG_CityLost_Count, REPORT_QUEUE_MAX);
    for (int i = 0; i < lost; ++i) {
        char name[REPORT_OUTPOST_NAME_SIZE + 1];
        Copy_Name(name, sizeof name, MSG_CityLost_Names[i], REPORT_OUTPOST_NAME_SIZE);
        std::snprintf(text, sizeof text, "The outpost of %s has been deserted.", name);
        Outpost_Warning(text);
    }
    int gained = Queue_Count(MSG_CityGained_Count, REPORT_QUEUE_MAX);
    for (int i = 0; i < gained; ++i) {
        char name[32];
        City_Name(MSG_CityGained_Array[i], name, sizeof name);
        std::snprintf(text, sizeof text, "The outpost of %s has grown into a hamlet.", name);
        Outpost_Warning(text);
    }
}

// The main screen, the paper and the text clipped to the rows the scroll has opened.
void Unroll_Frame(int16_t from_advisor, int16_t frame)
{
    Set_Page_Off();
    Copy_Back_To_Off();
    Set_Window(0, (int16_t)(88 - 4 * frame), 319, (int16_t)(108 + 4 * frame));
    if (m_pictures.paper != nullptr) Clipped_Draw(PAPER_X, PAPER_Y, m_pictures.paper);
    Chancellor_Screen_Scroll_Draw__WIP(from_advisor);
    Reset_Window();
    Set_File_Animation_Frame(frame);
    Draw_File_Animation();
}

// The main screen under the scroll, as the unrolling started from it.
uint8_t m_main_screen[SCREEN_SIZE];

// The finished scroll again, with the text at the present text top: the paper as the last frame of
// the unrolling left it, the text within its shown rows, the rolled ends over both.
void Redraw_Finished_Scroll(int16_t from_advisor)
{
    int16_t last_frame = (int16_t)((_scroll_text_height + 7) / 8 - 1);
    Set_Page_Off();
    std::memcpy(draw_page, m_main_screen, SCREEN_SIZE);
    Set_Window(0, (int16_t)(88 - 4 * last_frame), 319, (int16_t)(108 + 4 * last_frame));
    if (m_pictures.paper != nullptr) Clipped_Draw(PAPER_X, PAPER_Y, m_pictures.paper);
    Set_Window(0, _scroll_start_x, 319, (int16_t)(_scroll_start_x + _scroll_text_height - 1));
    Chancellor_Screen_Scroll_Draw__WIP(from_advisor);
    Reset_Window();
    Set_File_Animation_Frame(last_frame);
    Draw_File_Animation();
    Copy_Off_To_Back();
}

// "U" and "D" move the text a line a step, never past its first or last shown row.
void Scroll_Text(int16_t from_advisor, int16_t step)
{
    int16_t lowest = (int16_t)(CHANCELLOR_SHOWN_HEIGHT_MAX - m_report_scroll_text_height);
    int16_t top = (int16_t)(_scroll_text_top + step);
    if (top < lowest) top = lowest;
    if (top > 0) top = 0;
    if (top == _scroll_text_top) return;
    _scroll_text_top = top;
    Redraw_Finished_Scroll(from_advisor);
}

}  // namespace

int16_t Chancellor_Report_Text(int16_t from_advisor, Chancellor_Text_Row *rows)
{
    Text_Writer w{rows, 0, 0};
    if (from_advisor != 0) Events_Section(w);
    Disbanded_Section(w);
    Killed_Section(w);
    Population_Section(w, "CITY GROWTH", MSG_CityGrowth_Array, MSG_CityGrowth_Count, " has grown to a population of ");
    Population_Section(w, "CITY DEATHS", MSG_CityDeath_Array, MSG_CityDeath_Count, " now has a population of ");
    Buildings_Section(w);
    Dissipated_Sections(w);
    if (w.count == 0 && from_advisor != 0) {
        w.Add(crk_Heading, HEADING_X, w.r, "NO EVENTS THIS MONTH");
    }
    return w.count;
}

void Chancellor_Screen_Load(void)
{
    Allocate_Reduced_Map();
    MainScr_Create_Reduced_Map_Picture();
    m_pictures.paper = LBX_Reload_Next_Picture(SCROLL_LBX, SCROLL_PAPER, _screen_seg);
    m_pictures.up_arrow = LBX_Reload_Next_Picture(SCROLL_LBX, SCROLL_UP_ARROW, _screen_seg);
    m_pictures.down_arrow = LBX_Reload_Next_Picture(SCROLL_LBX, SCROLL_DOWN_ARROW, _screen_seg);
}

void Chancellor_Screen_Draw(void)
{
    Set_Page_Off();
    Copy_Back_To_Off();
    if (_scroll_text_top < 0 && m_pictures.up_arrow != nullptr) FLIC_Draw(156, 13, m_pictures.up_arrow);
    if (CHANCELLOR_SHOWN_HEIGHT_MAX - m_report_scroll_text_height < _scroll_text_top &&
        m_pictures.down_arrow != nullptr) {
        FLIC_Draw(156, 172, m_pictures.down_arrow);
    }
}

void Chancellor_Screen_Scroll_Draw__WIP(int16_t from_advisor)
{
    static Chancellor_Text_Row rows[CHANCELLOR_TEXT_ROWS_MAX];
    int16_t count = Chancellor_Report_Text(from_advisor, rows);
    int16_t top = (int16_t)(_scroll_start_x + _scroll_text_top);
    for (int16_t i = 0; i < count; ++i) {
        const Chancellor_Text_Row &row = rows[i];
        int16_t y = (int16_t)(top + row.row);
        if (row.kind == crk_Heading) {
            Set_Font_Colors_15(4, m_heading_colors);
            Set_Font_Style(4, 15, 15, 15);
            Print_Centered(row.x, y, row.text);
        } else {
            Set_Font_Colors_15(1, m_body_colors);
            Set_Font_Style(1, 15, 15, 15);
            Set_Font_Spacing_Width(2);
            Print_Body(row.x, y, row.text);
        }
    }
}

void Chancellor_Screen__WIP(int16_t from_advisor)
{
    _scroll_text_top = 0;
    Chancellor_Screen_Load();
    Reset_Map_Draw();
    Main_Screen_Draw();
    Copy_Off_To_Back();

    Outpost_Warnings();

    Chancellor_Report_Size size{};
    if (Chancellor_Report_Measure(from_advisor, &size) == 0) {
        Main_Screen_Draw();
        return;
    }
    m_report_scroll_text_height = size.full_height;
    _scroll_text_height = size.shown_height;
    _scroll_start_x = size.text_top_row;

    Main_Screen_Draw();
    Copy_Off_To_Back();
    std::memcpy(m_main_screen, draw_page, SCREEN_SIZE);
    Open_File_Animation(SCROLL_LBX, SCROLL_UNROLL);
    for (int16_t frame = 0; frame < (_scroll_text_height + 7) / 8; ++frame) {
        Mark_Time();
        Unroll_Frame(from_advisor, frame);
        if (frame == 0) {
            Apply_Palette();
            PageFlip_Dissolve();
        } else {
            Page_Flip();
        }
        Release_Time(1);
    }
    Set_Page_Off();
    Copy_Off_To_Back();

    Clear_Fields();
    int16_t up = 0;  // no field: input is never 0 here
    int16_t down = 0;
    if (m_report_scroll_text_height >= CHANCELLOR_SHOWN_HEIGHT_MAX + 1) {
        up = Add_Hidden_Field(28, 9, 288, 25, "U", -1);
        down = Add_Hidden_Field(28, 170, 288, 190, "D", -1);
    }
    int16_t close = Add_Hidden_Field(0, 0, 319, 199, "\x1B", -1);
    Assign_Auto_Function(Chancellor_Screen_Draw, 1);
    Set_Input_Delay(1);
    int frames = 0;
    bool leave = false;
    while (!leave) {
        Mark_Time();
        int16_t input = Get_Input();
        if (quit_game_flag || (input != 0 && (input == close || input == -close))) {
            leave = true;
        } else {
            if (input != 0 && (input == up || input == -up)) Scroll_Text(from_advisor, CHANCELLOR_LINE_HEIGHT);
            if (input != 0 && (input == down || input == -down)) Scroll_Text(from_advisor, -CHANCELLOR_LINE_HEIGHT);
            Chancellor_Screen_Draw();
            PageFlip_FX();
            Release_Time(1);
            if (Unattended_Frame_Done(&frames)) leave = true;
        }
    }
    Deactivate_Auto_Function();
    Clear_Fields();
    Reset_Window();
    Reset_Map_Draw();
    Main_Screen_Draw();
}
