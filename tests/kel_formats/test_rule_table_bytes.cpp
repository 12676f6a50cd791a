// SPELLDAT, BUILDDAT and TERRSTAT archives typed by hand from their documented layouts: the archive
// header, the record-table head (u16 count, u16 size) and the records' fields at literal offsets.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "LBX_Load.h"
#include "STU_GRAF.h"
#include "Test_Requirements.h"
#include "Test_Temp_Dir.h"
#include "world/LOADER.h"

// The records are packed, and EXPECT_EQ binds its arguments to references: fields are
// compared as +(field) copies so that no reference to a misaligned field is made.
namespace {

using Bytes = std::vector<uint8_t>;

void Poke(Bytes &bytes, size_t offset, std::initializer_list<uint8_t> values)
{
    for (uint8_t v : values) bytes.at(offset++) = v;
}

void Poke_Text(Bytes &bytes, size_t offset, const char *text)
{
    while (*text != '\0') bytes.at(offset++) = (uint8_t)*text++;
    bytes.at(offset) = 0;
}

// An archive of one or two entries: u16 entry count, signature AD FE, four unused bytes, then the
// u32 offsets of the entries and of the end, the entries starting at byte 512.
Bytes Archive(const std::vector<Bytes> &entries)
{
    Bytes file(512, 0);
    Poke(file, 0, {(uint8_t)entries.size(), 0x00, 0xAD, 0xFE});
    uint32_t offset = 512;
    for (size_t i = 0; i <= entries.size(); i++) {
        Poke(file, 8 + 4 * i, {(uint8_t)offset, (uint8_t)(offset >> 8), (uint8_t)(offset >> 16), 0x00});
        if (i < entries.size()) offset += (uint32_t)entries[i].size();
    }
    for (const Bytes &entry : entries) file.insert(file.end(), entry.begin(), entry.end());
    return file;
}

// Spells: 215 records (D7 00) of 36 bytes (24 00).
Bytes Spell_Table(void)
{
    Bytes entry(4 + 215 * 36, 0);
    Poke(entry, 0, {0xD7, 0x00, 0x24, 0x00});
    size_t first = 4;
    Poke_Text(entry, first, "Quagmire");
    // group 7, unused 0x55, type 4, section 2, realm nature, both, unused, cost 25, research 300, unused -1
    Poke(entry, first + 19, {0x07, 0x55, 0x04, 0x02, 0x00, 0x02, 0x00, 0x19, 0x00, 0x2C, 0x01, 0xFF, 0xFF});
    Poke(entry, first + 32, {0x00, 0x00, 0x01, 0x00});
    size_t last = 4 + 214 * 36;
    Poke_Text(entry, last, "Spell of Return");
    Poke(entry, last + 21, {0x05, 0x00, 0x05, 0x00, 0x00, 0xF4, 0x01, 0x00, 0x00});
    Poke(entry, last + 32, {0x9A, 0x00, 0xFF, 0xFF});
    return entry;
}

// Buildings: 36 records (24 00) of 52 bytes (34 00).
Bytes Building_Table(void)
{
    Bytes entry(4 + 36 * 52, 0);
    Poke(entry, 0, {0x24, 0x00, 0x34, 0x00});
    size_t walls = 4 + 35 * 52;
    Poke_Text(entry, walls, "City Walls");
    Poke(entry, walls + 20, {0x03, 0x00, 0x66, 0x00, 0xFF, 0xFF});  // needs 3 and terrain 102; replaces none
    Poke(entry, walls + 32, {0x02, 0x00});                          // upkeep 2
    Poke(entry, walls + 44, {0x96, 0x00});                          // cost 150
    Poke(entry, walls + 48, {0x05, 0x00, 0x03, 0x00});              // footprint 5, category 3
    return entry;
}

// Terrain costs: 770 records (02 03) of 6 bytes; then the unrest table, 1 record of 196 (C4 00) bytes.
std::vector<Bytes> Terrain_Tables(void)
{
    Bytes costs(4 + 770 * 6, 0);
    Poke(costs, 0, {0x02, 0x03, 0x06, 0x00});
    Poke(costs, 4, {0xFF, 0xFF, 0xFF, 0x02, 0x02, 0x02});
    Poke(costs, 4 + 769 * 6, {0x04, 0x02, 0x02, 0x04, 0xFF, 0x02});
    Bytes unrest(4 + 196, 0);
    Poke(unrest, 0, {0x01, 0x00, 0xC4, 0x00});
    Poke(unrest, 4 + 13, {0x05});   // row 0, column 13
    Poke(unrest, 4 + 182, {0xF6});  // row 13, column 0: -10
    Poke(unrest, 4 + 195, {0x80});  // row 13, column 13: -128
    return {costs, unrest};
}

class Rule_Table_Bytes_Test : public ::testing::Test {
protected:
    Test_Temp_Dir dir;
    std::string folder = dir.path;

