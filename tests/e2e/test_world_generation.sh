#!/usr/bin/env bash
# tolva_worldgen: one seed gives one world, the log holds the generator's lines, every kind of
# world passes the checks read from its saved image, and a generated world loads in the game.
source "$(dirname "$0")/lib.sh"

use_standin_data
WORLDGEN="${TOLVA_BUILD_DIR:?TOLVA_BUILD_DIR must name the build folder}/tolva_worldgen"
CHECK="$(dirname "$0")/worldgen_check.py"
[ -x "$WORLDGEN" ] || fail "no tolva_worldgen at $WORLDGEN"

# gen SEED LANDSIZE MAGIC DIFFICULTY OPPONENTS WIZARD OUT: generates one world; its log is kept
# beside it as OUT.log.
gen() {
  set +e
  timeout 120 "$WORLDGEN" --seed "$1" --landsize "$2" --magic "$3" --difficulty "$4" --opponents "$5" \
    --wizard "$6" --race 5 --banner 2 --out "$7" >"$E2E_TMP/gen.out" 2>"$E2E_TMP/gen.err"
  local rc=$?
  set -e
  [ "$rc" -eq 0 ] || { cat "$E2E_TMP/gen.err" >&2; fail "tolva_worldgen exited $rc for seed $1"; }
  [ "$(stat -c %s "$7")" -eq 123300 ] || fail "$7 is not a 123,300-byte saved game"
  [ ! -e "$7.tmp" ] || fail "the temporary file of $7 was left behind"
  cp "$LOG" "$7.log"
}

check() {  # check OUT LANDSIZE MAGIC DIFFICULTY OPPONENTS
  python3 "$CHECK" "$1" "$1.log" "$TOLVA_DATA_DIR" "$2" "$3" "$4" "$5" >"$E2E_TMP/check.out" ||
    { cat "$E2E_TMP/check.out" >&2; fail "the world of $1 breaks the generator's rules"; }
}

# Done means 2: the same arguments give the same file, another seed another.
gen 1001 1 1 2 3 4 "$E2E_TMP/a.gam"
gen 1001 1 1 2 3 4 "$E2E_TMP/b.gam"
gen 1002 1 1 2 3 4 "$E2E_TMP/c.gam"
cmp -s "$E2E_TMP/a.gam" "$E2E_TMP/b.gam" || fail "one seed gave two worlds"
! cmp -s "$E2E_TMP/a.gam" "$E2E_TMP/c.gam" || fail "two seeds gave one world"
[ "$(grep -cF '[connectivity_grids] event=calc  (after Build_Connectivity_Graphs for both planes)' "$E2E_TMP/a.gam.log")" -eq 1 ] ||
  fail "the grids line is not logged exactly once"
for i in $(seq 0 101); do
  n=$(grep -cF "[LAIR_VAL] lair=$i step=init_guard1 " "$E2E_TMP/a.gam.log" || true)
  if [ "$i" -le 5 ] || { [ "$i" -ge 12 ] && [ "$i" -le 98 ]; }; then want=1; else want=0; fi
  [ "$n" -eq "$want" ] || fail "lair $i has $n init_guard1 lines, expected $want"
done
if ! grep -qF "Generate_Home_Cities__STUB" "$E2E_TMP/a.gam.log"; then
  [ "$(grep -cF 'Done_Done:' "$E2E_TMP/a.gam.log")" -eq 1 ] || fail "\"Done_Done:\" is not logged exactly once"
fi
pass "one seed, one world; the log has the grids line and one init_guard1 line for lairs 0..5 and 12..98"

# Done means 3: every land size, both magic extremes, several difficulties, one to four opponents
# (Sss'ra, preset 7, puts a Myrran wizard on Dudaze).
while read -r seed land magic difficulty opponents wizard; do
  out="$E2E_TMP/w$seed.gam"
  gen "$seed" "$land" "$magic" "$difficulty" "$opponents" "$wizard" "$out"
  check "$out" "$land" "$magic" "$difficulty" "$opponents"
done <<'WORLDS'
11 0 0 0 1 0
12 0 2 1 4 7
13 1 0 4 2 11
14 1 2 3 3 4
15 2 0 2 4 9
16 2 2 4 1 7
WORLDS
pass "worlds of every size, magic, several difficulties and 1 to 4 opponents keep the generator's rules"

# Done means 4: a generated world plays.
# A generated world loaded at turn 0 opens on the main screen (a loaded game has had its naming box).
printf '%s\n' "wait_screen Main_Screen 10s" "wait 20f" "quit" >"$E2E_TMP/main.txt"
TOLVA_POOL_GUARDS=1 run_tolva ZOLAN --headless --load "$E2E_TMP/a.gam" --scenario "$E2E_TMP/main.txt"
expect_rc 0
expect_in_file "$LOG" "[connectivity_grids] event=load"
expect_not_in_file "$LOG" "[INTEGRITY]"
pass "a generated world loads under the pool guards with no integrity report"

# Bad arguments are refused before anything is written.
set +e
"$WORLDGEN" --seed 1 --landsize 3 --magic 1 --difficulty 2 --opponents 3 --wizard 4 --race 5 --banner 2 \
  --out "$E2E_TMP/bad.gam" >/dev/null 2>"$E2E_TMP/bad.err"
rc=$?
set -e
[ "$rc" -ne 0 ] || fail "a land size of 3 was taken"
[ ! -e "$E2E_TMP/bad.gam" ] || fail "a refused run wrote a file"
pass "an out-of-range argument is refused"
