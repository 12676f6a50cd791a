#include "cities/screens/Production_Screen.h"

#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Load.h"
#include "Palette.h"
#include "SOUND.h"
#include "Video.h"
#include "cities/Product_Rules.h"
#include "cities/screens/City_Screen.h"
#include "overland/Unit_Specials_List.h"
#include "overland/Unit_View.h"
#include "overland/Unit_View_Figures.h"
#include "overland/Unit_View_Panel.h"
#include "shell/Graphics_Cache.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Building_Data_Record.h"
#include "world/City_Economy.h"
#include "world/City_Record.h"
#include "world/Unit_Type_Record.h"

int16_t production_screen_return_screen = 2;
char building_description[BUILDING_DESCRIPTION_SIZE];
uint8_t *IMG_CTY_LeftBldTab = nullptr;
uint8_t *IMG_CTY_RightBldTab = nullptr;

namespace {

constexpr int16_t ROW_PITCH = 14;
constexpr int16_t ENTRY_WIDTH = 74;
constexpr int16_t ENTRY_HEIGHT = 11;
constexpr int16_t BUILDINGS_X = 0;
constexpr int16_t UNITS_X = 240;
constexpr int16_t LIST_Y = 4;
constexpr int16_t PANEL_X = 74;
constexpr int16_t PANEL_Y = 0;
constexpr uint16_t FIGURE_PARAGRAPHS = 30;
constexpr int GARRISON_MAX = 9;

struct Production_State {
    int16_t list[PRODUCT_LIST_MAX];
    int16_t length;
    int16_t producible;
    int16_t unit_count;
    int16_t current_item;
    int16_t fields[PRODUCT_LIST_MAX];
    int16_t garrison_full;
    Specials_List *specials;
    int16_t specials_count;
    int16_t specials_first;
    int16_t cancel_button;
    int16_t ok_button;
    uint8_t *picture_block;
};
Production_State m_state;

bool Is_Unit(int16_t product) { return product >= PRODUCT_UNIT_BASE; }

void Build_Unit_View(int16_t product)
{
    int16_t type = (int16_t)(product - PRODUCT_UNIT_BASE);
    if (global_battle_unit != nullptr) Prod_Load_Battle_Unit(type, global_battle_unit);
    m_state.specials_count = 0;
    if (m_state.specials != nullptr) Prod_Build_Specials_List(type, m_state.specials, &m_state.specials_count);
}

// Entries list units first, then buildings; buildings go in the left column, units in the right.
void Entry_Place(int16_t i, int16_t *x, int16_t *y)
{
    bool unit = Is_Unit(m_state.list[i]);
    int16_t row = unit ? i : (int16_t)(i - m_state.unit_count);
    *x = unit ? UNITS_X : BUILDINGS_X;
    *y = (int16_t)(LIST_Y + ROW_PITCH * row);
}

void Choose(int16_t i)
{
    _CITIES[_city_idx].construction = m_state.list[i];
    Do_City_Calculations(_city_idx);
}

}  // namespace

void Production_Screen_Load_Description(int16_t bldg_idx)
{
    std::memset(building_description, 0, sizeof building_description);
    if (bldg_idx < 0 || bldg_idx >= NUM_BUILDING_TYPES) return;
    LBX_Load_Data_Static("BUILDESC", 0, (uint8_t *)building_description, bldg_idx, 1, BUILDING_DESCRIPTION_SIZE);
    building_description[BUILDING_DESCRIPTION_SIZE - 1] = '\0';
}

int16_t Production_Screen_Entry_Of(int16_t product, const int16_t *list, int16_t length)
{
    for (int16_t i = 0; i < length; ++i)
        if (list[i] == product) return i;
    return 0;
}

void Production_Screen_Load(void)
{
    m_state.specials = (Specials_List *)(void *)Near_Allocate_First((int16_t)sizeof(Specials_List));
}

