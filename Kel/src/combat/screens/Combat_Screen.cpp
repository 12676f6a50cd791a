#include "combat/screens/Combat_Screen.h"
#include "combat/screens/Combat_Figures.h"
#include "combat/screens/Combat_Map_Draw.h"
#include "combat/screens/Combat_Pictures.h"
#include "combat/screens/Combat_Sounds.h"
#include "combat/screens/Combat_Spellbook_Screen.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Animation.h"
#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Load.h"
#include "Mouse.h"
#include "Pictures.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "combat/Combat_AI.h"
#include "combat/Combat_AI_Spells.h"
#include "combat/Combat_Attack.h"
#include "combat/Combat_Cache.h"
#include "combat/Combat_Casting.h"
#include "combat/Combat_Casting_Rules.h"
#include "combat/Combat_Checks.h"
#include "combat/Combat_Deploy.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Map_Generation.h"
#include "combat/Combat_Movement.h"
#include "combat/Combat_Setup.h"
#include "combat/Combat_Tables.h"
#include "combat/Combat_Turn.h"
#include "combat/End_Of_Combat.h"
#include "combat/Strategic_Combat.h"
#include "overland/Unit_Figure.h"
#include "shell/Background_Music.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/City_Record.h"
#include "world/Player_Record.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t GRID_BOTTOM = 164;
constexpr int MESSAGE_RECORD_SIZE = 150;
// A battle under Auto plays a turn a frame, so the turn limit ends it long before this many frames;
// should it not, the battle ends undecided rather than hold the game.
constexpr int AUTO_FRAMES_MAX = 1000;

// The six buttons of the lower panel: place, word and key.
struct Panel_Button {
    int16_t x, y;
    const char *word;
    const char *key;
};
enum Button_Index { btn_Spell, btn_Wait, btn_Info, btn_Auto, btn_Flee, btn_Done, NUM_BUTTONS };
constexpr Panel_Button BUTTONS[NUM_BUTTONS] = {
    {144, 168, "Spell", "S"}, {170, 168, "Wait", "W"}, {144, 178, "Info", "U"},
    {170, 178, "Auto", "A"},  {144, 188, "Flee", "F"}, {170, 188, "Done", "D"},
};
constexpr int16_t BUTTON_WIDTH = 25;
constexpr int16_t BUTTON_HEIGHT = 9;

// Colours of the battlefield and the panel.
constexpr uint8_t COLOUR_PANEL = 17;
constexpr uint8_t COLOUR_BUTTON = 20;
constexpr uint8_t COLOUR_BUTTON_OFF = 18;
constexpr uint8_t COLOUR_TEXT = 31;
constexpr uint8_t COLOUR_TEXT_OFF = 24;

Combat_Rule_Hooks m_saved_hooks = {};
int16_t m_defender_count = 0;
char m_city_name[20] = {};

bool Showing(void) { return Window_Shown() != 0; }

void Set_Colours(int16_t style, uint8_t colour)
{
    uint8_t colours[16];
    memset(colours, colour, sizeof colours);
    Set_Font_Colors_15(style, colours);
    Set_Font_Style(style, 15, 15, 15);
}

const char *Side_Name(int16_t player)
{
    if (player >= 0 && player < _num_players && player < NUM_PLAYERS) return _players[player].name;
    if (m_city_name[0] != '\0' && player == _combat_defender_player) return m_city_name;
    return player == NEUTRAL_PLAYER_IDX && _combat_environ == 1 ? "Raiders" : "Monsters";
}

bool Can_Cast_Now(void)
{
    const Battle_Unit_Record &active = battle_units[_active_battle_unit];
    return Battle_Unit_Can_Cast(&active) || m_wizard_cast_available == 1;
}

// The six buttons' pictures, in the order of the panel.
constexpr int16_t BUTTON_PICTURES[NUM_BUTTONS] = {cbp_Spell, cbp_Wait, cbp_Info, cbp_Auto, cbp_Flee, cbp_Done};

uint8_t Banner_Colour(int16_t owner, int shade)
{
    int banner = NEUTRAL_PLAYER_IDX;
    if (owner >= 0 && owner < _num_players && owner < NUM_PLAYERS) banner = _players[owner].banner_id % 6;
    return COL_Banners[banner][shade];
}

