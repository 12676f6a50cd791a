#include "cities/screens/City_Screen.h"

#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "Mouse.h"
#include "SOUND.h"
#include "Video.h"
#include "cities/City_Records.h"
#include "cities/Product_Rules.h"
#include "cities/screens/City_Enchantment_List.h"
#include "cities/screens/City_Screen_Draw.h"
#include "cities/screens/Cityscape_Draw.h"
#include "cities/screens/Production_Screen.h"
#include "cities/screens/Resource_Breakdown.h"
#include "heroes/Text_Lists.h"
#include "overland/Main_Screen.h"
#include "overland/Stack_Orders.h"
#include "overland/Stack_Selection.h"
#include "overland/Unit_View_Figures.h"
#include "shell/Graphics_Cache.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Map_Window.h"
#include "shell/Reduced_Map.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Area.h"
#include "world/City_Economy.h"
#include "world/City_Record.h"
#include "world/Player_Record.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"

City_Screen_State city_screen;
int16_t city_screen_scanned_field = -1;
int16_t cityscreen_city_built_bldg_idx = -1;
int16_t city_resources_rows_fields[CITY_RESOURCE_ROW_FIELDS];
int16_t city_population_row_fields[CITY_POPULATION_FIELDS_MAX];
int16_t city_population_row_count = 0;
int16_t city_cityscape_fields[CITYSCAPE_MAX_FIELDS];
int16_t city_screen_buy_button = CITY_SCREEN_NO_BUTTON;
int16_t city_screen_change_button = CITY_SCREEN_NO_BUTTON;
int16_t city_screen_ok_button = CITY_SCREEN_NO_BUTTON;

namespace {

struct Frame_Fields {
    int16_t escape;
    int16_t debug_dump;
};
Frame_Fields m_frame;

// Highlight on and off inside a text.
constexpr char HL_ON[] = "\x02";
constexpr char HL_OFF[] = "\x01";

void Building_Name(int16_t bldg_idx, char *text, size_t size)
{
    text[0] = '\0';
    if (bldg_data_table == nullptr || bldg_idx < 0 || bldg_idx >= NUM_BUILDING_TYPES) return;
    size_t n = 0;
    const char *name = bldg_data_table[bldg_idx].name;
    while (n < sizeof bldg_data_table[bldg_idx].name && n + 1 < size && name[n] != '\0') {
        text[n] = name[n];
        ++n;
    }
    text[n] = '\0';
}

void Reestablish_Common(void)
{
    City_Screen_Load();
    Set_City_Screen_Help_List();
    Assign_Auto_Function(City_Screen_Draw, 1);
}

}  // namespace

void City_Screen_Clamp_Farmers(int16_t city_idx)
{
    City_Record &city = _CITIES[city_idx];
    int minimum = City_Minimum_Farmers(city_idx);
    int farmers = city.farmer_count;
    if (farmers < minimum) farmers = minimum;
    int limit = city.population - City_Rebel_Count(city_idx);
    if (farmers > limit) farmers = limit;
    if (farmers < 0) farmers = 0;
    city.farmer_count = (uint8_t)farmers;
}

int16_t City_Screen_Farmers_After_Click(int16_t city_idx, int16_t person)
{
    const City_Record &city = _CITIES[city_idx];
    int16_t minimum = City_Minimum_Farmers(city_idx);
    if (minimum > 0) return person < minimum ? minimum : (int16_t)(person + 1);
    if (person == 0 && city.farmer_count > 0) return 0;
    return (int16_t)(person + 1);
}

void City_Screen_Enchantments_Up(void)
{
    int16_t first = (int16_t)(city_enchantment_display_first - CITY_ENCHANTMENT_PAGE_LINES);
    if (first < 0) {
        first = (int16_t)((city_enchantment_list_count / CITY_ENCHANTMENT_PAGE_LINES) * CITY_ENCHANTMENT_PAGE_LINES);
        if (first >= city_enchantment_list_count)
            first = (int16_t)(city_enchantment_list_count - CITY_ENCHANTMENT_PAGE_LINES);
        if (first < 0) first = 0;
    }
    city_enchantment_display_first = first;
}

