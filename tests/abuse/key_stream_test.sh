#!/usr/bin/env bash
# A stream of random key presses and releases into the real game's window:
# the game's keys, their upper-case twins, other letters, digits and space,
# through the title screen, play and lost ships. The game must live through
# it, write nothing on stderr, and its resident memory must stop growing once
# it has settled.
# Usage: key_stream_test.sh GAME ASSETS_FOLDER   (with DISPLAY set)
# MOLLIBEK_KEY_STREAM_SECONDS sets how long the stream runs (25 s by default).
set -u
game=$1
assets=$2
seconds=${MOLLIBEK_KEY_STREAM_SECONDS:-25}
# shellcheck source-path=SCRIPTDIR source=../game/game_window.sh
. "$(dirname "$0")/../game/game_window.sh"

[[ "$seconds" =~ ^[1-9][0-9]*$ ]] ||
    fail "MOLLIBEK_KEY_STREAM_SECONDS should be a whole number of seconds, not '$seconds'"
# The first seconds fill the caches of the renderer and the toolkit.
settle=$((seconds / 4 < 8 ? seconds / 4 : 8))
# Resident memory may waver by this much (kB) once settled.
tolerance=2048

game_keys=(i a o s j l k space space)
other_keys=(I A O S J L K Q Z x q 0 1 5 9 Return Escape Tab)
# The same keys every run; only their timing varies.
RANDOM=1987

pick_key() {
    if [ $((RANDOM % 3)) -eq 0 ]; then
        key=${other_keys[RANDOM % ${#other_keys[@]}]}
    else
        key=${game_keys[RANDOM % ${#game_keys[@]}]}
    fi
}

resident_kb() {
    awk '/^VmRSS:/ { print $2 }' "/proc/$GAME_PID/status" 2>/dev/null
}

start_game "$assets" "$game"
started=$SECONDS
sampled=-1
settled_kb=
largest_kb=0
played=false
while [ $((SECONDS - started)) -lt "$seconds" ]; do
    pick_key
    case $((RANDOM % 4)) in
    0 | 1) key_down "$key" ;;
    2) key_up "$key" ;;
    3) xdotool key --window "$GAME_WINDOW" "$key" 2>/dev/null ;;
    esac
    elapsed=$((SECONDS - started))
    if [ "$elapsed" -ne "$sampled" ]; then
        sampled=$elapsed
        game_running || fail_ended "after $elapsed s of random keys"
        if ! $played && [ $((elapsed % 3)) -eq 0 ] && shoot now && status_lines_show now; then
            played=true
        fi
        kb=$(resident_kb)
        if [ "$elapsed" -ge "$settle" ]; then
            settled_kb=${settled_kb:-$kb}
            [ "$kb" -gt "$largest_kb" ] && largest_kb=$kb
        fi
    fi
    sleep 0.0$((RANDOM % 5))
done

game_running || fail_ended "after the random keys"
$played || fail "in $seconds s of random keys no game was seen in play"
final_kb=$(resident_kb)
stop_game
[ ! -s "$WORK/stderr" ] || fail "the game wrote to stderr"
echo "resident memory: $settled_kb kB after $settle s, at most $largest_kb kB after that, $final_kb kB at the end of $seconds s"
[ $((largest_kb - settled_kb)) -le "$tolerance" ] ||
    fail "resident memory grew by $((largest_kb - settled_kb)) kB after the first $settle s"
echo "PASS"
