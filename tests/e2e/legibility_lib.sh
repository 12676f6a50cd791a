# Shared by the legibility tests (test_legibility_*.sh): each screen is captured (--capture) and
# legibility_check.py measures, on the frame shown before the scenario's marker, the contrast of
# each text against its background (at least 4.5:1) and that no text of a panel shows past the
# panel's edges. TOLVA_KEEP_CAPTURE=folder keeps each checked frame as a PNG.
use_standin_data
mkdir -p "$CONFIG_DIR" "$USER_DIR"
printf '[Video]\nstartup_window = windowed\n' > "$CONFIG_DIR/Tolva.ini"
CHECK="$(dirname "$0")/legibility_check.py"
PNG_DIR="${TOLVA_KEEP_CAPTURE:-$E2E_TMP}"
mkdir -p "$PNG_DIR"
FAILED=0

# shot SCREEN FIXTURE-OR-- ARGS... -- SCENARIO LINES...: the lines reach the screen; the pointer
# is parked in the bottom-right corner, the screen shown for 25 frames, the marker given, and the
# lines after the marker (given as "exit:LINE") leave.
shot() {
  local screen="$1" fixture="$2"
  shift 2
  local args=()
  while [ "$1" != "--" ]; do args+=("$1"); shift; done
  shift
  local lines=() exits=()
  for line in "$@"; do
    case "$line" in
      exit:*) exits+=("${line#exit:}") ;;
      *) lines+=("$line") ;;
    esac
  done
  if [ "$fixture" != "-" ]; then cp "$TOLVA_DATA_DIR/fixtures/$fixture" "$USER_DIR/SAVE9.GAM"; fi
  printf '%s\n' "${lines[@]}" "move 318 198" "wait 25f" "move 317 198" "wait 5f" "${exits[@]}" > "$E2E_TMP/scenario.txt"
  rm -rf "$E2E_TMP/cap"
  run_tolva ZOLAN --headless "${args[@]}" --capture "$E2E_TMP/cap" --capture-fps 20 --scenario "$E2E_TMP/scenario.txt"
  expect_rc 0
  if python3 "$CHECK" "$screen" "$E2E_TMP/cap" "$LOG" "$PNG_DIR/$screen.png"; then
    pass "$screen: text legible and inside its panels"
  else
    FAILED=1
  fi
}

