#include "turn/Proposals_Answers.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "cities/City_Records.h"
#include "random.h"
#include "turn/Computer_Diplomacy.h"
#include "turn/Diplomacy_Tables.h"
#include "turn/Diplomatic_Statements.h"
#include "turn/Relations.h"
#include "turn/Treaties.h"
#include "turn/Turn_Services.h"
#include "world/ALLOC.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"

namespace {

constexpr int16_t NO_CHOICE = TURN_NO_CHOICE;

// The test's superiority is bounded by 50, a threat's by 100.
constexpr int16_t TEST_SUPERIORITY_BOUND = 50;
constexpr int16_t THREAT_SUPERIORITY_BOUND = 100;
constexpr int16_t TRIBUTE_SPELL_LINES = 4;
constexpr int16_t EXCHANGE_OFFER_LINES = 5;
constexpr int16_t EXCHANGE_GROUP_LINES = 4;
constexpr int16_t TRIBUTE_GOLD_CAP = 30000;

int16_t m_diplomacy_test_value = 0;

int16_t Wizard(void) { return Diplomacy_Wizard_On_Screen(); }

bool Is_Wizard(int16_t player_idx) { return player_idx >= 0 && player_idx < std::min<int>(_num_players, NUM_PLAYERS); }

bool At_War(uint8_t treaty) { return treaty == tt_War || treaty == tt_Final_War; }

int16_t Saturate_I16(int32_t value) { return static_cast<int16_t>(std::clamp<int32_t>(value, INT16_MIN, INT16_MAX)); }

bool Valid_Spell(int16_t spell) { return spell > 0 && spell < NUM_SPELLS; }

bool Knows_Spell(int16_t player_idx, int16_t spell)
{
    return Valid_Spell(spell) && Player_Spell_Status(player_idx, spell) == SS_KNOWN;
}

const char *Spell_Name(int16_t spell)
{
    if (spell_data_table == nullptr || !Valid_Spell(spell)) return "";
    return spell_data_table[spell].name;
}

int16_t Research_Cost(int16_t spell)
{
    if (spell_data_table == nullptr || !Valid_Spell(spell)) return 0;
    return spell_data_table[spell].research_cost;
}

// The picker's answer, kept to the lines the menu has.
int16_t Pick(const Diplomacy_Menu &menu)
{
    int16_t choice = Turn_Diplomacy_Pick(menu);
    if (choice < 0 || choice >= menu.count || menu.enabled[choice] == 0) return NO_CHOICE;
    return choice;
}

void Respond(int16_t statement, int16_t tier) { Turn_Diplomacy_Respond(statement, tier); }

struct Menu_Builder {
    Diplomacy_Menu menu{};

