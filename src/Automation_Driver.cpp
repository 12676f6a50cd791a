#include "Automation_Driver.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/stat.h>

#include "Fields.h"
#include "Mouse.h"
#include "STU_Log.h"
#include "STU_Wrappers.h"
#include "sdl2_PFL.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"

#define AD_LOG(severity, ...) STU_LOG(severity, LC_AUTOMATION_DRIVER, "[Automation Driver] " __VA_ARGS__)

namespace {

constexpr int LINE_MAX_CHARS = 511;
constexpr int PATH_MAX_CHARS = 511;
constexpr int TYPE_MAX_CHARS = 127;

Automation_Action m_actions[AUTOMATION_ACTIONS_MAX];
int m_action_count = 0;
int m_next_action = 0;
Alias_Point m_alias_points[AUTOMATION_ALIAS_MAX];
int m_alias_count = 0;
int m_alias_loaded = 0;
char m_alias_path[512] = "tools/fields/alias_points.fwv";
Scenario_Variable m_variables[AUTOMATION_VARIABLES_MAX];
int m_variable_count = 0;

// Why the last load failed, or where the last scenario was cut; told on standard error too.
char m_load_error[700] = "";
int m_add_refused = 0;
int m_cut = 0;
char m_cut_at[600] = "";

int m_active = 0;
int m_plain_wait = 0;
uint64_t m_plain_deadline = 0;
int m_state_wait = 0;
void (*m_turn_wait_callback)(int waiting) = nullptr;

void State_Wait_Ends(void)
{
    if (m_state_wait && m_turn_wait_callback != nullptr) m_turn_wait_callback(0);
    m_state_wait = 0;
}
uint64_t m_state_deadline = 0;

void Trim_In_Place(char *text)
{
    size_t length = std::strlen(text);
    while (length > 0 && std::isspace((unsigned char)text[length - 1])) text[--length] = '\0';
    size_t start = 0;
    while (text[start] != '\0' && std::isspace((unsigned char)text[start])) ++start;
    if (start > 0) std::memmove(text, text + start, length - start + 1);
}

// Keyword with a following blank: the argument after it, else nullptr.
const char *Keyword_Argument(const char *line, const char *keyword)
{
    size_t length = std::strlen(keyword);
    if (strncasecmp(line, keyword, length) != 0) return nullptr;
    return line + length;
}

void First_Word(const char *text, char *out, int size)
{
    while (*text == ' ' || *text == '\t') ++text;
    int n = 0;
    while (text[n] != '\0' && !std::isspace((unsigned char)text[n]) && n < size - 1) {
        out[n] = text[n];
        ++n;
    }
    out[n] = '\0';
}

// The rest after the first word, for the optional time-out of state waits.
const char *After_First_Word(const char *text)
{
    while (*text == ' ' || *text == '\t') ++text;
    while (*text != '\0' && !std::isspace((unsigned char)*text)) ++text;
    while (*text == ' ' || *text == '\t') ++text;
    return text;
}

const Alias_Point *Find_Alias(const char *name)
{
    for (int i = 0; i < m_alias_count; ++i) {
        if (std::strcmp(m_alias_points[i].name, name) == 0) return &m_alias_points[i];
    }
    return nullptr;
}

int Resolve_Target(const char *text, int16_t *x, int16_t *y)
{
    short a = 0;
    short b = 0;
    if (std::sscanf(text, "%hd %hd", &a, &b) == 2) {
        *x = a;
        *y = b;
        return 1;
    }
    char name[128];
    First_Word(text, name, sizeof(name));
    const Alias_Point *point = Find_Alias(name);
    if (point == nullptr) return 0;
    *x = point->x;
    *y = point->y;
    return 1;
}

void Load_Alias_Points(void)
{
    m_alias_count = 0;
    m_alias_loaded = 1;
    FILE *file = stu_fopen_ci(m_alias_path, "r");
    if (file == nullptr) {
        AD_LOG(SEV_INFO, "No alias points table at %s (named clicks won't resolve)", m_alias_path);
        return;
    }
    char line[256];
    while (m_alias_count < AUTOMATION_ALIAS_MAX && std::fgets(line, sizeof(line), file) != nullptr) {
        Alias_Point point = {};
        if (std::sscanf(line, "%127s %hd %hd", point.name, &point.x, &point.y) != 3) continue;
        if (std::strchr(point.name, '.') == nullptr) continue;
        m_alias_points[m_alias_count++] = point;
    }
    std::fclose(file);
    AD_LOG(SEV_INFO, "Loaded %d alias points from %s", m_alias_count, m_alias_path);
}

__attribute__((format(printf, 1, 2))) void Set_Load_Error(const char *format, ...)
{
    if (m_load_error[0] != '\0') return;  // the first failure is the cause
    va_list args;
    va_start(args, format);
    std::vsnprintf(m_load_error, sizeof(m_load_error), format, args);
    va_end(args);
}

void Note_Cut(const char *path, int line_number)
{
    if (m_cut) return;
    m_cut = 1;
    std::snprintf(m_cut_at, sizeof(m_cut_at), "%s:%d", path, line_number);
}

Automation_Action *Add_Action(int32_t kind)
{
    if (m_action_count >= AUTOMATION_ACTIONS_MAX) {
        m_add_refused = 1;
        return nullptr;
    }
    Automation_Action *action = &m_actions[m_action_count++];
    std::memset(action, 0, sizeof(*action));
    action->kind = kind;
    return action;
}

void Add_Key_Action(int32_t kind, uint32_t packed, uint8_t character)
{
    Automation_Action *action = Add_Action(kind);
    if (action == nullptr) return;
    action->packed_key = packed;
    action->character = character;
}

uint64_t Timeout_Or_Default(const char *text)
{
    uint64_t ms = Automation_Parse_Duration(text);
    return ms != 0 ? ms : AUTOMATION_DEFAULT_TIMEOUT_MS;
}

int Parse_File(const char *path, int depth);

// 0 on success or a skipped bad line; a failing include returns its code.
int Parse_Line(const char *path, int line_number, char *line, int depth)
{
    const char *arg = nullptr;
    if ((arg = Keyword_Argument(line, "include ")) != nullptr) {
        char joined[PATH_MAX_CHARS + 2];
        while (*arg == ' ' || *arg == '\t') ++arg;
        const char *slash = std::strrchr(path, '/');
        const char *backslash = std::strrchr(path, '\\');
        if (backslash != nullptr && (slash == nullptr || backslash > slash)) slash = backslash;
        bool absolute = arg[0] == '/' || arg[0] == '\\' || (arg[0] != '\0' && arg[1] == ':');
        size_t folder = slash != nullptr ? (size_t)(slash - path + 1) : 0;
        if (absolute || folder == 0 || folder + std::strlen(arg) > PATH_MAX_CHARS) {
            std::snprintf(joined, sizeof(joined), "%s", arg);
        } else {
            std::memcpy(joined, path, folder);
            std::snprintf(joined + folder, sizeof(joined) - folder, "%s", arg);
        }
        return Parse_File(joined, depth + 1);
    }
    if ((arg = Keyword_Argument(line, "wait ")) != nullptr) {
        uint64_t ms = Automation_Parse_Duration(arg);
        if (ms == 0) {
            AD_LOG(SEV_INFO, "%s:%d: bad wait duration (need NNNf|NNNms|NNNs|NNNm): %s", path, line_number, arg);
            return 0;
        }
        Automation_Action *action = Add_Action(AA_WAIT);
        if (action != nullptr) action->duration_ms = ms;
        return 0;
    }
    if ((arg = Keyword_Argument(line, "fkey ")) != nullptr) {
        char *end = nullptr;
        long n = std::strtol(arg, &end, 10);
        if (end == arg || (*end != '\0' && !std::isspace((unsigned char)*end)) || n < 1 || n > 10) {
            AD_LOG(SEV_INFO, "%s:%d: bad function key (need 1 to 10): %s", path, line_number, arg);
            return 0;
        }
        Add_Key_Action(AA_KEY, (uint32_t)(KEY_F1 + n - 1), 0);
        return 0;
    }
    if ((arg = Keyword_Argument(line, "key ")) != nullptr) {
        if (arg[0] != '\0') Add_Key_Action(AA_KEY, Automation_Pack_Key(arg[0]), (uint8_t)arg[0]);
        return 0;
    }
    if (strcasecmp(line, "escape") == 0) {
        Add_Key_Action(AA_ESCAPE, KEY_ESCAPE, 0);
        return 0;
    }
    if (strcasecmp(line, "enter") == 0) {
        Add_Key_Action(AA_ENTER, KEY_ENTER, 0);
        return 0;
    }
    if (strcasecmp(line, "backspace") == 0) {
        Add_Key_Action(AA_BACKSPACE, KEY_BACKSPACE, 0);
        return 0;
    }
    static const char *const directions[8] = {"left",    "right",     "up",     "down",
                                              "upright", "downright", "upleft", "downleft"};
    for (int d = 0; d < 8; ++d) {
        if (strcasecmp(line, directions[d]) == 0) {
            Add_Key_Action(AA_KEY, (uint32_t)(d + 1), 0);
            return 0;
        }
    }
    static const struct {
        const char *keyword;
        int32_t kind;
        const char *name;
    } targets[3] = {{"click ", AA_CLICK, "click"}, {"rclick ", AA_RCLICK, "rclick"}, {"move ", AA_MOVE, "move"}};
    for (const auto &target : targets) {
        if ((arg = Keyword_Argument(line, target.keyword)) == nullptr) continue;
        int16_t x = 0;
        int16_t y = 0;
        if (!Resolve_Target(arg, &x, &y)) {
            AD_LOG(SEV_INFO, "%s:%d: bad %s target (need X Y or Screen.Alias): %s", path, line_number, target.name,
                   target.kind == AA_MOVE ? line : arg);
            return 0;
        }
        Automation_Action *action = Add_Action(target.kind);
        if (action != nullptr) {
            action->x = x;
            action->y = y;
        }
        return 0;
    }
    if ((arg = Keyword_Argument(line, "wait_screen ")) != nullptr) {
        char name[64];
        First_Word(arg, name, sizeof(name));
        int screen = Automation_Screen_From_Name(name);
        if (screen < 0) {
            AD_LOG(SEV_INFO, "%s:%d: wait_screen unknown screen: %s", path, line_number, name);
            return 0;
        }
        Automation_Action *action = Add_Action(AA_WAIT_SCREEN);
        if (action != nullptr) {
            action->x = (int16_t)screen;
            action->duration_ms = Timeout_Or_Default(After_First_Word(arg));
        }
        return 0;
    }
    if ((arg = Keyword_Argument(line, "wait_turn ")) != nullptr) {
        char word[64];
        First_Word(arg, word, sizeof(word));
        char *end = nullptr;
        long turn = std::strtol(word, &end, 10);
        bool digits = word[0] != '\0';
        for (const char *p = word; *p != '\0'; ++p) digits = digits && std::isdigit((unsigned char)*p);
        if (!digits || end == word || turn < 0 || turn > INT16_MAX) {
            AD_LOG(SEV_INFO, "%s:%d: wait_turn bad number: %s", path, line_number, arg);
            return 0;
        }
        Automation_Action *action = Add_Action(AA_WAIT_TURN);
        if (action != nullptr) {
            action->x = (int16_t)turn;
            action->duration_ms = Timeout_Or_Default(After_First_Word(arg));
        }
        return 0;
    }
    if ((arg = Keyword_Argument(line, "wait_field ")) != nullptr) {
        char name[128];
        First_Word(arg, name, sizeof(name));
        const Alias_Point *point = Find_Alias(name);
        if (point == nullptr) {
            AD_LOG(SEV_INFO, "%s:%d: wait_field unresolved name (need Screen.Alias in alias_points): %s", path,
                   line_number, name);
            return 0;
        }
        Automation_Action *action = Add_Action(AA_WAIT_FIELD);
        if (action != nullptr) {
            action->x = point->x;
            action->y = point->y;
            action->duration_ms = Timeout_Or_Default(After_First_Word(arg));
        }
        return 0;
    }
    if (strcasecmp(line, "next_turn") == 0) {
        Add_Key_Action(AA_KEY, Automation_Pack_Key('n'), 'n');
        return 0;
    }
    if (strcasecmp(line, "quit") == 0) {
        Add_Action(AA_QUIT);
        return 0;
    }
    if (strcasecmp(line, "end") == 0) {
        Add_Action(AA_END);
        return 0;
    }
    if ((arg = Keyword_Argument(line, "type ")) != nullptr) {
        char text[TYPE_MAX_CHARS + 1];
        Automation_Expand_Variables(arg, text, sizeof(text));
        for (const char *p = text; *p != '\0'; ++p) Add_Key_Action(AA_KEY, Automation_Pack_Key(*p), (uint8_t)*p);
        return 0;
    }
    AD_LOG(SEV_INFO, "%s:%d: unknown action: %s", path, line_number, line);
    return 0;
}

int Parse_File(const char *path, int depth)
{
    if (depth > AUTOMATION_INCLUDE_DEPTH_LIMIT - 1) {
        AD_LOG(SEV_INFO, "include depth exceeded (limit %d) at %s", AUTOMATION_INCLUDE_DEPTH_LIMIT, path);
        Set_Load_Error("include depth exceeded (limit %d) at %s; do the includes form a loop?",
                       AUTOMATION_INCLUDE_DEPTH_LIMIT, path);
        return 1;
    }
    FILE *file = stu_fopen_ci(path, "r");
    if (file == nullptr) {
        AD_LOG(SEV_INFO, "Could not open scenario: %s", path);
        Set_Load_Error("could not open %s", path);
        return 1;
    }
    // A folder reads as empty and a device may never end.
    struct stat info;
    if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) {
        std::fclose(file);
        AD_LOG(SEV_INFO, "Could not open scenario: %s (not a regular file)", path);
        Set_Load_Error("%s is not a regular file", path);
        return 1;
    }
    char line[LINE_MAX_CHARS + 2];
    int line_number = 0;
    int result = 0;
    while (std::fgets(line, sizeof(line), file) != nullptr) {
        ++line_number;
        size_t length = std::strlen(line);
        if (length > 0 && line[length - 1] != '\n' && !std::feof(file)) {
            // A longer line is read in pieces of the buffer's size; the rest is dropped.
            int c = 0;
            while ((c = std::fgetc(file)) != EOF && c != '\n') {
            }
        }
        Trim_In_Place(line);
        if (line[0] == '\0' || line[0] == '#') continue;
        char *comment = std::strchr(line, '#');
        if (comment != nullptr) {
            *comment = '\0';
            Trim_In_Place(line);
            if (line[0] == '\0') continue;
        }
        if (m_action_count >= AUTOMATION_ACTIONS_MAX) {
            Note_Cut(path, line_number);
            break;
        }
        m_add_refused = 0;
        result = Parse_Line(path, line_number, line, depth);
        if (m_add_refused) Note_Cut(path, line_number);
        if (result != 0) break;
    }
    std::fclose(file);
    return result;
}

