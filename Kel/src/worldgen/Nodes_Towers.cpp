#include "worldgen/Nodes_Towers.h"

#include "Geometry.h"
#include <initializer_list>

#include "STU_Log.h"
#include "random.h"
#include "world/ALLOC.h"
#include "worldgen/Landmasses.h"

namespace {

// Node sites, aura squares and tower sites are redrawn until they fit. The accepted regions are
// wide enough that this ends in practice; the caps only keep a pathological map (all water, nodes
// everywhere) from hanging the generator, and each fallback is logged.
constexpr int NODE_SITE_CAP = 100000;
constexpr int AURA_SQUARE_CAP = 10000;
constexpr int REBALANCE_CAP = 100000;
constexpr int TOWER_SITE_CAP = 200000;

// Column offsets then row offsets of the aura walk.
const int8_t m_aura_dx[4] = {0, -1, 0, 1};
const int8_t m_aura_dy[4] = {1, 0, -1, 0};

bool In(int value, int low, int high) { return value >= low && value <= high; }

int16_t Tile_At(int wx, int wy, int wp) { return _world_maps[World_Square_Index(wx, wy, wp)]; }

bool Aura_Square_Taken(const uint8_t *aura_xs, const uint8_t *aura_ys, int count, int wx, int wy)
{
    for (int k = 0; k < count; k++) {
        if (aura_xs[k] == wx && aura_ys[k] == wy) {
            return true;
        }
    }
    return false;
}

bool Aura_Square_Allowed(const uint8_t *aura_xs, const uint8_t *aura_ys, int count, int wx, int wy)
{
    return In(wx, 1, WORLD_WIDTH - 2) && In(wy, 1, WORLD_HEIGHT - 2) &&
           !Aura_Square_Taken(aura_xs, aura_ys, count, wx, wy);
}

// Draws node i's site and aura; after the cap only the bounds of the site still hold.
void Place_Node(int16_t i)
{
    Node_Record &node = _NODES[i];
    bool duravav = i < NODES_ON_DURAVAV;
    int16_t plane = duravav ? 0 : 1;
    int attempts = 0;
    bool warned = false;
    for (;;) {
        int wx = 0;
        int wy = 0;
        for (;;) {
            attempts++;
            bool relaxed = attempts > NODE_SITE_CAP;
            if (relaxed && !warned) {
                warned = true;
                STU_LOG(SEV_WARN, LC_GENERAL,
                        "Generate_Nodes: node %d found no site in %d draws; water, spacing and aura overlap no longer "
                        "count",
                        (int)i, NODE_SITE_CAP);
            }
            if (duravav) {
                wx = RANDOM(24) + (i % 5) * 12 - 1;
                wy = RANDOM(20) + (i / 5) * 10 - 1;
            } else {
                // Truncating division: nodes 16..19 land in the western columns after wrapping.
                wx = RANDOM(24) + ((i - 20) % 5) * 12 - 1;
                wy = RANDOM(40) + ((i - 20) / 5) * 20 - 1;
            }
            if (wx > WORLD_WIDTH - 1) wx -= WORLD_WIDTH;
            if (wy > WORLD_HEIGHT - 1) wy -= WORLD_HEIGHT;
            if (wx < 0) wx += WORLD_WIDTH;
            if (wy < 0) wy += WORLD_HEIGHT;
            if (!In(wx, 3, 56) || !In(wy, 2, 36)) {
                continue;
            }
            if (relaxed) {
                break;
            }
            if (Tile_At(wx, wy, plane) == TT_OCEAN && RANDOM(duravav ? 40 : 25) != 1) {
                continue;
            }
            bool crowded = false;
            for (int j = duravav ? 0 : NODES_ON_DURAVAV; j < i; j++) {
                if (Delta_XY_With_Wrap((int16_t)wx, (int16_t)wy, _NODES[j].wx, _NODES[j].wy, WORLD_WIDTH) < 3) {
                    crowded = true;
                    break;
                }
            }
            if (!crowded) {
                break;
            }
        }
        node.wx = (uint8_t)wx;
        node.wy = (uint8_t)wy;
        node.wp = (uint8_t)plane;
        node.flags = 0;
        node.owner_idx = -1;
        node.power = (uint8_t)(duravav ? RANDOM(6) + 4 : RANDOM(11) + 9);
        Make_Aura(node.power, node.Aura_Xs, node.Aura_Ys, (int16_t)wx, (int16_t)wy);
        if (attempts > NODE_SITE_CAP || Aura_Overlap(i) == 0) {
            break;
        }
    }
    Set_Node_Type(node.power, node.Aura_Xs, node.Aura_Ys, plane, &node.type);
}

}  // namespace

