#include "overland/Surveyor_Screen.h"

#include <cstdio>
#include <cstring>

#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "Mouse.h"
#include "Paragraph.h"
#include "Pictures.h"
#include "STU_Log.h"
#include "Video.h"
#include "cities/Outposts.h"
#include "overland/Game_Resources.h"
#include "overland/Main_Screen.h"
#include "overland/Plane_Button.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Map_Window.h"
#include "shell/Reduced_Map.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Site_Evaluation.h"
#include "world/Square_Queries.h"
#include "world/Unit_Type_Record.h"

Survey_Texts m_survey_texts;
char survey_near_alloc_1_100[100];
char survey_near_alloc_2_50[50];
char survey_near_alloc_3_50[50];

namespace {

enum Survey_Terrain : int16_t {
    stt_None = -1,
    stt_Ocean = 0,
    stt_Grasslands,
    stt_Forest,
    stt_Mountain,
    stt_Desert,
    stt_Swamp,
    stt_Tundra,
    stt_Shore,
    stt_River_Mouth,
    stt_Hills,
    stt_River,
    stt_Volcano,
};

struct Terrain_Lines {
    const char *name;
    const char *first;
    const char *second;
};
const Terrain_Lines m_terrain_lines[12] = {
    {"Ocean", "", ""},
    {"Grasslands", "1   1/2 food", ""},
    {"Forest", "1/2 food", "+3% production"},
    {"Mountain", "+5% production", ""},
    {"Desert", "+3% production", ""},
    {"Swamp", "1/2 food", ""},
    {"Tundra", "", ""},
    {"Shore", "1/2 food", "+10% gold"},
    {"River Mouth", "1/2 food", "+30% gold"},
    {"Hills", "1/2 food", "+3% production"},
    {"River", "2 food", "+20% gold"},
    {"Volcano", "", ""},
};

struct Feature_Lines {
    int16_t code;
    const char *name;
    const char *effect;
};
const Feature_Lines m_feature_lines[11] = {
    {1, "Iron Ore", "Reduces normal unit cost by 5%"},
    {2, "Coal", "Reduces normal unit cost by 10%"},
    {3, "Silver Ore", "+2 gold"},
    {4, "Gold Ore", "+3 gold"},
    {5, "Gems", "+5 gold"},
    {6, "Mithril Ore", "+1 power"},
    {7, "Adamantium Ore", "+2 power"},
    {8, "Quork Crystals", "+3 power"},
    {9, "Crysx Crystals", "+5 power"},
    {64, "Wild Game", "+2 food"},
    {128, "Nightshade", "Protects city from spells"},
};

const char *const m_cannot_build_reasons[6] = {
    "", "on water.", "on lairs.", "on towers.", "on magic nodes.", "less than 3 squares from any other city.",
};

constexpr int16_t MAP_GRID_X = 0;
constexpr int16_t MAP_GRID_Y = 20;
constexpr int16_t MAP_CELL_WIDTH = 20;
constexpr int16_t MAP_CELL_HEIGHT = 18;
constexpr int16_t MAP_COLUMNS = 12;
constexpr int16_t MAP_ROWS = 10;
constexpr int16_t REDUCED_X = 251;
constexpr int16_t REDUCED_Y = 21;
constexpr int16_t REDUCED_WIDTH = 58;
constexpr int16_t REDUCED_HEIGHT = 30;
constexpr uint8_t CORRUPTION_FLAG = 0x20;
constexpr uint8_t MINERAL_MASK = 0x0F;
constexpr uint8_t WILD_GAME_FLAG = 0x40;
constexpr uint8_t NIGHTSHADE_FLAG = 0x80;
constexpr uint8_t LAIR_GUARDS_KNOWN = 0x02;
constexpr uint8_t LAIR_SECOND_GUARDS_KNOWN = 0x04;

int16_t m_map_grid_field = -1000;
int16_t m_reduced_grid_field = -1000;
int16_t m_cancel_button = -1000;
int16_t m_map_grid_x, m_map_grid_y;
int16_t m_reduced_grid_x, m_reduced_grid_y;

// Prints and keeps the text for checking.
void Note(const char *text)
{
    if (m_survey_texts.count >= SURVEY_TEXTS_MAX) return;
    snprintf(m_survey_texts.text[m_survey_texts.count++], SURVEY_TEXT_SIZE, "%s", text);
}
void Survey_Centered(int16_t x, int16_t y, const char *text)
{
    Note(text);
    Print_Centered(x, y, text);
}
void Survey_Print(int16_t x, int16_t y, const char *text)
{
    Note(text);
    Print(x, y, text);
}
void Survey_Right(int16_t x, int16_t y, const char *text)
{
    Note(text);
    Print_Right(x, y, text);
}
void Survey_Paragraph(int16_t x, int16_t y, int16_t width, const char *text, int16_t type)
{
    Note(text);
    char copy[SURVEY_TEXT_SIZE];
    snprintf(copy, sizeof copy, "%s", text);
    Print_Paragraph(x, y, width, copy, type);
}

uint8_t Square_Byte(const uint8_t *map, int16_t wx, int16_t wy, int16_t wp)
{
    return map[World_Square_Index(wx, wy, wp)];
}

// The guardian lines of a lair record into the second and third description lines.
void Guardian_Lines(const Lair_Record &lair)
{
    survey_near_alloc_2_50[0] = '\0';
    survey_near_alloc_3_50[0] = '\0';
    if ((lair.Misc_Flags & LAIR_GUARDS_KNOWN) == 0) {
        snprintf(survey_near_alloc_2_50, sizeof survey_near_alloc_2_50, "%s", "Unexplored");
        return;
    }
    const char *first = lair.guard1_unit_type < NUM_UNIT_TYPES ? _unit_type_names[lair.guard1_unit_type] : nullptr;
    snprintf(survey_near_alloc_2_50, sizeof survey_near_alloc_2_50, "%s", first != nullptr ? first : "");
    if ((lair.Misc_Flags & LAIR_SECOND_GUARDS_KNOWN) != 0 && (lair.guard2_count & 0x0F) > 0) {
        const char *second = lair.guard2_unit_type < NUM_UNIT_TYPES ? _unit_type_names[lair.guard2_unit_type] : nullptr;
        snprintf(survey_near_alloc_3_50, sizeof survey_near_alloc_3_50, "%s", second != nullptr ? second : "");
    }
}

bool Lair_Is_Node_Type(uint8_t type) { return type >= lt_Chaos_Node && type <= lt_Sorcery_Node; }

int16_t Square_Terrain(int16_t wx, int16_t wy, int16_t wp)
{
    if (Square_Is_Forest(wx, wy, wp)) return stt_Forest;
    if (Square_Is_Volcano(wx, wy, wp)) return stt_Volcano;
    if (Square_Is_Mountain(wx, wy, wp)) return stt_Mountain;
    if (Square_Is_Hills(wx, wy, wp)) return stt_Hills;
    if (Square_Is_Desert(wx, wy, wp)) return stt_Desert;
    if (Square_Is_Swamp(wx, wy, wp)) return stt_Swamp;
    if (Square_Is_Grasslands(wx, wy, wp)) return stt_Grasslands;
    if (Square_Is_Tundra(wx, wy, wp)) return stt_Tundra;
    if (Square_Is_River(wx, wy, wp)) return Surveyor_IDK_RiverMouth(wx, wy, wp) ? stt_River_Mouth : stt_River;
    if (Square_Is_Sailable(wx, wy, wp)) return Square_Is_Ocean(wx, wy, wp) ? stt_Ocean : stt_Shore;
    return stt_None;
}

void Print_Number_Right(int16_t x, int16_t y, const char *before, int16_t value, const char *after)
{
    char text[24];
    snprintf(text, sizeof text, "%s%d%s", before, (int)value, after);
    Survey_Right(x, y, text);
}

}  // namespace

