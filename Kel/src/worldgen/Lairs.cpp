#include "worldgen/Lairs.h"

#include <cstring>

#include "Geometry.h"
#include "STU_Log.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Unit_Type_Record.h"
#include "worldgen/Landmasses.h"

namespace {

// A lair site is redrawn while it is water or crowds an earlier lair. Land is wide enough for
// every lair in any generated world; on a map with too little land the spacing is given up after
// the first cap and the slot is left empty after the second, each logged.
constexpr int LAIR_SITE_CAP = 20000;
constexpr int GUARD_TRIES = 200;

int32_t Clamp16(int32_t value)
{
    if (value > INT16_MAX) return INT16_MAX;
    if (value < INT16_MIN) return INT16_MIN;
    return value;
}

int16_t Clamped_Difficulty(void)
{
    if (_difficulty < 0) return 0;
    return _difficulty > 4 ? 4 : _difficulty;
}

int32_t Clamped_Magic(void)
{
    if (_magic < 0) return 0;
    return _magic > 2 ? 2 : _magic;
}

// The most expensive candidate of the realm costing strictly less than the limit (the first of
// equal cost), other than the excluded type; 0 when none. Types without a cost are passed over,
// since the guard count divides by it.
uint8_t Pick_Guardian(uint8_t realm, int32_t limit, int excluded)
{
    int best = 0;
    int32_t best_cost = 0;
    for (int type = GUARD_FIRST_TYPE; type < NUM_UNIT_TYPES; type++) {
        const Unit_Type_Record &record = _unit_type_table[type];
        if (record.race != realm || record.Transport != 0 || type == excluded || record.cost <= 0) {
            continue;
        }
        if (record.cost < limit && record.cost > best_cost) {
            best = type;
            best_cost = record.cost;
        }
    }
    return (uint8_t)best;
}

uint8_t Guardian_Realm(int16_t lair_class, uint8_t type)
{
    switch (lair_class) {
    case LAIR_CLASS_SORCERY_NODE: return GUARD_REALM_SORCERY;
    case LAIR_CLASS_CHAOS_NODE: return GUARD_REALM_CHAOS;
    case LAIR_CLASS_NATURE_NODE: return GUARD_REALM_NATURE;
    case LAIR_CLASS_TOWER: {
        static const uint8_t realms[6] = {GUARD_REALM_DEATH, GUARD_REALM_DEATH,  GUARD_REALM_CHAOS,
                                          GUARD_REALM_LIFE,  GUARD_REALM_NATURE, GUARD_REALM_SORCERY};
        return realms[RANDOM(6) - 1];
    }
    default: break;
    }
    if (type == 6 || type == 9 || type == 10) {
        return RANDOM(4) <= 3 ? GUARD_REALM_DEATH : GUARD_REALM_LIFE;
    }
    static const uint8_t realms[5] = {GUARD_REALM_DEATH, GUARD_REALM_DEATH, GUARD_REALM_CHAOS, GUARD_REALM_CHAOS,
                                      GUARD_REALM_NATURE};
    return realms[RANDOM(5) - 1];
}

int32_t Unit_Cost(uint8_t type) { return _unit_type_table[type].cost; }

void Add_Loot(int16_t &field, int32_t amount) { field = (int16_t)Clamp16((int32_t)field + amount); }

// Draws a site for a normal or weak lair; 0 when none was found even without the spacing.
int Place_Lair(int slot, int16_t &wp, int16_t &wx, int16_t &wy)
{
    for (int attempt = 1; attempt <= 2 * LAIR_SITE_CAP; attempt++) {
        wp = (int16_t)(RANDOM(2) - 1);
        wx = (int16_t)(RANDOM(54) + 2);
        wy = (int16_t)(RANDOM(34) + 2);
        if (attempt == LAIR_SITE_CAP + 1) {
            STU_LOG(SEV_WARN, LC_GENERAL, "Generate_Lairs: lair %d found no site in %d draws; spacing no longer counts",
                    slot, LAIR_SITE_CAP);
        }
        if (Square_Is_Ocean_NewGame(wx, wy, wp) != 0) {
            continue;
        }
        bool crowded = false;
        for (int other = 0; other < slot && attempt <= LAIR_SITE_CAP; other++) {
            if (Delta_XY_With_Wrap(wx, wy, _LAIRS[other].wx, _LAIRS[other].wy, WORLD_WIDTH) < 2) {
                crowded = true;
                break;
            }
        }
        if (!crowded) {
            return 1;
        }
    }
    STU_LOG(SEV_WARN, LC_GENERAL, "Generate_Lairs: lair %d has no land to stand on; the slot stays empty", slot);
    return 0;
}

}  // namespace

