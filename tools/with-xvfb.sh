#!/bin/sh
# Runs a command with DISPLAY set to an X server of its own: a fresh Xvfb
# (Mesa's software renderer) that is stopped when the command ends. The server
# does not reset when its last client leaves, which would refuse a client
# that connects meanwhile.
# Usage: with-xvfb.sh COMMAND [ARGS...]
set -u
if ! command -v Xvfb >/dev/null 2>&1; then
    echo "with-xvfb.sh: Xvfb is not installed (Debian package xvfb)" >&2
    exit 1
fi
fifo_dir=$(mktemp -d) || exit 1
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo_dir/display" 2>"$fifo_dir/xvfb.log" &
xvfb_pid=$!
read -r display_number <"$fifo_dir/display"
if [ -z "$display_number" ]; then
    echo "with-xvfb.sh: Xvfb did not start:" >&2
    cat "$fifo_dir/xvfb.log" >&2
    rm -rf "$fifo_dir"
    exit 1
fi
DISPLAY=":$display_number" LIBGL_ALWAYS_SOFTWARE=1 "$@"
status=$?
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
rm -rf "$fifo_dir"
exit $status