void Draw_Strength_Bar(const Battle_Unit_Record &bu, int16_t x, int16_t y)
{
    const int16_t n = Combat_Damage_Bar_Length(&bu);
    if (n < 0) return;
    Line(x, y, (int16_t)(x + n), y, n >= 13 ? 217 : n < 6 ? 202 : 211);
}

void Draw_Button(int index, bool shown)
{
    const Panel_Button &b = BUTTONS[index];
    uint8_t *picture =
        shown ? combat_button_segs[BUTTON_PICTURES[index]] : combat_lock_button_segs[BUTTON_PICTURES[index]];
    if (picture != nullptr) {
        Set_Animation_Frame(picture, 0);
        FLIC_Draw(b.x, b.y, picture);
        return;
    }
    Fill(b.x, b.y, (int16_t)(b.x + BUTTON_WIDTH - 1), (int16_t)(b.y + BUTTON_HEIGHT - 1),
         shown ? COLOUR_BUTTON : COLOUR_BUTTON_OFF);
    Set_Colours(1, shown ? COLOUR_TEXT : COLOUR_TEXT_OFF);
    Print_Centered((int16_t)(b.x + BUTTON_WIDTH / 2), (int16_t)(b.y + 2), b.word);
}

void Draw_Side_Name(int16_t player, int16_t x)
{
    uint8_t colours[16];
    memset(colours, Banner_Colour(player, 1), sizeof colours);
    Set_Font_Colors_15(1, colours);
    Set_Font_Style(1, 15, 15, 15);
    Print_Centered(x, 168, Side_Name(player));
}

// The active unit: its figure in the window, name, strengths with their icons, moves and the bars.
void Draw_Active_Unit(const Battle_Unit_Record &bu)
{
    const int16_t type = (bu.unit_idx >= 0 && bu.unit_idx < _units) ? _UNITS[bu.unit_idx].type : -1;
    uint8_t *figure = Combat_Figure_Picture(bu.Figure_Set, 2);
    if (figure != nullptr && Combat_Figure_Set_Type(bu.Figure_Set) == type) {
        Set_Animation_Frame(figure, 0);
        Clipped_Draw((int16_t)(84 + (32 - (int16_t)FLIC_Get_Width(figure)) / 2),
                     (int16_t)(173 + (25 - (int16_t)FLIC_Get_Height(figure)) / 2), figure);
    }
    Set_Colours(1, COLOUR_TEXT);
    Print_Centered(112, 167,
                   type >= 0 && type < NUM_UNIT_TYPES && _unit_type_names[type] ? _unit_type_names[type] : "");
    char line[16];
    const int16_t melee = Battle_Unit_Melee_Attack_Icon(&bu);
    if (melee >= 0) {
        snprintf(line, sizeof line, "%d", (int)bu.Melee);
        Print_Right(126, 174, line);
        if (melee < COMBAT_WEAPON_ICONS && combat_weapon_icon_segs[melee] != nullptr)
            FLIC_Draw(128, 172, combat_weapon_icon_segs[melee]);
    }
    const int16_t ranged = Battle_Unit_Ranged_Attack_Icon(&bu);
    if (ranged >= 0) {
        snprintf(line, sizeof line, "%d", (int)bu.Ranged);
        Print_Right(126, 181, line);
        if (ranged < COMBAT_WEAPON_ICONS && combat_weapon_icon_segs[ranged] != nullptr)
            FLIC_Draw(128, 179, combat_weapon_icon_segs[ranged]);
    }
    snprintf(line, sizeof line, "%d", (int)((int8_t)bu.Move_Halves > 0 ? (int8_t)bu.Move_Halves / 2 : 0));
    Print_Right(126, 188, line);
    const int16_t mode = Battle_Unit_Movement_Mode(&bu);
    const int16_t icon = mode == 2 ? 1 : (mode == 4 || mode == 5) ? 2 : 0;
    if (combat_movemode_icon_segs[icon] != nullptr) FLIC_Draw(128, 186, combat_movemode_icon_segs[icon]);
    if (unit_hit_bar_seg != nullptr) FLIC_Draw(117, 194, unit_hit_bar_seg);
    Draw_Strength_Bar(bu, 118, 195);
}