    explicit Menu_Builder(const char *message) { std::snprintf(menu.message, sizeof menu.message, "%s", message); }
    // Adds "[ " + text (+ suffix); returns the line's index.
    int16_t Add(const char *text, bool enabled = true, const char *suffix = "")
    {
        if (menu.count >= DIPL_MENU_MAX_LINES) return NO_CHOICE;
        int16_t line = menu.count++;
        std::snprintf(menu.lines[line], DIPL_MENU_LINE_SIZE, "[ %s%s", text, suffix);
        menu.enabled[line] = enabled ? 1 : 0;
        return line;
    }
};

Player_Record &Human(void) { return _players[HUMAN_PLAYER_IDX]; }

// The relation of the pair raised by gain, at most 100, both records.
void Raise_Relation(int16_t w, int32_t gain)
{
    Diplomacy_Set_Pair_Relation(HUMAN_PLAYER_IDX, w,
                                std::min<int32_t>(Human().Dipl_Relation[w] + gain, DIPL_RELATION_MAX));
}

void Lower_Patience_Times(int16_t w, int times)
{
    for (int n = 0; n < times; n++) Lower_Patience(HUMAN_PLAYER_IDX, w);
}

// Wizards other than the human and w that the human could name in a request to w.
bool Other_Wizard_Candidate(int16_t w, int16_t k, int16_t list)
{
    if (k == HUMAN_PLAYER_IDX || k == w || !Is_Wizard(k)) return false;
    const Player_Record &pw = _players[w];
    if (list == DIPL_CHOOSE_WAR_TARGET) {
        return pw.Dipl_Contacted[k] == 1 && Human().Dipl_Contacted[k] == 1 && !At_War(pw.Dipl_Treaty[k]);
    }
    return pw.Dipl_Contacted[k] == 1 && pw.Dipl_Treaty[k] == tt_Alliance;
}

bool Any_Other_Wizard(int16_t w, int16_t list)
{
    for (int16_t k = 1; k < NUM_PLAYERS; k++) {
        if (Other_Wizard_Candidate(w, k, list)) return true;
    }
    return false;
}

// The tier after a refusal that the wizard may let the human buy off.
int16_t With_Sweetener(int16_t tier)
{
    if (tier == DIPL_TIER_ASK_SPELL || tier == DIPL_TIER_ASK_GOLD) return Diplomacy_Ask_For_Sweetener(tier);
    return tier;
}

// The answer of a proposal of the human's: a declined price ends without a word.
void Treaty_Outcome(int16_t statement, int16_t tier, void (*on_accept)(int16_t w, int16_t t), int16_t w, int16_t t)
{
    tier = With_Sweetener(tier);
    if (tier == DIPL_SWEETENER_DECLINED) return;
    if (tier == DIPL_TIER_ACCEPT) on_accept(w, t);
    Respond(statement, tier);
}

void Threaten(int16_t w, int16_t *statement)
{
    Player_Record &human = Human();
    int32_t sa = 0;
    int32_t sb = 0;
    Army_Strength_Near_Fortress(HUMAN_PLAYER_IDX, w, &sa, &sb);
    int32_t v = human.Dipl_Goodwill[w] + Diplomacy_Personality_Mod(_players[w].Personality) +
                Diplomacy_Superiority(sa, sb, THREAT_SUPERIORITY_BOUND);
    v += RANDOM(100);
    v += RANDOM(100);
    Diplomacy_Add_I16(human.Dipl_Pending_Strength[w], -RANDOM(5));
    human.Dipl_Threat_Count[w] = static_cast<uint8_t>(std::min(human.Dipl_Threat_Count[w] + 1, 255));
    Diplomacy_Set_Pair_Relation(HUMAN_PLAYER_IDX, w, human.Dipl_Relation[w] - RANDOM(15));
    human.Dipl_Treaty_Patience[w] = -120;

    *statement = do_Threat_Unmoved;
    if (v >= 200) {
        Exchange_Spell_List spells = Build_Exchange_Spell_List(w, HUMAN_PLAYER_IDX, 0);
        if (spells.count > 0) {
            Spell_Index = spells.spells[0];
            Diplomacy_Give_Spell(HUMAN_PLAYER_IDX, spells.spells[0]);
            *statement = do_Threat_Gives_Spell;
            human.peace_duration[w] = static_cast<int8_t>(5 + RANDOM(15));
        }
    } else if (v >= 90) {
        int32_t gold = static_cast<int32_t>(RANDOM(8) + 2) * _turn / 25 * 25;
        const int32_t held = _players[w].gold_reserve;
        if (held < gold) gold = held > 0 ? held / 4 : 0;
        if (gold > 0) {
            Player_Add_Gold(HUMAN_PLAYER_IDX, gold);
            Diplomacy_Set_Threat_Gold(Saturate_I16(gold));
            *statement = do_Threat_Pays_Gold;
            human.peace_duration[w] = static_cast<int8_t>(5 + RANDOM(15));
        }
    } else if (v < 0) {
        Declare_War(HUMAN_PLAYER_IDX, w);
        *statement = do_War_Hostile;
    }
}

// The gain of relation a gift of gold buys: line k of the tribute menu.
void Pay_Tribute_Gold(int16_t w, int16_t k, int32_t amount)
{
    int32_t f = _players[w].Astr_Army_Strength == 0 ? 8 : 4 * k + 4;
    int32_t gain = std::min<int32_t>(f * (k + 1) * RANDOM(3) / 10, 100);
    Player_Add_Gold(HUMAN_PLAYER_IDX, -amount);
    Player_Add_Gold(w, amount);
    Raise_Relation(w, gain);
}

// Returns the statement shown, 0 for none.
int16_t Offer_Tribute_Spell(int16_t w)
{
    Player_Record &human = Human();
    // Every spell the wizard lacks is offered, whatever its worth to it.
    Exchange_Spell_List spells = Build_Exchange_Spell_List(HUMAN_PLAYER_IDX, w, 0);
    if (spells.count == 0) {
        Respond(do_Refuse_Listen, DIPL_TIER_ACCEPT);
        return do_Refuse_Listen;
    }
    Menu_Builder b("What do you offer as tribute?");
    const int16_t shown = std::min<int16_t>(spells.count, TRIBUTE_SPELL_LINES);
    for (int16_t n = 0; n < shown; n++) b.Add(Spell_Name(spells.spells[n]));
    b.Add("Forget It");
    int16_t choice = Pick(b.menu);
    if (choice == NO_CHOICE || choice >= shown) return do_None;

    const int16_t spell = spells.spells[choice];
    Diplomacy_Give_Spell(w, spell);
    const int32_t relation = human.Dipl_Relation[w];
    int32_t f = relation < 0 ? 20 : (100 - relation) / 10;
    int32_t draws = RANDOM(8);
    draws += RANDOM(8);
    int32_t gain = f * draws / 10;
    Raise_Relation(w, gain);
    human.Dipl_Peace_Patience[w] = Saturate_I16(std::min<int32_t>(human.Dipl_Peace_Patience[w] + gain, 200));
    human.Dipl_Goodwill[w] = static_cast<int8_t>(std::min<int32_t>(human.Dipl_Goodwill[w] + 2 + RANDOM(8), 30));
    human.Dipl_Tribute_Spell[w] = spell;
    Respond(do_Tribute_Thanks, DIPL_TIER_ACCEPT);
    return do_Tribute_Thanks;
}

// The last wizard at war with w that is allied to the human, or -1.
int16_t Ally_At_War_With(int16_t w)
{
    int16_t found = -1;
    for (int16_t a = 1; a < NUM_PLAYERS; a++) {
        if (a != w && Is_Wizard(a) && _players[w].Dipl_Treaty[a] == tt_War && Human().Dipl_Treaty[a] == tt_Alliance) {
            found = a;
        }
    }
    return found;
}

// The answer lines of a proposal shown as the statement of the audience.
Menu_Builder Answer_Menu(int16_t statement)
{
    m_IDK_diplomatic_order = statement;
    Diplomacy_Statement_Reset();
    Menu_Builder b("");
    b.menu.under_statement = true;
    return b;
}

}  // namespace

