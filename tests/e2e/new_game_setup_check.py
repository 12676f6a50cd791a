#!/usr/bin/env python3
"""Checks the players' first values of a new game from its saved image alone (and SPELLDAT for
the Spell of Mastery's research cost). Usage:
  new_game_setup_check.py IMAGE DATA_DIR
Prints one line per failed check and exits 1 when any failed."""
import os
import struct
import sys

import save_layout as SL

OFF = dict(heroes=SL.HEROES, num_players=SL.NUM_PLAYERS, difficulty=SL.DIFFICULTY, cities=SL.CITY_COUNT,
           players=SL.PLAYERS, fortresses=SL.FORTRESSES, items=SL.ITEMS, city_recs=SL.CITIES, events=SL.EVENTS,
           grand_vizier=SL.GRAND_VIZIER, prefab=SL.PREFAB_ITEMS)
PLAYER, CITY, ITEM, HERO, ROSTER = SL.PLAYER_SIZE, SL.CITY_SIZE, SL.ITEM_SIZE, SL.HERO_SIZE, 35 * SL.HERO_SIZE
NATURE, SORCERY, CHAOS, LIFE, DEATH = range(5)
FAMOUS, ARCHMAGE = 13, 10
MASTERY = 213

# Computer wizards' start spells, 13 a realm in realm order.
DEFAULT_SPELLS = [
    [6, 7, 9, 8, 4, 5, 1, 3, 2, 10, 17, 15, 27],
    [49, 50, 45, 43, 46, 48, 47, 42, 41, 44, 56, 60, 65],
    [83, 90, 86, 84, 85, 89, 88, 87, 82, 81, 91, 97, 106],
    [130, 129, 126, 127, 125, 124, 122, 123, 128, 121, 133, 136, 147],
    [167, 166, 162, 163, 165, 169, 168, 161, 170, 164, 174, 175, 184],
]
# Personality and objective weights per primary realm, and what retorts add (index, amount).
PRS = [[0, 1, 1, 1, 5, 2], [1, 2, 3, 1, 2, 1], [1, 2, 2, 5, 0, 0], [0, 1, 2, 0, 2, 5], [3, 3, 2, 1, 1, 0]]
OBJ = [[0, 2, 2, 4, 2], [0, 1, 4, 2, 3], [0, 3, 2, 2, 3], [0, 2, 3, 4, 1], [0, 4, 1, 1, 4]]
PRS_ADD = {1: [(1, 2), (2, 3)], 2: [(3, 3)], 3: [(4, 3)], 5: [(0, 4)], 6: [(5, 4)], 8: [(2, 2)]}
OBJ_ADD = {1: [(1, 2), (4, 3)], 2: [(2, 1)], 3: [(2, 1)], 0: [(3, 2)], 10: [(2, 4)], 9: [(4, 4)], 15: [(1, 3)]}

# Hero ability bits: graded abilities (normal, super), fighter then mage; then the ungraded ones.
FIGHTER = [(0, 1), (3, 4), (6, 7), (9, 10), (12, 13), (15, 16), (31, 26)]
MAGE = [(18, 19), (21, 22), (24, 25)]
LUCKY, CHARMED, NOBLE, BIT30 = 1 << 27, 1 << 28, 1 << 29, 1 << 30
UNGRADED = LUCKY | CHARMED | NOBLE | BIT30


def bits(grades): return sum((1 << a) | (1 << b) for a, b in grades)


FIGHTER_BITS, MAGE_BITS = bits(FIGHTER), bits(MAGE)
L, LS, G, GS, B, A, C, M, MS, AP, S, P, PS, AG, AGS = (
    1 << 0, 1 << 1, 1 << 3, 1 << 4, 1 << 6, 1 << 9, 1 << 12, 1 << 15, 1 << 16, 1 << 18, 1 << 21, 1 << 24,
    1 << 25, 1 << 31, 1 << 26)
