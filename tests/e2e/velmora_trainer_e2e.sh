#!/usr/bin/env bash
# The trainer window of the real Velmora program under Xvfb with openbox: "Тренажер" opens it in the
# main window's place and hides the main window; an answer adds a line to the log; closing it brings
# the main window back at the trainer's place with the countdown running; a "75%" lifeline then
# opens its hint window. Screenshots go to the artifacts folder.
# Usage: velmora_trainer_e2e.sh <game folder> <artifacts folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
begin_run "$1" "$2"
start_display
start_window_manager

# The player's folder is a copy, so the build's own stat.txt stays untouched.
copy_game
start_game velmora

# The darkest grey level (0..1) in the rectangle X Y W H of a picture in the artifacts folder.
darkest() {
    convert "$artifacts/$1" -crop "$4x$5+$2+$3" +repage -colorspace Gray -format '%[fx:minima]' info:
}

main=$(wait_window Velmora) || abort "the main window did not appear"
read -r mx my _ _ < <(geometry "$main")
menubar=$(velmora_menu_bar "$main")

# "Новая игра" → "Тренажер": the trainer takes the main window's place.
open_trainer() {
    click_in "$main" 30 $((menubar / 2))
    sleep 0.5
    xdotool key Down
    sleep 0.2
    xdotool key Down
    sleep 0.2
    xdotool key Return
    trainer=$(wait_window "Velmora (тренажер)") || abort "the trainer did not open"
    wait_gone "$main" || fail "the main window stayed visible"
    read -r tx ty tw th < <(geometry "$trainer")
    [ "$tx $ty" = "$mx $my" ] || fail "the trainer opened at $tx,$ty, not at the main window's $mx,$my"
    [ "$tw $th" = "666 490" ] || fail "the trainer's client area is ${tw}x${th}"
}
open_trainer

# An answer: the log's first line, empty before, gets text.
answered "$trainer" || fail "the trainer does not answer"
sleep 0.5
shot velmora_trainer_opened.png "$trainer"
before=$(darkest velmora_trainer_opened.png 12 10 500 14)
click_in "$trainer" 36 372
sleep 0.5
shot velmora_trainer.png "$trainer"
after=$(darkest velmora_trainer.png 12 10 500 14)
awk -v b="$before" -v a="$after" 'BEGIN { exit !(b > 0.9 && a < 0.5) }' ||
    fail "no line in the log after an answer (darkest grey $before before, $after after)"

# A middle click in the log, with nothing selected anywhere, pastes nothing and crashes nothing.
read -r left top _ _ < <(geometry "$trainer")
xdotool mousemove $((left + 100)) $((top + 40)) click 2
sleep 1
game_running || abort "the game ended at a middle click in the log"

# Closing the trainer elsewhere on the screen brings the main window back there.
opened_at="$tx $ty"
xdotool windowmove --sync "$trainer" 150 90 || true
sleep 0.5
read -r tx ty _ _ < <(geometry "$trainer")
[ "$tx $ty" != "$opened_at" ] || fail "the trainer could not be moved"
xdotool windowactivate --sync "$trainer"
xdotool key alt+F4
main=$(wait_window Velmora) || abort "the main window did not come back"
wait_gone "$trainer" || fail "the trainer stayed visible"
answered "$main" || fail "the main window does not answer"
at_trainers_place() {
    read -r mx my _ _ < <(geometry "$main")
    [ "$mx $my" = "$tx $ty" ]
}
within 30 at_trainers_place || fail "the main window came back at $mx,$my, not at the trainer's $tx,$ty"

# The countdown runs now: the row "осталось 60 сек" changes (within a second, on an idle machine).
countdown_row="110x16+494+$((menubar + 274))"
shot velmora_countdown_1.png "$main" "$countdown_row"
countdown_moved() {
    shot velmora_countdown_2.png "$main" "$countdown_row"
    [ "$(pixels_differing "$artifacts/velmora_countdown_1.png" "$artifacts/velmora_countdown_2.png")" -gt 0 ]
}
within 30 countdown_moved || fail "the countdown does not run after the trainer"
shot velmora_after_trainer.png "$main"

# A "75%" lifeline opens its hint window.
click_in "$main" $((248 + 37)) $((menubar + 52))
hint=$(wait_window "75%") || abort "the \"75%\" window did not open"
sleep 0.5
shot velmora_hint75.png "$hint"

# Opened again from the main window's new place, the trainer follows it there.
xdotool windowactivate --sync "$main"
open_trainer

finish "velmora trainer end-to-end: passed"
