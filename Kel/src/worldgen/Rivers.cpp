#include "worldgen/Rivers.h"

#include "STU_Log.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Map_Square_Record.h"
#include "worldgen/Landmasses.h"

const int16_t TILE_River_Types[16][4] = {
    {162, 162, 162, 162}, {187, 187, 187, 187}, {188, 188, 188, 188}, {189, 193, 233, 189},
    {185, 185, 185, 185}, {237, 238, 239, 237}, {191, 195, 235, 191}, {251, 252, 253, 254},
    {186, 186, 186, 186}, {192, 196, 236, 192}, {240, 241, 242, 240}, {243, 244, 245, 246},
    {190, 194, 234, 190}, {255, 256, 257, 258}, {247, 248, 249, 250}, {468, 469, 470, 471},
};

namespace {

// Walk directions: 0 south, 1 west, 2 north, 3 east.
const int m_step_x[4] = {0, -1, 0, 1};
const int m_step_y[4] = {1, 0, -1, 0};
const int m_upstream[4] = {2, 3, 0, 1};

enum River_Mask : int { rm_North = 1, rm_East = 2, rm_South = 4, rm_West = 8 };

// A bounded scan: every rescan starts at most one row and one square back, and at most one per
// square of the plane is taken.
constexpr int MAX_RESCANS = WORLD_SIZE;

inline int16_t &Tile(int wx, int wy, int wp) { return _world_maps[World_Square_Index(wx, wy, wp)]; }

inline int Wrap_X(int wx) { return (wx + WORLD_WIDTH) % WORLD_WIDTH; }

bool Is_Node(int wx, int wy, int wp)
{
    const int c = Tile(wx, wy, wp) % TERRAIN_TILE_SET_SIZE;
    return c >= tt_Sorcery_Node && c <= tt_Chaos_Node;
}

bool Has_Special(int wx, int wy, int wp) { return _map_square_terrain_specials[World_Square_Index(wx, wy, wp)] != 0; }

bool Ocean(int wx, int wy, int wp) { return Square_Is_Ocean_NewGame((int16_t)wx, (int16_t)wy, (int16_t)wp) != 0; }
bool River(int wx, int wy, int wp) { return Square_Is_River_NewGame((int16_t)wx, (int16_t)wy, (int16_t)wp) != 0; }

// Whether the square or one of its four neighbours on the map passes the test; columns wrap.
template <typename Test> bool Square_Or_Beside(int wx, int wy, int wp, Test test)
{
    if (test(wx, wy, wp)) {
        return true;
    }
    for (int d = 0; d < 4; d++) {
        const int ny = wy + m_step_y[d];
        if (ny >= 0 && ny < WORLD_HEIGHT && test(Wrap_X(wx + m_step_x[d]), ny, wp)) {
            return true;
        }
    }
    return false;
}

// The 4-neighbour mask of the neighbours that pass the test; rows beyond the map count nothing.
template <typename Test> int Mask_Of(int wx, int wy, int wp, Test test)
{
    int mask = 0;
    if (wy > 0 && test(wx, wy - 1, wp)) mask |= rm_North;
    if (test(Wrap_X(wx + 1), wy, wp)) mask |= rm_East;
    if (wy < WORLD_HEIGHT - 1 && test(wx, wy + 1, wp)) mask |= rm_South;
    if (test(Wrap_X(wx - 1), wy, wp)) mask |= rm_West;
    return mask;
}

bool Blocks_River(int wx, int wy, int wp)
{
    return Square_Is_Mountain_NewGame((int16_t)wx, (int16_t)wy, (int16_t)wp) ||
           Square_Is_Hills_NewGame((int16_t)wx, (int16_t)wy, (int16_t)wp) || Is_Node(wx, wy, wp);
}

enum Then { th_Next, th_North, th_North_West };

struct Mouth_Rule {
    int16_t tile;
    Then then;
    int grassland;  // river neighbours (a River_Mask) that become grassland
};

// Mouth rule of a shore tile for the mask of its river neighbours; tile 0 when none applies.
Mouth_Rule Shore_Mouth(int16_t t, int mask)
{
    // Shores with one river side: {shore tile, river side, mouth tile}.
    static const int16_t singles[16][3] = {
        {3, rm_South, 218},  {4, rm_South, 217},  {5, rm_South, 219},  {11, rm_South, 220},
        {10, rm_East, 231},  {16, rm_East, 229},  {17, rm_East, 232},  {21, rm_East, 230},
        {12, rm_West, 222},  {19, rm_West, 224},  {20, rm_West, 221},  {23, rm_West, 223},
        {22, rm_North, 228}, {28, rm_North, 227}, {29, rm_North, 225}, {30, rm_North, 226},
    };
    for (const auto &single : singles) {
        if (t == single[0]) {
            return Mouth_Rule{mask == single[1] ? single[2] : (int16_t)0, th_Next, 0};
        }
    }
    struct Corner {
        int first, mask_a, base_a, mask_b, base_b, base_both;
    };
    static const Corner corners[4] = {
        {34, rm_North, 489, rm_West, 473, 201},
        {38, rm_East, 493, rm_South, 477, 205},
        {42, rm_North, 481, rm_East, 497, 209},
        {46, rm_South, 485, rm_West, 501, 213},
    };
    for (const Corner &c : corners) {
        if (t >= c.first && t < c.first + 4) {
            const int k = t - c.first;
            if (mask == c.mask_a) return Mouth_Rule{(int16_t)(c.base_a + k), th_Next, 0};
            if (mask == c.mask_b) return Mouth_Rule{(int16_t)(c.base_b + k), th_Next, 0};
            if (mask == (c.mask_a | c.mask_b)) return Mouth_Rule{(int16_t)(c.base_both + k), th_Next, 0};
            return Mouth_Rule{0, th_Next, 0};
        }
    }
    if (t >= 51 && t <= 65) {
        if (mask == rm_North) return Mouth_Rule{(int16_t)(t + 487), th_Next, 0};
        if (mask == rm_South) return Mouth_Rule{(int16_t)(t + 503), th_Next, 0};
        if (mask == (rm_North | rm_South)) return Mouth_Rule{(int16_t)(t + 487), th_North, rm_South};
    }
    if (t >= 66 && t <= 81) {
        if (mask == rm_East) return Mouth_Rule{(int16_t)(t + 519), th_Next, 0};
        if (mask == rm_West) return Mouth_Rule{(int16_t)(t + 503), th_Next, 0};
        if (mask == (rm_East | rm_West)) return Mouth_Rule{(int16_t)(t + 503), th_North, rm_East};
    }
    return Mouth_Rule{0, th_Next, 0};
}

// Lake tiles: 18 and 82..97. u, v and w name the three tiles a lake of 82..97 may turn into.
Mouth_Rule Lake_Mouth(int16_t t, int mask)
{
    constexpr int E = rm_East, S = rm_South, W = rm_West;
    if (t == 18) {
        static const Mouth_Rule rules[16] = {
            {308, th_Next, 0},           {198, th_Next, 0},
            {199, th_Next, 0},           {198, th_North, E},
            {200, th_Next, 0},           {198, th_North, S},
            {200, th_North, E},          {198, th_North, E | S},
            {197, th_Next, 0},           {198, th_North_West, W},
            {197, th_North, E},          {198, th_North_West, E | W},
            {197, th_North_West, S},     {198, th_North_West, W | S},
            {197, th_North_West, E | S}, {198, th_North_West, W | S | E},
        };
        return rules[mask];
    }
    if (t < 82 || t > 97) {
        return Mouth_Rule{0, th_Next, 0};
    }
    const int16_t u = (int16_t)(t + 423), v = (int16_t)(t + 439), w = (int16_t)(t + 370);
    struct Row {
        int mask;
        char which;
        int grassland;
        Then then;
    };
    static const Row kind0[] = {{2, 'v', 0, th_Next},      {4, 'w', 0, th_Next},   {6, 'w', E, th_North},
                                {8, 'u', 0, th_Next},      {10, 'u', E, th_North}, {12, 'u', S, th_North},
                                {14, 'w', E | S, th_North}};
    static const Row kind1[] = {{1, 'u', 0, th_Next},           {4, 'v', 0, th_Next},           {5, 'u', S, th_North},
                                {8, 'w', 0, th_Next},           {9, 'u', W | S, th_North_West}, {12, 'w', S, th_North},
                                {13, 'u', W | S, th_North_West}};
    static const Row kind2[] = {{1, 'w', 0, th_Next},           {2, 'u', 0, th_Next},       {3, 'w', E, th_North},
                                {8, 'v', 0, th_Next},           {9, 'w', W, th_North_West}, {10, 'v', E, th_North},
                                {11, 'w', W | E, th_North_West}};
    static const Row kind3[] = {{1, 'u', 0, th_Next},     {2, 'w', 0, th_Next},  {3, 'u', E, th_North},
                                {4, 'v', 0, th_Next},     {5, 'u', S, th_North}, {6, 'v', E, th_North},
                                {7, 'u', E | S, th_North}};
    static const Row *const kinds[4] = {kind0, kind1, kind2, kind3};
    const Row *rows = kinds[(t - 82) % 4];
    for (int i = 0; i < 7; i++) {
        if (rows[i].mask == mask) {
            const int16_t to = rows[i].which == 'u' ? u : rows[i].which == 'v' ? v : w;
            return Mouth_Rule{to, rows[i].then, rows[i].grassland};
        }
    }
    return Mouth_Rule{0, th_Next, 0};
}

void Make_Grassland(int wx, int wy, int wp, int which)
{
    if ((which & rm_East) != 0) {
        Tile(Wrap_X(wx + 1), wy, wp) = tt_Grasslands;
    }
    if ((which & rm_West) != 0) {
        Tile(Wrap_X(wx - 1), wy, wp) = tt_Grasslands;
    }
    if ((which & rm_South) != 0 && wy < WORLD_HEIGHT - 1) {
        Tile(wx, wy + 1, wp) = tt_Grasslands;
    }
}

}  // namespace