void Set_Save_Name(void)
{
    char value[64] = "AD-00000000";
    time_t now = std::time(nullptr);
    struct tm local = {};
    if (now != (time_t)-1 && localtime_r(&now, &local) != nullptr) {
        std::snprintf(value, sizeof(value), "AD-%04d%02d%02d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
                      local.tm_mday, local.tm_hour, local.tm_min);
    }
    Automation_Set_Variable("SAVE_NAME", value);
}

void Log_Hit_Field(unsigned long long now, int16_t x, int16_t y)
{
    if (p_fields != nullptr) {
        for (int i = 0; i < fields_count && i < FIELDS_MAX; ++i) {
            const Field_Record &field = p_fields[i];
            if (x >= field.x1 && x <= field.x2 && y >= field.y1 && y <= field.y2) {
                AD_LOG(SEV_INFO, "t=%llu ms   -> hits field[%d] rect=(%d,%d)-(%d,%d) type=%d selectable=%d", now, i,
                       field.x1, field.y1, field.x2, field.y2, field.kind, field.selectable);
                return;
            }
        }
    }
    AD_LOG(SEV_INFO, "t=%llu ms   -> hits NO field (of %d)", now, (int)fields_count);
}

// The screen the player sees: one running inside the current screen, else the current one.
int Shown_Screen(void) { return g_modal_screen >= 0 ? g_modal_screen : current_screen; }

