#include "magic/Spellbook_Pages.h"

#include <cstdio>
#include <cstring>

#include "combat/Combat_Casting_Rules.h"
#include "combat/Combat_Tables.h"
#include "turn/Magic_Power_Research.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Game_Settings.h"
#include "world/Item_Record.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

int16_t m_spellbook_spell_list[SPELL_LIST_MAX];
int16_t m_spell_list_count = 0;
int16_t SBK_Group_1_Count = 0;
int16_t SBK_Group_2_Count = 0;
int16_t SBK_Group_3_Count = 0;
int16_t SBK_Group_4_Count = 0;
int16_t SBK_Group_5_Count = 0;
int16_t SBK_Group_6_Count = 0;
Spellbook_Page m_spellbook_pages[SPELLBOOK_PAGES_MAX];
int16_t m_spellbook_page_count = 0;
int16_t g_spellbook_cast_mana_limit = 0;
int16_t WIZ_ManaPerTurn = 0;
int16_t g_research_income_by_realm[6];
int16_t g_spellbook_last_left_page = 0;
int16_t g_combat_spellbook_left_page = 0;
int16_t g_first_research_page = 0;
int16_t g_spellbook_left_page = 0;
int16_t g_spellbook_mode = 0;

namespace {

constexpr int GS_SPELL_BOOK_ORDERING = 14;
constexpr int8_t PLACE_COMBAT = 1;
constexpr int8_t PLACE_NONE = 5;
constexpr uint8_t SPELL_TYPE_SUMMONING = 0;
constexpr int16_t SEA_BATTLE = 6;
constexpr int16_t WIZARD_CASTER_BASE = 20;
constexpr uint16_t ATTRIBS_SPELL_CASTER = 0x6000;
constexpr int RACE_REALM_BASE = 16;

// In layout order: the section byte (ordering on) and the realm byte (ordering off) of each
// group, its title, and the group counter it adds to.
struct Group_Row {
    uint8_t section;
    const char *section_title;
    uint8_t realm;
    const char *realm_title;
    int16_t *counter;
};
const Group_Row m_groups[SPELLBOOK_GROUPS] = {
    {1, "Summoning", 5, "Arcane", &SBK_Group_1_Count},   {0, "Special Spells", 2, "Chaos", &SBK_Group_2_Count},
    {3, "City Spells", 4, "Death", &SBK_Group_3_Count},  {2, "Enchantment", 3, "Life", &SBK_Group_5_Count},
    {4, "Unit Spells", 0, "Nature", &SBK_Group_4_Count}, {5, "Combat Spells", 1, "Sorcery", &SBK_Group_6_Count},
};

bool By_Section(void) { return Game_Settings_Word(GS_SPELL_BOOK_ORDERING) != 0; }

bool Spell_Exists(int spell) { return spell_data_table != nullptr && spell > 0 && spell < NUM_SPELLS; }

int8_t Place(int spell) { return (int8_t)spell_data_table[spell].Eligibility; }

int Abs(int v) { return v < 0 ? -v : v; }

void Append(int16_t *list, int16_t spell)
{
    if (m_spell_list_count < SPELL_LIST_MAX) list[m_spell_list_count++] = spell;
}

bool Listed(const int16_t *list, int16_t spell)
{
    for (int k = 0; k < m_spell_list_count; k++)
        if (Abs(list[k]) == Abs(spell)) return true;
    return false;
}

void Zero_Counts(void)
{
    for (const Group_Row &g : m_groups) *g.counter = 0;
    m_spell_list_count = 0;
    m_spellbook_page_count = 0;
}

// Pages the list needs at per_page a page, a part page per group.
int16_t Page_Estimate(int16_t per_page)
{
    int n = 0;
    for (const Group_Row &g : m_groups) n += (*g.counter + per_page - 1) / per_page;
    return (int16_t)n;
}

void Clear_Pages(int16_t n)
{
    if (n > SPELLBOOK_PAGES_MAX) n = SPELLBOOK_PAGES_MAX;
    for (int16_t k = 0; k < n; k++) m_spellbook_pages[k] = {};
}

void Set_Title(Spellbook_Page &page, const char *title)
{
    snprintf(page.title, sizeof page.title, "%s", title != nullptr ? title : "");
}

// Mana left for one spell: the lesser of what the skill and the mana cover, never below 0.
int16_t Casting_Limit(int32_t skill, int32_t mana)
{
    if (skill < mana) return (int16_t)(skill > 32767 ? 32767 : skill);
    if (mana <= 0) return 0;
    return (int16_t)(mana > 32767 ? 32767 : mana);
}

bool Summon_Fails_At_Sea(int16_t spell)
{
    if (_combat_structure != SEA_BATTLE || spell_data_table[spell].type != SPELL_TYPE_SUMMONING) return false;
    int type = spell_data_table[spell].Param_Bytes[0];
    if (type < 0 || type >= NUM_UNIT_TYPES) return true;
    const Unit_Type_Record &unit = _unit_type_table[type];
    return (unit.Move_Flags & MV_FLYING) == 0 && (unit.Abilities & UA_NONCORPOREAL) == 0;
}

}  // namespace

