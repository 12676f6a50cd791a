#include <sys/stat.h>

#include <unistd.h>

#include <fstream>

#include "Allocate.h"
#include "Log_Capture.h"
#include "STU_LE.h"
#include "Test_Requirements.h"
#include "World_Fixture.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

namespace {

uint32_t m_lcg = 12345;
uint8_t Next_Byte(void)
{
    m_lcg = m_lcg * 1103515245u + 12345u;
    return (uint8_t)(m_lcg >> 16);
}
void Fill(void *area, size_t size)
{
    uint8_t *bytes = static_cast<uint8_t *>(area);
    for (size_t i = 0; i < size; i++) {
        bytes[i] = Next_Byte();
    }
}

// A world whose every byte that the checks leave free is noise, and whose counters and indices are valid.
void Populate_World(void)
{
    for (int id = 0; id < NUM_WORLD_BLOCKS; id++) {
        Fill(World_Block_Data((World_Block_Id)id), World_Block_Bytes(id));
    }
    for (int p = 0; p < NUM_PLAYERS; p++) {
        _players[p].wizard_id = (uint8_t)p;
        _players[p].banner_id = (uint8_t)p;
        _players[p].casting_spell_idx = 0;
        _players[p].researching_spell_idx = 12;
        for (int k = 0; k < 8; k++) {
            _players[p].research_spells[k] = (int16_t)(k + 1);
        }
        for (int k = 0; k < NUM_HERO_SLOTS; k++) {
            _players[p].Heroes[k].unit_idx = -1;
            for (int i = 0; i < 3; i++) {
                _players[p].Heroes[k].Items[i] = (int16_t)(k == 0 ? i : -1);
            }
        }
        for (int i = 0; i < 4; i++) {
            _players[p].Vault_Items[i] = -1;
        }
    }
    _players[0].Heroes[2].unit_idx = 3;
    for (int i = 0; i < NUM_NODES; i++) {
        _NODES[i].wx = (uint8_t)(i + 3);
        _NODES[i].wy = (uint8_t)(i + 2);
        _NODES[i].wp = (uint8_t)(i >= 16);
        _NODES[i].owner_idx = -1;
        _NODES[i].power = 5;
        for (int k = 0; k < NODE_MAX_AURA; k++) {
            _NODES[i].Aura_Xs[k] = (uint8_t)(_NODES[i].Aura_Xs[k] % WORLD_WIDTH);
            _NODES[i].Aura_Ys[k] = (uint8_t)(_NODES[i].Aura_Ys[k] % WORLD_HEIGHT);
        }
    }
    for (int i = 0; i < NUM_FORTRESSES; i++) {
        _FORTRESSES[i] = Fortress_Record{(uint8_t)(10 + i), (uint8_t)(5 + i), (uint8_t)(i % 2), 1};
        _TOWERS[i] = Tower_Record{(uint8_t)(20 + i), (uint8_t)(10 + i), -1, 0};
    }
    for (int i = 0; i < NUM_LAIRS; i++) {
        _LAIRS[i].wx = (uint8_t)(i % WORLD_WIDTH);
        _LAIRS[i].wy = (uint8_t)(i % WORLD_HEIGHT);
        _LAIRS[i].wp = (uint8_t)(i % 2);
        _LAIRS[i].type = (uint8_t)(i % NUM_LAIR_TYPES);
        _LAIRS[i].guard1_unit_type = (uint8_t)(i + 50);
        _LAIRS[i].guard2_unit_type = 0;
    }
    for (int i = 0; i < NUM_ITEMS; i++) {
        _ITEMS[i].Spell = (uint8_t)(i % NUM_SPELLS);
    }
    _cities = 7;
    for (int i = 0; i < NUM_CITIES; i++) {
        _CITIES[i].owner_idx = (int8_t)(i % NUM_PLAYERS);
        _CITIES[i].wx = (uint8_t)(i % WORLD_WIDTH);
        _CITIES[i].wy = (uint8_t)(i % WORLD_HEIGHT);
        _CITIES[i].wp = (uint8_t)(i % 2);
        _CITIES[i].race = (uint8_t)(i % 14);
        _CITIES[i].size = (uint8_t)(i % 6);
    }
    _units = 40;
    for (int i = 0; i < UNIT_SAVE_RECORDS; i++) {
        _UNITS[i].type = (uint8_t)(i % NUM_UNIT_TYPES);
        _UNITS[i].owner_idx = (int8_t)(i % 7 == 6 ? -1 : i % 6);
        _UNITS[i].wx = (uint8_t)(i % WORLD_WIDTH);
        _UNITS[i].wy = (uint8_t)(i % WORLD_HEIGHT);
        _UNITS[i].wp = (uint8_t)(i % 2);
        _UNITS[i].Hero_Slot = -1;
        _UNITS[i].dst_wx = (uint8_t)((i + 7) % WORLD_WIDTH);
        _UNITS[i].dst_wy = (uint8_t)((i + 3) % WORLD_HEIGHT);
        _UNITS[i].Level = (int8_t)(i % 9);
        _UNITS[i].Rd_Constr_Left = (int8_t)(i % 5 - 1);
        _UNITS[i].Rd_From_X = (uint8_t)((i + 1) % WORLD_WIDTH);
        _UNITS[i].Rd_From_Y = (uint8_t)((i + 2) % WORLD_HEIGHT);
    }
    _num_players = 4;
    _landsize = 1;
    _magic = 2;
    _difficulty = 3;
    _turn = 123;
    _unit = 17;
    grand_vizier = 1;
}

std::vector<uint8_t> Read_All(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Write_All(const std::string &path, const std::vector<uint8_t> &bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), (std::streamsize)bytes.size());
}

}  // namespace

