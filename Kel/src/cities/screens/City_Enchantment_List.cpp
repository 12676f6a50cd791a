#include "cities/screens/City_Enchantment_List.h"

#include <cstdio>
#include <cstring>
#include <strings.h>

#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Fonts.h"
#include "Help.h"
#include "SOUND.h"
#include "cities/City_Records.h"
#include "cities/screens/City_Screen.h"
#include "shell/Graphics_Cache.h"
#include "world/ALLOC.h"
#include "world/Player_Record.h"

namespace {

// Banner colours of Print_City_Enchantment_List, by the owner's banner.
const uint8_t m_print_banner_colors[NUM_PLAYERS] = {221, 218, 125, 201, 211, 50};
constexpr uint8_t PRINT_NOBODY_COLOR = 6;

}  // namespace

const char *const _city_enchantment_names[NUM_CITY_ENCHANTMENTS] = {
    "Wall of Fire",    "Chaos Rift", "Dark Rituals", "Evil Presence",  "Cursed Lands",   "Pestilence",
    "Cloud of Shadow", "Famine",     "Flying",       "Nature Ward",    "Sorcery Ward",   "Chaos Ward",
    "Life Ward",       "Death Ward", "Nature's Eye", "Earth Gate",     "Stream of Life", "Gaia's Blessing",
    "Inspirations",    "Prosperity", "Astral Gate",  "Heavenly Light", "Consecration",   "Wall of Darkness",
    "Altar of Battle", "Nightshade",
};

int16_t city_enchantment_list[NUM_CITY_ENCHANTMENTS];
int16_t city_enchantment_owner_list[NUM_CITY_ENCHANTMENTS];
int16_t city_enchantment_list_count = 0;
int16_t city_enchantment_display_first = 0;
int16_t city_enchantment_display_count = 0;
int16_t city_enchantment_display_scroll_flag = 0;
int16_t city_enchantment_fields[CITY_ENCHANTMENT_PAGE_LINES];
int16_t city_up_button = CITY_ENCHANTMENT_NO_BUTTON;
int16_t city_dn_button = CITY_ENCHANTMENT_NO_BUTTON;

namespace {

// Line colours by the owner's banner; lines attributed to nobody use colour 1.
const uint8_t m_banner_colors[NUM_PLAYERS] = {222, 79, 127, 201, 211, 50};
constexpr uint8_t NOBODY_COLOR = 1;
constexpr int16_t LINE_HEIGHT = 7;
constexpr int16_t LINE_WIDTH = 60;
constexpr int16_t NEUTRAL_BANNER = 5;

bool City_Valid(int16_t city_idx) { return city_idx >= 0 && city_idx < _cities && city_idx < NUM_CITIES; }

int16_t Lines_Shown(void)
{
    int16_t shown = (int16_t)(city_enchantment_list_count - city_enchantment_display_first);
    if (shown > CITY_ENCHANTMENT_PAGE_LINES) shown = CITY_ENCHANTMENT_PAGE_LINES;
    return shown;
}

}  // namespace

void Build_City_Enchantment_List(int16_t city_idx, int16_t *list, int16_t *owners, int16_t *count)
{
    *count = 0;
    if (!City_Valid(city_idx)) {
        return;
    }
    const City_Record &city = _CITIES[city_idx];
    int16_t n = 0;
    for (int16_t e = 0; e < NUM_CITY_ENCHANTMENTS; e++) {
        if (city.enchantments[e] == 0) {
            continue;
        }
        list[n] = e;
        owners[n] = strcasecmp(_city_enchantment_names[e], "Nightshade") == 0 ? CITY_ENCHANTMENT_OWNER_NOBODY
                                                                              : (int16_t)city.owner_idx;
        n++;
    }
    // Highest owner first; equal owners keep their order, so Nightshade leads.
    for (int pass = 0; pass < n; pass++) {
        for (int k = 0; k + 1 < n; k++) {
            if (owners[k] < owners[k + 1]) {
                int16_t owner = owners[k];
                owners[k] = owners[k + 1];
                owners[k + 1] = owner;
                int16_t enchantment = list[k];
                list[k] = list[k + 1];
                list[k + 1] = enchantment;
            }
        }
    }
    *count = n;
}

