// The scroll that reports a battle's outcome to the human, and the raze prompt that it and the end of
// combat ask a human captor.
#pragma once

#include <cstdint>

// One line of the scroll's text: how it is set, and its words.
enum Combat_Results_Line_Kind : int16_t {
    crl_Headline = 0,   // centred at the top, headline colours
    crl_Message = 1,    // a paragraph in body colours (the flight losses), the text continuing below it
    crl_Paragraph = 2,  // a paragraph in body colours
    crl_Centred = 3,    // a centred line in body colours
    crl_Heading = 4,    // a centred heading in headline colours
    crl_Left = 5,       // a building in the left column
    crl_Right = 6,      // a building in the right column, ending the row
};
constexpr int COMBAT_RESULTS_LINES_MAX = 48;
constexpr int COMBAT_RESULTS_LINE_SIZE = 500;  // room for the flight losses
struct Combat_Results_Line {
    int16_t kind;
    char text[COMBAT_RESULTS_LINE_SIZE];
};
// The scroll's lines for the results state and the city of the battle (-1 none); their count.
int Combat_Results_Scroll_Lines(int16_t city_idx, Combat_Results_Line *lines);

// Shows the results state until dismissed (at most 400 passes of input); "R" offers razing a city the
// human conquered.
void Combat_Results_Scroll(void);
void Combat_Results_Scroll_Draw(void);
// Prints the text at the scroll's top; its height in pixels.
int16_t Combat_Results_Scroll_Text(void);
// 1 keep the city, 0 raze.
int16_t Raze_City_Prompt(const char *text);
void Raze_City_Prompt_Draw(void);
// Installs the combat screens' part of the combat hooks; once at start-up.
void Combat_Install_Screen_Services(void);
