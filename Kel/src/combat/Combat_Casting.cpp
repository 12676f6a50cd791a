#include "combat/Combat_Casting.h"

#include "combat/Combat_Raise_Summon.h"

#include <cstdio>
#include <cstring>

#include "STU_Log.h"
#include "combat/Combat_AI_Spells.h"
#include "combat/Combat_Cast_Effects.h"
#include "combat/Combat_Casting_Rules.h"
#include "combat/Combat_Deploy.h"
#include "combat/Combat_Dispel.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Tables.h"
#include "combat/Combat_Turn.h"
#include "magic/Spellbook_Pages.h"
#include "random.h"
#include "turn/Magic_Power_Research.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/Item_Record.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

int16_t _combat_caster_idx = 0;

namespace {

constexpr int16_t HUMAN = 0;
constexpr uint8_t FIRST_VARIABLE_TYPE = 17;
constexpr int16_t ORDER_CAST_ITEM_SPELL = 107;
constexpr int16_t DEMON_TYPE = 169;
constexpr uint16_t SUMMONINGS_MASK = 0x1800;
constexpr int SUMMONINGS_SHIFT = 11;
constexpr int16_t COUNTER_MAGIC_PAIR = 10;
constexpr int16_t NODE_STRENGTH = 50;
constexpr int SIDE_UNITS_MAX = 9;
constexpr int VORTICES_MAX = 10;
constexpr uint8_t CASTER_MANA_TO_SHOOT = 3;
constexpr uint8_t RACE_FIRST_FANTASTIC = 15;
constexpr uint8_t RACE_CHAOS = 18;
constexpr uint8_t RACE_DEATH = 20;

constexpr int16_t SP_WEB = 5;
constexpr int16_t SP_WORD_OF_RECALL = 47;
constexpr int16_t SP_COUNTER_MAGIC = 48;
constexpr int16_t SP_DEATH_WISH = 64;
constexpr int16_t SP_FIRE_BOLT_INNATE = 96;
constexpr int16_t SP_THIRD_INNATE = 104;
constexpr int16_t SP_MAGIC_VORTEX = 105;
constexpr int16_t SP_DISPEL_EVIL = 122;
constexpr int16_t SP_HEALING = 125;
constexpr int16_t SP_RAISE_DEAD = 137;
constexpr int16_t SP_LIFE_DRAIN = 167;
constexpr int16_t SP_ANIMATE_DEAD = 195;
constexpr int16_t SP_RECALL_HERO = 205;
constexpr int16_t SP_SPELL_OF_RETURN = 214;

// Innate-spell bits and their spells, in the order they are tested: the last one set decides.
struct Innate {
    uint8_t bit;
    int16_t spell;
};
constexpr Innate INNATE_SPELLS[] = {
    {0x04, SP_THIRD_INNATE}, {0x02, SP_FIRE_BOLT_INNATE}, {0x10, SP_WEB}, {0x01, SP_HEALING}};

bool Unit_Valid(int16_t unit_idx) { return _UNITS != nullptr && unit_idx >= 0 && unit_idx < _units; }
int16_t Clamp16(int32_t v) { return (int16_t)(v > 32767 ? 32767 : v < -32768 ? -32768 : v); }

int16_t Other_Side(int16_t player)
{
    return player == _combat_attacker_player ? _combat_defender_player : _combat_attacker_player;
}

const Unit_Record *Hero_Of(const Battle_Unit_Record &bu)
{
    if (!Unit_Valid(bu.unit_idx)) return nullptr;
    const Unit_Record &unit = _UNITS[bu.unit_idx];
    if (unit.Hero_Slot < 0 || unit.Hero_Slot >= NUM_HERO_SLOTS || bu.owner_idx < 0 || bu.owner_idx >= NUM_PLAYERS) {
        return nullptr;
    }
    return &unit;
}

// The spell charged in the first item of the battle unit's hero, 0 none.
int16_t Hero_Item_Spell(const Battle_Unit_Record &bu)
{
    const Unit_Record *hero = Hero_Of(bu);
    if (hero == nullptr || _ITEMS == nullptr) return 0;
    const int16_t item = _players[bu.owner_idx].Heroes[hero->Hero_Slot].Items[0];
    return item >= 0 && item < NUM_ITEMS ? (int16_t)_ITEMS[item].Spell : (int16_t)0;
}

int Fighting_Units_Of(int16_t player)
{
    int count = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        if (battle_units[i].Status == bus_Fighting && battle_units[i].owner_idx == player) count++;
    }
    return count;
}

