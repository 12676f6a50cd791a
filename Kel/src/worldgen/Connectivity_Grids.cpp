#include "worldgen/Connectivity_Grids.h"

#include <cstring>

#include "EMM.h"
#include "world/ALLOC.h"
#include "world/Move_Path.h"
#include "world/Path_Finder.h"

namespace {

constexpr int WINDOW_LONG = GRID_CELL_SQUARES + 2;  // the cell and one square beyond each side
constexpr int WINDOW_SQUARES = GRID_CELL_SQUARES * WINDOW_LONG;

// Scratch for the path search: any route through a 35-square window fits.
uint8_t m_path_x[WINDOW_SQUARES];
uint8_t m_path_y[WINDOW_SQUARES];

inline bool Passable(const uint8_t *cost_map, int wx, int wy)
{
    return cost_map[wy * WORLD_WIDTH + wx] != PATH_IMPASSABLE;
}

// A passable square of the cell's edge row touches a passable square of the row beyond; both in
// the cell's own five columns.
bool Row_Contact(const uint8_t *cost_map, int x0, int edge_row, int beyond_row)
{
    for (int x = x0; x < x0 + GRID_CELL_SQUARES; x++) {
        if (!Passable(cost_map, x, edge_row)) {
            continue;
        }
        for (int nx = x - 1; nx <= x + 1; nx++) {
            if (nx >= x0 && nx < x0 + GRID_CELL_SQUARES && Passable(cost_map, nx, beyond_row)) {
                return true;
            }
        }
    }
    return false;
}

// The same across a column edge, both in the cell's own five rows.
bool Column_Contact(const uint8_t *cost_map, int y0, int edge_column, int beyond_column)
{
    for (int y = y0; y < y0 + GRID_CELL_SQUARES; y++) {
        if (!Passable(cost_map, edge_column, y)) {
            continue;
        }
        for (int ny = y - 1; ny <= y + 1; ny++) {
            if (ny >= y0 && ny < y0 + GRID_CELL_SQUARES && Passable(cost_map, beyond_column, ny)) {
                return true;
            }
        }
    }
    return false;
}

// Start i and goal i share a column (or a row) of the window: an open straight line between them
// is a route without a search.
bool Straight_Route(const uint8_t *window, int width, const int start[2], const int goal[2])
{
    const int dx = goal[0] > start[0] ? 1 : goal[0] < start[0] ? -1 : 0;
    const int dy = goal[1] > start[1] ? 1 : goal[1] < start[1] ? -1 : 0;
    for (int x = start[0], y = start[1];; x += dx, y += dy) {
        if (window[y * width + x] == PATH_IMPASSABLE) {
            return false;
        }
        if (x == goal[0] && y == goal[1]) {
            return true;
        }
    }
}

// Whether any of the five start squares has a route to any of the five goal squares. Only whether
// a route exists matters: an open straight line answers at once; otherwise, once one search has
// run, its reach table answers the other goals from the same start, and a start the search
// already reached is in the same region.
bool Any_Route(const uint8_t *window, int width, int height, const int starts[GRID_CELL_SQUARES][2],
               const int goals[GRID_CELL_SQUARES][2])
{
    for (int i = 0; i < GRID_CELL_SQUARES; i++) {
        if (Straight_Route(window, width, starts[i], goals[i])) {
            return true;
        }
    }
    int first_goal = -1;
    for (int b = 0; b < GRID_CELL_SQUARES; b++) {
        if (window[goals[b][1] * width + goals[b][0]] != PATH_IMPASSABLE) {
            first_goal = b;
            break;
        }
    }
    if (first_goal < 0) {
        return false;
    }
    bool searched[GRID_CELL_SQUARES] = {};
    for (int a = 0; a < GRID_CELL_SQUARES; a++) {
        const int start = starts[a][1] * width + starts[a][0];
        if (searched[a] || window[start] == PATH_IMPASSABLE) {
            continue;
        }
        if (Find_Shortest_Path((int16_t)starts[a][0], (int16_t)starts[a][1], (int16_t)goals[first_goal][0],
                               (int16_t)goals[first_goal][1], (int16_t)width, (int16_t)height, window, m_path_x,
                               m_path_y) != 0) {
            return true;
        }
        for (int b = first_goal + 1; b < GRID_CELL_SQUARES; b++) {
            if (shortest_path_cost_to_reach[goals[b][1] * width + goals[b][0]] != PATH_UNREACHED &&
                window[goals[b][1] * width + goals[b][0]] != PATH_IMPASSABLE) {
                return true;
            }
        }
        for (int later = a + 1; later < GRID_CELL_SQUARES; later++) {
            if (shortest_path_cost_to_reach[starts[later][1] * width + starts[later][0]] != PATH_UNREACHED) {
                searched[later] = true;
            }
        }
    }
    return false;
}

// Columns x0..x0+4, rows y0-1..y0+5; rows off the map are impassable.
void Copy_Tall_Window(const uint8_t *cost_map, int x0, int y0, uint8_t *window)
{
    for (int k = 0; k < WINDOW_LONG; k++) {
        const int wy = y0 - 1 + k;
        for (int c = 0; c < GRID_CELL_SQUARES; c++) {
            window[k * GRID_CELL_SQUARES + c] =
                (wy < 0 || wy >= WORLD_HEIGHT) ? PATH_IMPASSABLE : cost_map[wy * WORLD_WIDTH + x0 + c];
        }
    }
}

// Columns x0-1..x0+5 across the east-west wrap, rows y0..y0+4.
void Copy_Wide_Window(const uint8_t *cost_map, int x0, int y0, uint8_t *window)
{
    for (int r = 0; r < GRID_CELL_SQUARES; r++) {
        for (int k = 0; k < WINDOW_LONG; k++) {
            const int wx = (x0 - 1 + k + WORLD_WIDTH) % WORLD_WIDTH;
            window[r * WINDOW_LONG + k] = cost_map[(y0 + r) * WORLD_WIDTH + wx];
        }
    }
}

bool Vertical_Route(const uint8_t *window, int from_row, int to_row)
{
    int starts[GRID_CELL_SQUARES][2];
    int goals[GRID_CELL_SQUARES][2];
    for (int i = 0; i < GRID_CELL_SQUARES; i++) {
        starts[i][0] = i, starts[i][1] = from_row;
        goals[i][0] = i, goals[i][1] = to_row;
    }
    return Any_Route(window, GRID_CELL_SQUARES, WINDOW_LONG, starts, goals);
}

bool Horizontal_Route(const uint8_t *window, int from_column, int to_column)
{
    int starts[GRID_CELL_SQUARES][2];
    int goals[GRID_CELL_SQUARES][2];
    for (int i = 0; i < GRID_CELL_SQUARES; i++) {
        starts[i][0] = from_column, starts[i][1] = i;
        goals[i][0] = to_column, goals[i][1] = i;
    }
    return Any_Route(window, WINDOW_LONG, GRID_CELL_SQUARES, starts, goals);
}

uint8_t Cell_Links(const uint8_t *cost_map, int row, int column)
{
    const int x0 = GRID_CELL_SQUARES * column;
    const int y0 = GRID_CELL_SQUARES * row;
    uint8_t tall[WINDOW_SQUARES];
    uint8_t wide[WINDOW_SQUARES];
    uint8_t cell = 0;
    // A link needs both the contact and a route, so a side without contact needs no search.
    bool tall_copied = false;
    if (row > 0 && Row_Contact(cost_map, x0, y0, y0 - 1)) {
        cell |= cg_North_Contact;
        Copy_Tall_Window(cost_map, x0, y0, tall);
        tall_copied = true;
        if (Vertical_Route(tall, 4, 0)) {
            cell |= cg_North_Link;
        }
    }
    if (row < GRID_ROWS - 1 && Row_Contact(cost_map, x0, y0 + 4, y0 + 5)) {
        cell |= cg_South_Contact;
        if (!tall_copied) {
            Copy_Tall_Window(cost_map, x0, y0, tall);
        }
        if (Vertical_Route(tall, 2, 6)) {
            cell |= cg_South_Link;
        }
    }
    const int xw = x0 == 0 ? WORLD_WIDTH - 1 : x0 - 1;
    const int xe = x0 + GRID_CELL_SQUARES == WORLD_WIDTH ? 0 : x0 + GRID_CELL_SQUARES;
    bool wide_copied = false;
    if (Column_Contact(cost_map, y0, x0, xw)) {
        cell |= cg_West_Contact;
        Copy_Wide_Window(cost_map, x0, y0, wide);
        wide_copied = true;
        if (Horizontal_Route(wide, 4, 0)) {
            cell |= cg_West_Link;
        }
    }
    if (Column_Contact(cost_map, y0, x0 + 4, xe)) {
        cell |= cg_East_Contact;
        if (!wide_copied) {
            Copy_Wide_Window(cost_map, x0, y0, wide);
        }
        if (Horizontal_Route(wide, 2, 6)) {
            cell |= cg_East_Link;
        }
    }
    return cell;
}

}  // namespace