# Per hero type: picks, kind (0 fighter, 1 mage, 2 either), fixed abilities, casting skill, spells.
PREMADE = [
    (0, 0, C, 0, []), (0, 0, M, 0, []), (0, 1, S, 2, [42, 48]), (0, 0, NOBLE, 0, []), (0, 0, 0, 1, [2]),
    (0, 0, L | BIT30, 1, [46, 53]), (1, 0, 0, 0, []), (1, 1, BIT30, 2, [125]), (1, 0, B | BIT30, 0, []),
    (0, 0, CHARMED | BIT30 | AG, 0, []), (0, 0, 0, 2, [13, 22, 5]), (1, 0, AGS, 0, []),
    (1, 2, 0, 1, [86, 88, 94]), (1, 1, AP, 3, [83, 96, 90, 109]), (1, 0, B, 0, []), (1, 1, 0, 2, [47, 44]),
    (0, 0, M, 1, [2, 7]), (2, 0, M, 0, []), (2, 1, CHARMED | BIT30, 3, [169, 170, 174, 172]), (2, 2, 0, 1, []),
    (2, 0, B, 0, []), (1, 0, L | GS, 0, []), (1, 0, B | M | CHARMED | BIT30, 0, []), (1, 1, 0, 5, [91, 101, 104]),
    (5, 2, 0, 1, []), (2, 1, BIT30, 3, [50, 53, 67]), (1, 0, L | G | A | C | M, 0, []),
    (0, 0, AP | PS | CHARMED | NOBLE | BIT30, 4, [134, 125, 140, 150]), (1, 0, G | MS | P, 0, []),
    (1, 0, G | B | C | M, 0, []), (3, 2, B | BIT30, 1, [41, 56]), (1, 0, LS | GS | C | NOBLE, 0, []),
    (2, 1, AP, 4, [162, 165, 195, 182]), (3, 2, C | AP, 3, []), (2, 2, LS | C | MS | P, 5, [128, 125, 126, 141]),
]
EVENT_STATE_WORDS = [1, 4, 7, 8, 12, 15, 18, 22, 25, 28, 31, 34, 38, 40, 42, 44, 46, 48]

failures = []


def fail(msg): failures.append(msg)
def u8(b, o): return b[o]
def i8(b, o): return struct.unpack_from('<b', b, o)[0]
def i16(b, o): return struct.unpack_from('<h', b, o)[0]
def i32(b, o): return struct.unpack_from('<i', b, o)[0]
def u32(b, o): return struct.unpack_from('<I', b, o)[0]
def player(p, o): return OFF['players'] + PLAYER * p + o


def lbx_entry(path, entry):
    with open(path, 'rb') as f:
        data = f.read()
    start, end = struct.unpack_from('<II', data, 8 + 4 * entry)
    return data[start:end]


def find_file(folder, name):
    for f in os.listdir(folder):
        if f.lower() == name.lower():
            return os.path.join(folder, f)
    raise FileNotFoundError(name)


def books(img, p): return [i16(img, player(p, 90 + 2 * r)) for r in range(5)]


def starting_relation(a, b):
    d, life, k = max(a[DEATH], b[DEATH]), a[LIFE] + b[LIFE], max(a[CHAOS], b[CHAOS])
    v = -5 * (life + d) if life > 0 and d > 0 else 2 * life - 3 * d
    v += -2 * k + 2 * sum(min(a[r], b[r]) for r in (SORCERY, CHAOS, NATURE, LIFE))
    return max(v, -90)


def skill_from_books(bk, archmage):
    target = 2 * (sum(bk) + (5 if archmage else 0))
    points, skill = 0, 0
    while skill < target:
        points += 1
        n = 0
        while n * (n + 1) < points:
            n += 1
        skill = n + (10 if archmage else 0)
    return skill, points


def realms(bk):
    primary = max(range(5), key=lambda r: (bk[r], -r))
    secondary, count = NATURE, bk[NATURE]
    for r in range(1, 5):
        if r != primary and bk[r] > count:
            secondary, count = r, bk[r]
    return primary, (primary if count == 0 else secondary)


