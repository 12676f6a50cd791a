#include "world/LOADSAVE.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "STU_File.h"
#include "STU_GRAF.h"
#include "STU_LE.h"
#include "STU_Log.h"
#include "world/Army_Services.h"
#include "world/Settings.h"
#include "world/Spell_Data_Record.h"
#include "world/World_Blocks.h"

const char *g_load_save_gam_name_override = nullptr;

static char m_load_refusal[GRAF_PATH_MAX + 512];

// ---- the image ----
// The blocks of the image are the world-block list, in its order and without gaps.
static_assert(World_Block_Offset(WB_NUM_PLAYERS) == SGO_NUM_PLAYERS);
static_assert(World_Block_Offset(WB_LANDSIZE) == SGO_LANDSIZE);
static_assert(World_Block_Offset(WB_MAGIC) == SGO_MAGIC);
static_assert(World_Block_Offset(WB_DIFFICULTY) == SGO_DIFFICULTY);
static_assert(World_Block_Offset(WB_CITIES_COUNT) == SGO_CITIES_COUNT);
static_assert(World_Block_Offset(WB_UNITS_COUNT) == SGO_UNITS_COUNT);
static_assert(World_Block_Offset(WB_TURN) == SGO_TURN);
static_assert(World_Block_Offset(WB_UNIT) == SGO_UNIT);
static_assert(World_Block_Offset(WB_PLAYERS) == SGO_PLAYERS);
static_assert(World_Block_Offset(WB_WORLD_MAPS) == SGO_WORLD_MAPS);
static_assert(World_Block_Offset(WB_GRID_LAND) == SGO_GRID_LAND);
static_assert(World_Block_Offset(WB_GRID_SEA) == SGO_GRID_SEA);
static_assert(World_Block_Offset(WB_LANDMASSES) == SGO_LANDMASSES);
static_assert(World_Block_Offset(WB_NODES) == SGO_NODES);
static_assert(World_Block_Offset(WB_FORTRESSES) == SGO_FORTRESSES);
static_assert(World_Block_Offset(WB_TOWERS) == SGO_TOWERS);
static_assert(World_Block_Offset(WB_LAIRS) == SGO_LAIRS);
static_assert(World_Block_Offset(WB_ITEMS) == SGO_ITEMS);
static_assert(World_Block_Offset(WB_CITIES) == SGO_CITIES);
static_assert(World_Block_Offset(WB_UNITS) == SGO_UNITS);
static_assert(World_Block_Offset(WB_TERRAIN_SPECIALS) == SGO_TERRAIN_SPECIALS);
static_assert(World_Block_Offset(WB_SQUARE_EXPLORED) == SGO_SQUARE_EXPLORED);
static_assert(World_Block_Offset(WB_MOVEMENT_MAPS) == SGO_MOVEMENT_MAPS);
static_assert(World_Block_Offset(WB_EVENTS) == SGO_EVENTS);
static_assert(World_Block_Offset(WB_SQUARE_FLAGS) == SGO_SQUARE_FLAGS);
static_assert(World_Block_Offset(WB_GRAND_VIZIER) == SGO_GRAND_VIZIER);
static_assert(World_Block_Offset(WB_PREFAB_ITEMS) == SGO_PREFAB_ITEMS);
static_assert(World_Block_Offset(WB_HERO_NAMES) == SGO_HERO_NAMES);
static_assert(SGO_HERO_NAMES == SAVE_GAM_SIZE_NO_HERO_NAMES);
static_assert(World_Block_Offset(NUM_WORLD_BLOCKS) == SAVE_GAM_SIZE);
// The hero names are the last block: the short form ends where they begin.
static_assert(WB_HERO_NAMES == NUM_WORLD_BLOCKS - 1);

void Save_Game_Write_Image(uint8_t *image)
{
    for (int id = 0; id < NUM_WORLD_BLOCKS; id++) {
        memcpy(image + World_Block_Offset(id), World_Block_Data((World_Block_Id)id), World_Block_Bytes(id));
    }
}

void Save_Game_Read_Image(const uint8_t *image, size_t size)
{
    for (int id = 0; id < NUM_WORLD_BLOCKS; id++) {
        if (id == WB_HERO_NAMES && size < (size_t)SAVE_GAM_SIZE) {
            World_Block_Fill(WB_HERO_NAMES, 0);
            continue;
        }
        memcpy(World_Block_Data((World_Block_Id)id), image + World_Block_Offset(id), World_Block_Bytes(id));
        if (id == WB_GRID_SEA) {
            STU_LOG(SEV_INFO, LC_GENERAL, "[connectivity_grids] event=load  (after stu_fread for both tables)");
        }
    }
}

