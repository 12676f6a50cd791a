#include "turn/Random_Events.h"

#include "cities/City_Records.h"
#include "heroes/Item_Making.h"
#include "magic/City_Spell_Effects.h"
#include "random.h"
#include "turn/End_Of_Turn.h"
#include "turn/Event_Messages.h"
#include "turn/Turn_Services.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/City_Area.h"
#include "world/City_Economy.h"
#include "world/Events_Record.h"
#include "world/LOADER.h"
#include "world/Road_Connections.h"
#include "world/Terrain_Changes.h"
#include "world/Unit_Type_Record.h"

int16_t _event_delay_count = 0;

namespace {

constexpr int NUM_EVENTS = 18;
constexpr int EVENT_TRIES = 5;
constexpr int EVENT_DELAY_TURNS = 5;
constexpr int16_t EVENT_CHANCE_RANGE = 512;
constexpr int16_t EARLY_EVENTS_TURN = 150;
constexpr int16_t GOLD_LOSS_MINIMUM = 100;
constexpr int32_t VICTIM_WEIGHT_LIMIT = 500;
constexpr int32_t GOOD_EVENT_WEIGHT_BASE = 600;
constexpr uint8_t NORMAL_RACE_END = 15;
constexpr int JOIN_EXPLORE_RADIUS = 3;
constexpr int EARTHQUAKE_ITEMS_MAX = 18;

enum Event_Number : int16_t {
    evt_City_Strike = 1,
    evt_Gift = 2,
    evt_Disjunction = 3,
    evt_Neutral_Joins = 4,
    evt_Earthquake = 5,
    evt_Gold_Loss = 6,
    evt_Plague = 7,
    evt_Rebellion = 8,
    evt_Gold_Found = 9,
    evt_Depletion = 10,
    evt_New_Mineral = 11,
    evt_Population_Boom = 12,
    evt_World_First = 13,
    evt_World_Last = 18,
};

enum Event_State : int16_t {
    est_Quiet = 0,
    est_Chosen = 1,
    est_Lasting = 2,
    est_Disabled = 3,
};

// clang-format off
const int16_t m_event_good_array[NUM_EVENTS + 1] = {0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 0, 1, 1, 1, 1, 1, 1, 1, 0};
// The state word of each event, and where its data words start.
const int m_event_state_word[NUM_EVENTS + 1] = {0, 1, 4, 7, 8, 12, 15, 18, 22, 25, 28, 31, 34, 38, 40, 42, 44, 46, 48};
// clang-format on

int16_t &Word(int index) { return events_table->words[index]; }
int16_t &State(int event) { return Word(m_event_state_word[event]); }
// The k-th data word after the event's state.
int16_t &Data(int event, int k) { return Word(m_event_state_word[event] + k); }

bool Is_World_Event(int event) { return event >= evt_World_First && event <= evt_World_Last; }

bool Player_Valid(int player_idx) { return player_idx >= 0 && player_idx < NUM_PLAYERS; }

bool City_Valid(int city_idx) { return city_idx >= 0 && city_idx < _cities && city_idx < NUM_CITIES; }

bool Fortress_Active(int player_idx) { return Player_Valid(player_idx) && _FORTRESSES[player_idx].active == 1; }

int16_t Type_For(int player_idx) { return player_idx == 0 ? emt_Human : emt_Other_Wizard; }

void Announce(int event, int player_idx, int city_idx, int16_t type, int16_t data_value, int16_t buildings = 0,
              int16_t population = 0, int16_t units = 0)
{
    Event_Announcement announcement{(int16_t)event, (int16_t)player_idx, (int16_t)city_idx, type,
                                    data_value,     buildings,           population,        units};
    Turn_Announce_Event(announcement);
}

int16_t Units_In_City(int city_idx)
{
    int16_t count = 0;
    int16_t list[ARMY_AT_SQUARE_MAX];
    Army_At_City((int16_t)city_idx, &count, list);
    return count;
}

bool Any_World_Event_Lasting(void)
{
    for (int event = evt_World_First; event <= evt_World_Last; event++) {
        if (State(event) == est_Lasting) {
            return true;
        }
    }
    return false;
}

// A hero in the city, or fewer units of a normal race than of other kinds, keeps it loyal.
bool City_Rebellion_Refused(int victim, int city_idx)
{
    if (city_idx == Player_Fortress_City((int16_t)victim)) {
        return true;
    }
    int16_t count = 0;
    int16_t list[ARMY_AT_SQUARE_MAX];
    Army_At_City((int16_t)city_idx, &count, list);
    int normal = 0;
    for (int k = 0; k < count; k++) {
        const Unit_Record &unit = _UNITS[list[k]];
        if (unit.Hero_Slot >= 0 || unit.type < NUM_HERO_TYPES) {
            return true;
        }
        if (_unit_type_table[unit.type < NUM_UNIT_TYPES ? unit.type : 0].race < NORMAL_RACE_END) {
            normal++;
        }
    }
    return normal < count - normal;
}

struct Choice {
    int16_t victim = -1;
    int16_t city = -1;
    int16_t neutral_city = -1;
};

// Whether the try of event e is accepted; the tests run in a fixed order, and a refusal skips the
// later tests with their draws.
bool Event_Accepted(int event, Choice *choice)
{
    int victim = Get_Event_Victim(m_event_good_array[event]);
    choice->victim = (int16_t)victim;
    if (victim == -1 || !Fortress_Active(victim)) {
        return false;
    }
    if (State(event) == est_Lasting || State(event) == est_Disabled) {
        return false;
    }
    if (Is_World_Event(event) && Any_World_Event_Lasting()) {
        return false;
    }
    if (event == evt_Gold_Loss && _players[victim].gold_reserve < GOLD_LOSS_MINIMUM) {
        return false;
    }
    if (event == evt_City_Strike || event == evt_Neutral_Joins || event == evt_Earthquake || event == evt_Plague ||
        event == evt_Rebellion || event == evt_Population_Boom) {
        choice->city = Pick_Random_City((int16_t)victim);
        if (choice->city == -1) {
            return false;
        }
        if (event == evt_Neutral_Joins) {
            choice->neutral_city = Pick_Random_City(NEUTRAL_PLAYER_IDX);
            if (choice->neutral_city == -1) {
                return false;
            }
        }
    }
    if ((event == evt_City_Strike || event == evt_Neutral_Joins) && _turn < EARLY_EVENTS_TURN) {
        return false;
    }
    if (event == evt_Rebellion && City_Rebellion_Refused(victim, choice->city)) {
        return false;
    }
    if (event == evt_Depletion && Depletion_Event((int16_t)victim) < 0) {
        return false;
    }
    if (event == evt_New_Mineral && New_Mineral_Event((int16_t)victim) < 0) {
        return false;
    }
    if (event == evt_Disjunction && Any_Overland_Enchantments() == 0) {
        return false;
    }
    if (event == evt_Plague && State(evt_Population_Boom) == est_Lasting &&
        Data(evt_Population_Boom, 1) == choice->city) {
        return false;
    }
    if (event == evt_Population_Boom && State(evt_Plague) == est_Lasting && Data(evt_Plague, 2) == choice->city) {
        return false;
    }
    return true;
}

void Set_Chosen_Event(int event, const Choice &choice)
{
    State(event) = est_Chosen;
    switch (event) {
    case evt_City_Strike:
    case evt_Earthquake:
    case evt_Plague:
    case evt_Rebellion:
        Data(event, 1) = choice.victim;
        Data(event, 2) = choice.city;
        break;
    case evt_Gift: {
        Data(event, 1) = choice.victim;
        Data(event, 2) = Make_Item(2, _players[choice.victim].spellranks, 0);
        break;
    }
    case evt_Neutral_Joins:
        Data(event, 1) = choice.victim;
        Data(event, 2) = choice.neutral_city;
        Data(event, 3) = choice.city;
        break;
    case evt_Gold_Loss: {
        int32_t loss = (int32_t)_players[choice.victim].gold_reserve * (RANDOM(21) + 29) / 100;
        Data(event, 1) = choice.victim;
        Data(event, 2) = (int16_t)(loss / 10 * 10);
        break;
    }
    case evt_Gold_Found:
        Data(event, 1) = choice.victim;
        Data(event, 2) = (int16_t)(100 + 5 * RANDOM(100));
        break;
    case evt_Depletion: Data(event, 1) = choice.victim; break;
    case evt_New_Mineral: Data(event, 2) = choice.victim; break;
    case evt_Population_Boom:
        Data(event, 1) = choice.city;
        Data(event, 2) = choice.victim;
        break;
    default: break;
    }
}

// ---- carrying the events out ----

void City_Strike(void)
{
    int victim = Data(evt_City_Strike, 1);
    int city_idx = Data(evt_City_Strike, 2);
    State(evt_City_Strike) = est_Quiet;
    if (!Player_Valid(victim) || !City_Valid(city_idx) || _CITIES[city_idx].owner_idx != victim) {
        return;
    }
    int16_t units_before = Units_In_City(city_idx);
    int population_before = _CITIES[city_idx].population;
    int16_t buildings = Apply_Call_The_Void((int16_t)city_idx);
    int16_t population_lost = (int16_t)(population_before - _CITIES[city_idx].population);
    int16_t units_lost = (int16_t)(units_before - Units_In_City(city_idx));
    Announce(evt_City_Strike, victim, city_idx, Type_For(victim), 0, buildings, population_lost, units_lost);
}

void Gift(void)
{
    int victim = Data(evt_Gift, 1);
    int16_t item_idx = Data(evt_Gift, 2);
    State(evt_Gift) = est_Quiet;
    if (!Player_Valid(victim) || item_idx < 0 || item_idx >= NUM_ITEMS) {
        return;
    }
    Announce(evt_Gift, victim, -1, Type_For(victim), item_idx);
    if (victim == 0) {
        Process_Item_Pool(1, &item_idx);
    }
}

void Disjunction(void)
{
    State(evt_Disjunction) = est_Quiet;
    for (int player_idx = 0; player_idx < NUM_PLAYERS; player_idx++) {
        for (int k = 0; k < NUM_OVERLAND_ENCHANTMENTS; k++) {
            _players[player_idx].Globals[k] = 0;
        }
    }
    Announce(evt_Disjunction, EVENT_WORLD_WIDE, -1, emt_World, 0);
}

void Neutral_City_Joins(void)
{
    int victim = Data(evt_Neutral_Joins, 1);
    int city_idx = Data(evt_Neutral_Joins, 2);
    State(evt_Neutral_Joins) = est_Quiet;
    if (!Player_Valid(victim) || !City_Valid(city_idx)) {
        return;
    }
    City_Record &city = _CITIES[city_idx];
    int16_t count = 0;
    int16_t list[ARMY_AT_SQUARE_MAX];
    Army_At_Square_2(city.wx, city.wy, city.wp, &count, list);
    for (int k = 0; k < count && k < ARMY_LIST_STACK_MAX; k++) {
        _UNITS[list[k]].owner_idx = (int8_t)victim;
    }
    city.owner_idx = (int8_t)victim;
    city.construction = 1;
    city.Prod_Accu = 0;
    city.bldg_sold = 0;
    if (victim == 0) {
        Set_Square_Explored_Flags_Range(city.wx, city.wy, city.wp, JOIN_EXPLORE_RADIUS);
    }
    Do_City_Calculations((int16_t)city_idx);
    Reset_City_Area_Bitfields();
    Reset_City_Road_Connection_Bitfields();
    Announce(evt_Neutral_Joins, victim, city_idx, Type_For(victim), 0);
}

void Earthquake(void)
{
    int victim = Data(evt_Earthquake, 1);
    int city_idx = Data(evt_Earthquake, 2);
    State(evt_Earthquake) = est_Quiet;
    if (!Player_Valid(victim) || !City_Valid(city_idx)) {
        return;
    }
    int16_t units_before = Units_In_City(city_idx);
    int population_before = _CITIES[city_idx].population;
    int16_t item_count = 0;
    int16_t items[EARTHQUAKE_ITEMS_MAX];
    int16_t buildings = Apply_Earthquake((int16_t)city_idx, &item_count, items);
    int16_t population_lost = (int16_t)(population_before - _CITIES[city_idx].population);
    int16_t units_lost = (int16_t)(units_before - Units_In_City(city_idx));
    if (buildings == 0 && population_lost == 0 && units_lost == 0) {
        return;
    }
    Announce(evt_Earthquake, victim, city_idx, Type_For(victim), 0, buildings, population_lost, units_lost);
    if (item_count > 0) {
        Player_Process_Item_Pool(_CITIES[city_idx].owner_idx, item_count, items);
    }
}

void Gold_Loss(void)
{
    int victim = Data(evt_Gold_Loss, 1);
    int16_t amount = Data(evt_Gold_Loss, 2);
    State(evt_Gold_Loss) = est_Quiet;
    if (!Player_Valid(victim)) {
        return;
    }
    Announce(evt_Gold_Loss, victim, -1, Type_For(victim), amount);
    int32_t gold = _players[victim].gold_reserve - (int32_t)amount;
    _players[victim].gold_reserve = (int16_t)(gold < 0 ? 0 : gold > 32767 ? 32767 : gold);
}

void Plague(void)
{
    int victim = Data(evt_Plague, 1);
    int city_idx = Data(evt_Plague, 2);
    if (!Player_Valid(victim) || !City_Valid(city_idx)) {
        State(evt_Plague) = est_Quiet;
        return;
    }
    City_Record &city = _CITIES[city_idx];
    if (RANDOM(10) < city.population && city.population > 2) {
        city.population--;
    }
    if (State(evt_Plague) == est_Chosen) {
        Announce(evt_Plague, victim, city_idx, Type_For(victim), 0);
        State(evt_Plague) = est_Lasting;
        Data(evt_Plague, 3) = 0;
        return;
    }
    bool ends = RANDOM(20) == 1 && Data(evt_Plague, 3) > 3;
    Data(evt_Plague, 3)++;
    if (city.population < 2) {
        ends = true;
    }
    if (ends) {
        State(evt_Plague) = est_Quiet;
        if (victim == 0) {
            Announce(evt_Plague, victim, city_idx, emt_Ended, 0);
        }
    }
}

void Rebellion(void)
{
    int victim = Data(evt_Rebellion, 1);
    int city_idx = Data(evt_Rebellion, 2);
    State(evt_Rebellion) = est_Quiet;
    if (!Player_Valid(victim) || !City_Valid(city_idx)) {
        return;
    }
    int16_t count = 0;
    int16_t list[ARMY_AT_SQUARE_MAX];
    Army_At_City((int16_t)city_idx, &count, list);
    for (int k = 0; k < count; k++) {
        Unit_Record &unit = _UNITS[list[k]];
        if (_unit_type_table[unit.type < NUM_UNIT_TYPES ? unit.type : 0].race < NORMAL_RACE_END) {
            unit.owner_idx = NEUTRAL_PLAYER_IDX;
        } else {
            Dismiss_Unit(list[k]);
        }
    }
    Change_City_Ownership((int16_t)city_idx, NEUTRAL_PLAYER_IDX);
    magic_master_idx = Get_Winner();
    Announce(evt_Rebellion, victim, city_idx, Type_For(victim), 0);
}

void Gold_Found(void)
{
    int victim = Data(evt_Gold_Found, 1);
    int16_t amount = Data(evt_Gold_Found, 2);
    State(evt_Gold_Found) = est_Quiet;
    if (!Player_Valid(victim)) {
        return;
    }
    int32_t gold = _players[victim].gold_reserve + (int32_t)amount;
    _players[victim].gold_reserve = (int16_t)(gold > 32767 ? 32767 : gold < 0 ? 0 : gold);
    Announce(evt_Gold_Found, victim, -1, Type_For(victim), amount);
}

// The mineral events pick their site again; the world rule that finds it changes the square.
void Mineral_Event(int event, int victim_word, int city_word)
{
    int victim = Data(event, victim_word);
    State(event) = est_Quiet;
    if (!Player_Valid(victim)) {
        return;
    }
    int16_t city_idx = event == evt_Depletion ? Depletion_Event((int16_t)victim) : New_Mineral_Event((int16_t)victim);
    if (!City_Valid(city_idx)) {
        return;
    }
    Data(event, city_word) = city_idx;
    Announce(event, victim, city_idx, Type_For(victim), 0);
}

void Population_Boom(void)
{
    int city_idx = Data(evt_Population_Boom, 1);
    int victim = Data(evt_Population_Boom, 2);
    if (!Player_Valid(victim) || !City_Valid(city_idx)) {
        State(evt_Population_Boom) = est_Quiet;
        return;
    }
    if (State(evt_Population_Boom) == est_Chosen) {
        Announce(evt_Population_Boom, victim, city_idx, Type_For(victim), 0);
        State(evt_Population_Boom) = est_Lasting;
        Data(evt_Population_Boom, 3) = 0;
        return;
    }
    bool ends = RANDOM(20) == 1 && Data(evt_Population_Boom, 3) > 3;
    Data(evt_Population_Boom, 3)++;
    if (ends) {
        State(evt_Population_Boom) = est_Quiet;
        if (victim == 0) {
            Announce(evt_Population_Boom, victim, city_idx, emt_Ended, 0);
        }
    }
}

void World_Event(int event)
{
    if (State(event) == est_Chosen) {
        Announce(event, EVENT_WORLD_WIDE, -1, emt_World, 0);
        State(event) = est_Lasting;
        Data(event, 1) = 0;
        return;
    }
    int turns = Data(event, 1);
    bool ends = RANDOM(20) <= turns - 2 && turns > 3;
    Data(event, 1)++;
    if (ends) {
        State(event) = est_Quiet;
        Announce(event, EVENT_WORLD_WIDE, -1, emt_Ended, 0);
    }
}

}  // namespace

