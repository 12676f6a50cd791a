#!/usr/bin/env bash
# A stack that moves onto a site enters it. The stand-in SAVE9.GAM gets one human stack ready to
# move east onto a free square of its landmass, where a monster lair holds 300 gold, 50 mana and
# an item of value 300; every other human unit is finished. Unguarded, the stack takes the site:
# the site is looted, the gold and mana are paid and the item waits in vault place 0, and the log
# names what was found; the scenario closes the boxes and puts the item into the vault. Guarded
# by three units, the entry is declined with Esc: the site stays intact with its shown flag, the
# gold is unchanged and the stack stays where it was.
source "$(dirname "$0")/lib.sh"
use_standin_data
SCENARIOS="$(cd "$(dirname "$0")/../scenarios" && pwd)"
mkdir -p "$USER_DIR"

# make_fixture GUARDS: writes the continue game and prints "LAIR X Y P" of the site and the stack.
make_fixture() {
  python3 - "$TOLVA_DATA_DIR/SAVE9.GAM" "$USER_DIR/SAVE9.GAM" "$1" <<'PY'
import struct, sys
import save_layout as L
save = bytearray(open(sys.argv[1], "rb").read())
guards = int(sys.argv[3])
def i16(at): return struct.unpack_from("<h", save, at)[0]
units = i16(L.UNIT_COUNT)
def unit(i): return L.unit(i)
occupied = set()
for i in range(units):
    b = unit(i)
    if struct.unpack_from("<b", save, b + 3)[0] in range(6):
        occupied.add((save[b], save[b + 1], save[b + 2]))
for c in range(i16(L.CITY_COUNT)):
    b = L.city(c)
    occupied.add((save[b + 15], save[b + 16], save[b + 17]))
for k in range(102):
    b = L.LAIRS + L.LAIR_SIZE * k
    if save[b + 3] == 1:
        occupied.add((save[b], save[b + 1], save[b + 2]))
for k in range(30):
    b = L.NODES + L.NODE_SIZE * k
    occupied.add((save[b], save[b + 1], save[b + 2]))
for k in range(6):
    b = L.TOWERS + 4 * k
    occupied.add((save[b], save[b + 1], 0))
    occupied.add((save[b], save[b + 1], 1))
def landmass(x, y, p): return save[L.LANDMASSES + p * L.PLANE_SQUARES + y * 60 + x]
stack = None
for i in range(units):
    b = unit(i)
    if save[b + 3] != 0:
        continue
    x, y, p = save[b], save[b + 1], save[b + 2]
    if x + 1 >= 60 or landmass(x, y, p) == 0 or landmass(x + 1, y, p) != landmass(x, y, p):
        continue
    if (x + 1, y, p) in occupied:
        continue
    stack = (x, y, p)
    break
assert stack, "no human stack with a free square east of it"
x, y, p = stack
for i in range(units):
    b = unit(i)
    if save[b + 3] != 0:
        continue
    mine = (save[b], save[b + 1], save[b + 2]) == stack
    save[b + 7] = 0 if mine else 1          # finished
    if mine:
        save[b + 8] = save[b + 4]           # full moves
    save[b + 11] = 0                        # ready
free = next(k for k in range(102) if save[L.LAIRS + L.LAIR_SIZE * k + 3] != 1)
b = L.LAIRS + L.LAIR_SIZE * free
save[b:b + L.LAIR_SIZE] = bytes(L.LAIR_SIZE)
save[b:b + 5] = bytes([x + 1, y, p, 1, 8])
if guards:
    save[b + 5] = 155
    save[b + 6] = guards
struct.pack_into("<hh", save, b + 10, 300, 50)
save[b + 16] = 1
struct.pack_into("<h", save, b + 18, 300)
vault = L.player(0) + 288
struct.pack_into("<hhhh", save, vault, -1, -1, -1, -1)
open(sys.argv[2], "wb").write(save)
print(free, x, y, p)
PY
}

check_no_standins() {
  for name in Lair_Combat__WIP Process_Item_Pool Player_Process_Item_Pool Make_Item Lair_Combat_Do Item_Screen \
    Item_View_Popup Hire_Hero_Popup Merchant_Popup Hero_LevelUp_Popup; do
    expect_not_in_file "$LOG" "${name}__STUB"
  done
}

