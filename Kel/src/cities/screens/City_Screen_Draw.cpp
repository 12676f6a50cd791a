#include "cities/screens/City_Screen_Draw.h"

#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Paragraph.h"
#include "Pictures.h"
#include "Video.h"
#include "cities/City_Records.h"
#include "cities/screens/City_Enchantment_List.h"
#include "cities/screens/City_Naming.h"
#include "cities/screens/City_Screen.h"
#include "cities/screens/City_Screen_Icons.h"
#include "cities/screens/Cityscape_Draw.h"
#include "overland/Map_Layers.h"
#include "overland/Unit_Figure.h"
#include "overland/Unit_View_Figures.h"
#include "shell/Graphics_Cache.h"
#include "shell/Map_Window.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Area.h"
#include "world/City_Growth.h"
#include "world/City_Record.h"
#include "world/Events_Record.h"
#include "world/Player_Record.h"
#include "world/Race_Type_Table.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"

namespace {

// Words of events_table: Plague (state, victim, city) and Population Boom (state, city).
constexpr int EV_PLAGUE_STATE = 18;
constexpr int EV_PLAGUE_CITY = 20;

constexpr int16_t MAP_X = 215;
constexpr int16_t MAP_Y = 4;
constexpr int16_t MAP_SQUARES = 5;
constexpr int16_t PRODUCT_BOX_X = 215;
constexpr int16_t PRODUCT_BOX_Y = 147;
constexpr int16_t PRODUCT_BOX_WIDTH = 44;
constexpr int16_t PRODUCT_BOX_HEIGHT = 31;
// The scratch bitmap for the product's picture holds any picture up to the size of the screen.
constexpr uint16_t PRODUCT_BITMAP_PARAGRAPHS = 320 * 200 / 16 + 1;

enum Icon_Kind : int { ik_Food = 0, ik_Production, ik_Gold, ik_Power, ik_Research };
uint8_t *Small_Icon(int kind) { return gfx_backgrnd_seg[40 + kind]; }
uint8_t *Big_Icon(int kind) { return gfx_backgrnd_seg[88 + kind]; }

void Draw_If(int16_t x, int16_t y, uint8_t *picture)
{
    if (picture != nullptr) FLIC_Draw(x, y, picture);
}

void Set_Help(int record, int16_t help)
{
    if (record >= 0 && record < HELP_ENTRIES_MAX) _help_entries[record].help_idx = help;
}

bool Lasting(int word) { return events_table != nullptr && events_table->words[word] == EVENT_STATE_LASTING; }

}  // namespace

void City_Population_Text(int16_t population, int16_t houses, int16_t growth, char *text, size_t size)
{
    int32_t n = (int32_t)population * 1000 + (int32_t)houses * 10;
    char figure[24];
    if (n >= 1000)
        std::snprintf(figure, sizeof figure, "%d,%03d", (int)(n / 1000), (int)(n % 1000));
    else
        std::snprintf(figure, sizeof figure, "%d", (int)n);
    int g = 10 * growth;
    std::snprintf(text, size, "Population: %s (%s%d)", figure, g >= 0 ? "+" : "", g);
}

City_Population_Row_Layout City_Population_Row_Layout_Of(int16_t population, int16_t farmers, int16_t minimum)
{
    City_Population_Row_Layout layout{};
    layout.pitch = (int16_t)(population >= 20 ? 8 : 9);
    if (population == 1)
        layout.gap_before = -2;  // a single person has no gap
    else
        layout.gap_before = minimum < farmers ? minimum : farmers;
    return layout;
}

City_Coin_Layout City_Coin_Layout_Of(int16_t cost)
{
    City_Coin_Layout layout{};
    layout.count = (int16_t)(cost / 10);
    if (layout.count < 1) layout.count = 1;
    if (layout.count > 50) {
        layout.per_row = 20;
        layout.step = 2;
    } else {
        layout.per_row = 10;
        layout.step = 5;
    }
    return layout;
}

