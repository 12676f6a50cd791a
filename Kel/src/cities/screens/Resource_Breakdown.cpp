#include "cities/screens/Resource_Breakdown.h"

#include <array>
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
#include "Video.h"
#include "cities/screens/City_Screen.h"
#include "shell/Graphics_Cache.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Area.h"
#include "world/City_Record.h"
#include "world/Events_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Square_Queries.h"

namespace {

constexpr int LABEL_FIRST[7] = {0, 0, 15, 30, 30, 45, 60};
// The buildings whose status 0 earns a line its " (Replaced)" mark, per line; 0 none.
// clang-format off
constexpr int8_t REPLACED_FOOD[RESOURCE_BREAKDOWN_LINES]       = {0, 10, 29, 30, 31};
constexpr int8_t REPLACED_PRODUCTION[RESOURCE_BREAKDOWN_LINES] = {0, 0, 0, 15, 31, 34, 33};
constexpr int8_t REPLACED_GOLD[RESOURCE_BREAKDOWN_LINES]       = {0, 0, 0, 0, 0, 34, 0, 26, 27, 28};
constexpr int8_t REPLACED_POWER[RESOURCE_BREAKDOWN_LINES]      = {0, 0, 22, 23, 24, 25, 19, 21, 0, 0, 0, 0, 34};
constexpr int8_t REPLACED_RESEARCH[RESOURCE_BREAKDOWN_LINES]   = {16, 17, 20, 21};
// clang-format on
const uint8_t m_title_colors[16] = {185, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47};
const uint8_t m_text_colors[16] = {184, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55};

struct Breakdown_State {
    int16_t resource_id;
    int16_t line_count;
    int16_t first_line;
    int16_t *breakdown;  // RESOURCE_BREAKDOWN_LIST_MAX entries
    char (*labels)[RESOURCE_LABEL_SIZE];
    uint8_t *window_top;
    uint8_t *window_bottom;
};
Breakdown_State m_state;

// x when x <= cap, else cap plus half of what lies above it.
int Over_Cap(int x, int cap) { return x <= cap ? x : cap + (x - cap) / 2; }

int16_t Sat16(int v)
{
    if (v > 32767) return 32767;
    if (v < -32768) return -32768;
    return (int16_t)v;
}

bool Has(const City_Record &city, int bldg) { return City_Building_Stands(city, bldg); }
bool Enchanted(const City_Record &city, int ench) { return city.enchantments[ench] > 0; }
bool Event_Lasting(int word) { return events_table != nullptr && events_table->words[word] == EVENT_STATE_LASTING; }

void Clamp_Farmers(City_Record &city)
{
    if (city.farmer_count > city.population) city.farmer_count = city.population;
}

struct Area {
    int16_t count;
    int16_t xs[CITY_AREA_MAX_SQUARES];
    int16_t ys[CITY_AREA_MAX_SQUARES];
};
Area Area_Of(const City_Record &city)
{
    Area area{};
    area.count = Get_Useable_City_Area(city.wx, city.wy, city.wp, area.xs, area.ys);
    return area;
}

template <typename Query> int Area_Sum(const City_Record &city, const Area &area, Query query)
{
    int sum = 0;
    for (int i = 0; i < area.count; ++i) sum += query(area.xs[i], area.ys[i], (int16_t)city.wp);
    return sum;
}

void Store(int16_t *out, const int *lines)
{
    for (int i = 0; i < RESOURCE_BREAKDOWN_LINES; ++i) out[i] = Sat16(lines[i]);
}

}  // namespace

