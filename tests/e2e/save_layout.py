"""Where things stand in a saved game (SAVE*.GAM), for the end-to-end scripts.

A saved game is the world blocks one after another, in the order of BLOCKS; every offset below is
computed from that table, and the field offsets are those of the records. The unit test
tests/kel_world/test_save_layout_module.cpp checks BLOCKS against world/World_Blocks.h and every
field offset against its record, so a change of the format that misses this file fails there.
The scripts in this folder import it (lib.sh puts the folder on PYTHONPATH).
"""

# (block name, element size, count), in the order of the file.
BLOCKS = [
    ("_HEROES2[0]", 12, 35),
    ("_HEROES2[1]", 12, 35),
    ("_HEROES2[2]", 12, 35),
    ("_HEROES2[3]", 12, 35),
    ("_HEROES2[4]", 12, 35),
    ("_HEROES2[5]", 12, 35),
    ("_num_players", 2, 1),
    ("_landsize", 2, 1),
    ("_magic", 2, 1),
    ("_difficulty", 2, 1),
    ("_cities", 2, 1),
    ("_units", 2, 1),
    ("_turn", 2, 1),
    ("_unit", 2, 1),
    ("_players", 1224, 6),
    ("_world_maps", 2, 4800),
    ("connectivity_grid_land", 1, 192),
    ("connectivity_grid_sea", 1, 192),
    ("_landmasses", 1, 4800),
    ("_NODES", 48, 30),
    ("_FORTRESSES", 4, 6),
    ("_TOWERS", 4, 6),
    ("_LAIRS", 24, 102),
    ("_ITEMS", 50, 138),
    ("_CITIES", 114, 100),
    ("_UNITS", 32, 1009),
    ("_map_square_terrain_specials", 1, 4800),
    ("_square_explored", 1, 4800),
    ("movement_mode_cost_maps", 1, 28800),
    ("events_table", 100, 1),
    ("_map_square_flags", 1, 4800),
    ("grand_vizier", 2, 1),
    ("_prefab_item_table", 1, 250),
    ("hero_names_table", 16, 35),
]


def _offsets():
    offsets, at = {}, 0
    for name, size, count in BLOCKS:
        offsets[name] = at
        at += size * count
    return offsets, at


OFFSET, SAVE_SIZE = _offsets()
SIZE = {name: size for name, size, _ in BLOCKS}

# Where each block starts.
HEROES = OFFSET["_HEROES2[0]"]
NUM_PLAYERS = OFFSET["_num_players"]
LANDSIZE = OFFSET["_landsize"]
MAGIC = OFFSET["_magic"]
DIFFICULTY = OFFSET["_difficulty"]
CITY_COUNT = OFFSET["_cities"]
UNIT_COUNT = OFFSET["_units"]
TURN = OFFSET["_turn"]
CURRENT_UNIT = OFFSET["_unit"]
PLAYERS = OFFSET["_players"]
WORLD_MAPS = OFFSET["_world_maps"]
LANDMASSES = OFFSET["_landmasses"]
NODES = OFFSET["_NODES"]
FORTRESSES = OFFSET["_FORTRESSES"]
TOWERS = OFFSET["_TOWERS"]
LAIRS = OFFSET["_LAIRS"]
ITEMS = OFFSET["_ITEMS"]
CITIES = OFFSET["_CITIES"]
UNITS = OFFSET["_UNITS"]
TERRAIN_SPECIALS = OFFSET["_map_square_terrain_specials"]
SQUARE_EXPLORED = OFFSET["_square_explored"]
MOVEMENT_MAPS = OFFSET["movement_mode_cost_maps"]
EVENTS = OFFSET["events_table"]
SQUARE_FLAGS = OFFSET["_map_square_flags"]
GRAND_VIZIER = OFFSET["grand_vizier"]
PREFAB_ITEMS = OFFSET["_prefab_item_table"]
HERO_NAMES = OFFSET["hero_names_table"]
# A game saved without its hero names ends where they would start.
SAVE_SIZE_WITHOUT_HERO_NAMES = HERO_NAMES

# Record sizes.
HERO_SIZE = SIZE["_HEROES2[0]"]
PLAYER_SIZE = SIZE["_players"]
NODE_SIZE = SIZE["_NODES"]
LAIR_SIZE = SIZE["_LAIRS"]
ITEM_SIZE = SIZE["_ITEMS"]
CITY_SIZE = SIZE["_CITIES"]
UNIT_SIZE = SIZE["_UNITS"]
HERO_NAME_SIZE = SIZE["hero_names_table"]

# One plane of a map layer: a byte (a word in _world_maps) per square, row after row.
WORLD_WIDTH = 60  # columns
WORLD_HEIGHT = 40  # rows
PLANE_SQUARES = WORLD_WIDTH * WORLD_HEIGHT

# Fields within a record (checked against the records by the unit test).
PLAYER_CASTING_SPELL = 82  # Player_Record.casting_spell_idx
PLAYER_MANA = 604  # Player_Record.mana_reserve
PLAYER_GOLD = 854  # Player_Record.gold_reserve
UNIT_OWNER = 3  # Unit_Record.owner_idx
UNIT_TYPE = 5  # Unit_Record.type


def player(index):
    """Offset of player record `index`."""
    return PLAYERS + PLAYER_SIZE * index


def city(index):
    """Offset of city record `index`."""
    return CITIES + CITY_SIZE * index


def unit(index):
    """Offset of unit record `index`."""
    return UNITS + UNIT_SIZE * index
