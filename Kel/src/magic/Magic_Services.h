// What the magic rules ask of the screens: the human's research choice on the big book, the scene of
// a learned spell, the questions, notes and mana adder of starting a cast, what completing an
// overland spell shows and asks, and for the overland spells' effects the human's target, the
// numbered messages, the ward choice and the spell scenes. The magic screens install them at
// start-up (Magic_Install_Screens). Until then, as in an unattended run, the research choice takes
// the first candidate, a question its default answer, a target question is cancelled (the spell is
// spent without effect), a choice among global enchantments takes the first rival line, a message
// goes to the log, the first ward is taken, a variable-cost spell gets no extra mana and every scene
// or note is skipped.
#pragma once

#include <cstdint>

// One numbered message of MESSAGE entry 0.
constexpr int MAGIC_MESSAGE_RECORD_SIZE = 150;

struct Magic_Services {
    // The human picks one of his research candidates; the candidate's slot 0-7, or -1 for none.
    int16_t (*research_choice)(void);
    // Shows the human learning spell_idx (already known); was_researched 1 for the research spell.
    void (*learn_spell_scene)(int16_t spell_idx, int16_t was_researched);

    // A message box with a composed text.
    void (*warn)(const char *text);
    // The notice of a fizzled spell with its composed text.
    void (*fizzle_scene)(const char *text);
    // A summoning's scene (subject: a unit type, or -1 an item).
    void (*summon_scene)(int16_t subject, int16_t band, int16_t caster_idx);
    // The Target Wizard screen, which picks the wizard and applies the spell; the wizard or 0.
    int16_t (*target_wizard)(int16_t spell_idx);
    // The main map moves to the human's newly summoned unit, whose stack becomes the active one.
    void (*select_new_unit)(int16_t unit_idx);
    // After a new item was handed over, the main screen is the next screen.
    void (*back_to_main_screen)(void);

    // The global enchantment screen: shows the rivals' enchantments of the list built by
    // Build_Overland_Enchantment_List and returns the picked entry of that list.
    int16_t (*pick_global_enchantment)(int16_t spell_idx, int16_t caster_idx);
    // Shows the outcome of the attempt on the list entry; success 1 when the enchantment was broken.
    void (*global_enchantment_outcome)(int16_t entry, int16_t spell_idx, int16_t success);

    // The announcement of a wizard beginning the Spell of Mastery.
    void (*mastery_announcement)(int16_t wizard_idx);
    // The human's victory: length frames, rival k struck from frame 60 k + 6; the frames drawn.
    int16_t (*mastery_victory_scene)(int16_t length, const int16_t *rivals, int16_t rival_count);
    // The human's defeat by the winner; the frames drawn.
    int16_t (*mastery_defeat_scene)(int16_t winner_idx);

    // The human picks a target of the kind (Spell_Target_Kind of magic/Spell_Casting_Screen.h) for
    // the spell on the target screen: 1 and the unit, city or node index in *wx (*wy and *wp -1), or
    // the square in all three; 0 when cancelled.
    int16_t (*spell_target)(int16_t kind, int16_t *wx, int16_t *wy, int16_t *wp, int16_t spell_idx);
    // Shows message record (MESSAGE entry 0) followed by tail (may be empty) over the main screen
    // and waits for the player.
    void (*message_record)(int16_t record, const char *tail);
    // The human picks one of count texts under the title; the index, or -1 when cancelled.
    int16_t (*selection)(int16_t count, const char *const *texts, const char *title);
    // The spell's scene on a map square (frames: the most frames shown, 0 for the scene's own;
    // at_frame is called with each frame number drawn so that a change can be made in the middle).
    void (*square_scene)(int16_t spell_idx, int16_t wx, int16_t wy, int16_t wp, int16_t frames,
                         void (*at_frame)(int16_t frame));
    // The two halves of a city spell's scene: before the change (half 1) and after it (half 2).
    void (*city_scene)(int16_t half, int16_t city_idx, int16_t spell_idx, int16_t caster_idx);
    // A world-wide spell's scene, and a hero's summoning (picture code, hero type, caster).
    void (*global_scene)(int16_t caster_idx, int16_t spell_idx);
    void (*hero_summon_scene)(int16_t picture, int16_t unit_type, int16_t caster_idx);
    // Nature's Wrath answering a spell of the caster: music, picture, caption and the shaking screen.
    void (*natures_wrath_scene)(int16_t caster_idx);
    // A stack fading towards the other plane and back (a refused Plane Shift), or across (done).
    void (*plane_shift_scene)(int16_t wx, int16_t wy, int16_t wp, int16_t crossed);
    // The main screen is drawn again, centred on the square when wx >= 0.
    void (*redraw_main)(int16_t wx, int16_t wy, int16_t wp);

