#!/bin/bash
# Quorvant's lifelines, message panel and sound switch end to end: the real program under Xvfb
# with openbox, on SDL's silent dummy sound driver. In a game the specialist's and the audience's
# answers appear in the message panel at the centre of the screen; a click on the panel's text
# leaves it open and a click on its picture closes it; the sound switch goes off and on without an
# error box. Without its music file the program ends with exit code 1 before any window shows.
# Usage: quorvant_lifelines_e2e.sh GAME_DIR ARTIFACTS_DIR
set -u
source "$(dirname "$0")/lib.sh"
begin_run "$1" "$2/quorvant"
start_display
start_window_manager

title='Quorvant 2.2'

# window_of_size TITLE WIDTH HEIGHT: the id of a visible window with this title and size.
window_of_size() {
    local id w h
    for id in $(windows "$1"); do
        read -r _ _ w h < <(geometry "$id")
        [ "$w $h" = "$2 $3" ] && { echo "$id"; return 0; }
    done
    return 1
}

# yellow_pixels FILE: how many pixels of the picture are the panel text's yellow.
yellow_pixels() {
    convert "$1" -fx 'r > 0.8 && g > 0.8 && b < 0.35 ? 1 : 0' -format '%[fx:round(mean*w*h)]' info:
}

# 1. A game with the lifelines and the message panel, and the sound switch.
copy_game
start_game quorvant
if main=$(within 30 window_of_size "$title" 700 550); then
    answered "$main" || fail "the program does not answer"
    sleep 0.5
    shot lifelines_before.png "$main" 90x160+26+124
    click_in "$main" 31 15              # Start
    click_in "$main" 71 204             # call a specialist
    if panel=$(within 30 window_of_size Form5 302 202); then
        answered "$panel" || fail "the program does not answer"
        sleep 0.3
        read -r left top _ _ < <(geometry "$panel")
        [ "$left $top" = "489 411" ] || fail "the panel is at $left,$top, not at the centre of the screen (489,411)"
        shot panel_specialist.png "$panel"
        [ "$(yellow_pixels "$artifacts/panel_specialist.png")" -gt 150 ] || fail "no specialist's text in the panel"
        click_in "$panel" 150 130       # on the text: stays open
        wait_gone "$panel" 1 && fail "a click on the panel's text closed it"
        click_in "$main" 72 255         # help from outside, into the open panel
        sleep 0.3
        shot panel_audience.png "$panel"
        [ "$(pixels_differing "$artifacts/panel_specialist.png" "$artifacts/panel_audience.png")" -gt 100 ] ||
            fail "the audience's vote did not replace the specialist's text"
        [ "$(yellow_pixels "$artifacts/panel_audience.png")" -gt 150 ] || fail "no audience's vote in the panel"
        click_in "$panel" 150 40        # on the picture, above the text: closes
        wait_gone "$panel" || fail "a click on the panel's picture did not close it"
    else
        fail "the specialist's answer did not open the message panel"
    fi
    click_in "$main" 72 150             # 50/50
    xdotool mousemove 400 80          # off the column, so that no hover look shows
    answered "$main" || fail "the program does not answer"
    sleep 0.3
    shot lifelines_used.png "$main" 90x160+26+124
    [ "$(pixels_differing "$artifacts/lifelines_before.png" "$artifacts/lifelines_used.png")" -gt 1000 ] ||
        fail "the spent lifelines do not show their used looks"

    shot switch_on.png "$main" 45x36+648+508
    click_in "$main" 670 526            # sound off
    shot switch_off.png "$main" 45x36+648+508
    click_in "$main" 670 526            # and on again
    [ "$(windows "$title" | wc -l)" -eq 1 ] || fail "an error box opened at the sound switch"
    [ "$(pixels_differing "$artifacts/switch_on.png" "$artifacts/switch_off.png")" -gt 100 ] ||
        fail "the sound switch did not show its off look"
    shot main_window_after_lifelines.png "$main"
    game_running || fail "the program ended during the game"
else
    fail "the main window did not appear"
fi
stop_game

# 2. Without forhim2.wav: an error box naming the file, exit code 1, and no game window.
copy_game
rm "$work/game/forhim2.wav"
start_game quorvant
if box=$(wait_window "$title"); then
    sleep 0.3
    read -r _ _ width height < <(geometry "$box")
    [ "$width $height" != "700 550" ] || fail "the main window showed without its music"
    shot missing_music_error.png "$box"
    accept_box "$box"
    if game_ended 30; then
        [ "$exit_code" -eq 1 ] || fail "the program ended with exit code $exit_code, not 1"
    else
        fail "the program did not end after the error box"
    fi
    grep -q '"forhim2.wav"' "$work/game.log" || fail "the error does not name forhim2.wav"
else
    fail "no error box without forhim2.wav"
fi
stop_game

finish "quorvant lifelines end to end: all checks passed; screenshots in $artifacts"
