#include "info/screens/ArmyList_Screen.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "Allocate.h"
#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "Palette.h"
#include "Pictures.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "heroes/Item_Making.h"
#include "info/Army_List.h"
#include "overland/Main_Screen.h"
#include "overland/Stack_Selection.h"
#include "overland/Unit_Figure.h"
#include "overland/Unit_Specials_List.h"
#include "shell/Map_Window.h"
#include "shell/Reduced_Map.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Player_Record.h"
#include "world/Race_Type_Table.h"
#include "world/Unit_Record.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

namespace {

constexpr int16_t NO_FIELD = -1000;
constexpr uint16_t REDUCED_MAP_PARAGRAPHS = 153;
constexpr int16_t REDUCED_X = 86;
constexpr int16_t REDUCED_Y = 164;
constexpr int16_t REDUCED_WIDTH = 49;
constexpr int16_t REDUCED_HEIGHT = 33;
constexpr uint16_t SHOWS_RACE = 0x8000;
constexpr int ENCHANTMENT_LINES_SHOWN = 4;

struct ArmyList_Pictures {
    uint8_t *background;
    uint8_t *up_arrow;
    uint8_t *down_arrow;
    uint8_t *items_button;
    uint8_t *ok_button;
    uint8_t *portraits[NUM_HERO_SLOTS];
};
ArmyList_Pictures m_pictures;

int16_t m_armies_list_fields[ARMY_LIST_UNITS_MAX];
int16_t m_armies_list_field_count = 0;
int16_t m_row_fields[ARMY_LIST_VISIBLE_ROWS];
int16_t armylist_hero_portrait_fields[NUM_HERO_SLOTS];
int16_t armylist_hero_portrait_unit_indices[NUM_HERO_SLOTS];
int16_t armylist_item_scanned_field = 0;
int16_t armylist_upkeep_gold = 0;
int16_t armylist_upkeep_mana = 0;
int16_t armylist_upkeep_food = 0;

bool Hero_Slot_Live(int16_t slot)
{
    int16_t unit_idx = _players[_current_player_idx].Heroes[slot].unit_idx;
    return unit_idx >= 0 && unit_idx < _units && _UNITS[unit_idx].owner_idx != -1;
}

void Compute_Upkeep(void)
{
    armylist_upkeep_gold = Player_Armies_Gold_Upkeep(_current_player_idx);
    armylist_upkeep_mana = Player_Armies_And_Enchantments_Mana_Upkeep(_current_player_idx);
    armylist_upkeep_food = Player_Armies_Food_Upkeep(_current_player_idx);
}

int16_t Scanned_Unit(void)
{
    if (m_army_list_count <= 0) return -1;
    int16_t i = armylist_item_scanned_field;
    if (i < 0 || i >= ArmyList_Visible_Unit_Count()) i = 0;
    return list_armies[i];
}

void Unit_Name(int16_t unit_idx, char *out, size_t size)
{
    out[0] = '\0';
    const Unit_Record &unit = _UNITS[unit_idx];
    if (unit.Hero_Slot >= 0 && unit.Hero_Slot < NUM_HERO_SLOTS && unit.owner_idx >= 0 && unit.owner_idx < NUM_PLAYERS) {
        const char *name = _players[unit.owner_idx].Heroes[unit.Hero_Slot].name;
        snprintf(out, size, "%.*s", (int)sizeof _players[0].Heroes[0].name, name);
    } else if (unit.type < NUM_UNIT_TYPES) {
        const Unit_Type_Record &type = _unit_type_table[unit.type];
        const char *type_name = type.name != nullptr ? type.name : "";
        if ((type.Attribs_1 & SHOWS_RACE) != 0) {
            const char *race = type.race < 14 && type.race < NUM_RACES ? _race_type_table[type.race].name : "";
            snprintf(out, size, "%s %s", race != nullptr ? race : "", type_name);
        } else {
            snprintf(out, size, "%s", type_name);
        }
    }
    for (char *c = out; *c != '\0'; ++c) *c = (char)std::toupper((unsigned char)*c);
}

void Draw_Title(void)
{
    char title[64];
    const Player_Record &player = _players[_current_player_idx];
    snprintf(title, sizeof title, "The Armies Of %.*s", (int)sizeof player.name, player.name);
    struct Pass {
        int16_t x;
        int16_t y;
        uint8_t colour;
    };
    static const Pass passes[6] = {{162, 9, 237}, {161, 9, 237}, {162, 8, 237},
                                   {161, 7, 238}, {160, 8, 238}, {161, 8, 239}};
    for (const Pass &p : passes) {
        uint8_t colours[16];
        memset(colours, p.colour, sizeof colours);
        Set_Font_Colors_15(4, colours);
        Set_Font_Style(4, 15, 15, 15);
        Print_Centered(p.x, p.y, title);
    }
    static const uint8_t last[16] = {236, 177, 178, 177, 176, 176, 176, 176, 176, 176, 176, 176, 176, 176, 176, 176};
    Set_Font_Colors_15(4, last);
    Set_Font_Style(4, 15, 15, 15);
    Print_Centered(160, 7, title);
}

void Set_Body_Font(int16_t style)
{
    static const uint8_t colours[16] = {236, 129, 129, 129, 129, 129, 129, 129, 129, 129, 129, 129, 129, 129, 129, 129};
    Set_Font_Colors_15(style, colours);
    Set_Font_Style_Shadow_Down(style, 15, 15, 15);
}

// Statistics of a unit; afterwards the rows are built again, since the window may dismiss units.
void Unit_Statistics(int16_t unit_idx, int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    Deactivate_Help_List();
    Main_Unit_Statistics_Window(unit_idx, x1, y1, x2, y2);
    Assign_Auto_Function(ArmyList_Screen_Draw, 1);
    ArmyList_Screen_Load();
    Build_Army_List();
    ArmyList_Clamp_First_Item();
    Build_Army_List_Counts();
    Compute_Upkeep();
    Set_ArmyList_Screen_Help();
    ArmyList_Set_List_Item_Count();
}

void Select_Unit(int16_t unit_idx, bool move_active_square)
{
    Play_Left_Click();
    STU_LOG(SEV_INFO, LC_GENERAL, "[_unit ASSIGN] %d -> %d", (int)_unit, (int)unit_idx);
    _unit = unit_idx;
    const Unit_Record &unit = _UNITS[unit_idx];
    _map_plane = unit.wp;
    Select_Unit_Stack(_current_player_idx, &_map_x, &_map_y, _map_plane, unit.wx, unit.wy);
    if (all_units_moved == 1) all_units_moved = 0;
    if (move_active_square) {
        _active_world_x = unit.wx;
        _active_world_y = unit.wy;
    }
    current_screen = scr_Main_Screen;
}

}  // namespace

