#include <cstring>

#include "STU_Compat.h"
#include "STU_GRAF.h"
#include "STU_Log.h"
#include "STU_SHA256.h"
#include "STU_Wrappers.h"

namespace {

const char *const m_excluded[] = {"ITEMDATA.LBX", nullptr};

bool Is_Excluded(const char *name)
{
    for (int i = 0; m_excluded[i] != nullptr; i++)
        if (stu_stricmp(name, m_excluded[i]) == 0) return true;
    return false;
}

// Case-insensitive substring test over ASCII letters.
bool Contains_No_Case(const char *text, const char *word)
{
    if (text == nullptr || text[0] == '\0') return false;
    size_t length = strlen(word);
    for (const char *p = text; *p; p++)
        if (stu_strnicmp(p, word, length) == 0) return true;
    return false;
}

}  // namespace

int STU_GRAF_Check_Compat_Against(const Manifest_Row *manifest, Compat_Result *result)
{
    if (result == nullptr) return 0;
    memset(result, 0, sizeof *result);
    if (manifest == nullptr || manifest[0].name == nullptr) {
        STU_LOG(SEV_INFO, LC_GENERAL, "STU_GRAF: empty compat manifest; skipping data check");
        return 0;
    }
    result->manifest_present = 1;

    static Compat_File files[COMPAT_MAX_FILES];
    int file_count = 0;
    for (const Manifest_Row *row = manifest; row->name != nullptr; row++) {
        if (row->sha256 == nullptr || row->name[0] == '\0' || Is_Excluded(row->name)) continue;
        Compat_File *file = nullptr;
        for (int i = 0; i < file_count; i++)
            if (stu_stricmp(files[i].name, row->name) == 0) file = &files[i];
        if (file == nullptr) {
            if (file_count == COMPAT_MAX_FILES) {
                STU_LOG(SEV_WARN, LC_GENERAL, "STU_GRAF: compat manifest exceeds %d files; truncating check",
                        COMPAT_MAX_FILES);
                break;
            }
            file = &files[file_count++];
            memset(file, 0, sizeof *file);
            snprintf(file->name, sizeof file->name, "%s", row->name);
            FILE *stream = STU_GRAF_Open_Asset(row->name, "rb");
            if (stream != nullptr) {
                file->hashed = STU_SHA256_Stream(stream, file->digest);
                fclose(stream);
            }
        }
        if (file->hashed && stu_stricmp(file->digest, row->sha256) == 0) {
            file->matched_row = 1;
            if (Contains_No_Case(row->version, "v1.31")) file->matched_v131 = 1;
        }
    }

    for (int i = 0; i < file_count; i++) {
        const Compat_File *file = &files[i];
        if (!file->hashed) continue;
        result->checked++;
        if (file->matched_v131) {
            result->ok++;
            continue;
        }
        result->problems++;
        const char *suffix = file->matched_row ? " (wrong/unsupported version)" : " (unrecognized)";
        STU_LOG(SEV_WARN, LC_GENERAL, "STU_GRAF: data compat: %s%s", file->name, suffix);
        size_t used = strlen(result->flagged);
        if (used + strlen(file->name) + strlen(suffix) + 2 <= 511) {
            if (used > 0) strcat(result->flagged, "; ");
            strcat(result->flagged, file->name);
            strcat(result->flagged, suffix);
        }
    }
    STU_LOG(SEV_INFO, LC_GENERAL, "STU_GRAF: compat pass -- %d checked, %d ok, %d problem(s)", result->checked,
            result->ok, result->problems);
    return result->problems;
}

int STU_GRAF_Check_Data_Compat(Compat_Result *result) { return STU_GRAF_Check_Compat_Against(g_lbx_manifest, result); }
