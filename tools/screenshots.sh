#!/usr/bin/env bash
# Takes the screenshots that the README shows: the title screen, and a moment
# of play with the booster lit. Runs the real game in an X server of its own.
#
#   tools/screenshots.sh [GAME]    GAME defaults to build/mollibek
#
# Writes docs/title.png and docs/play.png. Needs Xvfb, xdotool and ImageMagick.
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
game=$(realpath "${1:-$top/build/mollibek}")

if [ -z "${MOLLIBEK_SCREENSHOTS_DISPLAY:-}" ]; then
    MOLLIBEK_SCREENSHOTS_DISPLAY=1 exec "$top/tools/with-xvfb.sh" "$0" "$game"
fi

# shellcheck source=../tests/game/game_window.sh
. "$top/tests/game/game_window.sh"

save() {
    convert "xwd:$WORK/$1.xwd" "png:$top/docs/$1.png" || fail "cannot write docs/$1.png"
    echo "docs/$1.png"
}

prompt_shows() {
    shoot title && [ "$(count_pixels title "$PROMPT_BOX" "$ORANGE")" -gt 50 ]
}

mkdir -p "$top/docs"
start_game "$top/assets" "$game"
poll 30 "the title prompt" prompt_shows
save title

key_down space
sleep 0.5
key_up space
key_down l
sleep 0.4
key_up l
key_down o
sleep 0.6
shoot play
key_up o
save play
