#include "turn/Event_Messages.h"

#include <cstdio>
#include <cstring>

#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Input.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Palette.h"
#include "SOUND.h"
#include "Video.h"
#include "shell/Background_Music.h"
#include "shell/Main_Screen_Draw.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"

namespace {

constexpr int NUM_EVENTS = 18;
constexpr int GS_EVENT_MUSIC = 2;
constexpr int16_t MUSIC_GOOD_EVENT = 106;
constexpr int16_t MUSIC_BAD_EVENT = 114;
constexpr int16_t EVENT_GIFT = 2;
constexpr int16_t EVENT_GOOD_MOON = 13;
constexpr int16_t EVENT_BAD_MOON = 14;
constexpr int REALM_LIFE = 3;
constexpr int REALM_DEATH = 4;
constexpr int16_t EVENT_BOX_Y = 70;
constexpr int16_t EVENT_PICTURE_X = 8;
constexpr int16_t EVENT_PICTURE_Y = 8;
constexpr int PALETTE_RESET_LAST = 223;

// clang-format off
const int16_t m_event_is_good[NUM_EVENTS + 1] = {0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 0, 1, 1, 1, 1, 1, 1, 1, 0};
const char *const TBL_EVNT_OreNames[] = {"", "n iron", " coal", " silver", " gold", " gem", " mithril", "n adamantium",
                                         " quork", " crysx"};
// clang-format on
constexpr int NUM_ORE_NAMES = (int)(sizeof(TBL_EVNT_OreNames) / sizeof(TBL_EVNT_OreNames[0]));

uint8_t *m_event_pictures[NUM_EVENTS];

// Appends text while room is left, always keeping the final NUL.
struct Text_Builder {
    char *text;
    size_t used = 0;
    void Add(const char *part)
    {
        for (; *part != '\0' && used + 1 < EVENT_MESSAGE_SIZE; part++) {
            text[used++] = *part;
        }
        text[used] = '\0';
    }
    void Add_Char(char c)
    {
        char part[2] = {c, '\0'};
        Add(part);
    }
    void Add_Number(int value)
    {
        char digits[16];
        snprintf(digits, sizeof(digits), "%d", value);
        Add(digits);
    }
    void Add_Count_Or_No(int value, const char *suffix)
    {
        if (value == 0) {
            Add("no");
            return;
        }
        Add_Number(value);
        Add(suffix);
    }
};

bool City_Valid(int city_idx) { return city_idx >= 0 && city_idx < _cities && city_idx < NUM_CITIES; }

void Add_City_Name(Text_Builder &out, int city_idx)
{
    if (!City_Valid(city_idx)) {
        return;
    }
    char name[sizeof(_CITIES[0].name) + 1];
    memcpy(name, _CITIES[city_idx].name, sizeof(_CITIES[0].name));
    name[sizeof(_CITIES[0].name)] = '\0';
    out.Add(name);
}

void Add_City_Size(Text_Builder &out, int city_idx)
{
    if (City_Valid(city_idx) && _CITIES[city_idx].size < NUM_CITY_SIZES) {
        out.Add(_city_size_names[_CITIES[city_idx].size]);
    }
}

bool Event_Is_Good_For_Human(int16_t event)
{
    if (event < 1 || event > NUM_EVENTS) {
        return false;
    }
    if (event == EVENT_GOOD_MOON) {
        return _players[0].spellranks[REALM_DEATH] != 0;
    }
    if (event == EVENT_BAD_MOON) {
        return _players[0].spellranks[REALM_LIFE] != 0;
    }
    return m_event_is_good[event] != 0;
}

}  // namespace

