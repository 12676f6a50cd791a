// The audience with a wizard: the greeting by patience and mood, the log line and the loop of each
// mode, the responses to the human, the eyes by the clamped relation, the portrait by mood group,
// and the world records left as they were.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "Fields.h"
#include "Fonts.h"
#include "Help.h"
#include "Input.h"
#include "Log_Capture.h"
#include "Mouse.h"
#include "Poll_Script.h"
#include "Screen_Fixture.h"
#include "Standin_Data.h"
#include "Test_Engine.h"
#include "Video.h"
#include "World_Fixture.h"
#include "random.h"
#include "sdl2_Audio.h"
#include "sdl2_PFL.h"
#include "shell/Screen_Control.h"
#include "turn/Diplomacy_Tables.h"
#include "turn/Diplomatic_Statements.h"
#include "turn/Proposals_Answers.h"
#include "turn/Relations.h"
#include "turn/Turn_Services.h"
#include "turn/screens/Diplomacy_Screen.h"
#include "turn/screens/Turn_Screen_Services.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Player_Record.h"

namespace {

constexpr int16_t W = 1;  // the wizard on screen

// Stand-in picture colours and where the screen puts them.
constexpr uint8_t HALL = 20;       // the background behind the portrait
constexpr uint8_t FACE = 213;      // every portrait's face
constexpr uint8_t MOUTH_OPEN = 1;  // the talking portrait's even frames
const uint8_t mood_marks[3] = {70, 80, 90};
constexpr int FACE_X = 107 + 58, FACE_Y = 13 + 40;
constexpr int MOUTH_X = 107 + 58, MOUTH_Y = 13 + 70;
constexpr int MARK_X = 107 + 105, MARK_Y = 13 + 97;
constexpr int LEFT_EYE_X = 64 + 10, RIGHT_EYE_X = 233 + 10, EYE_Y = 58 + 10;  // below the band's number

// The human's menus answered without the list picker: the first line of each menu offered is kept,
// and the answer is always the last line (Good Bye, Reject, Forget It).
std::vector<std::string> &Menus_Offered()
{
    static std::vector<std::string> menus;
    return menus;
}
int16_t Pick_Last_Line(const Diplomacy_Menu &menu)
{
    Menus_Offered().push_back(menu.lines[0]);
    return static_cast<int16_t>(menu.count - 1);
}

uint8_t Pixel(int x, int y) { return current_video_page[y * SCREEN_WIDTH + x]; }

class Diplomacy_Screen : public Screen_Test {
protected:
    void SetUp() override
    {
        Screen_Test::SetUp();
        quit_game_flag = 0;
        g_headless_unattended = 0;
        _num_players = 3;
        _turn = 30;
        std::strcpy(_players[0].name, "Merla");
        std::strcpy(_players[1].name, "Dravo");
        std::strcpy(_players[2].name, "Sayre");
        for (int p = 0; p < 3; ++p) {
            _players[p].wizard_id = (uint8_t)(p + 2);
            _players[p].Personality = pt_Lawful;
            for (int j = 0; j < 3; ++j) {
                if (j == p) continue;
                _players[p].Dipl_Contacted[j] = 1;
                _players[p].Dipl_Treaty_Patience[j] = 50;
                _players[p].Dipl_Exchange_Patience[j] = 50;
                _players[p].Dipl_Peace_Patience[j] = 50;
            }
        }
        Diplomacy_Set_Wizard_On_Screen(W);
        Turn_Install_Screen_Services();
        Turn_Services services = turn_services;
        services.diplomacy_pick = Pick_Last_Line;
        Turn_Set_Services(services);
        Menus_Offered().clear();
        Set_Random_Seed(0x2468ACE);
    }
    void TearDown() override
    {
        Platform_Register_Frame_Callback(nullptr);
        Turn_Set_Services({});
        Script() = Poll_Script{};
        Platform_Set_Synthetic_Mouse_Button(0);
        Platform_Keyboard_Buffer_Clear();
        quit_game_flag = 0;
        World_Test::TearDown();
    }

