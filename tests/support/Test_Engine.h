// The engine started once per test process, as the tests of input, fields and screens need it:
// SDL's event queue and the engine's drivers with no sound and no font file.
#pragma once

void Test_Engine_Start(void);
