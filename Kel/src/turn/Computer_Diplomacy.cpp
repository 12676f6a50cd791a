#include "turn/Computer_Diplomacy.h"

#include <algorithm>
#include <cstdlib>

#include "Geometry.h"
#include "magic/Spell_Values.h"
#include "random.h"
#include "turn/Diplomacy_Tables.h"
#include "turn/Diplomatic_Statements.h"
#include "turn/Magic_Power_Research.h"
#include "turn/Relations.h"
#include "turn/Treaties.h"
#include "turn/Turn_Services.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Spell_Ids.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t SUPERIORITY_BOUND = 100;
constexpr int16_t SURPRISE_WAR_STRENGTH = 2000;
constexpr int ALLIANCE_THRESHOLD = 151;
constexpr int PACT_THRESHOLD = 101;
constexpr int BORDER_DISTANCE = 3;
constexpr uint8_t NO_ALLY_ENEMY = 255;

// Wizards take part in diplomacy; the neutral player never does.
int16_t Wizard_Count(void) { return static_cast<int16_t>(std::clamp<int>(_num_players, 0, NEUTRAL_PLAYER_IDX)); }

bool Alive(int16_t player_idx) { return _FORTRESSES[player_idx].active == 1; }

uint8_t Treaty(int16_t a, int16_t b) { return _players[a].Dipl_Treaty[b]; }

bool At_War(int16_t a, int16_t b) { return Treaty(a, b) == tt_War || Treaty(a, b) == tt_Final_War; }

bool Allied(int16_t a, int16_t b) { return Treaty(a, b) == tt_Alliance; }

bool Has_Treaty(int16_t a, int16_t b) { return Treaty(a, b) == tt_Wizard_Pact || Treaty(a, b) == tt_Alliance; }

bool Met(int16_t a, int16_t b) { return _players[a].Dipl_Contacted[b] == 1; }

int32_t Personality_Mod(int16_t player_idx) { return Diplomacy_Personality_Mod(_players[player_idx].Personality); }

// A truce toward the human of 0 or less is none (the new-game set-up stores 255, read as -1).
bool Truce(int16_t a, int16_t b) { return _players[a].peace_duration[b] > 0; }

// The population score as a divisor: a score of 0 counts as 1.
int32_t Population_Divisor(int16_t player_idx) { return std::max<int32_t>(_players[player_idx].Pop_Div_10k, 1); }

// While the human casts the Spell of Return, the wizards hold their talks.
bool Human_Returning(void) { return _players[HUMAN_PLAYER_IDX].casting_spell_idx == spl_Spell_Of_Return; }

// How computer wizard k feels about the human, from the human's entries.
int32_t Mood(int16_t k)
{
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    return human.Dipl_Goodwill[k] + human.Dipl_Relation[k] + Personality_Mod(k);
}

int32_t Lowest_Patience_Toward(int16_t k)
{
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    return std::min({human.Dipl_Treaty_Patience[k], human.Dipl_Exchange_Patience[k], human.Dipl_Peace_Patience[k]});
}

uint8_t &Order(int16_t k) { return _players[HUMAN_PLAYER_IDX].Dipl_Pending_Order[k]; }

int16_t Saturate_I16(int32_t value) { return static_cast<int16_t>(std::clamp<int32_t>(value, INT16_MIN, INT16_MAX)); }

// k adds a spell or gold to its offer, as far as it has a spell to give.
void Add_Sweetener(int16_t k)
{
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    if (RANDOM(4) < 2) {
        Exchange_Spell_List spells = Build_Exchange_Spell_List(k, HUMAN_PLAYER_IDX, 0);
        if (spells.count > 0) {
            human.Dipl_Offer_Spell[k] = static_cast<uint8_t>(spells.spells[0]);
        }
        return;
    }
    int32_t share = _players[k].Pop_Div_10k / (RANDOM(3) + 1);
    human.Dipl_Offer_Gold[k] = Saturate_I16((share + _turn) / 25 * 25);
}

