#!/usr/bin/env bash
# The tape and the calculation in progress survive a restart, a total survives kill -9 (also while
# the full tape asks to be cleared), the auxiliary calculator keeps a tape of its own, and SIGTERM
# closes the calculator as "Sair" does.
source "$E2E_LIB"
e2e_start_x
mkdir -p "$XDG_CONFIG_HOME/Tabulora"
printf '[Conf]\nmnuSystray=False\n' > "$XDG_CONFIG_HOME/Tabulora/Tabulora.ini"
fita=$XDG_DATA_HOME/Tabulora/calc1.fita

wait_gone() { for i in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.05; done; fail "$2"; }
# Waits until the program shows at least $1 windows (a menu that opened counts as one).
wait_windows() {
    for i in $(seq 100); do
        [ "$(xdotool search --onlyvisible --pid "$E2E_APP" 2>/dev/null | wc -l)" -ge "$1" ] && return 0
        sleep 0.05
    done
    fail "$2"
}

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

# A total that fills the tape is kept before message 4 asks to clear it: kill -9 while the question
# is up loses nothing. Enter on the question keeps the tape.
{
    printf '"%s","' "$(date +%d/%m/%Y)"
    for i in $(seq 760); do printf '%24s +\r\n' 1; done
    printf '","760","+","0","760","760"\r\n'
} > "$fita"
e2e_start_app
e2e_keys 5 Return
expect_clipboard "765"
e2e_focus_dialog '^ Tabulora$'
kill -9 "$E2E_APP"
wait "$E2E_APP" 2>/dev/null || true
tr -d '\r' < "$fita" | grep -q "^ *765 T$" || fail "the total made before message 4 was lost"
e2e_start_app
e2e_keys 2 plus 3 Return
expect_clipboard "5"
e2e_focus_dialog '^ Tabulora$'
e2e_keys Return
xdotool windowfocus --sync "$E2E_WIN"
e2e_keys Escape
wait_gone "$E2E_APP" "Esc did not end the program"
tr -d '\r' < "$fita" | grep -q "^ *765 T$" || fail "Enter on message 4 cleared the tape"
tr -d '\r' < "$fita" | grep -q "^ *5 T$" || fail "the second total was not kept"

# SIGTERM (a shutdown, the end of the session) closes as "Sair" does: the window's place and the
# language chosen in the menu reach the settings, the calculation in progress the state file.
e2e_start_app
xdotool windowmove --sync "$E2E_WIN" 200 150
e2e_keys alt+c
wait_windows 2 "the Configurações menu did not open"
e2e_keys l
wait_windows 3 "the language menu did not open"
e2e_keys e
e2e_keys 7 plus 8
kill -TERM "$E2E_APP"
wait_gone "$E2E_APP" "SIGTERM did not end the program"
wait "$E2E_APP" || fail "SIGTERM: the program ended with status $?"
[ "$(setting CalcLeft)/$(setting CalcTop)" = "3000/2250" ] || fail "position saved as $(setting CalcLeft)/$(setting CalcTop)"
[ "$(setting Idioma)" = "2" ] || fail "Idioma saved as '$(setting Idioma)'"
tr -d '\r' < "$fita" | grep -q '^ *7 +$' || fail "the calculation in progress was lost"
grep -q '"7","+","8","8","001"' "$fita" || fail "the running total and entry were not kept"
echo "1 passed, 0 failed"
