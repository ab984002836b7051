#!/bin/bash
# Quorvant with files that are no plain files, and with pictures that would cost too much, the real
# program under Xvfb:
# - a named pipe for bank0.txt or bank.txt is refused at Start in the error box, and the program
#   goes on as without the bank (before, Start waited in the open for good); a pipe for the
#   question list is deleted and the list written anew; a folder for it gives the box;
# - a damaged picture in place of the help button's hover look (2000 empty scans; a few bytes
#   claiming 8192 x 7812 pixels; a real picture of 8000 x 8000) gives the box at the hover and
#   costs little: the processor time and the rise of the peak memory are printed and checked.
# Usage: quorvant_files_e2e.sh GAME_DIR ARTIFACTS_DIR
set -u
source "$(dirname "$0")/lib.sh"
begin_run "$1" "$2/quorvant_files"
start_display
title='Quorvant 2.2'

# start_quorvant: the program in $work/game, its main window in $main.
start_quorvant() {
    start_game quorvant
    main=$(wait_window "$title") || abort "the main window did not appear"
    answered "$main" || abort "the main window does not answer"
}

click_start() { click_in "$main" 30 14; }

# 1. Named pipes for the banks: the box at Start, and the program goes on.
for bank in bank0.txt bank.txt; do
    copy_game
    rm "$work/game/$bank"
    mkfifo "$work/game/$bank"
    start_quorvant
    click_start
    if box=$(error_box); then
        shot "pipe_$bank.png" "$box"
        accept_box "$box" || fail "$bank: the error box did not close"
        answered "$main" || fail "$bank: the program does not answer after the box"
    else
        fail "$bank: no error box at Start"
    fi
    stop_game
done

# 2. The question list: a pipe in its place is deleted like the old list; a folder is refused.
copy_game
mkfifo "$work/game/spisok.txt"
start_quorvant
click_start
! shown_dialog >/dev/null || fail "spisok.txt: an error box at Start over a pipe"
[ -f "$work/game/spisok.txt" ] && [ "$(grep -c $'\r' "$work/game/spisok.txt")" = 15 ] ||
    fail "spisok.txt: no list of 15 lines in place of the pipe"
stop_game
copy_game
mkdir "$work/game/spisok.txt"
start_quorvant
click_start
if box=$(error_box); then
    accept_box "$box" || fail "spisok.txt folder: the error box did not close"
    answered "$main" || fail "spisok.txt folder: the program does not answer after the box"
else
    fail "spisok.txt folder: no error box at Start"
fi
stop_game

# 3. Damaged pictures, made from a small progressive one: ten scans of 16 x 16 pixels.
convert -size 16x16 xc:navy -interlace JPEG -sampling-factor 1x1 "$work/small.jpg"
python3 - "$work" <<'PY'
import sys
folder = sys.argv[1]
small = open(f'{folder}/small.jpg', 'rb').read()

def claiming(width, height):
    frame = small.index(b'\xff\xc2')
    return small[:frame + 5] + height.to_bytes(2, 'big') + width.to_bytes(2, 'big') + small[frame + 9:]

# A scan without data: the first scan of the three components' DC coefficients, again.
empty_scan = bytes.fromhex('ffda000c03010002110311000000')
def with_empty_scans(picture, count):
    return picture[:-2] + empty_scan * count + picture[-2:]

open(f'{folder}/scans.jpg', 'wb').write(with_empty_scans(claiming(8000, 8000), 2000))
open(f'{folder}/scans4096.jpg', 'wb').write(with_empty_scans(claiming(4096, 4096), 2000))
open(f'{folder}/tiny.jpg', 'wb').write(claiming(8192, 7812))
PY
# The pixel cache on disk: made in memory, the picture would take 700 MB.
convert -limit memory 32MiB -limit map 64MiB -size 8000x8000 xc:navy -quality 80 "$work/real.jpg"

clock_ticks=$(getconf CLK_TCK)
processor_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
status_mb() { awk -v field="$2:" '$1 == field {print int($2 / 1024)}' "/proc/$1/status"; }

# hover_cost PICTURE: the program with PICTURE as the help button's hover look; the pointer passes
# over the button. Prints the processor time of the hover and how far the peak memory rose above
# what the program held before, and checks them against about a second and 200 MB.
hover_cost() {
    copy_game
    cp "$work/$1" "$work/game/images/about2.jpg"
    start_quorvant
    local pid left top ticks memory seconds rise
    pid=$(program_pid)
    read -r left top _ _ < <(geometry "$main")
    xdotool mousemove $((left + 350)) $((top + 200))
    answered "$main"
    ticks=$(processor_ticks "$pid")
    echo 5 >"/proc/$pid/clear_refs"  # the peak from here on
    memory=$(status_mb "$pid" VmRSS)
    xdotool mousemove $((left + 97)) $((top + 15))
    sleep 0.5
    answered "$main" 120 || fail "$1: the program did not answer for two minutes"
    box=$(error_box 5) || fail "$1: no error box at the hover"
    seconds=$(awk -v t=$(($(processor_ticks "$pid") - ticks)) -v hz="$clock_ticks" 'BEGIN {printf "%.2f", t / hz}')
    rise=$(($(status_mb "$pid" VmHWM) - memory))
    echo "about2.jpg as $1: ${seconds} s of processor time, peak memory ${rise} MB above the ${memory} MB before"
    awk -v s="$seconds" 'BEGIN {exit !(s < 2)}' || fail "$1: the hover took ${seconds} s of processor time"
    [ "$rise" -lt 200 ] || fail "$1: the hover took $rise MB"
    if [ -n "$box" ]; then
        shot "picture_${1%.jpg}.png" "$box"
        xdotool mousemove $((left + 350)) $((top + 200))
        accept_box "$box" || fail "$1: the error box did not close"
    fi
    stop_game
}
for picture in scans.jpg scans4096.jpg tiny.jpg real.jpg; do hover_cost "$picture"; done

finish "quorvant with pipes and costly pictures: all checks passed; screenshots in $artifacts"
