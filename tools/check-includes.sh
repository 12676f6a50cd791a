#!/usr/bin/env bash
# Checks the include directions that the layer libraries alone cannot enforce:
#  - the world rules (Kel/src/world/, Kel/src/worldgen/) include no screen, drawing or input header:
#    none of the engine's drawing, text, input, field, palette, video or box headers, nothing of
#    SDL or the platform's video and input, and no game folder but world/ and worldgen/;
#  - the rules of the other subsystems (every file of turn/, cities/, combat/, magic/, ai/, heroes/,
#    info/ and stubs/ outside their screens/ folders, but the files Kel/CMakeLists.txt names in
#    KEL_NOT_YET_RULES) likewise include no screen, drawing or input header, no screens/ folder and
#    none of overland/, newgame/, dev/ and shell/;
#  - only Kel/src/stubs/ includes a stubs/ header.
# tools/include-allow.txt names the justified exceptions, one "file include  # reason" a line.
# Exits non-zero listing every include that breaks a rule and is not allowed.
set -euo pipefail
cd "$(dirname "$0")/.."

allow_file=tools/include-allow.txt

# Engine headers that draw, print, take input or show boxes.
screen_headers=" Animation.h Bitmap_Transforms.h Capture.h Dialog_Boxes.h Expanding_Box.h Fields.h File_Animation.h
  Font_Image.h Fonts.h GENDRAW.h Help.h Input.h Input_Box.h Mouse.h Palette.h Paragraph.h Pictures.h Texture_Map.h
  Video.h Platform.h Replay.h Input_Metrics.h "
screen_headers=$(echo $screen_headers)

# The files of the rules folders that still build with the screens, as Kel/CMakeLists.txt names them.
not_yet_rules=$(sed -n '/^set(KEL_NOT_YET_RULES/,/)/p' Kel/CMakeLists.txt | grep -o '${KEL}/[^ )]*' |
  sed 's#^${KEL}/#Kel/src/#' | tr '\n' ' ')

declare -A allowed=() used=()
if [ -f "$allow_file" ]; then
  line_no=0
  while IFS= read -r line || [ -n "$line" ]; do
    line_no=$((line_no + 1))
    case "$line" in ''|'#'*) continue ;; esac
    read -r file include rest <<<"$line"
    reason="${rest#*#}"
    if [ -z "${include:-}" ] || [ "${rest:0:1}" != "#" ] || [ -z "${reason// /}" ]; then
      echo "check-includes: $allow_file:$line_no: expected \"file include  # reason\"" >&2
      exit 2
    fi
    allowed["$file $include"]=1
  done <"$allow_file"
fi

problems=()
report() {  # file include why
  if [ -n "${allowed["$1 $2"]:-}" ]; then
    used["$1 $2"]=1
  else
    problems+=("$1: #include $2: $3")
  fi
}

