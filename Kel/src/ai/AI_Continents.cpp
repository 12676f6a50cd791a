#include "ai/AI_Continents.h"

#include <cstring>

#include "EMM.h"
#include "Geometry.h"
#include "STU_Wrappers.h"
#include "ai/AI_Evaluation.h"
#include "ai/AI_Landmass_Lists.h"
#include "ai/AI_Unit_Orders.h"
#include "random.h"
#include "turn/Unit_Strength.h"
#include "world/ALLOC.h"
#include "world/Map_Feature_Records.h"
#include "world/Square_Queries.h"
#include "world/Unit_Type_Record.h"

AI_Continents _ai_continents = {};

static AI_Continent_Block *m_block = nullptr;

AI_Continent_Block *CONTXXX_Map(void)
{
    static_assert(sizeof(AI_Continent_Block) + 16 <= 65536);
    if (EmmHndl_CONTXXX == nullptr) return nullptr;
    EMM_MapFourPages(0, EmmHndl_CONTXXX);
    m_block = reinterpret_cast<AI_Continent_Block *>(static_cast<void *>(EMM_GetPageFrame() + 16));
    return m_block;
}

AI_Continent_Block *AI_Continent_Data(void) { return m_block; }

static int On_Map(int wx, int wy, int wp)
{
    return wx >= 0 && wx < WORLD_WIDTH && wy >= 0 && wy < WORLD_HEIGHT && wp >= 0 && wp < NUM_PLANES;
}

static int16_t Landmass_At(int wx, int wy, int wp)
{
    return On_Map(wx, wy, wp) ? _landmasses[World_Square_Index(wx, wy, wp)] : (int16_t)0;
}

uint16_t AI_Evaluation_Value(int16_t wx, int16_t wy, int16_t wp)
{
    if (m_block == nullptr || !On_Map(wx, wy, wp)) return 0;
    return m_block->evaluation_map[wp][wy * WORLD_WIDTH + wx];
}

int16_t Player_Knows_Spell(int16_t player_idx, int16_t spell_idx)
{
    if (spell_idx == 0) return 0;
    return Player_Spell_Status(player_idx, spell_idx) != SS_KNOWN ? 1 : 0;
}

int16_t Player_Known_Spell_Count(int16_t player_idx)
{
    int16_t count = 0;
    for (int16_t spell = 1; spell <= NUM_SPELLS_STATUS; spell++) {
        if (Player_Spell_Status(player_idx, spell) == SS_KNOWN) count++;
    }
    return count;
}

void Player_Clear_All_Unit_Orders(int16_t player_idx)
{
    if (player_idx <= HUMAN_PLAYER_IDX || player_idx >= NUM_PLAYERS) return;
    for (int16_t unit_idx = 0; unit_idx < _units; unit_idx++) {
        Unit_Record &unit = _UNITS[unit_idx];
        if (unit.owner_idx != player_idx || unit.type >= NUM_UNIT_TYPES) continue;
        if (_unit_type_table[unit.type].Construction == 0) unit.Status = us_Ready;
    }
}

// Appends entry n of the plane to landmass's list, keeping the lists in row order.
static void Append(AI_Square_List &list, int16_t *tails, int16_t landmass, int16_t n, int wx, int wy)
{
    list.wx[n] = (uint8_t)wx;
    list.wy[n] = (uint8_t)wy;
    list.next[n] = -1;
    if (list.heads[landmass] == -1) {
        list.heads[landmass] = n;
    } else {
        list.next[tails[landmass]] = n;
    }
    tails[landmass] = n;
}

// Lists, per plane, the squares of each landmass in row order that pass keep (every land square
// without one), up to the lists' capacity.
static void Build_Square_Lists(AI_Square_List *lists, int16_t (*keep)(int wx, int wy, int wp))
{
    for (int wp = 0; wp < NUM_PLANES; wp++) {
        AI_Square_List &list = lists[wp];
        for (int i = 0; i < AI_CONT_LANDMASSES; i++) list.heads[i] = -1;
        for (int i = 0; i < AI_LIST_CAPACITY; i++) list.next[i] = -1;
        int16_t tails[AI_CONT_LANDMASSES] = {};
        int16_t n = 0;
        for (int wy = 0; wy < WORLD_HEIGHT; wy++) {
            for (int wx = 0; wx < WORLD_WIDTH; wx++) {
                const int16_t landmass = Landmass_At(wx, wy, wp);
                if (landmass == 0 || landmass >= AI_CONT_LANDMASSES || n >= AI_LIST_CAPACITY) continue;
                if (keep != nullptr && !keep(wx, wy, wp)) continue;
                Append(list, tails, landmass, n++, wx, wy);
            }
        }
    }
}