void ArmyList_Screen_Load(void)
{
    m_pictures = ArmyList_Pictures{};
    m_pictures.background = LBX_Reload_Picture("ARMYLIST", 0, _screen_seg);
    m_pictures.up_arrow = LBX_Reload_Next_Picture("ARMYLIST", 1, _screen_seg);
    m_pictures.down_arrow = LBX_Reload_Next_Picture("ARMYLIST", 2, _screen_seg);
    m_pictures.items_button = LBX_Reload_Next_Picture("ARMYLIST", 3, _screen_seg);
    m_pictures.ok_button = LBX_Reload_Next_Picture("ARMYLIST", 4, _screen_seg);
    for (int16_t slot = 0; slot < NUM_HERO_SLOTS; slot++) {
        if (!Hero_Slot_Live(slot)) continue;
        uint8_t type = _UNITS[_players[_current_player_idx].Heroes[slot].unit_idx].type;
        int16_t portrait = type < NUM_UNIT_TYPES ? _unit_type_table[type].hero_portrait : 0;
        m_pictures.portraits[slot] = LBX_Reload_Next_Picture("PORTRAIT", portrait, _screen_seg);
    }
    _reduced_map_seg = Allocate_Next_Block(_screen_seg, REDUCED_MAP_PARAGRAPHS);
    Set_Page_Off();
    FLIC_Draw(0, 0, m_pictures.background);
    Copy_Off_To_Back();
}

