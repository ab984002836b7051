#!/bin/bash
# A monkey player: the real program (best built with the sanitizers) under Xvfb with openbox, played
# at random for a while. Clicks of every button (left, middle, right, double) and keys land on
# every window the program shows, its menus and error boxes included; an error box is mostly
# answered as a player would, with Enter. The play goes in rounds of 30 s on a fresh copy of the
# game folder, every other round with one of the game's files damaged (pictures, statistics).
# The run fails on a crash, a sanitizer report, a window that does not answer for 30 s (longer
# than any of the programs' own waits, also on a busy machine), or two error boxes at once. A
# program that ends by itself (its exit item, its close button, Alt+F4) is started again.
# The seed fixes the player's choices; the program's timing still varies from run to run.
# Usage: monkey_e2e.sh PROGRAM GAME_DIR ARTIFACTS_DIR [SECONDS [SEED]]
set -u
source "$(dirname "$0")/lib.sh"
program=$1
seconds=${4:-120}
RANDOM=${5:-1}
begin_run "$2" "$3/monkey_$program"
start_display
start_window_manager
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
round_seconds=30
hang_seconds=30
keys=(Return Return Escape space Tab BackSpace Delete Up Down Left Right Home End Page_Up Page_Down
      F1 F10 a z 1 0 minus plus ctrl+v ctrl+z ctrl+a shift+Insert shift+F10 Menu alt+F4)

# The damages of a round's game folder, taken in turn; every other round plays the intact folder.
case $program in
    quorvant) damages=(no_images empty_picture folder_picture png_picture) ;;
    velmora) damages=(bad_statistics folder_statistics long_statistics empty_statistics) ;;
    *) abort "no monkey play for $program" ;;
esac
# A picture of the button looks, which the program reads when the pointer passes.
some_picture() {
    local pictures=("$work"/game/images/*.jpg)
    echo "${pictures[RANDOM % ${#pictures[@]}]}"
}
no_images() { rm -r "$work/game/images"; }
empty_picture() { : >"$(some_picture)"; }
folder_picture() { local picture; picture=$(some_picture); rm "$picture"; mkdir "$picture"; }
png_picture() { local picture; picture=$(some_picture); convert "$picture" "png:$picture"; }
bad_statistics() { sed -i '3s/.*/три/' "$work/game/stat.txt"; }
folder_statistics() { rm "$work/game/stat.txt"; mkdir "$work/game/stat.txt"; }
empty_statistics() { : >"$work/game/stat.txt"; }
long_statistics() {
    { head -n2 "$work/game/stat.txt"; head -c 10000000 /dev/zero | tr '\0' x; } >"$work/game/stat.txt.new"
    mv "$work/game/stat.txt.new" "$work/game/stat.txt"
}

# The log of the program's run that ended, checked for sanitizer reports (and then kept with the
# artifacts).
games=0
check_log() {
    games=$((games + 1))
    if grep -qE 'ERROR: AddressSanitizer|runtime error:|ERROR: LeakSanitizer' "$work/game.log"; then
        cp "$work/game.log" "$artifacts/game$games.log"
        fail "a sanitizer report (log in $artifacts/game$games.log):"
        grep -m1 -A12 -E 'ERROR: |runtime error:' "$work/game.log"
        return 1
    fi
}

# start: the program in the round's folder, and the id of its process once it has a window.
start() {
    start_game "$program" $((seconds + 300))
    pid=
    within 60 program_has_window || { stop_game; check_log; fail "$program showed no window"; return 1; }
}
program_has_window() {
    [ -n "$pid" ] || pid=$(program_pid)
    [ -n "$pid" ] && [ -n "$("$X_PROBE" windows "$pid")" ]
}

# ended: after the program ended by itself, whether it ended as a program may (0, or 1 after a
# fatal error box).
ended() {
    wait "$game_pid" && exit_code=0 || exit_code=$?
    game_pid=
    check_log || return 1
    [ "$exit_code" -le 1 ] || { fail "$program crashed (exit code $exit_code)"; return 1; }
}

# One move of the player on the window "ID VIEWABLE DIALOG LEFT TOP WIDTH HEIGHT": a click of a
# random button at a random point of it on the screen (a quarter of them on the top strip, where
# the menus are), a double click, or a key.
move() {
    local id left top width height x y
    read -r id _ _ left top width height <<<"$1"
    x=$((left + RANDOM % width))
    if ((RANDOM % 4 == 0)); then y=$((top + RANDOM % (height < 40 ? height : 40)))
    else y=$((top + RANDOM % height)); fi
    x=$((x < 0 ? 0 : x > 1279 ? 1279 : x))
    y=$((y < 0 ? 0 : y > 1023 ? 1023 : y))
    case $((RANDOM % 20)) in
        [0-7]) xdotool mousemove "$x" "$y" click 1 ;;
        8 | 9) xdotool mousemove "$x" "$y" click --repeat 2 --delay 60 1 ;;
        1[0-1]) xdotool mousemove "$x" "$y" click 3 ;;
        1[2-3]) xdotool mousemove "$x" "$y" click 2 ;;
        14) xdotool mousemove "$x" "$y" ;;
        *) xdotool key "${keys[RANDOM % ${#keys[@]}]}" ;;
    esac
}