void Draw_Spell_Information(void)
{
    Set_Colours(1, COLOUR_TEXT);
    char line[16];
    const int16_t human = _combat_local_player;
    const bool wizard = human >= 0 && human < NUM_PLAYERS && human < _num_players;
    Print(200, 172, "Skill:");
    snprintf(line, sizeof line, "%d", wizard ? (int)_players[human].Cmbt_Skill_Left : 0);
    Print_Right(236, 172, line);
    Print(200, 181, "Mana:");
    snprintf(line, sizeof line, "%d", wizard ? (int)_players[human].mana_reserve : 0);
    Print_Right(236, 181, line);
    Print(200, 190, "Range:");
    Combat_Multiplier_Text(Combat_Casting_Cost_Multiplier(human), line, sizeof line);
    Print_Right(236, 190, line);
}

// A side's battle-wide enchantments cast in this battle (darkness and light of either kind), up to
// four icons 17 pixels apart.
void Draw_Enchantment_Icons(int16_t player, int16_t x)
{
    const int side = player == _combat_attacker_player ? 0 : 1;
    int shown = 0;
    for (int k = side; k < NUM_COMBAT_ENCHANTMENTS && shown < 4; k += 2) {
        const bool listed = (k == 20 || k == 21) ? combat_enchantments[k] > 0 : combat_enchantments[k] == 1;
        uint8_t *icon = combat_enchantment_icon_segs[k / 2];
        if (!listed || icon == nullptr) continue;
        FLIC_Draw((int16_t)(x + 17 * shown), 179, icon);
        shown++;
    }
}

void Draw_Panel(void)
{
    if (combat_panel_seg == nullptr) Fill(0, GRID_BOTTOM, 319, 199, COLOUR_PANEL);
    const int16_t human = _combat_local_player;
    const int16_t other = human == _combat_attacker_player ? _combat_defender_player : _combat_attacker_player;
    Draw_Side_Name(other, 40);
    Draw_Side_Name(human, 278);
    Draw_Enchantment_Icons(other, 8);
    Draw_Enchantment_Icons(human, 247);
    if (_active_battle_unit >= 0 && _active_battle_unit < _combat_total_unit_count) {
        Draw_Active_Unit(battle_units[_active_battle_unit]);
    }
    Draw_Spell_Information();
    for (int i = 0; i < NUM_BUTTONS; i++) {
        // Under Auto every button but Auto is greyed; Info has no battle-wide effect to list.
        const bool shown = _auto_combat_flag ? i == btn_Auto : i == btn_Spell ? Can_Cast_Now() : i != btn_Info;
        Draw_Button(i, shown);
    }
}

void Redraw_And_Show(void)
{
    Set_Page_Off();
    Combat_Screen_Draw();
    Toggle_Pages();
}

void Hook_Redraw(void)
{
    if (Showing()) Redraw_And_Show();
}

void Hook_Move_Step(Battle_Unit_Record *bu)
{
    if (!Showing()) {
        // Unseen, the step is still traced.
        Combat_Grid_Entities();
        return;
    }
    for (int16_t step = 1; step < 8; step += _auto_combat_flag ? 2 : 1) {
        bu->Move_Step = step;
        Mark_Time();
        Redraw_And_Show();
        Release_Time(1);
    }
}

void Hook_Refused(int16_t record)
{
    char text[MESSAGE_RECORD_SIZE + 1] = {};
    LBX_Load_Data_Static("MESSAGE", 0, (uint8_t *)text, record, 1, MESSAGE_RECORD_SIZE);
    text[MESSAGE_RECORD_SIZE] = '\0';
    if (g_headless_unattended || !Showing()) {
        STU_LOG(SEV_INFO, LC_COMBAT, "Combat_Screen: %s", text);
        return;
    }
    Warn1(text);
}

int16_t Battle_Unit_Index(const Battle_Unit_Record *bu)
{
    return bu == nullptr ? (int16_t)ATTACK_TARGET_WALL : (int16_t)(bu - battle_units);
}

void Animation_Frame(void)
{
    Mark_Time();
    Redraw_And_Show();
    Release_Time(2);
}