# Every include of every source, "file<TAB>include" a line, read in one pass.
while IFS=$'\t' read -r file include; do
    [ -n "$include" ] || continue
    case "$file" in
      Kel/src/stubs/*) ;;
      *) case "$include" in
           stubs/*) report "$file" "$include" "only Kel/src/stubs/ includes a stand-in header" ;;
         esac ;;
    esac
    case "$file" in
      Kel/src/world/*|Kel/src/worldgen/*)
        base="${include##*/}"
        if [[ "$include" == SDL* || "$include" == SDL2/* || "$base" == sdl2_* ]]; then
          report "$file" "$include" "the world rules do not use SDL or the platform layer"
        elif [[ "$include" == */* && "$include" != world/* && "$include" != worldgen/* && "$include" != stubs/* ]] &&
             [ -d "Kel/src/${include%%/*}" ]; then
          report "$file" "$include" "the world rules include only world/ and worldgen/ of the game"
        elif [[ "$include" != */* && " $screen_headers " == *" $include "* ]]; then
          report "$file" "$include" "the world rules include no screen, drawing or input header"
        fi
        ;;
      Kel/src/*/screens/*) ;;
      Kel/src/turn/*|Kel/src/cities/*|Kel/src/combat/*|Kel/src/magic/*|Kel/src/ai/*|Kel/src/heroes/*|Kel/src/info/*|\
      Kel/src/stubs/*)
        [[ " $not_yet_rules " == *" $file "* ]] && continue
        base="${include##*/}"
        if [[ "$include" == SDL* || "$include" == SDL2/* || "$base" == sdl2_* ]]; then
          report "$file" "$include" "the rules do not use SDL or the platform layer"
        elif [[ "$include" == */* && ( "$include" == */screens/* || "$include" == overland/* ||
                "$include" == newgame/* || "$include" == dev/* || "$include" == shell/* ) ]]; then
          report "$file" "$include" "the rules include no screen folder, overland/, newgame/, dev/ or shell/"
        elif [[ "$include" != */* && " $screen_headers " == *" $include "* ]]; then
          report "$file" "$include" "the rules include no screen, drawing or input header"
        fi
        ;;
    esac
done < <(git ls-files -z -- STU Orv platform Kel src tools tests | grep -zE '\.(cpp|h)$' |
  xargs -0 awk 'match($0, /^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"][^">]*[">]/) {
    line = substr($0, RSTART, RLENGTH); sub(/^[^<"]*[<"]/, "", line); sub(/[">]$/, "", line)
    print FILENAME "\t" line }')

for key in "${!allowed[@]}"; do
  if [ -z "${used[$key]:-}" ]; then
    echo "check-includes: warning: $allow_file allows \"$key\", which no longer happens; remove that line" >&2
  fi
done

# How often each folder of the game includes each other; a screens/ folder counts apart from its
# folder. A pair of folders that include each other must be named in CONTRIBUTING.md.
folder_pairs=$(git ls-files -z -- Kel/src | grep -zE '\.(cpp|h)$' |
  xargs -0 awk 'match($0, /^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*"/) {
    line = substr($0, RSTART, RLENGTH); sub(/^[^"]*"/, "", line); sub(/"$/, "", line)
    split(FILENAME, a, "/"); from = a[3]; if (a[4] == "screens") from = from "/screens"
    if (split(line, b, "/") < 2) next
    to = b[1]; if (b[2] == "screens") to = to "/screens"
    if (from != to) print from, to }' | sort | uniq -c)
echo "check-includes: includes between the game's folders (from: to count, ...):"
awk '{ row[$2] = row[$2] (row[$2] == "" ? "" : ", ") $3 " " $1 } END { for (f in row) print "  " f ": " row[f] }' \
  <<<"$folder_pairs" | sort
named_pairs=$(sed -n '/^Folders that include each other/,/^$/p' CONTRIBUTING.md |
  grep -o '`[a-z/]*` ↔ `[a-z/]*`' | tr -d '`' | awk '{ print $1, $3 }' | sort -u)
two_way=$(awk '{ seen[$2 " " $3] = 1 } END { for (k in seen) { split(k, p, " ");
  if ((p[2] " " p[1]) in seen && p[1] < p[2]) print k } }' <<<"$folder_pairs" | sort)
while read -r pair; do
  [ -n "$pair" ] || continue
  if ! grep -qxF "$pair" <<<"$named_pairs"; then
    problems+=("folders ${pair% *} and ${pair#* } include each other: name the pair and why in CONTRIBUTING.md")
  fi
done <<<"$two_way"
while read -r pair; do
  [ -n "$pair" ] || continue
  if ! grep -qxF "$pair" <<<"$two_way"; then
    echo "check-includes: warning: CONTRIBUTING.md names ${pair% *} ↔ ${pair#* }, which no longer include each other" >&2
  fi
done <<<"$named_pairs"

if [ ${#problems[@]} -gt 0 ]; then
  echo "check-includes: ${#problems[@]} include(s) break the include rules (CONTRIBUTING.md):" >&2
  printf '  %s\n' "${problems[@]}" >&2
  echo "check-includes: mend them, or name a justified exception with its reason in $allow_file" >&2
  exit 1
fi
echo "check-includes: include directions hold"
