// Forwards to the font, picture and paragraph headers for callers that still include this
// name; include those headers directly instead. Removed once nothing includes it.
#pragma once

#include "Animation.h"
#include "Fonts.h"
#include "Paragraph.h"
#include "Pictures.h"
