// The size of the chancellor's report: what it lists and how tall its scroll unrolls.
#pragma once

#include <cstdint>

constexpr int16_t CHANCELLOR_LINE_HEIGHT = 7;
constexpr int16_t CHANCELLOR_GROUP_HEIGHT = 12;
constexpr int16_t CHANCELLOR_SHOWN_HEIGHT_MAX = 127;

struct Chancellor_Report_Size {
    int16_t lines;
    int16_t groups;
    int16_t full_height;   // every line and heading
    int16_t shown_height;  // at most CHANCELLOR_SHOWN_HEIGHT_MAX
    int16_t text_top_row;  // the screen row where the text begins
};

// The random events in force that the advisor's report lists: those of the human's cities and the
// six that concern everybody.
int16_t Chancellor_Events_In_Force(void);

// A city that grew leaves the deaths list; then the report's size. 0 when the report has nothing to
// show after the world turn; from the advisor it always shows, at least "NO EVENTS THIS MONTH".
int16_t Chancellor_Report_Measure(int16_t from_advisor, Chancellor_Report_Size *size);