    static void Then(std::function<void()> step) { Script().steps.push_back(std::move(step)); }
    // A cancel (input -1): Escape where the game allows cancelling.
    static void Escape(void)
    {
        Then([] {
            mouse_cancel_disabled = 0;
            Platform_Keyboard_Buffer_Add_Key_Press(KEY_ESCAPE, 0, 0);
        });
        Then([] {});
    }
    static void Click_At(int16_t x, int16_t y)
    {
        Then([x, y] {
            Set_Pointer_Position(x, y);
            Platform_Set_Synthetic_Mouse_Button(1);
            int wx = 0, wy = 0;
            Platform_Game_To_Window(x, y, &wx, &wy);
            User_Mouse_Handler(1, (int16_t)wx, (int16_t)wy);
        });
        Then([] {});
        Then([] { Platform_Set_Synthetic_Mouse_Button(0); });
        Then([] {});
    }
    static void Set_Relation(int relation)
    {
        _players[0].Dipl_Relation[W] = (int8_t)relation;
        _players[W].Dipl_Relation[0] = (int8_t)relation;
    }
    static void Set_Patience(int16_t treaty, int16_t exchange, int16_t peace)
    {
        _players[0].Dipl_Treaty_Patience[W] = treaty;
        _players[0].Dipl_Exchange_Patience[W] = exchange;
        _players[0].Dipl_Peace_Patience[W] = peace;
    }
    // A seed whose first draw of 1..4 is (or is not) 1.
    static uint32_t Seed_With_First_Quarter(bool one)
    {
        for (uint32_t seed = 1;; ++seed) {
            Set_Random_Seed(seed);
            if ((Random(4) == 1) == one) return seed;
        }
    }
};

TEST_F(Diplomacy_Screen, GreetingFollowsPatienceGoodwillPersonalityAndRelation)
{
    struct Case {
        const char *name;
        int16_t lowest;  // the lowest of three patience counters
        int8_t goodwill;
        int16_t personality;
        int relation;
        int16_t mode;
        int16_t statement;
    } cases[] = {
        {"fair", 0, 0, pt_Maniacal, 0, dm_Greeting_Menu, do_Greeting_Fair},
        {"poor mood at -50", 0, 0, pt_Maniacal, -50, dm_Greeting_Menu, do_Greeting_Poor},
        {"fair at -49", 0, 0, pt_Maniacal, -49, dm_Greeting_Menu, do_Greeting_Fair},
        {"personality lifts it", -60, 0, pt_Peaceful, -39, dm_Greeting_Menu, do_Greeting_Fair},
        {"exhausted at -100", -100, 0, pt_Maniacal, 100, dm_Refuse_Talk, do_Refuse_Talk},
        {"goodwill lifts it", -100, 1, pt_Maniacal, 100, dm_Greeting_Menu, do_Greeting_Fair},
        {"goodwill sinks it", -95, -5, pt_Maniacal, 0, dm_Refuse_Talk, do_Refuse_Talk},
        {"a ruthless wizard listens", -100, 0, pt_Ruthless, 0, dm_Greeting_Menu, do_Greeting_Poor},
    };
    for (const Case &c : cases) {
        for (int which = 0; which < 3; ++which) {
            Set_Patience(which == 0 ? c.lowest : 120, which == 1 ? c.lowest : 120, which == 2 ? c.lowest : 120);
            _players[0].Dipl_Goodwill[W] = c.goodwill;
            _players[W].Personality = c.personality;
            Set_Relation(c.relation);
            m_IDK_diplomatic_flag = -1;
            m_IDK_diplomatic_order = -1;
            Diplomacy_Choose_Greeting();
            EXPECT_EQ(m_IDK_diplomatic_flag, c.mode) << c.name << ", lowest counter " << which;
            EXPECT_EQ(m_IDK_diplomatic_order, c.statement) << c.name << ", lowest counter " << which;
        }
    }
}

TEST_F(Diplomacy_Screen, EachModeLogsItsStatementAndEndsAsItShould)
{
    struct Case {
        const char *name;
        bool npc;
        uint8_t order;
        int16_t lowest_patience;
        std::function<void()> input;
        int16_t mode;
        int16_t shown;
        int16_t logged;
        const char *menu;  // the first line of the menu the human was offered, if any
    } cases[] = {
        {"a complaint from the magic screen, one click", false, do_Border_Warning, 50, [] { Click_At(160, 100); },
         dm_Statement, do_Border_Warning, do_Border_Warning, nullptr},
        {"a greeting, then the menu", false, 0, 50, [] { Click_At(200, 150); }, dm_Greeting_Menu, do_Greeting_Fair,
         do_Greeting_Fair, "[ Propose Treaty"},
        {"a greeting, dismissed", false, 0, 50, [] { Escape(); }, dm_Greeting_Menu, do_Greeting_Fair, do_Greeting_Fair,
         nullptr},
        {"a refusal, clicked away", false, 0, -200, [] { Click_At(10, 190); }, dm_Refuse_Talk, do_Refuse_Talk,
         do_Refuse_Talk, nullptr},
        {"a refusal, dismissed", true, 0, -200, [] { Escape(); }, dm_Refuse_Talk, do_Refuse_Talk, do_Refuse_Talk,
         nullptr},
        {"a first greeting at the end of turn", true, 18, 50, [] { Click_At(160, 100); }, dm_Statement, 18, 18,
         nullptr},
        {"a proposal waits for the answer", true, do_Propose_Alliance, 50, [] { Click_At(300, 20); }, dm_Proposal,
         do_Greeting_Fair, do_Propose_Alliance, "[ Accept"},
        {"a proposal dismissed is still answered", true, do_Propose_Pact, 50, [] { Escape(); }, dm_Proposal,
         do_Greeting_Fair, do_Propose_Pact, "[ Accept"},
    };
    for (const Case &c : cases) {
        Script() = Poll_Script{};
        Enable_Cancel();
        Set_Patience(c.lowest_patience, 50, 50);
        _players[0].Dipl_Pending_Order[W] = c.order;
        _players[0].Dipl_Ally_Enemy[W] = 2;
        // The world turn opens the computer's audience; the player opens his from the magic screen.
        current_screen = c.npc ? scr_Next_Turn : scr_Diplomacy_Screen;
        int16_t mode = -1, shown = -1;
        Then([&] {
            mode = m_IDK_diplomatic_flag;
            shown = m_IDK_diplomatic_order;
        });
        c.input();
        Log_Capture log;
        if (c.npc) {
            Npc_Diplomacy_Screen();
        } else {
            Diplomacy_Screen__WIP();
        }
        std::string text = log.Finish();
        EXPECT_FALSE(Script().ran_out) << c.name;
        EXPECT_EQ(mode, c.mode) << c.name;
        EXPECT_EQ(shown, c.shown) << c.name;
        std::string line = "[DIPLOMACY] audience with player 1: statement " + std::to_string(c.logged) + "\n";
        EXPECT_NE(text.find(line), std::string::npos) << c.name << "\n" << text;
        EXPECT_EQ(current_screen, c.npc ? scr_Next_Turn : scr_Magic_Screen) << c.name;
        if (c.menu != nullptr) {
            EXPECT_EQ(Menus_Offered(), std::vector<std::string>{c.menu}) << c.name;
        } else {
            EXPECT_TRUE(Menus_Offered().empty()) << c.name;
        }
        Menus_Offered().clear();
        if (c.mode == dm_Proposal) {
            EXPECT_EQ(m_IDK_old_diplomatic_order, c.order) << c.name;
            EXPECT_EQ(Diplomacy_Break_Treaty_Player(), 2) << c.name;
        }
    }
}

TEST_F(Diplomacy_Screen, ARefusingWizardArrivesWithoutPortraitAndNobodyElseIsReceived)
{
    Set_Patience(-200, -200, -200);
    uint8_t face = 0;
    Then([&] {
        Diplomacy_Screen_Draw();
        face = Pixel(FACE_X, FACE_Y);
    });
    Escape();
    Diplomacy_Screen__WIP();
    EXPECT_FALSE(Script().ran_out);
    EXPECT_EQ(face, HALL);

    // Neither the human nor a player beyond the game's wizards holds an audience.
    for (int16_t w : {0, 3, 6, -1}) {
        Script() = Poll_Script{};
        Diplomacy_Set_Wizard_On_Screen(w);
        Log_Capture log;
        current_screen = scr_Diplomacy_Screen;
        Diplomacy_Screen__WIP();
        Npc_Diplomacy_Screen();
        std::string text = log.Finish();
        EXPECT_EQ(current_screen, scr_Magic_Screen) << w;
        EXPECT_EQ(text.find("audience with"), std::string::npos) << w;
        EXPECT_EQ(Script().polls, 0) << w;
    }
}

TEST_F(Diplomacy_Screen, TheWizardArrivesInTheMirrorUnlessItRefusesToTalk)
{
    // The arrival is a disc of the wizard's colour over the middle of the mirror.
    const uint8_t wizard_colour = static_cast<uint8_t>(16 + 15 * _players[W].wizard_id);
    struct Case {
        const char *name;
        uint8_t order;
        int16_t patience;
        bool arrives;
    } cases[] = {
        {"a complaint", do_Border_Warning, 50, true},
        {"a greeting", 0, 50, true},
        {"a refusal", 0, -200, false},
    };
    for (const Case &c : cases) {
        Script() = Poll_Script{};
        _players[0].Dipl_Pending_Order[W] = c.order;
        Set_Patience(c.patience, c.patience, c.patience);
        bool arrived = false;
        for (int k = 0; k < 6; ++k) {
            Then([&] { arrived = arrived || draw_page[FACE_Y * SCREEN_WIDTH + FACE_X] == wizard_colour; });
        }
        Escape();
        Npc_Diplomacy_Screen();
        EXPECT_FALSE(Script().ran_out) << c.name;
        EXPECT_EQ(arrived, c.arrives) << c.name;
    }
}

TEST_F(Diplomacy_Screen, OpeningKeepsEveryTreatyPatienceWithinItsRange)
{
    _players[0].Dipl_Pending_Order[W] = do_Border_Warning;
    _players[0].Dipl_Treaty_Patience[W] = 500;
    _players[2].Dipl_Treaty_Patience[1] = -300;
    _players[1].Dipl_Treaty_Patience[2] = 120;
    _players[1].Dipl_Treaty_Patience[1] = 900;  // a wizard's entry toward itself is not a patience
    Click_At(160, 100);
    Npc_Diplomacy_Screen();
    EXPECT_FALSE(Script().ran_out);
    EXPECT_EQ(_players[0].Dipl_Treaty_Patience[W], 120);
    EXPECT_EQ(_players[2].Dipl_Treaty_Patience[1], -200);
    EXPECT_EQ(_players[1].Dipl_Treaty_Patience[2], 120);
    EXPECT_EQ(_players[1].Dipl_Treaty_Patience[1], 900);
}

TEST_F(Diplomacy_Screen, ResponsesRefuseRecallBrokenTreatiesOrThankForTribute)
{
    struct Case {
        const char *name;
        int16_t statement;
        int16_t tier;
        uint8_t broken;
        int16_t tribute;
        int first_quarter;  // 1: the first draw of 1..4 is 1; 0: it is not; -1: not drawn on
        int16_t shown;
        uint8_t broken_after;
        int16_t tribute_after;
    } cases[] = {
        {"an answer to a proposal is shown as given", 52, 0, 1, 12, -1, 52, 1, 12},
        {"a plain refusal", do_Treaty_Broken, 0, 0, 0, -1, do_Refusal, 0, 0},
        {"a refusal recalls the broken treaty", do_Treaty_Broken, 1, 2, 0, 1, do_Refusal_Broken_Treaty, 0, 0},
        {"a refusal that forgets it this time", do_Treaty_Broken, 2, 2, 0, 0, do_Refusal, 2, 0},
        {"thanks for a tributed spell", do_Border_Warning, 3, 1, 12, 1, do_Propose_Pact, 1, 0},
        {"no thanks on another draw", do_Border_Warning, 3, 0, 12, 0, do_Border_Warning, 0, 12},
        {"no thanks without a tribute", do_Border_Warning, 3, 0, 0, 1, do_Border_Warning, 0, 0},
    };
    for (const Case &c : cases) {
        Script() = Poll_Script{};
        _players[0].Dipl_Broken_Treaty[W] = c.broken;
        _players[0].Dipl_Tribute_Spell[W] = c.tribute;
        Spell_Index = 0;
        uint32_t seed = c.first_quarter < 0 ? 99u : Seed_With_First_Quarter(c.first_quarter == 1);
        Set_Random_Seed(seed);
        Click_At(160, 100);
        Diplomacy_Display_Response(c.statement, c.tier);
        EXPECT_FALSE(Script().ran_out) << c.name;
        EXPECT_EQ(m_IDK_diplomatic_order, c.shown) << c.name;
        EXPECT_EQ(_players[0].Dipl_Broken_Treaty[W], c.broken_after) << c.name;
        EXPECT_EQ(_players[0].Dipl_Tribute_Spell[W], c.tribute_after) << c.name;
        if (c.shown == do_Propose_Pact) {
            EXPECT_EQ(Spell_Index, c.tribute) << c.name;
        }
    }
}

TEST_F(Diplomacy_Screen, EyesShowTheBandOfTheClampedRelation)
{
    struct Case {
        int relation;
        int16_t band;
    } cases[] = {{-128, 0}, {-100, 0}, {-81, 0}, {-80, 1}, {-1, 4}, {0, 5}, {99, 9}, {100, 10}, {127, 10}};
    for (const Case &c : cases) {
        Set_Relation(c.relation);
        EXPECT_EQ(Diplomacy_Eyes_Band(), c.band) << c.relation;
    }

    // On screen: the stand-in eyes are red for hatred and green for harmony, on both sides.
    struct Shown {
        int relation;
        uint8_t colour;
    } shown[] = {{-128, 32}, {127, 50}, {0, 8}};
    for (const Shown &s : shown) {
        Script() = Poll_Script{};
        Set_Relation(s.relation);
        _players[0].Dipl_Pending_Order[W] = do_Border_Warning;
        uint8_t left = 0, right = 0;
        Then([&] {
            Diplomacy_Response_Draw();
            left = Pixel(LEFT_EYE_X, EYE_Y);
            right = Pixel(RIGHT_EYE_X, EYE_Y);
        });
        Click_At(160, 100);
        Npc_Diplomacy_Screen();
        EXPECT_FALSE(Script().ran_out) << s.relation;
        EXPECT_EQ(left, s.colour) << s.relation;
        EXPECT_EQ(right, s.colour) << s.relation;
    }
}

TEST_F(Diplomacy_Screen, PortraitTalksThenFallsSilentByMoodGroup)
{
    struct Seen {
        int16_t group;
        uint8_t face, mouth, mark;
    };
    auto draw = [] {
        Diplomacy_Response_Draw();
        return Seen{Diplomacy_Statement_Mood_Group(), Pixel(FACE_X, FACE_Y), Pixel(MOUTH_X, MOUTH_Y),
                    Pixel(MARK_X, MARK_Y)};
    };
    std::vector<Seen> talk_0, talk_2, still_3, still_7, none_5;
    _players[0].Dipl_Pending_Order[W] = do_Border_Warning;
    Then([&] {
        Diplomacy_Response_Draw();  // the statement's own group is set as its words are composed
        Diplomacy_Set_Statement_Mood_Group(5);
        for (int k = 0; k < 2; ++k) none_5.push_back(draw());
        Diplomacy_Set_Statement_Mood_Group(0);
        for (int k = 0; k < 26; ++k) talk_0.push_back(draw());
        Diplomacy_Set_Statement_Mood_Group(2);
        for (int k = 0; k < 27; ++k) talk_2.push_back(draw());
        Diplomacy_Set_Statement_Mood_Group(3);
        for (int k = 0; k < 2; ++k) still_3.push_back(draw());
        Diplomacy_Set_Statement_Mood_Group(7);
        for (int k = 0; k < 2; ++k) still_7.push_back(draw());
    });
    Click_At(160, 100);
    Npc_Diplomacy_Screen();
    ASSERT_FALSE(Script().ran_out);
    ASSERT_EQ(talk_0.size(), 26u);

    // Talking: the mouth opens on even frames, for 24 frames; then the calm face of mood frame 0.
    for (int k = 0; k < 24; ++k) {
        EXPECT_EQ(talk_0[k].group, 0) << k;
        EXPECT_EQ(talk_0[k].face, FACE) << k;
        EXPECT_EQ(talk_0[k].mouth, k % 2 == 0 ? MOUTH_OPEN : FACE) << k;
        EXPECT_NE(talk_0[k].mark, mood_marks[0]) << k;
    }
    for (int k = 24; k < 26; ++k) {
        EXPECT_EQ(talk_0[k].group, 3) << k;
        EXPECT_EQ(talk_0[k].mark, mood_marks[0]) << k;
        EXPECT_EQ(talk_0[k].mouth, FACE) << k;
    }
    // An angry statement talks afresh, then alternates mood frames 0 and 1.
    EXPECT_EQ(talk_2[0].mouth, MOUTH_OPEN);
    EXPECT_EQ(talk_2[23].group, 2);
    EXPECT_EQ(talk_2[24].group, 4);
    EXPECT_EQ(talk_2[24].mark, mood_marks[0]);
    EXPECT_EQ(talk_2[25].mark, mood_marks[1]);
    EXPECT_EQ(talk_2[26].mark, mood_marks[0]);
    for (const Seen &s : still_3) EXPECT_EQ(s.mark, mood_marks[0]);
    for (const Seen &s : still_7) EXPECT_EQ(s.mark, mood_marks[0]);
    for (const Seen &s : none_5) {
        EXPECT_EQ(s.group, 5);
        EXPECT_EQ(s.face, HALL);
    }
}

TEST_F(Diplomacy_Screen, MoodTunesPlayOnAChangeOfMusicAndOnlyWithBackgroundMusicOn)
{
    // The wizard's two tunes are loaded one after the other: the first lies before the second.
    struct Played {
        const uint8_t *statement, *same, *first, *first_again, *none, *second;
    };
    for (uint16_t setting : {1, 0}) {
        Script() = Poll_Script{};
        magic_set.words[GS_BACKGROUND_MUSIC] = setting;
        _players[0].Dipl_Pending_Order[W] = do_Border_Warning;  // said to the second tune
        ui_data_mus = nullptr;
        Played p{};
        for (int k = 0; k < 12; ++k) Then([] {});  // the arrival and the first words
        Then([&] {
            p.statement = ui_data_mus;
            ui_data_mus = nullptr;
            Diplomacy_Play_Mood_Music(2);
            p.same = ui_data_mus;
            Diplomacy_Play_Mood_Music(0);
            p.first = ui_data_mus;
            ui_data_mus = nullptr;
            Diplomacy_Play_Mood_Music(1);
            p.first_again = ui_data_mus;
            ui_data_mus = nullptr;
            Diplomacy_Play_Mood_Music(3);
            p.none = ui_data_mus;
            Diplomacy_Play_Mood_Music(2);
            p.second = ui_data_mus;
        });
        Click_At(160, 100);
        Npc_Diplomacy_Screen();
        EXPECT_FALSE(Script().ran_out) << setting;
        if (setting == 1) {
            ASSERT_NE(p.first, nullptr);
            EXPECT_EQ(p.statement, p.second);
            EXPECT_GT(p.second, p.first);
            EXPECT_EQ(p.same, nullptr);
            EXPECT_EQ(p.first_again, p.first);
            EXPECT_EQ(p.none, nullptr);
        } else {
            for (const uint8_t *tune : {p.statement, p.same, p.first, p.first_again, p.none, p.second})
                EXPECT_EQ(tune, nullptr);
        }
    }
}

TEST_F(Diplomacy_Screen, AnAudienceLeavesTheWorldRecordsAndWritesNoScratchFile)
{
    _players[0].Dipl_Pending_Order[W] = do_Border_Warning;
    _players[0].Dipl_Pending_City[W] = 0;
    _cities = 1;
    std::strcpy(_CITIES[0].name, "Tessa");
    std::vector<uint8_t> before = World_Image();
    Then([] {});
    Click_At(160, 100);
    Npc_Diplomacy_Screen();
    EXPECT_FALSE(Script().ran_out);
    EXPECT_NE(std::string(Diplomacy_Message()).find("Tessa"), std::string::npos) << Diplomacy_Message();
    EXPECT_TRUE(World_Image() == before);
    EXPECT_FALSE(std::filesystem::exists(User_Path("COMBAT.TMP")));
    EXPECT_FALSE(std::filesystem::exists("COMBAT.TMP"));
}

// The engine's list picker under the human's menus: a click on a line picks it, a click on a line
// that is off does nothing, and each menu comes back after its dialogue.
TEST_F(Diplomacy_Screen, TheHumansMenusTakeClicksOnTheirLines)
{
    Turn_Install_Screen_Services();
    _players[0].Dipl_Pending_Order[W] = 0;
    // A click on line n of a menu, placed as the picker lays its lines out in the menus' font.
    auto click_line = [](int n) {
        for (int settle = 0; settle < 3; ++settle) Then([] {});
        Then([n] {
            Set_Font_Style(1, 4, 3, 3);
            int16_t x = 60;
            int16_t y = static_cast<int16_t>(142 + (n + 1) * (Get_Font_Height() + Get_Font_Vertical_Spacing()) + 2);
            Set_Pointer_Position(x, y);
            Platform_Set_Synthetic_Mouse_Button(1);
            int wx = 0, wy = 0;
            Platform_Game_To_Window(x, y, &wx, &wy);
            User_Mouse_Handler(1, (int16_t)wx, (int16_t)wy);
        });
        Then([] {});
        Then([] { Platform_Set_Synthetic_Mouse_Button(0); });
        Then([] {});
    };
    Click_At(200, 150);  // the greeting opens the menu
    click_line(1);       // "[ Threaten/Break Treaty"
    click_line(0);       // "[ Break Wizard Pact": off without a pact
    click_line(3);       // "[ Forget It": ten patience drops
    click_line(4);       // "[ Good Bye"
    Diplomacy_Screen__WIP();
    EXPECT_FALSE(Script().ran_out);
    EXPECT_EQ(current_screen, scr_Magic_Screen);
    EXPECT_EQ(_players[0].Dipl_Treaty_Patience[W], 50 - 100);
    EXPECT_EQ(_players[0].Dipl_Exchange_Patience[W], 50 - 100);
    EXPECT_EQ(_players[0].Dipl_Treaty[W], tt_None);
}

}  // namespace
