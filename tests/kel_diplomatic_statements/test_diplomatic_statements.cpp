// Statements of an audience: the variant drawn, every substitution code, bounds on long names and
// bad indices, read from a hand-made DIPLOMSG archive; and the stand-in installation's texts.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "LBX_Load.h"
#include "LBX_Writer.h"
#include "STU_GRAF.h"
#include "Standin_Data.h"
#include "World_Fixture.h"
#include "heroes/Text_Lists.h"
#include "random.h"
#include "turn/Diplomacy_Tables.h"
#include "turn/Diplomatic_Statements.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

struct Statement {
    int16_t music, mood_group, variants;
    std::vector<std::string> texts;
};

std::string Code(int c) { return std::string(1, static_cast<char>(DIPLOMSG_CODE_FIRST + c)); }

class Diplomacy_Statements : public World_Test {
protected:
    std::vector<Statement> statements = std::vector<Statement>(DIPLOMSG_NUM_STATEMENTS, Statement{0, 0, 1, {"x"}});

    void SetUp() override
    {
        World_Test::SetUp();
        _num_players = 4;
        _turn = 0;
        snprintf(_players[0].name, sizeof(_players[0].name), "Ardan");
        snprintf(_players[1].name, sizeof(_players[1].name), "Belis");
        snprintf(_players[2].name, sizeof(_players[2].name), "Corvo");
        snprintf(_players[3].name, sizeof(_players[3].name), "Dunya");
        Diplomacy_Statement_Reset();
        Set_Random_Seed(0x2468ACE);
    }
    void TearDown() override
    {
        Diplomacy_Statement_Reset();
        STU_GRAF_Reset();
        LBX_Close();
        World_Test::TearDown();
    }

    // Writes the statements as DIPLOMSG.LBX into the test's folder and searches only there.
    void Write_Archive()
    {
        Bytes table(static_cast<size_t>(DIPLOMSG_NUM_STATEMENTS) * DIPLOMSG_STATEMENT_RECORD_SIZE, 0);
        Bytes texts(static_cast<size_t>(DIPLOMSG_NUM_TEXTS) * DIPLOMSG_TEXT_SIZE, 0);
        for (size_t s = 0; s < statements.size(); s++) {
            const int16_t fields[3] = {statements[s].music, statements[s].mood_group, statements[s].variants};
            for (int f = 0; f < 3; f++) {
                table[s * 6 + f * 2] = static_cast<uint8_t>(fields[f] & 0xFF);
                table[s * 6 + f * 2 + 1] = static_cast<uint8_t>((fields[f] >> 8) & 0xFF);
            }
            for (size_t v = 0; v < statements[s].texts.size(); v++) {
                const std::string &t = statements[s].texts[v];
                size_t at = (s * DIPLOMSG_MAX_VARIANTS + v) * DIPLOMSG_TEXT_SIZE;
                memcpy(texts.data() + at, t.data(), std::min<size_t>(t.size(), DIPLOMSG_TEXT_SIZE));
            }
        }
        Bytes archive =
            LBX_Writer_Archive({LBX_Writer_Record_Table(DIPLOMSG_NUM_STATEMENTS, DIPLOMSG_STATEMENT_RECORD_SIZE, table),
                                LBX_Writer_Record_Table(DIPLOMSG_NUM_TEXTS, DIPLOMSG_TEXT_SIZE, texts)});
        FILE *file = fopen(User_Path("DIPLOMSG.LBX").c_str(), "wb");
        ASSERT_NE(file, nullptr);
        fwrite(archive.data(), 1, archive.size(), file);
        fclose(file);
        STU_GRAF_Reset();
        STU_GRAF_Add_Search_Dir(user.path.c_str());
        LBX_Close();
    }

    // Statement 0 is one text; what wizard w says of it.
    std::string Say(const std::string &text, int16_t w = 1)
    {
        statements[0] = Statement{0, 0, 1, {text}};
        Write_Archive();
        Diplomacy_Statement_Reset();
        Get_Diplomacy_Statement(0, w);
        return Diplomacy_Message();
    }

    static int Peek_Draw(int n)
    {
        uint32_t saved = Get_Random_Seed();
        int draw = Random(static_cast<int16_t>(n));
        random_seed = saved;
        return draw;
    }
};

