#include "combat/Combat_Hooks.h"

#include "STU_Log.h"

namespace {

Combat_Rule_Hooks m_hooks = {};

}  // namespace

void Combat_Set_Rule_Hooks(const Combat_Rule_Hooks *hooks) { m_hooks = hooks ? *hooks : Combat_Rule_Hooks{}; }

const Combat_Rule_Hooks &Combat_Hooks(void) { return m_hooks; }

void Combat_Log_Message_Record(const char *what, int16_t message_record)
{
    STU_LOG(SEV_INFO, LC_COMBAT, "[COMBAT] %s: message record %d", what, message_record);
}

void Combat_Log_Text(const char *what, const char *text)
{
    STU_LOG(SEV_INFO, LC_COMBAT, "[COMBAT] %s: %s", what, text);
}
