// Dispel difficulty and chance, and the area dispel on one square.
#include "Cast_Fixture.h"
#include "magic/Overland_Dispel.h"
#include "world/City_Record.h"
#include "world/Dispel_Rules.h"
#include "world/Map_Feature_Records.h"
#include "world/Unit_Record.h"

namespace {

class OverlandDispel : public Cast_Test {
protected:
    void SetUp() override
    {
        Cast_Test::SetUp();
        _num_players = 3;
        for (int16_t spell = 1; spell < NUM_SPELLS; spell++) spell_data_table[spell].casting_cost = 0;
    }
    static Unit_Record &Unit_At(int16_t idx, int8_t owner)
    {
        if (_units <= idx) _units = (int16_t)(idx + 1);
        Unit_Record &unit = _UNITS[idx];
        unit = Unit_Record{};
        unit.wx = 10;
        unit.wy = 10;
        unit.wp = 0;
        unit.owner_idx = owner;
        return unit;
    }
    static City_Record &City_At(int8_t owner)
    {
        _cities = 1;
        City_Record &city = _CITIES[0];
        city = City_Record{};
        city.wx = 10;
        city.wy = 10;
        city.owner_idx = owner;
        return city;
    }
};

TEST_F(OverlandDispel, DifficultyAndChanceFollowTheRetortsAndStayInRange)
{
    _players[1].retorts[rtr_Nature_Mastery] = 1;
    _players[1].retorts[rtr_Archmage] = 1;
    struct Case {
        int32_t cost;
        int16_t owner, realm, difficulty;
    };
    const Case cases[] = {
        {100, 1, 0, 300},      // mastery of the realm and Archmage
        {100, 1, 1, 200},      // Archmage only
        {100, -1, 0, 100},     // no owner: no retorts (nodes)
        {100, 7, 0, 100},      // an owner byte past the players counts as none
        {20000, 1, 0, 32767},  // saturates
        {-5, -1, 0, 0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Calculate_Dispel_Difficulty(c.cost, c.owner, c.realm), c.difficulty) << c.cost << "/" << c.owner;
    }
    EXPECT_EQ(Dispel_Chance(100, 300), 62);
    EXPECT_EQ(Dispel_Chance(200, 30000), 1) << "computed wide";
    EXPECT_EQ(Dispel_Chance(0, 0), 0) << "the divisor is at least 1";
    EXPECT_EQ(Dispel_Chance(32767, 32767), 125);
}

TEST_F(OverlandDispel, CityAndUnitEnchantmentsOfRivalsGoWithNotesTheFifthSummingUp)
{
    City_Record &city = City_At(1);
    for (int e = 0; e < 6; e++) city.enchantments[e] = 2;  // wizard 1's
    city.enchantments[7] = 1;                              // the caster's own
    city.enchantments[8] = 8;                              // a count, read as owner 7
    for (int e = 0; e < 26; e++) {
        const int16_t spell = (int16_t)(100 + e);
        spell_data_table[spell].type = 2;
        spell_data_table[spell].Param_Bytes[0] = (uint8_t)e;
    }
    Cast_Disenchant(10, 10, 0, 0, 100);
    for (int e = 0; e < 6; e++) EXPECT_EQ(city.enchantments[e], 0) << e;
    EXPECT_EQ(city.enchantments[8], 0);
    EXPECT_EQ(city.enchantments[7], 1) << "the caster's own enchantment stays";
    ASSERT_EQ(g_cast_record.notes.size(), 5u);
    EXPECT_EQ(g_cast_record.notes[0], "Spell 100 has been dispelled.");
    EXPECT_EQ(g_cast_record.note_ys[3], 40 + 25 * 3);
    EXPECT_EQ(g_cast_record.notes[4], "More city enchantments were dispelled.") << "message record 18";
    EXPECT_EQ(g_cast_record.note_entries[4], 52);

    g_cast_record = {};
    City_At(1).enchantments[0] = 2;
    Cast_Disenchant(10, 10, 0, 1, 100);
    EXPECT_TRUE(g_cast_record.notes.empty()) << "a computer caster sees no notes";
}

TEST_F(OverlandDispel, UnitEnchantmentsAreFiveTimesHarderAndTheShieldIsAttackedAlone)
{
    // Strength 250 against one spell cost of 50: 125 out of 250 for a unit (difficulty 250).
    spell_data_table[99].casting_cost = 50;
    int gone = 0;
    for (int trial = 0; trial < 400; trial++) {
        Unit_At(0, 1).enchantments = 0x1;
        Cast_Disenchant(10, 10, 0, 1 + 1, 250);
        gone += (_UNITS[0].enchantments & 0x1) == 0;
    }
    EXPECT_GT(gone, 150);
    EXPECT_LT(gone, 250) << "one in two, not five in six as with the cost alone";

    Unit_Record &shielded = Unit_At(0, 1);
    shielded.enchantments = 0x4000 | 0x1 | 0x80000000u;
    for (int trial = 0; trial < 20 && (shielded.enchantments & 0x4000) != 0; trial++) {
        Cast_Disenchant(10, 10, 0, 0, 30000);
        EXPECT_EQ(shielded.enchantments & ~0x4000u, 0x1 | 0x80000000u) << "only the shield is attacked";
    }
    EXPECT_EQ(shielded.enchantments, 0x1 | 0x80000000u);
    Cast_Disenchant(10, 10, 0, 0, 30000);
    EXPECT_EQ(shielded.enchantments & 0x1, 0u);
    EXPECT_EQ(shielded.enchantments, 0x80000000u) << "the last bit is never attacked";
}

TEST_F(OverlandDispel, OwnUnitsLoseStasisAndKeepTheirEnchantments)
{
    struct Case {
        uint8_t before, after;
    };
    for (const Case &c : {Case{0x40, 0x00}, Case{0xC0, 0x40}, Case{0x80, 0x00}, Case{0x48, 0xC8}}) {
        Unit_Record &unit = Unit_At(0, 0);
        unit.mutations = c.before;
        unit.enchantments = 0x2;
        Cast_Disenchant(10, 10, 0, 0, 100);
        EXPECT_EQ(unit.mutations, c.after) << std::hex << (int)c.before;
        EXPECT_EQ(unit.enchantments, 0x2u);
    }
}

TEST_F(OverlandDispel, WarpedNodesClearAndTheSquareTestLooksForCityNodeOrUnit)
{
    EXPECT_EQ(Square_Has_Disenchant_Target(10, 10, 0), 0);
    _NODES[3].wx = 10;
    _NODES[3].wy = 10;
    _NODES[3].flags = 0x3;
    EXPECT_EQ(Square_Has_Disenchant_Target(10, 10, 0), 1);
    Cast_Disenchant(10, 10, 0, 0, 10);
    EXPECT_EQ(_NODES[3].flags, 0x2) << "the warp goes, the guardian stays";
    EXPECT_EQ(Square_Has_Disenchant_Target(10, 10, 0), 0);
    Unit_At(0, 2);
    EXPECT_EQ(Square_Has_Disenchant_Target(10, 10, 0), 1);
    EXPECT_EQ(Square_Has_Disenchant_Target(10, 10, 1), 0);
}

}  // namespace
