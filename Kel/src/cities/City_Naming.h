// City names and the words built from names.
#pragma once

#include <cstddef>

// Appends the possessive ending in place ("'" after s or S, else "'s"), within size bytes.
void Possessive(char *text, size_t size);