void ArmyList_Add_List_Fields(void)
{
    ArmyList_Set_List_Item_Count();
    std::fill(std::begin(m_armies_list_fields), std::end(m_armies_list_fields), NO_FIELD);
    m_armies_list_field_count = 0;
    int16_t n = 0;
    for (int16_t i = 0; i < armylist_item_count; i++) {
        for (int16_t j = 0; j < armylist_list_item_count[i] && n < ARMY_LIST_UNITS_MAX; j++, n++) {
            int16_t x = (int16_t)(ARMYLIST_START_X + 18 * j);
            int16_t y = (int16_t)(ARMYLIST_START_Y + 22 * i);
            m_armies_list_fields[n] =
                Add_Hidden_Field((int16_t)(x + 1), (int16_t)(y + 1), (int16_t)(x + 19), (int16_t)(y + 16), "", -1);
        }
    }
    m_armies_list_field_count = n;
    for (int16_t &f : m_row_fields) f = NO_FIELD;
    for (int16_t i = 0; i < armylist_item_count; i++) {
        int16_t y = (int16_t)(ARMYLIST_START_Y + 22 * i);
        m_row_fields[i] = Add_Hidden_Field(78, (int16_t)(y + 1), 240, (int16_t)(y + 16), "", -1);
    }
    for (int16_t slot = 0; slot < NUM_HERO_SLOTS; slot++) {
        armylist_hero_portrait_fields[slot] = NO_FIELD;
        armylist_hero_portrait_unit_indices[slot] = -1;
        if (!Hero_Slot_Live(slot)) continue;
        int16_t x1, y1, x2, y2;
        ArmyList_Hero_Portrait_Coords(slot, &x1, &y1, &x2, &y2);
        armylist_hero_portrait_fields[slot] = Add_Hidden_Field(x1, y1, x2, y2, "", -1);
        armylist_hero_portrait_unit_indices[slot] = _players[_current_player_idx].Heroes[slot].unit_idx;
    }
}

void ArmyList_Draw_Reduced_Map(void)
{
    int16_t unit_idx = Scanned_Unit();
    if (unit_idx >= 0) {
        const Unit_Record &unit = _UNITS[unit_idx];
        List_Screen_Draw_Reduced_Map(REDUCED_X, REDUCED_Y, REDUCED_WIDTH, REDUCED_HEIGHT, unit.wp, unit.wx, unit.wy);
        return;
    }
    // Without units the map centres on the fortress.
    const Fortress_Record &fortress = _FORTRESSES[_current_player_idx];
    List_Screen_Draw_Reduced_Map(REDUCED_X, REDUCED_Y, REDUCED_WIDTH, REDUCED_HEIGHT, fortress.wp, fortress.wx,
                                 fortress.wy);
}