void Build_Land_Linked_List(void)
{
    AI_Continent_Block *block = CONTXXX_Map();
    if (block == nullptr) return;
    Build_Square_Lists(block->land, nullptr);
    EMMDATAH_Map();
}

static int16_t Near_Shoreline(int wx, int wy, int wp)
{
    for (int y = wy - 1; y <= wy + 1; y++) {
        for (int x = wx - 1; x <= wx + 1; x++) {
            if (On_Map(x, y, wp) && Square_Is_Shoreline((int16_t)x, (int16_t)y, (int16_t)wp)) return 1;
        }
    }
    return 0;
}

void Build_Dock_Linked_List(void)
{
    AI_Continent_Block *block = CONTXXX_Map();
    if (block == nullptr) return;
    Build_Square_Lists(block->dock, Near_Shoreline);
    EMMDATAH_Map();
}

// The player regards j as a target: no pact, alliance or running peace, and hostile.
static int16_t Player_Targets(int16_t player_idx, int16_t j)
{
    const Player_Record &wizard = _players[player_idx];
    if (j < 0 || j >= NUM_PLAYERS) return 0;
    if (wizard.Dipl_Treaty[j] == 1 || wizard.Dipl_Treaty[j] == 2) return 0;
    if (wizard.peace_duration[j] > 0) return 0;
    return wizard.Hostility[j] >= 2;
}

static void Add_Strength(uint16_t &word, int32_t amount)
{
    int32_t strength = (word & AI_EVAL_STRENGTH_MASK) + amount;
    if (strength > AI_EVAL_STRENGTH_MASK) strength = AI_EVAL_STRENGTH_MASK;
    if (strength < 0) strength = 0;
    word = (uint16_t)((word & ~AI_EVAL_STRENGTH_MASK) | strength);
}

void AI_Evaluation_Map(int16_t player_idx)
{
    AI_Continent_Block *block = CONTXXX_Map();
    if (block == nullptr || player_idx < 0 || player_idx >= NUM_PLAYERS) return;
    std::memset(block->evaluation_map, 0, sizeof block->evaluation_map);
    for (int16_t k = 0; k < _units; k++) {
        const Unit_Record &unit = _UNITS[k];
        if (unit.owner_idx == player_idx || !On_Map(unit.wx, unit.wy, unit.wp)) continue;
        uint16_t &word = block->evaluation_map[unit.wp][unit.wy * WORLD_WIDTH + unit.wx];
        Add_Strength(word, Effective_Unit_Strength(k) / 10);
        int16_t friendly;
        if (unit.owner_idx == -1) {
            friendly = Stack_Garbage() == 1;
        } else {
            friendly = !Player_Targets(player_idx, unit.owner_idx);
        }
        if (friendly) word |= AI_EVAL_FRIENDLY_UNIT;
    }
    for (int i = 0; i < NUM_LAIRS; i++) {
        const Lair_Record &lair = _LAIRS[i];
        if (lair.Intact != 1 || lair.guard1_count == 0 || !On_Map(lair.wx, lair.wy, lair.wp)) continue;
        uint16_t &word = block->evaluation_map[lair.wp][lair.wy * WORLD_WIDTH + lair.wx];
        Add_Strength(word,
                     (int32_t)(Effective_Unit_Type_Strength(lair.guard1_unit_type) / 10) * (lair.guard1_count & 0x0F));
        Add_Strength(word,
                     (int32_t)(Effective_Unit_Type_Strength(lair.guard2_unit_type) / 10) * (lair.guard2_count & 0x0F));
    }
    for (int16_t j = 0; j < _cities; j++) {
        const City_Record &city = _CITIES[j];
        if (!On_Map(city.wx, city.wy, city.wp)) continue;
        uint16_t &word = block->evaluation_map[city.wp][city.wy * WORLD_WIDTH + city.wx];
        word |= AI_EVAL_SITE;
        if (city.owner_idx != player_idx) Add_Strength(word, 1);
    }
    for (int i = 0; i < NUM_LAIRS; i++) {
        const Lair_Record &lair = _LAIRS[i];
        if (lair.Intact != 0 && On_Map(lair.wx, lair.wy, lair.wp)) {
            block->evaluation_map[lair.wp][lair.wy * WORLD_WIDTH + lair.wx] |= AI_EVAL_SITE;
        }
    }
    for (int i = 0; i < NUM_NODES; i++) {
        const Node_Record &node = _NODES[i];
        if (On_Map(node.wx, node.wy, node.wp))
            block->evaluation_map[node.wp][node.wy * WORLD_WIDTH + node.wx] |= AI_EVAL_SITE;
    }
    EMMDATAH_Map();
}

