#include "info/Advisors.h"

#include <algorithm>
#include <cstdio>

#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Movement_Modes.h"
#include "world/Player_Record.h"
#include "world/Scouting.h"
#include "world/Unit_Record.h"

namespace {

const char *const m_advisor_names[ADVISOR_COUNT] = {
    "Surveyor",   "Cartographer",  "Apprentice",   "Historian", "Astrologer",
    "Chancellor", "Tax Collector", "Grand Vizier", "Mirror",
};

struct Tax_Row {
    const char *gold;
    char tab_x;
    const char *unrest;
};
const Tax_Row m_tax_rows[TAX_RATE_COUNT] = {
    {"0", 59, "0"},  {".5", 54, "10"},  {"1", 52, "20"}, {"1.5", 52, "30"},
    {"2", 52, "45"}, {"2.5", 52, "60"}, {"3", 52, "75"},
};

const char *const m_month_names[12] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};

constexpr int16_t HISTORY_TURNS = 288;

}  // namespace

void Advisor_List_Entries(char entries[ADVISOR_COUNT + 1][ADVISOR_ENTRY_SIZE])
{
    for (int i = 0; i < ADVISOR_COUNT; i++) {
        const char *mark = i == adv_Grand_Vizier && grand_vizier == 1 ? "*" : "";
        snprintf(entries[i], ADVISOR_ENTRY_SIZE, "%s%s%c%c (F%d)", m_advisor_names[i], mark, ADVISOR_TEXT_TAB, 81,
                 i + 1);
    }
    entries[ADVISOR_COUNT][0] = '\0';
}

void TaxCollector_Entries(int16_t rate, char entries[TAX_RATE_COUNT + 1][TAX_ENTRY_SIZE])
{
    int16_t marked = std::clamp<int16_t>(rate, 0, TAX_RATE_COUNT - 1);
    for (int i = 0; i < TAX_RATE_COUNT; i++) {
        const Tax_Row &row = m_tax_rows[i];
        snprintf(entries[i], TAX_ENTRY_SIZE, "%s gold,%c%c%s%% unrest%s", row.gold, ADVISOR_TEXT_TAB, row.tab_x,
                 row.unrest, i == marked ? "*" : "");
    }
    entries[TAX_RATE_COUNT][0] = '\0';
}

void TaxCollector_Choose(int16_t player_idx, int16_t choice)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS || choice < 0 || choice >= TAX_RATE_COUNT) return;
    _players[player_idx].tax_rate = choice;
}

void Powergraph_Date(int16_t turn, char *out, size_t size)
{
    int16_t t = std::max<int16_t>(0, turn);
    snprintf(out, size, "%s %d", m_month_names[t % 12], 1400 + t / 12);
}

void Powergraph_Window(int16_t turn, int16_t *base_year, int16_t *first_index, int16_t *last_index)
{
    int16_t t = std::max<int16_t>(0, turn);
    int16_t year = (int16_t)(t / 12);
    int16_t month = (int16_t)(t % 12);
    int16_t base = 0, first = 0;
    if (year > 23) {
        base = (int16_t)(year - 23);
        first = (int16_t)(11 - month);
        if ((base + 1) % 5 == 0) {
            base++;
            first = (int16_t)(23 - month);
        }
    }
    *base_year = base;
    *first_index = first;
    *last_index = t >= HISTORY_TURNS ? (int16_t)(HISTORY_TURNS - 1) : t;
}

int16_t Powergraph_Point_Y(uint8_t score)
{
    return std::min<int16_t>(181, std::max<int16_t>(22, (int16_t)(181 - score)));
}

int16_t Status_Bar_Length(int16_t figure) { return figure < 0 ? (int16_t)-1 : std::min<int16_t>(figure, 200); }

bool Cartograph_Unit_Shown(int16_t unit_idx, int16_t plane, int16_t viewer_idx)
{
    if (_UNITS == nullptr || unit_idx < 0 || unit_idx >= _units || unit_idx >= UNIT_TABLE_CAPACITY) return false;
    const Unit_Record &unit = _UNITS[unit_idx];
    if (unit.owner_idx < 0 || unit.owner_idx >= NUM_PLAYERS) return false;
    if (unit.wp != plane && unit.in_tower != 1) return false;
    if (Check_Square_Scouted(unit.wx, unit.wy, plane) == 0) return false;
    if (unit.owner_idx == viewer_idx) return true;
    return unit.owner_idx != NEUTRAL_PLAYER_IDX && Unit_Has_Invisibility(unit_idx) == 0;
}

uint8_t Cartograph_Banner_Color(int16_t player_idx)
{
    static const uint8_t colors[6] = {172, 216, 123, 201, 179, 50};
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) return 0;
    uint8_t banner = _players[player_idx].banner_id;
    return banner < 6 ? colors[banner] : 0;
}

int16_t Cartograph_City_At(int16_t wx, int16_t wy, int16_t plane)
{
    for (int16_t c = 0; _CITIES != nullptr && c < _cities && c < NUM_CITIES; c++) {
        const City_Record &city = _CITIES[c];
        if (city.wx == wx && city.wy == wy && city.wp == plane && Check_Square_Explored(wx, wy, plane) != 0) return c;
    }
    return -1;
}
