// Stand-ins of the turn cycle's screens.
#include "stubs/STUB_HIT.h"
#include "turn/Computer_Diplomacy.h"
