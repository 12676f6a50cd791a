#!/usr/bin/env bash
# Settling and naming on the twenty-city fixture games. B on the human's settlers founds an outpost
# and shows it as new; after Esc the naming box takes a typed name; a right click on the computer
# wizard's city opens its view, which a click outside its fields leaves. At turn 0 the main screen
# shows the home city's naming box, which renames the first city. The continue games written by the
# load screen's Quit hold the outcomes.
source "$(dirname "$0")/lib.sh"
use_standin_data

SCENARIOS="$(cd "$(dirname "$0")/../scenarios" && pwd)"
FIXTURE="$TOLVA_DATA_DIR/fixtures/TWENTY_CITIES.GAM"
FIXTURE0="$TOLVA_DATA_DIR/fixtures/TWENTY_CITIES_TURN0.GAM"
[ -f "$FIXTURE" ] || fail "no fixture game at $FIXTURE"
[ -f "$FIXTURE0" ] || fail "no fixture game at $FIXTURE0"
mkdir -p "$USER_DIR"

# The lines of the log from the first holding $1 to the first after it holding $2.
log_between() { awk -v a="$1" -v b="$2" 'index($0, a) { on = 1 } on { print } on && index($0, b) { exit }' "$LOG"; }

# The new outpost takes the record after the fixture's last city; Veyrholt is the computer's.
read -r outpost veyrholt < <(python3 - "$FIXTURE" <<'PY'
import struct, sys
import save_layout
save = open(sys.argv[1], "rb").read()
count = struct.unpack_from("<h", save, save_layout.CITY_COUNT)[0]
names = [save[save_layout.city(i):save_layout.city(i) + 14].split(b"\0")[0] for i in range(count)]
print(count, names.index(b"Veyrholt"))
PY
) || fail "the fixture holds no city called Veyrholt"

cp "$FIXTURE" "$USER_DIR/SAVE9.GAM"
run_tolva ZOLAN --headless --continue --scenario "$SCENARIOS/settle_outpost.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
expect_only_standin_compat_error "$LOG"
expect_in_file "$LOG" "Outpost_Screen: city $outpost, new, 0 units"
expect_in_file "$LOG" "Change_City_Name_Popup: city $outpost named \"Stonewick\""
view=$(log_between "Enemy_City_Screen: city $veyrholt," "Enemy_City_Screen: left city $veyrholt")
[ -n "$view" ] || fail "the right click on Veyrholt did not open its view"
grep -qF "click (20, 100)" <<<"$view" || fail "the click at 20,100 did not reach the city's view"
grep -qF "rect=(0,0)-(319,199)" <<<"$view" || fail "the click at 20,100 did not hit the view's whole-screen field"
grep -qF "Enemy_City_Screen: left city $veyrholt" <<<"$view" || fail "the click did not leave the city's view"
pass "B founded outpost $outpost shown as new and named by typing; Veyrholt's view opened and a click left it"

# City record: name 0-13, x 15, y 16, plane 17, owner 18, size 19, houses 24-25; unit record: x 0,
# y 1, plane 2, owner 3, type 5 (settlers 42).
python3 - "$FIXTURE" "$USER_DIR/SAVE9.GAM" <<'PY' || fail "the continue game does not hold the new outpost"
import struct, sys
import save_layout
CITIES, CITY, UNITS, UNIT, SETTLERS = save_layout.CITIES, save_layout.CITY_SIZE, save_layout.UNITS, save_layout.UNIT_SIZE, 42
def cities(save):
    return [save[CITIES + CITY * i:CITIES + CITY * (i + 1)] for i in range(struct.unpack_from("<h", save, save_layout.CITY_COUNT)[0])]
def settlers_at(save, x, y):
    units = [save[UNITS + UNIT * i:UNITS + UNIT * (i + 1)] for i in range(struct.unpack_from("<h", save, save_layout.UNIT_COUNT)[0])]
    return [u for u in units if u[5] == SETTLERS and u[3] == 0 and (u[0], u[1], u[2]) == (x, y, 0)]