TEST_F(World_Test, AllocationFillsTheWorldBlockAndSharesTheNeutralRecord)
{
    EXPECT_EQ(Get_Free_Blocks(World_Data), 0);
    EXPECT_EQ((void *)p_world_map, (void *)_world_maps);
    _ai_landmass_settler_targets[1][0] = 0x5A;
    EXPECT_EQ(reinterpret_cast<uint8_t *>(&_players[NEUTRAL_PLAYER_IDX])[752], 0x5A);
    // Typed access stops at each array's end instead of running into the next one.
    AI_Set_Landmass_War_Target(0, AI_WAR_TARGETS_LEN, 0x77);
    EXPECT_EQ(_ai_landmass_war_targets[1][0], 0);
    AI_Set_Reevaluate_Summoning_Circle_Countdown(3, 1234);
    EXPECT_EQ(LE_I16(reinterpret_cast<uint8_t *>(&_players[NEUTRAL_PLAYER_IDX]) + 836 + 6), 1234);
    // The neutral record's spell bytes are never reached as a wizard's spells.
    Player_Set_Spell_Status(NEUTRAL_PLAYER_IDX, spl_Spell_Of_Mastery, SS_KNOWN);
    EXPECT_EQ(_players[NEUTRAL_PLAYER_IDX].spells_list[spl_Spell_Of_Mastery - 1], 0);
}

// Each block of the list is its own memory and lands at its own place in the image: a block
// pointing at the wrong table, or two blocks sharing memory, shows here.
TEST_F(World_Test, EveryWorldBlockOwnsItsMemoryAndItsPlaceInTheImage)
{
    for (int id = 0; id < NUM_WORLD_BLOCKS; id++) {
        World_Block_Fill((World_Block_Id)id, (uint8_t)(id + 1));
    }
    std::vector<uint8_t> image = World_Image();
    for (int id = 0; id < NUM_WORLD_BLOCKS; id++) {
        size_t offset = World_Block_Offset(id);
        for (size_t i = 0; i < World_Block_Bytes(id); i++) {
            ASSERT_EQ(image[offset + i], id + 1) << WORLD_BLOCK_LAYOUTS[id].name << " byte " << i;
        }
    }
    EXPECT_EQ(_turn, (WB_TURN + 1) * 0x0101) << "the counters are the program's variables themselves";
    EXPECT_EQ(reinterpret_cast<uint8_t *>(_HEROES2[5])[0], WB_HEROES_5 + 1);
}

TEST_F(World_Test, ImageRoundTripIsByteIdenticalAndKeepsTheFixedOrder)
{
    Populate_World();
    std::vector<uint8_t> first = World_Image();
    char why[256];
    ASSERT_TRUE(Save_Game_Check_Image(first.data(), first.size(), why, sizeof(why))) << why;
    const int16_t counters[8] = {4, 1, 2, 3, 7, 40, 123, 17};
    for (int i = 0; i < 8; i++) {
        EXPECT_EQ(LE_I16(first.data() + SGO_NUM_PLAYERS + 2 * i), counters[i]);
    }
    EXPECT_EQ(memcmp(first.data() + SGO_PLAYERS, &_players[0], sizeof(Player_Record)), 0);
    EXPECT_EQ(memcmp(first.data() + SGO_UNITS, &_UNITS[0], sizeof(Unit_Record)), 0);
    EXPECT_EQ(memcmp(first.data() + SGO_HERO_NAMES, hero_names_table, 16), 0);

    World_Clear();
    Save_Game_Read_Image(first.data(), first.size());
    EXPECT_EQ(World_Image(), first);
}