int16_t Diplomacy_Test_Value(void) { return m_diplomacy_test_value; }

int16_t Diplomacy_Test(int16_t bar, int16_t kind)
{
    (void)kind;
    const int16_t w = Wizard();
    if (!Diplomacy_Valid_Player(w)) return DIPL_TIER_FLAT_NO;
    Player_Record &human = Human();
    int32_t sa = 0;
    int32_t sb = 0;
    Army_Strength_Near_Fortress(HUMAN_PLAYER_IDX, w, &sa, &sb);
    int64_t value = int64_t{human.Dipl_Goodwill[w]} + human.Dipl_Relation[w] +
                    Diplomacy_Personality_Mod(_players[w].Personality) + human.Dipl_Treaty_Patience[w] +
                    Diplomacy_Superiority(sa, sb, TEST_SUPERIORITY_BOUND);
    value += RANDOM(100);
    value -= bar;
    if (human.Dipl_Treaty[w] == tt_Alliance) value += 40;
    value = std::clamp<int64_t>(value, INT16_MIN, INT16_MAX);
    m_diplomacy_test_value = static_cast<int16_t>(value);

    Lower_Patience(HUMAN_PLAYER_IDX, w);
    Diplomacy_Add_I16(human.Dipl_Treaty_Patience[w], -(20 + RANDOM(30)));

    if (value < -75) return DIPL_TIER_FLAT_NO;
    if (value < -50) return DIPL_TIER_ASK_SPELL;
    if (value < 0) return DIPL_TIER_ASK_GOLD;
    return DIPL_TIER_ACCEPT;
}

