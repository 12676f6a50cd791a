#include "world/LOADSAVE.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "STU_File.h"
#include "STU_GRAF.h"
#include "STU_LE.h"
#include "STU_Log.h"
#include "world/Settings.h"
#include "world/Spell_Data_Record.h"

const char *g_load_save_gam_name_override = nullptr;

static char m_load_refusal[GRAF_PATH_MAX + 512];

// ---- byte order of the records ----
// Each record is described as runs of fields of one width, so that the image is composed with the
// little-endian helpers whatever the host's byte order.
struct Field_Run {
    uint8_t width;
    uint16_t count;
};

template <size_t N>
constexpr size_t Runs_Size(const Field_Run (&runs)[N])
{
    size_t total = 0;
    for (size_t i = 0; i < N; i++) {
        total += (size_t)runs[i].width * runs[i].count;
    }
    return total;
}

static constexpr Field_Run UNIT_RUNS[] = {{1, 14}, {2, 1}, {1, 4}, {2, 1}, {1, 2}, {4, 1}, {1, 4}};
static constexpr Field_Run CITY_RUNS[] = {{1, 24}, {2, 3}, {1, 64}, {2, 1}, {1, 18}};
static constexpr Field_Run ITEM_RUNS[] = {{1, 30}, {2, 1}, {1, 2}, {2, 1}, {1, 8}, {2, 1}, {4, 1}};
static constexpr Field_Run HERO_RUNS[] = {{2, 1}, {4, 1}, {1, 6}};
static constexpr Field_Run HERO_NAME_RUNS[] = {{1, 14}, {2, 1}};
static constexpr Field_Run NODE_RUNS[] = {{1, 48}};
static constexpr Field_Run SMALL_RUNS[] = {{1, 4}};
static constexpr Field_Run LAIR_RUNS[] = {{1, 10}, {2, 2}, {1, 4}, {2, 3}};
static constexpr Field_Run EVENTS_RUNS[] = {{2, EVENTS_RECORD_WORDS}};

#define PLAYER_RUNS_HEAD                                                                           \
    {1, 24}, {2, 2}, {1, 6}, {2, 4}, {1, 4}, {2, 11}, {1, 4}, {2, 1}, {1, 2}, {2, 12}, {1, 18},    \
        {2, 1}, {1, 14}, {2, 6}, {2, 1}, {1, 14}, {2, 6}, {2, 1}, {1, 14}, {2, 6}, {2, 1}, {1, 14}, \
        {2, 6}, {2, 1}, {1, 14}, {2, 6}, {2, 1}, {1, 14}, {2, 6}, {1, 2}, {2, 4}, {1, 6}, {2, 18},  \
        {1, 12}, {2, 6}, {1, 6}, {2, 6}, {1, 24}, {2, 6}, {1, 18}, {2, 6}, {1, 6}, {2, 6}, {2, 36}, \
        {1, 6}, {2, 6}, {1, 48}, {2, 2}, {4, 1}, {2, 1}
#define PLAYER_RUNS_TAIL {2, 7}, {1, 312}, {2, 11}, {1, 6}, {2, 4}, {1, 6}, {2, 2}

static constexpr Field_Run PLAYER_RUNS[] = {PLAYER_RUNS_HEAD, {1, 240}, PLAYER_RUNS_TAIL};
// The neutral record's spell-status bytes hold the computer players' arrays, two of them words.
static constexpr Field_Run NEUTRAL_PLAYER_RUNS[] = {PLAYER_RUNS_HEAD, {1, 24}, {2, 8}, {1, 184}, {2, 8},
                                                    PLAYER_RUNS_TAIL};