int16_t Generate_River(int16_t wp)
{
    const int source_x = RANDOM(52) + 4;
    const int source_y = RANDOM(32) + 4;
    if (Has_Special(source_x, source_y, wp)) {
        return 0;
    }
    for (int nx = source_x - 1; nx <= source_x + 1; nx++) {
        for (int ny = source_y - 1; ny <= source_y + 1; ny++) {
            if (Ocean(nx, ny, wp)) {
                return 0;
            }
        }
    }
    if (Blocks_River(source_x, source_y, wp) || River(source_x, source_y, wp)) {
        return 0;
    }

    const int main_direction = RANDOM(4) - 1;
    int path_x[RIVER_FAIL_LENGTH];
    int path_y[RIVER_FAIL_LENGTH];
    int length = 1;
    path_x[0] = source_x;
    path_y[0] = source_y;
    int steps = 0;
    bool ended = false;
    while (!ended) {
        int direction = main_direction;
        if (RANDOM(2) != 2 && steps != 0) {
            do {
                direction = RANDOM(4) - 1;
            } while (direction == m_upstream[main_direction]);
        }
        steps++;
        if (steps > RIVER_MAX_STEPS) {
            return 0;
        }
        const int cx = path_x[length - 1] + m_step_x[direction];
        const int cy = path_y[length - 1] + m_step_y[direction];
        if (cx < 0 || cx >= WORLD_WIDTH || cy < 0 || cy >= WORLD_HEIGHT) {
            continue;
        }
        if (Has_Special(cx, cy, wp) || Blocks_River(cx, cy, wp) ||
            Square_Is_Desert_NewGame((int16_t)cx, (int16_t)cy, wp)) {
            continue;
        }
        path_x[length] = cx;
        path_y[length] = cy;
        length++;
        if (length == RIVER_FAIL_LENGTH) {
            return 0;
        }
        ended = River(cx, cy, wp) || Square_Or_Beside(cx, cy, wp, Ocean);
    }
    if (length <= 3) {
        return 0;
    }
    const int mouth_x = path_x[length - 1];
    const int mouth_y = path_y[length - 1];
    if (Square_Or_Beside(mouth_x, mouth_y, wp, [](int x, int y, int p) {
            return Square_Is_Bad_River_Mouth((int16_t)x, (int16_t)y, (int16_t)p) != 0;
        })) {
        return 0;
    }
    for (int i = 0; i < length; i++) {
        Tile(path_x[i], path_y[i], wp) = RIVER_MARKER;
    }
    return 1;
}

