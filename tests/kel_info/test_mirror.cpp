// The words of the mirror: relations, the retort sentence and the bookshelf.
#include <string>

#include "World_Fixture.h"
#include "info/screens/Mirror_Texts.h"

class MirrorScreen : public World_Test {};

TEST_F(MirrorScreen, RelationWords)
{
    const struct {
        int16_t relation;
        const char *word;
    } cases[] = {{-100, "Hate"}, {-81, "Hate"},   {-80, "Troubled"}, {-61, "Troubled"}, {-1, "Unease"},
                 {0, "Neutral"}, {19, "Neutral"}, {100, "Harmony"},  {-128, "Hate"},    {127, "Harmony"}};
    for (const auto &c : cases) EXPECT_STREQ(Mirror_Relation_Word(c.relation), c.word) << c.relation;
}

TEST_F(MirrorScreen, RetortSentences)
{
    char text[200];
    Mirror_Retort_Sentence(1, text, sizeof text);
    EXPECT_STREQ(text, "");
    _players[1].retorts[0] = 1;
    Mirror_Retort_Sentence(1, text, sizeof text);
    EXPECT_STREQ(text, "Alchemy.");
    _players[1].retorts[1] = 1;
    Mirror_Retort_Sentence(1, text, sizeof text);
    EXPECT_STREQ(text, "Alchemy and Warlord.");
    _players[1].retorts[2] = 1;
    Mirror_Retort_Sentence(1, text, sizeof text);
    EXPECT_STREQ(text, "Alchemy, Warlord and Chaos Mastery.");
    char pieces[NUM_RETORTS][MIRROR_RETORT_TEXT_SIZE];
    int16_t helps[NUM_RETORTS];
    ASSERT_EQ(Mirror_Retort_Pieces(1, pieces, helps), 3);
    EXPECT_EQ(helps[0], 693);
    EXPECT_EQ(helps[2], 705);
}

TEST_F(MirrorScreen, BookshelfHoldsTwenty)
{
    int16_t shelf[MIRROR_BOOKSHELF_MAX];
    EXPECT_EQ(Mirror_Build_Bookshelf(0, shelf), 0);
    _players[0].spellranks[1] = 4;
    _players[0].spellranks[3] = 1;
    ASSERT_EQ(Mirror_Build_Bookshelf(0, shelf), 5);
    EXPECT_EQ(shelf[0], 3);
    EXPECT_EQ(shelf[2], 5);
    EXPECT_EQ(shelf[3], 3);
    EXPECT_EQ(shelf[4], 9);
    _players[0].spellranks[0] = 13;
    _players[0].spellranks[4] = 12;
    EXPECT_EQ(Mirror_Build_Bookshelf(0, shelf), 20);
    _players[0].spellranks[2] = -5;
    EXPECT_LE(Mirror_Build_Bookshelf(0, shelf), 20);
}
