// Settings-file text: composing Tolva.ini and Tolva_example.ini from the built-in schema,
// adding settings a user's file lacks (commented out, after a backup), and reading values.
#pragma once

#include <cstddef>

struct Settings_Schema {
    const char *section;
    const char *key;
    const char *default_value;
    const char *comment;  // lines separated by '\n'
    int always_commented;
};

// A growable heap text; once growing fails every later append is ignored.
struct Ini_Text {
    char *text;
    size_t length;
    size_t capacity;
    int failed;
};

void STU_INI_Text_Init(Ini_Text *t);
void STU_INI_Text_Append(Ini_Text *t, const char *s);
void STU_INI_Text_Append_N(Ini_Text *t, const char *s, size_t n);
void STU_INI_Text_Free(Ini_Text *t);

int STU_INI_File_Exists(const char *path);
int STU_INI_Text_Has_Key(const char *text, const char *section, const char *key);
// A new heap text (free with free()), or null.
char *STU_INI_Compose(const char *header, const Settings_Schema *schema, int rows, int comment_all,
                      const char *line_end);
int STU_INI_Write_If_Different(const char *path, const char *text);
int STU_INI_Add_Missing(const char *path, const Settings_Schema *schema, int rows, char *backup_out, size_t backup_size,
                        int *count_out);
const char *STU_INI_Native_Eol(void);

int STU_GRAF_Read_Ini_Value(const char *path, const char *section, const char *key, char *buffer, int size);
