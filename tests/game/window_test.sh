#!/usr/bin/env bash
# The real game opens one 512 x 512 window titled "Mollibek" at (10, 10),
# keeps running on the title screen, and ends when its window is closed.
#   window_test.sh GAME ASSETS     (with DISPLAY set: see tools/with-xvfb.sh)
set -u
game=$1
assets=$2
# shellcheck source=game_window.sh
. "$(dirname "$0")/game_window.sh"

start_game "$assets" "$game"

geometry=$(xdotool getwindowgeometry --shell "$GAME_WINDOW") || fail "no geometry for the window"
eval "$geometry"
if [ "$WIDTH" != 512 ] || [ "$HEIGHT" != 512 ]; then
    fail "the window is ${WIDTH}x${HEIGHT}, not 512x512"
fi

# Still there a few seconds on, drawing frames of the title screen.
sleep 3
game_running || fail "the game ended on its own"
shoot title
reference_picture "$assets/front.raw" front
# The blinking prompt is the game's own; the rest is the title picture.
[ "$(differing_pixels title "$WORK/front.png")" -lt 20000 ] || fail "the window does not show the title picture"

xdotool windowclose "$GAME_WINDOW" 2>/dev/null
deadline=$((SECONDS + 20))
while game_running; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the game kept running after its window was closed"
    sleep 0.2
done
echo "window: 512x512 titled Mollibek; ran until closed"