void City_Food_Breakdown(int16_t city_idx, int16_t *out)
{
    std::memset(out, 0, RESOURCE_BREAKDOWN_LINES * sizeof(int16_t));
    City_Record &city = _CITIES[city_idx];
    if (city.population == 0) return;
    Clamp_Farmers(city);
    int line[RESOURCE_BREAKDOWN_LINES] = {};
    int f = city.farmer_count;
    int full_terrain = City_Food_Terrain(city_idx);
    bool gaia = Enchanted(city, ce_Gaias_Blessing);
    int terrain = gaia ? (2 * full_terrain) / 3 : full_terrain;
    bool halfling = city.race == rt_Halfling;
    bool three_each = halfling || Has(city, bt_Healers_Grove);
    int a = Over_Cap(three_each ? f * 3 : f * 2, terrain);
    int b = Over_Cap(halfling ? f * 3 : f * 2, terrain);
    line[0] = b;
    line[1] = a - b;
    if (Has(city, bt_Woodcraft_Guild)) {
        line[4] = b > terrain ? 1 : 2;
        b += 2;
    }
    if (gaia) {
        b = Over_Cap(three_each ? f * 3 : f * 2, full_terrain);
        line[6] = b - line[0] - line[1];
    }
    if (Enchanted(city, ce_Famine)) line[7] = b / 2;
    if (Has(city, bt_Granary)) line[2] = 2;
    if (Has(city, bt_Farm_Market)) line[3] = 3;
    line[5] = City_Food_WildGame(city_idx);
    Store(out, line);
}

void City_Production_Breakdown(int16_t city_idx, int16_t *out)
{
    std::memset(out, 0, RESOURCE_BREAKDOWN_LINES * sizeof(int16_t));
    City_Record &city = _CITIES[city_idx];
    if (city.population == 0) return;
    Clamp_Farmers(city);
    int line[RESOURCE_BREAKDOWN_LINES] = {};
    int rebels = City_Rebel_Count(city_idx);
    int f = city.farmer_count;
    int w = city.population - f - rebels;
    if (w < 0) w = 0;
    int rate = (city.race == rt_Dwarven || city.race == rt_Klackon) ? 6 : 4;
    int p = (w * rate + f + 1) / 2;
    line[0] = (w * rate) / 2;
    line[1] = p - line[0];
    Area area = Area_Of(city);
    int bonus =
        Area_Sum(city, area, [](int16_t x, int16_t y, int16_t wp) { return Square_Production_Bonus(x, y, wp, 0); });
    line[2] = bonus * p / 100;
    if (Enchanted(city, ce_Gaias_Blessing)) {
        int forest =
            Area_Sum(city, area, [](int16_t x, int16_t y, int16_t wp) { return Square_Production_Bonus(x, y, wp, 1); });
        line[7] = forest * p / 100 - line[2];
    }
    if (Has(city, bt_Woodcraft_Guild)) line[4] = p * 25 / 100;
    if (Has(city, bt_Sawmill)) line[3] = p * 25 / 100;
    if (Has(city, bt_Miners_Guild)) line[5] = p * 50 / 100;
    if (Has(city, bt_Machine_Works)) line[6] = p * 50 / 100;
    if (Enchanted(city, ce_Inspirations)) line[8] = line[0] + line[1];
    if (Enchanted(city, ce_Cursed_Lands)) {
        int sum = 0;
        for (int i = 0; i <= 8; ++i) sum += line[i];
        line[9] = sum / 2;
    }
    Store(out, line);
}

