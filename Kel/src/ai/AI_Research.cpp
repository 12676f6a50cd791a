#include <initializer_list>

#include "ai/AI_Data.h"
#include "ai/AI_Economy.h"
#include "ai/AI_Spell_Research.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"
#include "world/Wizard_Economy.h"

namespace {

constexpr int CANDIDATES = 8;

bool Code_Is_One_Of(int code, std::initializer_list<int> codes)
{
    for (int c : codes) {
        if (c == code) return true;
    }
    return false;
}

int Spell_AI_Group(int16_t spell_idx)
{
    if (spell_data_table == nullptr || spell_idx <= 0 || spell_idx >= NUM_SPELLS) {
        return 0;
    }
    return spell_data_table[spell_idx].AI_Group;
}

// Research cost adjusted by the wizard's research bonus; the Spell of Mastery costs what is left of it.
int32_t Adjusted_Research_Cost(int16_t player_idx, int16_t spell)
{
    int32_t cost = 0;
    if (spell == spl_Spell_Of_Mastery) {
        cost = (uint16_t)_players[player_idx].som_research_cost;
    } else if (spell_data_table != nullptr && spell > 0 && spell < NUM_SPELLS) {
        cost = (uint16_t)spell_data_table[spell].research_cost;
    }
    return (uint16_t)(cost * 100 / (100 + Player_Spell_Research_Bonus(player_idx, spell)));
}

// Entry c is 1 when the wizard knows a spell of AI group code c.
void Known_Groups(int16_t player_idx, int16_t *group_known)
{
    for (int g = 0; g < AI_SPELL_GROUP_CODES; g++) group_known[g] = 0;
    for (int16_t spell = 1; spell < NUM_SPELLS; spell++) {
        int g = Spell_AI_Group(spell);
        if (Player_Spell_Status(player_idx, spell) == SS_KNOWN && g < AI_SPELL_GROUP_CODES) {
            group_known[g] = 1;
        }
    }
}

int32_t Research_Score(int16_t player_idx, int16_t spell_idx, int32_t cost, const int16_t *group_known,
                       int16_t research_income)
{
    const Player_Record &wizard = _players[player_idx];
    int g = Spell_AI_Group(spell_idx);
    bool familiar = g < AI_SPELL_GROUP_CODES && group_known[g] == 1;
    int32_t score = cost;
    if (familiar) score *= 4;
    if (!familiar && Code_Is_One_Of(g, {16, 35, 59, 81})) score /= 10;
    if (!familiar && Code_Is_One_Of(g, {5, 12, 16, 17, 24, 31, 35, 36, 47, 55, 59, 60, 70, 77, 81, 82})) score /= 5;
    if (wizard.Objective == obj_Militarist && Code_Is_One_Of(g, {16, 35, 59, 81})) score /= 2;
    if (!familiar) {
        if (g == 16) score /= 10;
        if (g == 35) score /= 7;
        if (g == 59) score /= 5;
        if (g == 81) score /= 3;
    }
    int16_t human_realm = _players[HUMAN_PLAYER_IDX].Prim_Realm;
    if ((spell_idx == 155 && (human_realm == 4 || human_realm == 2)) || spell_idx == 72) score /= 2;
    if (spell_idx == 204 || spell_idx == 210) score /= 2;
    if (spell_idx == 52 || spell_idx == 61 || spell_idx == 208) score /= 5;
    if (spell_idx == 203) score *= 2;
    if (familiar) score *= 3;
    if (research_income < cost / 20) score *= 2;
    if (research_income < cost / 50) score *= 5;
    if (score < 1 && cost > 0) score = 1;
    if (g == 0) score = 0;
    return score;
}

}  // namespace

int16_t AI_Spell_Research_Select(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) {
        return 0;
    }
    Player_Record &wizard = _players[player_idx];
    int16_t count = 0;
    for (int k = 0; k < CANDIDATES; k++) {
        if (wizard.research_spells[k] != 0) count++;
    }
    if (count == 0) {
        wizard.researching_spell_idx = 0;
        wizard.research_ratio = 0;
        wizard.mana_ratio = 50;
        wizard.skill_ratio = 50;
        return 0;
    }

    wizard.researching_spell_idx = 1;
    wizard.Reevaluate_Magic_Power_Countdown = 0;
    AI_Update_Magic_Power(player_idx);
    int16_t mana_income = 0;
    int16_t research_income = 0;
    int16_t skill_income = 0;
    Player_Magic_Power_Income_Total(&mana_income, &research_income, &skill_income, player_idx);

    int16_t group_known[AI_SPELL_GROUP_CODES] = {};
    Known_Groups(player_idx, group_known);

    int32_t scores[CANDIDATES] = {};
    int32_t largest = 0;
    for (int k = 0; k < count; k++) {
        int16_t spell = wizard.research_spells[k];
        int32_t cost = Adjusted_Research_Cost(player_idx, spell);
        scores[k] = Research_Score(player_idx, spell, cost, group_known, research_income);
        if (scores[k] > largest) largest = scores[k];
    }
    int32_t weights[CANDIDATES] = {};
    for (int k = 0; k < count; k++) {
        weights[k] = scores[k] != 0 ? 52 - (int32_t)((int64_t)scores[k] * 50 / largest) : 0;
    }
    wizard.researching_spell_idx = wizard.research_spells[Get_Weighted_Choice_Long(weights, count)];
    return wizard.researching_spell_idx;
}

int32_t AI_Spell_Research_Score(int16_t player_idx, int16_t spell_idx, int16_t research_income)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) {
        return 0;
    }
    int16_t group_known[AI_SPELL_GROUP_CODES] = {};
    Known_Groups(player_idx, group_known);
    return Research_Score(player_idx, spell_idx, Adjusted_Research_Cost(player_idx, spell_idx), group_known,
                          research_income);
}