TEST_F(Diplomacy_Statements, VariantIsADrawLessOneOrTwoWithTwoPlayers)
{
    Statement many{0, 0, 0, {}};
    for (int v = 0; v < DIPLOMSG_MAX_VARIANTS; v++) {
        many.texts.push_back("V" + std::to_string(v));
    }
    struct Case {
        int16_t num_players, stored_count, used_count;
    };
    const Case cases[] = {{4, 5, 5}, {3, 15, 15}, {2, 5, 5}, {2, 1, 1}, {5, 0, 1}, {4, 40, 15}, {2, -3, 1}};
    for (const Case &c : cases) {
        for (uint32_t seed : {0x11u, 0xBEEFu, 0x1234567u}) {
            many.variants = c.stored_count;
            statements[3] = many;
            Write_Archive();
            _num_players = c.num_players;
            Set_Random_Seed(seed);
            int expected = std::max(0, Peek_Draw(c.used_count) - (c.num_players == 2 ? 2 : 1));
            Random(static_cast<int16_t>(c.used_count));
            uint32_t after_one_draw = Get_Random_Seed();
            Set_Random_Seed(seed);
            Diplomacy_Statement_Reset();
            Get_Diplomacy_Statement(3, 1);
            EXPECT_EQ(std::string(Diplomacy_Message()), "V" + std::to_string(expected))
                << c.num_players << " players, count " << c.stored_count << ", seed " << seed;
            EXPECT_EQ(Get_Random_Seed(), after_one_draw);
        }
    }
}

TEST_F(Diplomacy_Statements, ChosenWordsStayUntilReset)
{
    statements[42] = Statement{1, 5, 3, {"first", "second", "third"}};
    statements[43] = Statement{2, 9, 1, {"other"}};
    Write_Archive();
    Get_Diplomacy_Statement(42, 2);
    std::string said = Diplomacy_Message();
    EXPECT_EQ(Diplomacy_Statement_Mood_Group(), 5);
    uint32_t seed = Get_Random_Seed();
    for (int frame = 0; frame < 5; frame++) {
        Get_Diplomacy_Statement(43, 2);
        EXPECT_EQ(said, Diplomacy_Message());
    }
    EXPECT_EQ(Get_Random_Seed(), seed);
    Diplomacy_Statement_Reset();
    Get_Diplomacy_Statement(43, 2);
    EXPECT_STREQ(Diplomacy_Message(), "other");
    // A stored mood group beyond the screen's eight is held to the last one.
    EXPECT_EQ(Diplomacy_Statement_Mood_Group(), DIPL_NUM_MOOD_GROUPS - 1);
}

TEST_F(Diplomacy_Statements, EveryCodeIsFilledIn)
{
    const int w = 2;
    Player_Record &human = _players[0];
    _cities = 5;
    snprintf(_CITIES[4].name, sizeof(_CITIES[4].name), "Harrowgate");
    _CITIES[4].size = 3;
    snprintf(spell_data_table[17].name, sizeof(spell_data_table[17].name), "Holy Armor");
    snprintf(spell_data_table[60].name, sizeof(spell_data_table[60].name), "Fire Bolt");
    snprintf(spell_data_table[99].name, sizeof(spell_data_table[99].name), "Lightning");
    int16_t vowel_type = -1;
    for (int t = 0; t < NUM_UNIT_TYPES && vowel_type < 0; t++) {
        const char *name = _unit_type_table[t].name;
        if (name != nullptr && strchr("AEIOU", name[0]) != nullptr && name[0] != '\0')
            vowel_type = static_cast<int16_t>(t);
    }
    ASSERT_GE(vowel_type, 0);
    human.Dipl_Pending_City[w] = 4;
    human.Dipl_Ally_Enemy[w] = 3;
    human.Dipl_Named_Wizard[w] = 1;
    human.Dipl_Offer_Gold[w] = 175;
    human.Dipl_Wanted_Spell[w] = 17;
    human.Dipl_Broken_Treaty[w] = tt_Alliance;
    human.Dipl_Treaty[w] = tt_Wizard_Pact;
    Spell_Index = 99;
    Target_Player = 3;
    Diplomacy_Set_Break_Treaty_Player(1);
    Diplomacy_Set_Threat_Gold(300);

    struct Case {
        int code;
        int16_t param;
        std::string said;
    };
    const Case cases[] = {
        {0, 0, "Ardan"},
        {1, 0, "Corvo"},
        {2, 3, "Dunya"},
        {3, 0, "Harrowgate"},
        {4, 0, _city_size_names[3]},
        {5, 0, "Dunya"},
        {6, 0, Code(6)},
        {7, 0, "Belis"},
        {8, 0, "175"},
        {9, 0, "Holy Armor"},
        {10, 0, "175 gold"},
        {11, 0, "Alliance"},
        {12, 60, "Fire Bolt"},
        {13, vowel_type, _unit_type_table[vowel_type].name},
        {14, vowel_type, "an"},
        {15, 0, "Wizard Pact"},
        {16, 0, "1400"},
        {17, 0, "Lightning"},
        {18, 0, "Dunya"},
        {19, 0, "Belis"},
        {20, 0, "300"},
    };
    for (const Case &c : cases) {
        human.Dipl_Pending_Param[w] = c.param;
        EXPECT_EQ(Say("<" + Code(c.code) + ">", w), "<" + c.said + ">") << "code " << c.code;
    }

    struct Treaty_Case {
        uint8_t treaty;
        const char *word;
    };
    for (const Treaty_Case &t :
         {Treaty_Case{tt_None, "treaty"}, Treaty_Case{tt_Wizard_Pact, "Wizard Pact"}, Treaty_Case{tt_War, "treaty"}}) {
        human.Dipl_Broken_Treaty[w] = t.treaty;
        human.Dipl_Treaty[w] = t.treaty;
        EXPECT_EQ(Say(Code(11) + "/" + Code(15), w), std::string(t.word) + "/" + t.word);
    }
    _turn = 25;
    EXPECT_EQ(Say("In " + Code(16) + "."), "In 1402.");
    human.Dipl_Pending_Param[w] = 0;
    EXPECT_EQ(Say("a " + Code(14) + " b", w), std::string("a ") + An(_unit_type_table[0].name) + " b");
    // Bytes above the codes and plain text print as stored.
    EXPECT_EQ(Say("Plain words, \x95\xA0 and all."), "Plain words, \x95\xA0 and all.");
}

