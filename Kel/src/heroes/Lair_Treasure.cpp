// Entering a site: the finding box, the guard battle and the treasure of a taken site.
#include <cstdio>
#include <cstring>
#include <strings.h>

#include "STU_Log.h"
#include "cities/City_Records.h"
#include "combat/Combat_Entry.h"
#include "heroes/Hero_Popups.h"
#include "heroes/Heroes_Services.h"
#include "heroes/Item_Making.h"
#include "heroes/Lairs.h"
#include "heroes/Text_Lists.h"
#include "magic/Spell_Research.h"
#include "magic/Spell_Rewards.h"
#include "random.h"
#include "turn/Magic_Power_Research.h"
#include "turn/Offers.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr uint8_t FLAG_PRISONER = 0x01;
constexpr uint8_t FLAG_SHOWN = 0x02;
constexpr uint8_t FLAG_FOUGHT = 0x04;
constexpr int16_t MANA_CAP = 32767;
constexpr int ARMY_FULL = 9;
constexpr int RETORT_TRIES = 100;

const char *const m_lair_articles[NUM_LAIR_TYPES] = {"a", "a", "a", "a", "a", "a", "an", "an", "a", "some", "a"};
// Book realm by site type; -1 each realm equally likely.
const int8_t m_lair_realms[NUM_LAIR_TYPES] = {0, 2, 0, 1, -1, 4, 3, 4, -1, 4, 3};
const char *const m_realm_names[5] = {"Nature", "Sorcery", "Chaos", "Life", "Death"};
const char *const m_retort_names[NUM_RETORTS] = {
    "Alchemy",      "Warlord",     "Chaos Mastery", "Nature Mastery", "Sorcery Mastery", "Infernal Power",
    "Divine Power", "Sage Master", "Channeler",     "Myrran",         "Archmage",        "Mana Focusing",
    "Node Mastery", "Famous",      "Runemaster",    "Conjurer",       "Charismatic",     "Artificer"};

bool Valid_Lair(int16_t lair_idx)
{
    return _LAIRS != nullptr && lair_idx >= 0 && lair_idx < NUM_LAIRS && _LAIRS[lair_idx].type < NUM_LAIR_TYPES;
}

bool Costly_Retort(int r)
{
    return r == rtr_Warlord || r == rtr_Channeler || r == rtr_Divine_Power || r == rtr_Famous ||
           r == rtr_Infernal_Power;
}

int Guard_Count(const Lair_Record &lair) { return lair.guard1_count & 0x0F; }

void Append(char *text, int size, const char *format, const char *a, int n = 0)
{
    const size_t len = strlen(text);
    if ((int)len >= size - 1) return;
    snprintf(text + len, (size_t)size - len, format, a, n);
}

// The costly retort on the two-reward path, with the checks of the single reward.
bool Give_Costly_Retort(Player_Record &wizard, int r)
{
    if (r == rtr_Infernal_Power && wizard.spellranks[3] > 0) return false;
    if (r == rtr_Divine_Power && wizard.spellranks[4] > 0) return false;
    wizard.retorts[r] = 1;
    if (r == rtr_Famous) wizard.fame = (int16_t)(wizard.fame > 32757 ? 32767 : wizard.fame + 10);
    return true;
}

}  // namespace

int16_t Lair_Magic_Realm(int16_t lair_idx)
{
    if (!Valid_Lair(lair_idx)) return 0;
    const int realm = m_lair_realms[_LAIRS[lair_idx].type];
    return (int16_t)(realm >= 0 ? realm : RANDOM(5) - 1);
}

void Lair_Clear(int16_t lair_idx)
{
    if (!Valid_Lair(lair_idx)) return;
    Lair_Record &lair = _LAIRS[lair_idx];
    lair.Intact = 0;
    if (lair.type != 0) return;
    for (int i = 0; i < NUM_LAIRS; i++) {
        Lair_Record &other = _LAIRS[i];
        if (i != lair_idx && other.Intact == 1 && other.wx == lair.wx && other.wy == lair.wy) {
            other.Intact = 0;
            return;
        }
    }
}

