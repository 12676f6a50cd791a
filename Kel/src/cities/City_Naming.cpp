#include "cities/City_Naming.h"

#include <cstring>

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