int16_t City_Resource_Icons_End_X(int16_t x, int16_t total, int16_t count)
{
    int start = x;
    int cx = x;
    int used = 0;
    if (total / 10 > 0) {
        int s = 14;
        while ((total / 10) * s >= 80 && s > 3) --s;
        if (count / 10 > 0) cx += (count / 10) * s + 1;
        total = (int16_t)(total - 10 * (count / 10));
        count = (int16_t)(count % 10);
        used = cx - start;
    }
    if (total > 0) {
        int s = 8;
        while (total * s >= 125 - used && s > 2) --s;
        if (count > 0) cx += count * s + (8 - s);
    }
    return (int16_t)cx;
}

void City_Screen_Draw_Population_Row(int16_t city_idx, int16_t x, int16_t y)
{
    City_Screen_Clamp_Farmers(city_idx);
    City_Record &city = _CITIES[city_idx];
    int16_t minimum = City_Minimum_Farmers(city_idx);
    int16_t rebels = City_Rebel_Count(city_idx);
    int16_t farmers = city.farmer_count;
    int race = city.race < NUM_RACES ? city.race : 0;
    City_Population_Row_Layout layout = City_Population_Row_Layout_Of(city.population, farmers, minimum);
    int o = 0;
    bool gap = city.population == 1;
    for (int k = 0; k < farmers; ++k) {
        if (k == minimum && !gap) {
            o += 4;
            gap = true;
        }
        Draw_If((int16_t)(x + o), y, gfx_backgrnd_seg[59 + race]);
        o += layout.pitch;
    }
    if (!gap) o += 4;
    int workers = city.population - farmers - rebels;
    for (int k = 0; k < workers; ++k) {
        Draw_If((int16_t)(x + o), y, gfx_backgrnd_seg[45 + race]);
        o += layout.pitch;
    }
    o += 4;
    for (int k = 0; k < rebels; ++k) {
        Draw_If((int16_t)(x + o), (int16_t)(y - 2), gfx_backgrnd_seg[74 + race]);
        o += layout.pitch;
    }
}

void City_Screen_Draw_Resource_Icons(int16_t city_idx, int16_t x, int16_t y)
{
    const City_Record &city = _CITIES[city_idx];
    int16_t food = city.food_units;
    int16_t population = city.population;
    int16_t rx = x;
    int16_t total = (int16_t)(food + 1);
    int16_t eaten = food < population ? food : population;
    Draw_Resource_Icons(&rx, y, total, eaten, Big_Icon(ik_Food), Small_Icon(ik_Food));
    if (eaten > 0) rx = (int16_t)(rx + 6);
    if (food < population)
        Draw_Resource_Icons(&rx, y, total, (int16_t)(population - food), gfx_backgrnd_seg[95], gfx_backgrnd_seg[94]);
    else
        Draw_Resource_Icons(&rx, y, total, (int16_t)(food - population), Big_Icon(ik_Food), Small_Icon(ik_Food));

    rx = x;
    int16_t production = city.production_units;
    Draw_Resource_Icons(&rx, (int16_t)(y + 8), production, production, Big_Icon(ik_Production),
                        Small_Icon(ik_Production));

    int16_t gold = city.gold_units;
    int16_t upkeep = city.building_maintenance;
    rx = x;
    total = gold > upkeep ? gold : upkeep;
    int16_t paid = gold < upkeep ? gold : upkeep;
    Draw_Resource_Icons(&rx, (int16_t)(y + 16), total, paid, Big_Icon(ik_Gold), Small_Icon(ik_Gold));
    if (paid > 0) rx = (int16_t)(rx + 5);
    if (gold < upkeep)
        Draw_Resource_Icons(&rx, (int16_t)(y + 16), total, (int16_t)(upkeep - gold), gfx_backgrnd_seg[93],
                            gfx_backgrnd_seg[73]);
    else
        Draw_Resource_Icons(&rx, (int16_t)(y + 16), total, (int16_t)(gold - upkeep), Big_Icon(ik_Gold),
                            Small_Icon(ik_Gold));

    rx = x;
    Draw_Resource_Icons(&rx, (int16_t)(y + 24), city.mana_units, city.mana_units, Big_Icon(ik_Power),
                        Small_Icon(ik_Power));
    rx = x;
    Draw_Resource_Icons(&rx, (int16_t)(y + 32), city.research_units, city.research_units, Big_Icon(ik_Research),
                        Small_Icon(ik_Research));
}