void Surveyor_IDK_Set_Font_Stuff__1(void)
{
    static const uint8_t colours[16] = {8, 161, 161, 161, 161, 161, 161, 161, 161, 161, 161, 161, 161, 161, 161, 161};
    Set_Font_Colors_15(1, colours);
    Set_Font_Style_Shadow_Down(1, 15, 15, 15);
    Set_Outline_Color(148);
    Set_Font_Spacing(1);
    Set_Font_LF(1);
}

void Surveyor_IDK_Set_Font_Stuff__2(void)
{
    Set_Font_Style_Shadow_Down(1, 0, 0, 0);
    Set_Outline_Color(148);
    Set_Font_Spacing(1);
    Set_Font_LF(1);
}

int16_t Surveyor_Square_At(int16_t px, int16_t py, int16_t map_x, int16_t map_y, int16_t *wx, int16_t *wy)
{
    if (px < 0 || px >= MAP_COLUMNS * MAP_CELL_WIDTH || py <= MAP_GRID_Y) return 0;
    int16_t row = (int16_t)((py - MAP_GRID_Y) / MAP_CELL_HEIGHT);
    if (row >= MAP_ROWS) return 0;
    int16_t wy_at = (int16_t)(row + map_y);
    if (wy_at < 0 || wy_at >= WORLD_HEIGHT) return 0;
    *wx = (int16_t)((px / MAP_CELL_WIDTH + map_x) % WORLD_WIDTH);
    if (*wx < 0) *wx = (int16_t)(*wx + WORLD_WIDTH);
    *wy = wy_at;
    return 1;
}