int16_t Diplomacy_Ask_For_Sweetener(int16_t tier)
{
    const int16_t w = Wizard();
    if (!Diplomacy_Valid_Player(w)) return DIPL_SWEETENER_NONE;
    Player_Record &human = Human();
    int32_t gold = RANDOM(8);
    gold += RANDOM(8);
    gold = gold * _turn / 25 * 25;
    if (human.gold_reserve < gold) gold = 0;
    Exchange_Spell_List spells = Build_Exchange_Spell_List(HUMAN_PLAYER_IDX, w, _turn);
    const int16_t spell = spells.count > 0 ? spells.spells[0] : 0;
    if (spell == 0 && gold == 0) return DIPL_SWEETENER_NONE;
    const bool ask_spell = spell != 0 && (tier == DIPL_TIER_ASK_SPELL || gold == 0);

    char price[40];
    if (ask_spell) {
        std::snprintf(price, sizeof price, "%s spell", Spell_Name(spell));
    } else {
        std::snprintf(price, sizeof price, "%d gold", static_cast<int>(gold));
    }
    Menu_Builder b("");
    if (RANDOM(2) == 1) {
        std::snprintf(b.menu.message, sizeof b.menu.message, "Perhaps if you were to throw in %s we could deal.",
                      price);
    } else {
        std::snprintf(b.menu.message, sizeof b.menu.message, "If you also offer me %s I would accept.", price);
    }
    b.menu.below_message = true;
    const int16_t agree = b.Add("Agree    ");
    b.Add("Forget It");
    if (Pick(b.menu) != agree) return DIPL_SWEETENER_DECLINED;
    if (ask_spell) {
        Diplomacy_Give_Spell(w, spell);
    } else {
        Player_Add_Gold(HUMAN_PLAYER_IDX, -gold);
        Player_Add_Gold(w, gold);
    }
    return DIPL_SWEETENER_PAID;
}

int16_t Choose_Other_Wizard(int16_t list)
{
    const int16_t w = Wizard();
    if (!Diplomacy_Valid_Player(w)) return 0;
    Menu_Builder b(list == DIPL_CHOOSE_WAR_TARGET ? "Who should I declare war on?"
                                                  : "Who should I break my treaty with?");
    int16_t wizards[DIPL_MENU_MAX_LINES] = {};
    for (int16_t k = 1; k < NUM_PLAYERS; k++) {
        if (Other_Wizard_Candidate(w, k, list)) {
            int16_t line = b.Add(_players[k].name);
            if (line != NO_CHOICE) wizards[line] = k;
        }
    }
    const int16_t forget = b.Add("Forget It");
    int16_t choice = Pick(b.menu);
    if (choice == NO_CHOICE || choice == forget) return 0;
    return wizards[choice];
}

void Diplomacy_Human_Menu(void)
{
    const int16_t w = Wizard();
    while (Diplomacy_Valid_Player(w)) {
        const Player_Record &human = Human();
        const bool at_war = human.Dipl_Treaty[w] == tt_War;
        const bool can_pay = human.gold_reserve >= 25 || Build_Exchange_Spell_List(HUMAN_PLAYER_IDX, w, 0).count > 0;
        if (Lowest_Patience() < -100) {
            Respond(do_Refuse_Listen, DIPL_TIER_ACCEPT);
            break;
        }
        Menu_Builder b("How may I serve you:");
        const int16_t propose = b.Add("Propose Treaty");
        const int16_t threaten = b.Add("Threaten/Break Treaty", !at_war);
        const int16_t tribute = b.Add("Offer Tribute", can_pay);
        const int16_t exchange = b.Add("Exchange Spells", !at_war);
        b.Add("Good Bye");
        const int16_t choice = Pick(b.menu);
        if (choice == propose) {
            Diplomacy_Propose_Treaty__WIP();
        } else if (choice == threaten) {
            Diplomacy_Break_Treaty();
        } else if (choice == tribute) {
            if (Diplomacy_Offer_Tribute() == do_Refuse_Listen) break;
        } else if (choice == exchange) {
            Diplomacy_Exchange_Spell__WIP();
        } else {
            break;
        }
    }
    Turn_Diplomacy_Menu_Left();
}