void City_Gold_Breakdown(int16_t city_idx, int16_t *out)
{
    std::memset(out, 0, RESOURCE_BREAKDOWN_LINES * sizeof(int16_t));
    City_Record &city = _CITIES[city_idx];
    if (city.population == 0) return;
    int line[RESOURCE_BREAKDOWN_LINES] = {};
    int16_t d = city.race == rt_Dwarven ? 1 : 0;
    int16_t m = Has(city, bt_Miners_Guild) ? 1 : 0;
    int people = city.population - City_Rebel_Count(city_idx);
    int taxes = city.owner_idx == CITY_OWNER_NEUTRAL || city.owner_idx < 0 || city.owner_idx >= NUM_PLAYERS
                    ? people
                    : people * _players[city.owner_idx].tax_rate / 2;
    line[0] = taxes;
    Area area = Area_Of(city);
    auto incomes = [&](int16_t half_again) {
        int sums[3] = {};
        for (int i = 0; i < area.count; ++i) {
            sums[0] += Square_Silver_Gold_Income(area.xs[i], area.ys[i], city.wp, half_again, d);
            sums[1] += Square_Gold_Ore_Gold_Income(area.xs[i], area.ys[i], city.wp, half_again, d);
            sums[2] += Square_Gems_Gold_Income(area.xs[i], area.ys[i], city.wp, half_again, d);
        }
        return std::array<int, 3>{sums[0], sums[1], sums[2]};
    };
    std::array<int, 3> plain = incomes(0);
    line[2] = plain[0];
    line[3] = plain[1];
    line[4] = plain[2];
    if (m) line[5] = (line[2] + line[3] + line[4]) / 2;
    std::array<int, 3> mined = incomes(m);
    int s = taxes + mined[0] + mined[1] + mined[2];
    if (d) line[0] = 2 * line[0];
    int trade = Square_Gold_Bonus(city.wx, city.wy, city.wp) + City_Road_Trade_Bonus(city_idx);
    if (city.race == rt_Nomad) trade += 50;
    if (trade > 3 * city.population) trade = 3 * city.population;
    line[6] = trade * s / 100;
    if (Has(city, bt_Market)) line[7] = s * 50 / 100;
    if (Has(city, bt_Counting_House)) line[8] = s * 50 / 100;
    if (Has(city, bt_Trade_Guild)) line[9] = line[0];
    if (Enchanted(city, ce_Prosperity)) {
        line[10] = line[0] + line[2] + line[3] + line[4] + line[5];
        if (d) line[10] += line[0];
    }
    if (city.construction == bt_Trade_Goods) line[1] = city.production_units / 2;
    Store(out, line);
}

void City_Power_Breakdown(int16_t city_idx, int16_t *out)
{
    std::memset(out, 0, RESOURCE_BREAKDOWN_LINES * sizeof(int16_t));
    City_Record &city = _CITIES[city_idx];
    if (city.population == 0 || Event_Lasting(ev_Mana_Short_State)) return;
    if (city.owner_idx < 0 || city.owner_idx >= CITY_OWNER_NEUTRAL) return;
    const Player_Record &owner = _players[city.owner_idx];
    int line[RESOURCE_BREAKDOWN_LINES] = {};
    int k = (owner.retorts[rtr_Infernal_Power] || owner.retorts[rtr_Divine_Power]) ? 150 : 100;
    int r = 0;
    if (Has(city, bt_Shrine)) {
        line[2] = 1;
        r += 1;
    }
    if (Has(city, bt_Temple)) {
        line[3] = 2 * k / 100;
        r += 2;
    }
    if (Has(city, bt_Great_Temple)) {
        line[4] = 3 * k / 100;
        r += 3;
    }
    if (Has(city, bt_Sanctum)) {
        line[5] = 4 * k / 100;
        r += 4;
    }
    if (Enchanted(city, ce_Dark_Rituals)) line[13] = r * k / 100;
    bool life = owner.spellranks[3] > 0;
    bool death = owner.spellranks[4] > 0;
    bool good_moon = Event_Lasting(ev_Good_Moon_State);
    bool bad_moon = Event_Lasting(ev_Bad_Moon_State);
    static const int religious[5] = {2, 3, 4, 5, 13};
    if ((death && good_moon) || (life && bad_moon))
        for (int i : religious) line[i] = (line[i] + 1) / 2;
    if ((life && good_moon) || (death && bad_moon))
        for (int i : religious) line[i] *= 2;
    if (Enchanted(city, ce_Evil_Presence) && death) line[14] = line[2] + line[3] + line[4] + line[5] + line[13];
    if (Has(city, bt_Weapon_Forge)) line[6] = 3;
    if (Has(city, bt_Mage_Guild)) line[7] = 3;
    if (city.race == rt_Dark_Elf) line[1] = city.population;
    if (city.race == rt_High_Elf || city.race == rt_Beastmen || city.race == rt_Draconian)
        line[1] = city.population / 2;
    const Fortress_Record &fortress = _FORTRESSES[city.owner_idx];
    if (fortress.wx == city.wx && fortress.wy == city.wy && fortress.wp == city.wp) {
        int books = 0;
        for (int b = 0; b < 5; ++b) books += owner.spellranks[b];
        line[0] = books + (city.wp == 1 ? 5 : 0);
    }
    int16_t d = city.race == rt_Dwarven ? 1 : 0;
    int16_t m = Has(city, bt_Miners_Guild) ? 1 : 0;
    Area area = Area_Of(city);
    for (int i = 0; i < area.count; ++i) {
        int16_t x = area.xs[i], y = area.ys[i], wp = city.wp;
        line[8] += Square_Mithril_Power(x, y, wp, 0, d);
        line[9] += Square_Adamantium_Power(x, y, wp, 0, d);
        line[10] += Square_Quork_Power(x, y, wp, 0, d);
        line[11] += Square_Crysx_Power(x, y, wp, 0, d);
        line[12] += Square_Magic_Power(x, y, wp, m, d) - Square_Magic_Power(x, y, wp, 0, d);
    }
    Store(out, line);
}

