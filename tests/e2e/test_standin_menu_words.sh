#!/usr/bin/env bash
# The stand-in main menu reads as words: a capture of the menu shows each entry's picture with its
# word drawn in the program's font (ink pixels spread along the bar, not a plain fill); the capture
# is also kept as a PNG (TOLVA_KEEP_CAPTURE=folder) for looking at. The settings screen shows its
# background picture with its title. A right click on any entry shows its help and the menu
# carries on.
source "$(dirname "$0")/lib.sh"
use_standin_data
mkdir -p "$CONFIG_DIR" "$USER_DIR"
printf '[Video]\nstartup_window = windowed\n' > "$CONFIG_DIR/Tolva.ini"
cp "$TOLVA_DATA_DIR/SAVE1.GAM" "$TOLVA_DATA_DIR/SAVE9.GAM" "$USER_DIR/"

printf '%s\n' "wait_screen Main_Menu_Screen" "move 5 5" "wait 20f" "key q" > "$E2E_TMP/scenario.txt"
CAP="$E2E_TMP/capture"
run_tolva ZOLAN --headless --capture "$CAP" --capture-fps 10 --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
frames=$(sed -n 's/^frame_count=//p' "$CAP/capture_info.txt")
[ -n "$frames" ] && [ "$frames" -gt 2 ] || fail "frame_count is '$frames'"
PNG_DIR="${TOLVA_KEEP_CAPTURE:-$E2E_TMP}"
python3 - "$CAP/video_rgb24.raw" "$((frames - 2))" "$TOLVA_DATA_DIR/FONTS.LBX" "$PNG_DIR/main_menu.png" <<'PY' || fail "the menu entries do not show words"
import struct, sys, zlib
raw, index, fonts, png = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
with open(raw, "rb") as f:
    f.seek(index * 192000)
    frame = f.read(192000)
rows = b"".join(b"\0" + frame[y * 960:(y + 1) * 960] for y in range(200))
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
with open(png, "wb") as out:
    out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 320, 200, 8, 2, 0, 0, 0))
              + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
lbx = open(fonts, "rb").read()
start = struct.unpack_from("<I", lbx, 8 + 4 * 4)[0]  # palette 2: entry 4
palette = lbx[start:start + 768]
def colour(i):
    return tuple(c * 4 for c in palette[i * 3:i * 3 + 3])
inks = {colour(15), colour(1)}
def pixel(x, y):
    o = (y * 320 + x) * 3
    return tuple(frame[o:o + 3])
bad = 0
# Continue (above Load when a game can be loaded), Load Game, New Game, Hall of Fame, Quit Game.
for name, top in (("Continue", 141), ("Load Game", 153), ("New Game", 165), ("Hall of Fame", 177), ("Quit Game", 189)):
    ink_columns = set()
    count = 0
    for y in range(top + 1, top + 9):
        for x in range(124, 196):
            if pixel(x, y) in inks:
                count += 1
                ink_columns.add(x)
    # A word: many ink pixels, spread over many columns, with gaps between letters.
    gaps = sum(1 for x in range(min(ink_columns or [0]), max(ink_columns or [0])) if x not in ink_columns)
    if count < 25 or len(ink_columns) < 15 or gaps < 3:
        bad += 1
        print("%s: %d ink pixels in %d columns, %d gaps" % (name, count, len(ink_columns), gaps))
sys.exit(1 if bad else 0)
PY
pass "the captured main menu shows its entries as words"

# The settings screen (from the load screen) draws its background picture: plain background and
# panel colours where the picture has them, and the title's ink.
printf '%s\n' "wait_screen Main_Menu_Screen" "key l" "wait 20f" "click 200 177" "wait 30f" "quit" > "$E2E_TMP/scenario.txt"
rm -rf "$CAP"
run_tolva ZOLAN --headless --capture "$CAP" --capture-fps 10 --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
frames=$(sed -n 's/^frame_count=//p' "$CAP/capture_info.txt")
python3 - "$CAP/video_rgb24.raw" "$((frames - 2))" "$TOLVA_DATA_DIR/FONTS.LBX" <<'PY' || fail "the settings screen does not show its background"
import struct, sys
raw, index, fonts = sys.argv[1], int(sys.argv[2]), sys.argv[3]
with open(raw, "rb") as f:
    f.seek(index * 192000)
    frame = f.read(192000)
lbx = open(fonts, "rb").read()
start = struct.unpack_from("<I", lbx, 8 + 3 * 4)[0]  # palette 1: entry 3
palette = lbx[start:start + 768]
def colour(i):
    return tuple(c * 4 for c in palette[i * 3:i * 3 + 3])
def pixel(x, y):
    o = (y * 320 + x) * 3
    return tuple(frame[o:o + 3])
bad = [(x, y, pixel(x, y), want) for (x, y, want) in ((5, 100, 21), (315, 5, 21), (100, 185, 27), (250, 160, 27))
       if pixel(x, y) != colour(want)]
ink = sum(1 for y in range(14, 30) for x in range(25, 90) if pixel(x, y) == colour(15))
print(bad, ink)
sys.exit(1 if bad or ink < 40 else 0)
PY
pass "the settings screen shows its background picture"

# A right click on each entry shows its help; a key closes it and the menu goes on.
printf '%s\n' "wait_screen Main_Menu_Screen" \
  "rclick 150 145" "wait 5f" "key x" "wait 5f" "rclick 150 155" "wait 5f" "key x" "wait 5f" \
  "rclick 150 167" "wait 5f" "key x" "wait 5f" "rclick 150 179" "wait 5f" "key x" "wait 5f" \
  "rclick 150 191" "wait 5f" "key x" "wait 5f" "key q" > "$E2E_TMP/scenario.txt"
run_tolva ZOLAN --headless --scenario "$E2E_TMP/scenario.txt"
expect_rc 0
expect_not_in_file "$ERR" "incorrect record size"
for record in 628 629 630 798 631; do expect_in_file "$LOG" "Help pop-up: record $record,"; done
expect_in_file "$LOG" "Main_Menu_Screen: entry 3 chosen, next screen 13"
pass "a right click on each main-menu entry shows its help"