int16_t Surveyor_Cities(int16_t wx, int16_t wy, int16_t wp)
{
    for (int16_t i = 0; i < _cities && i < NUM_CITIES; ++i)
        if (_CITIES[i].wx == wx && _CITIES[i].wy == wy && _CITIES[i].wp == wp) return (int16_t)(SURVEY_CITY + i);
    return 0;
}

int16_t Surveyor_Lairs(int16_t wx, int16_t wy, int16_t wp)
{
    for (int i = 0; i < NUM_LAIRS; ++i) {
        const Lair_Record &lair = _LAIRS[i];
        if (lair.wp != wp || lair.Intact == 0 || Lair_Is_Node_Type(lair.type)) continue;
        if (lair.wx != wx || lair.wy != wy) continue;
        const char *name = "";
        switch (lair.type) {
        case lt_Tower: name = "Tower"; break;
        case lt_Cave: name = "Cave"; break;
        case lt_Dungeon: name = "Dungeon"; break;
        case lt_Ancient_Temple:
        case lt_Fallen_Temple: name = "Temple"; break;
        case lt_Keep: name = "Keep"; break;
        case lt_Monster_Lair: name = "Lair"; break;
        case lt_Ruins: name = "Ruins"; break;
        default: break;
        }
        snprintf(survey_near_alloc_1_100, sizeof survey_near_alloc_1_100, "%s", name);
        Guardian_Lines(lair);
        return (int16_t)(SURVEY_LAIR + lair.type);
    }
    return 0;
}

int16_t Surveyor_Nodes(int16_t wx, int16_t wy, int16_t wp)
{
    static const char *const realms[3] = {"Sorcery Node", "Nature Node", "Chaos Node"};
    for (int i = 0; i < NUM_NODES; ++i) {
        const Node_Record &node = _NODES[i];
        if (node.wx != wx || node.wy != wy || node.wp != wp) continue;
        snprintf(survey_near_alloc_1_100, sizeof survey_near_alloc_1_100, "%s", node.type < 3 ? realms[node.type] : "");
        survey_near_alloc_2_50[0] = '\0';
        survey_near_alloc_3_50[0] = '\0';
        if (node.owner_idx >= 0) {
            const char *spirit = (node.flags & 1) ? "Warped" : (node.flags & 2) ? "Guardian Spirit" : "Magic Spirit";
            snprintf(survey_near_alloc_2_50, sizeof survey_near_alloc_2_50, "%s", spirit);
        } else {
            for (int l = 0; l < NUM_LAIRS; ++l) {
                const Lair_Record &lair = _LAIRS[l];
                if (lair.Intact != 0 && lair.wx == wx && lair.wy == wy && lair.wp == wp) {
                    Guardian_Lines(lair);
                    break;
                }
            }
        }
        return (int16_t)(SURVEY_NODE + i);
    }
    return 0;
}

