#include "turn/Magic_Power_Research.h"

#include <algorithm>

#include "ai/AI_Spell_Research.h"
#include "magic/Spell_Research.h"
#include "turn/Turn_Services.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"
#include "world/Wizard_Economy.h"

namespace {

constexpr int REALM_ARCANE = 5;
constexpr int SPELL_TYPE_SUMMONING = 0;
constexpr int SPELL_TYPE_ITEM_CREATION = 11;
constexpr int16_t CHEAT_AMOUNT = 10000;
// Casting places that cost five times as much overland.
constexpr uint8_t PLACE_COMBAT_ONLY = 0;
constexpr uint8_t PLACE_2 = 2;
constexpr uint8_t PLACE_3 = 3;

int16_t Saturate16(int32_t value) { return (int16_t)(value > 32767 ? 32767 : value < -32768 ? -32768 : value); }

bool Spell_Valid(int spell_idx) { return spell_data_table != nullptr && spell_idx >= 0 && spell_idx < NUM_SPELLS; }

int16_t Spell_Research_Cost(int spell_idx)
{
    return Spell_Valid(spell_idx) ? spell_data_table[spell_idx].research_cost : 0;
}

int Wizard_Count(void) { return _num_players < 0 ? 0 : _num_players > NUM_PLAYERS ? NUM_PLAYERS : _num_players; }

bool Wizard_Valid(int player_idx) { return player_idx >= 0 && player_idx < Wizard_Count(); }

void Set_Research_Cost_Of_Choice(Player_Record &wizard)
{
    int16_t spell = wizard.researching_spell_idx;
    wizard.research_cost_remaining =
        spell == spl_Spell_Of_Mastery ? wizard.som_research_cost : Spell_Research_Cost(spell);
}

// Takes the spell out of the candidates, the later ones moving up; true when it stood there.
bool Remove_Candidate(Player_Record &wizard, int16_t spell_idx)
{
    for (int k = 0; k < NUM_RESEARCH_CANDIDATES; k++) {
        if (wizard.research_spells[k] != spell_idx) {
            continue;
        }
        for (int j = k; j < NUM_RESEARCH_CANDIDATES - 1; j++) {
            wizard.research_spells[j] = wizard.research_spells[j + 1];
        }
        wizard.research_spells[NUM_RESEARCH_CANDIDATES - 1] = 0;
        return true;
    }
    return false;
}

bool Has_Candidates(const Player_Record &wizard)
{
    for (int k = 0; k < NUM_RESEARCH_CANDIDATES; k++) {
        if (wizard.research_spells[k] != 0) {
            return true;
        }
    }
    return false;
}

void Restart_Music(void) { Turn_Restart_Music(); }

}  // namespace

void Players_Apply_Magic_Power(void)
{
    for (int16_t player_idx = 0; player_idx < Wizard_Count(); player_idx++) {
        Player_Record &wizard = _players[player_idx];
        int16_t mana = 0;
        int16_t research = 0;
        int16_t skill = 0;
        Player_Magic_Power_Income_Total(&mana, &research, &skill, player_idx);
        int32_t needed = (uint16_t)wizard.research_cost_remaining - (int32_t)research;
        wizard.research_cost_remaining = (int16_t)(uint16_t)(needed < 0 ? 0 : needed);
        int32_t reserve = wizard.mana_reserve + (int32_t)mana;
        wizard.mana_reserve = (int16_t)(reserve > INCOME_RESERVE_CAP ? INCOME_RESERVE_CAP : reserve);
        int64_t gain = wizard.retorts[rtr_Archmage] ? (int64_t)skill * 3 / 2 : skill;
        int64_t points = (int64_t)wizard.spell_casting_skill + gain;
        wizard.spell_casting_skill = (int32_t)(points > INT32_MAX ? INT32_MAX : points);
    }
}