static_assert(Runs_Size(UNIT_RUNS) == sizeof(Unit_Record));
static_assert(Runs_Size(CITY_RUNS) == sizeof(City_Record));
static_assert(Runs_Size(ITEM_RUNS) == sizeof(Item_Record));
static_assert(Runs_Size(HERO_RUNS) == sizeof(Hero_Record));
static_assert(Runs_Size(HERO_NAME_RUNS) == sizeof(Hero_Name_Record));
static_assert(Runs_Size(NODE_RUNS) == sizeof(Node_Record));
static_assert(Runs_Size(SMALL_RUNS) == sizeof(Tower_Record) && sizeof(Tower_Record) == sizeof(Fortress_Record));
static_assert(Runs_Size(LAIR_RUNS) == sizeof(Lair_Record));
static_assert(Runs_Size(EVENTS_RUNS) == EVENTS_RECORD_SIZE);
static_assert(Runs_Size(PLAYER_RUNS) == sizeof(Player_Record));
static_assert(Runs_Size(NEUTRAL_PLAYER_RUNS) == sizeof(Player_Record));

// The blocks follow each other without gaps.
static_assert(SGO_NUM_PLAYERS == SGO_HEROES + NUM_PLAYERS * NUM_HERO_TYPES * (int)sizeof(Hero_Record));
static_assert(SGO_PLAYERS == SGO_NUM_PLAYERS + 8 * 2);
static_assert(SGO_WORLD_MAPS == SGO_PLAYERS + NUM_PLAYERS * (int)sizeof(Player_Record));
static_assert(SGO_GRID_LAND == SGO_WORLD_MAPS + NUM_PLANES * WORLD_SIZE * 2);
static_assert(SGO_GRID_SEA == SGO_GRID_LAND + CONNECTIVITY_GRID_SIZE);
static_assert(SGO_LANDMASSES == SGO_GRID_SEA + CONNECTIVITY_GRID_SIZE);
static_assert(SGO_NODES == SGO_LANDMASSES + NUM_PLANES * WORLD_SIZE);
static_assert(SGO_FORTRESSES == SGO_NODES + NUM_NODES * (int)sizeof(Node_Record));
static_assert(SGO_TOWERS == SGO_FORTRESSES + NUM_FORTRESSES * (int)sizeof(Fortress_Record));
static_assert(SGO_LAIRS == SGO_TOWERS + NUM_TOWERS * (int)sizeof(Tower_Record));
static_assert(SGO_ITEMS == SGO_LAIRS + NUM_LAIRS * (int)sizeof(Lair_Record));
static_assert(SGO_CITIES == SGO_ITEMS + NUM_ITEMS * (int)sizeof(Item_Record));
static_assert(SGO_UNITS == SGO_CITIES + NUM_CITIES * (int)sizeof(City_Record));
static_assert(SGO_TERRAIN_SPECIALS == SGO_UNITS + UNIT_SAVE_RECORDS * (int)sizeof(Unit_Record));
static_assert(SGO_SQUARE_EXPLORED == SGO_TERRAIN_SPECIALS + NUM_PLANES * WORLD_SIZE);
static_assert(SGO_MOVEMENT_MAPS == SGO_SQUARE_EXPLORED + NUM_PLANES * WORLD_SIZE);
static_assert(SGO_EVENTS == SGO_MOVEMENT_MAPS + MOVEMENT_COST_MAPS_SIZE);
static_assert(SGO_SQUARE_FLAGS == SGO_EVENTS + EVENTS_RECORD_SIZE);
static_assert(SGO_GRAND_VIZIER == SGO_SQUARE_FLAGS + NUM_PLANES * WORLD_SIZE);
static_assert(SGO_PREFAB_ITEMS == SGO_GRAND_VIZIER + 2);
static_assert(SGO_HERO_NAMES == SGO_PREFAB_ITEMS + NUM_PREFAB_ITEMS);
static_assert(SGO_HERO_NAMES == SAVE_GAM_SIZE_NO_HERO_NAMES);
static_assert(SAVE_GAM_SIZE == SGO_HERO_NAMES + NUM_HERO_TYPES * (int)sizeof(Hero_Name_Record));