int16_t Any_Overland_Enchantments(void)
{
    for (int player_idx = 0; player_idx < NUM_PLAYERS; player_idx++) {
        for (int k = 0; k < NUM_OVERLAND_ENCHANTMENTS; k++) {
            if (_players[player_idx].Globals[k]) {
                return 1;
            }
        }
    }
    return 0;
}

int16_t Get_Event_Victim(int16_t good)
{
    int32_t weights[NUM_PLAYERS] = {};
    int count = _num_players < 0 ? 0 : _num_players > NUM_PLAYERS ? NUM_PLAYERS : _num_players;
    int32_t sum = 0;
    for (int player_idx = 0; player_idx < count; player_idx++) {
        const Player_Record &wizard = _players[player_idx];
        int32_t weight = (int32_t)wizard.Astr_Magic_Power + wizard.Astr_Research + wizard.Astr_Army_Strength;
        if (good) {
            weight = GOOD_EVENT_WEIGHT_BASE - weight;
        }
        weights[player_idx] = weight < 0 ? 0 : weight;
        sum += weights[player_idx];
    }
    while (sum > VICTIM_WEIGHT_LIMIT) {
        sum = 0;
        for (int player_idx = 0; player_idx < count; player_idx++) {
            weights[player_idx] /= 2;
            sum += weights[player_idx];
        }
    }
    if (sum == 0) {
        return -1;
    }
    int32_t r = RANDOM((int16_t)sum) - 1;
    int32_t running = 0;
    for (int player_idx = 0; player_idx < count; player_idx++) {
        running += weights[player_idx];
        if (running > r) {
            return (int16_t)player_idx;
        }
    }
    return (int16_t)(count - 1);
}