void Player_Gets_Spell(int16_t player_idx, int16_t spell_idx, int16_t animate)
{
    if (!Wizard_Valid(player_idx) || spell_idx < 1 || spell_idx > NUM_SPELLS_STATUS) {
        return;
    }
    Player_Record &wizard = _players[player_idx];
    int32_t som_cost = wizard.som_research_cost - Spell_Research_Cost(spell_idx) / 2;
    wizard.som_research_cost = (int16_t)(som_cost < 0 ? 0 : som_cost);
    Player_Set_Spell_Status(player_idx, spell_idx, SS_KNOWN);
    bool was_researched = wizard.researching_spell_idx == spell_idx;
    if (was_researched) {
        Remove_Candidate(wizard, spell_idx);
        Player_Research_Spells(player_idx);
        wizard.research_cost_remaining = 0;
        wizard.researching_spell_idx = Has_Candidates(wizard) ? (int16_t)-spell_idx : (int16_t)0;
    } else if (Remove_Candidate(wizard, spell_idx)) {
        Player_Research_Spells(player_idx);
    }
    if (player_idx != 0 && was_researched) {
        AI_Spell_Research_Select(player_idx);
        Set_Research_Cost_Of_Choice(wizard);
    }
    if (player_idx == 0 && animate == 1) {
        Learn_Spell_Animation(spell_idx, was_researched ? 1 : 0);
        if (!was_researched) {
            Restart_Music();
        }
    }
}

void Players_Check_Spell_Research(void)
{
    for (int16_t player_idx = 0; player_idx < Wizard_Count(); player_idx++) {
        Player_Record &wizard = _players[player_idx];
        bool learned = false;
        if (wizard.research_cost_remaining == 0 && wizard.researching_spell_idx > 0) {
            Player_Gets_Spell(player_idx, wizard.researching_spell_idx, 1);
            learned = true;
        }
        if (wizard.researching_spell_idx < 0 || (wizard.researching_spell_idx == 0 && _turn < 2)) {
            if (player_idx != 0) {
                AI_Spell_Research_Select(player_idx);
            } else {
                Turn_Research_Pointer();
                Spell_Research_Select();
                if (learned) {
                    Restart_Music();
                }
            }
            Set_Research_Cost_Of_Choice(wizard);
        }
    }
}

int16_t Player_Hero_Casting_Skill(int16_t player_idx)
{
    if (!Wizard_Valid(player_idx) || _FORTRESSES == nullptr) {
        return 0;
    }
    const Fortress_Record &fortress = _FORTRESSES[player_idx];
    int32_t sum = 0;
    for (int slot_idx = 0; slot_idx < NUM_HERO_SLOTS; slot_idx++) {
        int16_t unit_idx = _players[player_idx].Heroes[slot_idx].unit_idx;
        if (unit_idx < 0 || unit_idx >= _units || unit_idx >= UNIT_TABLE_CAPACITY) {
            continue;
        }
        const Unit_Record &hero = _UNITS[unit_idx];
        if (hero.wx == fortress.wx && hero.wy == fortress.wy && hero.wp == fortress.wp) {
            Load_Battle_Unit(unit_idx, global_battle_unit);
            sum += global_battle_unit->Caster_Mana / 2;
        }
    }
    return Saturate16(sum);
}

int16_t Casting_Cost_Reduction(int16_t player_idx, int16_t spell_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS || !Spell_Valid(spell_idx)) {
        return 0;
    }
    const Player_Record &wizard = _players[player_idx];
    const Spell_Data_Record &spell = spell_data_table[spell_idx];
    int realm = spell.magic_realm;
    int books = realm < REALM_ARCANE ? wizard.spellranks[realm] : 0;
    int32_t reduction = books >= 8 ? books * 10 - 70 : 0;
    if ((realm == 0 && wizard.retorts[rtr_Nature_Mastery]) || (realm == 1 && wizard.retorts[rtr_Sorcery_Mastery]) ||
        (realm == 2 && wizard.retorts[rtr_Chaos_Mastery])) {
        reduction += 15;
    }
    if (wizard.retorts[rtr_Artificer] && spell.type == SPELL_TYPE_ITEM_CREATION) {
        reduction += 50;
    }
    if (wizard.retorts[rtr_Conjurer] && spell.type == SPELL_TYPE_SUMMONING) {
        reduction += 25;
    }
    if (wizard.retorts[rtr_Runemaster] && realm == REALM_ARCANE) {
        reduction += 25;
    }
    return Saturate16(reduction);
}