void Get_Event_Message(const Event_Announcement &announcement, const uint8_t *record, char *text)
{
    Text_Builder out{text};
    text[0] = '\0';
    for (int k = 0; k < EVENTMSG_RECORD_SIZE && record[k] != 0; k++) {
        uint8_t code = record[k];
        switch (code) {
        case 0x80: Add_City_Name(out, announcement.city_idx); break;
        case 0x81: Add_City_Name(out, announcement.data_value); break;
        case 0x82: Add_City_Size(out, announcement.data_value); break;
        case 0x83: out.Add_Number(announcement.data_value); break;
        case 0x89:
            if (announcement.data_value >= 0 && announcement.data_value < NUM_ORE_NAMES) {
                out.Add(TBL_EVNT_OreNames[announcement.data_value]);
            }
            break;
        case 0x8A:
            if (announcement.data_value >= 0 && announcement.data_value < NUM_ITEMS && _ITEMS != nullptr) {
                char name[sizeof(_ITEMS[0].name) + 1];
                memcpy(name, _ITEMS[announcement.data_value].name, sizeof(_ITEMS[0].name));
                name[sizeof(_ITEMS[0].name)] = '\0';
                out.Add(name);
            }
            break;
        case 0x8B: Add_City_Size(out, announcement.city_idx); break;
        case 0x8C:
            if (announcement.player_idx >= 0 && announcement.player_idx < NUM_PLAYERS) {
                char name[sizeof(_players[0].name) + 1];
                memcpy(name, _players[announcement.player_idx].name, sizeof(_players[0].name));
                name[sizeof(_players[0].name)] = '\0';
                out.Add(name);
            }
            break;
        case 0x8F: out.Add_Count_Or_No(announcement.lost_units, ""); break;
        case 0x90: out.Add_Count_Or_No(announcement.lost_population, " thousand"); break;
        case 0x91: out.Add_Count_Or_No(announcement.destroyed_buildings, ""); break;
        case 0x93:
            if (announcement.lost_units != 1) {
                out.Add("s");
            }
            break;
        case 0x94:
            if (announcement.destroyed_buildings != 1) {
                out.Add("s");
            }
            break;
        default: out.Add_Char((char)code); break;
        }
    }
}

void Show_Event_Message(const Event_Announcement &announcement)
{
    int16_t event = announcement.event;
    int16_t player_idx = announcement.player_idx;
    if (event < 1 || event > NUM_EVENTS || announcement.message_type < 0 ||
        announcement.message_type >= EVENTMSG_TYPES) {
        return;
    }
    if (player_idx != EVENT_WORLD_WIDE && player_idx != 0) {
        if (player_idx < 0 || player_idx >= NUM_PLAYERS || !_players[0].Dipl_Contacted[player_idx]) {
            return;
        }
    }
    Stop_All_Sounds();
    Main_Screen_Draw();
    char text[EVENT_MESSAGE_SIZE];
    uint8_t record[EVENT_MESSAGE_SIZE] = {};
    LBX_Load_Data_Static("EVENTMSG", 0, record, (int16_t)((event - 1) * EVENTMSG_TYPES + announcement.message_type), 1,
                         EVENTMSG_RECORD_SIZE);
    Get_Event_Message(announcement, record, text);
    Clear_Fields();
    Set_Input_Delay(1);
    if (magic_set.words[GS_EVENT_MUSIC] == 1) {
        int16_t tune = Event_Is_Good_For_Human(event) ? MUSIC_GOOD_EVENT : MUSIC_BAD_EVENT;
        uint8_t *music = LBX_Reload("MUSIC", tune, SND_Music_Segment);
        Play_Sound(music, lbxload_entry_length);
    }
    if (m_event_pictures[event - 1] == nullptr) {
        m_event_pictures[event - 1] = LBX_Load_Picture("EVENTS", (int16_t)(event - 1));
    }
    Notify2(160, EVENT_BOX_Y, 0, text, 0, m_event_pictures[event - 1], EVENT_PICTURE_X, EVENT_PICTURE_Y, nullptr, 0, 0,
            0, 0);
    Set_Palette_Changes(0, PALETTE_RESET_LAST);
    Play_Background_Music();
    if (event != EVENT_GIFT) {
        Main_Screen_Draw();
        PageFlip_Dissolve();
    }
}
