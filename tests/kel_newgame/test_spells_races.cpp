// The spell pages: preselection, replacement, release and refusal, and the pages offered; the
// race screen's Myrran rule and the banner bands.
#include "Newgame_Fixture.h"
#include "newgame/Picks_Screen.h"
#include "newgame/Race_Banner_Screens.h"
#include "newgame/Spell_Picks_Screen.h"
#include "world/Wizard_Presets.h"

namespace {

using NewGame_Spells = Newgame_Test;
using NewGame_RaceBanner = Newgame_Test;

const int16_t *Realm_Slots(int realm) { return &_player_start_spells[0][realm * 13]; }

TEST_F(NewGame_Spells, TwoBooksOfferOneCommonSpellThatAClickReplaces)
{
    Human().spellranks[sbr_Nature] = 2;
    ASSERT_EQ(Newgame_Spell_Page_Begin(sbr_Nature), 1);
    int16_t count = 0;
    EXPECT_EQ(Newgame_Spell_Page_Box(0, &count), 0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(Newgame_Spell_Page_Box(1, &count), -1);
    EXPECT_EQ(Realm_Slots(sbr_Nature)[0], _default_spells[0]);
    EXPECT_EQ(Newgame_Spell_Page_Picks_Left(), 0);

    EXPECT_EQ(Newgame_Spell_Page_Click(2), 0);
    EXPECT_EQ(Realm_Slots(sbr_Nature)[0], 3) << "Nature spell offset 2";
    EXPECT_EQ(Newgame_Spell_Page_Click(2), 0);
    EXPECT_EQ(Realm_Slots(sbr_Nature)[0], 0) << "clicked again it is released";
    EXPECT_EQ(Newgame_Spell_Page_Picks_Left(), 1);
}

TEST_F(NewGame_Spells, ElevenBooksGrantTheCommonsAndOfferTheRest)
{
    Human().spellranks[sbr_Death] = 11;
    ASSERT_EQ(Newgame_Spell_Page_Begin(sbr_Death), 1);
    int16_t count = 0;
    EXPECT_EQ(Newgame_Spell_Page_Box(0, &count), 1);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(Newgame_Spell_Page_Box(1, &count), 2);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(Newgame_Spell_Page_Box(2, &count), -1);
    for (int i = 0; i < 13; i++) EXPECT_EQ(Realm_Slots(sbr_Death)[i], _default_spells[sbr_Death * 13 + i]) << i;
    EXPECT_EQ(Newgame_Spell_Page_Picks_Left(), 0);
}

TEST_F(NewGame_Spells, AFullBoxRefusesAThirdSpell)
{
    Human().spellranks[sbr_Life] = 3;
    ASSERT_EQ(Newgame_Spell_Page_Begin(sbr_Life), 1);
    int16_t first = Realm_Slots(sbr_Life)[0];
    ASSERT_NE(first, 0);
    int16_t first_offset = (int16_t)(first - (sbr_Life * 40 + 1));
    EXPECT_EQ(Newgame_Spell_Page_Click(first_offset), 0);
    EXPECT_EQ(Newgame_Spell_Page_Picks_Left(), 1);
    int16_t free_offset = 0;
    while (free_offset == first_offset || free_offset + sbr_Life * 40 + 1 == Realm_Slots(sbr_Life)[1]) free_offset++;
    EXPECT_EQ(Newgame_Spell_Page_Click(free_offset), 0);
    EXPECT_EQ(Newgame_Spell_Page_Picks_Left(), 0);
    int16_t third = 0;
    while (third == first_offset || third == free_offset || third + sbr_Life * 40 + 1 == Realm_Slots(sbr_Life)[1])
        third++;
    NEWG_PickError = 0;
    EXPECT_EQ(Newgame_Spell_Page_Click(third), 2);
    EXPECT_EQ(NEWG_PickError, 2);
}

TEST_F(NewGame_Spells, NoRealmOfTwoBooksPassesWithoutAPage)
{
    Human().spellranks[sbr_Nature] = 1;
    Human().spellranks[sbr_Chaos] = 1;
    _player_start_spells[0][0] = 6;
    EXPECT_EQ(Newgame_Screen_5(), 6);
    for (int i = 0; i < 65; i++) EXPECT_EQ(_player_start_spells[0][i], 0) << i;
}

// Pages come in the order Life, Death, Chaos, Nature, Sorcery: OK on the Life page, then Escape on
// the Chaos page goes back to the picks screen.
TEST_F(NewGame_Spells, EscapeOnALaterPageGoesBack)
{
    Human().spellranks[sbr_Life] = 2;
    Human().spellranks[sbr_Chaos] = 2;
    Then_Click(266, 188);
    Then_Key(KEY_ESCAPE);
    EXPECT_EQ(Newgame_Screen_5(), 4);
    EXPECT_EQ(Realm_Slots(sbr_Life)[0], _default_spells[sbr_Life * 13]);
    EXPECT_EQ(Realm_Slots(sbr_Chaos)[0], _default_spells[sbr_Chaos * 13]);
}

TEST_F(NewGame_RaceBanner, MyrranRacesNeedTheMyrranRetort)
{
    for (int16_t position = 0; position < NEWGAME_RACES; position++)
        EXPECT_EQ(Newgame_Race_Allowed(position), position < 9 ? 1 : 0) << position;
    Human().retorts[rtr_Myrran] = 1;
    for (int16_t position = 0; position < NEWGAME_RACES; position++) EXPECT_EQ(Newgame_Race_Allowed(position), 1);
}

TEST_F(NewGame_RaceBanner, ARefusedMyrranRaceLeavesTheNextClickToChoose)
{
    Then_Click(240, 150);  // Beastmen
    Then_Key(KEY_ENTER);   // the warning
    Then_Click(240, 41);   // Barbarian
    NEWG_Clicked_Race = -1;
    EXPECT_EQ(Newgame_Screen_6(), 7);
    EXPECT_EQ(NEWG_Clicked_Race, 0);

    Human().retorts[rtr_Myrran] = 1;
    Then_Click(240, 190);  // Troll
    EXPECT_EQ(Newgame_Screen_6(), 7);
    EXPECT_EQ(NEWG_Clicked_Race, 13);

    Then_Key(KEY_ESCAPE);
    EXPECT_EQ(Newgame_Screen_6(), -1);
}

TEST_F(NewGame_RaceBanner, BandsGiveTheirBanners)
{
    const struct {
        int16_t y;
        int16_t banner;
    } cases[] = {{30, 1}, {60, 0}, {110, 3}, {150, 2}, {190, 4}};
    for (const auto &c : cases) {
        Human().banner_id = 9;
        Then_Click(240, c.y);
        EXPECT_EQ(Newgame_Screen_7(), 99) << c.y;
        EXPECT_EQ(Human().banner_id, c.banner) << c.y;
    }
    EXPECT_EQ(Newgame_Banner_Band(20), -1);
    Then_Key(KEY_ESCAPE);
    EXPECT_EQ(Newgame_Screen_7(), 6);
}

}  // namespace
