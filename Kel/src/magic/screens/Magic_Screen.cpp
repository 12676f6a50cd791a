// The magic screen (screen 106): the three staves that split the human's magic power, his incomes,
// skill and reserve, the rival wizards as gems, the global enchantments in force and alchemy.
#include "magic/Magic_Screen.h"

#include <cstdio>
#include <cstring>

#include "Animation.h"
#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "info/Mirror_Screen.h"
#include "magic/Alchemy.h"
#include "magic/Magic_Staves.h"
#include "magic/Overland_Enchantment_List.h"
#include "magic/Spellbook_Pages.h"
#include "magic/screens/Alchemy_Popup.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "turn/Diplomacy_Tables.h"
#include "turn/Magic_Power_Research.h"
#include "turn/Relations.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/City_Record.h"
#include "world/Player_Record.h"
#include "world/Scouting.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"
#include "world/Wizard_Economy.h"

int16_t skill_staff_locked = 0;
int16_t mana_staff_locked = 0;
int16_t research_staff_locked = 0;

int16_t mana_stave_pct_pos = 0;
int16_t research_stave_pct_pos = 0;
int16_t skill_stave_pct_pos = 0;
int16_t mana_stave_pct = 0;
int16_t research_stave_pct = 0;
int16_t skill_stave_pct = 0;
int16_t gem_count = 0;
int16_t gem_player_nums[4];
int16_t magic_ovl_ench_list_first_item = 0;
int16_t magic_ovl_ench_list_scroll_flag = 0;