TEST_F(World_Test, SaveToSlotThreeMarksTheSlotAndSaveNineLeavesSettingsAlone)
{
    Populate_World();
    ASSERT_EQ(Save_SAVE_GAM(3), 1);
    std::vector<uint8_t> saved = Read_All(User_Path("SAVE4.GAM"));
    EXPECT_EQ(saved.size(), (size_t)SAVE_GAM_SIZE);
    EXPECT_EQ(saved, World_Image());
    std::vector<uint8_t> settings = Read_All(User_Path("RAROZ.SET"));
    ASSERT_EQ(settings.size(), (size_t)GAME_SETTINGS_SIZE);
    EXPECT_EQ(settings[54], 1);
    EXPECT_EQ(settings[55], 0);

    unlink(User_Path("RAROZ.SET").c_str());
    ASSERT_EQ(Save_SAVE_GAM(8), 1);
    EXPECT_EQ(Read_All(User_Path("SAVE9.GAM")).size(), (size_t)SAVE_GAM_SIZE);
    struct stat info;
    EXPECT_NE(stat(User_Path("RAROZ.SET").c_str(), &info), 0);

    World_Clear();
    ASSERT_EQ(Load_SAVE_GAM(3), 1);
    EXPECT_EQ(World_Image(), saved);
}

TEST_F(World_Test, FailedSaveReportsAndLeavesTheOldFileAlone)
{
    std::vector<uint8_t> old_bytes(SAVE_GAM_SIZE, 0xAB);
    Write_All(User_Path("SAVE2.GAM"), old_bytes);
    // A folder in the way of the temporary file makes the write fail.
    mkdir(User_Path("SAVE2.GAM.tmp").c_str(), 0755);
    mkdir(User_Path("SAVE2.GAM.tmp/x").c_str(), 0755);
    EXPECT_EQ(Save_SAVE_GAM(1), 0);
    EXPECT_EQ(Read_All(User_Path("SAVE2.GAM")), old_bytes);
    EXPECT_EQ(magic_set.words[GS_SLOT_MARK_FIRST + 1], 0);
}

// A full disk shows in the write or the flush, not in the opening: the log says which step failed.
TEST_F(World_Test, FullDiskIsLoggedAsTheWriteThatFailed)
{
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
    Populate_World();
    std::vector<uint8_t> old_bytes(SAVE_GAM_SIZE, 0xAB);
    Write_All(User_Path("SAVE2.GAM"), old_bytes);
    // The temporary file is a link to a device that is always full.
    ASSERT_EQ(symlink("/dev/full", User_Path("SAVE2.GAM.tmp").c_str()), 0);
    Log_Capture log;
    EXPECT_EQ(Save_SAVE_GAM(1), 0);
    std::string text = log.Finish();
    EXPECT_EQ(Read_All(User_Path("SAVE2.GAM")), old_bytes);
    EXPECT_EQ(text.find("failed to open"), std::string::npos) << text;
    std::string step = "writing \"" + User_Path("SAVE2.GAM.tmp") + "\" failed: No space left on device";
    EXPECT_NE(text.find("Save_SAVE_GAM() could not save to \"" + User_Path("SAVE2.GAM") + "\" (" + step + ")"),
              std::string::npos)
        << text;
}

// A saved game that exists but cannot be read is never written over (here a link to itself,
// which no process can open).
TEST_F(World_Test, UnreadableSavedGameIsNotWrittenOver)
{
    Populate_World();
    ASSERT_EQ(symlink("SAVE4.GAM", User_Path("SAVE4.GAM").c_str()), 0);
    Log_Capture log;
    EXPECT_EQ(Save_SAVE_GAM(3), 0);
    std::string text = log.Finish();
    char target[64] = "";
    ASSERT_GT(readlink(User_Path("SAVE4.GAM").c_str(), target, sizeof target - 1), 0);
    EXPECT_STREQ(target, "SAVE4.GAM");
    EXPECT_NE(
        text.find("Save_SAVE_GAM() did not write \"" + User_Path("SAVE4.GAM") + "\": it exists but cannot be read"),
        std::string::npos)
        << text;
}