void Generate_Lairs(void)
{
    for (int16_t i = 0; i < NUM_TOWERS; i++) {
        Create_Lair(LAIR_FIRST_TOWER + i, 0, _TOWERS[i].wx, _TOWERS[i].wy, LAIR_CLASS_TOWER, RANDOM(11) * 50 + 650);
    }
    for (int i = 0; i < NUM_TOWERS; i++) {
        _LAIRS[LAIR_FIRST_TOWER_COPY + i] = _LAIRS[LAIR_FIRST_TOWER + i];
        _LAIRS[LAIR_FIRST_TOWER_COPY + i].wp = 1;
    }
    int32_t magic = Clamped_Magic();
    for (int16_t i = 0; i < NUM_NODES; i++) {
        const Node_Record &node = _NODES[i];
        int32_t power = node.power;
        int32_t budget = power * power * (RANDOM(11) + 4) * (magic + 1) / 2;
        int16_t lair_class = (int16_t)((node.type < NUM_NODE_TYPES ? node.type : (uint8_t)nt_Sorcery) + 1);
        Create_Lair(LAIR_FIRST_NODE + i, node.wp, node.wx, node.wy, lair_class, budget);
    }
    for (int slot = LAIR_FIRST_NORMAL; slot < LAIR_FIRST_EMPTY; slot++) {
        bool weak = slot >= LAIR_FIRST_WEAK;
        int16_t wp = 0;
        int16_t wx = 0;
        int16_t wy = 0;
        if (Place_Lair(slot, wp, wx, wy) == 0) {
            memset(&_LAIRS[slot], 0, sizeof(Lair_Record));
            continue;
        }
        int32_t budget = 0;
        if (weak) {
            budget = (wp == 0) ? RANDOM(10) * 10 : RANDOM(20) * 10;
        } else {
            budget = (wp == 0) ? RANDOM(29) * 50 + 50 : RANDOM(24) * 100 + 100;
        }
        Create_Lair((int16_t)slot, wp, wx, wy, LAIR_CLASS_OTHER, budget);
    }
    // The unused slots are cleared whole, not only marked empty: the new-game reset fills the
    // records with a pattern that is no square, and a saved game holding it would not load.
    for (int slot = LAIR_FIRST_EMPTY; slot < NUM_LAIRS; slot++) {
        memset(&_LAIRS[slot], 0, sizeof(Lair_Record));
    }
}