TEST_F(Diplomacy_Statements, IndicesOutsideTheirTablesNameNothing)
{
    const int w = 1;
    Player_Record &human = _players[0];
    _cities = 2;
    struct Case {
        int code;
        int16_t param;
    };
    human.Dipl_Pending_City[w] = 2;
    human.Dipl_Ally_Enemy[w] = 255;
    human.Dipl_Named_Wizard[w] = -4;
    human.Dipl_Wanted_Spell[w] = NUM_SPELLS;
    Spell_Index = -1;
    Target_Player = NUM_PLAYERS;
    Diplomacy_Set_Break_Treaty_Player(300);
    const Case cases[] = {
        {2, 6},  {2, -1}, {3, 0}, {4, 0}, {5, 0}, {7, 0}, {9, 0}, {12, -7}, {12, 215}, {13, -1}, {13, NUM_UNIT_TYPES},
        {17, 0}, {18, 0}, {19, 0}};
    for (const Case &c : cases) {
        human.Dipl_Pending_Param[w] = c.param;
        EXPECT_EQ(Say("[" + Code(c.code) + "]", w), "[]") << "code " << c.code << " param " << c.param;
    }
    // A city beyond the record table is named by nobody either.
    _cities = 250;
    human.Dipl_Pending_City[w] = 200;
    EXPECT_EQ(Say("[" + Code(3) + Code(4) + "]", w), "[]");
}

TEST_F(Diplomacy_Statements, UnknownStatementOrWizardSaysNothingAndDrawsNothing)
{
    Write_Archive();
    struct Case {
        int16_t statement, w;
    };
    for (const Case &c : {Case{-1, 1}, Case{DIPLOMSG_NUM_STATEMENTS, 1}, Case{500, 1}, Case{3, -1}, Case{3, 6}}) {
        uint32_t seed = Get_Random_Seed();
        Diplomacy_Statement_Reset();
        Get_Diplomacy_Statement(c.statement, c.w);
        EXPECT_STREQ(Diplomacy_Message(), "") << c.statement << "/" << c.w;
        EXPECT_EQ(Get_Random_Seed(), seed);
    }
}

