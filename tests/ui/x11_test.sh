#!/usr/bin/env bash
# The built window program on a real X display: type a draw, press Enter, read
# the clipboard from another process, compare with vostrel-cli, then press Exit.
# Usage: x11_test.sh VOSTREL VOSTREL_CLI
set -euo pipefail
vostrel=$1
cli=$2

for tool in Xvfb xdotool xclip xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps installs it)"; exit 1; }
done

tmp=$(mktemp -d)
pids=()
cleanup() {
    status=$?
    kill "${pids[@]}" 2>/dev/null || true
    if [ "$status" -ne 0 ] && [ -s "$tmp/stderr" ]; then
        echo "--- what the program printed:"
        head -c 4000 "$tmp/stderr"
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

# -displayfd picks a free display number, so parallel runs do not collide.
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$tmp/display")"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME
# A desktop folder of our own for the Save step, announced as desktops do.
mkdir -p "$tmp/config" "$tmp/desk"
echo "XDG_DESKTOP_DIR=\"$tmp/desk\"" >"$tmp/config/user-dirs.dirs"
export XDG_CONFIG_HOME="$tmp/config"

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

# Save with the real dialog: it opens on the desktop folder; a bare name gets .txt.
xdotool mousemove --window "$window" 428 308 click 1
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name 'Save' | head -n1)
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
sleep 0.3
xdotool type --delay 20 x11results
xdotool key Return
box=""
for _ in $(seq 100); do
    box=$(xdotool search --onlyvisible --name '^Vostrel$' 2>/dev/null | grep -v "^$window\$" | head -n1 || true)
    [ -n "$box" ] && break
    sleep 0.05
done
[ -n "$box" ] || { echo "no message box after Save"; exit 1; }
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key Return
saved="$tmp/desk/x11results.txt"
[ -f "$saved" ] || { echo "Save wrote no $saved"; ls -la "$tmp/desk"; exit 1; }
if [ "$(cat "$saved")" != "$expected" ] || [ "$(tail -c1 "$saved" | od -An -c | tr -d ' ')" != "" ]; then
    echo "saved file differs from vostrel-cli"; exit 1
fi
for _ in $(seq 100); do
    [ -z "$(xdotool search --onlyvisible --name '^Vostrel$' | grep -v "^$window\$")" ] && break
    sleep 0.05
done

# The Exit button ends the program with status 0.
xdotool mousemove --window "$window" 428 348 click 1
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$app" 2>/dev/null; then
    echo "the program did not end after Exit"
    exit 1
fi
status=0
wait "$app" || status=$?
if [ "$status" -ne 0 ]; then
    echo "the program ended with status $status"
    exit 1
fi
echo "clipboard and saved file match vostrel-cli (${#clip} characters); Exit ended the program"