bool State_Wait_Holds(const Automation_Action &action)
{
    switch (action.kind) {
    case AA_WAIT_SCREEN: return Shown_Screen() == action.x;
    case AA_WAIT_TURN: return _turn >= action.x;
    case AA_WAIT_FIELD:
        if (p_fields == nullptr) return false;
        for (int i = 0; i < fields_count && i < FIELDS_MAX; ++i) {
            const Field_Record &field = p_fields[i];
            if (action.x >= field.x1 && action.x <= field.x2 && action.y >= field.y1 && action.y <= field.y2)
                return true;
        }
        return false;
    default: return true;
    }
}

// 1 when the next action index advances.
int Run_Action(const Automation_Action &action, uint64_t now)
{
    unsigned long long t = (unsigned long long)now;
    switch (action.kind) {
    case AA_WAIT:
        m_plain_wait = 1;
        m_plain_deadline = now + action.duration_ms;
        AD_LOG(SEV_INFO, "t=%llu ms wait %llu ms", t, (unsigned long long)action.duration_ms);
        return 1;
    case AA_KEY:
    case AA_ESCAPE:
    case AA_ENTER:
    case AA_BACKSPACE:
        Platform_Keyboard_Buffer_Add_Key_Press((int32_t)(action.packed_key & 0xFF),
                                               (int32_t)(action.packed_key & 0xFFFF0000u),
                                               (int32_t)((action.packed_key >> 8) & 0xFF));
        if (action.kind == AA_KEY) {
            AD_LOG(SEV_INFO, "t=%llu ms key '%c' (packed=0x%08X)", t, action.character != 0 ? action.character : ' ',
                   action.packed_key);
        } else if (action.kind == AA_ESCAPE) {
            AD_LOG(SEV_INFO, "t=%llu ms escape", t);
        } else if (action.kind == AA_ENTER) {
            AD_LOG(SEV_INFO, "t=%llu ms enter", t);
        } else {
            AD_LOG(SEV_INFO, "t=%llu ms backspace", t);
        }
        return 1;
    case AA_CLICK:
    case AA_RCLICK: {
        int16_t button = action.kind == AA_CLICK ? 1 : 2;
        int wx = 0;
        int wy = 0;
        Platform_Game_To_Window(action.x, action.y, &wx, &wy);
        Set_Pointer_Position(action.x, action.y);
        platform_frame_mouse_buttons = (uint16_t)(platform_frame_mouse_buttons | button);
        Platform_Set_Synthetic_Mouse_Button(button);
        AD_LOG(SEV_INFO, "t=%llu ms %s (%d, %d)", t, button == 1 ? "click" : "rclick", action.x, action.y);
        Log_Hit_Field(t, action.x, action.y);
        User_Mouse_Handler(button, (int16_t)wx, (int16_t)wy);
        return 1;
    }
    case AA_MOVE:
        Set_Pointer_Position(action.x, action.y);
        AD_LOG(SEV_INFO, "t=%llu ms move (%d, %d)", t, action.x, action.y);
        return 1;
    case AA_QUIT:
        // As a closed window does: a box open at the time closes too.
        quit_game_flag = 1;
        Platform_Request_Quit();
        AD_LOG(SEV_INFO, "t=%llu ms quit", t);
        return 1;
    case AA_END:
        m_active = 0;
        AD_LOG(SEV_INFO, "t=%llu ms end \xE2\x80\x94 Automation Driver stopped", t);
        return 0;
    case AA_WAIT_SCREEN:
    case AA_WAIT_TURN:
    case AA_WAIT_FIELD:
        if (!m_state_wait) {
            m_state_wait = 1;
            m_state_deadline = now + action.duration_ms;
            if (action.kind != AA_WAIT_FIELD && m_turn_wait_callback != nullptr) m_turn_wait_callback(1);
        }
        if (State_Wait_Holds(action)) {
            State_Wait_Ends();
            AD_LOG(SEV_INFO, "t=%llu ms wait satisfied (type=%d target=%d/%d)", t, action.kind, action.x, action.y);
            return 1;
        }
        if (now >= m_state_deadline) {
            State_Wait_Ends();
            AD_LOG(SEV_WARN,
                   "t=%llu ms TIMEOUT on state-aware wait (type=%d target=%d/%d) \xE2\x80\x94 advancing; "
                   "current_screen=%d %s turn=%d",
                   t, action.kind, action.x, action.y, (int)Shown_Screen(),
                   Automation_Screen_Short_Name(Shown_Screen()), (int)_turn);
            return 1;
        }
        return 0;
    default: return 1;
    }
}

}  // namespace

