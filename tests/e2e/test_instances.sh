#!/usr/bin/env bash
# One primary per user: a later start hands its word over and ends, "outra" runs the auxiliary
# calculator in a process of its own, "fechar" ends the primary.
source "$E2E_LIB"
e2e_start_x
# A tray on the desktop: what closes to it can be brought back.
trayer --edge top --align right --widthtype pixel --width 200 --height 24 >/dev/null 2>&1 &
tray=$!
E2E_PIDS+=($tray)
e2e_start_app
primary=$E2E_APP

# A second plain start hands over and ends; the primary stays.
timeout 10 "$TABULORA_BIN" || fail "the second start did not end by itself"
kill -0 "$primary" || fail "the primary ended"

# Closed with Esc, the primary stays in the tray (the default); a new start brings it back.
e2e_keys Escape
wait_until "Esc did not close the window" 5 hidden "$primary"
running "$primary" || fail "closing the window ended the program"
# Ctrl+Shift+C brings it forward from anywhere.
xdotool key ctrl+shift+c
wait_until "Ctrl+Shift+C did not show it" 5 shown "$primary"
xdotool windowfocus --sync "$(calculator_window "$primary")"
e2e_keys Escape
wait_until "Esc did not close the window again" 5 hidden "$primary"
timeout 10 "$TABULORA_BIN"
wait_until "not shown again" 5 shown "$primary"

# "outra" opens the auxiliary calculator in its own process.
"$TABULORA_BIN" outra >/dev/null 2>&1 &
aux=$!
E2E_PIDS+=($aux)
xdotool search --all --sync --onlyvisible --pid "$aux" --name '^Calculadora \[Aux\]$' >/dev/null || fail "no auxiliary calculator"
kill -0 "$primary" || fail "the primary ended"

# "fechar" ends the primary and only it.
timeout 10 "$TABULORA_BIN" fechar || fail "fechar did not end"
for i in $(seq 100); do kill -0 "$primary" 2>/dev/null || break; sleep 0.05; done
kill -0 "$primary" 2>/dev/null && fail "the primary is still running"
kill -0 "$aux" || fail "the auxiliary calculator ended with the primary"

# "fechar" with no primary ends at once.
kill "$aux"; wait "$aux" 2>/dev/null || true
timeout 5 "$TABULORA_BIN" fechar || fail "fechar without a primary did not end"

# Without a tray nothing could bring a hidden calculator back: Esc ends the program.
kill "$tray"; wait "$tray" 2>/dev/null || true
e2e_start_app
e2e_keys Escape
wait_until "without a tray the program stayed hidden" 5 ended "$E2E_APP"
echo "1 passed, 0 failed"
