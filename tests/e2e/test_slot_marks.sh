#!/usr/bin/env bash
# A save slot marked in RAROZ.SET whose file is gone is unmarked, and its name emptied, before
# the engine starts; a slot whose file exists keeps its mark.
source "$(dirname "$0")/lib.sh"

use_standin_data
mkdir -p "$USER_DIR"
cp "$TOLVA_DATA_DIR/SAVE1.GAM" "$USER_DIR/SAVE2.GAM"
python3 - "$USER_DIR/RAROZ.SET" <<'PY'
import struct, sys
data = bytearray(466)
for w in range(10):
    struct.pack_into("<H", data, 2 * w, 1)
struct.pack_into("<H", data, 2 * 25, 1)          # slot 2: its file exists
struct.pack_into("<H", data, 2 * 27, 1)          # slot 4: its file is gone
data[64 + 20 * 1:64 + 20 * 1 + 6] = b"Kept\0\0"
data[64 + 20 * 3:64 + 20 * 3 + 6] = b"Gone\0\0"
struct.pack_into("<H", data, 426, 500)           # a hall of fame, so it is not cleared
open(sys.argv[1], "wb").write(data)
PY
run_tolva ZOLAN --headless
expect_rc 0
python3 - "$USER_DIR/RAROZ.SET" <<'PY' || fail "slot marks not repaired"
import struct, sys
data = open(sys.argv[1], "rb").read()
assert len(data) == 466, len(data)
word = lambda n: struct.unpack_from("<H", data, 2 * n)[0]
assert word(25) == 1, "slot 2 lost its mark"
assert data[64 + 20:64 + 24] == b"Kept", data[64 + 20:64 + 40]
assert word(27) == 0, "slot 4 is still marked"
assert data[64 + 60:64 + 80] == bytes(20), data[64 + 60:64 + 80]
assert struct.unpack_from("<H", data, 426)[0] == 500, "the hall of fame was lost"
PY
pass "a marked slot without its file is unmarked; the others stay"