def weights(table, adds, realm, retorts):
    w = list(table[realm])
    for retort, changes in adds.items():
        if retorts[retort]:
            for index, amount in changes:
                w[index] += amount
    return w


def check_wizards(img, mastery_cost):
    n = i16(img, OFF['num_players'])
    difficulty = i16(img, OFF['difficulty'])
    if i16(img, OFF['grand_vizier']) != 0:
        fail('the grand vizier is on')
    for p in range(n):
        bk = books(img, p)
        retorts = [u8(img, player(p, 100 + k)) for k in range(18)]
        who = 'wizard %d' % p
        for q in range(n):
            peace = u8(img, player(p, 1200 + q))
            if q == p:
                if peace != 255:
                    fail('%s: peace countdown toward itself %d' % (who, peace))
                continue
            v = starting_relation(bk, books(img, q))
            got = (i8(img, player(p, 338 + q)), i8(img, player(p, 386 + q)), peace)
            if got != (v, v, 0):
                fail('%s toward %d: relation, default, peace %s, expected (%d, %d, 0)' % (who, q, got, v, v))
        skill = (i16(img, player(p, 86)), i32(img, player(p, 606)))
        if skill != skill_from_books(bk, retorts[ARCHMAGE]):
            fail('%s: casting skill and points %s, books %s' % (who, skill, bk))
        if (u8(img, player(p, 42)), u8(img, player(p, 43)), u8(img, player(p, 44))) != (34, 33, 33):
            fail('%s: shares %s' % (who, tuple(img[player(p, 42):player(p, 45)])))
        if i16(img, player(p, 88)) != 2:
            fail('%s: tax rate %d' % (who, i16(img, player(p, 88))))
        if i16(img, player(p, 36)) != (10 if retorts[FAMOUS] else 0):
            fail('%s: fame %d' % (who, i16(img, player(p, 36))))
        if u8(img, player(p, 612 + MASTERY - 1)) != 3:
            fail('%s: Spell of Mastery status %d' % (who, u8(img, player(p, 612 + MASTERY - 1))))
        cost = mastery_cost - (3000 if 11 in bk else 0)
        if i16(img, player(p, 34)) != cost:
            fail('%s: Spell of Mastery cost %d, expected %d' % (who, i16(img, player(p, 34)), cost))
        if any(i16(img, player(p, 118 + 28 * k)) != -1 for k in range(6)):
            fail('%s: a hero slot is taken' % who)
        if any(i16(img, player(p, 288 + 2 * k)) != -1 for k in range(4)):
            fail('%s: the vault is not empty' % who)
        fortress = OFF['fortresses'] + 4 * p
        summon = tuple(i16(img, player(p, 46 + 2 * k)) for k in range(3))
        if summon != tuple(img[fortress:fortress + 3]):
            fail('%s: summoning circle %s, fortress %s' % (who, summon, tuple(img[fortress:fortress + 3])))
        city_race = u8(img, OFF['city_recs'] + CITY * p + 14)
        if u8(img, player(p, 21)) != city_race:
            fail('%s: capital race %d, city %d is of race %d' % (who, u8(img, player(p, 21)), p, city_race))
        gold = i16(img, player(p, SL.PLAYER_GOLD))
        if gold != ((5 - difficulty) * 25 if p == 0 else 150):
            fail('%s: gold %d' % (who, gold))
        primary, secondary = realms(bk)
        if (i16(img, player(p, 1220)), i16(img, player(p, 1222))) != (primary, secondary):
            fail('%s: realms %d, %d; books %s' % (who, i16(img, player(p, 1220)), i16(img, player(p, 1222)), bk))
        for realm in range(5):
            b = bk[realm]
            first = DEFAULT_SPELLS[realm][:10] if b == 11 else DEFAULT_SPELLS[realm][:max(b - 1, 0)]
            for spell in first:
                status = u8(img, player(p, 612 + realm * 40 + (spell - 1) % 40))
                if status != 2:
                    fail('%s: start spell %d of a realm of %d books has status %d' % (who, spell, b, status))
        if p == 0:
            continue
        countdown = i16(img, player(5, 836 + 2 * p))
        if not 81 <= countdown <= 120:
            fail('%s: summoning-circle countdown %d' % (who, countdown))
        personality, objective = i16(img, player(p, 24)), i16(img, player(p, 26))
        pw = weights(PRS, PRS_ADD, primary, retorts)
        if primary == LIFE:
            pw[0] = 0
        if primary == DEATH:
            pw[5] = 0
        ow = weights(OBJ, OBJ_ADD, primary, retorts)
        if not (0 <= personality < 6 and pw[personality] > 0):
            fail('%s: personality %d against weights %s' % (who, personality, pw))
        if not (0 <= objective < 5 and ow[objective] > 0):
            fail('%s: objective %d against weights %s' % (who, objective, ow))


