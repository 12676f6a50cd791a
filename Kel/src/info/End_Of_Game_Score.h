// The final score of the human wizard and its entry into the hall of fame of RAROZ.SET.
#pragma once

#include <cstddef>
#include <cstdint>

// The six lines of the score: each figure shown and the points it gives, then the sum scaled by
// the difficulty. Every figure is computed wide and held within 16 bits.
struct End_Score {
    int16_t player_idx;
    int16_t spells;  // known spells, the Spell of Mastery among them
    int16_t spell_points;
    int16_t townsfolk;  // population of the player's cities
    int16_t townsfolk_points;
    int16_t banished;  // wizards in the player's banished mask
    int16_t banished_points;
    int16_t fame;
    int16_t fame_points;
    int16_t year;
    int16_t year_points;
    int16_t mastery_points;
    int16_t final_score;
};

constexpr int HALL_OF_FAME_NAME_SHOWN = 20;
constexpr int HALL_OF_FAME_RACES = 14;

// The score last computed, entered by End_Of_Game_Score.
extern int16_t m_new_score;

// The score of the player as it stands.
void End_Of_Game_Score_Compute(int16_t player_idx, End_Score *score);
// When the player cast the Spell of Mastery, every other wizard whose fortress still stands is
// marked in the player's banished mask.
void End_Of_Game_Score_Mark_Banished(int16_t player_idx);
// Enters the score into the hall of fame of magic_set: it goes above the first place whose score
// is lower (an equal one stays above it), the tenth place drops out. The place taken (0 to 9), or
// -1 when the score is 0 or less or lower than all ten; then nothing changes.
int16_t Hall_Of_Fame_Enter(int16_t score, const char *name, int16_t race);
// The race name of a hall-of-fame place, "" for a number outside the table.
const char *Hall_Of_Fame_Race_Name(uint16_t race);
// The name of place i, at most HALL_OF_FAME_NAME_SHOWN characters, terminated.
void Hall_Of_Fame_Name(int16_t place, char *out, size_t size);

// The end of the game for the human: the mastery marks, the score screen, the entry written to
// RAROZ.SET (a failed write is logged and shown; the entry stays in memory), the hall of fame.
// Returns the final score.
int16_t End_Of_Game_Score(void);
