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
# installation folders), asked through a helper built from the same code; the stand-in data
# when it finds nothing. Says which folder is used and why.
source ./tools/choose-data-dir.sh
choose_data_dir ./build/tolva_data_dir "$PWD/build/standin"

exec ./build/tolva "$@"
