#!/bin/bash
# Velmora end to end: the real program under Xvfb in a copy of its game folder, driven with
# xdotool. A game of 15 right answers is won and counted, a wrong answer shows the loss and the
# right answer and is counted at its question, and a bad question bank is refused in an error box.
# Usage: velmora_e2e.sh GAME_DIR ARTIFACTS_DIR
set -u
game_dir=$(realpath "$1")
artifacts=$2/velmora
mkdir -p "$artifacts"
work=$(mktemp -d)
xvfb_pid=
game_pid=
failures=0

cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# A display of our own: Xvfb picks a free number and writes it to the file.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")
export QT_QPA_PLATFORM=xcb

# visible TITLE: prints the id of a visible window with exactly this title, if there is one.
visible() {
    local pattern id
    pattern=$(printf '%s' "$1" | sed 's/[][()*+?.^$|{}\\]/\\&/g')
    id=$(xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null | head -n1)
    [ -n "$id" ] && echo "$id"
}

# wait_window TITLE [SECONDS]: waits for a visible window with this title and prints its id.
wait_window() {
    for _ in $(seq $(( ${2:-10} * 10 ))); do
        visible "$1" && return 0
        sleep 0.1
    done
    return 1
}

# geometry ID: prints "left top width height" of a window as the X server places it.
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
                             /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}

# A fresh copy of the game folder with the given question bank.
prepare() {
    rm -rf "$work/game"
    cp -r "$game_dir" "$work/game"
    printf '%b' "$1" >"$work/game/base.txt"
}

start_game() {
    (cd "$work/game" && exec timeout 120 ./velmora >"$work/game.log" 2>&1) &
    game_pid=$!
}

stop_game() {
    kill "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
    game_pid=
}

stat_line() { sed -n "${1}p" "$work/game/stat.txt" | tr -d '\r'; }

# Clicks answer button N (1..4) of the main window, whose client area of 666 x 473 lies below
# its menu bar.
click_answer() {
    read -r left top width height < <(geometry "$main")
    local client_top=$((top + height - 473))
    xdotool mousemove $((left + 24 + 20)) $((client_top + 341 + 32 * ($1 - 1) + 12)) click 1
    sleep 0.3
}

# A bank of 15 one-record levels; every answer of a record is the given text pattern.
bank() {
    local text=
    for level in $(seq 15); do
        text+="Question $level\r\n$1\r\n$2\r\n$2\r\n$2\r\nlevel$level\r\n"
    done
    printf '%s' "$text"
}

# 1. Fifteen right answers win, and the win is counted at line 16.
prepare "$(bank Right Right)"
wins=$(stat_line 16)
start_game
if main=$(wait_window Velmora 15); then
    sleep 0.5
    import -window root "$artifacts/main_window.png"
    read -r left top _ _ < <(geometry "$main")
    [ "$left $top" = "196 112" ] || fail "main window at $left,$top instead of 196,112"
    for click in $(seq 15); do click_answer $(( (click - 1) % 4 + 1 )); done
    if wait_window 'Выиграл!!!' 5 >/dev/null; then
        import -window root "$artifacts/win_window.png"
        [ "$(stat_line 16)" = "$((wins + 1))" ] || fail "line 16 of stat.txt is $(stat_line 16), not $((wins + 1))"
    else
        fail "no window titled Выиграл!!! after 15 right answers"
    fi
else
    fail "the main window did not appear"
fi
stop_game

# 2. A wrong answer: the loss window, the right answer, and a loss counted at its question.
prepare "$(bank Right Wrong)"
before=$(tr -d '\r' <"$work/game/stat.txt")
start_game
if main=$(wait_window Velmora 15); then
    sleep 0.5
    clicks=0
    until visible 'Вы проиграли 8-(((' >/dev/null || [ "$clicks" -ge 15 ]; do
        click_answer 1
        clicks=$((clicks + 1))
    done
    if wait_window 'Вы проиграли 8-(((' 5 >/dev/null; then
        wait_window 'Правильный ответ:' 5 >/dev/null || fail "no correct-answer window after a wrong answer"
        sleep 0.3
        import -window root "$artifacts/loss_window.png"
        # The loss is counted at the level of the wrong click, the number of clicks made.
        expected=$(printf '%s\n' "$before" | awk -v n="$clicks" 'NR == n {$0 = $0 + 1} {print}')
        [ "$(tr -d '\r' <"$work/game/stat.txt")" = "$expected" ] ||
            fail "stat.txt did not count one loss at line $clicks"
    else
        fail "no window titled 'Вы проиграли 8-(((' after $clicks clicks"
    fi
else
    fail "the main window did not appear"
fi
stop_game

# 3. A bank with a stray blank line (16 level groups) is refused in an error box before the game.
prepare "$(bank Right Wrong)\r\n"
start_game
if box=$(wait_window Velmora 15); then
    sleep 0.3
    import -window root "$artifacts/bad_bank_error.png"
    read -r _ _ width height < <(geometry "$box")
    [ "$width" -lt 600 ] || fail "the first window shown is not the error box (${width}x$height)"
    # Accept the error boxes (the main window's and the trainer's) until the main window shows.
    for _ in 1 2 3; do
        xdotool key --window "$(wait_window Velmora 2)" Return 2>/dev/null
        sleep 0.5
        read -r _ _ width _ < <(geometry "$(wait_window Velmora 2)")
        [ "$width" -ge 600 ] && break
    done
    [ "$width" -ge 600 ] || fail "the main window did not appear after the error boxes"
    import -window root "$artifacts/bad_bank_main_window.png"
else
    fail "no error box for a bank of 16 level groups"
fi
stop_game

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed; screenshots in $artifacts"
    exit 1
fi
echo "velmora end to end: all checks passed; screenshots in $artifacts"