    void SetUp() override
    {
        STU_GRAF_Reset();
        STU_GRAF_Add_Search_Dir(folder.c_str());
        LBX_Close();
    }
    void TearDown() override
    {
        LBX_Close();
        STU_GRAF_Reset();
    }
    void Write(const char *name, const Bytes &bytes) const
    {
        FILE *file = fopen((folder + "/" + name).c_str(), "wb");
        ASSERT_NE(file, nullptr);
        fwrite(bytes.data(), 1, bytes.size(), file);
        fclose(file);
    }
};

}  // namespace

TEST_F(Rule_Table_Bytes_Test, SpellBuildingAndTerrainRecordsReadIntoTheirFields)
{
    Write("SPELLDAT.LBX", Archive({Spell_Table()}));
    Write("BUILDDAT.LBX", Archive({Building_Table()}));
    Write("TERRSTAT.LBX", Archive(Terrain_Tables()));
    Load_SPELLDAT();
    Load_BUILDDAT();
    Load_TERRSTAT();

    const Spell_Data_Record &quagmire = spell_data_table[0];
    EXPECT_STREQ(quagmire.name, "Quagmire");
    EXPECT_EQ(+(quagmire.AI_Group), 7);
    EXPECT_EQ(+(quagmire.unused_20), 0x55);  // loaded whole, unread bytes included
    EXPECT_EQ(+(quagmire.type), 4);
    EXPECT_EQ(+(quagmire.spell_book_category), 2);
    EXPECT_EQ(+(quagmire.magic_realm), 0);
    EXPECT_EQ(+(quagmire.Eligibility), 2);
    EXPECT_EQ(+(quagmire.casting_cost), 25);
    EXPECT_EQ(+(quagmire.research_cost), 300);
    EXPECT_EQ(+(quagmire.Param_Mask), 0x10000u);
    const Spell_Data_Record &spell_return = spell_data_table[214];
    EXPECT_STREQ(spell_return.name, "Spell of Return");
    EXPECT_EQ(+(spell_return.magic_realm), 5);
    EXPECT_EQ(+(spell_return.casting_cost), 500);
    EXPECT_EQ(+(spell_return.Param_Words[0]), 154);
    EXPECT_EQ(+(spell_return.Param_Words[1]), -1);

    const Building_Data_Record &walls = bldg_data_table[BLDG_CITY_WALLS];
    EXPECT_STREQ(walls.name, "City Walls");
    EXPECT_EQ(+(walls.reqd_bldg_1), 3);
    EXPECT_EQ(+(walls.reqd_bldg_2), 102);
    EXPECT_EQ(+(walls.replace_bldg), -1);
    EXPECT_EQ(+(walls.maintenance_cost), 2);
    EXPECT_EQ(+(walls.construction_cost), 150);
    EXPECT_EQ(+(walls.G_Animation), 5);
    EXPECT_EQ(+(walls.AI_Category), 3);

    // Indexed by the raw terrain value, up to 769, six movement maps each.
    EXPECT_EQ(terrain_stats_table[0], 0xFF);
    EXPECT_EQ(terrain_stats_table[5], 0x02);
    EXPECT_EQ(terrain_stats_table[769 * 6 + 0], 4);
    EXPECT_EQ(terrain_stats_table[769 * 6 + 4], 0xFF);

    int8_t *unrest = reinterpret_cast<int8_t *>(Load_Rule_Table("TERRSTAT", 1, 1, 196));
    EXPECT_EQ(unrest[13], 5);
    EXPECT_EQ(unrest[182], -10);
    EXPECT_EQ(unrest[195], -128);
}

TEST_F(Rule_Table_Bytes_Test, TablesOfTheWrongShapeEndTheProgram)
{
    struct Shape_Case {
        const char *name;
        uint8_t head[4];
        size_t records;
    };
    const Shape_Case cases[] = {
        {"214 spells", {0xD6, 0x00, 0x24, 0x00}, 214},
        {"35-byte records", {0xD7, 0x00, 0x23, 0x00}, 215},
        {"head claims 215, body holds 100", {0xD7, 0x00, 0x24, 0x00}, 100},
    };
    for (const Shape_Case &c : cases) {
        Bytes entry(4 + c.records * 36, 0);
        Poke(entry, 0, {c.head[0], c.head[1], c.head[2], c.head[3]});
        Write("SPELLDAT.LBX", Archive({entry}));
        LBX_Close();
        EXPECT_EXIT(Load_SPELLDAT(), ::testing::ExitedWithCode(1), "") << c.name;
    }
}

// The stand-in installation must follow the original tables' conventions, or code tested on it
// would misread a real installation.
class Standin_Tables_Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string folder = TOLVA_BINARY_DIR "/standin";
        FILE *probe = fopen((folder + "/TERRSTAT.LBX").c_str(), "rb");
        if (probe == nullptr) {
            TOLVA_SKIP_OR_FAIL("stand-in installation not built: " << folder);
        }
        fclose(probe);
        STU_GRAF_Reset();
        STU_GRAF_Add_Search_Dir(folder.c_str());
        LBX_Close();
    }
    void TearDown() override
    {
        LBX_Close();
        STU_GRAF_Reset();
    }
};

