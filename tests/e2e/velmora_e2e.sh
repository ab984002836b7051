#!/bin/bash
# Velmora end to end: the real program under Xvfb in a copy of its game folder, driven with
# xdotool. A game of 15 right answers is won and counted, a wrong answer shows the loss and the
# right answer and is counted at its question, and a bad question bank is refused in an error box.
# Usage: velmora_e2e.sh GAME_DIR ARTIFACTS_DIR
set -u
source "$(dirname "$0")/lib.sh"
begin_run "$1" "$2/velmora"
start_display

# A fresh copy of the game folder with the given question bank.
prepare() {
    copy_game
    printf '%b' "$1" >"$work/game/base.txt"
}

stat_line() { sed -n "${1}p" "$work/game/stat.txt" | tr -d '\r'; }

# Clicks answer button N (1..4) of the main window; returns when the program has handled the click.
click_answer() { click_in "$main" 44 $((menubar + 353 + 32 * ($1 - 1))); }

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
start_game velmora
if main=$(wait_window Velmora); then
    menubar=$(velmora_menu_bar "$main")
    sleep 0.5
    shot main_window.png
    read -r left top _ _ < <(geometry "$main")
    [ "$left $top" = "196 112" ] || fail "main window at $left,$top instead of 196,112"
    for click in $(seq 15); do click_answer $(( (click - 1) % 4 + 1 )); done
    if wait_window 'Выиграл!!!' >/dev/null; then
        shot win_window.png
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
start_game velmora
if main=$(wait_window Velmora); then
    menubar=$(velmora_menu_bar "$main")
    sleep 0.5
    clicks=0
    until visible 'Вы проиграли 8-(((' >/dev/null || [ "$clicks" -ge 15 ]; do
        click_answer 1
        clicks=$((clicks + 1))
    done
    if wait_window 'Вы проиграли 8-(((' >/dev/null; then
        wait_window 'Правильный ответ:' >/dev/null || fail "no correct-answer window after a wrong answer"
        sleep 0.3
        shot loss_window.png
        # The loss is counted at the level of the wrong click, the number of clicks made: each
        # click was handled before the next one was decided on.
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
start_game velmora
if box=$(wait_window Velmora); then
    sleep 0.3
    shot bad_bank_error.png
    read -r _ _ width height < <(geometry "$box")
    [ "$width" -lt 600 ] || fail "the first window shown is not the error box (${width}x$height)"
    # Accept the error boxes (the main window's and the trainer's) until the main window shows.
    for _ in 1 2 3 4 5; do
        accept_box "$box" || break
        box=$(wait_window Velmora) || break
        read -r _ _ width _ < <(geometry "$box")
        [ "$width" -ge 600 ] && break
    done
    [ "$width" -ge 600 ] || fail "the main window did not appear after the error boxes"
    shot bad_bank_main_window.png
else
    fail "no error box for a bank of 16 level groups"
fi
stop_game

finish "velmora end to end: all checks passed; screenshots in $artifacts"