template <size_t N>
static uint8_t *Put_Record(uint8_t *out, const void *record, const Field_Run (&runs)[N])
{
    const uint8_t *in = static_cast<const uint8_t *>(record);
    for (size_t r = 0; r < N; r++) {
        for (int i = 0; i < runs[r].count; i++) {
            if (runs[r].width == 1) {
                *out = *in;
            } else if (runs[r].width == 2) {
                uint16_t value;
                memcpy(&value, in, 2);
                LE_Put_U16(out, value);
            } else {
                uint32_t value;
                memcpy(&value, in, 4);
                LE_Put_U32(out, value);
            }
            in += runs[r].width;
            out += runs[r].width;
        }
    }
    return out;
}

template <size_t N>
static const uint8_t *Get_Record(const uint8_t *in, void *record, const Field_Run (&runs)[N])
{
    uint8_t *out = static_cast<uint8_t *>(record);
    for (size_t r = 0; r < N; r++) {
        for (int i = 0; i < runs[r].count; i++) {
            if (runs[r].width == 1) {
                *out = *in;
            } else if (runs[r].width == 2) {
                uint16_t value = LE_U16(in);
                memcpy(out, &value, 2);
            } else {
                uint32_t value = LE_U32(in);
                memcpy(out, &value, 4);
            }
            in += runs[r].width;
            out += runs[r].width;
        }
    }
    return in;
}

template <typename Record, size_t N>
static uint8_t *Put_Records(uint8_t *out, const Record *records, int count, const Field_Run (&runs)[N])
{
    for (int i = 0; i < count; i++) {
        out = Put_Record(out, &records[i], runs);
    }
    return out;
}

template <typename Record, size_t N>
static const uint8_t *Get_Records(const uint8_t *in, Record *records, int count, const Field_Run (&runs)[N])
{
    for (int i = 0; i < count; i++) {
        in = Get_Record(in, &records[i], runs);
    }
    return in;
}

static uint8_t *Put_Words(uint8_t *out, const int16_t *words, int count)
{
    for (int i = 0; i < count; i++, out += 2) {
        LE_Put_I16(out, words[i]);
    }
    return out;
}

static const uint8_t *Get_Words(const uint8_t *in, int16_t *words, int count)
{
    for (int i = 0; i < count; i++, in += 2) {
        words[i] = LE_I16(in);
    }
    return in;
}

static uint8_t *Put_Bytes(uint8_t *out, const uint8_t *bytes, int count)
{
    memcpy(out, bytes, (size_t)count);
    return out + count;
}

static const uint8_t *Get_Bytes(const uint8_t *in, uint8_t *bytes, int count)
{
    memcpy(bytes, in, (size_t)count);
    return in + count;
}

