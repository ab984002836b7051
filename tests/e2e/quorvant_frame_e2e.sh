#!/bin/bash
# Quorvant's window frame end to end: the real program under Xvfb with openbox (a bare X server
# has no window manager to move or minimise windows), on SDL's silent dummy sound driver. The
# help, credits and contact windows open from the top bar with their own content, centred, and
# close from a click on their picture; a link hands its address to the desktop's opener (here a
# stand-in that records it); a drag on the strip moves the window; minimise and restore work; the
# close button ends the program with exit code 0 and leaves spisok.txt on disk. No window can be
# resized, and the small ones (the message panel too) belong to the main window, so that only it
# is listed as a program.
# Usage: quorvant_frame_e2e.sh GAME_DIR ARTIFACTS_DIR
set -u
source "$(dirname "$0")/lib.sh"
begin_run "$1" "$2/quorvant_frame"
start_display
start_window_manager

# The desktop's opener, replaced by one that records the address it is given.
mkdir -p "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

wm_state() { xprop -id "$1" WM_STATE 2>/dev/null | awk '/window state/{print $NF}'; }

# has_state ID STATE: whether the window manager holds the window in this state (Iconic, Normal).
has_state() { [ "$(wm_state "$1")" = "$2" ]; }

# count_colour FILE COLOUR: the number of pixels of about this colour in the picture.
count_colour() {
    convert "$1" -fuzz 12% -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:
}

pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }

# keeps_size ID WIDTH HEIGHT WHAT: a resize asked of the window manager, and one by Alt and a
# right-button drag from inside the window, leave the window at its size; the window manager
# offers neither resizing nor maximising.
keeps_size() {
    local id=$1 size="$2 x $3" what=$4 l t w h step actions
    xdotool windowsize "$id" $(($2 + 100)) $(($3 + 75))
    read -r l t _ _ <<<"$(geometry "$id")"
    xdotool mousemove $((l + $2 - 20)) $((t + $3 - 20))
    sleep 0.2
    xdotool keydown alt mousedown 3
    for step in 1 2 3 4; do
        xdotool mousemove $((l + $2 - 20 + step * 25)) $((t + $3 - 20 + step * 20))
        sleep 0.1
    done
    xdotool mouseup 3 keyup alt
    sleep 0.5
    read -r _ _ w h <<<"$(geometry "$id")"
    [ "$w x $h" = "$size" ] || fail "$what: resized to $w x $h"
    actions=$(xprop -id "$id" _NET_WM_ALLOWED_ACTIONS 2>/dev/null)
    [[ $actions != *RESIZE* && $actions != *MAXIMIZE* ]] || fail "$what: the window manager offers $actions"
}

# belongs_to_main ID WHAT: the window is transient for the main window and asks task bars and
# window switchers to leave it out.
belongs_to_main() {
    local owner
    owner=$(xprop -id "$1" WM_TRANSIENT_FOR 2>/dev/null | awk '{print $NF}')
    [ "$((owner))" = "$((main))" ] || fail "$2: transient for $owner, not the main window"
    within 30 has_net_state "$1" SKIP_TASKBAR || fail "$2: not kept off the task bar: $(xprop -id "$1" _NET_WM_STATE 2>/dev/null)"
}

# has_net_state ID STATE: the window manager's state list of the window holds _NET_WM_STATE_STATE.
has_net_state() { [[ $(xprop -id "$1" _NET_WM_STATE 2>/dev/null) == *_NET_WM_STATE_$2* ]]; }

copy_game
start_game quorvant

title='Quorvant 2.2'
main=$(wait_window "$title") || abort "the main window did not appear"
answered "$main" || fail "the program does not answer"
sleep 0.5
read -r left top width height <<<"$(geometry "$main")"
[ "$width x $height" = "700 x 550" ] || fail "main window is $width x $height"
screen_w=1280
screen_h=1024
[ "$left $top" = "$(((screen_w - 700) / 2)) $(((screen_h - 550) / 2))" ] || fail "main window not centred: $left $top"

xdotool mousemove 0 0
sleep 0.3
shot top_bar.png "$main" 700x30+0+0
keeps_size "$main" 700 550 "main window"
[[ $(xprop -id "$main" _NET_WM_STATE 2>/dev/null) != *SKIP_TASKBAR* ]] || fail "the main window is kept off the task bar"