void City_Screen_Enchantments_Down(void)
{
    int16_t first = (int16_t)(city_enchantment_display_first + CITY_ENCHANTMENT_PAGE_LINES);
    if (first >= city_enchantment_list_count) first = 0;
    city_enchantment_display_first = first;
}

void City_Screen_Load(void)
{
    city_population_row_count = 0;
    for (int16_t &f : city_population_row_fields) f = CITY_SCREEN_NO_BUTTON;
    for (int16_t &f : city_resources_rows_fields) f = CITY_SCREEN_NO_BUTTON;
}

void City_Screen_Allocate_First_Block(void)
{
    Allocate_First_Block(_screen_seg, REDUCED_MAP_PARAGRAPHS);
    int16_t product = _CITIES[_city_idx].construction;
    if (product >= PRODUCT_UNIT_BASE && product - PRODUCT_UNIT_BASE < NUM_UNIT_TYPES)
        Load_Unit_Figure((int16_t)(product - PRODUCT_UNIT_BASE), 1);
}

void City_Screen_Recalculate(void)
{
    Do_City_Calculations(_city_idx);
    city_screen.city_production_cost = City_Production_Cost(_CITIES[_city_idx].construction, _city_idx);
    city_screen.city_n_turns_to_produce = City_N_Turns_To_Produce(city_screen.city_production_cost, _city_idx);
}

void City_Screen_Product_Name(void)
{
    int16_t product = _CITIES[_city_idx].construction;
    char *name = city_screen.city_screen_product_name;
    if (product >= PRODUCT_UNIT_BASE) {
        int16_t type = (int16_t)(product - PRODUCT_UNIT_BASE);
        const char *type_name = type < NUM_UNIT_TYPES ? _unit_type_table[type].name : nullptr;
        std::snprintf(name, CITY_SCREEN_PRODUCT_NAME_SIZE, "%s", type_name != nullptr ? type_name : "");
    } else {
        Building_Name(product, name, CITY_SCREEN_PRODUCT_NAME_SIZE);
    }
}

int16_t City_Can_Buy_Product(void)
{
    const City_Record &city = _CITIES[_city_idx];
    int16_t no_buy = 0;
    if (city_screen.city_n_turns_to_produce < 2) no_buy = 1;
    if (city.construction == bt_Housing || city.construction == bt_Trade_Goods) no_buy = 1;
    if (no_buy == 0 && _players[_current_player_idx].gold_reserve < City_Cost_To_Buy_Product(_city_idx)) no_buy = 1;
    if (city_screen.city_production_cost == 0) no_buy = 1;
    city_screen.city_no_buy = no_buy;
    return no_buy;
}

void City_Screen_Garrison_Window_Picture_Coords(int16_t slot, int16_t *x1, int16_t *y1, int16_t *x2, int16_t *y2)
{
    *x1 = (int16_t)(CITY_GARRISON_X + 20 * (slot % 5));
    *y1 = (int16_t)(CITY_GARRISON_Y + 17 * (slot / 5));
    *x2 = (int16_t)(*x1 + 17);
    *y2 = (int16_t)(*y1 + 15);
}

void City_Screen_Add_Fields_Production_Window(void)
{
    city_screen_buy_button = CITY_SCREEN_NO_BUTTON;
    if (city_screen.city_no_buy == 0)
        city_screen_buy_button = Add_Button_Field(214, 188, "", gfx_backgrnd_seg[7], "B", -1);
    city_screen_change_button = Add_Button_Field(247, 188, "", gfx_backgrnd_seg[8], "C", -1);
    city_screen_ok_button = Add_Button_Field(286, 188, "", gfx_backgrnd_seg[9], "O", -1);
    m_frame.escape = Add_Hot_Key("\x1B");
}

