#include "magic/Spell_Research.h"

#include "STU_Log.h"
#include "ai/AI_Spell_Research.h"
#include "magic/Magic_Services.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"
#include "world/Wizard_Economy.h"

namespace {

// The Arcane bands: first spell of each and the spell after the last.
constexpr int16_t ARCANE_BANDS[4] = {201, 204, 209, 213};

int16_t m_research_list[RESEARCH_LIST_MAX];

bool Wizard_Valid(int16_t player_idx)
{
    return player_idx >= 0 && player_idx < _num_players && player_idx < NUM_PLAYERS;
}

// Takes every researchable spell of [first, end) into the list; true when one was taken.
bool Take_Band(int16_t player_idx, int16_t first, int16_t end, int16_t *list, int16_t *count)
{
    bool taken = false;
    for (int16_t spell = first; spell < end; spell++) {
        if (Player_Spell_Status(player_idx, spell) != SS_RESEARCHABLE) continue;
        taken = true;
        if (*count < RESEARCH_LIST_MAX) list[(*count)++] = spell;
    }
    return taken;
}

int16_t Candidate_Count(const Player_Record &wizard)
{
    int16_t k = 0;
    for (int16_t spell : wizard.research_spells)
        if (spell != 0) k++;
    return k;
}

int First_Empty_Slot(const Player_Record &wizard)
{
    for (int slot = 0; slot < NUM_RESEARCH_CANDIDATES; slot++)
        if (wizard.research_spells[slot] == 0) return slot;
    return -1;
}

}  // namespace

int16_t Research_Cost_Of_Spell(int16_t player_idx, int16_t spell_idx)
{
    if (spell_idx == spl_Spell_Of_Mastery && player_idx >= 0 && player_idx < NUM_PLAYERS)
        return _players[player_idx].som_research_cost;
    if (spell_data_table == nullptr || spell_idx <= 0 || spell_idx >= NUM_SPELLS) return 0;
    return spell_data_table[spell_idx].research_cost;
}

int16_t Build_Research_List(int16_t player_idx, int16_t *list)
{
    int16_t count = 0;
    if (!Wizard_Valid(player_idx)) return 0;
    for (int realm = 0; realm < NUM_COLOUR_REALMS; realm++) {
        for (int band = 0; band < 4; band++) {
            int16_t first = (int16_t)(realm * SPELLS_PER_REALM + band * SPELLS_PER_BAND + 1);
            if (Take_Band(player_idx, first, (int16_t)(first + SPELLS_PER_BAND), list, &count)) break;
        }
    }
    for (int band = 0; band < 3; band++)
        if (Take_Band(player_idx, ARCANE_BANDS[band], ARCANE_BANDS[band + 1], list, &count)) break;
    return count;
}

void Sort_Research_List(int16_t player_idx, int16_t count)
{
    if (!Wizard_Valid(player_idx) || spell_data_table == nullptr) return;
    if (count > NUM_RESEARCH_CANDIDATES) count = NUM_RESEARCH_CANDIDATES;
    Players_Update_Magic_Power();
    int16_t mana = 0, skill = 0, research = 0;
    Player_Magic_Power_Distribution(&mana, &skill, &research, player_idx);
    int32_t income[6];
    for (int16_t realm = 0; realm < 6; realm++) {
        int32_t bonus = Player_Spell_Research_Bonus(player_idx, (int16_t)(realm * SPELLS_PER_REALM + 1));
        income[realm] = (int32_t)research * bonus / 100 + research;
    }
    auto key = [&income](int16_t spell) -> int32_t {
        if (spell <= 0 || spell >= NUM_SPELLS) return 0;
        int32_t cost = spell_data_table[spell].research_cost;
        int32_t in = income[Spell_Realm(spell)];
        return in == 0 ? cost : cost / in;
    };
    int16_t *candidates = _players[player_idx].research_spells;
    for (int16_t i = 1; i < count; i++) {
        int16_t spell = candidates[i];
        int32_t k = key(spell);
        int16_t j = i;
        while (j > 0 && key(candidates[j - 1]) > k) {
            candidates[j] = candidates[j - 1];
            j--;
        }
        candidates[j] = spell;
    }
}