namespace {

constexpr int16_t GEM_STEP = 77;
constexpr int16_t GEM_BROKEN = -2;
constexpr int16_t GEM_UNKNOWN = -1;
constexpr int16_t ENCH_SHOWN_MAX = 18;
constexpr int16_t ENCH_ONE_COLUMN_MAX = 9;
constexpr int16_t STAVE_BOTTOM = 152;
constexpr int SLOT_TIME_STOP = 6;
constexpr int SLOT_SCOUTING = 7;
constexpr uint8_t NEUTRAL_ENCHANTMENT_COLOUR = 50;
const uint8_t m_banner_colours[6] = {172, 216, 123, 201, 211, NEUTRAL_ENCHANTMENT_COLOUR};

struct Stave_Pictures {
    uint8_t *empty;
    uint8_t *full;
    uint8_t *lock;
};

struct Magic_Screen_Pictures {
    uint8_t *background;
    uint8_t *grey_gem;
    uint8_t *broken_gem;
    Stave_Pictures staves[3];  // mana, research, skill
    uint8_t *alchemy_button;
    uint8_t *ok_button;
    uint8_t *treaty_icons[15];
    uint8_t *gems[NUM_PLAYERS - 2];
};
Magic_Screen_Pictures m_pictures = {};

struct Stave_Place {
    int16_t empty_x, empty_y, full_x, full_y, lock_x, lock_y, field_x, lock_x1, lock_x2;
    const char *key;
};
// Mana, research, skill.
const Stave_Place m_stave_places[3] = {
    {29, 83, 32, 102, 27, 81, 32, 28, 41, "M"},
    {75, 85, 79, 102, 74, 81, 79, 75, 88, "R"},
    {122, 83, 126, 102, 121, 81, 126, 122, 135, "S"},
};

struct Magic_Screen_Fields {
    int16_t staves[3];
    int16_t locks[3];
    int16_t ok;
    int16_t alchemy;
    int16_t esc;
    int16_t gems[NUM_PLAYERS - 2];
    int16_t enchantments[ENCH_SHOWN_MAX];
    int16_t more;
    int16_t words[3];    // KWB, GXN, MORVAT held with Alt
    int16_t letters[6];  // G X N K W B typed plainly
};
Magic_Screen_Fields m_fields = {};
int16_t m_summon_city = -1;
int16_t m_typed_gxn = 0;
int16_t m_typed_kwb = 0;

int16_t *Stave_Position(int k)
{
    return k == 0 ? &mana_stave_pct_pos : k == 1 ? &research_stave_pct_pos : &skill_stave_pct_pos;
}

void Balance_Staves(void)
{
    int16_t pos[3] = {skill_stave_pct_pos, research_stave_pct_pos, mana_stave_pct_pos};
    int16_t before[3] = {skill_stave_pct, research_stave_pct, mana_stave_pct};
    const int16_t locked[3] = {skill_staff_locked, research_staff_locked, mana_staff_locked};
    Magic_Staves_Balance(pos, before, locked);
    skill_stave_pct_pos = skill_stave_pct = pos[stave_Skill];
    research_stave_pct_pos = research_stave_pct = pos[stave_Research];
    mana_stave_pct_pos = mana_stave_pct = pos[stave_Mana];
    Magic_Staves_To_Player(HUMAN_PLAYER_IDX, pos);
}

void Set_Colours(int16_t style, uint8_t first, uint8_t rest)
{
    uint8_t colours[16];
    std::memset(colours, rest, sizeof colours);
    colours[0] = first;
    Set_Font_Colors_15(style, colours);
}

const char *Spell_Name(int16_t spell)
{
    if (spell_data_table == nullptr || spell <= 0 || spell >= NUM_SPELLS) return "";
    return spell_data_table[spell].name;
}

void Draw_Staves(void)
{
    const int16_t locked[3] = {mana_staff_locked, research_staff_locked, skill_staff_locked};
    for (int k = 0; k < 3; k++) {
        const Stave_Place &p = m_stave_places[k];
        const Stave_Pictures &pic = m_pictures.staves[k];
        int16_t level = (int16_t)(STAVE_BOTTOM - *Stave_Position(k));
        if (pic.empty != nullptr) {
            Set_Window(0, 79, 319, level);
            Clipped_Draw(p.empty_x, p.empty_y, pic.empty);
        }
        if (pic.full != nullptr) {
            Set_Window(0, level, 319, 166);
            Clipped_Draw(p.full_x, p.full_y, pic.full);
        }
        Reset_Window();
        if (locked[k] != 0 && pic.lock != nullptr) FLIC_Draw(p.lock_x, p.lock_y, pic.lock);
    }
}

void Draw_Incomes(void)
{
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    int16_t mana = 0, research = 0, skill = 0;
    Player_Magic_Power_Income_Total(&mana, &research, &skill, HUMAN_PLAYER_IDX);
    char text[64];
    Set_Outline_Color(19);
    Set_Colours(2, 190, 190);
    Set_Font_Style_Shadow_Down(2, 15, 15, 15);
    snprintf(text, sizeof text, "%d MP", (int)mana);
    Print_Right(54, 160, text);
    if (human.researching_spell_idx == 0) {
        Print(67, 100, "No Spell");
    } else {
        snprintf(text, sizeof text, "%d RP", (int)research);
        Print_Right(101, 160, text);
    }
    snprintf(text, sizeof text, "%d SP", (int)skill);
    Print_Right(148, 160, text);

    Set_Outline_Color(240);
    Set_Colours(1, 190, 190);
    Set_Font_Style_Shadow_Down(1, 15, 15, 15);
    int16_t base = Player_Base_Casting_Skill(HUMAN_PLAYER_IDX);
    Print(5, 177, "Casting Skill:");
    snprintf(text, sizeof text, "%d(%d)", (int)(base + Player_Hero_Casting_Skill(HUMAN_PLAYER_IDX)), (int)base);
    Print_Right(90, 177, text);
    Print(5, 185, "Magic Reserve:");
    if (human.mana_reserve > 19999) Set_Font_Style_Shadow_Down(0, 15, 15, 15);
    Print_Integer_Right(90, 185, human.mana_reserve);
    Set_Font_Style_Shadow_Down(1, 15, 15, 15);
    Print(5, 193, "Power Base:");
    Print_Integer_Right(90, 193, human.Power_Base);
    Print(100, 177, "Casting:");
    Print(156, 177, human.casting_spell_idx > 0 ? Spell_Name(human.casting_spell_idx) : "None");
    Print(100, 185, "Researching:");
    Print(156, 185, human.researching_spell_idx > 0 ? Spell_Name(human.researching_spell_idx) : "");
    Print(100, 193, "Summon To:");
    if (m_summon_city >= 0 && m_summon_city < _cities && _CITIES != nullptr) {
        snprintf(text, sizeof text, "%.*s", (int)sizeof _CITIES[m_summon_city].name, _CITIES[m_summon_city].name);
        Print(156, 193, text);
    } else {
        Print(156, 193, "None");
    }
}

void Draw_Gems(void)
{
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    for (int16_t n = 0; n < 4; n++)
        if (m_pictures.grey_gem != nullptr) FLIC_Draw((int16_t)(n * GEM_STEP + 24), 4, m_pictures.grey_gem);
    Set_Colours(1, 190, 190);
    Set_Font_Style_Shadow_Down(1, 15, 15, 15);
    for (int16_t n = 0; n < gem_count; n++) {
        int16_t player = gem_player_nums[n];
        int16_t x = (int16_t)(n * GEM_STEP);
        if (player == GEM_BROKEN) {
            if (m_pictures.broken_gem != nullptr) FLIC_Draw((int16_t)(x + 23), 3, m_pictures.broken_gem);
            continue;
        }
        if (player < 0) continue;
        if (m_pictures.gems[n] != nullptr) FLIC_Draw((int16_t)(x + 24), 4, m_pictures.gems[n]);
        const Player_Record &rival = _players[player];
        Print_Centered((int16_t)(x + 45), 53, Diplomacy_Relation_Label(rival.Dipl_Relation[HUMAN_PLAYER_IDX]));
        int16_t y = 2;
        for (int16_t other = 0; other < _num_players && other < NUM_PLAYERS; other++) {
            if (other == player) continue;
            bool shown = other == HUMAN_PLAYER_IDX;
            for (int16_t m = 0; m < gem_count && !shown; m++) shown = gem_player_nums[m] == other;
            uint8_t treaty = rival.Dipl_Treaty[other];
            if (!shown || treaty == 0) continue;
            int banner = _players[other].banner_id < 5 ? _players[other].banner_id : 0;
            int icon = banner * 3 + (treaty >= 3 ? 2 : treaty - 1);
            if (m_pictures.treaty_icons[icon] != nullptr)
                FLIC_Draw((int16_t)(x + 68), y, m_pictures.treaty_icons[icon]);
            y = (int16_t)(y + 12);
        }
        if (human.Globals[ge_Spell_Watch] != 0 && rival.casting_spell_idx > 0)
            Print_Centered((int16_t)(x + 45), 4, Spell_Name(rival.casting_spell_idx));
    }
}

void Enchantment_Place(int16_t k, bool one_column, int16_t *x, int16_t *y)
{
    if (one_column) {
        *x = 171;
        *y = (int16_t)(80 + 10 * k);
    } else {
        *x = (int16_t)(171 + 69 * (k % 2));
        *y = (int16_t)(81 + 9 * (k / 2));
    }
}

int16_t Enchantments_Shown(void)
{
    int16_t left = (int16_t)(ovl_ench_cnt - magic_ovl_ench_list_first_item);
    return left < 0 ? (int16_t)0 : left > ENCH_SHOWN_MAX ? ENCH_SHOWN_MAX : left;
}

void Draw_Enchantments(void)
{
    bool one_column = ovl_ench_cnt <= ENCH_ONE_COLUMN_MAX;
    int16_t shown = Enchantments_Shown();
    for (int16_t k = 0; k < shown; k++) {
        int16_t entry = (int16_t)(magic_ovl_ench_list_first_item + k);
        uint8_t owner = ovl_ench_list_players[entry];
        uint8_t banner = owner < NUM_PLAYERS ? _players[owner].banner_id : (uint8_t)5;
        if (owner == NUM_PLAYERS - 1 || banner > 5) banner = 5;
        Set_Colours(one_column ? 2 : 0, m_banner_colours[banner], m_banner_colours[banner]);
        Set_Font_Style(one_column ? 2 : 0, 15, 15, 15);
        int16_t x = 0, y = 0;
        Enchantment_Place(k, one_column, &x, &y);
        Print(x, y, Spell_Name(ovl_ench_list_spells[entry]));
    }
    if (magic_ovl_ench_list_scroll_flag != 0) {
        Set_Colours(0, 190, 190);
        Set_Font_Style(0, 15, 15, 15);
        Print(286, 163, "More...");
    }
}

void Load_Gems(void)
{
    gem_count = (int16_t)(_num_players - 1);
    if (gem_count > NUM_PLAYERS - 2) gem_count = NUM_PLAYERS - 2;
    if (gem_count < 0) gem_count = 0;
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    for (int16_t n = 0; n < NUM_PLAYERS - 2; n++) {
        gem_player_nums[n] = GEM_BROKEN;
        m_pictures.gems[n] = nullptr;
        if (n >= gem_count) continue;
        int16_t player = (int16_t)(n + 1);
        if (_FORTRESSES != nullptr && _FORTRESSES[player].active == 1) {
            gem_player_nums[n] = GEM_UNKNOWN;
            if (human.Dipl_Contacted[player] != 0) gem_player_nums[n] = player;
        }
    }
}

}  // namespace

