#include <cstring>
#include <string>
#include <vector>

#include "LBX_Load.h"
#include "LBX_Writer.h"
#include "STU_GRAF.h"
#include "Standin.h"

// DIPLOMSG.LBX entry 0: 74 records of 6 bytes {i16 music, i16 mood group, i16 variants}; entry 1:
// 1,110 texts of 200 bytes, variant v of statement s at s x 15 + v. The texts carry the code
// bytes 0x80 + c that the audience fills in (0 human, 1 speaker, 2 wizard of the order, 3 city,
// 4 its size, 5 ally's enemy, 7 named wizard, 8 gold number, 9 wanted spell, 10 gold, 11 broken
// treaty, 12 spell of the order, 13 unit type, 14 its article, 15 treaty, 16 year, 17 spell,
// 18 target wizard, 19 treaty breaker, 20 tribute gold).
namespace {

constexpr int STATEMENTS = 74;
constexpr int VARIANTS = 15;
constexpr int TEXT_SIZE = 200;

#define HUMAN "\x80"
#define SPEAKER "\x81"
#define ORDER_WIZARD "\x82"
#define CITY "\x83"
#define CITY_SIZE "\x84"
#define ALLY_ENEMY "\x85"
#define NAMED_WIZARD "\x87"
#define GOLD_NUMBER "\x88"
#define WANTED_SPELL "\x89"
#define GOLD "\x8A"
#define BROKEN_TREATY "\x8B"
#define ORDER_SPELL "\x8C"
#define UNIT_TYPE "\x8D"
#define UNIT_ARTICLE "\x8E"
#define TREATY "\x8F"
#define YEAR "\x90"
#define SPELL "\x91"
#define TARGET "\x92"
#define BREAKER "\x93"
#define TRIBUTE_GOLD "\x94"

enum Music : int16_t { FIRST_TUNE = 0, SECOND_TUNE = 2, NO_TUNE = 3 };

struct Statement_Texts {
    int statement;
    int16_t music;
    int16_t mood_group;
    std::vector<const char *> variants;
};

// clang-format off
const Statement_Texts Texts[] = {
    {1, FIRST_TUNE, 0, {"Your gift is welcome, " HUMAN ". " SPEAKER " remembers a friend.", "A generous tribute, " HUMAN ". I thank you."}},
    {5, SECOND_TUNE, 2, {"You have broken our " BROKEN_TREATY ", " HUMAN "! Expect no trust from me again."}},
    {7, SECOND_TUNE, 2, {"Your armies grow too strong, " HUMAN ". " SPEAKER " is watching."}},
    {8, SECOND_TUNE, 2, {"You attacked my troops, " HUMAN ". That was unwise.", "You struck " UNIT_ARTICLE " " UNIT_TYPE " of mine, " HUMAN "."}},
    {9, SECOND_TUNE, 2, {"You attacked my city of " CITY ", " HUMAN "!"}},
    {10, SECOND_TUNE, 2, {"The Spell of Mastery, in the year " YEAR "? Stop this, " HUMAN "!"}},
    {12, SECOND_TUNE, 2, {"Your " ORDER_SPELL " has harmed my lands, " HUMAN "."}},
    {13, SECOND_TUNE, 2, {"You cast " ORDER_SPELL " on my city, " HUMAN "!"}},
    {14, SECOND_TUNE, 2, {"Your realm spreads too fast, " HUMAN ". Mind my borders."}},
    {15, SECOND_TUNE, 0, {"So you are " HUMAN ". I am " SPEAKER ", and I will crush all who stand before me."}},
    {16, SECOND_TUNE, 0, {"Greetings, " HUMAN ". I am " SPEAKER ". Cross me and you will regret it."}},
    {17, FIRST_TUNE, 0, {"Well met, " HUMAN ". I am " SPEAKER ", and my armies are many."}},
    {18, FIRST_TUNE, 0, {"Hello, " HUMAN "! I am " SPEAKER ". Who knows what tomorrow brings?"}},
    {19, FIRST_TUNE, 0, {"Greetings, " HUMAN ". I am " SPEAKER ". Keep the law and we shall be friends."}},
    {20, FIRST_TUNE, 0, {"Welcome, " HUMAN ". I am " SPEAKER ". It is the year " YEAR ", a fine year for peace."}},
    {30, SECOND_TUNE, 2, {"Our " TREATY " is over, " HUMAN ".", BREAKER " has shown me what your word is worth, " HUMAN ". Our " TREATY " ends."}},
    {39, SECOND_TUNE, 2, {"You leave me no choice, " HUMAN ". From this day we are at war!"}},
    {40, SECOND_TUNE, 2, {"Surprise, " HUMAN "! My armies march on you."}},
    {41, SECOND_TUNE, 1, {SPEAKER " declares war on you, " HUMAN ".", "You war on " ORDER_WIZARD ", and so I war on you, " HUMAN "."}},
    {42, FIRST_TUNE, 0, {"Welcome, " HUMAN ". What would you speak of?", "Good to see you, " HUMAN ". Speak."}},
    {43, SECOND_TUNE, 1, {"What is it now, " HUMAN "?"}},
    {44, SECOND_TUNE, 2, {"I will not speak with you, " HUMAN "."}},
    {45, FIRST_TUNE, 0, {HUMAN ", shall we make a Wizard Pact?"}},
    {46, FIRST_TUNE, 0, {HUMAN ", our " TREATY " has served us well. Shall we make an Alliance?"}},
    {47, FIRST_TUNE, 1, {HUMAN ", I ask you to break with " BREAKER ", or to make war on " BREAKER ".", "Stand with me against " BREAKER ", " HUMAN "."}},
    {48, FIRST_TUNE, 0, {"I would trade for your " WANTED_SPELL " spell, " HUMAN ". Choose one of mine in return."}},
    {49, FIRST_TUNE, 0, {"Enough blood, " HUMAN ". I offer peace, and " GOLD " to seal it.", "Let there be peace, " HUMAN ". I add " GOLD_NUMBER " pieces of gold."}},
    {50, FIRST_TUNE, 0, {"Join me against " ALLY_ENEMY ", " HUMAN ".", "You named " NAMED_WIZARD " once, " HUMAN ". Stand with me against " ALLY_ENEMY " now."}},
    {51, FIRST_TUNE, 0, {"A Wizard Pact between us, " HUMAN "? I have weighed it, and you have my answer."}},
    {52, FIRST_TUNE, 0, {"An Alliance, " HUMAN "? I have weighed it, and you have my answer."}},
    {53, FIRST_TUNE, 0, {"Peace, " HUMAN "? I have weighed it, and you have my answer."}},
    {55, FIRST_TUNE, 0, {"You would have me break with " BREAKER ", " HUMAN ". You have my answer."}},
    {56, FIRST_TUNE, 0, {"You would have me make war on " TARGET ", " HUMAN ". You have my answer."}},
    {57, NO_TUNE, 1, {"No, " HUMAN "."}},
    {58, SECOND_TUNE, 1, {"You broke our " BROKEN_TREATY " once, " HUMAN ". Never again."}},
    {67, SECOND_TUNE, 1, {"Your threats do not move me, " HUMAN "."}},
    {69, NO_TUNE, 1, {"Take these " TRIBUTE_GOLD " gold and leave me be, " HUMAN "."}},
    {70, NO_TUNE, 1, {"Take the spell " SPELL " and leave me in peace, " HUMAN "."}},
    {71, SECOND_TUNE, 1, {"I will not listen, " HUMAN "."}},
    {72, NO_TUNE, 1, {"I have nothing you would want, " HUMAN "."}},
    {73, SECOND_TUNE, 2, {"Your troops stand near " CITY ", " CITY_SIZE " of mine, " HUMAN ". Withdraw them."}},
};
// clang-format on

void Put_Int16(Bytes &bytes, size_t offset, int16_t value)
{
    bytes[offset] = static_cast<uint8_t>(value & 0xFF);
    bytes[offset + 1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

void Put_Text(Bytes &texts, int statement, int variant, const char *text)
{
    size_t length = strlen(text);
    if (length >= TEXT_SIZE) Standin_Fail("DIPLOMSG: a statement is longer than its record");
    memcpy(texts.data() + ((size_t)statement * VARIANTS + variant) * TEXT_SIZE, text, length);
}

}  // namespace

void Write_DIPLOMSG_LBX(const std::string &folder)
{
    Bytes statements((size_t)STATEMENTS * 6, 0);
    Bytes texts((size_t)STATEMENTS * VARIANTS * TEXT_SIZE, 0);
    // Numbers no one says still hold a line, so any order reads a text.
    for (int s = 0; s < STATEMENTS; ++s) {
        Put_Int16(statements, (size_t)s * 6, NO_TUNE);
        Put_Int16(statements, (size_t)s * 6 + 2, 1);
        Put_Int16(statements, (size_t)s * 6 + 4, 1);
        Put_Text(texts, s, 0, "Hm. " SPEAKER " has nothing to say.");
    }
    for (const Statement_Texts &t : Texts) {
        if (t.variants.empty() || t.variants.size() > VARIANTS) Standin_Fail("DIPLOMSG: bad variant count");
        Put_Int16(statements, (size_t)t.statement * 6, t.music);
        Put_Int16(statements, (size_t)t.statement * 6 + 2, t.mood_group);
        Put_Int16(statements, (size_t)t.statement * 6 + 4, (int16_t)t.variants.size());
        for (size_t v = 0; v < t.variants.size(); ++v) {
            Put_Text(texts, t.statement, (int)v, t.variants[v]);
        }
    }
    Standin_Archive archive{"DIPLOMSG", {}, {}};
    archive.Add_Record_Table(STATEMENTS, 6, statements);
    // The texts are more than one read may take whole, so they are read back one at a time.
    archive.Add(LBX_Writer_Record_Table(STATEMENTS * VARIANTS, TEXT_SIZE, texts));
    Standin_Write_Archive(folder, archive);
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(folder.c_str());
    uint8_t text[TEXT_SIZE];
    for (int r = 0; r < STATEMENTS * VARIANTS; ++r) {
        LBX_Load_Data_Static("DIPLOMSG", 1, text, (int16_t)r, 1, TEXT_SIZE);
        if (memcmp(text, texts.data() + (size_t)r * TEXT_SIZE, TEXT_SIZE) != 0)
            Standin_Fail("DIPLOMSG.LBX: text " + std::to_string(r) + " does not read back");
    }
    LBX_Close();
    STU_GRAF_Reset();
}
