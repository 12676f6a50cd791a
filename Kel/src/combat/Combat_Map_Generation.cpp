#include "combat/Combat_Map_Generation.h"

#include <cstring>
#include <initializer_list>

#include "STU_Log.h"
#include "combat/Combat_Tables.h"
#include "random.h"

namespace {

// The step of a direction drawn as 1..4: down a row, left, up a row, right.
constexpr int STEP_X[5] = {0, 0, -1, 0, 1};
constexpr int STEP_Y[5] = {0, 1, 0, -1, 0};

// Rough pieces by (north, east, south, west) rough, as a 4-bit index N8 E4 S2 W1.
constexpr int16_t ROUGH_PIECE[16] = {15, 6, 0, 9, 2, 3, 7, 8, 5, 14, 1, 11, 12, 13, 10, 4};

bool m_refusals_logged = false;

uint8_t &Kind(int x, int y) { return battlefield->terrain_kinds[Combat_Cell(x, y)]; }
uint8_t &Road(int x, int y) { return battlefield->roads[Combat_Cell(x, y)]; }

bool Kind_Is(int x, int y, uint8_t kind) { return Combat_Cell_On_Grid(x, y) && Kind(x, y) == kind; }

void Log_Refusals_Once(const char *what)
{
    if (!m_refusals_logged) {
        m_refusals_logged = true;
        STU_LOG(SEV_WARN, LC_COMBAT, "Battlefield: %s refused %d times; no more are placed", what,
                COMBAT_SCENERY_REFUSALS_MAX);
    }
}

void Place_Houses(int16_t structure, int16_t house_style, int16_t walls, int16_t population)
{
    Battlefield_Record &bf = *battlefield;
    const int limit = structure == 2 ? 12 : 11;
    auto refused = [&](int column, int row) {
        const bool corner = (column == 0 || column == 3) && (row == 0 || row == 3);
        return (corner && walls != 0) || (structure == 3 && column == 1 && row == 1);
    };
    if (population < limit) {
        while (bf.house_count < population) {
            const int column = RANDOM(4) - 1;
            const int row = RANDOM(4) - 1;
            bool taken = false;
            for (int h = 0; h < bf.house_count; h++) {
                taken = taken || (bf.house_x[h] == COMBAT_CITY_X + column && bf.house_y[h] == COMBAT_CITY_Y + row);
            }
            const bool corner = (column == 0 || column == 3) && (row == 0 || row == 3);
            if ((walls == 1 && corner) || taken || (structure == 3 && column == 1 && row == 1)) {
                continue;
            }
            const int h = bf.house_count++;
            bf.house_x[h] = (int16_t)(COMBAT_CITY_X + column);
            bf.house_y[h] = (int16_t)(COMBAT_CITY_Y + row);
            bf.house_picture[h] = (int16_t)(house_style * 5 + RANDOM(5) - 1);
        }
    } else {
        for (int row = 0; row < COMBAT_CITY_SIZE; row++) {
            for (int column = 0; column < COMBAT_CITY_SIZE; column++) {
                if (refused(column, row) || bf.house_count >= BATTLEFIELD_MAX_HOUSES) {
                    continue;
                }
                const int h = bf.house_count++;
                bf.house_x[h] = (int16_t)(COMBAT_CITY_X + column);
                bf.house_y[h] = (int16_t)(COMBAT_CITY_Y + row);
                bf.house_picture[h] = (int16_t)(house_style * 5 + RANDOM(5) - 1);
            }
        }
        bf.house_count = (int16_t)limit;
    }
    bf.walls = walls;
    if (walls == 1) {
        for (auto &row : bf.wall_sections) {
            for (int16_t &section : row) section = WALL_SECTION_STANDING;
        }
        bf.wall_sections[1][1] = bf.wall_sections[2][1] = bf.wall_sections[1][2] = bf.wall_sections[2][2] =
            WALL_SECTION_NONE;
    }
}

void Scatter_Terrain_Patches(uint8_t kind, int patches, int spread, int base)
{
    for (int p = 0; p < patches; p++) {
        int x = RANDOM(21) - 1;
        int y = RANDOM(22) - 1;
        x += STEP_X[RANDOM(4)];
        y += STEP_Y[RANDOM(4)];
        const int length = base + RANDOM((int16_t)spread);
        for (int i = 0; i < length; i++) {
            const int d = RANDOM(4);
            x += STEP_X[d];
            y += STEP_Y[d];
            x = x < 0 ? 0 : x > COMBAT_GRID_WIDTH - 1 ? COMBAT_GRID_WIDTH - 1 : x;
            y = y < 0 ? 0 : y > COMBAT_GRID_HEIGHT - 1 ? COMBAT_GRID_HEIGHT - 1 : y;
            Kind(x, y) = kind;
        }
    }
}

void Carve_River_Terrain(const int16_t rivers[COMBAT_NEIGHBOURHOOD])
{
    if (rivers[4] != 1) {
        return;
    }
    int x;
    int y;
    int fallback[2];
    int refused[2];
    bool northward;
    if (rivers[5] == 1 || rivers[2] == 1 || rivers[3] == 1 || rivers[6] == 1) {
        x = 7;
        y = 20;
        fallback[0] = 3, fallback[1] = 2, refused[0] = 0, refused[1] = 1;
        northward = true;
    } else if (rivers[0] == 1 || rivers[1] == 1 || rivers[7] == 1 || rivers[8] == 1) {
        x = RANDOM(8) + 4;
        y = 20;
        fallback[0] = 3, fallback[1] = 0, refused[0] = 1, refused[1] = 2;
        northward = false;
    } else {
        return;
    }
    int toggle = 0;
    while (northward ? (x < 20 && y > 0) : (x < 20 && y < 21)) {
        int direction = RANDOM(2) == 1 ? RANDOM(4) - 1 : fallback[toggle];
        toggle = 1 - toggle;
        if (direction == refused[0] || direction == refused[1]) {
            continue;
        }
        const int nx = x + STEP_X[direction + 1];
        const int ny = y + STEP_Y[direction + 1];
        if (Combat_Cell_On_Grid(nx, ny)) {
            x = nx;
            y = ny;
            Kind(x, y) = ctk_River;
        }
    }
}

struct Road_Walk {
    int flag_a;
    int flag_b;
    int city_x, city_y;
    int main_direction;  // 0 down, 1 left, 2 up, 3 right
    int redraw_range;    // Random(redraw_range) = 1 draws a free direction
    int refused;
};

constexpr Road_Walk ROADS[4] = {
    {5, 2, 7, 12, 3, 4, 1},  // east
    {1, 0, 7, 11, 2, 3, 0},  // north
    {3, 6, 6, 12, 1, 4, 3},  // west
    {7, 8, 7, 12, 0, 4, 2},  // south
};

bool Road_Runs(int road, int x, int y)
{
    switch (road) {
    case 0: return x < 20;
    case 1: return y > 0;
    case 2: return x > 0;
    default: return y < 21;
    }
}

bool Is_Road(int x, int y) { return !Combat_Cell_On_Grid(x, y) || Road(x, y) != 0; }

void Build_Road_Network(int16_t structure, const int16_t roads[COMBAT_NEIGHBOURHOOD])
{
    memset(battlefield->roads, 0, sizeof battlefield->roads);
    if (roads[4] != 1) {
        return;
    }
    const bool city = structure == 2 || structure == 3;
    for (int r = 0; r < 4; r++) {
        const Road_Walk &walk = ROADS[r];
        if (roads[walk.flag_a] != 1 && roads[walk.flag_b] != 1) {
            continue;
        }
        int x = city ? walk.city_x : 10;
        int y = city ? walk.city_y : 10;
        Road(x, y) = 1;
        int direction = walk.main_direction;
        int counter = 0;
        while (Road_Runs(r, x, y)) {
            if (counter < 2) {
                counter++;
            } else {
                const int previous = direction;
                do {
                    direction = RANDOM((int16_t)walk.redraw_range) == 1 ? RANDOM(4) - 1 : walk.main_direction;
                } while (direction == walk.refused);
                if (r != 1 || direction != previous) {
                    counter = 1;
                }
            }
            const int nx = x + STEP_X[direction + 1];
            const int ny = y + STEP_Y[direction + 1];
            if (!Combat_Cell_On_Grid(nx, ny)) {
                continue;
            }
            x = nx;
            y = ny;
            Road(x, y) = 1;
        }
    }
    for (int y = 0; y < COMBAT_GRID_HEIGHT; y++) {
        for (int x = 0; x < COMBAT_GRID_WIDTH; x++) {
            if (Road(x, y) == 0) {
                continue;
            }
            const bool w = Is_Road(x - 1, y), e = Is_Road(x + 1, y), n = Is_Road(x, y - 1), s = Is_Road(x, y + 1);
            int bits = 0;
            bits += (w && e) ? 2 : 0;
            bits += (n && s) ? 4 : 0;
            bits += (n && w) ? 8 : 0;
            bits += (e && n) ? 16 : 0;
            bits += (s && e) ? 32 : 0;
            bits += (w && s) ? 64 : 0;
            Road(x, y) = (uint8_t)(Road(x, y) | bits);
        }
    }
    for (int y = 0; y < COMBAT_GRID_HEIGHT; y++) {
        for (int x = 0; x < COMBAT_GRID_WIDTH; x++) {
            if (Road(x, y) != 0 && RANDOM(2) == 1) {
                Road(x, y) = (uint8_t)(Road(x, y) & ~1);
            }
        }
    }
}

void Remove_Rough_Terrain(int16_t structure)
{
    for (int pass = 0; pass < 8; pass++) {
        for (int y = 0; y < COMBAT_GRID_HEIGHT; y++) {
            for (int x = 0; x < COMBAT_GRID_WIDTH; x++) {
                if (Kind(x, y) != ctk_Rough) {
                    continue;
                }
                bool dirt = false;
                for (int dy = -1; dy <= 1; dy++) {
                    for (int dx = -1; dx <= 1; dx++) {
                        dirt = dirt || ((dx || dy) && Kind_Is(x + dx, y + dy, ctk_Dirt));
                    }
                }
                if (dirt || Road(x, y) != 0) {
                    Kind(x, y) = ctk_Plain;
                }
            }
        }
    }
    if (structure != 0) {
        for (int y = COMBAT_CITY_Y; y < COMBAT_CITY_Y + COMBAT_CITY_SIZE; y++) {
            for (int x = COMBAT_CITY_X; x < COMBAT_CITY_X + COMBAT_CITY_SIZE; x++) {
                if (Kind(x, y) == ctk_Rough) Kind(x, y) = ctk_Plain;
            }
        }
    }
}

void Merge_Dirt_Patches(void)
{
    for (int pass = 0; pass < 10; pass++) {
        for (int y = 0; y < COMBAT_GRID_HEIGHT; y++) {
            for (int x = 0; x < COMBAT_GRID_WIDTH; x++) {
                if (Kind(x, y) != ctk_Plain) {
                    continue;
                }
                if ((Kind_Is(x - 1, y, ctk_Dirt) && Kind_Is(x + 1, y, ctk_Dirt)) ||
                    (Kind_Is(x, y - 1, ctk_Dirt) && Kind_Is(x, y + 1, ctk_Dirt))) {
                    Kind(x, y) = ctk_Dirt;
                }
            }
        }
    }
}

int16_t Plain_Tile(int x, int y)
{
    const bool e = Kind_Is(x + 1, y, ctk_Dirt), n = Kind_Is(x, y - 1, ctk_Dirt);
    const bool w = Kind_Is(x - 1, y, ctk_Dirt), s = Kind_Is(x, y + 1, ctk_Dirt);
    if (e && n) return (int16_t)(27 + RANDOM(2));
    if (e && s) return (int16_t)(11 + RANDOM(2));
    if (e) return (int16_t)(29 + RANDOM(2));
    if (n && w) return (int16_t)(21 + RANDOM(2));
    if (n) return (int16_t)(23 + RANDOM(2));
    if (w && s) return (int16_t)(15 + RANDOM(2));
    if (w) return (int16_t)(17 + RANDOM(2));
    if (s) return (int16_t)(9 + RANDOM(2));
    if (Kind_Is(x + 1, y + 1, ctk_Dirt)) return (int16_t)(7 + RANDOM(2));
    if (Kind_Is(x + 1, y - 1, ctk_Dirt)) return (int16_t)(25 + RANDOM(2));
    if (Kind_Is(x - 1, y - 1, ctk_Dirt)) return (int16_t)(19 + RANDOM(2));
    if (Kind_Is(x - 1, y + 1, ctk_Dirt)) return (int16_t)(13 + RANDOM(2));
    return (int16_t)(RANDOM(4) - 1);
}

bool River_Or_Off(int x, int y) { return !Combat_Cell_On_Grid(x, y) || Kind(x, y) == ctk_River; }

void Set_Terrain_Tile_Types(void)
{
    for (int y = 0; y < COMBAT_GRID_HEIGHT; y++) {
        for (int x = 0; x < COMBAT_GRID_WIDTH; x++) {
            int16_t &tile = battlefield->tiles[Combat_Cell(x, y)];
            switch (Kind(x, y)) {
            case ctk_Plain: tile = Plain_Tile(x, y); break;
            case ctk_River: {
                const bool w = River_Or_Off(x - 1, y), e = River_Or_Off(x + 1, y);
                const bool n = River_Or_Off(x, y - 1), s = River_Or_Off(x, y + 1);
                const bool pairs[6] = {w && e, n && s, n && w, e && n, s && e, w && s};
                for (int k = 0; k < 6; k++) {
                    if (pairs[k]) tile = (int16_t)(56 + k + 6 * (RANDOM(2) - 1));
                }
                break;
            }
            case ctk_Dirt: tile = (int16_t)(3 + RANDOM(4)); break;
            case ctk_Water: tile = (int16_t)(47 + RANDOM(4)); break;
            case ctk_Kind_5: tile = (int16_t)(51 + RANDOM(4)); break;
            case ctk_Rough: {
                const int index = (Kind_Is(x, y - 1, ctk_Rough) ? 8 : 0) + (Kind_Is(x + 1, y, ctk_Rough) ? 4 : 0) +
                                  (Kind_Is(x, y + 1, ctk_Rough) ? 2 : 0) + (Kind_Is(x - 1, y, ctk_Rough) ? 1 : 0);
                tile = (int16_t)(32 + ROUGH_PIECE[index]);
                break;
            }
            default: break;
            }
        }
    }
}

void Set_Cell_Costs(int cell, uint8_t ground, uint8_t air, uint8_t second, uint8_t water)
{
    battlefield->costs[ccg_Ground][cell] = ground;
    battlefield->costs[ccg_Air][cell] = air;
    battlefield->costs[ccg_Second_Ground][cell] = second;
    battlefield->costs[ccg_Water][cell] = water;
}

void Set_Movement_Cost_Maps(void)
{
    for (int cell = 0; cell < COMBAT_GRID_CELLS; cell++) {
        switch (battlefield->terrain_kinds[cell]) {
        case ctk_Plain:
        case ctk_Dirt: Set_Cell_Costs(cell, 2, 2, 2, 255); break;
        case ctk_Rough: Set_Cell_Costs(cell, 4, 2, 4, 255); break;
        case ctk_River: Set_Cell_Costs(cell, 4, 2, 4, 2); break;
        case ctk_Water: Set_Cell_Costs(cell, 255, 2, 255, 2); break;
        default: break;
        }
    }
    for (int cell = 0; cell < COMBAT_GRID_CELLS; cell++) {
        const uint8_t road = battlefield->roads[cell];
        if (road != 0 && road != COMBAT_ROAD_ISLAND_ANCHOR) {
            Set_Cell_Costs(cell, 1, 2, 1, 255);
        }
    }
    for (int y = 0; y < COMBAT_GRID_HEIGHT; y++) {
        for (int x = 0; x < COMBAT_GRID_WIDTH; x++) {
            if (x + y <= 10 || y - x >= 10 || x - y >= 10 || x + y >= 32) {
                Set_Cell_Costs(Combat_Cell(x, y), 255, 255, 255, 255);
            }
        }
    }
    if (battlefield->centre_code != ccc_None && battlefield->centre_code != ccc_City) {
        Set_Cell_Costs(Combat_Cell(COMBAT_CENTRE_X, COMBAT_CENTRE_Y), 255, 255, 255, 255);
    }
}

bool Scenery_Refused(int x, int y, int16_t structure)
{
    const int16_t centre = battlefield->centre_code;
    if (structure != 0 && structure != 4 && x >= 5 && x <= 7 && y >= 11 && y <= 13) return true;
    if (Road(x, y) != 0 || Kind(x, y) != ctk_Plain) return true;
    if (centre != ccc_None && centre != ccc_Nature_Node && x >= 5 && x <= 7 && y >= 10 && y <= 12) return true;
    if (centre == ccc_City || centre == ccc_Fortress_City) {
        if (x == 8 && y >= 10 && y <= 13) return true;
        if (y == 13 && x >= 5 && x <= 7) return true;
    }
    return false;
}

bool On_Screen(int16_t screen_x, int16_t screen_y)
{
    return screen_x >= 1 && screen_x <= COMBAT_SCENERY_MAX_X && screen_y >= 1 && screen_y <= COMBAT_SCENERY_MAX_Y;
}

void Raise_Scenery_Cost(int x, int y)
{
    const int cell = Combat_Cell(x, y);
    for (int grid : {ccg_Ground, ccg_Second_Ground}) {
        if (battlefield->costs[grid][cell] < 4) battlefield->costs[grid][cell]++;
    }
}

void Scatter_Tree_Scenery(int16_t terrain, int16_t structure)
{
    Battlefield_Record &bf = *battlefield;
    int total;
    switch (terrain) {
    case 1:
    case 2: total = RANDOM(20); break;
    case 3: total = RANDOM(10); break;
    case 4: total = RANDOM(40); break;
    case 5: total = RANDOM(20); break;
    default: total = RANDOM(30) + 30; break;
    }
    const int clusters = RANDOM(4) + total / 10;
    if (total < clusters) {
        return;
    }
    const int per_cluster = total / clusters;
    int failures = 0;
    for (int c = 0; c < clusters; c++) {
        if (failures > 500) {
            break;
        }
        int cx = 0;
        int cy = 0;
        bool found = false;
        for (int tries = 0; tries < COMBAT_SCENERY_REFUSALS_MAX && !found; tries++) {
            cx = RANDOM(21) - 1;
            cy = RANDOM(22) - 1;
            found = Road(cx, cy) == 0 && Kind(cx, cy) == ctk_Plain;
        }
        if (!found) {
            Log_Refusals_Once("tree-cluster centres");
            return;
        }
        for (int t = 0; t < per_cluster; t++) {
            while (true) {
                const int a = RANDOM(7), b = RANDOM(7), ox = RANDOM(6), oy = RANDOM(6);
                const int x = cx + a - 4;
                const int y = cy + b - 4;
                int16_t sx = 0;
                int16_t sy = 0;
                bool placed = false;
                if (Combat_Cell_On_Grid(x, y) && !Scenery_Refused(x, y, structure)) {
                    Combat_Grid_Screen_Coordinates((int16_t)x, (int16_t)y, (int16_t)ox, (int16_t)oy, &sx, &sy);
                    placed = On_Screen(sx, sy);
                }
                if (placed) {
                    if (bf.tree_count < BATTLEFIELD_MAX_TREES) {
                        const int k = bf.tree_count++;
                        bf.tree_x[k] = (int16_t)(sx - 5);
                        bf.tree_y[k] = sy;
                        bf.tree_picture[k] = (int16_t)(RANDOM(5) - 1);
                        Raise_Scenery_Cost(x, y);
                    }
                    break;
                }
                failures++;
                if (failures >= 500) {
                    break;
                }
            }
        }
    }
}

void Scatter_Rock_Scenery(int16_t terrain, int16_t structure)
{
    Battlefield_Record &bf = *battlefield;
    int count;
    switch (terrain) {
    case 1:
    case 2: count = RANDOM(5) - 1; break;
    case 3: count = RANDOM(8) - 1; break;
    case 4: count = RANDOM(12); break;
    case 5: count = RANDOM(12) + 4; break;
    default: count = RANDOM(8); break;
    }
    int refusals = 0;
    while (bf.rock_count < count && bf.rock_count < BATTLEFIELD_MAX_ROCKS) {
        const int x = RANDOM(21) - 1;
        const int y = RANDOM(22) - 1;
        const int ox = RANDOM(2) + 3;
        const int oy = RANDOM(2) + 3;
        int16_t sx = 0;
        int16_t sy = 0;
        Combat_Grid_Screen_Coordinates((int16_t)x, (int16_t)y, (int16_t)ox, (int16_t)oy, &sx, &sy);
        if (Scenery_Refused(x, y, structure) || !On_Screen(sx, sy)) {
            if (++refusals >= COMBAT_SCENERY_REFUSALS_MAX) {
                Log_Refusals_Once("rocks");
                return;
            }
            continue;
        }
        const int k = bf.rock_count++;
        bf.rock_x[k] = (int16_t)(sx - 5);
        bf.rock_y[k] = sy;
        Raise_Scenery_Cost(x, y);
        bf.rock_picture[k] = (int16_t)(RANDOM(5) - 1);
    }
}

void Place_Floating_Islands(int16_t attacker_floating, int16_t defender_floating)
{
    auto fill = [](int x0, int x1, int y0, int y1) {
        for (int y = y0; y <= y1; y++) {
            for (int x = x0; x <= x1; x++) Road(x, y) = COMBAT_ROAD_ISLAND;
        }
    };
    if (defender_floating) {
        fill(5, 7, 11, 13);
        Road(8, 13) = COMBAT_ROAD_ISLAND_ANCHOR;
    }
    if (attacker_floating && defender_floating) {
        fill(8, 11, 12, 12);
        fill(9, 11, 11, 11);
        fill(9, 11, 13, 13);
        Road(12, 13) = COMBAT_ROAD_ISLAND_ANCHOR;
    } else if (attacker_floating) {
        fill(16, 18, 10, 12);
        Road(19, 12) = COMBAT_ROAD_ISLAND_ANCHOR;
    }
}

}  // namespace