void Diplomacy_Propose_Treaty__WIP(void)
{
    const int16_t w = Wizard();
    if (!Diplomacy_Valid_Player(w)) return;
    const Player_Record &human = Human();
    const uint8_t treaty = human.Dipl_Treaty[w];
    const int32_t relation = human.Dipl_Relation[w];

    Menu_Builder b("You propose a treaty: ");
    const int16_t pact = b.Add("Wizard Pact", treaty == tt_None);
    const int16_t alliance = b.Add("Alliance", treaty == tt_None || treaty == tt_Wizard_Pact);
    const int16_t peace = b.Add("Peace Treaty", At_War(treaty));
    const int16_t war =
        b.Add("Declaration of War on Another Wizard", !At_War(treaty) && Any_Other_Wizard(w, DIPL_CHOOSE_WAR_TARGET));
    const int16_t breakup =
        b.Add("Break Alliance With Another Wizard", Any_Other_Wizard(w, DIPL_CHOOSE_ALLIANCE_TO_BREAK));
    b.Add("Forget It");
    const int16_t choice = Pick(b.menu);

    if (choice == pact) {
        int16_t tier = relation <= 10 ? DIPL_TIER_FLAT_NO : Diplomacy_Test(75, 0);
        Treaty_Outcome(
            do_Answer_Pact, tier, [](int16_t a, int16_t) { Set_Treaty(HUMAN_PLAYER_IDX, a, tt_Wizard_Pact); }, w, 0);
    } else if (choice == alliance) {
        int16_t tier = relation <= 50 ? DIPL_TIER_FLAT_NO : Diplomacy_Test(125, 0);
        Treaty_Outcome(
            do_Answer_Alliance, tier, [](int16_t a, int16_t) { Set_Treaty(HUMAN_PLAYER_IDX, a, tt_Alliance); }, w, 0);
    } else if (choice == peace) {
        int16_t tier = Diplomacy_Test(60, 0);
        Lower_Patience_Times(w, 2);
        Treaty_Outcome(
            do_Answer_Peace, tier, [](int16_t a, int16_t) { Declare_Peace(HUMAN_PLAYER_IDX, a); }, w, 0);
    } else if (choice == war) {
        const int16_t t = Choose_Other_Wizard(DIPL_CHOOSE_WAR_TARGET);
        if (t == 0) return;
        Target_Player = t;
        int16_t tier = 0;
        if (Human().Dipl_Treaty[w] == tt_Alliance && Human().Dipl_Treaty[t] == tt_War) {
            tier = RANDOM(8) <= 4 ? DIPL_TIER_ACCEPT : DIPL_TIER_ASK_GOLD;
        } else {
            tier = Diplomacy_Test(Saturate_I16(_players[w].Dipl_Relation[t] + 150), 0);
        }
        Treaty_Outcome(
            do_Answer_War, tier, [](int16_t a, int16_t target) { Declare_War(a, target); }, w, t);
    } else if (choice == breakup) {
        const int16_t t = Choose_Other_Wizard(DIPL_CHOOSE_ALLIANCE_TO_BREAK);
        if (t == 0) return;
        Diplomacy_Set_Break_Treaty_Player(t);
        int16_t tier = _players[w].Dipl_Relation[HUMAN_PLAYER_IDX] < 25
                           ? DIPL_TIER_ASK_GOLD
                           : Diplomacy_Test(Saturate_I16(_players[w].Dipl_Relation[t] + 175), 0);
        Treaty_Outcome(
            do_Answer_Break_Alliance, tier, [](int16_t a, int16_t target) { Break_Treaties(a, target); }, w, t);
    }
}

void Diplomacy_Break_Treaty(void)
{
    const int16_t w = Wizard();
    if (!Diplomacy_Valid_Player(w)) return;
    const uint8_t treaty = Human().Dipl_Treaty[w];
    Menu_Builder b("Your actions: ");
    const int16_t break_pact = b.Add("Break Wizard Pact", treaty == tt_Wizard_Pact);
    const int16_t break_alliance = b.Add("Break Alliance", treaty == tt_Alliance);
    const int16_t threaten = b.Add("Threaten To Attack");
    b.Add("Forget It");
    const int16_t choice = Pick(b.menu);

    int16_t statement = do_None;
    if (choice == break_pact || choice == break_alliance) {
        Break_Treaties(HUMAN_PLAYER_IDX, w);
        statement = do_Treaty_Broken;
    } else if (choice == threaten) {
        Threaten(w, &statement);
    }
    Lower_Patience_Times(w, 10);
    if (statement != do_None) Respond(statement, DIPL_TIER_ACCEPT);
}

