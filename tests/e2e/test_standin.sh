#!/usr/bin/env bash
# The stand-in installation generator is deterministic and writes the archive container exactly.
source "$(dirname "$0")/lib.sh"

GEN="${TOLVA_BUILD_DIR:?}/tools/standin/tolva_standin"
[ -x "$GEN" ] || fail "no generator at $GEN"

"$GEN" "$E2E_TMP/one" || fail "first run failed"
"$GEN" "$E2E_TMP/two" || fail "second run failed"
diff -r "$E2E_TMP/one" "$E2E_TMP/two" >/dev/null || fail "two runs differ"
pass "two runs give identical trees"

for f in FONTS.LBX MAINSCRN.LBX WIZARDS.LBX SPELLDAT.LBX BUILDDAT.LBX TERRSTAT.LBX CONFIG.KEL; do
  [ -f "$E2E_TMP/one/$f" ] || fail "missing $f"
done
[ -z "$(ls -A "$E2E_TMP/one" | grep -v -E '^([A-Z0-9]+\.(LBX|KEL|SET|GAM)|fixtures)$' || true)" ] || fail "unexpected files: $(ls -A "$E2E_TMP/one")"
# Saved games for the end-to-end tests lie apart, where the game never looks.
[ -z "$(ls -A "$E2E_TMP/one/fixtures" | grep -v -E '^[A-Z0-9_]+\.GAM$' || true)" ] || fail "unexpected fixtures: $(ls -A "$E2E_TMP/one/fixtures")"
pass "the indispensable archives, rule tables and CONFIG.KEL are there, and no staging leftovers"

hex() { od -An -tx1 -v -j "$2" -N "$3" "$1" | tr -d ' \n'; }
# entry count 1, signature AD FE
[ "$(hex "$E2E_TMP/one/SPELLDAT.LBX" 0 4)" = "0100adfe" ] || fail "SPELLDAT.LBX header: $(hex "$E2E_TMP/one/SPELLDAT.LBX" 0 4)"
first=$(od -An -tu4 -j 8 -N 4 "$E2E_TMP/one/SPELLDAT.LBX" | tr -d ' ')
# entry 0: 215 records (d7 00) of 36 bytes (24 00)
[ "$(hex "$E2E_TMP/one/SPELLDAT.LBX" "$first" 4)" = "d7002400" ] || fail "SPELLDAT entry 0 record table"
pass "SPELLDAT.LBX begins with its count and AD FE; entry 0 is 215 x 36"

[ "$(stat -c %s "$E2E_TMP/one/CONFIG.KEL")" -ge 18 ] || fail "CONFIG.KEL shorter than 18 bytes"

# A generator that cannot write its folder fails loudly.
set +e
"$GEN" /proc/no-such-place 2>"$E2E_TMP/gen_err"
rc=$?
set -e
[ "$rc" -ne 0 ] || fail "generator succeeded on an unwritable folder"
pass "unwritable folder is an error"
