#include "combat/Combat_Path.h"

#include "combat/Combat_Tables.h"

namespace {

// Neighbour offsets in the order tried: the four diagonals, then up, down, left, right.
constexpr int OFFSETS[8] = {-20, +20, +22, -22, -21, +21, -1, +1};
constexpr int DIAGONALS = 4;

struct Neighbours {
    int16_t count;
    int16_t cell[8];
    int8_t surcharge[8];  // 1 for a diagonal step
};

struct Neighbour_Table {
    Neighbours cells[COMBAT_GRID_CELLS];
    Neighbour_Table()
    {
        for (int j = 0; j < COMBAT_GRID_CELLS; j++) {
            const int x = j % COMBAT_GRID_WIDTH;
            Neighbours &n = cells[j];
            n.count = 0;
            for (int k = 0; k < 8; k++) {
                const int offset = OFFSETS[k];
                const bool left = offset == -22 || offset == +20 || offset == -1;
                const bool right = offset == -20 || offset == +22 || offset == +1;
                if ((x == 0 && left) || (x == COMBAT_GRID_WIDTH - 1 && right)) {
                    continue;
                }
                const int t = j + offset;
                if (t < 0 || t >= COMBAT_GRID_CELLS) {
                    continue;
                }
                n.cell[n.count] = (int16_t)t;
                n.surcharge[n.count] = k < DIAGONALS ? 1 : 0;
                n.count++;
            }
        }
    }
};

const Neighbour_Table m_neighbours;

// Relaxes every enterable cell from its neighbours, row by row, until no cost improves.
void Sweep(int start, bool surcharge)
{
    for (int j = 0; j < COMBAT_GRID_CELLS; j++) {
        _cmbt_path_data[j] = (int16_t)j;
        _cmbt_mvpth_c[j] = COMBAT_PATH_UNREACHED;
    }
    _cmbt_mvpth_c[start] = 0;
    bool changed = true;
    while (changed) {
        changed = false;
        for (int j = 0; j < COMBAT_GRID_CELLS; j++) {
            const int c = _cmbt_movepath_cost_map[j];
            if (c == COMBAT_COST_BLOCKED) {
                continue;
            }
            const Neighbours &n = m_neighbours.cells[j];
            int best = _cmbt_mvpth_c[j];
            int pred = -1;
            for (int k = 0; k < n.count; k++) {
                const int b = _cmbt_mvpth_c[n.cell[k]];
                if (b == COMBAT_PATH_UNREACHED) {
                    continue;
                }
                const int candidate = b + c + (surcharge ? n.surcharge[k] : 0);
                if (candidate < best) {
                    best = candidate;
                    pred = n.cell[k];
                }
            }
            if (pred >= 0) {
                _cmbt_mvpth_c[j] = (int16_t)(best < COMBAT_PATH_UNREACHED ? best : COMBAT_PATH_UNREACHED - 1);
                _cmbt_path_data[j] = (int16_t)pred;
                changed = true;
            }
        }
    }
}

}  // namespace

void Combat_Move_Path_Find(int16_t from_x, int16_t from_y, int16_t to_x, int16_t to_y)
{
    movement_path_grid_cell_count = 0;
    if (!Combat_Cell_On_Grid(from_x, from_y) || !Combat_Cell_On_Grid(to_x, to_y)) {
        return;
    }
    const int target = Combat_Cell(to_x, to_y);
    if (_cmbt_movepath_cost_map[target] == COMBAT_COST_BLOCKED) {
        return;
    }
    const int start = Combat_Cell(from_x, from_y);
    Sweep(start, true);
    if (_cmbt_mvpth_c[target] == COMBAT_PATH_UNREACHED || target == start) {
        return;
    }
    int16_t cells[COMBAT_GRID_CELLS];
    int count = 0;
    for (int cell = target; _cmbt_path_data[cell] != cell && count < COMBAT_GRID_CELLS; cell = _cmbt_path_data[cell]) {
        cells[count++] = (int16_t)cell;
    }
    const int kept = count < COMBAT_PATH_MAX ? count : COMBAT_PATH_MAX;
    for (int i = 0; i < kept; i++) {
        const int cell = cells[count - 1 - i];
        _cmbt_mvpth_x[i] = (int16_t)(cell % COMBAT_GRID_WIDTH);
        _cmbt_mvpth_y[i] = (int16_t)(cell / COMBAT_GRID_WIDTH);
    }
    movement_path_grid_cell_count = (int16_t)kept;
}

void Combat_Move_Path_Valid(int16_t from_x, int16_t from_y, int16_t moves)
{
    if (!Combat_Cell_On_Grid(from_x, from_y)) {
        for (int j = 0; j < COMBAT_GRID_CELLS; j++) _cmbt_path_data[j] = 0;
        return;
    }
    Sweep(Combat_Cell(from_x, from_y), false);
    for (int j = 0; j < COMBAT_GRID_CELLS; j++) {
        const int best = _cmbt_mvpth_c[j];
        _cmbt_path_data[j] =
            (int16_t)((best != COMBAT_PATH_UNREACHED && best - _cmbt_movepath_cost_map[j] < moves) ? 1 : 0);
    }
}