bool Conjured(const Battle_Unit_Record &bu)
{
    return Unit_Valid(bu.unit_idx) && _UNITS[bu.unit_idx].wp == (uint8_t)COMBAT_GONE_PLANE;
}

bool Out_Of_Fight(const Battle_Unit_Record &bu) { return bu.Status > bus_Fighting && bu.Status != bus_Destroyed; }

bool Animate_Dead_Candidate_Exists(void)
{
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (!Out_Of_Fight(bu) || bu.race == RACE_DEATH || Hero_Of(bu) != nullptr || Conjured(bu)) continue;
        if (bu.owner_idx != HUMAN && (bu.Attribs_1 & UI_MAGIC_IMMUNITY)) continue;
        return true;
    }
    return false;
}

bool Raise_Dead_Candidate_Exists(void)
{
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.owner_idx == HUMAN && Out_Of_Fight(bu) && bu.race < RACE_FIRST_FANTASTIC && !Conjured(bu)) return true;
    }
    return false;
}

bool Has_Unit(bool human, bool (*test)(const Battle_Unit_Record &))
{
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status != bus_Fighting || (bu.owner_idx == HUMAN) != human) continue;
        if (test(bu)) return true;
    }
    return false;
}

bool Is_Hero(const Battle_Unit_Record &bu) { return Hero_Of(bu) != nullptr; }
bool Is_Normal(const Battle_Unit_Record &bu) { return bu.race < RACE_FIRST_FANTASTIC; }
bool Is_Chaos_Or_Death(const Battle_Unit_Record &bu) { return bu.race == RACE_CHAOS || bu.race == RACE_DEATH; }

bool Is_Battle_Wide_Exempt(int16_t spell) { return spell == 109 || spell == 115 || spell == 150 || spell == 194; }

struct Cast_State {
    int16_t caster;
    int16_t player;
    Battle_Unit_Record *unit;
    int16_t spell;
    bool innate;
    int16_t price;
    int16_t strength;
};

void Lose_Innate(Cast_State &s, bool countered)
{
    for (const Innate &innate : INNATE_SPELLS) {
        if (innate.spell != s.spell) continue;
        if (countered && innate.bit == 0x10) return;
        s.unit->Innate_Spells ^= innate.bit;
        return;
    }
}

// Charges the caster; at a node the wizard pays the strength instead of the price.
void Charge(Cast_State &s, bool countered, bool by_node)
{
    if (s.unit == nullptr) {
        Player_Record &wizard = _players[s.player];
        const int32_t paid = by_node ? s.strength : s.price;
        wizard.Cmbt_Skill_Left = Clamp16((int32_t)wizard.Cmbt_Skill_Left - paid);
        // The product is taken wide: in 16 bits it could wrap and add mana.
        const int32_t mana = (int32_t)wizard.mana_reserve - paid * Combat_Casting_Cost_Multiplier(s.player) / 10;
        wizard.mana_reserve = Clamp16(mana < 0 ? 0 : mana);
        STU_LOG(SEV_INFO, LC_COMBAT, "[CAST] wizard %d paid %d for spell %d: mana now %d, skill left %d", s.player,
                paid, s.spell, wizard.mana_reserve, wizard.Cmbt_Skill_Left);
        return;
    }
    Battle_Unit_Record &bu = *s.unit;
    if (s.innate) {
        Lose_Innate(s, countered);
    } else if (bu.Item_Charges > 0 && s.spell == Hero_Item_Spell(bu)) {
        bu.Item_Charges--;
    } else {
        bu.Mana_Left = (uint8_t)(bu.Mana_Left > s.price ? bu.Mana_Left - s.price : 0);
    }
    bu.Move_Halves = 0;
}

