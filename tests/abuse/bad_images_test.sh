#!/usr/bin/env bash
# The real game started in a folder where every picture is bad in one way.
# It must still open its window and fill every texture slot, white where the
# picture's bytes are missing, play on, and name each bad file with its
# folder on stderr: one line each time the game loads it.
# Usage: bad_images_test.sh CASE GAME ASSETS_FOLDER   (with DISPLAY set)
# CASE: missing, empty, directory, unreadable, read_fails, short or longer.
set -u
case_name=$1
game=$2
assets=$3
# shellcheck source-path=SCRIPTDIR source=../game/game_window.sh
. "$(dirname "$0")/../game/game_window.sh"

# Load order of the pictures; the pocket picture fills four slots.
loads=(back.raw backspin.raw ship.raw disc.raw enemy.raw exhaust.raw
       pocketff.raw pocketff.raw pocketff.raw pocketff.raw
       stars.raw planet1.raw planet2.raw front.raw)
mapfile -t pictures < <(printf '%s\n' "${loads[@]}" | awk '!seen[$0]++')
skipped=77

folder=$WORK/pictures
mkdir "$folder"
runner=()
title_raw=$WORK/white.raw
head -c $((512 * 512 * 3)) /dev/zero | tr '\0' '\377' >"$title_raw"
all_white=true

case $case_name in
missing)
    problem='cannot be opened: No such file or directory'
    ;;
empty)
    problem='is empty'
    for picture in "${pictures[@]}"; do : >"$folder/$picture"; done
    ;;
directory)
    problem='cannot be read: Is a directory'
    for picture in "${pictures[@]}"; do mkdir "$folder/$picture"; done
    ;;
unreadable)
    problem='cannot be opened: Permission denied'
    for picture in "${pictures[@]}"; do
        cp "$assets/$picture" "$folder/$picture"
        chmod 000 "$folder/$picture"
    done
    # Root reads files whatever their mode, so the game then runs as nobody.
    if [ "$(id -u)" -eq 0 ]; then
        runner=(setpriv --reuid=65534 --regid=65534 --clear-groups)
        chmod 755 "$WORK" "$folder"
        if ! "${runner[@]}" test -x "$game" 2>/dev/null; then
            echo "skipped: running as root, and the user nobody cannot run $game" >&2
            exit $skipped
        fi
    fi
    ;;
read_fails)
    # It opens, but reading its first bytes fails: address 0 of the
    # reader's own memory is never mapped.
    problem='cannot be read: Input/output error'
    for picture in "${pictures[@]}"; do ln -s /proc/self/mem "$folder/$picture"; done
    ;;
short)
    problem='is short'
    for picture in "${pictures[@]}"; do
        size=$(stat -c %s "$assets/$picture")
        head -c $((size / 2)) "$assets/$picture" >"$folder/$picture"
    done
    # The top half of the title picture, the bottom half white.
    { head -c $((512 * 512 * 3 / 2)) "$assets/front.raw"; tail -c $((512 * 512 * 3 / 2)) "$WORK/white.raw"; } >"$WORK/half.raw"
    title_raw=$WORK/half.raw
    all_white=false
    ;;
longer)
    problem='is longer than'
    for picture in "${pictures[@]}"; do
        cat "$assets/$picture" "$assets/$picture" >"$folder/$picture"
    done
    title_raw=$assets/front.raw
    all_white=false
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
reference_picture "$title_raw" expected_title

title_shows() {
    shoot title && [ "$(differing_pixels title "$WORK/expected_title.png")" -lt 5000 ]
}

play_shows() {
    shoot play && status_lines_show play
}

start_game "$folder" "$game" "${runner[@]}"
poll 60 "the expected title picture" title_shows
echo "$case_name: the window shows the title picture as far as the files give it"

key_down space
poll 30 "play with its status lines" play_shows
key_up space
if $all_white; then
    # Every picture of the scene is white; only the texts are not.
    white=$(count_pixels play "0 0 512 512" "$WHITE")
    [ "$white" -ge 255000 ] || fail "only $white of 262144 pixels of play are white"
fi
echo "$case_name: play draws every picture"

sleep 2
game_running || fail_ended "during play"
stop_game

# One line for each load, in load order, naming the file and the folder.
folder_path=$(cd "$folder" && pwd -P)
mapfile -t lines <"$WORK/stderr"
[ "${#lines[@]}" -eq "${#loads[@]}" ] ||
    fail "${#lines[@]} lines on stderr for ${#loads[@]} loads of bad files"
for i in "${!loads[@]}"; do
    line=${lines[$i]}
    expected_start="mollibek: image \"${loads[$i]}\" in $folder_path "
    [[ "$line" == "$expected_start"* ]] || fail "line $((i + 1)) does not start with '$expected_start': $line"
    [[ "$line" == *"$problem"* ]] || fail "line $((i + 1)) does not say '$problem': $line"
done
echo "$case_name: stderr names each bad file with its folder, once per load"
echo "PASS"
