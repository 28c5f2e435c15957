#!/usr/bin/env bash
# The unit converter and the ideal weight from the keyboard alone: a result copied with its units,
# and the weight's report kept in the tape's file once its window closes.
source "$E2E_LIB"
e2e_start_x
e2e_start_app

e2e_keys ctrl+o
e2e_focus_dialog "^ Converter Pesos e Medidas$"
# The value, past the search box into the list (Bar is chosen), the first result copied.
e2e_keys 1 Tab Tab Tab Return
expect_clipboard "1 Bar = 14,50377 PSI"
e2e_keys Return Escape
wait_until "Esc did not close the converter" 5 dialog_closed "^ Converter Pesos e Medidas$"

focus "$E2E_WIN"
e2e_keys shift+F5
e2e_focus_dialog "^ IMC - "
e2e_keys 1 7 0 Return 9 5 Return Return Return Escape
wait_until "Esc did not close the ideal weight" 5 dialog_closed "^ IMC - "
wait_until "no report in the tape's file" 5 on_tape "Result. = Perder 18,70Kg"
echo "1 passed, 0 failed"