void City_Screen_Add_Fields_Population_Row(int16_t city_idx, int16_t x, int16_t y)
{
    City_Screen_Clamp_Farmers(city_idx);
    const City_Record &city = _CITIES[city_idx];
    int16_t minimum = City_Minimum_Farmers(city_idx);
    int16_t rebels = City_Rebel_Count(city_idx);
    City_Population_Row_Layout layout = City_Population_Row_Layout_Of(city.population, city.farmer_count, minimum);
    int people = city.population - rebels;
    if (people > CITY_POPULATION_FIELDS_MAX) people = CITY_POPULATION_FIELDS_MAX;
    int o = 0;
    for (int k = 0; k < people; ++k) {
        if (k == layout.gap_before) o += 4;
        city_population_row_fields[k] =
            Add_Hidden_Field((int16_t)(x + o), y, (int16_t)(x + o + 9), (int16_t)(y + 14), "", -1);
        o += layout.pitch;
    }
    city_population_row_count = (int16_t)people;
}

void City_Screen_Add_Fields_Resource_Window(int16_t city_idx, int16_t x, int16_t y)
{
    const City_Record &city = _CITIES[city_idx];
    constexpr int16_t RIGHT = 132;
    int16_t food = city.food_units;
    int16_t eaten = food < city.population ? food : city.population;
    int16_t split = City_Resource_Icons_End_X(x, (int16_t)(food + 1), eaten);
    if (eaten > 0) split = (int16_t)(split + 6);
    city_resources_rows_fields[rr_Food_Consumed] = Add_Hidden_Field(x, y, split, (int16_t)(y + 7), "", -1);
    city_resources_rows_fields[rr_Food_Surplus] = Add_Hidden_Field(split, y, RIGHT, (int16_t)(y + 7), "", -1);
    city_resources_rows_fields[rr_Production] = Add_Hidden_Field(x, (int16_t)(y + 8), RIGHT, (int16_t)(y + 15), "", -1);
    int16_t gold = city.gold_units;
    int16_t upkeep = city.building_maintenance;
    int16_t paid = gold < upkeep ? gold : upkeep;
    split = City_Resource_Icons_End_X(x, gold > upkeep ? gold : upkeep, paid);
    if (paid > 0) split = (int16_t)(split + 5);
    city_resources_rows_fields[rr_Gold_Upkeep] =
        Add_Hidden_Field(x, (int16_t)(y + 16), split, (int16_t)(y + 23), "", -1);
    city_resources_rows_fields[rr_Gold_Income] =
        Add_Hidden_Field(split, (int16_t)(y + 16), RIGHT, (int16_t)(y + 23), "", -1);
    city_resources_rows_fields[rr_Power] = Add_Hidden_Field(x, (int16_t)(y + 24), RIGHT, (int16_t)(y + 31), "", -1);
    city_resources_rows_fields[rr_Research] = Add_Hidden_Field(x, (int16_t)(y + 32), RIGHT, (int16_t)(y + 39), "", -1);
}

void Cityscape_Add_Fields(void)
{
    for (int16_t e = 0; e < cityscape_bldg_count && e < CITYSCAPE_MAX_FIELDS; ++e) {
        const Cityscape_Bldg_Field &f = cityscape_bldg_fields[e];
        city_cityscape_fields[e] = Add_Hidden_Field(f.x1, f.y1, f.x2, f.y2, "", -1);
    }
}

