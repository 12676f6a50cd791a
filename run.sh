#!/usr/bin/env bash
# Installs what is missing, builds Tolva and starts it. Arguments are passed to the game,
# e.g. ./run.sh ZOLAN (skip the intro).
# Without a Velmora installation it plays on the stand-in data the build generates.
set -euo pipefail
cd "$(dirname "$0")"

./tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build

has_fonts() { [ -n "$1" ] && [ -d "$1" ] && find "$1" -maxdepth 1 -iname fonts.lbx | grep -q .; }

real_data=""
if [ -n "${TOLVA_DATA_DIR:-}" ]; then
  real_data="$TOLVA_DATA_DIR"
else
  config_home="${XDG_CONFIG_HOME:-$HOME/.config}"
  ini_game_data=""
  for ini in build/Tolva.ini "$config_home/Tolva/Tolva.ini"; do
    if [ -f "$ini" ]; then
      ini_game_data=$(sed -n 's/^[[:space:]]*game_data[[:space:]]*=[[:space:]]*"\{0,1\}\([^"]*\)"\{0,1\}[[:space:]]*$/\1/p' "$ini" | head -n 1)
      [ -n "$ini_game_data" ] && break
    fi
  done
  for dir in "$ini_game_data" build assets ../assets "$HOME/GOG Games/Velmora" "$HOME/Games/Velmora" \
             "$HOME/.steam/steam/steamapps/common/Velmora Classic" \
             "$HOME/.local/share/Steam/steamapps/common/Velmora Classic"; do
    if has_fonts "$dir"; then real_data="$dir"; break; fi
  done
fi

if [ -z "$real_data" ]; then
  if [ -d build/standin ]; then
    echo "No Velmora installation found: using the stand-in data in build/standin (see PLAYING.md)."
    export TOLVA_DATA_DIR="$PWD/build/standin"
  else
    echo "No Velmora installation found, and no stand-in data was built (see PLAYING.md)." >&2
  fi
fi

exec ./build/tolva "$@"
