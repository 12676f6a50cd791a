// The road building screen (screen 107): the selected road builders' road to a chosen square.
#pragma once

#include <cstdint>

// The longest line planned at once, in squares after the start, and the most turns it may take.
constexpr int16_t ROAD_BUILD_MAX_SQUARES = 10;
constexpr int16_t ROAD_BUILD_MAX_TURNS = 120;
// The turns of a line that meets water.
constexpr int16_t ROAD_BUILD_BLOCKED = -1;

// The plan the screen shows: its start, the builders' strength, the line and its turns.
struct Road_Build_Plan {
    int16_t start_x, start_y;
    int16_t construction_points;
    int16_t builder_unit_idx;
    int16_t path_length;  // squares of the line after the start, in movepath_x_array from position 2
    int16_t dst_x, dst_y;
    int16_t turns;  // ROAD_BUILD_BLOCKED when the line meets water
};

// The screen's loop; leaves current_screen at the main screen.
void Road_Build_Screen(void);
void Road_Build_Screen_Draw(void);
void Road_Build_Screen_Add_Fields(void);
void Draw_Road_Building_Window(void);
void Draw_Road_Build_Path_Line(void);

// Takes the selected stack as the road's builders and plans the road of its start square alone;
// 0 when there is no stack or its first unit stands on sailable water.
int16_t Road_Build_Start(void);
// Plans the straight line to (wx, wy) and its turns; an unexplored square is ignored.
void Road_Build_Path(int16_t wx, int16_t wy);
// The turns of a line: the start's, then each square's in order. A square of water ends the line
// with it and gives ROAD_BUILD_BLOCKED; a square that would take the total past
// ROAD_BUILD_MAX_TURNS ends the line before it. *length is cut to the squares kept.
int16_t Road_Build_Line_Turns(int16_t start_turns, const int16_t *square_turns, int16_t *length);
Road_Build_Plan Road_Build_Current_Plan(void);
// The panel's sentence for the turns, "" for none.
void Road_Build_Turns_Text(int16_t turns, char *text, int size);

// The stack's units that are active, have moves left and can build roads, in stack order.
void Active_Stack_Roadbuilders(int16_t *count, int16_t *list);
// Gives the listed units a go-to order to (wx, wy); the road builders among them build on the way.
void Set_Army_Road_Building(int16_t count, const int16_t *list, int16_t wx, int16_t wy);
// The least moves per turn among the stack's active units that have finished; 0 for none.
int16_t Road_Build_Moves2_Max(void);
