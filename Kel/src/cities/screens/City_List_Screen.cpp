#include <cctype>
#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "Palette.h"
#include "Pictures.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "cities/City_Records.h"
#include "cities/Product_Rules.h"
#include "cities/screens/CityList_Screen.h"
#include "cities/screens/City_Enchantment_List.h"
#include "cities/screens/City_Screen.h"
#include "cities/screens/Outpost_Screen.h"
#include "cities/screens/Production_Screen.h"
#include "shell/Map_Window.h"
#include "shell/Reduced_Map.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Record.h"
#include "world/Player_Record.h"
#include "world/Race_Type_Table.h"
#include "world/Unit_Type_Record.h"

int16_t m_city_list_array[NUM_CITIES];
int16_t m_city_list_count = 0;
int16_t list_first_item = 0;
int16_t m_citylist_first_item = 0;
int16_t list_cities[CITY_LIST_ROWS];
int16_t list_item_count = 0;
int16_t citylist_item_scanned_field = 0;

namespace {

constexpr int16_t ROW_X = 30;
constexpr int16_t ROW_FIELD_Y = 26;
constexpr int16_t ROW_HEIGHT = 14;
constexpr int16_t ROW_WIDTH = 260;
constexpr int16_t ROW_TEXT_Y = 27;
constexpr int16_t SCROLL_STEP = 5;
constexpr int16_t REDUCED_X = 42;
constexpr int16_t REDUCED_Y = 162;
constexpr int16_t REDUCED_WIDTH = 49;
constexpr int16_t REDUCED_HEIGHT = 33;
constexpr int16_t NO_FIELD = -1000;
constexpr uint16_t REDUCED_MAP_LIST_PARAGRAPHS = 153;

uint8_t *m_background = nullptr;
uint8_t *m_ok_button = nullptr;
uint8_t *m_up_arrow = nullptr;
uint8_t *m_down_arrow = nullptr;
int16_t m_row_fields[CITY_LIST_ROWS];
int16_t m_enchantments[NUM_CITY_ENCHANTMENTS];
int16_t m_enchantment_owners[NUM_CITY_ENCHANTMENTS];
int16_t m_enchantment_count = 0;

struct Shaded_Cell {
    int16_t x1;
    int16_t x2;
};
const Shaded_Cell m_shaded_cells[7] = {{30, 81}, {86, 130}, {135, 150}, {155, 170}, {175, 190}, {195, 270}, {275, 289}};

void City_Name(int16_t city_idx, char *text, size_t size)
{
    const City_Record &city = _CITIES[city_idx];
    snprintf(text, size, "%.*s", (int)sizeof city.name, city.name);
}

const char *Product_Name(int16_t product)
{
    if (product >= PRODUCT_UNIT_BASE) {
        int16_t type = (int16_t)(product - PRODUCT_UNIT_BASE);
        if (type < NUM_UNIT_TYPES && _unit_type_names[type] != nullptr) return _unit_type_names[type];
        return "";
    }
    if (product >= 0 && product < NUM_BUILDINGS && bldg_data_table != nullptr) return bldg_data_table[product].name;
    return "";
}

void CityList_Add_List_Fields(void)
{
    for (int16_t &f : m_row_fields) f = NO_FIELD;
    for (int16_t row = 0; row < list_item_count; ++row) {
        int16_t y = (int16_t)(ROW_FIELD_Y + ROW_HEIGHT * row);
        m_row_fields[row] = Add_Hidden_Field(ROW_X, y, (int16_t)(ROW_X + ROW_WIDTH - 1), (int16_t)(y + 8), "", -1);
    }
}

int16_t Highlighted_City(void)
{
    if (m_city_list_count <= 0 || list_item_count <= 0) return -1;
    int16_t row = citylist_item_scanned_field;
    if (row < 0 || row >= list_item_count) row = 0;
    return list_cities[row];
}

void CityList_Draw_Reduced_Map(void)
{
    int16_t city_idx = Highlighted_City();
    if (city_idx >= 0) {
        const City_Record &city = _CITIES[city_idx];
        List_Screen_Draw_Reduced_Map(REDUCED_X, REDUCED_Y, REDUCED_WIDTH, REDUCED_HEIGHT, city.wp, city.wx, city.wy);
        return;
    }
    // Without a city the picture shows the middle of the main map's window, unmarked.
    int16_t cx = Map_Wrap_X((int16_t)(_map_x + MAP_VIEW_COLUMNS / 2));
    int16_t cy = (int16_t)(_map_y + MAP_VIEW_ROWS / 2);
    Reduced_Map_Coords(&reduced_map_x, &reduced_map_y, cx, cy, REDUCED_WIDTH, REDUCED_HEIGHT);
    Create_Reduced_Map_Picture(reduced_map_x, reduced_map_y, _map_plane, _reduced_map_seg, REDUCED_WIDTH,
                               REDUCED_HEIGHT, cx, cy, 0);
    Reset_Window();
    if (_reduced_map_seg != nullptr) Draw_Picture(REDUCED_X, REDUCED_Y, _reduced_map_seg);
}

void Draw_Title(void)
{
    char title[64];
    const Player_Record &player = _players[_current_player_idx];
    snprintf(title, sizeof title, "The Cities Of %.*s", (int)sizeof player.name, player.name);
    struct Pass {
        int16_t x;
        int16_t y;
        uint8_t colour;
    };
    static const Pass passes[6] = {{162, 5, 237}, {161, 5, 237}, {162, 4, 237},
                                   {161, 3, 238}, {160, 4, 238}, {161, 4, 239}};
    for (const Pass &p : passes) {
        uint8_t colours[16];
        std::memset(colours, p.colour, sizeof colours);
        Set_Font_Colors_15(4, colours);
        Set_Font_Style(4, 15, 15, 15);
        Print_Centered(p.x, p.y, title);
    }
    static const uint8_t last[16] = {236, 177, 178, 177, 176, 176, 176, 176, 176, 176, 176, 176, 176, 176, 176, 176};
    Set_Font_Colors_15(4, last);
    Set_Font_Style(4, 15, 15, 15);
    Print_Centered(160, 3, title);
}

void Draw_Row(int16_t row, int16_t city_idx)
{
    const City_Record &city = _CITIES[city_idx];
    int16_t y = (int16_t)(ROW_TEXT_Y + ROW_HEIGHT * row);
    if (row == citylist_item_scanned_field) {
        for (const Shaded_Cell &c : m_shaded_cells) Tint_Fill(c.x1, (int16_t)(y - 1), c.x2, (int16_t)(y + 7), 1);
    }
    char text[40];
    City_Name(city_idx, text, sizeof text);
    Print(31, y, text);
    if (city.race < NUM_RACES && _race_type_table[city.race].name != nullptr)
        Print(87, y, _race_type_table[city.race].name);
    Print_Integer_Right(148, y, city.population);
    Print_Integer_Right(168, y, (int16_t)(city.gold_units - city.building_maintenance));
    Print_Integer_Right(188, y, city.production_units);
    Print(196, y, Product_Name(city.construction));
    int16_t turns = City_N_Turns_To_Produce(City_Production_Cost(city.construction, city_idx), city_idx);
    Print_Integer_Right(287, y, turns);
}

}  // namespace