void Lair_Confirm_Text(int16_t lair_idx, char *text, int size)
{
    text[0] = '\0';
    if (!Valid_Lair(lair_idx)) return;
    const Lair_Record &lair = _LAIRS[lair_idx];
    const char *name = TBL_EZ_Names[lair.type];
    snprintf(text, (size_t)size, "You have found %s %s.", m_lair_articles[lair.type], name);
    if (Guard_Count(lair) > 0) {
        const int guard = lair.guard1_unit_type;
        const char *guard_name =
            guard < NUM_UNIT_TYPES && _unit_type_table[guard].name ? _unit_type_table[guard].name : "";
        Append(text, size, "%s", "  Scouts have spotted ");
        if (guard < NUM_UNIT_TYPES && _unit_type_table[guard].Figures == 1) {
            Append(text, size, "%s ", An(guard_name));
        }
        Append(text, size, "%s within the ", guard_name);
        Append(text, size, "%s.  Do you wish to enter?", name);
    }
}

int16_t Do_Lair_Confirm(int16_t lair_idx)
{
    char text[LAIR_TEXT_ROOM];
    Lair_Confirm_Text(lair_idx, text, sizeof text);
    STU_LOG(SEV_INFO, LC_GENERAL, "[LAIR] %s", text);
    const int16_t guarded = Valid_Lair(lair_idx) && Guard_Count(_LAIRS[lair_idx]) > 0 ? 1 : 0;
    const int16_t answer = Heroes_Lair_Confirm(lair_idx, text, guarded);
    return guarded ? answer : (int16_t)1;
}

void EZ_SpecialTreasure(int16_t player_idx, int16_t lair_idx, int16_t wanted, int16_t *count, int16_t *list)
{
    Player_Record &wizard = _players[player_idx];
    for (int pass = 0; pass < wanted && *count < wanted; pass++) {
        int retorts = 0;
        for (int r = 0; r < NUM_RETORTS; r++) retorts += wizard.retorts[r] != 0;
        int books = 0;
        for (int r = 0; r < 5; r++) books += wizard.spellranks[r];
        int draw = RANDOM(100);
        if (retorts > 5 && books > 12) return;
        if (retorts > 5) draw = 0;
        if (books > 12) draw = 100;
        if (draw >= 75) {
            for (int t = 0; t < RETORT_TRIES; t++) {
                const int r = RANDOM(NUM_RETORTS) - 1;
                if (wizard.retorts[r] != 0) continue;
                if (!Costly_Retort(r) && r != rtr_Myrran) {
                    wizard.retorts[r] = 1;
                    list[(*count)++] = (int16_t)(LAIR_SPECIAL_RETORT + r);
                    break;
                }
                if (Costly_Retort(r) && pass == 0 && wanted == 2) {
                    if (!Give_Costly_Retort(wizard, r)) continue;
                    list[0] = (int16_t)(LAIR_SPECIAL_RETORT + r);
                    *count = 1;
                    return;
                }
            }
        } else {
            const int16_t realm = Lair_Magic_Realm(lair_idx);
            if (realm == 3 && wizard.spellranks[4] > 0) continue;
            if (realm == 4 && wizard.spellranks[3] > 0) continue;
            WIZ_AddSpellRank__WIP(player_idx, realm);
            list[(*count)++] = realm;
        }
    }
}