void City_Research_Breakdown(int16_t city_idx, int16_t *out)
{
    std::memset(out, 0, RESOURCE_BREAKDOWN_LINES * sizeof(int16_t));
    const City_Record &city = _CITIES[city_idx];
    if (city.population == 0) return;
    if (city.owner_idx < 0 || city.owner_idx >= CITY_OWNER_NEUTRAL) return;
    if (Has(city, bt_Study_Hall)) out[0] = 2;
    if (Has(city, bt_Lore_Hall)) out[1] = 3;
    if (Has(city, bt_Academy)) out[2] = 5;
    if (Has(city, bt_Mage_Guild)) out[3] = 8;
}

int16_t City_Maintenance_List(int16_t city_idx, int16_t *out)
{
    int16_t count = 0;
    const City_Record &city = _CITIES[city_idx];
    for (int b = 1; b < NUM_BUILDINGS; ++b)
        if (Has(city, b)) out[count++] = (int16_t)b;
    return count;
}

void Resource_Label_From_Record(const uint8_t *record, char *label)
{
    size_t n = 0;
    while (n < RESOURCE_LABEL_SIZE - 1 && record[n] != 0) ++n;
    std::memcpy(label, record, n);
    label[n] = '\0';
}

int16_t Draw_Stat_Icons_10_And_1(int16_t x, int16_t y, int16_t n, uint8_t *one, uint8_t *ten)
{
    int tens = n / 10;
    for (int t = 0; t < tens; ++t)
        if (ten != nullptr) FLIC_Draw((int16_t)(x + 8 * t), y, ten);
    if (tens > 0) {
        x = (int16_t)(x + 8 * tens + 6);
        n = (int16_t)(n % 10);
    }
    if (n <= 0) return x;
    int spacing = n < 4 ? 8 : 6;
    for (int i = 0; i < n; ++i)
        if (one != nullptr) FLIC_Draw((int16_t)(x + spacing * i), y, one);
    return (int16_t)(x + n * spacing + 4);
}

void Resource_Breakdown_Shown(int16_t *first_line, int16_t *line_count)
{
    *first_line = m_state.first_line;
    *line_count = m_state.line_count;
}

