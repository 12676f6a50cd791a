#include "magic/Magic_Staves.h"

#include "world/Player_Record.h"

void Magic_Staves_Balance(int16_t pos[3], int16_t before[3], const int16_t locked[3])
{
    for (int k = 0; k < 3; k++)
        if (locked[k] != 0) pos[k] = before[k];
    int moved = -1;
    for (int k = 0; k < 3 && moved < 0; k++)
        if (pos[k] != before[k]) moved = k;
    if (moved >= 0) {
        // The first other stave to take up the change, then the third.
        int first = moved == stave_Research ? stave_Skill : stave_Research;
        int third = 3 - moved - first;
        int16_t d = (int16_t)(before[moved] - pos[moved]);
        if (locked[first] != 0 && locked[third] != 0) {
            pos[moved] = before[moved];
        } else if (locked[first] != 0 || locked[third] != 0) {
            int free = locked[first] != 0 ? third : first;
            if (before[free] + d < 0) {
                pos[moved] = (int16_t)(before[moved] + before[free]);
                pos[free] = 0;
            } else {
                pos[free] = (int16_t)(before[free] + d);
            }
        } else {
            pos[moved] = (int16_t)(pos[moved] + d % 2);
            int16_t h = (int16_t)(d / 2);
            if (before[first] + h < 0) {
                pos[third] = (int16_t)(before[third] + before[first] + 2 * h);
                pos[first] = 0;
            } else {
                pos[first] = (int16_t)(before[first] + h);
                pos[third] = (int16_t)(before[third] + h);
            }
        }
    }
    for (int k = 0; k < 3; k++) {
        if (pos[k] < 0) pos[k] = 0;
        before[k] = pos[k];
    }
}

void Magic_Staves_From_Player(int16_t player_idx, int16_t pos[3])
{
    const Player_Record &wizard = _players[player_idx];
    pos[stave_Skill] = (int16_t)(wizard.skill_ratio / 2);
    pos[stave_Research] = (int16_t)(wizard.research_ratio / 2);
    int16_t mana = (int16_t)(STAVE_TOTAL - pos[stave_Skill] - pos[stave_Research]);
    pos[stave_Mana] = mana < 0 ? (int16_t)0 : mana;
}

void Magic_Staves_To_Player(int16_t player_idx, const int16_t pos[3])
{
    Player_Record &wizard = _players[player_idx];
    wizard.skill_ratio = (uint8_t)(pos[stave_Skill] * 2);
    wizard.research_ratio = (uint8_t)(pos[stave_Research] * 2);
    wizard.mana_ratio = (uint8_t)(pos[stave_Mana] * 2);
}