int16_t Surveyor_IDK_RiverMouth(int16_t wx, int16_t wy, int16_t wp)
{
    if (wy > 1 && Square_Is_OceanLike(wx, (int16_t)(wy - 1), wp)) return 1;
    if (wy < WORLD_HEIGHT - 1 && Square_Is_OceanLike(wx, (int16_t)(wy + 1), wp)) return 1;
    if (Square_Is_OceanLike((int16_t)((wx + 1) % WORLD_WIDTH), wy, wp)) return 1;
    if (Square_Is_OceanLike((int16_t)(wx == 0 ? WORLD_WIDTH - 1 : wx - 1), wy, wp)) return 1;
    return 0;
}

void Surveyor_IDK_Print_Terrain_And_Effect(int16_t terrain, int16_t feature)
{
    if (terrain < 0 || terrain >= 12) return;
    const Terrain_Lines &lines = m_terrain_lines[terrain];
    const char *first = lines.first;
    const char *second = lines.second;
    Surveyor_IDK_Set_Font_Stuff__1();
    Survey_Centered(280, 91, lines.name);
    Surveyor_IDK_Set_Font_Stuff__2();
    if (feature == SURVEY_CORRUPTION || feature > 1000) {
        first = "Corruption";
        second = "";
        if (feature > 1000) feature = (int16_t)(feature - (SURVEY_CORRUPTED_CITY - SURVEY_CITY));
    }
    Survey_Centered(280, 98, first);
    Survey_Centered(280, 105, second);
    Surveyor_IDK_Set_Font_Stuff__1();
    if (feature < SURVEY_CITY) {
        for (const Feature_Lines &f : m_feature_lines) {
            if (f.code != feature) continue;
            Survey_Centered(280, 114, f.name);
            Surveyor_IDK_Set_Font_Stuff__2();
            Survey_Paragraph(247, 121, 66, f.effect, PARAGRAPH_CENTERED);
            return;
        }
        bool lair = feature == SURVEY_LAIR || (feature >= SURVEY_LAIR + 4 && feature <= SURVEY_LAIR + 10);
        if (lair || feature >= SURVEY_NODE) {
            Survey_Centered(280, 114, survey_near_alloc_1_100);
            Surveyor_IDK_Set_Font_Stuff__2();
            Survey_Centered(280, 121, survey_near_alloc_2_50);
            Survey_Centered(280, 128, survey_near_alloc_3_50);
        }
        return;
    }
    int16_t city = (int16_t)(feature - SURVEY_CITY);
    if (city < 0 || city >= NUM_CITIES) return;
    char line[40];
    uint8_t size = _CITIES[city].size < NUM_CITY_SIZES ? _CITIES[city].size : NUM_CITY_SIZES - 1;
    snprintf(line, sizeof line, "%s of", _city_size_names[size]);
    Survey_Centered(280, 114, line);
    char name[sizeof _CITIES[city].name + 1];
    std::memcpy(name, _CITIES[city].name, sizeof _CITIES[city].name);
    name[sizeof _CITIES[city].name] = '\0';
    Survey_Centered(280, 121, name);
}

