# Helpers shared by the end-to-end runs, which drive the real programs with xdotool on an X
# display of their own. A run sources this file, calls begin_run and start_display (and
# start_window_manager when it needs one), then works on a copy of the game folder in $work/game.
# Everything here holds under "set -euo pipefail" as well as under plain "set -u".

# begin_run GAME_DIR ARTIFACTS_DIR: the scratch folder $work, the failure count, and the cleanup
# of both at exit.
begin_run() {
    game_dir=$(realpath "$1")
    artifacts=$2
    # The build's own probe, unless the test run names one.
    X_PROBE=${X_PROBE:-$game_dir/../../tests/x_probe}
    mkdir -p "$artifacts"
    work=$(mktemp -d)
    failures=0
    xvfb_pid=
    wm_pid=
    game_pid=
    trap end_run EXIT
}

# end_run: stops whatever the run started and removes its scratch folder.
end_run() {
    local pid
    for pid in "$game_pid" "$wm_pid" "$xvfb_pid"; do
        [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}

# fail MESSAGE: reports a failed check and counts it; the run goes on.
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# abort MESSAGE: reports a failed check that the rest of the run depends on, and ends the run.
abort() {
    echo "FAIL: $*"
    show_game_log
    exit 1
}

# finish PASSED_MESSAGE: ends the run, failed if any check failed.
finish() {
    check_released "at the end of the run"
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed; screenshots in $artifacts"
        show_game_log
        exit 1
    fi
    echo "$1"
}

# show_game_log: what the program wrote, to tell why a check failed.
show_game_log() {
    [ ! -s "$work/game.log" ] || cat "$work/game.log"
}

# within SECONDS COMMAND...: retries the command every tenth of a second until it succeeds or the
# time is over. Its output passes through, its errors do not.
within() {
    local tries=$(($1 * 10)) _
    shift
    for _ in $(seq "$tries"); do
        "$@" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# start_display: an Xvfb of 1280 x 1024 on a display number it finds free itself. The programs
# draw on it through xcb and play their sounds to SDL's silent driver. Without -noreset the server
# resets itself whenever its last client leaves, and refuses whoever connects during the reset: a
# program starting just as one of the runs' xdotool calls ends would die with "could not connect
# to display" (the more often, the busier the machine).
start_display() {
    Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    within 60 test -s "$work/display" || abort "Xvfb did not start"
    DISPLAY=:$(head -n1 "$work/display")
    export DISPLAY QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
    within 60 xprop -root WM_NAME >/dev/null || abort "Xvfb does not answer on $DISPLAY"
}

# start_window_manager: openbox, for the runs whose windows are moved, minimised or framed (a bare
# X server does none of that); waits until it manages the display.
start_window_manager() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    within 60 window_manager_running || abort "openbox did not start"
}

# window_manager_running: whether a window manager has announced itself on the display.
window_manager_running() {
    [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]]
}

# copy_game: a fresh copy of the game folder at $work/game, so the build's own files stay as they are.
copy_game() {
    rm -rf "$work/game"
    cp -r "$game_dir" "$work/game"
}

# start_game PROGRAM [SECONDS]: runs the program in the copy, its output in $work/game.log; it is
# killed after SECONDS (120 unless told) should it hang.
start_game() {
    (cd "$work/game" && exec timeout "${2:-120}" "./$1" >"$work/game.log" 2>&1) &
    game_pid=$!
}

# stop_game: ends the program and waits for it.
stop_game() {
    [ -n "$game_pid" ] || return 0
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=
}

# program_pid: the program's own process (start_game runs it under timeout).
program_pid() { cat "/proc/$game_pid/task/$game_pid/children" 2>/dev/null | tr -d ' '; }

# shown_dialog: the id of a dialog box of the program on screen; fails if there is none.
shown_dialog() {
    local pid
    pid=$(program_pid)
    [ -n "$pid" ] && "$X_PROBE" windows "$pid" | awk '$2 == 1 && $3 == 1 {print $1; found = 1} END {exit !found}'
}

# error_box [SECONDS]: waits (30 s unless told) for a dialog box of the program and prints its id.
error_box() { within "${1:-30}" shown_dialog; }

# game_running, game_stopped: whether the program started last still runs.
game_running() { kill -0 "$game_pid" 2>/dev/null; }
game_stopped() { ! game_running; }