// The first unit of the intruder that troubles one of the owner's cities, and that city.
bool Find_Border_Violation(int16_t owner, int16_t intruder, int16_t *city_out)
{
    const int16_t unit_count = static_cast<int16_t>(std::clamp<int>(_units, 0, UNIT_MAX_IN_USE));
    const int16_t city_count = static_cast<int16_t>(std::clamp<int>(_cities, 0, NUM_CITIES));
    // The owner's cities, in city order, so that each unit is weighed against them alone.
    int16_t owned[NUM_CITIES];
    int16_t owned_count = 0;
    for (int16_t c = 0; c < city_count; c++) {
        if (_CITIES[c].owner_idx == owner) {
            owned[owned_count++] = c;
        }
    }
    if (owned_count == 0) {
        return false;
    }
    for (int16_t u = 0; u < unit_count; u++) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.owner_idx != intruder || unit.type >= NUM_UNIT_TYPES) {
            continue;
        }
        const Unit_Type_Record &type = _unit_type_table[unit.type];
        if ((type.Abilities & UA_CREATEOUTPOST) != 0 || type.Construction > 0) {
            continue;
        }
        for (int16_t n = 0; n < owned_count; n++) {
            const City_Record &city = _CITIES[owned[n]];
            if (unit.wp != city.wp && unit.in_tower != UNIT_IN_TOWER) {
                continue;
            }
            // The distance is never below the rows between them.
            if (std::abs(unit.wy - city.wy) >= BORDER_DISTANCE) {
                continue;
            }
            if (Delta_XY_With_Wrap(unit.wx, unit.wy, city.wx, city.wy, WORLD_WIDTH) < BORDER_DISTANCE) {
                *city_out = owned[n];
                return true;
            }
        }
    }
    return false;
}

// Rule 1.2 of the talks between two computer wizards: an alliance, a pact, or a trade of spells.
void Negotiate_Treaty_Or_Trade(int16_t i, int16_t j, int32_t score)
{
    const int32_t total = score + _players[i].Dipl_Treaty_Patience[j];
    if (total >= ALLIANCE_THRESHOLD) {
        if (!Allied(i, j)) {
            Set_Treaty(i, j, tt_Alliance);
        }
        return;
    }
    if (total >= PACT_THRESHOLD) {
        if (Treaty(i, j) == tt_None) {
            Set_Treaty(i, j, tt_Wizard_Pact);
        }
        return;
    }
    if (score <= _players[i].Dipl_Exchange_Patience[j] + 80) {
        return;
    }
    Exchange_Spell_List to_i = Build_Exchange_Spell_List(j, i, 1);
    Exchange_Spell_List to_j = Build_Exchange_Spell_List(i, j, 1);
    if (to_i.count > 0 && to_j.count > 0) {
        Diplomacy_Give_Spell(i, to_i.spells[0]);
        Diplomacy_Give_Spell(j, to_j.spells[0]);
    }
}

void Negotiate_Pair(int16_t i, int16_t j)
{
    Player_Record &pi = _players[i];
    int32_t score =
        pi.Dipl_Goodwill[j] + pi.Dipl_Relation[j] + Personality_Mod(j) + RANDOM(100) + (RANDOM(5) + 3) * _difficulty;
    if (Treaty(i, j) == tt_Wizard_Pact) {
        score += 10;
    } else if (Allied(i, j)) {
        score += 20;
    }
    Negotiate_Treaty_Or_Trade(i, j, score);

    if (RANDOM(20) == 1) {
        Change_Relations(static_cast<int16_t>(5 + RANDOM(5)), i, j, do_Tribute_Thanks, 0, 0);
    }
    if (Treaty(i, j) == tt_War && pi.Dipl_Peace_Patience[j] > 100) {
        Declare_Peace(i, j);
    }
    for (int n = 0; n < 3; n++) {
        Lower_Patience(i, j);
    }
    G_DIPL_PickSides();
    G_DIPL_NeedForWar(i, j);
    if (pi.Dipl_Pending_Order[j] == 0) {
        DIPL_GetOffMyLawn(j, i);
    }
}