void Surveyor_Window_Display(void)
{
    m_survey_texts.count = 0;
    Set_Font_Style_Shadow_Down(4, 0, 0, 0);
    Set_Outline_Color(148);
    Survey_Centered(280, 80, "Surveyor");

    int16_t wx = 0, wy = 0;
    if (!Surveyor_Square_At(Pointer_X(), Pointer_Y(), _map_x, _map_y, &wx, &wy)) return;
    int16_t wp = _map_plane;
    if (Square_Byte(_square_explored, wx, wy, wp) == 0) return;

    int16_t city = Surveyor_Cities(wx, wy, wp);
    int16_t site = Map_Square_Survey(wx, wy, wp);
    if (site == sts_City_Near && city != 0) site = sts_Free;
    if (site == sts_Free) {
        Site_Values values = Site_Evaluate(wx, wy, wp);
        Surveyor_IDK_Set_Font_Stuff__1();
        Survey_Centered(280, 143, "City Resources");
        Surveyor_IDK_Set_Font_Stuff__2();
        Survey_Print(245, 151, "Maximum Pop");
        Print_Number_Right(306, 151, "", values.food, "");
        Survey_Print(245, 158, "Prod Bonus");
        Print_Number_Right(312, 158, "+", values.production_bonus, "%");
        Survey_Print(245, 165, "Gold Bonus");
        Print_Number_Right(312, 165, "+", values.gold_bonus, "%");
    } else if (site > 0 && site <= sts_City_Near) {
        char text[SURVEY_TEXT_SIZE];
        snprintf(text, sizeof text, "Cities cannot be built %s", m_cannot_build_reasons[site]);
        Surveyor_IDK_Set_Font_Stuff__2();
        Survey_Paragraph(246, 143, 67, text, PARAGRAPH_LEFT);
    }

    uint8_t flags = Square_Byte(_map_square_flags, wx, wy, wp);
    uint8_t specials = Square_Byte(_map_square_terrain_specials, wx, wy, wp);
    int16_t feature = 0;
    if (city != 0)
        feature = (flags & CORRUPTION_FLAG) ? (int16_t)(city + (SURVEY_CORRUPTED_CITY - SURVEY_CITY)) : city;
    else if (flags & CORRUPTION_FLAG)
        feature = SURVEY_CORRUPTION;
    if (feature == 0) {
        uint8_t mineral = specials & MINERAL_MASK;
        if (mineral >= 1 && mineral <= 9)
            feature = mineral;
        else if (specials & WILD_GAME_FLAG)
            feature = SURVEY_WILD_GAME;
        else if (specials & NIGHTSHADE_FLAG)
            feature = SURVEY_NIGHTSHADE;
        if (feature == 0) feature = Surveyor_Lairs(wx, wy, wp);
        if (feature == 0) feature = Surveyor_Nodes(wx, wy, wp);
    }

    int16_t terrain = Square_Terrain(wx, wy, wp);
    if (terrain == stt_None) {
        if (feature != SURVEY_NODE + 1) return;
        terrain = stt_Forest;
    }
    Surveyor_IDK_Print_Terrain_And_Effect(terrain, feature);
}

void Surveyor_Screen_Add_Fields(void)
{
    m_map_grid_field = -1000;
    m_reduced_grid_field = -1000;
    if (_map_x == _prev_world_x && _map_y == _prev_world_y) {
        m_map_grid_field = Add_Grid_Field(MAP_GRID_X, MAP_GRID_Y, MAP_CELL_WIDTH, MAP_CELL_HEIGHT, MAP_COLUMNS,
                                          MAP_ROWS, &m_map_grid_x, &m_map_grid_y, -1);
        m_reduced_grid_field = Add_Grid_Field(REDUCED_X, REDUCED_Y, 1, 1, REDUCED_WIDTH, REDUCED_HEIGHT,
                                              &m_reduced_grid_x, &m_reduced_grid_y, -1);
    }
    Add_Game_Button_Fields();
    if (cast_cancel_button != nullptr)
        m_cancel_button = Add_Button_Field(263, 181, "", cast_cancel_button, "C", -1);
    else
        m_cancel_button = Add_Hidden_Field(263, 181, 310, 194, "C", -1);
}