int16_t Diplomacy_Offer_Tribute(void)
{
    const int16_t w = Wizard();
    if (!Diplomacy_Valid_Player(w)) return do_None;
    const int32_t c = std::clamp<int32_t>(_players[w].gold_reserve, 0, TRIBUTE_GOLD_CAP) / 25 * 25;
    int32_t amounts[4] = {};
    int16_t count = 0;
    if (c > 99) {
        amounts[0] = c / 100 * 25;
        amounts[1] = c / 50 * 25;
        amounts[2] = (3 * c / 4) / 25 * 25;
        amounts[3] = c / 25 * 25;
        count = 4;
    } else {
        count = static_cast<int16_t>(c / 25);
        for (int16_t k = 0; k < count; k++) amounts[k] = 25 * (k + 1);
    }
    Menu_Builder b("What do you offer as tribute?");
    for (int16_t k = 0; k < count; k++) {
        char amount[16];
        std::snprintf(amount, sizeof amount, "%d", static_cast<int>(amounts[k]));
        b.Add(amount, Human().gold_reserve >= amounts[k], " gold");
    }
    const int16_t spells = b.Add("Spells");
    b.Add("Forget It");
    const int16_t choice = Pick(b.menu);
    if (choice >= 0 && choice < count) {
        Pay_Tribute_Gold(w, choice, amounts[choice]);
        Respond(do_Tribute_Thanks, DIPL_TIER_ACCEPT);
        return do_Tribute_Thanks;
    }
    if (choice == spells) return Offer_Tribute_Spell(w);
    return do_None;
}

void Diplomacy_Exchange_Spell__WIP(void)
{
    const int16_t w = Wizard();
    if (!Diplomacy_Valid_Player(w)) return;
    // What w could teach, by its worth to the human, and what the human could teach, by its worth
    // to w: each offer is matched by the human's spells worth at least as much to w.
    const Exchange_Spell_List offers = Build_Exchange_Spell_List(w, HUMAN_PLAYER_IDX, 0);
    const Exchange_Spell_List wants = Build_Exchange_Spell_List(HUMAN_PLAYER_IDX, w, 0);
    int16_t offer_spells[EXCHANGE_LIST_MAX] = {};
    Exchange_Spell_List groups[EXCHANGE_LIST_MAX] = {};
    int16_t offer_count = 0;
    for (int16_t n = 0; n < offers.count; n++) {
        Exchange_Spell_List &group = groups[offer_count];
        group = {};
        for (int16_t m = 0; m < wants.count && group.count < EXCHANGE_LIST_MAX; m++) {
            if (wants.values[m] >= offers.values[n]) {
                group.spells[group.count] = wants.spells[m];
                group.values[group.count] = wants.values[m];
                group.count++;
            }
        }
        if (group.count > 0) offer_spells[offer_count++] = offers.spells[n];
    }
    if (offer_count == 0) {
        Respond(do_Nothing_To_Exchange, DIPL_TIER_ACCEPT);
        return;
    }
    Player_Record &human = Human();
    Lower_Patience(HUMAN_PLAYER_IDX, w);
    Diplomacy_Add_I16(human.Dipl_Exchange_Patience[w], -(20 + RANDOM(50)));

    Menu_Builder interest("What type of spell interests you?");
    for (int16_t n = 0; n < std::min<int16_t>(offer_count, EXCHANGE_OFFER_LINES); n++) {
        interest.Add(Spell_Name(offer_spells[n]));
    }
    const int16_t s_choice = Pick(interest.menu);
    if (s_choice != NO_CHOICE) {
        const int16_t s = offer_spells[s_choice];
        const Exchange_Spell_List &group = groups[s_choice];
        Menu_Builder trade("What will you trade for it?");
        const int16_t shown = std::min<int16_t>(group.count, EXCHANGE_GROUP_LINES);
        for (int16_t n = 0; n < shown; n++) trade.Add(Spell_Name(group.spells[n]));
        trade.Add("Forget It");
        const int16_t t_choice = Pick(trade.menu);
        if (t_choice != NO_CHOICE && t_choice < shown) {
            const int16_t t = group.spells[t_choice];
            Diplomacy_Give_Spell(HUMAN_PLAYER_IDX, s);
            Diplomacy_Give_Spell(w, t);
            if (Research_Cost(s) < Research_Cost(t)) {
                Lower_Patience_Times(w, 2);
                Change_Relations(5, HUMAN_PLAYER_IDX, w, 0, 0, 0);
            }
        }
    }
    Lower_Patience_Times(w, 3);
    human.Dipl_Exchange_Patience[w] = std::min<int16_t>(human.Dipl_Exchange_Patience[w], 50);
}

