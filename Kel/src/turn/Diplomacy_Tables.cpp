#include "turn/Diplomacy_Tables.h"

#include <algorithm>

#include "random.h"
#include "world/ALLOC.h"

const char diplo_state[NUM_RELATION_LABELS][DIPL_LABEL_SIZE] = {
    "Hate", "Troubled", "Tense", "Restless", "Unease", "Neutral", "Relaxed", "Calm", "Peaceful", "Friendly", "Harmony",
};

const char *const _treaty_type_names[NUM_TREATY_TYPES] = {"No Treaty", "Wizard Pact", "Alliance", "War", "Final War"};

const int16_t TBL_AI_PRS_IDK_Mod[NUM_PERSONALITIES] = {0, 10, 20, 30, 40, 50};

int16_t Diplomacy_Personality_Mod(int16_t personality)
{
    if (personality < 0 || personality >= NUM_PERSONALITIES) {
        return 0;
    }
    return TBL_AI_PRS_IDK_Mod[personality];
}

int16_t Diplomacy_Relation_Band(int16_t relation)
{
    int clamped = std::clamp<int>(relation, DIPL_RELATION_MIN, DIPL_RELATION_MAX);
    return static_cast<int16_t>((clamped + 100) / 20);
}

const char *Diplomacy_Relation_Label(int16_t relation) { return diplo_state[Diplomacy_Relation_Band(relation)]; }

const char *Diplomacy_Treaty_Name(int16_t treaty)
{
    if (treaty < 0 || treaty >= NUM_TREATY_TYPES) {
        return _treaty_type_names[tt_None];
    }
    return _treaty_type_names[treaty];
}

bool Diplomacy_Valid_Player(int16_t player_idx) { return player_idx >= 0 && player_idx < NUM_PLAYERS; }

void Diplomacy_Set_Pair_Relation(int16_t a, int16_t b, int32_t relation)
{
    if (!Diplomacy_Valid_Player(a) || !Diplomacy_Valid_Player(b)) {
        return;
    }
    int8_t value = static_cast<int8_t>(std::clamp<int32_t>(relation, DIPL_RELATION_MIN, DIPL_RELATION_MAX));
    _players[a].Dipl_Relation[b] = value;
    _players[b].Dipl_Relation[a] = value;
}

void Diplomacy_Set_Pair_Treaty(int16_t a, int16_t b, uint8_t treaty)
{
    if (!Diplomacy_Valid_Player(a) || !Diplomacy_Valid_Player(b)) {
        return;
    }
    _players[a].Dipl_Treaty[b] = treaty;
    _players[b].Dipl_Treaty[a] = treaty;
}

void Diplomacy_Mirror_Relation(int16_t a, int16_t b)
{
    if (!Diplomacy_Valid_Player(a) || !Diplomacy_Valid_Player(b)) {
        return;
    }
    _players[b].Dipl_Relation[a] = _players[a].Dipl_Relation[b];
}

void Diplomacy_Add_I16(int16_t &field, int32_t amount)
{
    field = static_cast<int16_t>(std::clamp<int32_t>(field + amount, INT16_MIN, INT16_MAX));
}

void Diplomacy_Add_I8(int8_t &field, int32_t amount)
{
    field = static_cast<int8_t>(std::clamp<int32_t>(field + amount, INT8_MIN, INT8_MAX));
}

void Diplomacy_Reset_Hostility_Countdown(int16_t player_idx)
{
    int16_t countdown = static_cast<int16_t>(15 + RANDOM(10));
    if (Diplomacy_Valid_Player(player_idx)) {
        _players[player_idx].Reevaluate_Hostility_Countdown = countdown;
    }
}
