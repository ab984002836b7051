#!/usr/bin/env bash
# The trainer window of the real Velmora program under Xvfb with openbox: "Тренажер" opens it in the
# main window's place and hides the main window; an answer adds a line to the log; closing it brings
# the main window back at the trainer's place with the countdown running; a "75%" lifeline then
# opens its hint window. Screenshots go to the artifacts folder.
# Usage: velmora_trainer_e2e.sh <game folder> <artifacts folder>
set -euo pipefail
game=$(cd "$1" && pwd)
artifacts=$2
mkdir -p "$artifacts"
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A display of our own: Xvfb picks a free number and writes it when it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(head -1 "$work/display")
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

# The player's folder: the shipped data, so the build's own stat.txt stays untouched.
mkdir "$work/play"
cp "$game/base.txt" "$game/stat.txt" "$work/play/"
(cd "$work/play" && exec "$game/velmora") >"$work/velmora.log" 2>&1 &
velmora=$!
pids+=($velmora)

# Polls for a visible window whose whole title matches the pattern; prints its id.
window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}
# x y width height of a window's client area on the screen (right under a reparenting manager).
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                              /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}
shot() { import -window root "$work/screen.png"; }
# Saves the part of the last screenshot that a window covers.
keep() {
    local x y w h
    read -r x y w h < <(geometry "$1")
    convert "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$artifacts/$2"
}
# The darkest grey level (0..1) in a rectangle of the last screenshot.
darkest() { convert "$work/screen.png" -crop "$3x$4+$1+$2" +repage -colorspace Gray -format '%[fx:minima]' info:; }
click() {
    xdotool mousemove --sync "$1" "$2"
    xdotool click 1
}

main=$(window Velmora) || fail "the main window did not appear"
read -r mx my mw mh < <(geometry "$main")
menubar=$((mh - 473))  # the client area of the design is 473 high, below the menu bar

# "Новая игра" → "Тренажер": the trainer takes the main window's place.
open_trainer() {
    click $((mx + 30)) $((my + menubar / 2))
    sleep 0.5
    xdotool key Down
    sleep 0.2
    xdotool key Down
    sleep 0.2
    xdotool key Return
    trainer=$(window "Velmora \\(тренажер\\)") || fail "the trainer did not open"
    gone Velmora || fail "the main window stayed visible"
    read -r tx ty tw th < <(geometry "$trainer")
    [ "$tx $ty" = "$mx $my" ] || fail "the trainer opened at $tx,$ty, not at the main window's $mx,$my"
    [ "$tw $th" = "666 490" ] || fail "the trainer's client area is ${tw}x${th}"
}
open_trainer

# An answer: the log's first line, empty before, gets text.
sleep 0.5
shot
keep "$trainer" velmora_trainer_opened.png
before=$(darkest $((tx + 12)) $((ty + 10)) 500 14)
click $((tx + 36)) $((ty + 372))
sleep 0.5
shot
keep "$trainer" velmora_trainer.png
after=$(darkest $((tx + 12)) $((ty + 10)) 500 14)
awk -v b="$before" -v a="$after" 'BEGIN { exit !(b > 0.9 && a < 0.5) }' ||
    fail "no line in the log after an answer (darkest grey $before before, $after after)"

# Closing the trainer elsewhere on the screen brings the main window back there.
opened_at="$tx $ty"
xdotool windowmove --sync "$trainer" 150 90 || true
sleep 0.5
read -r tx ty _ _ < <(geometry "$trainer")
[ "$tx $ty" != "$opened_at" ] || fail "the trainer could not be moved"
xdotool windowactivate --sync "$trainer"
xdotool key alt+F4
main=$(window Velmora) || fail "the main window did not come back"
gone "Velmora \\(тренажер\\)" || fail "the trainer stayed visible"
sleep 0.5
read -r mx my _ _ < <(geometry "$main")
[ "$mx $my" = "$tx $ty" ] || fail "the main window came back at $mx,$my, not at the trainer's $tx,$ty"

# The countdown runs now: the row "осталось 60 сек" changes within two seconds.
row() { convert "$work/screen.png" -crop "110x16+$((mx + 494))+$((my + menubar + 274))" +repage "$work/row$1.png"; }
shot
row 1
sleep 2.2
shot
row 2
keep "$main" velmora_after_trainer.png
[ "$(compare -metric AE "$work/row1.png" "$work/row2.png" null: 2>&1 || true)" != 0 ] ||
    fail "the countdown does not run after the trainer"

# A "75%" lifeline opens its hint window.
click $((mx + 248 + 37)) $((my + menubar + 52))
hint=$(window "75%") || fail "the \"75%\" window did not open"
sleep 0.5
shot
keep "$hint" velmora_hint75.png

# Opened again from the main window's new place, the trainer follows it there.
xdotool windowactivate --sync "$main"
open_trainer

kill "$velmora" 2>/dev/null || true
echo "velmora trainer end-to-end: passed"
