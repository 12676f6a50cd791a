#include "heroes/Text_Lists.h"

#include <cstring>

const char *An(const char *word)
{
    if (word == nullptr) return "a";
    switch (word[0]) {
    case 'A':
    case 'E':
    case 'I':
    case 'O':
    case 'U':
    case 'a':
    case 'e':
    case 'i':
    case 'o':
    case 'u': return "an";
    default: return "a";
    }
}

void Add_Comma_Or_And(int16_t *counter, int16_t total, char *text, size_t size)
{
    ++*counter;
    if (*counter < 2 || text == nullptr || size == 0) return;
    const char *joint = *counter == total ? " and " : ", ";
    size_t used = strnlen(text, size - 1);
    text[used] = '\0';
    strncat(text, joint, size - 1 - used);
}

void Possessive(char *text, size_t size)
{
    if (text == nullptr || size == 0) {
        return;
    }
    size_t length = strnlen(text, size);
    if (length >= size) {
        return;  // not terminated within its room: left as it is
    }
    const char *ending = (length > 0 && (text[length - 1] == 's' || text[length - 1] == 'S')) ? "'" : "'s";
    size_t room = size - 1 - length;
    size_t add = strlen(ending);
    if (add > room) {
        add = room;
    }
    memcpy(text + length, ending, add);
    text[length + add] = '\0';
}