void Do_Build_City_Enchantment_List(void)
{
    Build_City_Enchantment_List(_city_idx, city_enchantment_list, city_enchantment_owner_list,
                                &city_enchantment_list_count);
    city_enchantment_display_first = 0;
    city_enchantment_display_scroll_flag = city_enchantment_list_count > CITY_ENCHANTMENT_PAGE_LINES ? 1 : 0;
}

void City_Add_Fields_City_Enchantments(int16_t x, int16_t y)
{
    city_up_button = CITY_ENCHANTMENT_NO_BUTTON;
    city_dn_button = CITY_ENCHANTMENT_NO_BUTTON;
    // Lines not shown this time must not keep the numbers of fields that now belong to others.
    for (int16_t &field : city_enchantment_fields) field = CITY_ENCHANTMENT_NO_BUTTON;
    if (city_enchantment_display_scroll_flag == 1) {
        city_up_button = Add_Button_Field((int16_t)(x + 62), (int16_t)(y - 1), "", gfx_backgrnd_seg[15], "", -1);
        city_dn_button = Add_Button_Field((int16_t)(x + 62), (int16_t)(y + 34), "", gfx_backgrnd_seg[16], "", -1);
    }
    city_enchantment_display_count = Lines_Shown();
    if (city_enchantment_display_count <= 0) {
        city_enchantment_display_first = 0;
        city_enchantment_display_count = Lines_Shown();
    }
    if (city_enchantment_display_count < 0) {
        city_enchantment_display_count = 0;
    }
    for (int16_t i = 0; i < city_enchantment_display_count; i++) {
        int16_t top = (int16_t)(y + LINE_HEIGHT * i);
        city_enchantment_fields[i] =
            Add_Hidden_Field(x, top, (int16_t)(x + LINE_WIDTH), (int16_t)(top + LINE_HEIGHT - 1), "", -1);
    }
}

void City_Screen_Draw_City_Enchantments(int16_t x, int16_t y)
{
    for (int16_t i = 0; i < city_enchantment_display_count && i < CITY_ENCHANTMENT_PAGE_LINES; i++) {
        int16_t entry = (int16_t)(city_enchantment_display_first + i);
        if (entry < 0 || entry >= city_enchantment_list_count) {
            break;
        }
        int16_t enchantment = city_enchantment_list[entry];
        int16_t owner = city_enchantment_owner_list[entry];
        if (enchantment < 0 || enchantment >= NUM_CITY_ENCHANTMENTS) {
            continue;
        }
        uint8_t color = NOBODY_COLOR;
        if (owner >= 0 && owner < NUM_PLAYERS) {
            if (owner == NEUTRAL_PLAYER_IDX) {
                _players[NEUTRAL_PLAYER_IDX].banner_id = NEUTRAL_BANNER;
            }
            uint8_t banner = _players[owner].banner_id;
            color = banner < NUM_PLAYERS ? m_banner_colors[banner] : NOBODY_COLOR;
        }
        // Our font shades its glyphs with every index of the set, so the whole set takes the colour.
        uint8_t colors[16];
        memset(colors, color, sizeof colors);
        Set_Font_Colors_15(1, colors);
        Set_Font_Style_Shadow_Up(1, 15, 15, 15);
        Set_Outline_Color(6);
        Set_Alias_Color(7);
        Set_Font_Spacing(1);
        Print(x, (int16_t)(y + LINE_HEIGHT * i), _city_enchantment_names[enchantment]);
    }
}