# answer_box ID: Enter on an error box, as a player does; the pointer stays where it was.
answer_box() { press_in "$1" Return; }

# Minimised windows come back, as from the task bar.
restore() {
    local id
    for id in $("$X_PROBE" windows "$pid" | awk '{print $1}'); do
        xdotool windowactivate "$id" 2>/dev/null || true
    done
}

# play UNTIL: moves until the time (in $SECONDS) is over; returns at the first failure.
play() {
    local shown boxes top window answer count
    while [ "$SECONDS" -lt "$1" ]; do
        if game_stopped; then
            ended || return 1
            start || return 1
            continue
        fi
        shown=$("$X_PROBE" windows "$pid" | awk '$2 == 1')
        boxes=$(awk '$3 == 1' <<<"$shown")
        if [ "$(grep -c . <<<"$boxes")" -gt 1 ]; then
            shot "nested_boxes_$games.png"
            fail "two error boxes at once:"$'\n'"$boxes"
            return 1
        fi
        if [ -z "$shown" ]; then
            restore
            sleep 0.2
            continue
        fi
        top=$(tail -n1 <<<"$shown")
        if [ -n "$boxes" ] && ((RANDOM % 4 != 0)); then
            answer_box "${boxes%% *}"
        else
            # Mostly the window on top, as a player plays; now and then any other.
            count=$(grep -c . <<<"$shown")
            if ((RANDOM % 3 == 0)); then window=$(sed -n "$((RANDOM % count + 1))p" <<<"$shown")
            else window=$top; fi
            move "$window" 2>/dev/null
        fi
        "$X_PROBE" ping "${top%% *}" "$hang_seconds" && answer=0 || answer=$?
        if [ "$answer" = 1 ] && game_running; then
            shot "hung_$games.png"
            fail "$program did not answer for $hang_seconds s"
            return 1
        fi
        moves=$((moves + 1))
    done
}

moves=0
round=0
finish_at=$((SECONDS + seconds))
while [ "$SECONDS" -lt "$finish_at" ]; do
    copy_game
    damage=
    if ((round % 2 == 1)); then
        damage=${damages[(round / 2) % ${#damages[@]}]}
        "$damage"
    fi
    round=$((round + 1))
    echo "round $round: ${damage:-intact folder} (after $moves moves)"
    end=$((SECONDS + round_seconds))
    [ "$end" -le "$finish_at" ] || end=$finish_at
    if start; then
        play "$end"
        if game_running; then
            stop_game
            check_log
        fi
    fi
    check_released "at the end of round $round"
done

finish "$program monkey: $moves moves in $round rounds, $games program runs, no fault found"
