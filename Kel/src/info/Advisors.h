// What the advisors compute and say, without a screen: the advisor list, the tax collector's
// rows, the grand vizier's switch, and the historian's and astrologer's figures.
#pragma once

#include <cstddef>
#include <cstdint>

enum Advisor_Number : int16_t {
    adv_Surveyor = 0,
    adv_Cartographer = 1,
    adv_Apprentice = 2,
    adv_Historian = 3,
    adv_Astrologer = 4,
    adv_Chancellor = 5,
    adv_Tax_Collector = 6,
    adv_Grand_Vizier = 7,
    adv_Mirror = 8,
};

constexpr int ADVISOR_COUNT = 9;
constexpr int ADVISOR_ENTRY_SIZE = 26;
constexpr int TAX_RATE_COUNT = 7;
constexpr int TAX_ENTRY_SIZE = 32;
// The font's tab control: the byte after it is the x the pen moves to.
constexpr char ADVISOR_TEXT_TAB = 29;

// Nine entries ("Surveyor", tab to 81, " (F1)", ...; "*" after "Grand Vizier" while he builds),
// then an empty one.
void Advisor_List_Entries(char entries[ADVISOR_COUNT + 1][ADVISOR_ENTRY_SIZE]);
// Seven rows ("0 gold," tab "0% unrest", ...), "*" on the row of the rate (above 6 counts as 6),
// then an empty one.
void TaxCollector_Entries(int16_t rate, char entries[TAX_RATE_COUNT + 1][TAX_ENTRY_SIZE]);
// The tax collector's answer: a row 0 to 6 becomes the player's rate; -1 (Esc) leaves it.
void TaxCollector_Choose(int16_t player_idx, int16_t choice);

// The historian's date: the month's name and the year 1400 + turn div 12.
void Powergraph_Date(int16_t turn, char *out, size_t size);
// The window of turns the graph shows: base year, first history index and last index.
void Powergraph_Window(int16_t turn, int16_t *base_year, int16_t *first_index, int16_t *last_index);
// The height on the page of a history score: 181 - score, never above 22.
int16_t Powergraph_Point_Y(uint8_t score);
// The astrologer's bar for a figure: capped at 200; -1 (no bar) below 0.
int16_t Status_Bar_Length(int16_t figure);

// The cartographer's markers: a unit of the plane (or in a tower) on a scouted square, the
// viewer's always, others unless neutral or invisible.
bool Cartograph_Unit_Shown(int16_t unit_idx, int16_t plane, int16_t viewer_idx);
// The map colour of a player's banner (0 to 5); 0 for anything else.
uint8_t Cartograph_Banner_Color(int16_t player_idx);
// The first city, in city order, on an explored square of the plane; -1 for none.
int16_t Cartograph_City_At(int16_t wx, int16_t wy, int16_t plane);
