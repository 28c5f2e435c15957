#!/usr/bin/env bash
# The tape and the calculation in progress survive a restart, a total survives kill -9 (also while
# the full tape asks to be cleared), the auxiliary calculator keeps a tape of its own, and SIGTERM
# closes the calculator as "Sair" does.
source "$E2E_LIB"
e2e_start_x
printf '[Conf]\nmnuSystray=False\n' > "$XDG_CONFIG_HOME/Tabulora/Tabulora.ini"

# A calculation in progress, closed with Esc, goes on after a restart.
e2e_start_app
e2e_keys 1 2 plus 3 0 plus Escape
wait_until "Esc did not end the program" 5 ended "$E2E_APP"
e2e_start_app
e2e_keys 8 Return
expect_clipboard "50"

# kill -9 right after a total: the total is on the tape of the next start.
e2e_keys 7 plus 8 Return
expect_clipboard "15"
kill -9 "$E2E_APP"
on_tape "^ *15 T$" || fail "the total was not kept"
e2e_start_app
e2e_close_primary
on_tape "^ *15 T$" || fail "the restored tape lost the total"
on_tape "^ *50 T$" || fail "the restored tape lost the first calculation"

# The auxiliary calculator keeps its own calc2.fita.
e2e_start_app
background "$TABULORA_BIN" outra
aux=$!
wait_until "no auxiliary calculator" 10 calculator_window "$aux" '^Calculadora \[Aux\]$'
focus "$(calculator_window "$aux" '^Calculadora \[Aux\]$')"
e2e_keys 9 plus 1 Return
expect_clipboard "10"
e2e_keys Escape
wait_until "the auxiliary calculator did not end" 5 ended "$aux"
on_tape "^ *10 T$" "$XDG_DATA_HOME/Tabulora/calc2.fita" || fail "no calc2.fita with the total"
e2e_close_primary
on_tape "^ *10 T$" && fail "the auxiliary total reached the primary's tape"

# A total that fills the tape is kept before message 4 asks to clear it: kill -9 while the question
# is up loses nothing. Enter on the question keeps the tape.
{
    printf '"%s","' "$(date +%d/%m/%Y)"
    for i in $(seq 760); do printf '%24s +\r\n' 1; done
    printf '","760","+","0","760","760"\r\n'
} > "$FITA"
e2e_start_app
e2e_keys 5 Return
expect_clipboard "765"
e2e_focus_dialog '^ Tabulora$'
kill -9 "$E2E_APP"
on_tape "^ *765 T$" || fail "the total made before message 4 was lost"
e2e_start_app
e2e_keys 2 plus 3 Return
expect_clipboard "5"
e2e_focus_dialog '^ Tabulora$'
e2e_keys Return
focus "$E2E_WIN"
e2e_keys Escape
wait_until "Esc did not end the program" 5 ended "$E2E_APP"
on_tape "^ *765 T$" || fail "Enter on message 4 cleared the tape"
on_tape "^ *5 T$" || fail "the second total was not kept"

# SIGTERM (a shutdown, the end of the session) closes as "Sair" does: the window's place and the
# language of the run (English, from the system) reach the settings, the calculation in progress the
# state file.
sed -i 's/^Idioma=.*/Idioma=0/' "$XDG_CONFIG_HOME/Tabulora/Tabulora.ini"
export LANG=en_US.UTF-8
e2e_start_app
xdotool windowmove --sync "$E2E_WIN" 200 150
e2e_keys 7 plus 8
kill -TERM "$E2E_APP"
wait "$E2E_APP" || fail "SIGTERM: the program ended with status $?"
[ "$(setting CalcLeft)/$(setting CalcTop)" = "3000/2250" ] || fail "position saved as $(setting CalcLeft)/$(setting CalcTop)"
[ "$(setting Idioma)" = "2" ] || fail "Idioma saved as '$(setting Idioma)'"
on_tape '^ *7 +$' || fail "the calculation in progress was lost"
grep -q '"7","+","8","8","001"' "$FITA" || fail "the running total and entry were not kept"
echo "1 passed, 0 failed"