void Lair_Generate_Treasure(int16_t player_idx, int16_t lair_idx, Lair_Treasure *treasure)
{
    *treasure = {};
    treasure->spell = -1;
    treasure->hero_type = -1;
    treasure->hero_slot = -1;
    if (!Valid_Lair(lair_idx)) return;
    Lair_Record &lair = _LAIRS[lair_idx];
    Player_Record &wizard = _players[player_idx];
    const int site_items = lair.Item_Count < 0 ? 0 : lair.Item_Count > 3 ? 3 : lair.Item_Count;
    for (int i = 0; i < site_items; i++) {
        const int16_t item = Make_Item(0, wizard.spellranks, lair.Item_Values[i]);
        if (item >= 0) treasure->items[treasure->item_count++] = item;
    }
    const int special = lair.Spell_n_Special;
    if (special >= 1 && special <= 4) {
        const int16_t spell = WIZ_RollSpellReward(player_idx, (int16_t)special);
        if (spell > 0) treasure->spell = spell;
    } else if (special == 5 || special == 6) {
        EZ_SpecialTreasure(player_idx, lair_idx, (int16_t)(special - 4), &treasure->special_count, treasure->specials);
        if (treasure->special_count == 0) {
            if (site_items > 2) {
                lair.Loot_Mana = (int16_t)(lair.Loot_Mana > MANA_CAP - 1000 ? MANA_CAP : lair.Loot_Mana + 1000);
            } else {
                const int16_t item = Make_Item(0, wizard.spellranks, 1200);
                if (item >= 0) treasure->items[treasure->item_count++] = item;
            }
        }
    }
    if (lair.Misc_Flags & FLAG_PRISONER) {
        int16_t army[ARMY_AT_SQUARE_MAX];
        int16_t army_count = 0;
        Player_Army_At_Square(lair.wx, lair.wy, lair.wp, player_idx, &army_count, army);
        if (army_count < ARMY_FULL) {
            const int16_t type = Pick_Random_Hero(player_idx, 1, 1);
            const int16_t slot = Hero_Slot_Open(player_idx);
            if (type >= 0 && slot >= 0) {
                treasure->hero_type = type;
                treasure->hero_slot = slot;
            }
        }
    }
    treasure->total = (int16_t)((lair.Loot_Gold > 0) + (lair.Loot_Mana > 0) + (treasure->spell > 0) +
                                (treasure->hero_slot >= 0) + treasure->item_count + treasure->special_count);
}

void Lair_Treasure_Text(int16_t lair_idx, Lair_Treasure *treasure, char *text, int size)
{
    snprintf(text, (size_t)size, "Inside you find ");
    if (!Valid_Lair(lair_idx)) return;
    const Lair_Record &lair = _LAIRS[lair_idx];
    int16_t counter = 0;
    // Folding shrinks the total before the phrases are joined.
    int books = 1;
    if (treasure->special_count == 2 && treasure->specials[0] == treasure->specials[1] &&
        treasure->specials[0] < LAIR_SPECIAL_RETORT) {
        books = 2;
        treasure->total--;
    }
    const char *names[LAIR_ITEM_ROOM];
    int group_of[LAIR_ITEM_ROOM];
    int group_count[LAIR_ITEM_ROOM] = {};
    for (int i = 0; i < treasure->item_count; i++) {
        names[i] = Get_Item_Type_Name(treasure->items[i]);
        group_of[i] = i;
        if (i > 0 && strcasecmp(names[i], names[i - 1]) == 0) {
            group_of[i] = group_of[i - 1];
            treasure->total--;
        }
        group_count[group_of[i]]++;
    }
    const int total = treasure->total;
    if (total <= 0) {
        Append(text, size, "%s", "absolutely nothing");
    }
    char number[16];
    if (lair.Loot_Gold > 0) {
        Add_Comma_Or_And(&counter, (int16_t)total, text, (size_t)size);
        snprintf(number, sizeof number, "%d", lair.Loot_Gold);
        Append(text, size, "%s gold", number);
    }
    if (lair.Loot_Mana > 0) {
        Add_Comma_Or_And(&counter, (int16_t)total, text, (size_t)size);
        snprintf(number, sizeof number, "%d", lair.Loot_Mana);
        Append(text, size, "%s mana crystals", number);
    }
    if (treasure->hero_slot >= 0) {
        Add_Comma_Or_And(&counter, (int16_t)total, text, (size_t)size);
        Append(text, size, "%s", "a prisoner");
    }
    if (treasure->spell > 0 && spell_data_table != nullptr && treasure->spell < NUM_SPELLS) {
        Add_Comma_Or_And(&counter, (int16_t)total, text, (size_t)size);
        const char *name = spell_data_table[treasure->spell].name;
        Append(text, size, "%s ", An(name));
        Append(text, size, "%s spell", name);
    }
    for (int s = 0; s < treasure->special_count; s += books) {
        const int16_t special = treasure->specials[s];
        Add_Comma_Or_And(&counter, (int16_t)total, text, (size_t)size);
        if (special >= LAIR_SPECIAL_RETORT) {
            const int r = special - LAIR_SPECIAL_RETORT;
            Append(text, size, "a retort of %s", r < NUM_RETORTS ? m_retort_names[r] : "");
        } else {
            snprintf(number, sizeof number, "%d", books);
            Append(text, size, "%s ", number);
            Append(text, size, books > 1 ? "%s spell books" : "%s spell book",
                   special < 5 ? m_realm_names[special] : "");
        }
    }
    for (int i = 0; i < treasure->item_count; i++) {
        if (group_of[i] != i) continue;
        Add_Comma_Or_And(&counter, (int16_t)total, text, (size_t)size);
        if (group_count[i] > 1) {
            snprintf(number, sizeof number, "%d", group_count[i]);
            Append(text, size, "%s ", number);
            Append(text, size, "%ss", names[i]);
        } else {
            Append(text, size, "%s ", An(names[i]));
            Append(text, size, "%s", names[i]);
        }
    }
    Append(text, size, "%s", ".");
}

