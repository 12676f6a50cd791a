#include "magic/Wizard_Spells.h"

#include "ai/AI_Data.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Player_Record.h"

namespace {

bool Wizard(int16_t idx) { return idx >= 0 && idx < NUM_PLAYERS; }

constexpr int ARCHMAGE_SKILL = 10;

}  // namespace

int16_t Apply_Cruel_Unminding(int16_t wizard_idx)
{
    if (!Wizard(wizard_idx)) return 0;
    g_ai_recompute_needed = 1;
    Player_Record &wizard = _players[wizard_idx];
    const int32_t base = Player_Base_Casting_Skill(wizard_idx);
    int32_t loss = base * RANDOM(10) / 100;
    if (loss < 1) loss = 1;
    int32_t t = base - loss;
    if (wizard.retorts[rtr_Archmage]) t -= ARCHMAGE_SKILL;
    wizard.spell_casting_skill = t <= 0 ? 1 : t * (t - 1) + 1;
    return (int16_t)loss;
}

int16_t Apply_Drain_Power(int16_t wizard_idx)
{
    if (!Wizard(wizard_idx)) return 0;
    g_ai_recompute_needed = 1;
    Player_Record &wizard = _players[wizard_idx];
    int32_t drained = 0;
    for (int i = 0; i < 10; i++) drained += RANDOM(20);
    if (drained > wizard.mana_reserve) drained = wizard.mana_reserve < 0 ? 0 : wizard.mana_reserve;
    wizard.mana_reserve = (int16_t)(wizard.mana_reserve - drained);
    return (int16_t)drained;
}

void Apply_Subversion(int16_t wizard_idx)
{
    if (!Wizard(wizard_idx)) return;
    g_ai_recompute_needed = 1;
    Player_Record &target = _players[wizard_idx];
    for (int16_t i = 1; i < _num_players && i < NUM_PLAYERS; i++) {
        if (i == wizard_idx) continue;
        Player_Record &other = _players[i];
        if (other.Dipl_Contacted[wizard_idx] == 0) continue;
        int relation = other.Dipl_Relation[wizard_idx] - 25;
        if (relation < -100) relation = -100;
        other.Dipl_Relation[wizard_idx] = (int8_t)relation;
        target.Dipl_Relation[i] = (int8_t)relation;
        other.peace_duration[wizard_idx] = 0;
        target.peace_duration[i] = 0;
    }
}
