#include "Standin.h"

// Entry 0: movement cost in half-moves of each of 770 terrain values in the six movement maps
// (0 built like the others but read by no path search, 1 walking, 2 forester, 3 mountaineer,
// 4 swimming, 5 sailing); 255 is impassable. Flying has no map of its own.
// Entry 1: the 14 x 14 race-relation unrest table, signed bytes.
namespace {

bool In(int c, int lo, int hi) { return c >= lo && c <= hi; }

bool Is_Land(int c) { return c == 1 || In(c, 162, 196) || In(c, 233, 451) || In(c, 468, 472) || c >= 602; }

int Walking_Cost(int c)
{
    if (c == 163 || c == 169 || c == 183 || c == 184) return 4;           // forest
    if (c == 171 || In(c, 275, 291)) return 4;                            // hills
    if (c == 164 || c == 170 || c == 179 || In(c, 259, 274)) return 6;    // mountains
    if (c == 166 || c == 177 || c == 178) return 6;                       // swamp
    if (In(c, 185, 196) || In(c, 233, 258) || In(c, 468, 472)) return 4;  // rivers
    if (c == 167 || c == 181 || c == 182 || c > 602) return 4;            // tundra
    return 2;
}

}  // namespace

void Write_TERRSTAT_LBX(const std::string &folder)
{
    Standin_Archive archive{"TERRSTAT", {}, {}};
    Bytes costs;
    for (int t = 0; t < 770; ++t) {
        int c = t % 762;
        uint8_t m[6];
        if (Is_Land(c)) {
            int walk = Walking_Cost(c);
            bool forest = (c == 163 || c == 169 || c == 183 || c == 184);
            bool rough = (c == 171 || In(c, 275, 291) || c == 164 || c == 170 || c == 179 || In(c, 259, 274));
            m[0] = (uint8_t)walk;
            m[1] = (uint8_t)walk;
            m[2] = (uint8_t)(forest ? 2 : walk);
            m[3] = (uint8_t)(rough ? 2 : walk);
            m[4] = (uint8_t)walk;
            m[5] = 255;
        } else {
            m[0] = m[1] = m[2] = m[3] = 255;
            m[4] = m[5] = 2;
        }
        costs.insert(costs.end(), m, m + 6);
    }
    archive.Add_Record_Table(770, 6, costs);

    Bytes unrest(196);
    for (int row = 0; row < 14; ++row)
        for (int column = 0; column < 14; ++column)
            unrest[(size_t)row * 14 + column] = (uint8_t)(int8_t)(row == column ? 0 : ((row * 3 + column * 5) % 5) - 1);
    archive.Add_Record_Table(1, 196, unrest);
    Standin_Write_Archive(folder, archive);
}