bool Superiority_Calls_For_War(int16_t a, int16_t b)
{
    int32_t sa = 0;
    int32_t sb = 0;
    Army_Strength_Near_Fortress(a, b, &sa, &sb);
    const Player_Record &pa = _players[a];
    int32_t will = pa.Dipl_Relation[b] + Diplomacy_Superiority(sa, sb, SUPERIORITY_BOUND) + Personality_Mod(b) +
                   pa.Dipl_Goodwill[b];
    return will <= -150;
}

int16_t Human_Enemies_Count(void)
{
    int16_t count = 0;
    for (int16_t k = 1; k < Wizard_Count(); k++) {
        if (At_War(k, HUMAN_PLAYER_IDX)) {
            count++;
        }
    }
    return count;
}

// k threatens the human, breaks its treaty or, once threats are spent, declares war.
void Threaten_Or_Declare_War(int16_t k, int32_t strength)
{
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    if (Mood(k) - RANDOM(100) + human.Dipl_Treaty_Patience[k] >= -99) {
        return;
    }
    if (human.Dipl_Threat_Count[k] == 0) {
        human.Dipl_Threat_Count[k] = 1;
        return;
    }
    if (human.Dipl_Threat_Count[k] < UINT8_MAX) {
        human.Dipl_Threat_Count[k]++;
    }
    if (human.Dipl_Threat_Count[k] < 3 && Has_Treaty(k, HUMAN_PLAYER_IDX)) {
        Break_Treaties(k, HUMAN_PLAYER_IDX);
        return;
    }
    if (RANDOM(100) < -(strength + Personality_Mod(k) / 2)) {
        Declare_War(k, HUMAN_PLAYER_IDX);
        Order(k) = do_War_Hostile;
        human.Dipl_Threat_Count[k] = 1;
    }
}

// A spell exchange k would offer: the spell it wants from the human and what it gives for it.
bool Offer_Spell_Exchange(int16_t k)
{
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    int32_t v = human.Dipl_Exchange_Patience[k];
    if (v > 0) {
        v /= 5;
    }
    v = std::min(v, 30);
    if (Allied(k, HUMAN_PLAYER_IDX)) {
        v += 25;
    }
    int32_t h = human.Dipl_Goodwill[k] + human.Dipl_Relation[k] / 2 + Personality_Mod(k) + 2 * v + RANDOM(100) - 250;
    int32_t price_factor = h < 0 ? std::abs(h) + 100 : 20000 / (h + 200);
    price_factor = std::max(price_factor, 50);

    Exchange_Spell_List wanted = Build_Exchange_Spell_List(HUMAN_PLAYER_IDX, k, 0);
    if (wanted.count == 0) {
        return false;
    }
    const int32_t price = std::min<int32_t>(wanted.values[0] * 100 / price_factor, INT16_MAX);
    // Every spell k could give is listed, and those worth no more than the price are offered.
    Exchange_Spell_List offered = Build_Exchange_Spell_List(k, HUMAN_PLAYER_IDX, 0);
    int16_t count = 0;
    for (int16_t n = 0; n < offered.count && count < 6; n++) {
        if (offered.values[n] <= price) {
            human.Dipl_Exchange_Spells[k][count++] = offered.spells[n];
        }
    }
    if (count == 0) {
        return false;
    }
    human.Dipl_Exchange_Count[k] = static_cast<uint8_t>(count);
    human.Dipl_Wanted_Spell[k] = wanted.spells[0];
    Order(k) = do_Offer_Exchange;
    _players[k].Dipl_Exchange_Patience[HUMAN_PLAYER_IDX] = 0;
    human.Dipl_Exchange_Patience[k] = 0;
    return true;
}

}  // namespace

void Determine_First_Contacts(void)
{
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    for (int16_t i = 1; i < Wizard_Count(); i++) {
        if (human.Dipl_First_Contact[i] == 0 && Met(HUMAN_PLAYER_IDX, i)) {
            human.Dipl_First_Contact[i] = 1;
            Diplomacy_Set_Pair_Treaty(HUMAN_PLAYER_IDX, i, tt_None);
        }
    }
}