void Choose_Strength_And_Price(Cast_State &s, bool computer, int16_t slot)
{
    const Spell_Data_Record &record = spell_data_table[s.spell];
    const int32_t base = record.casting_cost;
    if (record.type < FIRST_VARIABLE_TYPE || s.innate) {
        s.price = s.unit != nullptr ? (int16_t)base : Casting_Cost(s.player, s.spell, 1);
        s.strength = s.price;
        return;
    }
    int32_t strength;
    if (computer) {
        int32_t extra;
        if (s.unit != nullptr) {
            extra = s.unit->Mana_Left - base;
            if (extra > 4 * base) extra = 4 * base;
        } else {
            const Player_Record &wizard = _players[s.player];
            extra = wizard.Cmbt_Skill_Left;
            if (extra > 4 * base) extra = 4 * base;
            int32_t factor = Combat_Casting_Cost_Multiplier(s.player);
            if (factor < 1) factor = 1;
            const int32_t affordable = (int32_t)wizard.mana_reserve * 10 / factor - base;
            if (extra > affordable) extra = affordable;
        }
        if (extra < 0) extra = 0;
        if (s.spell == SP_DEATH_WISH || s.spell == SP_LIFE_DRAIN || s.spell == SP_COUNTER_MAGIC) {
            extra = 5 * (RANDOM(Clamp16(extra / 5 + 1)) - 1);
        }
        strength = base + extra;
    } else {
        Player_Record &human = _players[HUMAN];
        const int16_t saved_spell = human.casting_spell_idx;
        const int16_t saved_cost = human.casting_cost_remaining;
        human.casting_spell_idx = s.spell;
        human.casting_cost_remaining = s.unit != nullptr ? (int16_t)base : Casting_Cost(HUMAN, s.spell, 1);
        strength = Combat_Mana_Adder(s.spell, slot, s.caster, (int16_t)base);
        human.casting_spell_idx = saved_spell;
        human.casting_cost_remaining = saved_cost;
        Combat_Redraw();
    }
    s.strength = Clamp16(strength);
    s.price =
        s.unit != nullptr ? s.strength : Clamp16(strength - strength * Casting_Cost_Reduction(s.player, s.spell) / 100);
}

int16_t Choose_Spell(Cast_State &s, bool computer, int16_t *slot, int16_t *result)
{
    if (computer) {
        AI_Prepare_Combat_Realm_Threats();
        int16_t spell;
        if (s.unit != nullptr && s.unit->Item_Charges > 0 && s.unit->Action_Mode == ORDER_CAST_ITEM_SPELL) {
            spell = Hero_Item_Spell(*s.unit);
        } else {
            spell = AI_Select_Combat_Spell(s.caster);
        }
        if (spell > 0 && s.unit != nullptr) {
            s.unit->Cast_Marker = (uint8_t)s.caster;
            if (s.unit->owner_idx != HUMAN) _ai_immobile_counter = -1;
        }
        return spell;
    }
    if (s.unit != nullptr) {
        int16_t spell = 0;
        for (const Innate &innate : INNATE_SPELLS) {
            if (s.unit->Innate_Spells & innate.bit) spell = innate.spell;
        }
        if (spell > 0) {
            s.innate = true;
            return spell;
        }
        if (s.unit->Attribs_1 & SUMMONINGS_MASK) {
            if (_units >= UNIT_MAX_IN_USE) {
                *result = 0;
                return -1;
            }
            Summon_Demon(s.caster);
            s.unit->Move_Halves = 0;
            *result = 1;
            return -1;
        }
    }
    if (!Combat_Spellbook_Build(s.caster)) {
        *result = 0;
        return -1;
    }
    int16_t spell;
    do {
        spell = Combat_Spellbook_Choice(s.caster, slot);
    } while (Do_Legal_Spell_Check(spell) != 0);
    return spell;
}

}  // namespace