void Lair_Treasure_Popup(int16_t lair_idx, int16_t row, Lair_Treasure *treasure)
{
    char text[LAIR_TEXT_ROOM];
    Lair_Treasure_Text(lair_idx, treasure, text, sizeof text);
    STU_LOG(SEV_INFO, LC_GENERAL, "[LAIR] %s", text);
    Heroes_Lair_Treasure(lair_idx, text, row);
}

void Lair_Loot_Gold_And_Mana(int16_t lair_idx, int16_t player_idx)
{
    if (!Valid_Lair(lair_idx)) return;
    Player_Add_Gold(player_idx, _LAIRS[lair_idx].Loot_Gold);
    Player_Add_Mana(player_idx, _LAIRS[lair_idx].Loot_Mana);
}

int16_t Lair_Combat__WIP(int16_t lair_idx, int16_t player_idx)
{
    if (!Valid_Lair(lair_idx) || player_idx < 0 || player_idx >= NUM_PLAYERS) return 0;
    Lair_Record &lair = _LAIRS[lair_idx];
    int16_t result = 1;
    if (player_idx == 0) {
        const int16_t enter = Do_Lair_Confirm(lair_idx);
        lair.Misc_Flags |= FLAG_SHOWN;
        if (!enter) return 99;
    }
    if (Guard_Count(lair) > 0) {
        result = Lair_Combat_Do(lair_idx, player_idx) == 1 ? (int16_t)1 : (int16_t)0;
        if (player_idx == 0) lair.Misc_Flags |= FLAG_FOUGHT;
    }
    if (result == 1) {
        Lair_Treasure treasure;
        Lair_Generate_Treasure(player_idx, lair_idx, &treasure);
        if (player_idx == 0) Lair_Treasure_Popup(lair_idx, LAIR_TREASURE_ROW, &treasure);
        Lair_Loot_Gold_And_Mana(lair_idx, player_idx);
        if (treasure.hero_slot >= 0 && player_idx == 0) {
            if (Hire_Hero_Popup(treasure.hero_slot, treasure.hero_type, 2) == 1) {
                Unit_Record &hero = _UNITS[_units - 1];
                hero.wx = lair.wx;
                hero.wy = lair.wy;
                hero.wp = lair.wp;
            }
        }
        if (treasure.item_count > 0) {
            if (player_idx == 0) {
                item_pool_in_process = 1;
                item_pool_wx = lair.wx;
                item_pool_wy = lair.wy;
                item_pool_wp = lair.wp;
                Process_Item_Pool(treasure.item_count, treasure.items);
                item_pool_in_process = 0;
            } else {
                Player_Process_Item_Pool(player_idx, treasure.item_count, treasure.items);
            }
        }
        if (treasure.spell > 0) Player_Gets_Spell(player_idx, treasure.spell, player_idx == 0 ? 1 : 0);
        Lair_Clear(lair_idx);
    }
    if (player_idx == 0) Check_Research_Spell_Is_Known(0);
    return result;
}