// One record of a block of an image, copied out for checking (the image has no alignment).
template <typename Record> static Record Image_Record(const uint8_t *image, int32_t block_offset, int index)
{
    Record record;
    memcpy(&record, image + block_offset + (size_t)index * sizeof(Record), sizeof(Record));
    return record;
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

// The spell being researched is stored negated while the player has still to choose the next one
// (-214..-1); the end of turn can save a game in that state.
static int Research_Spell_Valid(int16_t spell_idx)
{
    return Spell_Number_Valid(spell_idx) || (spell_idx < 0 && spell_idx > -NUM_SPELLS);
}

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
    int16_t turn = LE_I16(image + SGO_TURN);
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
    if (turn < 0) {
        return Refuse(why, why_size, "_turn = %d, expected 0..32767", turn);
    }

    for (int i = 0; i < units; i++) {
        Unit_Record unit_record = Image_Record<Unit_Record>(image, SGO_UNITS, i);
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
        City_Record city = Image_Record<City_Record>(image, SGO_CITIES, i);
        if (city.owner_idx < 0 || city.owner_idx >= NUM_PLAYERS || !Square_In_World(city.wx, city.wy, city.wp) ||
            city.race >= 14 || city.size > 5) {
            return Refuse(why, why_size, "city %d has owner %d, square (%d,%d,%d), race %d, size %d out of range", i,
                          city.owner_idx, city.wx, city.wy, city.wp, city.race, city.size);
        }
    }

    for (int player_idx = 0; player_idx < NUM_PLAYERS; player_idx++) {
        Player_Record player = Image_Record<Player_Record>(image, SGO_PLAYERS, player_idx);
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
            return Refuse(why, why_size, "player %d has portrait %d and banner %d, expected 0..13 and 0..5", player_idx,
                          player.wizard_id, player.banner_id);
        }
        int spells_ok =
            Spell_Number_Valid(player.casting_spell_idx) && Research_Spell_Valid(player.researching_spell_idx);
        for (int k = 0; k < 8; k++) {
            spells_ok = spells_ok && Spell_Number_Valid(player.research_spells[k]);
        }
        if (!spells_ok) {
            return Refuse(why, why_size, "player %d names a spell outside 0..%d", player_idx, NUM_SPELLS - 1);
        }
    }

    for (int i = 0; i < NUM_ITEMS; i++) {
        Item_Record item = Image_Record<Item_Record>(image, SGO_ITEMS, i);
        if (item.cost > 0 && item.Spell >= NUM_SPELLS) {
            return Refuse(why, why_size, "item %d carries spell %d, expected 0..%d", i, item.Spell, NUM_SPELLS - 1);
        }
    }
    for (int i = 0; i < NUM_NODES; i++) {
        Node_Record node = Image_Record<Node_Record>(image, SGO_NODES, i);
        int ok = Square_In_World(node.wx, node.wy, node.wp) && node.power <= NODE_MAX_AURA && node.owner_idx >= -1 &&
                 node.owner_idx < NUM_PLAYERS;
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
        Lair_Record lair = Image_Record<Lair_Record>(image, SGO_LAIRS, i);
        if (!Square_In_World(lair.wx, lair.wy, lair.wp) || lair.type >= NUM_LAIR_TYPES ||
            lair.guard1_unit_type >= NUM_UNIT_TYPES || lair.guard2_unit_type >= NUM_UNIT_TYPES) {
            return Refuse(why, why_size, "lair %d has a square, type or guardian type out of range", i);
        }
    }
    return 1;
}

// Highest level of any unit (heroes; normal units stop lower).
constexpr int UNIT_LEVEL_MAX = 8;