void CityList_Screen_Load(void)
{
    m_background = LBX_Reload_Picture("RELOAD", 21, _screen_seg);
    m_ok_button = LBX_Reload_Next_Picture("RELOAD", 22, _screen_seg);
    m_up_arrow = LBX_Reload_Next_Picture("ARMYLIST", 1, _screen_seg);
    m_down_arrow = LBX_Reload_Next_Picture("ARMYLIST", 2, _screen_seg);
    // The reduced map's own block follows the pictures, which took the arena from its start.
    _reduced_map_seg = Allocate_Next_Block(_screen_seg, REDUCED_MAP_LIST_PARAGRAPHS);
}

void Build_City_List(void)
{
    m_city_list_count = 0;
    for (int16_t i = 0; i < _cities && i < NUM_CITIES; ++i) {
        City_Record &city = _CITIES[i];
        if (city.owner_idx != _current_player_idx) continue;
        if (city.construction == 0) city.construction = 2;
        m_city_list_array[m_city_list_count++] = i;
    }
}

void CityList_Set_List_Item_Count(void)
{
    list_item_count = m_city_list_count < CITY_LIST_ROWS ? m_city_list_count : (int16_t)CITY_LIST_ROWS;
}

void Update_Cities_List(void)
{
    CityList_Set_List_Item_Count();
    for (int16_t row = 0; row < CITY_LIST_ROWS; ++row) {
        int16_t item = (int16_t)(list_first_item + row);
        list_cities[row] = row < list_item_count && item < m_city_list_count ? m_city_list_array[item] : (int16_t)-1;
    }
}