namespace {

const char *Breakdown_Title(int16_t row)
{
    switch (row) {
    case rr_Production: return "Production";
    case rr_Gold_Upkeep: return "Building Maintenance";
    case rr_Gold_Income: return "Gold";
    case rr_Power: return "Magical Power";
    case rr_Research: return "Spell Research";
    default: return "Food";
    }
}

// Small (one) and big (ten) icon entries of BACKGRND per row.
void Row_Icons(int16_t row, int16_t amount, uint8_t **one, uint8_t **ten)
{
    int kind = 0;
    switch (row) {
    case rr_Production: kind = 1; break;
    case rr_Gold_Upkeep:
    case rr_Gold_Income: kind = 2; break;
    case rr_Power: kind = 3; break;
    case rr_Research: kind = 4; break;
    default: kind = 0; break;
    }
    if (kind == 0 && amount < 0) {
        *one = gfx_backgrnd_seg[94];
        *ten = gfx_backgrnd_seg[95];
        return;
    }
    *one = gfx_backgrnd_seg[40 + kind];
    *ten = gfx_backgrnd_seg[88 + kind];
}

const int8_t *Replaced_Table(int16_t row)
{
    switch (row) {
    case rr_Production: return REPLACED_PRODUCTION;
    case rr_Gold_Upkeep:
    case rr_Gold_Income: return REPLACED_GOLD;
    case rr_Power: return REPLACED_POWER;
    case rr_Research: return REPLACED_RESEARCH;
    default: return REPLACED_FOOD;
    }
}

int16_t Abs16(int16_t v) { return (int16_t)(v < 0 ? (v == -32768 ? 32767 : -v) : v); }

void Draw_Maintenance_Lines(const City_Record &city, int16_t top)
{
    int16_t y = (int16_t)(top + 38);
    int16_t last = (int16_t)(m_state.first_line + RESOURCE_MAINTENANCE_PAGE);
    if (last > m_state.line_count) last = m_state.line_count;
    int16_t label_x = 70;
    for (int16_t i = m_state.first_line; i < last; ++i, y = (int16_t)(y + 8)) {
        int16_t b = m_state.breakdown[i];
        int16_t upkeep = bldg_data_table != nullptr ? Abs16(bldg_data_table[b].maintenance_cost) : 0;
        int16_t end =
            Draw_Stat_Icons_10_And_1(70, (int16_t)(y - 1), upkeep, gfx_backgrnd_seg[42], gfx_backgrnd_seg[90]);
        if (end > label_x) label_x = end;
    }
    y = (int16_t)(top + 38);
    for (int16_t i = m_state.first_line; i < last; ++i, y = (int16_t)(y + 8)) {
        int16_t b = m_state.breakdown[i];
        char text[64] = "";
        if (bldg_data_table != nullptr) {
            std::memcpy(text, bldg_data_table[b].name, sizeof bldg_data_table[b].name);
            text[sizeof bldg_data_table[b].name] = '\0';
        }
        if (city.bldg_status[b] == 0) std::strcat(text, " (Replaced)");
        Print(label_x, y, text);
    }
    if (m_state.line_count > RESOURCE_MAINTENANCE_PAGE) Print(217, 167, "More");
}

}  // namespace

void Resource_Breakdown_Draw(void)
{
    const City_Record &city = _CITIES[_city_idx];
    int16_t shown = m_state.line_count < RESOURCE_MAINTENANCE_PAGE ? m_state.line_count : RESOURCE_MAINTENANCE_PAGE;
    int16_t a = (int16_t)(8 * shown + 15);
    int16_t top = (int16_t)(100 - (a + 48) / 2);
    Set_Page_Off();
    Copy_Back_To_Off();
    if (m_state.window_top != nullptr) {
        Set_Window(0, 0, 319, (int16_t)(top + a + 23));
        Clipped_Draw(50, top, m_state.window_top);
        Reset_Window();
    }
    if (m_state.window_bottom != nullptr) FLIC_Draw(50, (int16_t)(top + a + 24), m_state.window_bottom);
    Set_Font_Colors_15(4, m_title_colors);
    Print_Centered(153, (int16_t)(top + 26), Breakdown_Title(m_state.resource_id));
    Set_Font_Colors_15(1, m_text_colors);
    if (m_state.resource_id == rr_Gold_Upkeep) {
        Draw_Maintenance_Lines(city, top);
        return;
    }
    int16_t label_x = 70;
    int16_t y = (int16_t)(top + 38);
    for (int i = 0; i < RESOURCE_BREAKDOWN_LINES; ++i) {
        int16_t amount = m_state.breakdown[i];
        if (amount == 0) continue;
        uint8_t *one = nullptr;
        uint8_t *ten = nullptr;
        Row_Icons(m_state.resource_id, amount, &one, &ten);
        int16_t end = Draw_Stat_Icons_10_And_1(70, (int16_t)(y - 1), Abs16(amount), one, ten);
        if (end > label_x) label_x = end;
        if (m_state.resource_id == rr_Power && i == 7) Print(66, y, "-");
        y = (int16_t)(y + 8);
    }
    const int8_t *replaced = Replaced_Table(m_state.resource_id);
    y = (int16_t)(top + 38);
    for (int i = 0; i < RESOURCE_BREAKDOWN_LINES; ++i) {
        if (m_state.breakdown[i] == 0) continue;
        char text[RESOURCE_LABEL_SIZE + 16];
        std::strcpy(text, m_state.labels[i]);
        if (replaced[i] > 0 && city.bldg_status[replaced[i]] == 0) std::strcat(text, " (Replaced)");
        Print(label_x, y, text);
        y = (int16_t)(y + 8);
    }
}

