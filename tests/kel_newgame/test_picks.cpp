// The eleven picks: books and retorts against the budget, the six-retort limit, Life against
// Death, each retort's requirement, and the text of every refusal.
#include "Newgame_Fixture.h"
#include "newgame/Picks_Screen.h"
#include "world/Wizard_Presets.h"

namespace {

// Slider values that ask for n books.
int16_t Slider_For(int books) { return (int16_t)(books * 8); }

std::string Message(int16_t error, int16_t retort = 0)
{
    char text[200];
    Newgame_Pick_Error_Message(error, retort, text, sizeof text);
    return text;
}

class NewGame_Picks : public Newgame_Test {
protected:
    void SetUp() override
    {
        Newgame_Test::SetUp();
        Newgame_Picks_Reset();
    }
    static void Books(int16_t realm, int n) { Newgame_Slider_Books(realm, Slider_For(n), 0); }
    static int16_t Take(int16_t retort)
    {
        NEWG_PickError = NPE_NONE;
        Newgame_Retort_Click(retort);
        return NEWG_PickError;
    }
};

TEST_F(NewGame_Picks, EveryRefusalHasItsText)
{
    EXPECT_EQ(Message(NPE_PICKS_REMAIN), "You need to make all your picks before you can continue");
    EXPECT_EQ(Message(NPE_SIX_RETORTS), "You may not select more than 6 special abilities");
    EXPECT_EQ(Message(NPE_LIFE_AND_DEATH), "You can not select both Life and Death magic");
    EXPECT_EQ(Message(NPE_NO_PICKS_LEFT), "You have already made all your picks");
    EXPECT_EQ(Message(NPE_TOO_FEW_PICKS, rtr_Myrran),
              "You don't have enough picks left to make this selection. You need 3 picks");
    EXPECT_EQ(Message(NPE_TOO_FEW_PICKS, rtr_Warlord),
              "You don't have enough picks left to make this selection. You need 2 picks");
    const struct {
        int16_t retort;
        const char *text;
    } requirements[] = {
        {rtr_Chaos_Mastery, "To select Chaos Mastery you need:   4 picks in Chaos Magic"},
        {rtr_Divine_Power, "To select Divine Power you need:   4 picks in Life Magic"},
        {rtr_Node_Mastery,
         "To select Node Mastery you need:   1 pick in Chaos Magic, 1 pick in Nature Magic, 1 pick in Sorcery Magic"},
        {rtr_Sage_Master, "To select Sage Master you need:   1 pick in any 2 Realms of Magic"},
        {rtr_Archmage, "To select Archmage you need:   4 picks in any Realm of Magic"},
        {rtr_Mana_Focusing, "To select Mana Focusing you need:   4 picks in any Realm of Magic"},
        {rtr_Runemaster, "To select Runemaster you need:   2 picks in any 3 Realms of Magic"},
    };
    for (const auto &r : requirements) EXPECT_EQ(Message(NPE_REQUIREMENT, r.retort), r.text);
}

TEST_F(NewGame_Picks, ElevenBooksLeaveNoRetort)
{
    Books(sbr_Sorcery, 11);
    EXPECT_EQ(Human().spellranks[sbr_Sorcery], 11);
    EXPECT_EQ(Newgame_Picks_Left(), 0);
    for (int16_t retort = 0; retort < NUM_RETORTS; retort++) {
        EXPECT_EQ(Take(retort), NPE_NO_PICKS_LEFT) << wsa_names[retort];
        EXPECT_EQ(Human().retorts[retort], 0);
    }
}

TEST_F(NewGame_Picks, DivinePowerFitsNineLifeBooksButNotTen)
{
    Books(sbr_Life, 9);
    EXPECT_EQ(Newgame_Retort_Available(rtr_Divine_Power, Newgame_Picks_Left()), 1);
    EXPECT_EQ(Take(rtr_Divine_Power), NPE_NONE);
    EXPECT_EQ(Newgame_Picks_Left(), 0);

    Newgame_Picks_Reset();
    Books(sbr_Life, 10);
    EXPECT_EQ(Newgame_Retort_Available(rtr_Divine_Power, Newgame_Picks_Left()), 0);
    EXPECT_EQ(Take(rtr_Divine_Power), NPE_TOO_FEW_PICKS);
    EXPECT_EQ(NEWG_PickAttempt, rtr_Divine_Power);
    EXPECT_EQ(Human().retorts[rtr_Divine_Power], 0);
}

TEST_F(NewGame_Picks, LoweringBooksBelowARequirementReleasesTheRetort)
{
    Books(sbr_Chaos, 4);
    EXPECT_EQ(Take(rtr_Chaos_Mastery), NPE_NONE);
    Newgame_Release_Unallowed_Retorts();
    EXPECT_EQ(NEWG_PickError, NPE_NONE);
    Books(sbr_Chaos, 3);
    Newgame_Release_Unallowed_Retorts();
    EXPECT_EQ(Human().retorts[rtr_Chaos_Mastery], 0);
    EXPECT_EQ(NEWG_PickError, NPE_REQUIREMENT);
    EXPECT_EQ(Message(NEWG_PickError, NEWG_PickAttempt), "To select Chaos Mastery you need:   4 picks in Chaos Magic");
}

TEST_F(NewGame_Picks, MyrranNeedsThreePicks)
{
    Books(sbr_Nature, 9);
    EXPECT_EQ(Take(rtr_Myrran), NPE_TOO_FEW_PICKS);
    EXPECT_EQ(Message(NEWG_PickError, NEWG_PickAttempt),
              "You don't have enough picks left to make this selection. You need 3 picks");
    Books(sbr_Nature, 8);
    EXPECT_EQ(Take(rtr_Myrran), NPE_NONE);
    EXPECT_EQ(Newgame_Picks_Left(), 0);
    EXPECT_EQ(Take(rtr_Myrran), NPE_NONE) << "a held retort is released";
    EXPECT_EQ(Newgame_Picks_Left(), 3);
}

TEST_F(NewGame_Picks, SeventhRetortIsRefused)
{
    for (int16_t retort : {rtr_Alchemy, rtr_Artificer, rtr_Conjurer, rtr_Charismatic, rtr_Warlord, rtr_Famous})
        EXPECT_EQ(Take(retort), NPE_NONE) << wsa_names[retort];
    EXPECT_EQ(Newgame_Picks_Left(), 3);
    EXPECT_EQ(Take(rtr_Channeler), NPE_SIX_RETORTS);
    EXPECT_EQ(Human().retorts[rtr_Channeler], 0);
}

TEST_F(NewGame_Picks, SliderStopsAtTheBudgetAndRefusesOnlyWhenNothingCanBeAdded)
{
    EXPECT_EQ(Take(rtr_Myrran), NPE_NONE);
    Books(sbr_Nature, 11);
    EXPECT_EQ(Human().spellranks[sbr_Nature], 8);
    EXPECT_EQ(NEWG_PickError, NPE_NONE) << "books were added";

    Newgame_Slider_Books(sbr_Nature, Slider_For(10), 0);
    EXPECT_EQ(Human().spellranks[sbr_Nature], 8);
    EXPECT_EQ(NEWG_PickError, NPE_NO_PICKS_LEFT);
    NEWG_PickError = NPE_NONE;
    Newgame_Slider_Books(sbr_Nature, Slider_For(10), 1);
    EXPECT_EQ(NEWG_PickError, NPE_NONE) << "only the first frame of a drag refuses";

    Newgame_Slider_Books(sbr_Nature, Slider_For(5), 0);
    EXPECT_EQ(Human().spellranks[sbr_Nature], 5);
    EXPECT_EQ(Newgame_Picks_Left(), 3);
    EXPECT_EQ(NEWG_PickError, NPE_NONE);
}

TEST_F(NewGame_Picks, LifeAndDeathExcludeEachOther)
{
    Books(sbr_Life, 3);
    Books(sbr_Death, 4);
    EXPECT_EQ(Human().spellranks[sbr_Death], 0);
    EXPECT_EQ(Newgame_Picks_Left(), 8);
}

TEST_F(NewGame_Picks, AvailabilityFollowsTheBooks)
{
    Books(sbr_Chaos, 1);
    Books(sbr_Sorcery, 2);
    EXPECT_EQ(Newgame_Retort_Books_Allow(rtr_Node_Mastery), 0);
    EXPECT_EQ(Newgame_Retort_Books_Allow(rtr_Sage_Master), 1);
    Books(sbr_Nature, 2);
    EXPECT_EQ(Newgame_Retort_Books_Allow(rtr_Node_Mastery), 1);
    EXPECT_EQ(Newgame_Retort_Books_Allow(rtr_Runemaster), 0);
    Books(sbr_Chaos, 2);
    EXPECT_EQ(Newgame_Retort_Books_Allow(rtr_Runemaster), 1);
    EXPECT_EQ(Newgame_Retort_Books_Allow(rtr_Archmage), 0);
    Books(sbr_Chaos, 4);
    EXPECT_EQ(Newgame_Retort_Books_Allow(rtr_Archmage), 1);
    EXPECT_EQ(Newgame_Retort_Books_Allow(rtr_Mana_Focusing), 1);
    EXPECT_EQ(Newgame_Retort_Books_Allow(rtr_Divine_Power), 0);
}

TEST_F(NewGame_Picks, RetortLineJoinsTheNamesInRetortOrder)
{
    char line[200];
    Newgame_Retort_Line(line, sizeof line);
    EXPECT_STREQ(line, "");
    Take(rtr_Myrran);
    Newgame_Retort_Line(line, sizeof line);
    EXPECT_STREQ(line, "Myrran.");
    Take(rtr_Warlord);
    Take(rtr_Alchemy);
    Newgame_Retort_Line(line, sizeof line);
    EXPECT_STREQ(line, "Alchemy, Warlord and Myrran.");
}

// On the screen: OK greyed until the picks are made, a click on the Death slider with Life books
// refused, then OK taken.
TEST_F(NewGame_Picks, ScreenRefusesUntilEveryPickIsMade)
{
    Then_Click(266, 188);      // OK with eleven picks left
    Then_Key(KEY_ENTER);       // the warning
    Then_Click(190 + 90, 58);  // Life slider far right: eleven books
    Then_Click(230, 84);       // Death slider
    Then_Key(KEY_ENTER);       // the warning
    Then_Click(266, 188);      // OK
    EXPECT_EQ(Newgame_Screen_4(), 5);
    EXPECT_EQ(Human().spellranks[sbr_Life], 11);
    EXPECT_EQ(Human().spellranks[sbr_Death], 0);
}

TEST_F(NewGame_Picks, EscapeGoesBackAndTheScreenStartsAgainFromNothing)
{
    Human().spellranks[sbr_Nature] = 5;
    Human().retorts[rtr_Alchemy] = 1;
    Then_Key(KEY_ESCAPE);
    EXPECT_EQ(Newgame_Screen_4(), 3);
    EXPECT_EQ(Human().spellranks[sbr_Nature], 0);
    EXPECT_EQ(Human().retorts[rtr_Alchemy], 0);
}

}  // namespace
