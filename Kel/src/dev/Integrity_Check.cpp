#include "dev/Integrity_Check.h"

#include "Allocate.h"
#include "STU_Log.h"
#include "shell/Map_Window.h"
#include "world/ALLOC.h"
#include "world/Unit_Stacks.h"

#define INTEGRITY_LOG(...)                                                                                             \
    STU_Log_Write_At(SEV_ERROR, LC_INTEGRITY, "Kel/src/Integrity_Check", __LINE__, __func__, __VA_ARGS__)

// 1 while a check is failing, so that a failure is logged once and its end once.
struct Integrity_Latches {
    int16_t map_plane;
    int16_t active_world;
    int16_t units;
    int16_t terrain;
};
static Integrity_Latches m_latch;

static const char *const CLEARED = "cleared -- ";

void Integrity_Reset_Latches(void) { m_latch = {}; }

// Stores the new state; 1 when it differs from the latched one, so a line is due.
static int Latch_Changed(int16_t *latch, int bad)
{
    int16_t state = bad ? 1 : 0;
    int changed = *latch != state;
    *latch = state;
    return changed;
}

int Integrity_Terrain_Square_Is_Valid(int16_t wx, int16_t wy, int16_t wp)
{
    if (wp < 0 || wp >= NUM_PLANES || wx < 0 || wx >= WORLD_WIDTH || wy < 0 || wy >= WORLD_HEIGHT ||
        _world_maps == nullptr) {
        return 0;
    }
    int16_t terrain = _world_maps[World_Square_Index(wx, wy, wp)];
    return terrain >= 0 && terrain <= INTEGRITY_MAX_TERRAIN;
}

static int Check_Pool_Guards(const char *name)
{
    Pool_Guard_Report reports[INTEGRITY_MAX_GUARD_REPORTS] = {};
    int damaged = Pool_Check_Guards(reports, INTEGRITY_MAX_GUARD_REPORTS);
    int listed = damaged < INTEGRITY_MAX_GUARD_REPORTS ? damaged : INTEGRITY_MAX_GUARD_REPORTS;
    for (int i = 0; i < listed; i++) {
        const Pool_Guard_Report &report = reports[i];
        if (report.guard == -1) {
            INTEGRITY_LOG("[INTEGRITY] %s: pool leading guard written (underrun off the first arena): first changed "
                          "byte at guard +%u, %u bytes changed",
                          name, report.first_changed_byte, (unsigned)report.changed_bytes);
        } else if (report.guard == -2) {
            INTEGRITY_LOG("[INTEGRITY] %s: pool trailing margin written (overrun off the last arena): first changed "
                          "byte at margin +%u, %u bytes changed",
                          name, report.first_changed_byte, (unsigned)report.changed_bytes);
        } else {
            INTEGRITY_LOG("[INTEGRITY] %s: pool arena #%d overran its end -- allocated at %s:%d, %u bytes at %p; "
                          "first changed byte %u past the end, %u guard bytes changed",
                          name, report.guard, report.source_file != nullptr ? report.source_file : "(unknown)",
                          report.source_line, report.arena_size, (void *)report.arena_start, report.first_changed_byte,
                          (unsigned)report.changed_bytes);
            if (report.label[0] != '\0') {
                INTEGRITY_LOG("[INTEGRITY] %s: pool arena #%d holds LBX \"%s\" entry %d", name, report.guard,
                              report.label, report.label_entry);
            }
        }
    }
    if (damaged > INTEGRITY_MAX_GUARD_REPORTS) {
        INTEGRITY_LOG("[INTEGRITY] %s: %d more damaged pool guards not listed", name,
                      damaged - INTEGRITY_MAX_GUARD_REPORTS);
    }
    if (damaged > 0) {
        Pool_Reset_Guards();
    }
    return damaged;
}

int Integrity_Checkpoint(const char *name)
{
    if (name == nullptr) {
        name = "(unnamed checkpoint)";
    }
    int failing = 0;

    int bad = _map_plane < 0 || _map_plane > 1;
    failing += bad;
    if (Latch_Changed(&m_latch.map_plane, bad)) {
        INTEGRITY_LOG("[INTEGRITY] %s: %s_map_plane = %d, expected 0..%d", name, bad ? "" : CLEARED, _map_plane, 1);
    }

    bad =
        _active_world_x < 0 || _active_world_x >= WORLD_WIDTH || _active_world_y < 0 || _active_world_y >= WORLD_HEIGHT;
    failing += bad;
    if (Latch_Changed(&m_latch.active_world, bad)) {
        INTEGRITY_LOG("[INTEGRITY] %s: %s_active_world = (%d,%d), expected (0..%d, 0..%d)", name, bad ? "" : CLEARED,
                      _active_world_x, _active_world_y, WORLD_WIDTH - 1, WORLD_HEIGHT - 1);
    }

    bad = _units < 0 || _units > UNIT_MAX_IN_USE;
    failing += bad;
    if (Latch_Changed(&m_latch.units, bad)) {
        INTEGRITY_LOG("[INTEGRITY] %s: %s_units = %d, expected 0..%d", name, bad ? "" : CLEARED, _units,
                      UNIT_MAX_IN_USE);
    }

    int count = 0;
    int first_x = 0, first_y = 0, first_p = 0, first_value = 0;
    // Every frame passes here: one branch-free pass over the map finds whether any square is
    // out of range, and only then are they counted.
    int out_of_range = 0;
    if (_world_maps != nullptr) {
        for (int i = 0; i < NUM_PLANES * WORLD_SIZE; i++)
            out_of_range |= (uint16_t)_world_maps[i] > (uint16_t)INTEGRITY_MAX_TERRAIN;
    }
    if (out_of_range) {
        for (int wp = 0; wp < NUM_PLANES; wp++) {
            for (int wy = 0; wy < WORLD_HEIGHT; wy++) {
                for (int wx = 0; wx < WORLD_WIDTH; wx++) {
                    int16_t terrain = _world_maps[World_Square_Index(wx, wy, wp)];
                    if (terrain < 0 || terrain > INTEGRITY_MAX_TERRAIN) {
                        if (count == 0) {
                            first_x = wx;
                            first_y = wy;
                            first_p = wp;
                            first_value = terrain;
                        }
                        count++;
                    }
                }
            }
        }
    }
    bad = count > 0;
    failing += bad;
    if (Latch_Changed(&m_latch.terrain, bad)) {
        INTEGRITY_LOG("[INTEGRITY] %s: %s_world_maps has %d squares with a terrain index outside 0..%d; first at "
                      "(%d,%d,%d) = %d",
                      name, bad ? "" : CLEARED, count, INTEGRITY_MAX_TERRAIN, first_x, first_y, first_p, first_value);
    }

    return failing + Check_Pool_Guards(name);
}

void Integrity_Report_Refused_Squares(const char *name, int16_t *latch, int count, int16_t wx, int16_t wy, int16_t wp)
{
    if (name == nullptr) {
        name = "(unnamed checkpoint)";
    }
    if (latch == nullptr || !Latch_Changed(latch, count > 0)) {
        return;
    }
    if (count > 0) {
        INTEGRITY_LOG("[INTEGRITY] %s: refused to draw %d squares with an invalid plane/square/terrain index (wp = %d; "
                      "first at (%d,%d)) -- drawn as unexplored instead of reading outside the map data",
                      name, count, wp, wx, wy);
    } else {
        INTEGRITY_LOG("[INTEGRITY] %s: cleared -- drawing every square again (wp = %d)", name, wp);
    }
}