void Production_Screen_Allocate_First_Block(void)
{
    m_state.picture_block = Allocate_First_Block(_screen_seg, FIGURE_PARAGRAPHS);
    if (m_state.length > 0 && Is_Unit(m_state.list[m_state.current_item]))
        Load_Unit_Figure((int16_t)(m_state.list[m_state.current_item] - PRODUCT_UNIT_BASE), 1);
}

void Production_Screen_Add_Fields(void)
{
    for (int16_t i = 0; i < m_state.length; ++i) {
        int16_t x = 0, y = 0;
        Entry_Place(i, &x, &y);
        m_state.fields[i] =
            Add_Hidden_Field(x, y, (int16_t)(x + ENTRY_WIDTH - 1), (int16_t)(y + ENTRY_HEIGHT - 1), "", -1);
    }
    if (m_state.length > 0 && Is_Unit(m_state.list[m_state.current_item])) {
        UV_Clear_Specials_Fields();
        UV_Add_Specials_Fields(85, 108, m_state.specials, m_state.specials_count, m_state.specials_first);
    }
    Set_Font_Style(4, 4, 4, 4);
    Set_Alias_Color(203);
    m_state.cancel_button = Add_Button_Field(99, 181, "Cancel", gfx_backgrnd_seg[24], "C", -1);
    m_state.ok_button = Add_Button_Field(172, 181, "OK", gfx_backgrnd_seg[24], "O", -1);
}