void City_Screen_Draw_Production_Coins(int16_t city_idx)
{
    const City_Record &city = _CITIES[city_idx];
    City_Coin_Layout layout = City_Coin_Layout_Of(City_Current_Product_Cost(city_idx));
    int accumulated = city.Prod_Accu < 0 ? 0 : city.Prod_Accu;
    int full = accumulated / 10;
    int part = accumulated % 10;
    for (int i = 0; i < layout.count; ++i) {
        int16_t cx = (int16_t)(262 + (i % layout.per_row) * layout.step);
        int16_t cy = (int16_t)(151 + 6 * (i / layout.per_row));
        if (i < full) {
            Draw_If(cx, cy, gfx_backgrnd_seg[12]);
            continue;
        }
        Draw_If(cx, cy, gfx_backgrnd_seg[11]);
        if (i == full && part > 0 && gfx_backgrnd_seg[12] != nullptr) {
            Set_Window(0, 0, (int16_t)(cx + part / 2), 199);
            Clipped_Draw(cx, cy, gfx_backgrnd_seg[12]);
            Reset_Window();
        }
    }
}

void City_Screen_Draw_Map(void)
{
    for (int16_t i = 0; i < MAP_SQUARES; ++i) {
        for (int16_t j = 0; j < MAP_SQUARES; ++j) {
            int16_t sx = (int16_t)(MAP_X + 20 * j);
            int16_t sy = (int16_t)(MAP_Y + 18 * i);
            bool corner = (i == 0 || i == MAP_SQUARES - 1) && (j == 0 || j == MAP_SQUARES - 1);
            if (corner) {
                Gradient_Fill(sx, sy, (int16_t)(sx + 19), (int16_t)(sy + 17), 15, 7);
                continue;
            }
            int16_t wx = Map_Wrap_X(city_screen.map_x + j);
            int16_t wy = (int16_t)(city_screen.map_y + i);
            if (City_Area_Square_Is_Shared(wx, wy, _map_plane) == 1)
                Draw_If((int16_t)(sx + 7), (int16_t)(sy + 4), gfx_backgrnd_seg[0]);
        }
    }
    Redraw_Map_Unexplored_Area(MAP_X, MAP_Y, MAP_SQUARES, MAP_SQUARES, city_screen.map_x, city_screen.map_y,
                               _map_plane);
    Draw_Map_Units(MAP_X, MAP_Y, MAP_SQUARES, MAP_SQUARES, city_screen.map_x, city_screen.map_y);
}

void City_Screen_Draw_Buttons(void)
{
    if (city_screen.city_no_buy) {
        Draw_If(214, 188, gfx_backgrnd_seg[14]);
    } else if (gfx_backgrnd_seg[7] != nullptr) {
        Set_Animation_Frame(gfx_backgrnd_seg[7], 0);
        FLIC_Draw(214, 188, gfx_backgrnd_seg[7]);
    }
    if (gfx_backgrnd_seg[8] != nullptr) {
        Set_Animation_Frame(gfx_backgrnd_seg[8], 0);
        FLIC_Draw(247, 188, gfx_backgrnd_seg[8]);
    }
    if (gfx_backgrnd_seg[9] != nullptr) {
        Set_Animation_Frame(gfx_backgrnd_seg[9], 0);
        FLIC_Draw(286, 188, gfx_backgrnd_seg[9]);
    }
    if (city_enchantment_display_scroll_flag == 1) {
        Draw_If(201, 50, gfx_backgrnd_seg[15]);
        Draw_If(201, 85, gfx_backgrnd_seg[16]);
    }
}