// A saved game written while the player still has to choose his next research (the end-of-turn
// audience that hands him the spell he was researching) stores the research spell negated.
TEST_F(World_Test, PendingResearchChoiceLoads)
{
    Populate_World();
    for (int16_t research : {-1, -214, 0, 214}) {
        _players[0].researching_spell_idx = research;
        ASSERT_EQ(Save_SAVE_GAM(3), 1);
        _players[0].researching_spell_idx = 5;
        EXPECT_EQ(Load_SAVE_GAM(3), 1) << research << ": " << Load_SAVE_GAM_Refusal();
        EXPECT_EQ(_players[0].researching_spell_idx, research);
    }
    for (int16_t research : {-215, 215, -32768}) {
        _players[0].researching_spell_idx = research;
        ASSERT_EQ(Save_SAVE_GAM(3), 1);
        EXPECT_EQ(Load_SAVE_GAM(3), 0) << research;
        EXPECT_NE(strstr(Load_SAVE_GAM_Refusal(), "names a spell outside"), nullptr) << Load_SAVE_GAM_Refusal();
    }
}

// Unit fields that lines and tables are indexed by are repaired on loading, each said at WARN;
// the file itself is left as it is.
TEST_F(World_Test, UnitFieldsOffTheMapAreRepairedOnLoading)
{
    Populate_World();
    Unit_Record &road = _UNITS[1];
    road.owner_idx = 0;
    road.wx = 20, road.wy = 10;
    road.Rd_Constr_Left = 2;
    road.Rd_From_X = 255, road.Rd_From_Y = 255;
    Unit_Record &lost = _UNITS[2];
    lost.owner_idx = 1;
    lost.wx = 30, lost.wy = 12;
    lost.dst_wx = 200, lost.dst_wy = 7;
    lost.Level = 100;
    lost.Rd_Constr_Left = -7;
    Unit_Record &dead = _UNITS[6];  // a dead unit is left for the next compaction
    dead.owner_idx = -1;
    dead.dst_wx = 255;
    ASSERT_EQ(Save_SAVE_GAM(3), 1);
    std::vector<uint8_t> file = Read_All(User_Path("SAVE4.GAM"));
    World_Clear();
    Log_Capture log;
    ASSERT_EQ(Load_SAVE_GAM(3), 1) << Load_SAVE_GAM_Refusal();
    std::string text = log.Finish();
    EXPECT_EQ(Read_All(User_Path("SAVE4.GAM")), file);
    EXPECT_EQ(_UNITS[1].Rd_From_X, 20);
    EXPECT_EQ(_UNITS[1].Rd_From_Y, 10);
    EXPECT_EQ(_UNITS[1].Rd_Constr_Left, 2);
    EXPECT_EQ(_UNITS[2].dst_wx, 30);
    EXPECT_EQ(_UNITS[2].dst_wy, 12);
    EXPECT_EQ(_UNITS[2].Level, 8);
    EXPECT_EQ(_UNITS[2].Rd_Constr_Left, -1);
    EXPECT_EQ(_UNITS[6].dst_wx, 255);
    for (const char *line :
         {"saved game: unit 1 builds a road from (255,255), off the map; the road starts at its square (20,10)",
          "saved game: unit 2 goes to (200,7), off the map; it stays at (30,12)",
          "saved game: unit 2 has road turns -7; it builds no road",
          "saved game: unit 2 has level 100, expected 0..8; level 8 is used",
          "Load_SAVE_GAM() repaired 2 unit(s) of \"SAVE4.GAM\""}) {
        size_t at = text.find(line);
        ASSERT_NE(at, std::string::npos) << line << "\n" << text;
        size_t line_start = text.rfind('\n', at);
        EXPECT_NE(text.substr(line_start + 1, at - line_start).find("[WARN ]"), std::string::npos) << line;
    }
}

struct Damage_Case {
    const char *name;
    size_t size;
    int32_t offset;  // -1: none
    int16_t value;
    const char *reason;
};