void Save_Game_Write_Image(uint8_t *image)
{
    uint8_t *out = image;
    for (int player_idx = 0; player_idx < NUM_PLAYERS; player_idx++) {
        out = Put_Records(out, _HEROES2[player_idx], NUM_HERO_TYPES, HERO_RUNS);
    }
    const int16_t counters[8] = {_num_players, _landsize, _magic, _difficulty, _cities, _units, _turn, _unit};
    out = Put_Words(out, counters, 8);
    for (int player_idx = 0; player_idx < NUM_PLAYERS; player_idx++) {
        if (player_idx == NEUTRAL_PLAYER_IDX) {
            out = Put_Record(out, &_players[player_idx], NEUTRAL_PLAYER_RUNS);
        } else {
            out = Put_Record(out, &_players[player_idx], PLAYER_RUNS);
        }
    }
    out = Put_Words(out, _world_maps, NUM_PLANES * WORLD_SIZE);
    out = Put_Bytes(out, connectivity_grid_land, CONNECTIVITY_GRID_SIZE);
    out = Put_Bytes(out, connectivity_grid_sea, CONNECTIVITY_GRID_SIZE);
    out = Put_Bytes(out, _landmasses, NUM_PLANES * WORLD_SIZE);
    out = Put_Records(out, _NODES, NUM_NODES, NODE_RUNS);
    out = Put_Records(out, _FORTRESSES, NUM_FORTRESSES, SMALL_RUNS);
    out = Put_Records(out, _TOWERS, NUM_TOWERS, SMALL_RUNS);
    out = Put_Records(out, _LAIRS, NUM_LAIRS, LAIR_RUNS);
    out = Put_Records(out, _ITEMS, NUM_ITEMS, ITEM_RUNS);
    out = Put_Records(out, _CITIES, NUM_CITIES, CITY_RUNS);
    out = Put_Records(out, _UNITS, UNIT_SAVE_RECORDS, UNIT_RUNS);
    out = Put_Bytes(out, _map_square_terrain_specials, NUM_PLANES * WORLD_SIZE);
    out = Put_Bytes(out, _square_explored, NUM_PLANES * WORLD_SIZE);
    out = Put_Bytes(out, movement_mode_cost_maps, MOVEMENT_COST_MAPS_SIZE);
    out = Put_Record(out, events_table, EVENTS_RUNS);
    out = Put_Bytes(out, _map_square_flags, NUM_PLANES * WORLD_SIZE);
    out = Put_Words(out, &grand_vizier, 1);
    out = Put_Bytes(out, _prefab_item_table, NUM_PREFAB_ITEMS);
    Put_Records(out, hero_names_table, NUM_HERO_TYPES, HERO_NAME_RUNS);
}

void Save_Game_Read_Image(const uint8_t *image, size_t size)
{
    const uint8_t *in = image;
    for (int player_idx = 0; player_idx < NUM_PLAYERS; player_idx++) {
        in = Get_Records(in, _HEROES2[player_idx], NUM_HERO_TYPES, HERO_RUNS);
    }
    int16_t counters[8];
    in = Get_Words(in, counters, 8);
    _num_players = counters[0];
    _landsize = counters[1];
    _magic = counters[2];
    _difficulty = counters[3];
    _cities = counters[4];
    _units = counters[5];
    _turn = counters[6];
    _unit = counters[7];
    for (int player_idx = 0; player_idx < NUM_PLAYERS; player_idx++) {
        if (player_idx == NEUTRAL_PLAYER_IDX) {
            in = Get_Record(in, &_players[player_idx], NEUTRAL_PLAYER_RUNS);
        } else {
            in = Get_Record(in, &_players[player_idx], PLAYER_RUNS);
        }
    }
    in = Get_Words(in, _world_maps, NUM_PLANES * WORLD_SIZE);
    in = Get_Bytes(in, connectivity_grid_land, CONNECTIVITY_GRID_SIZE);
    in = Get_Bytes(in, connectivity_grid_sea, CONNECTIVITY_GRID_SIZE);
    STU_LOG(SEV_INFO, LC_GENERAL, "[connectivity_grids] event=load  (after stu_fread for both tables)");
    in = Get_Bytes(in, _landmasses, NUM_PLANES * WORLD_SIZE);
    in = Get_Records(in, _NODES, NUM_NODES, NODE_RUNS);
    in = Get_Records(in, _FORTRESSES, NUM_FORTRESSES, SMALL_RUNS);
    in = Get_Records(in, _TOWERS, NUM_TOWERS, SMALL_RUNS);
    in = Get_Records(in, _LAIRS, NUM_LAIRS, LAIR_RUNS);
    in = Get_Records(in, _ITEMS, NUM_ITEMS, ITEM_RUNS);
    in = Get_Records(in, _CITIES, NUM_CITIES, CITY_RUNS);
    in = Get_Records(in, _UNITS, UNIT_SAVE_RECORDS, UNIT_RUNS);
    in = Get_Bytes(in, _map_square_terrain_specials, NUM_PLANES * WORLD_SIZE);
    in = Get_Bytes(in, _square_explored, NUM_PLANES * WORLD_SIZE);
    in = Get_Bytes(in, movement_mode_cost_maps, MOVEMENT_COST_MAPS_SIZE);
    in = Get_Record(in, events_table, EVENTS_RUNS);
    in = Get_Bytes(in, _map_square_flags, NUM_PLANES * WORLD_SIZE);
    in = Get_Words(in, &grand_vizier, 1);
    in = Get_Bytes(in, _prefab_item_table, NUM_PREFAB_ITEMS);
    if (size >= (size_t)SAVE_GAM_SIZE) {
        Get_Records(in, hero_names_table, NUM_HERO_TYPES, HERO_NAME_RUNS);
    } else {
        memset(hero_names_table, 0, NUM_HERO_TYPES * sizeof(Hero_Name_Record));
    }
}

