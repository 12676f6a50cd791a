#include "STU_INI.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "STU_File.h"
#include "STU_Log.h"
#include "STU_Wrappers.h"

namespace {

int Lower(int c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }

bool Equal_No_Case(const char *a, size_t a_length, const char *b)
{
    size_t b_length = strlen(b);
    if (a_length != b_length) return false;
    for (size_t i = 0; i < a_length; i++)
        if (Lower((unsigned char)a[i]) != Lower((unsigned char)b[i])) return false;
    return true;
}

enum Line_Kind { LINE_OTHER, LINE_SECTION, LINE_KEY };

struct Line_Info {
    size_t start;  // first byte of the line
    size_t end;    // one past the last byte, "\r" excluded
    size_t next;   // start of the following line
    Line_Kind kind;
    size_t name_start;  // section name or key
    size_t name_length;
    bool blank;
};

void Trim_Span(const char *text, size_t *start, size_t *end)
{
    while (*start < *end && (text[*start] == ' ' || text[*start] == '\t')) (*start)++;
    while (*end > *start && (text[*end - 1] == ' ' || text[*end - 1] == '\t')) (*end)--;
}

std::vector<Line_Info> Classify(const char *text)
{
    std::vector<Line_Info> lines;
    size_t length = strlen(text);
    size_t pos = 0;
    while (pos < length) {
        Line_Info info{};
        info.start = pos;
        const char *newline = static_cast<const char *>(memchr(text + pos, '\n', length - pos));
        size_t end = newline ? (size_t)(newline - text) : length;
        info.next = newline ? end + 1 : length;
        if (end > pos && text[end - 1] == '\r') end--;
        info.end = end;
        size_t p = pos;
        while (p < end && (text[p] == ' ' || text[p] == '\t')) p++;
        info.blank = p == end;
        info.kind = LINE_OTHER;
        if (p < end && text[p] == '[') {
            const char *close = static_cast<const char *>(memchr(text + p, ']', end - p));
            if (close != nullptr) {
                size_t s = p + 1, e = (size_t)(close - text);
                Trim_Span(text, &s, &e);
                info.kind = LINE_SECTION;
                info.name_start = s;
                info.name_length = e - s;
            }
        }
        if (info.kind == LINE_OTHER) {
            while (p < end && (text[p] == ';' || text[p] == '#' || text[p] == ' ' || text[p] == '\t')) p++;
            const char *equals = static_cast<const char *>(memchr(text + p, '=', end - p));
            if (equals != nullptr) {
                size_t s = p, e = (size_t)(equals - text);
                Trim_Span(text, &s, &e);
                if (e > s) {
                    info.kind = LINE_KEY;
                    info.name_start = s;
                    info.name_length = e - s;
                }
            }
        }
        lines.push_back(info);
        pos = info.next;
    }
    return lines;
}

void Append_Comment_Lines(Ini_Text *t, const char *comment, const char *line_end)
{
    if (comment == nullptr) return;
    const char *p = comment;
    for (;;) {
        const char *newline = strchr(p, '\n');
        size_t length = newline ? (size_t)(newline - p) : strlen(p);
        if (length == 0) {
            STU_INI_Text_Append(t, ";");
        } else {
            STU_INI_Text_Append(t, "; ");
            STU_INI_Text_Append_N(t, p, length);
        }
        STU_INI_Text_Append(t, line_end);
        if (newline == nullptr) break;
        p = newline + 1;
    }
}

void Append_Row_Block(Ini_Text *t, const Settings_Schema *row, bool commented, const char *line_end)
{
    Append_Comment_Lines(t, row->comment, line_end);
    if (commented) STU_INI_Text_Append(t, "; ");
    STU_INI_Text_Append(t, row->key);
    STU_INI_Text_Append(t, " = ");
    STU_INI_Text_Append(t, row->default_value ? row->default_value : "");
    STU_INI_Text_Append(t, line_end);
}

bool Ends_With_Newline(const Ini_Text *t) { return t->length > 0 && t->text[t->length - 1] == '\n'; }

bool File_Exists(const char *path)
{
    FILE *file = fopen(path, "rb");
    if (file == nullptr) return false;
    fclose(file);
    return true;
}

// "<stem>_backup_<time>[_n]<extension>", the first name that does not exist.
bool Backup_Name(const char *path, char *out, size_t size)
{
    char stamp[32];
    time_t now = time(nullptr);
    struct tm local;
    if (localtime_r(&now, &local) != nullptr && strftime(stamp, sizeof stamp, "%Y%m%d%H%M%S", &local) > 0) {
    } else {
        snprintf(stamp, sizeof stamp, "%lld", (long long)now);
    }
    const char *last_slash = strrchr(path, '/');
    const char *component = last_slash ? last_slash + 1 : path;
    const char *dot = strrchr(component, '.');
    size_t stem_length = dot ? (size_t)(dot - path) : strlen(path);
    const char *extension = dot ? dot : "";
    for (int n = 1; n <= 99; n++) {
        int length;
        if (n == 1)
            length = snprintf(out, size, "%.*s_backup_%s%s", (int)stem_length, path, stamp, extension);
        else
            length = snprintf(out, size, "%.*s_backup_%s_%d%s", (int)stem_length, path, stamp, n, extension);
        if (length < 0 || (size_t)length >= size) return false;
        if (!File_Exists(out)) return true;
    }
    return false;
}

}  // namespace