TEST_F(World_Test, DamagedSavesAreRefusedAndTheLiveWorldStays)
{
    const Damage_Case cases[] = {
        {"1,000 bytes", 1000, -1, 0, "has 1000 bytes"},
        {"one byte short", SAVE_GAM_SIZE - 1, -1, 0, "has 123299 bytes"},
        {"_units 5000", SAVE_GAM_SIZE, SGO_UNITS_COUNT, 5000, "_units = 5000"},
        {"_cities 300", SAVE_GAM_SIZE, SGO_CITIES_COUNT, 300, "_cities = 300"},
        {"_num_players 6", SAVE_GAM_SIZE, SGO_NUM_PLAYERS, 6, "_num_players = 6"},
        {"unit type 250", SAVE_GAM_SIZE, SGO_UNITS + 5, 250, "unit 0 has type 250"},
        {"hero item 500", SAVE_GAM_SIZE, SGO_PLAYERS + 118 + 2 * 28 + 16, 500, "holds item 500"},
        {"hero slot unit beyond _units", SAVE_GAM_SIZE, SGO_PLAYERS + 118, 900, "holds unit 900"},
        {"_turn -32768", SAVE_GAM_SIZE, SGO_TURN, -32768, "_turn = -32768"},
        {"one byte long", SAVE_GAM_SIZE + 1, -1, 0, "larger than 123300 bytes"},
    };
    Populate_World();
    std::vector<uint8_t> good = World_Image();
    World_Clear();
    _turn = 77;
    std::vector<uint8_t> live = World_Image();
    for (const Damage_Case &c : cases) {
        std::vector<uint8_t> bad(good.begin(), good.begin() + (long)std::min(c.size, good.size()));
        bad.resize(c.size, 0);
        if (c.offset == SGO_UNITS + 5) {
            bad[(size_t)c.offset] = (uint8_t)c.value;
        } else if (c.offset >= 0) {
            LE_Put_I16(bad.data() + c.offset, c.value);
        }
        Write_All(User_Path("SAVE5.GAM"), bad);
        EXPECT_EQ(Load_SAVE_GAM(4), 0) << c.name;
        EXPECT_NE(strstr(Load_SAVE_GAM_Refusal(), c.reason), nullptr) << c.name << ": " << Load_SAVE_GAM_Refusal();
        EXPECT_EQ(World_Image(), live) << c.name;
    }
    EXPECT_EQ(Load_SAVE_GAM(6), 0);  // no such file
    EXPECT_EQ(World_Image(), live);
}

TEST_F(World_Test, ShortFormLoadsWithEmptyHeroNames)
{
    Populate_World();
    std::vector<uint8_t> image = World_Image();
    image.resize(SAVE_GAM_SIZE_NO_HERO_NAMES);
    Write_All(User_Path("SAVETEST.GAM"), image);
    World_Clear();
    memset(hero_names_table, 0x41, NUM_HERO_TYPES * sizeof(Hero_Name_Record));
    ASSERT_EQ(Load_SAVE_GAM(SAVE_GAM_SLOT_TEST), 1);
    std::vector<uint8_t> loaded = World_Image();
    EXPECT_TRUE(std::equal(image.begin(), image.end(), loaded.begin()));
    for (int i = SGO_HERO_NAMES; i < SAVE_GAM_SIZE; i++) {
        ASSERT_EQ(loaded[(size_t)i], 0) << i;
    }
}

TEST_F(World_Test, LoadNameOverrideIsUsedOnce)
{
    Populate_World();
    ASSERT_EQ(Save_SAVE_GAM(0), 1);
    _turn = 5;
    ASSERT_EQ(Save_SAVE_GAM(8), 1);
    std::string path = User_Path("SAVE1.GAM");
    g_load_save_gam_name_override = path.c_str();
    ASSERT_EQ(Load_SAVE_GAM(8), 1);
    EXPECT_EQ(_turn, 123);
    EXPECT_EQ(g_load_save_gam_name_override, nullptr);
    ASSERT_EQ(Load_SAVE_GAM(8), 1);
    EXPECT_EQ(_turn, 5);
}

TEST_F(World_Test, StandInSavedGamesSurviveLoadAndSave)
{
    for (const char *name : {"SAVE1.GAM", "SAVE9.GAM"}) {
        std::string source = std::string(TOLVA_BINARY_DIR "/standin/") + name;
        std::vector<uint8_t> original = Read_All(source);
        if (original.empty()) {
            TOLVA_SKIP_OR_FAIL("stand-in installation not built: " << source);
        }
        ASSERT_EQ(original.size(), (size_t)SAVE_GAM_SIZE);
        g_load_save_gam_name_override = source.c_str();
        ASSERT_EQ(Load_SAVE_GAM(8), 1) << Load_SAVE_GAM_Refusal();
        ASSERT_EQ(Save_SAVE_GAM(2), 1);
        EXPECT_EQ(Read_All(User_Path("SAVE3.GAM")), original) << name;
    }
}
