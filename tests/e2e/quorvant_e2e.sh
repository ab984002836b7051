#!/bin/bash
# Quorvant end to end: the real program under Xvfb in a copy of its game folder with banks made
# for the test, driven with xdotool. Start draws spisok.txt from the right blocks; the right
# answers (read by decoding spisok.txt) keep the game running, which a Start during the game
# shows by leaving spisok.txt as it is; a wrong answer and stop-and-take end it, so the next
# Start writes a new list. Screenshots go to the artifacts folder.
# Usage: quorvant_e2e.sh GAME_DIR ARTIFACTS_DIR
set -u
source "$(dirname "$0")/lib.sh"
begin_run "$1" "$2/quorvant"
start_display

# The game folder, with banks of 50 and 150 lines: line k of a bank has its right answer at
# letter k mod 4 + 1, stored with the inverse of the game's decoding.
copy_game
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

# list_changed OLD: whether spisok.txt holds 15 lines with another checksum than OLD.
list_changed() {
    [ -f "$work/game/spisok.txt" ] && [ "$(list_sum)" != "$1" ] &&
        [ "$(grep -c $'\r' "$work/game/spisok.txt")" = 15 ]
}

# wait_list_change OLD: waits up to 30 s for spisok.txt to change so.
wait_list_change() { within 30 list_changed "$1"; }

# A sound driver that this machine lacks: the game plays on silently, and says so.
SDL_AUDIODRIVER=none-such start_game quorvant 240
win=$(wait_window 'Quorvant 2.2') || abort "the main window did not open"
grep -q "the sound plays silently" "$work/game.log" || fail "no word of the silent sound device"
sleep 1
read -r left top width height < <(geometry "$win")
[ "$width $height" = "700 550" ] || fail "window is ${width}x$height, not 700x550"
[ "$left $top" = "290 237" ] || fail "window at $left,$top, not centred at 290,237"

# Start, stop-and-take and the answers, at points of the window's client area. A click returns
# when the program has handled it, the judging of an answer with its fixed waits included.
click_start() { click_in "$win" 30 14; }
click_stop() { click_in "$win" 70 95; }
answer_x=(0 200 497 200 497)
answer_y=(0 460 460 504 504)
click_answer() { click_in "$win" "${answer_x[$1]}" "${answer_y[$1]}"; }

shot ready.png
click_start
wait_list_change "" || fail "Start wrote no list of 15 lines"
check_blocks || fail "spisok.txt does not hold one line from each block"
sleep 0.5
shot question1.png

# Two right answers; the praise stays in its label after the judging.
for question in 1 2; do
    click_answer "$(right_letter $question)"
    [ $question = 1 ] && shot praise.png
done
shot question3.png
before=$(list_sum)
click_start
[ "$(list_sum)" = "$before" ] || fail "Start during a game changed spisok.txt"

# A wrong answer ends the game: the next Start writes a new list.
click_answer $(( $(right_letter 3) % 4 + 1 ))
shot lost.png
click_start
wait_list_change "$before" || fail "Start after a loss wrote no new list"
check_blocks || fail "the new spisok.txt does not hold one line from each block"

# Stop-and-take ends the game too.
sleep 0.5
before=$(list_sum)
click_stop
sleep 0.1
shot stopped.png
click_start
wait_list_change "$before" || fail "Start after stop wrote no new list"

game_running || fail "the program ended"
finish "quorvant e2e: all checks passed"