int16_t Spellbook_Spell_Group(int16_t spell)
{
    int s = Abs(spell);
    if (!Spell_Exists(s)) return 0;
    bool by_section = By_Section();
    uint8_t key = by_section ? spell_data_table[s].spell_book_category : spell_data_table[s].magic_realm;
    for (int16_t g = 0; g < SPELLBOOK_GROUPS; g++)
        if ((by_section ? m_groups[g].section : m_groups[g].realm) == key) return g;
    return 0;
}

void Build_Spell_List(int16_t kind, int16_t *list)
{
    if (spell_data_table == nullptr) return;
    for (int16_t spell = 1; spell < NUM_SPELLS && spell <= NUM_SPELLS_STATUS; spell++) {
        uint8_t status = Player_Spell_Status(HUMAN_PLAYER_IDX, spell);
        int8_t place = Place(spell);
        switch (kind) {
        case 0:
            if (status == SS_KNOWN && place >= 0 && place != PLACE_NONE) Append(list, spell);
            break;
        case 1:
            if (status == SS_KNOWN && place != PLACE_COMBAT && place != PLACE_NONE) Append(list, spell);
            break;
        default:
            if (status != 0) Append(list, status == SS_KNOWN ? spell : (int16_t)-spell);
            break;
        }
    }
}

void Combat_Spellbook_Add_Spells_From_Magic_Realm(int16_t *list, int16_t realm)
{
    if (spell_data_table == nullptr || realm < 0 || realm > 5) return;
    for (int j = 0; j < SPELLS_PER_REALM; j++) {
        int16_t spell = (int16_t)(realm * SPELLS_PER_REALM + j + 1);
        if (Spell_Exists(spell) && Place(spell) != PLACE_COMBAT) Append(list, spell);
    }
}

void Spellbook_Group_Counts(void)
{
    for (int k = 0; k < m_spell_list_count; k++)
        (*m_groups[Spellbook_Spell_Group(m_spellbook_spell_list[k])].counter)++;
}

void Spellbook_Add_Page(int16_t n, int16_t group, const char *title, int16_t per_page)
{
    if (per_page < 1 || per_page > SPELLBOOK_PAGE_SPELLS || m_spellbook_page_count >= SPELLBOOK_PAGES_MAX) return;
    Set_Title(m_spellbook_pages[m_spellbook_page_count], title);
    int16_t slot = 0;
    int16_t taken = 0;
    for (int k = 0; k < m_spell_list_count && taken < n; k++) {
        int16_t spell = m_spellbook_spell_list[k];
        if (group >= 0 && Spellbook_Spell_Group(spell) != group) continue;
        taken++;
        if (++slot > per_page) {
            m_spellbook_pages[m_spellbook_page_count].count = (uint8_t)per_page;
            if (++m_spellbook_page_count >= SPELLBOOK_PAGES_MAX) return;
            slot = 1;
            int16_t page = m_spellbook_page_count;
            bool facing_same = (page % 2) == 1 && m_spellbook_pages[page - 1].count > 0 &&
                               Spellbook_Spell_Group(m_spellbook_pages[page - 1].spells[0]) == group;
            Set_Title(m_spellbook_pages[page], facing_same ? "" : title);
        }
        m_spellbook_pages[m_spellbook_page_count].spells[slot - 1] = spell;
    }
    m_spellbook_pages[m_spellbook_page_count].count = (uint8_t)slot;
    m_spellbook_page_count++;
}

