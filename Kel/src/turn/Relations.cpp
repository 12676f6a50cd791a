#include "turn/Relations.h"

#include <algorithm>
#include <cstdlib>

#include "random.h"
#include "turn/Diplomacy_Tables.h"
#include "turn/Treaties.h"
#include "world/ALLOC.h"

namespace {

int16_t m_diplomac_player_idx = 0;

// Wizards are the players below _num_players, and never more than the records hold.
int16_t Wizard_Count(void) { return static_cast<int16_t>(std::clamp<int>(_num_players, 0, NUM_PLAYERS)); }

bool Is_Wizard(int16_t player_idx) { return player_idx >= 0 && player_idx < Wizard_Count(); }

bool At_War(uint8_t treaty) { return treaty == tt_War || treaty == tt_Final_War; }

// Damping by the current relation: a warm relation takes praise slowly and offence hard, a cold
// one the other way round. Division truncates toward zero.
int32_t Damp_By_Relation(int32_t amount, int32_t relation)
{
    if (amount > 0) {
        if (relation < 0) {
            amount *= 2;
            if (relation + amount > 10) {
                amount = 10 - relation;
            }
        } else {
            amount /= relation / 25 + 1;
        }
    } else if (relation <= 0) {
        amount /= 1 - relation / 25;
    } else {
        amount *= 2;
    }
    return amount;
}

int32_t Apply_Personality(int32_t amount, int16_t personality)
{
    if (personality == pt_Lawful && amount < 0) {
        return amount * 2;
    }
    if (personality == pt_Maniacal) {
        return amount < 0 ? amount * 3 / 2 : amount * 3 / 4;
    }
    return amount;
}

void Set_Pending_Order(int16_t b, int32_t strength, int16_t reason, int16_t city, int16_t param)
{
    Player_Record &human = _players[0];
    human.Dipl_Pending_Strength[b] = static_cast<int16_t>(std::clamp<int32_t>(strength, INT16_MIN, INT16_MAX));
    human.Dipl_Pending_Order[b] = static_cast<uint8_t>(reason);
    human.Dipl_Pending_Param[b] = param;
    human.Dipl_Pending_City[b] = static_cast<uint8_t>(city);
}

}  // namespace

void Change_Relations(int16_t amount, int16_t a, int16_t b, int16_t reason, int16_t city, int16_t param)
{
    if (!Is_Wizard(a) || !Is_Wizard(b) || a == b || amount == 0 || b == 0) {
        return;
    }
    if (_players[a].Dipl_Contacted[b] != 1 || _players[b].Dipl_Treaty[a] == tt_Final_War) {
        return;
    }
    if (amount == -10000) {
        if (a == 0 && reason != 0) {
            Set_Pending_Order(b, DIPL_ORDER_DIRECT, reason, city, param);
        }
        return;
    }

    Player_Record &pa = _players[a];
    Player_Record &pb = _players[b];
    int32_t relation = pb.Dipl_Relation[a];
    int32_t change = Damp_By_Relation(amount, relation);
    change = Apply_Personality(change, pb.Personality);
    const int32_t base = change;

    if (pa.retorts[rtr_Charismatic] == 1) {
        change = change > 0 ? change * 2 : change / 2;
    }
    if (pb.Dipl_Treaty[a] == tt_War && reason < 15 && change < 0) {
        if (a == 0) {
            Diplomacy_Add_I16(pb.Dipl_Peace_Patience[0], change / 4);
            Diplomacy_Add_I16(pa.Dipl_Peace_Patience[b], -(change / 4));
        }
        change = 0;
    }
    if (_turn > 200 && a != 0) {
        if (change > 0) {
            change *= 2;
        } else {
            change /= std::max(1, _difficulty / 2 + 1);
        }
    }

    if (change != 0) {
        pb.Dipl_Relation[a] = static_cast<int8_t>(std::clamp<int32_t>(relation + change, -100, 100));
        Diplomacy_Add_I16(pb.Dipl_Treaty_Patience[a], change);
        Diplomacy_Add_I16(pb.Dipl_Exchange_Patience[a], change);
        pa.Dipl_Treaty_Patience[b] = pb.Dipl_Treaty_Patience[a];
        pa.Dipl_Exchange_Patience[b] = pb.Dipl_Exchange_Patience[a];
        if (base < 0) {
            int32_t shift = std::abs(base / 4);
            Diplomacy_Add_I16(pa.Dipl_Peace_Patience[b], shift);
            Diplomacy_Add_I16(pb.Dipl_Peace_Patience[a], -shift);
        } else if (base > 0) {
            Diplomacy_Add_I16(pb.Dipl_Peace_Patience[a], base);
        }
        if (reason == 10 && RANDOM(100) < 11) {
            Declare_War(a, b);
        }
        if (a == 0 && reason != 0 &&
            std::abs(change) > std::abs(static_cast<int32_t>(_players[0].Dipl_Pending_Strength[b]))) {
            Set_Pending_Order(b, change, reason, city, param);
        }
    }

    uint8_t treaty = pb.Dipl_Treaty[a];
    if (At_War(treaty) && pb.Dipl_Relation[a] > -25) {
        pb.Dipl_Relation[a] = -25;
    }
    if (treaty != tt_Alliance && pb.Dipl_Relation[a] > 65) {
        pb.Dipl_Relation[a] = 65;
    }
    pa.Dipl_Relation[b] = pb.Dipl_Relation[a];
    if (At_War(treaty)) {
        pb.Hostility[a] = 3;
    } else if (treaty == tt_Alliance) {
        pb.Hostility[a] = 0;
    }
    Diplomacy_Reset_Hostility_Countdown(b);
}