void Production_Screen_Draw_(void)
{
    int16_t product = m_state.length > 0 ? m_state.list[m_state.current_item] : 0;
    if (Is_Unit(product)) {
        Build_Unit_View(product);
        UV_Setup_ProdScr(m_state.specials_count);
    } else {
        UV_Setup_ProdScr(0);
    }
    Thing_View_Draw__WIP(PANEL_X, PANEL_Y, 0, product, m_state.specials, m_state.specials_count, m_state.picture_block);
    for (int16_t i = 0; i < m_state.length; ++i) {
        int16_t x = 0, y = 0;
        Entry_Place(i, &x, &y);
        int16_t entry = m_state.list[i];
        bool unit = Is_Unit(entry);
        uint8_t *tab = unit ? IMG_CTY_RightBldTab : IMG_CTY_LeftBldTab;
        if (tab != nullptr) FLIC_Draw(x, y, tab);
        uint8_t colors[16] = {251, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        uint8_t outline = 244;
        if (i == m_state.current_item) {
            colors[0] = 244;
            colors[1] = 255;
            outline = 248;
        }
        if (unit && m_state.garrison_full) {
            colors[0] = 4;
            colors[1] = 5;
        }
        Set_Font_Colors_15(2, colors);
        Set_Font_Style_Shadow_Down(2, 15, 15, 15);
        Set_Outline_Color(outline);
        Set_Font_Spacing(1);
        if (unit) {
            int16_t type = (int16_t)(entry - PRODUCT_UNIT_BASE);
            const char *name = type < NUM_UNIT_TYPES ? _unit_type_table[type].name : nullptr;
            Print((int16_t)(x + 3), (int16_t)(y + 1), name != nullptr ? name : "");
        } else if (bldg_data_table != nullptr && entry >= 0 && entry < NUM_BUILDING_TYPES) {
            char name[sizeof bldg_data_table[0].name + 1];
            std::memcpy(name, bldg_data_table[entry].name, sizeof bldg_data_table[entry].name);
            name[sizeof bldg_data_table[entry].name] = '\0';
            Print((int16_t)(x + 2), (int16_t)(y + 1), name);
        }
    }
    Set_Outline_Color(0);
}

void Production_Screen_Draw(void)
{
    Set_Page_Off();
    Production_Screen_Draw_();
}

void Production_Screen(void)
{
    Cache_Graphics_Things();
    IMG_CTY_LeftBldTab = gfx_unitview_seg[31];
    IMG_CTY_RightBldTab = gfx_unitview_seg[32];
    Deactivate_Help_List();
    Set_Production_Screen_Help();
    m_state = {};
    Production_Screen_Load();
    Calculate_Product_Array(_city_idx, &m_state.length, &m_state.producible, &m_state.unit_count, m_state.list);
    if (m_state.length > PRODUCT_LIST_MAX) m_state.length = PRODUCT_LIST_MAX;
    int16_t garrison[GARRISON_MAX + 1] = {};
    int16_t garrison_count = 0;
    Army_At_City(_city_idx, &garrison_count, garrison);
    m_state.garrison_full = garrison_count >= GARRISON_MAX ? 1 : 0;
    m_state.current_item = Production_Screen_Entry_Of(_CITIES[_city_idx].construction, m_state.list, m_state.length);
    int16_t product = m_state.length > 0 ? m_state.list[m_state.current_item] : 0;
    if (Is_Unit(product))
        Build_Unit_View(product);
    else
        Production_Screen_Load_Description(product);
    Assign_Auto_Function(Production_Screen_Draw, 1);
    Production_Screen_Allocate_First_Block();
    if (gfx_unitview_seg[1] != nullptr) Load_Palette_From_Animation(gfx_unitview_seg[1]);
    Apply_Palette();
    Set_Palette_Changes(0, 255);
    Update_Remap_Color_Range(0, 1);
    Set_Page_Off();
    Copy_On_To_Off_Page();
    Gradient_Fill(0, 0, 319, 199, 3, 0);
    Copy_Off_To_Back();
    Set_Input_Delay(1);

    int16_t next_screen = scr_City_Screen;
    int frames = 0;
    bool leave = false;
    while (!leave) {
        bool warned = false;
        Mark_Time();
        Clear_Fields();
        Production_Screen_Add_Fields();
        int16_t escape = Add_Hot_Key("\x1B");
        int16_t input = Get_Input();
        int16_t entry = -1;
        for (int16_t i = 0; i < m_state.length && input > 0; ++i)
            if (m_state.fields[i] == input) entry = i;
        if (quit_game_flag) {
            next_screen = scr_Quit_To_DOS;
            leave = true;
        } else if (input > 0 && (input == m_state.cancel_button || input == escape)) {
            Play_Left_Click();
            leave = true;
        } else if (entry >= 0) {
            Play_Left_Click();
            Deactivate_Help_List();
            if (m_state.garrison_full && Is_Unit(m_state.list[entry])) {
                Warn1("There are already too many units currently in the city.");
                Assign_Auto_Function(Production_Screen_Draw, 1);
                warned = true;
            } else if (entry == m_state.current_item) {
                Choose(entry);
                leave = true;
            } else {
                m_state.current_item = entry;
                m_state.specials_first = 0;
                Production_Screen_Allocate_First_Block();
                if (!Is_Unit(m_state.list[entry])) Production_Screen_Load_Description(m_state.list[entry]);
            }
            Set_Production_Screen_Help();
        } else if (input > 0 && input == m_state.ok_button) {
            Play_Left_Click();
            if (m_state.length > 0) Choose(m_state.current_item);
            leave = true;
        } else {
            int16_t rows = 0;
            UV_Handle_Arrow_Buttons(input, &rows);
        }
        if (!leave && !warned) {
            Copy_Back_To_Off();
            Production_Screen_Draw_();
            Toggle_Pages();
            Release_Time(2);
            if (Unattended_Frame_Done(&frames)) leave = true;
        }
    }
    Leave_Screen();
    if (next_screen != scr_Quit_To_DOS)
        next_screen = production_screen_return_screen == 1 ? scr_Cities_Screen : scr_City_Screen;
    current_screen = next_screen;
    _page_flip_effect = 3;
    Set_Palette_Changes(0, 223);
    Update_Remap_Gray_Palette();
    Cache_Graphics_Overland();
}