static int16_t Distance(int x1, int y1, int x2, int y2)
{
    return Delta_XY_With_Wrap((int16_t)x1, (int16_t)y1, (int16_t)x2, (int16_t)y2, WORLD_WIDTH);
}

static uint16_t Eval(const AI_Continent_Block *block, int wp, int wx, int wy)
{
    return block->evaluation_map[wp][wy * WORLD_WIDTH + wx];
}

// The square of the landmass's list with evaluation value 0 nearest to (x, y), plus a draw of 1 to
// 20 per square when jitter is set; the first wins ties. 0 when there is none.
static int16_t Nearest_Clear_Square(const AI_Continent_Block *block, const AI_Square_List &list, int wp, int landmass,
                                    int x, int y, int jitter, int16_t *out_x, int16_t *out_y)
{
    int32_t best = -1;
    for (int16_t n = list.heads[landmass], steps = 0; n >= 0 && n < AI_LIST_CAPACITY && steps < AI_LIST_CAPACITY;
         n = list.next[n], ++steps) {
        if (Eval(block, wp, list.wx[n], list.wy[n]) != 0) continue;
        int32_t score = Distance(x, y, list.wx[n], list.wy[n]);
        if (jitter) score += RANDOM(20);
        if (best < 0 || score < best) {
            best = score;
            *out_x = list.wx[n];
            *out_y = list.wy[n];
        }
    }
    return best >= 0;
}

