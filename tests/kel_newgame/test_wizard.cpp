// The wizard screens: the preset's books, retort and start spells, Custom offered above Intro,
// a portrait naming the wizard, and the name box's rules.
#include "Newgame_Fixture.h"
#include "newgame/Wizard_Screens.h"
#include "random.h"
#include "world/Game_Settings.h"
#include "world/Wizard_Presets.h"

namespace {

using NewGame_Wizard = Newgame_Test;

int Start_Spells_Of_Rarity(int realm, int first, int count)
{
    int n = 0;
    for (int i = first; i < first + count; i++) n += _player_start_spells[0][realm * 13 + i] != 0 ? 1 : 0;
    return n;
}

TEST_F(NewGame_Wizard, PresetGivesBooksRetortAndOneMoreSpellThanItsBooksAllowAChoice)
{
    Human_Player_Wizard_Profile(7);  // Sss'ra
    EXPECT_EQ(Human().wizard_id, 7);
    EXPECT_STREQ(Human().name, "Sss'ra");
    const int16_t books[5] = {0, 0, 4, 4, 0};
    for (int r = 0; r < 5; r++) EXPECT_EQ(Human().spellranks[r], books[r]) << "realm " << r;
    for (int k = 0; k < NUM_RETORTS; k++) EXPECT_EQ(Human().retorts[k], k == rtr_Myrran ? 1 : 0) << "retort " << k;
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(_player_start_spells[0][sbr_Life * 13 + i], _default_spells[sbr_Life * 13 + i]);
        EXPECT_EQ(_player_start_spells[0][sbr_Chaos * 13 + i], _default_spells[sbr_Chaos * 13 + i]);
    }
    EXPECT_EQ(Start_Spells_Of_Rarity(sbr_Life, 0, 13), 4);
    EXPECT_EQ(Start_Spells_Of_Rarity(sbr_Chaos, 0, 13), 4);
    EXPECT_EQ(Start_Spells_Of_Rarity(sbr_Nature, 0, 13), 0);

    Human_Player_Wizard_Profile(4);  // Jafar: ten Sorcery books
    EXPECT_EQ(Start_Spells_Of_Rarity(sbr_Sorcery, 0, 10), 10);
    EXPECT_EQ(Start_Spells_Of_Rarity(sbr_Sorcery, 10, 2), 2);
    EXPECT_EQ(Start_Spells_Of_Rarity(sbr_Sorcery, 12, 1), 1);
    EXPECT_EQ(Start_Spells_Of_Rarity(sbr_Chaos, 0, 13), 0) << "the earlier preset's spells are cleared";
    EXPECT_EQ(Human().retorts[rtr_Myrran], 0);
}

TEST_F(NewGame_Wizard, CustomIsOfferedOnlyAboveIntro)
{
    for (uint16_t difficulty : {0, 1, 4}) {
        magic_set.words[20] = difficulty;
        int16_t fields_seen = 0;
        Idle(2);
        Then([&] { fields_seen = fields_count; });
        Then_Key(KEY_ESCAPE);
        EXPECT_EQ(Newgame_Screen_1(), 0) << "difficulty " << difficulty;
        // Field 0 is the list's own; then the presets, Custom, and Escape.
        EXPECT_EQ(fields_seen, difficulty == 0 ? 16 : 17) << "difficulty " << difficulty;
        EXPECT_EQ(Newgame_Custom_Offered(), difficulty >= 1 ? 1 : 0);
    }
}

TEST_F(NewGame_Wizard, ScreenOneTakesAPresetOrCustom)
{
    magic_set.words[20] = 2;
    Then_Click(200, 122);  // Jafar
    EXPECT_EQ(Newgame_Screen_1(), 3);
    EXPECT_EQ(Human().wizard_id, 4);
    EXPECT_EQ(Human().spellranks[sbr_Sorcery], 10);
    EXPECT_EQ(Human().retorts[rtr_Alchemy], 1);

    Then_Click(280, 188);  // Custom
    EXPECT_EQ(Newgame_Screen_1(), 2);
    EXPECT_EQ(Human().wizard_id, 4) << "Custom leaves the record to the later screens";
}

TEST_F(NewGame_Wizard, PortraitNamesTheWizardAndTheNameCanChange)
{
    Then_Click(280, 56);  // right column, second row: preset 8
    EXPECT_EQ(Newgame_Screen_2(), 3);
    EXPECT_EQ(Human().wizard_id, 8);
    EXPECT_STREQ(Human().name, "Tauron");

    for (int i = 0; i < 6; i++) Then_Key(KEY_BACKSPACE);
    for (char c : std::string("Vel")) Then_Key(c, c);
    Then_Key(KEY_ENTER);
    EXPECT_EQ(Newgame_Screen_3(), 0);
    EXPECT_STREQ(Human().name, "Vel");

    Then_Key(KEY_ESCAPE);
    EXPECT_EQ(Newgame_Screen_3(), -1);
    EXPECT_STREQ(Human().name, "Vel");
}

TEST_F(NewGame_Wizard, NameIsTrimmedAndABlankKeepsThePrevious)
{
    struct Case {
        const char *typed;
        const char *name;
    } cases[] = {
        {"Ondra", "Ondra"}, {"   ", "Ondra"}, {"", "Ondra"}, {"  Ivo  ", "Ivo"}, {"Abcdefghijklmn", "Abcdefghij"},
    };
    strcpy(Human().name, "Merlin");
    for (const Case &c : cases) {
        Newgame_Accept_Name(c.typed);
        EXPECT_STREQ(Human().name, c.name) << '"' << c.typed << '"';
    }
}

TEST_F(NewGame_Wizard, BookPicturesAreDrawnFromTheGenerator)
{
    Set_Random_Seed(1234);
    Randomize_Book_Heights();
    int16_t first[NEWGAME_BOOK_SLOTS];
    memcpy(first, TBL_Bookshelf_Books, sizeof first);
    for (int i = 0; i < NEWGAME_BOOK_SLOTS; i++) {
        for (const int16_t *table : {TBL_Bookshelf_Books, TBL_Realm0_Books, TBL_Realm1_Books, TBL_Realm2_Books,
                                     TBL_Realm3_Books, TBL_Realm4_Books}) {
            EXPECT_GE(table[i], 0);
            EXPECT_LE(table[i], 2);
        }
    }
    Set_Random_Seed(1234);
    Randomize_Book_Heights();
    EXPECT_EQ(memcmp(first, TBL_Bookshelf_Books, sizeof first), 0);
}

}  // namespace