// Sea is open to swimmers and ships only (maps 4 and 5), land is closed to ships.
TEST_F(Standin_Tables_Test, TerrainCostsFollowTheMovementMapOrder)
{
    Load_TERRSTAT();
    const int ocean = 0, grassland = 162;
    const uint8_t ocean_costs[6] = {255, 255, 255, 255, 2, 2};
    for (int map = 1; map < 6; map++) {
        EXPECT_EQ(terrain_stats_table[ocean * 6 + map], ocean_costs[map]) << "map " << map;
    }
    EXPECT_EQ(terrain_stats_table[grassland * 6 + 1], 2);
    EXPECT_NE(terrain_stats_table[grassland * 6 + 4], 255);
    EXPECT_EQ(terrain_stats_table[grassland * 6 + 5], 255);
}

// Spell s of realm r and rank k is record r x 40 + k + 1; record 0 is no spell.
TEST_F(Standin_Tables_Test, SpellsAreNumberedRealmByRealmFromOne)
{
    Load_SPELLDAT();
    EXPECT_STREQ(spell_data_table[0].name, "");
    const struct {
        int spell;
        int realm;
    } cases[] = {{1, 0}, {40, 0}, {41, 1}, {160, 3}, {161, 4}, {200, 4}, {201, 5}, {214, 5}};
    for (const auto &c : cases) {
        EXPECT_EQ(+(spell_data_table[c.spell].magic_realm), c.realm) << "spell " << c.spell;
    }
    EXPECT_EQ(+(spell_data_table[201].Param_Words[0]), 154);
    EXPECT_STREQ(spell_data_table[213].name, "Spell of Mastery");
    EXPECT_STREQ(spell_data_table[214].name, "Spell of Return");
}

// The spells the rules reach by number carry the type, casting place and parameter they are
// dispatched on, and no two spells make the same city enchantment or global enchantment.
TEST_F(Standin_Tables_Test, TheSpellsTheRulesNameCarryTheirTypeAndParameter)
{
    Load_SPELLDAT();
    const int global_spells[24] = {197, 198, 188, 59,  57,  79,  80,  34,  40,  38,  116, 117,
                                   114, 113, 120, 157, 156, 158, 127, 154, 135, 160, 206, 209};
    for (int slot = 0; slot < 24; slot++) {
        const Spell_Data_Record &spell = spell_data_table[global_spells[slot]];
        EXPECT_EQ(+spell.type, 9) << "slot " << slot;
        EXPECT_EQ(+spell.Param_Words[0], slot) << "slot " << slot;
    }
    for (int s : {3,  10, 15,  18,  19,  26,  28,  47,  55,  68,  72,  75,  76,  85,
                  93, 98, 119, 132, 133, 142, 173, 186, 187, 199, 208, 212, 213, 214}) {
        EXPECT_EQ(+spell_data_table[s].type, 5) << "spell " << s;
    }
    int makers[26] = {};
    for (int s = 1; s < NUM_SPELLS; s++) {
        const Spell_Data_Record &spell = spell_data_table[s];
        if ((spell.type == 2 || spell.type == 3) && s != 203) {
            ASSERT_GE(spell.Param_Words[0], 0) << "spell " << s;
            ASSERT_LT(spell.Param_Words[0], 25) << "spell " << s;
            makers[spell.Param_Words[0]]++;
        }
        if (spell.type == 9) {
            EXPECT_EQ(global_spells[spell.Param_Words[0]], s) << "a second maker of a global";
        }
        const bool combat_only = spell.type == 7 || spell.type == 8 || spell.type == 10 || spell.type == 12 ||
                                 spell.type == 13 || spell.type == 14 || spell.type == 16 || spell.type == 18 ||
                                 spell.type >= 21;
        const bool overland_only = spell.type == 2 || spell.type == 3 || spell.type == 6 || spell.type == 9 ||
                                   spell.type == 11 || spell.type == 17 || spell.type == 20;
        if (combat_only) {
            EXPECT_LT((int8_t)spell.Eligibility, 0) << "spell " << s << " type " << +spell.type;
        }
        if (overland_only) {
            EXPECT_GE((int8_t)spell.Eligibility, 0) << "spell " << s << " type " << +spell.type;
        }
        if (spell.type == 0) {
            EXPECT_GE(spell.Param_Words[0], 154) << "spell " << s << " summons no creature";
        }
    }
    for (int index = 0; index < 25; index++) {
        EXPECT_EQ(makers[index], index >= 9 && index <= 13 ? 0 : 1) << "city enchantment " << index;
    }
    for (int s : {207, 211}) {
        EXPECT_EQ(+spell_data_table[s].type, 11) << "spell " << s;
        EXPECT_EQ(+spell_data_table[s].casting_cost, 0) << "spell " << s;
    }
    for (int s : {30, 45, 60, 66, 90, 1, 11, 137, 195}) {
        EXPECT_LT((int8_t)spell_data_table[s].Eligibility, 0) << "spell " << s << " is cast in battle only";
    }
    for (int s : {91, 115}) EXPECT_GT(+spell_data_table[s].Param_Bytes[0], 0) << "spell " << s << " strikes";
    EXPECT_EQ(+spell_data_table[111].Param_Words[0], 190);
    EXPECT_EQ(+spell_data_table[43].type, 0);
}
