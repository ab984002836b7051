#!/bin/bash
# Velmora with a named pipe in place of a data file, the real program under Xvfb: a pipe for
# base.txt is refused at once in the error box, and the main window then shows as it does without
# the bank; a pipe for stat.txt is refused when a loss is counted, and the game goes on to the
# correct-answer window. Before, either pipe held the program in its open for good.
# Usage: velmora_files_e2e.sh GAME_DIR ARTIFACTS_DIR
set -u
source "$(dirname "$0")/lib.sh"
begin_run "$1" "$2/velmora_files"
start_display

# 1. base.txt: the box before any window, then the main window without a question.
copy_game
rm "$work/game/base.txt"
mkfifo "$work/game/base.txt"
start_game velmora
if box=$(error_box); then
    shot pipe_base_box.png "$box"
    accept_box "$box" || fail "base.txt: the error box did not close"
    if main=$(wait_window Velmora); then
        answered "$main" || fail "base.txt: the main window does not answer"
        shot pipe_base_main.png "$main"
    else
        fail "base.txt: no main window after the error box"
    fi
else
    fail "base.txt: no error box within 30 s"
fi
stop_game

# 2. stat.txt: a loss is not counted, and the game goes on.
copy_game
rm "$work/game/stat.txt"
mkfifo "$work/game/stat.txt"
start_game velmora
if main=$(wait_window Velmora); then
    menubar=$(velmora_menu_bar "$main")
    # Answer 1 until it is a wrong one (the bank's own questions, in random order).
    clicks=0
    until shown_dialog >/dev/null || [ "$clicks" -ge 15 ]; do
        click_in "$main" 44 $((menubar + 353))
        clicks=$((clicks + 1))
    done
    if box=$(error_box); then
        shot pipe_stat_box.png "$box"
        accept_box "$box" || fail "stat.txt: the error box did not close"
        wait_window 'Правильный ответ:' >/dev/null || fail "stat.txt: no correct-answer window after the box"
        answered "$main" || fail "stat.txt: the main window does not answer"
        [ -p "$work/game/stat.txt" ] || fail "stat.txt: the pipe was written over"
    else
        fail "stat.txt: no error box after $clicks answers"
    fi
else
    fail "stat.txt: the main window did not appear"
fi
stop_game

finish "velmora with pipes for its files: all checks passed; screenshots in $artifacts"