void CityList_Restore_First_Item(void)
{
    int16_t last_first = (int16_t)(m_city_list_count - CITY_LIST_ROWS);
    if (last_first < 0) last_first = 0;
    list_first_item = m_citylist_first_item;
    if (list_first_item > last_first) list_first_item = last_first;
    if (list_first_item < 0) list_first_item = 0;
}

int16_t CityList_Can_Scroll_Up(void) { return list_first_item > 0 ? 1 : 0; }

int16_t CityList_Can_Scroll_Down(void) { return list_first_item + CITY_LIST_ROWS < m_city_list_count ? 1 : 0; }

void CityList_Scroll_Up(void)
{
    list_first_item = list_first_item <= SCROLL_STEP - 1 ? (int16_t)0 : (int16_t)(list_first_item - SCROLL_STEP);
}

void CityList_Scroll_Down(void)
{
    if (!CityList_Can_Scroll_Down()) return;
    if (list_first_item + CITY_LIST_ROWS + SCROLL_STEP < m_city_list_count)
        list_first_item = (int16_t)(list_first_item + SCROLL_STEP);
    else
        list_first_item = (int16_t)(list_first_item + 1);
}

void CityList_Screen_Draw(void)
{
    Reset_Window();
    Set_Page_Off();
    if (m_background != nullptr) FLIC_Draw(0, 0, m_background);
    if (m_city_list_count > CITY_LIST_ROWS) {
        if (m_up_arrow != nullptr) {
            Set_Animation_Frame(m_up_arrow, CityList_Can_Scroll_Up() ? 0 : 1);
            FLIC_Draw(11, 26, m_up_arrow);
            Set_Animation_Frame(m_up_arrow, CityList_Can_Scroll_Up() ? 0 : 1);
            FLIC_Draw(299, 26, m_up_arrow);
        }
        if (m_down_arrow != nullptr) {
            Set_Animation_Frame(m_down_arrow, CityList_Can_Scroll_Down() ? 0 : 1);
            FLIC_Draw(11, 139, m_down_arrow);
            Set_Animation_Frame(m_down_arrow, CityList_Can_Scroll_Down() ? 0 : 1);
            FLIC_Draw(299, 139, m_down_arrow);
        }
    }
    Draw_Title();

    static const uint8_t column_colours[16] = {236, 129, 129, 129, 129, 129, 129, 129,
                                               129, 129, 129, 129, 129, 129, 129, 129};
    Set_Outline_Color(231);
    Set_Font_Colors_15(1, column_colours);
    Set_Font_Style_Shadow_Down(1, 15, 15, 15);
    Print(32, 17, "Name");
    Print(88, 17, "Race");
    Print(136, 17, "Pop");
    Print(154, 17, "Gold");
    Print(176, 17, "Prd");
    Print(197, 17, "Producing");
    Print(272, 17, "Time");
    char text[32];
    const Player_Record &player = _players[_current_player_idx];
    snprintf(text, sizeof text, "%dGP", (int)player.gold_reserve);
    Print_Centered(242, 172, text);
    snprintf(text, sizeof text, "%dMP", (int)player.mana_reserve);
    Print_Centered(276, 172, text);

    for (int16_t row = 0; row < list_item_count; ++row)
        if (list_cities[row] >= 0) Draw_Row(row, list_cities[row]);

    int16_t city_idx = Highlighted_City();
    if (city_idx >= 0) {
        char name[40];
        City_Name(city_idx, name, sizeof name);
        for (char *c = name; *c != '\0'; ++c) *c = (char)std::toupper((unsigned char)*c);
        Print(99, 158, name);
        Build_City_Enchantment_List(city_idx, m_enchantments, m_enchantment_owners, &m_enchantment_count);
        int16_t shown = m_enchantment_count < CITY_ENCHANTMENT_PRINT_MAX ? m_enchantment_count
                                                                         : (int16_t)CITY_ENCHANTMENT_PRINT_MAX;
        Print_City_Enchantment_List(100, 168, m_enchantments, m_enchantment_owners, shown);
    }
    CityList_Draw_Reduced_Map();
}