// ---- checks ----
static int Refuse(char *why, int why_size, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    vsnprintf(why, (size_t)why_size, format, args);
    va_end(args);
    return 0;
}

static int Square_In_World(int wx, int wy, int wp) { return wx < WORLD_WIDTH && wy < WORLD_HEIGHT && wp < NUM_PLANES; }

static int Item_Index_Valid(int16_t item_idx) { return item_idx == -1 || (item_idx >= 0 && item_idx < NUM_ITEMS); }

static int Spell_Number_Valid(int16_t spell_idx) { return spell_idx >= 0 && spell_idx < NUM_SPELLS; }

int Save_Game_Check_Image(const uint8_t *image, size_t size, char *why, int why_size)
{
    if (size != (size_t)SAVE_GAM_SIZE && size != (size_t)SAVE_GAM_SIZE_NO_HERO_NAMES) {
        return Refuse(why, why_size, "the file has %zu bytes, expected %d (or %d without hero names)", size,
                      SAVE_GAM_SIZE, SAVE_GAM_SIZE_NO_HERO_NAMES);
    }
    int16_t num_players = LE_I16(image + SGO_NUM_PLAYERS);
    int16_t landsize = LE_I16(image + SGO_LANDSIZE);
    int16_t magic = LE_I16(image + SGO_MAGIC);
    int16_t difficulty = LE_I16(image + SGO_DIFFICULTY);
    int16_t cities = LE_I16(image + SGO_CITIES_COUNT);
    int16_t units = LE_I16(image + SGO_UNITS_COUNT);
    int16_t unit = LE_I16(image + SGO_UNIT);
    // The neutral player (index 5) is never one of the wizards: its spell bytes hold other arrays.
    if (num_players < 0 || num_players > NEUTRAL_PLAYER_IDX) {
        return Refuse(why, why_size, "_num_players = %d, expected 0..%d", num_players, NEUTRAL_PLAYER_IDX);
    }
    if (landsize < 0 || landsize > 2 || magic < 0 || magic > 2 || difficulty < 0 || difficulty > 4) {
        return Refuse(why, why_size, "_landsize/_magic/_difficulty = %d/%d/%d, expected 0..2/0..2/0..4", landsize,
                      magic, difficulty);
    }
    if (cities < 0 || cities > NUM_CITIES) {
        return Refuse(why, why_size, "_cities = %d, expected 0..%d", cities, NUM_CITIES);
    }
    if (units < 0 || units > UNIT_MAX_IN_USE) {
        return Refuse(why, why_size, "_units = %d, expected 0..%d", units, UNIT_MAX_IN_USE);
    }
    if (unit < -1 || unit >= UNIT_SAVE_RECORDS) {
        return Refuse(why, why_size, "_unit = %d, expected -1..%d", unit, UNIT_SAVE_RECORDS - 1);
    }

    for (int i = 0; i < units; i++) {
        const uint8_t *record = image + SGO_UNITS + i * (int)sizeof(Unit_Record);
        Unit_Record unit_record;
        Get_Record(record, &unit_record, UNIT_RUNS);
        if (unit_record.type >= NUM_UNIT_TYPES) {
            return Refuse(why, why_size, "unit %d has type %d, expected 0..%d", i, unit_record.type,
                          NUM_UNIT_TYPES - 1);
        }
        if (unit_record.owner_idx < 0 || unit_record.owner_idx >= NUM_PLAYERS) {
            continue;  // dead, removed at the next compaction
        }
        if (!Square_In_World(unit_record.wx, unit_record.wy, unit_record.wp)) {
            return Refuse(why, why_size, "unit %d stands at (%d,%d,%d), outside the world", i, unit_record.wx,
                          unit_record.wy, unit_record.wp);
        }
        if (unit_record.Hero_Slot < -1 || unit_record.Hero_Slot >= NUM_HERO_SLOTS) {
            return Refuse(why, why_size, "unit %d has hero slot %d, expected -1..%d", i, unit_record.Hero_Slot,
                          NUM_HERO_SLOTS - 1);
        }
    }

    for (int i = 0; i < cities; i++) {
        City_Record city;
        Get_Record(image + SGO_CITIES + i * (int)sizeof(City_Record), &city, CITY_RUNS);
        if (city.owner_idx < 0 || city.owner_idx >= NUM_PLAYERS || !Square_In_World(city.wx, city.wy, city.wp) ||
            city.race >= 14 || city.size > 5) {
            return Refuse(why, why_size, "city %d has owner %d, square (%d,%d,%d), race %d, size %d out of range", i,
                          city.owner_idx, city.wx, city.wy, city.wp, city.race, city.size);
        }
    }

    for (int player_idx = 0; player_idx < NUM_PLAYERS; player_idx++) {
        Player_Record player;
        const uint8_t *record = image + SGO_PLAYERS + player_idx * (int)sizeof(Player_Record);
        if (player_idx == NEUTRAL_PLAYER_IDX) {
            Get_Record(record, &player, NEUTRAL_PLAYER_RUNS);
        } else {
            Get_Record(record, &player, PLAYER_RUNS);
        }
        int wizard = player_idx < num_players;
        for (int slot = 0; slot < NUM_HERO_SLOTS; slot++) {
            const Hero_Slot_Record &hero = player.Heroes[slot];
            int limit = wizard ? units : UNIT_SAVE_RECORDS;
            if (hero.unit_idx < -1 || hero.unit_idx >= limit) {
                return Refuse(why, why_size, "player %d hero slot %d holds unit %d, expected -1..%d", player_idx, slot,
                              hero.unit_idx, limit - 1);
            }
            // An empty slot (-1) holds no hero whatever its other bytes say; its item places are
            // never read, so stale values there do not make the file unusable.
            for (int k = 0; hero.unit_idx != -1 && k < 3; k++) {
                if (!Item_Index_Valid(hero.Items[k])) {
                    return Refuse(why, why_size, "player %d hero slot %d holds item %d, expected -1..%d", player_idx,
                                  slot, hero.Items[k], NUM_ITEMS - 1);
                }
            }
        }
        for (int k = 0; k < 4; k++) {
            if (!Item_Index_Valid(player.Vault_Items[k])) {
                return Refuse(why, why_size, "player %d vault holds item %d, expected -1..%d", player_idx,
                              player.Vault_Items[k], NUM_ITEMS - 1);
            }
        }
        if (!wizard) {
            continue;
        }
        if (player.wizard_id >= 14 || player.banner_id > 5) {
            return Refuse(why, why_size, "player %d has portrait %d and banner %d, expected 0..13 and 0..5",
                          player_idx, player.wizard_id, player.banner_id);
        }
        int spells_ok = Spell_Number_Valid(player.casting_spell_idx) && Spell_Number_Valid(player.researching_spell_idx);
        for (int k = 0; k < 8; k++) {
            spells_ok = spells_ok && Spell_Number_Valid(player.research_spells[k]);
        }
        if (!spells_ok) {
            return Refuse(why, why_size, "player %d names a spell outside 0..%d", player_idx, NUM_SPELLS - 1);
        }
    }

    for (int i = 0; i < NUM_ITEMS; i++) {
        Item_Record item;
        Get_Record(image + SGO_ITEMS + i * (int)sizeof(Item_Record), &item, ITEM_RUNS);
        if (item.cost > 0 && item.Spell >= NUM_SPELLS) {
            return Refuse(why, why_size, "item %d carries spell %d, expected 0..%d", i, item.Spell, NUM_SPELLS - 1);
        }
    }
    for (int i = 0; i < NUM_NODES; i++) {
        Node_Record node;
        Get_Record(image + SGO_NODES + i * (int)sizeof(Node_Record), &node, NODE_RUNS);
        int ok = Square_In_World(node.wx, node.wy, node.wp) && node.power <= NODE_MAX_AURA &&
                 node.owner_idx >= -1 && node.owner_idx < NUM_PLAYERS;
        for (int k = 0; ok && k < node.power; k++) {
            ok = node.Aura_Xs[k] < WORLD_WIDTH && node.Aura_Ys[k] < WORLD_HEIGHT;
        }
        if (!ok) {
            return Refuse(why, why_size, "node %d has a square, owner or aura out of range", i);
        }
    }
    for (int i = 0; i < NUM_FORTRESSES; i++) {
        const uint8_t *fortress = image + SGO_FORTRESSES + i * 4;
        if (!Square_In_World(fortress[0], fortress[1], fortress[2])) {
            return Refuse(why, why_size, "fortress %d stands at (%d,%d,%d), outside the world", i, fortress[0],
                          fortress[1], fortress[2]);
        }
    }
    for (int i = 0; i < NUM_TOWERS; i++) {
        const uint8_t *tower = image + SGO_TOWERS + i * 4;
        int8_t owner = (int8_t)tower[2];
        if (!Square_In_World(tower[0], tower[1], 0) || owner < -1 || owner >= NUM_PLAYERS) {
            return Refuse(why, why_size, "tower %d has square (%d,%d) or owner %d out of range", i, tower[0], tower[1],
                          owner);
        }
    }
    for (int i = 0; i < NUM_LAIRS; i++) {
        Lair_Record lair;
        Get_Record(image + SGO_LAIRS + i * (int)sizeof(Lair_Record), &lair, LAIR_RUNS);
        if (!Square_In_World(lair.wx, lair.wy, lair.wp) || lair.type >= NUM_LAIR_TYPES ||
            lair.guard1_unit_type >= NUM_UNIT_TYPES || lair.guard2_unit_type >= NUM_UNIT_TYPES) {
            return Refuse(why, why_size, "lair %d has a square, type or guardian type out of range", i);
        }
    }
    return 1;
}