before, after = open(sys.argv[1], "rb").read(), open(sys.argv[2], "rb").read()
assert len(settlers_at(before, 16, 13)) == 1, "the fixture's settlers are not at 16,13"
assert len(cities(after)) == len(cities(before)) + 1, "%d cities after %d" % (len(cities(after)), len(cities(before)))
here = [c for c in cities(after) if (c[15], c[16], c[17]) == (16, 13, 0)]
assert len(here) == 1, "%d cities at 16,13" % len(here)
c = here[0]
name = c[:14].split(b"\0")[0].decode("ascii", "replace")
houses = struct.unpack_from("<h", c, 24)[0]
assert (name, c[18], c[19], houses) == ("Stonewick", 0, 0, 3), "the city at 16,13: %r owner %d size %d houses %d" % (
    name, c[18], c[19], houses)
assert 0 in c[:14], "the name is not terminated within its field"
assert not settlers_at(after, 16, 13), "the settlers are still at 16,13"
PY
pass "the continue game holds Stonewick at 16,13: the human's, size 0, 3 houses, and no settlers"

# At turn 0, captured: a frame shows the naming box (the stand-in name panel, colour 24, at 60,30,
# with its field, colour 30, from 74,49) over the main screen (the reduced map's bracket at 273,30
# in colour 13).
rm -rf "$LOG_DIR"
cp "$FIXTURE0" "$USER_DIR/SAVE9.GAM"
mkdir -p "$CONFIG_DIR"
printf '[Video]\nstartup_window = windowed\n' > "$CONFIG_DIR/Tolva.ini"
CAP="$E2E_TMP/captures/home"
run_tolva ZOLAN --headless --continue --capture "$CAP" --capture-fps 10 --scenario "$SCENARIOS/name_home_city.txt"
expect_rc 0
expect_not_in_file "$LOG" "[FATAL"
expect_in_file "$LOG" "Change_Home_City_Name_Popup: city 0 named \"Halvard\""
frames=$(sed -n 's/^frame_count=//p' "$CAP/capture_info.txt")
[ -n "$frames" ] && [ "$frames" -gt 0 ] || fail "frame_count is '$frames'"
python3 - "$CAP/video_rgb24.raw" "$frames" "$TOLVA_DATA_DIR/FONTS.LBX" <<'PY' || fail "no frame shows the naming box on the main screen"
import struct, sys
raw, frames, fonts = sys.argv[1], int(sys.argv[2]), sys.argv[3]
lbx = open(fonts, "rb").read()
start = struct.unpack_from("<I", lbx, 8 + 2 * 4)[0]
palette = lbx[start:start + 768]
colour = lambda i: tuple(c * 4 for c in palette[3 * i:3 * i + 3])
marks = [((62, 32), 24), ((167, 63), 24), ((65, 55), 24), ((163, 55), 24), ((75, 50), 30), ((153, 60), 30),
         ((273, 30), 13), ((274, 30), 13), ((273, 31), 13)]
shown = 0
with open(raw, "rb") as f:
    for n in range(frames):
        frame = f.read(192000)
        pixel = lambda x, y: tuple(frame[(y * 320 + x) * 3:(y * 320 + x) * 3 + 3])
        if all(pixel(x, y) == colour(i) for (x, y), i in marks):
            shown += 1
print("%d of %d frames show the naming box on the main screen" % (shown, frames))
sys.exit(0 if shown > 0 else 1)
PY
python3 - "$FIXTURE0" "$USER_DIR/SAVE9.GAM" <<'PY' || fail "the continue game does not hold the home city's new name"
import struct, sys
import save_layout
CITIES, CITY = save_layout.CITIES, save_layout.CITY_SIZE
before, after = open(sys.argv[1], "rb").read(), open(sys.argv[2], "rb").read()
name = lambda save: save[CITIES:CITIES + 14].split(b"\0")[0].decode("ascii", "replace")
assert name(before) != "Halvard", "the fixture's first city is already Halvard"
assert name(after) == "Halvard", "the first city is called %r" % name(after)
assert 0 in after[CITIES:CITIES + 14], "the name is not terminated within its field"
assert after[CITIES + 18] == 0, "the first city is not the human's"
PY
pass "the turn-0 main screen showed the home city's naming box; the typed name is city 0's in the continue game"
