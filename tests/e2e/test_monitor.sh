#!/usr/bin/env bash
# The clipboard monitor with xclip as the other program: a number copied is added once, the same
# copy again adds nothing, two columns add their products and leave them on the clipboard without
# being taken again, and the second calculator never takes a copy.
source "$E2E_LIB"
e2e_start_x
printf '[Conf]\nMonitor=True\n' > "$XDG_CONFIG_HOME/Tabulora/Tabulora.ini"
e2e_start_app

# Copies `text` as another program and waits until the calculator has asked for it (xclip then
# waits for its second request).
copies=0
copy() {
    copies=$((copies + 1))
    local log=$E2E_TMP/xclip$copies.log
    printf '%b' "$1" | xclip -selection clipboard -i -quiet -verbose >"$log" 2>&1 &
    E2E_PIDS+=($!)
    wait_until "the calculator did not read the copy '$1'" 5 grep -q "request number 2" "$log"
}
clipboard_lines() { [ "$(clipboard | tr -d '\r' | paste -sd '|')" = "$1" ]; }

copy '10'
copy '10'
copy '2\t3\r\n4\t5'
wait_until "the products are not on the clipboard: '$(clipboard)'" 3 clipboard_lines "6,00|20,00"

background "$TABULORA_BIN" outra
aux=$!
wait_until "no second calculator" 10 calculator_window "$aux" '^Calculadora \[Aux\]$'
copy '7'

focus "$E2E_WIN"
e2e_keys Return
expect_clipboard "43"

focus "$(calculator_window "$aux" '^Calculadora \[Aux\]$')"
e2e_keys 2 plus 3 Return
expect_clipboard "5"
echo "1 passed, 0 failed"