// ---- files ----
static void Save_Game_File_Name(int16_t slot, char *name, int size)
{
    if (slot == SAVE_GAM_SLOT_TEST) {
        snprintf(name, (size_t)size, "SAVETEST.GAM");
    } else {
        snprintf(name, (size_t)size, "SAVE%d.GAM", slot + 1);
    }
}

static LOADSAVE_Warn_Hook m_warn_hook = nullptr;

void LOADSAVE_Set_Warn_Hook(LOADSAVE_Warn_Hook hook) { m_warn_hook = hook; }

void LOADSAVE_Warn_Player(const char *text)
{
    if (m_warn_hook != nullptr) m_warn_hook(text);
}

static int World_Allocated(void) { return _UNITS != nullptr && _HEROES2[NUM_PLAYERS - 1] != nullptr; }

int16_t Save_SAVE_GAM(int16_t slot)
{
    char file_name[32];
    if (slot < SAVE_GAM_SLOT_TEST || slot > SAVE_GAM_SLOT_CONTINUE || !World_Allocated()) {
        STU_LOG(SEV_ERROR, LC_LOADSAVE, "Save_SAVE_GAM() called for slot %d; the game was not saved", slot);
        return 0;
    }
    Save_Game_File_Name(slot, file_name, (int)sizeof(file_name));
    char path[GRAF_PATH_MAX];
    STU_GRAF_User_Path(file_name, path, (int)sizeof(path));
    std::vector<uint8_t> image(SAVE_GAM_SIZE);
    Save_Game_Write_Image(image.data());
    if (!STU_Write_File_Atomic(path, image.data(), image.size())) {
        STU_LOG(SEV_ERROR, LC_LOADSAVE, "Save_SAVE_GAM() failed to open \"%s\" for writing; the game was not saved",
                path);
        LOADSAVE_Warn_Player("The game could not be saved. Your earlier saved game in this slot is unchanged.");
        return 0;
    }
    if (slot >= 0 && slot < GAME_SETTINGS_MARKED_SLOTS) {
        magic_set.words[GAME_SETTINGS_SLOT_MARK_WORD + slot] = 1;
        if (!Write_MAGIC_SET_User()) {
            STU_LOG(SEV_ERROR, LC_LOADSAVE,
                    "Save_SAVE_GAM() failed to open \"RAROZ.SET\" for writing; the settings were not saved");
        }
    }
    return 1;
}

