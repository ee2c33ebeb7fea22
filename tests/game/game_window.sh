# shellcheck shell=bash disable=SC2034 # the colours and boxes serve the scripts that source this
# Playing the real game in its window, for the scripts that test it under X:
# start it, press keys, take screenshots and count pixels in them, and wait
# for what should show. Source this file from bash with DISPLAY set (see
# tools/with-xvfb.sh); it needs xdotool and ImageMagick.
#
# The window is 512 x 512 pixels and shows the 2 x 2 square around the
# camera, so a world offset (dx, dy) from the camera is pixel
# (256 + 256 dx, 256 - 256 dy) from the top left corner.

# Colour classes of a pixel (r, g, b, 0..255 each), as awk conditions. The
# texts come out in their exact colours, which the pictures hardly use:
# orange (255, 128, 0), yellow (255, 255, 0), green (0, 255, 0).
ORANGE='r >= 248 && g >= 120 && g <= 136 && b <= 8'
YELLOW='r >= 248 && g >= 248 && b <= 8'
GREEN='r <= 8 && g >= 248 && b <= 8'
# A flame's glow over the dark board, from dim red to nearly white.
FLAME='r >= 110 && r - b >= 50'
WHITE='r >= 250 && g >= 250 && b >= 250'

# Where the texts stand: x y width height of a box around each.
PROMPT_BOX='180 168 240 28'
LOST_BOX='110 146 300 28'
LEVEL_BOX='20 455 240 25'
POTS_BOX='20 481 240 29'
BOOSTERS_BOX='330 455 175 25'
FPS_BOX='380 481 132 29'

WORK=$(mktemp -d)
GAME_PID=
GAME_WINDOW=

stop_game() {
    if [ -n "$GAME_PID" ]; then
        kill "$GAME_PID" 2>/dev/null
        wait "$GAME_PID" 2>/dev/null
    fi
    GAME_PID=
    GAME_WINDOW=
}

# A failed test leaves its screenshots (xwd files) and the game's stderr in
# the folder that MOLLIBEK_KEEP_FAILED names, when it is set.
finish() {
    local status=$?
    stop_game
    if [ "$status" -ne 0 ] && [ -n "${MOLLIBEK_KEEP_FAILED:-}" ]; then
        mkdir -p "$MOLLIBEK_KEEP_FAILED" && cp -r "$WORK"/. "$MOLLIBEK_KEEP_FAILED"/
    fi
    rm -rf "$WORK"
}
trap finish EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$WORK/stderr" ]; then
        echo "the game's stderr:" >&2
        cat "$WORK/stderr" >&2
    fi
    exit 1
}

# True while the game runs; a game that crashed is a zombie until reaped.
game_running() {
    local state
    [ -n "$GAME_PID" ] && read -r _ _ state _ 2>/dev/null <"/proc/$GAME_PID/stat" && [ "$state" != Z ]
}

# fail_ended WHEN: the test fails because the game ended, with its exit
# status (128 + the signal's number after a crash).
fail_ended() {
    local status=0
    wait "$GAME_PID" 2>/dev/null || status=$?
    GAME_PID=
    fail "the game ended $1 (exit status $status)"
}

# start_game FOLDER GAME [RUNNER...]: starts GAME in FOLDER, through RUNNER
# when given (setpriv, say), with its stderr in $WORK/stderr, and waits for
# its window. One search that stays connected until the window shows: an X
# server resets when its last client leaves, and refuses a client that comes
# during the reset, so short searches could keep the game from connecting.
start_game() {
    local folder=$1 game
    game=$(realpath "$2")
    shift 2
    (cd "$folder" && exec "$@" "$game") 2>"$WORK/stderr" &
    GAME_PID=$!
    GAME_WINDOW=$(timeout 30 xdotool search --sync --name '^Mollibek$' 2>/dev/null | head -n 1)
    if [ -z "$GAME_WINDOW" ]; then
        game_running || fail_ended "before its window showed"
        fail "no window titled Mollibek within 30 s"
    fi
}

# Keys go to the window itself, which needs no focus and no window manager.
# xdotool's complaint about the focus of a bare X server is noise.
key_down() {
    xdotool keydown --window "$GAME_WINDOW" "$1" 2>/dev/null
}

key_up() {
    xdotool keyup --window "$GAME_WINDOW" "$1" 2>/dev/null
}

# shoot NAME: a screenshot of the window in $WORK/NAME.xwd (xwd is many
# times quicker than ImageMagick's import while the game keeps both cores busy).
shoot() {
    xwd -id "$GAME_WINDOW" -silent >"$WORK/$1.xwd" 2>/dev/null
}

# The pixels of a box of a screenshot, one "r g b" line each.
box_pixels() {
    local shot=$1 x=$2 y=$3 width=$4 height=$5
    convert "xwd:$WORK/$shot.xwd" -crop "${width}x${height}+${x}+${y}" +repage -depth 8 rgb:- | od -An -v -tu1 -w3
}

# count_pixels SHOT "X Y WIDTH HEIGHT" CLASS: how many pixels of the box are
# of the colour class.
count_pixels() {
    # shellcheck disable=SC2086 # the box is four numbers
    box_pixels "$1" $2 | awk "{ r = \$1; g = \$2; b = \$3 } $3 { n++ } END { print n + 0 }"
}

# changed_pixels SHOT1 SHOT2 "X Y WIDTH HEIGHT" CLASS: how many pixels of the
# box are of the class in one screenshot and not in the other.
changed_pixels() {
    # shellcheck disable=SC2086
    paste -d ' ' <(box_pixels "$1" $3) <(box_pixels "$2" $3) | awk "
        { r = \$1; g = \$2; b = \$3; before = ($4) ? 1 : 0
          r = \$4; g = \$5; b = \$6; after = ($4) ? 1 : 0
          if (before != after) n++ }
        END { print n + 0 }"
}

# status_lines_show SHOT: LEVEL and POTS in yellow at the lower left,
# BOOSTERS and FPS in green at the lower right.
status_lines_show() {
    [ "$(count_pixels "$1" "$LEVEL_BOX" "$YELLOW")" -ge 100 ] &&
        [ "$(count_pixels "$1" "$POTS_BOX" "$YELLOW")" -ge 100 ] &&
        [ "$(count_pixels "$1" "$BOOSTERS_BOX" "$GREEN")" -ge 100 ] &&
        [ "$(count_pixels "$1" "$FPS_BOX" "$GREEN")" -ge 100 ]
}

# differing_pixels SHOT REFERENCE: pixels of the screenshot that differ from
# the reference picture (a file) by more than a little.
differing_pixels() {
    local count
    count=$(compare -metric AE -fuzz 10% "xwd:$WORK/$1.xwd" "$2" null: 2>&1)
    echo "${count%% *}"
}

# reference_picture RAW NAME: a raw image file of the game (512 x 512) as
# $WORK/NAME.png, to compare screenshots with.
reference_picture() {
    convert -size 512x512 -depth 8 "rgb:$1" "png:$WORK/$2.png"
}

# poll SECONDS WHAT CHECK...: runs CHECK until it succeeds; fails the test
# with WHAT when SECONDS pass first or the game ends.
poll() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        game_running || fail_ended "while waiting for $what"
        [ "$SECONDS" -lt "$deadline" ] || fail "$what did not show within $seconds s"
        sleep 0.1
    done
}