int16_t Combat_Cast_Spell(int16_t caster, int16_t wx, int16_t wy, int16_t wp)
{
    (void)wx, (void)wy, (void)wp;
    _combat_caster_idx = caster;
    // No player record is read past the wizards, and only the first 20 battle units can cast.
    if (caster < 0 || caster > COMBAT_CASTER_LAST || spell_data_table == nullptr) return 1;
    Cast_State s = {};
    s.caster = caster;
    if (caster < COMBAT_CASTER_WIZARD) {
        if (caster >= _combat_total_unit_count) return 1;
        s.unit = &battle_units[caster];
        s.player = s.unit->owner_idx;
    } else {
        s.player = (int16_t)(caster - COMBAT_CASTER_WIZARD);
    }
    if (s.player < 0 || s.player >= NUM_PLAYERS) return 1;
    const bool computer = s.player != HUMAN || _auto_combat_flag != 0;
    int16_t result = 1;
    int16_t slot = 0;
    s.spell = Choose_Spell(s, computer, &slot, &result);
    if (s.spell < 0) return result;
    if (s.spell >= NUM_SPELLS) s.spell = 0;
    if (!computer && s.spell > 0 && (spell_data_table[s.spell].type < FIRST_VARIABLE_TYPE || s.innate)) {
        Combat_Redraw();
    }
    if (s.spell <= 0) return result;

    Choose_Strength_And_Price(s, computer, slot);
    const int16_t realm = spell_data_table[s.spell].magic_realm;
    STU_LOG(SEV_INFO, LC_COMBAT, "[CAST] caster %d (player %d) casts spell %d (%s): strength %d, price %d", caster,
            s.player, s.spell, spell_data_table[s.spell].name, s.strength, s.price);

    if (!(s.spell == SP_WEB && s.innate)) {
        int8_t &counter = combat_enchantments[2 * COUNTER_MAGIC_PAIR + (s.player == _combat_attacker_player ? 1 : 0)];
        if (counter > 0) {
            if (Combat_Spell_Dispel_Attempt(counter, s.strength, s.player, realm)) {
                Combat_Redraw();
                Combat_Spell_Counter_Message(caster, Other_Side(s.player), s.spell, "Counter Magic");
                Charge(s, true, false);
                result = 2;
                s.spell = 0;
            }
            counter = (int8_t)(counter - 5);
            if (counter <= 0) {
                counter = 0;
                Combat_Refresh_Enchantment_Icons();
            }
        }
    }

    if (s.spell > 0 && battlefield != nullptr) {
        const int16_t centre = battlefield->centre_code;
        const int16_t node_realm = centre == ccc_Sorcery_Node  ? REALM_SORCERY
                                   : centre == ccc_Chaos_Node  ? REALM_CHAOS
                                   : centre == ccc_Nature_Node ? REALM_NATURE
                                                               : REALM_NONE;
        const bool master = s.player < _num_players && _players[s.player].retorts[rtr_Node_Mastery];
        if (node_realm != REALM_NONE && !master && realm != node_realm &&
            Combat_Spell_Dispel_Attempt(NODE_STRENGTH, s.strength, s.player, realm)) {
            Combat_Redraw();
            Combat_Spell_Counter_Message(caster, COUNTER_BY_NODE, s.spell, "");
            Charge(s, true, true);
            result = 2;
            s.spell = 0;
        }
    }

    if (s.spell > 0) {
        const uint8_t type = spell_data_table[s.spell].type;
        int16_t target;
        int16_t x = 0;
        int16_t y = 0;
        if (type == 2 || type == 10 || type == 19 || type == 21 || s.spell == SP_ANIMATE_DEAD) {
            target = SPELL_TARGET_NONE;
        } else if (computer) {
            target = AITP_Combat_Spell(s.spell, s.player, &x, &y);
            if (target >= 0 && target < _combat_total_unit_count) {
                x = battle_units[target].Grid_X;
                y = battle_units[target].Grid_Y;
            } else if (target != SPELL_TARGET_NONE) {
                // No target after all: nothing is cast and nothing paid.
                target = 999;
            }
        } else {
            target = Combat_Spell_Target(s.spell, &x, &y);
        }
        if (target != 999) {
            Combat_Cast_Apply_Spell_Effect(s.spell, target, caster, x, y, s.strength, 1);
            result = 2;
            Charge(s, false, false);
        }
    }

    if (s.unit != nullptr && s.unit->Mana_Left < CASTER_MANA_TO_SHOOT && s.unit->Ammo == 0) {
        s.unit->Ranged = 0;
        s.unit->Ranged_Type = rk_None;
    }
    return result;
}

int16_t Do_Legal_Spell_Check(int16_t spell)
{
    if (spell <= 0 || spell >= NUM_SPELLS || spell_data_table == nullptr) return 0;
    int16_t refused = 0;
    const auto refuse = [&refused](int16_t record) {
        Combat_Spell_Refused(record);
        refused = 1;
    };
    const Player_Record &human = _players[HUMAN];
    const uint8_t type = spell_data_table[spell].type;
    const bool returning = human.casting_spell_idx == SP_SPELL_OF_RETURN;
    if (spell == SP_MAGIC_VORTEX && _vortex_count >= VORTICES_MAX) refuse(76);
    if (spell == SP_WORD_OF_RECALL && returning) refuse(85);
    if (spell == SP_RECALL_HERO) {
        if (returning) {
            refuse(85);
        } else if (human.summon_wx == _combat_wx && human.summon_wy == _combat_wy && human.summon_wp == _combat_wp) {
            refuse(77);
        } else if (!Has_Unit(true, Is_Hero)) {
            refuse(78);
        }
    }
    if (spell == SP_DISPEL_EVIL && !Has_Unit(false, Is_Chaos_Or_Death)) refuse(79);
    if (spell == SP_ANIMATE_DEAD) {
        if (!Animate_Dead_Candidate_Exists()) {
            refuse(80);
        } else if (Fighting_Units_Of(HUMAN) >= SIDE_UNITS_MAX) {
            refuse(84);
        }
    }
    if (spell == SP_RAISE_DEAD) {
        if (!Raise_Dead_Candidate_Exists()) {
            refuse(81);
        } else if (Fighting_Units_Of(HUMAN) >= SIDE_UNITS_MAX) {
            refuse(84);
        }
    }
    if ((type == 10 || type == 21) && !Is_Battle_Wide_Exempt(spell)) {
        const int slot = spell_data_table[spell].Param_Words[0] + (_combat_attacker_player == HUMAN ? 0 : 1);
        if (slot >= 0 && slot < NUM_COMBAT_ENCHANTMENTS && combat_enchantments[slot] >= 1) refuse(82);
    }
    if (type == 15 && !Has_Unit(true, Is_Normal)) refuse(83);
    if (type == 16 && !Has_Unit(false, Is_Normal)) refuse(83);
    if (type == 0) {
        if (_units >= UNIT_MAX_IN_USE) {
            refuse(50);
        } else if (Fighting_Units_Of(HUMAN) >= SIDE_UNITS_MAX) {
            refuse(84);
        }
    }
    return refused;
}

