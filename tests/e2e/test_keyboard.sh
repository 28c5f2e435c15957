#!/usr/bin/env bash
# The calculator from the keyboard alone: keys reach the engine and the total the clipboard, undo and
# redo, and Esc closes it after a menu was closed with Esc and after the help was answered No.
source "$E2E_LIB"
e2e_start_x
e2e_start_tray
e2e_start_app

e2e_keys 1 2 comma 5 plus 3 0 Return
expect_clipboard "42,5"
e2e_keys KP_7 KP_Multiply KP_6 KP_Enter
expect_clipboard "42"
e2e_keys 5 plus 3 plus ctrl+z Return
expect_clipboard "5"
e2e_keys 2 plus 4 plus ctrl+z ctrl+r Return
expect_clipboard "6"

# A menu of the menu bar (the first one, whatever the language) closed with Esc: the next Esc
# closes the calculator.
xdotool mousemove --window "$E2E_WIN" 20 10 click 1
wait_until "the menu did not open" 5 menu_open "$E2E_APP"
e2e_keys Escape
wait_until "Esc did not close the menu" 5 menu_closed "$E2E_APP"
e2e_keys Escape
wait_until "Esc after a menu did not close the calculator" 5 hidden "$E2E_APP"

# Shown again, the help answered No: Esc closes it again.
timeout 10 "$TABULORA_BIN"
wait_until "not shown again" 5 shown "$E2E_APP"
E2E_WIN=$(calculator_window "$E2E_APP")
focus "$E2E_WIN"
e2e_keys F1
e2e_focus_dialog "DICAS"
e2e_keys Escape
wait_until "the help stayed open" 5 dialog_closed "DICAS"
e2e_keys Escape
wait_until "Esc after the help did not close the calculator" 5 hidden "$E2E_APP"
echo "1 passed, 0 failed"
