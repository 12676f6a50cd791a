// The scenes of the end of the game as the screens show them; the rules reach them through the
// information screens' services (info/Info_Services.h).
#pragma once

#include <cstdint>

// Fall of the defeated wizard in the lose scene: x, y, rotation in degrees, scale in percent.
constexpr int DEFEAT_ANIM_STEPS = 27;
extern const int16_t TBL_DefeatAnimSteps[DEFEAT_ANIM_STEPS][4];

void Conquest_Scene(int16_t conquered_idx, int16_t conqueror_idx);
void Conquest_Animation_Draw(void);
void Conquest_Animation_Draw_Conquerors_Approach(void);
void Conquest_Animation_Draw_Setup_Zap_Scene(void);
void Conquest_Animation_Draw_Zapped_Wizard(int16_t grow);
void Conquest_Animation_Draw_Zap_Strike(void);
void Conquest_Animation_Draw_End_Pose(void);
void Lose_Scene(int16_t player_idx);
void Lose_Animation_Draw(void);
void Win_Scene(int16_t player_idx);
void Win_Animation_Draw(void);
void Return_Scene(int16_t player_idx);
void Return_Animation_Draw(void);

// The win scene's caption at a stage.
const char *Win_Caption(int16_t stage);
// The stage counter of the scene last shown.
extern int16_t m_conquest_anim_stage;