void Surveyor_Screen_Draw(void)
{
    Reset_Window();
    Set_Page_Off();
    Draw_Maps(MAP_GRID_X, MAP_GRID_Y, MAP_COLUMNS, MAP_ROWS, &_map_x, &_map_y, _map_plane, _prev_world_x, _prev_world_y,
              _current_player_idx);
    if (main_background_seg != nullptr) FLIC_Draw(0, 0, main_background_seg);
    Draw_World_Window(REDUCED_X, REDUCED_Y, REDUCED_WIDTH, REDUCED_HEIGHT);
    Main_Screen_Draw_Game_Buttons();
    Main_Screen_Draw_Status_Window();
    if (deselect_button_blockout != nullptr) FLIC_Draw(242, 173, deselect_button_blockout);
    if (survey_background != nullptr) FLIC_Draw(240, 76, survey_background);
    if (cast_button_border != nullptr) FLIC_Draw(240, 173, cast_button_border);
    Surveyor_Window_Display();
    Reset_Map_Draw();
}

void Surveyor_Screen(void)
{
    Set_Draw_Active_Stack_Always();
    Set_Outline_Color(0);
    Assign_Auto_Function(Surveyor_Screen_Draw, 1);
    int16_t saved_plane = _map_plane;
    Set_Unit_Draw_Priority();
    Reset_Stack_Draw_Priority();
    Set_Entities_On_Map_Window(_map_x, _map_y, _map_plane);
    Reset_Map_Draw();
    MainScr_Create_Reduced_Map_Picture();
    Set_Input_Delay(1);
    Set_Surveyor_Screen_Help_List();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Surveyor_Screen: opened on plane %d", (int)saved_plane);

    int frames = 0;
    bool leave = false;
    while (!leave) {
        Mark_Time();
        Clear_Fields();
        Surveyor_Screen_Add_Fields();
        int16_t esc = Add_Hot_Key("\x1B");
        int16_t hit = Get_Input();
        if (quit_game_flag) {
            current_screen = scr_Quit_To_DOS;
            leave = true;
        } else if (hit == m_cancel_button || hit == esc) {
            current_screen = scr_Main_Screen;
            leave = true;
        } else if (hit == _plane_button) {
            Do_Plane_Button__WIP(_current_player_idx, &_map_x, &_map_y, &_map_plane);
            Reset_Map_Draw();
            MainScr_Create_Reduced_Map_Picture();
            Assign_Auto_Function(Surveyor_Screen_Draw, 1);
            STU_LOG(SEV_INFO, LC_KEL_SCR, "Surveyor_Screen: plane %d shown", (int)_map_plane);
        } else if (hit == m_reduced_grid_field && hit > 0) {
            int16_t left = 0, top = 0;
            Reduced_Map_Coords(&left, &top, (int16_t)((_map_x + 6) % WORLD_WIDTH), (int16_t)(_map_y + 5), REDUCED_WIDTH,
                               REDUCED_HEIGHT);
            int16_t wx = (int16_t)((left + m_reduced_grid_x) % WORLD_WIDTH);
            int16_t wy = (int16_t)(top + m_reduced_grid_y);
            _prev_world_x = wx;
            _prev_world_y = wy;
            _map_x = wx;
            _map_y = wy;
            Center_Map(&_map_x, &_map_y, wx, wy, _map_plane);
            _prev_world_x = _map_x;
            _prev_world_y = _map_y;
            MainScr_Create_Reduced_Map_Picture();
            Set_Mouse_List(1, mouse_list_default);
            Reset_Map_Draw();
        } else if (hit == -m_map_grid_field && m_map_grid_field > 0) {
            _prev_world_x = (int16_t)(_prev_world_x + m_map_grid_x - 6);
            _prev_world_y = (int16_t)(_prev_world_y + m_map_grid_y - 5);
            Clamp_Map_Window_Position();
        }
        if (!leave) {
            Surveyor_Screen_Draw();
            Toggle_Pages();
            Release_Time(1);
            if (Unattended_Frame_Done(&frames)) {
                current_screen = scr_Main_Screen;
                leave = true;
            }
        }
    }
    Leave_Screen();
    _map_plane = saved_plane;
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Surveyor_Screen: back to the main screen on plane %d", (int)_map_plane);
}
