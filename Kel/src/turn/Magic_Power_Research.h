// Each wizard's magic power split into mana, research and casting skill; research completing spells;
// the spell being cast overland paid out of the turn's skill and the mana reserve; casting costs.
#pragma once

#include <cstdint>

// Books the turn's mana, research and casting-skill incomes of every wizard.
void Players_Apply_Magic_Power(void);
// Completes finished research and has every wizard that needs one choose its next spell.
void Players_Check_Spell_Research(void);
// Pays every wizard's spell being cast (only the caster's during Time Stop) and sets the next
// turn's casting skill.
void All_Players_Apply_Spell_Casting(void);

// The wizard learns a spell; animate 1 shows the human the learning.
void Player_Gets_Spell(int16_t player_idx, int16_t spell_idx, int16_t animate);
// Half the casting mana of each hero that stands on the wizard's fortress square.
int16_t Player_Hero_Casting_Skill(int16_t player_idx);
// Percent off the spell's casting cost; not capped.
int16_t Casting_Cost_Reduction(int16_t player_idx, int16_t spell_idx);
// The spell's casting cost for the wizard, in a battle (1) or overland (0); never below 0.
int16_t Casting_Cost(int16_t player_idx, int16_t spell_idx, int16_t in_battle);
// Every wizard gets plenty of mana, gold and skill and knows every researchable spell.
void Cheat_Power(void);