void Spellbook_Add_Group_Pages(int16_t per_page)
{
    bool by_section = By_Section();
    for (int16_t g = 0; g < SPELLBOOK_GROUPS; g++) {
        int16_t n = *m_groups[g].counter;
        if (n == 0) continue;
        Spellbook_Add_Page(n, g, by_section ? m_groups[g].section_title : m_groups[g].realm_title, per_page);
    }
    if ((m_spellbook_page_count % 2) == 1 && m_spellbook_page_count < SPELLBOOK_PAGES_MAX) {
        m_spellbook_pages[m_spellbook_page_count] = {};
        m_spellbook_page_count++;
    }
}

void Build_Spellbook(int16_t kind, int16_t per_page)
{
    Zero_Counts();
    Players_Update_Magic_Power();
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    int16_t mana = 0, skill = 0, research = 0;
    Player_Magic_Power_Distribution(&mana, &skill, &research, HUMAN_PLAYER_IDX);
    for (int16_t realm = 0; realm < 6; realm++) {
        int32_t bonus = Player_Spell_Research_Bonus(HUMAN_PLAYER_IDX, (int16_t)(realm * SPELLS_PER_REALM + 1));
        int32_t income = research + (int32_t)research * bonus / 100;
        g_research_income_by_realm[realm] = (int16_t)(income > 32767 ? 32767 : income < 0 ? 0 : income);
    }
    human.Nominal_Skill = Player_Base_Casting_Skill(HUMAN_PLAYER_IDX);
    int32_t mana_share = (int16_t)(human.Power_Base * human.mana_ratio) / 100;
    int32_t per_turn = mana_share - Player_Armies_And_Enchantments_Mana_Upkeep(HUMAN_PLAYER_IDX);
    WIZ_ManaPerTurn = (int16_t)(per_turn < -32768 ? -32768 : per_turn > 32767 ? 32767 : per_turn);
    g_spellbook_cast_mana_limit =
        Casting_Limit((int32_t)human.Nominal_Skill + Player_Hero_Casting_Skill(HUMAN_PLAYER_IDX),
                      (int32_t)WIZ_ManaPerTurn + human.mana_reserve);
    Build_Spell_List(kind, m_spellbook_spell_list);
    Spellbook_Group_Counts();
    Clear_Pages((int16_t)(Page_Estimate(per_page) + 3));
    Spellbook_Add_Group_Pages(per_page);
    if (per_page != BIG_BOOK_PER_PAGE) return;
    g_first_research_page = m_spellbook_page_count;
    static const char *const titles[2] = {"Research", "Spells"};
    for (int half = 0; half < 2; half++) {
        m_spell_list_count = 0;
        for (int k = half * 4; k < half * 4 + 4; k++)
            if (human.research_spells[k] != 0) m_spellbook_spell_list[m_spell_list_count++] = human.research_spells[k];
        Spellbook_Add_Page(m_spell_list_count, -1, titles[half], per_page);
    }
}