void NPC_To_NPC_Treaty_Negotiations(void)
{
    if (Human_Returning()) {
        return;
    }
    const int16_t wizards = Wizard_Count();
    const int16_t chance = static_cast<int16_t>(15 - 2 * std::clamp<int>(_difficulty, 0, 4));
    for (int16_t i = 1; i < wizards; i++) {
        for (int16_t j = 1; j < wizards; j++) {
            if (i == j || !Alive(i) || !Alive(j)) {
                continue;
            }
            if (RANDOM(chance) == 1 && Met(i, j)) {
                Negotiate_Pair(i, j);
            }
        }
    }
    for (int16_t i = 1; i < wizards; i++) {
        for (int16_t j = 1; j < wizards; j++) {
            if (i == j || !Alive(i) || !Alive(j) || !Allied(i, j)) {
                continue;
            }
            for (int16_t k = 1; k < wizards; k++) {
                if (k != i && k != j && Alive(k) && At_War(k, i) && !At_War(k, j)) {
                    Declare_War(j, k);
                }
            }
        }
    }
}

void G_DIPL_NeedForWar(int16_t a, int16_t b)
{
    if (!Diplomacy_Valid_Player(a) || !Diplomacy_Valid_Player(b) || a == b) {
        return;
    }
    if ((a == _current_player_idx && _turn < 100) || At_War(a, b) || !Met(a, b) || !Alive(a)) {
        return;
    }
    Player_Record &pa = _players[a];
    const Player_Record &pb = _players[b];
    const bool truce_free = a != HUMAN_PLAYER_IDX || !Truce(HUMAN_PLAYER_IDX, b);

    if (pb.Personality == pt_Chaotic && RANDOM(300) <= _difficulty && truce_free) {
        pa.Dipl_Pending_Order[b] = static_cast<uint8_t>(do_War_Surprise);
        pa.Dipl_Pending_Strength[b] = SURPRISE_WAR_STRENGTH;
        Declare_War(b, a);
        return;
    }

    bool first = RANDOM(20) == 1 && (pb.Objective == obj_Militarist || pb.Objective == obj_Expansionist) &&
                 pb.Personality != pt_Lawful;
    if (first && truce_free && Superiority_Calls_For_War(a, b)) {
        G_DIPL_SuperiorityWar(a, b);
    }
    bool second = RANDOM(20) == 1;
    if (second && truce_free && Superiority_Calls_For_War(a, b)) {
        G_DIPL_SuperiorityWar(a, b);
    }

    for (int16_t k = 1; k < Wizard_Count(); k++) {
        if (Treaty(k, HUMAN_PLAYER_IDX) != tt_War || !Allied(k, b)) {
            continue;
        }
        if (!Truce(a, b) && RANDOM(10) == 1 && !Allied(b, a)) {
            G_DIPL_SuperiorityWar(a, b);
        }
    }

    if (_difficulty >= 2 && Human_Enemies_Count() < _difficulty && pa.Dipl_Relation[b] < -30 && !Truce(a, b) &&
        RANDOM(15) <= -pa.Dipl_Relation[b] / 10) {
        G_DIPL_SuperiorityWar(a, b);
    }
}

void G_DIPL_SuperiorityWar(int16_t a, int16_t b)
{
    if (!Diplomacy_Valid_Player(a) || !Diplomacy_Valid_Player(b) || a == b) {
        return;
    }
    const uint8_t treaty = Treaty(a, b);
    if (treaty != tt_Wizard_Pact && treaty != tt_Alliance) {
        if (!Truce(a, b)) {
            int16_t reason = _players[a].Dipl_Relation[b] < 0 ? do_War_Hostile : do_War_Declared;
            Change_Relations(-10000, a, b, reason, 0, 0);
            Declare_War(b, a);
        }
        return;
    }
    if (_difficulty < 2) {
        return;
    }
    const bool expansionist = _players[b].Objective == obj_Expansionist;
    bool breaks =
        treaty == tt_Alliance ? RANDOM(4) == 1 || (RANDOM(2) == 1 && expansionist) : RANDOM(2) == 1 || expansionist;
    if (!breaks) {
        return;
    }
    Change_Relations(-10000, a, b, do_Break_Treaty, 0, 0);
    Break_Treaties(b, a);
    if (_players[a].Dipl_Relation[b] > 30) {
        Diplomacy_Set_Pair_Relation(a, b, 30);
    }
}