void Build_Connectivity_Graph(const uint8_t *cost_map, uint8_t *grid)
{
    for (int row = 0; row < GRID_ROWS; row++) {
        for (int column = 0; column < GRID_COLUMNS; column++) {
            grid[row * GRID_COLUMNS + column] = Cell_Links(cost_map, row, column);
        }
    }
    // Mirrors links found from one side only; the pass does not wrap from column 11 to column 0.
    for (int row = 0; row < GRID_ROWS; row++) {
        for (int column = 0; column < GRID_COLUMNS; column++) {
            const uint8_t cell = grid[row * GRID_COLUMNS + column];
            if ((cell & cg_North_Link) && row > 0) {
                grid[(row - 1) * GRID_COLUMNS + column] |= cg_South_Link;
            }
            if ((cell & cg_South_Link) && row < GRID_ROWS - 1) {
                grid[(row + 1) * GRID_COLUMNS + column] |= cg_North_Link;
            }
            if ((cell & cg_West_Link) && column > 0) {
                grid[row * GRID_COLUMNS + column - 1] |= cg_East_Link;
            }
            if ((cell & cg_East_Link) && column < GRID_COLUMNS - 1) {
                grid[row * GRID_COLUMNS + column + 1] |= cg_West_Link;
            }
        }
    }
}

void Build_Connectivity_Graphs(int16_t wp)
{
    (void)EMMDATAH_Map();
    Build_Connectivity_Graph(Movement_Cost_Map_Of(wp, mcm_Walking), connectivity_grid_land + wp * GRID_CELLS);
    Build_Connectivity_Graph(Movement_Cost_Map_Of(wp, mcm_Sailing), connectivity_grid_sea + wp * GRID_CELLS);
}
