#include "STU_GRAF.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include "STU_File.h"
#include "STU_Log.h"
#include "STU_Wrappers.h"

namespace {

char m_search_dirs[GRAF_MAX_SEARCH_DIRS][GRAF_PATH_MAX];
int m_search_count = 0;
int m_profile = GRAF_PROFILE_PLAYER;
char m_settings_path[GRAF_PATH_MAX] = "";
char m_user_data_override[GRAF_PATH_MAX] = "";
char m_app_dir_name[GRAF_PATH_MAX] = "";
int m_app_dir_logged = 0;

bool Ends_With_Separator(const char *text)
{
    size_t length = strlen(text);
    return length > 0 && (text[length - 1] == '/' || text[length - 1] == '\\');
}

bool Has_Separator(const char *text) { return strchr(text, '/') != nullptr || strchr(text, '\\') != nullptr; }

// Per-user folder: the XDG variable when set and non-empty, else HOME + fallback; then the
// application folder name and '/'.
int User_Folder(const char *xdg_variable, const char *home_fallback, char *buffer, int size)
{
    if (buffer == nullptr || size <= 0) return 0;
    const char *base = getenv(xdg_variable);
    char joined[GRAF_PATH_MAX];
    if (base != nullptr && base[0] != '\0') {
        snprintf(joined, sizeof joined, "%s", base);
    } else {
        const char *home = getenv("HOME");
        if (home == nullptr || home[0] == '\0') return 0;
        snprintf(joined, sizeof joined, "%s%s", home, home_fallback);
    }
    int length = snprintf(buffer, (size_t)size, "%s/%s/", joined, STU_GRAF_App_Dir_Name());
    if (length < 0 || length >= size) {
        buffer[0] = '\0';
        return 0;
    }
    return 1;
}

bool Is_Directory(const char *path)
{
    struct stat info;
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

bool Folder_Has_Fonts(const char *folder)
{
    char path[GRAF_PATH_MAX];
    STU_GRAF_Join(path, sizeof path, folder, "FONTS.LBX");
    FILE *file = stu_fopen_ci(path, "rb");
    if (file == nullptr) return false;
    fclose(file);
    return true;
}

bool User_Data_Folder(char *folder, int size) { return STU_GRAF_User_Data_Dir(folder, size) == 1; }

}  // namespace

void STU_GRAF_Join(char *out, int size, const char *folder, const char *name)
{
    if (out == nullptr || size <= 0) return;
    if (folder == nullptr) folder = "";
    if (name == nullptr) name = "";
    const char *separator = (folder[0] == '\0' || Ends_With_Separator(folder)) ? "" : "/";
    if (folder[0] == '\0') separator = "";
    int length = snprintf(out, (size_t)size, "%s%s%s", folder, separator, name);
    if (length >= size) out[size - 1] = '\0';
}

const char *STU_GRAF_App_Dir_Name(void)
{
    const char *value = getenv("TOLVA_APP_DIR");
    if (value == nullptr || value[0] == '\0') return "Tolva";
    if (strcmp(value, ".") == 0 || strcmp(value, "..") == 0) {
        if (m_app_dir_logged++ == 0)
            STU_LOG(SEV_WARN, LC_STU_GRAF,
                    "ignoring TOLVA_APP_DIR=\"%s\": must be a directory name, not a relative path", value);
        return "Tolva";
    }
    if (Has_Separator(value)) {
        if (m_app_dir_logged++ == 0)
            STU_LOG(SEV_WARN, LC_STU_GRAF,
                    "ignoring TOLVA_APP_DIR=\"%s\": must be a bare directory name (no path separators)", value);
        return "Tolva";
    }
    snprintf(m_app_dir_name, sizeof m_app_dir_name, "%s", value);
    if (m_app_dir_logged++ == 0) {
        STU_LOG(SEV_INFO, LC_STU_GRAF, "app directory name overridden to \"%s\" (TOLVA_APP_DIR)", m_app_dir_name);
    }
    return m_app_dir_name;
}

void STU_GRAF_Reset(void) { m_search_count = 0; }

void STU_GRAF_Add_Search_Dir(const char *folder)
{
    if (folder == nullptr || folder[0] == '\0') return;
    if (m_search_count >= GRAF_MAX_SEARCH_DIRS) {
        STU_LOG(SEV_WARN, LC_GENERAL, "STU_GRAF: search path full, ignoring '%s'", folder);
        return;
    }
    if (strlen(folder) >= GRAF_PATH_MAX) {
        STU_LOG(SEV_WARN, LC_GENERAL, "STU_GRAF: search dir too long, ignoring");
        return;
    }
    snprintf(m_search_dirs[m_search_count++], GRAF_PATH_MAX, "%s", folder);
}

int STU_GRAF_Search_Dir_Count(void) { return m_search_count; }

const char *STU_GRAF_Search_Dir(int index)
{
    if (index < 0 || index >= m_search_count) return nullptr;
    return m_search_dirs[index];
}

void STU_GRAF_Set_Settings_Ini(const char *path)
{
    snprintf(m_settings_path, sizeof m_settings_path, "%s", path ? path : "");
}

void STU_GRAF_Init(int profile)
{
    STU_GRAF_Reset();
    m_profile = profile;

    const char *env_data = getenv("TOLVA_DATA_DIR");
    if (env_data != nullptr && env_data[0] != '\0') STU_GRAF_Add_Search_Dir(env_data);

    if (profile == GRAF_PROFILE_PLAYER) {
        char folder[GRAF_PATH_MAX];
        if (STU_GRAF_User_Cache_Dir(folder, sizeof folder)) STU_GRAF_Add_Search_Dir(folder);

        char ini_path[GRAF_PATH_MAX] = "";
        if (m_settings_path[0] != '\0') {
            snprintf(ini_path, sizeof ini_path, "%s", m_settings_path);
        } else if (STU_GRAF_User_Config_Dir(folder, sizeof folder)) {
            STU_GRAF_Join(ini_path, sizeof ini_path, folder, "Tolva.ini");
        }
        char game_data[GRAF_PATH_MAX];
        if (ini_path[0] != '\0' && STU_GRAF_Read_Game_Data_From_Ini(ini_path, game_data, sizeof game_data))
            STU_GRAF_Add_Search_Dir(game_data);

        if (STU_GRAF_Executable_Dir(folder, sizeof folder)) STU_GRAF_Add_Search_Dir(folder);

        static const char *const relative[] = {"assets", "../assets", "../../assets"};
        static const char *const under_home[] = {"%s/GOG Games/Velmora", "%s/Games/Velmora",
                                                 "%s/.steam/steam/steamapps/common/Velmora Classic",
                                                 "%s/.local/share/Steam/steamapps/common/Velmora Classic"};
        char candidates[7][GRAF_PATH_MAX];
        const char *list[8];
        int count = 0;
        for (const char *r : relative) {
            snprintf(candidates[count], GRAF_PATH_MAX, "%s", r);
            list[count] = candidates[count];
            count++;
        }
        const char *home = getenv("HOME");
        if (home != nullptr) {
            for (const char *pattern : under_home) {
                snprintf(candidates[count], GRAF_PATH_MAX, pattern, home);
                list[count] = candidates[count];
                count++;
            }
        }
        list[count] = nullptr;
        const char *hit = STU_GRAF_First_Game_Data_Dir(list);
        if (hit != nullptr) {
            STU_LOG(SEV_INFO, LC_GENERAL, "STU_GRAF: auto-detected game data at '%s'", hit);
            STU_GRAF_Add_Search_Dir(hit);
        }
    }

    STU_GRAF_Add_Search_Dir(".");
    STU_LOG(SEV_INFO, LC_GENERAL, "STU_GRAF: %s profile, %d search dir(s)",
            profile == GRAF_PROFILE_WINDOWLESS ? "WINDOWLESS" : "PLAYER", m_search_count);
}

const char *STU_GRAF_First_Game_Data_Dir(const char *const *list)
{
    if (list == nullptr) return nullptr;
    for (int i = 0; list[i] != nullptr; i++)
        if (Folder_Has_Fonts(list[i])) return list[i];
    return nullptr;
}

int STU_GRAF_Read_Game_Data_From_Ini(const char *path, char *buffer, int size)
{
    if (path == nullptr || buffer == nullptr || size <= 0) return 0;
    FILE *file = fopen(path, "r");
    if (file == nullptr) return 0;
    char line[STU_LINE_MAX];
    int in_section = 0;
    int result = 0;
    int number = 0;
    int too_long = 0;
    while (STU_Read_Line(file, line, sizeof line, &too_long)) {
        number++;
        if (too_long) {
            STU_LOG(SEV_WARN, LC_STU_GRAF, "%s: line %d is longer than %d bytes; ignored", path, number,
                    (int)STU_LINE_MAX - 1);
            continue;
        }
        char *p = line;
        while (*p == ' ' || *p == '\t') p++;
        if (*p == '\0' || *p == '#' || *p == ';' || *p == '\r' || *p == '\n') continue;
        if (*p == '[') {
            char *close = strchr(p, ']');
            if (close != nullptr) {
                *close = '\0';
                in_section = stu_stricmp(p + 1, "paths") == 0;
            }
            continue;
        }
        if (!in_section) continue;
        char *equals = strchr(p, '=');
        if (equals == nullptr) continue;
        char *key_end = equals;
        while (key_end > p && (key_end[-1] == ' ' || key_end[-1] == '\t')) key_end--;
        *key_end = '\0';
        if (stu_stricmp(p, "game_data") != 0) continue;
        char *value = equals + 1;
        while (*value == ' ' || *value == '\t') value++;
        size_t length = strlen(value);
        while (length > 0 && strchr(" \t\r\n", value[length - 1]) != nullptr) value[--length] = '\0';
        if (length >= 2 && value[0] == '"' && value[length - 1] == '"') {
            value[length - 1] = '\0';
            value++;
            length -= 2;
        }
        if (length > 0 && (int)length < size) {
            memcpy(buffer, value, length + 1);
            result = 1;
        }
        break;
    }
    fclose(file);
    return result;
}

FILE *STU_GRAF_Open_Asset(const char *name, const char *mode)
{
    if (name == nullptr || mode == nullptr) return nullptr;
    if (Has_Separator(name) || m_search_count == 0) return stu_fopen_ci(name, mode);
    for (int i = 0; i < m_search_count; i++) {
        FILE *file;
        if (strcmp(m_search_dirs[i], ".") == 0) {
            file = stu_fopen_ci(name, mode);
        } else {
            char path[GRAF_PATH_MAX];
            STU_GRAF_Join(path, sizeof path, m_search_dirs[i], name);
            file = stu_fopen_ci(path, mode);
        }
        if (file != nullptr) return file;
    }
    STU_LOG(SEV_INFO, LC_GENERAL, "STU_GRAF: '%s' not found on any search path", name);
    return nullptr;
}

void STU_GRAF_Set_User_Data_Dir(const char *folder)
{
    if (folder == nullptr || folder[0] == '\0') {
        m_user_data_override[0] = '\0';
        return;
    }
    snprintf(m_user_data_override, sizeof m_user_data_override - 1, "%s", folder);
    if (!Ends_With_Separator(m_user_data_override)) strcat(m_user_data_override, "/");
    STU_LOG(SEV_INFO, LC_STU_GRAF, "user-data dir overridden to \"%s\" (Tolva.ini [Paths] save_dir)",
            m_user_data_override);
}

int STU_GRAF_User_Data_Dir(char *buffer, int size)
{
    if (buffer == nullptr || size <= 0) return 0;
    if (m_user_data_override[0] != '\0') {
        int length = snprintf(buffer, (size_t)size, "%s", m_user_data_override);
        return length < size ? 1 : 0;
    }
    return User_Folder("XDG_DATA_HOME", "/.local/share", buffer, size);
}

int STU_GRAF_User_Config_Dir(char *buffer, int size)
{
    return User_Folder("XDG_CONFIG_HOME", "/.config", buffer, size);
}
int STU_GRAF_User_Cache_Dir(char *buffer, int size) { return User_Folder("XDG_CACHE_HOME", "/.cache", buffer, size); }

int STU_GRAF_User_State_Dir(char *buffer, int size)
{
    if (!User_Folder("XDG_STATE_HOME", "/.local/state", buffer, size)) return 0;
    STU_GRAF_Make_Path(buffer);
    return 1;
}

int STU_GRAF_Executable_Dir(char *buffer, int size)
{
    if (buffer == nullptr || size <= 0) return 0;
    char link[GRAF_PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", link, sizeof link - 1);
    if (length <= 0 || length >= (ssize_t)sizeof link - 1) return 0;
    link[length] = '\0';
    char *slash = strrchr(link, '/');
    if (slash == nullptr) return 0;
    slash[1] = '\0';
    int written = snprintf(buffer, (size_t)size, "%s", link);
    return written < size ? 1 : 0;
}

int STU_GRAF_Make_Path(const char *folder)
{
    if (folder == nullptr || folder[0] == '\0' || strlen(folder) >= GRAF_PATH_MAX) return 0;
    char path[GRAF_PATH_MAX];
    snprintf(path, sizeof path, "%s", folder);
    size_t length = strlen(path);
    while (length > 1 && (path[length - 1] == '/' || path[length - 1] == '\\')) path[--length] = '\0';

    auto make_level = [](const char *level) -> int {
        if (mkdir(level, 0777) == 0) return 1;
        if (errno == EEXIST) {
            if (Is_Directory(level)) return 1;
            STU_LOG(SEV_ERROR, LC_STU_GRAF,
                    "cannot create directory \"%s\": a non-directory of that name already exists", level);
            return 0;
        }
        return 0;
    };
    for (size_t i = 1; i < length; i++) {
        if (path[i] != '/' && path[i] != '\\') continue;
        if (i == 2 && path[1] == ':') continue;
        char saved = path[i];
        path[i] = '\0';
        make_level(path);
        path[i] = saved;
    }
    return make_level(path);
}

int STU_GRAF_User_Path(const char *name, char *buffer, int size)
{
    char folder[GRAF_PATH_MAX];
    if (m_profile == GRAF_PROFILE_WINDOWLESS || !User_Data_Folder(folder, sizeof folder)) {
        snprintf(buffer, (size_t)size, "%s", name ? name : "");
        return 0;
    }
    STU_GRAF_Join(buffer, size, folder, name ? name : "");
    return 1;
}

namespace {

// quiet: an existence probe, for which an absent file is an answer rather than a failure.
FILE *Open_User(const char *name, const char *mode, bool quiet)
{
    if (!quiet) STU_LOG(SEV_INFO, LC_STU_GRAF, "name: \"%s\"", name ? name : "(null)");
    if (name == nullptr || mode == nullptr) return nullptr;
    if (Has_Separator(name)) {
        FILE *file = stu_fopen_ci(name, mode);
        if (file == nullptr && !quiet)
            STU_LOG(SEV_WARN, LC_STU_GRAF, "STU_GRAF_Open_User() failed to open file \"%s\"", name);
        return file;
    }
    if (m_profile == GRAF_PROFILE_WINDOWLESS) return stu_fopen_ci(name, mode);
    char folder[GRAF_PATH_MAX];
    if (!User_Data_Folder(folder, sizeof folder)) {
        if (!quiet) STU_LOG(SEV_WARN, LC_GENERAL, "STU_GRAF: no user-data dir; opening '%s' in CWD", name);
        FILE *file = stu_fopen_ci(name, mode);
        if (file == nullptr && !quiet)
            STU_LOG(SEV_WARN, LC_STU_GRAF, "STU_GRAF_Open_User() failed to open file \"%s\"", name);
        return file;
    }
    if (strchr("wWaA", mode[0]) != nullptr) STU_GRAF_Make_Path(folder);
    char path[GRAF_PATH_MAX];
    STU_GRAF_Join(path, sizeof path, folder, name);
    FILE *file = stu_fopen_ci(path, mode);
    if (file == nullptr && !quiet)
        STU_LOG(SEV_WARN, LC_STU_GRAF, "STU_GRAF_Open_User() failed to open file \"%s\"", path);
    return file;
}

}  // namespace

FILE *STU_GRAF_Open_User(const char *name, const char *mode) { return Open_User(name, mode, false); }

int STU_GRAF_User_DIR(const char *name, char *found_name)
{
    FILE *file = Open_User(name, "rb", true);
    if (file == nullptr) {
        if (found_name) found_name[0] = '\0';
        return 0;
    }
    fclose(file);
    if (found_name) strcpy(found_name, name);
    return -1;
}

long STU_GRAF_User_LOF(const char *name)
{
    FILE *file = STU_GRAF_Open_User(name, "rb");
    if (file == nullptr) return 0;
    long length = 0;
    if (fseek(file, 0, SEEK_END) == 0) {
        length = ftell(file);
        if (length < 0) length = 0;
    }
    fclose(file);
    return length;
}

namespace {

// An entry of that name in the folder, matched exactly or else without regard to case; a link
// counts even when it leads nowhere.
bool Entry_Exists(const char *path)
{
    struct stat info;
    if (lstat(path, &info) == 0) return true;
    const char *slash = strrchr(path, '/');
    const char *name = slash != nullptr ? slash + 1 : path;
    char folder[GRAF_PATH_MAX];
    if (slash == nullptr)
        snprintf(folder, sizeof folder, ".");
    else if (slash == path)
        snprintf(folder, sizeof folder, "/");
    else
        snprintf(folder, sizeof folder, "%.*s", (int)(slash - path), path);
    DIR *dir = opendir(folder);
    if (dir == nullptr) return false;
    bool found = false;
    for (struct dirent *entry = readdir(dir); entry != nullptr && !found; entry = readdir(dir))
        found = name[0] != '\0' && stu_stricmp(entry->d_name, name) == 0;
    closedir(dir);
    return found;
}

int Path_State(const char *path, char *reason, int size)
{
    if (reason != nullptr && size > 0) reason[0] = '\0';
    errno = 0;
    FILE *file = stu_fopen_ci(path, "rb");
    int error = errno;
    if (file != nullptr) {
        fclose(file);
        return 1;
    }
    if (!Entry_Exists(path)) return 0;
    if (reason != nullptr && size > 0)
        snprintf(reason, (size_t)size, "%s",
                 error == ENOENT ? "it is a link to a file that does not exist"
                 : error != 0    ? strerror(error)
                                 : "it cannot be opened");
    return -1;
}

}  // namespace

int STU_GRAF_User_File_State(const char *name, char *reason, int size)
{
    if (reason != nullptr && size > 0) reason[0] = '\0';
    if (name == nullptr) return 0;
    char path[GRAF_PATH_MAX];
    STU_GRAF_User_Path(name, path, sizeof path);
    return Path_State(path, reason, size);
}

int STU_GRAF_Seed_User_File(const char *name)
{
    if (m_profile == GRAF_PROFILE_WINDOWLESS) return 1;
    char folder[GRAF_PATH_MAX];
    if (name == nullptr || !User_Data_Folder(folder, sizeof folder)) return 0;
    STU_GRAF_Make_Path(folder);
    char path[GRAF_PATH_MAX];
    STU_GRAF_Join(path, sizeof path, folder, name);
    char reason[256];
    int state = Path_State(path, reason, sizeof reason);
    if (state == 1) return 1;
    if (state == -1) {
        // Only a file that is not there is seeded: one that cannot be read is still the user's.
        STU_LOG(SEV_ERROR, LC_GENERAL,
                "STU_GRAF: \"%s\" exists but cannot be read (%s); it is left as it is and the game goes on without it",
                path, reason);
        return STU_GRAF_SEED_UNREADABLE;
    }
    FILE *original = STU_GRAF_Open_Asset(name, "rb");
    if (original == nullptr) {
        STU_LOG(SEV_INFO, LC_GENERAL, "STU_GRAF: nothing to seed for '%s' (no original found)", name);
        return 0;
    }
    int result = STU_Copy_Stream_Atomic(original, path);
    fclose(original);
    if (result != STU_COPY_OK) {
        if (result == STU_COPY_CANNOT_CREATE)
            STU_LOG(SEV_WARN, LC_GENERAL, "STU_GRAF: cannot create user copy of '%s'", name);
        else
            STU_LOG(SEV_ERROR, LC_GENERAL, "STU_GRAF: short write seeding '%s'", name);
        // Said where the player sees it at once: the game runs on, but without this file.
        fprintf(stderr, "Tolva: could not copy %s from your Velmora data into your Tolva data folder '%s'\n", name,
                folder);
        return 0;
    }
    STU_LOG(SEV_INFO, LC_GENERAL, "STU_GRAF: seeded user copy of '%s'", name);
    return 1;
}

int STU_GRAF_Backup_And_Reseed_User_File(const char *name, const char *backup_name)
{
    if (m_profile == GRAF_PROFILE_WINDOWLESS || name == nullptr || backup_name == nullptr) return 0;
    char folder[GRAF_PATH_MAX];
    if (!User_Data_Folder(folder, sizeof folder)) return 0;
    FILE *original = STU_GRAF_Open_Asset(name, "rb");
    if (original == nullptr) return 0;

    STU_GRAF_Make_Path(folder);
    char path[GRAF_PATH_MAX];
    STU_GRAF_Join(path, sizeof path, folder, name);
    FILE *existing = stu_fopen_ci(path, "rb");
    if (existing != nullptr) {
        char backup_folder[GRAF_PATH_MAX], backup_path[GRAF_PATH_MAX];
        STU_GRAF_Join(backup_folder, sizeof backup_folder, folder, backup_name);
        STU_GRAF_Make_Path(backup_folder);
        STU_GRAF_Join(backup_path, sizeof backup_path, backup_folder, name);
        int backed_up = STU_Copy_Stream_Atomic(existing, backup_path);
        fclose(existing);
        if (backed_up != STU_COPY_OK) {
            // The user's copy is never overwritten unless a backup of it exists.
            STU_LOG(SEV_WARN, LC_GENERAL, "STU_GRAF: cannot back up '%s'", name);
            fclose(original);
            return 0;
        }
    }
    int result = STU_Copy_Stream_Atomic(original, path);
    fclose(original);
    if (result == STU_COPY_CANNOT_CREATE) {
        STU_LOG(SEV_WARN, LC_GENERAL, "STU_GRAF: cannot overwrite user copy of '%s'", name);
        return 0;
    }
    if (result != STU_COPY_OK) {
        STU_LOG(SEV_ERROR, LC_GENERAL, "STU_GRAF: short write re-seeding '%s'", name);
        return 0;
    }
    STU_LOG(SEV_INFO, LC_GENERAL, "STU_GRAF: re-seeded '%s' from original", name);
    return 1;
}