void Hook_Ranged(Battle_Unit_Record *attacker, Battle_Unit_Record *target, int16_t damage, int16_t x, int16_t y)
{
    const int16_t a = Battle_Unit_Index(attacker);
    const int16_t t = Battle_Unit_Index(target);
    const int distance = target != nullptr
                             ? Range_To_Battle_Unit(attacker, target)
                             : (abs(attacker->Grid_X - x) > abs(attacker->Grid_Y - y) ? abs(attacker->Grid_X - x)
                                                                                      : abs(attacker->Grid_Y - y));
    attacker->Target_X = x;
    attacker->Target_Y = y;
    const int16_t speed = distance >= 3 ? 33 : 49;
    Make_Missiles(attacker->Cur_Figures, target != nullptr ? target->Cur_Figures : 1, attacker->Grid_X,
                  attacker->Grid_Y, x, y, Combat_Missile_Picture(Battle_Unit_Ranged_Kind(attacker)));
    for (int16_t progress = 0; progress < 100; progress = (int16_t)(progress + speed)) {
        if (progress + speed >= 100 && target != nullptr) Set_Gibs(t, damage);
        if (Showing()) Animation_Frame();
        for (int16_t i = 0; i < m_missile_count; i++) {
            const int p = _missiles[i].progress + speed;
            _missiles[i].progress = (int16_t)(p > 100 ? 100 : p);
        }
    }
    (void)a;
    m_missile_count = 0;
    if (target != nullptr) Clear_Gibs(t);
}

void Hook_Melee(Battle_Unit_Record *attacker, Battle_Unit_Record *target, int16_t attacker_damage,
                int16_t target_damage, int16_t x, int16_t y)
{
    const int16_t a = Battle_Unit_Index(attacker);
    const int16_t t = Battle_Unit_Index(target);
    Set_Gibs(a, attacker_damage);
    if (target != nullptr) {
        Set_Gibs(t, target_damage);
        combat_unit_animation[t].state = 2;
        target->Target_X = attacker->Grid_X;
        target->Target_Y = attacker->Grid_Y;
        attacker->Target_X = target->Grid_X;
        attacker->Target_Y = target->Grid_Y;
    } else {
        attacker->Target_X = x;
        attacker->Target_Y = y;
    }
    combat_unit_animation[a].state = 1;
    if (Showing()) {
        for (int frame = 0; frame < 5; frame++) Animation_Frame();
    }
    Clear_Gibs(a);
    combat_unit_animation[a].state = 0;
    if (target != nullptr) {
        Clear_Gibs(t);
        combat_unit_animation[t].state = 0;
    }
}

void Hook_Figure_Load(int16_t unit_type, int16_t figure_set) { Combat_Figure_Load(unit_type, figure_set); }

void Install_Screen_Hooks(void)
{
    m_saved_hooks = Combat_Hooks();
    Combat_Rule_Hooks hooks = m_saved_hooks;
    hooks.redraw = Hook_Redraw;
    hooks.draw_move_step = Hook_Move_Step;
    hooks.attack_refused = Hook_Refused;
    hooks.ranged_animation = Hook_Ranged;
    hooks.melee_animation = Hook_Melee;
    hooks.load_terrain_pictures = Load_Combat_Terrain_Pictures;
    hooks.compose_background = Combat_Compose_Background;
    hooks.figure_load = Hook_Figure_Load;
    hooks.move_sound_start = Combat_Move_Sound_Start;
    hooks.move_sound_stop = Combat_Move_Sound_Stop;
    Combat_Casting_Screen_Hooks(&hooks);
    Combat_Set_Rule_Hooks(&hooks);
}

// The human's unit closes its turn; the next is chosen.
void Close_And_Next(Battle_Unit_Record &active)
{
    Combat_Close_Battle_Unit(&active);
    Next_Battle_Unit(_combat_local_player);
    Assign_Combat_Grids();
    _combat_winner = Check_For_Winner();
}