void Diplomacy_Growth(void)
{
    const int16_t wizards = Wizard_Count();

    for (int16_t i = 0; i < wizards; i++) {
        for (int16_t j = static_cast<int16_t>(i + 1); j < wizards; j++) {
            if (RANDOM(2) != 1) {
                continue;
            }
            if (_players[i].Dipl_Treaty[j] == tt_Wizard_Pact) {
                Change_Relations(RANDOM(3), i, j, 0, 0, 0);
            } else if (_players[i].Dipl_Treaty[j] == tt_Alliance) {
                Change_Relations(RANDOM(6), i, j, 0, 0, 0);
            }
        }
    }

    const int32_t human_army = _players[0].Astr_Army_Strength;
    if (human_army > 0) {
        for (int16_t i = 0; i < wizards; i++) {
            int32_t army = _players[i].Astr_Army_Strength;
            if (army <= 0 || army >= human_army) {
                continue;
            }
            if (RANDOM(100) >= human_army * 50 / army && RANDOM(20) == 1) {
                Change_Relations(-10, 0, i, 7, 0, 0);
            }
        }
    }

    if (_turn % 2 == 0) {
        int32_t human_cities = 0;
        const int16_t city_count = static_cast<int16_t>(std::clamp<int>(_cities, 0, NUM_CITIES));
        for (int16_t c = 0; c < city_count; c++) {
            if (_CITIES[c].owner_idx == 0) {
                human_cities++;
            }
        }
        const int32_t allowance = 3 * (_landsize + 1);
        const int32_t divisor = std::max(1, _landsize + 6 - _difficulty);
        for (int16_t i = 0; i < wizards; i++) {
            if (human_cities <= allowance || RANDOM(4) != 1) {
                continue;
            }
            int32_t amount = ((allowance - human_cities) / divisor * RANDOM(4)) / 3 * 4;
            if (i != 0) {
                amount /= 2;
            }
            amount = std::max(amount, -15);
            for (int16_t k = 1; k < wizards; k++) {
                if (_players[i].Dipl_Contacted[k] == 1 && _players[i].Dipl_Treaty[k] != tt_Alliance) {
                    Change_Relations(static_cast<int16_t>(amount), i, k, 14, 0, 0);
                }
            }
        }
    }

    for (int16_t i = 1; i < wizards; i++) {
        Player_Record &pi = _players[i];
        for (int16_t j = 0; j < wizards; j++) {
            int32_t relation = pi.Dipl_Relation[j];
            int32_t step = std::abs(relation) < RANDOM(105) ? RANDOM(2) : 0;
            if (j == i || pi.Dipl_Pending_Strength[j] != 0) {
                continue;
            }
            int32_t target = pi.Dipl_Default_Relation[j];
            if (relation < target) {
                relation = std::min(relation + step, target);
            } else if (_turn % 10 == 0) {
                relation = std::max(relation - step, target);
            }
            pi.Dipl_Relation[j] = static_cast<int8_t>(std::clamp<int32_t>(relation, -100, 100));
        }
    }

    for (int16_t i = 0; i < wizards; i++) {
        _players[i].Dipl_Relation[i] = 0;
        for (int16_t j = static_cast<int16_t>(i + 1); j < wizards; j++) {
            _players[i].Dipl_Relation[j] = _players[j].Dipl_Relation[i];
        }
    }
}

