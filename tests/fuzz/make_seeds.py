#!/usr/bin/env python3
"""Writes the fuzz targets' seeds into tests/fuzz/seeds/ from the stand-in installation that
tools/standin writes (a real entry of each kind, framed as each target reads its input), and
from the files the program itself writes on a first start (RAROZ.SET, Tolva.ini).

Usage: tests/fuzz/make_seeds.py STANDIN_DIR [TOLVA_BIN]
Without TOLVA_BIN the seeds of the program's own files are left as they are."""
import os
import shutil
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SEEDS = os.path.join(HERE, "seeds")
STANDIN = sys.argv[1]
TOLVA_BIN = sys.argv[2] if len(sys.argv) > 2 else None


def entries(archive):
    data = open(os.path.join(STANDIN, archive), "rb").read()
    count, signature = struct.unpack_from("<HH", data, 0)
    assert signature == 0xFEAD, archive
    offsets = struct.unpack_from("<%dI" % (count + 1), data, 8)
    return [data[offsets[i]:offsets[i + 1]] for i in range(count)]


def archive_bytes(archive):
    return open(os.path.join(STANDIN, archive), "rb").read()


def records(entry):
    """A record table's records without its count and size head."""
    count, size = struct.unpack_from("<HH", entry, 0)
    return entry[4:4 + count * size]


def first_records(entry, count):
    """A record table cut to its first count records, its head saying so."""
    total, size = struct.unpack_from("<HH", entry, 0)
    count = min(count, total)
    return struct.pack("<HH", count, size) + entry[4:4 + count * size]


def pad(data, length):
    return data[:length] + bytes(max(0, length - len(data)))


def write(target, name, data):
    folder = os.path.join(SEEDS, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


def u16(value):
    return struct.pack("<H", value)


# Saved games: the check, and the game's use of a loaded save.
for name in ("SAVE1.GAM", "SAVE9.GAM"):
    save = archive_bytes(name)
    write("fuzz_save", name, save)
    write("fuzz_loaded_save", name, save)
for name in ("CAPITAL_UNITS.GAM", "TWENTY_CITIES.GAM"):
    write("fuzz_loaded_save", name, archive_bytes(os.path.join("fixtures", name)))

write("fuzz_config_kel", "CONFIG.KEL", archive_bytes("CONFIG.KEL"))

# Whole small archives, entry 0 and 1 chosen, the first record 0, the archive as it is (mode 0).
for name in ("CITYNAME.LBX", "TERRTYPE.LBX", "TERRSTAT.LBX", "HLPENTRY.LBX"):
    write("fuzz_lbx", name, bytes([0, 0, 0]) + archive_bytes(name))
    write("fuzz_lbx", name + ".entry1", bytes([1, 0, 0]) + archive_bytes(name))

# Pictures through the checked loader (mode 1), and a line of text through the printers (mode 4).
write("fuzz_pictures", "MAIN.0", bytes([1]) + entries("MAIN.LBX")[0])
write("fuzz_pictures", "HELP.0", bytes([1]) + entries("HELP.LBX")[0])
write("fuzz_pictures", "UNITS1.0", bytes([1]) + entries("UNITS1.LBX")[0])
write("fuzz_pictures", "text", bytes([4]) + u16(20) + u16(30) + bytes([2]) + b"Stand-in \x02Tolva\x01 text")

# Rule tables: each slice the records of the real entry, the sound head rebuilt (mode 15).
tables = [records(entries("TERRSTAT.LBX")[0]), records(entries("TERRSTAT.LBX")[1]),
          records(entries("SPELLDAT.LBX")[0]), records(entries("BUILDDAT.LBX")[0])]
slice_length = max(len(t) for t in tables)
write("fuzz_rule_tables", "standin", bytes([15]) + b"".join(pad(t, slice_length) for t in tables))

# Sounds as they come (mode 0): a VOC sound effect and the XMIDI tune every start loads.
write("fuzz_sound", "SOUNDFX.0", bytes([0]) + entries("SOUNDFX.LBX")[0])
write("fuzz_sound", "MUSIC.104", bytes([0]) + entries("MUSIC.LBX")[104])

# Help: the main screen's list (HLPENTRY entry 1, 25 records) and the HELP records with the
# picture HELP entry 3 behind them, sized so that the target's split gives the records whole.
help_list = entries("HLPENTRY.LBX")[1]
help_records = first_records(entries("HELP.LBX")[2], 8)
picture = entries("HELP.LBX")[3] if len(entries("HELP.LBX")) > 3 else b""
picture = pad(picture, len(help_records) // 2)
rest = help_records + picture
assert len(rest) - len(rest) // 3 >= len(help_records)
write("fuzz_help", "main_screen", bytes([0, 1 | (25 << 2), 0]) + u16(len(help_list)) + help_list + rest)

write("fuzz_cityname", "CITYNAME.0", bytes([0, 3]) + entries("CITYNAME.LBX")[0])
write("fuzz_terrtype", "TERRTYPE.0", bytes([0]) + entries("TERRTYPE.LBX")[0])

# Text records: each kind as its archive holds it (no head rebuilt), DIPLOMSG with its head
# rebuilt from the records of the first statements.
write("fuzz_text_records", "HELP.2", bytes([0]) + first_records(entries("HELP.LBX")[2], 4))
write("fuzz_text_records", "EVENTMSG.0", bytes([1]) + entries("EVENTMSG.LBX")[0])
statements = records(entries("DIPLOMSG.LBX")[0])
texts = records(entries("DIPLOMSG.LBX")[1])[:10 * 15 * 200]
quarter = (len(texts) + 2) // 3
write("fuzz_text_records", "DIPLOMSG", bytes([2 | 4]) + pad(statements, quarter) + pad(texts, 3 * quarter))
write("fuzz_text_records", "BUILDESC.0", bytes([3]) + entries("BUILDESC.LBX")[0])

fonts = entries("FONTS.LBX")
write("fuzz_fonts", "FONTS.0-1", bytes([0, 0x20]) + fonts[0] + fonts[1])
write("fuzz_fonts", "FONTS.0-1.outline", bytes([0x1A, 0x40]) + fonts[0] + fonts[1])
write("fuzz_fonts", "FONTS.0-1.print", bytes([0x09, 0x41]) + fonts[0] + fonts[1])
write("fuzz_fonts", "FONTS.0-1.clipped", bytes([0x12, 0x2B]) + fonts[0] + fonts[1])
for n in (1, 2, 6):
    write("fuzz_palettes", "FONTS.%d" % (n + 2), bytes([n, 1]) + fonts[n + 2])
write("fuzz_palettes", "FONTS.3.remap", bytes([1, 0x81]) + fonts[3])

# The program's own first-start files: RAROZ.SET with its defaults, Tolva.ini as written.
if TOLVA_BIN:
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + "/config", XDG_DATA_HOME=home + "/data",
                   XDG_STATE_HOME=home + "/state", XDG_CACHE_HOME=home + "/cache", TOLVA_PROGRAM_DIR=home,
                   TOLVA_DATA_DIR=STANDIN, SDL_AUDIODRIVER="dummy")
        env.pop("DISPLAY", None)
        subprocess.run([TOLVA_BIN, "ZOLAN", "--headless"], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=120)
        write("fuzz_settings_file", "RAROZ.SET", open(home + "/data/Tolva/RAROZ.SET", "rb").read())
        write("fuzz_tolva_ini", "Tolva.ini", open(home + "/config/Tolva/Tolva.ini", "rb").read())
