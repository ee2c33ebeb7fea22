#!/usr/bin/env bash
# One game played as a person would, in the real window: the title picture
# with its blinking prompt, space to start, the status lines, a boost with its
# flame and falling fuel, the ship lost in space, and the title again after
# the countdown. Every step waits for its picture with a deadline, so a slow
# software renderer only makes it take longer.
# Usage: played_test.sh GAME ASSETS_FOLDER   (with DISPLAY set)
set -u
game=$1
assets=$2
# shellcheck source-path=SCRIPTDIR source=game_window.sh
. "$(dirname "$0")/game_window.sh"

reference_picture "$assets/front.raw" front
# The title picture fills the window; the prompt covers a little of it.
title_shows() {
    shoot title && [ "$(differing_pixels title "$WORK/front.png")" -lt 5000 ]
}

prompt_lit=false
prompt_dark=false
watch_prompt() {
    title_shows || return 1
    local orange
    orange=$(count_pixels title "$PROMPT_BOX" "$ORANGE")
    if [ "$orange" -ge 150 ]; then
        prompt_lit=true
    elif [ "$orange" -le 10 ]; then
        prompt_dark=true
    fi
    $prompt_lit && $prompt_dark
}

# A screenshot of play: far from the title picture.
in_play() {
    [ "$(differing_pixels "$1" "$WORK/front.png")" -ge 50000 ]
}

play_shows() {
    shoot play && in_play play && status_lines_show play
}

# The ship faces down after 'k', so its boost flame burns just above the
# centre of the window, where the camera keeps the ship: in a box clear of the
# ship's orange wing tips. Boosted off the board the ship is soon lost and
# spins the flame away, so a few screenshots are taken in quick succession
# and looked at afterwards.
FLAME_BOX='242 172 28 56'
flame_shows() {
    local shot
    for shot in boost1 boost2 boost3 boost4; do
        shoot "$shot" || return 1
        sleep 0.05
    done
    for shot in boost1 boost2 boost3 boost4; do
        [ "$(count_pixels "$shot" "$FLAME_BOX" "$FLAME")" -ge $((flame_before + 300)) ] &&
            in_play "$shot" && return 0
    done
    return 1
}

# After the boost: the BOOSTERS figure has changed, LOST IN SPACE shows, and
# then the title picture is back. The figure and the loss stay on screen
# until the countdown ends; the title must not come back before both.
boosters_fell=false
lost_at=
watch_loss() {
    shoot round || return 1
    if in_play round; then
        if ! $boosters_fell && [ "$(changed_pixels before round "$BOOSTERS_BOX" "$GREEN")" -ge 20 ]; then
            boosters_fell=true
            echo "the BOOSTERS figure fell"
        fi
        if [ -z "$lost_at" ] && [ "$(count_pixels round "$LOST_BOX" "$ORANGE")" -ge 150 ]; then
            lost_at=$SECONDS
            echo "the ship is lost in space"
        fi
        return 1
    fi
    $boosters_fell || fail "the title returned before the BOOSTERS figure was seen to fall"
    [ -n "$lost_at" ] || fail "the title returned before LOST IN SPACE was seen"
}

start_game "$assets" "$game"

poll 60 "the title picture" title_shows
poll 90 "the title prompt blinking on and off" watch_prompt
echo "title picture with its blinking prompt"

key_down space
poll 30 "the scene with its status lines after space" play_shows
key_up space
echo "space starts play: scene and status lines"

# Turned about, the ship boosts away from the disc and the enemy, off the
# board; upwards it would catch the disc, and a ship holding the disc is
# never lost.
key_down k
shoot before || fail "no screenshot"
flame_before=$(count_pixels before "$FLAME_BOX" "$FLAME")
key_down o
poll 30 "the boost flame behind the ship" flame_shows
key_up o
key_up k
echo "the boost flame shows behind the ship"

poll 90 "the loss and then the title picture" watch_loss
countdown=$((SECONDS - lost_at))
# The countdown is about 8 s; frame rates that swing while the screenshots
# are taken stretch or shrink it, but it is never gone at once.
[ "$countdown" -ge 2 ] || fail "the title returned $countdown s after the loss, not after a countdown"
echo "the title picture returns $countdown s after the loss"

game_running || fail_ended "during the round"
stop_game
[ ! -s "$WORK/stderr" ] || fail "the game wrote to stderr"
echo "PASS"
