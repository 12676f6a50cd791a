#include "magic/Fortress_Spells.h"

#include "ai/AI_City_Square_Targets.h"
#include "ai/AI_Data.h"
#include "magic/Magic_Services.h"
#include "magic/Spell_Effect_Support.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"

namespace {

constexpr int16_t TARGET_OWN_CITY = 5;
constexpr int16_t SPELL_MOVE_FORTRESS = 28;
constexpr int16_t SPELL_OF_RETURN = 214;
constexpr int SPELL_OF_RETURN_PICKS = 100;

bool City_Ok(int16_t city_idx) { return city_idx >= 0 && city_idx < _cities; }

void Move_Fortress_To(int16_t caster_idx, int16_t city_idx)
{
    Player_Record &player = _players[caster_idx];
    Fortress_Record &fortress = _FORTRESSES[caster_idx];
    const City_Record &city = _CITIES[city_idx];
    fortress.wx = city.wx;
    fortress.wy = city.wy;
    fortress.wp = city.wp;
    player.capital_race = city.race;
    g_ai_recompute_needed = 1;
}

}  // namespace

int16_t Cast_Move_Fortress(int16_t caster_idx)
{
    if (caster_idx < 0 || caster_idx >= NUM_PLAYERS) return 0;
    int16_t city_idx = -1;
    int16_t result;
    const Fortress_Record &fortress = _FORTRESSES[caster_idx];
    if (caster_idx == HUMAN_PLAYER_IDX) {
        for (;;) {
            int16_t wy, wp;
            result = Magic_Spell_Target(TARGET_OWN_CITY, &city_idx, &wy, &wp, SPELL_MOVE_FORTRESS);
            if (result != 1) return result;
            if (!City_Ok(city_idx)) return 0;
            const City_Record &city = _CITIES[city_idx];
            if (city.wx != fortress.wx || city.wy != fortress.wy || city.wp != fortress.wp) break;
            Magic_Message_Record(3);
        }
    } else {
        result = AITP_City_Enchantment(TARGET_OWN_CITY, &city_idx, SPELL_MOVE_FORTRESS, caster_idx);
        if (result != 1) return result;
        if (!City_Ok(city_idx)) return 0;
    }
    const City_Record &city = _CITIES[city_idx];
    const bool watched = Spell_Watched(city.wx, city.wy, city.wp);
    if (caster_idx == HUMAN_PLAYER_IDX || city.owner_idx == HUMAN_PLAYER_IDX || watched) {
        Magic_City_Scene(1, city_idx, SPELL_MOVE_FORTRESS, caster_idx);
    }
    Player_Record &player = _players[caster_idx];
    if (player.summon_wx == fortress.wx && player.summon_wy == fortress.wy && player.summon_wp == fortress.wp) {
        player.summon_wx = city.wx;
        player.summon_wy = city.wy;
        player.summon_wp = city.wp;
    }
    Move_Fortress_To(caster_idx, city_idx);
    if (caster_idx == HUMAN_PLAYER_IDX || watched) Magic_City_Scene(2, city_idx, SPELL_MOVE_FORTRESS, caster_idx);
    return 1;
}

int16_t Cast_Spell_Of_Return(int16_t caster_idx)
{
    if (caster_idx < 0 || caster_idx >= NUM_PLAYERS) return 0;
    int16_t city_idx = -1;
    if (caster_idx == HUMAN_PLAYER_IDX) {
        // The screen cannot be cancelled; an unattended run that picks nothing takes the first city
        // of the human, so the wizard is never left without a fortress.
        for (int pick = 0; pick < SPELL_OF_RETURN_PICKS && !City_Ok(city_idx); pick++) {
            int16_t wy, wp;
            if (Magic_Spell_Target(TARGET_OWN_CITY, &city_idx, &wy, &wp, SPELL_OF_RETURN) != 1) city_idx = -1;
            if (City_Ok(city_idx) && _CITIES[city_idx].owner_idx != caster_idx) city_idx = -1;
            if (magic_services.spell_target == nullptr) break;
        }
        for (int16_t c = 0; c < _cities && !City_Ok(city_idx); c++) {
            if (_CITIES[c].owner_idx == caster_idx) city_idx = c;
        }
        if (!City_Ok(city_idx)) return 0;
    } else {
        if (AITP_City_Enchantment(TARGET_OWN_CITY, &city_idx, SPELL_OF_RETURN, caster_idx) != 1 || !City_Ok(city_idx)) {
            return 0;
        }
    }
    Magic_City_Scene(1, city_idx, SPELL_OF_RETURN, caster_idx);
    Player_Record &player = _players[caster_idx];
    const City_Record &city = _CITIES[city_idx];
    player.summon_wx = city.wx;
    player.summon_wy = city.wy;
    player.summon_wp = city.wp;
    Move_Fortress_To(caster_idx, city_idx);
    _FORTRESSES[caster_idx].active = 1;
    Magic_City_Scene(2, city_idx, SPELL_OF_RETURN, caster_idx);
    return 1;
}
