#!/usr/bin/env bash
# The built window program on a real X display: type a draw, press Enter, read
# the clipboard from another process, compare with vostrel-cli, then press Exit.
# Usage: x11_test.sh VOSTREL VOSTREL_CLI
set -euo pipefail
vostrel=$1
cli=$2

for tool in Xvfb xdotool xclip; do
    command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps installs it)"; exit 1; }
done

tmp=$(mktemp -d)
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$tmp"; }
trap cleanup EXIT

# -displayfd picks a free display number, so parallel runs do not collide.
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$tmp/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

"$vostrel" 2>"$tmp/stderr" &
app=$!
pids+=($app)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vostrel$' | head -n1)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"

xdotool type --delay 20 123
xdotool key Return

expected=$("$cli" 123)
clip=""
for _ in $(seq 100); do
    clip=$(xclip -o -selection clipboard 2>/dev/null || true)
    [ -n "$clip" ] && break
    sleep 0.05
done
if [ "$clip" != "$expected" ]; then
    echo "clipboard differs from vostrel-cli:"
    echo "  clipboard: ${clip:0:60}... (${#clip} characters)"
    echo "  cli:       ${expected:0:60}... (${#expected} characters)"
    exit 1
fi

# The Exit button ends the program with status 0.
xdotool mousemove --window "$window" 428 348 click 1
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$app" 2>/dev/null; then
    echo "the program did not end after Exit"
    exit 1
fi
wait "$app"
echo "clipboard matches vostrel-cli (${#clip} characters); Exit ended the program"
