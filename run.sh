#!/usr/bin/env bash
# Installs what is missing, builds Tolva and starts it. Arguments are passed to the game,
# e.g. ./run.sh ZOLAN (skip the intro).
# Without a Velmora installation it plays on the stand-in data the build generates.
set -euo pipefail
cd "$(dirname "$0")"

./tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Only what a run needs: the game, its data-folder helper and the stand-in data (no tests).
cmake --build build --target tolva tolva_data_dir standin_data

# The program's own search (TOLVA_DATA_DIR, Tolva.ini's game_data, its folder, the usual
# installation folders), asked through a helper built from the same code.
real_data=$(./build/tolva_data_dir) || real_data=""

if [ -z "$real_data" ]; then
  if [ -d build/standin ]; then
    echo "No Velmora installation found: using the stand-in data in build/standin (see PLAYING.md)."
    export TOLVA_DATA_DIR="$PWD/build/standin"
  else
    echo "No Velmora installation found, and no stand-in data was built (see PLAYING.md)." >&2
  fi
fi

exec ./build/tolva "$@"
