#include "ai/AI_Economy.h"

#include "ai/AI_City_Production.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Area.h"
#include "world/City_Record.h"
#include "world/Player_Record.h"
#include "world/Spell_Ids.h"
#include "world/Wizard_Economy.h"

namespace {

enum Power_Share : int { share_Mana = 0, share_Skill = 1, share_Research = 2 };

constexpr int FARMER_DRAWS = 50;
constexpr int16_t TAX_RATE_MAX = 4;

bool Player_Valid(int16_t player_idx) { return player_idx >= 0 && player_idx < NUM_PLAYERS; }

bool Has_Researchable_Spell(int16_t player_idx)
{
    for (int spell = 1; spell <= NUM_SPELLS_STATUS; spell++) {
        if (Player_Spell_Status(player_idx, spell) == SS_RESEARCHABLE) {
            return true;
        }
    }
    return false;
}

// Later rules override earlier ones; each rule draws only when its condition holds.
int Power_Share_For_Round(const Player_Record &wizard, int16_t base_skill)
{
    int share = RANDOM(3) - 1;
    if (wizard.Objective == obj_Theurgist && RANDOM(3) == 1) share = share_Research;
    if (wizard.Objective == obj_Militarist && RANDOM(3) == 1) share = share_Skill;
    if (wizard.Objective == obj_Perfectionist && RANDOM(3) == 1) share = share_Mana;
    if (base_skill > 100 && RANDOM(3) == 1) share = share_Research;
    if (wizard.retorts[rtr_Alchemy] != 0 && RANDOM(3) == 1) share = share_Mana;
    if (wizard.Magic_Strategy == 6 && RANDOM(3) == 1) share = share_Mana;
    if (wizard.Magic_Strategy == 1 && RANDOM(3) == 1) share = share_Research;
    if (wizard.Magic_Strategy == 2 && RANDOM(3) == 1) share = share_Skill;
    if ((int32_t)wizard.mana_reserve < 3 * (int32_t)_turn && RANDOM(2) == 1) share = share_Mana;
    if (wizard.mana_reserve > 1000) share = RANDOM(2) == 1 ? share_Research : share_Skill;
    if (share == share_Skill && 4 * (int32_t)wizard.mana_reserve < base_skill) share = share_Mana;
    return share;
}

int16_t Cap_Reserve(int32_t value) { return (int16_t)(value > RESERVE_CAP ? RESERVE_CAP : (value < 0 ? 0 : value)); }

}  // namespace

void AI_Update_Magic_Power(int16_t player_idx)
{
    if (!Player_Valid(player_idx)) {
        return;
    }
    Player_Record &wizard = _players[player_idx];
    wizard.Reevaluate_Magic_Power_Countdown--;
    if (wizard.Reevaluate_Magic_Power_Countdown > 0) {
        return;
    }
    wizard.Reevaluate_Magic_Power_Countdown = (int16_t)(RANDOM(10) + 15);

    int research = wizard.research_ratio;
    int skill = wizard.skill_ratio;
    if (Has_Researchable_Spell(player_idx)) {
        int shares[3] = {30, 10, 10};
        int16_t base_skill = Player_Base_Casting_Skill(player_idx);
        for (int round = 0; round < 5; round++) {
            shares[Power_Share_For_Round(wizard, base_skill)] += 10;
        }
        research = shares[share_Research];
        skill = shares[share_Skill];
        if (wizard.researching_spell_idx == 90) {
            research = 70;
            skill = 10;
        }
        if (wizard.casting_spell_idx == spl_Spell_Of_Mastery) {
            research = 0;
            skill = 10;
        }
        if (_turn < 30) {
            research = 35;
            skill = 25;
        }
    } else {
        skill = research / 2;
        research = 0;
    }
    wizard.research_ratio = (uint8_t)research;
    wizard.skill_ratio = (uint8_t)skill;
    wizard.mana_ratio = (uint8_t)(100 - skill - research);
}

void AI_Update_Gold_And_Mana_Reserves(int16_t player_idx)
{
    if (!Player_Valid(player_idx)) {
        return;
    }
    Player_Record &wizard = _players[player_idx];
    bool alchemy = wizard.retorts[rtr_Alchemy] != 0;
    if (wizard.casting_spell_idx == spl_Spell_Of_Return) {
        wizard.mana_reserve = Cap_Reserve(alchemy ? wizard.gold_reserve : wizard.gold_reserve / 2);
        wizard.gold_reserve = 0;
    }
    int32_t gold = wizard.gold_reserve;
    int32_t mana = wizard.mana_reserve;
    if (alchemy) {
        int32_t total = gold + mana;
        if (_turn < 150) {
            gold = Cap_Reserve(total * 90 / 100);
            mana = Cap_Reserve(total - gold);
        } else {
            mana = Cap_Reserve(total * 70 / 100);
            gold = Cap_Reserve(total - mana);
        }
    } else {
        if (mana == 0) {
            mana = gold / 4;
            gold = gold / 2;
        }
        if (RANDOM(10) == 1) {
            if (mana < gold / 5 && gold > 100) {
                mana += gold / 4;
                gold -= gold / 2;
            } else if (gold < mana / 4 && mana > 100) {
                gold += mana / 4;
                mana -= mana / 2;
            } else if (_turn < 100 && mana > 50) {
                gold += mana / 4;
                mana -= mana / 2;
            }
        }
    }
    wizard.gold_reserve = Cap_Reserve(gold);
    wizard.mana_reserve = Cap_Reserve(mana);
}

void AI_Update_Gold_Income_And_Food_Income(int16_t player_idx)
{
    if (!Player_Valid(player_idx)) {
        return;
    }
    Player_Record &wizard = _players[player_idx];
    int16_t gold = 0;
    int16_t food = 0;
    int16_t mana = 0;
    Player_Resource_Income_Total(player_idx, &gold, &food, &mana);
    if (gold < (_turn / 50) * 75 && wizard.tax_rate < 6) {
        wizard.tax_rate++;
    }
    Player_Resource_Income_Total(player_idx, &gold, &food, &mana);
    if (gold > 200 && wizard.tax_rate > 1) {
        wizard.tax_rate--;
    }
    if (wizard.tax_rate > TAX_RATE_MAX) {
        wizard.tax_rate = TAX_RATE_MAX;
    }

    // Random(0) would name slot 0 of no cities: without cities there is nothing to draw.
    if (food >= 0 || _cities <= 0) {
        return;
    }
    int32_t deficit = -(int32_t)food;
    for (int draw = 0; draw < FARMER_DRAWS && deficit > 0; draw++) {
        City_Record &city = _CITIES[RANDOM(_cities) - 1];
        if (city.owner_idx == player_idx && city.farmer_count < city.population) {
            city.farmer_count++;
            deficit -= 2;
        }
    }
}

void NPC_Farmers(void)
{
    for (int16_t city_idx = 0; city_idx < _cities; city_idx++) {
        City_Record &city = _CITIES[city_idx];
        if (city.owner_idx != NEUTRAL_PLAYER_IDX) {
            continue;
        }
        int32_t need = City_Minimum_Farmers(city_idx) + Map_Square_Unit_Count(city.wx, city.wy, city.wp);
        int32_t farmers =
            (city.race == rt_Halfling || city.bldg_status[bt_Healers_Grove] == 1) ? (need + 2) / 3 : (need + 1) / 2;
        if (farmers > city.population) {
            farmers = city.population;
        }
        city.farmer_count = (uint8_t)(farmers < 0 ? 0 : farmers);
    }
}