void STU_INI_Text_Init(Ini_Text *t)
{
    t->text = nullptr;
    t->length = 0;
    t->capacity = 0;
    t->failed = 0;
}

void STU_INI_Text_Append_N(Ini_Text *t, const char *s, size_t n)
{
    if (t->failed || s == nullptr) return;
    if (t->length + n + 1 > t->capacity) {
        size_t capacity = t->capacity ? t->capacity : 1024;
        while (t->length + n + 1 > capacity) capacity *= 2;
        char *grown = static_cast<char *>(realloc(t->text, capacity));
        if (grown == nullptr) {
            t->failed = 1;
            return;
        }
        t->text = grown;
        t->capacity = capacity;
    }
    memcpy(t->text + t->length, s, n);
    t->length += n;
    t->text[t->length] = '\0';
}

void STU_INI_Text_Append(Ini_Text *t, const char *s)
{
    if (s != nullptr) STU_INI_Text_Append_N(t, s, strlen(s));
}

void STU_INI_Text_Free(Ini_Text *t)
{
    free(t->text);
    STU_INI_Text_Init(t);
}

const char *STU_INI_Native_Eol(void) { return "\n"; }

int STU_INI_File_Exists(const char *path)
{
    if (path == nullptr || path[0] == '\0') return 0;
    return File_Exists(path) ? 1 : 0;
}

int STU_INI_Text_Has_Key(const char *text, const char *section, const char *key)
{
    if (text == nullptr || section == nullptr || key == nullptr) return 0;
    bool in_section = false;
    for (const Line_Info &line : Classify(text)) {
        if (line.kind == LINE_SECTION)
            in_section = Equal_No_Case(text + line.name_start, line.name_length, section);
        else if (line.kind == LINE_KEY && in_section && Equal_No_Case(text + line.name_start, line.name_length, key))
            return 1;
    }
    return 0;
}

char *STU_INI_Compose(const char *header, const Settings_Schema *schema, int rows, int comment_all,
                      const char *line_end)
{
    Ini_Text t;
    STU_INI_Text_Init(&t);
    Append_Comment_Lines(&t, header, line_end);
    for (int i = 0; i < rows; i++) {
        bool seen = false;
        for (int j = 0; j < i; j++)
            if (stu_stricmp(schema[j].section, schema[i].section) == 0) seen = true;
        if (seen) continue;
        if (t.length > 0) STU_INI_Text_Append(&t, line_end);
        STU_INI_Text_Append(&t, "[");
        STU_INI_Text_Append(&t, schema[i].section);
        STU_INI_Text_Append(&t, "]");
        STU_INI_Text_Append(&t, line_end);
        for (int j = i; j < rows; j++) {
            if (stu_stricmp(schema[j].section, schema[i].section) != 0) continue;
            STU_INI_Text_Append(&t, line_end);
            Append_Row_Block(&t, &schema[j], comment_all || schema[j].always_commented, line_end);
        }
    }
    if (t.text == nullptr && !t.failed) STU_INI_Text_Append(&t, "");
    if (t.failed) {
        STU_INI_Text_Free(&t);
        return nullptr;
    }
    return t.text;
}

int STU_INI_Write_If_Different(const char *path, const char *text)
{
    if (path == nullptr || text == nullptr) return -1;
    size_t length = strlen(text);
    std::vector<unsigned char> existing;
    if (STU_Read_File(path, existing) && existing.size() == length &&
        (length == 0 || memcmp(existing.data(), text, length) == 0))
        return 0;
    return STU_Write_File_Atomic(path, text, length) ? 1 : -1;
}