int16_t Pick_Random_City(int16_t player_idx)
{
    int cities = _cities > NUM_CITIES ? NUM_CITIES : _cities;
    if (cities <= 0 || !Player_Valid(player_idx)) {
        return -1;
    }
    int start = RANDOM((int16_t)cities) - 1;
    int capital_race = _players[player_idx].capital_race;
    for (int k = 0; k < cities; k++) {
        int city_idx = (start + k) % cities;
        const City_Record &city = _CITIES[city_idx];
        if (city.owner_idx != player_idx) {
            continue;
        }
        int unrest = 0;
        if (capital_race < NUM_UNREST_RACES && city.race < NUM_UNREST_RACES && TBL_Unrest[capital_race] != nullptr) {
            unrest = TBL_Unrest[capital_race][city.race];
        }
        if (unrest <= 1) {
            return (int16_t)city_idx;
        }
    }
    return -1;
}

void Determine_Event(void)
{
    int32_t chance = (int32_t)_turn - Word(ev_Last_Event_Turn);
    if (chance < 0) {
        chance = 0;
    }
    if (_event_delay_count < EVENT_DELAY_TURNS) {
        _event_delay_count++;
        chance = 0;
    }
    switch (_difficulty) {
    case 0: chance /= 2; break;
    case 1: chance = chance * 2 / 3; break;
    case 2: chance = chance * 3 / 4; break;
    case 3: chance = chance * 4 / 5; break;
    default: break;
    }
    if (RANDOM(EVENT_CHANCE_RANGE) > chance) {
        return;
    }
    for (int tries = 0; tries < EVENT_TRIES; tries++) {
        int event = RANDOM(NUM_EVENTS);
        Choice choice;
        if (!Event_Accepted(event, &choice)) {
            continue;
        }
        Word(ev_Last_Event_Turn) = _turn;
        _event_delay_count = 0;
        Set_Chosen_Event(event, choice);
        return;
    }
}