void DIPL_GetOffMyLawn(int16_t owner, int16_t intruder)
{
    if (!Diplomacy_Valid_Player(owner) || !Diplomacy_Valid_Player(intruder) || owner == intruder) {
        return;
    }
    if (At_War(intruder, owner)) {
        return;
    }
    uint8_t &stage = _players[intruder].Dipl_Border_Warning[owner];
    int16_t city = 0;
    if (!Find_Border_Violation(owner, intruder, &city)) {
        stage = 0;
        return;
    }
    if (!Has_Treaty(intruder, owner)) {
        stage = 0;
        if (RANDOM(100) < 6) {
            int16_t amount = static_cast<int16_t>(-RANDOM(5));
            int16_t reason = RANDOM(5) == 1 ? do_Border_Warning : do_None;
            Change_Relations(amount, intruder, owner, reason, city, 0);
        }
        return;
    }
    switch (stage) {
    case 1: stage = 2; break;
    case 2:
        stage = 0;
        Change_Relations(-5, intruder, owner, do_Treaty_Broken, city, 0);
        Break_Treaties(owner, intruder);
        Break_Treaties(intruder, owner);
        break;
    default:  // 0, or a stage no turn writes
        Change_Relations(static_cast<int16_t>(-RANDOM(5)), intruder, owner, do_Border_Warning, city, 0);
        stage = 1;
        break;
    }
}

void NPC_To_Human_Diplomacy(void)
{
    if (Human_Returning()) {
        return;
    }
    Clamp_Treaty_Patience();
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    for (int16_t k = 1; k < Wizard_Count(); k++) {
        if (!Alive(k) || Treaty(HUMAN_PLAYER_IDX, k) == tt_Final_War) {
            Order(k) = 0;
        } else if (human.Dipl_First_Contact[k] == 1) {
            human.Dipl_First_Contact[k] = 2;
            Order(k) = static_cast<uint8_t>(do_Greeting_First + std::clamp<int>(_players[k].Personality, 0, 5));
        } else if (Order(k) != do_War_Hostile && Order(k) != do_Break_Treaty && Order(k) != do_War_Surprise &&
                   Order(k) != do_War_Declared) {
            // The patience is the human's toward k itself, not toward whoever was last on screen.
            if (Mood(k) + Lowest_Patience_Toward(k) + human.Dipl_Relation[k] < -100) {
                const int32_t strength = human.Dipl_Pending_Strength[k];
                if (strength < 0) {
                    if (human.Dipl_Threat_Count[k] >= 1 || RANDOM(75) < 2 * std::abs(strength)) {
                        DIPL_HumanWarOrPeace(k);
                    } else {
                        Order(k) = 0;
                    }
                } else if (Treaty(HUMAN_PLAYER_IDX, k) == tt_War && RANDOM(100) + 30 < human.Dipl_Peace_Patience[k]) {
                    DIPL_HumanWarOrPeace(k);
                } else {
                    int32_t g = 2 * strength + (human.Dipl_Threat_Count[k] == 0 ? 3 : 0);
                    if (RANDOM(100) < g && RANDOM(4) == 1) {
                        if (human.Dipl_Threat_Count[k] == 0) {
                            NPC_Diplo_s74420(HUMAN_PLAYER_IDX, k);
                        } else {
                            human.Dipl_Threat_Count[k] = 0;
                        }
                    } else {
                        NPC_Required_Alliances(k);
                    }
                }
            } else {
                Order(k) = 0;
            }
        }
        if (Order(k) == 0) {
            G_DIPL_NeedForWar(HUMAN_PLAYER_IDX, k);
            if (Order(k) == 0) {
                DIPL_GetOffMyLawn(k, HUMAN_PLAYER_IDX);
            }
        }
    }
}

