#include "world/Wizard_Presets.h"

const Wizard_Preset_Record _wizard_presets_table[NUM_WIZARD_PRESETS] = {
    {"Merlin", 5, 0, 5, 0, 0, rtr_Sage_Master},
    {"Raven", 0, 6, 5, 0, 0, -1},
    {"Sharee", 0, 0, 0, 5, 5, rtr_Conjurer},
    {"Lo Pan", 0, 5, 0, 0, 5, rtr_Channeler},
    {"Jafar", 0, 10, 0, 0, 0, rtr_Alchemy},
    {"Oberic", 0, 0, 5, 0, 5, rtr_Mana_Focusing},
    {"Rjak", 0, 0, 0, 9, 0, rtr_Infernal_Power},
    {"Sss'ra", 4, 0, 0, 0, 4, rtr_Myrran},
    {"Tauron", 0, 0, 0, 0, 10, rtr_Chaos_Mastery},
    {"Freya", 0, 0, 10, 0, 0, rtr_Nature_Mastery},
    {"Horus", 5, 5, 0, 0, 0, rtr_Archmage},
    {"Ariel", 10, 0, 0, 0, 0, rtr_Charismatic},
    {"Tlaloc", 0, 0, 4, 5, 0, rtr_Warlord},
    {"Kali", 0, 5, 0, 5, 0, rtr_Artificer},
    {"Custom", 0, 0, 0, 0, 0, -1},
};

const int16_t _default_spells[NUM_START_SPELLS] = {
    6,   7,   9,   8,   4,   5,   1,   3,   2,   10,  17,  15,  27,   // Nature
    49,  50,  45,  43,  46,  48,  47,  42,  41,  44,  56,  60,  65,   // Sorcery
    83,  90,  86,  84,  85,  89,  88,  87,  82,  81,  91,  97,  106,  // Chaos
    130, 129, 126, 127, 125, 124, 122, 123, 128, 121, 133, 136, 147,  // Life
    167, 166, 162, 163, 165, 169, 168, 161, 170, 164, 174, 175, 184,  // Death
};

int16_t _player_start_spells[NUM_PLAYERS][NUM_START_SPELLS];

int16_t NEWG_Clicked_Race;

void Wizard_Preset_Books(int16_t preset, int16_t books[NUM_REALMS])
{
    const Wizard_Preset_Record &record =
        _wizard_presets_table[preset >= 0 && preset < NUM_WIZARD_PRESETS ? preset : WIZARD_PRESET_CUSTOM];
    books[sbr_Nature] = record.Nature;
    books[sbr_Sorcery] = record.Sorcery;
    books[sbr_Chaos] = record.Chaos;
    books[sbr_Life] = record.Life;
    books[sbr_Death] = record.Death;
}