int Save_Game_Repair_Image(uint8_t *image, size_t size)
{
    if (size < (size_t)SAVE_GAM_SIZE_NO_HERO_NAMES) return 0;
    int16_t units = LE_I16(image + SGO_UNITS_COUNT);
    if (units < 0 || units > UNIT_MAX_IN_USE) return 0;
    int repairs = 0;
    for (int i = 0; i < units; i++) {
        uint8_t *at = image + SGO_UNITS + (size_t)i * sizeof(Unit_Record);
        Unit_Record unit;
        memcpy(&unit, at, sizeof unit);
        if (unit.owner_idx < 0 || unit.owner_idx >= NUM_PLAYERS) continue;
        Unit_Record was = unit;
        // Lines and tables are indexed by these: a square off the map, or a level past the
        // tables, would lead the rules out of their arrays.
        if (unit.dst_wx >= WORLD_WIDTH || unit.dst_wy >= WORLD_HEIGHT) {
            STU_LOG(SEV_WARN, LC_LOADSAVE, "saved game: unit %d goes to (%d,%d), off the map; it stays at (%d,%d)", i,
                    unit.dst_wx, unit.dst_wy, unit.wx, unit.wy);
            unit.dst_wx = unit.wx;
            unit.dst_wy = unit.wy;
        }
        if (unit.Rd_Constr_Left < -1) {
            STU_LOG(SEV_WARN, LC_LOADSAVE, "saved game: unit %d has road turns %d; it builds no road", i,
                    unit.Rd_Constr_Left);
            unit.Rd_Constr_Left = -1;
        }
        if (unit.Rd_Constr_Left != -1 && (unit.Rd_From_X >= WORLD_WIDTH || unit.Rd_From_Y >= WORLD_HEIGHT)) {
            STU_LOG(
                SEV_WARN, LC_LOADSAVE,
                "saved game: unit %d builds a road from (%d,%d), off the map; the road starts at its square (%d,%d)", i,
                unit.Rd_From_X, unit.Rd_From_Y, unit.wx, unit.wy);
            unit.Rd_From_X = unit.wx;
            unit.Rd_From_Y = unit.wy;
        }
        if (unit.Level < 0 || unit.Level > UNIT_LEVEL_MAX) {
            int level = unit.Level < 0 ? 0 : UNIT_LEVEL_MAX;
            STU_LOG(SEV_WARN, LC_LOADSAVE, "saved game: unit %d has level %d, expected 0..%d; level %d is used", i,
                    unit.Level, UNIT_LEVEL_MAX, level);
            unit.Level = (int8_t)level;
        }
        if (memcmp(&unit, &was, sizeof unit) != 0) {
            memcpy(at, &unit, sizeof unit);
            repairs++;
        }
    }
    return repairs;
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

void LOADSAVE_Warn_Player(const char *text) { Army_Warn_Player(text); }

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
    char reason[256];
    if (STU_GRAF_User_File_State(file_name, reason, sizeof reason) == -1) {
        // A saved game that cannot be read is still the player's: it is never written over.
        STU_LOG(SEV_ERROR, LC_LOADSAVE, "Save_SAVE_GAM() did not write \"%s\": it exists but cannot be read (%s)", path,
                reason);
        LOADSAVE_Warn_Player("The game could not be saved. Your earlier saved game in this slot is unchanged.");
        return 0;
    }
    std::vector<uint8_t> image(SAVE_GAM_SIZE);
    Save_Game_Write_Image(image.data());
    if (!STU_Write_File_Atomic(path, image.data(), image.size())) {
        STU_LOG(SEV_ERROR, LC_LOADSAVE, "Save_SAVE_GAM() could not save to \"%s\" (%s); the game was not saved", path,
                STU_File_Last_Failure());
        LOADSAVE_Warn_Player("The game could not be saved. Your earlier saved game in this slot is unchanged.");
        return 0;
    }
    if (slot >= 0 && slot < GAME_SETTINGS_MARKED_SLOTS) {
        magic_set.words[GAME_SETTINGS_SLOT_MARK_WORD + slot] = 1;
        if (!Write_MAGIC_SET_User()) {
            STU_LOG(SEV_ERROR, LC_LOADSAVE,
                    "Save_SAVE_GAM() could not save \"RAROZ.SET\" (%s); the settings were not saved",
                    STU_File_Last_Failure()[0] != '\0' ? STU_File_Last_Failure() : "see above");
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
    STU_LOG(SEV_INFO, LC_LOADSAVE,
            "[--load] USE Load_SAVE_GAM: save_gam_idx=%d  g_load_save_gam_name_override=%p \"%s\"", slot,
            (void *)g_load_save_gam_name_override,
            g_load_save_gam_name_override != nullptr ? g_load_save_gam_name_override : "(null)");
    char file_name[GRAF_PATH_MAX];
    if (g_load_save_gam_name_override != nullptr) {
        snprintf(file_name, sizeof(file_name), "%s", g_load_save_gam_name_override);
        g_load_save_gam_name_override = nullptr;
    } else {
        Save_Game_File_Name(slot, file_name, (int)sizeof(file_name));
    }
    STU_LOG(SEV_INFO, LC_LOADSAVE,
            "[--load] RESOLVED Load_SAVE_GAM: file_name=\"%s\"  save_gam_idx=%d  (override now %s)", file_name, slot,
            g_load_save_gam_name_override != nullptr ? "STILL SET" : "consumed/NULL");

    if (!World_Allocated()) {
        return Refuse_Load("Load_SAVE_GAM() refused \"%s\": the world is not allocated", file_name);
    }
    std::vector<unsigned char> bytes;
    FILE *stream = STU_GRAF_Open_User(file_name, "rb");
    if (stream == nullptr) {
        return Refuse_Load("Load_SAVE_GAM() failed to open file \"%s\"", file_name);
    }
    // One byte past the largest saved game tells a file too large without reading all of it.
    int read_ok = STU_Read_Stream_At_Most(stream, bytes, (size_t)SAVE_GAM_SIZE + 1);
    fclose(stream);
    if (!read_ok) {
        return Refuse_Load("Load_SAVE_GAM() failed to read file \"%s\" (not a regular file, or a read error)",
                           file_name);
    }
    if (bytes.size() > (size_t)SAVE_GAM_SIZE) {
        return Refuse_Load("Load_SAVE_GAM() refused \"%s\": larger than %d bytes", file_name, SAVE_GAM_SIZE);
    }
    char why[256];
    if (!Save_Game_Check_Image(bytes.data(), bytes.size(), why, (int)sizeof(why))) {
        return Refuse_Load("Load_SAVE_GAM() refused \"%s\": %s", file_name, why);
    }
    int repaired = Save_Game_Repair_Image(bytes.data(), bytes.size());
    if (repaired > 0)
        STU_LOG(SEV_WARN, LC_LOADSAVE,
                "Load_SAVE_GAM() repaired %d unit(s) of \"%s\" (see above); the file is unchanged", repaired,
                file_name);
    Save_Game_Read_Image(bytes.data(), bytes.size());
    return 1;
}