int16_t Diplomacy_Compose_Answer_Options(int16_t statement)
{
    const int16_t w = Wizard();
    if (!Diplomacy_Valid_Player(w)) return NO_CHOICE;
    if (statement == do_Offer_Exchange) {
        const Player_Record &human = Human();
        Menu_Builder b = Answer_Menu(statement);
        const int16_t offered = std::min<int16_t>(human.Dipl_Exchange_Count[w], 6);
        for (int16_t n = 0; n < offered; n++) b.Add(Spell_Name(human.Dipl_Exchange_Spells[w][n]));
        b.Add("Forget It");
        const int16_t choice = Pick(b.menu);
        return choice < offered ? choice : NO_CHOICE;
    }
    const char *first = nullptr;
    const char *second = nullptr;
    if (statement == do_Propose_Pact || statement == do_Propose_Alliance || statement == do_Offer_Peace) {
        first = "Accept";
        second = "Reject";
    } else if (statement == do_Request_About_Wizard) {
        first = "Agree";
        second = "Forget It";
    } else {
        return NO_CHOICE;
    }
    Menu_Builder b = Answer_Menu(statement);
    b.Add(first);
    b.Add(second);
    return Pick(b.menu) == 0 ? 0 : 1;
}

void Npc_Proposal__WIP(int16_t proposal)
{
    const int16_t w = Wizard();
    if (!Diplomacy_Valid_Player(w)) return;
    Player_Record &human = Human();
    const int16_t ally_enemy = human.Dipl_Ally_Enemy[w];

    // A wizard at war with an ally of the human first asks the human to choose between them.
    int16_t statement = proposal;
    int16_t choice = NO_CHOICE;
    const int16_t ally = Ally_At_War_With(w);
    bool refused_first = false;
    if (ally >= 0) {
        Diplomacy_Set_Break_Treaty_Player(ally);
        if (Diplomacy_Compose_Answer_Options(do_Request_About_Wizard) == 0) {
            Break_Treaties(HUMAN_PLAYER_IDX, ally);
        } else {
            RANDOM(6);
            Diplomacy_Set_Pair_Relation(w, HUMAN_PLAYER_IDX, DIPL_RELATION_MIN);
            statement = do_Request_About_Wizard;
            refused_first = true;
        }
        Diplomacy_Set_Break_Treaty_Player(ally_enemy);
    }

    if (!refused_first) {
        choice = Diplomacy_Compose_Answer_Options(proposal);
        const bool accept = choice == 0;
        switch (proposal) {
        case do_Propose_Pact:
        case do_Propose_Alliance:
        case do_Offer_Peace:
            if (accept) {
                if (proposal == do_Propose_Pact) {
                    Set_Treaty(HUMAN_PLAYER_IDX, w, tt_Wizard_Pact);
                } else if (proposal == do_Propose_Alliance) {
                    Set_Treaty(HUMAN_PLAYER_IDX, w, tt_Alliance);
                } else {
                    Declare_Peace(HUMAN_PLAYER_IDX, w);
                    if (human.Dipl_Relation[w] < 80) Raise_Relation(w, 20);
                    Lower_Patience_Times(w, 2);
                }
                Player_Add_Gold(HUMAN_PLAYER_IDX, human.Dipl_Offer_Gold[w]);
                if (human.Dipl_Offer_Spell[w] != 0) Diplomacy_Give_Spell(HUMAN_PLAYER_IDX, human.Dipl_Offer_Spell[w]);
            }
            break;
        case do_Request_About_Wizard:
            if (accept) {
                Declare_War(HUMAN_PLAYER_IDX, ally_enemy);
            } else {
                Break_Treaties(w, HUMAN_PLAYER_IDX);
            }
            break;
        case do_Offer_Exchange:
            if (choice != NO_CHOICE) {
                // Both sides give: the human the spell chosen, the wizard the spell it asked for.
                Diplomacy_Give_Spell(HUMAN_PLAYER_IDX, human.Dipl_Exchange_Spells[w][choice]);
                const int16_t wanted = human.Dipl_Wanted_Spell[w];
                if (Knows_Spell(HUMAN_PLAYER_IDX, wanted) && !Knows_Spell(w, wanted)) Diplomacy_Give_Spell(w, wanted);
            }
            break;
        default: break;
        }
    }

    Lower_Patience(HUMAN_PLAYER_IDX, w);
    if (statement == do_Propose_Pact || statement == do_Propose_Alliance) {
        Diplomacy_Add_I16(human.Dipl_Treaty_Patience[w], -(20 + RANDOM(30)));
    } else if (statement == do_Offer_Peace) {
        Diplomacy_Add_I16(human.Dipl_Peace_Patience[w], -(50 + RANDOM(50)));
    } else if (statement == do_Offer_Exchange) {
        Diplomacy_Add_I16(human.Dipl_Exchange_Patience[w], -(20 + RANDOM(30)));
    }
}