void City_Screen_Draw_Garrison_Window(void)
{
    if (_unit == -1) return;
    int16_t count = _unit_stack_count < CITY_GARRISON_SLOTS ? _unit_stack_count : CITY_GARRISON_SLOTS;
    for (int16_t i = 0; i < count; ++i) {
        int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        City_Screen_Garrison_Window_Picture_Coords(i, &x1, &y1, &x2, &y2);
        Draw_Unit_Picture(x1, y1, _unit_stack[i].unit_idx, 1);
    }
    Cycle_Unit_Enchantment_Animation();
}

namespace {

void Draw_Product_Picture(const City_Record &city)
{
    int16_t product = city.construction;
    if (product < PRODUCT_UNIT_BASE) {
        Mark_Block(_screen_seg);
        uint8_t *bitmap = Allocate_Next_Block(_screen_seg, PRODUCT_BITMAP_PARAGRAPHS);
        int16_t x0 = 0, y0 = 0, w = 0, h = 0;
        Create_Picture(1, 1, bitmap);
        Draw_Building_Picture_To_Bitmap(_city_idx, product, &x0, &y0, &w, &h, bitmap);
        FLIC_Set_LoopFrame_1(bitmap);
        Draw_Picture((int16_t)(PRODUCT_BOX_X + (PRODUCT_BOX_WIDTH - w) / 2 - x0),
                     (int16_t)(PRODUCT_BOX_Y + (PRODUCT_BOX_HEIGHT - h) / 2 - y0), bitmap);
        Release_Block(_screen_seg);
        return;
    }
    int16_t type = (int16_t)(product - PRODUCT_UNIT_BASE);
    if (type < 0 || type >= NUM_UNIT_TYPES) return;
    if (_unit_type_table[type].Transport < 1) {
        if (gfx_cityscap_seg[103] != nullptr) {
            Set_Animation_Frame(gfx_cityscap_seg[103], 0);
            FLIC_Draw(218, 144, gfx_cityscap_seg[103]);
        }
    } else {
        Draw_If(219, 157, gfx_unitview_seg[34]);
    }
    Draw_Unit_Figure(224, 136, type, 0);
}

void Draw_Product_Name(void)
{
    char *name = city_screen.city_screen_product_name;
    Set_Font_Style_Shadow_Up(1, 15, 15, 15);
    Set_Font_LF(0);
    Set_Alias_Color(26);
    Set_Font_Spacing_Width(1);
    int16_t width = Get_Paragraph_Max_Width(PRODUCT_BOX_WIDTH, name, 2);
    int16_t height = Get_Paragraph_Max_Height(PRODUCT_BOX_WIDTH, name);
    if (width > 42 || width < 1 || height > 6) Set_Font_Style_Shadow_Up(0, 15, 15, 15);
    Set_Outline_Color(4);
    height = Get_Paragraph_Max_Height(PRODUCT_BOX_WIDTH, name);
    if (height < 1)
        Print(216, 179, name);
    else
        Print_Paragraph(216, (int16_t)(185 - height), PRODUCT_BOX_WIDTH, name, 2);
    Set_Outline_Color(0);
}

const uint8_t m_race_colors[16] = {190, 179, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

}  // namespace

void City_Screen_Draw2__WIP(void)
{
    const City_Record &city = _CITIES[_city_idx];
    char text[120];
    char name[sizeof city.name + 1];
    std::memcpy(name, city.name, sizeof city.name);
    name[sizeof city.name] = '\0';
    std::snprintf(text, sizeof text, "%s of %s", _city_size_names[city.size < NUM_CITY_SIZES ? city.size : 0], name);
    Set_Font_Style_Shadow_Down(5, 5, 5, 5);
    Set_Alias_Color(26);
    Set_Outline_Color(0);
    Print_Centered(105, 3, text);

    Set_Font_Colors_15(1, m_race_colors);
    Set_Font_Style_Shadow_Down(1, 15, 15, 15);
    Set_Outline_Color(19);
    std::snprintf(text, sizeof text, "%s", city.race < NUM_RACES ? _race_type_table[city.race].name : "");
    if (Lasting(EV_PLAGUE_STATE) && events_table->words[EV_PLAGUE_CITY] == _city_idx)
        std::strncat(text, " (Plague)", sizeof text - std::strlen(text) - 1);
    if (Lasting(ev_Population_Boom_State) && events_table->words[ev_Population_Boom_City] == _city_idx)
        std::strncat(text, " (Pop. Boom)", sizeof text - std::strlen(text) - 1);
    Print(6, 19, text);

    City_Population_Text(city.population, city.Pop_10s, City_Growth_Rate(_city_idx), text, sizeof text);
    Set_Font_Spacing_Width(1);
    Print_Right(208, 19, text);

    City_Screen_Draw_Population_Row(_city_idx, 4, 27);
    City_Screen_Draw_Resource_Icons(_city_idx, 6, 52);
    City_Screen_Draw_City_Enchantments(139, 51);
    City_Screen_Draw_Garrison_Window();

    Set_Font_Colors_15(1, m_race_colors);
    Set_Font_Style_Shadow_Down(1, 15, 15, 15);
    Set_Outline_Color(19);
    const City_Record &now = _CITIES[_city_idx];
    if (city_screen.city_n_turns_to_produce > 0 && now.construction != bt_Trade_Goods &&
        now.construction != bt_Housing) {
        Print_Integer_Right(286, 140, city_screen.city_n_turns_to_produce);
        Print(291, 140, city_screen.city_n_turns_to_produce == 1 ? "Turn" : "Turns");
    }
    Draw_Product_Picture(now);
    Draw_Product_Name();
}

void Cityscape_Draw_Scanned_Building_Name(int16_t scanned_field, int16_t x_offset, int16_t owner_idx)
{
    if (owner_idx == -1) return;
    int16_t band_left = (int16_t)(x_offset == 1 ? 38 : x_offset + 38);
    int16_t band_right = (int16_t)(x_offset == 1 ? 175 : x_offset + 175);
    for (int16_t e = 0; e < cityscape_bldg_count && e < CITYSCAPE_MAX_FIELDS; ++e) {
        if (city_cityscape_fields[e] != scanned_field) continue;
        const Cityscape_Bldg_Field &element = cityscape_bldg_fields[e];
        int16_t cx = element.center_x;
        int16_t cy = element.center_y;
        int16_t b = element.bldg_idx;
        bool in_band = cx > band_left && cx <= band_right;
        if (in_band) {
            Set_Font_Style_Outline(1, 0, 0, 0);
        } else {
            Set_Font_Style(0, 0, 0, 0);
            Set_Font_Spacing_Width(1);
        }
        if (b < 100) {
            char name[sizeof bldg_data_table[0].name + 1] = "";
            if (bldg_data_table != nullptr && b >= 0 && b < NUM_BUILDING_TYPES) {
                std::memcpy(name, bldg_data_table[b].name, sizeof bldg_data_table[b].name);
                name[sizeof bldg_data_table[b].name] = '\0';
            }
            if (b >= 0 && b < NUM_BUILDINGS && _CITIES[_city_idx].bldg_status[b] == 2) {
                Set_Color_Set(2);
                Set_Alias_Color(166);
                Set_Outline_Color(0);
                Print_Centered((int16_t)(cx + 1), cy, "Destroyed");
                Print_Centered((int16_t)(cx + 1), (int16_t)(cy + 6), name);
            } else {
                Set_Color_Set(0);
                Set_Alias_Color(8);
                Set_Outline_Color(0);
                Print_Centered((int16_t)(cx + 1), (int16_t)(cy + 6), name);
            }
        } else if (b - 100 < NUM_MAGIC_BUILDINGS) {
            Set_Color_Set(0);
            Set_Alias_Color(8);
            Set_Outline_Color(0);
            if (b == 104) {
                char owner_name[40] = "";
                if (owner_idx >= 0 && owner_idx < NUM_PLAYERS) {
                    std::memcpy(owner_name, _players[owner_idx].name, sizeof _players[owner_idx].name);
                    owner_name[sizeof _players[owner_idx].name] = '\0';
                }
                Possessive(owner_name, sizeof owner_name);
                Print_Centered((int16_t)(cx + 1), (int16_t)(cy - 4), owner_name);
                Print_Centered((int16_t)(cx + 1), (int16_t)(cy + 3), "Fortress");
            } else {
                Print_Centered((int16_t)(cx + 1), (int16_t)(cy + 3), _magic_building_names[b - 100]);
            }
        }
        return;
    }
}

void City_Screen_Set_Help_Entries(void)
{
    const City_Record &city = _CITIES[_city_idx];
    Set_Help(1, (int16_t)(CITY_HELP_RACE_FIRST + city.race));
    Set_Help(2, city.food_units > 0 ? 295 : -1);
    Set_Help(3, city.production_units > 0 ? 296 : -1);
    Set_Help(4, (city.gold_units > 0 || city.building_maintenance > 0) ? 297 : -1);
    Set_Help(5, city.mana_units > 0 ? 299 : -1);
    Set_Help(6, city.research_units > 0 ? 300 : -1);
    Set_Help(7, 301);
    for (int i = 16; i <= 21; ++i) Set_Help(i, -1);
    if (city_enchantment_display_count > 0) {
        Set_Help(7, -1);
        for (int i = 0; i < city_enchantment_display_count && i < CITY_ENCHANTMENT_PAGE_LINES; ++i) {
            int e = city_enchantment_display_first + i;
            if (e >= 0 && e < city_enchantment_list_count)
                Set_Help(16 + i, City_Enchantment_HelpIdx(city_enchantment_list[e]));
        }
    }
    int16_t help = 303;
    if (city_screen_scanned_field > 0) {
        for (int16_t e = 0; e < cityscape_bldg_count && e < CITYSCAPE_MAX_FIELDS; ++e) {
            if (city_cityscape_fields[e] != city_screen_scanned_field) continue;
            int16_t b = cityscape_bldg_fields[e].bldg_idx;
            help = (int16_t)(b < 100 ? b + CITY_HELP_BUILDING_FIRST : b + CITY_HELP_MAGIC_FIRST);
            break;
        }
    }
    Set_Help(9, help);
    Set_Help(14, -1);
}

void City_Screen_Draw(void)
{
    City_Screen_Set_Help_Entries();
    const City_Record &city = _CITIES[_city_idx];
    Reset_Window();
    Set_Page_Off();
    Reset_Map_Draw();
    Reduced_Map_Set_Dims(58, 30);
    Draw_Maps(MAP_X, MAP_Y, MAP_SQUARES, MAP_SQUARES, &city_screen.map_x, &city_screen.map_y, _map_plane, _prev_world_x,
              _prev_world_y, _current_player_idx);
    City_Screen_Draw_Map();
    Draw_If(0, 0, gfx_backgrnd_seg[6]);
    City_Screen_Draw2__WIP();
    City_Screen_Draw_Buttons();
    Cityscape_Window__WIP(_city_idx, 4, 101, cityscreen_city_built_bldg_idx, cityscreen_city_built_bldg_idx);
    Cityscape_Draw_Scanned_Building_Name(city_screen_scanned_field, 1, city.owner_idx);
    int16_t product = _CITIES[_city_idx].construction;
    if (product == bt_Trade_Goods || product == bt_Housing) {
        Draw_If(260, 149, gfx_backgrnd_seg[13]);
        Set_Font_Style_Shadow_Up(0, 15, 15, 15);
        Set_Outline_Color(4);
        Set_Alias_Color(26);
        Set_Font_LF(0);
        char text[48];
        std::strcpy(text,
                    product == bt_Trade_Goods ? "Converts production to gold." : "Increases population growth rate.");
        Print_Paragraph(262, 159, 50, text, 2);
        Set_Outline_Color(0);
    } else {
        City_Screen_Draw_Production_Coins(_city_idx);
    }
}