void Create_Lair(int16_t lair_idx, int16_t wp, int16_t wx, int16_t wy, int16_t lair_class, int32_t budget)
{
    Lair_Record &lair = _LAIRS[lair_idx];
    int32_t difficulty = Clamped_Difficulty();
    int32_t guard_budget = budget * (difficulty + 1) / 4;

    lair.wx = (uint8_t)wx;
    lair.wy = (uint8_t)wy;
    lair.wp = (uint8_t)wp;
    lair.Intact = 1;
    switch (lair_class) {
    case LAIR_CLASS_TOWER: lair.type = lt_Tower; break;
    case LAIR_CLASS_SORCERY_NODE: lair.type = lt_Sorcery_Node; break;
    case LAIR_CLASS_NATURE_NODE: lair.type = lt_Nature_Node; break;
    case LAIR_CLASS_CHAOS_NODE: lair.type = lt_Chaos_Node; break;
    // A cave up to a fallen temple.
    default: lair.type = (uint8_t)(RANDOM(lt_Fallen_Temple - lt_Sorcery_Node) + lt_Sorcery_Node); break;
    }
    lair.Loot_Gold = 0;
    lair.Loot_Mana = 0;
    lair.Spell_n_Special = 0;
    lair.Item_Count = 0;
    lair.Misc_Flags = 0;
    lair.guard1_unit_type = 0;
    lair.guard1_count = 0;
    lair.guard2_unit_type = 0;
    lair.guard2_count = 0;

    uint8_t realm = Guardian_Realm(lair_class, lair.type);

    uint8_t guard1 = 0;
    int tries = 0;
    do {
        int32_t d = RANDOM(4);
        guard1 = Pick_Guardian(realm, guard_budget / d, -1);
        tries++;
    } while (guard1 == 0 && tries < GUARD_TRIES);
    if (guard1 != 0 && tries < GUARD_TRIES) {
        int32_t cost = Unit_Cost(guard1);
        int32_t count = guard_budget / cost;
        if (count > 1 && RANDOM(2) == 1) {
            count--;
        }
        if (count > 8) {
            count = 8;
        }
        guard_budget -= cost * count;
        lair.guard1_unit_type = guard1;
        lair.guard1_count = (uint8_t)count;
    }
    if (lair.guard1_count != 0) {
        uint8_t guard2 = 0;
        tries = 0;
        do {
            int32_t d = RANDOM((int16_t)(10 - lair.guard1_count));
            guard2 = Pick_Guardian(realm, guard_budget / d, lair.guard1_unit_type);
            tries++;
        } while (guard2 == 0 && tries < GUARD_TRIES);
        if (guard2 != 0 && tries < GUARD_TRIES) {
            int32_t count = guard_budget / Unit_Cost(guard2);
            if (lair.guard1_count + count > 9) {
                count = 9 - lair.guard1_count;
            }
            lair.guard2_unit_type = guard2;
            lair.guard2_count = (uint8_t)count;
        }
    }
    if (lair.guard1_unit_type == 0) lair.guard1_count = 0;
    if (lair.guard2_unit_type == 0) lair.guard2_count = 0;

    int32_t cost1 = Unit_Cost(lair.guard1_unit_type);
    int32_t cost2 = Unit_Cost(lair.guard2_unit_type);
    int32_t value = cost1 * lair.guard1_count;
    STU_LOG(SEV_INFO, LC_GENERAL,
            "[LAIR_VAL] lair=%d step=init_guard1                          value=%d  (g1_cost=%d * g1_count=%d)",
            (int)lair_idx, (int)value, (int)cost1, (int)lair.guard1_count);
    value += cost2 * lair.guard2_count / 2;
    STU_LOG(SEV_INFO, LC_GENERAL,
            "[LAIR_VAL] lair=%d step=add_guard2                           value=%d  (g2_cost=%d * g2_count=%d / 2)",
            (int)lair_idx, (int)value, (int)cost2, (int)lair.guard2_count);
    if (difficulty != 4) {
        value = value * 4 / (difficulty + 1);
        STU_LOG(SEV_INFO, LC_GENERAL,
                "[LAIR_VAL] lair=%d step=difficulty_scale                 value=%d  (* 4 / (difficulty+1) where "
                "difficulty=%d)",
                (int)lair_idx, (int)value, (int)difficulty);
    }
    if (wp == 0) {
        value = value * (49 + RANDOM(76)) / 100;
        STU_LOG(SEV_INFO, LC_GENERAL,
                "[LAIR_VAL] lair=%d step=plane_scale_duravav              value=%d  (* (49 + Random(76)) / 100)",
                (int)lair_idx, (int)value);
    } else {
        value = value * (75 + RANDOM(100)) / 100;
        STU_LOG(SEV_INFO, LC_GENERAL,
                "[LAIR_VAL] lair=%d step=plane_scale_dudaze               value=%d  (* (75 + Random(100)) / 100)",
                (int)lair_idx, (int)value);
    }
    if (value < 50) {
        value = 50;
        STU_LOG(SEV_INFO, LC_GENERAL,
                "[LAIR_VAL] lair=%d step=floor_50                             value=%d  (SETMIN max(value,50))",
                (int)lair_idx, (int)value);
    }
    if (lair_class == LAIR_CLASS_TOWER) {
        int32_t price = RANDOM(4);
        value -= price * price * 50 - 100;
        lair.Spell_n_Special = (int8_t)price;
        STU_LOG(SEV_INFO, LC_GENERAL,
                "[LAIR_VAL] lair=%d step=temple_subtract                  value=%d  (-= (Price^2 * 50) - 100 where "
                "Price=%d)",
                (int)lair_idx, (int)value, (int)price);
    }

    while (value >= 50) {
        int r = RANDOM(15);
        if (r <= 4) {
            bool gold = r <= 2;
            int32_t raw = RANDOM(20) * 10;
            int32_t before = value;
            int32_t amount = raw;
            int clamped = 0;
            if (amount > value) {
                amount = value;
                clamped = 1;
            }
            amount = amount / 10 * 10;
            Add_Loot(gold ? lair.Loot_Gold : lair.Loot_Mana, amount);
            value -= 200;
            if (gold) {
                STU_LOG(SEV_INFO, LC_GENERAL,
                        "[LAIR_VAL] lair=%d step=switch_case_0_1_gold              value=%d  (-= 200, Loot_Gold=%d, "
                        "raw_Random20x10=%d, budget_at_clamp=%d, clamped=%d)",
                        (int)lair_idx, (int)value, (int)amount, (int)raw, (int)before, clamped);
            } else {
                STU_LOG(SEV_INFO, LC_GENERAL,
                        "[LAIR_VAL] lair=%d step=switch_case_2_3_mana              value=%d  (-= 200, Loot_Mana=%d, "
                        "raw_Random20x10=%d, budget_at_clamp=%d, clamped=%d)",
                        (int)lair_idx, (int)value, (int)amount, (int)raw, (int)before, clamped);
            }
        } else if (r <= 9) {
            if (lair.Item_Count < 3 && value >= 300) {
                int32_t raw = RANDOM(27) * 100 + 300;
                int32_t before = value;
                int32_t price = raw;
                int clamped = 0;
                if (price > value) {
                    price = value;
                    clamped = 1;
                }
                price = price / 10 * 10;
                lair.Item_Values[lair.Item_Count] = (int16_t)Clamp16(price);
                lair.Item_Count++;
                value -= price;
                STU_LOG(
                    SEV_INFO, LC_GENERAL,
                    "[LAIR_VAL] lair=%d step=switch_case_4_5_6_7_8_item       value=%d  (-= Price=%d, Item_Count=%d, "
                    "raw_300pRandom27x100=%d, budget_at_clamp=%d, clamped=%d)",
                    (int)lair_idx, (int)value, (int)price, (int)lair.Item_Count, (int)raw, (int)before, clamped);
            } else {
                STU_LOG(
                    SEV_INFO, LC_GENERAL,
                    "[LAIR_VAL] lair=%d step=switch_case_4_5_6_7_8_item_skip  value=%d  (no qualify: Item_Count=%d, "
                    "value<300)",
                    (int)lair_idx, (int)value, (int)lair.Item_Count);
            }
        } else if (r == 10) {
            if (value >= 400 && lair.Misc_Flags == 0) {
                lair.Misc_Flags = 1;
                value -= 1000;
                STU_LOG(SEV_INFO, LC_GENERAL,
                        "[LAIR_VAL] lair=%d step=switch_case_9_prisoner          value=%d  (-= 1000, "
                        "Misc_Flags=Prisoner)",
                        (int)lair_idx, (int)value);
            } else {
                STU_LOG(SEV_INFO, LC_GENERAL,
                        "[LAIR_VAL] lair=%d step=switch_case_9_prisoner_skip     value=%d  (no qualify: value<400 or "
                        "Misc_Flags!=0)",
                        (int)lair_idx, (int)value);
            }
        } else if (r <= 13) {
            int32_t price = RANDOM(4);
            if (value >= price * price * 50 && lair.Spell_n_Special <= 3) {
                value -= price * price * 50;
                int32_t spell = lair.Spell_n_Special + price;
                lair.Spell_n_Special = (int8_t)(spell > 4 ? 4 : spell);
                STU_LOG(SEV_INFO, LC_GENERAL,
                        "[LAIR_VAL] lair=%d step=switch_case_10_11_12_spell      value=%d  (-= (Price^2 * 50) where "
                        "Price=%d, Spell_n_Special=%d)",
                        (int)lair_idx, (int)value, (int)price, (int)lair.Spell_n_Special);
            } else {
                STU_LOG(SEV_INFO, LC_GENERAL,
                        "[LAIR_VAL] lair=%d step=switch_case_10_11_12_spell_skip value=%d  (no qualify: Price=%d, "
                        "Spell_n_Special=%d)",
                        (int)lair_idx, (int)value, (int)price, (int)lair.Spell_n_Special);
            }
        } else {
            int32_t price = RANDOM(4);
            if (price == 1 && value >= 3000) {
                lair.Spell_n_Special = LAIR_RETORT;
                value -= 3000;
                STU_LOG(SEV_INFO, LC_GENERAL,
                        "[LAIR_VAL] lair=%d step=switch_case_13_14_retort        value=%d  (-= 3000, "
                        "Spell_n_Special=6, Price==1 path)",
                        (int)lair_idx, (int)value);
            } else if (value >= 2000) {
                lair.Spell_n_Special = LAIR_RETORT;
                value -= 3000;
                STU_LOG(SEV_INFO, LC_GENERAL,
                        "[LAIR_VAL] lair=%d step=switch_case_13_14_retort        value=%d  (-= 3000, "
                        "Spell_n_Special=6, value>=2000 path)",
                        (int)lair_idx, (int)value);
            } else if (value >= 1000) {
                lair.Spell_n_Special = LAIR_SPELLBOOK;
                value -= 3000;
                STU_LOG(SEV_INFO, LC_GENERAL,
                        "[LAIR_VAL] lair=%d step=switch_case_13_14_spellbook     value=%d  (-= 3000, "
                        "Spell_n_Special=5, value>=1000 path)",
                        (int)lair_idx, (int)value);
            } else {
                STU_LOG(SEV_INFO, LC_GENERAL,
                        "[LAIR_VAL] lair=%d step=switch_case_13_14_skip          value=%d  (no qualify: value<1000)",
                        (int)lair_idx, (int)value);
            }
        }
        STU_LOG(SEV_INFO, LC_GENERAL, "[LAIR_VAL] lair=%d step=final                                 value=%d",
                (int)lair_idx, (int)value);
    }

    if (lair.Spell_n_Special > 4) {
        lair.Loot_Gold = 0;
        lair.Loot_Mana = 0;
        lair.Item_Count = 0;
        lair.Misc_Flags = 0;
    }
}

void Set_Upper_Lair_Guardian_Count(void)
{
    for (int i = 0; i < NUM_LAIRS; i++) {
        _LAIRS[i].guard1_count = (uint8_t)(_LAIRS[i].guard1_count * 17);
        _LAIRS[i].guard2_count = (uint8_t)(_LAIRS[i].guard2_count * 17);
    }
}