const char *Load_SAVE_GAM_Refusal(void) { return m_load_refusal; }

static int16_t Refuse_Load(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    vsnprintf(m_load_refusal, sizeof(m_load_refusal), format, args);
    va_end(args);
    STU_LOG(SEV_ERROR, LC_LOADSAVE, "%s", m_load_refusal);
    return 0;
}

int16_t Load_SAVE_GAM(int16_t slot)
{
    m_load_refusal[0] = '\0';
    STU_LOG(SEV_INFO, LC_LOADSAVE, "Load_SAVE_GAM _unit BEFORE = %d", _unit);
    STU_LOG(SEV_INFO, LC_LOADSAVE, "[--load] USE Load_SAVE_GAM: save_gam_idx=%d  g_load_save_gam_name_override=%p \"%s\"",
            slot, (void *)g_load_save_gam_name_override,
            g_load_save_gam_name_override != nullptr ? g_load_save_gam_name_override : "(null)");
    char file_name[GRAF_PATH_MAX];
    if (g_load_save_gam_name_override != nullptr) {
        snprintf(file_name, sizeof(file_name), "%s", g_load_save_gam_name_override);
        g_load_save_gam_name_override = nullptr;
    } else {
        Save_Game_File_Name(slot, file_name, (int)sizeof(file_name));
    }
    STU_LOG(SEV_INFO, LC_LOADSAVE, "[--load] RESOLVED Load_SAVE_GAM: file_name=\"%s\"  save_gam_idx=%d  (override now %s)",
            file_name, slot, g_load_save_gam_name_override != nullptr ? "STILL SET" : "consumed/NULL");

    if (!World_Allocated()) {
        return Refuse_Load("Load_SAVE_GAM() refused \"%s\": the world is not allocated",
                 file_name);
    }
    std::vector<unsigned char> bytes;
    FILE *stream = STU_GRAF_Open_User(file_name, "rb");
    if (stream == nullptr) {
        return Refuse_Load("Load_SAVE_GAM() failed to open file \"%s\"", file_name);
    }
    int read_ok = STU_Read_Stream(stream, bytes);
    fclose(stream);
    if (!read_ok) {
        return Refuse_Load("Load_SAVE_GAM() failed to read file \"%s\"", file_name);
    }
    char why[256];
    if (!Save_Game_Check_Image(bytes.data(), bytes.size(), why, (int)sizeof(why))) {
        return Refuse_Load("Load_SAVE_GAM() refused \"%s\": %s", file_name, why);
    }
    Save_Game_Read_Image(bytes.data(), bytes.size());
    return 1;
}
