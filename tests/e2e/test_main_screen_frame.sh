#!/usr/bin/env bash
# A windowed headless run continues the stand-in game with --capture: the last frame shows the main
# screen with the reduced map's window brackets in palette 0 colour 13 (corners at columns 273 and
# 286, rows 30 and 41, each with two arms of three pixels) and a map window of more than four
# colours.
source "$(dirname "$0")/lib.sh"

use_standin_data
mkdir -p "$CONFIG_DIR"
printf '[Video]\nstartup_window = windowed\n' > "$CONFIG_DIR/Tolva.ini"
printf '%s\n' "wait_screen Main_Screen" "wait 20f" "quit" > "$E2E_TMP/scenario.txt"

CAP="$E2E_TMP/captures/main"
run_tolva ZOLAN --headless --continue --capture "$CAP" --capture-fps 10 --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
expect_in_file "$LOG" "[screen=105 MainScreen"
INFO="$CAP/capture_info.txt"
RAW="$CAP/video_rgb24.raw"
frames=$(sed -n 's/^frame_count=//p' "$INFO")
[ -n "$frames" ] && [ "$frames" -gt 0 ] || fail "frame_count is '$frames'"

python3 - "$RAW" "$frames" "$TOLVA_DATA_DIR/FONTS.LBX" <<'PY' || fail "the last frame is not the main screen with its brackets and map"
import struct, sys
raw, frames, fonts = sys.argv[1], int(sys.argv[2]), sys.argv[3]
lbx = open(fonts, "rb").read()
start, end = struct.unpack_from("<II", lbx, 8 + 2 * 4)
palette = lbx[start:start + 768]
with open(raw, "rb") as f:
    f.seek((frames - 1) * 192000)
    frame = f.read(192000)
def pixel(x, y):
    o = (y * 320 + x) * 3
    return tuple(frame[o:o + 3])
want = tuple(c * 4 for c in palette[13 * 3:13 * 3 + 3])
bracket = []
for (cx, cy, dx, dy) in ((273, 30, 1, 1), (286, 30, -1, 1), (273, 41, 1, -1), (286, 41, -1, -1)):
    bracket += [(cx, cy), (cx + dx, cy), (cx + 2 * dx, cy), (cx, cy + dy), (cx, cy + 2 * dy)]
bad = [(x, y, pixel(x, y)) for (x, y) in bracket if pixel(x, y) != want]
colours = {pixel(x, y) for x in range(0, 240) for y in range(20, 200)}
if bad:
    print("bracket pixels not colour 13 %s: %s" % (want, bad[:6]))
if len(colours) <= 4:
    print("the map window shows %d colours" % len(colours))
sys.exit(1 if bad or len(colours) <= 4 else 0)
PY
pass "the last main-screen frame shows the reduced map's brackets and a map of $frames frames"