# ---- unguarded: the site is taken ----
read -r LAIR X Y P < <(make_fixture 0)
cp "$USER_DIR/SAVE9.GAM" "$E2E_TMP/before"
run_tolva ZOLAN --headless --continue --scenario "$SCENARIOS/lair_take_quit.txt"
expect_rc 0
check_no_standins
expect_in_file "$LOG" "[LAIR] You have found a monster lair."
expect_in_file "$LOG" "Item_Screen: 1 pool items to hand out"
python3 - "$E2E_TMP/before" "$USER_DIR/SAVE9.GAM" "$LAIR" "$X" "$Y" "$P" "$LOG" <<'PY' || fail "the taken site"
import struct, sys
import save_layout as L
before, after = (open(p, "rb").read() for p in sys.argv[1:3])
lair, x, y, p = map(int, sys.argv[3:7])
log = open(sys.argv[7], encoding="utf-8", errors="replace").read()
def i16(save, at): return struct.unpack_from("<h", save, at)[0]
b = L.LAIRS + L.LAIR_SIZE * lair
assert after[b + 3] == 0, "the site is still intact"
human = L.player(0)
assert i16(after, human + L.PLAYER_GOLD) == min(30000, i16(before, human + L.PLAYER_GOLD) + 300), "gold"
assert i16(after, human + L.PLAYER_MANA) == min(30000, i16(before, human + L.PLAYER_MANA) + 50), "mana"
item = i16(after, human + 288)
assert 0 <= item < 132, ("vault place 0", item)
rec = after[L.ITEMS + L.ITEM_SIZE * item:L.ITEMS + L.ITEM_SIZE * (item + 1)]
assert struct.unpack_from("<h", rec, 34)[0] > 0, "the vault item is not live"
kind, icon = rec[33], struct.unpack_from("<h", rec, 30)[0]
names = ["Sword", "Mace", "Axe", "Bow", "Staff", "Wand", "Misc", "Shield", "Chain", "Plate"]
name = names[kind]
if kind == 6:
    name = ("Amulet" if icon <= 77 else "Ring" if icon <= 83 else "Cloak" if icon <= 89 else
            "Gauntlet" if icon <= 93 else "Helm" if icon <= 100 else "Orb")
article = "an" if name[0] in "AEIOU" else "a"
text = "[LAIR] Inside you find 300 gold, 50 mana crystals and %s %s." % (article, name)
assert text in log, ("not logged", text)
on_site = [i for i in range(i16(after, L.UNIT_COUNT))
           if after[L.unit(i) + 3] == 0 and tuple(after[L.unit(i):L.unit(i) + 3]) == (x + 1, y, p)]
assert on_site, "no human unit stands on the site's square"
PY

# ---- guarded by three: the unattended entry is declined ----
read -r LAIR X Y P < <(make_fixture 3)
cp "$USER_DIR/SAVE9.GAM" "$E2E_TMP/before"
run_tolva ZOLAN --headless --continue --scenario "$SCENARIOS/lair_decline_quit.txt"
expect_rc 0
check_no_standins
expect_in_file "$LOG" "[LAIR] You have found a monster lair.  Scouts have spotted "
expect_in_file "$LOG" " within the monster lair.  Do you wish to enter?"
python3 - "$E2E_TMP/before" "$USER_DIR/SAVE9.GAM" "$LAIR" "$X" "$Y" "$P" <<'PY' || fail "the declined site"
import struct, sys
import save_layout as L
before, after = (open(p, "rb").read() for p in sys.argv[1:3])
lair, x, y, p = map(int, sys.argv[3:7])
def i16(save, at): return struct.unpack_from("<h", save, at)[0]
b = L.LAIRS + L.LAIR_SIZE * lair
assert after[b + 3] == 1, "the site was taken"
assert after[b + 15] & 0x02 and not after[b + 15] & 0x04, ("flags", after[b + 15])
human = L.player(0)
assert i16(after, human + L.PLAYER_GOLD) == i16(before, human + L.PLAYER_GOLD), "gold"
units = range(i16(after, L.UNIT_COUNT))
assert not [i for i in units if after[L.unit(i) + 3] == 0 and tuple(after[L.unit(i):L.unit(i) + 3]) == (x + 1, y, p)]
assert [i for i in units if after[L.unit(i) + 3] == 0 and tuple(after[L.unit(i):L.unit(i) + 3]) == (x, y, p)]
PY
pass "a site is taken unguarded and declined when guarded"