uint64_t Automation_Parse_Duration(const char *text)
{
    if (text == nullptr) return 0;
    while (*text == ' ' || *text == '\t') ++text;
    if (!std::isdigit((unsigned char)*text)) return 0;
    uint64_t number = 0;
    while (std::isdigit((unsigned char)*text)) {
        number = number * 10 + (uint64_t)(*text - '0');
        if (number > UINT64_MAX / 100000) return 0;
        ++text;
    }
    while (*text == ' ' || *text == '\t') ++text;
    char unit[8] = {};
    int n = 0;
    while (*text != '\0' && !std::isspace((unsigned char)*text) && n < 7)
        unit[n++] = (char)std::tolower((unsigned char)*text++);
    uint64_t scale = 0;
    if (std::strcmp(unit, "f") == 0) {
        scale = AUTOMATION_FRAME_MS;
    } else if (std::strcmp(unit, "ms") == 0) {
        scale = 1;
    } else if (std::strcmp(unit, "s") == 0) {
        scale = 1000;
    } else if (std::strcmp(unit, "m") == 0) {
        scale = 60000;
    }
    return number * scale;
}

uint32_t Automation_Pack_Key(char c)
{
    uint8_t character = (uint8_t)c;
    uint32_t code = 32;
    uint32_t shift = 0;
    if (c >= 'a' && c <= 'z') {
        code = character;
    } else if (c >= 'A' && c <= 'Z') {
        code = (uint32_t)(character + 32);
        shift = (uint32_t)KEY_MOD_SHIFT;
    } else if (c == '\t') {
        code = 13;
    } else if (c == '+') {
        code = 43;
    } else if (c == '-') {
        code = 45;
    }
    return code | ((uint32_t)character << 8) | shift;
}