void Event_Twiddle(void)
{
    if (State(evt_City_Strike) == est_Chosen || State(evt_City_Strike) == est_Lasting) {
        City_Strike();
    }
    if (State(evt_Gift) == est_Chosen) {
        Gift();
    }
    if (State(evt_Disjunction) == est_Chosen) {
        Disjunction();
    }
    if (State(evt_Neutral_Joins) == est_Chosen) {
        Neutral_City_Joins();
    }
    if (State(evt_Earthquake) == est_Chosen) {
        Earthquake();
    }
    if (State(evt_Gold_Loss) == est_Chosen) {
        Gold_Loss();
    }
    if (State(evt_Plague) == est_Chosen || State(evt_Plague) == est_Lasting) {
        Plague();
    }
    if (State(evt_Rebellion) == est_Chosen) {
        Rebellion();
    }
    if (State(evt_Gold_Found) == est_Chosen) {
        Gold_Found();
    }
    if (State(evt_Depletion) == est_Chosen) {
        Mineral_Event(evt_Depletion, 1, 2);
    }
    if (State(evt_New_Mineral) == est_Chosen) {
        Mineral_Event(evt_New_Mineral, 2, 1);
    }
    if (State(evt_Population_Boom) == est_Chosen || State(evt_Population_Boom) == est_Lasting) {
        Population_Boom();
    }
    for (int event = evt_World_First; event <= evt_World_Last; event++) {
        if (State(event) == est_Chosen || State(event) == est_Lasting) {
            World_Event(event);
        }
    }
}