TEST_F(Diplomacy_Statements, LongNamesAndTextsFullOfCodesStayInTheBuffer)
{
    const int w = 1;
    for (int p = 0; p < NUM_PLAYERS; p++) {
        memset(_players[p].name, 'N', sizeof(_players[p].name));  // no terminator at all
    }
    _cities = 1;
    memset(_CITIES[0].name, 'C', sizeof(_CITIES[0].name));
    memset(spell_data_table[5].name, 'S', sizeof(spell_data_table[5].name));
    _players[0].Dipl_Pending_Param[w] = 5;
    _players[0].Dipl_Wanted_Spell[w] = 5;

    EXPECT_EQ(Say(Code(0)), std::string(sizeof(_players[0].name), 'N'));
    EXPECT_EQ(Say(Code(3)), std::string(sizeof(_CITIES[0].name), 'C'));
    EXPECT_EQ(Say(Code(9)), std::string(sizeof(spell_data_table[0].name), 'S'));

    std::string codes;
    for (int k = 0; k < DIPLOMSG_TEXT_SIZE; k++) {
        const int cycle[] = {0, 1, 2, 3, 9, 10, 12, 16};
        codes += Code(cycle[k % 8]);
    }
    std::string said = Say(codes, w);
    EXPECT_EQ(said.size(), static_cast<size_t>(DIPL_MESSAGE_SIZE - 1));
    EXPECT_EQ(said.substr(0, 40), std::string(40, 'N'));

    // A text that fills its whole record without a terminator ends at the record.
    EXPECT_EQ(Say(std::string(DIPLOMSG_TEXT_SIZE, 'x')), std::string(DIPLOMSG_TEXT_SIZE, 'x'));

    // An incentive added to a full message is cut at the buffer too.
    Say(codes, w);
    Diplomacy_Add_Incentive_To_Message(0, 100);
    EXPECT_EQ(strlen(Diplomacy_Message()), static_cast<size_t>(DIPL_MESSAGE_SIZE - 1));
}

TEST_F(Diplomacy_Statements, IncentiveNamesASpellOrGold)
{
    snprintf(spell_data_table[8].name, sizeof(spell_data_table[8].name), "Web");
    struct Case {
        int16_t spell, gold;
        const char *said;
    };
    for (const Case &c : {Case{8, 50, "Offer: Web spell"}, Case{0, 75, "Offer: 75 gold"}, Case{8, 0, "Offer: "}}) {
        Say("Offer: ");
        Diplomacy_Add_Incentive_To_Message(c.spell, c.gold);
        EXPECT_STREQ(Diplomacy_Message(), c.said);
    }
}

TEST_F(Diplomacy_Statements, StandinTextsUseEveryCodeAndGreetByPersonality)
{
    Test_Search_Standin_Data();
    std::vector<bool> seen(DIPLOMSG_NUM_CODES, false);
    uint8_t record[DIPLOMSG_STATEMENT_RECORD_SIZE];
    uint8_t text[DIPLOMSG_TEXT_SIZE];
    for (int s = 0; s < DIPLOMSG_NUM_STATEMENTS; s++) {
        LBX_Load_Data_Static("DIPLOMSG", 0, record, static_cast<int16_t>(s), 1, DIPLOMSG_STATEMENT_RECORD_SIZE);
        int variants = record[4] | (record[5] << 8);
        ASSERT_GE(variants, 1);
        ASSERT_LE(variants, DIPLOMSG_MAX_VARIANTS);
        for (int v = 0; v < variants; v++) {
            LBX_Load_Data_Static("DIPLOMSG", 1, text, static_cast<int16_t>(s * DIPLOMSG_MAX_VARIANTS + v), 1,
                                 DIPLOMSG_TEXT_SIZE);
            EXPECT_NE(text[0], 0) << "statement " << s << " variant " << v;
            for (int k = 0; k < DIPLOMSG_TEXT_SIZE && text[k] != 0; k++) {
                int code = text[k] - DIPLOMSG_CODE_FIRST;
                if (code >= 0 && code < DIPLOMSG_NUM_CODES) seen[code] = true;
            }
        }
    }
    for (int code = 0; code < DIPLOMSG_NUM_CODES; code++) {
        // Code 6 fills in nothing; the stand-in texts leave it out.
        if (code != 6) {
            EXPECT_TRUE(seen[code]) << "code " << code;
        }
    }
    for (int16_t personality = 0; personality < NUM_PERSONALITIES; personality++) {
        Diplomacy_Statement_Reset();
        Get_Diplomacy_Statement(static_cast<int16_t>(do_Greeting_First + personality), 2);
        std::string said = Diplomacy_Message();
        EXPECT_NE(said.find("Ardan"), std::string::npos) << said;
        EXPECT_NE(said.find("Corvo"), std::string::npos) << said;
    }
}

}  // namespace