int Automation_Screen_From_Name(const char *name) { return Screen_Table_From_Name(name); }

const char *Automation_Screen_Short_Name(int screen)
{
    const Screen_Table_Entry *entry = Screen_Table_Find(screen);
    return entry != nullptr ? entry->short_name : "?";
}

void Automation_Set_Variable(const char *name, const char *value)
{
    for (int i = 0; i < m_variable_count; ++i) {
        if (std::strcmp(m_variables[i].name, name) == 0) {
            std::snprintf(m_variables[i].value, sizeof(m_variables[i].value), "%s", value);
            return;
        }
    }
    if (m_variable_count >= AUTOMATION_VARIABLES_MAX) return;
    Scenario_Variable &variable = m_variables[m_variable_count++];
    std::snprintf(variable.name, sizeof(variable.name), "%s", name);
    std::snprintf(variable.value, sizeof(variable.value), "%s", value);
}

const char *Automation_Get_Variable(const char *name)
{
    for (int i = 0; i < m_variable_count; ++i) {
        if (std::strcmp(m_variables[i].name, name) == 0) return m_variables[i].value;
    }
    return nullptr;
}

void Automation_Expand_Variables(const char *text, char *out, int out_size)
{
    int n = 0;
    auto put = [&](char c) {
        if (n < out_size - 1) out[n++] = c;
    };
    while (*text != '\0') {
        if (*text != '$') {
            put(*text++);
            continue;
        }
        char name[32] = {};
        int length = 0;
        while (length < 31 && (std::isalnum((unsigned char)text[1 + length]) || text[1 + length] == '_')) {
            name[length] = text[1 + length];
            ++length;
        }
        if (length == 0) {
            put(*text++);
            continue;
        }
        const char *value = Automation_Get_Variable(name);
        if (value != nullptr) {
            for (const char *p = value; *p != '\0'; ++p) put(*p);
        } else {
            AD_LOG(SEV_INFO, "unknown variable: $%s", name);
            for (int i = 0; i <= length; ++i) put(text[i]);
        }
        text += 1 + length;
    }
    out[n] = '\0';
}