void Magic_Screen_Load(void)
{
    m_pictures = {};
    m_pictures.background = LBX_Reload_Picture("RAROZ", 0, _screen_seg);
    m_pictures.grey_gem = LBX_Reload_Next_Picture("RAROZ", 6, _screen_seg);
    m_pictures.broken_gem = LBX_Reload_Next_Picture("RAROZ", 51, _screen_seg);
    for (int k = 0; k < 3; k++) {
        m_pictures.staves[k].empty = LBX_Reload_Next_Picture("RAROZ", (int16_t)(7 + 2 * k), _screen_seg);
        m_pictures.staves[k].full = LBX_Reload_Next_Picture("RAROZ", (int16_t)(8 + 2 * k), _screen_seg);
        m_pictures.staves[k].lock = LBX_Reload_Next_Picture("RAROZ", (int16_t)(15 + k), _screen_seg);
    }
    m_pictures.alchemy_button = LBX_Reload_Next_Picture("RAROZ", 13, _screen_seg);
    m_pictures.ok_button = LBX_Reload_Next_Picture("RAROZ", 14, _screen_seg);
    for (int k = 0; k < 15; k++)
        m_pictures.treaty_icons[k] = LBX_Reload_Next_Picture("RAROZ", (int16_t)(60 + k), _screen_seg);
    Load_Gems();
    for (int16_t n = 0; n < gem_count; n++) {
        int16_t player = gem_player_nums[n];
        if (player < 0) continue;
        const Player_Record &rival = _players[player];
        int16_t entry = (int16_t)(rival.wizard_id * 5 + (rival.banner_id < 5 ? rival.banner_id : 0));
        if (entry >= 0 && entry < 70) m_pictures.gems[n] = LBX_Reload_Next_Picture("LILWIZ", entry, _screen_seg);
    }
}

