#!/usr/bin/env bash
# The player's game folder as ./play fills it, on its first and later runs: the shipped files laid
# and refreshed, the player's statistics and own files kept, files no longer shipped removed, a
# file a running game reads left whole, and names with spaces.
set -euo pipefail
source "$(dirname "$0")/../../tools/player.sh"
work=$(mktemp -d)
trap 'exec 3<&- 2>/dev/null; rm -rf "$work"' EXIT
failures=0
check() {  # MESSAGE TEST...
    local message=$1
    shift
    "$@" || { echo "FAIL: $message"; failures=$((failures + 1)); }
}

shipped="$work/build/game/velmora"
folder="$work/my games/velmora"
mkdir -p "$shipped/images"
echo program >"$shipped/velmora"
echo "bank 1" >"$shipped/base.txt"
echo "0" >"$shipped/stat.txt"
echo picture >"$shipped/images/old picture.jpg"

fill_game_folder "$shipped" "$folder" velmora
check "the shipped files are laid" cmp -s "$shipped/base.txt" "$folder/base.txt"
check "a name with a space is laid" cmp -s "$shipped/images/old picture.jpg" "$folder/images/old picture.jpg"
check "the statistics start from the shipped ones" cmp -s "$shipped/stat.txt" "$folder/stat.txt"
check "the program stays in the build" test ! -e "$folder/velmora"

# The player has played; a new build ships another bank and no longer the picture.
echo "7" >"$folder/stat.txt"
echo "list" >"$folder/spisok.txt"
echo "bank 2" >"$shipped/base.txt"
rm "$shipped/images/old picture.jpg"
exec 3<"$folder/base.txt"  # a game still running reads the old bank
fill_game_folder "$shipped" "$folder" velmora
check "the bank is refreshed" cmp -s "$shipped/base.txt" "$folder/base.txt"
check "the player's statistics are kept" test "$(cat "$folder/stat.txt")" = 7
check "the player's own files are kept" test -f "$folder/spisok.txt"
check "a file no longer shipped is removed" test ! -e "$folder/images/old picture.jpg"
check "a running game keeps reading the file it opened" test "$(cat <&3)" = "bank 1"
check "no file is left half-laid" test -z "$(find "$folder" -name '*.new')"

[ "$failures" -eq 0 ] && echo "game folder: all checks passed"
