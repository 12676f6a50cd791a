#!/usr/bin/env bash
# Started as run.sh starts it, in a real X window (Xvfb), the game shows the main menu: the
# captured frame is not blank and shows the stand-in title's colours in palette 2.
source "$(dirname "$0")/lib.sh"

if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v import >/dev/null 2>&1 || ! command -v python3 >/dev/null 2>&1; then
  skip_or_fail "xvfb-run, ImageMagick import or python3 missing"
fi
export ASAN_OPTIONS=detect_leaks=0
use_standin_data
mkdir -p "$CONFIG_DIR"
printf '[Video]\nstartup_window = windowed\nscale_mode = integer\naspect_ratio = 16:10\n' > "$CONFIG_DIR/Tolva.ini"

SHOT="$E2E_TMP/menu.png"
xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
  "$1" ZOLAN >/dev/null 2>&1 & pid=$!
  for i in $(seq 1 100); do grep -q "graphics: viewport" "$2" 2>/dev/null && break; sleep 0.1; done
  sleep 2
  import -window root "$3"
  xwininfo -root -tree > "$3.tree"
  kill "$pid"; wait "$pid" 2>/dev/null || true' _ "$TOLVA_BIN" "$LOG" "$SHOT"
[ -f "$SHOT" ] || fail "no screenshot"
line=$(grep "graphics: viewport -- window" "$LOG" | tail -1)
[ -n "$line" ] || fail "no viewport line"

python3 - "$SHOT" "$line" "$TOLVA_DATA_DIR/FONTS.LBX" "$SHOT.tree" <<'PY' || fail "the window does not show the main menu"
import re, struct, subprocess, sys
shot, line, fonts, tree = sys.argv[1:5]
m = re.search(r"window (\d+)x(\d+), drawable (\d+)x(\d+) pixels, .* image at (-?\d+),(-?\d+) size (\d+)x(\d+)", line)
ww, wh, dw, dh, ix, iy, iw, ih = map(int, m.groups())
origin = None
for t in open(tree):
    if "Velmora" in t:
        g = re.search(r"(\d+)x(\d+)\+(-?\d+)\+(-?\d+)\s+\+(-?\d+)\+(-?\d+)", t)
        if g and int(g.group(1)) == ww and int(g.group(2)) == wh:
            origin = (int(g.group(5)), int(g.group(6)))
if origin is None:
    print("game window not found"); sys.exit(1)
ppm = subprocess.run(["convert", shot, "ppm:-"], capture_output=True, check=True).stdout
parts = ppm.split(b"\n", 3)
sw, sh = map(int, parts[1].split())
pix = parts[3]
def at(gx, gy):
    x = origin[0] + ix + (2 * gx + 1) * iw // 640
    y = origin[1] + iy + (2 * gy + 1) * ih // 400
    o = (y * sw + x) * 3
    return tuple(pix[o:o + 3])
lbx = open(fonts, "rb").read()
start = struct.unpack_from("<I", lbx, 8 + 4 * 4)[0]   # entry 4: palette 2
pal = lbx[start:start + 768]
def colour(i):
    return tuple(c * 4 for c in pal[i * 3:i * 3 + 3])
# Title background 17, title band 58, bottom panel 22 with the credits box 1 (left of the credits).
checks = [((300, 5), 17), ((5, 35), 58), ((30, 100), 22), ((82, 90), 1)]
bad = 0
for (gx, gy), i in checks:
    if at(gx, gy) != colour(i):
        bad += 1
        print("game pixel %d,%d is %s, expected colour %d %s" % (gx, gy, at(gx, gy), i, colour(i)))
seen = {at(x, y) for x in range(0, 320, 8) for y in range(0, 200, 8)}
if len(seen) < 4:
    bad += 1
    print("only %d colours on the screen" % len(seen))
sys.exit(1 if bad else 0)
PY
pass "the window shows the main menu over the stand-in title"