    // A question to the human; 1 yes, 0 no.
    int16_t (*confirm)(const char *text);
    // A note over the main screen centred at x 160, top y, with a picture of the archive's entry.
    void (*notify)(int16_t y, const char *text, const char *archive, int16_t entry);
    // The human raises the strength of the variable-cost spell on the book's line (0-11) with extra
    // mana, setting his casting_cost_original and cost left.
    void (*mana_adder)(int16_t spell_idx, int16_t line);
    // The main screen shown again with the dissolve.
    void (*dissolve_main_screen)(void);
    // The human picks the dead hero a resurrection brings back: the index into hero_types (count
    // entries), or -1 when he closes the choice.
    int16_t (*resurrection_choice)(int16_t count, const int16_t *hero_types);
    // The human makes the item of an item spell (kind 0 or 1): its price, or 0 when none is made.
    int16_t (*item_make)(int16_t player_idx, int16_t kind);
};

extern Magic_Services magic_services;
// 1 while the choice is asked for by a screen that fades out around it.
extern int16_t magic_research_fade;

void Magic_Set_Services(const Magic_Services &services);

// The slot of the first non-zero research candidate of the human, or -1.
int16_t Magic_First_Candidate_Slot(void);

inline int16_t Magic_Research_Choice(void)
{
    return magic_services.research_choice ? magic_services.research_choice() : Magic_First_Candidate_Slot();
}
// Logs the record's text and its tail when no screen shows it.
void Magic_Log_Message_Record(int16_t record, const char *tail);

inline int16_t Magic_Spell_Target(int16_t kind, int16_t *wx, int16_t *wy, int16_t *wp, int16_t spell_idx)
{
    *wx = *wy = *wp = -1;
    return magic_services.spell_target ? magic_services.spell_target(kind, wx, wy, wp, spell_idx) : 0;
}
inline void Magic_Message_Record(int16_t record, const char *tail = "")
{
    if (tail == nullptr) tail = "";
    if (magic_services.message_record) {
        magic_services.message_record(record, tail);
    } else {
        Magic_Log_Message_Record(record, tail);
    }
}
inline int16_t Magic_Selection(int16_t count, const char *const *texts, const char *title)
{
    if (magic_services.selection) return magic_services.selection(count, texts, title);
    return count > 0 ? 0 : -1;
}
// Without a scene the change is made at once.
inline void Magic_Square_Scene(int16_t spell_idx, int16_t wx, int16_t wy, int16_t wp, int16_t frames,
                               void (*at_frame)(int16_t frame))
{
    if (magic_services.square_scene) magic_services.square_scene(spell_idx, wx, wy, wp, frames, at_frame);
}
inline void Magic_City_Scene(int16_t half, int16_t city_idx, int16_t spell_idx, int16_t caster_idx)
{
    if (magic_services.city_scene) magic_services.city_scene(half, city_idx, spell_idx, caster_idx);
}
inline void Magic_Global_Scene(int16_t caster_idx, int16_t spell_idx)
{
    if (magic_services.global_scene) magic_services.global_scene(caster_idx, spell_idx);
}
inline void Magic_Hero_Summon_Scene(int16_t picture, int16_t unit_type, int16_t caster_idx)
{
    if (magic_services.hero_summon_scene) magic_services.hero_summon_scene(picture, unit_type, caster_idx);
}
inline void Magic_Natures_Wrath_Scene(int16_t caster_idx)
{
    if (magic_services.natures_wrath_scene) magic_services.natures_wrath_scene(caster_idx);
}
inline void Magic_Plane_Shift_Scene(int16_t wx, int16_t wy, int16_t wp, int16_t crossed)
{
    if (magic_services.plane_shift_scene) magic_services.plane_shift_scene(wx, wy, wp, crossed);
}
inline void Magic_Redraw_Main(int16_t wx, int16_t wy, int16_t wp)
{
    if (magic_services.redraw_main) magic_services.redraw_main(wx, wy, wp);
}
// Sets the human's strength (the base cost) and cost left as the mana adder does with no extra mana.
void Magic_No_Extra_Mana(int16_t spell_idx);