void CityList_Screen(void)
{
    Build_City_List();
    CityList_Screen_Load();
    if (m_background != nullptr) Load_Palette_From_Animation(m_background);
    Clear_Palette_Changes(0, 243);
    Set_Palette_Changes(0, 255);
    Calculate_Remap_Colors();
    CityList_Restore_First_Item();
    Update_Cities_List();
    Assign_Auto_Function(CityList_Screen_Draw, 1);
    Set_Mouse_List(1, mouse_list_default);
    citylist_item_scanned_field = 0;
    Set_CityList_Screen_Help();
    Set_Input_Delay(2);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "CityList_Screen: %d cities, first row %d", (int)m_city_list_count,
            (int)list_first_item);

    int frames = 0;
    bool leave = false;
    while (!leave) {
        Mark_Time();
        Clear_Fields();
        Update_Cities_List();
        CityList_Add_List_Fields();
        Set_Font_Style(2, 15, 15, 15);
        int16_t ok_button = Add_Button_Field(239, 182, "", m_ok_button, "O", -1);
        int16_t esc = Add_Hot_Key("\x1B");
        int16_t up_key = NO_FIELD, up_left = NO_FIELD, up_right = NO_FIELD;
        int16_t down_key = NO_FIELD, down_left = NO_FIELD, down_right = NO_FIELD;
        if (CityList_Can_Scroll_Up()) {
            up_key = Add_Hot_Key("U");
            up_left = Add_Button_Field(11, 26, "", m_up_arrow, "", -1);
            up_right = Add_Button_Field(299, 26, "", m_up_arrow, "", -1);
        }
        if (CityList_Can_Scroll_Down()) {
            down_key = Add_Hot_Key("D");
            down_left = Add_Button_Field(11, 139, "", m_down_arrow, "", -1);
            down_right = Add_Button_Field(299, 139, "", m_down_arrow, "", -1);
        }
        int16_t hit = Get_Input();
        int16_t scanned = Scan_Input();
        bool reloaded = false;
        if (quit_game_flag) {
            current_screen = scr_Quit_To_DOS;
            leave = true;
        } else if (hit == ok_button || hit == esc || (hit == -1 && mouse_cancel_disabled == 0)) {
            Play_Left_Click();
            current_screen = scr_Main_Screen;
            leave = true;
        } else if (hit > 0 && (hit == up_key || hit == up_left || hit == up_right)) {
            CityList_Scroll_Up();
        } else if (hit > 0 && (hit == down_key || hit == down_left || hit == down_right)) {
            CityList_Scroll_Down();
        }
        for (int16_t row = 0; row < list_item_count && !leave && !reloaded; ++row) {
            if (m_row_fields[row] == NO_FIELD || list_cities[row] < 0) continue;
            int16_t city_idx = list_cities[row];
            const City_Record &city = _CITIES[city_idx];
            if (hit == m_row_fields[row]) {
                Play_Left_Click();
                _city_idx = city_idx;
                _map_plane = city.wp;
                Center_Map(&_map_x, &_map_y, city.wx, city.wy, _map_plane);
                current_screen = city.size == 0 ? scr_Main_Screen : scr_City_Screen;
                leave = true;
            } else if (hit == -m_row_fields[row]) {
                Play_Left_Click();
                m_citylist_first_item = list_first_item;
                _city_idx = city_idx;
                if (city.size != 0) {
                    production_screen_return_screen = 1;
                    current_screen = scr_Production_Screen;
                    leave = true;
                } else {
                    Outpost_Screen(0);
                    Assign_Auto_Function(CityList_Screen_Draw, 1);
                    Build_City_List();
                    CityList_Screen_Load();
                    CityList_Restore_First_Item();
                    Update_Cities_List();
                    reloaded = true;
                }
            }
        }
        for (int16_t row = 0; row < list_item_count; ++row)
            if (scanned != 0 && scanned == m_row_fields[row]) citylist_item_scanned_field = row;
        if (!leave && !reloaded) {
            CityList_Screen_Draw();
            Toggle_Pages();
            Release_Time(1);
            if (Unattended_Frame_Done(&frames)) {
                current_screen = scr_Main_Screen;
                leave = true;
            }
        }
    }
    STU_LOG(SEV_INFO, LC_KEL_SCR, "CityList_Screen: leaving to screen %d", (int)current_screen);
    Leave_Screen();
    Set_Palette_Changes(0, 223);
    Update_Remap_Gray_Palette();
}
