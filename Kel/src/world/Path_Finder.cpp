#include "world/Path_Finder.h"

#include "STU_Log.h"

int16_t shortest_path_came_from[SHORTEST_PATH_MAX_CELLS];
uint16_t shortest_path_cost_to_reach[SHORTEST_PATH_MAX_CELLS];
int16_t shortest_path_backtrace[SHORTEST_PATH_MAX_STEPS];
uint16_t movepath_reach_costs[WORLD_SIZE];

namespace {

bool m_large_grid_warned = false;

inline uint16_t Path_Step_Cost(uint16_t reach, uint8_t cost)
{
    uint32_t sum = (uint32_t)reach + cost;
    return sum > PATH_REACH_MAX ? PATH_REACH_MAX : (uint16_t)sum;
}

// Neighbour offsets of a small-grid cell, in the order its position gives them; ties between
// equally cheap neighbours go to the first, so the order decides the route.
int Shortest_Path_Neighbours(int cell, int width, int height, int out[8])
{
    const int x = cell % width;
    const int y = cell / width;
    const int w = width;
    const bool top = y == 0;
    const bool bottom = y == height - 1;
    const bool left = x == 0;
    const bool right = x == width - 1;
    int n = 0;
    auto put = [&](int dx, int dy) { out[n++] = cell + dy * w + dx; };
    if ((top && bottom) || (left && right)) {
        // A grid one cell wide or high: the interior order, keeping what lies inside.
        static const int order[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};
        for (const auto &d : order) {
            int nx = x + d[0];
            int ny = y + d[1];
            if (nx >= 0 && nx < width && ny >= 0 && ny < height) {
                put(d[0], d[1]);
            }
        }
    } else if (top && left) {
        put(1, 0), put(0, 1), put(1, 1);
    } else if (top && right) {
        put(-1, 0), put(0, 1), put(-1, 1);
    } else if (top) {
        put(-1, 0), put(1, 0), put(0, 1), put(-1, 1), put(1, 1);
    } else if (bottom && left) {
        put(1, 0), put(0, -1), put(1, -1);
    } else if (bottom && right) {
        put(-1, 0), put(0, -1), put(-1, -1);
    } else if (bottom) {
        put(-1, 0), put(1, 0), put(0, -1), put(-1, -1), put(1, -1);
    } else if (left) {
        put(0, -1), put(1, -1), put(1, 0), put(0, 1), put(1, 1);
    } else if (right) {
        put(-1, -1), put(0, -1), put(-1, 0), put(0, 1), put(-1, 1);
    } else {
        put(-1, -1), put(0, -1), put(1, -1), put(-1, 0), put(1, 0), put(-1, 1), put(0, 1), put(1, 1);
    }
    return n;
}

}  // namespace

int16_t Find_Shortest_Path(int16_t start_x, int16_t start_y, int16_t goal_x, int16_t goal_y, int16_t width,
                           int16_t height, const uint8_t *cost_grid, uint8_t *out_x, uint8_t *out_y)
{
    if (width <= 0 || height <= 0 || width * height > SHORTEST_PATH_MAX_CELLS) {
        if (!m_large_grid_warned) {
            m_large_grid_warned = true;
            STU_LOG(SEV_WARN, LC_GENERAL, "Find_Shortest_Path: a grid of %d x %d cells is refused (at most %d cells)",
                    (int)width, (int)height, SHORTEST_PATH_MAX_CELLS);
        }
        return 0;
    }
    if (start_x < 0 || start_x >= width || start_y < 0 || start_y >= height || goal_x < 0 || goal_x >= width ||
        goal_y < 0 || goal_y >= height) {
        return 0;
    }
    const int cells = width * height;
    const int start = start_y * width + start_x;
    const int goal = goal_y * width + goal_x;
    if (cost_grid[goal] == PATH_IMPASSABLE || cost_grid[start] == PATH_IMPASSABLE) {
        return 0;
    }
    for (int cell = 0; cell < cells; cell++) {
        shortest_path_came_from[cell] = (int16_t)cell;
        shortest_path_cost_to_reach[cell] = PATH_UNREACHED;
    }
    shortest_path_cost_to_reach[start] = 0;

    // Another sweep follows only a change of predecessor, not a lower cost through the same one.
    bool changed = true;
    while (changed) {
        changed = false;
        for (int cell = 0; cell < cells; cell++) {
            const uint8_t cost = cost_grid[cell];
            if (cost == PATH_IMPASSABLE) {
                continue;
            }
            const int16_t before = shortest_path_came_from[cell];
            int neighbours[8];
            const int n = Shortest_Path_Neighbours(cell, width, height, neighbours);
            for (int i = 0; i < n; i++) {
                const uint16_t reach = shortest_path_cost_to_reach[neighbours[i]];
                if (reach == PATH_UNREACHED) {
                    continue;
                }
                const uint16_t through = Path_Step_Cost(reach, cost);
                if (through < shortest_path_cost_to_reach[cell]) {
                    shortest_path_cost_to_reach[cell] = through;
                    shortest_path_came_from[cell] = (int16_t)neighbours[i];
                }
            }
            if (shortest_path_came_from[cell] != before) {
                changed = true;
            }
        }
    }

    if (start == goal) {
        return 0;
    }
    int count = 0;
    int cell = goal;
    while (shortest_path_came_from[cell] != cell) {
        if (count == SHORTEST_PATH_MAX_STEPS) {
            return 0;
        }
        shortest_path_backtrace[count++] = (int16_t)cell;
        cell = shortest_path_came_from[cell];
    }
    if (cell != start) {
        return 0;
    }
    for (int i = 0; i < count; i++) {
        const int step = shortest_path_backtrace[count - 1 - i];
        out_x[i] = (uint8_t)(step % width);
        out_y[i] = (uint8_t)(step / width);
    }
    return (int16_t)count;
}