void City_Screen_Add_Fields__WIP(void)
{
    Clear_Fields();
    _main_map_grid_field = CITY_SCREEN_NO_BUTTON;
    _minimap_grid_field = CITY_SCREEN_NO_BUTTON;
    city_screen_buy_button = CITY_SCREEN_NO_BUTTON;
    city_screen_change_button = CITY_SCREEN_NO_BUTTON;
    city_screen_ok_button = CITY_SCREEN_NO_BUTTON;
    m_frame.escape = CITY_SCREEN_NO_BUTTON;
    for (int16_t &f : g_unit_window_fields) f = CITY_SCREEN_NO_UNIT_FIELD;
    for (int16_t i = 0; i < _unit_stack_count && i < CITY_GARRISON_SLOTS; ++i) {
        int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        City_Screen_Garrison_Window_Picture_Coords(i, &x1, &y1, &x2, &y2);
        g_unit_window_fields[i] =
            Add_Hidden_Field((int16_t)(x1 - 1), (int16_t)(y1 - 1), (int16_t)(x2 - 2), (int16_t)(y2 - 2), "", -1);
    }
    City_Add_Fields_City_Enchantments(139, 51);
    Cityscape_Add_Fields();
    City_Screen_Add_Fields_Production_Window();
    City_Screen_Add_Fields_Population_Row(_city_idx, 4, 27);
    City_Screen_Add_Fields_Resource_Window(_city_idx, 6, 52);
}

