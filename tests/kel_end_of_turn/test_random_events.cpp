// Random events: when one happens, who is struck, what each does, and the composed messages.
#include "End_Of_Turn_Fixture.h"
#include "LBX_Load.h"
#include "Standin_Data.h"
#include "turn/Random_Events.h"
#include "turn/Turn_Services.h"
#include "world/Events_Record.h"

namespace {

std::vector<Event_Announcement> g_announced;

void Record_Announcement(const Event_Announcement &announcement) { g_announced.push_back(announcement); }

class EndOfTurn_Events : public End_Of_Turn_Test {
protected:
    void SetUp() override
    {
        End_Of_Turn_Test::SetUp();
        g_announced.clear();
        Turn_Services services = {};
        services.announce_event = Record_Announcement;
        Turn_Set_Services(services);
        _event_delay_count = 5;
        _difficulty = 4;
        _turn = 600;
        events_table->words[ev_Last_Event_Turn] = 50;
        _num_players = 2;
        for (int p = 0; p < 2; p++) {
            _FORTRESSES[p].active = 1;
            _players[p].Astr_Magic_Power = 100;
        }
    }
    void TearDown() override
    {
        Turn_Set_Services({});
        End_Of_Turn_Test::TearDown();
    }
    static int16_t &W(int word) { return events_table->words[word]; }
    // Every event but the given ones never chosen.
    static void Only_Events(std::initializer_list<int> allowed)
    {
        for (int e = 1; e <= 18; e++) {
            bool keep = false;
            for (int a : allowed) keep = keep || a == e;
            if (!keep) W(State_Word(e)) = 3;
        }
    }
    static int State_Word(int event)
    {
        static const int words[19] = {0, 1, 4, 7, 8, 12, 15, 18, 22, 25, 28, 31, 34, 38, 40, 42, 44, 46, 48};
        return words[event];
    }
    // A seed whose first event draw is the wanted event.
    static void Seed_For_First_Event(int event)
    {
        for (uint32_t seed = 1; seed < 100000; seed++) {
            Set_Random_Seed(seed);
            if (Peek_Draws({512, 18})[1] == event) return;
        }
        FAIL() << "no seed draws event " << event;
    }
};

TEST_F(EndOfTurn_Events, ChanceFollowsTheGapAndTheDelay)
{
    // The last event this very turn: a chance of 0, one draw and nothing else.
    W(ev_Last_Event_Turn) = _turn;
    std::vector<int> draws = Peek_Draws({512, 512});
    Determine_Event();
    EXPECT_EQ(Random(512), draws[1]);
    for (int e = 1; e <= 18; e++) EXPECT_EQ(W(State_Word(e)), 0);

    // Within five turns of an event the delay counter holds the chance at 0 whatever the gap.
    W(ev_Last_Event_Turn) = -1000;
    _event_delay_count = 0;
    for (int k = 0; k < 5; k++) Determine_Event();
    EXPECT_EQ(_event_delay_count, 5);
    for (int e = 1; e <= 18; e++) EXPECT_EQ(W(State_Word(e)), 0);
    EXPECT_EQ(W(ev_Last_Event_Turn), -1000);
}

TEST_F(EndOfTurn_Events, RefusedTriesSkipTheirLaterDrawsAndLeaveNoTrace)
{
    Only_Events({});
    // Each try draws the event and the victim; a disabled event is refused before any further draw.
    std::vector<int> draws = Peek_Draws({512, 18, 200, 18, 200, 18, 200, 18, 200, 18, 200, 7});
    Determine_Event();
    EXPECT_EQ(Random(7), draws[11]);
    EXPECT_EQ(W(ev_Last_Event_Turn), 50);
}

TEST_F(EndOfTurn_Events, GoldLossTakesThirtyToFiftyPercentInTens)
{
    Only_Events({6});
    _players[0].gold_reserve = 1234;
    _players[1].gold_reserve = 1234;
    Seed_For_First_Event(6);
    std::vector<int> draws = Peek_Draws({512, 18, 200, 21});
    int victim = draws[2] <= 100 ? 0 : 1;
    Determine_Event();
    EXPECT_EQ(W(15), 1);
    EXPECT_EQ(W(16), victim);
    EXPECT_EQ(W(17), 1234 * (draws[3] + 29) / 100 / 10 * 10);
    EXPECT_EQ(W(ev_Last_Event_Turn), _turn);
    EXPECT_EQ(_event_delay_count, 0);

    Event_Twiddle();
    EXPECT_EQ(W(15), 0);
    EXPECT_EQ(_players[victim].gold_reserve, 1234 - W(17));
    ASSERT_EQ(g_announced.size(), 1u);
    EXPECT_EQ(g_announced[0].data_value, W(17));
    EXPECT_EQ(g_announced[0].message_type, victim == 0 ? 0 : 4);

    // A loss larger than the treasury leaves 0.
    W(15) = 1;
    W(17) = 5000;
    Event_Twiddle();
    EXPECT_EQ(_players[victim].gold_reserve, 0);
}

TEST_F(EndOfTurn_Events, PoorVictimRefusesGoldLoss)
{
    Only_Events({6});
    _players[0].gold_reserve = 99;
    _players[1].gold_reserve = 99;
    Seed_For_First_Event(6);
    Determine_Event();
    EXPECT_EQ(W(15), 0);
}

TEST_F(EndOfTurn_Events, OnlyOneWorldWideEventLastsAtATime)
{
    Only_Events({15});
    W(State_Word(13)) = 2;
    Seed_For_First_Event(15);
    Determine_Event();
    EXPECT_EQ(W(State_Word(15)), 0);

    W(State_Word(13)) = 0;
    Seed_For_First_Event(15);
    Determine_Event();
    EXPECT_EQ(W(State_Word(15)), 1);
    Event_Twiddle();
    EXPECT_EQ(W(State_Word(15)), 2);
    ASSERT_EQ(g_announced.size(), 1u);
    EXPECT_EQ(g_announced[0].player_idx, EVENT_WORLD_WIDE);
    EXPECT_EQ(g_announced[0].message_type, emt_World);
}

TEST_F(EndOfTurn_Events, WorldWideEventEndsByChanceAfterThreeTurns)
{
    W(State_Word(16)) = 2;
    W(State_Word(16) + 1) = 3;
    Event_Twiddle();
    EXPECT_EQ(W(State_Word(16)), 2) << "not more than 3 turns yet";
    EXPECT_EQ(W(State_Word(16) + 1), 4);
    W(State_Word(16) + 1) = 30;  // any draw of 1..20 is at most 28
    Event_Twiddle();
    EXPECT_EQ(W(State_Word(16)), 0);
    ASSERT_EQ(g_announced.size(), 1u);
    EXPECT_EQ(g_announced[0].message_type, emt_Ended);
}

TEST_F(EndOfTurn_Events, GoodEventsFavourTheWeak)
{
    _players[0].Astr_Magic_Power = 600;
    _players[1].Astr_Magic_Power = 100;
    for (uint32_t seed = 1; seed <= 50; seed++) {
        Set_Random_Seed(seed);
        EXPECT_EQ(Get_Event_Victim(1), 1);
    }
    _players[1].Astr_Magic_Power = 700;
    EXPECT_EQ(Get_Event_Victim(1), -1) << "all weights 0";
    int first = 0;
    for (uint32_t seed = 1; seed <= 400; seed++) {
        Set_Random_Seed(seed);
        first += Get_Event_Victim(0) == 0;
    }
    EXPECT_GT(first, 120) << "bad events by power: 600 against 700";
    EXPECT_LT(first, 250);
}

TEST_F(EndOfTurn_Events, PlagueNeverTakesACityBelowTwo)
{
    int16_t city = Add_City(1, 5, 5, 2);
    W(18) = 2;
    W(19) = 1;
    W(20) = city;
    W(21) = 0;
    for (int k = 0; k < 3; k++) Event_Twiddle();
    EXPECT_EQ(_CITIES[city].population, 2);

    _CITIES[city].population = 1;
    W(18) = 2;
    Event_Twiddle();
    EXPECT_EQ(_CITIES[city].population, 1) << "a plague never raises a population";
    EXPECT_EQ(W(18), 0);

    // A big city loses a point when the draw of 1..10 is below its population.
    _CITIES[city].population = 12;
    W(18) = 1;
    Event_Twiddle();
    EXPECT_EQ(_CITIES[city].population, 11);
    EXPECT_EQ(W(18), 2);
}

TEST_F(EndOfTurn_Events, StoredIndicesOutOfRangeEndTheEventQuietly)
{
    W(1) = 1;
    W(2) = 0;
    W(3) = 57;  // no such city
    W(25) = 1;
    W(26) = 9;  // no such player
    W(27) = 300;
    W(34) = 2;
    W(35) = -3;
    W(36) = 0;
    Event_Twiddle();
    EXPECT_EQ(W(1), 0);
    EXPECT_EQ(W(25), 0);
    EXPECT_EQ(W(34), 0);
    EXPECT_TRUE(g_announced.empty());
}

TEST_F(EndOfTurn_Events, NeutralCityJoinsWithItsGarrison)
{
    int16_t city = Add_City(NEUTRAL_PLAYER_IDX, 7, 7, 5);
    _CITIES[city].construction = 140;
    _CITIES[city].Prod_Accu = 33;
    int16_t guard = Add_Unit(NEUTRAL_PLAYER_IDX, 40, 7, 7);
    W(8) = 1;
    W(9) = 1;
    W(10) = city;
    Event_Twiddle();
    EXPECT_EQ(_CITIES[city].owner_idx, 1);
    EXPECT_EQ(_UNITS[guard].owner_idx, 1);
    EXPECT_EQ(_CITIES[city].construction, 1);
    EXPECT_EQ(_CITIES[city].Prod_Accu, 0);
    EXPECT_EQ(W(8), 0);
}

TEST_F(EndOfTurn_Events, RebellionTurnsTheCityAndItsSoldiersNeutral)
{
    int16_t city = Add_City(1, 7, 7, 5);
    _unit_type_table[40].race = 2;
    _unit_type_table[180].race = 16;
    int16_t soldier = Add_Unit(1, 40, 7, 7);
    int16_t creature = Add_Unit(1, 180, 7, 7);
    W(22) = 1;
    W(23) = 1;
    W(24) = city;
    Event_Twiddle();
    EXPECT_EQ(_CITIES[city].owner_idx, NEUTRAL_PLAYER_IDX);
    EXPECT_EQ(_UNITS[soldier].owner_idx, NEUTRAL_PLAYER_IDX);
    EXPECT_NE(_UNITS[creature].owner_idx, 1) << "the creature is dismissed";
}

TEST_F(EndOfTurn_Events, PickRandomCityLooksRoundFromARandomStart)
{
    EXPECT_EQ(Pick_Random_City(0), -1) << "no cities";
    Add_City(1, 1, 1);
    int16_t mine = Add_City(0, 2, 2);
    Add_City(1, 3, 3);
    for (uint32_t seed = 1; seed <= 10; seed++) {
        Set_Random_Seed(seed);
        EXPECT_EQ(Pick_Random_City(0), mine);
    }
    EXPECT_EQ(Pick_Random_City(2), -1);
}

TEST_F(EndOfTurn_Events, MessageCodesAreReplacedAndTheTextStaysBounded)
{
    int16_t city = Add_City(0, 5, 5, 9);
    snprintf(_players[1].name, sizeof(_players[1].name), "Merla");
    Event_Announcement a{1, 1, city, 4, 350, 1, 3, 0};
    uint8_t record[200] = {};
    const uint8_t codes[] = {0x8C, ':', ' ',  0x80, '(', 0x8B, ')', ' ', 0x91, ' ', 'b',  0x94,
                             ',',  ' ', 0x90, ',',  ' ', 0x8F, ' ', 'u', 0x93, ' ', 0x83, '.'};
    memcpy(record, codes, sizeof(codes));
    char text[EVENT_MESSAGE_SIZE];
    Get_Event_Message(a, record, text);
    EXPECT_STREQ(text, "Merla: Town0(Town) 1 b, 3 thousand, no us 350.");

    a.data_value = 2;
    const uint8_t ore[] = {'a', 0x89, 0};
    memcpy(record, ore, sizeof(ore));
    Get_Event_Message(a, record, text);
    EXPECT_STREQ(text, "a coal");

    memset(record, 0x90, sizeof(record));
    a.lost_population = 30000;
    Get_Event_Message(a, record, text);
    EXPECT_EQ(strlen(text), (size_t)EVENT_MESSAGE_SIZE - 1);
}

TEST_F(EndOfTurn_Events, CityStrikeOnACityThatChangedHandsIsDropped)
{
    int16_t city = Add_City(1, 5, 5, 6);
    W(1) = 1;
    W(2) = 0;  // the human was chosen, but the city is the other wizard's now
    W(3) = city;
    Event_Twiddle();
    EXPECT_EQ(W(1), 0);
    EXPECT_TRUE(g_announced.empty());

    W(1) = 1;
    W(2) = 1;
    Event_Twiddle();
    ASSERT_EQ(g_announced.size(), 1u);
    EXPECT_EQ(g_announced[0].city_idx, city);
    EXPECT_EQ(g_announced[0].message_type, emt_Other_Wizard);
}

// A rebellion needs a city away from the fortress, with no hero and mostly soldiers of a people.
TEST_F(EndOfTurn_Events, RebellionIsRefusedWhereAHeroStands)
{
    Only_Events({8});
    _FORTRESSES[0].active = 0;
    int16_t city = Add_City(1, 9, 9, 6);
    _FORTRESSES[1].wx = 30;
    _FORTRESSES[1].wy = 30;
    _unit_type_table[40].race = 2;
    Add_Unit(1, 40, 9, 9);
    int16_t hero = Add_Hero(1, 3, 0, 0, 0, 9, 9);
    Seed_For_First_Event(8);
    Determine_Event();
    EXPECT_EQ(W(22), 0);

    _UNITS[hero].wx = 20;
    Seed_For_First_Event(8);
    Determine_Event();
    EXPECT_EQ(W(22), 1);
    EXPECT_EQ(W(23), 1);
    EXPECT_EQ(W(24), city);
}

// The stand-in messages: every event the human can meet has its text, with the values it names.
TEST_F(EndOfTurn_Events, StandinMessagesNameWhatEachEventNeeds)
{
    Test_Search_Standin_Data();
    int16_t city = Add_City(0, 5, 5, 9);
    snprintf(_players[1].name, sizeof(_players[1].name), "Merla");
    struct Case {
        int16_t event, type;
        const char *must_hold;
    };
    const Case cases[] = {{1, 0, "Town0"}, {1, 4, "Merla"}, {4, 0, "Town0"},  {6, 0, "250"},   {7, 1, "Town0"},
                          {9, 4, "250"},   {10, 0, "coal"}, {12, 1, "Town0"}, {3, 3, "every"}, {13, 3, "moon"},
                          {18, 1, "mana"}, {5, 0, "no"},    {11, 4, "A coal"}};
    for (const Case &c : cases) {
        uint8_t record[EVENTMSG_RECORD_SIZE];
        LBX_Load_Data_Static("EVENTMSG", 0, record, (int16_t)((c.event - 1) * EVENTMSG_TYPES + c.type), 1,
                             EVENTMSG_RECORD_SIZE);
        int16_t value = c.event == 10 || c.event == 11 ? 2 : 250;
        Event_Announcement a{c.event, 1, city, c.type, value, 0, 0, 0};
        char text[EVENT_MESSAGE_SIZE];
        Get_Event_Message(a, record, text);
        EXPECT_NE(strstr(text, c.must_hold), nullptr) << c.event << "/" << c.type << ": " << text;
    }
    STU_GRAF_Reset();
}

}  // namespace
