#!/usr/bin/env bash
# A headless windowed run with --capture writes raw RGB frames of what it shows: the engine's
# test page (shown by the Test screen) in the built-in palette (6-bit components times 4), and a description file.
source "$(dirname "$0")/lib.sh"
# On the real clock: recording, replay and capture keep their timing as a player's run does.
export TOLVA_SIMULATED_CLOCK=0

use_standin_data
mkdir -p "$CONFIG_DIR"
printf '[Video]\nstartup_window = windowed\n' > "$CONFIG_DIR/Tolva.ini"

CAP="$E2E_TMP/captures/run1"
run_tolva ZOLAN --headless --capture "$CAP" --capture-fps 10 --screen Test_Screen \
  --scenario "$TOLVA_SOURCE_DIR/tests/scenarios/test_page.txt"
expect_rc 0
INFO="$CAP/capture_info.txt"
RAW="$CAP/video_rgb24.raw"
[ -f "$INFO" ] || fail "no capture_info.txt"
[ -f "$RAW" ] || fail "no video_rgb24.raw"
expect_in_file "$INFO" "width=320"
expect_in_file "$INFO" "height=200"
expect_in_file "$INFO" "pixel_format=rgb24"
expect_in_file "$INFO" "fps=10"
expect_in_file "$INFO" "audio_file="
frames=$(sed -n 's/^frame_count=//p' "$INFO")
[ -n "$frames" ] && [ "$frames" -gt 0 ] || fail "frame_count is '$frames'"
size=$(stat -c %s "$RAW")
[ "$size" -eq $((frames * 192000)) ] || fail "video is $size bytes for $frames frames"
expect_in_file "$ERR" "[capture] started: dir='$CAP' fps=10"
expect_in_file "$ERR" "[capture] stopped: $frames frames at 10 fps"
expect_in_file "$LOG" "graphics: viewport -- window 1280x800, drawable 1280x800 pixels, integer, 16:10, whole-number scale 4, image at 0,0 size 1280x800"
[ "$(grep -c "graphics: viewport --" "$LOG")" -eq 1 ] || fail "the unchanged viewport was logged more than once"
pass "capture of $frames frames with its description"

# The last frame shows the test page: swatch i (20 x 12 pixels, 16 to a row) in colour i, and
# colour i is entry 2 of FONTS.LBX (palette 0) times 4.
python3 - "$RAW" "$frames" "$TOLVA_DATA_DIR/FONTS.LBX" <<'PY' || fail "the captured pixels are not the test page"
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
bad = 0
for i in range(256):
    for (dx, dy) in ((0, 0), (19, 11), (10, 6)):
        x, y = (i % 16) * 20 + dx, (i // 16) * 12 + dy
        want = tuple(c * 4 for c in palette[i * 3:i * 3 + 3])
        if pixel(x, y) != want:
            bad += 1
            if bad < 5:
                print("colour %d at %d,%d: %s, expected %s" % (i, x, y, pixel(x, y), want))
want15 = tuple(c * 4 for c in palette[45:48])
want4 = tuple(c * 4 for c in palette[12:15])
if pixel(300, 199) != want15 or pixel(0, 192) != want4:
    bad += 1
    print("bottom band", pixel(300, 199), pixel(0, 192))
sys.exit(1 if bad else 0)
PY
pass "the captured frame is the test page in palette 0"

# A two-level relative folder is created with its parent.
cd "$E2E_TMP"
run_tolva ZOLAN --headless --capture nested/deeper --capture-fps 5
expect_rc 0
[ -f "$E2E_TMP/nested/deeper/capture_info.txt" ] || fail "nested capture folder not made"
pass "a nested relative capture folder is created"

# Input metrics and the profile, both asked for by TOLVA_INPUT_METRICS=1, go to their own files.
mkdir -p "$E2E_TMP/metrics" && cd "$E2E_TMP/metrics"
TOLVA_INPUT_METRICS=1 run_tolva ZOLAN --headless
expect_rc 0
M="$E2E_TMP/metrics/tolva_input_metrics.fwv"
P="$E2E_TMP/metrics/tolva_perf.fwv"
[ -f "$M" ] || fail "no tolva_input_metrics.fwv"
[ -f "$P" ] || fail "no tolva_perf.fwv"
head -1 "$M" | grep -q "^#meta backend=SDL2 video_driver=dummy scale=4 refresh=" || fail "metrics header: $(head -1 "$M")"
grep -q "^#viewport after_idx=0 window=1280x800" "$M" || fail "no viewport line in the metrics"
rows=$(grep -c "^ *[0-9]" "$M")
[ "$rows" -gt 10 ] || fail "only $rows metrics rows"
tail -1 "$M" | grep -q "^#end rows=$rows$" || fail "metrics end line: $(tail -1 "$M")"
head -1 "$P" | grep -q "^#meta backend=SDL2 build=Release perf_instrument=" || fail "profile header"
tail -1 "$P" | grep -q "^#end drains=0 dropped=0" || fail "profile end line"
pass "input metrics ($rows rows) and the profile in separate files"