void Magic_Screen_Draw(void)
{
    Balance_Staves();
    Reset_Window();
    Set_Page_Off();
    if (m_pictures.background != nullptr) FLIC_Draw(0, 0, m_pictures.background);
    if (m_pictures.ok_button != nullptr) FLIC_Draw(291, 181, m_pictures.ok_button);
    if (m_pictures.alchemy_button != nullptr) FLIC_Draw(232, 181, m_pictures.alchemy_button);
    Draw_Staves();
    Draw_Incomes();
    Draw_Gems();
    Draw_Enchantments();
}

void Magic_Screen_Add_Fields(void)
{
    for (int k = 0; k < 3; k++) {
        const Stave_Place &p = m_stave_places[k];
        m_fields.staves[k] =
            Add_Scroll_Field(p.field_x, 102, 0, STAVE_TOTAL, 0, STAVE_TOTAL, 5, 50, Stave_Position(k), p.key, -1);
    }
    m_fields.ok = Add_Button_Field(291, 181, "", m_pictures.ok_button, "O", -1);
    m_fields.alchemy = Add_Button_Field(232, 181, "", m_pictures.alchemy_button, "A", -1);
    for (int k = 0; k < 3; k++) {
        const Stave_Place &p = m_stave_places[k];
        m_fields.locks[k] = Add_Hidden_Field(p.lock_x1, 82, p.lock_x2, 101, "", -1);
    }
    for (int16_t n = 0; n < NUM_PLAYERS - 2; n++) {
        m_fields.gems[n] = -1000;
        if (n >= gem_count) continue;
        int16_t x = (int16_t)(n * GEM_STEP);
        m_fields.gems[n] = Add_Hidden_Field((int16_t)(x + 29), 10, (int16_t)(x + 59), 42, "", -1);
    }
    bool one_column = ovl_ench_cnt <= ENCH_ONE_COLUMN_MAX;
    int16_t shown = Enchantments_Shown();
    for (int16_t k = 0; k < ENCH_SHOWN_MAX; k++) {
        m_fields.enchantments[k] = -1000;
        if (k >= shown) continue;
        if (one_column) {
            m_fields.enchantments[k] =
                Add_Hidden_Field(169, (int16_t)(80 + 10 * k), 289, (int16_t)(89 + 10 * k), "", -1);
        } else {
            int16_t x = (int16_t)(169 + 70 * (k % 2));
            int16_t y = (int16_t)(80 + 9 * (k / 2));
            m_fields.enchantments[k] = Add_Hidden_Field(x, y, (int16_t)(x + 63), (int16_t)(y + 6), "", -1);
        }
    }
    m_fields.more =
        magic_ovl_ench_list_scroll_flag != 0 ? Add_Hidden_Field(286, 163, 307, 169, "", -1) : (int16_t)-1000;
}

