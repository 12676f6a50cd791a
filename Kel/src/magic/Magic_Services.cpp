#include "magic/Magic_Services.h"

#include <cstdio>

#include "LBX_Load.h"
#include "STU_Log.h"
#include "magic/Overland_Enchantment_List.h"
#include "world/Player_Record.h"

Magic_Services magic_services = {};
int16_t magic_research_fade = 0;

void Magic_Set_Services(const Magic_Services &services) { magic_services = services; }

int16_t Magic_First_Candidate_Slot(void)
{
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    for (int16_t slot = 0; slot < 8; slot++) {
        if (human.research_spells[slot] != 0) return slot;
    }
    return -1;
}

int16_t Magic_First_Rival_Enchantment(int16_t caster_idx)
{
    for (int16_t entry = 0; entry < ovl_ench_cnt && entry < OVL_ENCH_LIST_MAX; entry++) {
        if (ovl_ench_list_players[entry] != caster_idx && ovl_ench_list_players[entry] != OVL_ENCH_NO_OWNER) {
            return entry;
        }
    }
    return -1;
}

void Magic_Log_Message_Record(int16_t record, const char *tail)
{
    char text[MAGIC_MESSAGE_RECORD_SIZE + 1] = {};
    if (record >= 0) LBX_Load_Data_Static("MESSAGE", 0, (uint8_t *)text, record, 1, MAGIC_MESSAGE_RECORD_SIZE);
    text[MAGIC_MESSAGE_RECORD_SIZE] = '\0';
    STU_LOG(SEV_INFO, LC_SPELLBOOK, "[MESSAGE] record %d: %s%s", record, text, tail != nullptr ? tail : "");
}