void End_Of_Turn_Diplomacy_Adjustments(void)
{
    const int16_t wizards = Wizard_Count();
    for (int16_t i = 0; i < wizards; i++) {
        for (int16_t j = 0; j < wizards; j++) {
            if (i == j) {
                continue;
            }
            for (int16_t *patience : {&_players[i].Dipl_Treaty_Patience[j], &_players[i].Dipl_Exchange_Patience[j],
                                      &_players[i].Dipl_Peace_Patience[j]}) {
                if (*patience < 100) {
                    *patience = static_cast<int16_t>(*patience + 10);
                }
            }
        }
    }
}

void Modifier_Diplomacy_Adjustments(void)
{
    const int16_t wizards = Wizard_Count();
    for (int16_t i = 0; i < wizards; i++) {
        Player_Record &pi = _players[i];
        for (int16_t j = 1; j < wizards; j++) {
            if (j == i || pi.Dipl_Treaty[j] == tt_Final_War) {
                continue;
            }
            for (int16_t *patience :
                 {&pi.Dipl_Treaty_Patience[j], &pi.Dipl_Exchange_Patience[j], &pi.Dipl_Peace_Patience[j]}) {
                if (*patience < 0) {
                    *patience = static_cast<int16_t>(*patience + RANDOM(5));
                }
                if (*patience < 50) {
                    *patience = static_cast<int16_t>(*patience + RANDOM(5));
                }
            }
            pi.Dipl_Peace_Patience[j] = std::clamp<int16_t>(pi.Dipl_Peace_Patience[j], -200, 200);
        }
    }
    for (int16_t i = 0; i < wizards; i++) {
        for (int16_t j = 0; j < wizards; j++) {
            Player_Record &pj = _players[j];
            pj.Dipl_Pending_Strength[i] = 0;
            pj.Dipl_Pending_Order[i] = 0;
            pj.Dipl_Exchange_Count[i] = 0;
            pj.Dipl_Offer_Spell[i] = 0;
            pj.Dipl_Wanted_Spell[i] = 0;
            pj.Dipl_Offer_Gold[i] = 0;
        }
    }
}

void Decrease_Peace_Duration(void)
{
    const int16_t wizards = Wizard_Count();
    for (int16_t i = 0; i < wizards; i++) {
        for (int16_t j = 0; j < wizards; j++) {
            if (i != j) {
                _players[i].peace_duration[j] = static_cast<int8_t>(std::max(_players[i].peace_duration[j] - 1, 0));
            }
        }
    }
}

void Clamp_Treaty_Patience(void)
{
    const int16_t wizards = Wizard_Count();
    for (int16_t i = 0; i < wizards; i++) {
        for (int16_t j = 0; j < wizards; j++) {
            if (i != j) {
                _players[i].Dipl_Treaty_Patience[j] =
                    std::clamp<int16_t>(_players[i].Dipl_Treaty_Patience[j], -200, 120);
            }
        }
    }
}

void Lower_Patience(int16_t a, int16_t b)
{
    if (!Diplomacy_Valid_Player(a) || !Diplomacy_Valid_Player(b)) {
        return;
    }
    Diplomacy_Add_I16(_players[a].Dipl_Treaty_Patience[b], -10);
    Diplomacy_Add_I16(_players[a].Dipl_Exchange_Patience[b], -10);
    Diplomacy_Add_I16(_players[a].Dipl_Peace_Patience[b], -10);
}

int16_t Diplomacy_Wizard_On_Screen(void) { return m_diplomac_player_idx; }

void Diplomacy_Set_Wizard_On_Screen(int16_t player_idx) { m_diplomac_player_idx = player_idx; }

int16_t Lowest_Patience(void)
{
    const int16_t w = m_diplomac_player_idx;
    if (!Diplomacy_Valid_Player(w)) {
        return 0;
    }
    const Player_Record &human = _players[0];
    return std::min({human.Dipl_Treaty_Patience[w], human.Dipl_Exchange_Patience[w], human.Dipl_Peace_Patience[w]});
}