void Battle_Unit_Action(int16_t idx, int16_t x, int16_t y)
{
    Battle_Unit_Record &bu = battle_units[idx];
    if ((int8_t)bu.Move_Halves <= 0 || !Combat_Cell_On_Grid(x, y)) return;
    const uint8_t cell = g_combat_grid_action_map[y][x];
    const bool shooter = Battle_Unit_Ranged_Kind(&bu) >= 10 && Battle_Unit_Ranged_Kind(&bu) <= 39;
    if (cell == ACTION_MAP_WALL) {
        if ((abs(bu.Grid_X - x) < 2 && abs(bu.Grid_Y - y) < 2) || shooter)
            Battle_Unit_Attack(idx, ATTACK_TARGET_WALL, x, y);
        return;
    }
    if (cell < _combat_total_unit_count) {
        const Battle_Unit_Record &target = battle_units[cell];
        if (target.Status != bus_Fighting || target.owner_idx == bu.owner_idx) return;
        if (Check_Attack_Melee(&bu, &target) != 1) return;
        const bool adjacent = Range_To_Battle_Unit(&bu, &target) < 2;
        if ((adjacent && (Check_Attack_Melee_City_Wall(&bu, &target) == 1 || shooter)) || (!adjacent && shooter))
            Battle_Unit_Attack(idx, cell, target.Grid_X, target.Grid_Y);
        return;
    }
    if (cell == ACTION_MAP_MOVE) Move_Battle_Unit(&bu, x, y);
}

void Cast_Entry(void)
{
    Battle_Unit_Record &active = battle_units[_active_battle_unit];
    int16_t result = -1;
    if (Battle_Unit_Can_Cast(&active)) {
        result = Combat_Cast_Spell(_active_battle_unit, _combat_wx, _combat_wy, _combat_wp);
    } else if (m_wizard_cast_available == 1) {
        result = Combat_Cast_Spell((int16_t)(COMBAT_CASTER_WIZARD + _combat_local_player), _combat_wx, _combat_wy,
                                   _combat_wp);
        if (result == 2) m_wizard_cast_available = 0;
    } else {
        Warn1("You may only cast once per turn.");
        return;
    }
    if (result == 0) {
        if (Showing() && !g_headless_unattended) {
            Warn1("You are unable to throw spells at this time.");
        } else {
            STU_LOG(SEV_INFO, LC_COMBAT, "Combat_Screen: You are unable to throw spells at this time.");
        }
    }
    Assign_Combat_Grids();
    _combat_winner = Check_For_Winner();
}

void Set_Up_Battle(int16_t attacker_idx, int16_t defender_idx, int16_t *troops, int16_t troop_count, int16_t wx,
                   int16_t wy, int16_t wp)
{
    Combat_Turn_State_Reset();
    _computer_player_city_seige = (_combat_environ == 1 && defender_idx != NEUTRAL_PLAYER_IDX) ? 1 : 0;
    m_city_name[0] = '\0';
    if (_combat_environ == 1 && _combat_environ_idx >= 0 && _combat_environ_idx < _cities) {
        snprintf(m_city_name, sizeof m_city_name, "%s", _CITIES[_combat_environ_idx].name);
    }
    Set_Page_Off();
    Fill(0, 0, 319, 199, 0);
    Toggle_Pages();
    _combat_wx = wx;
    _combat_wy = wy;
    _combat_wp = wp;
    _combat_attacker_player = attacker_idx;
    _combat_defender_player = defender_idx;
    attacker_on_floating_island = defender_on_floating_island = 0;
    Strategic_Combat_Allocate();
    Combat_Pictures_Forget();
    Combat_Screen_Load_Resources();
    Build_Battlefield(wx, wy, wp);
    m_defender_count = Prepare_All_Battle_Units(troop_count, troops);
    _combat_structure = Combat_Structure(wx, wy, wp, 0);
    Combat_Node_Type();
    Calc_Battlefield_Bonuses(_combat_structure);
    Update_Sees_Illusions();
    AI_Prepare_Combat_Realm_Threats();
    Combat_Cache_Write();
    _ai_stay_in_city = 1;
    _scanned_battle_unit = -1;
    _combat_city_damage = 0;
}

int16_t First_Defender(void)
{
    const int16_t first = (int16_t)(_combat_total_unit_count - m_defender_count);
    return first >= 0 && first < _combat_total_unit_count ? first : 0;
}

}  // namespace

int16_t Get_Combat_Grid_Cell_X(int16_t screen_x, int16_t screen_y)
{
    return (int16_t)(((screen_x - 158) / 2 + screen_y + 80) / 16);
}

int16_t Get_Combat_Grid_Cell_Y(int16_t screen_x, int16_t screen_y)
{
    return (int16_t)(((screen_y + 80) - (screen_x - 158) / 2) / 16);
}