void Generate_Nodes(void)
{
    for (int16_t i = 0; i < NUM_NODES; i++) {
        Place_Node(i);
    }
}

void Make_Aura(int16_t power, uint8_t *aura_xs, uint8_t *aura_ys, int16_t wx, int16_t wy)
{
    if (power < 1) {
        return;
    }
    if (power > NODE_MAX_AURA) {
        power = NODE_MAX_AURA;
    }
    aura_xs[0] = (uint8_t)wx;
    aura_ys[0] = (uint8_t)wy;
    for (int k = 1; k < power; k++) {
        // The first eight squares stay next to the node; the rest reach two squares away.
        bool near = k < 9;
        int ax = 0;
        int ay = 0;
        int attempts = 0;
        for (;;) {
            int dx = m_aura_dx[RANDOM(4) - 1];
            int dy = m_aura_dy[RANDOM(4) - 1];
            if (!near) {
                dx *= RANDOM(2);
                dy *= RANDOM(2);
            }
            ax = wx + dx;
            ay = wy + dy;
            if (Aura_Square_Allowed(aura_xs, aura_ys, k, ax, ay)) {
                break;
            }
            if (++attempts >= AURA_SQUARE_CAP) {
                // Take the first free square of the block in reading order.
                int reach = near ? 1 : 2;
                bool found = false;
                for (int oy = -reach; oy <= reach && !found; oy++) {
                    for (int ox = -reach; ox <= reach && !found; ox++) {
                        if (Aura_Square_Allowed(aura_xs, aura_ys, k, wx + ox, wy + oy)) {
                            ax = wx + ox;
                            ay = wy + oy;
                            found = true;
                        }
                    }
                }
                STU_LOG(SEV_WARN, LC_GENERAL, "Make_Aura: aura square %d of the node at %d,%d drawn %d times; %s", k,
                        (int)wx, (int)wy, AURA_SQUARE_CAP, found ? "took the first free one" : "none free, repeats");
                break;
            }
        }
        aura_xs[k] = (uint8_t)ax;
        aura_ys[k] = (uint8_t)ay;
    }
}

int16_t Aura_Overlap(int16_t node_idx)
{
    const Node_Record &node = _NODES[node_idx];
    for (int k = 0; k < node.power && k < NODE_MAX_AURA; k++) {
        for (int j = 0; j < node_idx; j++) {
            const Node_Record &other = _NODES[j];
            int count = other.power < NODE_MAX_AURA ? other.power : NODE_MAX_AURA;
            if (Aura_Square_Taken(other.Aura_Xs, other.Aura_Ys, count, node.Aura_Xs[k], node.Aura_Ys[k])) {
                return 1;
            }
        }
    }
    return 0;
}

void Set_Node_Type(int16_t power, uint8_t *aura_xs, uint8_t *aura_ys, int16_t wp, uint8_t *realm)
{
    int c = RANDOM(25);
    int e = RANDOM(15);
    int f = RANDOM(15);
    int16_t tile = TT_NATURE_NODE;
    if (c < e && f < e) {
        *realm = 2;
        tile = TT_CHAOS_NODE;
    } else if (f < c) {
        *realm = 0;
        tile = TT_SORCERY_NODE;
    } else {
        *realm = 1;
    }
    _world_maps[World_Square_Index(aura_xs[0], aura_ys[0], wp)] = tile;
    Build_Landmass(wp, aura_xs[0], aura_ys[0]);
}