void DIPL_HumanWarOrPeace(int16_t k)
{
    if (k < 1 || k >= Wizard_Count()) {
        return;
    }
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    const int32_t strength = human.Dipl_Pending_Strength[k];
    if (!Met(HUMAN_PLAYER_IDX, k) || strength == 0) {
        Order(k) = 0;
        return;
    }
    if (!At_War(HUMAN_PLAYER_IDX, k)) {
        if (human.Dipl_Relation[k] <= -75) {
            Declare_War(k, HUMAN_PLAYER_IDX);
            Order(k) = do_War_Hostile;
        } else {
            Threaten_Or_Declare_War(k, strength);
        }
        return;
    }
    if (Mood(k) + RANDOM(100) + human.Dipl_Peace_Patience[k] > 49 && RANDOM(8) == 1) {
        Order(k) = do_Offer_Peace;
        if (RANDOM(100) <= _players[k].Pop_Div_10k * 30 / Population_Divisor(HUMAN_PLAYER_IDX)) {
            Add_Sweetener(k);
        }
    }
}

void NPC_Diplo_s74420(int16_t human_idx, int16_t k)
{
    if (human_idx != HUMAN_PLAYER_IDX || k < 1 || k >= Wizard_Count()) {
        return;
    }
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    if (!Met(HUMAN_PLAYER_IDX, k) || !Met(k, HUMAN_PLAYER_IDX)) {
        Order(k) = 0;
        return;
    }
    if (Order(k) != 0 && RANDOM(2) == 1) {
        return;
    }
    const int32_t mood = Mood(k);
    const int32_t patience = human.Dipl_Treaty_Patience[k];
    const int32_t relation = human.Dipl_Relation[k];
    const uint8_t treaty = Treaty(HUMAN_PLAYER_IDX, k);
    int result = 0;
    if (treaty == tt_None && relation > 15 && mood + RANDOM(100) + patience > 49) {
        result = 1;
    }
    if ((treaty == tt_Wizard_Pact || result == 1) && relation > 50 && mood + RANDOM(100) + patience > 99) {
        result = 2;
    }

    if (result == 0) {
        // A joint war on an enemy the human has not met is weighed but never proposed.
        bool unmet_enemy = false;
        for (int16_t j = 1; j < Wizard_Count(); j++) {
            if (j != k && At_War(k, j) && !Met(HUMAN_PLAYER_IDX, j)) {
                unmet_enemy = true;
            }
        }
        if (unmet_enemy && RANDOM(10) == 1 && human.Dipl_Named_Wizard[k] == 0 &&
            Build_Exchange_Spell_List(k, HUMAN_PLAYER_IDX, 0).count == 0) {
            RANDOM(3);
        }
    }
    if (result == 0 && mood + RANDOM(100) > 24 && Offer_Spell_Exchange(k)) {
        return;
    }
    if (result == 0 && relation > 0 && _players[k].Pop_Div_10k < human.Pop_Div_10k && treaty == tt_None) {
        result = 1;
    }
    if (result == 0) {
        return;
    }
    Order(k) = static_cast<uint8_t>(result == 1 ? do_Propose_Pact : do_Propose_Alliance);
    const Player_Record &wizard = _players[k];
    if (wizard.Pop_Div_10k != 0 && wizard.Personality > pt_Ruthless &&
        RANDOM(100) <= human.Pop_Div_10k * 30 / wizard.Pop_Div_10k && RANDOM(8) == 1) {
        Add_Sweetener(k);
    }
}