void City_Enchantment_Page_Down(void)
{
    city_enchantment_display_first = (int16_t)(city_enchantment_display_first + CITY_ENCHANTMENT_PAGE_LINES);
    if (city_enchantment_display_first >= city_enchantment_list_count) {
        city_enchantment_display_first = 0;
    }
}

void City_Enchantment_Page_Up(void)
{
    city_enchantment_display_first = (int16_t)(city_enchantment_display_first - CITY_ENCHANTMENT_PAGE_LINES);
    if (city_enchantment_display_first < 0) {
        city_enchantment_display_first =
            (int16_t)((city_enchantment_list_count / CITY_ENCHANTMENT_PAGE_LINES) * CITY_ENCHANTMENT_PAGE_LINES);
    }
}

void City_Enchantment_List_Rebuild(int16_t city_idx)
{
    Build_City_Enchantment_List(city_idx, city_enchantment_list, city_enchantment_owner_list,
                                &city_enchantment_list_count);
    if (city_enchantment_list_count > CITY_ENCHANTMENT_PAGE_LINES) {
        city_enchantment_display_scroll_flag = 1;
    } else {
        city_enchantment_display_first = 0;
        city_enchantment_display_scroll_flag = 0;
    }
}

int16_t City_Enchantment_Line_Turn_Off(int16_t city_idx, int16_t line, int16_t owner, bool two_spaces)
{
    const int16_t entry = (int16_t)(city_enchantment_display_first + line);
    if (line < 0 || entry < 0 || entry >= city_enchantment_list_count || city_enchantment_owner_list[entry] != owner) {
        return -1;
    }
    const int16_t enchantment = city_enchantment_list[entry];
    Play_Left_Click();
    Deactivate_Help_List();
    char question[160];
    snprintf(question, sizeof question, "Do you wish to turn off the \x02%s\x01%s spell?",
             _city_enchantment_names[enchantment], two_spaces ? " " : "");
    if (Confirmation_Box(question) != 1) {
        return 0;
    }
    Turn_Off_City_Enchantment(city_idx, enchantment);
    City_Enchantment_List_Rebuild(city_idx);
    return 1;
}

void Turn_Off_City_Enchantment(int16_t city_idx, int16_t enchantment)
{
    if (!City_Valid(city_idx) || enchantment < 0 || enchantment >= NUM_CITY_ENCHANTMENTS) {
        return;
    }
    _CITIES[city_idx].enchantments[enchantment] = 0;
}

void Print_City_Enchantment_List(int16_t x, int16_t y, const int16_t *enchantments, const int16_t *owners,
                                 int16_t count)
{
    if (enchantments == nullptr || owners == nullptr) {
        return;
    }
    int16_t style = count > 4 ? 0 : 1;
    int shown = count < CITY_ENCHANTMENT_PRINT_MAX ? count : CITY_ENCHANTMENT_PRINT_MAX;
    for (int k = 0; k < shown; k++) {
        int16_t enchantment = enchantments[k];
        if (enchantment < 0 || enchantment >= NUM_CITY_ENCHANTMENTS) {
            continue;
        }
        uint8_t color = PRINT_NOBODY_COLOR;
        int16_t owner = owners[k];
        if (owner != CITY_ENCHANTMENT_OWNER_NOBODY && owner >= 0 && owner < NUM_PLAYERS &&
            _players[owner].banner_id < NUM_PLAYERS) {
            color = m_print_banner_colors[_players[owner].banner_id];
        }
        // Our font shades its glyphs with every index of the set, so the whole set takes the colour.
        uint8_t colors[16];
        memset(colors, color, sizeof colors);
        Set_Font_Colors_15(style, colors);
        Set_Font_Spacing(1);
        Set_Alias_Color(2);
        int16_t px = k < 4 ? x : (int16_t)(x + 63);
        int16_t py = (int16_t)(y + 7 * (k < 4 ? k : k - 4));
        Print(px, py, _city_enchantment_names[enchantment]);
    }
}
