#!/bin/bash
# Quorvant's lifelines, message panel and sound switch end to end: the real program under Xvfb
# with openbox, on SDL's silent dummy sound driver. In a game the specialist's and the audience's
# answers appear in the message panel at the centre of the screen; a click on the panel's text
# leaves it open and a click on its picture closes it; the sound switch goes off and on without an
# error box. Without its music file the program ends with exit code 1 before any window shows.
# Usage: quorvant_lifelines_e2e.sh GAME_DIR ARTIFACTS_DIR
set -u
game_dir=$(realpath "$1")
artifacts=$2/quorvant
mkdir -p "$artifacts"
work=$(mktemp -d)
xvfb_pid=
wm_pid=
game_pid=
failures=0

cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")
export QT_QPA_PLATFORM=xcb
export SDL_AUDIODRIVER=dummy
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
sleep 1

title='Quorvant 2.2'

# windows TITLE: the ids of the visible windows with exactly this title.
windows() {
    local pattern
    pattern=$(printf '%s' "$1" | sed 's/[][()*+?.^$|{}\\]/\\&/g')
    xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null
}

# geometry ID: "left top width height" as the X server places the window.
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
                             /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}

# window_of_size TITLE WIDTH HEIGHT [SECONDS]: waits for such a window and prints its id.
window_of_size() {
    for _ in $(seq $(( ${4:-10} * 10 ))); do
        for id in $(windows "$1"); do
            read -r _ _ w h < <(geometry "$id")
            [ "$w $h" = "$2 $3" ] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

# first_window TITLE [SECONDS]: waits for any window with this title and prints its id.
first_window() {
    for _ in $(seq $(( ${2:-10} * 10 ))); do
        windows "$1" | head -n1 | grep . && return 0
        sleep 0.1
    done
    return 1
}

# gone ID [SECONDS]: waits until the window is no longer shown.
gone() {
    for _ in $(seq $(( ${2:-5} * 10 ))); do
        xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' || return 0
        sleep 0.1
    done
    return 1
}

# click ID X Y: a left click at a point of the window's client area.
click() {
    read -r left top _ _ < <(geometry "$1")
    xdotool mousemove $((left + $2)) $((top + $3))
    sleep 0.2
    xdotool click 1
    sleep 0.4
}

# shot ID FILE [CROP]: a screenshot of the window, or of the part WxH+X+Y of it.
shot() {
    import -window "$1" ${3:+-crop "$3"} +repage "$artifacts/$2"
}

# yellow_pixels FILE: how many pixels of the picture are the panel text's yellow.
yellow_pixels() {
    convert "$1" -fx 'r > 0.8 && g > 0.8 && b < 0.35 ? 1 : 0' -format '%[fx:round(mean*w*h)]' info:
}

prepare() {
    rm -rf "$work/game"
    cp -r "$game_dir" "$work/game"
}

start_game() {
    (cd "$work/game" && exec timeout 120 ./quorvant >"$work/game.log" 2>&1) &
    game_pid=$!
}

stop_game() {
    kill "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
    game_pid=
}

# 1. A game with the lifelines and the message panel, and the sound switch.
prepare
start_game
if main=$(window_of_size "$title" 700 550 15); then
    sleep 0.5
    shot "$main" lifelines_before.png 90x160+26+124
    click "$main" 31 15                 # Start
    click "$main" 71 204                # call a specialist
    if panel=$(window_of_size Form5 302 202 5); then
        sleep 0.3
        read -r left top _ _ < <(geometry "$panel")
        [ "$left $top" = "489 411" ] || fail "the panel is at $left,$top, not at the centre of the screen (489,411)"
        shot "$panel" panel_specialist.png
        [ "$(yellow_pixels "$artifacts/panel_specialist.png")" -gt 150 ] || fail "no specialist's text in the panel"
        click "$panel" 150 130          # on the text: stays open
        gone "$panel" 1 && fail "a click on the panel's text closed it"
        click "$main" 72 255            # help from outside, into the open panel
        sleep 0.3
        shot "$panel" panel_audience.png
        compare -metric AE "$artifacts/panel_specialist.png" "$artifacts/panel_audience.png" null: 2>"$work/diff"
        [ "$(cut -d' ' -f1 <"$work/diff")" -gt 100 ] || fail "the audience's vote did not replace the specialist's text"
        [ "$(yellow_pixels "$artifacts/panel_audience.png")" -gt 150 ] || fail "no audience's vote in the panel"
        click "$panel" 150 40           # on the picture, above the text: closes
        gone "$panel" 3 || fail "a click on the panel's picture did not close it"
    else
        fail "the specialist's answer did not open the message panel"
    fi
    click "$main" 72 150                # 50/50
    xdotool mousemove 400 80            # off the column, so that no hover look shows
    sleep 0.3
    shot "$main" lifelines_used.png 90x160+26+124
    compare -metric AE "$artifacts/lifelines_before.png" "$artifacts/lifelines_used.png" null: 2>"$work/diff"
    [ "$(cut -d' ' -f1 <"$work/diff")" -gt 1000 ] || fail "the spent lifelines do not show their used looks"

    shot "$main" switch_on.png 45x36+648+508
    click "$main" 670 526               # sound off
    shot "$main" switch_off.png 45x36+648+508
    click "$main" 670 526               # and on again
    [ "$(windows "$title" | wc -l)" -eq 1 ] || fail "an error box opened at the sound switch"
    compare -metric AE "$artifacts/switch_on.png" "$artifacts/switch_off.png" null: 2>"$work/diff"
    [ "$(cut -d' ' -f1 <"$work/diff")" -gt 100 ] || fail "the sound switch did not show its off look"
    shot "$main" main_window_after_lifelines.png
    kill -0 "$game_pid" 2>/dev/null || fail "the program ended during the game"
else
    fail "the main window did not appear"
fi
stop_game

# 2. Without forhim2.wav: an error box naming the file, exit code 1, and no game window.
prepare
rm "$work/game/forhim2.wav"
start_game
if box=$(first_window "$title" 15); then
    sleep 0.3
    read -r _ _ width height < <(geometry "$box")
    [ "$width $height" != "700 550" ] || fail "the main window showed without its music"
    shot "$box" missing_music_error.png
    xdotool key --window "$box" Return 2>/dev/null  # the box is gone before the key is let go
    for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
    wait "$game_pid"
    code=$?
    game_pid=
    [ "$code" -eq 1 ] || fail "the program ended with exit code $code, not 1"
    grep -q '"forhim2.wav"' "$work/game.log" || fail "the error does not name forhim2.wav"
else
    fail "no error box without forhim2.wav"
fi
stop_game

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed; screenshots in $artifacts"
    exit 1
fi
echo "quorvant lifelines end to end: all checks passed; screenshots in $artifacts"