namespace {

void Reset_Enchantment_List(void)
{
    Build_Overland_Enchantment_List();
    magic_ovl_ench_list_scroll_flag = ovl_ench_cnt > ENCH_SHOWN_MAX ? 1 : 0;
    if (magic_ovl_ench_list_first_item >= ovl_ench_cnt) magic_ovl_ench_list_first_item = 0;
}

void Cancel_Enchantment(int16_t entry)
{
    int16_t spell = ovl_ench_list_spells[entry];
    if (ovl_ench_list_players[entry] != HUMAN_PLAYER_IDX || spell <= 0 || spell >= NUM_SPELLS) return;
    char text[100];
    snprintf(text, sizeof text, "Do you wish to cancel your \x02%s\x01 spell.", Spell_Name(spell));
    if (Confirmation_Box(text) == 0) return;
    int slot = spell_data_table[spell].Param_Bytes[0];
    if (slot < 0 || slot >= NUM_OVERLAND_ENCHANTMENTS) return;
    _players[HUMAN_PLAYER_IDX].Globals[slot] = 0;
    STU_LOG(SEV_INFO, LC_SPELLBOOK, "Magic_Screen: cancelled global enchantment slot %d (spell %d)", slot, (int)spell);
    if (slot == SLOT_SCOUTING) Update_Scouted_And_Contacted();
    if (slot == SLOT_TIME_STOP) g_timestop_player_num = 0;
    Build_Overland_Enchantment_List();
    magic_ovl_ench_list_scroll_flag = ovl_ench_cnt > ENCH_SHOWN_MAX ? 1 : 0;
    magic_ovl_ench_list_first_item = 0;
}

// A word typed with plain letters: progress through it, 1 when its last letter came.
int16_t Word_Step(int16_t *progress, const char *word, char letter)
{
    if (word[*progress] == letter) {
        (*progress)++;
    } else {
        *progress = word[0] == letter ? (int16_t)1 : (int16_t)0;
    }
    if (word[*progress] != '\0') return 0;
    *progress = 0;
    return 1;
}

void Add_Typed_Words(void)
{
    m_fields.words[0] = Add_Multi_Hot_Key_Field("KWB");
    m_fields.words[1] = Add_Multi_Hot_Key_Field("GXN");
    m_fields.words[2] = Add_Multi_Hot_Key_Field("MORVAT");
    static const char *const letters[6] = {"G", "X", "N", "K", "W", "B"};
    for (int k = 0; k < 6; k++) m_fields.letters[k] = Add_Hot_Key(letters[k]);
}

}  // namespace