void River_Autotile(int16_t wp)
{
    int rescans = 0;
    int square = 0;
    while (square < WORLD_SIZE) {
        const int wx = square % WORLD_WIDTH;
        const int wy = square / WORLD_WIDTH;
        const int16_t before = Tile(wx, wy, wp);
        if (River(wx, wy, wp)) {
            const int mask = Mask_Of(wx, wy, wp, [](int x, int y, int p) { return Ocean(x, y, p) || River(x, y, p); });
            Tile(wx, wy, wp) = TILE_River_Types[mask][RANDOM(4) - 1];
        }
        Mouth_Rule rule{0, th_Next, 0};
        if (before >= 0 && before < tt_Grasslands) {
            const int rivers = Mask_Of(wx, wy, wp, River);
            rule = (before == 18 || before >= 82) ? Lake_Mouth(before, rivers) : Shore_Mouth(before, rivers);
        }
        if (rule.tile == 0) {
            square++;
            continue;
        }
        Tile(wx, wy, wp) = rule.tile;
        Make_Grassland(wx, wy, wp, rule.grassland);
        if (rule.then == th_Next) {
            square++;
            continue;
        }
        if (++rescans > MAX_RESCANS) {
            STU_LOG(SEV_WARN, LC_GENERAL, "River_Autotile: plane %d rescanned %d times; the scan goes on forward",
                    (int)wp, MAX_RESCANS);
            square++;
            continue;
        }
        square -= rule.then == th_North ? WORLD_WIDTH : WORLD_WIDTH + 1;
        if (square < 0) {
            square = 0;
        }
    }
}