namespace {

void Debug_Dump(void)
{
    const City_Record &city = _CITIES[_city_idx];
    Clear_Screens();
    char text[160];
    std::snprintf(text, sizeof text, "population %d", city.population);
    ST_PSTRM(0, 6, text);
    std::snprintf(text, sizeof text, "production %d", city.production_units);
    ST_PSTRM(0, 7, text);
    for (int row = 0; row < 2; ++row) {
        int first = row == 0 ? 0 : 20;
        int last = row == 0 ? 19 : 35;
        size_t n = 0;
        text[0] = '\0';
        for (int b = first; b <= last && n < sizeof text; ++b)
            n += (size_t)std::snprintf(text + n, sizeof text - n, "%d ", city.bldg_status[b]);
        ST_PSTR(0, (int16_t)(8 + row), text);
    }
    std::snprintf(text, sizeof text, "%d %d %d", city.wx, city.wy, city.wp);
    ST_PSTR(0, 10, text);
    std::snprintf(text, sizeof text, "city %d", _city_idx);
    ST_PSTRM(0, 11, text);
    std::snprintf(text, sizeof text, "walls %d", city.bldg_status[bt_City_Walls]);
    ST_PSTRM(0, 12, text);
    for (int row = 0; row < 5; ++row) {
        size_t n = 0;
        text[0] = '\0';
        for (int column = 0; column < 5 && n < sizeof text; ++column)
            n += (size_t)std::snprintf(text + n, sizeof text - n, "%d ",
                                       entities_on_movement_map[row * MAP_VIEW_COLUMNS + column]);
        ST_PSTR(0, (int16_t)row, text);
    }
    Wait_For_Input();
    Reset_Map_Draw();
}

void Select_City_Stack(void)
{
    const City_Record &city = _CITIES[_city_idx];
    Select_Unit_Stack(_current_player_idx, &_map_x, &_map_y, city.wp, city.wx, city.wy);
}

void Buy_Product(void)
{
    Play_Left_Click();
    int16_t gold = _players[_current_player_idx].gold_reserve;
    if (city_screen.city_n_turns_to_produce > 1) {
        int16_t price = City_Cost_To_Buy_Product(_city_idx);
        if (price <= gold) {
            Deactivate_Help_List();
            Set_Mouse_List(1, mouse_list_default);
            const char *name = city_screen.city_screen_product_name;
            char text[200];
            std::snprintf(text, sizeof text, "Do you wish to spend %s%d Gold%s  by purchasing %s %s?", HL_ON, price,
                          HL_OFF, An(name), name);
            if (Confirmation_Box(text)) Player_City_Buy_Production(_current_player_idx, _city_idx);
            Assign_Auto_Function(City_Screen_Draw, 1);
            City_Screen_Recalculate();
            City_Can_Buy_Product();
        }
    }
    Reset_Map_Draw();
    Set_City_Screen_Help_List();
}

void Turn_Off_Enchantment_Line(int16_t line)
{
    const int16_t turned_off = City_Enchantment_Line_Turn_Off(_city_idx, line, _current_player_idx, true);
    if (turned_off < 0) return;
    if (turned_off == 1) City_Screen_Recalculate();
    Assign_Auto_Function(City_Screen_Draw, 1);
    Set_City_Screen_Help_List();
}

void Sell_Building(int16_t element)
{
    Play_Left_Click();
    int16_t b = cityscape_bldg_fields[element].bldg_idx;
    if (b > 36) return;
    City_Record &city = _CITIES[_city_idx];
    int16_t requiring = -1;
    char name[24];
    Building_Name(b, name, sizeof name);
    char text[240];
    if (city.bldg_sold == 1) {
        Warn0("You can only sell back one building each turn.");
    } else if (City_Building_Has_Requirement(b, _city_idx, &requiring) == 1) {
        Deactivate_Help_List();
        bool product_changes = false;
        if (City_Building_Not_Needed_For_Product(_city_idx, b) == 0) {
            std::snprintf(text, sizeof text, "Selling back your %s%s%s will cease production of your %s%s%s.", HL_ON,
                          name, HL_OFF, HL_ON, city_screen.city_screen_product_name, HL_OFF);
            Warn0(text);
            product_changes = true;
        }
        int16_t price = City_Sell_Building_Value(b);
        std::snprintf(text, sizeof text, "Do you wish to sell back the %s%s%s for %d gold?", HL_ON, name, HL_OFF,
                      price);
        if (Confirmation_Box(text)) {
            City_Sell_Building(b, _city_idx, price);
            if (product_changes) city.construction = bt_Housing;
            City_Screen_Recalculate();
            City_Can_Buy_Product();
            City_Screen_Product_Name();
            city.bldg_sold = 1;
        }
    } else if (requiring >= 0) {
        Deactivate_Help_List();
        Copy_On_To_Off_Page();
        Clear_Fields();
        char other[24];
        Building_Name(requiring, other, sizeof other);
        std::snprintf(text, sizeof text, "You cannot sell back the %s because it is required by the %s.", name, other);
        Warn0(text);
    }
    Assign_Auto_Function(City_Screen_Draw, 1);
    Reset_Map_Draw();
    Set_City_Screen_Help_List();
}

void Population_Click(int16_t person)
{
    Play_Left_Click();
    _CITIES[_city_idx].farmer_count = (uint8_t)City_Screen_Farmers_After_Click(_city_idx, person);
    City_Screen_Recalculate();
    Do_City_Calculations(_city_idx);
    City_Can_Buy_Product();
}

void After_Breakdown(void)
{
    Reestablish_Common();
    City_Can_Buy_Product();
    City_Screen_Product_Name();
    City_Screen_Allocate_First_Block();
    Do_Build_City_Enchantment_List();
    city_screen_scanned_field = -1;
    Clear_Fields();
    cityscape_bldg_count = 0;
    Set_Input_Delay(2);
}

void After_Production_Screen(void)
{
    Reestablish_Common();
    City_Screen_Recalculate();
    City_Can_Buy_Product();
    City_Screen_Product_Name();
    City_Screen_Allocate_First_Block();
}

void After_Unit_Window(void)
{
    Assign_Auto_Function(City_Screen_Draw, 1);
    City_Screen_Load();
    City_Screen_Product_Name();
    City_Screen_Allocate_First_Block();
    Select_City_Stack();
    Do_Build_City_Enchantment_List();
    Reset_Map_Draw();
    Set_City_Screen_Help_List();
}

int16_t Field_Index(const int16_t *fields, int count, int16_t hit)
{
    if (hit <= 0) return -1;
    for (int i = 0; i < count; ++i)
        if (fields[i] == hit) return (int16_t)i;
    return -1;
}

}  // namespace

