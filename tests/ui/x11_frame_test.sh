#!/usr/bin/env bash
# The window under a real window manager (openbox) on Xvfb: with the frame the
# manager draws, the window still measures 507 x 403 and sits centred.
# Usage: x11_frame_test.sh VOSTREL
set -euo pipefail
vostrel=$1
for tool in Xvfb openbox xdotool xprop xwininfo xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps installs it)"; exit 1; }
done

tmp=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$tmp"' EXIT
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$tmp/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

# The manager is up once it announces itself on the root window; try twice,
# since a server that has only just started can still turn a client away.
wm_up=no
for attempt in 1 2; do
    openbox >"$tmp/openbox.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then wm_up=yes; break; fi
        sleep 0.05
    done
    [ "$wm_up" = yes ] && break
done
[ "$wm_up" = yes ] || { echo "the window manager did not start:"; cat "$tmp/openbox.log"; exit 1; }
sleep 0.5  # on a desktop the manager has long settled before anything starts

"$vostrel" 2>/dev/null &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vostrel$' | head -n1)

# The frame is reported a moment after mapping; give the window time to fit it.
outer="" left=0 right=0 top=0 bottom=0 width=0 height=0
for _ in $(seq 100); do
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ',')
    if [ -z "$extents" ]; then  # not reported yet
        sleep 0.05
        continue
    fi
    read -r left right top bottom <<<"$extents"
    width=$(xwininfo -id "$window" | awk '/Width:/ {print $2}')
    height=$(xwininfo -id "$window" | awk '/Height:/ {print $2}')
    x=$(xwininfo -id "$window" | awk '/Absolute upper-left X:/ {print $4}')
    y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y:/ {print $4}')
    outer="$((width + left + right))x$((height + top + bottom))"
    [ "$outer" = 507x403 ] && [ "$((top + bottom))" -gt 0 ] && break
    sleep 0.05
done
echo "frame $left,$right,$top,$bottom; client ${width}x${height}; outer $outer"
if [ "$outer" != 507x403 ]; then
    echo "outer size is $outer, not 507x403"
    xprop -id "$window" | grep -E '_NET_FRAME|WM_STATE' || true
    echo "window manager:"; cat "$tmp/openbox.log"
    exit 1
fi
[ "$((top + bottom))" -gt 0 ] || { echo "the window manager drew no frame"; exit 1; }

# Centred: the frame's corner at (screen - outer) / 2, give or take a pixel.
frameX=$((x - left))
frameY=$((y - top))
for pair in "$frameX:$(((1024 - 507) / 2))" "$frameY:$(((768 - 403) / 2))"; do
    got=${pair%%:*}
    want=${pair##*:}
    if [ "$((got - want))" -gt 1 ] || [ "$((want - got))" -gt 1 ]; then
        echo "not centred: frame at $frameX,$frameY"
        exit 1
    fi
done
echo "outer 507x403, centred at $frameX,$frameY"