inline int16_t Magic_Confirm(const char *text, int16_t default_answer)
{
    return magic_services.confirm ? magic_services.confirm(text) : default_answer;
}
inline void Magic_Notify(int16_t y, const char *text, const char *archive, int16_t entry)
{
    if (magic_services.notify) magic_services.notify(y, text, archive, entry);
}
inline void Magic_Mana_Adder(int16_t spell_idx, int16_t line)
{
    if (magic_services.mana_adder) {
        magic_services.mana_adder(spell_idx, line);
    } else {
        Magic_No_Extra_Mana(spell_idx);
    }
}
inline void Magic_Dissolve_Main_Screen(void)
{
    if (magic_services.dissolve_main_screen) magic_services.dissolve_main_screen();
}
// Unattended, no item is made and the item spell is dropped.
inline int16_t Magic_Item_Make(int16_t player_idx, int16_t kind)
{
    return magic_services.item_make ? magic_services.item_make(player_idx, kind) : (int16_t)0;
}
// Unattended, the last dead hero of the list comes back.
inline int16_t Magic_Resurrection_Choice(int16_t count, const int16_t *hero_types)
{
    return magic_services.resurrection_choice ? magic_services.resurrection_choice(count, hero_types)
                                              : (int16_t)(count - 1);
}
inline void Magic_Learn_Spell_Scene(int16_t spell_idx, int16_t was_researched)
{
    if (magic_services.learn_spell_scene) magic_services.learn_spell_scene(spell_idx, was_researched);
}

inline void Magic_Warn(const char *text)
{
    if (magic_services.warn) magic_services.warn(text);
}
inline void Magic_Fizzle_Scene(const char *text)
{
    if (magic_services.fizzle_scene) magic_services.fizzle_scene(text);
}
inline void Magic_Summon_Scene(int16_t subject, int16_t band, int16_t caster_idx)
{
    if (magic_services.summon_scene) magic_services.summon_scene(subject, band, caster_idx);
}
inline void Magic_Square_Scene(int16_t spell_idx, int16_t wx, int16_t wy, int16_t wp)
{
    Magic_Square_Scene(spell_idx, wx, wy, wp, 0, nullptr);
}
inline int16_t Magic_Target_Wizard(int16_t spell_idx)
{
    return magic_services.target_wizard ? magic_services.target_wizard(spell_idx) : 0;
}
inline void Magic_Select_New_Unit(int16_t unit_idx)
{
    if (magic_services.select_new_unit) magic_services.select_new_unit(unit_idx);
}
inline void Magic_Back_To_Main_Screen(void)
{
    if (magic_services.back_to_main_screen) magic_services.back_to_main_screen();
}
// The first entry of a rival (owner other than the caster), or -1.
int16_t Magic_First_Rival_Enchantment(int16_t caster_idx);
inline int16_t Magic_Pick_Global_Enchantment(int16_t spell_idx, int16_t caster_idx)
{
    return magic_services.pick_global_enchantment ? magic_services.pick_global_enchantment(spell_idx, caster_idx)
                                                  : Magic_First_Rival_Enchantment(caster_idx);
}
inline void Magic_Global_Enchantment_Outcome(int16_t entry, int16_t spell_idx, int16_t success)
{
    if (magic_services.global_enchantment_outcome) magic_services.global_enchantment_outcome(entry, spell_idx, success);
}
inline void Magic_Mastery_Announcement(int16_t wizard_idx)
{
    if (magic_services.mastery_announcement) magic_services.mastery_announcement(wizard_idx);
}
// Unwatched, a sequence runs its full length.
inline int16_t Magic_Mastery_Victory_Scene(int16_t length, const int16_t *rivals, int16_t rival_count)
{
    return magic_services.mastery_victory_scene ? magic_services.mastery_victory_scene(length, rivals, rival_count)
                                                : length;
}
constexpr int16_t MASTERY_DEFEAT_FRAMES = 43;
inline int16_t Magic_Mastery_Defeat_Scene(int16_t winner_idx)
{
    return magic_services.mastery_defeat_scene ? magic_services.mastery_defeat_scene(winner_idx)
                                               : MASTERY_DEFEAT_FRAMES;
}
