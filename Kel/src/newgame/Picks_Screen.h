// The custom wizard's picks: eleven picks spent on spell books and retorts, with the rules that
// refuse a pick and the messages that say why, and the retort line the later screens show.
#pragma once

#include <cstdint>

#include "world/Player_Record.h"

constexpr int16_t NEWGAME_PICKS = 11;
constexpr int16_t NEWGAME_RETORTS_MAX = 6;
constexpr int16_t NEWGAME_SLIDER_MAX = 95;

// Pending refusal of the picks screens.
enum Newgame_Pick_Error : int16_t {
    NPE_NONE = 0,
    NPE_PICKS_REMAIN = 1,
    NPE_SIX_RETORTS = 2,
    NPE_REQUIREMENT = 3,
    NPE_LIFE_AND_DEATH = 4,
    NPE_NO_PICKS_LEFT = 5,
    NPE_TOO_FEW_PICKS = 6,
};

// Picks needed: in any realms, how many realms, then in Life, Death, Chaos, Nature, Sorcery.
struct WSA_Prerequisite {
    int16_t any_picks;
    int16_t realms;
    int16_t life;
    int16_t death;
    int16_t chaos;
    int16_t nature;
    int16_t sorcery;
};

extern const char *const wsa_names[NUM_RETORTS];
extern const int16_t wsa_picklist_order[NUM_RETORTS];  // list position -> retort
extern const WSA_Prerequisite wsa_prerequisites[NUM_RETORTS];

extern int16_t spellpicks_count;  // picks left
extern int16_t NEWG_PickError;
extern int16_t NEWG_PickAttempt;  // the retort of a requirement refusal

// 3 after Escape, 5 after OK with every pick made.
int16_t Newgame_Screen_4(void);
void Newgame_Screen_4_Draw(void);
void Draw_Special_Abilities_String(void);
// Adds one to the counter; from the second item on appends " and " before the last, else ", ".
void Add_Comma_Or_And_DOD(int16_t *counter, int16_t total, char *text, int size);

// ---- the rules, on the human's record ----
// The first list of the screen: every book and retort taken back, eleven picks left.
void Newgame_Picks_Reset(void);
int16_t Newgame_Picks_Left(void);
int16_t Newgame_Retorts_Held(void);
// Whether the human's books allow the retort (its own requirement only).
int16_t Newgame_Retort_Books_Allow(int16_t retort);
// Whether a retort not held could be taken: the books allow it and the picks pay for it.
int16_t Newgame_Retort_Available(int16_t retort, int16_t picks_left);
// A click on a retort: released when held, else taken or refused (NEWG_PickError set).
void Newgame_Retort_Click(int16_t retort);
// Held retorts whose books no longer allow them are released with a requirement refusal.
void Newgame_Release_Unallowed_Retorts(void);
// A slider of book realm `realm` held at `value` (0..95): the realm's books follow it as far as
// the picks and the Life-Death exclusion allow. `held_before`: the slider was held in the
// previous frame as well.
void Newgame_Slider_Books(int16_t realm, int16_t value, int16_t held_before);
// The warning text of a refusal.
void Newgame_Pick_Error_Message(int16_t error, int16_t retort, char *text, int size);
// The retort line: the held retorts' names joined, with a full stop.
void Newgame_Retort_Line(char *text, int size);
