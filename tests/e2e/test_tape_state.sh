#!/usr/bin/env bash
# The tape and the calculation in progress survive a restart, a total survives kill -9, and the
# auxiliary calculator keeps a tape of its own.
source "$E2E_LIB"
e2e_start_x
mkdir -p "$XDG_CONFIG_HOME/Tabulora"
printf '[Conf]\nmnuSystray=False\n' > "$XDG_CONFIG_HOME/Tabulora/Tabulora.ini"
fita=$XDG_DATA_HOME/Tabulora/calc1.fita

wait_gone() { for i in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.05; done; fail "$2"; }

# A calculation in progress, closed with Esc, goes on after a restart.
e2e_start_app
e2e_keys 1 2 plus 3 0 plus
e2e_keys Escape
wait_gone "$E2E_APP" "Esc did not end the program"
e2e_start_app
e2e_keys 8 Return
expect_clipboard "50"

# kill -9 right after a total: the total is on the tape of the next start.
e2e_keys 7 plus 8 Return
expect_clipboard "15"
kill -9 "$E2E_APP"
wait "$E2E_APP" 2>/dev/null || true
grep -q "15 T" "$fita" || fail "the total was not kept"
e2e_start_app
e2e_close_primary
tr -d '\r' < "$fita" | grep -q "^ *15 T$" || fail "the restored tape lost the total"
tr -d '\r' < "$fita" | grep -q "^ *50 T$" || fail "the restored tape lost the first calculation"

# The auxiliary calculator keeps its own calc2.fita.
e2e_start_app
"$TABULORA_BIN" outra >/dev/null 2>&1 &
aux=$!
E2E_PIDS+=($aux)
auxwin=$(xdotool search --all --sync --onlyvisible --pid "$aux" --name '^Calculadora \[Aux\]$' | head -n1)
xdotool windowfocus --sync "$auxwin"
e2e_keys 9 plus 1 Return
expect_clipboard "10"
e2e_keys Escape
wait_gone "$aux" "the auxiliary calculator did not end"
tr -d '\r' < "$XDG_DATA_HOME/Tabulora/calc2.fita" | grep -q "^ *10 T$" || fail "no calc2.fita with the total"
e2e_close_primary
tr -d '\r' < "$fita" | grep -q "^ *10 T$" && fail "the auxiliary total reached the primary's tape"
echo "1 passed, 0 failed"