namespace {

// A square needs handling only when a square of its 3 x 3 neighbourhood took a new reach cost
// since it was last handled: otherwise handling it would change nothing. Passing over the others
// (and over rows holding none) keeps the reach costs and predecessors those of the plain sweep.
// Bit x of m_dirty_bits[y] marks square (x, y); bit y of m_dirty_rows a row with a marked square.
bool m_row_passable[WORLD_HEIGHT];
uint64_t m_dirty_bits[WORLD_HEIGHT];
uint64_t m_dirty_rows;

static_assert(WORLD_WIDTH <= 64 && WORLD_HEIGHT <= 64);

inline uint64_t Bit(int i) { return (uint64_t)1 << i; }

// Bits 0 to i.
inline uint64_t Bits_Up_To(int i) { return i >= 63 ? ~(uint64_t)0 : Bit(i + 1) - 1; }

inline void Mark_Neighbours(int x, int y)
{
    const int xl = x == 0 ? WORLD_WIDTH - 1 : x - 1;
    const int xr = x == WORLD_WIDTH - 1 ? 0 : x + 1;
    const uint64_t sides = Bit(xl) | Bit(xr);
    const uint64_t three = sides | Bit(x);
    if (y > 0) {
        m_dirty_bits[y - 1] |= three;
        m_dirty_rows |= Bit(y - 1);
    }
    m_dirty_bits[y] |= sides;
    m_dirty_rows |= Bit(y);
    if (y < WORLD_HEIGHT - 1) {
        m_dirty_bits[y + 1] |= three;
        m_dirty_rows |= Bit(y + 1);
    }
}

inline void Relax(const uint16_t *reach, int from, uint8_t cost, uint16_t &best, int &best_from)
{
    const uint16_t r = reach[from];
    if (r != PATH_UNREACHED) {
        const uint16_t through = Path_Step_Cost(r, cost);
        if (through < best) {
            best = through;
            best_from = from;
        }
    }
}

// Neighbours in the order up-left, up, up-right, left, right, down-left, down, down-right; the
// first of equally cheap ones wins. Rows beyond the map count as impassable.
bool Move_Path_Handle_Row(int y, const uint8_t *costs, int16_t *from)
{
    uint16_t *reach = movepath_reach_costs;
    const int row = y * WORLD_WIDTH;
    const bool has_up = y > 0;
    const bool has_down = y < WORLD_HEIGHT - 1;
    bool updated = false;
    // Squares marked behind the cursor wait for the next handling of the row, as in the plain sweep.
    uint64_t pending = m_dirty_bits[y];
    m_dirty_bits[y] = 0;
    for (int x = 0; x < WORLD_WIDTH; x++) {
        const uint64_t ahead = pending & (~(uint64_t)0 << x);
        if (!ahead) {
            break;
        }
        x = __builtin_ctzll(ahead);
        pending &= ~Bit(x);
        const int square = row + x;
        const uint8_t cost = costs[square];
        if (cost == PATH_IMPASSABLE) {
            continue;
        }
        const int xl = row + (x == 0 ? WORLD_WIDTH - 1 : x - 1);
        const int xr = row + (x == WORLD_WIDTH - 1 ? 0 : x + 1);
        // Sums taken unsaturated first: an unreached neighbour (65,535) can then never win. Only
        // when the cheapest sum reaches the saturation bound is the exact saturating order needed.
        const int nb[8] = {xl - WORLD_WIDTH, square - WORLD_WIDTH, xr - WORLD_WIDTH, xl, xr,
                           xl + WORLD_WIDTH, square + WORLD_WIDTH, xr + WORLD_WIDTH};
        const int first = has_up ? 0 : 3;
        const int last = has_down ? 8 : 5;
        // Each sum carries its neighbour's place in the order in its low bits, so the smallest
        // key is the cheapest sum and, among equal sums, the first neighbour.
        uint32_t key = UINT32_MAX;
        if (has_up && has_down) {
            uint32_t k[8];
            for (int i = 0; i < 8; i++) {
                k[i] = (((uint32_t)reach[nb[i]] + cost) << 3) | (uint32_t)i;
            }
            const uint32_t k01 = k[0] < k[1] ? k[0] : k[1];
            const uint32_t k23 = k[2] < k[3] ? k[2] : k[3];
            const uint32_t k45 = k[4] < k[5] ? k[4] : k[5];
            const uint32_t k67 = k[6] < k[7] ? k[6] : k[7];
            const uint32_t k03 = k01 < k23 ? k01 : k23;
            const uint32_t k47 = k45 < k67 ? k45 : k67;
            key = k03 < k47 ? k03 : k47;
        } else {
            for (int i = first; i < last; i++) {
                const uint32_t ki = (((uint32_t)reach[nb[i]] + cost) << 3) | (uint32_t)i;
                key = ki < key ? ki : key;
            }
        }
        const uint32_t sum_best = key >> 3;
        const int sum_from = nb[key & 7];
        uint16_t best = reach[square];
        int best_from = -1;
        if (sum_best < PATH_REACH_MAX) {
            if (sum_best < best) {
                best = (uint16_t)sum_best;
                best_from = sum_from;
            }
        } else {
            for (int i = first; i < last; i++) {
                Relax(reach, nb[i], cost, best, best_from);
            }
        }
        if (best_from >= 0) {
            reach[square] = best;
            from[square] = (int16_t)best_from;
            Mark_Neighbours(x, y);
            pending |= m_dirty_bits[y];
            m_dirty_bits[y] = 0;
            updated = true;
        }
    }
    m_dirty_bits[y] = pending;
    if (pending) {
        m_dirty_rows |= Bit(y);
    } else {
        m_dirty_rows &= ~Bit(y);
    }
    return updated;
}

}  // namespace