int16_t Combat_Spellbook_Build(int16_t caster)
{
    Zero_Counts();
    if (spell_data_table == nullptr) return 0;
    bool wizard = caster >= WIZARD_CASTER_BASE;
    int16_t player = (int16_t)(caster - WIZARD_CASTER_BASE);
    Battle_Unit_Record *unit = nullptr;
    if (wizard) {
        if (player < 0 || player >= NUM_PLAYERS) return 0;
    } else {
        if (caster < 0 || caster >= MAX_BATTLE_UNITS || battle_units == nullptr) return 0;
        unit = &battle_units[caster];
    }
    int16_t limit = 0;
    if (wizard) {
        const Player_Record &rec = _players[player];
        int16_t multiplier = Combat_Casting_Cost_Multiplier(player);
        int32_t mana = multiplier > 0 ? (int32_t)rec.mana_reserve * 10 / multiplier : 0;
        limit = (int16_t)(rec.Cmbt_Skill_Left < mana ? rec.Cmbt_Skill_Left : (mana > 32767 ? 32767 : mana));
        Build_Spell_List(1, m_spellbook_spell_list);
    } else {
        limit = unit->Mana_Left;
        if ((unit->Attribs_1 & ATTRIBS_SPELL_CASTER) != 0) {
            Combat_Spellbook_Add_Spells_From_Magic_Realm(m_spellbook_spell_list,
                                                         (int16_t)(unit->race - RACE_REALM_BASE));
        } else {
            Build_Spell_List(1, m_spellbook_spell_list);
            int16_t type = -1;
            if (unit->unit_idx >= 0 && unit->unit_idx < _units && _UNITS != nullptr) type = _UNITS[unit->unit_idx].type;
            if (type >= 0 && type < NUM_HERO_TYPES && _HEROES2[HUMAN_PLAYER_IDX] != nullptr) {
                const Hero_Record &hero = _HEROES2[HUMAN_PLAYER_IDX][type];
                for (uint8_t spell : hero.Spells) {
                    if (spell == 0) break;
                    if (Spell_Exists(spell) && !Listed(m_spellbook_spell_list, spell))
                        Append(m_spellbook_spell_list, spell);
                }
            }
            if (unit->Item_Charges > 0) {
                int16_t item = Battle_Unit_Hero_Item(unit->unit_idx, 0);
                int16_t spell = item >= 0 && _ITEMS != nullptr ? _ITEMS[item].Spell : 0;
                if (Spell_Exists(spell) && !Listed(m_spellbook_spell_list, spell))
                    Append(m_spellbook_spell_list, spell);
            }
        }
    }
    int16_t can_cast = unit != nullptr && unit->Item_Charges > 0 ? 1 : 0;
    for (int k = 0; k < m_spell_list_count && can_cast == 0; k++) {
        int16_t spell = (int16_t)Abs(m_spellbook_spell_list[k]);
        int16_t cost = wizard ? Casting_Cost(player, spell, 1) : spell_data_table[spell].casting_cost;
        if (cost > limit || Summon_Fails_At_Sea(spell)) continue;
        if (spell == spl_Cracks_Call && _combat_structure == SEA_BATTLE) continue;
        can_cast = 1;
    }
    Spellbook_Group_Counts();
    Clear_Pages((int16_t)(Page_Estimate(SMALL_BOOK_PER_PAGE) + 3));
    Spellbook_Add_Group_Pages(SMALL_BOOK_PER_PAGE);
    if (g_combat_spellbook_left_page > m_spellbook_page_count)
        g_combat_spellbook_left_page = (int16_t)(m_spellbook_page_count - 2 < 0 ? 0 : m_spellbook_page_count - 2);
    return can_cast;
}

int16_t Big_Book_Help_Index(int16_t page, int16_t slot)
{
    constexpr int16_t SPELL_OF_RETURN_HELP = 657;
    if (page < 0 || page >= m_spellbook_page_count || page >= SPELLBOOK_PAGES_MAX) return -1;
    const Spellbook_Page &record = m_spellbook_pages[page];
    if (slot < 0 || slot >= record.count || slot >= SPELLBOOK_PAGE_SPELLS) return -1;
    const int16_t spell = record.spells[slot];
    if (spell <= 0) return -1;
    return spell == 214 ? SPELL_OF_RETURN_HELP : spell;
}