void Resource_Breakdown(int16_t row)
{
    if (row < rr_Food_Consumed || row > rr_Research) return;
    m_state = {};
    m_state.resource_id = row;
    m_state.breakdown = (int16_t *)(void *)Near_Allocate_First(RESOURCE_BREAKDOWN_LIST_MAX * sizeof(int16_t));
    m_state.labels =
        (char(*)[RESOURCE_LABEL_SIZE])(void *)Near_Allocate_Next(RESOURCE_BREAKDOWN_LINES * RESOURCE_LABEL_SIZE);
    uint8_t *record = Near_Allocate_Next(RESOURCE_LABEL_RECORD_SIZE);
    std::memset(m_state.breakdown, 0, RESOURCE_BREAKDOWN_LIST_MAX * sizeof(int16_t));
    for (int i = 0; i < RESOURCE_BREAKDOWN_LINES; ++i) {
        LBX_Load_Data_Static("LISTDAT", 0, record, (int16_t)(LABEL_FIRST[row] + i), 1, RESOURCE_LABEL_RECORD_SIZE);
        Resource_Label_From_Record(record, m_state.labels[i]);
    }
    m_state.window_top = LBX_Reload_Next_Picture("HELP", 0, _screen_seg);
    m_state.window_bottom = LBX_Reload_Next_Picture("HELP", 1, _screen_seg);
    Clear_Fields();
    Deactivate_Help_List();
    Assign_Auto_Function(Resource_Breakdown_Draw, 1);
    Copy_On_To_Off_Page();
    Copy_Off_To_Back();

    switch (row) {
    case rr_Production: City_Production_Breakdown(_city_idx, m_state.breakdown); break;
    case rr_Gold_Upkeep:
    case rr_Gold_Income: City_Gold_Breakdown(_city_idx, m_state.breakdown); break;
    case rr_Power: City_Power_Breakdown(_city_idx, m_state.breakdown); break;
    case rr_Research: City_Research_Breakdown(_city_idx, m_state.breakdown); break;
    default: City_Food_Breakdown(_city_idx, m_state.breakdown); break;
    }
    for (int i = 0; i < RESOURCE_BREAKDOWN_LINES; ++i)
        if (m_state.breakdown[i] != 0) ++m_state.line_count;
    if (row == rr_Gold_Upkeep) {
        std::memset(m_state.breakdown, 0, RESOURCE_BREAKDOWN_LIST_MAX * sizeof(int16_t));
        m_state.line_count = City_Maintenance_List(_city_idx, m_state.breakdown);
    }

    bool leave = false;
    while (!leave) {
        Mark_Time();
        Clear_Fields();
        int16_t more = -1000;
        if (m_state.line_count > RESOURCE_MAINTENANCE_PAGE) more = Add_Hidden_Field(217, 166, 240, 175, "M", -1);
        Add_Hidden_Field(0, 0, 319, 199, "\x1B", -1);
        int16_t input = Get_Input();
        if (quit_game_flag) {
            leave = true;
        } else if (input == more && more > 0) {
            m_state.first_line = (int16_t)(m_state.first_line == 0 ? RESOURCE_MAINTENANCE_PAGE : 0);
        } else if (input > 0) {
            leave = true;
        }
        if (!leave) {
            Resource_Breakdown_Draw();
            Toggle_Pages();
            Release_Time(1);
        }
    }
    Clear_Fields();
    Deactivate_Help_List();
    Deactivate_Auto_Function();
}
