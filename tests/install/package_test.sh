#!/usr/bin/env bash
# The Debian package as a player gets it: built from the build tree, unpacked
# into a scratch root (never installed on this machine), checked file by file,
# and its `mollibek` command started from an unrelated folder until the title
# picture shows in the game's window.
# Usage: package_test.sh CPACK BUILD_DIR FRONT_RAW   (with DISPLAY set)
set -euo pipefail
cpack=$1
build=$2
front_raw=$3

start_dir=$PWD
work=$(mktemp -d)
game_pid=
cleanup() {
    if [ -n "$game_pid" ]; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# --- the package and its control fields
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    fail "cpack could not build the package"
fi
debs=("$work"/package/mollibek_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no mollibek_*.deb"
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = mollibek ] || fail "the package is not named mollibek"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "the package has no maintainer"
depends=$(dpkg-deb -f "$deb" Depends)
for library_package in libgl1 libglu1-mesa libglut; do
    [[ "$depends" == *"$library_package"* ]] ||
        fail "Depends lacks $library_package: $depends"
done

# --- the unpacked tree
root=$work/root
dpkg-deb -x "$deb" "$root"
usr=$root/usr

[ -x "$usr/bin/mollibek" ] || fail "no launcher usr/bin/mollibek"
sh -n "$usr/bin/mollibek" || fail "the launcher is not a valid shell script"
game=$usr/libexec/mollibek/mollibek
[ -x "$game" ] || fail "no game binary usr/libexec/mollibek/mollibek"
[ "$(head -c 4 "$game" | tail -c 3)" = ELF ] || fail "the game binary is not an ELF file"

while read -r name width height; do
    picture=$usr/share/mollibek/$name
    [ -f "$picture" ] || fail "picture $name is missing"
    size=$(stat -c %s "$picture")
    [ "$size" -eq $((width * height * 3)) ] ||
        fail "picture $name holds $size bytes, not $width x $height x 3"
done <<'EOF'
back.raw 512 512
backspin.raw 512 512
ship.raw 64 64
disc.raw 32 32
enemy.raw 64 64
exhaust.raw 32 32
pocketff.raw 64 64
stars.raw 512 512
planet1.raw 128 128
planet2.raw 256 256
front.raw 512 512
EOF

entry=$usr/share/applications/mollibek.desktop
[ -f "$entry" ] || fail "no desktop entry"
desktop-file-validate "$entry" || fail "the desktop entry does not validate"
# The menu finds the command and the icon by these names.
grep -qx 'Exec=mollibek' "$entry" || fail "the desktop entry does not run mollibek"
grep -qx 'Icon=mollibek' "$entry" || fail "the desktop entry does not show the mollibek icon"
icon=$usr/share/icons/hicolor/128x128/apps/mollibek.png
[ -f "$icon" ] || fail "no icon"
[ "$(identify -format '%m %wx%h' "$icon")" = "PNG 128x128" ] || fail "the icon is not a 128x128 PNG"

# --- a launcher without the pictures beside it says so and starts nothing
mkdir -p "$work/lonely/bin"
cp "$usr/bin/mollibek" "$work/lonely/bin/"
if "$work/lonely/bin/mollibek" 2>"$work/lonely.err"; then
    fail "the launcher started without its pictures"
fi
grep -q 'pictures are missing.*share/mollibek' "$work/lonely.err" ||
    fail "the launcher did not name the missing picture folder: $(cat "$work/lonely.err")"

# --- the game, started from an unrelated folder. The display is given only as
# an argument, so the window shows only if the launcher passes it on.
mkdir "$work/elsewhere"
cd "$work/elsewhere"
env -u DISPLAY "$usr/bin/mollibek" -display "$DISPLAY" >"$work/game.log" 2>&1 &
game_pid=$!

deadline=$((SECONDS + 20))
until window=$(xdotool search --name '^Mollibek$' | head -n 1) && [ -n "$window" ]; do
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended before its window showed: $(cat "$work/game.log")"
    [ "$SECONDS" -lt "$deadline" ] || fail "no window titled Mollibek within 20 s"
    sleep 0.2
done

# Below the blinking prompt, the centre of the window shows the title picture
# pixel for pixel; a picture that was not found would come out white.
region=256x128+128+224
region_pixels=$((256 * 128))
convert -size 512x512 -depth 8 "rgb:$front_raw" -crop "$region" +repage "$work/expected.png"
expected_range=$(convert "$work/expected.png" -format '%[min] %[max]' info:)
[ "$expected_range" != "0 0" ] && [ "$expected_range" != "65535 65535" ] ||
    fail "the centre of front.raw is blank, so it cannot show whether the title picture is drawn"

title_shows() {
    import -window "$window" "png:$work/shot.png" 2>/dev/null || return 1
    [ "$(identify -format '%wx%h' "$work/shot.png")" = 512x512 ] || return 1
    convert "$work/shot.png" -crop "$region" +repage "$work/seen.png"
    seen_range=$(convert "$work/seen.png" -format '%[min] %[max]' info:)
    different=$(compare -metric AE -fuzz 10% "$work/expected.png" "$work/seen.png" null: 2>&1) || true
    [ "$seen_range" != "0 0" ] && [ "$seen_range" != "65535 65535" ] &&
        [ "${different%% *}" -lt $((region_pixels / 50)) ]
}
deadline=$((SECONDS + 20))
until title_shows; do
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended on the title screen: $(cat "$work/game.log")"
    if [ "$SECONDS" -ge "$deadline" ]; then
        cp "$work/shot.png" "$start_dir/title_screenshot.png" 2>/dev/null || true
        fail "the title picture did not show: ${different:-?} of $region_pixels centre pixels differ from front.raw (range ${seen_range:-?}); screenshot in $start_dir/title_screenshot.png"
    fi
    sleep 0.2
done
echo "The package installs, and its mollibek command shows the title picture."