int16_t Casting_Cost(int16_t player_idx, int16_t spell_idx, int16_t in_battle)
{
    if (!Spell_Valid(spell_idx)) {
        return 0;
    }
    const Spell_Data_Record &spell = spell_data_table[spell_idx];
    int32_t cost = spell.casting_cost;
    if (spell.magic_realm == 0 || spell.magic_realm == 3) {
        for (int p = 0; p < NUM_PLAYERS; p++) {
            if (_players[p].Globals[ge_Evil_Omens]) {
                cost = cost * 3 / 2;
                break;
            }
        }
    }
    if (in_battle == 0 &&
        (spell.Eligibility == PLACE_COMBAT_ONLY || spell.Eligibility == PLACE_2 || spell.Eligibility == PLACE_3)) {
        cost *= 5;
    }
    cost -= cost * Casting_Cost_Reduction(player_idx, spell_idx) / 100;
    return Saturate16(cost < 0 ? 0 : cost);
}

void All_Players_Apply_Spell_Casting(void)
{
    for (int16_t player_idx = 0; player_idx < Wizard_Count(); player_idx++) {
        if (g_timestop_player_num != 0 && g_timestop_player_num != player_idx + 1) {
            continue;
        }
        Player_Record &wizard = _players[player_idx];
        wizard.Skill_Left = Saturate16((int32_t)wizard.Skill_Left + Player_Hero_Casting_Skill(player_idx));
        int32_t base = Player_Base_Casting_Skill(player_idx);
        int32_t advance = 0;
        if (wizard.casting_spell_idx != 0) {
            int32_t mana = wizard.mana_reserve;
            int32_t cost_left = wizard.casting_cost_remaining;
            if (player_idx != 0 && wizard.casting_spell_idx == spl_Spell_Of_Return) {
                cost_left -= base;
                mana -= base;
            } else {
                int32_t pay = std::min({mana, (int32_t)wizard.Skill_Left, cost_left});
                if (pay > 0) {
                    cost_left -= pay;
                    mana -= pay;
                }
            }
            if (mana < 0) {
                mana = 0;
            }
            if (cost_left > 0 && std::min({mana, base, cost_left}) == cost_left) {
                advance = cost_left;
                mana -= advance;
                cost_left = 0;
            }
            wizard.mana_reserve = Saturate16(mana);
            wizard.casting_cost_remaining = Saturate16(cost_left);
        }
        wizard.Skill_Left = Saturate16(base - advance);
    }
}

void Cheat_Power(void)
{
    for (int k = 0; k < NUM_RESEARCH_CANDIDATES; k++) {
        _players[0].research_spells[k] = 0;
    }
    for (int16_t player_idx = 0; player_idx < Wizard_Count(); player_idx++) {
        Player_Record &wizard = _players[player_idx];
        wizard.mana_reserve = CHEAT_AMOUNT;
        wizard.gold_reserve = CHEAT_AMOUNT;
        wizard.spell_casting_skill = CHEAT_AMOUNT;
        wizard.Nominal_Skill = Player_Base_Casting_Skill(player_idx);
        wizard.Skill_Left = wizard.Nominal_Skill;
        for (int spell_idx = 1; spell_idx <= NUM_SPELLS_STATUS; spell_idx++) {
            if (Player_Spell_Status(player_idx, spell_idx) == SS_RESEARCHABLE) {
                Player_Set_Spell_Status(player_idx, spell_idx, SS_KNOWN);
            }
        }
    }
    _players[0].Globals[ge_Spell_Watch] = 1;
    _players[0].researching_spell_idx = 0;
}
