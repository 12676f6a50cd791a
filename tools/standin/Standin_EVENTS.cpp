#include <cstring>

#include "Standin.h"
#include "Standin_Text.h"

// EVENTS.LBX entries 0 to 17: one picture per event, a box of its colour with its name.
// EVENTMSG.LBX entry 0: 126 records of 200 bytes, record (event - 1) x 7 + message type (0 the
// human struck, 1 a lasting event ended, 3 world-wide, 4 another wizard), with the code bytes the
// announcement replaces (0x80 city, 0x83 amount, 0x89 ore, 0x8A item, 0x8C wizard, 0x8F units,
// 0x90 people, 0x91 buildings, 0x93 and 0x94 plural endings).
namespace {

constexpr int NUM_EVENTS = 18;
constexpr int MESSAGE_TYPES = 7;
constexpr int RECORD_SIZE = 200;

const char *const Event_Words[NUM_EVENTS] = {"Strike", "Gift",   "Disjunct", "Joins",   "Quake",  "Loss",
                                             "Plague", "Revolt", "Gold",     "Deplete", "Ore",    "Boom",
                                             "Good M", "Bad M",  "Red C",    "Green C", "Blue C", "Short"};

#define CITY "\x80"
#define AMOUNT "\x83"
#define ORE "\x89"
#define ITEM "\x8A"
#define WIZARD "\x8C"
#define LOSSES                                                                                                         \
    " lost "                                                                                                           \
    "\x91"                                                                                                             \
    " building"                                                                                                        \
    "\x94"                                                                                                             \
    ", "                                                                                                               \
    "\x90"                                                                                                             \
    " people and "                                                                                                     \
    "\x8F"                                                                                                             \
    " unit"                                                                                                            \
    "\x93"                                                                                                             \
    "."

struct Event_Texts {
    const char *human;
    const char *other;
    const char *ended;
};

// clang-format off
const Event_Texts Texts[NUM_EVENTS] = {
    {"A bolt from the void strikes " CITY ". It" LOSSES, "A bolt from the void strikes " WIZARD "'s city " CITY ". It" LOSSES, ""},
    {"A stranger leaves you a gift: " ITEM ".", "A stranger leaves " WIZARD " a gift: " ITEM ".", ""},
    {"", "", ""},
    {"The people of " CITY " ask to join your realm.", "The people of " CITY " join " WIZARD ".", ""},
    {"The ground shakes under " CITY ". It" LOSSES, "The ground shakes under " WIZARD "'s city " CITY ". It" LOSSES, ""},
    {"Thieves empty your treasury of " AMOUNT " gold.", "Thieves take " AMOUNT " gold from " WIZARD ".", ""},
    {"Plague breaks out in " CITY ".", "Plague breaks out in " WIZARD "'s city " CITY ".", "The plague in " CITY " is over."},
    {"The people of " CITY " rise against you.", "The people of " CITY " rise against " WIZARD ".", ""},
    {"Your miners find " AMOUNT " gold.", "The miners of " WIZARD " find " AMOUNT " gold.", ""},
    {"The" ORE " near " CITY " has run out.", "The" ORE " near " WIZARD "'s city " CITY " has run out.", ""},
    {"A" ORE " vein is found near " CITY ".", "A" ORE " vein is found near " WIZARD "'s city " CITY ".", ""},
    {"Families flock to " CITY ".", "Families flock to " WIZARD "'s city " CITY ".", "The boom in " CITY " is over."},
    {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""},
};
const char *const World_Texts[NUM_EVENTS] = {
    "", "", "A wave of disjunction sweeps away every overland enchantment.", "", "", "", "", "", "", "", "", "",
    "A good moon rises: temples shine brighter.", "A bad moon rises: dark shrines gather strength.",
    "A red conjunction strengthens the chaos nodes.", "A green conjunction strengthens the nature nodes.",
    "A blue conjunction strengthens the sorcery nodes.", "The flow of mana falls short across the world.",
};
const char *const World_Ended_Texts[NUM_EVENTS] = {
    "", "", "", "", "", "", "", "", "", "", "", "",
    "The good moon has set.", "The bad moon has set.", "The red conjunction has passed.",
    "The green conjunction has passed.", "The blue conjunction has passed.", "The mana flows again.",
};
// clang-format on

void Put_Text(Bytes &records, int event, int type, const char *text)
{
    size_t length = strlen(text);
    if (length >= RECORD_SIZE) Standin_Fail("EVENTMSG: a message is longer than its record");
    size_t offset = ((size_t)event * MESSAGE_TYPES + type) * RECORD_SIZE;
    memcpy(records.data() + offset, text, length);
}

}  // namespace

void Write_EVENTS_LBX(const std::string &folder)
{
    Standin_Archive archive{"EVENTS", {}, {}};
    for (int event = 0; event < NUM_EVENTS; ++event) {
        archive.Add(Standin_Thing(60, 44, (uint8_t)(40 + event * 9), Event_Words[event]));
    }
    Standin_Write_Archive(folder, archive);
}

void Write_EVENTMSG_LBX(const std::string &folder)
{
    Standin_Archive archive{"EVENTMSG", {}, {}};
    Bytes records((size_t)NUM_EVENTS * MESSAGE_TYPES * RECORD_SIZE, 0);
    for (int event = 0; event < NUM_EVENTS; ++event) {
        Put_Text(records, event, 0, Texts[event].human);
        Put_Text(records, event, 1, event >= 12 ? World_Ended_Texts[event] : Texts[event].ended);
        Put_Text(records, event, 3, World_Texts[event]);
        Put_Text(records, event, 4, Texts[event].other);
    }
    archive.Add_Record_Table(NUM_EVENTS * MESSAGE_TYPES, RECORD_SIZE, records);
    Standin_Write_Archive(folder, archive);
}