int STU_INI_Add_Missing(const char *path, const Settings_Schema *schema, int rows, char *backup_out, size_t backup_size,
                        int *count_out)
{
    if (count_out) *count_out = 0;
    if (backup_out && backup_size) backup_out[0] = '\0';
    if (path == nullptr || schema == nullptr) return -1;
    std::vector<unsigned char> bytes;
    if (!STU_Read_File(path, bytes)) return -1;
    std::string old_text(bytes.begin(), bytes.end());
    const char *text = old_text.c_str();
    const char *line_end = old_text.find("\r\n") != std::string::npos ? "\r\n" : "\n";

    std::vector<Line_Info> lines = Classify(text);
    std::vector<int> missing;
    for (int r = 0; r < rows; r++)
        if (!STU_INI_Text_Has_Key(text, schema[r].section, schema[r].key)) missing.push_back(r);
    if (missing.empty()) return 0;

    // For each missing row: the insertion point in the last occurrence of its section, or none.
    std::vector<long> insert_at(rows, -1);
    for (int r : missing) {
        long point = -1;
        bool in_section = false;
        for (const Line_Info &line : lines) {
            if (line.kind == LINE_SECTION) {
                in_section = Equal_No_Case(text + line.name_start, line.name_length, schema[r].section);
                if (in_section) point = (long)line.next;
                continue;
            }
            if (in_section && !line.blank) point = (long)line.next;
        }
        insert_at[r] = point;
    }

    Ini_Text t;
    STU_INI_Text_Init(&t);
    std::vector<long> points;
    for (int r : missing)
        if (insert_at[r] >= 0) points.push_back(insert_at[r]);
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    size_t copied = 0;
    for (long point : points) {
        STU_INI_Text_Append_N(&t, text + copied, (size_t)point - copied);
        copied = (size_t)point;
        if (!Ends_With_Newline(&t)) STU_INI_Text_Append(&t, line_end);
        for (int r : missing) {
            if (insert_at[r] != point) continue;
            STU_INI_Text_Append(&t, line_end);
            Append_Row_Block(&t, &schema[r], true, line_end);
        }
    }
    STU_INI_Text_Append_N(&t, text + copied, old_text.size() - copied);

    for (int r : missing) {
        if (insert_at[r] >= 0) continue;
        bool first_of_section = true;
        for (int q : missing)
            if (q < r && insert_at[q] < 0 && stu_stricmp(schema[q].section, schema[r].section) == 0)
                first_of_section = false;
        if (!first_of_section) continue;
        if (t.length > 0 && !Ends_With_Newline(&t)) STU_INI_Text_Append(&t, line_end);
        if (t.length > 0) STU_INI_Text_Append(&t, line_end);
        STU_INI_Text_Append(&t, "[");
        STU_INI_Text_Append(&t, schema[r].section);
        STU_INI_Text_Append(&t, "]");
        STU_INI_Text_Append(&t, line_end);
        for (int q : missing) {
            if (insert_at[q] >= 0 || stu_stricmp(schema[q].section, schema[r].section) != 0) continue;
            STU_INI_Text_Append(&t, line_end);
            Append_Row_Block(&t, &schema[q], true, line_end);
        }
    }
    if (t.failed) {
        STU_INI_Text_Free(&t);
        return -1;
    }

    char backup[2048];
    if (!Backup_Name(path, backup, sizeof backup) || (backup_out && strlen(backup) >= backup_size)) {
        STU_INI_Text_Free(&t);
        return -1;
    }
    // The backup is written first and removed only if the new text could not be put in place;
    // the new text replaces the file by a rename, so the file is never half written.
    if (!STU_Write_File_Atomic(backup, old_text.data(), old_text.size())) {
        STU_INI_Text_Free(&t);
        return -1;
    }
    if (!STU_Write_File_Atomic(path, t.text, t.length)) {
        remove(backup);
        STU_INI_Text_Free(&t);
        return -1;
    }
    STU_INI_Text_Free(&t);
    if (backup_out) snprintf(backup_out, backup_size, "%s", backup);
    if (count_out) *count_out = (int)missing.size();
    return 1;
}

int STU_GRAF_Read_Ini_Value(const char *path, const char *section, const char *key, char *buffer, int size)
{
    if (path == nullptr || section == nullptr || key == nullptr || buffer == nullptr || size <= 0) return 0;
    FILE *file = stu_fopen_ci(path, "r");
    if (file == nullptr) return 0;
    char line[STU_LINE_MAX];
    bool in_section = false;
    int found = 0;
    int number = 0;
    int too_long = 0;
    auto trim = [](char *s) {
        char *start = s;
        while (*start && strchr(" \t\r\n", *start)) start++;
        memmove(s, start, strlen(start) + 1);
        size_t length = strlen(s);
        while (length > 0 && strchr(" \t\r\n", s[length - 1])) s[--length] = '\0';
    };
    while (STU_Read_Line(file, line, sizeof line, &too_long)) {
        number++;
        if (too_long) {
            STU_LOG(SEV_WARN, LC_STU_GRAF, "%s: line %d is longer than %d bytes; ignored", path, number,
                    (int)STU_LINE_MAX - 1);
            continue;
        }
        trim(line);
        line[strcspn(line, "#")] = '\0';
        line[strcspn(line, ";")] = '\0';
        trim(line);
        if (line[0] == '\0') continue;
        if (line[0] == '[') {
            char *close = strchr(line, ']');
            if (close != nullptr) {
                *close = '\0';
                in_section = stu_stricmp(line + 1, section) == 0;
            }
            continue;
        }
        if (!in_section) continue;
        char *equals = strchr(line, '=');
        if (equals == nullptr) continue;
        *equals = '\0';
        char *value = equals + 1;
        trim(line);
        trim(value);
        if (stu_stricmp(line, key) != 0) continue;
        snprintf(buffer, (size_t)size, "%s", value);
        found = 1;
        break;
    }
    fclose(file);
    return found;
}