int16_t Player_Research_Spells(int16_t player_idx)
{
    if (!Wizard_Valid(player_idx)) return 0;
    Player_Record &wizard = _players[player_idx];
    int16_t list_count = Build_Research_List(player_idx, m_research_list);
    int16_t i = 0;
    bool mastery_present = true;
    if (Player_Spell_Status(player_idx, spl_Spell_Of_Mastery) != SS_KNOWN) {
        i = Candidate_Count(wizard);
        mastery_present = false;
        for (int16_t spell : wizard.research_spells)
            if (spell == spl_Spell_Of_Mastery) mastery_present = true;
    }
    // Each pass draws once, even when no slot is free; only a placed spell goes on the research list.
    while (i <= 7 && list_count > 0) {
        int16_t r = Random(list_count);
        int slot = First_Empty_Slot(wizard);
        if (slot >= 0) {
            int16_t spell = m_research_list[r - 1];
            wizard.research_spells[slot] = spell;
            Player_Set_Spell_Status(player_idx, spell, SS_RESEARCH_LIST);
            list_count = Build_Research_List(player_idx, m_research_list);
        }
        i++;
    }
    int16_t k = Candidate_Count(wizard);
    if (k < NUM_RESEARCH_CANDIDATES && list_count == 0 && !mastery_present) {
        int slot = First_Empty_Slot(wizard);
        if (slot >= 0) wizard.research_spells[slot] = spl_Spell_Of_Mastery;
    }
    Sort_Research_List(player_idx, k);
    if (wizard.researching_spell_idx == 0 && k > 0 && _turn > 1) {
        if (player_idx == HUMAN_PLAYER_IDX) {
            Spell_Research_Select();
        } else {
            AI_Spell_Research_Select(player_idx);
        }
        wizard.research_cost_remaining = Research_Cost_Of_Spell(player_idx, wizard.researching_spell_idx);
    }
    return k;
}

int16_t Spell_Research_Select(void)
{
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    if (Candidate_Count(human) == 0) return 0;
    int16_t slot = Magic_Research_Choice();
    if (slot < 0 || slot >= NUM_RESEARCH_CANDIDATES || human.research_spells[slot] == 0) {
        // A choice broken off (the game quit meanwhile) takes the first candidate.
        slot = Magic_First_Candidate_Slot();
    }
    human.researching_spell_idx = human.research_spells[slot];
    STU_LOG(SEV_INFO, LC_SPELLBOOK, "[RESEARCH] chosen slot=%d spell=%d", (int)slot, (int)human.researching_spell_idx);
    return 1;
}

void Learn_Spell_Animation(int16_t spell_idx, int16_t was_researched)
{
    STU_LOG(SEV_INFO, LC_SPELLBOOK, "[RESEARCH] learned spell=%d researched=%d", (int)spell_idx, (int)was_researched);
    Magic_Learn_Spell_Scene(spell_idx, was_researched);
}

void Check_Research_Spell_Is_Known(int16_t fade)
{
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    int16_t spell = human.researching_spell_idx;
    bool pending = spell < 0;
    bool known = spell > 0 && Player_Spell_Status(HUMAN_PLAYER_IDX, spell) == SS_KNOWN;
    if (!pending && !known) return;
    magic_research_fade = fade;
    int16_t chosen = Spell_Research_Select();
    magic_research_fade = 0;
    if (chosen == 0) {
        human.researching_spell_idx = 0;
        return;
    }
    human.research_cost_remaining = Research_Cost_Of_Spell(HUMAN_PLAYER_IDX, human.researching_spell_idx);
}
