#!/usr/bin/env bash
# Damaged pictures in the archives the main menu shows: a run never ends in a signal. Either it
# exits 1 naming the archive on standard error, or the damage left a sound picture and the menu
# runs. TOLVA_DAMAGE_RUNS sets the random damages per MAINSCRN.LBX entry (default 2; VORTEX.LBX
# entries get half as many), TOLVA_DAMAGE_JOBS the runs at once (default 2).
source "$(dirname "$0")/lib.sh"
use_standin_data

RUNS="${TOLVA_DAMAGE_RUNS:-2}"
JOBS="${TOLVA_DAMAGE_JOBS:-2}"
PRISTINE="$E2E_TMP/pristine"
mkdir -p "$PRISTINE"
cp "$TOLVA_DATA_DIR/MAINSCRN.LBX" "$TOLVA_DATA_DIR/VORTEX.LBX" "$PRISTINE/"
printf '%s\n' "wait_screen Main_Menu_Screen" "wait 2f" "quit" > "$E2E_TMP/menu.txt"

# damage <archive> <entry> <seed|offsets> <output>: writes the archive with one entry damaged.
cat > "$E2E_TMP/damage.py" <<'PY'
import random, struct, sys
src, entry, how, out = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
b = bytearray(open(src, 'rb').read())
start, end = struct.unpack_from('<II', b, 8 + 4 * entry)
if how == 'offsets':
    struct.pack_into('<II', b, start + 18, 0x80000000, 0x80000100)
else:
    r = random.Random(int(how))
    size = end - start
    kind = r.randrange(4)
    if kind == 0:    # a few random bytes anywhere in the entry
        for _ in range(r.randint(1, 8)):
            b[start + r.randrange(size)] = r.randrange(256)
    elif kind == 1:  # a header or offset-table word
        at = start + r.randrange(min(size, 64) - 1)
        struct.pack_into('<H', b, at, r.choice([0, 1, 0x7FFF, 0x8000, 0xFFFF, r.randrange(65536)]))
    elif kind == 2:  # a frame offset
        count = struct.unpack_from('<H', b, start + 6)[0]
        at = start + 18 + 4 * r.randrange(max(1, min(count + 1, (size - 22) // 4)))
        struct.pack_into('<I', b, at, r.choice([0, size, size + 1, 0xFFFFFFFF, r.randrange(1 << 32)]))
    else:            # a run of random bytes
        at = r.randrange(size)
        for k in range(at, min(size, at + r.randint(1, 64))):
            b[start + k] = r.randrange(256)
open(out, 'wb').write(b)
PY

# One run in a folder of its own: its data (links to the stand-in but for the damaged archive),
# user and log folders. Prints a line for a run that ended badly.
cat > "$E2E_TMP/run_one.sh" <<'SH'
set -u
archive=$1 entry=$2 how=$3
dir="$E2E_TMP/runs/$archive-$entry-$how"
mkdir -p "$dir/data" "$dir/home" "$dir/program"
for f in "$TOLVA_DATA_DIR"/*; do ln -s "$f" "$dir/data/"; done
rm -f "$dir/data/$archive"
python3 "$E2E_TMP/damage.py" "$E2E_TMP/pristine/$archive" "$entry" "$how" "$dir/data/$archive"
HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/user" XDG_STATE_HOME="$dir/state" \
  XDG_CACHE_HOME="$dir/cache" TOLVA_PROGRAM_DIR="$dir/program" TOLVA_DATA_DIR="$dir/data" \
  timeout 60 "$TOLVA_BIN" ZOLAN --headless --scenario "$E2E_TMP/menu.txt" >"$dir/out" 2>"$dir/err"
rc=$?
base=${archive%.LBX}
if [ "$rc" -eq 1 ] && grep -q "^$base\.LBX \[entry $entry\]" "$dir/err"; then
  echo "refused" >"$dir/result"
elif [ "$rc" -eq 0 ]; then
  echo "ran" >"$dir/result"
else
  echo "BAD $archive entry $entry damage $how: exit $rc: $(head -c 300 "$dir/err")"
  exit 0
fi
rm -rf "$dir"
SH
export E2E_TMP TOLVA_DATA_DIR TOLVA_BIN

# The damage of the report: both frame offsets far outside the entry.
for archive_entry in "MAINSCRN.LBX 0" "VORTEX.LBX 1"; do
  set -- $archive_entry
  bad=$(bash "$E2E_TMP/run_one.sh" "$1" "$2" offsets)
  [ -z "$bad" ] || fail "$bad"
  [ ! -d "$E2E_TMP/runs/$1-$2-offsets" ] || fail "$1 entry $2 with wild frame offsets was not refused"
done
pass "wild frame offsets in MAINSCRN.LBX and VORTEX.LBX end with the archive error"

count_entries() { python3 -c "import struct,sys; print(struct.unpack_from('<H', open(sys.argv[1],'rb').read())[0])" "$1"; }
{
  for ((e = 0; e < $(count_entries "$PRISTINE/MAINSCRN.LBX"); e++)); do
    for ((s = 1; s <= RUNS; s++)); do echo "MAINSCRN.LBX $e $((e * 100000 + s))"; done
  done
  for ((e = 0; e < $(count_entries "$PRISTINE/VORTEX.LBX"); e++)); do
    for ((s = 1; s <= (RUNS + 1) / 2; s++)); do echo "VORTEX.LBX $e $((e * 100000 + s))"; done
  done
} > "$E2E_TMP/plan"
xargs -P "$JOBS" -L 1 bash "$E2E_TMP/run_one.sh" < "$E2E_TMP/plan" > "$E2E_TMP/bad"
if [ -s "$E2E_TMP/bad" ]; then
  head -n 20 "$E2E_TMP/bad" >&2
  fail "$(wc -l < "$E2E_TMP/bad") damaged run(s) ended badly"
fi
pass "$(wc -l < "$E2E_TMP/plan") random damages of MAINSCRN.LBX and VORTEX.LBX end cleanly"
