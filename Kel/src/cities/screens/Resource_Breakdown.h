// Where a city's food, production, gold, power and research come from, line by line, and the
// pop-up of the city screen that shows it.
#pragma once

#include <cstdint>

constexpr int RESOURCE_BREAKDOWN_LINES = 15;
// The pop-up's list: the breakdown lines, or up to 35 building indices for the upkeep list.
constexpr int RESOURCE_BREAKDOWN_LIST_MAX = 50;
constexpr int RESOURCE_LABEL_SIZE = 50;
constexpr int RESOURCE_LABEL_RECORD_SIZE = 200;
// Maintenance lines shown at once; "More" pages to the rest.
constexpr int RESOURCE_MAINTENANCE_PAGE = 17;

// Rows of the city screen's resource window.
enum Resource_Row : int {
    rr_Food_Consumed = 0,
    rr_Food_Surplus = 1,
    rr_Production = 2,
    rr_Gold_Upkeep = 3,
    rr_Gold_Income = 4,
    rr_Power = 5,
    rr_Research = 6,
};

// Each fills out[15] (all 0 first) for one city; a city of population 0 keeps all 0. The food and
// production breakdowns cut the farmers down to the population in the record.
void City_Food_Breakdown(int16_t city_idx, int16_t *out);
void City_Production_Breakdown(int16_t city_idx, int16_t *out);
void City_Gold_Breakdown(int16_t city_idx, int16_t *out);
void City_Power_Breakdown(int16_t city_idx, int16_t *out);
void City_Research_Breakdown(int16_t city_idx, int16_t *out);

// The buildings standing in the city (status 1 or 0), 1..35 in order; returns their number.
int16_t City_Maintenance_List(int16_t city_idx, int16_t *out);

// Copies a 200-byte label record into a label of RESOURCE_LABEL_SIZE bytes, cut and terminated.
void Resource_Label_From_Record(const uint8_t *record, char *label);

// Draws n as icons (tens, then ones) and returns the x after them.
int16_t Draw_Stat_Icons_10_And_1(int16_t x, int16_t y, int16_t n, uint8_t *one, uint8_t *ten);

// The modal pop-up for resource row 0..6 of the city _city_idx.
void Resource_Breakdown(int16_t row);
void Resource_Breakdown_Draw(void);

// The pop-up's list as its redraw shows it: first line and line count.
void Resource_Breakdown_Shown(int16_t *first_line, int16_t *line_count);