int16_t Combat_Centre_Code_Of_Structure(int16_t structure)
{
    static constexpr int16_t CENTRES[15] = {0, 1, 2, 3, 5, 10, 11, 9, 6, 4, 7, 8, 6, 4, 12};
    return (structure >= 0 && structure < 15) ? CENTRES[structure] : (int16_t)0;
}

void Combat_Grid_Screen_Coordinates(int16_t x, int16_t y, int16_t sub_x, int16_t sub_y, int16_t *screen_x,
                                    int16_t *screen_y)
{
    *screen_x = (int16_t)(16 * x + 2 * sub_x - 16 * y - 2 * sub_y + 158);
    *screen_y = (int16_t)(sub_y + sub_x + 8 * y + 8 * x - 80);
}

void Generate_Combat_Map(int16_t structure, int16_t house_style, const int16_t roads[COMBAT_NEIGHBOURHOOD],
                         int16_t enchanted_road, int16_t terrain, const int16_t rivers[COMBAT_NEIGHBOURHOOD],
                         int16_t ignored, int16_t attacker_floating, int16_t defender_floating, int16_t walls,
                         int16_t population, int16_t wall_spells)
{
    (void)ignored;
    Battlefield_Record &bf = *battlefield;
    bf.house_count = 0;
    memset(bf.wall_sections, 0, sizeof bf.wall_sections);
    const uint32_t seed = Get_Random_Seed();
    bf.centre_code = Combat_Centre_Code_Of_Structure(structure);
    if (structure == 2 || structure == 3) {
        Place_Houses(structure, house_style, walls, population);
    } else {
        bf.walls = 0;
    }
    Set_Random_Seed(seed);
    memset(bf.mud, 0, sizeof bf.mud);
    bf.wall_of_fire = (int16_t)(wall_spells & 1);
    bf.wall_of_darkness = (int16_t)((wall_spells >> 1) & 1);
    CMB_Enchanted_Roads = enchanted_road;
    memset(bf.roads, 0, sizeof bf.roads);
    if (terrain == 0) {
        memset(bf.terrain_kinds, ctk_Water, sizeof bf.terrain_kinds);
        Place_Floating_Islands(attacker_floating, defender_floating);
    } else {
        static constexpr int ROUGH_PATCHES[7] = {0, 5, 20, 10, 30, 10, 5};
        memset(bf.terrain_kinds, ctk_Plain, sizeof bf.terrain_kinds);
        Scatter_Terrain_Patches(ctk_Rough, (terrain >= 1 && terrain <= 6) ? ROUGH_PATCHES[terrain] : 0, 8, 3);
        Scatter_Terrain_Patches(ctk_Dirt, 8, 4, 0);
        if (terrain == 1) {
            Carve_River_Terrain(rivers);
        }
        Build_Road_Network(structure, roads);
        Remove_Rough_Terrain(structure);
        Merge_Dirt_Patches();
    }
    Set_Terrain_Tile_Types();
    Set_Movement_Cost_Maps();
    bf.tree_count = 0;
    bf.rock_count = 0;
    if (terrain != 0) {
        Scatter_Tree_Scenery(terrain, structure);
        Scatter_Rock_Scenery(terrain, structure);
    }
}