# Each information window from its button: the button's client x, the window's title and name.
check_window() {
    local button_x=$1 name=$2 picture=$3 rim=$4 links=$5
    click_at $((left + button_x)) $((top + 14))
    local id wl wt ww wh
    if ! id=$(wait_window "$name"); then
        fail "$picture: $name did not open"
        return
    fi
    answered "$id" || fail "the program does not answer"
    sleep 0.4
    read -r wl wt ww wh <<<"$(geometry "$id")"
    [ "$ww x $wh" = "302 x 202" ] || fail "$picture: window is $ww x $wh"
    [ "$wl $wt" = "$(((screen_w - 302) / 2)) $(((screen_h - 202) / 2))" ] || fail "$picture: not centred: $wl $wt"
    for other in Form2 Form3 Form4; do
        [ "$other" = "$name" ] || ! visible "$other" >/dev/null || fail "$picture: $other is open too"
    done
    belongs_to_main "$id" "$picture"
    keeps_size "$id" 302 202 "$picture"
    read -r wl wt _ _ <<<"$(geometry "$id")"
    [ "$wl $wt" = "$(((screen_w - 302) / 2)) $(((screen_h - 202) / 2))" ] || fail "$picture: moved to $wl $wt"
    shot "$picture.png" "$id"
    [ "$(pixel "$artifacts/$picture.png" 0 100)" = "$rim" ] || fail "$picture: rim $(pixel "$artifacts/$picture.png" 0 100)"
    local yellow aqua
    yellow=$(count_colour "$artifacts/$picture.png" '#ffff00')
    aqua=$(count_colour "$artifacts/$picture.png" '#00ffff')
    [ "$yellow" -gt 300 ] || fail "$picture: no yellow text ($yellow pixels)"
    if [ "$links" = yes ]; then [ "$aqua" -gt 100 ] || fail "$picture: no links ($aqua pixels)"
    else [ "$aqua" -lt 20 ] || fail "$picture: unexpected link colour ($aqua pixels)"; fi
    if [ "$name" = Form2 ]; then
        # The second web link: its address goes to the opener and the window stays.
        click_at $((wl + 1 + 30)) $((wt + 1 + 88))
        within 30 grep -qx 'http://example.org/' "$work/opened" || fail "credits: the link was not opened"
        visible Form2 >/dev/null || fail "credits: a link click closed the window"
    fi
    click_at $((wl + 1 + 282)) $((wt + 1 + 16))  # the close cross drawn in the picture
    wait_gone "$id" || fail "$picture: a click on the picture did not close it"
    visible "$title" >/dev/null || fail "$picture: the main window went away"
}

check_window 97 Form3 help 'srgb(255,255,255)' no
check_window 175 Form2 credits 'srgb(212,208,200)' yes
check_window 267 Form4 contact 'srgb(212,208,200)' yes

# A drag on the strip moves the window with the pointer.
xdotool mousemove $((left + 480)) $((top + 14))
sleep 0.2
xdotool mousedown 1
sleep 0.2
for step in 1 2 3 4; do
    xdotool mousemove $((left + 480 + step * 20)) $((top + 14 + step * 15))
    sleep 0.1
done
sleep 0.2
xdotool mouseup 1
# The program has moved its window when it has handled the drag; the window manager follows.
answered "$main" || fail "the program does not answer"
moved_by_drag() {
    read -r moved_left moved_top _ <<<"$(geometry "$main")"
    [ "$moved_left $moved_top" = "$((left + 80)) $((top + 60))" ]
}
within 30 moved_by_drag ||
    fail "the drag moved the window from $left $top to $moved_left $moved_top, not by 80 60"
left=$moved_left
top=$moved_top

# Minimise from its button, then restore as the desktop does.
click_at $((left + 662)) $((top + 15))
within 30 has_state "$main" Iconic || fail "minimise: the window state is $(wm_state "$main")"
xdotool windowactivate "$main" 2>/dev/null
within 30 has_state "$main" Normal || fail "restore: the window state is $(wm_state "$main")"
wait_window "$title" >/dev/null || fail "restore: the main window did not come back"
sleep 0.5

# A game, then the close button: the program ends at once with exit code 0, the list stays.
click_at $((left + 30)) $((top + 14))
within 30 test -s "$work/game/spisok.txt" || fail "Start wrote no spisok.txt"

# The message panel from a lifeline: it belongs to the main window too, stays on top, keeps its size.
click_at $((left + 71)) $((top + 204))
if panel=$(wait_window Form5 30); then
    sleep 0.4
    belongs_to_main "$panel" "message panel"
    within 30 has_net_state "$panel" ABOVE || fail "message panel: not on top"
    keeps_size "$panel" 302 202 "message panel"
    read -r pl pt _ _ <<<"$(geometry "$panel")"
    click_at $((pl + 150)) $((pt + 40))
    wait_gone "$panel" 30 || fail "message panel: a click on the picture did not close it"
else
    fail "the message panel did not open"
fi
click_at $((left + 684)) $((top + 15))
if game_ended 30; then
    [ "$exit_code" -eq 0 ] || fail "the program ended with exit code $exit_code"
else
    fail "the close button did not end the program"
fi
lines=$(grep -c '' "$work/game/spisok.txt" 2>/dev/null || echo 0)
[ "$lines" -eq 15 ] || fail "spisok.txt has $lines lines after closing"

finish "quorvant frame: all checks passed; screenshots in $artifacts"
