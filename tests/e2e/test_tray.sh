#!/usr/bin/env bash
# With a tray on the desktop the icon docks there: a click shows the calculator again after it
# was closed, with its hotkeys working again, and its menu's "Sair" ends the program.
source "$E2E_LIB"
command -v trayer >/dev/null || { echo "trayer missing: skipped"; echo "0 passed, 0 failed, 1 skipped"; exit 0; }
e2e_start_x
trayer --edge top --align right --widthtype pixel --width 200 --height 24 >/dev/null 2>&1 &
E2E_PIDS+=($!)
xdotool search --sync --class trayer >/dev/null 2>&1 || sleep 1
e2e_start_app

icon=""
for i in $(seq 100); do
    for w in $(xdotool search --pid "$E2E_APP" 2>/dev/null); do
        [ "$(xdotool getwindowgeometry "$w" | sed -n 's/ *Geometry: //p')" = "22x22" ] && icon=$w
    done
    [ -n "$icon" ] && break
    sleep 0.05
done
[ -n "$icon" ] || fail "no icon docked in the tray"

e2e_keys Escape
for i in $(seq 50); do xdotool search --all --onlyvisible --pid "$E2E_APP" --name '^ Tabulora$' >/dev/null || break; sleep 0.05; done
xdotool mousemove --window "$icon" 11 11 click 1
xdotool search --all --sync --onlyvisible --pid "$E2E_APP" --name '^ Tabulora$' >/dev/null || fail "the icon did not show the calculator"

# Shown again, it takes its hotkeys again while another program is in front.
xev -event keyboard -name "Other Program" >"$E2E_TMP/xev.log" 2>&1 &
E2E_PIDS+=($!)
other=$(xdotool search --sync --onlyvisible --name '^Other Program$' | head -n1)
xdotool windowfocus --sync "$other"
xdotool key --delay 30 ctrl+KP_End ctrl+KP_Add ctrl+KP_Down ctrl+Return
expect_clipboard "3"

xdotool mousemove --window "$icon" 11 11 click 3
sleep 0.5
xdotool key Up Return
for i in $(seq 100); do kill -0 "$E2E_APP" 2>/dev/null || break; sleep 0.05; done
kill -0 "$E2E_APP" 2>/dev/null && fail "Sair did not end the program"
echo "1 passed, 0 failed"