def grades(abilities):
    g = sum(2 if abilities & (1 << s) else 1 if abilities & (1 << n) else 0 for n, s in FIGHTER + MAGE)
    return g + bin(abilities & (LUCKY | CHARMED | NOBLE)).count('1')


def check_heroes(img):
    for p in range(5):
        for t, (picks, kind, fixed, skill, spells) in enumerate(PREMADE):
            o = OFF['heroes'] + ROSTER * p + HERO * t
            level, abilities, hero_skill = i16(img, o), u32(img, o + 2), i8(img, o + 6)
            who = 'player %d hero type %d' % (p, t)
            if level != 0:
                fail('%s: level %d' % (who, level))
            if list(img[o + 7:o + 11]) != (spells + [0, 0, 0, 0])[:4]:
                fail('%s: spells %s' % (who, list(img[o + 7:o + 11])))
            if abilities & fixed & UNGRADED != fixed & UNGRADED:
                fail('%s: a fixed ability is lost' % who)
            for normal, super_ in FIGHTER + MAGE:
                if fixed & ((1 << normal) | (1 << super_)) and not abilities & ((1 << normal) | (1 << super_)):
                    fail('%s: a fixed ability is lost' % who)
                if abilities & (1 << normal) and abilities & (1 << super_):
                    fail('%s: both grades of bit %d' % (who, normal))
            gained = grades(abilities) - grades(fixed) + hero_skill - skill
            if gained > picks or (kind == 0 and gained != picks):
                fail('%s: %d grades gained from %d picks' % (who, gained, picks))
            if kind == 0 and (abilities & MAGE_BITS != fixed & MAGE_BITS or hero_skill != skill):
                fail('%s: a fighter gained a mage ability' % who)
            if kind == 1 and abilities & FIGHTER_BITS != fixed & FIGHTER_BITS:
                fail('%s: a mage gained a fighter ability' % who)
            if t == 34 and abilities & NOBLE:
                fail('%s: Noble gained' % who)


def check_items_events(img):
    for i in range(138):
        if i16(img, OFF['items'] + ITEM * i + 34) != 0:
            fail('item %d is not free' % i)
    if any(img[OFF['prefab']:OFF['prefab'] + 250]):
        fail('a prefab item is marked used')
    if i16(img, OFF['events']) != 50:
        fail('the last event turn is %d' % i16(img, OFF['events']))
    for w in EVENT_STATE_WORDS:
        if i16(img, OFF['events'] + 2 * w) != 0:
            fail('event state word %d is %d' % (w, i16(img, OFF['events'] + 2 * w)))


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    with open(sys.argv[1], 'rb') as f:
        img = f.read()
    if len(img) != SL.SAVE_SIZE:
        print('not a saved game: %d bytes' % len(img))
        return 1
    spells = lbx_entry(find_file(sys.argv[2], 'SPELLDAT.LBX'), 0)
    mastery_cost = struct.unpack_from('<h', spells, 4 + 36 * MASTERY + 28)[0]
    check_wizards(img, mastery_cost)
    check_heroes(img)
    check_items_events(img)
    for line in failures:
        print(line)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
