#!/usr/bin/env bash
# Every archive entry the game reads on the screens that exist (standin_entries.txt) is in the
# stand-in installation, and the sources read no archive or literal entry that table lacks. The
# check fails on an installation missing an archive, an entry, or records of a record table.
source "$(dirname "$0")/lib.sh"

command -v python3 >/dev/null 2>&1 || { echo "SKIP: python3 missing"; exit 0; }
HERE="$(cd "$(dirname "$0")" && pwd)"
SOURCE="${TOLVA_SOURCE_DIR:-$HERE/../..}"
CHECK=(python3 "$HERE/standin_entries_check.py" "$HERE/standin_entries.txt")

"${CHECK[@]}" "$TOLVA_STANDIN_DIR" "$SOURCE" >"$E2E_TMP/report" || { cat "$E2E_TMP/report" >&2; fail "the stand-in installation lacks entries the game reads"; }
pass "the stand-in installation holds every entry of the table, and the table every archive the sources read"

use_standin_data
python3 - "$TOLVA_DATA_DIR" <<'PY'
import struct, sys
folder = sys.argv[1]
# RELOAD.LBX with its last entry dropped: the count shrinks by one, so entry 26 is gone.
data = bytearray(open(folder + "/RELOAD.LBX", "rb").read())
count = struct.unpack_from("<H", data, 0)[0]
struct.pack_into("<H", data, 0, count - 1)
open(folder + "/RELOAD.LBX", "wb").write(data)
# MESSAGE.LBX entry 0 claiming 90 records.
data = bytearray(open(folder + "/MESSAGE.LBX", "rb").read())
start = struct.unpack_from("<I", data, 8)[0]
struct.pack_into("<H", data, start, 90)
open(folder + "/MESSAGE.LBX", "wb").write(data)
PY
rm "$TOLVA_DATA_DIR/EVENTMSG.LBX"
set +e
"${CHECK[@]}" "$TOLVA_DATA_DIR" >"$E2E_TMP/report"
rc=$?
set -e
[ "$rc" -eq 1 ] || fail "the check passed an installation with entries removed (exit $rc)"
expect_in_file "$E2E_TMP/report" "RELOAD.LBX has no entry 26"
expect_in_file "$E2E_TMP/report" "MESSAGE.LBX entry 0 holds 90 records of 150 bytes; 91 of 150 are read"
expect_in_file "$E2E_TMP/report" "EVENTMSG.LBX is missing"
pass "a missing archive, entry or record fails the check, each named"

mkdir -p "$E2E_TMP/src/STU/src" "$E2E_TMP/src/Kel/src/turn"
cp "$SOURCE/STU/src/STU_Manifest.cpp" "$E2E_TMP/src/STU/src/"
printf 'void F() { LBX_Load_Data_Static("MESSAGE", 1, b, 0, 1, 150); Load("WALLRISE", 3); }\n' >"$E2E_TMP/src/Kel/src/turn/New.cpp"
set +e
"${CHECK[@]}" "$TOLVA_STANDIN_DIR" "$E2E_TMP/src" >"$E2E_TMP/report"
rc=$?
set -e
[ "$rc" -eq 1 ] || fail "the check passed sources that read what the table lacks (exit $rc)"
expect_in_file "$E2E_TMP/report" "Kel/src/turn/New.cpp reads MESSAGE entry 1, which the table does not hold"
expect_in_file "$E2E_TMP/report" "Kel/src/turn/New.cpp names the archive WALLRISE, which the table does not hold"
pass "a loader reading an archive or entry the table lacks fails the check"
