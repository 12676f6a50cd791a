#include "world/Move_Path_Cache.h"

int16_t _ai_move_path_idx = -1;
int16_t dbg_ai_move_path_cache_hits;
int16_t dbg_ai_move_path_cache_misses;

namespace {

void Count(int16_t &counter)
{
    if (counter < INT16_MAX) {
        counter++;
    }
}

}  // namespace

int16_t AI_Move_Path_Lookup(int16_t from_x, int16_t from_y, int16_t to_x, int16_t to_y, int16_t plane)
{
    const AI_Move_Path_Record *entries = AI_Move_Path_Entries();
    _ai_move_path_idx = -1;
    for (int i = 0; i < AI_MOVE_PATH_ENTRIES && entries[i].from_x != -1; i++) {
        const AI_Move_Path_Record &e = entries[i];
        if (e.from_x == from_x && e.from_y == from_y && e.to_x == to_x && e.to_y == to_y && e.plane == plane) {
            _ai_move_path_idx = (int16_t)i;
        }
    }
    Count(_ai_move_path_idx >= 0 ? dbg_ai_move_path_cache_hits : dbg_ai_move_path_cache_misses);
    return _ai_move_path_idx;
}

void Cache_AI_Move_Path(int16_t player_idx, int16_t from_x, int16_t from_y, int16_t to_x, int16_t to_y, int16_t plane,
                        const uint8_t *path_x, const uint8_t *path_y, const uint8_t *path_cost)
{
    if (player_idx == 0) {
        return;
    }
    int a = -1;
    int b = -1;
    for (int i = 0; i < AI_MOVE_PATH_STEPS; i++) {
        if (a < 0 && path_x[i] == from_x && path_y[i] == from_y) {
            a = i;
        }
        if (b < 0 && path_x[i] == to_x && path_y[i] == to_y) {
            b = i;
        }
    }
    if (a < 0 || b < 0 || a >= b) {
        return;
    }
    AI_Move_Path_Record *entries = AI_Move_Path_Entries();
    int idx = _ai_move_path_idx;
    if (idx < 0 || idx >= AI_MOVE_PATH_ENTRIES) {
        idx = -1;
        for (int i = 0; i < AI_MOVE_PATH_ENTRIES; i++) {
            if (entries[i].from_x == -1) {
                idx = i;
                break;
            }
        }
        if (idx < 0) {
            return;
        }
    }
    for (int i = 0; i < AI_MOVE_PATH_ENTRIES; i++) {
        const AI_Move_Path_Record &e = entries[i];
        if (e.from_x != -1 && e.from_x == from_x && e.from_y == from_y && e.to_x == to_x && e.to_y == to_y) {
            return;
        }
    }
    AI_Move_Path_Record &e = entries[idx];
    e.from_x = from_x;
    e.from_y = from_y;
    e.to_x = to_x;
    e.to_y = to_y;
    e.plane = plane;
    e.count = (int16_t)(b - a);
    for (int i = 0; i < b - a; i++) {
        e.x[i] = path_x[a + 1 + i];
        e.y[i] = path_y[a + 1 + i];
        e.cost[i] = path_cost[a + 1 + i];
    }
    _ai_move_path_idx = (int16_t)idx;
}

void Invalidate_AI_Move_Path(void)
{
    if (_ai_move_path_idx >= 0 && _ai_move_path_idx < AI_MOVE_PATH_ENTRIES) {
        AI_Move_Path_Entries()[_ai_move_path_idx].from_x = -1;
    }
}

void Free_AI_Move_Path_Entries(void)
{
    AI_Move_Path_Record *entries = AI_Move_Path_Entries();
    for (int i = 0; i < AI_MOVE_PATH_ENTRIES_FREED; i++) {
        entries[i].from_x = -1;
    }
    _ai_move_path_idx = -1;
}
