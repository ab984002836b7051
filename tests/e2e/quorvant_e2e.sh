#!/bin/bash
# Quorvant end to end: the real program under Xvfb in a copy of its game folder with banks made
# for the test, driven with xdotool. Start draws spisok.txt from the right blocks; the right
# answers (read by decoding spisok.txt) keep the game running, which a Start during the game
# shows by leaving spisok.txt as it is; a wrong answer and stop-and-take end it, so the next
# Start writes a new list. Screenshots go to the artifacts folder.
# Usage: quorvant_e2e.sh GAME_DIR ARTIFACTS_DIR
set -u
game_dir=$(realpath "$1")
artifacts=$2/quorvant
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
export SDL_AUDIODRIVER=dummy

# The game folder, with banks of 50 and 150 lines: line k of a bank has its right answer at
# letter k mod 4 + 1, stored with the inverse of the game's decoding.
cp -r "$game_dir" "$work/game"
rm -f "$work/game/spisok.txt"
python3 - "$work/game" <<'PY'
import sys, os
def store(text):
    return bytes(d + 22 if d <= 233 else d - 202 for d in text.encode('cp1251'))
for name, level, count in (('bank0.txt', 'Лёгкий', 50), ('bank.txt', 'Трудный', 150)):
    with open(os.path.join(sys.argv[1], name), 'wb') as bank:
        for k in range(1, count + 1):
            right = k % 4 + 1
            answers = ''.join(('#' if n == right else '') + f'Ответ {"АБВГ"[n - 1]}{k}*' for n in range(1, 5))
            bank.write(store(f'{level} вопрос номер {k}: где правильный ответ?*заметка*{answers}') + b'\r\n')
PY

# right_letter N: the right answer's letter number (1..4) of line N of spisok.txt.
right_letter() {
    python3 - "$work/game/spisok.txt" "$1" <<'PY'
import sys
line = open(sys.argv[1], 'rb').read().split(b'\r\n')[int(sys.argv[2]) - 1]
fields = bytes(32 + (c - 54) % 224 for c in line).split(b'*')[:-1]
print([n for n in range(1, 5) if fields[n + 1].startswith(b'#')][-1])
PY
}

# The draw: line k from block k of its bank (blocks of 10 in bank0.txt, 15 in bank.txt).
check_blocks() {
    python3 - "$work/game" <<'PY'
import sys, os
read = lambda name: open(os.path.join(sys.argv[1], name), 'rb').read().split(b'\r\n')[:-1]
drawn, bank0, bank = read('spisok.txt'), read('bank0.txt'), read('bank.txt')
ok = len(drawn) == 15
ok = ok and all(drawn[k] in bank0[10 * k:10 * k + 10] for k in range(5))
ok = ok and all(drawn[5 + k] in bank[15 * k:15 * k + 15] for k in range(10))
sys.exit(0 if ok else 1)
PY
}

list_sum() { md5sum "$work/game/spisok.txt" 2>/dev/null | cut -d' ' -f1; }

# wait_list_change OLD: waits up to 10 s for spisok.txt to hold 15 lines with another checksum.
wait_list_change() {
    for _ in $(seq 100); do
        if [ -f "$work/game/spisok.txt" ] && [ "$(list_sum)" != "$1" ] &&
           [ "$(grep -c $'\r' "$work/game/spisok.txt")" = 15 ]; then return 0; fi
        sleep 0.1
    done
    return 1
}

cd "$work/game"
timeout 240 ./quorvant >"$work/out.log" 2>&1 &
game_pid=$!
win=
for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --name '^Quorvant 2\.2$' 2>/dev/null | head -n1)
    [ -n "$win" ] && break
    sleep 0.1
done
[ -n "$win" ] || { echo "FAIL: the main window did not open"; cat "$work/out.log"; exit 1; }
sleep 1
read -r left top width height < <(xwininfo -id "$win" | awk '/Absolute upper-left X/{x=$NF}
    /Absolute upper-left Y/{y=$NF} /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}')
[ "$width $height" = "700 550" ] || fail "window is ${width}x$height, not 700x550"
[ "$left $top" = "290 237" ] || fail "window at $left,$top, not centred at 290,237"

# click X Y: a left click at a point of the window's client area.
click() {
    xdotool mousemove $((left + $1)) $((top + $2))
    sleep 0.2
    xdotool click 1
}
click_start() { click 30 14; }
click_stop() { click 70 95; }
answer_x=(0 200 497 200 497)
answer_y=(0 460 460 504 504)
click_answer() { click "${answer_x[$1]}" "${answer_y[$1]}"; }
shot() { import -window root "$artifacts/$1.png" 2>/dev/null || fail "no screenshot $1"; }

shot ready
click_start
wait_list_change "" || fail "Start wrote no list of 15 lines"
check_blocks || fail "spisok.txt does not hold one line from each block"
sleep 0.5
shot question1

# Two right answers; the praise is painted during the waits.
for question in 1 2; do
    letter=$(right_letter $question)
    click_answer "$letter"
    sleep 2.6
    [ $question = 1 ] && shot praise
    sleep 3
done
shot question3
before=$(list_sum)
click_start
sleep 1
[ "$(list_sum)" = "$before" ] || fail "Start during a game changed spisok.txt"

# A wrong answer ends the game: the next Start writes a new list.
click_answer $(( $(right_letter 3) % 4 + 1 ))
sleep 5.2
shot lost
click_start
wait_list_change "$before" || fail "Start after a loss wrote no new list"
check_blocks || fail "the new spisok.txt does not hold one line from each block"

# Stop-and-take ends the game too.
sleep 0.5
before=$(list_sum)
click_stop
sleep 0.5
shot stopped
click_start
wait_list_change "$before" || fail "Start after stop wrote no new list"

kill -0 "$game_pid" 2>/dev/null || fail "the program ended"
if [ "$failures" -ne 0 ]; then
    cat "$work/out.log"
    exit 1
fi
echo "quorvant e2e: all checks passed"