void AI_Evaluate_Continents(int16_t player_idx)
{
    AI_Continent_Block *block = CONTXXX_Map();
    if (block == nullptr || player_idx < 0 || player_idx >= AI_CONT_WIZARDS) return;
    const int p = player_idx;
    int16_t triggered = 0;
    for (int wp = 0; wp < NUM_PLANES; wp++) {
        for (int m = 0; m < AI_CONT_LANDMASSES; m++) {
            if (_ai_continents.type[wp][p][m] == ait_No_Own_City &&
                Eval(block, wp, _ai_continents.wx[wp][p][m] % WORLD_WIDTH,
                     _ai_continents.wy[wp][p][m] % WORLD_HEIGHT) != 0) {
                triggered = 1;
            }
        }
    }
    if (triggered) AI_Set_Reevaluate_Continents_Countdown(p, 0);
    int16_t countdown = (int16_t)(AI_Reevaluate_Continents_Countdown(p) - 1);
    AI_Set_Reevaluate_Continents_Countdown(p, countdown);
    if (countdown > 0) {
        EMMDATAH_Map();
        return;
    }
    countdown = (int16_t)(RANDOM(10) + 25);
    countdown = (int16_t)(countdown + RANDOM(10));
    AI_Set_Reevaluate_Continents_Countdown(p, countdown);

    for (int16_t k = 0; k < _units; k++) {
        Unit_Record &unit = _UNITS[k];
        if (unit.owner_idx != player_idx || unit.type >= NUM_UNIT_TYPES) continue;
        if (_unit_type_table[unit.type].Construction != 0) continue;
        if (unit.dst_wx >= WORLD_WIDTH || unit.dst_wy >= WORLD_HEIGHT || unit.wp >= NUM_PLANES) continue;
        if (Eval(block, unit.wp, unit.dst_wx, unit.dst_wy) == 0) unit.Status = us_Ready;
    }

    int32_t sum_x[2][AI_CONT_LANDMASSES] = {};
    int32_t sum_y[2][AI_CONT_LANDMASSES] = {};
    int32_t own_cities[2][AI_CONT_LANDMASSES] = {};
    for (int16_t j = 0; j < _cities; j++) {
        const City_Record &city = _CITIES[j];
        if (city.owner_idx != player_idx || !On_Map(city.wx, city.wy, city.wp)) continue;
        const int m = Landmass_At(city.wx, city.wy, city.wp);
        if (m >= AI_CONT_LANDMASSES) continue;
        own_cities[city.wp][m]++;
        sum_x[city.wp][m] += city.wx;
        sum_y[city.wp][m] += city.wy;
    }
    int32_t own_strength[2][AI_CONT_LANDMASSES] = {};
    int32_t enemy_strength[2][AI_CONT_LANDMASSES] = {};
    for (int16_t k = 0; k < _units; k++) {
        const Unit_Record &unit = _UNITS[k];
        if (!On_Map(unit.wx, unit.wy, unit.wp) || unit.type >= NUM_UNIT_TYPES) continue;
        if (_unit_type_table[unit.type].Abilities & UA_CREATEOUTPOST) continue;
        const int m = Landmass_At(unit.wx, unit.wy, unit.wp);
        if (m >= AI_CONT_LANDMASSES) continue;
        int32_t &sum = unit.owner_idx == player_idx ? own_strength[unit.wp][m] : enemy_strength[unit.wp][m];
        sum = AI_Saturate(sum + _unit_type_table[unit.type].cost);
    }
    for (int wp = 0; wp < NUM_PLANES; wp++) {
        for (int m = 0; m < AI_CONT_LANDMASSES; m++) {
            const int32_t count = own_cities[wp][m];
            if (count > 0) {
                _ai_continents.wx[wp][p][m] = (uint8_t)(sum_x[wp][m] / count);
                _ai_continents.wy[wp][p][m] = (uint8_t)(sum_y[wp][m] / count);
            }
            if (count == 6 && enemy_strength[wp][m] == 0) {
                _ai_continents.type[wp][p][m] = ait_No_Target;
            } else if (count == 0) {
                _ai_continents.type[wp][p][m] = ait_No_Own_City;
            } else if (enemy_strength[wp][m] * 10 < own_strength[wp][m]) {
                _ai_continents.type[wp][p][m] = ait_Held;
            } else {
                _ai_continents.type[wp][p][m] = ait_Contested;
            }
        }
    }
    for (int16_t j = 0; j < _cities; j++) {
        const City_Record &city = _CITIES[j];
        const int16_t owner = city.owner_idx;
        if (owner < 0 || owner >= NEUTRAL_PLAYER_IDX || owner == player_idx) continue;
        if (_players[player_idx].Dipl_Treaty[owner] != 2 || !On_Map(city.wx, city.wy, city.wp)) continue;
        const int m = Landmass_At(city.wx, city.wy, city.wp);
        if (m < AI_CONT_LANDMASSES && _ai_continents.type[city.wp][p][m] == ait_No_Own_City) {
            _ai_continents.type[city.wp][p][m] = ait_Unusable;
        }
    }
    _ai_continents.type[0][p][0] = ait_Unusable;
    _ai_continents.type[1][p][0] = ait_Unusable;

    // Where the game reads a reference square it never set: the unset-value source, x first.
    const int16_t ref_x = Stack_Garbage_Range(0, WORLD_WIDTH - 1);
    const int16_t ref_y = Stack_Garbage_Range(0, WORLD_HEIGHT - 1);
    for (int wp = 0; wp < NUM_PLANES; wp++) {
        const AI_Square_List &land = block->land[wp];
        const AI_Square_List &dock = block->dock[wp];
        int32_t best = -1;
        int16_t best_m = 0, best_x = 0, best_y = 0;
        for (int m = 1; m < AI_CONT_LANDMASSES; m++) {
            if (_ai_continents.type[wp][p][m] != ait_No_Own_City || enemy_strength[wp][m] != 0) continue;
            for (int16_t n = land.heads[m], steps = 0; n >= 0 && n < AI_LIST_CAPACITY && steps < AI_LIST_CAPACITY;
                 n = land.next[n], ++steps) {
                if (Eval(block, wp, land.wx[n], land.wy[n]) != 0) continue;
                const int32_t score = Distance(ref_x, ref_y, land.wx[n], land.wy[n]) + RANDOM(20);
                if (best < 0 || score < best) {
                    best = score;
                    best_m = (int16_t)m;
                    best_x = land.wx[n];
                    best_y = land.wy[n];
                }
            }
        }
        if (best < 0 || triggered) {
            AI_Set_Landmass_Settler_Target(wp, p, 0);
        } else {
            AI_Set_Landmass_Settler_Target(wp, p, best_m);
            AI_Set_Landmass_Settler_Target_WX(wp, p, best_x);
            AI_Set_Landmass_Settler_Target_WY(wp, p, best_y);
        }

        for (int m = 1; m < AI_CONT_LANDMASSES; m++) {
            uint8_t &type = _ai_continents.type[wp][p][m];
            uint8_t &gx = _ai_continents.wx[wp][p][m];
            uint8_t &gy = _ai_continents.wy[wp][p][m];
            if (type != ait_Held && type != ait_Contested && type != ait_Unusable) continue;
            const int on_map = gx < WORLD_WIDTH && gy < WORLD_HEIGHT;
            if (on_map && Eval(block, wp, gx, gy) == 0 && Landmass_At(gx, gy, wp) == m) continue;
            int16_t x = 0, y = 0;
            if (Nearest_Clear_Square(block, land, wp, m, gx, gy, 0, &x, &y)) {
                gx = (uint8_t)x;
                gy = (uint8_t)y;
            } else {
                gx = 0;
                gy = 0;
                type = ait_Unusable;
            }
        }
        for (int m = 1; m < AI_CONT_LANDMASSES; m++) {
            uint8_t &type = _ai_continents.type[wp][p][m];
            if (type != ait_No_Own_City) continue;
            uint8_t &gx = _ai_continents.wx[wp][p][m];
            uint8_t &gy = _ai_continents.wy[wp][p][m];
            int16_t x = 0, y = 0;
            if (Nearest_Clear_Square(block, dock, wp, m, gx, gy, 1, &x, &y)) {
                gx = (uint8_t)x;
                gy = (uint8_t)y;
            } else {
                gx = 0;
                gy = 0;
                type = ait_Unusable;
            }
        }
        const int16_t war = AI_Landmass_War_Target(wp, p);
        if (war >= 1 && war < AI_CONT_LANDMASSES) {
            int32_t cx = 0, cy = 0, count = 0;
            for (int16_t n = dock.heads[war], steps = 0; n >= 0 && n < AI_LIST_CAPACITY && steps < AI_LIST_CAPACITY;
                 n = dock.next[n], ++steps) {
                cx += dock.wx[n];
                cy += dock.wy[n];
                count++;
            }
            if (count > 0) {
                cx /= count;
                cy /= count;
            }
            for (int m = 1; m < AI_CONT_LANDMASSES; m++) {
                if (_ai_continents.type[wp][p][m] != ait_Held) continue;
                int16_t x = 0, y = 0;
                if (Nearest_Clear_Square(block, dock, wp, m, cx, cy, 0, &x, &y)) {
                    _ai_continents.wx[wp][p][m] = (uint8_t)x;
                    _ai_continents.wy[wp][p][m] = (uint8_t)y;
                }
            }
        }
    }
    EMMDATAH_Map();
}

