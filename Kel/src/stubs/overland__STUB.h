// Stand-ins of the overland screens that have no final header yet.
#pragma once

// ---- the continue path's pieces ----
// The game proper's resources; the stand-in installation carries only the front end's archives.
void Load_VEZ_Resources_Once__STUB(void);