int16_t Move_Path_Find(int16_t origin_x, int16_t origin_y, uint8_t *buffer)
{
    if (origin_x < 0 || origin_x >= WORLD_WIDTH || origin_y < 0 || origin_y >= WORLD_HEIGHT) {
        return 0;
    }
    const uint8_t *costs = buffer + MOVEPATH_COSTS_OFS;
    int16_t *from = Move_Path_Predecessors(buffer);
    for (int square = 0; square < WORLD_SIZE; square++) {
        movepath_reach_costs[square] = PATH_UNREACHED;
        from[square] = (int16_t)square;
    }
    movepath_reach_costs[origin_y * WORLD_WIDTH + origin_x] = 0;
    for (int y = 0; y < WORLD_HEIGHT; y++) {
        m_row_passable[y] = false;
        for (int x = 0; x < WORLD_WIDTH; x++) {
            if (costs[y * WORLD_WIDTH + x] != PATH_IMPASSABLE) {
                m_row_passable[y] = true;
                break;
            }
        }
        m_dirty_bits[y] = 0;
    }
    m_dirty_rows = 0;
    Mark_Neighbours(origin_x, origin_y);
    // The rows each pass reaches: from the origin's row on, up to and including the first row
    // without a passable square, and no further than rows 38 and 1.
    int last_down = origin_y;
    while (last_down < WORLD_HEIGHT - 1 && m_row_passable[last_down] && last_down + 1 <= WORLD_HEIGHT - 2) {
        last_down++;
    }
    int last_up = origin_y;
    while (last_up > 0 && m_row_passable[last_up] && last_up - 1 >= 1) {
        last_up--;
    }

    bool updated = true;
    while (updated) {
        updated = false;
        // Downward from the origin's row, upward from it again; only the origin's row may be 0 or 39.
        for (int y = origin_y; y <= last_down;) {
            const uint64_t rows = m_dirty_rows & (~(uint64_t)0 << y) & Bits_Up_To(last_down);
            if (!rows) {
                break;
            }
            y = __builtin_ctzll(rows);
            updated |= Move_Path_Handle_Row(y, costs, from);
            y++;
        }
        for (int y = origin_y; y >= last_up;) {
            const uint64_t rows = m_dirty_rows & Bits_Up_To(y) & (~(uint64_t)0 << last_up);
            if (!rows) {
                break;
            }
            y = 63 - __builtin_clzll(rows);
            updated |= Move_Path_Handle_Row(y, costs, from);
            y--;
        }
    }

    uint8_t *reach_bytes = buffer + MOVEPATH_REACH_OFS;
    for (int square = 0; square < WORLD_SIZE; square++) {
        const uint16_t reach = movepath_reach_costs[square];
        reach_bytes[square] = reach >= 255 ? 255 : (uint8_t)reach;
    }
    return 1;
}
