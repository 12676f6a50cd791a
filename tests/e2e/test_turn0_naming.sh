#!/usr/bin/env bash
# A new game offers to name its starting city once, on turn 0; a game loaded at turn 0 (Continue
# from the menu, --continue, --load) has had that offer and keeps its capital's name.
source "$(dirname "$0")/lib.sh"
use_standin_data
SCENARIOS="$(cd "$(dirname "$0")/../scenarios" && pwd)"

capital() { python3 -c 'import sys, save_layout as SL; s = open(sys.argv[1], "rb").read(); print(s[SL.CITIES:SL.CITIES + 14].split(b"\0")[0].decode())' "$1"; }
turn() { python3 -c 'import struct, sys, save_layout as SL; print(struct.unpack_from("<h", open(sys.argv[1], "rb").read(), SL.TURN)[0])' "$1"; }

# A new game, captured: a frame shows the naming box (the stand-in name panel, colour 24, at 60,30,
# with its field, colour 30, from 74,49); the typed name is the capital's in the continue game.
rm -f "$USER_DIR/SAVE9.GAM"
mkdir -p "$CONFIG_DIR"
printf '[Video]\nstartup_window = windowed\n' > "$CONFIG_DIR/Tolva.ini"
CAP="$E2E_TMP/captures/home"
run_tolva ZOLAN --headless --capture "$CAP" --capture-fps 10 --scenario "$SCENARIOS/name_home_city.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
expect_in_file "$LOG" "Change_Home_City_Name_Popup: city 0 named \"Halvard\""
[ "$(grep -c "Change_Home_City_Name_Popup" "$LOG")" -eq 1 ] || fail "the naming box was not offered exactly once"
frames=$(sed -n 's/^frame_count=//p' "$CAP/capture_info.txt")
[ -n "$frames" ] && [ "$frames" -gt 0 ] || fail "frame_count is '$frames'"
python3 - "$CAP/video_rgb24.raw" "$frames" "$TOLVA_DATA_DIR/FONTS.LBX" <<'PY' || fail "no frame shows the naming box"
import struct, sys
raw, frames, fonts = sys.argv[1], int(sys.argv[2]), sys.argv[3]
lbx = open(fonts, "rb").read()
start = struct.unpack_from("<I", lbx, 8 + 2 * 4)[0]
palette = lbx[start:start + 768]
colour = lambda i: tuple(c * 4 for c in palette[3 * i:3 * i + 3])
marks = [((62, 32), 24), ((167, 63), 24), ((65, 55), 24), ((163, 55), 24), ((75, 50), 30), ((153, 60), 30)]
shown = 0
with open(raw, "rb") as f:
    for n in range(frames):
        frame = f.read(192000)
        pixel = lambda x, y: tuple(frame[(y * 320 + x) * 3:(y * 320 + x) * 3 + 3])
        if all(pixel(x, y) == colour(i) for (x, y), i in marks):
            shown += 1
print("%d of %d frames show the naming box" % (shown, frames))
sys.exit(0 if shown > 0 else 1)
PY
SAVED="$E2E_TMP/halvard.gam"
cp "$USER_DIR/SAVE9.GAM" "$SAVED"
[ "$(capital "$SAVED")" = Halvard ] || fail "the capital of the continue game is '$(capital "$SAVED")'"
[ "$(turn "$SAVED")" -eq 0 ] || fail "the continue game is of turn $(turn "$SAVED")"
pass "a new game offers the naming box once; the typed name is the capital's in the continue game"

# The same game loaded three ways: no naming box, and the capital keeps its name.
main='wait_screen Main_Screen 60s
wait 20f
quit'
printf '%s\n' "$main" >"$E2E_TMP/main.txt"
printf '%s\n' "wait_screen Main_Menu_Screen 10s" "wait 5f" "key c" "$main" >"$E2E_TMP/menu.txt"
for way in menu continue load turn0-fixture; do
  cp "$SAVED" "$USER_DIR/SAVE9.GAM"
  case $way in
    menu) run_tolva ZOLAN --headless --scenario "$E2E_TMP/menu.txt" ;;
    continue) run_tolva ZOLAN --headless --continue --scenario "$E2E_TMP/main.txt" ;;
    load) run_tolva ZOLAN --headless --load "$SAVED" --scenario "$E2E_TMP/main.txt" ;;
    turn0-fixture) run_tolva ZOLAN --headless --load "$TOLVA_DATA_DIR/fixtures/TWENTY_CITIES_TURN0.GAM" --scenario "$E2E_TMP/main.txt" ;;
  esac
  expect_rc 0
  expect_not_in_file "$LOG" "[FATAL"
  grep -q "screen=105\|Main_Screen" "$LOG" || fail "$way: the main screen was not reached"
  expect_not_in_file "$LOG" "Change_Home_City_Name_Popup"
  cmp -s "$SAVED" "$USER_DIR/SAVE9.GAM" || fail "$way: the continue game changed"
  pass "$way: a turn-0 game loaded shows no naming box and its capital stays Halvard"
done
