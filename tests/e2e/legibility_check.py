"""Checks one captured screen for legible text: the frame shown just before the scenario's marker
(a pointer move to 317, 198) is taken from the capture; for each text of the screen's table the
most common colour of its box is the background and the ink (see Ink) must have a contrast ratio of at least 4.5:1 against it; and no ink of a panel may show in the
strips just outside the panel's edges. With a third argument the frame is also kept as a PNG."""
import re
import struct
import sys
import zlib
from collections import Counter

# Per screen: ("text", name, x1, y1, x2, y2) for a box holding text on one background;
# ("inside", name, x1, y1, x2, y2, ink_box) for a panel whose text (found in ink_box, a box inside
# the panel) must not reach past the panel's edges. Coordinates are inclusive.
SCREENS = {
    "main_menu": [
        ("text", "Continue", 124, 142, 196, 150),
        ("text", "Quit Game", 124, 190, 196, 198),
        ("text", "credits", 85, 40, 319, 137),
    ],
    "options": [("text", "Quit", 176, 181, 228, 190), ("text", "Difficulty button", 252, 42, 312, 50)],
    "wizard": [("text", "Merlin", 172, 30, 231, 39), ("text", "title", 180, 2, 310, 14)],
    "picks": [
        ("text", "retorts", 160, 4, 319, 46),
        ("inside", "retort columns", 150, 2, 318, 47, (160, 4, 318, 46)),
    ],
    "spell_picks": [("text", "spells", 167, 45, 316, 70)],
    "warning": [("text", "warning", 75, 148, 250, 165)],
    "banner": [("text", "title", 180, 5, 310, 17)],
    "main_screen": [("text", "gold and mana", 250, 67, 312, 75)],
    "city": [("text", "race", 10, 30, 60, 36), ("text", "title", 100, 2, 240, 14)],
    "production": [("text", "cost and upkeep", 90, 36, 240, 46), ("text", "description", 85, 105, 230, 124)],
    "unit_view": [("text", "name and moves", 80, 20, 210, 50), ("text", "Dismiss", 250, 137, 290, 146)],
    "surveyor": [("text", "title", 245, 79, 318, 89)],
    "city_list": [("text", "title", 109, 3, 213, 13), ("text", "first row", 30, 26, 200, 35)],
    "settings": [("text", "sound settings", 35, 55, 115, 83)],
}


def luminance(rgb):
    def channel(c):
        c = c / 255.0
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = (channel(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def Ink(counts):
    """The ink of a box whose colours are counted most common first: of the colours other than the
    background drawn at least a third as often as the most common of them, the one that stands out
    most (text drawn with a shadow or an outline has two such colours)."""
    background = counts[0][0]
    others = [c for c in counts[1:] if c[1] * 3 >= counts[1][1]]
    return max(others, key=lambda c: contrast(background, c[0]))[0]


def main():
    screen, cap, log = sys.argv[1], sys.argv[2], sys.argv[3]
    png = sys.argv[4] if len(sys.argv) > 4 else ""
    info = dict(line.strip().split("=", 1) for line in open(cap + "/capture_info.txt") if "=" in line)
    fps = int(info["fps"])
    marks = re.findall(r"t=(\d+) ms move \(317, 198\)", open(log, errors="replace").read())
    if not marks:
        print("%s: no marker in the log" % screen)
        return 1
    raw = open(cap + "/video_rgb24.raw", "rb").read()
    count = len(raw) // 192000
    index = min(count - 1, max(0, (int(marks[-1]) - 300) * fps // 1000))
    frame = raw[index * 192000:(index + 1) * 192000]
    if png:
        rows = b"".join(b"\0" + frame[y * 960:(y + 1) * 960] for y in range(200))

        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

        with open(png, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 320, 200, 8, 2, 0, 0, 0))
                      + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))

    def pixel(x, y):
        o = (y * 320 + x) * 3
        return tuple(frame[o:o + 3])

    def colours(x1, y1, x2, y2):
        return Counter(pixel(x, y) for y in range(max(0, y1), min(199, y2) + 1) for x in range(max(0, x1), min(319, x2) + 1))

    bad = []
    for check in SCREENS[screen]:
        kind, name, x1, y1, x2, y2 = check[:6]
        if kind == "text":
            counts = colours(x1, y1, x2, y2).most_common()
            if len(counts) < 2:
                bad.append("%s: no text in %d,%d-%d,%d" % (name, x1, y1, x2, y2))
                continue
            background = counts[0][0]
            ink = Ink(counts)
            ratio = contrast(background, ink)
            if ratio < 4.5:
                bad.append("%s: ink %s on %s, contrast %.2f" % (name, ink, background, ratio))
        else:
            ix1, iy1, ix2, iy2 = check[6]
            counts = colours(ix1, iy1, ix2, iy2).most_common()
            if len(counts) < 2:
                bad.append("%s: no text in %d,%d-%d,%d" % (name, ix1, iy1, ix2, iy2))
                continue
            ink = Ink(counts)
            outside = colours(x1 - 3, y1, x1 - 1, y2) + colours(x2 + 1, y1, x2 + 3, y2)
            outside += colours(x1, y1 - 3, x2, y1 - 1) + colours(x1, y2 + 1, x2, y2 + 3)
            if outside[ink] > 0:
                bad.append("%s: %d ink pixels %s just outside %d,%d-%d,%d" % (name, outside[ink], ink, x1, y1, x2, y2))
    for line in bad:
        print("%s (frame %d): %s" % (screen, index, line))
    return 1 if bad else 0


sys.exit(main())