void Magic_Screen(void)
{
    Load_Gems();
    Magic_Screen_Load();
    int16_t pos[3];
    Magic_Staves_From_Player(HUMAN_PLAYER_IDX, pos);
    skill_stave_pct_pos = skill_stave_pct = pos[stave_Skill];
    research_stave_pct_pos = research_stave_pct = pos[stave_Research];
    mana_stave_pct_pos = mana_stave_pct = pos[stave_Mana];
    Players_Update_Magic_Power();
    if (m_pictures.background != nullptr) Load_Palette_From_Animation(m_pictures.background);
    Assign_Auto_Function(Magic_Screen_Draw, 1);
    magic_ovl_ench_list_first_item = 0;
    Reset_Enchantment_List();
    m_summon_city = Player_Summon_City(HUMAN_PLAYER_IDX);
    Set_Input_Delay(1);
    Clear_Fields();
    Add_Typed_Words();
    int16_t words_end = fields_count;
    m_typed_gxn = m_typed_kwb = 0;
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Magic_Screen: research %d mana %d skill %d, %d enchantments",
            (int)_players[HUMAN_PLAYER_IDX].research_ratio, (int)_players[HUMAN_PLAYER_IDX].mana_ratio,
            (int)_players[HUMAN_PLAYER_IDX].skill_ratio, (int)ovl_ench_cnt);

    int frames = 0;
    bool leave = false;
    while (!leave) {
        Mark_Time();
        Clear_Fields_Above((int16_t)(words_end - 1));
        Magic_Screen_Add_Fields();
        m_fields.esc = Add_Hot_Key("\x1B");
        int16_t hit = Get_Input();
        bool redraw = true;
        int16_t letter = -1;
        for (int k = 0; k < 6; k++)
            if (hit != 0 && hit == m_fields.letters[k]) letter = (int16_t)k;
        bool kwb = hit != 0 && hit == m_fields.words[0];
        bool gxn = hit != 0 && hit == m_fields.words[1];
        if (letter >= 0) {
            static const char plain[6] = {'G', 'X', 'N', 'K', 'W', 'B'};
            gxn = Word_Step(&m_typed_gxn, "GXN", plain[letter]) != 0;
            kwb = Word_Step(&m_typed_kwb, "KWB", plain[letter]) != 0;
        }
        if (quit_game_flag) {
            current_screen = scr_Quit_To_DOS;
            leave = true;
        } else if (kwb) {
            STU_LOG(SEV_INFO, LC_KEL_SCR, "Magic_Screen: KWB");
            Cheat_Reveal();
        } else if (gxn) {
            STU_LOG(SEV_INFO, LC_KEL_SCR, "Magic_Screen: GXN");
            Cheat_Power();
        } else if (hit != 0 && hit == m_fields.words[2]) {
            Warn1("Write it up, give me a save game.");
        } else if (hit > 0 && (hit == m_fields.ok || hit == m_fields.esc)) {
            Play_Left_Click();
            current_screen = scr_Main_Screen;
            leave = true;
        } else if (hit > 0 && hit == m_fields.alchemy) {
            Play_Left_Click();
            Alchemy_Popup(80, 60);
            Magic_Screen_Load();
            Reset_Enchantment_List();
            Assign_Auto_Function(Magic_Screen_Draw, 1);
            const Player_Record &human = _players[HUMAN_PLAYER_IDX];
            int32_t mana = (int32_t)human.mana_reserve + WIZ_ManaPerTurn;
            g_spellbook_cast_mana_limit = human.Nominal_Skill < mana ? human.Nominal_Skill
                                                                     : (int16_t)(mana < 0       ? 0
                                                                                 : mana > 32767 ? 32767
                                                                                                : mana);
            _page_flip_effect = 3;
        } else if (hit > 0 && hit == m_fields.more) {
            Play_Left_Click();
            magic_ovl_ench_list_first_item = (int16_t)(magic_ovl_ench_list_first_item + ENCH_SHOWN_MAX);
            if (magic_ovl_ench_list_first_item >= ovl_ench_cnt) magic_ovl_ench_list_first_item = 0;
        } else if (hit != 0) {
            for (int k = 0; k < 3; k++) {
                if (hit != m_fields.locks[k]) continue;
                Play_Left_Click();
                int16_t *lock = k == 0 ? &mana_staff_locked : k == 1 ? &research_staff_locked : &skill_staff_locked;
                *lock = (int16_t)(*lock == 0 ? 1 : 0);
            }
            for (int16_t k = 0; k < ENCH_SHOWN_MAX; k++) {
                if (hit != m_fields.enchantments[k]) continue;
                int16_t entry = (int16_t)(magic_ovl_ench_list_first_item + k);
                if (ovl_ench_list_players[entry] != HUMAN_PLAYER_IDX) continue;
                Play_Left_Click();
                Cancel_Enchantment(entry);
                Assign_Auto_Function(Magic_Screen_Draw, 1);
            }
            for (int16_t n = 0; n < gem_count && !leave; n++) {
                int16_t player = gem_player_nums[n];
                if (player < 0 || m_fields.gems[n] < 0) continue;
                if (hit == -m_fields.gems[n]) {
                    Play_Left_Click();
                    int16_t x = (int16_t)(n * GEM_STEP);
                    Mirror_Screen(player, (int16_t)(x + 29), 10, (int16_t)(x + 59), 40);
                    Magic_Screen_Load();
                    Assign_Auto_Function(Magic_Screen_Draw, 1);
                } else if (hit == m_fields.gems[n]) {
                    if (_players[HUMAN_PLAYER_IDX].casting_spell_idx == spl_Spell_Of_Return) {
                        Warn1("You may not contact other wizards while you are banished.");
                        Assign_Auto_Function(Magic_Screen_Draw, 1);
                    } else {
                        Play_Left_Click();
                        Diplomacy_Set_Wizard_On_Screen(player);
                        current_screen = scr_Diplomacy_Screen;
                        leave = true;
                    }
                }
            }
        }
        if (!leave && redraw) {
            Magic_Screen_Draw();
            Toggle_Pages();
            Release_Time(1);
            if (Unattended_Frame_Done(&frames)) {
                current_screen = scr_Main_Screen;
                leave = true;
            }
        }
    }
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Magic_Screen: leaving to screen %d; research %d mana %d skill %d",
            (int)current_screen, (int)_players[HUMAN_PLAYER_IDX].research_ratio,
            (int)_players[HUMAN_PLAYER_IDX].mana_ratio, (int)_players[HUMAN_PLAYER_IDX].skill_ratio);
    Deactivate_Help_List();
    Deactivate_Auto_Function();
    Reset_Window();
    Clear_Fields();
}
