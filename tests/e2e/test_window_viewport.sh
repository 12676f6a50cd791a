#!/usr/bin/env bash
# In a real X window (Xvfb), every scale mode at both aspects shows the test page (the Test
# screen's P) where the
# viewport arithmetic puts it, and the log carries the viewport line.
source "$(dirname "$0")/lib.sh"

if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v import >/dev/null 2>&1 || ! command -v python3 >/dev/null 2>&1; then
  skip_or_fail "xvfb-run, ImageMagick import or python3 missing"
fi
export ASAN_OPTIONS=detect_leaks=0
use_standin_data
mkdir -p "$CONFIG_DIR"

# One run: windowed at the given mode and aspect; screenshot of the whole screen once the
# viewport line is in the log; the program is then stopped by its process id.
shoot() {
  local mode=$1 aspect=$2 shot=$3
  printf '[Video]\nstartup_window = windowed\nscale_mode = %s\naspect_ratio = %s\n' "$mode" "$aspect" > "$CONFIG_DIR/Tolva.ini"
  rm -f "$LOG"
  xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
    "$1" ZOLAN --screen Test_Screen --scenario "$4" >/dev/null 2>&1 & pid=$!
    for i in $(seq 1 100); do grep -q "graphics: viewport" "$2" 2>/dev/null && break; sleep 0.1; done
    sleep 1.5
    import -window root "$3"
    xwininfo -root -tree > "$3.tree"
    kill "$pid"; wait "$pid" 2>/dev/null || true' _ "$TOLVA_BIN" "$LOG" "$shot" \
    "$TOLVA_SOURCE_DIR/tests/scenarios/test_page_hold.txt"
}

check() {
  local mode=$1 aspect=$2
  local shot="$E2E_TMP/shot-$mode-${aspect/:/x}.png"
  shoot "$mode" "$aspect" "$shot"
  [ -f "$shot" ] || fail "no screenshot for $mode $aspect"
  local line
  line=$(grep "graphics: viewport -- window" "$LOG" | tail -1)
  [ -n "$line" ] || fail "no viewport line for $mode $aspect"
  echo "$line" | grep -qF ", $mode, $aspect, whole-number scale" || fail "viewport line names other settings: $line"
  python3 - "$shot" "$line" "$TOLVA_DATA_DIR/FONTS.LBX" "$shot.tree" <<'PY' || fail "picture misplaced for $mode $aspect"
import re, struct, subprocess, sys
shot, line, fonts, tree = sys.argv[1:5]
m = re.search(r"window (\d+)x(\d+), drawable (\d+)x(\d+) pixels, .* image at (-?\d+),(-?\d+) size (\d+)x(\d+)", line)
ww, wh, dw, dh, ix, iy, iw, ih = map(int, m.groups())
# The window's place on the screen, from the window tree (the one titled like the game).
origin = None
for t in open(tree):
    if "Velmora" in t:
        g = re.search(r"(\d+)x(\d+)\+(-?\d+)\+(-?\d+)\s+\+(-?\d+)\+(-?\d+)", t)
        if g and int(g.group(1)) == ww and int(g.group(2)) == wh:
            origin = (int(g.group(5)), int(g.group(6)))
if origin is None:
    print("game window not found in the tree"); sys.exit(1)
ppm = subprocess.run(["convert", shot, "ppm:-"], capture_output=True, check=True).stdout
parts = ppm.split(b"\n", 3)
sw, sh = map(int, parts[1].split())
pix = parts[3]
def at(x, y):
    o = (y * sw + x) * 3
    return tuple(pix[o:o + 3])
lbx = open(fonts, "rb").read()
start = struct.unpack_from("<I", lbx, 8 + 8)[0]
pal = lbx[start:start + 768]
def colour(i):
    return tuple(c * 4 for c in pal[i * 3:i * 3 + 3])
bad = 0
for i in list(range(0, 256, 17)) + [15, 240, 255]:
    gx, gy = (i % 16) * 20 + 10, (i // 16) * 12 + 6
    x = origin[0] + ix + (2 * gx + 1) * iw // 640
    y = origin[1] + iy + (2 * gy + 1) * ih // 400
    if at(x, y) != colour(i):
        bad += 1
        print("swatch %d at %d,%d is %s, expected %s" % (i, x, y, at(x, y), colour(i)))
# The picture's corners: bottom band colour 15 ends at the last image pixel; beyond is black.
rx, by = origin[0] + ix + iw - 1, origin[1] + iy + ih - 1
if at(rx, by) != colour(15):
    bad += 1; print("bottom-right corner", at(rx, by))
if ix > 0 and at(origin[0] + ix - 1, by) != (0, 0, 0):
    bad += 1; print("left bar not black", at(origin[0] + ix - 1, by))
if iy > 0 and at(rx, origin[1] + iy - 1) != (0, 0, 0):
    bad += 1; print("top bar not black")
sys.exit(1 if bad else 0)
PY
  pass "$mode $aspect: $line"
}

for mode in integer fit_nearest fit_sharp_bilinear; do
  for aspect in 16:10 4:3; do
    check "$mode" "$aspect"
  done
done

# A sharp-bilinear set-up forced to fail falls back to nearest-neighbour at the same layout,
# saying so once.
export TOLVA_SHARP_BILINEAR_FAIL=1
check fit_sharp_bilinear 4:3
n=$(grep -c "graphics: fit_sharp_bilinear unavailable (forced by TOLVA_SHARP_BILINEAR_FAIL=1) -- using fit_nearest" "$LOG" || true)
[ "$n" -eq 1 ] || fail "the fallback was logged $n times"
pass "forced sharp-bilinear failure falls back once"