void ArmyList_Screen_Draw(void)
{
    ArmyList_Set_List_Item_Count();
    Reset_Window();
    Copy_Back_To_Off();
    Draw_Title();
    Set_Outline_Color(231);
    Set_Body_Font(1);
    char text[100];
    snprintf(text, sizeof text, "%d", armylist_upkeep_gold);
    Print_Centered(45, 173, text);
    snprintf(text, sizeof text, "%d", armylist_upkeep_mana);
    Print_Centered(45, 183, text);
    snprintf(text, sizeof text, "%d", armylist_upkeep_food);
    Print_Centered(45, 192, text);
    Print_Centered(30, 162, "UPKEEP");

    bool many = m_army_list_count > ARMY_LIST_VISIBLE_ROWS;
    Set_Animation_Frame(m_pictures.up_arrow, (int16_t)(armylist_first_item == 0 && many ? 1 : 0));
    FLIC_Draw(250, 26, m_pictures.up_arrow);
    Set_Animation_Frame(m_pictures.up_arrow, (int16_t)(armylist_first_item == 0 && many ? 1 : 0));
    FLIC_Draw(60, 26, m_pictures.up_arrow);
    bool at_end = many && armylist_first_item + ARMY_LIST_VISIBLE_ROWS == m_army_list_count;
    Set_Animation_Frame(m_pictures.down_arrow, (int16_t)(at_end ? 1 : 0));
    FLIC_Draw(250, 139, m_pictures.down_arrow);
    Set_Animation_Frame(m_pictures.down_arrow, (int16_t)(at_end ? 1 : 0));
    FLIC_Draw(60, 139, m_pictures.down_arrow);
    FLIC_Draw(273, 163, m_pictures.items_button);
    FLIC_Draw(273, 182, m_pictures.ok_button);

    Set_Outline_Color(240);
    for (int16_t slot = 0; slot < NUM_HERO_SLOTS; slot++) {
        if (!Hero_Slot_Live(slot) || m_pictures.portraits[slot] == nullptr) continue;
        int16_t x1, y1, x2, y2;
        ArmyList_Hero_Portrait_Coords(slot, &x1, &y1, &x2, &y2);
        FLIC_Draw(x1, y1, m_pictures.portraits[slot]);
        Set_Body_Font(0);
        Set_Font_Spacing(1);
        snprintf(text, sizeof text, "%.*s", (int)sizeof _players[0].Heroes[0].name,
                 _players[_current_player_idx].Heroes[slot].name);
        Print_Centered((int16_t)(x1 + 15), (int16_t)(y1 + 37), text);
    }

    Set_Outline_Color(231);
    int16_t n = 0;
    for (int16_t i = 0; i < armylist_item_count; i++) {
        for (int16_t j = 0; j < armylist_list_item_count[i] && n < ARMY_LIST_UNITS_MAX; j++, n++) {
            int16_t x = (int16_t)(ARMYLIST_START_X + 18 * j);
            int16_t y = (int16_t)(ARMYLIST_START_Y + 22 * i);
            if (n == armylist_item_scanned_field)
                Gradient_Fill((int16_t)(x + 1), (int16_t)(y + 2), (int16_t)(x + 19), (int16_t)(y + 16), 15, 1);
            Draw_Unit_StatFig(x, y, list_armies[n], 1);
        }
    }
    Cycle_Unit_Enchantment_Animation();

    int16_t unit_idx = Scanned_Unit();
    if (unit_idx >= 0) {
        Set_Body_Font(1);
        Unit_Name(unit_idx, text, sizeof text);
        Print_Centered(188, 161, text);
        char names[UNIT_ENCHANTMENT_NAME_SLOTS][UNIT_ENCHANTMENT_NAME_SIZE];
        int16_t count = 0;
        Get_Unit_Enchantment_Names(unit_idx, names, &count);
        int16_t shown = std::min<int16_t>(count, ENCHANTMENT_LINES_SHOWN);
        int16_t step = shown == ENCHANTMENT_LINES_SHOWN ? 6 : 7;
        for (int16_t k = 0; k < shown; k++) Print(144, (int16_t)(172 + step * k), names[k]);
    }
    Set_Outline_Color(0);
    ArmyList_Draw_Reduced_Map();
}

