#!/usr/bin/env bash
# One primary per user: a later start hands its word over and ends, the window closed to the tray
# comes back, "outra" runs the auxiliary calculator in a process of its own, "fechar" ends the
# primary; without a tray, Esc ends the program.
source "$E2E_LIB"
e2e_start_x
e2e_start_tray
e2e_start_app
primary=$E2E_APP

# A second plain start hands over and ends; the primary stays.
timeout 10 "$TABULORA_BIN" || fail "the second start did not end by itself"
running "$primary" || fail "the primary ended"

# Closed with Esc, the primary stays in the tray (the default); Ctrl+Shift+C and a new start bring
# it back.
e2e_keys Escape
wait_until "Esc did not close the window" 5 hidden "$primary"
running "$primary" || fail "closing the window ended the program"
xdotool key ctrl+shift+c
wait_until "Ctrl+Shift+C did not show it" 5 shown "$primary"
focus "$(calculator_window "$primary")"
e2e_keys Escape
wait_until "Esc did not close the window again" 5 hidden "$primary"
timeout 10 "$TABULORA_BIN"
wait_until "not shown again" 5 shown "$primary"

# "outra" opens the auxiliary calculator in its own process, beside the first.
background "$TABULORA_BIN" outra
aux=$!
wait_until "no auxiliary calculator" 10 calculator_window "$aux" '^Calculadora \[Aux\]$'
first=$(xdotool getwindowgeometry "$(calculator_window "$primary")" | sed -n 's/ *Position: \([0-9]*\),.*/\1/p')
second=$(xdotool getwindowgeometry "$(calculator_window "$aux" '^Calculadora \[Aux\]$')" | sed -n 's/ *Position: \([0-9]*\),.*/\1/p')
[ "$first" != "$second" ] || fail "the second calculator opened right over the first"

# "fechar" ends the primary and only it; with no primary it ends at once.
timeout 10 "$TABULORA_BIN" fechar || fail "fechar did not end"
wait_until "the primary is still running" 5 ended "$primary"
running "$aux" || fail "the auxiliary calculator ended with the primary"
kill "$aux"
timeout 5 "$TABULORA_BIN" fechar || fail "fechar without a primary did not end"

# Without a tray nothing could bring a hidden calculator back: Esc ends the program.
kill "$E2E_TRAY"
e2e_start_app
e2e_keys Escape
wait_until "without a tray the program stayed hidden" 5 ended "$E2E_APP"
echo "1 passed, 0 failed"