void Rebalance_Node_Types(int16_t plane)
{
    int counts[3] = {0, 0, 0};
    for (int i = 0; i < NUM_NODES; i++) {
        if (_NODES[i].wp == plane && _NODES[i].type < 3) {
            counts[_NODES[i].type]++;
        }
    }
    int sorcery_limit = (plane == 0) ? 9 : 4;
    int minimum = (plane == 0) ? 6 : 3;
    if (counts[0] <= sorcery_limit) {
        return;
    }
    // Chaos first, then nature.
    for (uint8_t realm : {(uint8_t)2, (uint8_t)1}) {
        int shortfall = minimum - counts[realm];
        int picks = 0;
        while (shortfall > 0) {
            int i = RANDOM(30) - 1;
            Node_Record &node = _NODES[i];
            if (node.wp == plane && node.type == 0) {
                node.type = realm;
                int16_t tile = (realm == 2) ? TT_CHAOS_NODE : TT_NATURE_NODE;
                _world_maps[World_Square_Index(node.wx, node.wy, plane)] = tile;
                Build_Landmass(plane, node.wx, node.wy);
                shortfall--;
            }
            if (++picks >= REBALANCE_CAP) {
                STU_LOG(SEV_WARN, LC_GENERAL, "Rebalance_Node_Types: plane %d still short of realm %d after %d picks",
                        (int)plane, (int)realm, REBALANCE_CAP);
                break;
            }
        }
    }
}

void Generate_Towers(void)
{
    int16_t spacing = TOWER_FIRST_SPACING;
    int attempts = 0;
    int total = 0;
    bool warned = false;
    int placed = 0;
    while (placed < NUM_TOWERS) {
        int16_t wx = (int16_t)(RANDOM(54) + 2);
        int16_t wy = (int16_t)(RANDOM(34) + 2);
        attempts++;
        if (attempts > 500) {
            attempts = 450;
            spacing--;
        }
        // The spacing of towers relaxes without a floor; the distance to nodes does not, so it
        // alone is given up after the cap.
        bool relaxed = ++total > TOWER_SITE_CAP;
        if (relaxed && !warned) {
            warned = true;
            STU_LOG(SEV_WARN, LC_GENERAL,
                    "Generate_Towers: %d draws for %d towers; the distance to nodes no longer counts", TOWER_SITE_CAP,
                    placed);
        }
        if (Tile_At(wx, wy, 0) == TT_OCEAN && Tile_At(wx, wy, 1) == TT_OCEAN && RANDOM(40) != 1) {
            continue;
        }
        bool rejected = false;
        for (int t = 0; t < placed && !rejected; t++) {
            rejected = Delta_XY_With_Wrap(wx, wy, _TOWERS[t].wx, _TOWERS[t].wy, WORLD_WIDTH) < spacing;
        }
        for (int n = 0; n < NUM_NODES && !rejected && !relaxed; n++) {
            rejected = Delta_XY_With_Wrap(wx, wy, _NODES[n].wx, _NODES[n].wy, WORLD_WIDTH) < 4;
        }
        if (rejected) {
            continue;
        }
        Tower_Record &tower = _TOWERS[placed];
        tower.wx = (uint8_t)wx;
        tower.wy = (uint8_t)wy;
        tower.owner_idx = -1;
        placed++;
        for (int16_t plane = 0; plane < NUM_PLANES; plane++) {
            Build_Landmass(plane, wx, wy);
            _world_maps[World_Square_Index(wx, wy, plane)] = TT_GRASSLAND;
        }
    }
}

int16_t Square_Has_Tower_NewGame(int16_t wx, int16_t wy)
{
    for (int t = 0; t < NUM_TOWERS; t++) {
        if (_TOWERS[t].wx == wx && _TOWERS[t].wy == wy) {
            return 1;
        }
    }
    return 0;
}

int16_t Square_Is_Node_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    for (int n = 0; n < NUM_NODES; n++) {
        if (_NODES[n].wx == wx && _NODES[n].wy == wy && _NODES[n].wp == wp) {
            return 1;
        }
    }
    return 0;
}
