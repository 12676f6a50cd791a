#include "combat/Combat_Hooks.h"

namespace {

Combat_Rule_Hooks m_hooks = {};

}  // namespace

void Combat_Set_Rule_Hooks(const Combat_Rule_Hooks *hooks) { m_hooks = hooks ? *hooks : Combat_Rule_Hooks{}; }

const Combat_Rule_Hooks &Combat_Hooks(void) { return m_hooks; }
