# Sourced by run.sh: chooses the game data the game starts on and says which folder and why.
#   choose_data_dir HELPER STANDIN
# HELPER is tolva_data_dir (the program's own search); STANDIN the stand-in data the build wrote.
# Exports TOLVA_DATA_DIR when the stand-in data is chosen. Messages go to standard error.

# The archives without which the game stops at its start.
TOLVA_INDISPENSABLE_ARCHIVES="FONTS.LBX MAINSCRN.LBX WIZARDS.LBX SPELLDAT.LBX"

# Prints the indispensable archives that folder $1 lacks (names matched without regard to case).
tolva_missing_archives() {
  local folder="$1" name missing=""
  for name in $TOLVA_INDISPENSABLE_ARCHIVES; do
    if [ -z "$(find "$folder" -maxdepth 1 -iname "$name" -print -quit 2>/dev/null)" ]; then
      missing="$missing $name"
    fi
  done
  echo "${missing# }"
}

choose_data_dir() {
  local helper="$1" standin="$2" given="${TOLVA_DATA_DIR:-}" found="" missing=""
  if [ -n "$given" ]; then
    if [ ! -d "$given" ]; then
      echo "Warning: TOLVA_DATA_DIR=$given does not exist; it is not used." >&2
    else
      missing=$(tolva_missing_archives "$given")
      [ -z "$missing" ] || echo "Warning: TOLVA_DATA_DIR=$given lacks $missing; the game cannot start on it." >&2
    fi
  fi
  found=$("$helper" 2>/dev/null) || found=""
  if [ -n "$found" ]; then
    if [ -n "$given" ] && [ "$found" = "$given" ]; then
      echo "Using the game data in $found (TOLVA_DATA_DIR)." >&2
    else
      echo "Using the game data in $found (found by the game's search: Tolva.ini's game_data, the program's folder or the usual installation folders; see PLAYING.md)." >&2
      missing=$(tolva_missing_archives "$found")
      [ -z "$missing" ] || echo "Warning: $found lacks $missing; the game cannot start on it." >&2
    fi
  elif [ -d "$standin" ]; then
    echo "No Velmora installation found: using the stand-in data in $standin (see PLAYING.md)." >&2
    export TOLVA_DATA_DIR="$standin"
  else
    echo "No Velmora installation found, and no stand-in data was built (see PLAYING.md)." >&2
  fi
}
