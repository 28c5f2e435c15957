#!/usr/bin/env bash
# With a tray on the desktop the icon docks there: a click shows the calculator again after it
# was closed, with its hotkeys working again, and its menu's "Sair" ends the program. Without a
# tray, an alarm kept from an earlier run keeps the program alive when the calculator closes.
source "$E2E_LIB"
e2e_start_x
e2e_start_tray
e2e_start_app

# The icon: the process's 22 x 22 window (it has no title of its own for xdotool).
tray_icon() {
    local w
    for w in $(xdotool search --pid "$E2E_APP" 2>/dev/null); do
        [ "$(xdotool getwindowgeometry "$w" | sed -n 's/ *Geometry: //p')" = "22x22" ] && { echo "$w"; return 0; }
    done
    return 1
}
wait_until "no icon docked in the tray" 5 tray_icon
icon=$(tray_icon)

e2e_keys Escape
wait_until "Esc did not close the window" 5 hidden "$E2E_APP"
xdotool mousemove --window "$icon" 11 11 click 1
wait_until "the icon did not show the calculator" 5 shown "$E2E_APP"

# Shown again, it takes its hotkeys again while another program is in front.
e2e_other_program
xdotool key --delay 30 ctrl+KP_End ctrl+KP_Add ctrl+KP_Down ctrl+Return
expect_clipboard "3"

# The tray's menu: a window of the process that is neither the icon nor the calculator.
tray_menu() {
    local w calculator
    calculator=$(calculator_window "$E2E_APP")
    for w in $(xdotool search --all --onlyvisible --pid "$E2E_APP" --name '' 2>/dev/null); do
        [ "$w" != "$icon" ] && [ "$w" != "$calculator" ] && return 0
    done
    return 1
}
xdotool mousemove --window "$icon" 11 11 click 3
wait_until "the tray menu did not open" 5 tray_menu
xdotool key Up Return
wait_until "Sair did not end the program" 5 ended "$E2E_APP"

kill "$E2E_TRAY"
printf '[Alarmes]\nQuantidade=1\nHora1=%s\nMotivo1=REUNIAO\n' "$(date -d tomorrow '+%Y-%m-%d 09:00:00')" \
    >> "$XDG_CONFIG_HOME/Tabulora/Tabulora.ini"
e2e_start_app
e2e_keys Escape
wait_until "Esc did not close the window" 5 hidden "$E2E_APP"
# A new start hands over to the program still running, which shows the calculator again.
background "$TABULORA_BIN"
wait_until "the pending alarm did not keep the program" 5 shown "$E2E_APP"
e2e_close_primary
echo "1 passed, 0 failed"