void City_Screen(void)
{
    Set_City_Screen_Help_List();
    if (_page_flip_effect != 3) _page_flip_effect = 0;
    _active_stack_path_length = 0;
    Assign_Auto_Function(City_Screen_Draw, 1);
    City_Screen_Load();
    City_Record &city = _CITIES[_city_idx];
    City_Center_Map(&city_screen.map_x, &city_screen.map_y, city.wx, city.wy, _map_plane);
    Select_City_Stack();
    Set_Draw_Active_Stack_Always();
    Set_Entities_On_Map_Window(city_screen.map_x, city_screen.map_y, _map_plane);
    Reset_Map_Draw();
    Do_Build_City_Enchantment_List();
    City_Screen_Clamp_Farmers(_city_idx);
    if (city.construction == 0) city.construction = bt_Housing;
    City_Screen_Recalculate();
    City_Screen_Product_Name();
    cityscape_bldg_count = 0;
    City_Can_Buy_Product();
    city_screen_scanned_field = -1;
    City_Screen_Allocate_First_Block();
    City_Screen_Recalculate();
    Set_Input_Delay(2);

    int frames = 0;
    bool leave = false;
    while (!leave) {
        bool redrawn = false;
        Mark_Time();
        City_Screen_Add_Fields__WIP();
        m_frame.debug_dump = Add_Hot_Key("X");
        int16_t input = Get_Input();
        city_screen_scanned_field = Scan_Input();
        int16_t row = Field_Index(city_resources_rows_fields, CITY_RESOURCE_ROW_FIELDS, input);
        int16_t line = Field_Index(city_enchantment_fields, city_enchantment_display_count, input);
        int16_t element = Field_Index(city_cityscape_fields, cityscape_bldg_count, input);
        int16_t slot = Field_Index(g_unit_window_fields, CITY_GARRISON_SLOTS, input);
        int16_t right_slot = Field_Index(g_unit_window_fields, CITY_GARRISON_SLOTS, (int16_t)-input);
        int16_t person = Field_Index(city_population_row_fields, city_population_row_count, input);
        if (quit_game_flag) {
            current_screen = scr_Quit_To_DOS;
            leave = true;
        } else if (row >= 0) {
            Resource_Breakdown(row);
            After_Breakdown();
            redrawn = true;
        } else if (input > 0 && input == m_frame.debug_dump) {
            Debug_Dump();
        } else if (input > 0 && input == city_up_button) {
            City_Screen_Enchantments_Up();
        } else if (input > 0 && input == city_dn_button) {
            City_Screen_Enchantments_Down();
        } else if (input > 0 && input == city_screen_change_button) {
            Play_Left_Click();
            production_screen_return_screen = 2;
            Production_Screen();
            After_Production_Screen();
        } else if (input > 0 && (input == city_screen_ok_button || input == m_frame.escape)) {
            _unit_stack_count = 0;
            Play_Left_Click();
            _prev_world_x = _map_x;
            _prev_world_y = _map_y;
            current_screen = scr_Main_Screen;
            leave = true;
        } else if (input > 0 && input == city_screen_buy_button) {
            Buy_Product();
        } else if (line >= 0) {
            Turn_Off_Enchantment_Line(line);
        } else if (element >= 0) {
            Sell_Building(element);
        } else if (slot >= 0) {
            Play_Left_Click();
            _prev_world_x = _map_x;
            _prev_world_y = _map_y;
            current_screen = scr_Main_Screen;
            if (all_units_moved) all_units_moved = 0;
            leave = true;
        } else if (right_slot >= 0) {
            int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
            City_Screen_Garrison_Window_Picture_Coords(right_slot, &x1, &y1, &x2, &y2);
            Main_Unit_Statistics_Window(_unit_stack[right_slot].unit_idx, (int16_t)(x1 + 1), (int16_t)(y1 + 1),
                                        (int16_t)(x2 + 1), (int16_t)(y2 + 1));
            After_Unit_Window();
        } else if (person >= 0) {
            Population_Click(person);
        }
        if (!leave && !redrawn) {
            City_Screen_Draw();
            PageFlip_FX();
            Release_Time(1);
            if (Unattended_Frame_Done(&frames)) {
                _unit_stack_count = 0;
                current_screen = scr_Main_Screen;
                leave = true;
            }
        }
    }
    cityscreen_city_built_bldg_idx = -1;
    Leave_Screen();
    Reset_Draw_Active_Stack();
}