int Automation_Driver_Load_Scenario(const char *path)
{
    if (!m_alias_loaded) Load_Alias_Points();
    Automation_Driver_Shutdown();
    m_variable_count = 0;
    Set_Save_Name();
    m_load_error[0] = '\0';
    m_cut = 0;
    m_cut_at[0] = '\0';
    AD_LOG(SEV_INFO, "Loading scenario: %s", path != nullptr ? path : "");
    if (path == nullptr) return 1;
    int result = Parse_File(path, 0);
    if (result == 0 && m_action_count == 0) {
        AD_LOG(SEV_INFO, "Scenario is empty");
        Set_Load_Error("the scenario is empty (no line holds an action)");
        result = 1;
    }
    if (result != 0) {
        m_action_count = 0;
        AD_LOG(SEV_ERROR, "Scenario %s not loaded: %s", path, m_load_error);
        std::fprintf(stderr, "Tolva: scenario %s not loaded: %s\n", path, m_load_error);
        return result;
    }
    if (m_cut) {
        AD_LOG(SEV_WARN, "Scenario cut at %d actions: the actions from %s on are not run", AUTOMATION_ACTIONS_MAX,
               m_cut_at);
        std::fprintf(stderr, "Tolva: scenario %s cut at %d actions: the actions from %s on are not run\n", path,
                     AUTOMATION_ACTIONS_MAX, m_cut_at);
    }
    m_active = 1;
    AD_LOG(SEV_INFO, "Loaded %d actions", m_action_count);
    return 0;
}