void Combat_Mouse_Cell(int16_t mouse_x, int16_t mouse_y, int16_t *x, int16_t *y)
{
    *x = Get_Combat_Grid_Cell_X((int16_t)(mouse_x + 4), (int16_t)(mouse_y + 4));
    *y = Get_Combat_Grid_Cell_Y((int16_t)(mouse_x + 4), (int16_t)(mouse_y + 4));
}

void Combat_Grid_Cell_Screen(int16_t x, int16_t y, int16_t *screen_x, int16_t *screen_y)
{
    *screen_x = (int16_t)(158 + 16 * (x - y) - 4);
    *screen_y = (int16_t)(8 * (x + y) - 80 - 4);
}

void Combat_Screen_Draw(void)
{
    Set_Page_Off();
    Combat_Grid_Entities();
    Combat_Screen_Map_Draw();
    Draw_Panel();
}

int16_t Combat_Screen(int16_t attacker_idx, int16_t defender_idx, int16_t *troops, int16_t troop_count, int16_t wx,
                      int16_t wy, int16_t wp, int16_t *item_count, int16_t *item_list)
{
    STU_LOG(SEV_INFO, LC_COMBAT, "Combat_Screen: player %d against %d at (%d, %d, %d)", attacker_idx, defender_idx, wx,
            wy, wp);
    Install_Screen_Hooks();
    Set_Up_Battle(attacker_idx, defender_idx, troops, troop_count, wx, wy, wp);
    g_modal_screen = scr_Combat_Screen;
    const bool human_attacks = _combat_attacker_player == _combat_local_player;
    Switch_Active_Battle_Unit(human_attacks ? (int16_t)0 : First_Defender());
    Assign_Combat_Grids();
    _auto_combat_flag = 0;
    m_turn_is_local = 1;
    Begin_Combat_Turn();
    if (_combat_defender_player == _combat_remote_player) {
        Auto_Cast_Spell_And_Do_Combat_Turn(_combat_defender_player);
        Begin_Combat_Turn();
        m_cp_took_turn = 1;
    }
    _combat_winner = Check_For_Winner();
    if (human_attacks) {
        Next_Battle_Unit(_combat_local_player);
    } else {
        Switch_Active_Battle_Unit(First_Defender());
    }
    Assign_Combat_Grids();
    Combat_Start_Music();
    Set_Input_Delay(3);

    int frames = 0;
    int battle_frames = 0;
    while (_combat_winner == -1 && quit_game_flag == 0) {
        Mark_Time();
        Clear_Fields();
        if (_auto_combat_flag && ++battle_frames > AUTO_FRAMES_MAX) {
            STU_LOG(SEV_WARN, LC_COMBAT,
                    "Combat_Screen: no winner after %d frames under Auto; the battle ends undecided", AUTO_FRAMES_MAX);
            break;
        }
        if (_auto_combat_flag) {
            const int16_t whole = Add_Hidden_Field(0, 0, 319, 199, "\x1B", -1);
            const int16_t hit = Get_Input();
            if (hit != 0 && hit == whole) {
                Play_Left_Click();
                m_cp_took_turn = 0;
                Combat_Next_Turn();
                _auto_combat_flag = 0;
                Next_Battle_Unit(_combat_local_player);
                Assign_Combat_Grids();
            } else {
                Combat_Next_Turn();
            }
            if (_combat_winner == -1) _combat_winner = Check_For_Winner();
        } else {
            Battle_Unit_Record &active = battle_units[_active_battle_unit];
            if (active.Status != bus_Fighting || ((int8_t)active.Move_Halves <= 0 && active.Action != BUA_DONE) ||
                ((active.Curses & BUC_CONFUSION) && active.Confusion_State == 2)) {
                Close_And_Next(active);
            } else if (active.Confusion_State == 1 && (int8_t)active.Move_Halves > 0) {
                Move_Confused(&active);
                Close_And_Next(active);
            }
            int16_t fields[NUM_BUTTONS] = {};
            for (int i = 0; i < NUM_BUTTONS; i++) {
                const Panel_Button &b = BUTTONS[i];
                const bool shown = i == btn_Spell ? Can_Cast_Now() : i != btn_Info;
                fields[i] = shown ? Add_Hidden_Field(b.x, b.y, (int16_t)(b.x + BUTTON_WIDTH - 1),
                                                     (int16_t)(b.y + BUTTON_HEIGHT - 1), b.key, -1)
                                  : (int16_t)0;
            }
            const int16_t space = Add_Hot_Key(" ");
            Add_Hidden_Field(0, GRID_BOTTOM, 319, 199, "\x1B", -1);
            const int16_t grid = Add_Hidden_Field(0, 0, 319, GRID_BOTTOM - 1, "", -1);
            const int16_t hit = Get_Input();
            Battle_Unit_Record &now = battle_units[_active_battle_unit];
            // Between the human's last unit and the computer's part the active unit may be another's.
            const bool own = now.owner_idx == _combat_local_player;
            if (quit_game_flag != 0) break;
            if (hit != 0 && hit == fields[btn_Wait] && own) {
                Play_Left_Click();
                now.Action = BUA_WAITING;
                Next_Battle_Unit(_combat_local_player);
                Assign_Combat_Grids();
            } else if (hit != 0 && (hit == fields[btn_Done] || hit == space) && own) {
                Play_Left_Click();
                Close_And_Next(now);
            } else if (hit != 0 && hit == fields[btn_Auto]) {
                Play_Left_Click();
                _auto_combat_flag = 1;
                Auto_Cast_Spell_And_Do_Combat_Turn(_combat_local_player);
                _combat_winner = Check_For_Winner();
            } else if (hit != 0 && hit == fields[btn_Flee]) {
                Play_Left_Click();
                if (g_headless_unattended || !Showing() || Confirmation_Box("Do you wish to flee?")) {
                    Combat_Human_Flees();
                }
            } else if (hit != 0 && hit == fields[btn_Spell]) {
                Play_Left_Click();
                Cast_Entry();
            } else if (hit != 0 && hit == grid && own) {
                int16_t x = 0, y = 0;
                Combat_Mouse_Cell(Pointer_X(), Pointer_Y(), &x, &y);
                Battle_Unit_Action(_active_battle_unit, x, y);
                for (int i = 0; i < _combat_total_unit_count; i++)
                    Battle_Unit_Set_Invisibility_Effect(&battle_units[i]);
                Assign_Combat_Grids();
                if (_combat_winner == -1) _combat_winner = Check_For_Winner();
            }
            if (battle_units[_active_battle_unit].owner_idx != _combat_local_player) _human_out_of_moves = 1;
            if (_combat_winner == -1 && _human_out_of_moves && !_human_handle_immobile) {
                Combat_Next_Turn();
                _human_out_of_moves = 0;
                Next_Battle_Unit(_combat_local_player);
                Assign_Combat_Grids();
                if (_combat_winner == -1) _combat_winner = Check_For_Winner();
            } else if (_combat_winner == -1 && _human_out_of_moves) {
                _human_handle_immobile = 0;
            }
        }
        if (_combat_winner == -1) {
            Set_Page_Off();
            Combat_Screen_Draw();
            Toggle_Pages();
            Release_Time(1);
            if (!_auto_combat_flag && Unattended_Frame_Done(&frames)) {
                STU_LOG(SEV_INFO, LC_COMBAT, "Combat_Screen: unattended; the battle goes on under Auto");
                _auto_combat_flag = 1;
            }
        }
    }
    Clear_Fields();
    Set_Mouse_List(1, mouse_list_default);
    g_modal_screen = -1;
    // Leaving the game in battle takes the human's units off the field as flight does.
    if (_combat_winner == -1 && quit_game_flag != 0) Combat_Human_Flees();
    int16_t winner = _combat_winner;
    if (winner == -1) winner = _combat_defender_player;
    const int16_t code = Combat_End_Code(winner);
    STU_LOG(SEV_INFO, LC_COMBAT, "Combat_Screen: player %d against %d: winner %d in turn %d, code %d", attacker_idx,
            defender_idx, winner, _combat_turn, code);
    Stop_All_Sounds();
    Combat_Cache_Read();
    Play_Background_Music();
    _auto_combat_flag = 0;
    Combat_Set_Rule_Hooks(&m_saved_hooks);
    End_Of_Combat(winner, item_count, item_list, code);
    return winner == _combat_attacker_player ? 1 : 0;
}
