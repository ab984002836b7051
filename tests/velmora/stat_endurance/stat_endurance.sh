#!/usr/bin/env bash
# stat.txt under a counting Velmora (velmora_stat_counter: the game's windows winning game after
# game):
# 1. killed by its pid at a random moment while it counts, again and again, in a folder that takes
#    no new file (stat.txt is rewritten in place), played with an ordinary user's rights: how often
#    stat.txt was left empty or cut;
# 2. two copies counting at once in one folder, in a folder that takes new files and in one that
#    does not: how many wins the file lost.
# Fails when a kill left the file anything but 16 counts, or a win was lost.
# Usage: stat_endurance.sh COUNTER [KILLS [WINS_PER_COPY]]
set -euo pipefail
counter=$(realpath "$1")
kills=${2:-60}
wins=${3:-100}
work=$(mktemp -d)
counter_pid=
trap '[ -z "$counter_pid" ] || kill -KILL "$counter_pid" 2>/dev/null || true; chmod -R u+rwx "$work"; rm -rf "$work"' EXIT

# A folder with a bank whose answers are all right and a stat.txt of 16 zeroes that anyone may write.
prepare() {
    local folder=$work/$1 level
    mkdir "$folder"
    for level in $(seq 15); do printf 'Q%s\r\nR\r\nR\r\nR\r\nR\r\nK%s\r\n' "$level" "$level"; done >"$folder/base.txt"
    for _ in $(seq 16); do printf '0\r\n'; done >"$folder/stat.txt"
    chmod 0666 "$folder/stat.txt"
    echo "$folder"
}

# As an ordinary user (nobody, when run as root), as a player of a shared install is.
as_player=()
[ "$(id -u)" != 0 ] || as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)

# whole|empty|cut: what the file holds.
state() {
    if [ ! -s "$1" ]; then echo empty
    elif [ "$(grep -c -E $'^-?[0-9]+\r$' "$1")" = 16 ] && [ "$(wc -l <"$1")" = 16 ]; then echo whole
    else echo cut
    fi
}

# 1. Kills.
folder=$(prepare kills)
chmod 0555 "$folder"
empty=0 cut=0 killed=0
for _ in $(seq "$kills"); do
    before=$(cat "$folder/stat.txt")
    (cd "$folder" && exec "${as_player[@]}" "$counter" 2>>"$work/errors") &
    counter_pid=$!
    # Once it counts (or after a generous time, on a busy machine), a moment at random.
    for _ in $(seq 3000); do
        [ "$(cat "$folder/stat.txt")" = "$before" ] || break
        sleep 0.01
    done
    sleep "0.$(printf '%03d' $((RANDOM % 30)))"
    kill -KILL "$counter_pid"
    wait "$counter_pid" 2>/dev/null || true
    counter_pid=
    killed=$((killed + 1))
    case $(state "$folder/stat.txt") in
        empty) empty=$((empty + 1)); for _ in $(seq 16); do printf '0\r\n'; done >"$folder/stat.txt" ;;
        cut) cut=$((cut + 1)); for _ in $(seq 16); do printf '0\r\n'; done >"$folder/stat.txt" ;;
    esac
done
wins_counted=$(sed -n 16p "$folder/stat.txt" | tr -d '\r')
echo "killed while counting in place: $killed times; stat.txt left empty $empty times, cut $cut times ($wins_counted wins counted)"

# 2. Two copies at once.
lost_total=0
for kind in "takes new files" "takes no new file"; do
    folder=$(prepare "two-${kind// /-}")
    if [ "$kind" = "takes new files" ]; then chmod 0777 "$folder"; else chmod 0555 "$folder"; fi
    (cd "$folder" && exec "${as_player[@]}" "$counter" "$wins" 2>>"$work/errors") &
    first=$!
    (cd "$folder" && exec "${as_player[@]}" "$counter" "$wins" 2>>"$work/errors") &
    second=$!
    wait "$first" "$second"
    counted=$(sed -n 16p "$folder/stat.txt" | tr -d '\r')
    lost=$((2 * wins - counted))
    lost_total=$((lost_total + lost))
    echo "two copies winning $wins games each at once, folder $kind: $counted wins counted, $lost lost"
done

if grep -q '^error box: ' "$work/errors"; then
    echo "error boxes:"
    grep '^error box: ' "$work/errors" | sort | uniq -c
fi
[ $((empty + cut + lost_total)) -eq 0 ]
