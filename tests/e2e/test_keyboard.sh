#!/usr/bin/env bash
# The calculator from the keyboard alone: Esc closes it after a menu was closed with Esc and after
# the help was answered No.
source "$E2E_LIB"
e2e_start_x
trayer --edge top --align right --widthtype pixel --width 200 --height 24 >/dev/null 2>&1 &
E2E_PIDS+=($!)
e2e_start_app

# A menu opened and closed with Esc: the next Esc closes the calculator.
e2e_keys alt+c
wait_until "the menu did not open" 5 menu_open "$E2E_APP"
e2e_keys Escape
wait_until "Esc did not close the menu" 5 menu_closed "$E2E_APP"
e2e_keys Escape
wait_until "Esc after a menu did not close the calculator" 5 hidden "$E2E_APP"

# Shown again, the help answered No: Esc closes it again.
timeout 10 "$TABULORA_BIN"
wait_until "not shown again" 5 shown "$E2E_APP"
xdotool windowfocus --sync "$(calculator_window "$E2E_APP")"
e2e_keys F1
e2e_focus_dialog "DICAS"
e2e_keys Escape
help_closed() { ! dialog_window DICAS; }
wait_until "the help stayed open" 5 help_closed
e2e_keys Escape
wait_until "Esc after the help did not close the calculator" 5 hidden "$E2E_APP"
echo "1 passed, 0 failed"