# game_ended SECONDS: waits for the program to end by itself and sets exit_code to its exit code;
# fails if it still runs after SECONDS.
game_ended() {
    within "$1" game_stopped || return 1
    # shellcheck disable=SC2034  # read by the caller
    wait "$game_pid" && exit_code=0 || exit_code=$?
    game_pid=
}

# windows TITLE: the ids of the visible windows whose whole title is TITLE, taken literally.
windows() {
    local pattern
    pattern=$(printf '%s' "$1" | sed 's/[][()*+?.^$|{}\\]/\\&/g')
    xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null || true
}

# visible TITLE: the id of a visible window with this title; fails if there is none.
visible() {
    local id
    id=$(windows "$1" | head -n1)
    [ -n "$id" ] || return 1
    echo "$id"
}

# wait_window TITLE [SECONDS]: waits (30 s unless told) for a visible window with this title and
# prints its id.
wait_window() { within "${2:-30}" visible "$1"; }

# hidden ID: whether the window is not shown (unmapped, minimised or destroyed).
hidden() { [[ $(xwininfo -id "$1" 2>/dev/null) != *IsViewable* ]]; }

# wait_gone ID [SECONDS]: waits (30 s unless told) until the window is no longer shown.
wait_gone() { within "${2:-30}" hidden "$1"; }

# accept_box ID: Enter on an error box until it closes (15 times at most). A box takes the key
# only once it is the active window, which can come a while after it shows.
accept_box() {
    local _
    for _ in $(seq 15); do
        hidden "$1" && return 0
        press_in "$1" Return
        wait_gone "$1" 2 && return 0
    done
    return 1
}

# press_in ID KEY: gives the window the focus and presses and releases the key there. The key goes
# to the focus, not to the window: xdotool, sending a key for a window that the press closes, dies
# with BadWindow before the release and leaves the key held on the X server.
press_in() {
    xdotool windowfocus "$1" 2>/dev/null && xdotool key "$2"
}

# held: the keys and mouse buttons held down on the X server, one a line ("key CODE", "button N").
held() { "$X_PROBE" held; }

# check_released WHEN: fails if a key or mouse button is still held down, and releases it. Every
# press the runs send comes with its release; one left held would act on by itself afterwards (a
# held Enter repeats).
check_released() {
    local still kind number
    still=$(held) || return 0  # no display to ask: nothing the runs could hold
    [ -n "$still" ] || return 0
    fail "held down $1:"$'\n'"$still"
    while read -r kind number; do
        if [ "$kind" = key ]; then xdotool keyup "$number"; else xdotool mouseup "$number"; fi
    done <<<"$still"
}

# answered ID [SECONDS]: waits (30 s unless told) until the program that shows the window has
# handled all input sent to it so far, and has drawn what that input changed; fails if it does not
# answer in time or the window is gone.
answered() { "$X_PROBE" ping "$1" "${2:-30}"; }

# geometry ID: "left top width height" of a window's client area as the X server places it, also
# when a window manager has put it into a frame.
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
                             /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}

# click_at X Y: a left click at a point of the screen, and time for the program to answer it.
click_at() {
    xdotool mousemove "$1" "$2"
    sleep 0.2
    xdotool click 1
    sleep 0.4
}

# click_in ID X Y: a left click at a point of the window's client area, and the program's handling
# of it (unless the click closed the window).
click_in() {
    local left top
    read -r left top _ _ < <(geometry "$1")
    click_at $((left + $2)) $((top + $3))
    answered "$1" || true
}

# shot FILE [WINDOW [CROP]]: a picture of the screen, of a window, or of the part WxH+X+Y of the
# window, saved as FILE in the artifacts folder. A window no longer shown is refused here, since
# import would wait for a window to be picked by hand.
shot() {
    if [ "${2:-root}" != root ] && hidden "$2"; then
        fail "no screenshot $1: window $2 is not shown"
        return
    fi
    import -window "${2:-root}" ${3:+-crop "$3"} +repage "$artifacts/$1" 2>/dev/null || fail "no screenshot $1"
}

# pixels_differing PICTURE PICTURE: how many pixels differ between two pictures of the same size.
pixels_differing() {
    { compare -metric AE "$1" "$2" null: 2>&1 >/dev/null || true; } | cut -d' ' -f1
}

# velmora_menu_bar ID: the height of the menu bar of Velmora's main window, whose client area of
# 666 x 473 lies below it.
velmora_menu_bar() {
    local height
    read -r _ _ _ height < <(geometry "$1")
    echo $((height - 473))
}
