#include <cctype>
#include <set>

#include "Standin.h"

// Entry 0: one 280-byte record per race, 20 names of 14 bytes (NUL-terminated). A three-letter head
// per race and twenty endings make 280 names, no two alike ignoring case.
namespace {

const char *const Heads[14] = {"Bar", "Bes", "Dre", "Dra", "Dur", "Gno", "Hal",
                               "Hel", "Hom", "Kla", "Liz", "Nom", "Orv", "Tro"};
const char *const Endings[20] = {"ford",  "holm", "wick",  "stead", "mere", "gate",  "dale", "moor", "haven", "crest",
                                 "brook", "fell", "ridge", "vale",  "mark", "thorp", "well", "burn", "reach", "cairn"};

}  // namespace

void Write_CITYNAME_LBX(const std::string &folder)
{
    Standin_Archive archive{"CITYNAME", {}, {}};
    Bytes records;
    std::set<std::string> seen;
    for (int race = 0; race < 14; ++race) {
        Bytes record(280, 0);
        for (int k = 0; k < 20; ++k) {
            std::string name = std::string(Heads[race]) + Endings[(k + race) % 20];
            std::string folded;
            for (char c : name) folded += (char)tolower((unsigned char)c);
            if (!seen.insert(folded).second) Standin_Fail("CITYNAME: two names alike: " + name);
            Put_Name(record, (size_t)k * 14, 14, name);
        }
        records.insert(records.end(), record.begin(), record.end());
    }
    archive.Add_Record_Table(14, 280, records);
    Standin_Write_Archive(folder, archive);
}
