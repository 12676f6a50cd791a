// The end-to-end scripts' table of saved-game offsets (tests/e2e/save_layout.py) against the
// world blocks and the records: a block moved, resized or added, or a field moved, fails here.
#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "world/ALLOC.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"
#include "world/World_Blocks.h"

namespace {

std::string Module_Text(void)
{
    std::ifstream in(std::string(TOLVA_SOURCE_DIR "/tests/e2e/save_layout.py"));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Block_Row {
    std::string name;
    size_t element_size;
    size_t count;
};

std::vector<Block_Row> Block_Rows(const std::string &text)
{
    std::vector<Block_Row> rows;
    const std::regex row(R"re(\("([^"]+)", (\d+), (\d+)\),)re");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), row); it != std::sregex_iterator(); ++it) {
        rows.push_back({(*it)[1].str(), std::stoul((*it)[2].str()), std::stoul((*it)[3].str())});
    }
    return rows;
}

// Every `NAME = number  # what it is` line of the module: the record fields and the map size.
std::map<std::string, long> Field_Lines(const std::string &text)
{
    std::map<std::string, long> fields;
    const std::regex line(R"re(\n([A-Z_]+) = (\d+)  #)re");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), line); it != std::sregex_iterator(); ++it) {
        fields[(*it)[1].str()] = std::stol((*it)[2].str());
    }
    return fields;
}

TEST(SaveLayoutModule, BlocksAreTheWorldBlocksInFileOrder)
{
    const std::vector<Block_Row> rows = Block_Rows(Module_Text());
    ASSERT_EQ(rows.size(), (size_t)NUM_WORLD_BLOCKS);
    for (int i = 0; i < NUM_WORLD_BLOCKS; i++) {
        EXPECT_EQ(rows[i].name, WORLD_BLOCK_LAYOUTS[i].name) << "row " << i;
        EXPECT_EQ(rows[i].element_size, WORLD_BLOCK_LAYOUTS[i].element_size) << rows[i].name;
        EXPECT_EQ(rows[i].count, WORLD_BLOCK_LAYOUTS[i].count) << rows[i].name;
    }
}

TEST(SaveLayoutModule, FieldOffsetsAreTheRecords)
{
    const std::map<std::string, long> expected = {
        {"PLAYER_CASTING_SPELL", (long)offsetof(Player_Record, casting_spell_idx)},
        {"PLAYER_MANA", (long)offsetof(Player_Record, mana_reserve)},
        {"PLAYER_GOLD", (long)offsetof(Player_Record, gold_reserve)},
        {"UNIT_OWNER", (long)offsetof(Unit_Record, owner_idx)},
        {"UNIT_TYPE", (long)offsetof(Unit_Record, type)},
        {"WORLD_WIDTH", (long)WORLD_WIDTH},
        {"WORLD_HEIGHT", (long)WORLD_HEIGHT},
    };
    const std::map<std::string, long> fields = Field_Lines(Module_Text());
    // A field the module adds without a line here is unchecked: it fails until it gets one.
    for (const auto &[name, value] : fields) {
        auto it = expected.find(name);
        ASSERT_NE(it, expected.end()) << name << " is not checked against its record";
        EXPECT_EQ(value, it->second) << name;
    }
    EXPECT_EQ(fields.size(), expected.size());
}

}  // namespace