void NPC_Required_Alliances(int16_t k)
{
    if (k < 1 || k >= Wizard_Count()) {
        return;
    }
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    if (Allied(HUMAN_PLAYER_IDX, k) && RANDOM(10) == 1) {
        uint8_t enemy = NO_ALLY_ENEMY;
        for (int16_t w = 1; w < Wizard_Count(); w++) {
            if (w != k && Treaty(k, w) == tt_War && Met(HUMAN_PLAYER_IDX, w) && !At_War(HUMAN_PLAYER_IDX, w)) {
                enemy = static_cast<uint8_t>(w);
            }
        }
        human.Dipl_Ally_Enemy[k] = enemy;
    }
    Order(k) = 0;
}

void Resolve_Delayed_Diplomacy_Orders(void)
{
    if (Human_Returning()) {
        return;
    }
    for (int16_t k = 1; k < Wizard_Count(); k++) {
        if (Order(k) == 0) {
            continue;
        }
        Diplomacy_Set_Wizard_On_Screen(k);
        Turn_Diplomacy_Audience();
        Order(k) = 0;
    }
}

Exchange_Spell_List Build_Exchange_Spell_List(int16_t giver, int16_t receiver, int16_t minimum)
{
    Exchange_Spell_List list{};
    if (!Diplomacy_Valid_Player(giver) || !Diplomacy_Valid_Player(receiver)) {
        return list;
    }
    uint8_t spells[DIFFERENTIAL_LIST_MAX] = {};
    int16_t count = Get_Differential_Spell_List(receiver, giver, minimum, spells);
    count = static_cast<int16_t>(std::clamp<int>(count, 0, std::min(DIFFERENTIAL_LIST_MAX, EXCHANGE_LIST_MAX)));
    for (int16_t n = 0; n < count; n++) {
        list.spells[n] = spells[n];
        list.values[n] = Calc_Spell_Value(receiver, spells[n]);
    }
    list.count = count;
    return list;
}

void Diplomacy_Give_Spell(int16_t wizard_idx, int16_t spell_idx) { Player_Gets_Spell(wizard_idx, spell_idx, 0); }

int16_t Army_Strength_Near_Fortress(int16_t a, int16_t b, int32_t *sa, int32_t *sb)
{
    *sa = 0;
    *sb = 0;
    if (!Diplomacy_Valid_Player(a) || !Diplomacy_Valid_Player(b) || a == NEUTRAL_PLAYER_IDX ||
        b == NEUTRAL_PLAYER_IDX) {
        return 0;
    }
    const Fortress_Record &fortress = _FORTRESSES[b];
    if (fortress.wx >= WORLD_WIDTH || fortress.wy >= WORLD_HEIGHT || fortress.wp >= NUM_PLANES) {
        return 1;
    }
    const uint8_t landmass = _landmasses[World_Square_Index(fortress.wx, fortress.wy, fortress.wp)];
    const int16_t unit_count = static_cast<int16_t>(std::clamp<int>(_units, 0, UNIT_MAX_IN_USE));
    for (int16_t u = 0; u < unit_count; u++) {
        const Unit_Record &unit = _UNITS[u];
        if ((unit.owner_idx != a && unit.owner_idx != b) || unit.wp != fortress.wp || unit.wx >= WORLD_WIDTH ||
            unit.wy >= WORLD_HEIGHT || unit.type >= NUM_UNIT_TYPES) {
            continue;
        }
        if (_landmasses[World_Square_Index(unit.wx, unit.wy, unit.wp)] != landmass) {
            continue;
        }
        int32_t cost = _unit_type_table[unit.type].cost;
        *(unit.owner_idx == a ? sa : sb) += cost;
    }
    return 1;
}

int32_t Diplomacy_Superiority(int32_t sa, int32_t sb, int16_t bound)
{
    int64_t superiority = 0;
    if (sa < sb) {
        superiority = sa <= 0 ? -bound : -(int64_t{sb} * 100 / sa) - 50;
    } else {
        superiority = sb <= 0 ? bound : int64_t{sa} * 100 / sb - 50;
    }
    return static_cast<int32_t>(std::clamp<int64_t>(superiority, INT32_MIN, INT32_MAX));
}