static int16_t Landmass_Cities_Of(int wp, int landmass, int16_t owner)
{
    int16_t count = 0;
    for (int16_t j = 0; j < _cities; j++) {
        const City_Record &city = _CITIES[j];
        if (city.owner_idx == owner && city.wp == wp && Landmass_At(city.wx, city.wy, city.wp) == landmass) count++;
    }
    return count;
}

static int16_t Keep_War_Target(int16_t player_idx, int wp, int16_t target, int16_t war_enemy)
{
    if (target < 1 || target >= AI_CONT_LANDMASSES) return 0;
    const uint8_t type = _ai_continents.type[wp][player_idx][target];
    if (type == ait_Expedition) return 0;
    if (type != ait_No_Own_City && type != ait_Unusable) return 1;
    if (war_enemy >= 0) return Landmass_Cities_Of(wp, target, war_enemy) > 0;
    for (int16_t owner = 0; owner < NUM_PLAYERS; owner++) {
        if (owner == player_idx || Landmass_Cities_Of(wp, target, owner) == 0) continue;
        if (owner == NEUTRAL_PLAYER_IDX || _players[player_idx].Hostility[owner] >= 2) return 1;
    }
    return 0;
}

void AI_Choose_War_Landmass(int16_t player_idx)
{
    AI_Continent_Block *block = CONTXXX_Map();
    if (block == nullptr || player_idx < 0 || player_idx >= AI_CONT_WIZARDS) return;
    const Player_Record &wizard = _players[player_idx];
    int16_t war_enemy = -1;
    for (int16_t k = 0; k < _num_players && k < NUM_PLAYERS; k++) {
        if (k == player_idx) continue;
        if (wizard.Dipl_Treaty[k] > 2 || _players[k].casting_spell_idx == 90) {
            war_enemy = k;
            break;
        }
    }
    for (int wp = 0; wp < NUM_PLANES; wp++) {
        if (Keep_War_Target(player_idx, wp, AI_Landmass_War_Target(wp, player_idx), war_enemy)) continue;
        int32_t count[AI_CONT_LANDMASSES] = {};
        for (int16_t j = 0; j < _cities; j++) {
            const City_Record &city = _CITIES[j];
            if (city.wp != wp || !On_Map(city.wx, city.wy, city.wp)) continue;
            const int m = Landmass_At(city.wx, city.wy, city.wp);
            if (m >= AI_CONT_LANDMASSES) continue;
            if (war_enemy >= 0 && city.owner_idx == war_enemy) count[m] += 10;
            if (city.owner_idx == NEUTRAL_PLAYER_IDX) count[m] += 1;
        }
        int32_t ref_x = 0, ref_y = 0, own = 0;
        for (int16_t j = 0; j < _cities; j++) {
            const City_Record &city = _CITIES[j];
            if (city.owner_idx != player_idx || city.wp != wp) continue;
            ref_x += city.wx;
            ref_y += city.wy;
            own++;
        }
        if (own > 0) {
            ref_x /= own;
            ref_y /= own;
        } else {
            ref_x = _FORTRESSES[player_idx].wx;
            ref_y = _FORTRESSES[player_idx].wy;
        }
        int32_t weights[AI_CONT_LANDMASSES] = {};
        int32_t total = 0;
        int16_t enemy_fortress_landmass = -1;
        if (war_enemy >= 0 && wizard.Hostility[war_enemy] == 4 && _FORTRESSES[war_enemy].wp == wp) {
            enemy_fortress_landmass = Landmass_At(_FORTRESSES[war_enemy].wx, _FORTRESSES[war_enemy].wy, wp);
        }
        const AI_Square_List &dock = block->dock[wp];
        for (int m = 1; m < AI_CONT_LANDMASSES; m++) {
            int32_t distance = 1000;
            for (int16_t n = dock.heads[m], steps = 0; n >= 0 && n < AI_LIST_CAPACITY && steps < AI_LIST_CAPACITY;
                 n = dock.next[n], ++steps) {
                if (Eval(block, wp, dock.wx[n], dock.wy[n]) != 0) continue;
                const int32_t d = Distance(ref_x, ref_y, dock.wx[n], dock.wy[n]);
                if (d < distance) distance = d;
            }
            if (distance == 0) distance = 1;
            int32_t weight = 0;
            if (count[m] > 0) {
                weight = war_enemy < 0 ? count[m] * 1000 / distance : (2000 - count[m] * 10) / distance;
                if (weight < 10) weight = 10;
            }
            if (m == enemy_fortress_landmass) weight += 1000;
            weights[m] = weight;
            total += weight;
        }
        if (total == 0) {
            int16_t fortress_landmass = -1;
            if (_FORTRESSES[player_idx].active == 0 && _FORTRESSES[player_idx].wp == wp) {
                fortress_landmass = Landmass_At(_FORTRESSES[player_idx].wx, _FORTRESSES[player_idx].wy, wp);
            }
            int32_t squares[AI_CONT_LANDMASSES] = {};
            for (int i = 0; i < WORLD_SIZE; i++) {
                const int m = _landmasses[wp * WORLD_SIZE + i];
                if (m < AI_CONT_LANDMASSES) squares[m]++;
            }
            for (int m = 0; m < AI_CONT_LANDMASSES; m++) {
                const uint8_t type = _ai_continents.type[wp][player_idx][m];
                weights[m] = 0;
                if (type == ait_Held || type == ait_No_Target || m == fortress_landmass) continue;
                weights[m] = squares[m] < 10 ? 0 : squares[m];
                total += weights[m];
            }
        }
        int16_t target = 0;
        if (total > 0) {
            uint16_t choice[AI_CONT_LANDMASSES];
            for (int m = 0; m < AI_CONT_LANDMASSES; m++)
                choice[m] = (uint16_t)(weights[m] > 32767 ? 32767 : weights[m]);
            target = Get_Weighted_Choice(choice, AI_CONT_LANDMASSES);
        }
        AI_Set_Landmass_War_Target(wp, player_idx, target);
    }
    EMMDATAH_Map();
}