void Summon_Demon(int16_t battle_unit_idx)
{
    if (battle_unit_idx < 0 || battle_unit_idx >= _combat_total_unit_count) return;
    Battle_Unit_Record &caster = battle_units[battle_unit_idx];
    const int summonings = (caster.Attribs_1 & SUMMONINGS_MASK) >> SUMMONINGS_SHIFT;
    int16_t x = 0;
    int16_t y = 0;
    const char *refusal = nullptr;
    if (summonings == 0) {
        refusal = "no summonings left";
    } else if (_combat_total_unit_count >= MAX_BATTLE_UNITS) {
        refusal = "no battle-unit slot";
    } else if (!Combat_Free_Summon_Cell(caster.owner_idx, &x, &y)) {
        refusal = "no free cell";
    }
    if (refusal != nullptr) {
        STU_LOG(SEV_INFO, LC_COMBAT, "[COMBAT] Summon_Demon: battle unit %d: %s; nothing spent", battle_unit_idx,
                refusal);
        return;
    }
    const int16_t owner = caster.owner_idx;
    if (!Create_Unit(DEMON_TYPE, owner, 0, 0, COMBAT_GONE_PLANE, UNIT_SOURCE_UNCAPPED)) return;
    const int16_t unit = (int16_t)(_units - 1);
    caster.Attribs_1 =
        (uint16_t)((caster.Attribs_1 & ~SUMMONINGS_MASK) | (uint16_t)((summonings - 1) << SUMMONINGS_SHIFT));
    const int16_t slot = Combat_Place_Summoned_Unit(owner, unit, x, y);
    if (slot >= 0) Battle_Unit_Summon_Animation(slot, x, y, 0, battle_unit_idx);
}

void Combat_Cast_Spell_Message_Text(char *buffer, int size, int16_t caster, int16_t spell)
{
    if (size <= 0) return;
    const char *spell_name = spell == 0 ? "summon demon"
                             : spell_data_table != nullptr && spell > 0 && spell < NUM_SPELLS
                                 ? spell_data_table[spell].name
                                 : "";
    if (caster >= COMBAT_CASTER_WIZARD) {
        const int16_t player = (int16_t)(caster - COMBAT_CASTER_WIZARD);
        const char *name = player >= 0 && player < NUM_PLAYERS ? _players[player].name : "";
        snprintf(buffer, (size_t)size, "%s has cast %s", name, spell_name);
        return;
    }
    const Battle_Unit_Record &bu = battle_units[caster];
    const Unit_Record *hero = Hero_Of(bu);
    if (hero != nullptr) {
        char name[sizeof(Hero_Slot_Record::name) + 1] = {};
        memcpy(name, _players[bu.owner_idx].Heroes[hero->Hero_Slot].name, sizeof(Hero_Slot_Record::name));
        snprintf(buffer, (size_t)size, "%s has cast %s", name, spell_name);
        return;
    }
    const int16_t type = Unit_Valid(bu.unit_idx) ? _UNITS[bu.unit_idx].type : -1;
    const char *type_name =
        type >= 0 && type < NUM_UNIT_TYPES && _unit_type_table[type].name != nullptr ? _unit_type_table[type].name : "";
    const int figures = type >= 0 && type < NUM_UNIT_TYPES ? _unit_type_table[type].Figures : 1;
    snprintf(buffer, (size_t)size, "The %s %s %s", type_name, figures < 2 ? "has cast" : "have cast", spell_name);
}