void ArmyList_Screen(void)
{
    Allocate_First_Block(_screen_seg, 1);
    ArmyList_Screen_Load();
    Build_Army_List();
    armylist_first_item = 0;
    Build_Army_List_Counts();
    Assign_Auto_Function(ArmyList_Screen_Draw, 1);
    Set_Input_Delay(1);
    bool stack_selected = _unit_stack_count != 0;
    Compute_Upkeep();
    Load_Palette_From_Animation(m_pictures.up_arrow);
    Apply_Palette();
    Clear_Palette_Changes(0, 243);
    Set_Palette_Changes(0, 255);
    Update_Remap_Color_Range(0, 1);
    Set_Mouse_List(1, mouse_list_default);
    Set_ArmyList_Screen_Help();
    armylist_item_scanned_field = 0;
    STU_LOG(SEV_INFO, LC_KEL_SCR, "ArmyList_Screen: %d armies of %d units", (int)m_army_list_count,
            (int)armylist_unit_count);

    int frames = 0;
    bool leave = false;
    while (!leave) {
        Mark_Time();
        Clear_Fields();
        ArmyList_Add_List_Fields();
        int16_t items = Add_Button_Field(273, 163, "", m_pictures.items_button, "I", -1);
        int16_t ok = Add_Button_Field(273, 182, "", m_pictures.ok_button, "O", -1);
        int16_t esc = Add_Hot_Key("\x1B");
        int16_t up_key = NO_FIELD, up_right = NO_FIELD, up_left = NO_FIELD;
        int16_t down_key = NO_FIELD, down_right = NO_FIELD, down_left = NO_FIELD;
        if (ArmyList_Can_Scroll_Up()) {
            up_key = Add_Hot_Key("U");
            up_right = Add_Button_Field(250, 26, "", m_pictures.up_arrow, "", -1);
            up_left = Add_Button_Field(60, 26, "", m_pictures.up_arrow, "", -1);
        }
        if (ArmyList_Can_Scroll_Down()) {
            down_key = Add_Hot_Key("D");
            down_right = Add_Button_Field(250, 139, "", m_pictures.down_arrow, "", -1);
            down_left = Add_Button_Field(60, 139, "", m_pictures.down_arrow, "", -1);
        }
        int16_t hit = Get_Input();
        int16_t scanned = Scan_Input();
        bool popup = false;
        if (quit_game_flag) {
            current_screen = scr_Quit_To_DOS;
            leave = true;
        } else if (hit != 0 && (hit == ok || hit == esc)) {
            Play_Left_Click();
            current_screen = scr_Main_Screen;
            leave = true;
            if (stack_selected && _unit >= 0 && _unit < _units) {
                const Unit_Record &unit = _UNITS[_unit];
                Select_Unit_Stack(_current_player_idx, &_map_x, &_map_y, _map_plane, unit.wx, unit.wy);
            } else {
                _unit_stack_count = 0;
            }
        } else if (hit != 0 && hit == items) {
            Play_Left_Click();
            item_pool_item_idx = -1;
            current_screen = scr_Items_Screen;
            leave = true;
        } else if (hit > 0 && (hit == up_key || hit == up_right || hit == up_left)) {
            Play_Left_Click();
            ArmyList_Scroll_Up();
        } else if (hit > 0 && (hit == down_key || hit == down_right || hit == down_left)) {
            Play_Left_Click();
            ArmyList_Scroll_Down();
        }
        for (int16_t i = 0; i < m_armies_list_field_count && !leave && !popup; i++) {
            if (hit == m_armies_list_fields[i]) {
                Select_Unit(list_armies[i], true);
                leave = true;
            } else if (hit == -m_armies_list_fields[i]) {
                int16_t x1, y1, x2, y2;
                ArmyList_UnitFigure_Coordinates(i, &x1, &y1, &x2, &y2);
                Unit_Statistics(list_armies[i], x1, y1, x2, y2);
                Set_Input_Delay(1);
                popup = true;
            }
        }
        for (int16_t i = 0; i < m_armies_list_field_count; i++)
            if (scanned != 0 && scanned == m_armies_list_fields[i]) armylist_item_scanned_field = i;
        for (int16_t slot = 0; slot < NUM_HERO_SLOTS && !leave && !popup; slot++) {
            int16_t field = armylist_hero_portrait_fields[slot];
            int16_t unit_idx = armylist_hero_portrait_unit_indices[slot];
            if (field == NO_FIELD || unit_idx < 0) continue;
            if (scanned == field) {
                int16_t index = Get_List_Armies_Index(unit_idx);
                if (index >= 0) armylist_item_scanned_field = index;
            }
            if (hit == field) {
                Select_Unit(unit_idx, false);
                leave = true;
            } else if (hit == -field) {
                int16_t x1, y1, x2, y2;
                ArmyList_Hero_Portrait_Coords(slot, &x1, &y1, &x2, &y2);
                Unit_Statistics(unit_idx, x1, y1, x2, y2);
                popup = true;
            }
        }
        if (!leave && !popup) {
            ArmyList_Screen_Draw();
            Toggle_Pages();
            Release_Time(1);
            if (Unattended_Frame_Done(&frames)) {
                current_screen = scr_Main_Screen;
                leave = true;
            }
        }
    }
    STU_LOG(SEV_INFO, LC_KEL_SCR, "ArmyList_Screen: leaving to screen %d", (int)current_screen);
    Clear_Palette_Changes(0, 255);
    Set_Palette_Changes(0, 223);
    Update_Remap_Gray_Palette();
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    Reset_Window();
    Clear_Fields();
}
