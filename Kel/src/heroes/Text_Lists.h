// Composing lists and articles in messages: "a" or "an", and ", " or " and " between entries.
#pragma once

#include <cstddef>
#include <cstdint>

// "an" when the word begins with a vowel letter (A, E, I, O, U in either case), else "a".
const char *An(const char *word);
// Raises the counter; from the second entry on appends " and " before the last entry of total,
// else ", ". The text stays within size bytes.
void Add_Comma_Or_And(int16_t *counter, int16_t total, char *text, size_t size);
// Appends the possessive ending in place ("'" after s or S, else "'s"), within size bytes.
void Possessive(char *text, size_t size);