void Automation_Driver_Frame(void)
{
    if (!m_active) return;
    uint64_t now = Platform_Get_Millies();
    // A scenario that ends in a wait still waits it out before it counts as complete.
    if (m_plain_wait) {
        if (now < m_plain_deadline) return;
        m_plain_wait = 0;
    }
    if (m_next_action >= m_action_count) {
        AD_LOG(SEV_INFO, "Scenario complete (%d actions)", m_action_count);
        m_active = 0;
        quit_game_flag = 1;
        Platform_Request_Quit();
        return;
    }
    AD_LOG(SEV_INFO, "t=%llu ms [screen=%d %s, fields=%d]", (unsigned long long)now, (int)Shown_Screen(),
           Automation_Screen_Short_Name(Shown_Screen()), (int)fields_count);
    if (Run_Action(m_actions[m_next_action], now)) ++m_next_action;
}

void Automation_Driver_Shutdown(void)
{
    m_active = 0;
    m_action_count = 0;
    m_next_action = 0;
    m_plain_wait = 0;
    State_Wait_Ends();
    m_plain_deadline = 0;
    m_state_deadline = 0;
}

int Automation_Driver_Active(void) { return m_active; }

void Automation_Driver_Register_Turn_Wait_Callback(void (*callback)(int waiting)) { m_turn_wait_callback = callback; }

void Automation_Driver_Set_Alias_Points_Path(const char *path)
{
    if (path == nullptr) return;
    std::snprintf(m_alias_path, sizeof(m_alias_path), "%s", path);
    m_alias_loaded = 0;
}

int Automation_Action_Count(void) { return m_action_count; }
const Automation_Action *Automation_Action_At(int index)
{
    return (index >= 0 && index < m_action_count) ? &m_actions[index] : nullptr;
}
int Automation_Alias_Count(void) { return m_alias_count; }
const char *Automation_Driver_Load_Error(void) { return m_load_error; }
int Automation_Driver_Scenario_Cut(void) { return m_cut; }
